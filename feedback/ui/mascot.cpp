#include "feedback/ui/mascot.h"

#include <QPainter>
#include <algorithm>

#include "engine/ui/picturefile.h"
#include "feedback/animation.h"
#include "feedback/ui/bubble.h"

MascotPainter::MascotPainter(QImage* picture, QPoint position, Repaint repaint)
    : picture_(picture), position_(position), repaint_(std::move(repaint)) {}

int MascotPainter::loadImages(const QString& runtimeDir) {
    int loaded = 0;
    for (int k = 0; k < MASCOT_PICTURES; ++k) {
        const QString path =
            runtimeDir + QStringLiteral("system/velmir%1.bmp").arg(k, 2, 10, QLatin1Char('0'));
        // A damaged or odd-sized frame is left out, as a missing one.
        setImage(k, loadPictureFile(path, QSize(MASCOT_WIDTH, MASCOT_HEIGHT)));
        if (!images_[k].isNull()) ++loaded;
    }
    return loaded;
}

void MascotPainter::setImage(int k, const QImage& image) {
    if (k < 0 || k >= MASCOT_PICTURES) return;
    images_[k] = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

QRect MascotPainter::rect() const { return QRect(position_, QSize(MASCOT_WIDTH, MASCOT_HEIGHT)); }

void MascotPainter::captureBackground() {
    if (!picture_ || picture_->isNull()) return;
    ensurePaintable(*picture_);
    mascotBackground_ = picture_->copy(rect());
    shownFrame_ = -1;
}

void MascotPainter::drawMascotFrame(int k) {
    if (!picture_ || picture_->isNull()) return;
    // Without a saved background each frame would leave the last one's pixels.
    if (mascotBackground_.isNull()) captureBackground();
    ensurePaintable(*picture_);
    // The same frame again, and nobody has painted over it since.
    if (k == shownFrame_ && picture_->copy(rect()) == drawnBox_) return;
    {
        QPainter p(picture_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(position_, mascotBackground_);
    }
    if (k >= 0 && k < MASCOT_PICTURES && images_[k].width() > 1 && images_[k].height() > 1) {
        const QImage& image = images_[k];
        const QRgb transparent = image.pixel(1, 1);
        const QRect target = picture_->rect();
        // Only the mascot's box: pixels beyond it would outlive the next frame.
        const int width = std::min(image.width(), MASCOT_WIDTH);
        const int height = std::min(image.height(), MASCOT_HEIGHT);
        for (int j = 0; j < height; ++j) {
            for (int i = 0; i < width; ++i) {
                const QRgb colour = image.pixel(i, j);
                const QPoint at = position_ + QPoint(i, j);
                if (colour != transparent && target.contains(at)) picture_->setPixel(at, colour);
            }
        }
    }
    shownFrame_ = k;
    drawnBox_ = picture_->copy(rect());
    if (repaint_) repaint_(rect());
}
