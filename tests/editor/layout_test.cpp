#include <algorithm>

#include <gtest/gtest.h>

#include "tests/editor/testline.h"

namespace {

struct Laid {
    LineCells cells{};
    PageLayout page = testPage();
    FakeMetrics m;
    int count = 0;
    bool lineFull = false;

    explicit Laid(const std::string& text, int caretPos = 1, int line = 1) {
        page.currentLine = static_cast<uint8_t>(line);
        count = layoutLine(text, cells, page, caretPos, m);
    }
    const LayoutCell& operator[](int i) const { return cells[static_cast<size_t>(i)]; }
    DrawOps draw(bool checkPhase = false) { return drawLine(cells, page, checkPhase, lineFull); }
};

std::vector<DrawOp> ofKind(const DrawOps& ops, DrawOp::Kind kind) {
    std::vector<DrawOp> out;
    for (const auto& op : ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

// The finished bar: the widest of the bar drawings, which all share one row.
DrawOp finalBar(const DrawOps& ops) {
    auto bars = ofKind(ops, DrawOp::HLINE);
    EXPECT_FALSE(bars.empty());
    for (const auto& b : bars) EXPECT_EQ(b.y, bars.front().y);
    return *std::max_element(bars.begin(), bars.end(),
                             [](const DrawOp& a, const DrawOp& b) { return a.x2 < b.x2; });
}

}  // namespace

TEST(Layout, FractionPartsStartFromOneLeftEdgeDenominatorStoredFirst) {
    // (x+1)/2
    Laid l(wl("[{2}<x+1>]"), 9);
    ASSERT_EQ(l.count, 10);
    const int base = 100;
    const int fracLeft = l[1].x;
    EXPECT_EQ(fracLeft, 12);
    EXPECT_EQ(l[1].y, base + 26);
    // Each start marker sits one width left of where its part begins.
    EXPECT_EQ(l[2].x + l[2].width, l[3].x);
    EXPECT_EQ(l[3].x, fracLeft + 3);
    EXPECT_EQ(l[5].x + l[5].width, fracLeft);
    EXPECT_EQ(l[6].x, fracLeft);
    // Denominator hangs from base+28, numerator stands on base+27.
    EXPECT_EQ(l[3].y, base + 28);
    EXPECT_EQ(l[3].level, DENOMINATOR_LEVEL);
    EXPECT_EQ(l[3].fontSize, 14);
    EXPECT_EQ(l[6].y + l[6].height, base + 27);
    EXPECT_EQ(l[6].level, NUMERATOR_LEVEL);
    EXPECT_EQ(l[5].y + l[5].height, base + 23);
    // The wider part (the numerator) decides where the fraction ends.
    const int numRight = l[8].x + l[8].width;
    EXPECT_EQ(l[9].x, numRight + 3);
    EXPECT_EQ(l[10].x, numRight + 3);
    EXPECT_EQ(l[10].level, MAIN_LEVEL);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(l[i].isMarker, i <= 2 || i == 4 || i == 5 || i >= 9) << i;
    EXPECT_EQ(l.page.editLevel, NUMERATOR_LEVEL);
}

TEST(Layout, EditLevelFollowsTheByteBeforeTheCaret) {
    const std::string t = wl("[{3^2`}<1>]+x^2`");
    struct Case { int caret; int level; } cases[] = {
        {3, DENOMINATOR_LEVEL},  {5, DENOMINATOR_EXPONENT}, {6, DENOMINATOR_EXPONENT},
        {7, DENOMINATOR_LEVEL},  {10, NUMERATOR_LEVEL},     {12, MAIN_LEVEL},
        {15, MAIN_EXPONENT},     {16, MAIN_EXPONENT},       {17, MAIN_LEVEL},
    };
    for (const auto& c : cases) EXPECT_EQ(Laid(t, c.caret).page.editLevel, c.level) << c.caret;

    // At the start of the line the level is left as it was.
    LineCells cells{};
    PageLayout page = testPage();
    page.editLevel = NUMERATOR_EXPONENT;
    FakeMetrics m;
    layoutLine(t, cells, page, 1, m);
    EXPECT_EQ(page.editLevel, NUMERATOR_EXPONENT);
}

TEST(Layout, PowersHangFromTheTopOrBelowTheBar) {
    // x^2 + 3^4 over y^3, cell by cell: level after it, top below the band, size.
    Laid l(wl("x^2`+[{3^4`}<y^3`>]"));
    struct Row { int i, level, top, size; } rows[] = {
        {2, MAIN_EXPONENT, 1, 16},         {3, MAIN_EXPONENT, 1, 16},
        {4, MAIN_LEVEL, 1, 24},            {9, DENOMINATOR_EXPONENT, 26, 8},
        {10, DENOMINATOR_EXPONENT, 26, 8}, {11, DENOMINATOR_LEVEL, 26, 14},
        {15, NUMERATOR_EXPONENT, 1, 8},    {16, NUMERATOR_EXPONENT, 1, 8},
        {17, NUMERATOR_LEVEL, 1, 14},
    };
    for (const Row& r : rows)
        EXPECT_EQ(std::vector<int>({l[r.i].level, l[r.i].y, l[r.i].fontSize}),
                  std::vector<int>({r.level, 100 + r.top, r.size})) << r.i;
    // Power markers take no room; the base line goes on below the exponent.
    EXPECT_EQ(l[2].width, 0);
    EXPECT_EQ(l[3].x, l[1].x + l[1].width);
    EXPECT_EQ(l[5].y + l[5].height, 100 + 44);
}

TEST(Draw, TheWhiteBandOfTheCurrentLineComesFirst) {
    Laid l("2x", 1, 4);
    EXPECT_EQ(l[1].y + l[1].height, 100 + 3 * 50 + 44);
    const DrawOp band = l.draw().front();
    EXPECT_EQ(std::vector<int>({band.kind, band.x, band.y, band.x2, band.y2}),
              std::vector<int>({DrawOp::FILL, 11, 251, 609, 300}));
    EXPECT_EQ(band.colour, WHITE);

    // An empty line paints only its band and is never full.
    Laid empty("");
    empty.lineFull = true;
    EXPECT_EQ(empty.draw().size(), 1u);
    EXPECT_FALSE(empty.lineFull);
}

TEST(Layout, MarkerCodesTypedInANoteAreCharacters) {
    // "Š" is byte 138, the code of the power's end; "„" is 132.  In a note they
    // are letters, while a fraction around the note stays a fraction.
    std::string t = "2x=6/" + std::string{static_cast<char>(138), static_cast<char>(132)} + "a";
    Laid l(t);
    EXPECT_EQ(l[5].x, l[4].x + l[4].width + 30);  // the note keeps its distance
    EXPECT_EQ(l[6].x, l[5].x + l[5].width);
    EXPECT_FALSE(l[5].isMarker);
    EXPECT_FALSE(l[6].isMarker);
    EXPECT_FALSE(l[7].isMarker);
    EXPECT_EQ(l[6].level, MAIN_LEVEL);
    EXPECT_GT(l[7].x, l[6].x);
    EXPECT_GT(l[8].x, l[7].x);

    Laid f(wl("[{2}<3/") + std::string{static_cast<char>(138)} + wl(">]"));
    for (int i : {1, 2, 4, 5, 9, 10}) EXPECT_TRUE(f[i].isMarker) << i;
    EXPECT_FALSE(f[8].isMarker);
    EXPECT_EQ(f[8].level, NUMERATOR_LEVEL);
}

TEST(Layout, TrailingSpacesAndTheHundredCellLimit) {
    EXPECT_EQ(Laid("2x   ").count, 2);
    EXPECT_EQ(Laid(wl("x^2` =1")).count, 7);  // an inner space is kept

    const std::string longer = "1=" + std::string(150, 'x');
    Laid cut(longer, 140);
    EXPECT_EQ(cut.count, 100);
    EXPECT_EQ(usedCells(cut.cells), 100);
    cut.draw();  // must not read past the cells
}

TEST(Draw, AlignsOnTheEqualsSignOrTheLastCharacterNearTheMiddle) {
    // The aligned character's cell stands two widths left of the middle, all
    // cells moved alike, 4 pixels more.
    for (const auto& [text, k] : {std::pair<std::string, int>{"2x+3=7", 5}, {"2x+3", 4}}) {
        Laid l(text);
        l.draw();
        EXPECT_EQ(l[k].x, 10 + 300 - 2 * l[k].width + 4) << text;
        EXPECT_EQ(l[2].x - l[1].x, 12) << text;
        EXPECT_FALSE(l.lineFull);
    }
}

TEST(Draw, LongLinesShiftLeftButNeverPastTheStartAndFillTheLine) {
    // "x" is 12 wide, "1" 8.  A line whose right half overflows ends 10 pixels
    // inside the area (at 604, so 1=30x starts at 604 - 380); a wider one
    // stays 4 pixels right of the area's edge.  A line is full once it ends
    // within 20 pixels of the area's end (590): 48 x end at 586, 49 at 598;
    // at the margin itself, 45 x and 5 ones end at 590, 48 x and an
    // exponent 1 (5 wide) at 591.
    const struct { std::string text; int firstX; bool full; } cases[] = {
        {"1=" + std::string(30, 'x'), 224, false},  {"1=" + std::string(60, 'x'), 14, true},
        {std::string(48, 'x'), 14, false},          {std::string(49, 'x'), 14, true},
        {std::string(45, 'x') + "11111", 14, false}, {std::string(47, 'x') + wl("x^1`"), 14, true}};
    for (const auto& c : cases) {
        Laid l(c.text);
        l.draw();
        EXPECT_EQ(l[1].x, c.firstX) << c.text.size();
        EXPECT_EQ(l.lineFull, c.full) << c.text.size();
    }

    // The check phase starts at 14 pixels from the area's edge.
    Laid check("L=2*3");
    check.draw(true);
    EXPECT_EQ(check[1].x, 10 + 14);
    EXPECT_FALSE(check.lineFull);
}

TEST(Draw, EmptyFractionIsSixMarkersAndAFifteenPixelBar) {
    Laid l(wl("[{}<>]"));
    EXPECT_EQ(l.count, 6);
    for (int i = 1; i <= 6; ++i) EXPECT_TRUE(l[i].isMarker);
    const DrawOps ops = l.draw();
    EXPECT_TRUE(ofKind(ops, DrawOp::TEXT).empty());
    const DrawOp bar = finalBar(ops);
    EXPECT_EQ(bar.x, l[1].x);
    EXPECT_EQ(bar.x2 - bar.x, 15);
    EXPECT_EQ(bar.y, 100 + 26);
}

TEST(Draw, BarReachesThreePixelsPastTheWiderPart) {
    // Numerator wider than the denominator.
    Laid a(wl("[{2}<x+x+x>]=1"));
    DrawOps ops = a.draw();
    DrawOp bar = finalBar(ops);
    EXPECT_EQ(bar.x, a[1].x);
    EXPECT_EQ(bar.x2, a[10].x + a[10].width + 3);
    EXPECT_EQ(bar.y, 126);

    // Denominator wider: the fraction ends with it, and the "=" after it
    // stands clear of the denominator instead of over it.
    Laid b(wl("[{x+x+x}<2>]=1"));
    ops = b.draw();
    bar = finalBar(ops);
    EXPECT_EQ(bar.x2, b[7].x + b[7].width + 3);
    EXPECT_EQ(b[12].x, bar.x2);
    EXPECT_EQ(b[13].x, bar.x2 + 2);

    // Two fractions get two bars of their own.
    Laid c(wl("[{2}<x>]+[{3}<x+x+x>]"));
    ops = c.draw();
    auto bars = ofKind(ops, DrawOp::HLINE);
    int firstRight = 0;
    for (const auto& b2 : bars)
        if (b2.x == c[1].x) firstRight = std::max(firstRight, b2.x2);
    EXPECT_EQ(firstRight, c[1].x + 15);
    EXPECT_LT(firstRight, c[10].x);
}

TEST(Draw, CharactersAsOnPaper) {
    // 2*3.5 shows 2, a raised dot, 3, a comma and 5.
    Laid l("2*3.5-x=+1");
    const DrawOps text = ofKind(l.draw(), DrawOp::TEXT);
    ASSERT_EQ(text.size(), 10u);
    std::string shown, bold;
    for (const auto& t : text) {
        shown += static_cast<char>(t.ch);
        bold += t.bold ? 'B' : '.';
    }
    EXPECT_EQ(shown, "2.3,5-x=+1");
    EXPECT_EQ(bold, ".......BB.");
    EXPECT_EQ(text[1].y, l[2].y - 24 / 3 + 4);
    EXPECT_EQ(text[5].fontSize, 20);  // the main-line minus is smaller

    // In a numerator the dot rises less and a minus keeps its size; in an
    // exponent a "*" is not drawn.
    Laid f(wl("[{2}<3*-1>]+x^*`"));
    const DrawOps ft = ofKind(f.draw(), DrawOp::TEXT);
    shown.clear();
    for (const auto& t : ft) shown += static_cast<char>(t.ch);
    EXPECT_EQ(shown, "23.-1+x");
    EXPECT_EQ(ft[2].y, f[7].y - 14 / 3);
    EXPECT_EQ(ft[3].fontSize, 14);
}

TEST(Layout, StructuralMarkersOfBrokenLines) {
    // A lone fraction start or power end (damaged data) is just a character.
    const auto s = structuralMarkers(wl("[2+^x]"));
    for (int i = 1; i <= 6; ++i) EXPECT_FALSE(s[static_cast<size_t>(i)]) << i;
    Laid l(wl("<2>]"));
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(l[i].isMarker);
    l.draw();
}

TEST(Page, ClearingTheWritingArea) {
    const PageLayout page = testPage();
    // Clearing the area reaches the left end of the line bands even where the
    // area itself starts further right, so no shifted text survives.
    for (int areaLeft : {5, 20}) {
        const DrawOp area = clearWritingArea({areaLeft, 100, 620, 581}, page);
        EXPECT_EQ(std::vector<int>({area.kind, area.x, area.y, area.x2, area.y2}),
                  std::vector<int>({DrawOp::FILL, std::min(areaLeft, 11), 100, 620, 581}));
    }
}
