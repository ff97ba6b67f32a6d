#include "editor/editing.h"

#include <algorithm>

#include "editor/guard.h"
#include "editor/structure.h"

namespace {

int length(const EditorState& ed) { return static_cast<int>(ed.writtenLine.size()); }

void erase(EditorState& ed, int from, int count) {
    ed.writtenLine.erase(static_cast<size_t>(from - 1), static_cast<size_t>(count));
}

void insertAt(EditorState& ed, int pos, const std::string& bytes) {
    ed.writtenLine.insert(static_cast<size_t>(pos - 1), bytes);
}

bool roomFor(const EditorState& ed, int bytes) { return length(ed) + bytes <= MAX_LINE_BYTES; }

// Moves the caret; settleCaret afterwards keeps it in range and sets the level.
bool moveTo(EditorState& ed, int pos) {
    const int before = ed.caretPos;
    ed.caretPos = static_cast<uint8_t>(std::clamp(pos, 1, 255));
    settleCaret(ed);
    return ed.caretPos != before;
}

// A power goes whole when the only byte of its exponent is deleted, so no
// power is ever left without an exponent.
void deleteExponentByte(EditorState& ed, const PowerPlace& power, int i) {
    if (power.contentLength() == 1) {
        erase(ed, power.start, 3);
        ed.caretPos = static_cast<uint8_t>(power.start);
    } else {
        erase(ed, i, 1);
        ed.caretPos = static_cast<uint8_t>(std::min<int>(ed.caretPos, i));
    }
}

}  // namespace

int findNumeratorStart(int from, const std::string& text) {
    const LineStructure line(text);
    for (int i = std::max(from, 1); i <= line.length(); ++i)
        if (line.isMarkerAt(i, NUMERATOR_START)) return i;
    return 0;
}

int findDenominatorEnd(int from, const std::string& text) {
    const LineStructure line(text);
    for (int i = std::min(from, line.length()); i >= 1; --i)
        if (line.isMarkerAt(i, DENOMINATOR_END)) return i;
    return 0;
}

void settleCaret(EditorState& ed) {
    const LineStructure line(ed.writtenLine);
    const int last = std::min(length(ed) + 1, 255);
    const int first = std::clamp(ed.fixedPrefix + 1, 1, last);
    int p = std::clamp<int>(ed.caretPos, first, last);
    while (!line.isRestingPlace(p) && p < last) ++p;
    ed.caretPos = static_cast<uint8_t>(p);
    ed.pageLayout.editLevel = static_cast<uint8_t>(line.levelAt(p));
}

bool moveUp(EditorState& ed) {
    settleCaret(ed);
    if (ed.pageLayout.editLevel != DENOMINATOR_LEVEL) return false;
    const int start = findNumeratorStart(ed.caretPos, ed.writtenLine);
    return start != 0 && moveTo(ed, start + 1);
}

bool moveDown(EditorState& ed) {
    settleCaret(ed);
    if (ed.pageLayout.editLevel != NUMERATOR_LEVEL) return false;
    const int end = findDenominatorEnd(ed.caretPos, ed.writtenLine);
    return end != 0 && moveTo(ed, end);
}

bool moveRight(EditorState& ed) {
    settleCaret(ed);
    const LineStructure line(ed.writtenLine);
    int p = ed.caretPos;
    if (p > line.length()) return false;
    const int level = line.levelAt(p);
    ++p;
    if (level == NUMERATOR_LEVEL && line.isMarkerAt(p, FRACTION_END)) {
        ++p;  // from the end of the numerator out of the fraction
    } else if (level == MAIN_LEVEL && line.isMarkerAt(p, DENOMINATOR_START)) {
        ++p;  // into the fraction's denominator
    } else if (level == DENOMINATOR_LEVEL && line.isMarkerAt(p, NUMERATOR_START)) {
        p = line.fractionAt(p)->end() + 1;  // past the numerator, out of the fraction
    }
    return moveTo(ed, p);
}

bool moveLeft(EditorState& ed) {
    settleCaret(ed);
    const LineStructure line(ed.writtenLine);
    int p = ed.caretPos;
    if (p <= ed.fixedPrefix + 1) return false;
    const int level = line.levelAt(p);
    --p;
    if (level == MAIN_LEVEL && line.isMarkerAt(p, FRACTION_END)) {
        --p;  // to the end of the numerator
    } else if (level == NUMERATOR_LEVEL && line.isMarkerAt(p, NUMERATOR_START)) {
        --p;  // to the end of the denominator
    } else if (level == DENOMINATOR_LEVEL && line.isMarkerAt(p, DENOMINATOR_START)) {
        --p;  // out of the fraction, before it
    } else if (line.isMarkerAt(p, POWER_END)) {
        --p;  // into the exponent, before its last byte
    }
    return moveTo(ed, p);
}

void moveHome(EditorState& ed) { moveTo(ed, ed.fixedPrefix + 1); }

