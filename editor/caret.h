// Where the blinking caret stands.  Plain geometry over the laid-out cells;
// the Qt side only paints the line at the place computed here.
#pragma once

#include <cstdint>

#include "editor/writtenline.h"

// Position of the main picture in the window: the caret is kept in window
// coordinates, the cells in picture coordinates.
struct PictureOffset {
    int32_t left = 0, top = 0;
};

// Moves the caret to ed.caretPos after a layout and drawing.  The caret is
// taken off the screen first (shown becomes false).  The keypad follows it
// (keypadTop, keypad.h).
void placeCaret(EditorState& ed, PictureOffset pic);

// Stops the blinking and takes the caret off the screen.
void hideCaret(Caret& caret);

// The caret part of the 300 ms timer: an active caret toggles.  Returns
// whether its pixels changed.
bool blinkCaret(Caret& caret);
