// The step flow without a window: a recorder stands in for the screen and
// keeps a model of the page (the text on each display line), the pupil types
// through the editor's own operations, and the equations come from a small
// bank in memory.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "editor/caret.h"
#include "editor/guard.h"
#include "editor/lineeditor.h"
#include "engine/cp1250.h"
#include "feedback/animation.h"
#include "session/stepflow.h"
#include "tests/support/testpage.h"

namespace {

using cp1250::w1250;
using Page = std::map<int, std::string>;
using Counts = std::tuple<int, int, int>;  // good steps, wrong steps, solved equations

std::string fr(const std::string& numerator, const std::string& denominator) {
    return writtenFraction(numerator, denominator);
}

// Every character is half its size wide; every text its size + 6 high.
struct FakeMetrics : TextMetrics {
    int width(unsigned char, int size, bool) override { return size / 2; }
    int height(unsigned char, int size, bool) override { return size + 6; }
};

EquationRecord record(const std::string& equation, double root, const std::vector<std::string>& solution = {}) {
    EquationRecord r;
    r.setSlot(0, equation);
    for (size_t i = 0; i < solution.size(); ++i) r.setSlot(static_cast<int>(i) + 1, solution[i]);
    r.root = root;
    return r;
}

using Bubble = std::array<std::string, 3>;

class Recorder : public StepScreen {
public:
    explicit Recorder(ProgramState& state) : state_(&state) {}

    EditorContext editorContext() override { return EditorContext{metrics, PictureOffset{}, 600}; }
    void showEdit(const EditResult& r) override {
        if (r.redrawn) page[line()] = state_->editor.writtenLine;
        toolbar = r.toolbar;
    }
    void showLine(const DrawOps&) override { page[line()] = state_->editor.writtenLine; }
    void paint(const DrawOps& ops) override {
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::FILL) clearedBands.push_back(op);
    }
    void clearWritingArea() override { log.push_back("clear"); page.clear(); }
    void drawRuledLines() override { log.push_back("ruled"); }
    void scrollPage(const PictureBox& source, int32_t targetTop) override {
        scrolls.push_back({source, targetTop});
        for (int k = 1; k < LAST_WRITING_LINE; ++k) page[k] = page[k + 1];
        page.erase(LAST_WRITING_LINE);
    }
    void hideCaret() override { log.push_back("hide caret"); ::hideCaret(state_->editor.caret); }
    void hideKeypad() override { keypadShown = false; }
    void setShowSolutionEnabled(bool enabled) override { showSolutionEnabled = enabled; }
    void setToolbar(ToolbarState state) override { toolbar = state; }
    void showBubble(const std::string& a, const std::string& b, const std::string& c) override {
        bubbles.push_back({a, b, c});
        shown = true;
    }
    void eraseBubble() override { log.push_back("erase bubble"); shown = false; }
    bool bubbleShown() const override { return shown; }
    void waitForBubble() override {
        log.push_back("wait");
        atWait = {page, toolbar, showSolutionEnabled, keypadShown, state_->selection.newTripletNeeded};
        // What the pupil does meanwhile; by default a click on the picture.
        if (duringWait) duringWait();
        if (shown) eraseBubble();
    }
    void startAnimation(int number) override { animations.push_back(number); }
    void drawSpeedometer() override {
        needleCounts.push_back(statisticsOf(state_->session, state_->session.currentArea));
    }
    void showWarning(const std::string& text) override { warnings.push_back(text); }
    bool closing() const override { return programClosing; }
    const SelectionHooks& selectionHooks() override { return hooks; }

    int line() const { return state_->editor.pageLayout.currentLine; }

