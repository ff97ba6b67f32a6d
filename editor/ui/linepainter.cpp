#include "editor/ui/linepainter.h"

#include <algorithm>
#include <cstdlib>

#include <QPainter>

#include "engine/ui/qtext.h"

QFont QtTextMetrics::font(int fontSize, bool bold) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    // Points at 96 dpi, rounded as the original surface did.
    f.setPixelSize(std::max(1, (fontSize * 96 + 36) / 72));
    f.setBold(bold);
    return f;
}

const QFontMetrics& QtTextMetrics::fm(int fontSize, bool bold) {
    const int key = fontSize * 2 + (bold ? 1 : 0);
    auto it = cache_.find(key);
    if (it == cache_.end()) it = cache_.emplace(key, QFontMetrics(font(fontSize, bold))).first;
    return it->second;
}

int QtTextMetrics::width(unsigned char c, int fontSize, bool bold) {
    return fm(fontSize, bold).horizontalAdvance(glyphOf(c));
}

int QtTextMetrics::height(unsigned char, int fontSize, bool bold) {
    return fm(fontSize, bold).height();
}

int QtTextMetrics::ascent(int fontSize, bool bold) { return fm(fontSize, bold).ascent(); }

QString glyphOf(unsigned char c) { return toQt(std::string(1, static_cast<char>(c))); }

QRect paintOps(QImage& picture, const DrawOps& ops, QtTextMetrics& metrics, const QRect& clip) {
    QPainter p(&picture);
    if (!clip.isNull()) p.setClipRect(clip);
    QRect touched;
    for (const DrawOp& op : ops) {
        const QColor colour = QColor::fromRgba(op.colour);
        if (op.kind == DrawOp::TEXT) {
            p.setFont(QtTextMetrics::font(op.fontSize, op.bold));
            p.setPen(colour);
            p.drawText(QPoint(op.x, op.y + metrics.ascent(op.fontSize, op.bold)), glyphOf(op.ch));
            touched |= QRect(op.x, op.y, metrics.width(op.ch, op.fontSize, op.bold) + 2,
                             metrics.height(op.ch, op.fontSize, op.bold));
            continue;
        }
        // A line is a rectangle one pixel high, drawn either way.
        const QRect r = op.kind == DrawOp::FILL
                            ? QRect(QPoint(op.x, op.y), QPoint(op.x2 - 1, op.y2 - 1))
                            : QRect(std::min(op.x, op.x2), op.y, std::abs(op.x2 - op.x), 1);
        if (r.isValid()) {
            p.fillRect(r, colour);
            touched |= r;
        }
    }
    return touched;
}

QRect LinePainter::layoutAndDraw(EditorState& ed, const std::string& line) {
    layoutLine(line, ed.lineCells, ed.pageLayout, ed.caretPos, metrics_);
    return paintLine(drawLine(ed));
}

QRect LinePainter::paintLine(const DrawOps& ops) {
    if (ops.empty()) return QRect();
    // x stays typeable on a full line, so a line can run past the area's end:
    // keep it inside its band rather than leave marks on the picture's margin.
    const DrawOp& band = ops.front();
    const QRect clip(QPoint(band.x, band.y), QPoint(band.x2 - 1, band.y2 - 1));
    return paintOps(picture_, ops, metrics_, clip) & clip;
}

QRect LinePainter::clearEquationBand(const PictureBox& band) {
    return paintOps(picture_, {::clearEquationBand(band)}, metrics_);
}

QRect LinePainter::clearWritingArea(const PictureBox& writingArea, const PageLayout& page) {
    return paintOps(picture_, {::clearWritingArea(writingArea, page)}, metrics_);
}

QRect LinePainter::drawRuledLines(const PageLayout& page) {
    return paintOps(picture_, ::drawRuledLines(page), metrics_);
}

QRect caretRect(const Caret& caret) { return QRect(caret.x, caret.y, 1, caret.height + 1); }

QRect caretTick(Caret& caret) { return blinkCaret(caret) ? caretRect(caret) : QRect(); }

QRect removeCaret(Caret& caret) {
    const QRect old = caret.shown ? caretRect(caret) : QRect();
    hideCaret(caret);
    return old;
}

void paintCaret(QPainter& windowPainter, const Caret& caret) {
    if (!caret.shown) return;
    windowPainter.save();
    windowPainter.setCompositionMode(QPainter::RasterOp_NotDestination);
    windowPainter.fillRect(caretRect(caret), Qt::black);
    windowPainter.restore();
}
