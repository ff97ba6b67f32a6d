// Draws the mascot's pictures into the main picture over the saved background.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <functional>

class MascotPainter {
public:
    using Repaint = std::function<void(const QRect&)>;

    MascotPainter(QImage* picture, QPoint position, Repaint repaint);

    // Loads system/velmir00.bmp .. velmir16.bmp from runtimeDir (with a
    // trailing slash, empty: the working directory); returns how many loaded.
    // A missing or damaged picture, or one not 47 x 70, is simply not drawn.
    int loadImages(const QString& runtimeDir);
    void setImage(int k, const QImage& image);

    QRect rect() const;
    // Saves the piece of the main picture under the mascot.
    void captureBackground();
    // Draws picture k over the background and shows it; a frame that is
    // still on the screen as it was drawn is left alone, so a resting mascot
    // repeating its picture costs no repaint.
    void drawMascotFrame(int k);

private:
    QImage* picture_;
    QPoint position_;
    Repaint repaint_;
    std::array<QImage, 17> images_;
    QImage mascotBackground_;
    int shownFrame_ = -1;  // the last frame drawn, as drawnBox_ holds it
    QImage drawnBox_;
};
