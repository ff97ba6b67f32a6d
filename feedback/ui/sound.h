// Sound effects: zvuky/<name>.wav played in the background.  A machine
// without a sound device, a missing file, one that is not a regular file or
// one larger than MAX_SOUND_BYTES plays nothing and says nothing.  The
// program's owner keeps one player for the refusal sound "cink" and the
// animations' sounds alike.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "feedback/ui/soundoutput.h"

class SoundPlayer {
public:
    // The delivered sounds are a few dozen kilobytes; a file beyond this is
    // not a sound effect and is never decoded (it would be held in memory
    // whole).
    static constexpr qint64 MAX_SOUND_BYTES = 4 * 1024 * 1024;

    using OutputFactory = std::function<std::unique_ptr<SoundOutput>()>;

    // runtimeDir with a trailing slash; empty: the working directory.
    explicit SoundPlayer(QString runtimeDir = QString());
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // playSound: stops a sound still playing, then plays the named one;
    // returns at once.
    void play(const std::string& cp1250Name);
    void stop();

    QString soundPath(const std::string& cp1250Name) const;
    // Whether the last request reached a sound device with a playable file.
    bool lastRequestPlayed() const { return lastPlayed_; }

    // Hears every request, played or not: tests see the sounds a machine
    // without a sound device cannot play.
    using Listener = std::function<void(const std::string& cp1250Name)>;
    void setListener(Listener listener) { listener_ = std::move(listener); }

    // Where the sound device comes from, asked once, on the first file that
    // may be played; by default the module beside the program.  A factory
    // that gives nothing leaves every sound silent.
    void setOutputFactory(OutputFactory factory) { factory_ = std::move(factory); }
    bool outputCreated() const { return output_ != nullptr; }

    // The module in `folder` (empty: the program's own folder), or nothing
    // when it cannot be loaded.
    static std::unique_ptr<SoundOutput> loadOutputModule(const QString& folder = QString());

private:
    QString runtimeDir_;
    OutputFactory factory_;
    std::unique_ptr<SoundOutput> output_;
    bool outputAsked_ = false;
    bool lastPlayed_ = false;
    Listener listener_;
};
