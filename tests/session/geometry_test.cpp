#include <gtest/gtest.h>

#include "mainwindow/geometry.h"

namespace {

void expectRect(const Rect& r, int left, int top, int width, int height) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

TEST(Geometry, RoundsHalvesToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(62.5), 62);
    EXPECT_EQ(roundHalfEven(39.22), 39);
}

TEST(Geometry, PictureAndScreenChecksByWidth) {
    EXPECT_EQ(startPicturePath(800), "system/podklad800.bmp");
    EXPECT_EQ(startPicturePath(1024), "system/podklad.bmp");
    EXPECT_EQ(startPicturePath(1920), "system/podklad.bmp");
    EXPECT_EQ(startPicturePath(801), "system/podklad.bmp");
    EXPECT_TRUE(screenTooSmallAtCreation(798));
    EXPECT_FALSE(screenTooSmallAtCreation(799));
    EXPECT_TRUE(screenTooSmallAtStart(800, 560));
    EXPECT_TRUE(screenTooSmallAtStart(789, 600));
    EXPECT_FALSE(screenTooSmallAtStart(790, 590));
}

TEST(Geometry, SmallScreen) {
    const MainWindowGeometry g = computeGeometry(800, 600, 800, 600);
    EXPECT_EQ(g.windowWidth, 800);
    EXPECT_EQ(g.windowHeight, 600);
    EXPECT_DOUBLE_EQ(g.screen.scaleX, 1.0);
    EXPECT_EQ(g.screen.writingLeft, 32);
    EXPECT_EQ(g.screen.writingRight, 779);
    EXPECT_EQ(g.screen.writingTop, 100);
    EXPECT_EQ(g.screen.writingBottom, 581);

    EXPECT_EQ(g.writingLayout.areaLeft, 22);
    EXPECT_EQ(g.writingLayout.areaTop, 100);
    EXPECT_EQ(g.writingLayout.areaWidth, 746);
    EXPECT_EQ(g.writingLayout.pageLines, 9);
    EXPECT_EQ(g.writingLayout.lineHeight, 50);
    EXPECT_EQ(g.writingLayout.fontSize, (std::array<int32_t, 7>{0, 24, 14, 14, 8, 8, 16}));
    EXPECT_EQ(g.equationLayout.areaLeft, 105);
    EXPECT_EQ(g.equationLayout.areaTop, 15);
    EXPECT_EQ(g.equationLayout.areaWidth, 588);
    EXPECT_EQ(g.equationLayout.fontSize, (std::array<int32_t, 7>{0, 28, 14, 14, 8, 8, 16}));
    EXPECT_EQ(g.equationLayout.currentLine, 1);

    expectRect(g.bitBtn[2], 112, 72, 113, 25);
    expectRect(g.bitBtn[3], 432, 72, 25, 25);
    expectRect(g.bitBtn[10], 664, 72, 25, 25);
    expectRect(g.panel2, 240, 72, 169, 25);
    expectRect(g.imanim, 11, 10, 77, 78);
    expectRect(g.keypad, 179, 192, 441, 77);
    expectRect(g.panel1, 255, 176, 289, 329);
    EXPECT_EQ(g.mascot.x, 26);  // 25.5 rounds to even
    EXPECT_EQ(g.mascot.y, 14);
    expectRect(g.bubble, 81, 5, 189, 83);
    EXPECT_EQ(g.dial.dialLeft, 708);
    EXPECT_EQ(g.dial.dialTop, 10);
    EXPECT_EQ(g.dial.pivotX, 746);
    EXPECT_EQ(g.dial.pivotY, 82);
    EXPECT_EQ(g.caret.x, 32);
    EXPECT_EQ(g.caret.y, 110);
    EXPECT_FALSE(g.caret.shown);
}

