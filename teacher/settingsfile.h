// The teacher's settings and their file POM.CFG: 67 little-endian doubles.
//
// Records 0..19 the password (character codes, then 12 as end mark), 20..59
// two text fields nobody reads, 60..63 the grade boundaries, 64 unused, 65 and
// 66 the two switches (on when greater than 0).  The file is delivered with
// the program and is only ever changed record by record: nothing here creates
// it, truncates it or makes it longer.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/littleendian.h"

struct ProgramSettings {
    std::string password;                      // 0..20 bytes, upper-case form
    std::array<int32_t, 4> gradeBoundaries{};  // grades 1..4, percent
    bool checksEnabled = false;                // "Provádět zkoušky"
    bool showSolutionEnabled = false;          // "Ukazovat řešení"
};

inline const char SETTINGS_FILE_NAME[] = "POM.CFG";
constexpr int SETTINGS_RECORD_SIZE = 8;
constexpr int SETTINGS_RECORD_COUNT = 67;
constexpr int SETTINGS_PASSWORD_RECORD = 0;
constexpr int SETTINGS_PASSWORD_LENGTH = 20;
constexpr int SETTINGS_TEXT_RECORD = 20;   // start of the two unread text fields
constexpr int SETTINGS_BOUNDARY_RECORD = 60;
constexpr int SETTINGS_UNUSED_RECORD = 64;
constexpr int SETTINGS_CHECKS_RECORD = 65;
constexpr int SETTINGS_SOLUTION_RECORD = 66;
constexpr unsigned char SETTINGS_TEXT_END = 12;  // form feed ends a text
constexpr double SETTINGS_SWITCH_ON = 1.0;
constexpr double SETTINGS_SWITCH_OFF = -1.0;

// --- Byte layout (inline, so the data generator needs nothing else) ---------

static_assert(SETTINGS_RECORD_SIZE == sizeof(double), "a record is one double");

// a..z become A..Z; everything else, letters with diacritics included, stays.
inline std::string upperCasePassword(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return text;
}

// Records 0..19 for a password: its character codes, then end marks up to 20
// (none for a password of 20).  Longer texts are cut to 20.
inline std::array<double, SETTINGS_PASSWORD_LENGTH> passwordRecords(const std::string& password) {
    std::array<double, SETTINGS_PASSWORD_LENGTH> records;
    records.fill(SETTINGS_TEXT_END);
    for (size_t k = 0; k < password.size() && k < records.size(); ++k)
        records[k] = static_cast<unsigned char>(password[k]);
    return records;
}

// The whole file for the given settings; the unread fields hold end marks and 0.
inline std::array<double, SETTINGS_RECORD_COUNT> settingsRecords(const ProgramSettings& settings) {
    std::array<double, SETTINGS_RECORD_COUNT> records;
    records.fill(SETTINGS_TEXT_END);
    const auto password = passwordRecords(upperCasePassword(settings.password));
    for (int k = 0; k < SETTINGS_PASSWORD_LENGTH; ++k) records[SETTINGS_PASSWORD_RECORD + k] = password[k];
    for (int k = 0; k < 4; ++k) records[SETTINGS_BOUNDARY_RECORD + k] = settings.gradeBoundaries[k];
    records[SETTINGS_UNUSED_RECORD] = 0.0;
    records[SETTINGS_CHECKS_RECORD] = settings.checksEnabled ? SETTINGS_SWITCH_ON : SETTINGS_SWITCH_OFF;
    records[SETTINGS_SOLUTION_RECORD] = settings.showSolutionEnabled ? SETTINGS_SWITCH_ON : SETTINGS_SWITCH_OFF;
    return records;
}

inline std::string encodeSettingsFile(const std::array<double, SETTINGS_RECORD_COUNT>& records) {
    std::string bytes(SETTINGS_RECORD_COUNT * SETTINGS_RECORD_SIZE, '\0');
    for (int k = 0; k < SETTINGS_RECORD_COUNT; ++k)
        littleendian::putDouble(reinterpret_cast<unsigned char*>(&bytes[k * SETTINGS_RECORD_SIZE]), records[k]);
    return bytes;
}

// --- Reading and writing the file -------------------------------------------

// Receives a message (Windows-1250) to show in the warning dialog.
using SettingsWarning = std::function<void(const std::string&)>;

// Reads the settings file at start-up.  Returns an empty text and fills
// `settings` on success; otherwise returns the message to show before the
// program ends, and leaves `settings` untouched.
std::string loadSettings(ProgramSettings& settings, const std::string& path = SETTINGS_FILE_NAME);

// Writes `value` as the record at the current position of `file` (opened
// with openSettingsForWriting) and moves on by one record.  A write that
// fails, or that would make the file longer, shows " Nelze zapsat do souboru
// POM.CFG!" and returns false (SETTINGS_WRITE_FAILED for the caller).
bool writeSettingsRecord(std::FILE* file, double value, const SettingsWarning& warn);

// Opens the settings file for reading and writing without truncating it;
// nullptr when it cannot be opened.
std::FILE* openSettingsForWriting(const std::string& path = SETTINGS_FILE_NAME);

// Writes one record (the teacher menu's switches).  When the file cannot be
// opened shows "Nepodařilo se zapsat do souboru POM.CFG!"; after a failed
// write shows that message after the writer's own.
bool storeSettingsRecord(int index, double value, const SettingsWarning& warn,
                         const std::string& path = SETTINGS_FILE_NAME);

enum class SettingsWrite { Written, OpenFailed, WriteFailed };

// Writes a group of consecutive records from `firstIndex` (the password at
// 0..19, the boundaries at 60..63): writing stops at the first failed record
// (the writer has shown its message; a failed close shows it too).  Opening
// failures show nothing: each caller has its own message for them.
SettingsWrite writeSettingsGroup(int firstIndex, const std::vector<double>& values,
                                 const SettingsWarning& warn, const std::string& path = SETTINGS_FILE_NAME);
