#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "problems/equationfile.h"
#include "tests/support/testfiles.h"

namespace {

constexpr long R = EquationRecord::RECORD_SIZE;

EquationRecord numbered(int n) {
    EquationRecord r;
    r.setSlot(0, "x=" + std::to_string(n));
    r.setSlot(1, "x=" + std::to_string(n));
    r.root = n;
    return r;
}

std::string w(const char* utf8) { return cp1250::w1250(utf8); }

// Each test works in a fresh folder of its own, as the program does in its
// runtime folder.
class EquationFiles : public ScratchWorkingFolder {
protected:
    void SetUp() override {
        ScratchWorkingFolder::SetUp();
        errorCode = 0;
    }

    static void writeRecords(const std::string& name, int count, int extraBytes = 0) {
        std::string bytes;
        for (int i = 0; i < count; ++i) {
            unsigned char buf[R];
            numbered(i).toBytes(buf);
            bytes.append(reinterpret_cast<const char*>(buf), R);
        }
        writeBytes(name, bytes + std::string(extraBytes, 'Z'));
    }
};

TEST(EquationRecordTest, LayoutIsLittleEndianAndRoundTrips) {
    const EquationRecord initial = initialEquation();
    EXPECT_EQ(std::make_tuple(initial.slot(0), initial.root, initial.solutionLines()),
              std::make_tuple("2x-5=-14-2x", -2.25, 0));

    unsigned char bytes[R];
    initial.toBytes(bytes);
    // The length byte, the text, and -2.25 as 0xC002000000000000.
    EXPECT_EQ(std::make_tuple(bytes[0], bytes[1], std::vector<int>(bytes + 5376, bytes + 5384)),
              std::make_tuple(11, '2', std::vector<int>{0, 0, 0, 0, 0, 0, 0x02, 0xC0}));

    const EquationRecord back = EquationRecord::fromBytes(bytes);
    EXPECT_EQ(std::make_tuple(back.slot(0), back.root), std::make_tuple(initial.slot(0), initial.root));
}

TEST(EquationRecordTest, SlotsAndSolutionLength) {
    EquationRecord r;
    r.setSlot(0, std::string(300, '1'));
    for (int k = 1; k <= 20; ++k) r.setSlot(k, "x=1");
    EXPECT_EQ(std::make_tuple(r.slot(0).size(), r.solutionLines()), std::make_tuple(255u, 20));

    // A line that cannot begin a written line ends the solution before it,
    // as does an empty slot whose stale byte 1 would look like a line.
    r.setSlot(4, "=5");
    const int beforeAnEquals = r.solutionLines();
    r.setSlot(4, "");
    r.slots[4][1] = '7';
    const int beforeAnEmptySlot = r.solutionLines();
    r.setSlot(2, std::string(1, static_cast<char>(130)) + "x");
    EXPECT_EQ((std::vector<int>{beforeAnEquals, beforeAnEmptySlot, r.solutionLines()}), (std::vector<int>{3, 3, 3}));
}

TEST_F(EquationFiles, CountTakesWholeRecordsKeepsTheLowByteAndOpensOnlyRegularFiles) {
    writeRecords("r11.dat", 3, 100);
    writeRecords("r12.dat", 257);
    // Nothing here may block: a pipe nobody writes to would hold open() for good.
    ASSERT_EQ(::mkfifo("r13.dat", 0600), 0);
    std::filesystem::create_directory("r14.dat");
    const std::pair<int, int> cases[] = {{11, 3}, {12, 1}, {13, -1}, {14, -1}, {21, -1}};  // -1: not opened
    for (const auto& [code, expected] : cases) {
        uint8_t count = 99;
        const FileResult r = countEquations(code, count);
        const std::string notOpened =
            w("Soubor  r") + std::to_string(code) + w(".dat  se nepodařilo otevřít. Program bude ukončen.");
        EXPECT_EQ(std::make_tuple(r.ok, count, expected < 0 ? r.message : notOpened),
                  std::make_tuple(expected >= 0, expected >= 0 ? expected : 99, notOpened))
            << code;
    }
}

// One read after another into the pupil's current equation: whole, undamaged
// records are taken; anything else leaves the current equation as it was.
TEST_F(EquationFiles, ReadsTakeWholeUndamagedRecordsAndKeepTheCurrentOneOtherwise) {
    writeRecords("r21.dat", 3, 100);   // a stray tail is no record
    writeRecords("r71.dat", 5);        // code 71 reads the chosen exercise, never r71.dat
    writeRecords("test.cvc", 3);
    writeRecords("Úloha.cvc", 1);      // a Czech name is UTF-8 on the disk
    writeRecords("prazdne.cvc", 0);
    writeRecords("r31.dat", 3);
    std::string damaged = readBytes("r31.dat");
    damaged[R + 1] = '\x01';                 // record 1: a control character in its equation
    std::memset(&damaged[2 * R], 0, R);      // record 2: zero-filled
    writeBytes("r31.dat", damaged);
    writeBytes("poskoz.cvc", damaged);
    ASSERT_EQ(::mkfifo("r11.dat", 0600), 0);
    ASSERT_EQ(::mkfifo("roura.cvc", 0600), 0);
    std::filesystem::create_directory("r12.dat");

    constexpr int EXERCISE = -1;  // readExerciseEquation of the named file
    const struct {
        int code, number;
        std::string exercise;
        const char* message;  // "" when read; "!" when damaged, which the selection reports
        StatusCode status;
        double rootAfter;
    } reads[] = {
        {21, 3, "", "Nepodařilo se otevřít soubor r21.dat", STATUS_OK, -2.25},
        {21, 2, "", "", STATUS_OK, 2},
        {21, -1, "", "Nepodařilo se otevřít soubor r21.dat", STATUS_OK, 2},
        {22, 0, "", "Nepodařilo se otevřít soubor r22.dat", STATUS_OK, 2},
        {11, 0, "", "Nepodařilo se otevřít soubor r11.dat", STATUS_OK, 2},
        {12, 0, "", "Nepodařilo se otevřít soubor r12.dat", STATUS_OK, 2},
        {71, 3, "test.cvc", "Nepodařilo se otevřít soubor test.cvc", STATUS_OK, 2},
        {71, 0, "jine.cvc", "Nepodařilo se otevřít soubor jine.cvc", STATUS_OK, 2},
        {71, 0, w("Úloha.cvc"), "", STATUS_OK, 0},
        {31, 1, "", "!", STATUS_OK, 0},
        {31, 2, "", "!", STATUS_OK, 0},
        {EXERCISE, 1, "poskoz.cvc", "!", STATUS_OK, 0},
        {EXERCISE, 2, "poskoz.cvc", "!", STATUS_OK, 0},
        {EXERCISE, 2, "test.cvc", "", STATUS_OK, 2},
        {EXERCISE, 3, "test.cvc", "Všechny příklady ze cvičení již jsou spočítány.", ALL_SOLVED, 2},
        {EXERCISE, 0, "prazdne.cvc", "Všechny příklady ze cvičení již jsou spočítány.", ALL_SOLVED, 2},
        {EXERCISE, 0, "neni.cvc", "Nepodařilo se otevřít soubor neni.cvc", STATUS_OK, 2},
        {EXERCISE, 0, "roura.cvc", "Nepodařilo se otevřít soubor roura.cvc", STATUS_OK, 2},
        {31, 0, "", "", STATUS_OK, 0},
    };
    EquationRecord current = initialEquation();
    for (const auto& c : reads) {
        SCOPED_TRACE(std::to_string(c.code) + " " + cp1250::toUtf8(c.exercise) + " #" + std::to_string(c.number));
        errorCode = 0;
        const FileResult r = c.code == EXERCISE ? readExerciseEquation(c.number, c.exercise, current)
                                                : readEquation(c.code, c.number, c.exercise, current);
        const std::string message = c.message;
        // The files report to their caller; errorCode is the step check's.
        EXPECT_EQ(std::make_tuple(r.ok, r.damaged, r.message, r.status, current.root, current.slot(0), errorCode),
                  std::make_tuple(message.empty(), message == "!", message == "!" ? "" : w(c.message), c.status,
                                  c.rootAfter,
                                  c.rootAfter == -2.25 ? "2x-5=-14-2x" : "x=" + std::to_string(int(c.rootAfter)), 0));
    }
}

TEST_F(EquationFiles, AnExerciseIsOpenedByItsNameOnTheDisk) {
    // "část.cvc" copied from a Windows medium: its name is Windows-1250 bytes.
    const std::string windowsName = "\xE8\xE1st.cvc";
    writeRecords(windowsName, 2);
    writeRecords("část.cvc", 1);  // the same name in UTF-8 is another file
    EquationRecord r;
    const ListedFile fromWindows{w("část.cvc"), windowsName};
    EXPECT_TRUE(readExerciseEquation(1, fromWindows, r).ok);
    EXPECT_EQ(r.root, 1.0);
    EXPECT_EQ(readExerciseEquation(1, ListedFile{w("část.cvc"), ""}, r).status, ALL_SOLVED);
    std::filesystem::remove(windowsName);
    EXPECT_EQ(readExerciseEquation(0, fromWindows, r).message, w("Nepodařilo se otevřít soubor část.cvc"));
}

}  // namespace
