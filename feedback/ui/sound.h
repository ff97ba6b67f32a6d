// Sound effects: zvuky/<name>.wav played in the background.  A machine
// without a sound device, or a missing file, plays nothing and says nothing.
// The program's owner keeps one player for the refusal sound "cink" and the
// animations' sounds alike.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
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

private:
    QString runtimeDir_;
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
    bool lastPlayed_ = false;
};
