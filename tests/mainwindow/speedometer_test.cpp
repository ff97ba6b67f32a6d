#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "mainwindow/speedometer.h"

namespace {

const std::array<int32_t, 4> USUAL{80, 60, 40, 20};

NeedleEnd at(int good, int wrong, const std::array<int32_t, 4>& b = USUAL) {
    AreaStatistics row;
    row.goodSteps = static_cast<uint16_t>(good);
    row.wrongSteps = static_cast<uint16_t>(wrong);
    return needleEnd(row, b);
}

void expectEnd(const NeedleEnd& e, int band, int x, int y) {
    EXPECT_EQ((std::vector<int>{e.band, e.x, e.y}), (std::vector<int>{band, x, y}));
}

// The needle follows the share of good steps.  Within a band the tick is the
// fraction of u in fourteenths; the tip climbs in the first band, falls
// slowly in the second, sinks slowly in the third and steeply in the fourth.
TEST(Speedometer, EachBandTiltsTheNeedleByItsOwnSlope) {
    const struct { int good, wrong, band, tick, x, y; } rows[] = {
        {0, 0, 0, 0, 11, 32},  // rest position
        {10, 0, 1, 0, 11, 32},   {99, 1, 1, 0, 11, 32},   {9, 1, 1, 7, 18, 31},    {41, 9, 1, 12, 23, 29},
        {3, 1, 2, 3, 28, 29},    {4, 1, 2, 0, 25, 29},    // exactly on a boundary: the lower band
        {7, 3, 2, 7, 32, 29},    {63, 37, 2, 11, 36, 28}, {31, 19, 2, 12, 37, 28}, {61, 39, 2, 13, 38, 28},
        {1, 1, 3, 7, 46, 32},    {21, 29, 3, 12, 51, 33},
        {1, 3, 4, 10, 63, 34},   // 25 %: u = 4.75
        {3, 7, 4, 7, 60, 33},    {11, 39, 4, 12, 65, 35},
        {1, 4, 5, -1, 67, 32},   {0, 5, 5, -1, 67, 32},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.good) + " good, " + std::to_string(r.wrong) + " wrong, tick " +
                     std::to_string(r.tick));
        expectEnd(at(r.good, r.wrong), r.band, r.x, r.y);
    }
    const NeedleEnd half = at(5, 3);  // 62.5 % rounds to 62
    EXPECT_EQ(std::make_pair(half.percent, half.band), std::make_pair(62, 2));
    // 0.85 of a band is 11.9 fourteenths: still tick 11, on the delivered
    // boundaries too (33 % in the fourth band).
    expectEnd(at(1, 2, {85, 70, 50, 30}), 4, 53 + 11, 32 + 2);
}

TEST(Speedometer, OddBoundariesNeverLeaveTheDial) {
    const std::array<std::array<int32_t, 4>, 7> odd{{
        {0, 0, 0, 0},
        {60, 60, 60, 60},
        {20, 40, 60, 80},
        {100, 100, 100, 100},
        {99, 50, 50, 0},
        {INT_MAX, INT_MIN, INT_MAX, INT_MIN},
        {-5, -10, 150, 0},
    }};
    for (const auto& b : odd) {
        for (int good = 0; good <= 12; ++good) {
            for (int wrong = 0; wrong <= 12; ++wrong) {
                const NeedleEnd e = at(good, wrong, b);
                EXPECT_TRUE(e.x >= 11 && e.x <= 67 && e.y >= 28 && e.y <= 35) << e.x << "," << e.y;
            }
        }
    }
    expectEnd(at(0, 3, {80, 60, 40, 0}), 5, 67, 32);  // 0 % with a last boundary of 0
    expectEnd(at(65535, 65535), 3, 46, 32);            // the largest counters
}

// Equal scales are checked with the whole screen geometry.
TEST(Speedometer, DialSitsInTheMiddleOfItsBoxWhenTheScalesDiffer) {
    const DialGeometry wide = dialGeometry(2.4, 1.8);  // 1920 x 1080 picture
    EXPECT_EQ(std::make_pair(wide.dialLeft, wide.dialTop), std::make_pair((1699 + 1886 - 78) / 2, (18 + 157 - 77) / 2));
}

}  // namespace
