#include "editor/guard.h"

#include <algorithm>
#include <initializer_list>

#include "editor/structure.h"

namespace {

ByteSet setOf(std::initializer_list<unsigned char> bytes, const ByteSet& more = {}) {
    ByteSet s = more;
    for (unsigned char b : bytes) s.set(b);
    return s;
}

ByteSet digits() {
    ByteSet s;
    for (unsigned char c = '0'; c <= '9'; ++c) s.set(c);
    return s;
}

// Rows of the guard's table by the byte before the caret.
const ByteSet afterDigit = setOf({'(', ')', '*', '+', '-', '.', '/', ':', '=', 'x', FRACTION_START, POWER_START}, digits());
const ByteSet afterLetter = setOf({'(', ')', '*', '+', '-', '/', ':', '=', FRACTION_START, POWER_START});
const ByteSet afterOperator = setOf({'(', '/', 'x', FRACTION_START}, digits());
const ByteSet afterParenthesis = setOf({'(', '+', '-', 'x', FRACTION_START}, digits());
const ByteSet afterPoint = setOf({'(', ')'}, digits());
const ByteSet afterNoteMark = setOf({'*', '+', '-', ':', 'x'}, digits());
const ByteSet afterStructure = setOf({')', '*', '+', '-', '/', ':', '='});

// Anything from 28 up may stand in a note, except the free cell's code, which
// would cut the laid-out line short.
ByteSet noteSet() {
    ByteSet s;
    for (int b = 28; b <= 255; ++b) s.set(static_cast<size_t>(b));
    s.reset(CELL_END);
    return s;
}

// No line grows past MAX_LINE_BYTES: a fraction is six bytes, a power three.
void keepWithinRoom(EditorState& ed) {
    const int length = static_cast<int>(ed.writtenLine.size());
    if (length + 6 > MAX_LINE_BYTES) ed.allowedNext.reset(FRACTION_START);
    if (length + 3 > MAX_LINE_BYTES) ed.allowedNext.reset(POWER_START);
}

}  // namespace

const ByteSet digitSet = digits();
const ByteSet unknownSet = setOf({'x'});
const ByteSet startSet = setOf({'(', '+', '-', 'x', FRACTION_START}, digits());

ToolbarState toolbarOf(const ByteSet& allowed) {
    return ToolbarState{allowed.test(FRACTION_START), allowed.test(POWER_START)};
}

bool caretInNote(const EditorState& ed) {
    const size_t upTo = std::min<size_t>(ed.caretPos, ed.writtenLine.size());
    return ed.writtenLine.find('/') < upTo;
}

void computeAllowedNext(EditorState& ed) {
    if (ed.lineFull) {
        ed.allowedNext.reset();
        return;
    }
    const LineStructure line(ed.writtenLine);
    const int before = ed.caretPos - 1;
    const unsigned char c = line.at(before);
    if (caretInNote(ed)) {
        ed.allowedNext = noteSet();
    } else if (c >= '0' && c <= '9') {
        ed.allowedNext = afterDigit;
    } else if ((c >= 'a' && c <= 'z') || c == ')') {
        ed.allowedNext = afterLetter;
    } else if (c == '*' || c == '+' || c == '-' || c == ':') {
        ed.allowedNext = afterOperator;
    } else if (c == '(') {
        ed.allowedNext = afterParenthesis;
    } else if (c == '.') {
        ed.allowedNext = afterPoint;
    } else if (c == '/') {
        ed.allowedNext = afterNoteMark;
    } else if (c == '=') {
        ed.allowedNext = startSet;
    } else if (line.isMarkerAt(before, FRACTION_END) || line.isMarkerAt(before, POWER_END)) {
        ed.allowedNext = afterStructure;
    } else if (line.isMarkerAt(before, NUMERATOR_START) || line.isMarkerAt(before, DENOMINATOR_START)) {
        ed.allowedNext = startSet;
        ed.allowedNext.reset(FRACTION_START);
    }
    // Any other byte (a space after a power) keeps the set as it was.

    const int level = line.levelAt(ed.caretPos);
    if (level != MAIN_LEVEL) {
        // Fractions never nest, whichever row (the "=" one, a note, a kept
        // set) would allow one; and a note begins only on the main line, so
        // it never cuts a fraction.
        ed.allowedNext.reset(FRACTION_START);
        ed.allowedNext.reset('/');
    }
    if (level > NUMERATOR_LEVEL) ed.allowedNext.reset();  // an exponent takes only the "x" editKey adds
    keepWithinRoom(ed);
}

void lineStartGuard(EditorState& ed) {
    ed.allowedNext = startSet;
    keepWithinRoom(ed);
}

void guardAtCaret(EditorState& ed) {
    if (ed.caretPos <= ed.fixedPrefix + 1)
        lineStartGuard(ed);
    else
        computeAllowedNext(ed);
}
