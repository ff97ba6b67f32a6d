// Loaded into the real program by the damaged-file test (LD_PRELOAD), so the
// program itself carries nothing for it.  It answers every message that
// appears (a message box or the warning dialog) and reports its text, and
// drives the program through a short script once the start screen is up:
//
//   VELMIR_DAMAGE_SCRIPT="click:250,138;wait:300;button:BitBtn10;click:699,555"
//
//   click:X,Y      a click on the start picture at X,Y of the 800 x 600 design
//   row:N          a click on row N of the exercise chooser, when it is open
//   button:NAME    a click on the button of that object name ("Panel1/BitBtn1"
//                  within the control Panel1), when enabled
//   type:TEXT      the keys of TEXT, pressed and released in the main window
//   enter          Enter, pressed and released
//   wait:MS        nothing for that long
//
// Every line it prints starts with "velmir-damage: ": "message: <text>",
// "start screen", "step <action>", "script done" and "closed" (the main
// window went away while the program still ran).  It
// never ends the program itself, except when the program is still running
// several seconds after its last step or after its window closed ("stuck").
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int POLL_MS = 25;
// Quiet time after each step before the next, so that what it started (a
// warning, a repaint) has happened.
constexpr int SETTLE_MS = 150;
// The main window shown this long: the start-up has finished.
constexpr int START_UP_MS = 800;
// The program ends by its own "Konec"; one still running this long after
// the script is stuck.
constexpr int STUCK_MS = 8000;

void say(const QString& line) {
    std::printf("velmir-damage: %s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

QString textOf(const QWidget* window) {
    if (const auto* box = qobject_cast<const QMessageBox*>(window)) return box->text();
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisibleTo(window) && !label->text().isEmpty()) texts << label->text();
    return texts.join(QLatin1String(" / "));
}

class Probe : public QObject {
public:
    Probe() : QObject(QCoreApplication::instance()) {
        script_ = QString::fromLocal8Bit(qgetenv("VELMIR_DAMAGE_SCRIPT")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
        timer_.start(POLL_MS);
    }

private:
    QWidget* mainWindow() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("TForm1")) return w;
        return nullptr;
    }

    // Answers the one message that is open; true when there was one.
    bool answerMessage() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(window);
            if (!dialog || !dialog->isVisible() || !dialog->isModal()) continue;
            say(QStringLiteral("message: ") + textOf(dialog));
            dialog->accept();
            return true;
        }
        return false;
    }

    void tick() {
        if (answerMessage()) {
            quiet_ = 0;
            return;
        }
        QWidget* main = mainWindow();
        if (!main) return;
        if (!main->isVisible()) {
            if (seenMain_ && !closed_) {
                closed_ = true;
                say(QStringLiteral("closed"));
            }
            if (closed_ && (stuck_ += POLL_MS) > STUCK_MS) {
                say(QStringLiteral("stuck"));
                _exit(70);
            }
            return;
        }
        if (!seenMain_) {
            // The start-up timer (500 ms from the window's making, which
            // comes before its showing) has run by then: timers fire in
            // their order, however slow the machine.
            if (!shown_.isValid()) shown_.start();
            if (shown_.elapsed() < START_UP_MS) return;
            seenMain_ = true;
            say(QStringLiteral("start screen"));
        }
        if ((quiet_ += POLL_MS) < SETTLE_MS || (waitLeft_ -= POLL_MS) > 0) return;
        if (next_ >= script_.size()) {
            if (!done_) say(QStringLiteral("script done"));
            done_ = true;
            if ((stuck_ += POLL_MS) > STUCK_MS) {
                say(QStringLiteral("stuck"));
                _exit(70);
            }
            return;
        }
        quiet_ = 0;
        say(QStringLiteral("step ") + script_[next_]);
        // Run from the event loop, not from this tick: a message the step
        // opens runs its own loop, in which the next ticks must answer it.
        QTimer::singleShot(0, main, [this, main, action = script_[next_++]] { step(main, action); });
        // The last step may well end the program ("Konec").
        if (next_ == script_.size()) {
            done_ = true;
            say(QStringLiteral("script done"));
        }
    }

    // A control by its object name, or by "parent/name" where the teacher's
    // windows, children of the main window too, use the same name.
    template <typename T>
    static T* find(QWidget* main, const QString& path) {
        QObject* within = main;
        const QStringList names = path.split(QLatin1Char('/'));
        for (int i = 0; within && i + 1 < names.size(); ++i) within = within->findChild<QWidget*>(names[i]);
        return within ? within->findChild<T*>(names.last()) : nullptr;
    }

    void step(QWidget* main, const QString& action) {
        const QString verb = action.section(QLatin1Char(':'), 0, 0);
        const QString arg = action.section(QLatin1Char(':'), 1);
        if (verb == QLatin1String("wait")) {
            waitLeft_ = arg.toInt();
        } else if (verb == QLatin1String("click")) {
            auto* picture = main->findChild<QWidget*>(QStringLiteral("Image1"));
            if (!picture) return;
            const QPoint design(arg.section(QLatin1Char(','), 0, 0).toInt(), arg.section(QLatin1Char(','), 1).toInt());
            const QPoint at(design.x() * picture->width() / 800, design.y() * picture->height() / 600);
            QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, at);
        } else if (verb == QLatin1String("row")) {
            auto* list = find<QListWidget>(main, QStringLiteral("Panel1/FileListBox1"));
            const int row = arg.toInt();
            if (!list || !list->isVisible() || row >= list->count()) return;
            list->doItemsLayout();  // laid out before it has been painted
            const QRect place = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
        } else if (verb == QLatin1String("type")) {
            QTest::keyClicks(main, arg);
        } else if (verb == QLatin1String("enter")) {
            QTest::keyClick(main, Qt::Key_Return);
        } else if (verb == QLatin1String("button")) {
            auto* button = find<QAbstractButton>(main, arg);
            if (button && button->isVisible() && button->isEnabled()) button->click();
        }
    }

    QTimer timer_;
    QElapsedTimer shown_;
    QStringList script_;
    int next_ = 0;
    int quiet_ = 0;
    int waitLeft_ = 0;
    int stuck_ = 0;
    bool seenMain_ = false;
    bool done_ = false;
    bool closed_ = false;
};

void start() { new Probe; }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
