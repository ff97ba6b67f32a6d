#include <gtest/gtest.h>

#include "tests/engine/enginetestutil.h"

using namespace enginetest;

TEST(Substitute, ReplacesEveryOccurrenceDropsSpacesAndStopsAt255Bytes) {
    const std::string ones(255, '1');
    const struct {
        std::string value, text, result;
        int code;
    } cases[] = {
        {"(-3.0000)", "2*x+x ", "2*(-3.0000)+(-3.0000)", 0},
        {"5.0000", "", "", 0},
        // Ordinary bytes may fill the text up to 255, spaces not counted.
        {"5.0000", ones, ones, 0},
        {"5.0000", ones + "   ", ones, 0},
        {"5.0000", ones + "1", ones, 8},
        // The number text goes in only while the result stays below 255; the
        // scan goes on to the end.
        {"5.0000", std::string(248, '1') + "x", std::string(248, '1') + "5.0000", 0},
        {"5.0000", std::string(249, '1') + "x+", std::string(249, '1') + "+", 8},
    };
    for (const auto& c : cases) {
        errorCode = 0;
        EXPECT_EQ(substitute(c.value, c.text, 'x'), c.result) << c.text.size();
        EXPECT_EQ(errorCode, c.code) << c.text.size();
    }
    // Does nothing once a code is set.
    errorCode = 3;
    EXPECT_EQ(substitute("5.0000", "x", 'x'), "");
    EXPECT_EQ(errorCode, 3);
}

struct CheckCase {
    std::string text;
    double root;
    int code;
};

TEST(CheckEquation, PassesEquivalentLinesOnlyAndNamesTheFault) {
    const CheckCase cases[] = {
        {"2*x+5=4*x+11 ", -3, 0}, {"-6=2*x ", -3, 0}, {"x=-3 ", -3, 0}, {"2*x=6 ", -3, 12},
        {"x=5 ", -5, 12}, {"x*x=9 ", -3, 0}, {"x^(2)=9 ", -3, 0}, {"-x^(2)=-9 ", -3, 0},
        {"(x+1)/(3)=(2)/(3) ", 1, 0}, {"y=2 ", 2, 0},
        {"3*x=1 ", 1.0 / 3, 0},  // 0.999999 against 1
        {"2*x= ", 0, 0}, {"=x ", 0, 0},  // an empty side is 0
        // Relative tolerance: |L - R| <= |L + R| / 1000, equality passing; a
        // difference of 2 against a tolerance of exactly 2; a sum of 0.
        {"x=5.6 ", 5.6, 0}, {"x=5.61 ", 5.6, 0}, {"x=5.62 ", 5.6, 12}, {"x=1001 ", 999, 0},
        {"x=1001.001 ", 999, 12}, {"x=-5 ", 5, 12},
        // Absolute near zero: 0.02 when either side is below 0.01 in magnitude,
        // exactly the margin passing, opposite signs both tiny; 0.01 itself is
        // not below 0.01, so the relative rule applies.
        {"x=0.015 ", 0, 0}, {"x=0.02 ", 0, 0}, {"x=0.0200001 ", 0, 12}, {"x=0.03 ", 0, 12},
        {"x=-0.01 ", 0.0099, 0}, {"x=0.0199 ", 0.0099, 0}, {"x=0.0199 ", 0.01, 12},
        // No unknown even when true; a second "=" stays on the right; a letter
        // that is not the unknown.
        {"2*x+5 ", 1, 11}, {"2+3=5 ", 1, 10}, {"x+y=5 ", 1, 9}, {"x=1=1 ", 1, 7},
        {"x=(1)/(0) ", 1, 6}, {"x=()/(2) ", 1, 15}, {"x=(1 ", 1, 4}, {"x=2*e ", 1, 7}, {"", 1, 10},
        {"x=1 ", 1e300, 8},  // huge roots make the text too long
    };
    for (const CheckCase& c : cases) EXPECT_EQ(checkCode(c.text, c.root), c.code) << c.text << c.root;
    // Overflow must never let a line pass: infinity equals infinity otherwise.
    const std::string big = "1" + std::string(60, '0') + "^(4)";
    EXPECT_EQ(checkCode("x=" + big + "*" + big + " ", 1), 12);
    EXPECT_EQ(checkCode("x+" + big + "*" + big + "=" + big + "*" + big + " ", 1), 12);
    // Does nothing once a code is set, and does not reset it.
    errorCode = 99;
    EXPECT_EQ(checkEquation("x=1 ", 1), 99);
}

TEST(CheckEquation, NormalisedWrittenLines) {
    auto check = [](const std::string& line, double root) {
        errorCode = 0;
        const std::string n = normalise(line);
        return checkEquation(n, root);
    };
    const CheckCase cases[] = {
        {"2x+5=4x+11", -3, 0}, {"2x+5=4x+11/-2x", -3, 0},
        {frac("x+1", "3") + "=" + frac("2", "3"), 1, 0},
        {frac("x+1", "3") + "x=" + frac("2", "3"), 1, 0},
        {"x" + pw("2") + "-4=0", 2, 0}, {"2" + pw("3") + "x=16", 2, 0},
        {frac("x+1", "") + "=2", 1, 15},  // empty denominator
        {"x=2" + frac("1", "3") + ":3", 1, 7},
    };
    for (const CheckCase& c : cases) EXPECT_EQ(check(c.text, c.root), c.code) << c.text;
    // The check by substitution joins the pupil's line with the equation's
    // right side: longer than one written line, still checked.
    std::string side = "x";
    for (int i = 0; i < 110; ++i) side += "+0";
    EXPECT_GT(side.size() * 2, 255u);
    EXPECT_EQ(check(side + "=" + side + "+x-x", 2), 0);
}
