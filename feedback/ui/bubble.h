// The mascot's speech bubble, painted straight into the main picture.
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <string>

// Makes a picture drawable by QPainter (BMP files may load as palette
// pictures), keeping every pixel.
void ensurePaintable(QImage& picture);

class SpeechBubble : public QObject {
    Q_OBJECT
public:
    using Repaint = std::function<void(const QRect&)>;

    // topLeft is the bubble's corner in the picture; runtimeDir, with a
    // trailing slash, is where system/bublina.bmp lies (empty: the working
    // directory).
    SpeechBubble(QImage* picture, QPoint topLeft, Repaint repaint, QString runtimeDir = QString(),
                 QObject* parent = nullptr);
    ~SpeechBubble() override;

    QRect rect() const;

    void saveBubbleBackground();
    // Empty lines draw nothing; returns at once.
    void showBubble(const std::string& line1, const std::string& line2, const std::string& line3);
    void eraseBubble();
    bool bubbleShown() const { return shown_; }
    // Blocks until the pupil's next action has erased the bubble (returns at
    // once when none is shown).
    void waitForBubble();

    // The bubble drawn in code, used when system/bublina.bmp is missing or
    // damaged.
    static QImage drawnBubble();

Q_SIGNALS:
    void erased();

private:
    QImage* picture_;
    QPoint topLeft_;
    Repaint repaint_;
    QString runtimeDir_;
    QImage bubblePicture_;  // system/bublina.bmp, read at the first bubble
    QImage bubbleBackground_;
    bool shown_ = false;
};
