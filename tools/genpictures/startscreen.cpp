// The start-screen picture: a light blue desk with the exercise-book page,
// the menu cards on the page, and calm places in the top band for what the
// program draws there (mascot, bubble, equation, toolbar, dial).
#include "tools/genpictures/mathtext.h"
#include "tools/genpictures/pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

QColor tint(const QColor& colour, double amount) {
    return QColor::fromRgbF(1 - (1 - colour.redF()) * amount, 1 - (1 - colour.greenF()) * amount,
                            1 - (1 - colour.blueF()) * amount);
}

void softPanel(QPainter& p, const QRectF& r, double radius, const Palette& c, const QColor& fill,
               const QColor& edge, double edgeWidth) {
    p.setPen(Qt::NoPen);
    p.setBrush(c("shadow"));
    p.drawRoundedRect(r.translated(1, 2), radius, radius);
    p.setBrush(fill);
    p.setPen(QPen(edge, edgeWidth));
    p.drawRoundedRect(r, radius, radius);
}

void drawBackdrop(QPainter& p, const Palette& c) {
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0, c("sky.top"));
    sky.setColorAt(1, c("sky.bottom"));
    p.fillRect(QRectF(0, 0, 800, 600), sky);

    // Mascot's corner: a soft frame the figure stands in.
    QRadialGradient glow(QPointF(49, 44), 48);
    glow.setColorAt(0, Qt::white);
    glow.setColorAt(1, tint(c("exam"), 0.18));
    softPanel(p, QRectF(10, 10, 78, 78), 16, c, Qt::white, c("frame"), 1.5);
    p.setPen(QPen(c("frame"), 1.5));
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(10, 10, 78, 78), 16, 16);

    // Equation band: plain white, so the equation drawn there in black
    // reads well; the program clears its inside while a pupil works.
    softPanel(p, QRectF(94, 4, 606, 60), 10, c, Qt::white, c("frame"), 1.5);

    // Toolbar shelf, tucked behind the page's top edge.
    p.setPen(Qt::NoPen);
    p.setBrush(c("shelf"));
    p.drawRoundedRect(QRectF(104, 67, 594, 40), 8, 8);

    // Dial corner.
    softPanel(p, QRectF(704, 6, 86, 85), 10, c, Qt::white, c("frame"), 1.5);

    // The exercise-book page around the writing area.
    p.setPen(Qt::NoPen);
    p.setBrush(c("shadow"));
    p.drawRoundedRect(QRectF(32, 101, 751, 485), 4, 4);
    p.setBrush(c("paper"));
    p.setPen(QPen(c("frame"), 1.5));
    p.drawRoundedRect(QRectF(30, 98.5, 751, 484.5), 3, 3);
    // Squared paper, as in a maths exercise book (start screen only: the
    // program paints the page white while a pupil works).
    QPen grid(c("paper.grid"), 0);  // one device pixel at any scale
    p.setPen(grid);
    for (double x = 48; x < 779; x += 16) p.drawLine(QPointF(x, 101), QPointF(x, 580));
    for (double y = 116; y < 581; y += 16) p.drawLine(QPointF(33, y), QPointF(778, y));

    // Binding rings in the left margin.
    for (double y = 126; y < 570; y += 36) {
        QRectF ring(7, y, 24, 8);
        QLinearGradient metal(ring.topLeft(), ring.bottomLeft());
        metal.setColorAt(0, QColor("#F4F7FB"));
        metal.setColorAt(0.5, QColor("#AEB9C8"));
        metal.setColorAt(1, QColor("#6D7A8E"));
        p.setPen(QPen(QColor("#56627A"), 0.8));
        p.setBrush(metal);
        p.drawRoundedRect(ring, 4, 4);
    }
}

void drawTitle(QPainter& p, const Palette& c) {
    QRectF area(94, 7, 606, 54);
    MathBox title = textBox("Velmir rovnic", sansFont(30, true), c("frame.dark"));
    MathBox hint = textBox("Vyber si druh rovnic a klikni na něj.", sansFont(13), c("ink.soft"));
    double gap = 7;
    double top = area.center().y() - (title.height() + gap + hint.height()) / 2;
    title.paint(p, QPointF(area.center().x() - title.width / 2, top + title.ascent));
    hint.paint(p, QPointF(area.center().x() - hint.width / 2, top + title.height() + gap + hint.ascent));
}