    FakeMetrics metrics;
    SelectionHooks hooks;
    Page page;  // display line -> text drawn there
    std::vector<std::string> log;
    std::vector<Bubble> bubbles;
    std::vector<int> animations;
    std::vector<AreaStatistics> needleCounts;  // the counts at each redraw
    std::vector<std::string> warnings;
    std::vector<std::pair<PictureBox, int32_t>> scrolls;
    std::vector<DrawOp> clearedBands;
    std::function<void()> duringWait;
    // The screen as the pupil sees it while the final bubble waits.
    struct Snapshot {
        Page page;
        ToolbarState toolbar;
        bool showSolutionEnabled = true, keypadShown = true, newTripletNeeded = false;
    } atWait;
    ToolbarState toolbar{true, true};
    bool showSolutionEnabled = true, keypadShown = true, shown = false, programClosing = false;

private:
    ProgramState* state_;
};

class StepFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        initSessionState(state);
        random.seed(3);
        screen = Recorder(state);
        bank.clear();
        reads.clear();
        screen.hooks.readEquation = [this](int code, int number, const std::string&, EquationRecord& target) {
            const auto it = bank.find({code, number});
            if (it == bank.end()) return FileResult{false, "missing", STATUS_OK};
            target = it->second;
            reads.push_back({code, number});
            return FileResult{};
        };
        screen.hooks.readExerciseEquation = [this](int32_t number, const ListedFile&, EquationRecord& target) {
            const auto it = bank.find({EXERCISE_AREA, number});
            if (it == bank.end())
                return FileResult{false, w1250("Všechny příklady ze cvičení již jsou spočítány."), ALL_SOLVED};
            target = it->second;
            return FileResult{};
        };
        screen.hooks.showWarning = [this](const std::string& text) { screen.warnings.push_back(text); };
        screen.hooks.presentEquation = [this] {
            screen.log.push_back("present");
            screen.page.clear();
            screen.keypadShown = true;
            screen.showSolutionEnabled = true;
            screen.showEdit(startEquation(state, screen.editorContext(), testPage()));
        };
        screen.hooks.returnToStartScreen = [this] { screen.log.push_back("start screen"); };
        state.editor.pageLayout = testPage();
        state.settings.checksEnabled = false;
        state.settings.showSolutionEnabled = true;
    }

    // Area 11 holds these records (and nothing else) and is entered as `code`.
    void enterWith(const std::vector<EquationRecord>& records, int32_t code = 11) {
        for (size_t k = 0; k < records.size(); ++k) bank[{11, static_cast<int>(k)}] = records[k];
        state.session.areaCounts[static_cast<size_t>(areaIndexOf(11))] = static_cast<uint16_t>(records.size());
        startArea(selectionScope(state), code, screen.hooks);
        screen.log.clear();
    }

    // Area 11 holds six equations; record 0 is 2x+5=4x+11.
    void enterArea11(bool checks = false) {
        state.settings.checksEnabled = checks;
        std::vector<EquationRecord> records{record("2x+5=4x+11", -3, {"2x-4x=11-5", "-2x=6", "x=-3"})};
        for (int k = 1; k < 6; ++k)
            records.push_back(record(std::to_string(k + 1) + "x=" + std::to_string(2 * k + 2), 2));
        enterWith(records);
    }

    // The equation of area 11 solved with checks on: the check phase begins.
    void enterCheckPhase() {
        enterArea11(true);
        enterLine("x=-3");
    }

    // Keys as the window hands them on: characters pressed, then released
    // (a release erases a shown bubble); "=" during the check phase runs it.
    // D and R are the Down and Right keys, N the note key, B Backspace.
    void type(const std::string& keys) {
        EditorState& ed = state.editor;
        const EditorContext ctx = screen.editorContext();
        for (char k : keys) {
            EditResult r;
            switch (k) {
            case 'D': r = keyReleased(ed, ctx, KeyCode::Down, false); break;
            case 'R': r = keyReleased(ed, ctx, KeyCode::Right, false); break;
            case 'N': r = keyReleased(ed, ctx, KeyCode::PageUp, false); break;
            default:
                r = keyPressed(ed, ctx, static_cast<unsigned char>(k == 'B' ? KEY_BACKSPACE : k));
                if (r.handOver == HandOver::CheckPhaseEquals) {
                    flow.checkPhaseStep();
                    continue;  // its release leaves the bubble it brought
                }
                screen.showEdit(r);
                r = keyReleased(ed, ctx, KeyCode::Other, false);
            }
            if (screen.shown) screen.eraseBubble();
            screen.showEdit(r);
        }
    }
    void enterLine(const std::string& keys) {
        type(keys);
        flow.stepEntered();
    }
    void clearLine() { type(std::string(state.editor.writtenLine.size(), 'B')); }

    AreaStatistics& row(int32_t code = 11) { return statisticsOf(state.session, code); }
    Counts counts() { return {row().goodSteps, row().wrongSteps, row().solvedEquations}; }
    int pickErrors() const { return state.selection.currentPick.errors; }
    const std::string& line() const { return state.editor.writtenLine; }
    int displayLine() const { return state.editor.pageLayout.currentLine; }
    bool logged(const std::string& entry) const {
        for (const std::string& e : screen.log)
            if (e == entry) return true;
        return false;
    }

    ProgramState state;
    RandomSource random;
    Recorder screen{state};
    StepFlow flow{state, random, screen};
    std::map<std::pair<int, int>, EquationRecord> bank;
    std::vector<std::pair<int, int>> reads;
};

