#include <gtest/gtest.h>

#include "editor/guard.h"
#include "tests/editor/scripted.h"

namespace {

// The probes: every kind of byte the guard tells apart.  "[" stands for
// FRACTION_START, "^" for POWER_START, "N" for the note's "/".
const std::string probes = "0x(+-*:=).[^N ";

std::string allowedOf(const EditorState& ed) {
    std::string s;
    for (char p : probes) {
        const unsigned char b = p == '[' ? FRACTION_START : p == '^' ? POWER_START : p == 'N' ? '/' : p;
        if (ed.allowedNext.test(b)) s += p;
    }
    return s;
}

}  // namespace

TEST(Guard, AfterEachClassOfByteAndAtEachLevel) {
    const struct {
        const char* line;
        const char* allowed;
    } cases[] = {
        {"|", "0x(+-["},                    // a line's start
        {"2|", "0x(+-*:=).[^N"},            // a digit
        {"x|", "(+-*:=)[^N"},               // the unknown: no digit after it
        {"2+|", "0x([N"},                   // an operator
        {"(|", "0x(+-["},
        {"2.|", "0()"},                     // a decimal point: digits or parentheses
        {"2=|", "0x(+-["},
        {"[{2}<3>]|", "+-*:=)N"},           // after a fraction
        {"x^2`|", "+-*:=)N"},               // after a power
        {"[{|}<>]", "0x(+-"},               // a denominator's start
        {"[{}<|>]", "0x(+-"},               // a numerator's start
        {"[{}<2|>]", "0x(+-*:=).^"},        // no fraction and no note in a fraction
        {"[{}<2=|>]", "0x(+-"},             // not even after "=": fractions never nest
        {"[{2^3`|}<>]", "+-*:=)"},
        {"x^|2`", ""},                      // an exponent: only the "x" editKey adds
        {"x^2|`", ""},
        {"2x=6/|", "0x(+-*:=).[^N "},       // a note takes anything
        {"2x|/3", "0x(+-*:=).[^N "},        // so does the place just before it
    };
    for (const auto& c : cases) {
        ScriptedEditor e(c.line);
        EXPECT_EQ(allowedOf(e.ed), c.allowed) << c.line;
    }

    // Every operation hands the buttons the guard's word: none right after a
    // fraction was begun, the powers after a numerator's digit.
    ScriptedEditor e("2");
    e.run("#");
    EXPECT_EQ(e.last.toolbar, (ToolbarState{false, false}));
    e.run("3");
    EXPECT_EQ(e.last.toolbar, (ToolbarState{false, true}));
}

TEST(Guard, StateTheTableLeavesAlone) {
    // After a power the space the insertion allowed stays allowed, space after
    // space, until another byte decides.
    ScriptedEditor e("x");
    e.run("^2  ");
    EXPECT_EQ(e.shown(), "x^2`  |");
    EXPECT_EQ(e.refusals, 0);
    e.run("+ ");
    EXPECT_EQ(e.refusals, 1);

    // A full line refuses everything but "x"; the start of a line is never
    // judged by the line's width.
    ScriptedEditor full("2x=" + std::string(60, 'x'));
    EXPECT_TRUE(full.ed.lineFull);
    EXPECT_TRUE(full.ed.allowedNext.none());
    full.run("+3x");
    EXPECT_EQ(full.refusals, 2);
    full.run("H");
    EXPECT_EQ(allowedOf(full.ed), "0x(+-[");
}

TEST(Guard, NoteCharactersNeverBreakTheLine) {
    // Windows-1250 letters that share a marker's code: „ (132), † (134),
    // ‡ (135), ‰ (137, the free cell's code), Š (138).
    // "‹" (139) is the byte editKey takes for Delete, but typed it is a letter.
    ScriptedEditor e("2x=6/");
    for (int b : {132, 134, 135, 138, 139, int{'a'}, int{'Z'}}) e.type(static_cast<unsigned char>(b));
    EXPECT_EQ(e.refusals, 0);
    EXPECT_EQ(e.ed.writtenLine.substr(5), std::string("\x84\x86\x87\x8A\x8B") + "aZ");
    e.type(CELL_END);
    EXPECT_EQ(e.refusals, 1);
    // A fraction in the note stays whole around them and refuses them inside.
    e.run("/");
    for (unsigned char b : {132, 133, 135}) e.type(static_cast<unsigned char>(b));
    EXPECT_EQ(e.refusals, 4);
    e.run("1D2R");
    EXPECT_EQ(e.shown().substr(12), "[{2}<1>]|");

    // A free cell's code in a line from elsewhere is laid out as a blank, not
    // as the end of the line.
    ScriptedEditor damaged("2x=6/a\x89" "b");
    EXPECT_EQ(usedCells(damaged.ed.lineCells), 8);

    // "‚†" typed before a fraction does not start it (the fraction's own
    // markers stay its own), and Backspace deletes them as letters.
    ScriptedEditor f("2x=6/|[{1}<2>]");
    f.type(130);
    f.type(134);
    const auto marks = structuralMarkers(f.ed.writtenLine);
    for (int i : {8, 9, 11, 12, 14, 15}) EXPECT_TRUE(marks[static_cast<size_t>(i)]) << i;
    EXPECT_FALSE(marks[6] || marks[7]);
    f.run("BB");
    EXPECT_EQ(f.shown(), "2x=6/|[{1}<2>]");

    // Outside a note they are refused, though "‚" has the fraction's code.
    ScriptedEditor g("2+");
    g.type(130);
    EXPECT_EQ(g.refusals, 1);
}
