// The speedometer in the picture's top right corner: where the dial sits and
// where its needle points for an area's share of correct steps.  Drawing is
// the main window's; this only computes.
#pragma once

#include <array>
#include <cstdint>

#include "session/sessionstate.h"

constexpr int32_t DIAL_WIDTH = 78;
constexpr int32_t DIAL_HEIGHT = 77;

struct DialGeometry {
    // The box painted white, in picture coordinates.
    int32_t boxLeft = 0, boxTop = 0, boxRight = 0, boxBottom = 0;
    // The unscaled dial picture, centred in the box.
    int32_t dialLeft = 0, dialTop = 0;
    int32_t pivotX = 0, pivotY = 0;
};

DialGeometry dialGeometry(double scaleX, double scaleY);

struct NeedleEnd {
    int32_t x = 11, y = 32;  // relative to the dial's top-left corner
    int band = 0;            // grade band 1..5; 0 with no step yet (rest position)
    int percent = -1;        // rounded share of correct steps; -1 with no step yet
};

// `boundaries` are the grade boundaries for grades 1..4 in percent, normally
// falling from first to last.  Any values give a needle end on the dial.
NeedleEnd needleEnd(const AreaStatistics& row, const std::array<int32_t, 4>& boundaries);
