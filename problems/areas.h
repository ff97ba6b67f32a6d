// The 22 areas: two-digit codes (tens digit the group, units digit the area,
// 0 a group heading), their fixed index 1..22, which is the row of every
// per-area table, and their names.
#pragma once

#include <cstdint>
#include <string>

constexpr int AREA_COUNT = 22;
constexpr int32_t ENTRANCE_AREA = 61;
constexpr int32_t EXERCISE_AREA = 71;

// Index 1..22 by the fixed table; 0 for anything else.
int32_t areaIndexOf(int32_t code);
int32_t areaCodeOf(int32_t index);
inline bool isGroupHeading(int32_t code) { return code % 10 == 0 && areaIndexOf(code) != 0; }

// The area's name as shown while working (Windows-1250).  For the exercise it
// is built from the chosen file name; empty for codes outside the table.
std::string areaName(int32_t code, const std::string& exerciseName);
