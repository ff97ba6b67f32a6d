#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <climits>
#include <cstdlib>
#include <vector>

#include "engine/cp1250.h"
#include "feedback/ui/feedback.h"
#include "tests/support/whenshown.h"

namespace {

// A picture with a different colour in every pixel, so that any pixel left
// wrong after a restore shows.
QImage patternedPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x & 255, y & 255, (x * 7 + y * 3) & 255));
    return image;
}

TEST(WarningDialog, WidthFollowsTheTextWithTheWholeOkButtonCentred) {
    Warnings warnings;
    WarningDialog* dialog = warnings.dialog();
    int wider = INT_MAX;
    for (const char* text : {"Nepodařilo se číst ze souboru AN.DAX. Velmir se neukáže.", "Chybně zapsaná animace.",
                             "!"}) {
        SCOPED_TRACE(text);
        dialog->prepare(QString::fromUtf8(text));
        // Narrower for a shorter text, never narrower than the text, the button centred, whole, alone.
        const int offCentre = std::abs(2 * dialog->okButton->x() + dialog->okButton->width() - dialog->width());
        EXPECT_EQ(std::make_tuple(dialog->width() <= wider, dialog->width() >= dialog->messageLabel->width(),
                                  offCentre <= 1, dialog->rect().contains(dialog->okButton->geometry()),
                                  dialog->noButton->isHidden()),
                  std::make_tuple(true, true, true, true, true));
        wider = dialog->width();
    }
}

TEST(WarningDialog, ClosesOnKeysAndOnMousePress) {
    Warnings warnings;
    WarningDialog* dialog = warnings.dialog();
    WhenShown answer(dialog);
    const std::string text = cp1250::w1250("Chybně zapsaná animace.");
    QString shownText;
    for (int key : {int(Qt::Key_A), int(Qt::Key_Return), int(Qt::Key_Escape), int(Qt::Key_Space)}) {
        answer.then([key, &shownText, dialog] {
            shownText = dialog->messageLabel->text();
            QTest::keyClick(dialog->okButton, Qt::Key(key));
        });
        warnings.showWarning(text);  // returns only once the key closed it
        EXPECT_FALSE(warnings.visible()) << key;
    }
    EXPECT_EQ(shownText, QString::fromUtf8("Chybně zapsaná animace."));

    bool closedBeforeRelease = false;
    answer.then([&closedBeforeRelease, dialog] {
        QTest::mousePress(dialog->okButton, Qt::LeftButton);
        closedBeforeRelease = !dialog->isVisible();
        QTest::mouseRelease(dialog->okButton, Qt::LeftButton);
    });
    warnings.showWarning(text);
    EXPECT_TRUE(closedBeforeRelease);

    // Shift alone is no character and leaves the dialog open.
    bool stayedOpen = false;
    answer.then([&stayedOpen, dialog] {
        QTest::keyClick(dialog->okButton, Qt::Key_Shift);
        stayedOpen = dialog->isVisible();
        QTest::keyClick(dialog->okButton, Qt::Key_X);
    });
    warnings.showWarning(text);
    EXPECT_EQ(std::make_tuple(stayedOpen, answer.done()), std::make_tuple(true, true));
}

struct BubbleTest : ::testing::Test {
    QTemporaryDir dir;
    QString root() const { return dir.path() + QLatin1Char('/'); }
    QImage picture = patternedPicture(400, 300);
    std::vector<QRect> repaints;
    SpeechBubble::Repaint repaint = [this](const QRect& r) { repaints.push_back(r); };

    void writeBubblePicture() {
        QDir(dir.path()).mkpath(QStringLiteral("system"));
        QImage bmp = SpeechBubble::drawnBubble();
        // A marker inside the outline proves the file was used.
        bmp.setPixel(100, 70, qRgb(0, 0, 255));
        ASSERT_TRUE(bmp.save(root() + QStringLiteral("system/bublina.bmp"), "BMP"));
    }
};

