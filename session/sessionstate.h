// Session state: per-area statistics and counts, the screen geometry and the
// variables that say where the pupil is.  Nothing of it is stored between runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "problems/areas.h"

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
    std::string exerciseDiskName;  // the same file's name on the disk, which opens it
    int32_t exerciseIndex = -1;
    bool solutionShown = false;
    bool enterBusy = false;        // a step check is running: input waits
    // The equation is finished and its last bubble waits for the pupil: the
    // keys, the keypad and the editing buttons leave the finished page alone.
    bool waitingForNextEquation = false;
    std::array<AreaStatistics, AREA_COUNT + 1> areaStatistics{};  // by area index 1..22
    std::array<uint8_t, AREA_COUNT + 1> areaCounts{};              // by area index 1..22
    ScreenGeometry geometry;
};

// The statistics row that a step in area `code` counts in.  Codes outside the
// table get row 0, which nothing reads, so a stray code cannot write past the
// table.  The counters are 16-bit and wrap to 0 after 65535.
AreaStatistics& statisticsOf(SessionState& session, int32_t code);
