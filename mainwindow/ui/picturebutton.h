// A 25 x 25 toolbar button showing one of the system pictures; it never takes
// the keyboard focus, which belongs to the window.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QString>

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QImage& picture, const QString& tip, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
