#include "editor/lineeditor.h"

#include <algorithm>
#include <cstdlib>

#include "editor/editing.h"
#include "editor/keypad.h"

namespace editorsteps {

void redraw(EditorState& ed, const EditorContext& ctx, EditResult& r) {
    layoutLine(ed, ctx.metrics);
    r.ops = drawLine(ed);
    r.redrawn = true;
}

void place(EditorState& ed, const EditorContext& ctx, EditResult& r) {
    // Only the first placing of one operation knows where the caret was shown.
    if (!r.caretPlaced) r.caretBefore = ed.caret;
    r.caretPlaced = true;
    // The general placement also covers the line's start: before the first
    // cell, or in the middle of an empty line's band.
    placeCaret(ed, ctx.picture);
    r.keypadTop = keypadTop(ed, ctx);
}

void tail(EditorState& ed, const EditorContext& ctx, int caretBefore, EditResult& r) {
    guardAtCaret(ed);
    if (ed.caretPos != caretBefore) place(ed, ctx, r);
}

}  // namespace editorsteps

using namespace editorsteps;

namespace {

EditResult refusal(const EditorState& ed) {
    EditResult r;
    r.refused = true;
    r.toolbar = toolbarOf(ed.allowedNext);
    return r;
}

EditResult finished(const EditorState& ed, EditResult r) {
    r.toolbar = toolbarOf(ed.allowedNext);
    return r;
}

EditResult insertCharacter(EditorState& ed, const EditorContext& ctx, unsigned char ch) {
    ed.allowedNext.set('x');  // the unknown may be typed anywhere
    if (ch == KEY_ENTER) return finished(ed, {});  // Enter acts on its release
    if (!ed.allowedNext.test(ch) || !insertByte(ed, ch)) return refusal(ed);
    return applyChange(ed, ctx);
}

}  // namespace

EditResult editKey(EditorState& ed, const EditorContext& ctx, unsigned char byte) {
    switch (byte) {
    case KEY_BACKSPACE:
        deleteBefore(ed);
        return applyChange(ed, ctx);
    case KEY_DELETE:
        deleteAfter(ed);
        return applyChange(ed, ctx);
    default: return insertCharacter(ed, ctx, byte);
    }
}

EditResult insertFraction(EditorState& ed, const EditorContext& ctx) {
    if (!insertFractionMarkers(ed)) return refusal(ed);
    return applyChange(ed, ctx);
}

EditResult insertPower(EditorState& ed, const EditorContext& ctx, unsigned char digit) {
    if (!insertPowerBytes(ed, digit)) return refusal(ed);
    EditResult r;
    redraw(ed, ctx, r);
    place(ed, ctx, r);
    // After a power a space may follow, where the guard would otherwise allow
    // the note instead.
    ed.allowedNext.reset();
    for (unsigned char b : {' ', ')', '*', '+', '-', ':', '=', 'x'}) ed.allowedNext.set(b);
    return finished(ed, r);
}

EditResult keyPressed(EditorState& ed, const EditorContext& ctx, unsigned char ch) {
    if (ch == ',') ch = '.';
    if (ch == '/') return ed.allowedNext.test(FRACTION_START) ? insertFraction(ed, ctx) : refusal(ed);
    if (ch == '=' && ed.checkPhase) {
        EditResult r;
        r.handOver = HandOver::CheckPhaseEquals;
        return finished(ed, r);
    }
    if (ch == KEY_BACKSPACE) return editKey(ed, ctx, ch);
    return insertCharacter(ed, ctx, ch);
}

EditResult keyReleased(EditorState& ed, const EditorContext& ctx, KeyCode key, bool shift) {
    const int remembered = ed.caretPos;
    settleCaret(ed);
    EditResult r;
    switch (key) {
    case KeyCode::Enter: r.handOver = HandOver::Enter; return finished(ed, r);
    case KeyCode::PageUp:
    case KeyCode::PageDown: r = editKey(ed, ctx, '/'); break;  // the note, through the guard
    case KeyCode::Delete: return editKey(ed, ctx, KEY_DELETE);
    case KeyCode::Home: moveHome(ed); break;
    case KeyCode::End: moveEnd(ed); break;
    case KeyCode::Left:
        if (!shift) moveLeft(ed);
        break;
    case KeyCode::Right:
        if (!shift) moveRight(ed);
        break;
    case KeyCode::Up: moveUp(ed); break;
    case KeyCode::Down: moveDown(ed); break;
    case KeyCode::Help:  // no help of its own here
    case KeyCode::Other: break;
    }
    tail(ed, ctx, remembered, r);
    return finished(ed, r);
}

EditResult fractionButtonReleased(EditorState& ed, const EditorContext& ctx) {
    if (!ed.allowedNext.test(FRACTION_START)) return refusal(ed);
    return insertFraction(ed, ctx);
}

EditResult powerButtonReleased(EditorState& ed, const EditorContext& ctx, unsigned char digit) {
    if (!ed.allowedNext.test(POWER_START)) return refusal(ed);
    return insertPower(ed, ctx, digit);
}

EditResult placeCaretByMouse(EditorState& ed, const EditorContext& ctx, int32_t x, int32_t y) {
    const PageLayout& page = ed.pageLayout;
    const int32_t top = bandTop(page, page.currentLine);
    if (!(x > page.areaLeft && x < page.areaLeft + page.areaWidth && y > top && y < top + page.lineHeight))
        return finished(ed, {});

    // The cells are where the last drawing put them.
    const int cells = usedCells(ed.lineCells);
    const int length = static_cast<int>(ed.writtenLine.size());
    int best = 10000;
    int pos = 1;
    for (int i = 1; i <= cells; ++i) {
        const LayoutCell& c = ed.lineCells[static_cast<size_t>(i)];
        const int d = std::abs(c.x - x);
        if (c.isMarker || d >= best) continue;
        // A click finds a numerator's character in the band's upper half and
        // a denominator's in the lower, and lands on the side clicked.
        const bool part = c.level == DENOMINATOR_LEVEL || c.level == NUMERATOR_LEVEL;
        if (c.level == DENOMINATOR_LEVEL && y <= top + 25) continue;
        if (c.level == NUMERATOR_LEVEL && y >= top + 25) continue;
        best = d;
        pos = part && x > c.x ? i + 1 : i;
    }
    if (cells > 0) {
        const LayoutCell& last = ed.lineCells[static_cast<size_t>(cells)];
        if (std::abs(last.x + last.width - x) < best) pos = length + 1;
    }
    if (pos < ed.fixedPrefix) pos = ed.fixedPrefix + 1;
    if (pos == ed.fixedPrefix) return finished(ed, {});  // on the prefix's last byte: stay

    ed.caretPos = static_cast<uint8_t>(std::min(pos, 255));
    settleCaret(ed);
    guardAtCaret(ed);
    EditResult r;
    place(ed, ctx, r);
    return finished(ed, r);
}

EditResult applyChange(EditorState& ed, const EditorContext& ctx) {
    settleCaret(ed);
    EditResult r;
    redraw(ed, ctx, r);
    place(ed, ctx, r);
    guardAtCaret(ed);
    return finished(ed, r);
}

EditResult startLine(EditorState& ed, const EditorContext& ctx, const std::string& prefix) {
    ed.writtenLine = prefix;
    ed.fixedPrefix = static_cast<int32_t>(prefix.size());
    ed.caretPos = static_cast<uint8_t>(std::min<size_t>(prefix.size() + 1, 255));
    return applyChange(ed, ctx);
}
