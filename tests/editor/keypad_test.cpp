#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "editor/keypad.h"
#include "tests/editor/scripted.h"

namespace {

KeypadKey ch(char c) { return KeypadKey{KeypadKey::Character, static_cast<unsigned char>(c)}; }
KeypadKey key(KeypadKey::Kind k) { return KeypadKey{k, 0}; }

// The key a line of the picture's source (data/pictures/keypad.txt) draws.
KeypadKey keyOfFace(const std::string& face) {
    static const std::map<std::string, KeypadKey> symbols = {
        {"down", key(KeypadKey::Down)},   {"up", key(KeypadKey::Up)},
        {"fraction", key(KeypadKey::Fraction)}, {"enter", key(KeypadKey::Enter)},
        {"back", key(KeypadKey::Backspace)}, {",", ch('.')}};
    const auto it = symbols.find(face);
    return it != symbols.end() ? it->second : ch(face[0]);
}

}  // namespace

TEST(Keypad, KeysWhereThePictureDrawsThemAndSpacesBetween) {
    std::ifstream in(KEYPAD_SOURCE);
    ASSERT_TRUE(in) << KEYPAD_SOURCE;
    // Every pixel column of both rows: the drawn key, or a space in a gap.
    std::map<std::pair<int, int>, KeypadKey> drawn;
    int keys = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int row = 0, x0 = 0, x1 = 0;
        std::string style, face;
        fields >> row >> x0 >> x1 >> style >> face;
        for (int x = x0; x <= x1; ++x) drawn[{row, x}] = keyOfFace(face);
        ++keys;
    }
    ASSERT_EQ(keys, 12 + 11);
    for (int row = 1; row <= 2; ++row) {
        for (int x = 0; x < KeypadPicture::width; ++x) {
            const auto it = drawn.find({row, x});
            const KeypadKey expected = it != drawn.end() ? it->second : ch(' ');
            const int rowEdges[] = {row == 1 ? 0 : 39, row == 1 ? 38 : 76};
            for (int y : rowEdges)
                EXPECT_EQ(keypadKeyAt(x, y), expected) << row << "," << x;
        }
    }
    // Past the picture's right edge, where a wider picture could be clicked.
    EXPECT_EQ(std::make_tuple(keypadKeyAt(442, 50), keypadKeyAt(443, 50)),
              std::make_tuple(key(KeypadKey::Backspace), ch(' ')));
}

TEST(Keypad, WritesWhatTheKeysWrite) {
    // 2x + 3/4 = x^2, by keys and by keypad (leaving the fraction with a click
    // at the line's end, as there is no Right on the keypad).
    ScriptedEditor keys;
    keys.run("2x+/3D4R=x^2");
    ScriptedEditor pad;
    for (KeypadKey k : {ch('2'), ch('x'), ch('+'), key(KeypadKey::Fraction), ch('3'), key(KeypadKey::Down),
                        ch('4')})
        pad.apply(keypadPressed(pad.ed, pad.ctx, k));
    const LayoutCell& end = pad.ed.lineCells[static_cast<size_t>(usedCells(pad.ed.lineCells))];
    pad.apply(placeCaretByMouse(pad.ed, pad.ctx, end.x + end.width, 130));
    for (KeypadKey k : {ch('='), ch('x')}) pad.apply(keypadPressed(pad.ed, pad.ctx, k));
    pad.run("^2");
    EXPECT_EQ(std::make_tuple(pad.refusals, keys.refusals, pad.shown(), pad.ed.writtenLine),
              std::make_tuple(0, 0, "2x+[{4}<3>]=x^2`|", keys.ed.writtenLine));

    // Refused keys change nothing; a gap types a space only where one may go.
    ScriptedEditor e("2x");
    for (KeypadKey k : {ch('('), ch(' '), key(KeypadKey::Up)}) e.apply(keypadPressed(e.ed, e.ctx, k));
    EXPECT_EQ(std::make_tuple(e.refusals, e.shown()), std::make_tuple(1, "2x(|"));
    e.set("x");
    e.run("^2");
    e.apply(keypadPressed(e.ed, e.ctx, ch(' ')));
    EXPECT_EQ(e.shown(), "x^2` |");

    // Enter and the check by substitution's "=" are handed over untouched.
    EXPECT_EQ(keypadPressed(e.ed, e.ctx, key(KeypadKey::Enter)).handOver, HandOver::Enter);
    e.ed.checkPhase = true;
    EXPECT_EQ(keypadPressed(e.ed, e.ctx, ch('=')).handOver, HandOver::CheckPhaseEquals);
    EXPECT_EQ(e.shown(), "x^2` |");
}

TEST(Keypad, StaysWholeInTheWindowAndOffTheLineBeingWritten) {
    // The writing pages of 800 x 600 and 1024 x 768, and the caret as the
    // lines put it: on the main line, in a numerator, in an exponent.
    const struct {
        int areaTop, windowHeight, pageLines;
    } screens[] = {{100, 600, 9}, {128, 768, 12}};
    for (const auto& s : screens) {
        for (int line = 1; line <= 9; ++line) {
            for (const char* text : {"", "2x=", "[{}<3|>]", "x^|2`"}) {
                ScriptedEditor e;
                e.ed.pageLayout.areaTop = s.areaTop;
                e.ed.pageLayout.currentLine = static_cast<uint8_t>(line);
                e.ctx.windowHeight = s.windowHeight;
                e.set(text);
                EditResult placed;
                editorsteps::place(e.ed, e.ctx, placed);
                const int top = placed.keypadTop;
                const int bandTop = s.areaTop + (line - 1) * 50;
                EXPECT_EQ(std::make_tuple(top >= 0, top + KeypadPicture::height <= s.windowHeight,
                                          top + KeypadPicture::height <= bandTop || top >= bandTop + 50),
                          std::make_tuple(true, true, true))
                    << line << text << " at " << top;
            }
        }
    }
    // Where there is room it hangs below the line; on the ninth line at
    // 800 x 600 it goes above it.
    ScriptedEditor e;
    e.ed.pageLayout.currentLine = 9;
    e.set("");
    EXPECT_EQ(keyPressed(e.ed, e.ctx, 'x').keypadTop, 500 - 77 - 5);
    e.ed.pageLayout.currentLine = 8;
    e.set("");
    const int32_t top = keyPressed(e.ed, e.ctx, 'x').keypadTop;
    EXPECT_EQ(top, e.ed.caret.y + 55);
}
