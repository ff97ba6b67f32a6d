#include "editor/keypad.h"

#include <algorithm>

#include "editor/editing.h"

using namespace editorsteps;

namespace {

struct KeyArea {
    int32_t lastX;  // the area runs from the previous one's lastX + 1
    KeypadKey key;
};

constexpr KeypadKey character(unsigned char ch) { return KeypadKey{KeypadKey::Character, ch}; }
constexpr KeypadKey SPACE = character(' ');

const KeyArea upperRow[] = {
    {37, character('x')},  {75, character('0')},  {113, character('1')}, {147, character('2')},
    {184, character('3')}, {222, character('4')}, {258, character('5')}, {296, character('6')},
    {332, character('7')}, {369, character('8')}, {406, character('9')}, {436, character('.')},
};

const KeyArea lowerRow[] = {
    {37, {KeypadKey::Down, 0}},      {75, {KeypadKey::Up, 0}},          {113, character('=')},
    {147, character('+')},           {184, character('-')},             {222, character('*')},
    {258, {KeypadKey::Fraction, 0}}, {296, character('(')},             {332, character(')')},
    {335, SPACE},                    {386, {KeypadKey::Enter, 0}},      {387, SPACE},
    {442, {KeypadKey::Backspace, 0}},
};

template <size_t N>
KeypadKey keyIn(const KeyArea (&row)[N], int32_t x) {
    for (const KeyArea& a : row)
        if (x <= a.lastX) return a.key;
    return SPACE;
}

}  // namespace

KeypadKey keypadKeyAt(int32_t x, int32_t y) {
    if (x < 0) return SPACE;
    return y < KeypadPicture::lowerRowTop ? keyIn(upperRow, x) : keyIn(lowerRow, x);
}

EditResult keypadPressed(EditorState& ed, const EditorContext& ctx, KeypadKey key) {
    const int remembered = ed.caretPos;
    settleCaret(ed);
    EditResult r;
    switch (key.kind) {
    case KeypadKey::Up: moveUp(ed); break;
    case KeypadKey::Down: moveDown(ed); break;
    case KeypadKey::Fraction:
        // The guard after it is set by the insertion, as after NUMERATOR_START.
        return fractionButtonReleased(ed, ctx);
    case KeypadKey::Enter:
        r.handOver = HandOver::Enter;
        r.toolbar = toolbarOf(ed.allowedNext);
        return r;
    case KeypadKey::Backspace: r = editKey(ed, ctx, KEY_BACKSPACE); break;
    case KeypadKey::Character:
        if (key.ch == '=' && ed.checkPhase) {
            r.handOver = HandOver::CheckPhaseEquals;
            r.toolbar = toolbarOf(ed.allowedNext);
            return r;
        }
        r = editKey(ed, ctx, key.ch);
        break;
    }
    tail(ed, ctx, remembered, r);
    r.toolbar = toolbarOf(ed.allowedNext);
    return r;
}

int32_t keypadTop(const EditorState& ed, const EditorContext& ctx) {
    const PageLayout& page = ed.pageLayout;
    const int32_t below = ed.caret.y + page.lineHeight + KeypadPicture::gapToCaretLine;
    if (below + KeypadPicture::height <= ctx.windowHeight) return below;
    const int32_t lineTop = bandTop(page, page.currentLine) + ctx.picture.top;
    return std::max(lineTop - KeypadPicture::height - KeypadPicture::gapToCaretLine, 0);
}
