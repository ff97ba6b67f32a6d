// Program entry: the state first, then the windows in their fixed order, then
// the message loop until the main window closes.
#include <QApplication>
#include <QScreen>

#include "mainwindow/ui/mainwindow.h"
#include "mainwindow/ui/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program program;
    initSessionState(program.state);
    app.setProperty("helpFile", QStringLiteral("rovhelp.hlp"));
    QApplication::setApplicationName(QStringLiteral("Velmir rovnic"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmir rovnic"));

    MainWindow mainWindow(program);
    if (!mainWindow.created()) return mainWindow.exitCode();
    mainWindow.createWindows();

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
