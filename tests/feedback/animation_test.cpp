#include "feedback/animation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "engine/cp1250.h"

namespace {

struct RecordingSink : AnimationSink {
    std::vector<std::string> warnings;
    std::vector<int> frames;
    std::vector<std::string> sounds;
    std::vector<int> timerStarts;
    int timerStops = 0;
    void showWarning(const std::string& text) override { warnings.push_back(text); }
    void startAnimationTimer(int ms) override { timerStarts.push_back(ms); }
    void stopAnimationTimer() override { ++timerStops; }
    void drawMascotFrame(int picture) override { frames.push_back(picture); }
    void playSoundFile(const std::string& name) override { sounds.push_back(name); }
};

AnimationRecord record(std::vector<std::string> phases, int32_t intervalMs, int32_t duration,
                       int32_t playOnce = 0, std::string sound = "") {
    AnimationRecord r;
    for (size_t k = 0; k < phases.size() && k < 5; ++k) r.phase[k] = phases[k];
    r.intervalMs = intervalMs;
    r.duration = duration;
    r.playOnce = playOnce;
    r.soundName = sound;
    return r;
}

struct Fixture : ::testing::Test {
    RecordingSink sink;
    std::map<int, AnimationRecord> script;
    std::vector<int> reads;
    int seconds = 0;
    Animation animation{sink,
                        [this](int n, AnimationRecord& out) {
                            reads.push_back(n);
                            auto it = script.find(n);
                            if (it == script.end()) return false;
                            out = it->second;
                            return true;
                        },
                        [this] { return seconds; }};

