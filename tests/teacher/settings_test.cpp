#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <optional>
#include <vector>

#include "engine/engine.h"
#include "teacher/gradeboundaries.h"
#include "teacher/password.h"
#include "teacher/settingswrite.h"
#include "teacher/teachermenu.h"
#include "tests/teacher/teachertest.h"

namespace {

constexpr int ALWAYS = FailingOutput::ALWAYS;

// A delivered-like file whose unread records hold distinct values, so a
// write that disturbs them shows; three stray bytes after the last record
// show that the length is kept.
std::string originalBytes() {
    auto records = settingsRecords({"STARE", {85, 70, 50, 30}, true, true});
    for (int k = 20; k < 60; ++k) records[k] = 1000 + k;
    records[64] = 3.25;
    return encodeSettingsFile(records) + "abc";
}

class TeacherSettings : public ScratchFolder {
protected:
    std::vector<std::string> warnings;
    SettingsWarning warn = [this](const std::string& text) { warnings.push_back(text); };
    ProgramSettings settings;

    void SetUp() override {
        ScratchFolder::SetUp();
        writeBytes(file(), originalBytes());
        ASSERT_EQ(loadSettings(settings, file()), "");
        errorCode = 0;
    }
    std::string file() const { return path("POM.CFG"); }
    ProgramSettings reload() {
        ProgramSettings loaded;
        EXPECT_EQ(loadSettings(loaded, file()), "");
        return loaded;
    }
    // The original file again, or none; no warnings yet.
    void restart(bool removeFile) {
        SetUp();
        warnings.clear();
        if (removeFile) std::filesystem::remove(file());
    }
    // The file differs from the original at most in records [first, first + count).
    void expectOnlyChanged(int first, int count) {
        const std::string now = readBytes(file()), before = originalBytes();
        ASSERT_EQ(now.size(), before.size());
        EXPECT_EQ(now.substr(0, first * 8), before.substr(0, first * 8));
        EXPECT_EQ(now.substr((first + count) * 8), before.substr((first + count) * 8));
    }
};

// The password dialog with the teacher's answers given in advance.
class ScriptedDialog : public PasswordDialog {
public:
    explicit ScriptedDialog(std::deque<PasswordEntry> answers) : answers_(std::move(answers)) {}
    void setPrompt(const std::string& prompt) override { prompt_ = prompt; }
    PasswordEntry ask() override {
        asked.push_back(prompt_);
        if (answers_.empty()) return {};
        PasswordEntry e = answers_.front();
        answers_.pop_front();
        return e;
    }
    std::vector<std::string> asked;
    std::string prompt() const { return prompt_; }

private:
    std::deque<PasswordEntry> answers_;
    std::string prompt_ = passwordPromptAtStart();
};

PasswordEntry ok(const std::string& text) { return {true, text}; }
PasswordEntry okUnrepresentable() { return {true, std::nullopt}; }
PasswordEntry cancel() { return {false, std::string()}; }

}  // namespace

TEST(Password, ComparisonIgnoresTheCaseOfPlainLettersOnly) {
    struct Case {
        std::optional<std::string> typed;
        const char* stored;
        bool matches;
    };
    const Case cases[] = {
        {std::string("ucitel"), "UCITEL", true},
        {std::string("UcItEl"), "UCITEL", true},
        {w("škola"), "\x8AKOLA", false},   // "š" is not "Š"
        {w("Škola"), "\x8AKOLA", true},
        {std::string(""), "", true},
        {std::string(""), "A", false},
        {std::string("UCITEL "), "UCITEL", false},
        {std::string("UCITE"), "UCITEL", false},
        {std::nullopt, "??", false},  // a typed "日本" never matches what fromQt would make of it
        {std::string("??"), "??", true},
    };
    for (const Case& c : cases) {
        ScriptedDialog confirmed({{true, c.typed}}), cancelled({{false, c.typed}});
        EXPECT_EQ(std::make_tuple(passwordMatches(c.typed, c.stored), askPassword(confirmed, c.stored),
                                  askPassword(cancelled, c.stored)),
                  std::make_tuple(c.matches, c.matches, false))
            << (c.typed ? *c.typed : "(nelze)") << " / " << c.stored;
    }
}

TEST(Password, NewPasswordsAreStoredInUpperCaseAndMustSurviveTheFile) {
    // The end mark (0x0C) would cut a password short.
    EXPECT_EQ(std::make_tuple(passwordFromEntry(w("nové heslo")), passwordFromEntry(std::string(20, 'a')),
                              passwordFromEntry(std::string(21, 'a')), passwordFromEntry(std::string("AB\x0C" "CD")),
                              passwordFromEntry(std::nullopt)),
              std::make_tuple(w("NOVé HESLO"), std::string(20, 'A'), std::nullopt, std::nullopt, std::nullopt));
}

