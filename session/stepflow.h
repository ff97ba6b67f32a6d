// What Enter does while the pupil solves: the written line is checked against
// the equation's root, the pupil is told, the step is counted, and the page
// moves on to the next line, to the check by substitution or to the next
// equation.  Also the sample solution.
//
// Plain C++ over ProgramState.  The screen, the bubble, the mascot, the
// speedometer and the warning dialog are reached through StepScreen, which
// the main window implements and the tests replace with a recorder.
#pragma once

#include <cstdint>
#include <string>

#include "editor/layout.h"
#include "editor/lineeditor.h"
#include "engine/engine.h"
#include "problems/selection.h"
#include "session/programstate.h"
#include "session/randomsource.h"

// The lowest display line the pupil writes on: from here the page scrolls.
constexpr int LAST_WRITING_LINE = 9;

// What the flow asks of the window.  Texts are Windows-1250.
class StepScreen {
public:
    virtual ~StepScreen() = default;

    // The measuring and placing the editor's operations need.
    virtual EditorContext editorContext() = 0;
    // A line the editor changed: paint it (its band first), move the caret
    // and the keypad after it, set the fraction and power buttons from
    // result.toolbar.
    virtual void showEdit(const EditResult& result) = 0;
    // A written line drawn without the caret (editor.writtenLine on the
    // current display line): the final line again, a finished check line, a
    // line of the sample solution.
    virtual void showLine(const DrawOps& ops) = 0;
    // Other painting of the page, such as a cleared band.
    virtual void paint(const DrawOps& ops) = 0;

    virtual void clearWritingArea() = 0;
    virtual void drawRuledLines() = 0;
    // Copies the picture's rows of `source` to `targetTop`, same columns.
    virtual void scrollPage(const PictureBox& source, int32_t targetTop) = 0;

    // Stops the caret's blinking and takes it off the screen.
    virtual void hideCaret() = 0;
    virtual void hideKeypad() = 0;
    virtual void setShowSolutionEnabled(bool enabled) = 0;
    // The fraction and power buttons.
    virtual void setToolbar(ToolbarState state) = 0;

    virtual void showBubble(const std::string& line1, const std::string& line2,
                            const std::string& line3) = 0;
    virtual void eraseBubble() = 0;
    virtual bool bubbleShown() const = 0;
    // Blocks in the event loop until the pupil's next action has erased the
    // bubble (or the program ends).
    virtual void waitForBubble() = 0;
    virtual void startAnimation(int number) = 0;
    // From the counts of the current area's row.
    virtual void drawSpeedometer() = 0;
    virtual void showWarning(const std::string& text) = 0;

    // The program is ending: a flow that comes back from a wait goes no further.
    virtual bool closing() const = 0;
    // Choosing the next equation: its files, chance and the screen's
    // presentEquation and returnToStartScreen.
    virtual const SelectionHooks& selectionHooks() = 0;
};

class StepFlow {
public:
    StepFlow(ProgramState& state, RandomSource& random, StepScreen& screen)
        : state_(state), random_(random), screen_(screen) {}

    // Enter while solving (the window has let it through: no check running,
    // no warning open, no sample solution, no bubble).
    void stepEntered();
    // Enter or "=" during the check by substitution.
    void checkPhaseStep();
    // The show-solution button (BitBtn2).
    void showSolution();
    // The next display line; from the last writing line on the page scrolls
    // up by one line instead.
    void advanceLine();

private:
    void countWrongStep();
    void countGoodStep();
    void nextSolvingLine();
    void beginCheckPhase();
    void finishCheckPhase(const std::string& value);
    // The equation is finished: wait for the pupil, then the next equation.
    void waitAndContinue();

    ProgramState& state_;
    RandomSource& random_;
    StepScreen& screen_;
};

// The unknown letter of an equation's text, 'x' when it has none.  Leaves
// errorCode as it was.
char unknownOf(const EquationRecord& equation);

// The editor's side of presenting an equation (presentEquation): no check
// phase, no fixed prefix, no finished page, the equation's unknown, and an
// empty display line 1 on `writingLayout` with the line-start guard and the
// caret switched on.  Returns the drawn line for the screen.
EditResult startEquation(ProgramState& state, const EditorContext& ctx, const PageLayout& writingLayout);

// A fresh solving line on the current display line: the line-start guard,
// with the equation's unknown in place of "x".
EditResult startSolvingLine(EditorState& ed, const EditorContext& ctx);

// The bubble for a failed step's code: its row of the message table, or
// "Chyba v počítání." alone for a code without one.
MessageLines stepMessage(int32_t code);

// What the pupil wrote on a check line: without the leading " ", "L" and "="
// (each only if present), without a note and the blanks before it.
std::string pupilExpression(const std::string& checkLine);

// The text a check line is checked as: the pupil's expression, "=", the
// equation's right side and "+x-x" with the equation's unknown, whole.
std::string checkPhaseText(const std::string& expression, const std::string& equation, char unknown);

// The last line of the check by substitution: "P=" + value + seven blanks +
// "L=P", within the line's bytes (fewer blanks when it is long).  Empty when
// "L=P" does not fit beside the value at all.
std::string rightSideLine(const std::string& value);
