#include <gtest/gtest.h>

#include "mainwindow/startmenu.h"

struct Click {
    int x, y, pictureW, pictureH, currentArea, item;
};

TEST(StartMenu, ClicksMapToTheItemsDrawnOnTheDesignPicture) {
    const Click clicks[] = {
        {300, 170, 1024, 768, 0, 11},  // design point 234, 133
        {504, 295, 800, 600, 0, 33},   // in 32 and 33: the later box wins
        {504, 300, 800, 600, 0, 32},
        {700, 555, 800, 600, 0, 80},
        {896, 710, 1024, 768, 0, 80},
        {100, 140, 800, 600, 0, 10},
        {100, 540, 800, 600, 0, 61},
        {500, 555, 800, 600, 0, 71},
        {400, 60, 800, 600, 0, 0},     // above the menu
        {790, 590, 800, 600, 0, 0},
        // Bounds are exclusive.
        {206, 130, 800, 600, 0, 0}, {207, 130, 800, 600, 0, 11},
        {294, 130, 800, 600, 0, 11}, {295, 130, 800, 600, 0, 0},
        {250, 117, 800, 600, 0, 0}, {250, 118, 800, 600, 0, 11},
        {250, 159, 800, 600, 0, 11}, {250, 160, 800, 600, 0, 0},
        // 1600-wide picture: 413 -> 206.5 -> 206 (outside), 415 -> 207.5 -> 208 (inside).
        {413, 260, 1600, 1200, 0, 0}, {415, 260, 1600, 1200, 0, 11},
        // The band is chosen by y alone: just below a band's border nothing of
        // the band above is hit, even where its boxes lie in x.
        {500, 174, 800, 600, 0, 13}, {500, 180, 800, 600, 0, 0},
        {500, 241, 800, 600, 0, 0}, {600, 250, 800, 600, 0, 33},
        {500, 408, 800, 600, 0, 42}, {500, 410, 800, 600, 0, 0},
        // Nothing reacts while an area is open, nor on a picture of no size.
        {300, 170, 1024, 768, 11, 0}, {700, 555, 800, 600, 71, 0},
        {300, 170, 0, 768, 0, 0}, {300, 170, 1024, -1, 0, 0}, {-50, -50, 800, 600, 0, 0},
    };
    for (const Click& c : clicks) {
        EXPECT_EQ(menuItemAt(c.x, c.y, c.pictureW, c.pictureH, c.currentArea), c.item)
            << c.x << ", " << c.y << " on " << c.pictureW << " x " << c.pictureH << " in area " << c.currentArea;
    }
}