void moveEnd(EditorState& ed) { moveTo(ed, length(ed) + 1); }

bool deleteBefore(EditorState& ed) {
    settleCaret(ed);
    const LineStructure line(ed.writtenLine);
    const int p = ed.caretPos;
    if (p <= ed.fixedPrefix + 1 || p > line.length() + 1) return false;
    const int before = p - 1;
    const std::string old = ed.writtenLine;
    const int oldCaret = ed.caretPos;
    if (line.isMarker(before)) {
        switch (line.at(before)) {
        case FRACTION_END: ed.caretPos = static_cast<uint8_t>(p - 2); break;  // into the numerator
        case NUMERATOR_START: ed.caretPos = static_cast<uint8_t>(p - 2); break;  // to the denominator
        case DENOMINATOR_START: {
            const FractionPlace f = *line.fractionAt(before);
            if (f.empty()) erase(ed, f.start, 6);
            ed.caretPos = static_cast<uint8_t>(f.start);
            break;
        }
        case POWER_START:  // out of the exponent, before the power
        case POWER_END:    // into the exponent
            ed.caretPos = static_cast<uint8_t>(p - 1);
            break;
        default: break;  // the caret never rests after the other markers
        }
    } else if (const PowerPlace* power = line.powerHolding(before)) {
        deleteExponentByte(ed, *power, before);
    } else {
        erase(ed, before, 1);
        ed.caretPos = static_cast<uint8_t>(before);
    }
    settleCaret(ed);
    return ed.writtenLine != old || ed.caretPos != oldCaret;
}

bool deleteAfter(EditorState& ed) {
    settleCaret(ed);
    const LineStructure line(ed.writtenLine);
    const int p = ed.caretPos;
    if (p > line.length() || p < ed.fixedPrefix + 1) return false;
    const std::string old = ed.writtenLine;
    const int oldCaret = ed.caretPos;
    if (line.isMarker(p)) {
        const FractionPlace* f = line.fractionAt(p);
        switch (line.at(p)) {
        case FRACTION_START:
        case DENOMINATOR_END:
        case NUMERATOR_END:
            if (f->empty()) {
                const int start = f->start;
                erase(ed, start, 6);
                ed.caretPos = static_cast<uint8_t>(start);
            } else {
                // Before the fraction -> its denominator; end of the
                // denominator -> the numerator; end of the numerator -> after it.
                ed.caretPos = static_cast<uint8_t>(p + 2);
            }
            break;
        case FRACTION_END:
        case POWER_START:
        case POWER_END: ed.caretPos = static_cast<uint8_t>(p + 1); break;
        default: break;
        }
    } else if (const PowerPlace* power = line.powerHolding(p)) {
        deleteExponentByte(ed, *power, p);
    } else {
        erase(ed, p, 1);
    }
    settleCaret(ed);
    return ed.writtenLine != old || ed.caretPos != oldCaret;
}

bool insertByte(EditorState& ed, unsigned char ch) {
    settleCaret(ed);
    if (!roomFor(ed, 1)) return false;
    const LineStructure line(ed.writtenLine);
    const int level = line.levelAt(ed.caretPos);
    // Bytes with a marker's code are characters only in a note on the main
    // line, where nothing structural can take them for its own; the two that
    // no key types (a fraction's and a power's start/end that would complete
    // a false fraction or power) and the free cell's code never.
    if (ch == FRACTION_END || ch == POWER_START || ch == CELL_END) return false;
    if (isMarker(ch) && (level != MAIN_LEVEL || !caretInNote(ed))) return false;
    if (ch == '/' && level != MAIN_LEVEL) return false;
    insertAt(ed, ed.caretPos, std::string(1, static_cast<char>(ch)));
    ed.caretPos = static_cast<uint8_t>(ed.caretPos + 1);
    settleCaret(ed);
    return true;
}

bool insertFractionMarkers(EditorState& ed) {
    settleCaret(ed);
    if (!roomFor(ed, 6) || LineStructure(ed.writtenLine).levelAt(ed.caretPos) != MAIN_LEVEL) return false;
    insertAt(ed, ed.caretPos, writtenFraction("", ""));
    ed.caretPos = static_cast<uint8_t>(ed.caretPos + 4);
    settleCaret(ed);
    return true;
}

bool insertPowerBytes(EditorState& ed, unsigned char digit) {
    settleCaret(ed);
    if (digit < '2' || digit > '4' || !roomFor(ed, 3) ||
        LineStructure(ed.writtenLine).levelAt(ed.caretPos) > NUMERATOR_LEVEL)
        return false;
    insertAt(ed, ed.caretPos,
             std::string{static_cast<char>(POWER_START), static_cast<char>(digit), static_cast<char>(POWER_END)});
    ed.caretPos = static_cast<uint8_t>(ed.caretPos + 3);
    settleCaret(ed);
    return true;
}
