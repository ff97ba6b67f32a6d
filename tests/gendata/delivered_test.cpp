// The files the build delivers into the runtime folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <tuple>

#include "engine/littleendian.h"
#include "feedback/animscript.h"
#include "teacher/settingsfile.h"
#include "tests/support/testfiles.h"

namespace {

const std::string runtime = VELMIR_RUNTIME_DIR;

std::vector<AnimationRecord> deliveredAnimations() {
    std::vector<AnimationRecord> records;
    AnimationRecord record;
    for (int n = 0; readAnimationFileRecord(runtime + "/AN.DAX", n, record); ++n) records.push_back(record);
    return records;
}

struct Wave {
    std::string problem;  // empty for a usable file
    int rate = 0;
    std::vector<int16_t> samples;
};

// The sounds are written as plain 16-bit mono PCM files: a 44-byte header
// whose sizes agree with the file, then the samples.
Wave readWave(const std::string& file) {
    Wave wave;
    const std::string bytes = readBytes(file);
    auto le = [&bytes](size_t at, int size) {
        return littleendian::getBits(reinterpret_cast<const unsigned char*>(&bytes[at]), size);
    };
    if (bytes.size() < 46 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 8, "WAVEfmt ") != 0 ||
        bytes.compare(36, 4, "data") != 0) {
        wave.problem = "not a plain RIFF WAVE file";
    } else if (le(4, 4) != bytes.size() - 8 || le(16, 4) != 16 || le(40, 4) != bytes.size() - 44) {
        wave.problem = "sizes in the header do not match the file";
    } else if (le(20, 2) != 1 || le(22, 2) != 1 || le(34, 2) != 16) {
        wave.problem = "not 16-bit mono PCM";
    } else {
        wave.rate = static_cast<int>(le(24, 4));
        for (size_t at = 44; at + 1 < bytes.size(); at += 2) wave.samples.push_back(static_cast<int16_t>(le(at, 2)));
    }
    return wave;
}

std::set<std::string> neededSounds() {
    std::set<std::string> names = {"cink"};
    for (int digit = 0; digit < 10; ++digit) names.insert("maleok" + std::to_string(digit));
    for (const AnimationRecord& record : deliveredAnimations())
        if (!record.soundName.empty() && record.soundName != "maleok") names.insert(record.soundName);
    return names;
}

}  // namespace

TEST(DeliveredAnimations, NineRecordsWithUsablePhases) {
    EXPECT_EQ(std::filesystem::file_size(runtime + "/AN.DAX"), 9u * ANIMATION_RECORD_SIZE);
    const auto records = deliveredAnimations();
    ASSERT_EQ(records.size(), 9u);
    for (size_t n = 0; n < records.size(); ++n) {
        const AnimationRecord& record = records[n];
        // Phases 1 up to the last non-empty one are drawn: none of them may be
        // empty, and each must name one of the 17 mascot pictures.
        int last = 0;
        for (int k = 0; k < 5; ++k)
            if (!record.phase[k].empty()) last = k + 1;
        EXPECT_GT(last, 0) << "record " << n;
        for (int k = 0; k < last; ++k) {
            char* end = nullptr;
            const long picture = std::strtol(record.phase[k].c_str(), &end, 10);
            EXPECT_TRUE(!record.phase[k].empty() && *end == '\0' && picture >= 0 && picture <= 16)
                << "record " << n << " phase " << k + 1 << ": \"" << record.phase[k] << "\"";
        }
        if (record.intervalMs != -1) {
            // Timed reactions end within a few seconds and never hold up the pupil.
            EXPECT_EQ(std::make_tuple(record.intervalMs == -10 || record.intervalMs >= 100, record.duration >= 5,
                                      record.duration <= 30),
                      std::make_tuple(true, true, true))
                << "record " << n << " every " << record.intervalMs << " for " << record.duration;
        }
    }
    // Resting runs until something else starts.
    EXPECT_EQ(std::make_tuple(records[2].intervalMs, records[2].soundName, records[7].soundName),
              std::make_tuple(-1, "", "maleok"));
    for (int n : {0, 1, 3, 4, 6, 8}) EXPECT_FALSE(records[n].soundName.empty()) << "record " << n;
}

TEST(DeliveredSounds, EverySoundTheProgramPlaysIsAShortCleanQuietWave) {
    for (const std::string& name : neededSounds()) {
        SCOPED_TRACE(name);
        const std::string file = runtime + "/zvuky/" + name + ".wav";
        ASSERT_TRUE(std::filesystem::exists(file));
        const Wave wave = readWave(file);
        ASSERT_EQ(wave.problem, "");
        int peak = 0;
        for (int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        // Shorter than two seconds, below -12 dBFS but audible.
        EXPECT_EQ(std::make_tuple(wave.rate == 22050 || wave.rate == 44100, wave.samples.size() < size_t(2 * wave.rate),
                                  peak < 32768 / 4, peak > 32768 / 100),
                  std::make_tuple(true, true, true, true))
            << wave.rate << " Hz, " << wave.samples.size() << " samples, peak " << peak;
        // No click: the sound rises from silence and has died away at the end.
        for (size_t i = 0; i < static_cast<size_t>(wave.rate / 4000); ++i)
            EXPECT_LT(std::abs(wave.samples[i]), 200) << "sample " << i;
        for (size_t i = 0; i < static_cast<size_t>(wave.rate / 200); ++i)
            EXPECT_LT(std::abs(wave.samples[wave.samples.size() - 1 - i]), 50) << "sample from the end " << i;
    }
}

TEST(DeliveredSettings, LoadsAsTheDeliveredSettings) {
    ProgramSettings settings;
    ASSERT_EQ(loadSettings(settings, DELIVERED_SETTINGS), "");
    // Boundaries falling from grade 1 to grade 4, all within 1..99 %.
    const auto& b = settings.gradeBoundaries;
    EXPECT_EQ(std::make_tuple(settings.password.empty(), std::is_sorted(b.rbegin(), b.rend()), b.back() >= 1,
                              b.front() <= 99, settings.checksEnabled, settings.showSolutionEnabled),
              std::make_tuple(false, true, true, true, true, true));

    // The password's end mark and the filled unread fields, record by record.
    const std::string bytes = readBytes(DELIVERED_SETTINGS);
    ASSERT_EQ(bytes.size(), 536u);
    auto record = [&](size_t k) { return littleendian::getDouble(reinterpret_cast<const unsigned char*>(&bytes[8 * k])); };
    EXPECT_EQ(std::make_tuple(record(settings.password.size()), record(65), record(66)),
              std::make_tuple(12.0, 1.0, 1.0));
    for (size_t k = 20; k < 60; ++k) EXPECT_EQ(record(k), 12.0) << k;
}
