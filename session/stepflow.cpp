#include "session/stepflow.h"

#include <algorithm>

#include "editor/caret.h"
#include "editor/guard.h"
#include "engine/cp1250.h"
#include "feedback/animation.h"

namespace {

using cp1250::w1250;

std::string trimmedRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// The text before a note.
std::string beforeNote(const std::string& s) { return s.substr(0, s.find('/')); }

constexpr size_t MAX_BYTES = static_cast<size_t>(MAX_LINE_BYTES);

}  // namespace

// --- Pieces -------------------------------------------------------------------

char unknownOf(const EquationRecord& equation) {
    // Finding the letter must neither see nor leave an error code.
    const int32_t saved = errorCode;
    errorCode = 0;
    const char letter = findUnknown(normalise(equation.slot(0)));
    errorCode = saved;
    return letter > ' ' ? letter : 'x';
}

EditResult startSolvingLine(EditorState& ed, const EditorContext& ctx) {
    ed.pageLayout.editLevel = MAIN_LEVEL;
    EditResult r = startLine(ed, ctx);
    // The line may begin with the equation's own unknown rather than "x".
    if (ed.unknownLetter != 'x' && ed.allowedNext.test('x')) {
        ed.allowedNext.reset('x');
        ed.allowedNext.set(static_cast<unsigned char>(ed.unknownLetter));
    }
    r.toolbar = toolbarOf(ed.allowedNext);
    return r;
}

EditResult startEquation(ProgramState& state, const EditorContext& ctx, const PageLayout& writingLayout) {
    EditorState& ed = state.editor;
    ed.checkPhase = false;
    ed.fixedPrefix = 0;
    state.session.waitingForNextEquation = false;
    ed.unknownLetter = unknownOf(state.currentEquation);
    ed.pageLayout = writingLayout;
    ed.pageLayout.currentLine = 1;
    ed.lineCells = LineCells{};
    ed.caret.active = true;
    return startSolvingLine(ed, ctx);
}

MessageLines stepMessage(int32_t code) {
    const MessageLines& row = messageTable(code);
    if (row.line1.empty() && row.line2.empty() && row.line3.empty())
        return {w1250("Chyba v počítání."), std::string(), std::string()};
    return row;
}

std::string pupilExpression(const std::string& checkLine) {
    std::string t = checkLine;
    for (char lead : {' ', 'L', '='})
        if (!t.empty() && t.front() == lead) t.erase(0, 1);
    return trimmedRight(beforeNote(t));
}

std::string checkPhaseText(const std::string& expression, const std::string& equation, char unknown) {
    std::string t = expression;
    if (t.empty() || t.back() != '=') t += '=';
    // A damaged equation without "=" has an empty right side.
    const size_t eq = equation.find('=');
    if (eq != std::string::npos) t += beforeNote(equation.substr(eq + 1));
    // With the unknown in it the text is an equation even when the pupil
    // wrote numbers only; the value does not change.
    t += '+';
    t += unknown;
    t += '-';
    t += unknown;
    return t;
}

std::string rightSideLine(const std::string& value) {
    const std::string head = "P=" + value;
    const std::string tail = "L=P";
    size_t gap = 7;
    while (gap > 1 && head.size() + gap + tail.size() > MAX_BYTES) --gap;
    if (head.size() + gap + tail.size() > MAX_BYTES) return std::string();
    return head + std::string(gap, ' ') + tail;
}

// --- The flow -----------------------------------------------------------------

void StepFlow::countWrongStep() {
    countPickError(state_.selection);
    ++statisticsOf(state_.session, state_.session.currentArea).wrongSteps;
    screen_.drawSpeedometer();
}

void StepFlow::countGoodStep() {
    ++statisticsOf(state_.session, state_.session.currentArea).goodSteps;
    screen_.drawSpeedometer();
}

void StepFlow::advanceLine() {
    PageLayout& page = state_.editor.pageLayout;
    if (page.currentLine < LAST_WRITING_LINE) {
        ++page.currentLine;
        return;
    }
    page.currentLine = LAST_WRITING_LINE;
    // Lines 2 .. 9 move up by one line; line 9's band is then empty.  Only
    // the columns the lines' bands own move: the column at areaLeft belongs
    // to the picture round the page, and moved it would leave pieces of it
    // at the page's edge.
    const int32_t top = page.areaTop + page.lineHeight + 1;
    const PictureBox source{page.areaLeft + 1, top, page.areaLeft + page.areaWidth - 1,
                            top + (LAST_WRITING_LINE - 1) * page.lineHeight};
    screen_.scrollPage(source, page.areaTop + 1);
    screen_.paint({clearLineBand(page)});
}

