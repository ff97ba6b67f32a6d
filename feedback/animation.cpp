#include "feedback/animation.h"

#include <utility>

#include "engine/rounding.h"
#include "engine/cp1250.h"

namespace {

constexpr int ENDLESS = -1;

// A phase names its picture by a decimal number; anything else (a damaged
// record) names no picture and leaves the previous one on the screen.
bool pictureNumber(const std::string& text, int& out) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ') ++i;
    while (end > i && text[end - 1] == ' ') --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == end) return false;
    long value = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
        if (value > 1000000) return false;
    }
    out = static_cast<int>(negative ? -value : value);
    return true;
}

// The sound's name becomes a file name in zvuky/; one that could lead out of
// that folder, or holds control characters, comes from a damaged record.
bool isSoundFileName(const std::string& name) {
    for (unsigned char c : name)
        if (c < 32 || c == 127 || c == '/' || c == '\\') return false;
    return true;
}

}  // namespace

PixelPoint mascotPosition(double scaleX, double scaleY) {
    // The horizontal offset of 10 is scaled by scaleY on purpose: capture and
    // drawing must agree, and both use this one function.
    return {roundHalfEven(10 * scaleY + (78 * scaleX - MASCOT_WIDTH) / 2),
            roundHalfEven(10 * scaleY + (78 * scaleY - MASCOT_HEIGHT) / 2)};
}

PixelPoint bubblePosition(double scaleX, double scaleY) {
    // Unscaled, the bubble's tail would run under the mascot on large
    // pictures, and every mascot frame would paint over it.
    return {roundHalfEven(81 * scaleX), roundHalfEven(5 * scaleY)};
}

Animation::Animation(AnimationSink& sink, Reader reader, SecondsClock clock)
    : sink_(sink), reader_(std::move(reader)), clock_(std::move(clock)) {}

void Animation::stop() {
    timerRunning_ = false;
    sink_.stopAnimationTimer();
}

bool Animation::readAnimationRecord(int n) {
    AnimationRecord record;
    if (reader_ && n >= 0 && reader_(n, record)) {
        record_ = std::move(record);
        return true;
    }
    // Switched off before the dialog opens: a timer tick under the modal
    // dialog must not stack a second warning.
    enabled_ = false;
    sink_.showWarning(cp1250::w1250("Nepodařilo se číst ze souboru AN.DAX. Velmir se neukáže."));
    return false;
}

void Animation::startAnimation(int n, const std::string& sound, int duration) {
    if (n == 5) n = 8;
    // Stopped first: a warning below is modal, and the timers run on under it.
    stop();
    if (!enabled_ || !readAnimationRecord(n)) return;
    if (duration > 0) record_.duration = duration;

    // The two special codes run at the resting pace, and so does a zero or
    // other negative interval of a damaged record, which would make the timer
    // fire without pause.
    timerInterval_ = record_.intervalMs < 1 ? RESTING_INTERVAL_MS : record_.intervalMs;

    int count = 0;
    for (int k = 5; k >= 1; --k) {
        if (!record_.phase[k - 1].empty()) {
            count = k;
            break;
        }
    }
    if (count == 0 || !isSoundFileName(record_.soundName)) {
        // A damaged script (a zero-filled file has nothing but such records)
        // would bring the warning back with every animation: it is said once,
        // and the mascot stays still for the rest of the run.
        enabled_ = false;
        sink_.showWarning(cp1250::w1250("Chybně zapsaná animace."));
        return;
    }
    phaseCount_ = count;

    frameCounter_ = 0;
    timerRunning_ = true;
    sink_.startAnimationTimer(timerInterval_);

    if (!sound.empty())
        playAnimationSound(sound, n, duration);
    else if (!record_.soundName.empty())
        playAnimationSound(record_.soundName, n, duration);
}

AnimationStepResult Animation::animationStep() {
    if (frameCounter_ == 0) frameCounter_ = 1;

    if (record_.intervalMs != ENDLESS &&
        static_cast<int64_t>(frameCounter_) * timerInterval_ > static_cast<int64_t>(record_.duration) * 100) {
        startAnimation(ANIMATION_RESTING);
        return {AnimationStepResult::Finished, -1};
    }

    int phase;
    if (frameCounter_ <= phaseCount_) {
        phase = frameCounter_;
    } else if (record_.intervalMs != ENDLESS && record_.playOnce != 0) {
        ++frameCounter_;
        return {AnimationStepResult::Hold, -1};
    } else {
        phase = frameCounter_ % phaseCount_ + 1;
    }

    AnimationStepResult result;
    int picture;
    if (pictureNumber(record_.phase[phase - 1], picture)) {
        result = {AnimationStepResult::Draw, picture};
        sink_.drawMascotFrame(picture);
    }
    ++frameCounter_;
    // An endless animation must not run the counter past the int range; 60 is
    // a multiple of every phase count, so the cycle goes on unbroken.
    if (frameCounter_ > 2000000000) frameCounter_ -= 1999999980;
    return result;
}

void Animation::playAnimationSound(const std::string& name, int number, int duration) {
    if (name.empty()) return;
    if (number != ANIMATION_RESTING) last_ = {number, name, duration};
    std::string file = name;
    if (file == "maleok") {
        int seconds = clock_ ? clock_() : 0;
        file += static_cast<char>('0' + ((seconds % 10) + 10) % 10);
    }
    sink_.playSoundFile(file);
}

void Animation::replayLastAnimation() {
    if (last_.number >= 0) {
        const LastAnimation last = last_;  // startAnimation may overwrite it
        startAnimation(last.number, last.sound, last.duration);
    }
}

void Animation::timer1Tick() {
    if (timerRunning_) animationStep();
}

void Animation::animtimTick(bool timer1Running) {
    if (timerRunning_ && !timer1Running) animationStep();
}