const Bubble CALC_ERROR{w1250("Chyba v počítání."), "", ""};
const Bubble NEXT_EQUATION{w1250("Pro další příklad"), w1250("klikni nebo ťukni."), ""};
const Bubble CHECK_NOW{w1250("Rovnice je vyřešená."), w1250("Teď dělej zkoušku."), ""};
const Bubble CHECK_WRONG{w1250("Ve výpočtu zkoušky"), w1250("je někde chyba."), ""};
const std::string CHECK_DONE = "P=-1       L=P";

bool isErrorAnimation(int n) { return n == 1 || n == 4 || n == 5 || n == 6; }

// --- Solving --------------------------------------------------------------

TEST_F(StepFlowTest, ASolutionWithOneWrongLineIsCountedAndLeadsToAHarderTriplet) {
    enterArea11();
    ASSERT_EQ(reads.back(), std::make_pair(11, 0));

    enterLine("2x-4x=11-5");
    EXPECT_EQ(std::make_tuple(counts(), displayLine(), screen.page[1], line(), screen.animations.back()),
              std::make_tuple(Counts{1, 0, 0}, 2, "2x-4x=11-5", "", ANIMATION_GOOD_STEP));

    enterLine("2x=6");
    EXPECT_EQ(std::make_tuple(counts(), pickErrors(), screen.bubbles.back(), line(), displayLine(), errorCode),
              std::make_tuple(Counts{1, 1, 0}, 1, CALC_ERROR, "2x=6", 2, 0))
        << "a wrong line stays for correction";
    EXPECT_TRUE(isErrorAnimation(screen.animations.back()));

    clearLine();
    enterLine("-2x=6");
    enterLine("x=-3");
    EXPECT_EQ(std::make_tuple(counts(), screen.bubbles.back(), screen.animations.back(), logged("wait"),
                              logged("present"), screen.atWait.showSolutionEnabled),
              std::make_tuple(Counts{3, 1, 1}, NEXT_EQUATION, ANIMATION_SOLVED, true, true, false))
        << "no sample solution of a solved equation";
    EXPECT_EQ(reads.back(), std::make_pair(11, 3)) << "one wrong step: the next triplet";

    // The needle was redrawn after each of the four counted steps, each time
    // with the counts as they then stood.
    ASSERT_EQ(screen.needleCounts.size(), 4u);
    EXPECT_EQ(std::make_tuple(screen.needleCounts[1].wrongSteps, screen.needleCounts[3].goodSteps),
              std::make_tuple(1, 3));
}

TEST_F(StepFlowTest, TwoWrongStepsGiveTheSameTypeAgainAndNoneOrOneAHarderOne) {
    const struct {
        int wrongLines;
        bool newTriplet;
        int nextRecord;
    } cases[] = {{0, true, 3}, {1, true, 3}, {2, false, 1}, {3, false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wrongLines);
        SetUp();
        enterArea11();
        for (int i = 0; i < c.wrongLines; ++i) {
            enterLine("x=3");
            clearLine();
        }
        enterLine("x=-3");
        EXPECT_EQ(std::make_tuple(screen.atWait.newTripletNeeded, reads.back()),
                  std::make_tuple(c.newTriplet, std::make_pair(11, c.nextRecord)));
    }
}

