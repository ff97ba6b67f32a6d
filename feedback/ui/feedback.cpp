#include "feedback/ui/feedback.h"

#include <QFile>
#include <QPointer>
#include <QTime>
#include <QTimer>

namespace {

QPointer<Feedback> theFeedback;

QPoint toPoint(PixelPoint p) { return QPoint(p.x, p.y); }

}  // namespace

Feedback::Feedback(QImage* picture, double scaleX, double scaleY, Repaint repaint,
                   const QString& runtimeDir, QObject* parent)
    : QObject(parent),
      bubble_(picture, toPoint(bubblePosition(scaleX, scaleY)), repaint, runtimeDir),
      mascot_(picture, toPoint(mascotPosition(scaleX, scaleY)), repaint),
      animation_(
          *this,
          [path = QFile::encodeName(runtimeDir + QStringLiteral("AN.DAX")).toStdString()](
              int n, AnimationRecord& out) { return readAnimationFileRecord(path, n, out); },
          [] { return QTime::currentTime().second(); }),
      animtim_(new QTimer(this)) {
    mascot_.loadImages(runtimeDir);
    connect(animtim_, &QTimer::timeout, this, &Feedback::animtimTimer);
    theFeedback = this;
}

Feedback::~Feedback() {
    animtim_->stop();
    if (theFeedback == this) theFeedback = nullptr;
}

Feedback* Feedback::instance() { return theFeedback; }

void Feedback::animtimTimer() {
    animation_.animtimTick(timer1_ && timer1_->isActive());
    if (tickHook_) tickHook_();
}

void Feedback::startAnimationTimer(int intervalMs) { animtim_->start(intervalMs); }

void Feedback::stopAnimationTimer() { animtim_->stop(); }
