// The pupil solves in the real window: whole solutions by keys and by the
// keypad, with the check by substitution switched on and off in POM.CFG, the
// sample solution, the page moving up and the wait for the last bubble, in a
// copy of the runtime folder.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

#include "engine/cp1250.h"
#include "engine/ui/qtext.h"
#include "teacher/settingsfile.h"
#include "tests/mainwindow/pupilinput.h"
#include "tests/mainwindow/runtimefolder.h"

namespace {

using cp1250::w1250;

enum class Hands { Keys, Keypad };

// Acts once, as soon as the step flow waits for the pupil to dismiss its
// last bubble; keeps the page as it was then.
class AtTheFinalBubble : public QObject {
public:
    AtTheFinalBubble(MainWindow& form, std::function<void()> action) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this, &form, action] {
            if (!form.program().state.session.waitingForNextEquation) return;
            timer_.stop();
            page = form.picture().copy();
            bubbleShown = form.feedback()->bubbleShown();
            keypadShown = !form.keypad->isHidden();
            fired = true;
            action();
            // A test whose action did not end the wait fails instead of hanging.
            QTimer::singleShot(3000, this, [this, &form] {
                if (!form.program().state.session.waitingForNextEquation) return;
                ADD_FAILURE() << "the wait did not end";
                form.feedback()->eraseBubble();
            });
        });
        timer_.start();
    }
    QImage page;
    bool fired = false, bubbleShown = false, keypadShown = false;

private:
    QTimer timer_;
};

class Solving : public RuntimeFolder {
protected:
    // The checks switch as the teacher left it in POM.CFG (record 65), read
    // at start-up; then "Nejlehčí 1".
    std::unique_ptr<MainWindow> solvingWindow(bool checks, QSize screen = QSize(1024, 768)) {
        EXPECT_TRUE(storeSettingsRecord(SETTINGS_CHECKS_RECORD, checks ? SETTINGS_SWITCH_ON : SETTINGS_SWITCH_OFF,
                                        [](const std::string& text) { ADD_FAILURE() << text; }));
        auto form = areaWindow(screen);
        EXPECT_EQ(state().settings.checksEnabled, checks);
        return form;
    }

    // A written line as the pupil makes it; a note by PageUp (the keypad has
    // none, so it is left out).  The lines of "Nejlehčí 1" hold no fraction
    // and no power: writing those is the writing tests' matter.
    void write(MainWindow& form, Hands hands, const std::string& written) {
        for (size_t i = 0; i < written.size(); ++i) {
            const char c = written[i];
            if (c == '/') {
                if (hands == Hands::Keys) {
                    QTest::keyClick(&form, Qt::Key_PageUp);
                    QTest::keyClicks(&form, toQt(written.substr(i + 1)));
                }
                return;
            }
            ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "a marker in " << written;
            if (c == ' ') continue;
            if (hands == Hands::Keys) QTest::keyClicks(&form, QString(QLatin1Char(c)));
            if (hands == Hands::Keypad) tap(form, c);
        }
    }
    static void enter(MainWindow& form, Hands hands) {
        if (hands == Hands::Keys) QTest::keyClick(&form, Qt::Key_Return);
        if (hands == Hands::Keypad) tap(form, Pad::Enter);
    }
    // The sample solution typed and entered line by line, the last line
    // typed only; returns the equation.
    EquationRecord solveUpToTheLastEnter(MainWindow& form, Hands hands = Hands::Keys) {
        const EquationRecord equation = state().currentEquation;
        const int lines = equation.solutionLines();
        for (int k = 1; k < lines; ++k) {
            write(form, hands, equation.slot(k));
            enter(form, hands);
        }
        write(form, hands, equation.slot(lines));
        return equation;
    }

    int displayLine() { return state().editor.pageLayout.currentLine; }
    AreaStatistics& row() { return statisticsOf(state().session, 11); }
    // What may change without the page changing: the needle and the mascot.
    QRect dialBox(const MainWindow& form) {
        const DialGeometry& d = form.geometry().dial;
        return QRect(d.boxLeft, d.boxTop, d.boxRight - d.boxLeft + 1, d.boxBottom - d.boxTop + 1);
    }
    int differingOnThePage(MainWindow& form, const QImage& a, const QImage& b, const QRect& also = QRect()) {
        const QRect mascot = form.feedback()->mascot().rect();
        QImage left = a.copy(), right = b.copy();
        for (const QRect& r : {dialBox(form), mascot, also})
            for (QImage* image : {&left, &right}) QPainter(image).fillRect(r, Qt::black);
        return differingPixels(left, right);
    }
};