TEST_F(StepFlowTest, TheSameWrongLineCheckedThreeTimesCountsThreeTimes) {
    enterArea11();
    type("2x=6");
    for (int i = 0; i < 3; ++i) {
        if (screen.shown) screen.eraseBubble();  // Enter closes the bubble first
        flow.stepEntered();
    }
    EXPECT_EQ(std::make_tuple(counts(), pickErrors(), screen.bubbles.size(), line()),
              std::make_tuple(Counts{0, 3, 0}, 3, 3u, "2x=6"));
    for (int n : screen.animations) EXPECT_TRUE(isErrorAnimation(n)) << n;
    // The animations come from the program's chance: the same seed, the same ones.
    const std::vector<int> first = std::exchange(screen.animations, {});
    random.seed(3);
    state.selection.currentPick.errors = 254;
    for (int i = 0; i < 3; ++i) flow.stepEntered();
    EXPECT_EQ(screen.animations, first);
    EXPECT_EQ(pickErrors(), 255) << "a long struggle never wraps round to no errors";
}

// Lines that the check never sees, and lines it fails with their own message.
TEST_F(StepFlowTest, ShortLinesAndLinesWithoutEqualsSign) {
    const Bubble noEquals{w1250("Chyba v počítání."), w1250("V rovnice není"), w1250("rovná se.")};
    const struct {
        const char* keys;
        bool checked;
        Bubble bubble;  // empty: any message
    } cases[] = {
        {"2x", false, {}},            // two bytes: always ignored
        {"/2x+1", false, {}},         // caret in a numerator, no "=": ignored
        {"2x+1", true, noEquals},     // on the main line: checked, code 11
        {"/2xD3R+1", true, noEquals}, // after a fraction, on the main line again
        {"/x=", true, {}},            // in a numerator but with "=": checked (and wrong)
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        SetUp();
        enterArea11();
        type(c.keys);
        const std::string before = line();
        flow.stepEntered();
        EXPECT_EQ(std::make_tuple(line(), screen.bubbles.size(), counts(), errorCode),
                  std::make_tuple(before, c.checked ? 1u : 0u, Counts{0, c.checked, 0}, 0));
        if (!c.bubble[0].empty()) { EXPECT_EQ(screen.bubbles, std::vector<Bubble>{c.bubble}); }
    }
}

TEST_F(StepFlowTest, ADivisionLeftStandingIsNotTheFinalForm) {
    enterArea11();
    enterLine("x=6:(-2)");
    EXPECT_EQ(std::make_tuple(counts(), displayLine(), logged("wait")), std::make_tuple(Counts{1, 0, 0}, 2, false));
    enterLine("x=-3");
    EXPECT_EQ(row().solvedEquations, 1);
}

TEST_F(StepFlowTest, TheTenthLineScrollsThePageUpByOneLine) {
    enterArea11();
    // The equation times i is a correct step that is never final.
    auto times = [](int i) {
        return std::to_string(2 * i) + "x+" + std::to_string(5 * i) + "=" + std::to_string(4 * i) + "x+" +
               std::to_string(11 * i);
    };
    for (int i = 1; i <= 10; ++i) enterLine(times(i));
    EXPECT_EQ(std::make_tuple(counts(), displayLine()), std::make_tuple(Counts{10, 0, 0}, LAST_WRITING_LINE));
    // Lines 9 and 10 moved the page: each copied the 400 rows below line 1
    // up by 50 and emptied line 9.
    ASSERT_EQ(screen.scrolls.size(), 2u);
    const PageLayout page = testPage();
    const PictureBox& from = screen.scrolls[0].first;
    // The columns of the lines' bands, as clearLineBand paints them.
    const DrawOp lineBand = clearLineBand(page, 2);
    EXPECT_EQ(std::make_tuple(from.left, from.right, from.top, from.bottom - from.top, screen.scrolls[0].second),
              std::make_tuple(lineBand.x, lineBand.x2, page.areaTop + 51, 400, page.areaTop + 1));
    ASSERT_FALSE(screen.clearedBands.empty());
    const DrawOp band = screen.clearedBands.back();
    EXPECT_EQ(std::make_tuple(band.y, band.y2), std::make_tuple(bandTop(page, 9) + 1, bandTop(page, 9) + 50));
    EXPECT_EQ(std::make_tuple(screen.page[1], screen.page[8], screen.page[9]), std::make_tuple(times(3), times(10), ""))
        << "the pupil writes on line 9";
}

