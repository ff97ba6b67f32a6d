// Velmir, the mascot: a round little owl-like fellow.  Every frame is drawn
// from the same parts by one function, so two frames differ only in what
// their settings change and the animations stay smooth.
#include "tools/genpictures/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int kSuper = 8;  // drawn 8 times larger, then averaged down

QPointF mirror(QPointF p) { return QPointF(MASCOT_WIDTH - p.x(), p.y()); }

struct Painter {
    QPainter& p;
    const Palette& c;
    const MascotFrame& f;

    QPen line(double width) const {
        return QPen(c("owl.line"), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }

    void arm(const ArmPose& pose, bool right) {
        QPointF shoulder(11, 41), elbow = pose.elbow, hand = pose.hand;
        if (right) { shoulder = mirror(shoulder); elbow = mirror(elbow); hand = mirror(hand); }
        QPainterPath path(shoulder);
        path.quadTo(elbow, hand);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c("owl.line"), 7.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(c("owl.dark"), 5.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        // Lighter feather tip on the hand.
        p.setPen(Qt::NoPen);
        p.setBrush(c("owl.body"));
        p.drawEllipse(hand, 2.1, 2.1);
    }

    void eye(QPointF centre) {
        double r = f.eyes == "wide" ? 6.6 : 6.0;
        if (f.eyes == "blink" || f.eyes == "happy") {
            p.setPen(line(1.3));
            p.setBrush(Qt::NoBrush);
            QRectF box(centre.x() - 4.5, centre.y() - 3, 9, 6);
            if (f.eyes == "blink") p.drawArc(box, 200 * 16, 140 * 16);  // closed lid
            else p.drawArc(box.translated(0, 1.5), 20 * 16, 140 * 16);   // happy arch
            return;
        }
        p.setPen(line(0.9));
        p.setBrush(c("owl.eye"));
        p.drawEllipse(centre, r, r);
        QPointF look(qBound(-2.4, f.look.x(), 2.4), qBound(-2.4, f.look.y(), 2.4));
        QPointF pupil = centre + look;
        p.setPen(Qt::NoPen);
        p.setBrush(c("owl.pupil"));
        double pr = f.eyes == "wide" ? 2.9 : 3.3;
        p.drawEllipse(pupil, pr, pr);
        p.setBrush(c("owl.eye"));
        p.drawEllipse(pupil + QPointF(1.1, -1.2), 1.1, 1.1);
        if (f.eyes == "half") {
            // Drooping lid over the upper half.
            QPainterPath lid;
            lid.moveTo(centre + QPointF(-r - 0.5, 0.3));
            lid.arcTo(QRectF(centre.x() - r - 0.5, centre.y() - r - 0.5, 2 * r + 1, 2 * r + 1), 180, -180);
            lid.quadTo(centre + QPointF(0, 1.6), centre + QPointF(-r - 0.5, 0.3));
            p.setBrush(c("owl.body"));
            p.setPen(line(0.9));
            p.drawPath(lid);
        }
    }

    void brow(QPointF eyeCentre, bool right) {
        if (f.brows == "none") return;
        double s = right ? -1 : 1;  // towards the middle of the face
        QPointF outer = eyeCentre + QPointF(-5 * s, -8.5), inner = eyeCentre + QPointF(2.5 * s, -8.5);
        if (f.brows == "frown") { outer.ry() -= 1.5; inner.ry() += 1.8; }
        else if (f.brows == "sad") { outer.ry() += 1.5; inner.ry() -= 1.8; }
        else if (f.brows == "raised") { outer.ry() -= 1.8; inner.ry() -= 1.8; }
        else if (f.brows == "thinking") { if (right) { outer.ry() -= 2; inner.ry() -= 1; } else { outer.ry() += 0.5; inner.ry() += 0.5; } }
        p.setPen(QPen(c("owl.brow"), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(outer, inner);
    }

    void mouth(QPointF m) {
        p.setBrush(Qt::NoBrush);
        p.setPen(line(1.2));
        const QString& kind = f.mouth;
        if (kind == "smile") {
            p.drawArc(QRectF(m.x() - 4, m.y() - 3.5, 8, 6), 200 * 16, 140 * 16);
        } else if (kind == "small") {
            p.drawArc(QRectF(m.x() - 2.8, m.y() - 2.5, 5.6, 4), 210 * 16, 120 * 16);
        } else if (kind == "grin") {
            QPainterPath d;
            d.moveTo(m + QPointF(-4.8, -1.2));
            d.quadTo(m + QPointF(0, 0), m + QPointF(4.8, -1.2));
            d.quadTo(m + QPointF(0, 7), m + QPointF(-4.8, -1.2));
            p.setBrush(c("owl.mouth"));
            p.drawPath(d);
            p.setPen(Qt::NoPen);
            p.setBrush(c("owl.cheek"));
            p.drawEllipse(m + QPointF(0, 2.8), 2.2, 1.2);  // tongue
        } else if (kind == "open") {
            p.setBrush(c("owl.mouth"));
            p.drawEllipse(m + QPointF(0, 0.8), 2.6, 3.3);
        } else if (kind == "frown") {
            p.drawArc(QRectF(m.x() - 4, m.y() - 0.5, 8, 6), 20 * 16, 140 * 16);
        } else if (kind == "flat") {
            p.drawLine(m + QPointF(-3, 0.5), m + QPointF(3, 0));
        } else if (kind == "wavy") {
            QPainterPath w(m + QPointF(-4, 0.8));
            w.quadTo(m + QPointF(-2, -1), m + QPointF(0, 0.8));
            w.quadTo(m + QPointF(2, 2.5), m + QPointF(4, 0.4));
            p.drawPath(w);
        } else {
            fatal("unknown mouth " + kind);
        }
    }

    void draw(const QMap<QString, ArmPose>& poses) {
        p.translate(0, -f.lift);
        const QPointF head = f.head;           // face features move by all of it
        const QPointF skull = QPointF(head.x() * 0.45, head.y());  // the outline less

        // Feet.
        p.setPen(line(0.8));
        p.setBrush(c("owl.feet"));
        p.drawEllipse(QPointF(17.5, 66.3), 4.6, 2.4);
        p.drawEllipse(QPointF(29.5, 66.3), 4.6, 2.4);

        // One silhouette for body, head and ear tufts, outlined once.
        QPainterPath body;
        body.addEllipse(QPointF(23.5, 48), 16.5, 17.5);
        QPainterPath skullPath;
        QPointF hc = QPointF(23.5, 25) + skull;
        skullPath.addEllipse(hc, 18, 15.5);
        QPainterPath tufts;
        tufts.moveTo(hc + QPointF(-15, -6));
        tufts.lineTo(hc + QPointF(-15.5, -19));
        tufts.lineTo(hc + QPointF(-6, -12));
        tufts.closeSubpath();
        tufts.moveTo(hc + QPointF(15, -6));
        tufts.lineTo(hc + QPointF(15.5, -19));
        tufts.lineTo(hc + QPointF(6, -12));
        tufts.closeSubpath();
        QPainterPath silhouette = body.united(skullPath).united(tufts).simplified();
        p.setPen(line(1.2));
        p.setBrush(c("owl.body"));
        p.drawPath(silhouette);

        // Belly with a few feather scallops.
        p.setPen(Qt::NoPen);
        p.setBrush(c("owl.belly"));
        p.drawEllipse(QPointF(23.5, 52), 10.5, 11.5);
        p.setPen(QPen(c("owl.dark"), 0.9, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (QPointF s : {QPointF(19.5, 48), QPointF(27.5, 48), QPointF(23.5, 53.5),
                          QPointF(17.5, 58), QPointF(29.5, 58)})
            p.drawArc(QRectF(s.x() - 2.5, s.y() - 1.5, 5, 3), 200 * 16, 140 * 16);

        // Facial disc around the eyes.
        QPointF eyeL = QPointF(17, 25) + head, eyeR = QPointF(30, 25) + head;
        p.setPen(Qt::NoPen);
        p.setBrush(c("owl.face"));
        QPainterPath disc;
        disc.addEllipse(eyeL, 8.6, 8.8);
        disc.addEllipse(eyeR, 8.6, 8.8);
        disc.addEllipse(QPointF(23.5, 33.5) + head, 6.5, 5);
        disc.setFillRule(Qt::WindingFill);
        p.drawPath(disc.simplified());

        // Rosy cheeks.
        p.setBrush(c("owl.cheek"));
        p.drawEllipse(QPointF(11.5, 33) + head, 2.4, 1.5);
        p.drawEllipse(QPointF(35.5, 33) + head, 2.4, 1.5);

        eye(eyeL);
        eye(eyeR);
        brow(eyeL, false);
        brow(eyeR, true);
        mouth(QPointF(23.5, 35.5) + head);

        arm(poses[f.armL], false);
        arm(poses[f.armR], true);
    }
};

}  // namespace

QImage drawMascot(const Sources& sources, const MascotFrame& frame) {
    QImage big(MASCOT_WIDTH * kSuper, MASCOT_HEIGHT * kSuper, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kSuper, kSuper);
        Painter painter{p, sources.palette, frame};
        painter.draw(sources.poses);
    }
    // Average each block; a pixel more than half covered takes the figure's
    // own colour, any other the key colour, so no blended edge pixel is
    // left for the program's transparent copy to show as a halo.
    const QRgb key = sources.palette("owl.key").rgb();
    QImage out(MASCOT_WIDTH, MASCOT_HEIGHT, QImage::Format_RGB32);
    for (int y = 0; y < MASCOT_HEIGHT; ++y) {
        for (int x = 0; x < MASCOT_WIDTH; ++x) {
            long r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < kSuper; ++j) {
                const QRgb* row = reinterpret_cast<const QRgb*>(big.constScanLine(y * kSuper + j));
                for (int i = 0; i < kSuper; ++i) {
                    QRgb px = row[x * kSuper + i];
                    r += qRed(px); g += qGreen(px); b += qBlue(px); a += qAlpha(px);
                }
            }
            QRgb result = key;
            if (a * 2 >= 255L * kSuper * kSuper) {
                result = qRgb(int(qMin(255L, r * 255 / a)), int(qMin(255L, g * 255 / a)),
                              int(qMin(255L, b * 255 / a)));
                if (result == key) result = qRgb(254, 0, 255);  // never a hole
            }
            out.setPixel(x, y, result);
        }
    }
    return out;
}

QImage drawMascotIcon(const Sources& sources, const MascotFrame& frame, int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    // A sky-blue disc, so the orange figure stands out on a dark panel and on
    // a white one alike and the icon reads as round, as desktop icons do.
    const double edge = qMax(1.0, size / 48.0);
    p.setPen(QPen(sources.palette("frame"), edge));
    p.setBrush(sources.palette("sky.top"));
    p.drawEllipse(QRectF(edge / 2, edge / 2, size - edge, size - edge));
    // The figure fills most of the height, its feet on the disc's lower part.
    const double scale = size * 0.84 / MASCOT_HEIGHT;
    p.translate((size - MASCOT_WIDTH * scale) / 2, size * 0.05);
    p.scale(scale, scale);
    Painter painter{p, sources.palette, frame};
    painter.draw(sources.poses);
    return icon;
}
