#include "mainwindow/ui/pictureview.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "editor/ui/linepainter.h"

PictureView::PictureView(QImage* picture, const Caret* caret, QWidget* parent)
    : QWidget(parent), picture_(picture), caret_(caret) {
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), *picture_, r);
    p.translate(-x(), -y());
    paintCaret(p, *caret_);
    if (!painted_) {
        painted_ = true;
        Q_EMIT firstPainted();
    }
}

void PictureView::mousePressEvent(QMouseEvent* event) { Q_EMIT pressed(event->position().toPoint()); }

void PictureView::mouseMoveEvent(QMouseEvent* event) { Q_EMIT moved(event->position().toPoint()); }

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !rect().contains(at)) return;
    Q_EMIT clicked(at);
}
