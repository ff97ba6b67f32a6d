// The equation record and the files made of it: the sixteen area files
// r11.dat..r61.dat and the teacher's exercise files (*.cvc).
#pragma once

#include <cstdint>
#include <string>

#include "engine/status.h"

struct EquationRecord {
    static constexpr int SLOTS = 21;
    static constexpr int SLOT_SIZE = 256;
    static constexpr int ROOT_OFFSET = 5376;
    static constexpr int RECORD_SIZE = 5384;
    static constexpr int MAX_SOLUTION_LINES = 20;

    // Slot 0 the equation, slots 1..20 the sample solution; each slot is a
    // length byte followed by up to 255 bytes of a written line.
    unsigned char slots[SLOTS][SLOT_SIZE] = {};
    double root = 0.0;

    std::string slot(int k) const;
    void setSlot(int k, const std::string& text);  // longer text is cut at 255 bytes
    // Lines of sample solution: slots 1.. up to the first that is empty or
    // whose byte 1 cannot begin a written line (canBeginLine).
    int solutionLines() const;

    // The file layout, little-endian, whatever the host.
    void toBytes(unsigned char out[RECORD_SIZE]) const;
    static EquationRecord fromBytes(const unsigned char in[RECORD_SIZE]);
};

// The program's one current equation, and its content before any file is read.
EquationRecord initialEquation();

// What a file operation did; `message` is the Windows-1250 text for the
// warning dialog when there is one to show.  `status` names the failures the
// callers act on: ALL_SOLVED (the exercise has no more equations); it is
// STATUS_OK for every other result.  `damaged`:
// the record was read but is damaged (isDamagedEquation), so it was not
// taken; the caller decides what to say.
struct FileResult {
    bool ok = true;
    std::string message;
    StatusCode status = STATUS_OK;
    bool damaged = false;
};

// A record whose equation must not be given to the pupil
// (isPresentableEquation of slot 0 at its root).
bool isDamagedEquation(const EquationRecord& record);

// An equation or exercise file.  `diskName` is the name as it is on the disk
// and is what the file is opened by; `name` is the same name in Windows-1250
// as the program shows it (a character Windows-1250 lacks shown as "?"), for
// the lists, the messages and the printout's title.
struct ListedFile {
    std::string name;
    std::string diskName;
};

// "r" + code + ".dat"; for code 71 the exercise file's name instead.
std::string equationFileName(int code, const std::string& exerciseName);

// Paths are relative to the working directory, as the program reads them.
// readEquation and readExerciseEquation leave `target` as it was unless they
// read a record that is not damaged.
FileResult countEquations(int code, uint8_t& count);
FileResult readEquation(int code, int number, const std::string& exerciseName, EquationRecord& target);
FileResult readExerciseEquation(int32_t number, const std::string& fileName, EquationRecord& target);
// The same for a file opened by its name on the disk (the UTF-8 form of
// `name` when diskName is empty).
FileResult readExerciseEquation(int32_t number, const ListedFile& file, EquationRecord& target);
