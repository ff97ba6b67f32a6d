#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "tests/editor/scripted.h"

namespace {

struct Case {
    const char* line;
    const char* script;
    const char* expected;  // with the caret
    int level;
    int refusals;
};

void check(const Case& c, int fixedPrefix = 0) {
    ScriptedEditor e(c.line, fixedPrefix);
    e.run(c.script);
    EXPECT_EQ(std::make_tuple(e.shown(), e.level(), e.refusals), std::make_tuple(c.expected, c.level, c.refusals))
        << c.line << " + " << c.script;
}

}  // namespace

TEST(Editing, FractionsAndPowersGoInWholeWithTheCaretsLevel) {
    const Case cases[] = {
        {"", "/3D4R", "[{4}<3>]|", MAIN_LEVEL, 0},  // numerator, Down, denominator, Right out
        {"2x", "#3", "2x[{}<3|>]", NUMERATOR_LEVEL, 0},  // the button leaves a numerator's guard
        {"2", "#)", "2[{}<|>]", NUMERATOR_LEVEL, 1},     // not the stale one of the digit
        {"", "/D3^2", "[{3^2`|}<>]", DENOMINATOR_LEVEL, 0},
        {"", "x^2", "x^2`|", MAIN_LEVEL, 0},
        {"", "/x^3", "[{}<x^3`|>]", NUMERATOR_LEVEL, 0},
        {"x", "^2Lx", "x^x|2`", MAIN_EXPONENT, 0},      // the unknown goes into an exponent too
        {"", "/2=/", "[{}<2=|>]", NUMERATOR_LEVEL, 1},  // fractions never nest
        {"", "/2#", "[{}<2|>]", NUMERATOR_LEVEL, 1},
        {"", "/2N", "[{}<2|>]", NUMERATOR_LEVEL, 1},    // nor does a note begin inside one
        {"", "2+^2", "2+|", MAIN_LEVEL, 1},             // a power needs a base
        {"x", "^2^3", "x^2`|", MAIN_LEVEL, 1},
        {"x", "^5", "x|", MAIN_LEVEL, 1},
        {"2x=6", "N:2", "2x=6/:2|", MAIN_LEVEL, 0},
        {"2", ",5", "2.5|", MAIN_LEVEL, 0},               // the comma types the decimal point
    };
    for (const Case& c : cases) check(c);
}

TEST(Editing, AnExponentWithTheUnknownInItStaysAnExponent) {
    ScriptedEditor e("x");
    e.run("^2Lx");
    const auto& cells = e.ed.lineCells;
    EXPECT_EQ(std::vector<int>({cells[2].isMarker && cells[5].isMarker, cells[3].level, cells[4].level,
                                cells[3].fontSize}),
              std::vector<int>({true, MAIN_EXPONENT, MAIN_EXPONENT, 16}));
    // and goes whole once its last byte is deleted
    e.run("XB");
    EXPECT_EQ(e.shown(), "x|");
}

TEST(Editing, NoLineGrowsPastAHundredBytes) {
    // A wide page, so that only the byte count refuses.
    const std::string note = "2x=6/";
    const struct {
        std::string line;
        const char* script;
        bool accepted;
    } cases[] = {
        {note + std::string(94, 'a'), "b", true},  {note + std::string(95, 'a'), "b", false},
        {note + std::string(95, 'a'), "x", false}, {"1=" + std::string(98, 'x'), "x", false},
        {note + std::string(89, 'a'), "/", true},  {note + std::string(90, 'a'), "/", false},
        {note + std::string(90, 'a'), "#", false}, {note + std::string(92, 'a'), "^2", true},
        {note + std::string(93, 'a'), "^2", false}, {std::string(99, 'x'), "N", true},
        {std::string(100, 'x'), "N", false},
    };
    for (const auto& c : cases) {
        ScriptedEditor e;
        e.ed.pageLayout.areaWidth = 5000;
        e.set(c.line);
        e.run(c.script);
        const size_t length = e.ed.writtenLine.size();
        EXPECT_EQ(std::make_tuple(e.refusals == 0, length <= 100, length == c.line.size(),
                                  e.ed.allowedNext.test(FRACTION_START) && length > 94),
                  std::make_tuple(c.accepted, true, !c.accepted, false))
            << c.line.size() << c.script;
    }
}

