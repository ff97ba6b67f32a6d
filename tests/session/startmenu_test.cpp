#include <gtest/gtest.h>

#include "mainwindow/startmenu.h"

TEST(StartMenu, ClicksOnTheLargePictureMapToDesignPoints) {
    EXPECT_EQ(menuItemAt(300, 170, 1024, 768, 0), 11);  // design point 234, 133
    EXPECT_EQ(menuItemAt(504, 295, 800, 600, 0), 33);   // in 32 and 33: the later box wins
    EXPECT_EQ(menuItemAt(504, 300, 800, 600, 0), 32);
    EXPECT_EQ(menuItemAt(700, 555, 800, 600, 0), 80);
    EXPECT_EQ(menuItemAt(896, 710, 1024, 768, 0), 80);
    EXPECT_EQ(menuItemAt(100, 140, 800, 600, 0), 10);
    EXPECT_EQ(menuItemAt(100, 540, 800, 600, 0), 61);
    EXPECT_EQ(menuItemAt(500, 555, 800, 600, 0), 71);
    EXPECT_EQ(menuItemAt(400, 60, 800, 600, 0), 0);   // above the menu
    EXPECT_EQ(menuItemAt(790, 590, 800, 600, 0), 0);
}

TEST(StartMenu, NothingReactsWhileAnAreaIsOpen) {
    EXPECT_EQ(menuItemAt(300, 170, 1024, 768, 11), 0);
    EXPECT_EQ(menuItemAt(700, 555, 800, 600, 71), 0);
}

TEST(StartMenu, BoundsAreExclusiveAndHalvesRoundToEven) {
    EXPECT_EQ(menuItemAt(206, 130, 800, 600, 0), 0);
    EXPECT_EQ(menuItemAt(207, 130, 800, 600, 0), 11);
    EXPECT_EQ(menuItemAt(294, 130, 800, 600, 0), 11);
    EXPECT_EQ(menuItemAt(295, 130, 800, 600, 0), 0);
    EXPECT_EQ(menuItemAt(250, 117, 800, 600, 0), 0);
    EXPECT_EQ(menuItemAt(250, 118, 800, 600, 0), 11);
    EXPECT_EQ(menuItemAt(250, 159, 800, 600, 0), 11);
    EXPECT_EQ(menuItemAt(250, 160, 800, 600, 0), 0);
    // 1600-wide picture: 413 -> 206.5 -> 206 (outside), 415 -> 207.5 -> 208 (inside).
    EXPECT_EQ(menuItemAt(413, 260, 1600, 1200, 0), 0);
    EXPECT_EQ(menuItemAt(415, 260, 1600, 1200, 0), 11);
    // The band is chosen by y alone: just below a band's border nothing of the
    // band above is hit, even where its boxes lie in x.
    EXPECT_EQ(menuItemAt(500, 174, 800, 600, 0), 13);
    EXPECT_EQ(menuItemAt(500, 180, 800, 600, 0), 0);
    EXPECT_EQ(menuItemAt(500, 241, 800, 600, 0), 0);
    EXPECT_EQ(menuItemAt(600, 250, 800, 600, 0), 33);
    EXPECT_EQ(menuItemAt(500, 408, 800, 600, 0), 42);
    EXPECT_EQ(menuItemAt(500, 410, 800, 600, 0), 0);
}

TEST(StartMenu, OddPictureSizesGiveNothing) {
    EXPECT_EQ(menuItemAt(300, 170, 0, 768, 0), 0);
    EXPECT_EQ(menuItemAt(300, 170, 1024, -1, 0), 0);
    EXPECT_EQ(menuItemAt(-50, -50, 800, 600, 0), 0);
}
