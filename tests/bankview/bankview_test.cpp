// The bank as the program draws it at 800 x 600: every equation fits the
// equation band and every solution line the writing width, measured with the
// program's own layout and fonts.
#include <string>
#include <vector>

#include <QImage>

#include <gtest/gtest.h>

#include "tools/bankview/bankview.h"
#include "tools/rovnice/notation.h"
#include "tests/support/testfiles.h"

namespace {

const int CODES[] = {11, 12, 13, 14, 21, 22, 23, 31, 32, 33, 41, 42, 43, 51, 52, 61};

std::vector<EquationRecord> recordsOf(const std::string& path) {
    const std::string bytes = readBytes(path);
    std::vector<EquationRecord> out;
    for (size_t at = 0; at + EquationRecord::RECORD_SIZE <= bytes.size(); at += EquationRecord::RECORD_SIZE)
        out.push_back(EquationRecord::fromBytes(reinterpret_cast<const unsigned char*>(bytes.data() + at)));
    return out;
}

// A record from lines in the sources' notation: the equation, then its solution.
EquationRecord recordOf(const std::vector<std::string>& lines) {
    EquationRecord r;
    for (size_t k = 0; k < lines.size(); ++k) {
        std::string bytes, why;
        EXPECT_TRUE(notation::parse(lines[k], bytes, why)) << lines[k] << ": " << why;
        r.setSlot(static_cast<int>(k), bytes);
    }
    return r;
}

std::string joined(const std::vector<std::string>& problems) {
    std::string all;
    for (const std::string& p : problems) all += p + "\n";
    return all;
}

struct Screen {
    MainWindowGeometry g = computeGeometry(800, 600, 800, 600);
    QtTextMetrics metrics;
};

}  // namespace

TEST(BankAt800x600, EveryEquationAndSolutionLineFits) {
    Screen s;
    int records = 0;
    for (int code : CODES) {
        const std::string path = std::string(VELMIR_RUNTIME_DIR) + "/r" + std::to_string(code) + ".dat";
        const std::vector<EquationRecord> bank = recordsOf(path);
        EXPECT_GE(bank.size(), 27u) << path;
        for (size_t i = 0; i < bank.size(); ++i, ++records)
            EXPECT_EQ(joined(bankview::fitProblems(bank[i], s.g, s.metrics)), "")
                << path << ", record " << i;
    }
    EXPECT_GT(records, 400);
}

// The measure itself: what does not fit is found, what fits is not.
TEST(BankAt800x600, FindsWhatDoesNotFit) {
    Screen s;
    const std::string wide = "x+1111111111+1111111111+1111111111+1111111111+1111111=1";
    struct Case {
        std::vector<std::string> lines;
        const char* problem;  // "" when everything fits
    };
    std::vector<std::string> ten = {"2x=4"};
    for (int k = 0; k < 9; ++k) ten.push_back("2x=4 /:2");
    ten.push_back("x=2");
    for (const Case& c : {
             Case{{"2x+5=7", "2x+5=7 /-5", "2x=2 /:2", "x=1"}, ""},
             // a long line moves left and still fits; one a few characters longer does not
             Case{{"2x=4", "x+11111111+11111111+11111111+111=1 /upravíme", "x=2"}, ""},
             Case{{"2x=4", "x+11111111+11111111+11111111+111=1 /upravíme dlouze", "x=2"},
                  "řádek postupu 1 je o"},
             Case{{wide, "x=2"}, "zadání se nevejde do pruhu"},
             // a note's every "/" keeps its gap: the condition 1/2 is wider than 0,5
             Case{{"2x=4", "\\frac{1}{2x+1}=\\frac{3}{2x-1}-\\frac{1}{2} /·2(2x+1)(2x-1), x nesmí být -1/2 ani 1/2",
                   "x=2"},
                  "řádek postupu 1 je o"},
             Case{ten, "vzorové řešení má 10 řádků, na stránku se jich vejde 9"},
         }) {
        const std::string all = joined(bankview::fitProblems(recordOf(c.lines), s.g, s.metrics));
        if (*c.problem == 0) { EXPECT_EQ(all, "") << c.lines[1]; }
        else EXPECT_NE(all.find(c.problem), std::string::npos) << c.lines[1] << "\n" << all;
    }
}

TEST(BankAt800x600, RendersTheEquationAndItsSolutionOnTheirLines) {
    Screen s;
    const EquationRecord r = recordOf({"3(x+5)=45", "3(x+5)=45 /:3", "x+5=15 /-5", "x=10"});
    const QImage img = bankview::renderSolution(r, s.g, QImage());
    ASSERT_EQ(img.size(), QSize(800, 600));
    const auto inkIn = [&](const QRect& rect) {
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) n += qGray(img.pixel(x, y)) < 100;
        return n;
    };
    const PageLayout& page = s.g.writingLayout;
    for (int line = 1; line <= page.pageLines; ++line) {
        const QRect band(page.areaLeft + 2, bandTop(page, line) + 2, page.areaWidth - 4, page.lineHeight - 4);
        if (line <= 3) { EXPECT_GT(inkIn(band), 50) << line; }
        else EXPECT_EQ(inkIn(band), 0) << line;
    }
    const DrawOp band = clearEquationBand(s.g.equationBand);
    EXPECT_GT(inkIn(QRect(QPoint(band.x, band.y), QPoint(band.x2 - 1, band.y2 - 1))), 50);
}
