// Marker bytes of the written line.  Fractions and exponents are carried
// inside the single-byte line by these codes, shared by the engine, the
// editor, the equation files and the tools.
#pragma once

#include <string>
#include <vector>

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

// Positions of bytes whose marker code is part of a well-formed fraction or
// power; any other byte with a marker code (a typed "Š" or "„" in a note) is an
// ordinary character.  Index 0 unused.  The editor lays lines out by it, and
// a stored equation with a marker byte outside it is damaged.
std::vector<bool> structuralMarkers(const std::string& text);

// The most bytes a written line holds: the editor's line, and a stored
// equation the pupil can be given.
constexpr int MAX_LINE_BYTES = 100;

// The bytes that may begin a written line (the editor's startSet): a digit,
// the unknown x, "(", "+", "-" or the start of a fraction.  The sample
// solution of a stored equation ends at the first line that begins otherwise.
inline bool canBeginLine(unsigned char c) {
    return (c >= '0' && c <= '9') || c == 'x' || c == '(' || c == '+' || c == '-' || c == FRACTION_START;
}

// A fraction as the written line stores it: the denominator before the numerator.
inline std::string writtenFraction(const std::string& numerator, const std::string& denominator) {
    std::string s;
    s += static_cast<char>(FRACTION_START);
    s += static_cast<char>(DENOMINATOR_START);
    s += denominator;
    s += static_cast<char>(DENOMINATOR_END);
    s += static_cast<char>(NUMERATOR_START);
    s += numerator;
    s += static_cast<char>(NUMERATOR_END);
    s += static_cast<char>(FRACTION_END);
    return s;
}
