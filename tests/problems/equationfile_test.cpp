#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
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
    EXPECT_EQ(initial.slot(0), "2x-5=-14-2x");
    EXPECT_EQ(initial.root, -2.25);
    EXPECT_EQ(initial.solutionLines(), 0);

    unsigned char bytes[R];
    initial.toBytes(bytes);
    EXPECT_EQ(bytes[0], 11);
    EXPECT_EQ(bytes[1], '2');
    // -2.25 is 0xC002000000000000.
    EXPECT_EQ(std::vector<int>(bytes + 5376, bytes + 5384), (std::vector<int>{0, 0, 0, 0, 0, 0, 0x02, 0xC0}));

    const EquationRecord back = EquationRecord::fromBytes(bytes);
    EXPECT_EQ(back.slot(0), initial.slot(0));
    EXPECT_EQ(back.root, initial.root);
}

TEST(EquationRecordTest, SlotsAndSolutionLength) {
    EquationRecord r;
    r.setSlot(0, std::string(300, '1'));
    EXPECT_EQ(r.slot(0).size(), 255u);

    for (int k = 1; k <= 20; ++k) r.setSlot(k, "x=1");
    EXPECT_EQ(r.solutionLines(), 20);

    // A line that cannot begin a written line ends the solution before it,
    // as does an empty slot whose stale byte 1 would look like a line.
    r.setSlot(4, "=5");
    EXPECT_EQ(r.solutionLines(), 3);
    r.setSlot(4, "");
    r.slots[4][1] = '7';
    EXPECT_EQ(r.solutionLines(), 3);
    r.setSlot(2, std::string(1, static_cast<char>(130)) + "x");
    EXPECT_EQ(r.solutionLines(), 3);
}

TEST_F(EquationFiles, CountIgnoresIncompleteRecordAndKeepsLowByte) {
    writeRecords("r11.dat", 3, 100);
    uint8_t count = 99;
    EXPECT_TRUE(countEquations(11, count).ok);
    EXPECT_EQ(count, 3);

    writeRecords("r12.dat", 257);
    EXPECT_TRUE(countEquations(12, count).ok);
    EXPECT_EQ(count, 1);

    const FileResult missing = countEquations(13, count);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, w("Soubor  r13.dat  se nepodařilo otevřít. Program bude ukončen."));
}

TEST_F(EquationFiles, APipeOrAFolderInPlaceOfAFileIsAFileThatCannotBeOpened) {
    // Nothing here may block: a pipe nobody writes to would hold open() for good.
    ASSERT_EQ(::mkfifo("r11.dat", 0600), 0);
    std::filesystem::create_directory("r12.dat");
    ASSERT_EQ(::mkfifo("roura.cvc", 0600), 0);
    uint8_t count = 7;
    EquationRecord current = initialEquation();
    for (int code : {11, 12}) {
        const std::string name = "r" + std::to_string(code) + ".dat";
        EXPECT_EQ(countEquations(code, count).message,
                  w("Soubor  ") + name + w("  se nepodařilo otevřít. Program bude ukončen."));
        EXPECT_EQ(readEquation(code, 0, "", current).message, w("Nepodařilo se otevřít soubor ") + name);
    }
    EXPECT_EQ(readExerciseEquation(0, "roura.cvc", current).message, w("Nepodařilo se otevřít soubor roura.cvc"));
    EXPECT_EQ(count, 7);
    EXPECT_EQ(current.slot(0), "2x-5=-14-2x");
}

TEST_F(EquationFiles, ADamagedRecordIsReadButNotTaken) {
    writeRecords("r31.dat", 3);
    std::string bytes = readBytes("r31.dat");
    bytes[R + 1] = '\x01';                  // record 1: a control character in its equation
    std::memset(&bytes[2 * R], 0, R);        // record 2: zero-filled
    writeBytes("r31.dat", bytes);
    writeBytes("test.cvc", bytes);
    EquationRecord current = initialEquation();
    for (int number : {1, 2}) {
        const FileResult r = readEquation(31, number, "", current);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.damaged);
        EXPECT_TRUE(r.message.empty());  // the selection says what is to be said
        EXPECT_TRUE(readExerciseEquation(number, "test.cvc", current).damaged);
    }
    EXPECT_EQ(current.slot(0), "2x-5=-14-2x");
    const FileResult good = readEquation(31, 0, "", current);
    EXPECT_TRUE(good.ok);
    EXPECT_FALSE(good.damaged);
    EXPECT_EQ(current.slot(0), "x=0");
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

TEST_F(EquationFiles, ReadEquationBeyondTheEndKeepsTheCurrentEquation) {
    writeRecords("r21.dat", 3, 100);
    EquationRecord current = initialEquation();
    const FileResult beyond = readEquation(21, 3, "", current);
    EXPECT_FALSE(beyond.ok);
    EXPECT_EQ(beyond.message, w("Nepodařilo se otevřít soubor r21.dat"));
    EXPECT_EQ(current.slot(0), "2x-5=-14-2x");
    EXPECT_EQ(errorCode, 0);

    EXPECT_TRUE(readEquation(21, 2, "", current).ok);
    EXPECT_EQ(current.slot(0), "x=2");
    EXPECT_EQ(current.root, 2.0);

    EXPECT_FALSE(readEquation(21, -1, "", current).ok);
    EXPECT_EQ(current.slot(0), "x=2");
    EXPECT_EQ(readEquation(22, 0, "", current).message, w("Nepodařilo se otevřít soubor r22.dat"));

    // Code 71 reads the chosen exercise file, never r71.dat.
    writeRecords("r71.dat", 5);
    writeRecords("test.cvc", 1);
    EXPECT_FALSE(readEquation(71, 3, "test.cvc", current).ok);
    EXPECT_EQ(readEquation(71, 3, "jine.cvc", current).message, w("Nepodařilo se otevřít soubor jine.cvc"));
}

TEST_F(EquationFiles, ExerciseHandsOutRecordsThenReportsAllSolved) {
    writeRecords("test.cvc", 3);
    EquationRecord current;
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(readExerciseEquation(i, "test.cvc", current).ok);
        EXPECT_EQ(current.root, i);
    }
    const FileResult done = readExerciseEquation(3, "test.cvc", current);
    EXPECT_FALSE(done.ok);
    EXPECT_EQ(done.message, w("Všechny příklady ze cvičení již jsou spočítány."));
    EXPECT_EQ(done.status, ALL_SOLVED);
    EXPECT_EQ(current.root, 2.0);

    writeRecords("prazdne.cvc", 0);
    EXPECT_EQ(readExerciseEquation(0, "prazdne.cvc", current).status, ALL_SOLVED);

    const FileResult missing = readExerciseEquation(0, "neni.cvc", current);
    EXPECT_EQ(missing.message, w("Nepodařilo se otevřít soubor neni.cvc"));
    EXPECT_EQ(missing.status, STATUS_OK);
    // The files report to their caller; errorCode is the step check's.
    EXPECT_EQ(errorCode, 0);
}

}  // namespace
