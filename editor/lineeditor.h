// The editor as the main window uses it: each operation changes the written
// line or the caret, then lays the line out, draws it, places the caret and
// recomputes the guard, and returns what the window has to show.  The window
// only translates its events into these calls and paints the result.
#pragma once

#include <cstdint>
#include <string>

#include "editor/caret.h"
#include "editor/guard.h"
#include "editor/keys.h"
#include "editor/layout.h"

// What the operations need besides the editor state.
struct EditorContext {
    TextMetrics& metrics;
    PictureOffset picture;     // the main picture's place in the window
    int32_t windowHeight = 0;  // the keypad stays inside it
};

// Work the editor hands back to its caller rather than doing itself.
enum class HandOver : uint8_t {
    None,
    Enter,             // run the step check (the keypad's Enter)
    CheckPhaseEquals,  // "=" while the check by substitution runs
};

struct EditResult {
    bool refused = false;  // sound "cink"; the line did not change
    HandOver handOver = HandOver::None;
    // The line was laid out and drawn again: paint `ops` (its band first).
    bool redrawn = false;
    DrawOps ops;
    // The caret was placed again: repaint where `caretBefore` stood if it was
    // shown, restart the blink, move a visible keypad's top to `keypadTop`.
    bool caretPlaced = false;
    Caret caretBefore;
    int32_t keypadTop = 0;
    // The fraction and power buttons, as the guard now allows them.
    ToolbarState toolbar;
};

// One byte to the line: KEY_BACKSPACE, KEY_DELETE, or a character, which goes
// in if the guard allows it ("x" always, while the line has room).
EditResult editKey(EditorState& ed, const EditorContext& ctx, unsigned char byte);

// An empty fraction at the caret, the caret in its numerator; the guard is
// then as right after NUMERATOR_START.
EditResult insertFraction(EditorState& ed, const EditorContext& ctx);
// The power `digit` ('2', '3' or '4') after the caret's base.
EditResult insertPower(EditorState& ed, const EditorContext& ctx, unsigned char digit);

// A typed character, once the window has let it through (FormKeyPress):
// the comma types the decimal point, "/" starts a fraction, "=" during the
// check by substitution is handed over, KEY_BACKSPACE deletes.  Every other
// byte is inserted, 139 ("‹" in a note) included: Delete is a key.
EditResult keyPressed(EditorState& ed, const EditorContext& ctx, unsigned char ch);

// A released key other than Enter (FormKeyUp), once the window has let it
// through and erased a shown bubble: PageUp and PageDown type the note's "/",
// Home, End, the arrows and Delete edit; then the guard follows the caret.
// Left and Right with Shift move nothing.
EditResult keyReleased(EditorState& ed, const EditorContext& ctx, KeyCode key, bool shift);

// The fraction button (BitBtn3) and the power buttons (BitBtn4..BitBtn6,
// digit '2'..'4'): they act only where the guard allows.
EditResult fractionButtonReleased(EditorState& ed, const EditorContext& ctx);
EditResult powerButtonReleased(EditorState& ed, const EditorContext& ctx, unsigned char digit);

// A click on the main picture at (x, y) in picture coordinates
// (Image1MouseUp): inside the current line's band it puts the caret before
// the nearest character, or after it in a numerator or denominator.
EditResult placeCaretByMouse(EditorState& ed, const EditorContext& ctx, int32_t x, int32_t y);

// After the step flow changed the written line or the caret itself: keeps
// the caret in range, lays the line out, draws it, places the caret and
// guards it, as every operation here ends.
EditResult applyChange(EditorState& ed, const EditorContext& ctx);

// A fresh line on the current display line: it holds `prefix` (the check by
// substitution's "L=" or " =", which the caret may not enter), the caret
// after it, and the line-start guard.  Draws the line.
EditResult startLine(EditorState& ed, const EditorContext& ctx, const std::string& prefix = {});

namespace editorsteps {
// The common ends of the operations above, for the keypad.
void redraw(EditorState& ed, const EditorContext& ctx, EditResult& r);
void place(EditorState& ed, const EditorContext& ctx, EditResult& r);
// Guard and caret after a key: the guard always, the caret where it moved
// from `caretBefore`.
void tail(EditorState& ed, const EditorContext& ctx, int caretBefore, EditResult& r);
}  // namespace editorsteps
