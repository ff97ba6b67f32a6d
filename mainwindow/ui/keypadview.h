// The on-screen keypad (objectName "Image2"): one picture whose key areas
// the editor knows.  It only reports where a click was released, in the
// picture's own pixels.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPoint>

class KeypadView : public QLabel {
    Q_OBJECT
public:
    KeypadView(const QImage& picture, QWidget* parent);

Q_SIGNALS:
    // The left button was released over the keypad at `point` of its picture.
    void released(QPoint point);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize pictureSize_;
};
