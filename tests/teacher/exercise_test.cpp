#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/engine.h"
#include "engine/markers.h"
#include "problems/equationlist.h"
#include "problems/exercisesave.h"
#include "teacher/exerciseselection.h"
#include "tests/teacher/teachertest.h"

namespace {

EquationRecord equation(const std::string& text, double root) {
    EquationRecord r;
    r.setSlot(0, text);
    r.setSlot(1, "x=" + std::to_string(root));
    r.root = root;
    return r;
}

class Exercises : public ScratchFolder {
protected:
    std::vector<std::string> warnings;
    ListWarning warn = [this](const std::string& text) { warnings.push_back(text); };
    const std::vector<BankArea> areas{{11, 3}, {12, 2}};

    void SetUp() override {
        ScratchFolder::SetUp();
        writeArea(path(""), 11, 3);
        writeArea(path(""), 12, 2);
        errorCode = 0;
    }
    ExerciseSave save(const std::optional<std::string>& name, const std::vector<int32_t>& positions,
                      savefile::Output& out = savefile::diskOutput()) {
        return saveExercise(name, positions, areas, path(""), warn, out);
    }
};

}  // namespace

TEST(ExerciseSelectionTest, AddRemoveAndTheLimitOfThirty) {
    using A = SelectionAdd;
    ExerciseSelection selection;
    // Braced lists run in order: each add or remove sees the ones before it.
    EXPECT_EQ((std::vector<A>{selection.add(4), selection.add(0), selection.add(4), selection.add(2),
                              selection.add(-1)}),
              (std::vector<A>{A::Added, A::Added, A::AlreadyChosen, A::Added, A::NoEquation}));
    EXPECT_TRUE(selection.remove(0));
    EXPECT_EQ(selection.positions(), (std::vector<int32_t>{0, 2}));
    EXPECT_FALSE(selection.remove(2));
    EXPECT_EQ(selection.add(4), A::Added);  // removed, so it may come again, now last
    EXPECT_EQ(selection.positions(), (std::vector<int32_t>{0, 2, 4}));

    selection.clear();
    for (int32_t p = 0; p < EXERCISE_MAX_EQUATIONS; ++p) ASSERT_EQ(selection.add(100 + p), A::Added);
    const ExerciseSelection::Slots full = selection.slots();
    EXPECT_EQ(selection.add(7), A::Full);
    EXPECT_EQ(selection.slots(), full);
    EXPECT_TRUE(selection.remove(29));
    EXPECT_EQ(std::make_tuple(selection.slots().back(), selection.size()), std::make_tuple(-1, 29));
}

TEST(ExerciseNameTest, AllowedLettersDigitsAndTheFirstCharacter) {
    const std::pair<const char*, ExerciseName> cases[] = {
        {"Zlomky", ExerciseName::Valid},    {"ÚLOHA", ExerciseName::Valid},
        {"ůloha", ExerciseName::Valid},     {"ŽĎÁRČŤŇ", ExerciseName::Valid},
        {"ab1", ExerciseName::Valid},       {"ŮLOHA", ExerciseName::NotLettersOrDigits},
        {"úloha", ExerciseName::NotLettersOrDigits}, {"Óda", ExerciseName::NotLettersOrDigits},
        {"a.b", ExerciseName::NotLettersOrDigits},   {"a_b", ExerciseName::NotLettersOrDigits},
        {"1abc", ExerciseName::StartsWithDigit},     {"9", ExerciseName::StartsWithDigit},
        {"", ExerciseName::Empty},          {"abcdefghi", ExerciseName::TooLong},
    };
    for (const auto& [name, result] : cases) EXPECT_EQ(checkExerciseName(w(name)), result) << name;
}

TEST(EquationListLine, RootTextAndGaps) {
    errorCode = EXERCISE_WRITE_FAILED;  // a stale code is neither read nor changed
    const std::pair<double, const char*> roots[] = {
        {2.5, "2.5"}, {-3, "-3"}, {100, "100"}, {20000, "20000"}, {-100000, "-100000"}, {-2.25, "-2.25"},
        {0, "0"},     {1234.5, "1234.5"}};
    for (const auto& [root, shown] : roots) {
        // The normalised text ends in a blank, so one more stands before the root.
        EXPECT_EQ(equationListLine(equation("x=1", root), ListGap::Browser), std::string("x=1  ( ") + shown + " )")
            << root;
    }
    EXPECT_EQ(equationListLine(equation("2x-5=-14-2x", -2.25), ListGap::Builder),
              "2*x-5=-14-2*x        ( -2.25 )");
    // The power byte, undefined in Windows-1250, is shown as "^".
    const std::string power = std::string("x") + static_cast<char>(POWER_START) + '2' + static_cast<char>(POWER_END);
    EXPECT_EQ(equationListLine(equation(power + "=4", 2), ListGap::Browser), "x^(2)=4  ( 2 )");
    EXPECT_EQ(errorCode, EXERCISE_WRITE_FAILED);
    errorCode = 0;
}

