#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "tools/rovnice/exact.h"
#include "tools/rovnice/notation.h"
#include "tools/rovnice/sourcefile.h"

namespace {

using exact::Rational;

std::string normalised(const std::string& notationText) {
    std::string line, why;
    EXPECT_TRUE(notation::parse(notationText, line, why)) << why;
    errorCode = 0;
    const std::string text = normalise(line);
    errorCode = 0;
    return text;
}

TEST(ExactTest, RationalsFromRootTexts) {
    Rational r;
    ASSERT_TRUE(exact::parseRational("2,5", r));
    EXPECT_EQ(r.text(), "5/2");
    ASSERT_TRUE(exact::parseRational("-7/14", r));
    EXPECT_EQ(r.text(), "-1/2");
    ASSERT_TRUE(exact::parseRational("0.1", r));
    EXPECT_EQ(r.toDouble(), 0.1);
    ASSERT_TRUE(exact::parseRational("-3", r));
    EXPECT_EQ(r.text(), "-3");
    for (const char* bad : {"", "-", "1/0", "1.", ".5", "--1", "1e5", "2/3/4", "x", "1 ", "1/-2"})
        EXPECT_FALSE(exact::parseRational(bad, r)) << bad;
}

TEST(ExactTest, SolvesLinearEquationsExactly) {
    struct Case {
        const char* equation;
        const char* root;
    };
    for (const Case& c : {
             Case{"2x+5=7", "1"},
             Case{"x-5=-14-2x", "-3"},
             Case{"\\frac{x}{3}=\\frac{1}{2}", "3/2"},
             Case{"0.5x=1.25", "5/2"},
             Case{"(x+1)^2=x^2+5", "2"},
             Case{"3(x-2)-(x+4)=2", "6"},
             Case{"\\frac{3}{x-1}=\\frac{2}{x+1}", "-5"},
             Case{"\\frac{1}{x}+\\frac{1}{2x}=3", "1/2"},
             Case{"(x+1)(x-1)=x^2+x", "-1"},
             Case{"2^3x=4", "1/2"},
             Case{"x:4*2=3", "6"}  // (x:4)*2, as the program reads it,
         }) {
        const exact::Solution s = exact::solveLinear(normalised(c.equation));
        EXPECT_TRUE(s.ok) << c.equation << ": " << s.problem;
        EXPECT_EQ(s.root.text(), c.root) << c.equation;
    }
}

TEST(ExactTest, ReportsEquationsWithoutOneSolution) {
    struct Case {
        const char* equation;
        const char* problem;
    };
    for (const Case& c : {
             Case{"x^2=4", "není po úpravě lineární"},
             Case{"2x=2x+1", "nemá řešení"},
             Case{"2(x+1)=2x+2", "platí pro každé x"},
             // Multiplying out would give x=1, which makes a denominator 0.
             Case{"\\frac{1}{x-1}+\\frac{1}{x+1}=\\frac{2}{x^2-1}", "nemá řešení"},
             Case{"\\frac{x}{x-2}=\\frac{2}{x-2}", "nemá řešení"},
             Case{"2x=5=5", "více než jedno rovnítko"},
             Case{"2x+5", "chybí rovnítko"},
             Case{"x^{x}=2", "exponent obsahuje neznámou"},
             Case{"99999999999999999999999999999999x=1", "příliš"},
             Case{"2x=(3", "chybí"},
         }) {
        const exact::Solution s = exact::solveLinear(normalised(c.equation));
        EXPECT_FALSE(s.ok) << c.equation;
        EXPECT_NE(s.problem.find(c.problem), std::string::npos) << c.equation << ": " << s.problem;
    }
}

TEST(ExactTest, SidesAtARootFindZeroDivisors) {
    Rational left, right;
    std::string why;
    ASSERT_TRUE(exact::sidesAt(normalised("\\frac{x+1}{3}=2x-1"), Rational(2), left, right, why));
    EXPECT_EQ(left.text(), "1");
    EXPECT_EQ(right.text(), "3");
    EXPECT_FALSE(exact::sidesAt(normalised("\\frac{6}{x-2}=3"), Rational(2), left, right, why));
    EXPECT_NE(why.find("nule"), std::string::npos);
    EXPECT_FALSE(exact::sidesAt(normalised("6:(x-2)=3"), Rational(2), left, right, why));
}

TEST(ExactTest, RootsWrittenBackReadExactly) {
    EXPECT_EQ(source::rootText(2.5), "2.5");
    EXPECT_EQ(source::rootText(-3), "-3");
    EXPECT_EQ(source::rootText(1.0 / 3), "1/3");
    EXPECT_EQ(source::rootText(-22.0 / 7), "-22/7");
    EXPECT_EQ(source::rootText(1e-7), "0.0000001");
    for (double v : {0.1, 1.0 / 3, -5.0 / 6, 123.456, 1e-7, 7.0 / 1000003}) {
        Rational r;
        ASSERT_TRUE(exact::parseRational(source::rootText(v), r)) << source::rootText(v);
        EXPECT_EQ(r.toDouble(), v) << source::rootText(v);
    }
}

}  // namespace