TEST_F(BubbleTest, SaveDrawEraseRestoresThePicturePixelForPixel) {
    // BMP files may load as palette pictures: they are restored too.
    const struct { bool withFile; QImage::Format format; } cases[] = {
        {true, QImage::Format_RGB32}, {false, QImage::Format_RGB32}, {false, QImage::Format_Indexed8}};
    for (const auto& [withFile, format] : cases) {
        if (withFile) writeBubblePicture();
        else QFile::remove(root() + QStringLiteral("system/bublina.bmp"));
        picture = patternedPicture(400, 300).convertToFormat(format);
        const QImage original = picture.convertToFormat(QImage::Format_RGB32);
        SpeechBubble bubble(&picture, QPoint(104, 6), repaint, root());
        bubble.saveBubbleBackground();
        SCOPED_TRACE(testing::Message() << "with bublina.bmp: " << withFile << ", format " << format);
        bubble.showBubble(cp1250::w1250("Pro další příklad"), cp1250::w1250("klikni nebo ťukni."), "");
        // Outside the bubble's place nothing changed; white corners let the picture through.
        EXPECT_EQ(std::make_tuple(bubble.bubbleShown(), picture != original,
                                  picture.copy(0, 0, 104, 300) == original.copy(0, 0, 104, 300),
                                  picture.pixel(104, 6) == original.pixel(104, 6),
                                  picture.pixel(104 + 100, 6 + 70) == qRgb(0, 0, 255)),
                  std::make_tuple(true, true, true, true, withFile));
        // A second bubble draws over the first.
        bubble.showBubble("a", "b", "c");
        bubble.eraseBubble();
        EXPECT_EQ(std::make_tuple(bubble.bubbleShown(), picture == original, repaints.back()),
                  std::make_tuple(false, true, QRect(104, 6, 189, 83)));
    }
}

TEST_F(BubbleTest, EmptyLinesDrawNothing) {
    SpeechBubble bubble(&picture, QPoint(81, 5), repaint, root());
    bubble.saveBubbleBackground();
    bubble.showBubble("", "", "");
    const QImage empty = picture.copy(bubble.rect());
    bubble.eraseBubble();
    bubble.showBubble("Rovnice", "", "");
    const QImage oneLine = picture.copy(bubble.rect());
    // Line 1 sits at y 17; the rows of lines 2 and 3 are as in an empty bubble.
    EXPECT_EQ(std::make_tuple(oneLine.copy(0, 17, 189, 14) == empty.copy(0, 17, 189, 14),
                              oneLine.copy(0, 33, 189, 50) == empty.copy(0, 33, 189, 50)),
              std::make_tuple(false, true));
    // No line stays behind for the next bubble.
    bubble.showBubble("", "", "");
    EXPECT_EQ(picture.copy(bubble.rect()), empty);
    // Erasing with no bubble shown still restores the saved background.
    bubble.eraseBubble();
    const QImage restored = picture;
    bubble.eraseBubble();
    EXPECT_EQ(picture, restored);
}

TEST_F(BubbleTest, WaitBlocksUntilTheBubbleIsErased) {
    SpeechBubble bubble(&picture, QPoint(81, 5), repaint, root());
    bubble.saveBubbleBackground();
    bubble.waitForBubble();  // nothing shown: returns at once

    bubble.showBubble("Pro", "", "");
    int ticksWhileWaiting = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticksWhileWaiting; });
    ticker.start(5);
    QTimer::singleShot(60, [&] { bubble.eraseBubble(); });
    QElapsedTimer clock;
    clock.start();
    bubble.waitForBubble();
    // Timers keep running during the wait.
    EXPECT_EQ(std::make_tuple(clock.elapsed() >= 50, bubble.bubbleShown(), ticksWhileWaiting > 0),
              std::make_tuple(true, false, true));
}

