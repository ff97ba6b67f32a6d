#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <utility>

#include "mainwindow/geometry.h"

namespace {

TEST(Geometry, PictureChoiceScreenChecksAndRounding) {
    // The large picture only where it fits whole, so the menu and "Konec"
    // are always on the screen.
    for (auto [w, h] : {std::pair{800, 600}, {800, 1280}, {801, 900}, {1024, 600}, {1280, 720}, {1023, 768}})
        EXPECT_EQ(startPicturePath(w, h), "system/podklad800.bmp") << w << "x" << h;
    for (auto [w, h] : {std::pair{1024, 768}, {1366, 768}, {1920, 1080}})
        EXPECT_EQ(startPicturePath(w, h), "system/podklad.bmp") << w << "x" << h;
    EXPECT_EQ((std::vector<bool>{screenTooSmallAtCreation(798), screenTooSmallAtCreation(799),
                                 screenTooSmallAtStart(800, 560), screenTooSmallAtStart(790, 590)}),
              (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ((std::vector<int>{roundHalfEven(2.5), roundHalfEven(3.5), roundHalfEven(-2.5)}),
              (std::vector<int>{2, 4, -2}));
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

std::string screenName(const Expected& e) {
    std::string name = "Screen" + std::to_string(e.screenW) + "x" + std::to_string(e.screenH);
    if (e.pictureW != e.screenW || e.pictureH != e.screenH)
        name += "Picture" + std::to_string(e.pictureW) + "x" + std::to_string(e.pictureH);
    return name;
}

void PrintTo(const Expected& e, std::ostream* out) { *out << screenName(e); }

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
    const Rect& showSolution = g.toolbarButton(ToolbarButton::ShowSolution);
    const Rect& leave = g.toolbarButton(ToolbarButton::Leave);
    EXPECT_EQ(std::vector<int>({showSolution.left, showSolution.top, leave.left, leave.top, g.mascotPlace.left,
                                g.mascotPlace.top, g.keypad.left, g.keypad.top}),
              std::vector<int>({e.button2Left, e.toolbarTop, e.button10Left, e.toolbarTop, e.imanimLeft,
                                e.imanimTop, e.keypadLeft, e.keypadTop}));
    EXPECT_EQ(std::vector<int>({g.mascot.x, g.mascot.y, g.bubble.left, g.bubble.top, g.dial.dialLeft,
                                g.dial.dialTop, g.caret.x, g.caret.y}),
              std::vector<int>({e.mascotX, e.mascotY, e.bubbleLeft, e.bubbleTop, e.dialLeft, e.dialTop,
                                e.writingLeft, e.writingTop + 10}));
    // The bubble never covers the mascot.
    EXPECT_GE(g.bubble.left, g.mascot.x + MASCOT_WIDTH);
    // The feedback draws the mascot and the bubble where the window keeps
    // their places free; the white band the equation is written into starts
    // where its page does.
    const PixelPoint m = mascotPosition(s.scaleX, s.scaleY);
    const PixelPoint b = bubblePosition(s.scaleX, s.scaleY);
    EXPECT_EQ(std::vector<int>({m.x, m.y, b.x, b.y, g.equationBand.left}),
              std::vector<int>({g.mascot.x, g.mascot.y, g.bubble.left, g.bubble.top, g.equationLayout.areaLeft}));
    // The writing area is the page in picture coordinates.
    EXPECT_EQ(std::vector<int>({g.writingArea.left, g.writingArea.top, g.writingArea.right, g.writingArea.bottom}),
              std::vector<int>({e.writingLeft - e.pictureLeft, e.writingTop - e.pictureTop,
                                e.writingRight - e.pictureLeft, e.writingBottom - e.pictureTop}));
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
        // A screen 1024 wide but too low for the large picture: the small one,
        // centred in a window as large as the screen.
        Expected{1024, 600, 800, 600, 1024, 600, 112, 0, 144, 891, 100, 581, 22, 746, 9, 105, 15, 588,
                 224, 72, 776, 123, 10, 291, 192, 26, 14, 81, 5, 708, 10},
        // A picture of no size is taken as 800 x 600 instead of dividing by it.
        Expected{800, 600, 0, 0, 800, 600, 0, 0, 32, 779, 100, 581, 22, 746, 9, 105, 15, 588,
                 112, 72, 664, 11, 10, 179, 192, 26, 14, 81, 5, 708, 10}),
    [](const ::testing::TestParamInfo<Expected>& info) { return screenName(info.param); });

TEST(Geometry, EveryToolbarButtonInItsPlace) {
    struct Place {
        ToolbarButton button;
        int left800, left1024, width;
    };
    const Place places[] = {
        {ToolbarButton::ShowSolution, 112, 143, 113}, {ToolbarButton::Fraction, 432, 553, 25},
        {ToolbarButton::Power2, 464, 594, 25},        {ToolbarButton::Power3, 496, 635, 25},
        {ToolbarButton::Power4, 528, 676, 25},        {ToolbarButton::Evaluation, 568, 727, 25},
        {ToolbarButton::Help, 600, 768, 25},          {ToolbarButton::Teacher, 632, 809, 25},
        {ToolbarButton::Leave, 664, 850, 25},
    };
    static_assert(std::size(places) == std::size(TOOLBAR_BUTTONS));
    const MainWindowGeometry small = computeGeometry(800, 600, 800, 600);
    const MainWindowGeometry wide = computeGeometry(1920, 1080, 1024, 768);
    for (const Place& p : places) {
        const int k = toolbarIndex(p.button);
        const Rect& a = small.toolbarButton(p.button);
        const Rect& b = wide.toolbarButton(p.button);
        EXPECT_EQ(std::vector<int>({a.left, a.top, a.width, a.height}), std::vector<int>({p.left800, 72, p.width, 25}))
            << k;
        EXPECT_EQ(std::vector<int>({b.left, b.top}), std::vector<int>({448 + p.left1024, 156 + 92})) << k;
    }
    // The area's label sits in the same row, between the first two buttons.
    EXPECT_EQ(std::vector<int>({small.areaLabel.left, small.areaLabel.top}), std::vector<int>({240, 72}));
}

TEST(Geometry, FixedSizesAndFonts) {
    const MainWindowGeometry g = computeGeometry(1920, 1080, 1024, 768);
    using Sizes = std::array<int32_t, 7>;
    EXPECT_EQ(std::make_tuple(g.writingLayout.fontSize, g.equationLayout.fontSize, g.equationLayout.pageLines),
              std::make_tuple(Sizes{0, 24, 14, 14, 8, 8, 16}, Sizes{0, 28, 14, 14, 8, 8, 16},
                              g.writingLayout.pageLines));
    const MainWindowGeometry small = computeGeometry(800, 600, 800, 600);
    const PictureBox& band = small.equationBand;
    EXPECT_EQ((std::vector<int>{g.exerciseChooser.left, g.exerciseChooser.top, small.exerciseChooser.left,
                                small.exerciseChooser.top, band.left, band.top, band.right, band.bottom}),
              (std::vector<int>{448 + (1024 - 289) / 2, 156 + 176, 255, 176, 105, 7, 694, 61}));
}

}  // namespace
