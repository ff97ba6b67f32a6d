// The teacher's settings and their file POM.CFG: 67 little-endian doubles.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct ProgramSettings {
    std::string password;                      // 0..20 bytes, upper-case form
    std::array<int32_t, 4> gradeBoundaries{};  // grades 1..4, percent
    bool checksEnabled = false;                // "Provádět zkoušky"
    bool showSolutionEnabled = false;          // "Ukazovat řešení"
};
