// The mascot's animation script AN.DAX: fixed records of 156 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int ANIMATION_RECORD_SIZE = 156;
constexpr int ANIMATION_FILE_RECORDS = 9;  // numbers 0..8

struct AnimationRecord {
    int32_t playOnce = 0;                 // non-zero: phases once, then hold the last
    std::array<std::string, 5> phase;     // picture numbers as text, up to 12 bytes each
    int32_t intervalMs = 0;               // -1 endless at 250 ms, -10 250 ms with the duration
    int32_t duration = 0;                 // tenths of a second
    std::string soundName;                // up to 19 bytes, empty for none
};

// Byte layout (little-endian): playOnce at 0, phases at 61 + 13k (length byte
// then text), intervalMs at 128, duration at 132, soundName at 136.
void encodeAnimationRecord(const AnimationRecord& record, unsigned char out[ANIMATION_RECORD_SIZE]);
AnimationRecord decodeAnimationRecord(const unsigned char in[ANIMATION_RECORD_SIZE]);

// Reads record n of the file; false when the file is missing or too short.
bool readAnimationFileRecord(const std::string& path, int n, AnimationRecord& out);
bool writeAnimationFile(const std::string& path, const std::vector<AnimationRecord>& records);
