#include <gtest/gtest.h>

#include "engine/cp1250.h"

TEST(Cp1250, CzechLettersRoundTrip) {
    const std::string utf8 = "Příliš žluťoučký kůň úpěl ďábelské ódy ŘŠČŽÝÁÍÉŮÚĚŤĎŇ";
    std::string bytes;
    ASSERT_TRUE(cp1250::fromUtf8(utf8, bytes));
    EXPECT_EQ(bytes.size(), 53u);  // one byte per character
    EXPECT_EQ(cp1250::toUtf8(bytes), utf8);
    EXPECT_EQ(static_cast<unsigned char>(cp1250::w1250("ř")[0]), 0xF8);
}

TEST(Cp1250, UndefinedAndUnmappable) {
    EXPECT_EQ(cp1250::toUnicode(0x81), -1);
    EXPECT_EQ(cp1250::toUtf8(std::string(1, '\x81')), "\xEF\xBF\xBD");
    std::string out;
    EXPECT_FALSE(cp1250::fromUtf8("日", out));      // no byte for it
    EXPECT_FALSE(cp1250::fromUtf8("\xC5", out));    // cut-off sequence
    EXPECT_EQ(cp1250::w1250("a日b"), "a?b");
    // Every defined byte survives the trip through UTF-8.
    for (int b = 0; b < 256; ++b) {
        if (cp1250::toUnicode(static_cast<unsigned char>(b)) < 0) continue;
        const std::string one(1, static_cast<char>(b));
        ASSERT_TRUE(cp1250::fromUtf8(cp1250::toUtf8(one), out)) << b;
        EXPECT_EQ(out, one) << b;
    }
}
