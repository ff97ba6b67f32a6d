// The sound player: which requests reach the sound device, when the device is
// made, and the real device module on a machine that may have no sound.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "feedback/ui/sound.h"

namespace {

struct Device {
    int made = 0;
    std::vector<QString> played;
    int stops = 0;
};

class FakeOutput : public SoundOutput {
public:
    explicit FakeOutput(Device& device) : device_(device) {}
    bool play(const QString& path) override {
        device_.played.push_back(path);
        return true;
    }
    void stop() override { ++device_.stops; }

private:
    Device& device_;
};

class SoundFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("zvuky")));
        player_.setOutputFactory([this] {
            ++device_.made;
            return std::make_unique<FakeOutput>(device_);
        });
    }
    QString path(const char* name) const { return dir_.path() + QStringLiteral("/zvuky/") + QLatin1String(name); }
    void write(const char* name, qint64 bytes) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(bytes));
    }

    QTemporaryDir dir_;
    Device device_;
    SoundPlayer player_{dir_.path() + QLatin1Char('/')};
};

// What may reach the device: only a regular file up to the bound.  A pipe in
// a sound's place would block whoever opened it; a huge file would be
// decoded whole into memory.
TEST_F(SoundFolder, OnlyRegularFilesUpToTheBoundAreHandedToTheDevice) {
    write("maly.wav", 68 * 1024);
    write("mez.wav", SoundPlayer::MAX_SOUND_BYTES);
    write("velky.wav", SoundPlayer::MAX_SOUND_BYTES + 1);
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("zvuky/slozka.wav")));
    ASSERT_EQ(mkfifo(path("roura.wav").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(path("maly.wav"), path("odkaz.wav")));

    const struct {
        const char* name;
        bool played;
    } cases[] = {
        {"", false},      {"chybi", false}, {"velky", false}, {"slozka", false},
        {"roura", false}, {"mez", true},    {"maly", true},   {"odkaz", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const size_t before = device_.played.size();
        player_.play(c.name);
        EXPECT_EQ(std::make_tuple(player_.lastRequestPlayed(), device_.played.size()),
                  std::make_tuple(c.played, before + (c.played ? 1 : 0)));
    }
    EXPECT_EQ(QStringList(device_.played.begin(), device_.played.end()).join(' ').toStdString(),
              QStringList({path("mez.wav"), path("maly.wav"), path("odkaz.wav")}).join(' ').toStdString());
}

// The device is made on the first file that may play, once, and never for
// requests that cannot play: a start-up without sounds loads nothing.
TEST_F(SoundFolder, DeviceIsMadeOnTheFirstPlayableSoundOnly) {
    player_.stop();
    player_.play("chybi");
    player_.play("");
    EXPECT_EQ(std::make_tuple(player_.outputCreated(), device_.made), std::make_tuple(false, 0));

    write("cink.wav", 100);
    player_.play("cink");
    player_.play("cink");
    EXPECT_EQ(std::make_tuple(player_.outputCreated(), device_.made, device_.played.size()),
              std::make_tuple(true, 1, 2u));

    // A file that appears later plays; one that vanished does not, and a
    // missing one still stops the sound before it.
    write("ahoj.wav", 100);
    player_.play("ahoj");
    EXPECT_TRUE(player_.lastRequestPlayed());
    QFile::remove(path("cink.wav"));
    const int stops = device_.stops;
    player_.play("cink");
    EXPECT_EQ(std::make_tuple(player_.lastRequestPlayed(), device_.stops > stops, device_.made),
              std::make_tuple(false, true, 1));
}

// A device that cannot be made (no module) is asked for once; every sound is
// then silent, and the requests are still heard by a listener.
TEST_F(SoundFolder, WithoutADeviceEverySoundIsSilent) {
    write("cink.wav", 100);
    player_.setOutputFactory([this] {
        ++device_.made;
        return std::unique_ptr<SoundOutput>();
    });
    std::vector<std::string> heard;
    player_.setListener([&heard](const std::string& name) { heard.push_back(name); });
    for (int i = 0; i < 3; ++i) player_.play("cink");
    player_.stop();
    EXPECT_EQ(std::make_tuple(device_.made, player_.lastRequestPlayed(), heard),
              std::make_tuple(1, false, std::vector<std::string>(3, "cink")));
}

bool multimediaLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

// The real module: the multimedia libraries come with it, not before, and a
// delivered sound returns at once whether or not the machine has a device.
// An undecodable file stays silent; a missing module gives no device.
TEST(Sound, TheDeviceModuleLoadsMultimediaOnlyWhenMade) {
    EXPECT_FALSE(multimediaLoaded());
    EXPECT_EQ(SoundPlayer::loadOutputModule(QStringLiteral("/nonexistent")), nullptr);
    SoundPlayer player(QStringLiteral(VELMIR_RUNTIME_DIR "/"));
    player.setOutputFactory([] { return SoundPlayer::loadOutputModule(QStringLiteral(VELMIR_RUNTIME_DIR)); });
    player.play("chybi");
    EXPECT_FALSE(multimediaLoaded());

    QElapsedTimer clock;
    clock.start();
    player.play("cink");
    player.play("ahoj");
    player.stop();
    ASSERT_TRUE(player.outputCreated());
    EXPECT_TRUE(multimediaLoaded());
    std::printf("first sounds returned after %lld ms (played: %d)\n", static_cast<long long>(clock.elapsed()),
                player.lastRequestPlayed());

    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("zvuky")));
    QFile junk(dir.path() + QStringLiteral("/zvuky/sum.wav"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write(QByteArray(4096, '\x5a')) == 4096);
    junk.close();
    SoundPlayer damaged(dir.path() + QLatin1Char('/'));
    damaged.setOutputFactory([] { return SoundPlayer::loadOutputModule(QStringLiteral(VELMIR_RUNTIME_DIR)); });
    damaged.play("sum");
    damaged.play("sum");
    EXPECT_FALSE(damaged.lastRequestPlayed());
}

}  // namespace
