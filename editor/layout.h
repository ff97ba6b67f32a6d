// Layout and drawing of one written line.  Plain C++: text measurements come
// in through TextMetrics, and drawing produces a list of operations that the
// Qt side paints (editor/ui/linepainter.h), so both are testable without Qt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editor/writtenline.h"

// Sizes are in points, as the layout tables give them; the measuring side
// turns them into pixels.
struct TextMetrics {
    virtual ~TextMetrics() = default;
    virtual int width(unsigned char c, int fontSize, bool bold) = 0;
    virtual int height(unsigned char c, int fontSize, bool bold) = 0;
};

constexpr uint32_t WHITE = 0xFFFFFFFFu;
constexpr uint32_t RULE_CYAN = 0xFF00FFFFu;

// One painting step.  Rectangles and lines take their right end exclusive,
// as the line drawing of the original surface did.
struct DrawOp {
    enum Kind : uint8_t { FILL, HLINE, TEXT };
    Kind kind = FILL;
    int32_t x = 0, y = 0;  // FILL: top-left; HLINE: start; TEXT: top-left of the text cell
    int32_t x2 = 0, y2 = 0;  // FILL: right, bottom (exclusive); HLINE: end (exclusive)
    uint32_t colour = BLACK;
    unsigned char ch = 0;  // TEXT: Windows-1250 byte to draw
    int fontSize = 0;      // TEXT: points
    bool bold = false;
};
using DrawOps = std::vector<DrawOp>;

// Top of the band of display line `line` (1-based).
inline int32_t bandTop(const PageLayout& page, int line) {
    return page.areaTop + (line - 1) * page.lineHeight;
}

// Lays out `text` on the current line of `page` into `cells` and sets
// page.editLevel for the caret.  Only the first MAX_CELLS bytes (after
// trailing spaces are dropped) get cells; returns how many were laid out.
int layoutLine(const std::string& text, LineCells& cells, PageLayout& page,
               int caretPos, TextMetrics& metrics);
int layoutLine(EditorState& ed, TextMetrics& metrics);

// Number of used cells (up to the first free one, at most MAX_CELLS).
int usedCells(const LineCells& cells);

// Shifts the laid-out cells into place, sets lineFull and returns what to
// paint: the white band, then characters and fraction bars.
DrawOps drawLine(LineCells& cells, const PageLayout& page, bool checkPhase,
                 bool& lineFull);
DrawOps drawLine(EditorState& ed);

// The white band of the current line (or of display line `line`).
DrawOp clearLineBand(const PageLayout& page);
DrawOp clearLineBand(const PageLayout& page, int line);

// A rectangle of the picture; right and bottom are exclusive.  The main
// window computes where its bands lie and passes them in.
struct PictureBox {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The white equation band at the top of the picture.
DrawOp clearEquationBand(const PictureBox& band);

// The whole writing area, from the left end of the line bands to the area's
// right edge, so that no text or ruled line survives.
DrawOp clearWritingArea(const PictureBox& writingArea, const PageLayout& page);

// White bands with a cyan rule under each of the page's lines.
DrawOps drawRuledLines(const PageLayout& page);
