#include <gtest/gtest.h>

#include <vector>

#include "editor/caret.h"
#include "tests/editor/testline.h"

namespace {

struct Ed {
    EditorState ed;
    FakeMetrics m;
    PictureOffset pic{128, 64};

    Ed(const std::string& line, int caretPos, int currentLine = 1, bool checkPhase = false) {
        ed.pageLayout = testPage();
        ed.pageLayout.currentLine = static_cast<uint8_t>(currentLine);
        ed.writtenLine = line;
        ed.caretPos = static_cast<uint8_t>(caretPos);
        ed.checkPhase = checkPhase;
        layoutLine(ed, m);
        drawLine(ed);
        ed.caret.shown = true;
    }
    const LayoutCell& cell(int i) const { return ed.lineCells[static_cast<size_t>(i)]; }
    std::vector<int> at() const { return {ed.caret.x, ed.caret.y, ed.caret.height}; }
};

}  // namespace

TEST(Caret, EmptyLineCaretStandsInTheMiddleOfItsBand) {
    Ed e("", 1, 3);
    placeCaret(e.ed, e.pic);
    EXPECT_EQ(e.at(), (std::vector<int>{10 + 128 + 300 - 20, 100 + 2 * 50 + 64 + 8, 30}));
    EXPECT_FALSE(e.ed.caret.shown);  // taken off before it moves

    // In the check phase the line starts at the left.
    Ed check("", 1, 1, true);
    placeCaret(check.ed, check.pic);
    EXPECT_EQ(check.at(), (std::vector<int>{10 + 128 + 10, 100 + 64 + 8, 30}));
}

TEST(Caret, StandsAfterTheByteBeforeIt) {
    Ed e("2x+3", 3);
    placeCaret(e.ed, e.pic);
    const LayoutCell& p = e.cell(2);
    EXPECT_EQ(e.at(), (std::vector<int>{p.x + p.width + 128, p.y + 64 + 4, 30}));

    // At position 1 of a written line it stands at the first cell.
    Ed first("2x+3", 1);
    placeCaret(first.ed, first.pic);
    EXPECT_EQ(first.ed.caret.x, first.cell(1).x + 128);

    // Each level has its own caret: in a denominator, a numerator, exponents.
    const std::string f = wl("[{3}<2x^2`>]");
    struct Case { std::string line; int caret; int height; int dy; } cases[] = {
        {f, 4, 13, 4}, {f, 7, 13, 2}, {f, 10, 8, 2}, {wl("x^2`"), 3, 18, 2},
    };
    for (const auto& c : cases) {
        Ed l(c.line, c.caret);
        placeCaret(l.ed, l.pic);
        const LayoutCell& q = l.cell(c.caret - 1);
        EXPECT_EQ(l.ed.caret.height, c.height) << c.caret;
        EXPECT_EQ(l.ed.caret.y, q.y + 64 + c.dy) << c.caret;
    }
}

TEST(Caret, AfterAFractionItRisesFromTheBandBottom) {
    Ed e(wl("[{4}<3>]"), 9, 2);
    placeCaret(e.ed, e.pic);
    const LayoutCell& fe = e.cell(8);
    EXPECT_EQ(e.at(), (std::vector<int>{fe.x + 128, 100 + 2 * 50 + 64 - fe.height, 30}));
}

TEST(Caret, ByteWithoutACellKeepsTheCaretAtTheLineEnd) {
    // A trailing space after a power is not laid out.
    Ed e(wl("x^2` "), 6);
    placeCaret(e.ed, e.pic);
    const LayoutCell& pe = e.cell(4);
    EXPECT_EQ(e.ed.caret.x, pe.x + 128);
    EXPECT_GT(e.ed.caret.y, 64 + 100);

    // Beyond the 100 laid-out cells.
    Ed longLine("1=" + std::string(120, 'x'), 123);
    placeCaret(longLine.ed, longLine.pic);
    EXPECT_EQ(longLine.ed.caret.x, longLine.cell(100).x + longLine.cell(100).width + 128);
}
