#include <gtest/gtest.h>

#include "mainwindow/geometry.h"

namespace {

TEST(Geometry, PictureChoiceScreenChecksAndRounding) {
    EXPECT_EQ(startPicturePath(800), "system/podklad800.bmp");
    EXPECT_EQ(startPicturePath(801), "system/podklad.bmp");
    EXPECT_TRUE(screenTooSmallAtCreation(798));
    EXPECT_FALSE(screenTooSmallAtCreation(799));
    EXPECT_TRUE(screenTooSmallAtStart(800, 560));
    EXPECT_FALSE(screenTooSmallAtStart(790, 590));
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
}

struct Expected {
    int screenW, screenH, pictureW, pictureH;
    int windowW, windowH, pictureLeft, pictureTop;
    int writingLeft, writingRight, writingTop, writingBottom;
    int writingAreaLeft, writingWidth, pageLines;
    int equationLeft, equationTop, equationWidth;
    int button2Left, toolbarTop, button10Left, imanimLeft, imanimTop, keypadLeft, keypadTop;
    int mascotX, mascotY, bubbleLeft, bubbleTop, dialLeft, dialTop;
};

class GeometryFor : public ::testing::TestWithParam<Expected> {};

TEST_P(GeometryFor, PlacesEverything) {
    const Expected& e = GetParam();
    const MainWindowGeometry g = computeGeometry(e.screenW, e.screenH, e.pictureW, e.pictureH);
    const ScreenGeometry& s = g.screen;
    EXPECT_EQ(std::vector<int>({g.windowWidth, g.windowHeight, s.pictureLeft, s.pictureTop}),
              std::vector<int>({e.windowW, e.windowH, e.pictureLeft, e.pictureTop}));
    EXPECT_EQ(std::vector<int>({s.writingLeft, s.writingRight, s.writingTop, s.writingBottom}),
              std::vector<int>({e.writingLeft, e.writingRight, e.writingTop, e.writingBottom}));
    // Page layouts are in picture coordinates.
    EXPECT_EQ(std::vector<int>({g.writingLayout.areaLeft, g.writingLayout.areaTop, g.writingLayout.areaWidth,
                                g.writingLayout.pageLines}),
              std::vector<int>({e.writingAreaLeft, e.writingTop - e.pictureTop, e.writingWidth, e.pageLines}));
    EXPECT_EQ(std::vector<int>({g.equationLayout.areaLeft, g.equationLayout.areaTop, g.equationLayout.areaWidth}),
              std::vector<int>({e.equationLeft, e.equationTop, e.equationWidth}));
    EXPECT_EQ(std::vector<int>({g.bitBtn[2].left, g.bitBtn[2].top, g.bitBtn[10].left, g.bitBtn[10].top,
                                g.imanim.left, g.imanim.top, g.keypad.left, g.keypad.top}),
              std::vector<int>({e.button2Left, e.toolbarTop, e.button10Left, e.toolbarTop, e.imanimLeft,
                                e.imanimTop, e.keypadLeft, e.keypadTop}));
    EXPECT_EQ(std::vector<int>({g.mascot.x, g.mascot.y, g.bubble.left, g.bubble.top, g.dial.dialLeft,
                                g.dial.dialTop, g.caret.x, g.caret.y}),
              std::vector<int>({e.mascotX, e.mascotY, e.bubbleLeft, e.bubbleTop, e.dialLeft, e.dialTop,
                                e.writingLeft, e.writingTop + 10}));
    // The bubble never covers the mascot.
    EXPECT_GE(g.bubble.left, g.mascot.x + MASCOT_WIDTH);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, GeometryFor,
    ::testing::Values(
        // 800 x 600: nothing scales; the mascot's 25.5 rounds to even.
        Expected{800, 600, 800, 600, 800, 600, 0, 0, 32, 779, 100, 581, 22, 746, 9, 105, 15, 588,
                 112, 72, 664, 11, 10, 179, 192, 26, 14, 81, 5, 708, 10},
        Expected{1024, 768, 1024, 768, 1024, 768, 0, 0, 41, 997, 128, 744, 31, 955, 12, 134, 19, 754,
                 143, 92, 850, 14, 13, 291, 220, 39, 28, 104, 6, 917, 23},
        // Other screens centre the large picture; picture coordinates stay put.
        Expected{1920, 1080, 1024, 768, 1920, 1080, 448, 156, 489, 1445, 284, 900, 31, 955, 12, 134, 19, 754,
                 591, 248, 1298, 462, 169, 739, 376, 39, 28, 104, 6, 917, 23},
        // Offsets truncate towards zero on a screen a little smaller than the picture.
        Expected{900, 700, 1024, 768, 900, 700, -62, -34, -21, 935, 94, 710, 31, 955, 12, 134, 19, 754,
                 81, 58, 788, -48, -21, 229, 186, 39, 28, 104, 6, 917, 23},
        // A picture of no size is taken as 800 x 600 instead of dividing by it.
        Expected{800, 600, 0, 0, 800, 600, 0, 0, 32, 779, 100, 581, 22, 746, 9, 105, 15, 588,
                 112, 72, 664, 11, 10, 179, 192, 26, 14, 81, 5, 708, 10}));

TEST(Geometry, FixedSizesAndFonts) {
    const MainWindowGeometry g = computeGeometry(1920, 1080, 1024, 768);
    EXPECT_EQ(g.writingLayout.fontSize, (std::array<int32_t, 7>{0, 24, 14, 14, 8, 8, 16}));
    EXPECT_EQ(g.equationLayout.fontSize, (std::array<int32_t, 7>{0, 28, 14, 14, 8, 8, 16}));
    EXPECT_EQ(g.equationLayout.pageLines, g.writingLayout.pageLines);
    EXPECT_EQ(g.panel1.left, 448 + (1024 - 289) / 2);
    EXPECT_EQ(g.panel1.top, 156 + 176);
    const MainWindowGeometry small = computeGeometry(800, 600, 800, 600);
    EXPECT_EQ(small.panel1.left, 255);
    EXPECT_EQ(small.panel1.top, 176);
}

}  // namespace
