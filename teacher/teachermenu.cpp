#include "teacher/teachermenu.h"

#include "engine/cp1250.h"
#include "teacher/settingswrite.h"

namespace {

bool& switchOf(TeacherSwitch which, ProgramSettings& settings) {
    return which == TeacherSwitch::Checks ? settings.checksEnabled : settings.showSolutionEnabled;
}

}  // namespace

std::string switchCaption(TeacherSwitch which, const ProgramSettings& settings) {
    const bool on = which == TeacherSwitch::Checks ? settings.checksEnabled : settings.showSolutionEnabled;
    const char* name = which == TeacherSwitch::Checks ? "Provádět zkoušky" : "Ukazovat řešení";
    return cp1250::w1250(name) + (on ? " - ANO" : " - NE");
}

bool toggleSwitch(TeacherSwitch which, ProgramSettings& settings, const SettingsWarning& warn,
                  const std::string& path, savefile::Output& out) {
    bool& value = switchOf(which, settings);
    value = !value;
    const int record = which == TeacherSwitch::Checks ? SETTINGS_CHECKS_RECORD : SETTINGS_SOLUTION_RECORD;
    const bool stored = replaceSettingsRecords(record, {value ? SETTINGS_SWITCH_ON : SETTINGS_SWITCH_OFF}, warn,
                                               path, out) == SettingsWrite::Written;
    // A failed write has shown the writer's message already; this one follows it.
    if (!stored && warn) warn(cp1250::w1250("Nepodařilo se zapsat do souboru POM.CFG!"));
    return stored;
}
