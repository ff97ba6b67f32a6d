// Program entry: the state first, then the windows in their fixed order, then
// the message loop until the main window closes.
#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <memory>

#include "feedback/ui/warningdialog.h"
#include "mainwindow/programstate.h"
#include "mainwindow/ui/tform1.h"

namespace {

// Windows that are made once and shown when asked for; those not built yet
// stay plain, hidden dialogs under their names.
QDialog* makeWindow(const char* name, const QString& title) {
    auto* window = new QDialog(nullptr);
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    return window;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    initSessionState();
    app.setProperty("helpFile", QStringLiteral("rovhelp.hlp"));
    QApplication::setApplicationName(QStringLiteral("Velmir rovnic"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmir rovnic"));

    TForm1 form1;
    if (!form1.created()) return form1.exitCode();
    warningDialog()->setAttribute(Qt::WA_QuitOnClose, false);
    std::unique_ptr<QDialog> later[] = {
        std::unique_ptr<QDialog>(makeWindow("TFUCIT", QStringLiteral("Nastavení pro učitele"))),
        std::unique_ptr<QDialog>(makeWindow("TForm2", QStringLiteral("Cvičení"))),
        std::unique_ptr<QDialog>(makeWindow("Tznam", QStringLiteral("Hranice známek"))),
        std::unique_ptr<QDialog>(makeWindow("Thodnoc", QStringLiteral("Hodnocení"))),
        std::unique_ptr<QDialog>(makeWindow("Theslodialog", QStringLiteral("Heslo"))),
        std::unique_ptr<QDialog>(makeWindow("TForm5", QStringLiteral("Nápověda"))),
    };
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && form1.size() == screen->geometry().size())
        form1.showFullScreen();
    else
        form1.show();
    form1.activateWindow();
    form1.setFocus();
    const int code = app.exec();
    return form1.ended() ? form1.exitCode() : code;
}
