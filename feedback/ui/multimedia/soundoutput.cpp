// The sound device through Qt Multimedia: one QSoundEffect per file, decoded
// once and kept.  Built as the module libvelmir_sound.so, which SoundPlayer
// loads on the first sound.
#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

#include "feedback/ui/soundoutput.h"

namespace {

class MultimediaOutput final : public SoundOutput {
public:
    ~MultimediaOutput() override {
        stop();
        qDeleteAll(effects_);
    }

    bool play(const QString& path) override {
        stop();
        // Asked every time, so that a device plugged in later is used; without
        // one the backend would complain about every sound.
        if (QMediaDevices::defaultAudioOutput().isNull()) return false;
        QSoundEffect*& effect = effects_[path];
        if (!effect) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(path));
        }
        // An undecodable file stays silent; its effect is kept so that it is
        // not decoded (and complained about) again.
        if (effect->status() == QSoundEffect::Error) return false;
        current_ = effect;
        effect->play();
        return true;
    }

    void stop() override {
        if (current_) current_->stop();
    }

private:
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundOutput* createSoundOutput() { return new MultimediaOutput; }
