#include "mainwindow/startmenu.h"

#include "mainwindow/geometry.h"

namespace {

struct MenuBox {
    int32_t code, left, right, top, bottom;
};

// Bands by the y of the point; within a band the last box holding the point wins.
constexpr MenuBox BAND1[] = {
    {10, 36, 187, 124, 161}, {11, 206, 295, 117, 160}, {12, 328, 434, 117, 152},
    {13, 459, 537, 115, 175}, {14, 606, 709, 120, 169},
};
constexpr MenuBox BAND2[] = {
    {20, 36, 145, 199, 231}, {21, 168, 274, 194, 228}, {22, 300, 487, 191, 226}, {23, 518, 755, 190, 230},
};
constexpr MenuBox BAND3[] = {
    {30, 40, 275, 272, 304}, {31, 289, 459, 242, 280}, {32, 305, 505, 289, 321}, {33, 503, 774, 249, 298},
};
constexpr MenuBox BAND4[] = {
    {40, 40, 214, 343, 385}, {41, 225, 319, 340, 402}, {42, 344, 527, 351, 409}, {43, 548, 769, 339, 408},
};
constexpr MenuBox BAND5[] = {
    {80, 643, 756, 538, 572}, {50, 30, 294, 423, 490}, {51, 304, 433, 431, 487},
    {52, 481, 731, 434, 520}, {61, 45, 435, 523, 555}, {71, 470, 596, 541, 571},
};

template <std::size_t N>
int32_t hit(const MenuBox (&band)[N], int32_t x, int32_t y) {
    int32_t code = 0;
    for (const MenuBox& b : band)
        if (b.left < x && x < b.right && b.top < y && y < b.bottom) code = b.code;
    return code;
}

}  // namespace

int32_t menuItemAt(int32_t x, int32_t y, int32_t pictureWidth, int32_t pictureHeight, int32_t currentArea) {
    if (currentArea != 0 || pictureWidth <= 0 || pictureHeight <= 0) return 0;
    const int32_t dx = roundHalfEven(x * 800.0 / pictureWidth);
    const int32_t dy = roundHalfEven(y * 600.0 / pictureHeight);
    if (dy < 180) return hit(BAND1, dx, dy);
    if (dy < 240) return hit(BAND2, dx, dy);
    if (dy < 330) return hit(BAND3, dx, dy);
    if (dy < 410) return hit(BAND4, dx, dy);
    return hit(BAND5, dx, dy);
}
