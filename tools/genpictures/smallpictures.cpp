// The bubble, the keypad and the toolbar pictures.
#include "tools/genpictures/pictures.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// Turns an anti-aliased drawing on a transparent layer into one with a hard
// outline: a pixel is either the drawing's own colour or exactly `outside`.
// Programs that treat one colour as transparent would otherwise show a
// fringe of blended pixels around the shape.
QImage hardEdge(const QImage& layer, QColor outside) {
    QImage out(layer.size(), QImage::Format_RGB32);
    for (int y = 0; y < layer.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            int a = qAlpha(src[x]);
            if (a < 128) {
                dst[x] = outside.rgb();
            } else {
                // The layer is premultiplied; undo it so the edge keeps the
                // drawing's colour instead of fading towards black.
                dst[x] = qRgb(qMin(255, qRed(src[x]) * 255 / a),
                              qMin(255, qGreen(src[x]) * 255 / a),
                              qMin(255, qBlue(src[x]) * 255 / a));
                if (dst[x] == outside.rgb()) dst[x] = qRgb(qRed(dst[x]) ^ 1, qGreen(dst[x]), qBlue(dst[x]));
            }
        }
    }
    return out;
}

void drawArrow(QPainter& p, QPointF centre, bool up, const QColor& colour) {
    double s = up ? -1 : 1;
    QPainterPath arrow;
    arrow.moveTo(centre + QPointF(-2.5, -7 * s));
    arrow.lineTo(centre + QPointF(2.5, -7 * s));
    arrow.lineTo(centre + QPointF(2.5, 1 * s));
    arrow.lineTo(centre + QPointF(7, 1 * s));
    arrow.lineTo(centre + QPointF(0, 8 * s));
    arrow.lineTo(centre + QPointF(-7, 1 * s));
    arrow.lineTo(centre + QPointF(-2.5, 1 * s));
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(arrow);
}

// Numerator box over a bar over a denominator box: the fraction template.
void drawFractionSymbol(QPainter& p, QPointF c, double size, const QColor& ink, const QColor& slot) {
    double w = size * 0.62, h = size * 0.34;
    p.setBrush(slot);
    p.setPen(QPen(ink, qMax(1.0, size * 0.06), Qt::DashLine));
    p.drawRoundedRect(QRectF(c.x() - w / 2, c.y() - size * 0.08 - h, w, h), 1.5, 1.5);
    p.drawRoundedRect(QRectF(c.x() - w / 2, c.y() + size * 0.08, w, h), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(c.x() - w / 2 - size * 0.1, c.y() - size * 0.035, w + size * 0.2, size * 0.07));
}

}  // namespace

