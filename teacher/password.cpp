#include "teacher/password.h"

#include <vector>

#include "engine/cp1250.h"
#include "teacher/settingswrite.h"

std::string passwordPromptAtStart() { return "Zadejte heslo:"; }
std::string passwordPromptLater() { return "Zadejte heslo"; }

std::optional<std::string> passwordFromEntry(const std::optional<std::string>& typed) {
    if (!typed || typed->size() > static_cast<size_t>(SETTINGS_PASSWORD_LENGTH)) return std::nullopt;
    for (char c : *typed)
        if (static_cast<unsigned char>(c) < 32 || c == 127) return std::nullopt;
    return upperCasePassword(*typed);
}

bool passwordMatches(const std::optional<std::string>& typed, const std::string& stored) {
    return typed && upperCasePassword(*typed) == stored;
}

bool askPassword(PasswordDialog& dialog, const std::string& password) {
    const PasswordEntry entry = dialog.ask();
    return entry.confirmed && passwordMatches(entry.text, password);
}

namespace {

PasswordChange changeSteps(PasswordDialog& dialog, ProgramSettings& settings, const SettingsWarning& warn,
                           const std::string& path, savefile::Output& out) {
    auto tell = [&](const char* utf8) {
        if (warn) warn(cp1250::w1250(utf8));
    };
    dialog.setPrompt(cp1250::w1250("Zadejte staré heslo"));
    if (!askPassword(dialog, settings.password)) return PasswordChange::Unchanged;

    dialog.setPrompt(cp1250::w1250("Zadejte nové heslo"));
    const PasswordEntry typed = dialog.ask();
    if (!typed.confirmed) return PasswordChange::Unchanged;
    // A password that could not be typed again, or not be stored as typed,
    // is refused like a confirmation that differs.
    const std::optional<std::string> fresh = passwordFromEntry(typed.text);

    dialog.setPrompt(cp1250::w1250("Zadejte heslo ještě jednou"));
    if (!fresh || !askPassword(dialog, *fresh)) {
        tell("Heslo bylo zadáno chybně, platí původní");
        return PasswordChange::Mismatch;
    }

    const auto records = passwordRecords(*fresh);
    switch (replaceSettingsRecords(SETTINGS_PASSWORD_RECORD, std::vector<double>(records.begin(), records.end()),
                                   warn, path, out)) {
    case SettingsWrite::OpenFailed:
        tell("Heslo se nepodařilo zapsat, platí původní!");
        return PasswordChange::OpenFailed;
    case SettingsWrite::WriteFailed:
        tell(" Heslo se nepodařilo zapsat, platí původní!");
        return PasswordChange::WriteFailed;
    case SettingsWrite::Written:
        break;
    }
    settings.password = *fresh;
    return PasswordChange::Changed;
}

}  // namespace

PasswordChange changePassword(PasswordDialog& dialog, ProgramSettings& settings, const SettingsWarning& warn,
                              const std::string& path, savefile::Output& out) {
    const PasswordChange result = changeSteps(dialog, settings, warn, path, out);
    dialog.setPrompt(passwordPromptLater());
    return result;
}