TEST(Editing, ArrowsThroughAFractionAndAPower) {
    // 2+ 3/4 = x^2, as stored: 2 + [ { 3 } < 4 > ] = x ^ 2 `
    const std::string line = "2+[{3}<4>]=x^2`";
    using Stops = std::vector<std::pair<int, int>>;  // caret, level
    auto walk = [&](int from, KeyCode key, int steps) {
        ScriptedEditor e(line);
        e.ed.caretPos = static_cast<uint8_t>(from);
        settleCaret(e.ed);
        Stops stops;
        for (int i = 0; i < steps; ++i) {
            e.release(key);
            stops.emplace_back(e.ed.caretPos, e.level());
        }
        return stops;
    };
    // Left visits the numerator from its end, then the denominator; before an
    // exponent's last byte, then before the power.
    EXPECT_EQ(walk(16, KeyCode::Left, 12), (Stops{{14, 6}, {13, 1}, {12, 1}, {11, 1}, {9, 3}, {8, 3},
                                                  {6, 2}, {5, 2}, {3, 1}, {2, 1}, {1, 1}, {1, 1}}));
    // Right visits the denominator and skips the numerator.
    EXPECT_EQ(walk(1, KeyCode::Right, 11), (Stops{{2, 1}, {3, 1}, {5, 2}, {6, 2}, {11, 1}, {12, 1},
                                                  {13, 1}, {14, 6}, {15, 6}, {16, 1}, {16, 1}}));
    // Up from a denominator to the numerator's start, Down from a numerator
    // to the denominator's end; elsewhere they do nothing.
    EXPECT_EQ((std::vector<Stops>{walk(5, KeyCode::Up, 2), walk(9, KeyCode::Down, 2), walk(12, KeyCode::Up, 1),
                                  walk(14, KeyCode::Down, 1), walk(9, KeyCode::Home, 1), walk(5, KeyCode::End, 1)}),
              (std::vector<Stops>{{{8, 3}, {8, 3}}, {{6, 2}, {6, 2}}, {{12, 1}}, {{14, 6}}, {{1, 1}}, {{16, 1}}}));

    // Shift held: Left and Right move nothing.
    ScriptedEditor e(line);
    e.apply(keyReleased(e.ed, e.ctx, KeyCode::Left, true));
    EXPECT_EQ(std::make_tuple(e.ed.caretPos, e.last.caretPlaced), std::make_tuple(16, false));
}

TEST(Editing, BackspaceAndDeleteAcrossMarkers) {
    const Case cases[] = {
        // Backspace walks into a fraction and deletes it only when empty.
        {"[{3}<4>]|", "B", "[{3}<4|>]", NUMERATOR_LEVEL, 0},
        {"[{3}<|4>]", "B", "[{3|}<4>]", DENOMINATOR_LEVEL, 0},
        {"[{|3}<4>]", "B", "|[{3}<4>]", MAIN_LEVEL, 0},
        {"2[{|}<>]", "B", "2|", MAIN_LEVEL, 0},
        // A power goes whole with the last byte of its exponent.
        {"x^2|`", "B", "x|", MAIN_LEVEL, 0},
        {"x^2`|", "B", "x^2|`", MAIN_EXPONENT, 0},  // after the power: first only into it
        {"x^|2`", "B", "x|^2`", MAIN_LEVEL, 0},
        {"x^2x|`", "B", "x^2|`", MAIN_EXPONENT, 0},
        {"x^x2|`", "B", "x^x|`", MAIN_EXPONENT, 0},
        {"x^x|`", "B", "x|", MAIN_LEVEL, 0},
        {"[{x^2|`}<>]", "B", "[{x|}<>]", DENOMINATOR_LEVEL, 0},
        // Delete walks into a fraction from the left.
        {"|[{3}<4>]", "X", "[{|3}<4>]", DENOMINATOR_LEVEL, 0},
        {"[{3|}<4>]", "X", "[{3}<|4>]", NUMERATOR_LEVEL, 0},
        {"[{3}<4|>]", "X", "[{3}<4>]|", MAIN_LEVEL, 0},
        {"2|[{}<>]", "X", "2|", MAIN_LEVEL, 0},
        {"2[{|}<>]", "X", "2|", MAIN_LEVEL, 0},
        {"2[{}<|>]", "X", "2|", MAIN_LEVEL, 0},
        {"x|^2`", "X", "x^|2`", MAIN_EXPONENT, 0},
        {"x^|2`", "X", "x|", MAIN_LEVEL, 0},
        {"x^|2x`", "X", "x^|x`", MAIN_EXPONENT, 0},
        {"x^2|`", "X", "x^2`|", MAIN_LEVEL, 0},
        {"2x|", "X", "2x|", MAIN_LEVEL, 0},
    };
    for (const Case& c : cases) check(c);

    // The check by substitution's "L=" stays: Backspace, Left and Home stop
    // after it.
    for (const Case& c : {Case{"L=2x", "BBBB", "L=|", MAIN_LEVEL, 0}, Case{"L=2x", "LLLL", "L=|2x", MAIN_LEVEL, 0},
                          Case{"L=2x", "H", "L=|2x", MAIN_LEVEL, 0}})
        check(c, 2);
}

