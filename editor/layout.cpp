#include "editor/layout.h"

#include <algorithm>

#include "editor/structure.h"
#include "engine/rounding.h"

namespace {

int fontOf(const PageLayout& page, int level) {
    return page.fontSize[static_cast<size_t>(std::clamp(level, 1, 6))];
}

DrawOp fill(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return DrawOp{DrawOp::FILL, x1, y1, x2, y2, WHITE};
}

DrawOp hline(int32_t x1, int32_t x2, int32_t y, uint32_t colour) {
    return DrawOp{DrawOp::HLINE, x1, y, x2, y, colour};
}

}  // namespace

int layoutLine(const std::string& fullText, LineCells& cells, PageLayout& page,
               int caretPos, TextMetrics& metrics) {
    for (auto& c : cells) c = LayoutCell{};
    std::string text = fullText;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    const std::vector<bool> structural = structuralMarkers(text);
    const int n = std::min(static_cast<int>(text.size()), MAX_CELLS);

    const int32_t base = bandTop(page, page.currentLine);
    int level = MAIN_LEVEL;
    int32_t x = page.areaLeft;
    int32_t maxRight = 0;
    int32_t fracLeft = page.areaLeft;

    for (int i = 1; i <= n; ++i) {
        LayoutCell& c = cells[static_cast<size_t>(i)];
        auto b = static_cast<unsigned char>(text[static_cast<size_t>(i - 1)]);
        // The code of a free cell would end the line for every reader: a
        // damaged line's stray byte of that code stands as a blank instead.
        if (b == CELL_END) b = ' ';
        c.code = b;
        if (structural[static_cast<size_t>(i)]) {
            c.isMarker = true;
            int after = level;
            switch (b) {
            case FRACTION_START:
            case DENOMINATOR_START:
            case DENOMINATOR_END: after = DENOMINATOR_LEVEL; break;
            case NUMERATOR_START:
            case NUMERATOR_END: after = NUMERATOR_LEVEL; break;
            case FRACTION_END: after = MAIN_LEVEL; break;
            case POWER_START: after = enterExponent(level); break;
            case POWER_END: after = leaveExponent(level); break;
            default: break;
            }
            c.level = after;
            c.fontSize = static_cast<uint8_t>(fontOf(page, after));
            // Fraction markers take the size of a "1"; power markers have none.
            if (b != POWER_START && b != POWER_END) {
                c.width = metrics.width('1', c.fontSize, false);
                c.height = metrics.height('1', c.fontSize, false);
            }
            switch (b) {
            case FRACTION_START:
                x += 2;
                c.x = x;
                fracLeft = x;
                c.y = base + 26;
                break;
            case DENOMINATOR_START:
                // One width to the left, so that "after the marker" is where
                // the denominator starts.
                x += 3;
                c.x = x - c.width;
                c.y = base + 28;
                break;
            case DENOMINATOR_END:
                x += 3;
                c.x = x;
                maxRight = std::max(maxRight, x);
                c.y = base + 28;
                break;
            case NUMERATOR_START:
                x = fracLeft;  // the numerator starts from the same left edge
                c.x = x - c.width;
                c.y = base + 23 - c.height;
                break;
            case NUMERATOR_END:
                x += 3;
                c.x = x;
                c.y = base + 23;
                break;
            case FRACTION_END:
                c.x = std::max(x, maxRight);
                maxRight = c.x;
                x = c.x + 2;
                c.y = base + 26;
                break;
            case POWER_START:
                c.x = x;
                c.y = after == DENOMINATOR_EXPONENT ? base + 26 : base + 1;
                break;
            case POWER_END:
                c.x = x;
                c.y = after == DENOMINATOR_LEVEL ? base + 26 : base + 1;
                break;
            default: break;
            }
            level = after;
        } else if (b != 13) {
            c.level = level;
            c.fontSize = static_cast<uint8_t>(fontOf(page, level));
            c.width = metrics.width(b, c.fontSize, false);
            c.height = metrics.height(b, c.fontSize, false);
            const int32_t gap = b == '/' ? 30 : 0;  // the note keeps its distance
            c.x = x + gap;
            x += c.width + gap;
            switch (level) {
            case MAIN_LEVEL: c.y = base + 44 - c.height; break;
            case DENOMINATOR_LEVEL: c.y = base + 28; break;
            case NUMERATOR_LEVEL: c.y = base + 27 - c.height; break;
            case DENOMINATOR_EXPONENT: c.y = base + 26; break;
            default: c.y = base + 1; break;
            }
        }
        if (i == caretPos - 1) page.editLevel = static_cast<uint8_t>(level);
    }
    return n;
}

int layoutLine(EditorState& ed, TextMetrics& metrics) {
    return layoutLine(ed.writtenLine, ed.lineCells, ed.pageLayout, ed.caretPos, metrics);
}