void StepFlow::nextSolvingLine() {
    EditorState& ed = state_.editor;
    ed.lineCells = LineCells{};
    ed.writtenLine.clear();
    ed.caretPos = 1;
    screen_.showEdit(startSolvingLine(ed, screen_.editorContext()));
}

void StepFlow::stepEntered() {
    EditorState& ed = state_.editor;
    SessionState& session = state_.session;
    if (session.currentArea == 0 || session.solutionShown || session.waitingForNextEquation) return;
    if (ed.writtenLine.empty()) return;
    if (ed.checkPhase) {
        checkPhaseStep();
        return;
    }
    if (ed.writtenLine.size() < 3) return;
    if (ed.pageLayout.editLevel != MAIN_LEVEL && ed.writtenLine.find('=') == std::string::npos) return;

    errorCode = 0;
    const int32_t code = checkEquation(normalise(ed.writtenLine), state_.currentEquation.root);
    errorCode = 0;
    if (code != 0) {
        screen_.startAnimation(errorAnimations[random_.pick(0, 3)]);
        const MessageLines message = stepMessage(code);
        screen_.showBubble(message.line1, message.line2, message.line3);
        countWrongStep();
        return;
    }

    countGoodStep();
    const bool finalForm = isFinalForm(normalise(ed.writtenLine));
    errorCode = 0;
    if (!finalForm) {
        screen_.startAnimation(ANIMATION_GOOD_STEP);
        advanceLine();
        nextSolvingLine();
        return;
    }
    if (state_.settings.checksEnabled) {
        beginCheckPhase();
        return;
    }
    ++statisticsOf(session, session.currentArea).solvedEquations;
    finishEquation(state_.selection);
    // The finished page stays as it is until the next equation: no sample
    // solution of a solved equation, no editing.
    screen_.setShowSolutionEnabled(false);
    screen_.setToolbar(ToolbarState{});
    screen_.startAnimation(ANIMATION_SOLVED);
    screen_.showBubble(w1250("Pro další příklad"), w1250("klikni nebo ťukni."), std::string());
    waitAndContinue();
}

void StepFlow::beginCheckPhase() {
    EditorState& ed = state_.editor;
    const EditorContext ctx = screen_.editorContext();
    screen_.setShowSolutionEnabled(false);
    screen_.startAnimation(ANIMATION_SOLVED);
    screen_.showBubble(w1250("Rovnice je vyřešená."), w1250("Teď dělej zkoušku."), std::string());
    ed.checkPhase = true;

    // The final line alone on a clean page, then "L=" below it.
    screen_.clearWritingArea();
    screen_.drawRuledLines();
    ed.pageLayout.editLevel = MAIN_LEVEL;
    ed.pageLayout.currentLine = 1;
    layoutLine(ed, ctx.metrics);
    screen_.showLine(drawLine(ed));
    advanceLine();

    ed.caret.active = true;
    screen_.showEdit(startLine(ed, ctx, "L="));
}

void StepFlow::checkPhaseStep() {
    EditorState& ed = state_.editor;
    const SessionState& session = state_.session;
    if (!ed.checkPhase || session.currentArea == 0 || session.solutionShown || session.waitingForNextEquation)
        return;
    if (ed.writtenLine.empty()) return;
    if (screen_.bubbleShown()) {
        screen_.eraseBubble();
        return;
    }
    const std::string expression = pupilExpression(ed.writtenLine);
    if (expression.empty()) return;

    const char unknown = ed.unknownLetter;
    errorCode = 0;
    const int32_t code = checkEquation(normalise(checkPhaseText(expression, state_.currentEquation.slot(0), unknown)),
                                       state_.currentEquation.root);
    errorCode = 0;
    if (code != 0) {
        screen_.showBubble(w1250("Ve výpočtu zkoušky"), w1250("je někde chyba."), std::string());
        screen_.startAnimation(errorAnimations[random_.pick(0, 3)]);
        countWrongStep();
        return;
    }

    countGoodStep();
    const bool finalForm = isFinalForm(normalise(std::string(1, unknown) + "=" + expression));
    errorCode = 0;
    if (finalForm) {
        finishCheckPhase(expression);
        return;
    }

    screen_.startAnimation(ANIMATION_GOOD_STEP);
    // The finished line ends with "=" (before a note), where the line has room.
    if (ed.writtenLine.size() < MAX_BYTES) {
        const std::string before = beforeNote(ed.writtenLine);
        const size_t at = trimmedRight(before).size();
        ed.writtenLine.insert(at, 1, '=');
    }
    const EditorContext ctx = screen_.editorContext();
    ed.caretPos = static_cast<uint8_t>(std::min<size_t>(ed.writtenLine.size() + 1, 255));
    layoutLine(ed, ctx.metrics);
    screen_.showLine(drawLine(ed));
    advanceLine();

    ed.lineCells = LineCells{};
    ed.pageLayout.editLevel = MAIN_LEVEL;
    EditResult r = startLine(ed, ctx, " =");
    // These lines hold numbers only.
    for (size_t b = 0; b < unknownSet.size(); ++b)
        if (unknownSet.test(b)) ed.allowedNext.reset(b);
    r.toolbar = toolbarOf(ed.allowedNext);
    screen_.showEdit(r);
}