// Small symbols of the special menu items.
void drawSymbol(QPainter& p, const QString& kind, const QRectF& r, const QColor& ink, const Palette& c) {
    QPointF m = r.center();
    double s = r.height() / 20.0;
    p.save();
    p.translate(m);
    p.scale(s, s);
    if (kind == "exam") {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            double rad = i % 2 ? 4.2 : 9.5, a = i * M_PI / 5;
            QPointF pt(rad * std::sin(a), 0.8 - rad * std::cos(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setPen(QPen(c("exam").darker(140), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(star);
    } else if (kind == "exercise") {
        // A sheet with a pencil.
        p.setPen(QPen(ink, 1.3));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-8, -9.5, 13, 18), 1.5, 1.5);
        p.setPen(QPen(tint(ink, 0.5), 1.1));
        for (double y = -5; y < 6; y += 3.5) p.drawLine(QPointF(-5.5, y), QPointF(2.5, y));
        p.rotate(35);
        p.setPen(QPen(c("ink"), 0.9));
        p.setBrush(c("exam"));
        p.drawRect(QRectF(2, -2, 3.6, 12));
        QPolygonF tip{{2, 10}, {5.6, 10}, {3.8, 13.5}};
        p.setBrush(c("owl.belly"));
        p.drawPolygon(tip);
    } else if (kind == "exit") {
        p.setPen(QPen(Qt::white, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(-8, -9, 10, 18));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{{-8, -9}, {-2, -7}, {-2, 10.5}, {-8, 9}});
        p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(2, 0), QPointF(9.5, 0));
        p.drawLine(QPointF(6.5, -3.5), QPointF(10, 0));
        p.drawLine(QPointF(6.5, 3.5), QPointF(10, 0));
    }
    p.restore();
}

struct Placed {
    MathBox box;
    QPointF baseline;
};

// Finds the largest sizes at which the item's content fits its card and
// returns what to paint where; stops the build when nothing fits, since a
// clipped menu item is worse than a failed build.
QVector<Placed> layoutContent(const MenuItem& item, const QRectF& content, const QColor& ink,
                              const QColor& captionInk, const Palette& c) {
    bool strong = item.kind == "heading" || item.kind == "exam" || item.kind == "exit";
    for (double k = 1.0; k >= 0.55; k -= 0.025) {
        QVector<Placed> placed;
        auto centred = [&](const MathBox& b, double cx, double cy) {
            placed.push_back({b, QPointF(cx - b.width / 2, cy + (b.ascent - b.descent) / 2)});
        };
        const QPointF mid = content.center();
        if (item.layout == "label") {
            MathBox t = textBox(item.caption, sansFont((strong ? 20 : 15) * k, true), captionInk);
            if (t.width > content.width() || t.height() > content.height()) continue;
            centred(t, mid.x(), mid.y());
        } else if (item.layout == "math") {
            MathBox m = layoutMath(item.example, 21 * k, ink);
            if (m.width > content.width() || m.height() > content.height()) continue;
            centred(m, mid.x(), mid.y());
        } else if (item.layout == "row") {
            MathBox t = textBox(item.caption, sansFont(14 * k, true), captionInk);
            MathBox m = layoutMath(item.example, 20 * k, ink);
            double gap = 16 * k, width = t.width + gap + m.width;
            if (width > content.width() || qMax(t.height(), m.height()) > content.height()) continue;
            double left = mid.x() - width / 2;
            centred(t, left + t.width / 2, mid.y());
            centred(m, left + t.width + gap + m.width / 2, mid.y());
        } else if (item.layout == "column") {
            // Caption and example each as large as the width allows; only
            // the height is shared between them.
            double capPx = 14, mathPx = 20;
            while (capPx > 8 && textBox(item.caption, sansFont(capPx, true), captionInk).width > content.width())
                capPx -= 1;
            while (mathPx > 9 && layoutMath(item.example, mathPx, ink).width > content.width())
                mathPx -= 1;
            MathBox t = textBox(item.caption, sansFont(capPx * k, true), captionInk);
            MathBox m = layoutMath(item.example, mathPx * k, ink);
            double gap = 4 * k, height = t.height() + gap + m.height();
            if (qMax(t.width, m.width) > content.width() || height > content.height()) continue;
            double top = mid.y() - height / 2;
            centred(t, mid.x(), top + t.height() / 2);
            centred(m, mid.x(), top + t.height() + gap + m.height() / 2);
        } else if (item.layout == "icon") {
            MathBox t = textBox(item.caption, sansFont(18 * k, true), captionInk);
            double icon = qMin(content.height(), 22 * k), gap = 8 * k;
            double width = icon + gap + t.width;
            if (width > content.width() || t.height() > content.height()) continue;
            double left = mid.x() - width / 2;
            MathBox symbol;
            symbol.width = icon;
            symbol.ascent = icon / 2;
            symbol.descent = icon / 2;
            QString kind = item.kind;
            symbol.paint = [kind, icon, captionInk, &c](QPainter& p, QPointF base) {
                drawSymbol(p, kind, QRectF(base.x(), base.y() - icon / 2, icon, icon), captionInk, c);
            };
            centred(symbol, left + icon / 2, mid.y());
            centred(t, left + icon + gap + t.width / 2, mid.y());
        }
        if (!placed.isEmpty()) return placed;
    }
    fatal(QString("menu item %1 does not fit its box").arg(item.code));
}

void drawItem(QPainter& p, const MenuItem& item, const Palette& c) {
    QColor colour = c(item.colour);
    QRectF card(item.left + item.insetL, item.top + item.insetT,
                item.right - item.left - item.insetL - item.insetR,
                item.bottom - item.top - item.insetT - item.insetB - 1.5);
    bool filled = item.kind != "area" && item.kind != "exercise";
    if (filled && card.height() > 34) card.adjust(0, (card.height() - 34) / 2, 0, -(card.height() - 34) / 2);
    if (item.kind == "exam" && card.width() > 220) card.adjust((card.width() - 220) / 2, 0, -(card.width() - 220) / 2, 0);
    double radius = qMin(filled ? 12.0 : 8.0, card.height() / 2);

    // Shadow, then the card: the raised look says "click me".
    p.setPen(Qt::NoPen);
    p.setBrush(c("shadow"));
    p.drawRoundedRect(card.translated(0, 1.5), radius, radius);
    QLinearGradient shade(card.topLeft(), card.bottomLeft());
    QColor ink = c("ink"), captionInk;
    if (filled) {
        shade.setColorAt(0, colour.lighter(118));
        shade.setColorAt(1, colour);
        p.setPen(QPen(colour.darker(125), 1.2));
        captionInk = Qt::white;
    } else {
        shade.setColorAt(0, Qt::white);
        shade.setColorAt(1, tint(colour, 0.16));
        p.setPen(QPen(colour, 1.8));
        captionInk = colour.darker(135);
    }
    p.setBrush(shade);
    p.drawRoundedRect(card, radius, radius);
    if (!filled) {
        // A coloured tab on the left edge ties the card to its group.
        QPainterPath clip;
        clip.addRoundedRect(card, radius, radius);
        p.save();
        p.setClipPath(clip);
        p.fillRect(QRectF(card.left(), card.top(), 4.5, card.height()), colour);
        p.restore();
    }
    QRectF content = card.adjusted(filled ? 10 : 9, 3, filled ? -10 : -5, -3);
    for (const Placed& piece : layoutContent(item, content, ink, captionInk, c))
        piece.box.paint(p, piece.baseline);
}

// Pixels a layer really covers.
QRect coverage(const QImage& layer) {
    int x0 = layer.width(), y0 = layer.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < layer.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(row[x]) == 0) continue;
            x0 = qMin(x0, x); x1 = qMax(x1, x);
            y0 = qMin(y0, y); y1 = qMax(y1, y);
        }
    }
    return x1 < 0 ? QRect() : QRect(QPoint(x0, y0), QPoint(x1, y1));
}

}  // namespace

