// The real main window under the offscreen platform, each test in a fresh
// copy of the runtime folder it works in, as the program is started there.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "feedback/ui/feedback.h"
#include "mainwindow/ui/mainwindow.h"
#include "mainwindow/ui/program.h"

// Copies the runtime folder (with the delivered settings, not a teacher's)
// into a temporary folder and works there.
class RuntimeFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        copyTree(QStringLiteral(VELMIR_RUNTIME_DIR), dir_.path());
        QFile::remove(dir_.filePath(QStringLiteral("POM.CFG")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(DELIVERED_SETTINGS), dir_.filePath(QStringLiteral("POM.CFG"))));
        for (const QString& f : QDir(dir_.path()).entryList({QStringLiteral("*.cvc")}, QDir::Files))
            QFile::remove(dir_.filePath(f));
        old_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));

        initSessionState(program_.state);
        program_.startupMessage = [this](const std::string& text) { boxes_.push_back(text); };
        program_.warnings.setHandler([this](const std::string& text) { warnings_.push_back(text); });
        // The chance of the selection fixed, so every run hands out the same.
        program_.random.seed(1);
    }
    void TearDown() override { QDir::setCurrent(old_); }

    static void copyTree(const QString& from, const QString& to) {
        QDir source(from);
        QDir().mkpath(to);
        for (const QFileInfo& info : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString target = to + QLatin1Char('/') + info.fileName();
            if (info.isDir())
                copyTree(info.filePath(), target);
            else if (info.fileName() != QLatin1String("velmir"))
                QFile::copy(info.filePath(), target);
        }
    }

    // A window that has gone through the whole start-up, ready on the start
    // screen, with a fresh session (also for each row of a table).
    std::unique_ptr<MainWindow> startedWindow(QSize screen = QSize(1024, 768)) {
        initSessionState(program_.state);
        auto form = std::make_unique<MainWindow>(program_, screen);
        EXPECT_TRUE(form->created());
        form->finishStartUp();
        EXPECT_FALSE(form->ended());
        form->feedback()->stopAnimation();
        return form;
    }

    // A started window with an equation of "Nejlehčí 1" presented.
    std::unique_ptr<MainWindow> areaWindow(QSize screen = QSize(1024, 768)) {
        auto form = startedWindow(screen);
        click(*form, screen.width() == 800 ? QPoint(250, 140) : QPoint(300, 170));
        EXPECT_EQ(state().session.currentArea, 11);
        return form;
    }

    static void click(MainWindow& form, QPoint p) {
        form.pressPoint = p;
        form.pictureClicked(p);
    }

    ProgramState& state() { return program_.state; }
    const std::string& line() { return program_.state.editor.writtenLine; }
    // The band of the page's line `n` in picture coordinates, which writing may repaint.
    QRect bandOf(int n) {
        const PageLayout& p = program_.state.editor.pageLayout;
        return QRect(p.areaLeft + 1, bandTop(p, n) + 1, p.areaWidth - 2, p.lineHeight - 1);
    }
    static void expectEnabled(const MainWindow& form, std::initializer_list<ToolbarButton> buttons, bool enabled) {
        for (ToolbarButton b : buttons)
            EXPECT_EQ(form.toolbarButton(b)->isEnabled(), enabled) << form.toolbarButton(b)->objectName().toStdString();
    }

    Program program_;
    QTemporaryDir dir_;
    QString old_;
    std::vector<std::string> boxes_;
    std::vector<std::string> warnings_;
};

// Pixels of two pictures outside a rectangle that may legitimately differ.
inline int differingPixels(const QImage& a, const QImage& b, const QRect& except = QRect()) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!except.contains(x, y) && a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

// The start picture as its file holds it, in the working directory.
inline QImage startPictureFile(int screenWidth = 1024) {
    return QImage(screenWidth == 800 ? QStringLiteral("system/podklad800.bmp") : QStringLiteral("system/podklad.bmp"));
}

inline int darkPixels(const QImage& picture, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(picture.pixel(x, y)) < 80) ++n;
    return n;
}