TEST(Editing, BrokenStateIsClampedAndFindsOfNothingMoveNothing) {
    // A level that does not fit the line: Up and Down find no marker and stay.
    ScriptedEditor e("2x|");
    e.ed.pageLayout.editLevel = DENOMINATOR_LEVEL;
    const bool up = moveUp(e.ed);
    e.ed.pageLayout.editLevel = NUMERATOR_LEVEL;
    const bool down = moveDown(e.ed);
    EXPECT_EQ(std::make_tuple(up, down, e.ed.caretPos, findNumeratorStart(1, "2x"), findDenominatorEnd(9, "2x")),
              std::make_tuple(false, false, 3, 0, 0));

    // A caret past the end comes back to it, and never rests between two
    // fraction markers.
    e.ed.caretPos = 200;
    e.release(KeyCode::Right);
    EXPECT_EQ(e.ed.caretPos, 3);
    ScriptedEditor f("[{3}<4>]");
    f.ed.caretPos = 2;
    settleCaret(f.ed);
    EXPECT_EQ(f.shown(), "[{|3}<4>]");

    // A line longer than the cells (written by others) is edited at its end
    // without reading past the cells.
    ScriptedEditor g;
    g.ed.pageLayout.areaWidth = 5000;
    g.set(std::string(150, '1'));
    g.run("BE");
    const size_t length = g.ed.writtenLine.size();
    const LayoutCell& last = g.ed.lineCells[MAX_CELLS];
    g.apply(placeCaretByMouse(g.ed, g.ctx, last.x + last.width, 120));
    EXPECT_EQ(std::make_tuple(length, g.ed.caretPos), std::make_tuple(149u, 150));
}

TEST(Editing, MousePlacementOnALineWithAFraction) {
    // 2 + (45 over 3) = x, cells where the drawing put them; band 100..150.
    const std::string line = "2+[{3}<45>]=x";
    const struct {
        int cell;   // the character clicked near
        int dx;     // from its left edge
        int y;
        int caret;  // -1: the click does not count
        int level;
    } cases[] = {
        {8, 1, 110, 9, NUMERATOR_LEVEL},     // right of a numerator digit's edge: after it
        {8, -1, 110, 8, NUMERATOR_LEVEL},    // left of it: before it
        {5, 1, 140, 6, DENOMINATOR_LEVEL},   // a denominator digit, lower half
        {5, -1, 140, 5, DENOMINATOR_LEVEL},
        {1, 2, 140, 1, MAIN_LEVEL},          // main line: before the nearest character
        {13, 1, 130, 13, MAIN_LEVEL},
        {13, 30, 130, 14, MAIN_LEVEL},       // past the last one: the line's end
        {8, 1, 100, -1, 0},                  // the band's edge does not count
        {8, 1, 150, -1, 0},
    };
    for (const auto& c : cases) {
        ScriptedEditor e(line);
        e.ed.caretPos = 4;  // somewhere else first
        settleCaret(e.ed);
        const LayoutCell& cell = e.ed.lineCells[static_cast<size_t>(c.cell)];
        const EditResult r = placeCaretByMouse(e.ed, e.ctx, cell.x + c.dx, c.y);
        // Not placed: the caret stays where it was settled (5), at whatever level.
        EXPECT_EQ(std::make_tuple(r.caretPlaced, e.ed.caretPos, c.caret < 0 ? 0 : e.level()),
                  std::make_tuple(c.caret >= 0, c.caret < 0 ? 5 : c.caret, c.level))
            << c.cell << "," << c.dx << "," << c.y;
    }

    // A denominator's character is not found in the upper half.
    ScriptedEditor e(line);
    const LayoutCell& three = e.ed.lineCells[5];
    placeCaretByMouse(e.ed, e.ctx, three.x + 1, 110);
    EXPECT_NE(e.level(), DENOMINATOR_LEVEL);

    // During the check by substitution a click near "L" lands after "L=", one
    // near "=" does nothing.
    ScriptedEditor check("L=2x|", 2);
    const LayoutCell l = check.ed.lineCells[1], eq = check.ed.lineCells[2];
    placeCaretByMouse(check.ed, check.ctx, l.x, 130);
    const int nearL = check.ed.caretPos;
    check.run("E");
    const bool nearEquals = placeCaretByMouse(check.ed, check.ctx, eq.x, 130).caretPlaced;
    EXPECT_EQ(std::make_tuple(nearL, nearEquals, check.ed.caretPos), std::make_tuple(3, false, 5));
}
