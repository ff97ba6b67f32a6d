// Helpers shared by the teacher tests: a settings file in a scratch folder,
// an output that fails part-way like a full disk, and the folder's names.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/cp1250.h"
#include "engine/savefile.h"
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
