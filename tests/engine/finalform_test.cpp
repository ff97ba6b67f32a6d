#include <gtest/gtest.h>

#include <cstdlib>

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
    struct Case { const char* text; bool final; };
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
    };
    for (const Case& c : cases) EXPECT_EQ(finalForm(c.text), c.final) << c.text;
}

TEST(IsFinalForm, Codes) {
    EXPECT_FALSE(finalForm("x "));
    EXPECT_EQ(errorCode, 11);
    EXPECT_FALSE(finalForm("2=5 "));
    EXPECT_EQ(errorCode, 10);
    EXPECT_FALSE(finalForm("x=y "));
    EXPECT_EQ(errorCode, 9);
    errorCode = 12;
    EXPECT_FALSE(isFinalForm("x=5 "));
    EXPECT_EQ(errorCode, 12);
}

TEST(FractionTest, OutcomesAndOddShapes) {
    EXPECT_EQ(fractionTest("(3)/(4)"), 0);
    EXPECT_EQ(fractionTest(" (3) / (4) "), 0);
    EXPECT_EQ(fractionTest("(6)/(4)"), 1);
    EXPECT_EQ(fractionTest("(6)/(1)"), 1);
    EXPECT_EQ(fractionTest("(1.5)/(4)"), 1);
    EXPECT_EQ(fractionTest("(3)/(1e5)"), 1);
    EXPECT_EQ(fractionTest("(x)/(4)"), 2);
    EXPECT_EQ(fractionTest("(3)/()"), 2);
    // A numerator or denominator that does not fit 32 bits is no whole number.
    EXPECT_EQ(fractionTest("(2147483647)/(2)"), 0);
    EXPECT_EQ(fractionTest("(-2147483648)/(3)"), 0);
    EXPECT_EQ(fractionTest("(2147483648)/(3)"), 1);
    EXPECT_EQ(fractionTest("(99999999999999999999999)/(3)"), 1);
    // "(" missing, or only after the "/": substrings stay inside the text.
    EXPECT_EQ(fractionTest("3/4"), 2);
    EXPECT_EQ(fractionTest("/"), 2);
    EXPECT_EQ(fractionTest("/("), 2);
    EXPECT_EQ(fractionTest("5/(6)"), 2);
    EXPECT_EQ(fractionTest("("), 2);
    EXPECT_EQ(fractionTest(""), 2);
}

TEST(IsReducible, EuclidAgreesWithTheSubtractiveRule) {
    for (int64_t a = 0; a <= 60; ++a)
        for (int64_t b = 0; b <= 60; ++b)
            ASSERT_EQ(isReducible(a, b), reducibleBySubtraction(a, b)) << a << "," << b;
    EXPECT_TRUE(isReducible(1, 1));
    EXPECT_FALSE(isReducible(0, 0));
    EXPECT_FALSE(isReducible(2147483647, 2));
    EXPECT_TRUE(isReducible(2147483646, 2));
    EXPECT_TRUE(isReducible(2147483648LL, 4));
    EXPECT_FALSE(isReducible(1, 2147483647));
}

TEST(IsFinalForm, LargeNumbersAreQuick) {
    EXPECT_TRUE(finalForm("x=(2147483647)/(2) "));
    EXPECT_TRUE(finalForm("x=(-2147483648)/(2147483647) "));
}
