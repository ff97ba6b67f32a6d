// How much the program enlarges itself on a very large screen.  The work
// picture is 1024 x 768; on a 4K board it would fill a quarter of the screen
// with letters too small to read from the back of a class.
#pragma once

#include <cstdint>

constexpr int32_t LARGE_PICTURE_WIDTH = 1024;
constexpr int32_t LARGE_PICTURE_HEIGHT = 768;

// The largest whole factor by which the 1024 x 768 picture still fits on a
// screen of this size (in the screen's own logical pixels), so 2 on
// 3840 x 2160; 1 on every screen that cannot hold it twice on both sides,
// 1920 x 1080 and 2560 x 1440 included.  Whole factors keep every pixel of
// the pictures and of the lines drawn on them sharp.
int32_t wholeScaleFactor(int32_t screenWidth, int32_t screenHeight);
