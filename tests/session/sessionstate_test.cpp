#include <gtest/gtest.h>

#include <utility>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "mainwindow/programstate.h"
#include "mainwindow/sessionstate.h"

TEST(AreaTable, IndicesAndCodesMatchBothWays) {
    for (int index = 1; index <= AREA_COUNT; ++index) EXPECT_EQ(areaIndexOf(areaCodeOf(index)), index);
    for (auto [code, index] : {std::pair{10, 1}, {14, 5}, {52, 20}, {61, 21}, {71, 22}})
        EXPECT_EQ(areaIndexOf(code), index) << code;
    for (int code : {0, 15, 24, 53, 60, 62, 70, 80, -10}) EXPECT_EQ(areaIndexOf(code), 0) << code;
    for (int index : {0, 23, -1}) EXPECT_EQ(areaCodeOf(index), 0) << index;
    EXPECT_TRUE(isGroupHeading(50));
    EXPECT_FALSE(isGroupHeading(80));
    EXPECT_FALSE(isGroupHeading(0));
}

TEST(AreaTable, NamesAreWindows1250) {
    EXPECT_EQ(areaName(11, ""), cp1250::w1250("Nejlehčí 1"));
    EXPECT_EQ(areaName(50, ""), "Nezn. ve jmenovateli");
    EXPECT_EQ(areaName(61, "").size(), 10u);  // "Přijímačky", one byte a letter
    EXPECT_EQ(areaName(71, "test.cvc"), cp1250::w1250("Cvičení   test"));
    EXPECT_EQ(areaName(71, cp1250::w1250("žába.cvc")), cp1250::w1250("Cvičení   žába"));
    EXPECT_EQ(areaName(71, ".cv"), cp1250::w1250("Cvičení   "));
    EXPECT_EQ(areaName(80, "x.cvc"), "");
}

TEST(AreaStatistics, CountersWrapAndStrayCodesStayOutOfTheTable) {
    SessionState session;
    AreaStatistics& row = statisticsOf(session, 23);
    row.goodSteps = 65535;
    ++row.goodSteps;
    EXPECT_EQ(session.areaStatistics[9].goodSteps, 0);
    ++statisticsOf(session, 80).wrongSteps;
    for (int i = 1; i <= AREA_COUNT; ++i) EXPECT_EQ(session.areaStatistics[i].wrongSteps, 0);
}

TEST(ProgramStateReset, InitSessionStateRestoresTheDefaults) {
    state().session.currentArea = 33;
    state().session.exerciseIndex = 4;
    state().selection.newTripletNeeded = false;
    state().currentEquation.root = 7;
    errorCode = 14;
    initSessionState();
    EXPECT_EQ(errorCode, 0);
    EXPECT_EQ(state().session.currentArea, 0);
    EXPECT_EQ(state().session.exerciseIndex, -1);
    EXPECT_TRUE(state().selection.newTripletNeeded);
    EXPECT_EQ(state().currentEquation.root, -2.25);
}
