#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "teacher/settingsfile.h"
#include "tests/teacher/teachertest.h"

namespace {

using Records = std::array<double, SETTINGS_RECORD_COUNT>;

Records plainRecords() {
    Records records = settingsRecords({"HESLO", {85, 70, 50, 30}, true, false});
    // Distinct values in the unread fields show whether a write disturbed them.
    for (int k = 20; k < 60; ++k) records[k] = 1000 + k;
    records[64] = 3.25;
    return records;
}

class SettingsFile : public ScratchFolder {
protected:
    std::vector<std::string> warnings;
    SettingsWarning warn = [this](const std::string& text) { warnings.push_back(text); };

    std::string file() const { return path("POM.CFG"); }
    void writeRecords(const Records& records, const std::string& extra = "") {
        writeBytes(file(), encodeSettingsFile(records) + extra);
    }
    std::string load(ProgramSettings& settings) { return loadSettings(settings, file()); }
    ProgramSettings loadOk(const Records& records) {
        writeRecords(records);
        ProgramSettings settings;
        EXPECT_EQ(load(settings), "");
        return settings;
    }
};

}  // namespace

TEST(SettingsLayout, SixtySevenLittleEndianDoublesWithTheEndMarkAfterThePassword) {
    const std::string bytes = encodeSettingsFile(settingsRecords({"ab", {85, 70, 50, 30}, true, false}));
    ASSERT_EQ(bytes.size(), 536u);
    auto recordBytes = [&](int k) { return bytes.substr(8 * k, 8); };
    // 65.0 = 0x4050400000000000, least significant byte first.
    EXPECT_EQ(recordBytes(0), std::string("\0\0\0\0\0\x40\x50\x40", 8));
    EXPECT_EQ(recordBytes(1), std::string("\0\0\0\0\0\x80\x50\x40", 8));  // 66.0, 'B'
    for (int k = 2; k < 60; ++k) EXPECT_EQ(recordBytes(k), std::string("\0\0\0\0\0\0\x28\x40", 8)) << k;  // 12.0
    EXPECT_EQ(recordBytes(60), std::string("\0\0\0\0\0\x40\x55\x40", 8));  // 85.0
    EXPECT_EQ(recordBytes(65), std::string("\0\0\0\0\0\0\xF0\x3F", 8));    // 1.0
    EXPECT_EQ(recordBytes(66), std::string("\0\0\0\0\0\0\xF0\xBF", 8));    // -1.0
}

TEST_F(SettingsFile, OnlyAFileOfSixtySevenWholeRecordsIsAccepted) {
    ProgramSettings settings;
    for (int extra = 0; extra < 8; ++extra) {
        writeRecords(plainRecords(), std::string(extra, '\x7F'));
        EXPECT_EQ(load(settings), "") << 536 + extra << " bytes";
    }
    const std::string whole = encodeSettingsFile(plainRecords());
    for (const std::string& bytes : {whole.substr(0, 528), whole + std::string(8, '\0'), std::string()}) {
        writeBytes(file(), bytes);
        ProgramSettings untouched;
        untouched.password = "KEEP";
        EXPECT_EQ(load(untouched), w(" Soubor POM.CFG byl nepovoleně změněn!")) << bytes.size() << " bytes";
        EXPECT_EQ(untouched.password, "KEEP");
    }
}

TEST_F(SettingsFile, AMissingFileOrAFolderCannotBeOpened) {
    ProgramSettings settings;
    EXPECT_EQ(load(settings), w(" Soubor POM.CFG se nepodařilo otevřít!"));
    std::filesystem::create_directory(file());
    EXPECT_EQ(load(settings), w(" Soubor POM.CFG se nepodařilo otevřít!"));
}

