#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "teacher/evaluation.h"
#include "teacher/printout.h"
#include "tests/teacher/teachertest.h"

TEST(Evaluation, GradeAndBarsFromTheCounts) {
    const std::array<int32_t, 4> boundaries{80, 60, 45, 30};
    struct Case {
        uint16_t good, wrong;
        const char* grade;
        int32_t blue, red;
    };
    const Case cases[] = {
        {0, 0, "1", 0, 0},     // no step: 100 %, no bars
        {16, 4, "2", 48, 12},  // 80 % equals the boundary: the next worse grade
        {17, 4, "2", 48, 11},  // 80.95 % truncated to 80
        {17, 3, "1", 51, 9},   // 85 %
        {0, 5, "5", 0, 60},    {1, 2, "4", 20, 40}, {1, 1, "3", 30, 30}, {2, 1, "2", 40, 20},
        {1, 6, "5", 8, 51},    // truncation leaves one of the 60 pixels empty
        {30, 70, "5", 18, 42}, // 30 % equals the last boundary
        {65535, 65535, "3", 30, 30},  // sums beyond the 16-bit counters
        {65535, 0, "1", 60, 0},
    };
    for (const Case& c : cases) {
        const EvaluationPanel panel = evaluationPanel("Typ: x+5=7", {c.good, c.wrong, 7}, boundaries);
        SCOPED_TRACE(panel.steps);
        EXPECT_EQ(std::make_tuple(panel.steps, panel.grade, panel.blueHeight, panel.redHeight, panel.equations),
                  std::make_tuple(w("Dobře/chyb    ") + std::to_string(c.good) + "/" + std::to_string(c.wrong), c.grade,
                                  c.blue, c.red, "Rovnic   7"));
        EXPECT_LE(panel.blueHeight + panel.redHeight, EVALUATION_BAR_MAX);
    }
    // Equal boundaries leave their grades out.
    EXPECT_EQ(std::make_tuple(gradeOf(50, {50, 50, 50, 50}), gradeOf(51, {50, 50, 50, 50}), barTop(121, 60)),
              std::make_tuple(5, 1, 59));
}

TEST(Evaluation, GroupsAndTheRadioItemOfAnArea) {
    const std::pair<int, int> items[] = {{0, -1}, {9, -1}, {10, 0}, {14, 0}, {23, 1}, {33, 2}, {43, 3},
                                         {52, 4}, {61, 5}, {71, 6}, {80, -1}, {255, -1}};
    for (const auto& [code, item] : items) EXPECT_EQ(evaluationItemOf(static_cast<uint8_t>(code)), item) << code;

    std::vector<int> rowsAsked;
    auto countsOf = [&](int row) {
        rowsAsked.push_back(row);
        return StepCounts{static_cast<uint16_t>(row), 0, 0};
    };
    const auto light = evaluationPanels(1, countsOf, {80, 60, 45, 30});
    EXPECT_EQ(std::make_tuple(rowsAsked, light[0].caption, light[2].caption, light[2].steps, light[3].shown,
                              light[3].grade, light[3].blueHeight),
              std::make_tuple(std::vector<int>{7, 8, 9}, "Typ: 2x+5=7", w("S desetinnými čísly"),
                              w("Dobře/chyb    9/0"), false, "", 0));

    rowsAsked.clear();
    for (int item : {-1, 7})
        for (const EvaluationPanel& p : evaluationPanels(item, countsOf, {80, 60, 45, 30})) EXPECT_FALSE(p.shown);
    EXPECT_TRUE(rowsAsked.empty());
    const auto exercise = evaluationPanels(6, countsOf, {80, 60, 45, 30});
    EXPECT_EQ(std::make_tuple(rowsAsked, exercise[0].caption), std::make_tuple(std::vector<int>{22}, w("Cvičení")));
}

namespace {

// A font whose cell is 6/5 of its height, as printer fonts roughly are.
class ScaledMeasure : public TextMeasure {
public:
    int calls = 0;
    int textHeight(int fontHeight, const std::string&) override {
        ++calls;
        return fontHeight * 6 / 5;
    }
};

// A font that never grows: the loop must still end.
class StuckMeasure : public TextMeasure {
public:
    int calls = 0;
    int textHeight(int, const std::string&) override {
        ++calls;
        return 0;
    }
};

std::vector<std::string> numberedLines(int n) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i) lines.push_back("x=" + std::to_string(i) + "  ( " + std::to_string(i) + " )");
    return lines;
}

}  // namespace

TEST(Printout, TenEquationsOnAPageOf4000Units) {
    ScaledMeasure measure;
    const PrintLayout layout = layoutPrintout("r11.dat", numberedLines(10), 3000, 4000, measure);
    // 84 × 6/5 = 100, the first cell as high as the step.
    EXPECT_EQ(std::make_tuple(layout.step, layout.fontHeight, layout.pages.size()), std::make_tuple(100, 84, 1u));
    ASSERT_EQ(layout.pages.size(), 1u);
    const auto& page = layout.pages[0];
    ASSERT_EQ(page.size(), 11u);
    EXPECT_EQ(std::make_tuple(page[0].text, page[0].x, page[0].y, page[1].text, page[1].x, page[1].y, page[10].text,
                              page[10].y),
              std::make_tuple(w("   Zadání rovnic s řešením ze souboru: r11.dat"), 25, 12, "1)  x=1  ( 1 )", 150, 312,
                              "10)  x=10  ( 10 )", 1212));
}

TEST(Printout, LongListsGoOnOverFurtherPages) {
    ScaledMeasure measure;
    const std::pair<int, std::vector<size_t>> cases[] = {
        {0, {1}}, {37, {38}}, {38, {38, 1}}, {77, {38, 40}}, {78, {38, 40, 1}}};
    for (const auto& [n, sizes] : cases) {
        const PrintLayout layout = layoutPrintout("a.cvc", numberedLines(n), 800, 1000, measure);
        std::vector<size_t> got;
        for (const auto& page : layout.pages) got.push_back(page.size());
        EXPECT_EQ(std::make_tuple(got, layout.step), std::make_tuple(sizes, 25)) << n << " lines";
        for (const auto& page : layout.pages)
            for (const PrintText& t : page) EXPECT_LE(t.y, 39 * 25 + 3) << t.text;
    }
    const PrintLayout two = layoutPrintout("a.cvc", numberedLines(38), 800, 1000, measure);
    EXPECT_EQ(std::make_tuple(two.pages[0].back().text.substr(0, 5), two.pages[0].back().y,
                              two.pages[1][0].text.substr(0, 5), two.pages[1][0].y),
              std::make_tuple("37)  ", 39 * 25 + 3, "38)  ", 3));
}

TEST(Printout, TheFontLoopIsBounded) {
    StuckMeasure stuck;
    const PrintLayout layout = layoutPrintout("a.cvc", numberedLines(3), 5000, 400000, stuck);
    EXPECT_EQ(std::make_tuple(layout.step, layout.fontHeight, stuck.calls <= 10000),
              std::make_tuple(10000, 10000, true));
    // A page too small for a step of a whole unit still gives a layout.
    ScaledMeasure measure;
    const PrintLayout tiny = layoutPrintout("a.cvc", numberedLines(2), 10, 10, measure);
    EXPECT_EQ(std::make_tuple(tiny.step, tiny.fontHeight), std::make_tuple(1, PRINT_FIRST_FONT_HEIGHT));
}
