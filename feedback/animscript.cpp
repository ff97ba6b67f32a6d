#include "feedback/animscript.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/littleendian.h"
#include "engine/regularfile.h"

namespace {

constexpr int PLAY_ONCE_OFFSET = 0;
constexpr int PHASE_OFFSET = 61;
constexpr int PHASE_SIZE = 13;
constexpr int INTERVAL_OFFSET = 128;
constexpr int DURATION_OFFSET = 132;
constexpr int SOUND_OFFSET = 136;
constexpr int SOUND_SIZE = 20;

using littleendian::getInt32;
using littleendian::putInt32;

// A length byte followed by room for size-1 characters; longer texts are cut.
void putText(unsigned char* at, int size, const std::string& text) {
    const size_t length = std::min(text.size(), static_cast<size_t>(size - 1));
    at[0] = static_cast<unsigned char>(length);
    std::memcpy(at + 1, text.data(), length);
}

// A damaged length byte must not reach into the next field.
std::string getText(const unsigned char* at, int size) {
    const size_t length = std::min(static_cast<size_t>(at[0]), static_cast<size_t>(size - 1));
    return std::string(reinterpret_cast<const char*>(at + 1), length);
}

}  // namespace

void encodeAnimationRecord(const AnimationRecord& record, unsigned char out[ANIMATION_RECORD_SIZE]) {
    // Spare room is zeroed so that the same script always gives the same file.
    std::memset(out, 0, ANIMATION_RECORD_SIZE);
    putInt32(out + PLAY_ONCE_OFFSET, record.playOnce);
    for (int k = 0; k < 5; ++k) putText(out + PHASE_OFFSET + PHASE_SIZE * k, PHASE_SIZE, record.phase[k]);
    putInt32(out + INTERVAL_OFFSET, record.intervalMs);
    putInt32(out + DURATION_OFFSET, record.duration);
    putText(out + SOUND_OFFSET, SOUND_SIZE, record.soundName);
}

AnimationRecord decodeAnimationRecord(const unsigned char in[ANIMATION_RECORD_SIZE]) {
    AnimationRecord record;
    record.playOnce = getInt32(in + PLAY_ONCE_OFFSET);
    for (int k = 0; k < 5; ++k) record.phase[k] = getText(in + PHASE_OFFSET + PHASE_SIZE * k, PHASE_SIZE);
    record.intervalMs = getInt32(in + INTERVAL_OFFSET);
    record.duration = getInt32(in + DURATION_OFFSET);
    record.soundName = getText(in + SOUND_OFFSET, SOUND_SIZE);
    return record;
}

bool readAnimationFileRecord(const std::string& path, int n, AnimationRecord& out) {
    if (n < 0) return false;
    std::FILE* file = regularfile::fopenRegular(path, "rb");
    if (!file) return false;
    unsigned char bytes[ANIMATION_RECORD_SIZE];
    const bool ok = std::fseek(file, static_cast<long>(n) * ANIMATION_RECORD_SIZE, SEEK_SET) == 0 &&
                    std::fread(bytes, 1, ANIMATION_RECORD_SIZE, file) == ANIMATION_RECORD_SIZE;
    std::fclose(file);
    if (ok) out = decodeAnimationRecord(bytes);
    return ok;
}

bool writeAnimationFile(const std::string& path, const std::vector<AnimationRecord>& records) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = true;
    unsigned char bytes[ANIMATION_RECORD_SIZE];
    for (const AnimationRecord& record : records) {
        encodeAnimationRecord(record, bytes);
        ok = ok && std::fwrite(bytes, 1, ANIMATION_RECORD_SIZE, file) == ANIMATION_RECORD_SIZE;
    }
    ok = (std::fclose(file) == 0) && ok;
    return ok;
}
