#include "feedback/ui/sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include "engine/regularfile.h"
#include "engine/ui/qtext.h"

SoundPlayer::SoundPlayer(QString runtimeDir)
    : runtimeDir_(std::move(runtimeDir)), factory_([] { return loadOutputModule(); }) {}

SoundPlayer::~SoundPlayer() = default;

QString SoundPlayer::soundPath(const std::string& cp1250Name) const {
    return runtimeDir_ + QStringLiteral("zvuky/") + toQt(cp1250Name) + QStringLiteral(".wav");
}

void SoundPlayer::stop() {
    if (output_) output_->stop();
}

void SoundPlayer::play(const std::string& cp1250Name) {
    lastPlayed_ = false;
    if (cp1250Name.empty()) return;
    if (listener_) listener_(cp1250Name);
    stop();
    // Looked at on every call: the file may appear, or be replaced, later.
    // Only a regular file: a pipe or a device in its place would block.
    const QFileInfo file(soundPath(cp1250Name));
    uint64_t size = 0;
    if (!regularfile::isRegular(QFile::encodeName(file.filePath()).toStdString(), &size) ||
        size > static_cast<uint64_t>(MAX_SOUND_BYTES))
        return;
    if (!outputAsked_) {
        outputAsked_ = true;
        if (factory_) output_ = factory_();
    }
    if (!output_) return;
    lastPlayed_ = output_->play(file.absoluteFilePath());
}

std::unique_ptr<SoundOutput> SoundPlayer::loadOutputModule(const QString& folder) {
    const QString dir =
        !folder.isEmpty() ? folder : QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (dir.isEmpty()) return nullptr;
    // Kept loaded to the end: the output's code lives in it.
    QLibrary module(dir + QStringLiteral("/" SOUND_OUTPUT_MODULE));
    const auto create = reinterpret_cast<SoundOutputFactory>(module.resolve(SOUND_OUTPUT_FACTORY));
    return std::unique_ptr<SoundOutput>(create ? create() : nullptr);
}
