#include "mainwindow/geometry.h"

#include <cmath>

bool smallStartPicture(int32_t screenWidth, int32_t screenHeight) {
    return screenWidth == 800 || screenWidth < 1024 || screenHeight < 768;
}

std::string startPicturePath(int32_t screenWidth, int32_t screenHeight) {
    return smallStartPicture(screenWidth, screenHeight) ? "system/podklad800.bmp" : "system/podklad.bmp";
}

PictureSize startPictureSize(int32_t screenWidth, int32_t screenHeight) {
    return smallStartPicture(screenWidth, screenHeight) ? PictureSize{800, 600} : PictureSize{1024, 768};
}

namespace {

PageLayout pageLayout(int32_t left, int32_t top, int32_t width, int32_t pageLines,
                      const std::array<int32_t, 6>& fontSizes) {
    PageLayout layout;
    for (int level = 1; level <= 6; ++level) layout.fontSize[level] = fontSizes[level - 1];
    layout.lineHeight = 50;
    layout.areaLeft = left;
    layout.areaTop = top;
    layout.areaWidth = width;
    layout.pageLines = static_cast<uint8_t>(pageLines);
    layout.currentLine = 1;
    layout.editLevel = MAIN_LEVEL;
    return layout;
}

}  // namespace

MainWindowGeometry computeGeometry(int32_t screenWidth, int32_t screenHeight, int32_t pictureWidth,
                                   int32_t pictureHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0) {
        pictureWidth = 800;
        pictureHeight = 600;
    }
    MainWindowGeometry g;
    ScreenGeometry& s = g.screen;
    if (screenWidth == 800) {
        g.windowWidth = 800;
        g.windowHeight = 600;
    } else if (screenWidth == 1024 && screenHeight >= 768) {
        g.windowWidth = 1024;
        g.windowHeight = 768;
    } else {
        // Other screens show the picture in the middle of a full-screen window:
        // the large one, or the small one where the large would be cut.
        g.windowWidth = screenWidth;
        g.windowHeight = screenHeight;
        s.pictureLeft = (screenWidth - pictureWidth) / 2;
        s.pictureTop = (screenHeight - pictureHeight) / 2;
    }
    s.scaleX = pictureWidth / 800.0;
    s.scaleY = pictureHeight / 600.0;
    const double sx = s.scaleX, sy = s.scaleY;
    const int32_t pl = s.pictureLeft, pt = s.pictureTop;

    s.writingLeft = roundHalfEven(32 * sx) + pl;
    s.writingRight = roundHalfEven(779 * sx) + pl;
    s.writingTop = roundHalfEven(100 * sy) + pt;
    s.writingBottom = roundHalfEven(581 * sy) + pt;
    const int32_t pageLines = (s.writingBottom - s.writingTop) / 50;

    g.writingLayout = pageLayout(s.writingLeft - pl - 10, s.writingTop - pt, s.writingRight - s.writingLeft - 1,
                                 pageLines, {24, 14, 14, 8, 8, 16});
    const int32_t equationLeft = roundHalfEven(73 * sx) + s.writingLeft - pl;
    g.equationLayout = pageLayout(equationLeft, roundHalfEven(15 * sy),
                                  roundHalfEven(800 * sx - (2 * equationLeft + 2)), pageLines,
                                  {28, 14, 14, 8, 8, 16});

    g.caret.x = s.writingLeft;
    g.caret.y = s.writingTop + 10;
    g.caret.height = 30;

    // The toolbar: one row at the height of the solution button; sizes stay as drawn.
    const int32_t toolbarTop = roundHalfEven(72 * sy + pt);
    g.toolbar[toolbarIndex(ToolbarButton::ShowSolution)] = {roundHalfEven(112 * sx + pl), toolbarTop, 113, 25};
    const int32_t buttonLefts[] = {432, 464, 496, 528, 568, 600, 632, 664};  // Fraction .. Leave
    for (int k = toolbarIndex(ToolbarButton::Fraction); k <= toolbarIndex(ToolbarButton::Leave); ++k)
        g.toolbar[k] = {roundHalfEven(buttonLefts[k - 3] * sx + pl), toolbarTop, 25, 25};
    g.areaLabel = {roundHalfEven(240 * sx + pl), toolbarTop, 169, 25};
    g.mascotPlace = {roundHalfEven(11 * sx + pl), roundHalfEven(10 * sy) + pt, 77, 78};

    g.keypad = {pl + (pictureWidth - KEYPAD_WIDTH) / 2, s.writingTop + 92, KEYPAD_WIDTH, KEYPAD_HEIGHT};
    // The chooser is centred on the picture: on an 800-pixel screen that is
    // (800 - 289) / 2 as the picture was drawn for, and on a wider screen it
    // still opens over the menu instead of beside the picture.
    g.exerciseChooser = {pl + (pictureWidth - 289) / 2, s.pictureTop + 176, 289, 329};

    // The mascot is centred in a 78 x 78 scaled box; its horizontal offset of
    // 10 follows scaleY, at capture and at drawing alike.
    // The mascot and the bubble are placed where the feedback draws them.
    const PixelPoint mascot = mascotPosition(sx, sy);
    const PixelPoint bubble = bubblePosition(sx, sy);
    g.mascot = {mascot.x, mascot.y};
    g.bubble = {bubble.x, bubble.y, BUBBLE_WIDTH, BUBBLE_HEIGHT};
    g.dial = dialGeometry(sx, sy);

    const int32_t bandLeft = roundHalfEven(73 * sx) + s.writingLeft - pl;
    g.equationBand = {bandLeft, roundHalfEven(7 * sy), bandLeft + roundHalfEven(586 * sx) + 3, roundHalfEven(61 * sy)};
    g.writingArea = {s.writingLeft - pl, s.writingTop - pt, s.writingRight - pl, s.writingBottom - pt};
    return g;
}
