// Everything the main window needs of the feedback: the speech bubble, the
// sounds and the mascot with its timer.  The main window creates one after
// it has loaded its picture and computed the scale factors.
#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "feedback/animation.h"
#include "feedback/ui/bubble.h"
#include "feedback/ui/mascot.h"
#include "feedback/ui/sound.h"
#include "feedback/ui/warningdialog.h"

class QTimer;

class Feedback : public QObject, private AnimationSink {
    Q_OBJECT
public:
    using Repaint = std::function<void(const QRect&)>;

    // picture: the main picture (Image1), which the bubble and the mascot
    // paint into; repaint is asked to show a changed rectangle of it.
    // runtimeDir (trailing slash, empty: the working directory) holds
    // AN.DAX and system/.
    Feedback(QImage* picture, double scaleX, double scaleY, Repaint repaint,
             const QString& runtimeDir = QString(), QObject* parent = nullptr);
    ~Feedback() override;

    // The one the main window created, for the operations that reach the
    // feedback from elsewhere; null before that.
    static Feedback* instance();

    // Speech bubble.
    void saveBubbleBackground() { bubble_.saveBubbleBackground(); }
    void showBubble(const std::string& line1, const std::string& line2 = std::string(),
                    const std::string& line3 = std::string()) {
        bubble_.showBubble(line1, line2, line3);
    }
    void eraseBubble() { bubble_.eraseBubble(); }
    bool bubbleShown() const { return bubble_.bubbleShown(); }
    void waitForBubble() { bubble_.waitForBubble(); }

    // Mascot.
    void startAnimation(int n, const std::string& sound = std::string(), int duration = 0) {
        animation_.startAnimation(n, sound, duration);
    }
    void replayLastAnimation() { animation_.replayLastAnimation(); }
    void captureMascotBackground() { mascot_.captureBackground(); }  // FormActivate
    void drawMascotFrame(int k) override { mascot_.drawMascotFrame(k); }
    // Call from the caret timer's handler before the caret blinks.
    void Timer1Timer() { animation_.timer1Tick(); }
    void stopAnimation() { animation_.stop(); }  // FormClose

    // The caret timer: while it runs it paces the pictures.
    void setCaretTimer(const QTimer* timer1) { timer1_ = timer1; }
    // Called on every tick of animtim: it clears enterBusy.
    void setAnimationTickHook(std::function<void()> hook) { tickHook_ = std::move(hook); }

    QTimer* animtim() const { return animtim_; }
    Animation& animation() { return animation_; }
    SpeechBubble& bubble() { return bubble_; }
    MascotPainter& mascot() { return mascot_; }

private Q_SLOTS:
    void animtimTimer();

private:
    void showWarning(const std::string& cp1250Text) override { ::showWarning(cp1250Text); }
    void startAnimationTimer(int intervalMs) override;
    void stopAnimationTimer() override;
    // "cink" and the animations' sounds share one player.
    void playSoundFile(const std::string& cp1250Name) override { ::playSound(cp1250Name); }

    SpeechBubble bubble_;
    MascotPainter mascot_;
    Animation animation_;
    QTimer* animtim_;
    const QTimer* timer1_ = nullptr;
    std::function<void()> tickHook_;
};
