// The four grade boundaries: reading the teacher's entries, checking them and
// storing them in records 60..63 of POM.CFG.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/savefile.h"
#include "teacher/settingsfile.h"

using GradeBoundaries = std::array<int32_t, 4>;

// One edit field: optional leading blanks, an optional sign, then decimal
// digits or a hexadecimal prefix ("$", "x", "X", "0x", "0X") with hexadecimal
// digits, and nothing after them; the value must fit in 32 bits with sign.
bool parseBoundaryNumber(const std::string& text, int32_t& value);

// The check of the four fields (grade 1 first): 0 when they may be stored,
// 1..4 for the last field that is not a number, 5 when they do not descend,
// 6 when one is above 99, 7 when one is below 1.  `values` is filled for 0.
int checkBoundaries(const std::array<std::string, 4>& fields, GradeBoundaries& values);

// The warning for a result code 1..7 (Windows-1250), empty for 0.
std::string boundaryMessage(int code);

// The text of a boundary in the dialog's columns: plain decimal.
std::string boundaryText(int32_t value);

enum class BoundaryStore {
    Refused,      // a message of checkBoundaries was shown; nothing changed
    OpenFailed,   // "Chyba při zápisu na disk,platí původní hodnoty!"; nothing changed
    WriteFailed,  // the writer's message; the new values hold for this run, the file keeps the old ones
    Stored,
};

// The dialog's "OK": check, then store all four records at once.  The dialog
// closes after Stored and WriteFailed and stays open otherwise.
BoundaryStore applyGradeBoundaries(const std::array<std::string, 4>& fields, ProgramSettings& settings,
                                   const SettingsWarning& warn, const std::string& path = SETTINGS_FILE_NAME,
                                   savefile::Output& out = savefile::diskOutput());
