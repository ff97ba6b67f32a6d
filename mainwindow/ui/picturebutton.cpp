#include "mainwindow/ui/picturebutton.h"

#include <QPainter>

PictureButton::PictureButton(const QImage& picture, const QString& tip, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
    setFocusPolicy(Qt::NoFocus);
    setToolTip(tip);
    setCursor(Qt::ArrowCursor);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(192, 192, 192));
    if (!isEnabled()) p.setOpacity(0.35);
    const int shift = isDown() ? 1 : 0;
    if (picture_.isNull()) {
        p.setPen(Qt::darkGray);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        p.drawImage(QRect(shift, shift, width(), height()), picture_);
    }
}
