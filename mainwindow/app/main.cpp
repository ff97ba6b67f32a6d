// Program entry: the state first, then the windows in their fixed order, then
// the message loop until the main window closes.
#include <QApplication>
#include <QScreen>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/screenscale.h"
#include "mainwindow/ui/mainwindow.h"
#include "mainwindow/ui/program.h"

namespace {

// Qt takes its scale factor (QT_SCALE_FACTOR) only when the application is
// made, and the screen's size is known only once one exists.  So the first
// application measures the screen and stays, unless the screen is a large
// board; then it gives way to one made with the whole factor that fits.  A
// factor the user set is left alone.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    // Qt takes its own options out of argv; the second start needs them too.
    static std::vector<std::string> arguments(argv, argv + argc);
    auto app = std::make_unique<QApplication>(argc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return app;
    const int factor = wholeScaleFactor(screen->geometry().width(), screen->geometry().height());
    if (factor <= 1) return app;

    app.reset();
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    static std::vector<char*> pointers;
    for (std::string& a : arguments) pointers.push_back(a.data());
    pointers.push_back(nullptr);
    static int count = static_cast<int>(arguments.size());
    return std::make_unique<QApplication>(count, pointers.data());
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QApplication> application = startApplication(argc, argv);
    QApplication& app = *application;
    Program program;
    initSessionState(program.state);
    app.setProperty("helpFile", QStringLiteral("rovhelp.hlp"));
    QApplication::setApplicationName(QStringLiteral("Velmir rovnic"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmir rovnic"));

    MainWindow mainWindow(program);
    if (!mainWindow.created()) return mainWindow.exitCode();
    // The other windows follow once the start screen has been painted.

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
