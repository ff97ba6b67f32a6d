// Changes of POM.CFG that reach the file whole or not at all.
//
// The teacher's password is 20 records; if only some of them reached the
// file, the next start would read a password that is neither the old nor the
// new one and lock the teacher out.  So a change is written as one new copy
// of the file that replaces the old one (same length, every other byte as it
// was), and where no second copy fits (a full disk, a folder the program may
// not write in) as one write in place, with the old bytes put back if it fails.
#pragma once

#include <string>
#include <vector>

#include "engine/savefile.h"
#include "teacher/settingsfile.h"

// Replaces the records from `first` on by `values`.  Does not touch errorCode.
// OpenFailed: the file is missing or may not be written (nothing shown: each
// caller has its own message).  WriteFailed: " Nelze zapsat do souboru
// POM.CFG!" has been shown and the file holds what it held before.
SettingsWrite replaceSettingsRecords(int first, const std::vector<double>& values, const SettingsWarning& warn,
                                     const std::string& path = SETTINGS_FILE_NAME,
                                     savefile::Output& out = savefile::diskOutput());
