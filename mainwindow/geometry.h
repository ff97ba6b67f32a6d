// Where everything goes on the screen.  The start-screen picture is drawn for
// 800 x 600; every place below is given for that size and scaled to the
// picture actually loaded.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editor/writtenline.h"
#include "engine/rounding.h"
#include "feedback/animation.h"  // the mascot's and the bubble's sizes and places
#include "mainwindow/sessionstate.h"
#include "mainwindow/speedometer.h"


struct Rect {
    int32_t left = 0, top = 0, width = 0, height = 0;
};

struct Point {
    int32_t x = 0, y = 0;
};

// Screens narrower than this cannot be used at all.
constexpr int32_t MIN_SCREEN_WIDTH_AT_CREATION = 799;
inline bool screenTooSmallAtCreation(int32_t screenWidth) {
    return screenWidth < MIN_SCREEN_WIDTH_AT_CREATION;
}
inline bool screenTooSmallAtStart(int32_t screenWidth, int32_t screenHeight) {
    return screenWidth < 790 || screenHeight < 590;
}

// The start-screen picture for this screen, relative to the program's folder:
// the small one only for a screen exactly 800 pixels wide.
std::string startPicturePath(int32_t screenWidth);

constexpr int32_t KEYPAD_WIDTH = 441;
constexpr int32_t KEYPAD_HEIGHT = 77;

struct MainWindowGeometry {
    int32_t windowWidth = 0, windowHeight = 0;
    ScreenGeometry screen;  // scale factors, picture offset, writing area (window coordinates)
    PageLayout writingLayout;
    PageLayout equationLayout;
    Caret caret;  // at the writing area's left edge, not shown yet

    // Window coordinates.  bitBtn[k] is BitBtn<k>, k = 2..10.
    std::array<Rect, 11> bitBtn{};
    Rect panel2;   // the area's name
    Rect imanim;   // the mascot's placeholder
    Rect keypad;   // Image2, before it follows the caret
    Rect panel1;   // the exercise chooser

    // Picture coordinates.
    Point mascot;  // where the mascot's pictures are drawn and saved
    Rect bubble;   // the speech bubble
    DialGeometry dial;
};

// `pictureWidth` and `pictureHeight` are those of the picture actually loaded
// from startPicturePath(screenWidth); a picture of no size is taken as 800 x 600.
MainWindowGeometry computeGeometry(int32_t screenWidth, int32_t screenHeight, int32_t pictureWidth,
                                   int32_t pictureHeight);
