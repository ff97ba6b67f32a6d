#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "engine/engine.h"
#include "session/programstate.h"
#include "session/randomsource.h"
#include "session/sessionstate.h"

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
    ProgramState state;
    state.session.currentArea = 33;
    state.session.exerciseIndex = 4;
    state.selection.newTripletNeeded = false;
    state.currentEquation.root = 7;
    errorCode = 14;
    initSessionState(state);
    EXPECT_EQ(std::make_tuple(errorCode, state.session.currentArea, state.session.exerciseIndex,
                              state.selection.newTripletNeeded, state.currentEquation.root),
              std::make_tuple(0, 0, -1, true, -2.25));
}

TEST(RandomSource, ASeedReplaysTheDrawAndEveryValueComesUp) {
    RandomSource a(7), b(7);
    std::vector<int> first, second;
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        first.push_back(a.pick(1, 3));
        second.push_back(b.pick(1, 3));
        seen.insert(first.back());
    }
    EXPECT_EQ(first, second);
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3}));
    b.seed(7);
    EXPECT_EQ(b.pick(1, 3), first[0]);
    // A range the wrong way round gives its low end rather than failing.
    EXPECT_EQ(a.pick(5, 2), 5);
}
