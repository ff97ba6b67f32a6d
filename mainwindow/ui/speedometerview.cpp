#include "mainwindow/ui/speedometerview.h"

#include <QPainter>
#include <QPen>

QRect drawDial(QImage& picture, const QImage& dial, const DialGeometry& g) {
    QPainter p(&picture);
    // The box's right and bottom edges are outside it, as in a filled rectangle.
    const QRect box(QPoint(g.boxLeft, g.boxTop), QPoint(g.boxRight - 1, g.boxBottom - 1));
    p.fillRect(box, Qt::white);
    if (!dial.isNull()) p.drawImage(QPoint(g.dialLeft, g.dialTop), dial, QRect(0, 0, DIAL_WIDTH, DIAL_HEIGHT));
    return box | QRect(g.dialLeft, g.dialTop, DIAL_WIDTH, DIAL_HEIGHT);
}

QRect drawSpeedometer(QImage& picture, const QImage& dial, const DialGeometry& g, const NeedleEnd& end) {
    QRect touched = drawDial(picture, dial, g);
    QPainter p(&picture);
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    const QPoint tip(g.dialLeft + end.x, g.dialTop + end.y);
    p.drawLine(QPoint(g.pivotX, g.pivotY), tip);
    return touched | QRect(QPoint(g.pivotX, g.pivotY), tip).normalized().adjusted(-3, -3, 3, 3);
}