// --- The check by substitution --------------------------------------------

TEST_F(StepFlowTest, CheckPhaseOf2xPlus5WithAnIntermediateLineAndTheRightSideFilledIn) {
    enterCheckPhase();
    const EditorState& ed = state.editor;
    EXPECT_EQ(std::make_tuple(screen.bubbles.back(), counts(), ed.checkPhase, screen.showSolutionEnabled,
                              ed.fixedPrefix, screen.page[1], screen.page[2], displayLine(), ed.caretPos,
                              ed.caret.active, logged("wait")),
              std::make_tuple(CHECK_NOW, Counts{1, 0, 0}, true, false, 2, "x=-3", "L=", 2, 3, true, false))
        << "solved only after the check; this bubble does not wait";

    // An Enter on "L=" alone does nothing (the bubble still shown is closed).
    flow.stepEntered();
    EXPECT_EQ(row().goodSteps + row().wrongSteps, 1);

    enterLine("2*(-3)+5");
    EXPECT_EQ(std::make_tuple(row().goodSteps, screen.page[2], screen.page[3], ed.caretPos, ed.allowedNext.test('x'),
                              ed.allowedNext.test('-')),
              std::make_tuple(2, "L=2*(-3)+5=", " =", 3, false, true))
        << "check lines hold numbers only";

    enterLine("-1");
    EXPECT_EQ(std::make_tuple(counts(), screen.atWait.page[4], screen.atWait.page[3], screen.bubbles.back(),
                              screen.atWait.keypadShown, logged("hide caret"), logged("present"), ed.checkPhase,
                              ed.fixedPrefix),
              std::make_tuple(Counts{3, 0, 1}, CHECK_DONE, " =-1", NEXT_EQUATION, false, true, true, false, 0));
}