TEST(Geometry, LargePictureScalesEveryPlace) {
    const MainWindowGeometry g = computeGeometry(1024, 768, 1024, 768);
    EXPECT_EQ(g.windowWidth, 1024);
    EXPECT_EQ(g.windowHeight, 768);
    EXPECT_DOUBLE_EQ(g.screen.scaleX, 1.28);
    EXPECT_DOUBLE_EQ(g.screen.scaleY, 1.28);
    EXPECT_EQ(g.screen.writingLeft, 41);
    EXPECT_EQ(g.screen.writingRight, 997);
    EXPECT_EQ(g.screen.writingTop, 128);
    EXPECT_EQ(g.screen.writingBottom, 744);
    EXPECT_EQ(g.writingLayout.areaLeft, 31);
    EXPECT_EQ(g.writingLayout.areaWidth, 955);
    EXPECT_EQ(g.writingLayout.pageLines, 12);
    EXPECT_EQ(g.equationLayout.areaLeft, 134);
    EXPECT_EQ(g.equationLayout.areaTop, 19);
    EXPECT_EQ(g.equationLayout.areaWidth, 754);

    expectRect(g.bitBtn[2], 143, 92, 113, 25);
    EXPECT_EQ(g.bitBtn[3].left, 553);
    EXPECT_EQ(g.bitBtn[10].left, 850);
    EXPECT_EQ(g.bitBtn[10].top, 92);
    EXPECT_EQ(g.panel2.left, 307);
    expectRect(g.imanim, 14, 13, 77, 78);
    expectRect(g.keypad, 291, 220, 441, 77);
    EXPECT_EQ(g.mascot.x, 39);
    EXPECT_EQ(g.mascot.y, 28);
    // The bubble stays clear of the mascot (an unscaled 81 would cover its edge).
    expectRect(g.bubble, 104, 6, 189, 83);
    EXPECT_GE(g.bubble.left, g.mascot.x + MASCOT_WIDTH);
    EXPECT_LT(81, g.mascot.x + MASCOT_WIDTH);
    EXPECT_EQ(g.dial.boxLeft, 906);
    EXPECT_EQ(g.dial.boxRight, 1006);
    EXPECT_EQ(g.dial.boxTop, 13);
    EXPECT_EQ(g.dial.boxBottom, 111);
    EXPECT_EQ(g.dial.dialLeft, 917);
    EXPECT_EQ(g.dial.dialTop, 23);
    EXPECT_EQ(g.dial.pivotX, 955);
    EXPECT_EQ(g.dial.pivotY, 95);
}

TEST(Geometry, OtherScreensCentreTheLargePicture) {
    MainWindowGeometry g = computeGeometry(1280, 1024, 1024, 768);
    EXPECT_EQ(g.windowWidth, 1280);
    EXPECT_EQ(g.windowHeight, 1024);
    EXPECT_EQ(g.screen.pictureLeft, 128);
    EXPECT_EQ(g.screen.pictureTop, 128);
    EXPECT_EQ(g.screen.writingLeft, 169);
    EXPECT_EQ(g.screen.writingTop, 256);
    // Page layouts are in picture coordinates, the same as without the offset.
    EXPECT_EQ(g.writingLayout.areaLeft, 31);
    EXPECT_EQ(g.writingLayout.areaTop, 128);
    EXPECT_EQ(g.equationLayout.areaLeft, 134);
    expectRect(g.bitBtn[2], 271, 220, 113, 25);
    expectRect(g.imanim, 142, 141, 77, 78);
    EXPECT_EQ(g.keypad.left, 419);
    EXPECT_EQ(g.keypad.top, 348);
    EXPECT_EQ(g.caret.x, 169);
    EXPECT_EQ(g.caret.y, 266);
    // Picture coordinates do not move with the picture.
    EXPECT_EQ(g.mascot.x, 39);
    EXPECT_EQ(g.dial.dialLeft, 917);

    g = computeGeometry(1920, 1080, 1024, 768);
    EXPECT_EQ(g.screen.pictureLeft, 448);
    EXPECT_EQ(g.screen.pictureTop, 156);
    EXPECT_EQ(g.screen.writingLeft, 489);
    EXPECT_EQ(g.screen.writingBottom, 900);
    EXPECT_EQ(g.bitBtn[10].left, 1298);

    // Offsets truncate towards zero on screens a little smaller than the picture.
    g = computeGeometry(1023, 767, 1024, 768);
    EXPECT_EQ(g.screen.pictureLeft, 0);
    EXPECT_EQ(g.screen.pictureTop, 0);
    g = computeGeometry(900, 700, 1024, 768);
    EXPECT_EQ(g.screen.pictureLeft, -62);
    EXPECT_EQ(g.screen.pictureTop, -34);

    // A picture of no size cannot make the factors zero or infinite.
    g = computeGeometry(800, 600, 0, 0);
    EXPECT_DOUBLE_EQ(g.screen.scaleX, 1.0);
    EXPECT_EQ(g.writingLayout.pageLines, 9);
}

}  // namespace
