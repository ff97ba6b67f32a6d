#include "tools/bankview/bankview.h"

#include <algorithm>

#include "editor/ui/linepainter.h"

namespace bankview {
namespace {

PageLayout pageFor(int slot, const MainWindowGeometry& g) {
    PageLayout page = slot == 0 ? g.equationLayout : g.writingLayout;
    page.currentLine = static_cast<uint8_t>(slot == 0 ? 1 : slot);
    return page;
}

}  // namespace

LineExtent extentOf(const EquationRecord& record, int slot, const MainWindowGeometry& g,
                    QtTextMetrics& metrics) {
    PageLayout page = pageFor(slot, g);
    LineCells cells;
    layoutLine(record.slot(slot), cells, page, 1, metrics);
    LineExtent e;
    const int used = usedCells(cells);
    e.width = used == 0 ? 0
                        : cells[static_cast<size_t>(used)].x + cells[static_cast<size_t>(used)].width -
                              page.areaLeft;
    e.room = page.areaWidth - 10;
    bool lineFull = false;
    DrawOps ops = drawLine(cells, page, false, lineFull);
    // A line that has to move left ends 4 pixels past this, as every long
    // line does; one that cannot move far enough ends further right.
    e.limit = page.areaLeft + page.areaWidth - 10 + 4;
    const int n = usedCells(cells);
    e.right = n == 0 ? 0 : cells[static_cast<size_t>(n)].x + cells[static_cast<size_t>(n)].width;

    // The ink, painted unclipped on a colour the line never uses.
    const QRgb sentinel = qRgb(0, 255, 0);
    QImage img(static_cast<int>(800 * g.screen.scaleX + 0.5) + 200,
               static_cast<int>(600 * g.screen.scaleY + 0.5), QImage::Format_RGB32);
    img.fill(sentinel);
    ops.erase(ops.begin());  // the white band: only what is drawn on it counts
    paintOps(img, ops, metrics);
    QRect ink;
    // A line's ink lies within a band's height of its own band.
    const int top = std::max(0, bandTop(page, page.currentLine) - page.lineHeight);
    const int bottom = std::min(img.height(), bandTop(page, page.currentLine) + 2 * page.lineHeight);
    for (int y = top; y < bottom; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (row[x] != sentinel) ink |= QRect(x, y, 1, 1);
    }
    e.ink = ink;
    if (slot == 0) {
        const DrawOp band = clearEquationBand(g.equationBand);
        e.band = QRect(QPoint(band.x, band.y), QPoint(band.x2 - 1, band.y2 - 1));
    } else {
        const DrawOp band = clearLineBand(page);
        e.band = QRect(QPoint(band.x, band.y), QPoint(band.x2 - 1, band.y2 - 1));
    }
    return e;
}

std::vector<std::string> fitProblems(const EquationRecord& record, const MainWindowGeometry& g,
                                     QtTextMetrics& metrics) {
    std::vector<std::string> out;
    const auto describe = [](const LineExtent& e) {
        return " (kreslí se od x " + std::to_string(e.ink.left()) + " do " + std::to_string(e.ink.right()) +
               ", y " + std::to_string(e.ink.top()) + " až " + std::to_string(e.ink.bottom()) + ")";
    };
    const LineExtent eq = extentOf(record, 0, g, metrics);
    if (eq.right > eq.limit || !eq.band.contains(eq.ink))
        out.push_back("zadání se nevejde do pruhu se zadáním" + describe(eq));
    const int lines = record.solutionLines();
    if (lines > g.writingLayout.pageLines)
        out.push_back("vzorové řešení má " + std::to_string(lines) + " řádků, na stránku se jich vejde " +
                      std::to_string(g.writingLayout.pageLines));
    for (int k = 1; k <= lines && k <= g.writingLayout.pageLines; ++k) {
        const LineExtent e = extentOf(record, k, g, metrics);
        if (e.right > e.limit)
            out.push_back("řádek postupu " + std::to_string(k) + " je o " + std::to_string(e.right - e.limit) +
                          " bodů širší než místo na psaní");
        else if (!e.band.contains(e.ink))
            out.push_back("řádek postupu " + std::to_string(k) + " přesahuje svůj řádek" + describe(e));
    }
    return out;
}

QImage renderSolution(const EquationRecord& record, const MainWindowGeometry& g, const QImage& picture) {
    const int width = static_cast<int>(800 * g.screen.scaleX + 0.5);
    const int height = static_cast<int>(600 * g.screen.scaleY + 0.5);
    QImage img = picture.isNull() ? QImage(width, height, QImage::Format_RGB32)
                                  : picture.convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) img.fill(qRgb(192, 192, 192));
    LinePainter painter(img);
    EditorState ed;
    ed.caretPos = 1;

    // As an equation is presented...
    painter.clearEquationBand(g.equationBand);
    ed.pageLayout = g.equationLayout;
    painter.layoutAndDraw(ed, record.slot(0));
    ed.pageLayout = g.writingLayout;
    painter.clearWritingArea(g.writingArea, ed.pageLayout);
    painter.drawRuledLines(ed.pageLayout);

    // ... and its sample solution shown on the clean page.
    const int lines = std::min<int>(record.solutionLines(), g.writingLayout.pageLines);
    for (int k = 1; k <= lines; ++k) {
        ed.pageLayout.currentLine = static_cast<uint8_t>(k);
        painter.layoutAndDraw(ed, record.slot(k));
    }
    return img;
}

}  // namespace bankview
