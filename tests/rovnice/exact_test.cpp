#include <gtest/gtest.h>

#include <string>
#include <utility>

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
    const std::pair<const char*, const char*> cases[] = {{"2,5", "5/2"}, {"-7/14", "-1/2"}, {"-3", "-3"}, {"0.1", "1/10"}};
    for (const auto& [text, inLowestTerms] : cases) {
        ASSERT_TRUE(exact::parseRational(text, r)) << text;
        EXPECT_EQ(r.text(), inLowestTerms);
    }
    EXPECT_EQ(r.toDouble(), 0.1);
    for (const char* bad : {"", "-", "1/0", "1.", ".5", "--1", "1e5", "2/3/4", "x", "1 ", "1/-2"})
        EXPECT_FALSE(exact::parseRational(bad, r)) << bad;
}

TEST(ExactTest, SolvesLinearEquationsExactly) {
    const std::pair<const char*, const char*> cases[] = {
        {"2x+5=7", "1"}, {"x-5=-14-2x", "-3"}, {"\\frac{x}{3}=\\frac{1}{2}", "3/2"}, {"0.5x=1.25", "5/2"},
        {"(x+1)^2=x^2+5", "2"}, {"3(x-2)-(x+4)=2", "6"}, {"\\frac{3}{x-1}=\\frac{2}{x+1}", "-5"},
        {"\\frac{1}{x}+\\frac{1}{2x}=3", "1/2"}, {"(x+1)(x-1)=x^2+x", "-1"}, {"2^3x=4", "1/2"},
        {"x:4*2=3", "6"},  // (x:4)*2, as the program reads it
    };
    for (const auto& [equation, root] : cases) {
        const exact::Solution s = exact::solveLinear(normalised(equation));
        EXPECT_TRUE(s.ok) << equation << ": " << s.problem;
        EXPECT_EQ(s.root.text(), root) << equation;
    }
}

TEST(ExactTest, ReportsEquationsWithoutOneSolution) {
    const std::pair<const char*, const char*> cases[] = {
        {"x^2=4", "není po úpravě lineární"}, {"2x=2x+1", "nemá řešení"}, {"2(x+1)=2x+2", "platí pro každé x"},
        // Multiplying out would give x=1, which makes a denominator 0.
        {"\\frac{1}{x-1}+\\frac{1}{x+1}=\\frac{2}{x^2-1}", "nemá řešení"},
        {"\\frac{x}{x-2}=\\frac{2}{x-2}", "nemá řešení"},
        {"2x=5=5", "více než jedno rovnítko"}, {"2x+5", "chybí rovnítko"}, {"2x=(3", "chybí"},
        {"x^{x}=2", "exponent obsahuje neznámou"}, {"99999999999999999999999999999999x=1", "příliš"},
    };
    for (const auto& [equation, problem] : cases) {
        const exact::Solution s = exact::solveLinear(normalised(equation));
        EXPECT_FALSE(s.ok) << equation;
        EXPECT_NE(s.problem.find(problem), std::string::npos) << equation << ": " << s.problem;
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
    const std::pair<double, const char*> cases[] = {
        {2.5, "2.5"}, {-3, "-3"}, {1.0 / 3, "1/3"}, {-22.0 / 7, "-22/7"}, {1e-7, "0.0000001"}};
    for (const auto& [v, text] : cases) EXPECT_EQ(source::rootText(v), text);
    for (double v : {0.1, 1.0 / 3, -5.0 / 6, 123.456, 1e-7, 7.0 / 1000003}) {
        Rational r;
        ASSERT_TRUE(exact::parseRational(source::rootText(v), r)) << source::rootText(v);
        EXPECT_EQ(r.toDouble(), v) << source::rootText(v);
    }
}

}  // namespace
