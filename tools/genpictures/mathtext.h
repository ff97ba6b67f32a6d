// A small typesetter for the example equations on the start screen: a
// line of numbers, the unknown in italics, operators with room around them
// and real fractions with a bar.
#pragma once

#include <QColor>
#include <QPainter>
#include <QString>
#include <functional>

struct MathBox {
    double width = 0;
    double ascent = 0;   // ink above the baseline
    double descent = 0;  // ink below the baseline
    std::function<void(QPainter&, QPointF baseline)> paint;
    double height() const { return ascent + descent; }
};

// Plain text as a box, so captions and equations share one placement.
MathBox textBox(const QString& text, const QFont& font, const QColor& ink);

// Source syntax: [a/b] a fraction, * the times dot, - a minus sign, letters
// the unknown (italic), everything else as written.
MathBox layoutMath(const QString& source, double pixelSize, const QColor& ink);
