// The on-screen keypad (Image2): one picture of 441 x 77 pixels with fixed
// key areas, for pupils who click or tap.  Its keys go through the same
// operations and the same guard as the keyboard's.
#pragma once

#include <cstdint>

#include "editor/lineeditor.h"

struct KeypadPicture {
    static constexpr int32_t width = 441;
    static constexpr int32_t height = 77;
    static constexpr int32_t lowerRowTop = 39;  // the upper row is y < 39
    static constexpr int32_t gapToCaretLine = 5;
};

struct KeypadKey {
    enum Kind : uint8_t { Character, Up, Down, Fraction, Enter, Backspace };
    Kind kind = Character;
    unsigned char ch = ' ';  // for Character: x, a digit, ".", an operator, a parenthesis, a space
    bool operator==(const KeypadKey& o) const { return kind == o.kind && (kind != Character || ch == o.ch); }
};

// The key at (x, y) in the keypad picture's pixels; the gaps between keys and
// the margins type a space.
KeypadKey keypadKeyAt(int32_t x, int32_t y);

// A click on the keypad (Image2MouseUp), once the window has let it through
// (and, for Up and Down, erased a shown bubble).  Enter and, during the check
// by substitution, "=" are handed over; the other keys edit, then the guard
// follows the caret.
EditResult keypadPressed(EditorState& ed, const EditorContext& ctx, KeypadKey key);

// The keypad's top in the window for the caret as placed: just below the
// caret's line, or, where it would leave the window there, just above it.
// It never covers the line being written.
int32_t keypadTop(const EditorState& ed, const EditorContext& ctx);
