// The syntax guard: which bytes may be inserted at the caret (allowedNext),
// recomputed after every insertion, deletion and caret move.  A byte outside
// the set is refused with "cink".
#pragma once

#include "editor/writtenline.h"

// What may begin a line: ( + - the digits x FRACTION_START.
extern const ByteSet startSet;
extern const ByteSet digitSet;
extern const ByteSet unknownSet;

// A line holds at most MAX_LINE_BYTES (engine/markers.h): every insertion
// that would pass it is refused, so the laid-out cells always suffice and the
// caret never wraps.

// The toolbar's fraction and power buttons follow the guard.
struct ToolbarState {
    bool fraction = false;  // FRACTION_START may be inserted
    bool powers = false;    // POWER_START may be inserted
    bool operator==(const ToolbarState& o) const { return fraction == o.fraction && powers == o.powers; }
};
ToolbarState toolbarOf(const ByteSet& allowed);

// The caret counts as inside the note: a "/" stands among the bytes from the
// first up to the one just after the caret.
bool caretInNote(const EditorState& ed);

// Recomputes ed.allowedNext from the byte before the caret (caretPos - 1),
// with the caret's edit level and the line's room.  Reads lineFull, so call
// it after the line was drawn.
void computeAllowedNext(EditorState& ed);

// allowedNext := startSet (within the line's room), for a caret where the
// line starts: every new line starts from here.
void lineStartGuard(EditorState& ed);

// The one the caret needs: lineStartGuard at fixedPrefix + 1, otherwise
// computeAllowedNext.
void guardAtCaret(EditorState& ed);
