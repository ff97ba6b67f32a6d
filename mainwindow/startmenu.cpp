#include "mainwindow/startmenu.h"

#include "engine/rounding.h"
#include "mainwindow/menuboxes.h"

namespace {

// The menu is read in horizontal bands: a point is looked up only among the
// boxes of its own band, the last box holding it winning.
constexpr int32_t BAND_BOTTOMS[] = {180, 240, 330, 410};

constexpr int bandOf(int32_t y) {
    int band = 0;
    for (int32_t bottom : BAND_BOTTOMS)
        if (y >= bottom) ++band;
    return band;
}

// Every box lies within one band, so the boxes that can hold a point are
// those of its band, and the last box holding it wins; a box drawn across a
// band's border in menu.txt would be cut in two and stops the build here.
constexpr bool boxesKeepToTheirBands() {
    for (const MenuBox& b : MENU_BOXES)
        if (bandOf(b.top + 1) != bandOf(b.bottom - 1)) return false;
    return true;
}
static_assert(boxesKeepToTheirBands(), "a menu box in data/pictures/menu.txt crosses a band border");

}  // namespace

int32_t menuItemAt(int32_t x, int32_t y, int32_t pictureWidth, int32_t pictureHeight, int32_t currentArea) {
    if (currentArea != 0 || pictureWidth <= 0 || pictureHeight <= 0) return 0;
    const int32_t dx = roundHalfEven(x * 800.0 / pictureWidth);
    const int32_t dy = roundHalfEven(y * 600.0 / pictureHeight);
    int32_t code = 0;
    for (const MenuBox& b : MENU_BOXES)
        if (b.left < dx && dx < b.right && b.top < dy && dy < b.bottom) code = b.code;
    return code;
}
