// Program entry: the state first, then the windows in their fixed order, then
// the message loop until the main window closes.
#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <memory>

#include "mainwindow/ui/mainwindow.h"
#include "mainwindow/ui/program.h"

namespace {

// Windows that are made once and shown when asked for; those not built yet
// stay plain, hidden dialogs under their names.
std::unique_ptr<QDialog> makeWindow(const char* name, const QString& title) {
    auto window = std::make_unique<QDialog>(nullptr);
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    return window;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program program;
    initSessionState(program.state);
    app.setProperty("helpFile", QStringLiteral("rovhelp.hlp"));
    QApplication::setApplicationName(QStringLiteral("Velmir rovnic"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmir rovnic"));

    MainWindow mainWindow(program);
    if (!mainWindow.created()) return mainWindow.exitCode();
    program.warnings.dialog();
    const auto teacherMenu = makeWindow("TFUCIT", QStringLiteral("Nastavení pro učitele"));
    const auto exerciseBuilder = makeWindow("TForm2", QStringLiteral("Cvičení"));
    const auto gradeBoundariesDialog = makeWindow("Tznam", QStringLiteral("Hranice známek"));
    const auto evaluationWindow = makeWindow("Thodnoc", QStringLiteral("Hodnocení"));
    const auto passwordDialog = makeWindow("Theslodialog", QStringLiteral("Heslo"));
    const auto helpWindow = makeWindow("TForm5", QStringLiteral("Nápověda"));

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && mainWindow.size() == screen->geometry().size())
        mainWindow.showFullScreen();
    else
        mainWindow.show();
    mainWindow.activateWindow();
    mainWindow.setFocus();
    const int code = app.exec();
    return mainWindow.ended() ? mainWindow.exitCode() : code;
}
