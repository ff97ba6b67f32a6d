#include "mainwindow/screenscale.h"

#include <algorithm>

int32_t wholeScaleFactor(int32_t screenWidth, int32_t screenHeight) {
    if (screenWidth <= 0 || screenHeight <= 0) return 1;
    return std::max<int32_t>(1, std::min(screenWidth / LARGE_PICTURE_WIDTH, screenHeight / LARGE_PICTURE_HEIGHT));
}
