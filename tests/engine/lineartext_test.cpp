#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "engine/cp1250.h"
#include "tests/engine/enginetestutil.h"

using namespace enginetest;

namespace {

std::string norm(const std::string& line) {
    errorCode = 0;
    return normalise(line);
}

}  // namespace

TEST(Normalise, WrittenLinesBecomeTheTextTheEvaluatorReads) {
    const std::string full = frac("x+1", "3");
    const std::string outOfOrder = {char(FRACTION_START), char(DENOMINATOR_START), '3', char(NUMERATOR_END),
                                    char(NUMERATOR_START), 'x', char(DENOMINATOR_END), char(FRACTION_END)};
    const std::string packedTail = {char(FRACTION_START), char(DENOMINATOR_END), char(NUMERATOR_END)};
    const struct {
        std::string line, text;
        int code;
    } cases[] = {
        // Products made explicit, never between two letters, nor before a digit
        // after ")"; spaces go before the pairs are judged; uppercase letters
        // are letters too.
        {"2x=6", "2*x=6 ", 0}, {"x2", "x*2 ", 0}, {"2(x+1)", "2*(x+1) ", 0}, {"(x+1)(x-1)", "(x+1)*(x-1) ", 0},
        {"x(x+1)", "x*(x+1) ", 0}, {"xx", "xx ", 0}, {"(2)3", "(2)3 ", 0}, {"2 x = 6", "2*x=6 ", 0}, {"2X", "2*X ", 0},
        // Fractions and powers, the space after a power, an empty fraction.
        {full + "=2", "(x+1)/(3)=2 ", 0}, {full + "x", "(x+1)/(3)*x ", 0}, {"2" + frac("x", "3"), "2*(x)/(3) ", 0},
        {"x" + pw("2"), lin("x^(2) "), 0}, {"2" + pw("2") + "x", lin("2^(2)*x "), 0},
        {"2" + pw("2") + " x", lin("2^(2)*x "), 0},
        {frac("x" + pw("2"), "2") + "=" + frac("1", "4"), lin("(x^(2))/(2)=(1)/(4) "), 0},
        {frac("", "") + "=1", "()/()=1 ", 0},
        // The note is cut; with nothing left a lone space, which every check refuses.
        {"2x=6/:2", "2*x=6 ", 0}, {"2x=6/" + frac("1", "2"), "2*x=6 ", 0}, {" =5", "=5 ", 0},
        {"/poznámka", " ", 0}, {"", " ", 0}, {"   ", " ", 0},
        // A broken fraction is an error, not a crash: a note typed inside the
        // numerator or the denominator, markers out of order, a lone start at
        // the very end.
        {full.substr(0, full.find(static_cast<char>(NUMERATOR_START)) + 3) + "/-1=2", "", 15},
        {full.substr(0, 3) + "/" + full.substr(3), "", 15},
        {outOfOrder, "", 15},
        {"x=1" + std::string(1, char(FRACTION_START)), "", 15},
        // Markers packed at the end of the text: nothing is read beyond it.
        {"x=" + packedTail, "x=()/() ", 0},
        // Texts the program joins may pass 255 bytes; only far longer ones are refused.
        {std::string(1024, '1'), std::string(1024, '1') + " ", 0},
        {std::string(1025, '1'), "", 8},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(norm(c.line), c.text) << cp1250::toUtf8(c.line);
        EXPECT_EQ(errorCode, c.code) << cp1250::toUtf8(c.line);
    }
    EXPECT_EQ(checkCode(" ", 1), 10);
    errorCode = 0;
    EXPECT_FALSE(isFinalForm(" "));
    // Stray markers reach the evaluator and fail there.
    EXPECT_EQ(checkCode(norm("x=" + std::string(1, char(NUMERATOR_END)) + "2"), 2), 7);
    // Nothing is done while a code is set.
    errorCode = 12;
    EXPECT_EQ(normalise("2x=6"), "");
    EXPECT_EQ(errorCode, 12);
}

TEST(FindUnknown, LettersAndCodes) {
    const struct {
        const char* text;
        char letter;  // when found
        int code;
    } cases[] = {
        {"2*x+3*x=4 ", 'x', 0}, {"y=5", 'y', 0}, {"3*n=6", 'n', 0}, {"2*x+y", 0, 9},
        {"2+3=5", 0, 10}, {"3*e=6", 0, 10}, {"X=5", 0, 10}, {"m+o+p=1", 0, 10}, {"", 0, 10},
    };
    for (const auto& c : cases) {
        errorCode = 0;
        const char letter = findUnknown(c.text);
        EXPECT_EQ(errorCode, c.code) << c.text;
        if (c.code == 0) { EXPECT_EQ(letter, c.letter) << c.text; }
    }
    // The first code stays; a later call does nothing.
    errorCode = 9;
    findUnknown("2+3");
    EXPECT_EQ(errorCode, 9);
}

TEST(NumberText, SignificantDigits) {
    // Six significant digits (none left from k = 5 on), a tie to the even
    // neighbour, negatives in parentheses, anything below 0.000001 is zero.
    const std::pair<double, const char*> cases[] = {
        {5, "5.0000"}, {1, "1.00000"}, {10, "10.0000"}, {12.5, "12.500"}, {10000, "10000.0"},
        {10000.4, "10000"}, {123456.5, "123456"}, {0.5, "0.500000"}, {0.05, "0.0500000"},
        {1.0 / 3, "0.333333"}, {-3, "(-3.0000)"}, {-2.25, "(-2.2500)"}, {0.0000004, "0.0"},
        {-0.0000004, "0.0"}, {0, "0.0"},
    };
    for (const auto& [v, text] : cases) EXPECT_EQ(numberText(v), text) << v;
}

TEST(NumberText, ExtremesStayUsable) {
    // Huge values are long, and the step check refuses them as too long.
    EXPECT_EQ(numberText(1e300).size(), 301u);
    EXPECT_EQ(numberText(-1e300).substr(0, 3), "(-1");
    // A non-finite root cannot be put into a line: the evaluator refuses it.
    EXPECT_EQ(evalCode(numberText(std::numeric_limits<double>::infinity())), 7);
    EXPECT_EQ(evalCode(numberText(std::nan(""))), 7);
    EXPECT_EQ(checkCode("x=1 ", std::nan("")), 7);
}

TEST(MessageTable, CzechTexts) {
    using cp1250::w1250;
    // Every engine code has the common first line and fits the bubble.
    for (int code : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15}) {
        const MessageLines& m = messageTable(code);
        EXPECT_EQ(m.line1, w1250("Chyba v počítání.")) << code;
        for (const std::string* s : {&m.line1, &m.line2, &m.line3}) EXPECT_LE(s->size(), 20u) << code;
    }
    EXPECT_EQ(messageTable(6).line3, w1250("nulou."));  // row code-1, not code
    for (int code : {-1, 0, 1, 2, 13, 14, 16, 99, 1000}) {
        const MessageLines& m = messageTable(code);
        EXPECT_EQ(m.line1 + m.line2 + m.line3, "") << code;
    }
}
