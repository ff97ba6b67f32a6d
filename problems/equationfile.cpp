#include "problems/equationfile.h"

#include <cstdio>
#include <cstring>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "engine/littleendian.h"
#include "engine/markers.h"
#include "engine/regularfile.h"

namespace {

std::string cannotOpen(const std::string& name) {
    return cp1250::w1250("Nepodařilo se otevřít soubor ") + name;
}

// Names are Windows-1250 inside the program; on disk they are UTF-8, so that
// an exercise called "Zlomky část 2" keeps its letters in the file manager.
// Only a regular file is opened: a pipe of that name would block for good.
std::FILE* openNamed(const std::string& name, const char* mode) {
    return regularfile::fopenRegular(cp1250::toUtf8(name), mode);
}

// Closes on every path, so that no operation leaves a file open.
struct File {
    std::FILE* f = nullptr;
    File(const std::string& name, const char* mode) : f(openNamed(name, mode)) {}
    // Read only, by the name on the disk.
    explicit File(const std::string& diskName) : f(regularfile::fopenRegular(diskName, "rb")) {}
    ~File() {
        if (f) std::fclose(f);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
};

// Number of whole records, or -1 when the size cannot be found.
long wholeRecords(std::FILE* f) {
    if (std::fseek(f, 0, SEEK_END) != 0) return -1;
    const long size = std::ftell(f);
    if (size < 0) return -1;
    return size / EquationRecord::RECORD_SIZE;
}

FileResult failure(std::string message, StatusCode status = STATUS_OK) {
    FileResult r;
    r.ok = false;
    r.message = std::move(message);
    r.status = status;
    return r;
}

// Record `number` of the open file `name`, known to lie within it; `target`
// changes only when the whole record was read.
FileResult readRecord(std::FILE* f, const std::string& name, long number, EquationRecord& target) {
    unsigned char buf[EquationRecord::RECORD_SIZE];
    if (std::fseek(f, number * EquationRecord::RECORD_SIZE, SEEK_SET) != 0 ||
        std::fread(buf, 1, sizeof buf, f) != sizeof buf) {
        return failure(cp1250::w1250("Chyba při čtení ze souboru ") + name);
    }
    const EquationRecord record = EquationRecord::fromBytes(buf);
    if (isDamagedEquation(record)) {
        FileResult damaged;
        damaged.ok = false;
        damaged.damaged = true;
        return damaged;
    }
    target = record;
    return FileResult();
}

}  // namespace

std::string EquationRecord::slot(int k) const {
    if (k < 0 || k >= SLOTS) return std::string();
    return std::string(reinterpret_cast<const char*>(&slots[k][1]), slots[k][0]);
}

void EquationRecord::setSlot(int k, const std::string& text) {
    if (k < 0 || k >= SLOTS) return;
    const size_t n = text.size() < 255 ? text.size() : 255;
    std::memset(slots[k], 0, SLOT_SIZE);
    slots[k][0] = static_cast<unsigned char>(n);
    std::memcpy(&slots[k][1], text.data(), n);
}

int EquationRecord::solutionLines() const {
    int k = 1;
    // A slot with length 0 counts as the end even if its byte 1 holds
    // leftovers: bytes past the length are not part of the text.
    while (k <= MAX_SOLUTION_LINES && slots[k][0] > 0 && canBeginLine(slots[k][1])) ++k;
    return k - 1;
}

void EquationRecord::toBytes(unsigned char out[RECORD_SIZE]) const {
    std::memcpy(out, slots, sizeof slots);
    littleendian::putDouble(out + ROOT_OFFSET, root);
}

EquationRecord EquationRecord::fromBytes(const unsigned char in[RECORD_SIZE]) {
    EquationRecord r;
    std::memcpy(r.slots, in, sizeof r.slots);
    r.root = littleendian::getDouble(in + ROOT_OFFSET);
    return r;
}

bool isDamagedEquation(const EquationRecord& record) { return !isPresentableEquation(record.slot(0), record.root); }

EquationRecord initialEquation() {
    EquationRecord r;
    r.setSlot(0, "2x-5=-14-2x");
    r.root = -2.25;
    return r;
}

std::string equationFileName(int code, const std::string& exerciseName) {
    if (code == 71) return exerciseName;
    return "r" + std::to_string(code) + ".dat";
}

FileResult countEquations(int code, uint8_t& count) {
    const std::string name = equationFileName(code, std::string());
    File file(name, "rb");
    const long n = file.f ? wholeRecords(file.f) : -1;
    if (n < 0) {
        return failure(cp1250::w1250("Soubor  ") + name +
                       cp1250::w1250("  se nepodařilo otevřít. Program bude ukončen."));
    }
    count = static_cast<uint8_t>(n & 0xFF);
    return FileResult();
}

FileResult readEquation(int code, int number, const std::string& exerciseName,
                        EquationRecord& target) {
    const std::string name = equationFileName(code, exerciseName);
    File file(name, "rb");
    if (!file.f) return failure(cannotOpen(name));
    const long n = wholeRecords(file.f);
    if (number < 0 || number >= n) return failure(cannotOpen(name));
    return readRecord(file.f, name, number, target);
}

FileResult readExerciseEquation(int32_t number, const std::string& fileName,
                                EquationRecord& target) {
    return readExerciseEquation(number, ListedFile{fileName, std::string()}, target);
}

FileResult readExerciseEquation(int32_t number, const ListedFile& exercise, EquationRecord& target) {
    const std::string& fileName = exercise.name;
    File file(exercise.diskName.empty() ? cp1250::toUtf8(fileName) : exercise.diskName);
    if (!file.f) return failure(cannotOpen(fileName));
    const long n = wholeRecords(file.f);
    if (n < 0 || number < 0) return failure(cannotOpen(fileName));
    if (number > n - 1)
        return failure(cp1250::w1250("Všechny příklady ze cvičení již jsou spočítány."), ALL_SOLVED);
    return readRecord(file.f, fileName, number, target);
}
