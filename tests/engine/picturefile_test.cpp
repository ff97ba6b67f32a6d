// The one way a picture file becomes an image: whole, at its size, or not at all.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "engine/ui/picturefile.h"

namespace {

TEST(PictureFiles, OnlyAWholeBitmapOfTheExpectedSizeLoads) {
    int argc = 1;
    char name[] = "picturefile_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);  // for the image plugins
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto path = [&](const char* file) { return dir.filePath(QString::fromLatin1(file)); };

    QImage frame(47, 70, QImage::Format_RGB32);
    frame.fill(Qt::red);
    ASSERT_TRUE(frame.save(path("frame.bmp"), "BMP"));
    ASSERT_TRUE(frame.save(path("frame.png"), "PNG"));
    QFile whole(path("frame.bmp"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    QFile cut(path("cut.bmp"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() - 47 * 4));  // the top row missing
    cut.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.bmp")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));

    const QImage loaded = loadPictureFile(path("frame.bmp"), QSize(47, 70));
    ASSERT_EQ(loaded.size(), QSize(47, 70));
    EXPECT_EQ(loaded.pixel(20, 20), qRgb(255, 0, 0));

    const struct {
        const char* file;
        QSize expected;
    } refused[] = {
        {"frame.bmp", QSize(70, 47)}, {"frame.bmp", QSize(1024, 768)}, {"cut.bmp", QSize(47, 70)},
        {"frame.png", QSize(47, 70)}, {"pipe.bmp", QSize(47, 70)},      {"folder.bmp", QSize(47, 70)},
        {"absent.bmp", QSize(47, 70)},
    };
    for (const auto& r : refused) EXPECT_TRUE(loadPictureFile(path(r.file), r.expected).isNull()) << r.file;
}

}  // namespace