TEST_F(StepFlowTest, CheckLinesPassFailAndFinishAsTheirValueSays) {
    const struct {
        const char* keys;
        int good, wrong, solved;
        const char* rightSideLine;  // nullptr: the check goes on
    } cases[] = {
        {"-1", 1, 0, 1, CHECK_DONE.c_str()},
        {"-2", 0, 1, 0, nullptr},
        {"2x+5", 1, 0, 0, nullptr},              // the given left side: right, not final
        {"(-1)", 1, 0, 0, nullptr},
        {"/2D-2R", 1, 0, 0, nullptr},            // 2/(-2): right, not in lowest terms
        {"-1NJe to", 1, 0, 1, CHECK_DONE.c_str()},  // a note does not hide the value
        {"-2NJe to", 0, 1, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        SetUp();
        enterCheckPhase();
        type(c.keys);
        errorCode = EXERCISE_WRITE_FAILED;  // a stale code must not fail the line
        flow.stepEntered();
        EXPECT_EQ(std::make_tuple(counts(), pickErrors(), errorCode),
                  std::make_tuple(Counts{1 + c.good, c.wrong, c.solved}, c.wrong, 0));
        if (c.wrong) {
            EXPECT_EQ(std::make_tuple(screen.bubbles.back(), isErrorAnimation(screen.animations.back()), displayLine()),
                      std::make_tuple(CHECK_WRONG, true, 2));
        } else if (!c.solved) {
            EXPECT_EQ(screen.page[3], " =");
        }
        if (c.rightSideLine) { EXPECT_EQ(screen.atWait.page[3], c.rightSideLine); }
    }
}

TEST_F(StepFlowTest, TheEqualsKeyChecksInTheCheckPhaseAndIsNeverWritten) {
    enterCheckPhase();
    type("-2=");
    EXPECT_EQ(std::make_tuple(row().wrongSteps, line(), screen.shown), std::make_tuple(1, "L=-2", true))
        << "the key's own release leaves the bubble";
    // The next "=" closes the bubble only; then the corrected line is checked.
    type("=");
    EXPECT_EQ(std::make_tuple(screen.shown, row().wrongSteps), std::make_tuple(false, 1));
    type("B1=");
    EXPECT_EQ(std::make_tuple(row().solvedEquations, logged("present")), std::make_tuple(1, true));
}

TEST_F(StepFlowTest, CheckPhaseWithFractions) {
    // x/4 = 2/3, root 8/3: the right side at the root is 2/3.
    state.settings.checksEnabled = true;
    enterWith({record(fr("x", "4") + "=" + fr("2", "3"), 8.0 / 3.0), record("x=1", 1)});
    enterLine("x=/8D3R");
    ASSERT_TRUE(state.editor.checkPhase);
    EXPECT_EQ(screen.page[1], "x=" + fr("8", "3"));

    enterLine("/4D6R");
    EXPECT_EQ(std::make_tuple(counts(), screen.page[2], screen.page[3], state.editor.allowedNext.test(FRACTION_START),
                              screen.toolbar.fraction),
              std::make_tuple(Counts{2, 0, 0}, "L=" + fr("4", "6") + "=", " =", true, true))
        << "4/6 is right but not in lowest terms; the fraction button follows the new line";

    enterLine("/2D3R");
    EXPECT_EQ(std::make_tuple(row().solvedEquations, screen.atWait.page[4]),
              std::make_tuple(1, "P=" + fr("2", "3") + "       L=P"));
}

TEST_F(StepFlowTest, ACheckLineIsCheckedWholeAndNeverDrawnPastTheLinesBytes) {
    const std::string equation = "2x+5=4x+11";
    const std::string expression = "2*(-3)+5";
    EXPECT_EQ(std::make_tuple(pupilExpression("L=" + expression), pupilExpression(" =" + expression + " /hotovo"),
                              pupilExpression("L=/jen poznamka"), pupilExpression(" =")),
              std::make_tuple(expression, expression, "", ""));
    EXPECT_EQ(checkPhaseText(expression, equation, 'x'), expression + "=4x+11+x-x");
    EXPECT_EQ(checkPhaseText(expression, "2x+5", 'x'), expression + "=+x-x") << "no right side";

    // A long right side makes the text longer than a written line: nothing is cut.
    const std::string text = checkPhaseText(std::string(98, '2'), "x=" + std::string(200, '1'), 'x');
    EXPECT_EQ(std::make_tuple(text.size(), text.substr(text.size() - 4)), std::make_tuple(98u + 1 + 200 + 4, "+x-x"));

    EXPECT_EQ(std::make_tuple(rightSideLine("-1"), rightSideLine(std::string(90, '1')),
                              rightSideLine(std::string(94, '1')).size()),
              std::make_tuple(CHECK_DONE, "P=" + std::string(90, '1') + "     L=P", 100u));
    EXPECT_EQ(rightSideLine(std::string(95, '1')), "") << "L=P goes on a line of its own";
}

TEST_F(StepFlowTest, AValueTooWideForLEqualsPBesideItGetsItsOwnLine) {
    enterCheckPhase();
    // -1 written with many leading zeros: "P=", the value, the blanks and
    // "L=P" are wider than the page.
    type("-" + std::string(42, '0') + "1");
    ASSERT_FALSE(state.editor.lineFull);
    const std::string value = line().substr(2);
    flow.stepEntered();
    ASSERT_EQ(row().solvedEquations, 1);
    EXPECT_EQ(std::make_tuple(screen.atWait.page[3], screen.atWait.page[4]), std::make_tuple("P=" + value, "L=P"));
}

// --- The sample solution --------------------------------------------------

TEST_F(StepFlowTest, TheSampleSolutionShowsItsLinesOnACleanPageAndCountsNothing) {
    enterArea11();
    enterLine("2x=6");  // a wrong step: its bubble stays on the screen
    ASSERT_TRUE(screen.shown);
    const AreaStatistics before = row();
    screen.log.clear();
    flow.showSolution();

    // The bubble went first, so it can never be saved as the page's background.
    ASSERT_GE(screen.log.size(), 3u);
    EXPECT_EQ(std::make_tuple(screen.log[0], logged("clear"), logged("ruled"), logged("hide caret")),
              std::make_tuple("erase bubble", true, true, true));
    EXPECT_EQ(std::make_tuple(state.session.solutionShown, screen.showSolutionEnabled, screen.keypadShown,
                              screen.toolbar, screen.page),
              std::make_tuple(true, false, false, ToolbarState{}, Page{{1, "2x-4x=11-5"}, {2, "-2x=6"}, {3, "x=-3"}}))
        << "the editing buttons rest";
    EXPECT_EQ(std::make_tuple(counts(), pickErrors()),
              std::make_tuple(Counts{before.goodSteps, before.wrongSteps, 0}, 1));

    // While it is shown, Enter checks nothing.
    flow.stepEntered();
    EXPECT_EQ(row().wrongSteps, before.wrongSteps);
}

TEST_F(StepFlowTest, TheSampleSolutionEndsAtAnEmptyLineOrOneThatCannotBeginALine) {
    const struct {
        std::vector<std::string> solution;
        size_t shown;
    } cases[] = {
        {{"2x-4x=11-5", "-2x=6", "x=6:(-2)", "x=-3", "", "x=-3"}, 4},
        {{"2x-4x=11-5", "*2", "x=-3"}, 1},
        {{"x=-3", "=7"}, 1},
        {{}, 0},
        // Longer than the page: only the page's own nine lines.
        {std::vector<std::string>(12, "2x+5=4x+11"), 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        SetUp();
        enterWith({record("2x+5=4x+11", -3, c.solution)});
        flow.showSolution();
        Page expected;
        for (size_t i = 0; i < c.shown; ++i) expected[static_cast<int>(i) + 1] = c.solution[i];
        EXPECT_EQ(screen.page, expected);
    }
}

TEST_F(StepFlowTest, ARefusedSampleSolutionLeavesThePageAlone) {
    const struct {
        bool enabled, checkPhase;
        int32_t area;
        const char* warning;  // "": refused without a word
    } cases[] = {
        {false, false, 11, "Ukazovat řešení není povoleno, změňte nastavení."},
        {true, false, EXERCISE_AREA, "Ve volbě \"Cvičení\" bohužel není povoleno ukazovat řešení."},
        {false, false, EXERCISE_AREA, "Ukazovat řešení není povoleno, změňte nastavení."},
        {true, true, 11, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.warning);
        SetUp();
        state.settings.showSolutionEnabled = c.enabled;
        state.settings.checksEnabled = c.checkPhase;
        bank[{EXERCISE_AREA, 0}] = record("2x+5=4x+11", -3, {"x=-3"});
        enterWith({bank[{EXERCISE_AREA, 0}]}, c.area);
        c.checkPhase ? enterLine("x=-3") : type("2x");
        screen.log.clear();
        const auto before = std::make_tuple(screen.page, line());
        flow.showSolution();
        EXPECT_EQ(screen.warnings, *c.warning ? std::vector<std::string>{w1250(c.warning)} : std::vector<std::string>{});
        EXPECT_EQ(std::make_tuple(screen.log.empty(), state.session.solutionShown, screen.page, line()),
                  std::tuple_cat(std::make_tuple(true, false), before));
    }
}

// --- Finishing and what comes next ----------------------------------------

TEST_F(StepFlowTest, NothingChangesWhileTheFinalBubbleWaitsAndTheFlowGoesOnOnlyIfItMay) {
    const struct {
        const char* name;
        bool leaves, closes, goesOn;
    } cases[] = {
        {"click", false, false, true},
        {"area left", true, false, false},
        {"closing", false, true, false},
    };
    for (const bool checks : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (checks ? " with checks" : ""));
            SetUp();
            enterArea11(checks);
            std::string finished;
            screen.duringWait = [&] {
                EXPECT_EQ(std::make_tuple(state.session.waitingForNextEquation, screen.toolbar),
                          std::make_tuple(true, ToolbarState{}))
                    << "the editing buttons rest";
                const auto before = std::make_tuple(finished = line(), counts(), false);
                // An Enter, an "=" and the show-solution button reaching the flow
                // meanwhile (the animation's timer clears enterBusy) change nothing.
                flow.stepEntered();
                flow.checkPhaseStep();
                flow.showSolution();
                EXPECT_EQ(std::make_tuple(line(), counts(), state.session.solutionShown), before);
                if (c.leaves) state.session.currentArea = 0;
                if (c.closes) screen.programClosing = true;
            };
            enterLine("x=-3");
            if (checks) enterLine("-1");
            EXPECT_EQ(std::make_tuple(finished, row().solvedEquations, logged("present"),
                                      state.session.waitingForNextEquation, state.editor.checkPhase),
                      std::make_tuple(checks ? CHECK_DONE : "x=-3", 1, c.goesOn, false, false))
                << "counted before the area may close";
        }
    }
}

