// Thousands of random key, button, keypad and mouse sequences; after every
// step the line must be one the editor can stand on.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "editor/keypad.h"
#include "editor/structure.h"
#include "tests/editor/scripted.h"

namespace {

// Characters as keys deliver them, with the Windows-1250 letters that share a
// marker's code, the free cell's code, "‹" (139), DEL, "ř", and the two codes
// no key types.
const std::string typed = std::string("0123456789xxxx+-*:=().,/ aZ") +
                          "\x82\x84\x85\x86\x87\x89\x8A\x8B\x7F\xF8\x83\x88";

const KeyCode releases[] = {KeyCode::Up,   KeyCode::Down,     KeyCode::Left,   KeyCode::Right,
                            KeyCode::Home, KeyCode::End,      KeyCode::Delete, KeyCode::PageUp,
                            KeyCode::Help, KeyCode::PageDown, KeyCode::Other};

void step(ScriptedEditor& e, std::mt19937& rng) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const PageLayout& page = e.ed.pageLayout;
    switch (pick(20)) {
    case 0:
    case 1: e.type(KEY_BACKSPACE); break;
    case 2:
    case 3:
    case 4: e.apply(keyReleased(e.ed, e.ctx, releases[pick(11)], pick(8) == 0)); break;
    case 5: e.apply(fractionButtonReleased(e.ed, e.ctx)); break;
    case 6: e.apply(powerButtonReleased(e.ed, e.ctx, static_cast<unsigned char>('1' + pick(5)))); break;
    case 7:
    case 8: e.apply(keypadPressed(e.ed, e.ctx, keypadKeyAt(pick(450), pick(80)))); break;
    case 9: {
        // Near a character of the line, or anywhere around the band.
        const int cells = usedCells(e.ed.lineCells);
        const int x = cells > 0 && pick(3) != 0 ? e.ed.lineCells[static_cast<size_t>(1 + pick(cells))].x + pick(21) - 10
                                                : page.areaLeft - 10 + pick(page.areaWidth + 20);
        e.apply(placeCaretByMouse(e.ed, e.ctx, x, bandTop(page, page.currentLine) - 5 + pick(60)));
        break;
    }
    case 10:
        if (pick(10) == 0) {
            e.apply(startLine(e.ed, e.ctx, e.ed.checkPhase ? " =" : ""));
            break;
        }
        [[fallthrough]];
    default: e.type(static_cast<unsigned char>(typed[static_cast<size_t>(pick(static_cast<int>(typed.size())))]));
    }
}

// Stops at the first fault, naming the sequence and the step.
::testing::AssertionResult wellFormed(const EditorState& ed) {
    const std::string& t = ed.writtenLine;
    const int n = static_cast<int>(t.size());
    const LineStructure s(t);
    auto fail = [&](const char* what) { return ::testing::AssertionFailure() << what; };
    if (n > MAX_LINE_BYTES) return fail("longer than 100 bytes");
    if (ed.caretPos < ed.fixedPrefix + 1 || ed.caretPos > n + 1) return fail("caret out of range");
    if (!s.isRestingPlace(ed.caretPos)) return fail("caret between two fraction markers");
    if (ed.pageLayout.editLevel != s.levelAt(ed.caretPos)) return fail("edit level not the caret's");
    if (std::count(t.begin(), t.end(), static_cast<char>(FRACTION_END)) != static_cast<int>(s.fractions().size()) ||
        std::count(t.begin(), t.end(), static_cast<char>(POWER_START)) != static_cast<int>(s.powers().size()))
        return fail("a fraction or power marker without its partners");
    if (t.find(static_cast<char>(CELL_END)) != std::string::npos) return fail("a free cell's code in the line");
    for (const FractionPlace& f : s.fractions())
        if (s.levelAt(f.start) != MAIN_LEVEL) return fail("nested fraction");
    for (const PowerPlace& p : s.powers())
        for (int i = p.start + 1; i < p.end; ++i)
            if (std::string("234x").find(static_cast<char>(s.at(i))) == std::string::npos)
                return fail("an exponent byte that no key puts there");
    // Letters with a marker's code come from a note (which a deleted "/" may
    // have turned into the line's text), never from inside a fraction or power.
    for (int i = 1; i <= n; ++i)
        if (isMarker(s.at(i)) && !s.isMarker(i) && s.levelAt(i) != MAIN_LEVEL)
            return fail("a marker-coded letter inside a fraction or power");
    if (ed.allowedNext.test(CELL_END) || (s.levelAt(ed.caretPos) != MAIN_LEVEL && ed.allowedNext.test(FRACTION_START)))
        return fail("the guard lets in what breaks the line");
    std::string trimmed = t;
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
    if (usedCells(ed.lineCells) != std::min<int>(static_cast<int>(trimmed.size()), MAX_CELLS))
        return fail("the cells are not the line's");
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(EditorRandom, EveryStepLeavesAWellFormedLine) {
    std::mt19937 rng(1250);
    int longest = 0, fractions = 0;
    for (int sequence = 0; sequence < 3000; ++sequence) {
        ScriptedEditor e;
        // Some pages so wide that the byte count, not the width, ends a line.
        if (sequence % 3 == 0) e.ed.pageLayout.areaWidth = 5000;
        e.ed.pageLayout.currentLine = static_cast<uint8_t>(1 + sequence % 9);
        e.set("");
        if (sequence % 7 == 0) {
            e.ed.checkPhase = true;
            e.apply(startLine(e.ed, e.ctx, "L="));
        }
        // Some long enough to run into the 100-byte limit.
        const int steps = sequence % 10 == 0 ? 400 : 80;
        for (int i = 0; i < steps; ++i) {
            step(e, rng);
            ASSERT_TRUE(wellFormed(e.ed)) << "sequence " << sequence << ", step " << i << ": "
                                          << e.shown();
        }
        longest = std::max(longest, static_cast<int>(e.ed.writtenLine.size()));
        fractions += static_cast<int>(LineStructure(e.ed.writtenLine).fractions().size());
    }
    // The walk reached the interesting places.
    EXPECT_EQ(longest, MAX_LINE_BYTES);
    EXPECT_GT(fractions, 100);
}
