#include <gtest/gtest.h>

#include <utility>

#include "engine/cp1250.h"
#include "problems/areas.h"

namespace {

using cp1250::w1250;

struct Area {
    int index, code;
    const char* name;  // as the pupil reads it on the area label
};

// Every row of the area table: a typo here is a typo on the pupil's screen.
constexpr Area AREAS[] = {
    {1, 10, "Nejlehčí"},
    {2, 11, "Nejlehčí 1"},
    {3, 12, "Nejlehčí 2"},
    {4, 13, "Nejlehčí 3"},
    {5, 14, "Nejlehčí 4"},
    {6, 20, "Lehké"},
    {7, 21, "Lehké 1"},
    {8, 22, "Lehké 2"},
    {9, 23, "Lehké 3"},
    {10, 30, "Se závorkami"},
    {11, 31, "Se závorkami 1"},
    {12, 32, "Se závorkami 2"},
    {13, 33, "Se závorkami 3"},
    {14, 40, "Se zlomkem"},
    {15, 41, "Se zlomkem 1"},
    {16, 42, "Se zlomkem 2"},
    {17, 43, "Se zlomkem 3"},
    {18, 50, "Nezn. ve jmenovateli"},
    {19, 51, "Nezn. ve jmenovateli 1"},
    {20, 52, "Nezn. ve jmenovateli 2"},
    {21, 61, "Přijímačky"},
    {22, 71, "Cvičení   "},  // followed by the exercise's name
};

TEST(AreaTable, EveryAreaHasItsIndexCodeAndName) {
    static_assert(std::size(AREAS) == AREA_COUNT);
    for (const Area& a : AREAS) {
        EXPECT_EQ(areaIndexOf(a.code), a.index) << a.code;
        EXPECT_EQ(areaCodeOf(a.index), a.code) << a.index;
        EXPECT_EQ(areaName(a.code, ""), w1250(a.name)) << a.code;
        EXPECT_EQ(isGroupHeading(a.code), a.code % 10 == 0) << a.code;
    }
    for (int code : {0, 15, 24, 53, 60, 62, 70, 80, -10}) {
        EXPECT_EQ(areaIndexOf(code), 0) << code;
        EXPECT_EQ(areaName(code, "x.cvc"), "") << code;
        EXPECT_FALSE(isGroupHeading(code)) << code;
    }
    for (int index : {0, 23, -1}) EXPECT_EQ(areaCodeOf(index), 0) << index;
}

TEST(AreaTable, ExerciseNameIsTheListedFileWithoutItsExtension) {
    const std::pair<std::string, std::string> names[] = {
        {"test.cvc", "Cvičení   test"},
        {w1250("žába.cvc"), "Cvičení   žába"},
        {".cv", "Cvičení   "},
        {"", "Cvičení   "},
    };
    for (const auto& [file, shown] : names) EXPECT_EQ(areaName(EXERCISE_AREA, file), w1250(shown.c_str())) << file;
    // One byte a letter: the label is Windows-1250 like every text.
    EXPECT_EQ(areaName(ENTRANCE_AREA, "").size(), 10u);
}

}  // namespace
