// Loaded into the installed program by the install tests (LD_PRELOAD), so the
// program itself carries nothing for them: once the application exists it
// watches the windows, prints whether the start screen came up and stayed up
// past the start-up timer, or which message appeared instead, and ends the
// program.
//
//   velmir-probe: start screen 800x600 in /home/pupil/.local/share/velmir
//   velmir-probe: message: Program Velmir rovnic bude ukončen, ...
//   velmir-probe: no start screen within 30 s
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int POLL_MS = 100;
// The start-up timer fires 500 ms after the window is made and then reads the
// settings and counts the equation files; a failure there opens a message.
constexpr int SETTLE_MS = 2000;
constexpr int GIVE_UP_MS = 30000;

void finish(int code, const QString& line) {
    std::printf("velmir-probe: %s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
    // At once, from inside whatever dialog loop is running.
    _exit(code);
}

QString textOf(const QWidget* window) {
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts << label->text().simplified();
    return texts.isEmpty() ? window->windowTitle() : texts.join(QLatin1String(" / "));
}

void watch() {
    auto* timer = new QTimer(QCoreApplication::instance());
    auto* elapsed = new int(0);
    auto* shownFor = new int(-1);
    QObject::connect(timer, &QTimer::timeout, [=] {
        *elapsed += POLL_MS;
        const QWidget* main = nullptr;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible()) continue;
            if (window->objectName() == QLatin1String("TForm1")) main = window;
            else finish(2, QStringLiteral("message: ") + textOf(window));
        }
        *shownFor = main ? *shownFor + POLL_MS : -1;
        if (*shownFor >= SETTLE_MS)
            finish(0, QStringLiteral("start screen %1x%2 in %3")
                          .arg(main->width())
                          .arg(main->height())
                          .arg(QDir::currentPath()));
        if (*elapsed >= GIVE_UP_MS) finish(3, QStringLiteral("no start screen within 30 s"));
    });
    timer->start(POLL_MS);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
