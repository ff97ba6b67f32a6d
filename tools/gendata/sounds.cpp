// A small additive synthesiser: every note is a sum of decaying sine
// partials (marimba, glockenspiel, bell, wood, a hummed tone), shaped by a
// soft attack and a raised-cosine release, so no sound starts or ends with a
// click.  Each sound is scaled to its own peak level and written as 16-bit
// mono PCM.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "engine/littleendian.h"
#include "tools/gendata/commands.h"
#include "tools/gendata/sourcetext.h"

namespace {

constexpr int SAMPLE_RATE = 22050;
constexpr double MAX_SECONDS = 1.9;
constexpr double PI = 3.14159265358979323846;

struct Partial {
    double ratio;       // frequency against the note's
    double amplitude;
    double decayScale;  // this partial's decay time against the note's
};

struct Timbre {
    double attackSeconds;
    double decayFraction;  // decay time constant as a part of the note's length
    double vibratoDepth;   // relative frequency swing at 5 Hz
    std::vector<Partial> partials;
};

const std::map<std::string, Timbre>& timbres() {
    static const std::map<std::string, Timbre> table = {
        {"marimba", {0.004, 0.30, 0.0, {{1.0, 1.0, 1.0}, {3.99, 0.28, 0.25}, {9.9, 0.06, 0.10}}}},
        {"glock", {0.002, 0.35, 0.0, {{1.0, 1.0, 1.0}, {2.76, 0.22, 0.40}, {5.40, 0.08, 0.20}}}},
        {"bell", {0.003, 0.40, 0.0,
                  {{1.0, 1.0, 1.0}, {2.0, 0.40, 0.7}, {2.76, 0.25, 0.5}, {5.40, 0.10, 0.3}, {8.93, 0.04, 0.2}}}},
        {"wood", {0.006, 0.30, 0.0, {{1.0, 1.0, 1.0}, {2.0, 0.15, 0.5}, {3.0, 0.05, 0.3}}}},
        {"hum", {0.060, 2.00, 0.004, {{1.0, 1.0, 1.0}, {2.0, 0.20, 1.0}, {3.0, 0.06, 1.0}}}},
    };
    return table;
}

struct Note {
    double start;
    double frequency;
    double length;
    const Timbre* timbre;
    double gain;
    double glideSemitones;  // pitch change over the note's length
};

struct Sound {
    std::string name;
    double peakDb = -14.0;
    std::vector<Note> notes;
};

// "A4", "C#5", "Bb3" -> Hz (equal temperament, A4 = 440 Hz).
bool noteFrequency(const std::string& text, double& frequency) {
    static const int steps[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G from C
    if (text.size() < 2 || text[0] < 'A' || text[0] > 'G') return false;
    int semitone = steps[text[0] - 'A'];
    size_t at = 1;
    if (text[at] == '#') ++semitone, ++at;
    else if (text[at] == 'b') --semitone, ++at;
    if (at + 1 != text.size() || text[at] < '0' || text[at] > '8') return false;
    const int midi = 12 * (text[at] - '0' + 1) + semitone;
    frequency = 440.0 * std::pow(2.0, (midi - 69) / 12.0);
    return true;
}

std::vector<Sound> parseSounds(const std::string& path) {
    std::vector<Sound> sounds;
    bool open = false;
    for (const SourceLine& line : readSource(path)) {
        const std::string& key = line.words[0];
        if (key == "sound") {
            if (open) sourceFail(path, line, "\"end\" missing before the next sound");
            if (line.words.size() != 2 && line.words.size() != 4) sourceFail(path, line, "sound <name> [peak <dB>]");
            Sound sound;
            sound.name = line.words[1];
            if (!isPlainName(sound.name)) sourceFail(path, line, "sound names are a-z and 0-9");
            if (line.words.size() == 4) {
                if (line.words[2] != "peak") sourceFail(path, line, "sound <name> [peak <dB>]");
                sound.peakDb = sourceNumber(path, line, 3);
                if (sound.peakDb > -6.0 || sound.peakDb < -40.0) sourceFail(path, line, "peak is -40..-6 dB");
            }
            sounds.push_back(sound);
            open = true;
        } else if (key == "end") {
            if (!open || sounds.back().notes.empty()) sourceFail(path, line, "a sound needs notes before \"end\"");
            open = false;
        } else {
            if (!open) sourceFail(path, line, "a note outside \"sound ... end\"");
            if (line.words.size() != 5 && line.words.size() != 6)
                sourceFail(path, line, "<start> <note> <length> <timbre> <gain> [glide]");
            Note note{};
            note.start = sourceNumber(path, line, 0);
            if (!noteFrequency(line.words[1], note.frequency)) sourceFail(path, line, "not a note: " + line.words[1]);
            note.length = sourceNumber(path, line, 2);
            const auto timbre = timbres().find(line.words[3]);
            if (timbre == timbres().end()) sourceFail(path, line, "unknown timbre " + line.words[3]);
            note.timbre = &timbre->second;
            note.gain = sourceNumber(path, line, 4);
            note.glideSemitones = line.words.size() == 6 ? sourceNumber(path, line, 5) : 0.0;
            if (note.start < 0 || note.length < 0.03 || note.start + note.length > MAX_SECONDS)
                sourceFail(path, line, "notes must lie within 0.." + std::to_string(MAX_SECONDS) + " s");
            if (note.gain <= 0 || note.gain > 1) sourceFail(path, line, "gain is above 0 and at most 1");
            sounds.back().notes.push_back(note);
        }
    }
    if (open) throw SourceError(path + ": the last sound has no \"end\"");
    return sounds;
}

// Rises from 0 to 1 along half a cosine: no corner where it starts or stops.
double smoothStep(double x) {
    if (x <= 0) return 0;
    if (x >= 1) return 1;
    return 0.5 - 0.5 * std::cos(PI * x);
}

void addNote(const Note& note, std::vector<double>& samples) {
    const Timbre& timbre = *note.timbre;
    const size_t first = static_cast<size_t>(std::lround(note.start * SAMPLE_RATE));
    const size_t count = static_cast<size_t>(std::lround(note.length * SAMPLE_RATE));
    if (samples.size() < first + count) samples.resize(first + count, 0.0);
    const double release = std::max(0.02, 0.25 * note.length);
    const double tau = timbre.decayFraction * note.length;
    for (const Partial& partial : timbre.partials) {
        // Partials near the Nyquist frequency would fold back as harsh tones.
        const double topFrequency = note.frequency * partial.ratio * std::pow(2.0, std::max(0.0, note.glideSemitones) / 12);
        if (topFrequency > 0.45 * SAMPLE_RATE) continue;
        double phase = 0;
        for (size_t i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / SAMPLE_RATE;
            const double bend = std::pow(2.0, note.glideSemitones * t / note.length / 12);
            const double vibrato = 1.0 + timbre.vibratoDepth * std::sin(2 * PI * 5.0 * t);
            const double envelope = partial.amplitude * std::exp(-t / (tau * partial.decayScale)) *
                                    smoothStep(t / timbre.attackSeconds) * smoothStep((note.length - t) / release);
            samples[first + i] += note.gain * envelope * std::sin(phase);
            phase += 2 * PI * note.frequency * partial.ratio * bend * vibrato / SAMPLE_RATE;
        }
    }
}

std::vector<int16_t> render(const Sound& sound) {
    std::vector<double> samples;
    for (const Note& note : sound.notes) addNote(note, samples);
    // A short silent tail lets the last release settle in every player.
    samples.resize(samples.size() + SAMPLE_RATE / 50, 0.0);
    double peak = 0;
    for (double s : samples) peak = std::max(peak, std::fabs(s));
    const double scale = peak > 0 ? std::pow(10.0, sound.peakDb / 20) / peak : 0;
    std::vector<int16_t> pcm(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        pcm[i] = static_cast<int16_t>(std::lround(std::clamp(samples[i] * scale, -1.0, 1.0) * 32767));
    return pcm;
}

void writeWav(const std::string& path, const std::vector<int16_t>& pcm) {
    const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * 2);
    std::string bytes = "RIFF";
    auto put = [&bytes](uint32_t value, int count) {
        unsigned char le[4];
        littleendian::putBits(le, value, count);
        bytes.append(reinterpret_cast<const char*>(le), count);
    };
    put(36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    put(16, 4);               // format chunk size
    put(1, 2);                // PCM
    put(1, 2);                // mono
    put(SAMPLE_RATE, 4);
    put(SAMPLE_RATE * 2, 4);  // bytes per second
    put(2, 2);                // block size
    put(16, 2);               // bits per sample
    bytes += "data";
    put(dataBytes, 4);
    for (int16_t sample : pcm) put(static_cast<uint16_t>(sample), 2);
    writeOutputFile(path, bytes);
}

}  // namespace

void generateSounds(const std::string& sourcePath, const std::string& outFolder) {
    for (const Sound& sound : parseSounds(sourcePath))
        writeWav(outFolder + "/" + sound.name + ".wav", render(sound));
}
