// The teacher's password: asking for it, comparing it and changing it.
//
// The comparison ignores the case of a..z only ("š" and "Š" differ).  The
// dialog itself is behind PasswordDialog, so the whole flow runs in tests
// with scripted answers.
#pragma once

#include <optional>
#include <string>

#include "engine/savefile.h"
#include "teacher/settingsfile.h"

// Prompts of the password dialog (UTF-8 here; password.cpp converts).
// The first is the prompt until the first password change, the last the
// prompt of every request after it.
std::string passwordPromptAtStart();  // "Zadejte heslo:"
std::string passwordPromptLater();    // "Zadejte heslo"

// What the teacher did in the dialog.
struct PasswordEntry {
    bool confirmed = false;  // "OK" (or Enter); false for "Zrušit", Esc or a closed dialog
    // The typed text in Windows-1250; empty when it holds a character that
    // Windows-1250 lacks, which therefore never matches a stored password.
    std::optional<std::string> text;
};

// The password dialog as the logic needs it; the window implements it.
class PasswordDialog {
public:
    virtual ~PasswordDialog() = default;
    virtual void setPrompt(const std::string& prompt) = 0;
    // Empties the edit field and shows the dialog modally with its prompt.
    virtual PasswordEntry ask() = 0;
};

// The upper-case form of a typed password, or nothing when it cannot be a
// password at all: a character Windows-1250 lacks, more than 20 characters,
// or a control character (the end mark 12 among them, which would cut the
// stored password short at the next start).
std::optional<std::string> passwordFromEntry(const std::optional<std::string>& typed);

// True when the typed text is the stored password, letters a..z in any case.
bool passwordMatches(const std::optional<std::string>& typed, const std::string& stored);

// Asks with the dialog's present prompt; the result is `passwordAccepted`.
bool askPassword(PasswordDialog& dialog, const std::string& password);

enum class PasswordChange {
    Unchanged,    // old password wrong, or "Zrušit" at the first two questions: no message
    Mismatch,     // "Heslo bylo zadáno chybně, platí původní"
    OpenFailed,   // "Heslo se nepodařilo zapsat, platí původní!"
    WriteFailed,  // " Nelze zapsat do souboru POM.CFG!", " Heslo se nepodařilo zapsat, platí původní!"
    Changed,
};

// The teacher menu's "Změna hesla": old password, new one, the new one again,
// then records 0..19 of the settings file all at once.  `settings.password`
// holds the new password only when the result is Changed; the file holds the
// old one in every other case.  The prompt is "Zadejte heslo" afterwards.
PasswordChange changePassword(PasswordDialog& dialog, ProgramSettings& settings, const SettingsWarning& warn,
                              const std::string& path = SETTINGS_FILE_NAME,
                              savefile::Output& out = savefile::diskOutput());
