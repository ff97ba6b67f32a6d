#include "tools/genpictures/mathtext.h"

#include "tools/genpictures/pictures.h"

#include <QFontMetricsF>
#include <QVector>
#include <algorithm>

namespace {

struct Piece {
    double x = 0;  // left edge relative to the row's start
    MathBox box;
};

// One glyph run in one font: the advance gives the width, the tight ink box
// the height, so fitting works on what is really seen.
MathBox glyphRun(const QString& text, const QFont& font, const QColor& ink) {
    QFontMetricsF fm(font);
    QRectF ink_rect = fm.tightBoundingRect(text);
    MathBox box;
    box.width = fm.horizontalAdvance(text);
    box.ascent = std::max(0.0, -ink_rect.top());
    box.descent = std::max(0.0, ink_rect.bottom());
    box.paint = [text, font, ink](QPainter& p, QPointF base) {
        p.setFont(font);
        p.setPen(ink);
        p.drawText(base, text);
    };
    return box;
}

MathBox row(const QVector<Piece>& pieces, double width) {
    MathBox box;
    box.width = width;
    for (const Piece& piece : pieces) {
        box.ascent = std::max(box.ascent, piece.box.ascent);
        box.descent = std::max(box.descent, piece.box.descent);
    }
    box.paint = [pieces](QPainter& p, QPointF base) {
        for (const Piece& piece : pieces)
            piece.box.paint(p, base + QPointF(piece.x, 0));
    };
    return box;
}

class Parser {
public:
    Parser(const QString& s, const QColor& ink) : s_(s), ink_(ink) {}

    MathBox sequence(double px, QChar stop) {
        QVector<Piece> pieces;
        double x = 0;
        QChar previous;  // last character placed, to tell a sign from an operator
        while (pos_ < s_.size() && s_[pos_] != stop) {
            QChar c = s_[pos_++];
            MathBox box;
            double before = 0, after = 0;
            if (c == '[') {
                box = fraction(px);
                before = after = px * 0.06;
            } else if (c == '+' || c == '-' || c == '=' || c == '*') {
                bool sign = (c == '-' || c == '+') &&
                            (previous.isNull() || previous == '(' || previous == '=');
                QString glyph = c == '-' ? QString(QChar(0x2212))
                              : c == '*' ? QString(QChar(0x00B7)) : QString(c);
                box = glyphRun(glyph, serifFont(px), ink_);
                if (!sign) before = after = (c == '*') ? px * 0.08 : px * 0.17;
            } else if (c.isLetter()) {
                box = glyphRun(QString(c), serifFont(px, true), ink_);
                after = px * 0.04;  // italic x leans into what follows
            } else {
                box = glyphRun(QString(c), serifFont(px), ink_);
            }
            x += before;
            pieces.push_back({x, box});
            x += box.width + after;
            previous = c;
        }
        if (pos_ < s_.size()) ++pos_;  // the stop character
        return row(pieces, x);
    }

private:
    MathBox fraction(double px) {
        double inner = px * 0.82;
        MathBox num = sequence(inner, '/');
        MathBox den = sequence(inner, ']');
        double axis = px * 0.30;     // bar height above the baseline
        double gap = std::max(1.5, px * 0.10);
        double bar = std::max(1.0, px * 0.065);
        double overhang = px * 0.12;
        double width = std::max(num.width, den.width) + 2 * overhang;
        MathBox box;
        box.width = width;
        box.ascent = axis + bar / 2 + gap + num.height();
        box.descent = den.height() + gap + bar / 2 - axis;
        QColor ink = ink_;
        box.paint = [=](QPainter& p, QPointF base) {
            double barY = base.y() - axis;
            p.fillRect(QRectF(base.x(), barY - bar / 2, width, bar), ink);
            num.paint(p, QPointF(base.x() + (width - num.width) / 2,
                                 barY - bar / 2 - gap - num.descent));
            den.paint(p, QPointF(base.x() + (width - den.width) / 2,
                                 barY + bar / 2 + gap + den.ascent));
        };
        return box;
    }

    QString s_;
    QColor ink_;
    int pos_ = 0;
};

}  // namespace

MathBox textBox(const QString& text, const QFont& font, const QColor& ink) {
    return glyphRun(text, font, ink);
}

MathBox layoutMath(const QString& source, double pixelSize, const QColor& ink) {
    Parser parser(source, ink);
    return parser.sequence(pixelSize, QChar());
}