TEST_F(TeacherSettings, ChangePasswordOutcomes) {
    using P = PasswordChange;
    struct Case {
        const char* name;
        std::deque<PasswordEntry> answers;
        P result;
        std::vector<std::string> messages;
        std::string password;  // in memory and, unless the file was removed, in the file
        FailingOutput out{0, 0};
        bool removeFile = false;
    };
    const std::string mismatch = w("Heslo bylo zadáno chybně, platí původní");
    const std::vector<std::string> notWritten = {w(" Nelze zapsat do souboru POM.CFG!"),
                                                 w(" Heslo se nepodařilo zapsat, platí původní!")};
    const std::deque<PasswordEntry> nove = {ok("stare"), ok("nove"), ok("nove")};
    std::vector<Case> cases = {
        {"old wrong", {ok("jine")}, P::Unchanged, {}, "STARE"},
        {"old cancelled", {cancel()}, P::Unchanged, {}, "STARE"},
        {"new cancelled", {ok("stare"), cancel()}, P::Unchanged, {}, "STARE"},
        {"confirmation differs", {ok("stare"), ok("nove"), ok("novy")}, P::Mismatch, {mismatch}, "STARE"},
        {"confirmation cancelled", {ok("stare"), ok("nove"), cancel()}, P::Mismatch, {mismatch}, "STARE"},
        {"new not in Windows-1250", {ok("stare"), okUnrepresentable(), okUnrepresentable()}, P::Mismatch, {mismatch},
         "STARE"},
        {"changed, confirmation in another case", {ok("stare"), ok(w("nové")), ok(w("NOVé"))}, P::Changed, {},
         w("NOVé")},
        {"empty", {ok("stare"), ok(""), ok("")}, P::Changed, {}, ""},
        // A full disk: no room for a second copy, so the records go in place.
        {"second copy fails", nove, P::Changed, {}, "NOVE", {7, 1}},
        {"every write fails after 7 records", nove, P::WriteFailed, notWritten, "STARE", {7, ALWAYS}},
        {"in-place write fails after 19 records", nove, P::WriteFailed, notWritten, "STARE", {19, 2}},
        {"file missing", nove, P::OpenFailed, {w("Heslo se nepodařilo zapsat, platí původní!")}, "STARE", {0, 0}, true},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart(c.removeFile);
        ScriptedDialog dialog(c.answers);
        const PasswordChange result = changePassword(dialog, settings, warn, file(), c.out);
        EXPECT_EQ(std::make_tuple(result, warnings, settings.password,
                                  dialog.prompt(), dialog.asked.front(), errorCode),
                  std::make_tuple(c.result, c.messages, c.password, "Zadejte heslo", w("Zadejte staré heslo"), 0));
        if (c.removeFile) continue;
        EXPECT_EQ(std::make_tuple(reload().password, namesIn(path(""))),
                  std::make_tuple(c.password, std::vector<std::string>{"POM.CFG"}));
        expectOnlyChanged(SETTINGS_PASSWORD_RECORD, SETTINGS_PASSWORD_LENGTH);
    }
}

TEST(GradeBoundaries, NumberSyntax) {
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"70", 70},        {" 70", 70},         {"70 ", std::nullopt}, {"+7", 7},   {"-5", -5},
        {"$32", 50},       {"x1a", 26},         {"X1A", 26},           {"0x1A", 26}, {"0X10", 16},
        {"-$10", -16},     {"007", 7},          {"", std::nullopt},    {"   ", std::nullopt},
        {"5a", std::nullopt}, {"$", std::nullopt}, {"0x", std::nullopt}, {"- 5", std::nullopt},
        {"1e2", std::nullopt}, {"2147483647", 2147483647}, {"2147483648", std::nullopt},
        {"-2147483648", INT32_MIN}, {"$7FFFFFFF", INT32_MAX}, {"$FFFFFFFF", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        int32_t value = 12345;
        // Parsed or not, and the value where it was.
        const std::optional<int32_t> parsed =
            parseBoundaryNumber(text, value) ? std::optional<int32_t>(value) : std::nullopt;
        EXPECT_EQ(parsed, expected) << '"' << text << '"';
    }
}