QImage drawStartScreen(const Sources& sources, double scale, const QImage& dial,
                       QVector<DrawnItem>* drawn) {
    const Palette& c = sources.palette;
    const int width = qRound(800 * scale), height = qRound(600 * scale);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    drawBackdrop(p, c);
    drawTitle(p, c);

    // The dial sits where the program copies it, unscaled: centred in the
    // scaled dial box; the needle rests at grade 1 as on an empty record.
    p.resetTransform();
    const int L = qRound(708 * scale), T = qRound(10 * scale);
    const int R = qRound(786 * scale), B = qRound(87 * scale);
    const int dialLeft = (L + R - DIAL_WIDTH) / 2, dialTop = (T + B - DIAL_HEIGHT) / 2;
    p.drawImage(dialLeft, dialTop, dial);
    p.setPen(QPen(c("ink"), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(dialLeft + 38, dialTop + 72), QPointF(dialLeft + 11, dialTop + 32));

    // Each item on a layer of its own, so what it covers can be measured.
    for (const MenuItem& item : sources.menu) {
        QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter lp(&layer);
            lp.setRenderHint(QPainter::Antialiasing);
            lp.setRenderHint(QPainter::TextAntialiasing);
            lp.scale(scale, scale);
            drawItem(lp, item, c);
        }
        if (drawn) drawn->push_back({item.code, coverage(layer)});
        p.drawImage(0, 0, layer);
    }
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}
