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

TEST(Evaluate, Values) {
    struct Case { const char* text; double value; };
    const Case cases[] = {
        // Precedence and signs; "+-" is one minus sign, spaces anywhere are dropped.
        {"2*3+4", 10}, {"2+3*4", 14}, {"8:2*3", 12}, {"2*(3+4)", 14}, {"-(2+3)", -5},
        {"2*-3", -6}, {"+-3", -3}, {"(5.0000)", 5}, {" 1 + 2 ", 3}, {"007.50", 7.5},
        {"3*(-2.0000)^(2)", 12},
        // a - b + c is read as a + ((-b) + c), which is the ordinary result;
        // "+1-1" adds exactly nothing.
        {"10-4+3", 9}, {"10-4-3", 3}, {"1-2+3-4+5", 3}, {"2-3*4+5", -5}, {"2-3^(2)", -7},
        {"0.1+1-1", 0.1},
        // a*(b/c), (a/b)*c, (a/b)*(c/d)
        {"2*6/3", 4}, {"6/3*2", 4}, {"(1)/(2)*(6)/(3)", 1},
        // Powers group from the right, the sign applies to the power, near-whole
        // exponents count as whole, a tiny result is no failure, and a huge
        // whole exponent must not loop a billion times.
        {"2^(3)", 8}, {"2^(-1)", 0.5}, {"0^(0)", 0}, {"5^(0)", 1}, {"2^(3)^(2)", 512},
        {"-2^(2)", -4}, {"(-2)^(2)", 4}, {"(-2)^(3)", -8}, {"2^(2.000001)", 4},
        {"10^(-400)", 0}, {"1^(1000000000)", 1}, {"0.5^(100000)", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(value(c.text), c.value) << c.text;
    EXPECT_NEAR(value("4^(0.5)"), 2, 1e-12);
}

TEST(Evaluate, ErrorCodes) {
    struct Case { const char* text; int code; };
    const Case cases[] = {
        // Chained divisions, division by zero; a divisor that failed is not tested for 0.
        {"8/2/2", 7}, {"8:2:2", 7}, {"(1)/(2):3", 7}, {"5:0", 6}, {"5/(3-3)", 6}, {"5/-0", 6},
        {"5/(2+)", 7},
        // Powers: a negative base with a fractional exponent, overflow also of a
        // whole exponent, 1 over an underflowed product.  The operator as the
        // last byte is no power; what follows it is refused.
        {"(-4)^(0.5)", 5}, {"10^(400)", 5}, {"0.1^(-400)", 5}, {"2^(5000.5)", 5},
        {"2^", 7}, {"(2^)", 7}, {"2^(", 4},
        // Syntax
        {"(2+3", 4}, {"2*(3", 4}, {"2+3)", 7}, {"(2)3", 7}, {"2=3", 7}, {"()", 15},
        {"2*()", 15}, {"3*", 15}, {"", 15}, {"1.2.3", 7}, {"5.", 3}, {"5.+1", 3},
        // No operand where one is needed.
        {"3+", 7}, {"3-", 7}, {"--3", 7}, {"-+3", 7}, {"++3", 7}, {".5", 7}, {"2*x", 7},
        {"x", 7}, {"(+)", 7}, {"2+*3", 7}, {"2*/3", 7},
    };
    for (const Case& c : cases) EXPECT_EQ(evalCode(c.text), c.code) << c.text;
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
