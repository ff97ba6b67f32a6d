// The pupil writes in the real window: keys, the keypad, the toolbar's
// fraction and power buttons and the mouse, through the window's own event
// handlers, in a copy of the runtime folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <string>
#include <vector>

#include "editor/keypad.h"
#include "engine/cp1250.h"
#include "engine/markers.h"
#include "mainwindow/ui/keypadview.h"
#include "mainwindow/ui/pictureview.h"
#include "tests/mainwindow/pupilinput.h"
#include "tests/mainwindow/runtimefolder.h"

namespace {

using cp1250::w1250;

std::string power(char digit) {
    return std::string{static_cast<char>(POWER_START), digit, static_cast<char>(POWER_END)};
}

class Writing : public RuntimeFolder {
protected:
    void SetUp() override {
        RuntimeFolder::SetUp();
        program_.sound.setListener([this](const std::string& name) {
            if (name == "cink") ++cinks_;
        });
    }

    // The page on display line `n`, an empty line started there.
    void startLineOn(MainWindow& form, int n, const std::string& prefix = {}) {
        state().editor.pageLayout.currentLine = static_cast<uint8_t>(n);
        form.showEdit(startLine(state().editor, form.editorContext(), prefix));
    }

    void clickAfterTheLine(MainWindow& form) { ::clickAfterTheLine(form, state().editor); }
    std::tuple<std::string, int> lineAndCaret() { return {line(), state().editor.caretPos}; }