int usedCells(const LineCells& cells) {
    int n = 0;
    while (n < MAX_CELLS && cells[static_cast<size_t>(n + 1)].code != CELL_END) ++n;
    return n;
}

DrawOp clearLineBand(const PageLayout& page, int line) {
    const int32_t base = bandTop(page, line);
    return fill(page.areaLeft + 1, base + 1, page.areaLeft + page.areaWidth - 1,
                base + page.lineHeight);
}

DrawOp clearLineBand(const PageLayout& page) { return clearLineBand(page, page.currentLine); }

DrawOps drawLine(LineCells& cells, const PageLayout& page, bool checkPhase, bool& lineFull) {
    DrawOps ops{clearLineBand(page)};
    const int n = usedCells(cells);
    if (n == 0) {
        lineFull = false;
        return ops;
    }
    auto cell = [&](int i) -> LayoutCell& { return cells[static_cast<size_t>(i)]; };

    // Align on the first "=", or on the last character of a line without one.
    int k = n;
    for (int i = 1; i <= n; ++i) {
        if (!cell(i).isMarker && cell(i).code == '=') {
            k = i;
            break;
        }
    }
    const int32_t right = cell(n).x + cell(n).width;
    int32_t shift = checkPhase ? 10
                               : page.areaWidth / 2 + page.areaLeft - cell(k).x - 2 * cell(k).width;
    // A long line moves left until its end is 10 pixels inside the area, but
    // never past its start.
    const int32_t limit = page.areaLeft + page.areaWidth - 10;
    if (shift < 0)
        shift = 0;
    else if (shift + right > limit)
        shift = std::max(limit - right, 0);
    for (int i = 1; i <= n; ++i) cell(i).x += shift + 4;
    lineFull = shift == 0 && right > page.areaLeft + page.areaWidth - 20;

    int32_t barLeft = 0, barRight = 0, barY = 0;
    for (int i = 1; i <= n; ++i) {
        const LayoutCell& c = cell(i);
        if (c.isMarker) {
            switch (c.code) {
            case FRACTION_START:
                barLeft = c.x;
                barRight = c.x + 15;  // an empty fraction still shows its bar
                barY = c.y;
                ops.push_back(hline(barLeft, barRight, c.y, BLACK));
                break;
            case FRACTION_END:
                barRight = std::max(barRight, c.x);
                ops.push_back(hline(barLeft, barRight, c.y, BLACK));
                break;
            case DENOMINATOR_END:
                barRight = std::max(barRight, c.x);
                ops.push_back(hline(barLeft, barRight, c.y - 2, BLACK));
                break;
            default: break;
            }
            continue;
        }
        if (c.code == 13 || c.level == 0) continue;
        if ((c.level == DENOMINATOR_LEVEL || c.level == NUMERATOR_LEVEL) && c.x > barRight) {
            barRight = c.x + c.width + 3;
            ops.push_back(hline(barLeft, barRight, barY, BLACK));
        }
        DrawOp t;
        t.kind = DrawOp::TEXT;
        t.x = c.x;
        t.y = c.y;
        t.colour = c.colour;
        t.fontSize = c.fontSize;
        t.ch = c.code;
        switch (c.code) {
        case '-':
            if (c.level == MAIN_LEVEL) t.fontSize -= 4;
            break;
        case '*':
            // The multiplication dot, raised to the middle of the digits.
            if (c.level == MAIN_LEVEL)
                t.y = c.y - c.fontSize / 3 + 4;
            else if (c.level == DENOMINATOR_LEVEL || c.level == NUMERATOR_LEVEL)
                t.y = c.y - c.fontSize / 3;
            else
                continue;
            t.ch = '.';
            break;
        case '+':
        case '=': t.bold = true; break;
        case '.': t.ch = ','; break;  // the decimal comma
        default: break;
        }
        ops.push_back(t);
    }
    return ops;
}

DrawOps drawLine(EditorState& ed) {
    return drawLine(ed.lineCells, ed.pageLayout, ed.checkPhase, ed.lineFull);
}

DrawOp clearEquationBand(const PictureBox& band) { return fill(band.left, band.top, band.right, band.bottom); }

DrawOp clearWritingArea(const PictureBox& area, const PageLayout& page) {
    return fill(std::min(area.left, page.areaLeft + 1), area.top, area.right, area.bottom);
}

DrawOps drawRuledLines(const PageLayout& page) {
    DrawOps ops;
    for (int i = 1; i <= page.pageLines; ++i) {
        ops.push_back(clearLineBand(page, i));
        ops.push_back(hline(page.areaLeft + 5, page.areaLeft + page.areaWidth - 5,
                            page.areaTop + i * page.lineHeight, RULE_CYAN));
    }
    return ops;
}