QImage drawBubble(const Sources& sources) {
    const Palette& palette = sources.palette;
    QImage layer(BUBBLE_WIDTH, BUBBLE_HEIGHT, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath body;
        body.addRoundedRect(QRectF(12, 2, 175, 78), 24, 24);
        // The tail points left, towards the mascot's mouth.
        QPainterPath tail;
        tail.moveTo(16, 35);
        tail.quadTo(9, 44, 1.5, 48);
        tail.quadTo(11, 51, 18, 55);
        tail.closeSubpath();
        QPainterPath shape = body.united(tail).simplified();
        p.setPen(QPen(palette("bubble.edge"), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(palette("bubble.fill"));
        p.drawPath(shape);
    }
    return hardEdge(layer, Qt::white);
}

QImage drawKeypad(const Sources& sources) {
    const Palette& palette = sources.palette;
    QImage image(KEYPAD_WIDTH, KEYPAD_HEIGHT, QImage::Format_RGB32);
    image.fill(palette("keypad.panel"));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const KeyDef& key : sources.keys) {
        double top = key.row == 1 ? 0 : 39, bottom = key.row == 1 ? 38 : 76;
        // A gap of two pixels inside the click area keeps faces apart.
        QRectF face(key.x0 + 2, top + 2, key.x1 - key.x0 + 1 - 4, bottom - top + 1 - 4);
        QColor fill = palette("key.face");
        QColor ink = palette("key.digit");
        if (key.style == "op") fill = palette("key.op");
        else if (key.style == "x") fill = palette("key.x");
        else if (key.style == "move") fill = palette("key.move");
        else if (key.style == "enter") { fill = palette("key.enter"); ink = Qt::white; }
        else if (key.style == "back") { fill = palette("key.back"); ink = Qt::white; }
        else if (key.style != "digit") fatal("unknown key style " + key.style);

        // Raised cap: a darker base two pixels below the face.
        p.setPen(Qt::NoPen);
        p.setBrush(fill.darker(150));
        p.drawRoundedRect(face, 5, 5);
        QRectF cap = face.adjusted(0, 0, 0, -2.5);
        QLinearGradient shade(cap.topLeft(), cap.bottomLeft());
        shade.setColorAt(0, fill.lighter(108));
        shade.setColorAt(1, fill);
        p.setBrush(shade);
        p.drawRoundedRect(cap, 5, 5);

        QPointF c = cap.center();
        if (key.face == "down" || key.face == "up") {
            drawArrow(p, c, key.face == "up", palette("ink.soft"));
        } else if (key.face == "fraction") {
            drawFractionSymbol(p, c, 26, ink, palette("key.face"));
        } else if (key.face == "enter") {
            QPainterPath arrow;
            arrow.moveTo(c + QPointF(9, -8));
            arrow.lineTo(c + QPointF(9, 2));
            arrow.lineTo(c + QPointF(-6, 2));
            p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(arrow);
            QPainterPath head;
            head.moveTo(c + QPointF(-11, 2));
            head.lineTo(c + QPointF(-4, -4));
            head.lineTo(c + QPointF(-4, 8));
            head.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawPath(head);
        } else if (key.face == "back") {
            QPainterPath shape;
            shape.moveTo(c + QPointF(-13, 0));
            shape.lineTo(c + QPointF(-6, -8));
            shape.lineTo(c + QPointF(12, -8));
            shape.lineTo(c + QPointF(12, 8));
            shape.lineTo(c + QPointF(-6, 8));
            shape.closeSubpath();
            p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(shape);
            p.drawLine(c + QPointF(-1, -3.5), c + QPointF(6, 3.5));
            p.drawLine(c + QPointF(-1, 3.5), c + QPointF(6, -3.5));
        } else {
            QString text = key.face;
            QFont font = sansFont(20, true);
            if (text == "x") font = serifFont(26, true);
            else if (text == "-") text = QString(QChar(0x2212));
            else if (text == "*") { text = QString(QChar(0x00B7)); font = sansFont(30, true); }
            else if (text == ",") font = sansFont(24, true);
            p.setFont(font);
            p.setPen(ink);
            QRectF cell = cap;
            if (text == ",") cell.translate(0, -5);  // the comma hangs low
            if (text == "x") cell.translate(0, -2);
            p.drawText(cell, Qt::AlignCenter, text);
        }
    }
    return image;
}

const QStringList& toolIconNames() {
    static const QStringList names{"zlomek", "mocnina2", "mocnina3", "mocnina4",
                                   "hodnoceni", "napoveda", "ucitel", "konec"};
    return names;
}

QImage drawToolIcon(const Palette& palette, const QString& name) {
    QImage image(kIconSize, kIconSize, QImage::Format_RGB32);
    image.fill(palette("key.op"));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRectF tile(0.5, 0.5, 24, 24);
    QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, palette("key.op"));
    p.setPen(QPen(palette("frame"), 1));
    p.setBrush(shade);
    p.drawRoundedRect(tile, 4, 4);

    const QColor ink = palette("ink");
    const QPointF c(12.5, 12.5);
    if (name == "zlomek") {
        drawFractionSymbol(p, c, 21, ink, Qt::white);
    } else if (name.startsWith("mocnina")) {
        p.setPen(ink);
        p.setFont(serifFont(19, true));
        p.drawText(QRectF(2, 4, 14, 20), Qt::AlignCenter, "x");
        p.setPen(palette("group3"));
        p.setFont(sansFont(11, true));
        p.drawText(QRectF(14, 1, 9, 12), Qt::AlignCenter, name.right(1));
    } else if (name == "hodnoceni") {
        // Blue and red bars, as the evaluation window shows them.
        p.setPen(Qt::NoPen);
        p.setBrush(palette("group3"));
        p.drawRoundedRect(QRectF(5, 7, 6, 14), 1, 1);
        p.setBrush(palette("grade5"));
        p.drawRoundedRect(QRectF(13, 14, 6, 7), 1, 1);
        p.setPen(QPen(ink, 1.2));
        p.drawLine(QPointF(3.5, 21.5), QPointF(21.5, 21.5));
        p.setPen(QPen(palette("exam"), 1));
        p.setBrush(palette("grade3"));
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            double r = i % 2 ? 1.6 : 3.8, a = i * M_PI / 5;
            QPointF pt(18 + r * std::sin(a), 6.5 - r * std::cos(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.drawPath(star);
    } else if (name == "napoveda") {
        p.setPen(Qt::NoPen);
        p.setBrush(palette("group3"));
        p.drawEllipse(c, 9, 9);
        p.setPen(Qt::white);
        p.setFont(sansFont(15, true));
        p.drawText(QRectF(3, 3.5, 19, 19), Qt::AlignCenter, "?");
    } else if (name == "ucitel") {
        // Mortarboard: the teacher's part.
        QPainterPath board;
        board.moveTo(12.5, 4.5);
        board.lineTo(23, 9.5);
        board.lineTo(12.5, 14.5);
        board.lineTo(2, 9.5);
        board.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(palette("ink"));
        QPainterPath cap;
        cap.moveTo(6.5, 12);
        cap.lineTo(6.5, 17.5);
        cap.quadTo(12.5, 21.5, 18.5, 17.5);
        cap.lineTo(18.5, 12);
        cap.closeSubpath();
        p.drawPath(cap);
        p.setBrush(palette("frame.dark"));
        p.drawPath(board);
        p.setPen(QPen(palette("exam"), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12.5, 9.5), QPointF(20.5, 12));
        p.drawLine(QPointF(20.5, 12), QPointF(20.5, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(palette("exam"));
        p.drawEllipse(QPointF(20.5, 19.5), 1.6, 1.6);
    } else if (name == "konec") {
        // A door with an arrow leading out of it: back to the start screen.
        p.setPen(QPen(palette("frame.dark"), 1.2));
        p.setBrush(palette("exam").lighter(150));
        p.drawRect(QRectF(4.5, 3.5, 11, 18));
        p.setBrush(palette("frame"));
        QPolygonF door{{4.5, 3.5}, {11, 5.5}, {11, 23}, {4.5, 21.5}};
        p.drawPolygon(door);
        p.setPen(QPen(palette("grade5"), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(13, 12.5), QPointF(21, 12.5));
        p.drawLine(QPointF(18, 9.5), QPointF(21.5, 12.5));
        p.drawLine(QPointF(18, 15.5), QPointF(21.5, 12.5));
    } else {
        fatal("no drawing for toolbar picture " + name);
    }
    return image;
}