    int cinks_ = 0;
};

const std::string EXPECTED_2X = "2x+" + writtenFraction("3", "4") + "=x" + power('2');

// --- The same line by every road -------------------------------------------

TEST_F(Writing, KeysAndKeypadWriteTheSameBytesAndRepaintOnlyTheLinesBand) {
    for (QSize screen : {QSize(800, 600), QSize(1024, 768)}) {
        SCOPED_TRACE(screen.width());
        auto form = areaWindow(screen);
        // Keys on the first line, the keypad on the ninth (the last at 800 x 600).
        for (int n : {1, 9}) {
            SCOPED_TRACE(n);
            startLineOn(*form, n);
            const QImage before = form->picture().copy();
            if (n == 1) {
                // 2x + 3/4 = x^2: "/" opens the fraction in its numerator,
                // Down goes to the denominator, Right leaves it.
                QTest::keyClicks(form.get(), "2x+/3");
                QTest::keyClick(form.get(), Qt::Key_Down);
                QTest::keyClick(form.get(), Qt::Key_4);
                QTest::keyClick(form.get(), Qt::Key_Right);
                QTest::keyClicks(form.get(), "=x");
            } else {
                // The keypad has no Right: a click after the line leaves the fraction.
                taps(*form, "2x+");
                tap(*form, Pad::Fraction);
                tap(*form, '3');
                tap(*form, Pad::Down);
                tap(*form, '4');
                clickAfterTheLine(*form);
                taps(*form, "=x");
            }
            form->power2Button->click();  // the power from the toolbar
            EXPECT_EQ(lineAndCaret(), std::make_tuple(EXPECTED_2X, static_cast<int>(EXPECTED_2X.size()) + 1));
            // Bytes after a power, one taken back.
            QTest::keyClicks(form.get(), "+1");
            QTest::keyClick(form.get(), Qt::Key_Backspace);
            EXPECT_EQ(std::make_tuple(line(), differingPixels(before, form->picture(), bandOf(n)), cinks_),
                      std::make_tuple(EXPECTED_2X + "+", 0, 0));
            EXPECT_GT(darkPixels(form->picture(), bandOf(n)), 100);
        }
    }
}

TEST_F(Writing, TheKeyboardsNumericKeypadTypesLikeTheMainKeys) {
    auto form = areaWindow();
    const struct {
        int qtKey;
        const char* text;
    } keys[] = {{Qt::Key_2, "2"}, {Qt::Key_Comma, ","}, {Qt::Key_5, "5"}, {Qt::Key_Asterisk, "*"},
                {Qt::Key_3, "3"}, {Qt::Key_Minus, "-"}, {Qt::Key_Slash, "/"}, {Qt::Key_1, "1"},
                {Qt::Key_Down, ""}, {Qt::Key_Plus, "+"}};
    for (const auto& k : keys) keyClick(*form, k.qtKey, QString::fromLatin1(k.text), Qt::KeypadModifier);
    // The decimal key types the point; "+" at the start of a denominator is a sign.
    EXPECT_EQ(line(), "2.5*3-" + writtenFraction("1", "+"));
    // Its Enter is Enter: with a bubble shown it only erases it.
    form->feedback()->showBubble("Ahoj");
    keyClick(*form, Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier);
    EXPECT_EQ(std::make_tuple(form->feedback()->bubbleShown(), cinks_), std::make_tuple(false, 0));
}

TEST_F(Writing, AFractionFromTheButtonOrTheKeypadTakesItsNumeratorAtOnce) {
    // After "2x" the guard's row has no digits; a fraction started by any
    // road must still take "3" in its numerator.
    enum Road { Button, PadKey, SlashKey };
    for (Road road : {Button, PadKey, SlashKey}) {
        SCOPED_TRACE(road);
        cinks_ = 0;
        auto form = areaWindow();
        auto enabled = [&] { return std::make_tuple(form->fractionButton->isEnabled(),
                                                    form->power2Button->isEnabled()); };
        EXPECT_EQ(enabled(), std::make_tuple(true, false));
        QTest::keyClicks(form.get(), "2x");
        EXPECT_TRUE(form->power3Button->isEnabled());
        if (road == Button) form->fractionButton->click();
        if (road == PadKey) tap(*form, Pad::Fraction);
        if (road == SlashKey) QTest::keyClicks(form.get(), "/");
        // No fraction in a fraction.
        EXPECT_FALSE(form->fractionButton->isEnabled());
        QTest::keyClicks(form.get(), "3");
        EXPECT_EQ(std::make_tuple(line(), cinks_, form->fractionButton->isEnabled(), form->power4Button->isEnabled()),
                  std::make_tuple("2x" + writtenFraction("3", ""), 0, false, true));
        form->power4Button->click();
        EXPECT_EQ(line(), "2x" + writtenFraction("3" + power('4'), ""));
    }
}

// --- Refusals ----------------------------------------------------------------

// Which characters may stand where is the guard's matter (the editor's tests);
// here a refusal, by key, keypad or button, leaves the line and sounds.
TEST_F(Writing, RefusedCharactersSoundCinkAndLeaveTheLine) {
    auto form = areaWindow();
    QTest::keyClicks(form.get(), "2x+");
    const std::string written = line();
    keyClick(*form, Qt::Key_ParenRight, QStringLiteral(")"));
    keyClick(*form, Qt::Key_unknown, QString(QChar(0x6F22)));  // not in the code page
    keyClick(*form, Qt::Key_unknown, QString(QChar(0x20AC)));  // "€" is, but not here
    taps(*form, ")=");
    EXPECT_EQ(std::make_tuple(line(), cinks_, form->power2Button->isEnabled()), std::make_tuple(written, 5, false));
}

// While a check runs nothing is typed, nor by the keypad or the buttons while
// a sample solution is shown (a key brings the equation back: the window's
// tests), nor on the start screen; and nothing sounds.
TEST_F(Writing, NothingIsTypedWhileACheckRunsOrASampleSolutionIsShownOrOnTheStartScreen) {
    auto form = areaWindow();
    QTest::keyClicks(form.get(), "2x");
    state().session.enterBusy = true;
    QTest::keyClicks(form.get(), "+3");
    tap(*form, '5');
    EXPECT_EQ(line(), "2x");
    state().session.enterBusy = false;

    state().session.solutionShown = true;
    form->power2Button->setEnabled(true);
    form->power2Button->click();
    tap(*form, '7');
    EXPECT_EQ(line(), "2x");
    state().session.solutionShown = false;

    form->toolbarReleased(ToolbarButton::Leave);
    QTest::keyClicks(form.get(), "+)7");
    keyClick(*form, Qt::Key_unknown, QString(QChar(0x6F22)));
    EXPECT_EQ(std::make_tuple(line(), cinks_), std::make_tuple(std::string("2x"), 0));
}

// --- Keys by name -------------------------------------------------------------

TEST_F(Writing, CharacterKeysNumberedLikeEditingKeysTypeTheirCharacters) {
    auto form = areaWindow();
    QTest::keyClicks(form.get(), "2x=6");
    // PageUp starts the note, in which every character may stand.
    QTest::keyClick(form.get(), Qt::Key_PageUp);
    QTest::keyClicks(form.get(), "abcd");
    for (int i = 0; i < 2; ++i) QTest::keyClick(form.get(), Qt::Key_Left);
    ASSERT_EQ(line(), "2x=6/abcd");
    // Qt numbers these as Delete, Down, Right, Up, Left, Home, End,
    // PageDown and PageUp: released, none may act as that key.
    const std::string aliases = ".('&%$#\"!";
    QTest::keyClicks(form.get(), QString::fromLatin1(aliases.c_str()));
    EXPECT_EQ(lineAndCaret(), std::make_tuple("2x=6/ab" + aliases + "cd", 8 + static_cast<int>(aliases.size())));

    // Delete is a key: its press types no DEL, its release deletes.
    key(*form, QEvent::KeyPress, Qt::Key_Delete, QStringLiteral("\x7f"));
    EXPECT_EQ(line(), "2x=6/ab" + aliases + "cd");
    key(*form, QEvent::KeyRelease, Qt::Key_Delete, QStringLiteral("\x7f"));
    EXPECT_EQ(line(), "2x=6/ab" + aliases + "d");
    // Home goes to the line's start on the main level, and "/" (numbered as
    // Help) starts a fraction there.
    QTest::keyClick(form.get(), Qt::Key_Home);
    QTest::keyClicks(form.get(), "/");
    EXPECT_EQ(std::make_tuple(line(), cinks_), std::make_tuple(writtenFraction("", "") + "2x=6/ab" + aliases + "d", 0));
}

TEST_F(Writing, AKeyIsReleasedAsItWasPressed) {
    // Num Lock (or Shift) let go before the key renames it: the keypad's 3
    // comes back as PageDown, its 1 as End.  Neither may start a note or
    // move the caret.
    auto form = areaWindow();
    QTest::keyClicks(form.get(), "2+");
    const struct {
        int pressed, released;
        const char* text;
        quint32 scanCode;
    } keys[] = {{Qt::Key_3, Qt::Key_PageDown, "3", 89}, {Qt::Key_1, Qt::Key_End, "1", 87}};
    for (const auto& k : keys) {
        QKeyEvent press(QEvent::KeyPress, k.pressed, Qt::KeypadModifier, k.scanCode, 0, 0, QString::fromLatin1(k.text));
        QApplication::sendEvent(form.get(), &press);
        QKeyEvent release(QEvent::KeyRelease, k.released, Qt::NoModifier, k.scanCode, 0, 0, QString());
        QApplication::sendEvent(form.get(), &release);
    }
    QTest::keyClick(form.get(), Qt::Key_Left);
    EXPECT_EQ(lineAndCaret(), std::make_tuple(std::string("2+31"), 4));
}

TEST_F(Writing, HeldKeysRepeatCharactersAndBackspaceOnly) {
    auto form = areaWindow();
    // A held key: one press, then pairs of repeated release and press.
    auto hold = [&](int qtKey, const QString& text, int repeats) {
        key(*form, QEvent::KeyPress, qtKey, text);
        for (int i = 0; i < repeats; ++i) {
            key(*form, QEvent::KeyRelease, qtKey, text, Qt::NoModifier, true);
            key(*form, QEvent::KeyPress, qtKey, text, Qt::NoModifier, true);
        }
        key(*form, QEvent::KeyRelease, qtKey, text);
    };
    hold(Qt::Key_3, QStringLiteral("3"), 3);
    EXPECT_EQ(line(), "3333");
    hold(Qt::Key_Backspace, QStringLiteral("\b"), 2);
    EXPECT_EQ(line(), "3");
    QTest::keyClicks(form.get(), "+45");
    // Left acts on its release only: held, it moves once.
    hold(Qt::Key_Left, QString(), 3);
    EXPECT_EQ(state().editor.caretPos, 4);
}

TEST_F(Writing, AReleaseActsOnlyForAKeyPressedInTheWindow) {
    auto form = areaWindow();
    Feedback& feedback = *form->feedback();
    QTest::keyClicks(form.get(), "2x+4");
    // The Enter that closed a dialog: its press went there, its release comes here.
    feedback.showBubble("Ahoj");
    key(*form, QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(feedback.bubbleShown());
    key(*form, QEvent::KeyRelease, Qt::Key_Left);
    EXPECT_EQ(std::make_tuple(state().editor.caretPos, feedback.bubbleShown()), std::make_tuple(5, true));

    // Enter of the pupil: a shown bubble is only erased, the line stays.
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_EQ(std::make_tuple(feedback.bubbleShown(), line()), std::make_tuple(false, std::string("2x+4")));
    // Without a bubble it goes to the check, and the window takes keys again.
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_EQ(std::make_tuple(state().session.enterBusy, line()), std::make_tuple(false, std::string("2x+4")));
    QTest::keyClicks(form.get(), "=");
    EXPECT_EQ(line(), "2x+4=");
    // Any other key's release erases a bubble; typing itself does not.
    feedback.showBubble("Ahoj");
    key(*form, QEvent::KeyPress, Qt::Key_8, QStringLiteral("8"));
    EXPECT_TRUE(feedback.bubbleShown());
    key(*form, QEvent::KeyRelease, Qt::Key_8, QStringLiteral("8"));
    EXPECT_FALSE(feedback.bubbleShown());

    // The keypad: its characters leave a bubble, Up, Down and Enter erase
    // it, and Enter does nothing else then.
    feedback.showBubble("Ahoj");
    tap(*form, '9');
    EXPECT_TRUE(feedback.bubbleShown());
    tap(*form, Pad::Enter);
    EXPECT_EQ(std::make_tuple(feedback.bubbleShown(), line()), std::make_tuple(false, std::string("2x+4=89")));
    feedback.showBubble("Ahoj");
    tap(*form, Pad::Up);
    EXPECT_FALSE(feedback.bubbleShown());
}

TEST_F(Writing, EqualsDuringTheCheckBySubstitutionIsNeverWritten) {
    auto form = areaWindow();
    Feedback& feedback = *form->feedback();
    state().editor.checkPhase = true;
    startLineOn(*form, 2, "L=");
    QTest::keyClicks(form.get(), "2*3");
    key(*form, QEvent::KeyPress, Qt::Key_Equal, QStringLiteral("="));
    EXPECT_EQ(line(), "L=2*3");
    // The check answers with a bubble; the release of its own key leaves it.
    feedback.showBubble(w1250("Ve výpočtu zkoušky"), w1250("je někde chyba."));
    key(*form, QEvent::KeyRelease, Qt::Key_Equal, QStringLiteral("="));
    EXPECT_TRUE(feedback.bubbleShown());
    // The keypad's "=" checks too: with a bubble shown it only closes it.
    tap(*form, '=');
    EXPECT_EQ(std::make_tuple(feedback.bubbleShown(), line()), std::make_tuple(false, std::string("L=2*3")));
    feedback.showBubble(w1250("Ahoj"));
    // Home and Backspace never enter "L=".
    QTest::keyClick(form.get(), Qt::Key_Home);
    EXPECT_FALSE(feedback.bubbleShown());
    QTest::keyClick(form.get(), Qt::Key_Backspace);
    EXPECT_EQ(lineAndCaret(), std::make_tuple(std::string("L=2*3"), 3));
}

// --- Lines and pages -----------------------------------------------------------

TEST_F(Writing, APresentedEquationStartsFromTheLineStartGuard) {
    auto form = areaWindow();
    QTest::keyClicks(form.get(), "2x+3");
    EXPECT_TRUE(form->power2Button->isEnabled());
    form->toolbarReleased(ToolbarButton::Leave);
    click(*form, QPoint(300, 170));
    ASSERT_EQ(state().session.currentArea, 11);
    EXPECT_EQ(std::make_tuple(line(), form->fractionButton->isEnabled(), form->power2Button->isEnabled(),
                              form->power4Button->isEnabled()),
              std::make_tuple("", true, false, false));
    QTest::keyClicks(form.get(), ")*=");
    EXPECT_EQ(std::make_tuple(line(), cinks_), std::make_tuple(std::string(), 3));
}

// Where the keypad goes is the editor's choice (its tests prove it whole and
// off the caret's line); the window moves it there as the caret moves.
TEST_F(Writing, KeypadFollowsTheCaretAndItsKeysWorkFromThere) {
    auto form = areaWindow(QSize(800, 600));
    startLineOn(*form, 9);
    QTest::keyClicks(form.get(), "/");
    QTest::keyClick(form.get(), Qt::Key_Down);
    ASSERT_EQ(state().editor.pageLayout.editLevel, DENOMINATOR_LEVEL);
    // The ninth line leaves no room below: the keypad goes above.
    EXPECT_EQ(form->keypad->y(), 500 - 77 - 5);
    tap(*form, '7');
    EXPECT_EQ(line(), writtenFraction("", "7"));
}

TEST_F(Writing, ClicksPlaceTheCaretAndGapsTypeSpacesOnlyWhereAllowed) {
    auto form = areaWindow();
    QTest::keyClicks(form.get(), "x");
    form->power2Button->click();
    tap(*form, ' ');  // after a power a space may stand
    EXPECT_EQ(line(), "x" + power('2') + " ");
    tap(*form, Pad::Backspace);
    tap(*form, '-');
    tap(*form, ' ');  // after "-" it may not
    EXPECT_EQ(std::make_tuple(line(), cinks_), std::make_tuple("x" + power('2') + "-", 1));
    // A click before the first character puts the caret there.
    const LayoutCell& first = state().editor.lineCells[1];
    QTest::mouseClick(form->pictureView, Qt::LeftButton, Qt::NoModifier,
                      QPoint(first.x - 2, bandTop(state().editor.pageLayout, 1) + 30));
    EXPECT_EQ(state().editor.caretPos, 1);
    tap(*form, '3');
    EXPECT_EQ(line(), "3x" + power('2') + "-");
    // Outside the line's band a click moves nothing.
    QTest::mouseClick(form->pictureView, Qt::LeftButton, Qt::NoModifier,
                      QPoint(first.x + 40, bandTop(state().editor.pageLayout, 3) + 25));
    EXPECT_EQ(state().editor.caretPos, 2);
}

}  // namespace