void StepFlow::finishCheckPhase(const std::string& value) {
    EditorState& ed = state_.editor;
    SessionState& session = state_.session;
    const EditorContext ctx = screen_.editorContext();
    screen_.startAnimation(ANIMATION_SOLVED);
    ++statisticsOf(session, session.currentArea).solvedEquations;
    advanceLine();

    auto drawText = [&](const std::string& text) {
        ed.writtenLine = text;
        ed.caretPos = static_cast<uint8_t>(std::min<size_t>(text.size() + 1, 255));
        ed.pageLayout.editLevel = MAIN_LEVEL;
        layoutLine(ed, ctx.metrics);
        screen_.showLine(drawLine(ed));
    };
    // "L=P" goes on a line of its own where it would not fit beside the value.
    const std::string line = rightSideLine(value);
    if (!line.empty()) drawText(line);
    if (line.empty() || ed.lineFull) {
        drawText("P=" + value);
        advanceLine();
        drawText("L=P");
    }

    screen_.hideCaret();
    screen_.hideKeypad();
    screen_.setToolbar(ToolbarState{});
    finishEquation(state_.selection);
    ed.fixedPrefix = 0;
    screen_.showBubble(w1250("Pro další příklad"), w1250("klikni nebo ťukni."), std::string());
    waitAndContinue();
}

void StepFlow::waitAndContinue() {
    SessionState& session = state_.session;
    session.waitingForNextEquation = true;
    screen_.waitForBubble();
    session.waitingForNextEquation = false;
    state_.editor.checkPhase = false;
    // While it waited the pupil may have left the area, or the program is ending.
    if (session.currentArea == 0 || screen_.closing()) return;
    continueWithNextEquation(selectionScope(state_), screen_.selectionHooks());
}

void StepFlow::showSolution() {
    SessionState& session = state_.session;
    EditorState& ed = state_.editor;
    if (session.currentArea == 0) return;
    if (!state_.settings.showSolutionEnabled) {
        screen_.showWarning(w1250("Ukazovat řešení není povoleno, změňte nastavení."));
        return;
    }
    if (session.currentArea == EXERCISE_AREA) {
        screen_.showWarning(w1250("Ve volbě \"Cvičení\" bohužel není povoleno ukazovat řešení."));
        return;
    }
    if (session.solutionShown || ed.checkPhase || session.waitingForNextEquation) return;

    // A bubble left on the page would be saved as the background when the
    // equation is presented again, and painted back by every later erase.
    if (screen_.bubbleShown()) screen_.eraseBubble();
    screen_.hideCaret();
    session.solutionShown = true;
    screen_.hideKeypad();
    screen_.setShowSolutionEnabled(false);
    // The editing buttons would write into the shown solution.
    screen_.setToolbar(ToolbarState{});

    screen_.clearWritingArea();
    screen_.drawRuledLines();
    const EditorContext ctx = screen_.editorContext();
    // Only the page's own lines: a longer solution would paint below it.
    const int lines = std::min(state_.currentEquation.solutionLines(), static_cast<int>(ed.pageLayout.pageLines));
    for (int i = 1; i <= lines; ++i) {
        ed.writtenLine = state_.currentEquation.slot(i);
        ed.caretPos = static_cast<uint8_t>(std::min<size_t>(ed.writtenLine.size() + 1, 255));
        ed.pageLayout.editLevel = MAIN_LEVEL;
        ed.pageLayout.currentLine = static_cast<uint8_t>(i);
        layoutLine(ed, ctx.metrics);
        screen_.showLine(drawLine(ed));
    }
}