// A resting mascot shows the same picture several ticks running: only a
// change reaches the screen, but a frame painted over is drawn again.
TEST(Mascot, FramesCopyOnlyOpaquePixelsOverTheBackgroundAndOnlyChangesAreShown) {
    QImage picture = patternedPicture(200, 150);
    const QImage original = picture;
    int repaints = 0;
    MascotPainter mascot(&picture, QPoint(26, 14), [&](const QRect&) { ++repaints; });
    // The colour of pixel (1,1) is the transparent one.
    QImage frame(47, 70, QImage::Format_RGB32);
    frame.fill(qRgb(0, 255, 0));
    for (int i = 10; i < 20; ++i) frame.setPixel(i, 30, qRgb(1, 2, 3));
    mascot.setImage(3, frame);
    frame.fill(qRgb(255, 0, 255));
    frame.setPixel(5, 5, qRgb(9, 9, 9));
    mascot.setImage(4, frame);
    mascot.captureBackground();

    for (int k : {3, 3, 3}) mascot.drawMascotFrame(k);
    QImage expected = original;
    for (int i = 10; i < 20; ++i) expected.setPixel(26 + i, 14 + 30, qRgb(1, 2, 3));
    EXPECT_EQ(std::make_tuple(repaints, picture == expected), std::make_tuple(1, true));

    // The next frame starts from the background: the first one's line is gone.
    mascot.drawMascotFrame(4);
    expected = original;
    expected.setPixel(26 + 5, 14 + 5, qRgb(9, 9, 9));
    EXPECT_EQ(picture, expected);

    // A picture that does not exist shows the bare background.
    mascot.drawMascotFrame(16);
    mascot.drawMascotFrame(99);
    EXPECT_EQ(std::make_tuple(picture == original, repaints), std::make_tuple(true, 4));

    // Something painted over the mascot's box: the same frame comes back.
    mascot.drawMascotFrame(4);
    picture.fill(Qt::red);
    mascot.drawMascotFrame(4);
    EXPECT_EQ(std::make_tuple(repaints, picture.copy(mascot.rect()) == expected.copy(mascot.rect())),
              std::make_tuple(6, true));
    // A new background (the window activated) is drawn under it at once.
    mascot.captureBackground();
    mascot.drawMascotFrame(4);
    EXPECT_EQ(repaints, 7);
}

struct FeedbackTest : ::testing::Test {
    QTemporaryDir dir;
    QString root() const { return dir.path() + QLatin1Char('/'); }
    QImage picture = patternedPicture(1024, 768);
    std::vector<std::string> warned;
    Warnings warnings;
    SoundPlayer sound;
    void SetUp() override {
        warnings.setHandler([this](const std::string& t) { warned.push_back(t); });
    }
};

TEST_F(FeedbackTest, AnimationRunsOnItsTimerAndClearsTheBusyFlag) {
    AnimationRecord greeting;
    greeting.phase = {"1", "1", "", "", ""};
    greeting.intervalMs = 20;
    greeting.duration = 100;
    std::vector<AnimationRecord> records(9, greeting);
    ASSERT_TRUE(writeAnimationFile((root() + QStringLiteral("AN.DAX")).toStdString(), records));
    QDir(dir.path()).mkpath(QStringLiteral("system"));
    QImage frame(47, 70, QImage::Format_RGB32);
    frame.fill(Qt::white);
    frame.setPixel(20, 20, qRgb(200, 0, 0));
    ASSERT_TRUE(frame.save(root() + QStringLiteral("system/velmir01.bmp"), "BMP"));

    int busyCleared = 0;
    Feedback feedback(&picture, 1.28, 1.28, nullptr, warnings, sound, root());
    feedback.setAnimationTickHook([&] { ++busyCleared; });
    QTimer caret;  // stopped: the animation timer paces the pictures itself
    feedback.setCaretTimer(&caret);
    feedback.captureMascotBackground();
    feedback.startAnimation(ANIMATION_GREETING);
    EXPECT_EQ(std::make_tuple(feedback.animationTimer()->isActive(), feedback.animationTimer()->interval()),
              std::make_tuple(true, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return busyCleared >= 2; }, 3000));
    // The mascot of the 1024 x 768 picture stands at 39, 28.
    const QRgb drawn = picture.pixel(39 + 20, 28 + 20);
    feedback.stopAnimation();
    EXPECT_EQ(std::make_tuple(drawn, feedback.animationTimer()->isActive(), warned.empty()),
              std::make_tuple(qRgb(200, 0, 0), false, true));
}

}  // namespace
