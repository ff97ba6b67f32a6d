// The sound device behind SoundPlayer.  Its implementation lives in a module
// of its own (feedback/ui/multimedia), loaded on the first sound to play, so
// that a start-up without a sound neither loads nor starts the multimedia
// libraries.
#pragma once

#include <QString>

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Stops a sound still playing, then starts the file at `path` (absolute)
    // in the background; false when nothing plays: no sound device, or a file
    // that cannot be decoded.
    virtual bool play(const QString& path) = 0;
    virtual void stop() = 0;
};

// The module's one entry: a new output, owned by the caller.
extern "C" {
using SoundOutputFactory = SoundOutput* (*)();
}
#define SOUND_OUTPUT_FACTORY "createSoundOutput"
// The module's file, beside the program.
#define SOUND_OUTPUT_MODULE "libvelmir_sound.so"
