#include "feedback/ui/sound.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "engine/ui/qtext.h"

SoundPlayer::SoundPlayer(QString runtimeDir, QObject* parent)
    : QObject(parent), runtimeDir_(std::move(runtimeDir)) {}

QString SoundPlayer::soundPath(const std::string& cp1250Name) const {
    return runtimeDir_ + QStringLiteral("zvuky/") + toQt(cp1250Name) + QStringLiteral(".wav");
}

void SoundPlayer::stop() {
    if (current_) current_->stop();
}

void SoundPlayer::play(const std::string& cp1250Name) {
    lastPlayed_ = false;
    if (cp1250Name.empty()) return;
    if (listener_) listener_(cp1250Name);
    stop();
    // Checked on every call, so that a device plugged in later is used; the
    // multimedia backend would otherwise print a complaint for every sound.
    if (QMediaDevices::defaultAudioOutput().isNull()) return;
    const QString path = soundPath(cp1250Name);
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
        if (!QFileInfo(path).isFile()) {
            effects_.remove(path);  // looked at again next time: the file may appear
            return;
        }
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    }
    // An undecodable file stays silent; its effect is kept so it is not
    // decoded (and complained about) again.
    if (effect->status() == QSoundEffect::Error) return;
    current_ = effect;
    effect->play();
    lastPlayed_ = true;
}