    void SetUp() override {
        script[2] = record({"0", "1"}, -1, 0);  // the resting mascot
    }
    std::vector<int> steps(int count) {
        std::vector<int> shown;
        for (int i = 0; i < count; ++i) {
            AnimationStepResult r = animation.animationStep();
            shown.push_back(r.kind == AnimationStepResult::Draw ? r.picture
                            : r.kind == AnimationStepResult::Hold ? -1 : -2);
        }
        return shown;
    }
};

TEST_F(Fixture, PicturesFollowThePhasesTheIntervalAndTheDuration) {
    const AnimationRecord resting = script[ANIMATION_RESTING];
    const struct {
        const char* what;
        int number, readAs;
        AnimationRecord record;
        int duration;  // 0: the record's
        int interval;
        std::vector<int> shown;  // a picture, -1 held, -2 ended
    } cases[] = {
        {"phases once, then cycling from the second", 3, 3, record({"3", "4", "5"}, 200, 1000), 0, 200,
         {3, 4, 5, 4, 5, 3, 4, 5, 3}},
        // 10 tenths = 1000 ms at 200 ms a picture: five ticks, the sixth ends it.
        {"played once: the last picture held", 3, 3, record({"3", "4", "5"}, 200, 10, 1), 0, 200,
         {3, 4, 5, -1, -1, -2}},
        // -10: 250 ms a picture; 2 x 250 = 500 is not beyond 500 ms, the third tick is.
        {"a negative interval", 6, 6, record({"1"}, -10, 5), 0, 250, {1, 1, -2}},
        {"a duration given replaces the record's", 7, 7, record({"1", "2"}, 100, 100), 2, 100, {1, 2, -2}},
        {"five is always played as eight", 5, 8, record({"12"}, 100, 10), 0, 100, {12}},
        {"bad phases draw nothing", 3, 3, record({"2", "", "x1", " 4 "}, 100, 100), 0, 100, {2, -1, -1, 4}},
        {"a zero interval never spins the timer", 3, 3, record({"1"}, 0, 10), 0, 250, {1}},
        {"nor does one below -1", 3, 3, record({"1"}, -7, 10), 0, 250, {1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        script = {{ANIMATION_RESTING, resting}, {c.readAs, c.record}};
        reads.clear();
        sink.frames.clear();
        if (c.duration) animation.startAnimation(c.number, "", c.duration);
        else animation.startAnimation(c.number);
        EXPECT_EQ(std::make_tuple(reads, animation.timerRunning(), animation.timerInterval()),
                  std::make_tuple(std::vector<int>{c.readAs}, true, c.interval));
        EXPECT_EQ(steps(static_cast<int>(c.shown.size())), c.shown);
        std::vector<int> drawn;
        std::copy_if(c.shown.begin(), c.shown.end(), std::back_inserter(drawn), [](int k) { return k >= 0; });
        EXPECT_EQ(sink.frames, drawn);
        // Ended: the resting mascot follows.
        if (c.shown.back() == -2) {
            EXPECT_EQ(std::make_tuple(reads.back(), animation.timerRunning(), animation.timerInterval(),
                                      animation.frameCounter()),
                      std::make_tuple(ANIMATION_RESTING, true, 250, 0));
        }
    }
}

TEST_F(Fixture, EndlessAnimationIgnoresDurationAndPlayOnce) {
    script[4] = record({"7", "8"}, -1, 1, 1);
    animation.startAnimation(4);
    EXPECT_EQ(animation.timerInterval(), 250);
    const std::vector<int> shown = steps(1000);
    // The third is (3 mod 2) + 1.
    EXPECT_EQ(std::make_tuple(*std::min_element(shown.begin(), shown.end()),
                              std::vector<int>(shown.begin(), shown.begin() + 4), reads),
              std::make_tuple(7, std::vector<int>{7, 8, 8, 7}, std::vector<int>{4}));
}

TEST_F(Fixture, MissingOrShortScriptWarnsOnceThenStaysStill) {
    animation.startAnimation(0);  // record 0 absent: a missing or too short file
    const std::vector<std::string> warned{cp1250::w1250("Nepodařilo se číst ze souboru AN.DAX. Velmir se neukáže.")};
    EXPECT_EQ(std::make_tuple(sink.warnings, animation.animationsEnabled(), animation.timerRunning()),
              std::make_tuple(warned, false, false));

    script[3] = record({"3"}, 100, 10, 0, "hura");
    animation.startAnimation(3);
    animation.startAnimation(1);
    animation.timer1Tick();
    animation.animtimTick(false);
    EXPECT_EQ(std::make_tuple(sink.warnings, sink.frames.empty(), sink.sounds.empty(), reads.size()),
              std::make_tuple(warned, true, true, 1u));
}

TEST_F(Fixture, ScriptFailingWhenTheRunningAnimationEndsStopsEverything) {
    script[3] = record({"3"}, 100, 1);
    script.erase(2);
    animation.startAnimation(3);
    sink.timerStops = 0;
    steps(2);  // the second tick ends it and asks for the resting record
    EXPECT_EQ(std::make_tuple(sink.warnings.size(), animation.timerRunning(), sink.timerStops >= 1),
              std::make_tuple(1u, false, true));
}

TEST_F(Fixture, ADamagedRecordWarnsOnceAndTheMascotStaysStill) {
    // A zero-filled script has five empty phases in every record; a sound
    // name that leads out of zvuky/ is as damaged.
    for (const AnimationRecord& damaged : {record({}, 100, 10), record({"1"}, 100, 10, 0, "../../x"),
                                           record({"1"}, 100, 10, 0, std::string("a\nb"))}) {
        RecordingSink fresh;
        Animation mascot{fresh,
                         [&](int n, AnimationRecord& out) {
                             out = n == 1 ? damaged : record({"3", "4", "5"}, 100, 10);
                             return true;
                         },
                         [] { return 0; }};
        mascot.startAnimation(3);
        mascot.startAnimation(1);
        const std::vector<std::string> warned{cp1250::w1250("Chybně zapsaná animace.")};
        EXPECT_EQ(std::make_tuple(fresh.warnings, mascot.animationsEnabled(), mascot.timerRunning(),
                                  fresh.sounds.empty()),
                  std::make_tuple(warned, false, false, true));
        // Every later animation is silent and still, and says nothing more.
        for (int n : {3, 1, 0, 7}) mascot.startAnimation(n);
        mascot.replayLastAnimation();
        EXPECT_EQ(std::make_tuple(fresh.warnings, mascot.timerRunning(), fresh.frames.empty()),
                  std::make_tuple(warned, false, true));
    }
}

TEST_F(Fixture, TimersStepOnlyARunningAnimation) {
    animation.timer1Tick();
    animation.animtimTick(false);
    EXPECT_TRUE(sink.frames.empty());

    script[3] = record({"3", "4"}, 100, 100);
    animation.startAnimation(3);
    animation.animtimTick(true);  // the caret timer paces the pictures
    EXPECT_TRUE(sink.frames.empty());
    animation.timer1Tick();
    animation.animtimTick(false);
    EXPECT_EQ(sink.frames, (std::vector<int>{3, 4}));
    animation.stop();
    animation.timer1Tick();
    EXPECT_EQ(sink.frames.size(), 2u);
}

TEST_F(Fixture, SoundsAndTheirReplay) {
    // Nothing has sounded yet: a click on the mascot does nothing.
    animation.replayLastAnimation();
    EXPECT_EQ(std::make_tuple(reads.empty(), animation.lastAnimation().number), std::make_tuple(true, -10));

    // An empty sound name and no argument: silence, nothing remembered.
    script[7] = record({"1"}, 100, 10);
    animation.startAnimation(7);
    EXPECT_EQ(std::make_tuple(sink.sounds.empty(), animation.lastAnimation().number), std::make_tuple(true, -10));

    // The record's own sound, remembered with its number and the duration given.
    script[3] = record({"1"}, 100, 10, 0, "hura");
    animation.startAnimation(3, "", 4);
    const LastAnimation& last = animation.lastAnimation();
    EXPECT_EQ(std::make_tuple(sink.sounds, last.number, last.sound, last.duration),
              std::make_tuple(std::vector<std::string>{"hura"}, 3, "hura", 4));

    // An argument overrides the record; the resting mascot is never remembered.
    script[2] = record({"0"}, -1, 0, 0, "chrap");
    animation.startAnimation(7, "jej");
    animation.startAnimation(2);
    EXPECT_EQ(std::make_tuple(sink.sounds, animation.lastAnimation().number),
              std::make_tuple(std::vector<std::string>{"hura", "jej", "chrap"}, 7));

    // A click on the mascot plays the remembered animation again.
    reads.clear();
    animation.replayLastAnimation();
    EXPECT_EQ(std::make_tuple(reads, sink.sounds.back()), std::make_tuple(std::vector<int>{7}, "jej"));
}

TEST_F(Fixture, MaleokTakesTheUnitsDigitOfTheSeconds) {
    script[0] = record({"1"}, 100, 10, 0, "maleok");
    seconds = 7;  // 12:00:07
    animation.startAnimation(0);
    seconds = 40;
    animation.startAnimation(0);
    // The replay draws a new digit, so the plain name is what is remembered.
    EXPECT_EQ(std::make_tuple(sink.sounds, animation.lastAnimation().sound),
              std::make_tuple(std::vector<std::string>{"maleok7", "maleok0"}, "maleok"));
    animation.playAnimationSound("maleoky", 1, 0);
    EXPECT_EQ(sink.sounds.back(), "maleoky");
}

}  // namespace
