// The speedometer dial.  The needle is drawn by the program from the pivot
// (38, 72) to ends that run from (11, 32) for grade 1 through (25, 29),
// (39, 32) and (53, 32) to (67, 32) for grade 5; the coloured scale is laid
// out in the same angles so the needle always points into its grade.
#include "tools/genpictures/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QPointF kPivot(38, 72);

// Angle of a needle end, in degrees clockwise from straight up.
double angleOf(QPointF end) {
    QPointF d = end - kPivot;
    return std::atan2(d.x(), -d.y()) * 180.0 / M_PI;
}

QPointF polar(double radius, double degrees) {
    double a = degrees * M_PI / 180.0;
    return kPivot + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

// An annulus sector between two angles (clockwise from up).
QPainterPath sector(double r0, double r1, double from, double to) {
    QPainterPath path;
    QRectF outer(kPivot.x() - r1, kPivot.y() - r1, 2 * r1, 2 * r1);
    QRectF inner(kPivot.x() - r0, kPivot.y() - r0, 2 * r0, 2 * r0);
    // Qt's arcs start at 3 o'clock and run counter-clockwise.
    path.arcMoveTo(outer, 90 - from);
    path.arcTo(outer, 90 - from, -(to - from));
    if (r0 > 0) path.arcTo(inner, 90 - to, to - from);
    else path.lineTo(kPivot);  // a pie: Qt's arcTo on an empty rectangle adds nothing
    path.closeSubpath();
    return path;
}

}  // namespace

QImage drawDial(const Palette& palette) {
    QImage image(DIAL_WIDTH, DIAL_HEIGHT, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Where each grade starts, from the needle's own geometry.
    const double start1 = angleOf({11, 32}), start2 = angleOf({25, 29}),
                 start3 = angleOf({39, 32}), start4 = angleOf({53, 32}),
                 grade5 = angleOf({67, 32});
    // Grade 5 is a single needle position at the far right, and the last
    // steps of grade 4 swing just past it; those steps mean "almost 5", so
    // they may point into the red.
    const double edges[6] = {start1 - 3, start2, start3, start4, grade5 - 4.5, grade5 + 4.5};

    // Face: a soft fan behind the scale.
    QPainterPath face = sector(0, 60.5, edges[0] - 1.5, edges[5] + 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(palette("dial.face"));
    p.drawPath(face);

    const double r0 = 48.5, r1 = 60;
    for (int g = 0; g < 5; ++g) {
        p.setBrush(palette(QString("grade%1").arg(g + 1)));
        p.drawPath(sector(r0, r1, edges[g], edges[g + 1]));
    }
    // Thin white seams between the grades.
    p.setPen(QPen(Qt::white, 1.0));
    for (int g = 1; g < 5; ++g) p.drawLine(polar(r0, edges[g]), polar(r1, edges[g]));

    // Small ticks inside the scale, one per needle step of the middle grades.
    p.setPen(QPen(palette("ink.soft"), 0.8));
    for (double a = edges[0] + 4; a < edges[5] - 2; a += 7)
        p.drawLine(polar(r0 - 4, a), polar(r0 - 1.5, a));

    // Grade digits in the middle of each segment.
    QFont digits = sansFont(9, true);
    p.setFont(digits);
    for (int g = 0; g < 5; ++g) {
        double mid = (edges[g] + edges[g + 1]) / 2;
        QPointF c = polar((r0 + r1) / 2, mid);
        QRectF cell(c.x() - 5, c.y() - 5, 10, 10);
        // Dark digits on the light middle colours, white on green and red.
        p.setPen(g == 0 || g == 4 ? QColor(Qt::white) : palette("ink"));
        p.drawText(cell, Qt::AlignCenter, QString::number(g + 1));
    }

    // Rim around the fan.
    p.setPen(QPen(palette("dial.rim"), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(face);

    // Hub the needle turns on.
    p.setPen(Qt::NoPen);
    p.setBrush(palette("ink"));
    p.drawEllipse(kPivot, 4.5, 4.5);
    p.setBrush(palette("dial.rim"));
    p.drawEllipse(kPivot, 2, 2);
    return image;
}
