// The mascot's animations: which record plays, which picture comes next, when
// an animation ends and which sound goes with it.  Plain C++; the timer, the
// drawing, the sound and the warning dialog are reached through AnimationSink
// so that the rules can be followed step by step without a window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "feedback/animscript.h"

// Animation numbers, the record index in AN.DAX.
constexpr int ANIMATION_GREETING = 0;
constexpr int ANIMATION_RESTING = 2;
constexpr int ANIMATION_SOLVED = 3;
constexpr int ANIMATION_GOOD_STEP = 7;
constexpr int errorAnimations[4] = {1, 4, 5, 6};

constexpr int MASCOT_PICTURES = 17;   // velmir00 .. velmir16
constexpr int MASCOT_WIDTH = 47;
constexpr int MASCOT_HEIGHT = 70;
constexpr int BUBBLE_WIDTH = 189;
constexpr int BUBBLE_HEIGHT = 83;
constexpr int RESTING_INTERVAL_MS = 250;  // the interval of the two special codes

// What the animation asks of the window.
class AnimationSink {
public:
    virtual ~AnimationSink() = default;
    virtual void showWarning(const std::string& cp1250Text) = 0;
    virtual void startAnimationTimer(int intervalMs) = 0;  // (re)starts animtim
    virtual void stopAnimationTimer() = 0;
    virtual void drawMascotFrame(int picture) = 0;
    // Stops a sound that is still playing and plays zvuky/<name>.wav.
    virtual void playSoundFile(const std::string& cp1250Name) = 0;
};

struct LastAnimation {
    int32_t number = -10;  // negative: nothing to replay
    std::string sound;
    int32_t duration = -5;
};

struct AnimationStepResult {
    enum Kind { Draw, Hold, Finished };
    Kind kind = Hold;
    int picture = -1;  // for Draw
};

struct PixelPoint {
    int x = 0, y = 0;
};
// Top-left corner of the mascot's 47 x 70 pictures in the main picture.
PixelPoint mascotPosition(double scaleX, double scaleY);
// Top-left corner of the speech bubble in the main picture.
PixelPoint bubblePosition(double scaleX, double scaleY);

class Animation {
public:
    // Reads record n of AN.DAX; false on any failure.
    using Reader = std::function<bool(int n, AnimationRecord& out)>;
    // Seconds of the current time of day, 0..59.
    using SecondsClock = std::function<int()>;

    Animation(AnimationSink& sink, Reader reader, SecondsClock clock);

    void startAnimation(int n, const std::string& sound = std::string(), int duration = 0);
    AnimationStepResult animationStep();
    void playAnimationSound(const std::string& name, int number, int duration);
    // A click on the mascot: plays the last animation that had a sound again.
    void replayLastAnimation();

    // The caret timer's tick: steps a running animation first.
    void timer1Tick();
    // animtim's own tick; it paces the pictures only while the caret timer is stopped.
    void animtimTick(bool timer1Running);
    // Stops the running animation (also when the main window closes).
    void stop();

    int phaseCount() const { return phaseCount_; }
    bool animationsEnabled() const { return enabled_; }
    const LastAnimation& lastAnimation() const { return last_; }
    int frameCounter() const { return frameCounter_; }
    bool timerRunning() const { return timerRunning_; }
    int timerInterval() const { return timerInterval_; }

private:
    bool readAnimationRecord(int n);

    AnimationSink& sink_;
    Reader reader_;
    SecondsClock clock_;
    AnimationRecord record_;
    int phaseCount_ = 1;
    bool enabled_ = true;
    LastAnimation last_;
    int frameCounter_ = 0;
    bool timerRunning_ = false;
    int timerInterval_ = RESTING_INTERVAL_MS;
};