TEST(GradeBoundaries, CheckCodesAndMessages) {
    const std::pair<std::array<std::string, 4>, int> cases[] = {
        {{"80", "60", "45", "30"}, 0}, {{"50", "50", "50", "50"}, 0}, {{"99", "98", "2", "1"}, 0},
        {{"60", "80", "45", "30"}, 5}, {{"80", "60", "30", "45"}, 5}, {{"100", "80", "60", "40"}, 6},
        {{"80", "60", "40", "0"}, 7},  {{"150", "80", "60", "-5"}, 6}, {{"80", "", "45", "5a"}, 4},
        {{"x", "y", "45", "30"}, 2},   {{"80", "60", "45", "30 "}, 4},
    };
    for (const auto& [fields, code] : cases) {
        GradeBoundaries values{};
        EXPECT_EQ(checkBoundaries(fields, values), code) << fields[0] << " " << fields[1] << " " << fields[2] << " "
                                                         << fields[3];
    }
    EXPECT_EQ(std::make_tuple(boundaryMessage(4), boundaryMessage(5)),
              std::make_tuple(w("Chybný zápis čísla u čtyřky!"), w("Hranice musí být seřazeny sestupně!")));
}

TEST_F(TeacherSettings, BoundariesAreStoredAllOrNothing) {
    const std::array<std::string, 4> fresh = {"80", " 60", "$2D", "30"};
    using B = BoundaryStore;
    struct Case {
        const char* name;
        std::array<std::string, 4> fields;
        B result;
        std::vector<std::string> messages;
        GradeBoundaries inMemory, inFile;
        FailingOutput out{0, 0};
        bool removeFile = false;
    };
    const GradeBoundaries before{85, 70, 50, 30}, after{80, 60, 45, 30};
    std::vector<Case> cases = {
        {"stored", fresh, B::Stored, {}, after, after},
        {"refused", {"60", "80", "45", "30"}, B::Refused, {w("Hranice musí být seřazeny sestupně!")}, before, before},
        {"file missing", fresh, B::OpenFailed, {w("Chyba při zápisu na disk,platí původní hodnoty!")}, before, before,
         {0, 0}, true},
        {"every write fails after 2 records", fresh, B::WriteFailed, {w(" Nelze zapsat do souboru POM.CFG!")}, after,
         before, {2, ALWAYS}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart(c.removeFile);
        const BoundaryStore result = applyGradeBoundaries(c.fields, settings, warn, file(), c.out);
        EXPECT_EQ(std::make_tuple(result, warnings, settings.gradeBoundaries),
                  std::make_tuple(c.result, c.messages, c.inMemory));
        if (c.removeFile) continue;
        EXPECT_EQ(reload().gradeBoundaries, c.inFile);
        expectOnlyChanged(SETTINGS_BOUNDARY_RECORD, 4);
    }
}

TEST_F(TeacherSettings, SwitchesToggleStoreAndKeepTheirCaptionInMemory) {
    EXPECT_EQ(switchCaption(TeacherSwitch::Checks, settings), w("Provádět zkoušky - ANO"));
    EXPECT_TRUE(toggleSwitch(TeacherSwitch::Checks, settings, warn, file()));
    EXPECT_EQ(std::make_tuple(switchCaption(TeacherSwitch::Checks, settings), reload().checksEnabled),
              std::make_tuple(w("Provádět zkoušky - NE"), false));
    expectOnlyChanged(SETTINGS_CHECKS_RECORD, 1);
    EXPECT_TRUE(toggleSwitch(TeacherSwitch::Checks, settings, warn, file()));
    // 1.0 again, byte for byte.
    EXPECT_EQ(std::make_tuple(readBytes(file()), warnings.empty()), std::make_tuple(originalBytes(), true));

    // A failed write: the new value holds in memory, the file keeps the old one.
    FailingOutput broken(0, ALWAYS);
    EXPECT_FALSE(toggleSwitch(TeacherSwitch::ShowSolution, settings, warn, file(), broken));
    EXPECT_EQ(std::make_tuple(switchCaption(TeacherSwitch::ShowSolution, settings), reload().showSolutionEnabled,
                              warnings, readBytes(file())),
              std::make_tuple(w("Ukazovat řešení - NE"), true,
                              std::vector<std::string>{w(" Nelze zapsat do souboru POM.CFG!"),
                                                       w("Nepodařilo se zapsat do souboru POM.CFG!")},
                              originalBytes()));
}

TEST_F(TeacherSettings, RecordsBeyondTheEndAreNeverWritten) {
    EXPECT_EQ(std::make_tuple(replaceSettingsRecords(66, {1.0, 2.0}, warn, file()),
                              replaceSettingsRecords(-1, {1.0}, warn, file())),
              std::make_tuple(SettingsWrite::WriteFailed, SettingsWrite::WriteFailed));
    EXPECT_EQ(readBytes(file()), originalBytes());
    std::filesystem::create_directory(path("folder.cfg"));
    EXPECT_EQ(replaceSettingsRecords(0, {1.0}, warn, path("folder.cfg")), SettingsWrite::OpenFailed);
}
