// The written line being edited, its caret and edit level, the laid-out cells
// and the page geometry.  One instance of each exists, inside EditorState.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "engine/markers.h"

enum EditLevel : uint8_t {
    MAIN_LEVEL = 1,
    DENOMINATOR_LEVEL = 2,
    NUMERATOR_LEVEL = 3,
    DENOMINATOR_EXPONENT = 4,
    NUMERATOR_EXPONENT = 5,
    MAIN_EXPONENT = 6,
};

constexpr int MAX_CELLS = MAX_LINE_BYTES;
constexpr uint32_t BLACK = 0xFF000000u;

struct LayoutCell {
    uint32_t colour = BLACK;
    int32_t x = 0, y = 0, width = 0, height = 0;
    unsigned char code = CELL_END;
    bool isMarker = false;
    int32_t level = 0;
    uint8_t fontSize = 0;
};

// Cells 1..100 are [1..100]; [0] is unused so indices match byte positions.
using LineCells = std::array<LayoutCell, MAX_CELLS + 1>;

struct PageLayout {
    std::array<int32_t, 7> fontSize{};  // by level 1..6; [0] unused
    int32_t lineHeight = 50;
    int32_t areaWidth = 0;
    uint8_t pageLines = 0;
    int32_t areaLeft = 0;
    int32_t areaTop = 0;
    uint8_t currentLine = 1;
    uint8_t editLevel = MAIN_LEVEL;
};

struct Caret {
    int32_t x = 0, y = 0, height = 30;
    bool shown = false;
    bool active = false;
};

using ByteSet = std::bitset<256>;

struct EditorState {
    std::string writtenLine;     // Windows-1250 bytes with markers, at most 255
    uint8_t caretPos = 1;        // 1 .. length + 1
    int32_t fixedPrefix = 0;
    ByteSet allowedNext;
    bool lineFull = false;
    bool checkPhase = false;     // the check by substitution is running
    char unknownLetter = 'x';
    LineCells lineCells{};
    PageLayout pageLayout;
    Caret caret;
};
