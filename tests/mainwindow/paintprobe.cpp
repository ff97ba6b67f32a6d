// Preloaded (LD_PRELOAD) into the program or the bare window by the start-up
// comparison, so neither carries anything for it.  It reports on stdout, one
// line each, with the monotonic clock in nanoseconds and the peak resident
// memory (VmHWM) in kB:
//
//   paint <ns> <kB>     the picture "Image1" painted for the first time and
//                       the repaint finished
//   settled <ns> <kB>   VELMIR_PROBE_SETTLE_MS after the first paint
//   click <ns> <kB>     just before the exit item is clicked
//
// VELMIR_PROBE: "paint" ends the process after the first report, "settle"
// after the second, "exit" clicks the start screen's exit item after the
// second and lets the program end on its own; anything else only reports.
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

long long monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

long peakKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void report(const char* what) {
    std::printf("%s %lld %ld\n", what, monotonicNs(), peakKb());
    std::fflush(stdout);
}

// The exit item at design point 700, 555 on an 800 x 600 picture.
void clickExitItem(QWidget* picture) {
    const QPointF at(700.0 * picture->width() / 800, 555.0 * picture->height() / 600);
    const QPointF global = picture->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    report("click");
    QApplication::sendEvent(picture, &press);
    QApplication::sendEvent(picture, &release);
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || event->type() != QEvent::Paint || watched->objectName() != QLatin1String("Image1"))
            return false;
        done_ = true;
        auto* picture = static_cast<QWidget*>(watched);
        // Reported once the paint and the flush that follows it are over.
        QTimer::singleShot(0, [picture] { painted(picture); });
        return false;
    }

private:
    static void painted(QWidget* picture) {
        report("paint");
        const QByteArray mode = qgetenv("VELMIR_PROBE");
        if (mode == "paint") _exit(0);
        const int settle = qEnvironmentVariableIntValue("VELMIR_PROBE_SETTLE_MS");
        QTimer::singleShot(settle, [picture, mode] {
            report("settled");
            if (mode == "settle") _exit(0);
            if (mode == "exit") clickExitItem(picture);
        });
    }

    bool done_ = false;
};

void watch() { QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance())); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
