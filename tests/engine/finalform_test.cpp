#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include "tests/engine/enginetestutil.h"

using namespace enginetest;

namespace {

bool finalForm(const std::string& text) {
    errorCode = 0;
    return isFinalForm(lin(text));
}

// The subtractive rule as first written, for comparison on small numbers.
bool reducibleBySubtraction(int64_t a, int64_t b) {
    if (a == 0 || b == 0) return false;
    int64_t c = std::llabs(a - b);
    while (c > 1) {
        if (a > b) a = c; else b = c;
        c = std::llabs(a - b);
    }
    return c == 0;
}

}  // namespace

TEST(IsFinalForm, Table) {
    struct Case { const char* text; bool final; int code = 0; };
    const Case cases[] = {
        {"x=5 ", true},           {"x=5.6 ", true},        {"x=-5 ", true},
        {"x=(5)/(6) ", true},     {"x=-(5)/(6) ", true},   {"x=(-5)/(6) ", true},
        {"x=(5)/(-6) ", true},    {"x=(10)/(4) ", false},  {"x=(5)/(1) ", false},
        {"x=(2.5)/(3) ", false},  {"x=(0)/(5) ", true},    {"x=(5)/(-1) ", true},
        {"x=(1)/(-1) ", false},   {"x=(x)/(2) ", false},   {"x=(5)/(6)*2 ", false},
        {"x=6:(-2) ", false},     {"2*x=6 ", false},       {"y=5 ", true},
        {"x= ", false},           {"x=- ", false},         {"x=--5 ", false},
        {"x=2^(2) ", false},      {"x=(5) ", false},       {"x=5+0 ", false},
        {"x=(5)/(2.5) ", false},  {"5=x ", false},         {"xx=5 ", false},
        // Large numbers are reduced by Euclid, not by a billion subtractions.
        {"x=(2147483647)/(2) ", true}, {"x=(-2147483648)/(2147483647) ", true},
        // No equation in the unknown: its code.
        {"x ", false, 11}, {"2=5 ", false, 10}, {"x=y ", false, 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(finalForm(c.text), c.final) << c.text;
        EXPECT_EQ(errorCode, c.code) << c.text;
    }
    // Does nothing once a code is set.
    errorCode = 12;
    EXPECT_FALSE(isFinalForm("x=5 "));
    EXPECT_EQ(errorCode, 12);
}

TEST(FractionTest, OutcomesAndOddShapes) {
    struct Case { const char* rightSide; int outcome; };
    const Case cases[] = {
        {"(3)/(4)", 0}, {" (3) / (4) ", 0}, {"(6)/(4)", 1}, {"(6)/(1)", 1}, {"(1.5)/(4)", 1},
        {"(3)/(1e5)", 1}, {"(x)/(4)", 2}, {"(3)/()", 2},
        // A numerator or denominator that does not fit 32 bits is no whole number.
        {"(2147483647)/(2)", 0}, {"(-2147483648)/(3)", 0}, {"(2147483648)/(3)", 1},
        {"(99999999999999999999999)/(3)", 1},
        // "(" missing, or only after the "/": substrings stay inside the text.
        {"3/4", 2}, {"/", 2}, {"/(", 2}, {"5/(6)", 2}, {"(", 2}, {"", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(fractionTest(c.rightSide), c.outcome) << c.rightSide;
}

TEST(IsReducible, EuclidAgreesWithTheSubtractiveRule) {
    for (int64_t a = 0; a <= 60; ++a)
        for (int64_t b = 0; b <= 60; ++b)
            ASSERT_EQ(isReducible(a, b), reducibleBySubtraction(a, b)) << a << "," << b;
    EXPECT_FALSE(isReducible(2147483647, 2));
    EXPECT_TRUE(isReducible(2147483646, 2));
    EXPECT_TRUE(isReducible(2147483648LL, 4));
    EXPECT_FALSE(isReducible(1, 2147483647));
}
