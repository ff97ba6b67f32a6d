#include "editor/caret.h"

#include "editor/layout.h"

namespace {

// Caret length and its drop below a cell's top, by the cell's level.
struct CaretSize {
    int32_t height, dy;
};

CaretSize caretSize(int level) {
    switch (level) {
    case DENOMINATOR_LEVEL: return {13, 4};
    case NUMERATOR_LEVEL: return {13, 2};
    case DENOMINATOR_EXPONENT:
    case NUMERATOR_EXPONENT: return {8, 2};
    case MAIN_EXPONENT: return {18, 2};
    default: return {30, 4};
    }
}

// The caret of an empty line stands a little left of the area's middle.
void atLineMiddle(const PageLayout& page, PictureOffset pic, Caret& c) {
    c.x = page.areaLeft + pic.left + page.areaWidth / 2 - 20;
    c.y = bandTop(page, page.currentLine) + pic.top + 8;
    c.height = 30;
}

const LayoutCell* cellAt(const LineCells& cells, int i) {
    if (i < 1 || i > MAX_CELLS || cells[static_cast<size_t>(i)].code == CELL_END) return nullptr;
    return &cells[static_cast<size_t>(i)];
}

}  // namespace

void placeCaret(EditorState& ed, PictureOffset pic) {
    Caret& c = ed.caret;
    const PageLayout& page = ed.pageLayout;
    c.shown = false;
    const int n = usedCells(ed.lineCells);
    if (ed.caretPos <= 1 || n == 0) {
        const LayoutCell* first = cellAt(ed.lineCells, 1);
        if (ed.checkPhase || !first) {
            atLineMiddle(page, pic, c);
            // The check by substitution writes from the line's left end.
            if (ed.checkPhase) c.x = page.areaLeft + pic.left + 10;
        } else {
            const CaretSize s = caretSize(first->level);
            c.x = first->x + pic.left;
            c.y = first->y + pic.top + s.dy;
            c.height = s.height;
        }
    } else {
        // A byte before the caret without a cell (dropped trailing spaces, or
        // past the laid-out cells) puts the caret after the last cell rather
        // than at the picture's corner.
        const LayoutCell* p = cellAt(ed.lineCells, ed.caretPos - 1);
        if (!p) p = cellAt(ed.lineCells, n);
        const CaretSize s = caretSize(p->level);
        c.x = p->x + p->width + pic.left;
        c.y = p->y + pic.top + s.dy;
        c.height = s.height;
        if (p->isMarker && p->code == FRACTION_END) {
            // After a fraction the caret rises from the band's bottom.
            c.x = p->x + pic.left;
            c.y = page.areaTop + page.currentLine * page.lineHeight + pic.top - p->height;
        }
    }
}

void hideCaret(Caret& caret) {
    caret.shown = false;
    caret.active = false;
}

bool blinkCaret(Caret& caret) {
    if (!caret.active) return false;
    caret.shown = !caret.shown;
    return true;
}
