// Marker bytes of the written line.  Fractions and exponents are carried
// inside the single-byte line by these codes, shared by the engine, the
// editor, the equation files and the tools.
#pragma once

constexpr unsigned char FRACTION_START = 130;
constexpr unsigned char FRACTION_END = 131;
constexpr unsigned char NUMERATOR_START = 132;
constexpr unsigned char NUMERATOR_END = 133;
constexpr unsigned char DENOMINATOR_START = 134;
constexpr unsigned char DENOMINATOR_END = 135;
constexpr unsigned char POWER_START = 136;
// Not a byte of the written line: the code of a free laid-out cell.
constexpr unsigned char CELL_END = 137;
constexpr unsigned char POWER_END = 138;

// In normalised linear text the same byte as POWER_START is the power operator.
constexpr unsigned char POWER_OPERATOR = POWER_START;

inline bool isMarker(unsigned char c) {
    return c >= FRACTION_START && c <= POWER_END && c != CELL_END;
}
