// The start screen's menu: the items are part of the picture, so a click is
// mapped to an item through fixed boxes drawn for an 800 x 600 picture.  The
// boxes come from data/pictures/menu.txt, as the pictures do.
#pragma once

#include <cstdint>

constexpr int32_t EXIT_ITEM = 80;  // the exit item, not an area

// Code of the item under picture point (x, y) on a picture of the given size:
// an area, a group heading, 61, 71 (exercise), 80 (exit), or 0 for none.
// Nothing is an item while an area is open.
int32_t menuItemAt(int32_t x, int32_t y, int32_t pictureWidth, int32_t pictureHeight, int32_t currentArea);
