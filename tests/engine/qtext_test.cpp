#include <gtest/gtest.h>

#include "engine/cp1250.h"
#include "engine/ui/qtext.h"

TEST(QtText, EveryDefinedByteComesBackAndTheRestIsMarked) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const QString shown = toQt(all);
    ASSERT_EQ(shown.size(), 255);
    const std::string back = fromQt(shown);
    for (int b = 1; b < 256; ++b) {
        const bool defined = cp1250::toUnicode(static_cast<unsigned char>(b)) >= 0;
        // An undefined byte is shown as the replacement character, which has
        // no byte of its own and comes back as "?".
        EXPECT_EQ(static_cast<unsigned char>(back[static_cast<size_t>(b - 1)]), defined ? b : '?') << b;
        if (!defined) {
            EXPECT_EQ(shown[b - 1], QChar(0xFFFD)) << b;
        }
    }
    EXPECT_EQ(toQt(cp1250::w1250("Přijímačky")), QString::fromUtf8("Přijímačky"));
    EXPECT_EQ(fromQt(QString::fromUtf8("Ωx")), "?x");
}

TEST(QtText, TypedTextWithACharacterWindows1250LacksIsRefusedWhole) {
    EXPECT_EQ(fromQtExact(QString::fromUtf8("Škola 1")), cp1250::w1250("Škola 1"));
    EXPECT_EQ(fromQtExact(QString()), std::string());
    for (const char* typed : {"Ωx", "??日本", "a\xF0\x9F\x98\x80"})  // a letter, two CJK, one beyond the first plane
        EXPECT_FALSE(fromQtExact(QString::fromUtf8(typed)).has_value()) << typed;
}