TEST_F(Exercises, BankListKeepsOneLinePerEquationEvenWhenAFileIsMissing) {
    using Lines = std::vector<std::string>;
    const Lines whole = bankListLines(path(""), areas, warn);
    EXPECT_EQ(std::make_tuple(whole, warnings.empty()),
              std::make_tuple(Lines{"x=110        ( 110 )", "x=111        ( 111 )", "x=112        ( 112 )",
                                    "x=120        ( 120 )", "x=121        ( 121 )"},
                              true));

    std::filesystem::remove(path("r11.dat"));
    writeArea(path(""), 12, 1);
    const std::string unreadable = unreadableEquationLine();
    const Lines lines = bankListLines(path(""), areas, warn);
    EXPECT_EQ(std::make_tuple(lines, warnings),
              std::make_tuple(Lines{unreadable, unreadable, unreadable, "x=120        ( 120 )", unreadable},
                              Lines{w("Nepodařilo se otevřít soubor r11.dat"),
                                    w("Chyba při čtení ze souboru r12.dat")}));
    int32_t code = 0;
    int record = 0;
    EXPECT_TRUE(locateBankEquation(4, areas, code, record));
    EXPECT_EQ(std::make_tuple(code, record), std::make_tuple(12, 1));
    EXPECT_FALSE(locateBankEquation(5, areas, code, record) || locateBankEquation(-1, areas, code, record));
}

TEST_F(Exercises, SavedInTheOrderOfChoosingAndNamedWithoutBlanks) {
    ExerciseSelection selection;
    for (int32_t p : {4, 0, 2}) selection.add(p);
    selection.remove(0);
    const ExerciseSave result = save(std::string("t e s t"), selection.positions());
    EXPECT_EQ(std::make_tuple(result.saved, result.name, warnings.empty(), readBytes(path("test.cvc")),
                              namesIn(path(""))),
              std::make_tuple(true, "test", true, bytesOf({bankEquation(11, 0), bankEquation(11, 2)}),
                              std::vector<std::string>{"r11.dat", "r12.dat", "test.cvc"}));
    // Pupils on other accounts read it like any new file, not just its maker.
    EXPECT_EQ(std::filesystem::status(path("test.cvc")).permissions(),
              std::filesystem::status(path("r11.dat")).permissions());

    // Replaced without a question; an empty selection gives an empty exercise.
    EXPECT_TRUE(save(std::string("test"), {}).saved);
    EXPECT_EQ(readBytes(path("test.cvc")), "");
    // The name is Windows-1250 inside the program and UTF-8 on the disk.
    EXPECT_TRUE(save(w("Úloha"), {3}).saved);
    EXPECT_EQ(std::make_tuple(readBytes(path("Úloha.cvc")), errorCode),
              std::make_tuple(bytesOf({bankEquation(12, 0)}), 0));
}

TEST_F(Exercises, RefusedNamesWriteNothing) {
    const std::pair<std::optional<std::string>, const char*> cases[] = {
        {std::string("   "), "Musíte zadat jméno souboru."},
        {std::string("ab cd efg"), "Jméno souboru může mít nejvýše 8 znaků."},  // 9 typed, blanks count
        {w("ŮLOHA"), "Jméno zadejte raději jen pomocí písmen a číslic."},
        {std::nullopt, "Jméno zadejte raději jen pomocí písmen a číslic."},  // a character Windows-1250 lacks
        {std::string("?"), "Jméno zadejte raději jen pomocí písmen a číslic."},
        {std::string("1 ab"), "Jméno raději nezačínejte číslicí."},
    };
    for (const auto& [name, message] : cases) {
        warnings.clear();
        const bool saved = save(name, {0}).saved;
        EXPECT_EQ(std::make_tuple(saved, warnings), std::make_tuple(false, std::vector<std::string>{w(message)}));
    }
    EXPECT_EQ(namesIn(path("")), (std::vector<std::string>{"r11.dat", "r12.dat"}));
}

