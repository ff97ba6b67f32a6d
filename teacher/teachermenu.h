// The two switches of the teacher menu: "Provádět zkoušky" (record 65) and
// "Ukazovat řešení" (record 66).
#pragma once

#include <string>

#include "engine/savefile.h"
#include "teacher/settingsfile.h"

enum class TeacherSwitch { Checks, ShowSolution };

// The button's caption for the switch as it is in memory, e.g.
// "Provádět zkoušky - ANO" (Windows-1250).
std::string switchCaption(TeacherSwitch which, const ProgramSettings& settings);

// Turns the switch over in memory and stores it (1.0 on, -1.0 off).  When the
// file cannot be changed the messages say so and the new value still holds
// for this run; the file keeps the old one.  Returns whether it was stored.
bool toggleSwitch(TeacherSwitch which, ProgramSettings& settings, const SettingsWarning& warn,
                  const std::string& path = SETTINGS_FILE_NAME, savefile::Output& out = savefile::diskOutput());
