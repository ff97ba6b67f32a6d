#include <gtest/gtest.h>

#include "mainwindow/geometry.h"
#include "mainwindow/screenscale.h"

namespace {

struct Screen {
    int width, height, factor;
};

// Usual desktops and boards, the edges of factor 2 and a few beyond.
const Screen SCREENS[] = {
    {800, 600, 1},    {1024, 768, 1},   {1366, 768, 1},   {1920, 1080, 1}, {1920, 1200, 1},
    {2560, 1440, 1},  {2047, 1536, 1},  {2048, 1535, 1},  {2048, 1536, 2}, {3200, 1800, 2},
    {3840, 2160, 2},  {4096, 2160, 2},  {2160, 3840, 2},  {3072, 2304, 3}, {5120, 2880, 3},
    {7680, 4320, 5},  {0, 0, 1},        {-3840, 2160, 1}, {3840, 0, 1},
};

TEST(ScreenScale, LargestWholeFactorThatFits) {
    for (const Screen& s : SCREENS) {
        SCOPED_TRACE(testing::Message() << s.width << " x " << s.height);
        EXPECT_EQ(wholeScaleFactor(s.width, s.height), s.factor);
    }
}

// What the program then sees is a screen of a whole fraction of the size: the
// work picture must lie wholly inside the window there, one factor more would
// not fit, and the smaller screen asks for no further enlargement.
TEST(ScreenScale, ScaledScreenHoldsThePicture) {
    for (const Screen& s : SCREENS) {
        if (s.width <= 0 || s.height <= 0 || s.factor == 1) continue;
        SCOPED_TRACE(testing::Message() << s.width << " x " << s.height);
        const int w = s.width / s.factor, h = s.height / s.factor;
        const MainWindowGeometry g = computeGeometry(w, h, LARGE_PICTURE_WIDTH, LARGE_PICTURE_HEIGHT);
        EXPECT_GE(g.screen.pictureLeft, 0);
        EXPECT_GE(g.screen.pictureTop, 0);
        EXPECT_LE(g.screen.pictureLeft + LARGE_PICTURE_WIDTH, g.windowWidth);
        EXPECT_LE(g.screen.pictureTop + LARGE_PICTURE_HEIGHT, g.windowHeight);
        EXPECT_FALSE(screenTooSmallAtCreation(w));
        EXPECT_FALSE(screenTooSmallAtStart(w, h));
        const bool nextFits = s.width / (s.factor + 1) >= LARGE_PICTURE_WIDTH &&
                              s.height / (s.factor + 1) >= LARGE_PICTURE_HEIGHT;
        EXPECT_FALSE(nextFits);
        EXPECT_EQ(wholeScaleFactor(w, h), 1);
    }
}

}  // namespace