TEST_F(StepFlowTest, EveryNewEquationAndLineStartsFromTheLineStartGuard) {
    enterArea11(true);
    // A line that ends in a fraction leaves the fraction button off; the
    // next line starts afresh.
    enterLine("2x+5=/4x+11D1R");
    ASSERT_EQ(row().goodSteps, 1);
    EXPECT_EQ(std::make_tuple(state.editor.allowedNext, screen.toolbar),
              std::make_tuple(startSet, ToolbarState{true, false}));

    enterLine("x=-3");
    enterLine("-1");
    ASSERT_TRUE(logged("present"));
    // The guard after "P=-1 L=P" is gone: the new equation's first line
    // takes what may begin a line, the fraction button on, the powers off.
    const EditorState& ed = state.editor;
    EXPECT_EQ(std::make_tuple(ed.allowedNext, screen.toolbar, ed.fixedPrefix, ed.checkPhase, displayLine(), line(),
                              ed.caretPos, ed.caret.active),
              std::make_tuple(startSet, ToolbarState{true, false}, 0, false, 1, "", 1, true));
}

TEST_F(StepFlowTest, AnEquationInAnotherUnknownLetsEveryLineBeginWithThatLetter) {
    enterWith({record("3n+1=13", 4, {"3n=12", "n=4"})});
    // The editor types no other letter than x inside a line, so the line's
    // start is where the equation's own unknown gets in, and x does not.
    EXPECT_EQ(std::make_tuple(state.editor.allowedNext.test('n'), state.editor.allowedNext.test('x')),
              std::make_tuple(true, false));
    enterLine("n+1=5");
    EXPECT_EQ(std::make_tuple(row().goodSteps, state.editor.allowedNext.test('n')), std::make_tuple(1, true))
        << "every new line, not only the first";
    enterLine("n=4");
    EXPECT_EQ(std::make_tuple(row().goodSteps, screen.bubbles.back()), std::make_tuple(2, NEXT_EQUATION));
}

TEST(StepMessage, ACodeWithoutItsOwnRowShowsTheCalculationErrorAlone) {
    for (int32_t code : {-1, 0, 1, 2, 13, 14, 16, 99, 1000}) {
        const MessageLines m = stepMessage(code);
        EXPECT_EQ(m.line1 + "|" + m.line2 + "|" + m.line3, w1250("Chyba v počítání.||")) << code;
    }
    EXPECT_EQ(stepMessage(DIVISION_BY_ZERO).line2, w1250("Pokus o dělení"));
}

}  // namespace
