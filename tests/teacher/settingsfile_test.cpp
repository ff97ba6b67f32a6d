#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "teacher/settingsfile.h"
#include "tests/support/testfiles.h"

namespace {

using Records = std::array<double, SETTINGS_RECORD_COUNT>;

Records plainRecords() {
    Records records = settingsRecords({"HESLO", {85, 70, 50, 30}, true, false});
    // Distinct values in the unread fields show whether a write disturbed them.
    for (int k = 20; k < 60; ++k) records[k] = 1000 + k;
    records[64] = 3.25;
    return records;
}

std::string w(const char* utf8) { return cp1250::w1250(utf8); }

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

TEST_F(SettingsFile, StoringASwitchChangesOnlyItsRecord) {
    writeRecords(plainRecords());
    const std::string before = readBytes(file());
    errorCode = 0;
    EXPECT_TRUE(storeSettingsRecord(SETTINGS_CHECKS_RECORD, SETTINGS_SWITCH_OFF, warn, file()));
    EXPECT_TRUE(storeSettingsRecord(SETTINGS_SOLUTION_RECORD, SETTINGS_SWITCH_ON, warn, file()));
    const std::string after = readBytes(file());
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 65 * 8), before.substr(0, 65 * 8));
    ProgramSettings settings;
    ASSERT_EQ(load(settings), "");
    EXPECT_FALSE(settings.checksEnabled);
    EXPECT_TRUE(settings.showSolutionEnabled);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(errorCode, 0);
}

TEST_F(SettingsFile, AStoreThatFailsSaysSoAndNeverCreatesOrLengthensTheFile) {
    EXPECT_FALSE(storeSettingsRecord(SETTINGS_CHECKS_RECORD, 1.0, warn, file()));
    EXPECT_EQ(warnings, std::vector<std::string>{w("Nepodařilo se zapsat do souboru POM.CFG!")});
    EXPECT_FALSE(std::filesystem::exists(file()));

    // A file cut short after start-up: record 65 lies beyond its end; the
    // writer's own message comes first.
    warnings.clear();
    const std::string shortFile = encodeSettingsFile(plainRecords()).substr(0, 500);
    writeBytes(file(), shortFile);
    errorCode = 0;
    EXPECT_FALSE(storeSettingsRecord(SETTINGS_CHECKS_RECORD, 1.0, warn, file()));
    EXPECT_EQ(warnings, (std::vector<std::string>{w(" Nelze zapsat do souboru POM.CFG!"),
                                                  w("Nepodařilo se zapsat do souboru POM.CFG!")}));
    EXPECT_EQ(readBytes(file()), shortFile);
    EXPECT_EQ(errorCode, 0);

    // Indexes outside the 67 records are never written either: the file is
    // not even opened, so only the store's own message is shown.
    writeRecords(plainRecords());
    const std::string whole = readBytes(file());
    warnings.clear();
    EXPECT_FALSE(storeSettingsRecord(SETTINGS_RECORD_COUNT, 1.0, warn, file()));
    EXPECT_FALSE(storeSettingsRecord(-1, 1.0, warn, file()));
    EXPECT_EQ(readBytes(file()), whole);
    EXPECT_EQ(warnings, std::vector<std::string>(2, w("Nepodařilo se zapsat do souboru POM.CFG!")));
}

TEST_F(SettingsFile, TheRecordWriterReportsToItsCallerAndLeavesTheErrorCodeAlone) {
    writeRecords(plainRecords());
    const std::string before = readBytes(file());
    std::FILE* readOnly = std::fopen(file().c_str(), "rb");
    ASSERT_NE(readOnly, nullptr);
    errorCode = SIDES_DIFFER;
    EXPECT_FALSE(writeSettingsRecord(readOnly, 99.0, warn));
    std::fclose(readOnly);
    EXPECT_EQ(errorCode, SIDES_DIFFER);
    errorCode = 0;
    EXPECT_EQ(warnings, std::vector<std::string>{w(" Nelze zapsat do souboru POM.CFG!")});
    EXPECT_EQ(readBytes(file()), before);
}

TEST_F(SettingsFile, ARecordThatWouldEndPastTheFileIsNeverWritten) {
    // Record 65 starting exactly at the end, half inside, and wholly beyond:
    // each would lengthen the file, so each is refused.
    const std::string whole = encodeSettingsFile(plainRecords());
    for (size_t size : {65u * 8, 65u * 8 + 4, 64u * 8}) {
        SCOPED_TRACE(size);
        warnings.clear();
        writeBytes(file(), whole.substr(0, size));
        EXPECT_FALSE(storeSettingsRecord(SETTINGS_CHECKS_RECORD, 1.0, warn, file()));
        EXPECT_EQ(readBytes(file()), whole.substr(0, size));
        EXPECT_EQ(warnings.size(), 2u);
    }
    // The last record of a whole file is written in place.
    writeBytes(file(), whole);
    EXPECT_TRUE(storeSettingsRecord(SETTINGS_SOLUTION_RECORD, 1.0, warn, file()));
    EXPECT_EQ(readBytes(file()).size(), whole.size());
}

TEST_F(SettingsFile, GroupsWriteTheirRecordsAndStopAtTheFirstFailure) {
    writeRecords(plainRecords());
    const std::string before = readBytes(file());
    const auto password = passwordRecords(upperCasePassword(w("nové")));
    errorCode = 0;
    EXPECT_EQ(writeSettingsGroup(SETTINGS_PASSWORD_RECORD, {password.begin(), password.end()}, warn, file()),
              SettingsWrite::Written);
    const std::string after = readBytes(file());
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(20 * 8), before.substr(20 * 8));
    ProgramSettings settings;
    ASSERT_EQ(load(settings), "");
    EXPECT_EQ(settings.password, upperCasePassword(w("nové")));  // é stays as it is

    // Room for records 60 and 61 only: the group writes those two, reports
    // once and leaves the file's length alone.
    const std::string cut = after.substr(0, 62 * 8);
    writeBytes(file(), cut);
    EXPECT_EQ(writeSettingsGroup(SETTINGS_BOUNDARY_RECORD, {60, 45, 30, 15}, warn, file()),
              SettingsWrite::WriteFailed);
    EXPECT_EQ(warnings, std::vector<std::string>{w(" Nelze zapsat do souboru POM.CFG!")});
    EXPECT_EQ(errorCode, 0);
    const std::string written = readBytes(file());
    ASSERT_EQ(written.size(), cut.size());
    EXPECT_EQ(written.substr(0, 60 * 8), cut.substr(0, 60 * 8));
    EXPECT_EQ(littleendian::getDouble(reinterpret_cast<const unsigned char*>(&written[61 * 8])), 45.0);

    warnings.clear();
    EXPECT_EQ(writeSettingsGroup(SETTINGS_BOUNDARY_RECORD, {60, 45, 30, 15}, warn, path("none.cfg")),
              SettingsWrite::OpenFailed);
    EXPECT_TRUE(warnings.empty());
    EXPECT_FALSE(std::filesystem::exists(path("none.cfg")));
}