TEST_F(SettingsFile, PasswordLoadsUpToTheEndMarkInUpperCase) {
    std::vector<double> twenty;  // no end mark at all
    for (int k = 0; k < 20; ++k) twenty.push_back('a' + k);
    const std::pair<std::vector<double>, std::string> cases[] = {
        {{'a', 'b', 0xEC, 0x8A, 'z', '9', 12}, "AB" + w("ěŠ") + "Z9"},  // letters with diacritics stay
        {{12, 'a', 'b'}, ""},  // an end mark first: no password at all
        {twenty, "ABCDEFGHIJKLMNOPQRST"},
        {{'a', 'b', 'c', 12, 'd', 'e'}, "ABC"},  // nothing after the first end mark
        // Codes round halves to even (66.5 to B, 97.5 to b) and keep their low byte.
        {{65.4, 66.5, 97.5, 256.0 + 67, 12}, "ABBC"},
    };
    for (const auto& [codes, password] : cases) {
        Records records = plainRecords();
        std::copy(codes.begin(), codes.end(), records.begin());
        EXPECT_EQ(loadOk(records).password, password);
    }
}

TEST_F(SettingsFile, BoundariesRoundHalvesToEvenAndSwitchesCompareWithZero) {
    Records records = plainRecords();
    records[60] = 81.5;
    records[61] = 80.5;
    records[62] = 49.6;
    records[63] = 1e300;  // damaged: pinned, never undefined
    EXPECT_EQ(loadOk(records).gradeBoundaries, (std::array<int32_t, 4>{82, 80, 50, INT32_MAX}));

    // Each switch is read from its own record.
    for (const auto& [value, on] : {std::pair{0.3, true}, {12345.0, true}, {0.0, false}, {-0.0, false}, {-1e-9, false}}) {
        for (int record : {SETTINGS_CHECKS_RECORD, SETTINGS_SOLUTION_RECORD}) {
            records[SETTINGS_CHECKS_RECORD] = records[SETTINGS_SOLUTION_RECORD] = SETTINGS_SWITCH_OFF;
            records[record] = value;
            const ProgramSettings settings = loadOk(records);
            EXPECT_EQ(settings.checksEnabled, on && record == SETTINGS_CHECKS_RECORD) << value;
            EXPECT_EQ(settings.showSolutionEnabled, on && record == SETTINGS_SOLUTION_RECORD) << value;
        }
    }
}

// The record writer: one record in place, never past the end of the file.
TEST_F(SettingsFile, AStoredRecordChangesOnlyItselfAndNeverLengthensTheFile) {
    const std::string whole = encodeSettingsFile(plainRecords());
    const std::string fail = w(" Nelze zapsat do souboru POM.CFG!"), store = w("Nepodařilo se zapsat do souboru POM.CFG!");
    const struct {
        size_t size;
        int index;
        std::vector<std::string> messages;  // none: stored
    } cases[] = {
        {536, SETTINGS_CHECKS_RECORD, {}},
        {536, SETTINGS_SOLUTION_RECORD, {}},  // the last record, in place
        // Record 65 starting at the end, half inside, wholly beyond.
        {65 * 8, SETTINGS_CHECKS_RECORD, {fail, store}},
        {65 * 8 + 4, SETTINGS_CHECKS_RECORD, {fail, store}},
        {64 * 8, SETTINGS_CHECKS_RECORD, {fail, store}},
        // Indexes outside the 67 records: the file is not even opened.
        {536, SETTINGS_RECORD_COUNT, {store}},
        {536, -1, {store}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + " bytes, record " + std::to_string(c.index));
        warnings.clear();
        writeBytes(file(), whole.substr(0, c.size));
        errorCode = SIDES_DIFFER;
        EXPECT_EQ(storeSettingsRecord(c.index, SETTINGS_SWITCH_OFF, warn, file()), c.messages.empty());
        EXPECT_EQ(errorCode, SIDES_DIFFER);
        EXPECT_EQ(warnings, c.messages);
        std::string expected = whole.substr(0, c.size);
        if (c.messages.empty()) expected.replace(8 * c.index, 8, std::string("\0\0\0\0\0\0\xF0\xBF", 8));
        EXPECT_EQ(readBytes(file()), expected);
    }
    errorCode = 0;
    std::filesystem::remove(file());
    EXPECT_FALSE(storeSettingsRecord(SETTINGS_CHECKS_RECORD, 1.0, warn, file()));
    EXPECT_FALSE(std::filesystem::exists(file()));
}
