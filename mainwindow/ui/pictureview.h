// The main picture (objectName "Image1"): shows the picture the program paints
// on and the caret over it, and reports the mouse in picture coordinates.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

#include "editor/writtenline.h"

class PictureView : public QWidget {
    Q_OBJECT
public:
    // The caret is kept in window coordinates: it is painted shifted by this
    // view's place in its window.
    PictureView(QImage* picture, const Caret* caret, QWidget* parent);
    QSize sizeHint() const override { return picture_->size(); }

Q_SIGNALS:
    void pressed(QPoint point);
    void moved(QPoint point);
    // The left button was released over the picture, at `point`.
    void clicked(QPoint point);
    // The picture has been painted for the first time.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage* picture_;
    const Caret* caret_;
    bool painted_ = false;
};
