#include <gtest/gtest.h>

#include <cmath>

#include "tests/engine/enginetestutil.h"

using namespace enginetest;

namespace {

double value(const std::string& expression) {
    double v = 0;
    const int code = evalCode(expression, &v);
    EXPECT_EQ(code, 0) << expression;
    return v;
}

}  // namespace

TEST(Evaluate, PrecedenceAndSigns) {
    EXPECT_EQ(value("2*3+4"), 10);
    EXPECT_EQ(value("2+3*4"), 14);
    EXPECT_EQ(value("8:2*3"), 12);
    EXPECT_EQ(value("2*(3+4)"), 14);
    EXPECT_EQ(value("-(2+3)"), -5);
    EXPECT_EQ(value("2*-3"), -6);
    EXPECT_EQ(value("+-3"), -3);          // "+-" is one minus sign
    EXPECT_EQ(value("(5.0000)"), 5);
    EXPECT_EQ(value(" 1 + 2 "), 3);        // spaces anywhere are dropped
    EXPECT_EQ(value("007.50"), 7.5);
    EXPECT_EQ(value("3*(-2.0000)^(2)"), 12);
}

TEST(Evaluate, SubtractionChainsAreLeftToRightInValue) {
    // a - b + c is read as a + ((-b) + c), which is the ordinary result.
    EXPECT_EQ(value("10-4+3"), 9);
    EXPECT_EQ(value("10-4-3"), 3);
    EXPECT_EQ(value("1-2+3-4+5"), 3);
    EXPECT_EQ(value("2-3*4+5"), -5);
    EXPECT_EQ(value("2-3^(2)"), -7);
    EXPECT_EQ(value("0.1+1-1"), 0.1);     // "+1-1" adds exactly nothing
}

TEST(Evaluate, DivisionChains) {
    EXPECT_EQ(value("2*6/3"), 4);          // a*(b/c)
    EXPECT_EQ(value("6/3*2"), 4);          // (a/b)*c
    EXPECT_EQ(value("(1)/(2)*(6)/(3)"), 1);  // (a/b)*(c/d)
    EXPECT_EQ(evalCode("8/2/2"), 7);
    EXPECT_EQ(evalCode("8:2:2"), 7);
    EXPECT_EQ(evalCode("(1)/(2):3"), 7);
    EXPECT_EQ(evalCode("5:0"), 6);
    EXPECT_EQ(evalCode("5/(3-3)"), 6);
    EXPECT_EQ(evalCode("5/-0"), 6);
    EXPECT_EQ(evalCode("5/(2+)"), 7);      // a divisor that failed is not tested for 0
}

TEST(Evaluate, Powers) {
    EXPECT_EQ(value("2^(3)"), 8);
    EXPECT_EQ(value("2^(-1)"), 0.5);
    EXPECT_EQ(value("0^(0)"), 0);
    EXPECT_EQ(value("5^(0)"), 1);
    EXPECT_NEAR(value("4^(0.5)"), 2, 1e-12);
    EXPECT_EQ(value("2^(3)^(2)"), 512);    // groups from the right
    EXPECT_EQ(value("-2^(2)"), -4);        // the sign applies to the power
    EXPECT_EQ(value("(-2)^(2)"), 4);
    EXPECT_EQ(value("(-2)^(3)"), -8);
    EXPECT_EQ(value("2^(2.000001)"), 4);   // near-whole exponents count as whole
    EXPECT_EQ(evalCode("(-4)^(0.5)"), 5);
    EXPECT_EQ(evalCode("10^(400)"), 5);     // overflow, also of a whole exponent
    EXPECT_EQ(evalCode("0.1^(-400)"), 5);   // 1 over an underflowed product
    EXPECT_EQ(value("10^(-400)"), 0);       // a tiny result is no failure
    EXPECT_EQ(evalCode("2^(5000.5)"), 5);
    EXPECT_EQ(value("1^(1000000000)"), 1);  // must not loop a billion times
    EXPECT_EQ(value("0.5^(100000)"), 0);
    // The operator as the last byte is no power; what follows it is refused.
    EXPECT_EQ(evalCode("2^"), 7);
    EXPECT_EQ(evalCode("(2^)"), 7);
    EXPECT_EQ(evalCode("2^("), 4);
}

TEST(Evaluate, SyntaxErrors) {
    EXPECT_EQ(evalCode("(2+3"), 4);
    EXPECT_EQ(evalCode("2*(3"), 4);
    EXPECT_EQ(evalCode("2+3)"), 7);
    EXPECT_EQ(evalCode("(2)3"), 7);
    EXPECT_EQ(evalCode("2=3"), 7);
    EXPECT_EQ(evalCode("()"), 15);
    EXPECT_EQ(evalCode("2*()"), 15);
    EXPECT_EQ(evalCode("3*"), 15);
    EXPECT_EQ(evalCode(""), 15);
    EXPECT_EQ(evalCode("1.2.3"), 7);
    EXPECT_EQ(evalCode("5."), 3);
    EXPECT_EQ(evalCode("5.+1"), 3);
}

TEST(Evaluate, NoOperandWhereOneIsNeeded) {
    for (const char* text : {"3+", "3-", "--3", "-+3", "++3", ".5", "2*x", "x", "(+)", "2+*3",
                             "2*/3"}) {
        EXPECT_EQ(evalCode(text), 7) << text;
    }
    EXPECT_EQ(evalCode(std::string("2*") + char(FRACTION_START)), 7);
}

TEST(Evaluate, ErrorCodeDiscipline) {
    errorCode = 4;
    EXPECT_EQ(evaluate("1+1"), 0);
    EXPECT_EQ(errorCode, 4);              // returns at once, code unchanged
    errorCode = 0;
    evaluate("(1:0)+(2");                 // the first failure is the one reported
    EXPECT_EQ(errorCode, 6);
    EXPECT_EQ(evalCode("2+(-4)^(0.5)*3:0"), 5);
}

TEST(Evaluate, LongTexts) {
    // The deepest nesting that still fits the length limit of 1024 bytes.
    const std::string deep = std::string(511, '(') + "1" + std::string(511, ')');
    EXPECT_EQ(value("+" + deep), 1);
    std::string sum = "1";
    for (int i = 0; i < 511; ++i) sum += "+1";
    EXPECT_EQ(sum.size(), 1023u);
    EXPECT_EQ(value(sum + " 0"), 521);     // spaces do not count: the last 1 becomes 10
    EXPECT_EQ(evalCode(sum + "10"), 8);
    // Nothing the program builds is this long: refused, not recursed into.
    EXPECT_EQ(evalCode(std::string(100000, '(')), 8);
    // Huge numbers overflow when read: not a valid number.
    EXPECT_EQ(evalCode("1" + std::string(400, '0')), 3);
}
