#include "feedback/ui/feedback.h"

#include <QFile>
#include <QTime>
#include <QTimer>

namespace {

QPoint toPoint(PixelPoint p) { return QPoint(p.x, p.y); }

}  // namespace

Feedback::Feedback(QImage* picture, double scaleX, double scaleY, Repaint repaint, Warnings& warnings,
                   SoundPlayer& sound, const QString& runtimeDir, QObject* parent)
    : QObject(parent),
      warnings_(warnings),
      sound_(sound),
      bubble_(picture, toPoint(bubblePosition(scaleX, scaleY)), repaint, runtimeDir),
      mascot_(picture, toPoint(mascotPosition(scaleX, scaleY)), repaint),
      animation_(
          *this,
          [path = QFile::encodeName(runtimeDir + QStringLiteral("AN.DAX")).toStdString()](
              int n, AnimationRecord& out) { return readAnimationFileRecord(path, n, out); },
          [] { return QTime::currentTime().second(); }),
      animationTimer_(new QTimer(this)) {
    animationTimer_->setObjectName(QStringLiteral("animtim"));
    mascot_.loadImages(runtimeDir);
    connect(animationTimer_, &QTimer::timeout, this, &Feedback::animationTimerTick);
}

Feedback::~Feedback() { animationTimer_->stop(); }

void Feedback::animationTimerTick() {
    animation_.animtimTick(caretTimer_ && caretTimer_->isActive());
    if (tickHook_) tickHook_();
}

void Feedback::startAnimationTimer(int intervalMs) { animationTimer_->start(intervalMs); }

void Feedback::stopAnimationTimer() { animationTimer_->stop(); }
