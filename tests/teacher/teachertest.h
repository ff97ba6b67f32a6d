// Helpers shared by the teacher tests: a settings file in a scratch folder,
// an output that fails part-way like a full disk, the folder's names, and a
// small bank of area files.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/cp1250.h"
#include "engine/savefile.h"
#include "problems/equationfile.h"
#include "tests/support/testfiles.h"

inline std::string w(const char* utf8) { return cp1250::w1250(utf8); }

// Each request writes its first `records` 8-byte records and then fails, for
// the first `failures` requests; later requests go through.
class FailingOutput : public savefile::Output {
public:
    static constexpr int ALWAYS = 1 << 30;
    FailingOutput(size_t records, int failures) : bytes_(records * 8), failures_(failures) {}
    bool writeAt(int fd, off_t offset, const char* data, size_t size) override {
        if (failures_ == 0) return savefile::diskOutput().writeAt(fd, offset, data, size);
        --failures_;
        savefile::diskOutput().writeAt(fd, offset, data, std::min(size, bytes_));
        return false;
    }

private:
    size_t bytes_;
    int failures_;
};

// Names in a folder, sorted, so a left-over temporary file shows.
inline std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// "x=<area><record>" with the root <area><record>, so every equation of the
// test bank tells where it came from.
inline EquationRecord bankEquation(int code, int record) {
    const int n = code * 10 + record;
    EquationRecord r;
    r.setSlot(0, "x=" + std::to_string(n));
    r.setSlot(1, "x=" + std::to_string(n));
    r.root = n;
    return r;
}

inline std::string bytesOf(const std::vector<EquationRecord>& records) {
    std::string bytes;
    for (const EquationRecord& r : records) {
        unsigned char buf[EquationRecord::RECORD_SIZE];
        r.toBytes(buf);
        bytes.append(reinterpret_cast<const char*>(buf), sizeof buf);
    }
    return bytes;
}

// r<code>.dat in `folder` (ending in "/") with the first `count` bank equations of the area.
inline void writeArea(const std::string& folder, int code, int count) {
    std::vector<EquationRecord> records;
    for (int k = 0; k < count; ++k) records.push_back(bankEquation(code, k));
    writeBytes(folder + "r" + std::to_string(code) + ".dat", bytesOf(records));
}
