// Where everything goes on the screen.  The start-screen picture is drawn for
// 800 x 600; every place below is given for that size and scaled to the
// picture actually loaded.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editor/keypad.h"
#include "editor/layout.h"
#include "editor/writtenline.h"
#include "engine/rounding.h"
#include "feedback/animation.h"  // the mascot's and the bubble's sizes and places
#include "mainwindow/speedometer.h"
#include "session/sessionstate.h"

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
// the small one for a screen exactly 800 pixels wide, and for any screen that
// cannot hold the large one whole (1024 x 600, 1280 x 720), where the menu
// and "Konec" would otherwise lie off the screen.
bool smallStartPicture(int32_t screenWidth, int32_t screenHeight);
std::string startPicturePath(int32_t screenWidth, int32_t screenHeight);

// The size of a picture the program draws; a file of any other size is taken
// as missing, since every place on the screen is computed from it.
struct PictureSize {
    int32_t width = 0, height = 0;
};
// That of startPicturePath(): 800 x 600, or 1024 x 768.
PictureSize startPictureSize(int32_t screenWidth, int32_t screenHeight);

// The pictures of the toolbar's buttons, square.
constexpr int32_t TOOLBAR_PICTURE_SIDE = 25;

// The keypad picture's size is the editor's, whose key areas fill it.
constexpr int32_t KEYPAD_WIDTH = KeypadPicture::width;
constexpr int32_t KEYPAD_HEIGHT = KeypadPicture::height;

// The toolbar's buttons by their numbers, 2..10 from left to right.
enum class ToolbarButton {
    ShowSolution = 2,
    Fraction = 3,
    Power2 = 4,
    Power3 = 5,
    Power4 = 6,
    Evaluation = 7,
    Help = 8,
    Teacher = 9,
    Leave = 10,
};
constexpr ToolbarButton TOOLBAR_BUTTONS[] = {
    ToolbarButton::ShowSolution, ToolbarButton::Fraction,   ToolbarButton::Power2,
    ToolbarButton::Power3,       ToolbarButton::Power4,     ToolbarButton::Evaluation,
    ToolbarButton::Help,         ToolbarButton::Teacher,    ToolbarButton::Leave,
};
constexpr int toolbarIndex(ToolbarButton button) { return static_cast<int>(button); }

struct MainWindowGeometry {
    int32_t windowWidth = 0, windowHeight = 0;
    ScreenGeometry screen;  // scale factors, picture offset, writing area (window coordinates)
    PageLayout writingLayout;
    PageLayout equationLayout;
    Caret caret;  // at the writing area's left edge, not shown yet

    // Window coordinates.
    std::array<Rect, 11> toolbar{};  // by toolbarIndex; [0] and [1] unused
    Rect areaLabel;        // the area's name
    Rect mascotPlace;      // the mascot's placeholder control
    Rect keypad;           // before it follows the caret
    Rect exerciseChooser;

    // Picture coordinates.
    Point mascot;  // where the mascot's pictures are drawn and saved
    Rect bubble;   // the speech bubble
    DialGeometry dial;
    PictureBox equationBand;  // cleared before an equation is drawn
    PictureBox writingArea;   // the pupil's page

    const Rect& toolbarButton(ToolbarButton button) const { return toolbar[toolbarIndex(button)]; }
};

// `pictureWidth` and `pictureHeight` are those of the picture actually loaded
// from startPicturePath(); a picture of no size is taken as 800 x 600.
MainWindowGeometry computeGeometry(int32_t screenWidth, int32_t screenHeight, int32_t pictureWidth,
                                   int32_t pictureHeight);
