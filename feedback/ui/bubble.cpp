#include "feedback/ui/bubble.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "engine/ui/picturefile.h"
#include "engine/ui/qtext.h"
#include "feedback/animation.h"

namespace {

const QRgb SILVER = qRgb(192, 192, 192);

QFont bubbleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(13);  // 10 points on a 96 dpi screen, whatever the picture's own dpi
    return font;
}

}  // namespace

void ensurePaintable(QImage& picture) {
    switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888:
        return;
    default:
        if (!picture.isNull()) picture = picture.convertToFormat(QImage::Format_RGB32);
    }
}

SpeechBubble::SpeechBubble(QImage* picture, QPoint topLeft, Repaint repaint, QString runtimeDir,
                           QObject* parent)
    : QObject(parent), picture_(picture), topLeft_(topLeft), repaint_(std::move(repaint)),
      runtimeDir_(std::move(runtimeDir)) {}

SpeechBubble::~SpeechBubble() {
    // Nobody may be left waiting for a bubble that can no longer be erased.
    Q_EMIT erased();
}

QRect SpeechBubble::rect() const { return QRect(topLeft_, QSize(BUBBLE_WIDTH, BUBBLE_HEIGHT)); }

QImage SpeechBubble::drawnBubble() {
    QImage image(BUBBLE_WIDTH, BUBBLE_HEIGHT, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    // No smoothing: near-white edge pixels would not be transparent.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(SILVER));
    QPainterPath path;
    path.addRoundedRect(QRectF(12, 3, 172, 70), 18, 18);
    QPainterPath tail;
    tail.moveTo(22, 52);
    tail.lineTo(2, 80);
    tail.lineTo(40, 64);
    tail.closeSubpath();
    p.drawPath(path.united(tail));
    return image;
}

void SpeechBubble::saveBubbleBackground() {
    if (!picture_ || picture_->isNull()) return;
    ensurePaintable(*picture_);
    bubbleBackground_ = picture_->copy(rect());
}

void SpeechBubble::showBubble(const std::string& line1, const std::string& line2,
                              const std::string& line3) {
    shown_ = true;
    if (!picture_ || picture_->isNull()) return;
    ensurePaintable(*picture_);

    if (bubblePicture_.isNull()) {
        bubblePicture_ = loadPictureFile(runtimeDir_ + QStringLiteral("system/bublina.bmp"),
                                         QSize(BUBBLE_WIDTH, BUBBLE_HEIGHT));
        if (bubblePicture_.isNull()) bubblePicture_ = drawnBubble();
        bubblePicture_ = bubblePicture_.convertToFormat(QImage::Format_ARGB32);
    }
    // The lines are written into a copy.
    QImage bubble = bubblePicture_;

    {
        QPainter p(&bubble);
        p.setFont(bubbleFont());
        p.setPen(Qt::black);
        const QFontMetrics metrics(p.font());
        const struct {
            const std::string& text;
            int x, y;
        } lines[] = {{line1, 31, 17}, {line2, 19, 33}, {line3, 35, 49}};
        for (const auto& line : lines) {
            if (line.text.empty()) continue;
            const QString text = toQt(line.text);
            p.fillRect(QRect(line.x, line.y, metrics.horizontalAdvance(text), metrics.height()),
                       QColor(SILVER));
            p.drawText(line.x, line.y + metrics.ascent(), text);
        }
    }
    // Pure white lets the picture show through round the outline.
    for (int y = 0; y < bubble.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(bubble.scanLine(y));
        for (int x = 0; x < bubble.width(); ++x)
            if ((row[x] & 0xFFFFFF) == 0xFFFFFF) row[x] = 0;
    }

    QPainter p(picture_);
    // A picture larger than the bubble's place would leave pieces that
    // eraseBubble cannot restore.
    p.setClipRect(rect());
    p.drawImage(topLeft_, bubble);
    p.end();
    if (repaint_) repaint_(rect());
}

void SpeechBubble::eraseBubble() {
    shown_ = false;
    if (picture_ && !bubbleBackground_.isNull()) {
        ensurePaintable(*picture_);
        QPainter p(picture_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(topLeft_, bubbleBackground_);
        p.end();
        if (repaint_) repaint_(rect());
    }
    Q_EMIT erased();
}

void SpeechBubble::waitForBubble() {
    if (!shown_) return;
    QEventLoop loop;
    connect(this, &SpeechBubble::erased, &loop, &QEventLoop::quit);
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    loop.exec();
}
