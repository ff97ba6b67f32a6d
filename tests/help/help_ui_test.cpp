// The help window offscreen.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "help/ui/helpwindow.h"

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(HelpWindow, ShowsTheHelpTextNonModallyAndClosesByItsButton) {
    HelpWindow window;
    window.showHelp();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_TRUE(window.text->isReadOnly());
    const QString text = window.text->toPlainText();
    for (const char* chapter : {"Hranice známek", "Sestavení cvičení", "Prohlídka souborů a tisk"})
        EXPECT_TRUE(text.contains(q(chapter))) << chapter;
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    QTest::mouseClick(window.closeButton, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
