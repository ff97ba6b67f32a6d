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

    // picture: the main picture, which the bubble and the mascot paint
    // into; repaint is asked to show a changed rectangle of it.  warnings
    // and sound are the program's own, which outlive this object.
    // runtimeDir (trailing slash, empty: the working directory) holds
    // AN.DAX and system/.
    Feedback(QImage* picture, double scaleX, double scaleY, Repaint repaint, Warnings& warnings,
             SoundPlayer& sound, const QString& runtimeDir = QString(), QObject* parent = nullptr);
    ~Feedback() override;

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
    // Call from the caret timer's handler (Timer1Timer) before the caret blinks.
    void caretTimerTick() { animation_.timer1Tick(); }
    void stopAnimation() { animation_.stop(); }  // FormClose

    // The caret timer: while it runs it paces the pictures.
    void setCaretTimer(const QTimer* caretTimer) { caretTimer_ = caretTimer; }
    // Called on every tick of the animation timer: it clears enterBusy.
    void setAnimationTickHook(std::function<void()> hook) { tickHook_ = std::move(hook); }

    // The animation's own timer (objectName "animtim").
    QTimer* animationTimer() const { return animationTimer_; }
    Animation& animation() { return animation_; }
    SpeechBubble& bubble() { return bubble_; }
    MascotPainter& mascot() { return mascot_; }

private Q_SLOTS:
    void animationTimerTick();

private:
    void showWarning(const std::string& cp1250Text) override { warnings_.showWarning(cp1250Text); }
    void startAnimationTimer(int intervalMs) override;
    void stopAnimationTimer() override;
    // "cink" and the animations' sounds share one player.
    void playSoundFile(const std::string& cp1250Name) override { sound_.play(cp1250Name); }

    Warnings& warnings_;
    SoundPlayer& sound_;
    SpeechBubble bubble_;
    MascotPainter mascot_;
    Animation animation_;
    QTimer* animationTimer_;
    const QTimer* caretTimer_ = nullptr;
    std::function<void()> tickHook_;
};