// The equation's sides with the root put in for x: "(13)+8" and "21".
std::pair<std::string, std::string> sidesAtTheRoot(const EquationRecord& equation) {
    const std::string text = equation.slot(0);
    const std::string rootText = "(" + std::to_string(static_cast<long>(equation.root)) + ")";
    auto put = [&](std::string side) {
        for (size_t k = side.find('x'); k != std::string::npos; k = side.find('x', k + rootText.size()))
            side.replace(k, 1, rootText);
        return side;
    };
    const size_t eq = text.find('=');
    return {put(text.substr(0, eq)), put(text.substr(eq + 1))};
}

TEST_F(Solving, AWholeSolutionByKeysOrKeypadWithTheCheckSwitchedOnAndOff) {
    for (Hands hands : {Hands::Keys, Hands::Keypad}) {
        for (bool checks : {false, true}) {
            SCOPED_TRACE(std::string(hands == Hands::Keys ? "keys" : "keypad") + (checks ? ", checks" : ""));
            auto form = solvingWindow(checks);
            const EquationRecord equation = state().currentEquation;
            // "Nejlehčí 1" starts with x+a=b: a whole root, a plain number on the right.
            ASSERT_EQ(equation.root, static_cast<long>(equation.root));
            const int lines = equation.solutionLines();
            ASSERT_GE(lines, 2);

            for (int k = 1; k < lines; ++k) {
                write(*form, hands, equation.slot(k));
                enter(*form, hands);
                ASSERT_EQ(displayLine(), k + 1) << equation.slot(k);
                EXPECT_GT(darkPixels(form->picture(), bandOf(k)), 50);
            }
            EXPECT_EQ(std::make_tuple(row().goodSteps, row().wrongSteps), std::make_tuple(lines - 1, 0));

            write(*form, hands, equation.slot(lines));
            if (checks) {
                enter(*form, hands);
                ASSERT_TRUE(state().editor.checkPhase);
                EXPECT_EQ(std::make_tuple(line(), form->showSolutionButton->isEnabled()), std::make_tuple("L=", false));
                const auto [left, right] = sidesAtTheRoot(equation);
                write(*form, hands, left);
                // The keypad's characters leave the bubble "Teď dělej
                // zkoušku."; its first Enter closes it, the second checks.
                if (hands == Hands::Keypad) {
                    EXPECT_TRUE(form->feedback()->bubbleShown());
                    enter(*form, hands);
                }
                enter(*form, hands);
                EXPECT_EQ(line(), " =");
                write(*form, hands, right);
            }
            AtTheFinalBubble wait(*form, [&] { click(*form, QPoint(600, 500)); });
            enter(*form, hands);
            ASSERT_TRUE(wait.fired);
            EXPECT_EQ(std::make_tuple(wait.bubbleShown, row().goodSteps, row().solvedEquations),
                      std::make_tuple(true, lines + (checks ? 2 : 0), 1));
            // The right side filled in on the fourth line: "P=21       L=P".
            if (checks) {
                EXPECT_EQ(std::make_tuple(darkPixels(wait.page, bandOf(4)) > 100, wait.keypadShown),
                          std::make_tuple(true, false));
            }
            // The next equation, on a fresh page.
            EXPECT_EQ(std::make_tuple(state().currentEquation.slot(0) != equation.slot(0), state().editor.checkPhase,
                                      displayLine(), line(), form->showSolutionButton->isEnabled(),
                                      form->fractionButton->isEnabled(), darkPixels(form->picture(), bandOf(1))),
                      std::make_tuple(true, false, 1, "", true, true, 0));
        }
    }
}

TEST_F(Solving, ASampleSolutionLeavesNoBubbleBehindAndTheEquationComesBackWhole) {
    for (QSize screen : {QSize(800, 600), QSize(1024, 768)}) {
        SCOPED_TRACE(screen.width());
        auto form = solvingWindow(false, screen);
        Feedback& feedback = *form->feedback();
        const QImage presented = form->picture().copy();
        const int lines = state().currentEquation.solutionLines();

        // A wrong line: its bubble is on the screen when the solution is asked for.
        write(*form, Hands::Keys, "x=" + std::to_string(static_cast<long>(state().currentEquation.root) + 1));
        QTest::keyClick(form.get(), Qt::Key_Return);
        ASSERT_TRUE(feedback.bubbleShown());
        form->showSolutionButton->click();
        const QRect bubble = feedback.bubble().rect();
        EXPECT_EQ(std::make_tuple(state().session.solutionShown, feedback.bubbleShown(),
                                  differingPixels(presented.copy(bubble), form->picture().copy(bubble)),
                                  darkPixels(form->picture(), bandOf(lines + 1)), form->showSolutionButton->isEnabled(),
                                  form->fractionButton->isEnabled(), form->keypad->isHidden()),
                  std::make_tuple(true, false, 0, 0, false, false, true));
        for (int k = 1; k <= lines; ++k) EXPECT_GT(darkPixels(form->picture(), bandOf(k)), 50) << k;

        // Any key brings the equation back as it was presented: the band,
        // the page, no bubble; a later bubble erases to that page too.
        QTest::keyClick(form.get(), Qt::Key_5);
        EXPECT_EQ(std::make_tuple(state().session.solutionShown, line(),
                                  differingOnThePage(*form, presented, form->picture())),
                  std::make_tuple(false, "", 0));
        feedback.showBubble(w1250("Ahoj"), "", "");
        feedback.eraseBubble();
        EXPECT_EQ(std::make_tuple(differingOnThePage(*form, presented, form->picture()), row().wrongSteps,
                                  row().solvedEquations),
                  std::make_tuple(0, 1, 0))
            << "the solution counts nothing";
    }
}