TEST_F(Exercises, AFailedSaveKeepsTheOldFile) {
    const std::string old = bytesOf({bankEquation(11, 1)});
    writeBytes(path("test.cvc"), old);
    const std::string notCreated = w("Soubor se nepodařilo vytvořit.");
    struct Case {
        const char* name;
        std::vector<int32_t> positions;
        FailingOutput out;
        std::vector<std::string> messages;
    };
    std::filesystem::remove(path("r12.dat"));
    std::vector<Case> cases = {
        {"area file missing", {0, 3}, {0, 0}, {w("Nepodařilo se otevřít soubor r12.dat"), notCreated}},
        {"write fails part-way", {0, 1}, {700, 1}, {notCreated}},
        {"position outside the bank", {0, 9}, {0, 0}, {notCreated}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        warnings.clear();
        const bool saved = save(std::string("test"), c.positions, c.out).saved;
        EXPECT_EQ(std::make_tuple(saved, warnings, readBytes(path("test.cvc")), namesIn(path(""))),
                  std::make_tuple(false, c.messages, old, std::vector<std::string>{"r11.dat", "test.cvc"}));
    }
    // A folder where the file should be cannot be replaced.
    std::filesystem::create_directory(path("dir.cvc"));
    warnings.clear();
    const bool saved = save(std::string("dir"), {0}).saved;
    EXPECT_EQ(std::make_tuple(saved, warnings), std::make_tuple(false, std::vector<std::string>{notCreated}));
}

TEST_F(Exercises, FileListShowsEquationFilesByTheirRealNames) {
    writeBytes(path("B.DAT"), "");
    writeBytes(path("a.cvc"), bytesOf({bankEquation(11, 0), bankEquation(11, 1), bankEquation(11, 2)}) + "tail");
    writeBytes(path("Úloha.cvc"), bytesOf({bankEquation(12, 1)}));
    writeBytes(path("????.cvc"), bytesOf({bankEquation(11, 2)}));
    writeBytes(path("тест.cvc"), bytesOf({bankEquation(12, 0)}));  // Windows-1250 has no Cyrillic: "????"
    writeBytes(path("\xE8\xE1st.cvc"), bytesOf({bankEquation(11, 1)}));  // "část" from a Windows medium
    writeBytes(path("\x81\x90.cvc"), "");                          // neither UTF-8 nor Windows-1250
    writeBytes(path("a\tb.cvc"), "");                               // a control character
    writeBytes(path("notes.txt"), "");
    writeBytes(path("cvc"), "");
    std::filesystem::create_directory(path("folder.cvc"));

    const std::vector<ListedFile> files = listEquationFiles(path(""), {".cvc", ".dat"});
    std::vector<std::string> names;
    for (const ListedFile& f : files) names.push_back(f.name);
    // Every name that can be shown, in the order of the names on the disk;
    // each opens its own file, also when two look alike.
    EXPECT_EQ(names, (std::vector<std::string>{"????.cvc", "a.cvc", "B.DAT", "r11.dat", "r12.dat", w("Úloha.cvc"),
                                               "????.cvc", w("část.cvc")}));

    std::vector<std::string> lines;
    const std::pair<size_t, std::vector<std::string>> contents[] = {
        {1, {"x=110  ( 110 )", "x=111  ( 111 )", "x=112  ( 112 )"}},  // the tail is no record
        {0, {"x=112  ( 112 )"}},
        {5, {"x=121  ( 121 )"}},
        {6, {"x=120  ( 120 )"}},
        {7, {"x=111  ( 111 )"}},
        {2, {}},
    };
    for (const auto& [row, expected] : contents) {
        ASSERT_LT(row, files.size());
        const bool read = fileListLines(path(""), files[row], lines, warn);
        EXPECT_EQ(std::make_tuple(read, lines, warnings.empty()), std::make_tuple(true, expected, true)) << row;
    }

    std::filesystem::remove(path("a.cvc"));
    const bool read = fileListLines(path(""), files[1], lines, warn);
    EXPECT_EQ(std::make_tuple(read, lines, warnings),
              std::make_tuple(false, std::vector<std::string>{},
                              std::vector<std::string>{w("Nepodařilo se otevřít soubor a.cvc")}));
}
