// Sound effects: zvuky/<name>.wav played in the background.  A machine
// without a sound device, or a missing file, plays nothing and says nothing.
// The program's owner keeps one player for the refusal sound "cink" and the
// animations' sounds alike.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QSoundEffect;

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    // runtimeDir with a trailing slash; empty: the working directory.
    explicit SoundPlayer(QString runtimeDir = QString(), QObject* parent = nullptr);

    // playSound: stops a sound still playing, then plays the named one;
    // returns at once.
    void play(const std::string& cp1250Name);
    void stop();

    QString soundPath(const std::string& cp1250Name) const;
    // Whether the last request reached a sound device with a readable file.
    bool lastRequestPlayed() const { return lastPlayed_; }

    // Hears every request, played or not: tests see the sounds a machine
    // without a sound device cannot play.
    using Listener = std::function<void(const std::string& cp1250Name)>;
    void setListener(Listener listener) { listener_ = std::move(listener); }

private:
    QString runtimeDir_;
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
    bool lastPlayed_ = false;
    Listener listener_;
};
