#include "mainwindow/ui/keypadview.h"

#include <QMouseEvent>
#include <QPixmap>

#include "editor/keypad.h"

KeypadView::KeypadView(const QImage& picture, QWidget* parent)
    : QLabel(parent), pictureSize_(KeypadPicture::width, KeypadPicture::height) {
    setObjectName(QStringLiteral("Image2"));
    setPixmap(QPixmap::fromImage(picture));
    setScaledContents(true);
    setCursor(Qt::ArrowCursor);
}

// Taken, so the release comes here and not to the window behind.
void KeypadView::mousePressEvent(QMouseEvent* event) { event->accept(); }

void KeypadView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // A press dragged off the keypad is taken back, as on any button.
    if (event->button() != Qt::LeftButton || !rect().contains(at) || width() <= 0 || height() <= 0) return;
    // The key areas are the picture's pixels, whatever size the widget got.
    Q_EMIT released(QPoint(at.x() * pictureSize_.width() / width(), at.y() * pictureSize_.height() / height()));
}
