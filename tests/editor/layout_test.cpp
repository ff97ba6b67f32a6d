#include <algorithm>

#include <gtest/gtest.h>

#include "tests/editor/testline.h"

namespace {

using Ints = std::vector<int>;

struct Laid {
    LineCells cells{};
    PageLayout page = testPage();
    FakeMetrics m;
    int count = 0;
    bool lineFull = false;

    explicit Laid(const std::string& text, int caretPos = 1, int line = 1, uint8_t editLevel = MAIN_LEVEL) {
        page.currentLine = static_cast<uint8_t>(line);
        page.editLevel = editLevel;
        count = layoutLine(text, cells, page, caretPos, m);
    }
    const LayoutCell& operator[](int i) const { return cells[static_cast<size_t>(i)]; }
    DrawOps draw(bool checkPhase = false) { return drawLine(cells, page, checkPhase, lineFull); }
    // "M" for each cell laid out as a marker, "." for a character.
    std::string markers() const {
        std::string s;
        for (int i = 1; i <= count; ++i) s += (*this)[i].isMarker ? 'M' : '.';
        return s;
    }
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
    const int base = 100, fracLeft = l[1].x, numRight = l[8].x + l[8].width;
    // Each start marker sits one width left of where its part begins.
    EXPECT_EQ((Ints{fracLeft, l[1].y, l[2].x + l[2].width, l[3].x, l[5].x + l[5].width, l[6].x}),
              (Ints{12, base + 26, l[3].x, fracLeft + 3, fracLeft, fracLeft}));
    // Denominator hangs from base+28, numerator stands on base+27.
    EXPECT_EQ((Ints{l[3].y, l[3].level, l[3].fontSize, l[6].y + l[6].height, l[6].level, l[5].y + l[5].height}),
              (Ints{base + 28, DENOMINATOR_LEVEL, 14, base + 27, NUMERATOR_LEVEL, base + 23}));
    // The wider part (the numerator) decides where the fraction ends.
    EXPECT_EQ((Ints{l[9].x, l[10].x, l[10].level, l.page.editLevel}),
              (Ints{numRight + 3, numRight + 3, MAIN_LEVEL, NUMERATOR_LEVEL}));
    EXPECT_EQ(l.markers(), "MM.MM...MM");
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
    EXPECT_EQ(Laid(t, 1, 1, NUMERATOR_EXPONENT).page.editLevel, NUMERATOR_EXPONENT);
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
        EXPECT_EQ((Ints{l[r.i].level, l[r.i].y, l[r.i].fontSize}), (Ints{r.level, 100 + r.top, r.size})) << r.i;
    // Power markers take no room; the base line goes on below the exponent.
    EXPECT_EQ((Ints{l[2].width, l[3].x, l[5].y + l[5].height}), (Ints{0, l[1].x + l[1].width, 100 + 44}));
}

TEST(Draw, TheWhiteBandOfTheCurrentLineComesFirst) {
    Laid l("2x", 1, 4);
    const DrawOp band = l.draw().front();
    EXPECT_EQ(std::make_tuple(l[1].y + l[1].height, band.kind, band.x, band.y, band.x2, band.y2, band.colour),
              std::make_tuple(100 + 3 * 50 + 44, DrawOp::FILL, 11, 251, 609, 300, WHITE));

    // An empty line paints only its band and is never full.
    Laid empty("");
    empty.lineFull = true;
    const size_t ops = empty.draw().size();
    EXPECT_EQ(std::make_tuple(ops, empty.lineFull), std::make_tuple(1u, false));
}

TEST(Layout, MarkerCodesTypedInANoteAreCharacters) {
    // "Š" is byte 138, the code of the power's end; "„" is 132.  In a note they
    // are letters (the note keeping its distance), while a fraction around
    // the note stays a fraction.
    std::string t = "2x=6/" + std::string{static_cast<char>(138), static_cast<char>(132)} + "a";
    Laid l(t);
    EXPECT_EQ((Ints{l[5].x, l[6].x, l[6].level, l[7].x > l[6].x, l[8].x > l[7].x}),
              (Ints{l[4].x + l[4].width + 30, l[5].x + l[5].width, MAIN_LEVEL, true, true}));
    EXPECT_EQ(l.markers(), "........");

    Laid f(wl("[{2}<3/") + std::string{static_cast<char>(138)} + wl(">]"));
    EXPECT_EQ(std::make_tuple(f.markers(), f[8].level), std::make_tuple("MM.MM...MM", NUMERATOR_LEVEL));
}

TEST(Layout, TrailingSpacesAndTheHundredCellLimit) {
    // An inner space is kept.
    Laid cut("1=" + std::string(150, 'x'), 140);
    EXPECT_EQ((Ints{Laid("2x   ").count, Laid(wl("x^2` =1")).count, cut.count, usedCells(cut.cells)}),
              (Ints{2, 7, 100, 100}));
    cut.draw();  // must not read past the cells
}

TEST(Draw, AlignsOnTheEqualsSignOrTheLastCharacterNearTheMiddle) {
    // The aligned character's cell stands two widths left of the middle, all
    // cells moved alike, 4 pixels more.
    for (const auto& [text, k] : {std::pair<std::string, int>{"2x+3=7", 5}, {"2x+3", 4}}) {
        Laid l(text);
        l.draw();
        EXPECT_EQ((Ints{l[k].x, l[2].x - l[1].x, l.lineFull}), (Ints{10 + 300 - 2 * l[k].width + 4, 12, false}))
            << text;
    }
}

TEST(Draw, LongLinesShiftLeftButNeverPastTheStartAndFillTheLine) {
    // "x" is 12 wide, "1" 8.  A line whose right half overflows ends 10 pixels
    // inside the area (at 604, so 1=30x starts at 604 - 380); a wider one
    // stays 4 pixels right of the area's edge.  A line is full once it ends
    // within 20 pixels of the area's end (590): 48 x end at 586, 49 at 598;
    // at the margin itself, 45 x and 5 ones end at 590, 48 x and an
    // exponent 1 (5 wide) at 591.  The check phase starts at 14 pixels from
    // the area's edge.
    const struct { std::string text; int firstX; bool full; bool check = false; } cases[] = {
        {"1=" + std::string(30, 'x'), 224, false},  {"1=" + std::string(60, 'x'), 14, true},
        {std::string(48, 'x'), 14, false},          {std::string(49, 'x'), 14, true},
        {std::string(45, 'x') + "11111", 14, false}, {std::string(47, 'x') + wl("x^1`"), 14, true},
        {"L=2*3", 10 + 14, false, true}};
    for (const auto& c : cases) {
        Laid l(c.text);
        l.draw(c.check);
        EXPECT_EQ(std::make_tuple(l[1].x, l.lineFull), std::make_tuple(c.firstX, c.full)) << c.text.size();
    }
}

TEST(Draw, EmptyFractionIsSixMarkersAndAFifteenPixelBar) {
    Laid l(wl("[{}<>]"));
    const DrawOps ops = l.draw();
    const DrawOp bar = finalBar(ops);
    EXPECT_EQ(std::make_tuple(l.markers(), ofKind(ops, DrawOp::TEXT).size(), bar.x, bar.x2 - bar.x, bar.y),
              std::make_tuple("MMMMMM", 0u, l[1].x, 15, 100 + 26));
}

TEST(Draw, BarReachesThreePixelsPastTheWiderPart) {
    // Numerator wider than the denominator.
    Laid a(wl("[{2}<x+x+x>]=1"));
    DrawOp bar = finalBar(a.draw());
    EXPECT_EQ((Ints{bar.x, bar.x2, bar.y}), (Ints{a[1].x, a[10].x + a[10].width + 3, 126}));

    // Denominator wider: the fraction ends with it, and the "=" after it
    // stands clear of the denominator instead of over it.
    Laid b(wl("[{x+x+x}<2>]=1"));
    bar = finalBar(b.draw());
    EXPECT_EQ((Ints{bar.x2, b[12].x, b[13].x}), (Ints{b[7].x + b[7].width + 3, bar.x2, bar.x2 + 2}));

    // Two fractions get two bars of their own.
    Laid c(wl("[{2}<x>]+[{3}<x+x+x>]"));
    int firstRight = 0;
    for (const auto& b2 : ofKind(c.draw(), DrawOp::HLINE))
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
    // The main-line minus is smaller.
    EXPECT_EQ(std::make_tuple(shown, bold, text[1].y, text[5].fontSize),
              std::make_tuple("2.3,5-x=+1", ".......BB.", l[2].y - 24 / 3 + 4, 20));

    // In a numerator the dot rises less and a minus keeps its size; in an
    // exponent a "*" is not drawn.
    Laid f(wl("[{2}<3*-1>]+x^*`"));
    const DrawOps ft = ofKind(f.draw(), DrawOp::TEXT);
    shown.clear();
    for (const auto& t : ft) shown += static_cast<char>(t.ch);
    EXPECT_EQ(std::make_tuple(shown, ft[2].y, ft[3].fontSize), std::make_tuple("23.-1+x", f[7].y - 14 / 3, 14));
}

TEST(Layout, StructuralMarkersOfBrokenLines) {
    // A lone fraction start or power end (damaged data) is just a character.
    const auto s = structuralMarkers(wl("[2+^x]"));
    for (int i = 1; i <= 6; ++i) EXPECT_FALSE(s[static_cast<size_t>(i)]) << i;
    Laid l(wl("<2>]"));
    EXPECT_EQ(l.markers(), "....");
    l.draw();
}

TEST(Page, ClearingTheWritingArea) {
    const PageLayout page = testPage();
    // Clearing the area reaches the left end of the line bands even where the
    // area itself starts further right, so no shifted text survives.
    for (int areaLeft : {5, 20}) {
        const DrawOp area = clearWritingArea({areaLeft, 100, 620, 581}, page);
        EXPECT_EQ((Ints{area.kind, area.x, area.y, area.x2, area.y2}),
                  (Ints{DrawOp::FILL, std::min(areaLeft, 11), 100, 620, 581}));
    }
}
