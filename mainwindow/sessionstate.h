// Session state: the 22 areas, per-area statistics and counts, and the
// variables that say where the pupil is.  Nothing of it is stored between runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int AREA_COUNT = 22;
constexpr int EXIT_ITEM = 80;      // the start screen's exit item, not an area
constexpr int EXERCISE_AREA = 71;
constexpr int ENTRANCE_AREA = 61;

struct AreaStatistics {
    uint16_t goodSteps = 0;
    uint16_t wrongSteps = 0;
    uint16_t solvedEquations = 0;
};

// Computed once when the main window is created.
struct ScreenGeometry {
    double scaleX = 0.0, scaleY = 0.0;
    int32_t pictureLeft = 0, pictureTop = 0;
    // The writing area in window coordinates.
    int32_t writingLeft = 0, writingRight = 0, writingTop = 0, writingBottom = 0;
};

struct SessionState {
    int32_t currentArea = 0;       // 0 on the start screen
    int32_t menuChoice = 0;
    std::string exerciseName;      // as listed, ".cvc" included (Windows-1250)
    int32_t exerciseIndex = -1;
    bool solutionShown = false;
    std::array<AreaStatistics, AREA_COUNT + 1> areaStatistics{};  // by area index 1..22
    std::array<uint8_t, AREA_COUNT + 1> areaCounts{};              // by area index 1..22
    ScreenGeometry geometry;
};
