// Adaptive choice of the next equation: triplets of one type, harder after a
// good equation, the same type again after a struggle.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "engine/status.h"
#include "problems/areas.h"
#include "problems/equationfile.h"

struct TripletEntry {
    uint8_t code = 0;    // area code; 255 past the end of the file
    uint8_t record = 0;  // record number; 255 past the end
    uint8_t used = 0;    // handed out (or past the end)
    uint8_t errors = 0;  // wrong steps of the equation being solved (currentPick only)
};

using Triplet = std::array<TripletEntry, 3>;  // positions 1..3 are [0..2]

struct SelectionState {
    Triplet currentTriplet{};
    std::array<Triplet, 23> tripletTable{};  // by area index 1..22; [0] unused
    TripletEntry currentPick{};
    bool newTripletNeeded = true;
    std::array<bool, 31> entranceSolved{};   // entries 1..30; [0] unused
    // Files whose damaged records have been reported in this run: once each.
    std::set<std::string> damagedFilesReported;
};

// The parts of the program state that choosing an equation reads and changes;
// the session binds them to its own variables.
struct SelectionScope {
    int32_t& currentArea;
    const std::string& exerciseName;
    const std::string& exerciseDiskName;  // the same file's name on the disk
    int32_t& exerciseIndex;
    const std::array<uint8_t, AREA_COUNT + 1>& areaCounts;  // by area index
    SelectionState& selection;
    EquationRecord& currentEquation;
    // The editor's fixed start of the line and its check phase, which a new
    // equation resets.
    int32_t& fixedPrefix;
    bool& checkPhase;
};

// What choosing an equation does outside the state: files, chance, sound and
// the screen.  Empty entries are skipped; without `randomPick` a new triplet
// starts at its first entry.  Texts are Windows-1250.
struct SelectionHooks {
    std::function<int()> randomPick;  // 1..3, each equally likely
    std::function<void(const std::string&)> showWarning;
    std::function<void()> stopSound;
    std::function<FileResult(int code, int number, const std::string& exerciseName, EquationRecord& target)>
        readEquation;
    std::function<FileResult(int32_t number, const ListedFile& file, EquationRecord& target)>
        readExerciseEquation;
    // Screen steps, filled in by the main window.
    std::function<void()> normalCursor;
    std::function<void()> clearEquationBand;
    std::function<void()> clearWritingArea;
    std::function<void()> presentEquation;
    std::function<void()> returnToStartScreen;
};

// Hooks that read the real equation and exercise files and pick at random;
// the screen, sound and warning entries are left for the main window.
SelectionHooks fileSelectionHooks();

// Enters an area (or a group heading's first area, the entrance
// examinations, or the chosen exercise) and presents its first equation, or
// goes back to the start screen when there is nothing to hand out.
void startArea(SelectionScope scope, int32_t code, const SelectionHooks& hooks);

// Loads the next equation of area `code` into the current equation.  Returns
// STATUS_OK (present it), ALL_SOLVED or BACK_TO_START (go back to the start
// screen).  errorCode is left alone: it belongs to the step check.
// A damaged record is never handed out: it counts as handed out, the file is
// reported once a run, and the next record is taken in its place.  When the
// file (or the exercise) ends while records are being passed over, the pupil
// is told that no sound equation is left and goes back to the start screen;
// so even a file of nothing but damaged records ends in a few steps.
StatusCode selectNextEquation(SelectionScope scope, int32_t code, const SelectionHooks& hooks);

// After a finished equation: chooses the next one for the current area and
// presents it, or returns to the start screen.
void continueWithNextEquation(SelectionScope scope, const SelectionHooks& hooks);

// When an equation is finished: at most one wrong step leads to a harder type.
void finishEquation(SelectionState& selection);

// One more wrong step on the equation being solved; stops at 255 so that a
// long struggle never wraps round to "no errors".
void countPickError(SelectionState& selection);

bool isEmptyTriplet(const Triplet& triplet);