TEST_F(Solving, TheLastWritingLineMovesThePageUpByOneLine) {
    auto form = solvingWindow(false, QSize(800, 600));
    const std::string equation = state().currentEquation.slot(0);
    const size_t eq = equation.find('=');
    // k times both sides: a correct step that is never final.
    auto times = [&](int k) {
        return std::to_string(k) + "(" + equation.substr(0, eq) + ")=" + std::to_string(k) + "(" +
               equation.substr(eq + 1) + ")";
    };
    for (int k = 1; k <= 8; ++k) {
        write(*form, Hands::Keys, times(k + 1));
        QTest::keyClick(form.get(), Qt::Key_Return);
    }
    ASSERT_EQ(displayLine(), 9);
    write(*form, Hands::Keys, times(10));
    const QImage before = form->picture().copy();
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_EQ(std::make_tuple(row().goodSteps, displayLine()), std::make_tuple(9, 9));

    // The 400 rows below the first line moved up by 50; line 9 is empty
    // again, its rule kept; the picture round the page did not move.
    const PageLayout& page = state().editor.pageLayout;
    const QRect moved(page.areaLeft + 1, page.areaTop + 1, page.areaWidth - 2, 400);
    const QRect edge(0, page.areaTop, page.areaLeft + 1, 450);
    const QPoint rule(page.areaLeft + 20, page.areaTop + 450);
    EXPECT_EQ(std::make_tuple(differingPixels(before.copy(moved.translated(0, 50)), form->picture().copy(moved)),
                              differingPixels(before.copy(edge), form->picture().copy(edge)),
                              darkPixels(form->picture(), bandOf(9)), form->picture().pixel(rule),
                              darkPixels(form->picture(), bandOf(8)) > 50),
              std::make_tuple(0, 0, 0, before.pixel(rule), true));
}

// While the last bubble waits, keys, taps and the editing buttons write
// nothing into the finished page, and the first release ends the wait; the
// leave button only erases the bubble; closing the window ends the flow.
TEST_F(Solving, WhileTheLastBubbleWaitsThePageStaysAndOnlyClosingEndsTheFlow) {
    enum Act { Typing, Leaving, Closing };
    for (Act act : {Typing, Leaving, Closing}) {
        SCOPED_TRACE(act);
        auto form = solvingWindow(false);
        const EquationRecord equation = solveUpToTheLastEnter(*form);
        const std::string finished = line();
        QImage during;
        AtTheFinalBubble wait(*form, [&] {
            if (act == Typing) {
                // Once the animation's timer has let keys in again.
                state().session.enterBusy = false;
                QTest::keyClicks(form.get(), "5+");
                tap(*form, '7');
                tap(*form, Pad::Backspace);
                form->fractionButton->click();
                QTest::keyClick(form.get(), Qt::Key_Left);
                EXPECT_EQ(line(), finished);
                during = form->picture().copy();
            }
            if (act == Leaving) form->toolbarReleased(ToolbarButton::Leave);
            if (act == Closing) form->close();
        });
        QTest::keyClick(form.get(), Qt::Key_Return);
        ASSERT_TRUE(wait.fired);
        if (act == Typing) {
            EXPECT_EQ(differingOnThePage(*form, wait.page, during, form->feedback()->bubble().rect()), 0);
        }
        // The area stays open; the next equation came, unless the program is closing.
        EXPECT_EQ(std::make_tuple(state().session.waitingForNextEquation, form->ended(), state().session.currentArea,
                                  state().currentEquation.slot(0) == equation.slot(0)),
                  std::make_tuple(false, act == Closing, 11, act == Closing));
    }
}

}  // namespace
