#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/markers.h"
#include "tools/rovnice/notation.h"

namespace {

std::string bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list) s += static_cast<char>(b);
    return s;
}

std::string parsed(const std::string& text) {
    std::string out, why;
    EXPECT_TRUE(notation::parse(text, out, why)) << text << ": " << why;
    return out;
}

TEST(NotationTest, StructuresBecomeMarkerBytes) {
    EXPECT_EQ(parsed("\\frac{x+1}{3}=2"),
              bytes({130, 134, '3', 135, 132, 'x', '+', '1', 133, 131, '=', '2'}));
    EXPECT_EQ(parsed("x^2"), bytes({'x', 136, '2', 138}));
    EXPECT_EQ(parsed("x^{23}"), bytes({'x', 136, '2', '3', 138}));
    EXPECT_EQ(parsed("\\frac{x^2}{2}"), bytes({130, 134, '2', 135, 132, 'x', 136, '2', 138, 133, 131}));
    EXPECT_EQ(parsed("\\x82\\xff"), bytes({130, 255}));
    EXPECT_EQ(parsed("\\\\\\{\\}\\^"), "\\{}^");
    EXPECT_EQ(parsed("}{"), "}{");  // bare braces outside a group are themselves
    EXPECT_EQ(parsed("2x=2 /·6"), bytes({'2', 'x', '=', '2', ' ', '/', 0xB7, '6'}));
    EXPECT_EQ(parsed("/roznásobíme"), std::string("/rozn\xE1sob\xEDme"));
}

TEST(NotationTest, BadNotationIsRefusedWithAReason) {
    for (const char* bad : {"\\frac{\\frac{1}{2}}{3}", "\\frac{1}", "\\frac{1}{2", "\\fra{1}{2}",
                            "x^", "x^\\x32", "x^{2^3}", "\\q", "\\x4", "\\", "2x=中", "\xC3"}) {
        std::string out, why;
        EXPECT_FALSE(notation::parse(bad, out, why)) << bad;
        EXPECT_FALSE(why.empty()) << bad;
    }
}

TEST(NotationTest, PrintingShowsStructuresAndEscapesTheRest) {
    EXPECT_EQ(notation::print(parsed("\\frac{x+1}{3}=x^2-x^{22}")), "\\frac{x+1}{3}=x^2-x^{22}");
    EXPECT_EQ(notation::print(bytes({130, 'x', 136, 138, 137, 1, 127, 0x98})), "\\x82x^{}\\x89\\x01\\x7F\\x98");
    EXPECT_EQ(notation::print(bytes({'x', 136, '{', 138})), "x^{\\{}");
    EXPECT_EQ(notation::print("a\\b{c}^"), "a\\\\b\\{c\\}\\^");
    // A fraction missing its last marker is not one.
    EXPECT_EQ(notation::print(bytes({130, 134, '3', 135, 132, 'x', 133})), "\\x82\\x863\\x87\\x84x\\x85");
}

// Every byte string survives print then parse; markers, braces and
// backslashes are drawn often so that the structured paths are exercised.
TEST(NotationTest, RoundTripOfRandomBytes) {
    std::mt19937 rng(20240611);
    const std::string special = bytes({130, 131, 132, 133, 134, 135, 136, 137, 138, '\\', '{', '}', '^', '2', 'x'});
    for (int n = 0; n < 200000; ++n) {
        std::string b;
        const int length = static_cast<int>(rng() % 24);
        for (int i = 0; i < length; ++i)
            b += rng() % 2 ? special[rng() % special.size()] : static_cast<char>(rng() % 256);
        if (n % 5 == 0) b = parsed("\\frac{x^2+1}{3}=x^3") + b;
        std::string back, why;
        ASSERT_TRUE(notation::parse(notation::print(b), back, why)) << notation::print(b) << ": " << why;
        ASSERT_EQ(back, b) << notation::print(b);
    }
}

TEST(NotationTest, LinearTextAndItsAsciiForm) {
    std::string out, why;
    ASSERT_TRUE(notation::parseLinear("2^(3)\\x41\\q", out, why));
    EXPECT_EQ(out, bytes({'2', 136, '(', '3', ')', 'A', '\\', 'q'}));
    EXPECT_EQ(notation::escapeAscii(bytes({'x', 136, '(', '2', ')', '^', '\\', '"', 0x9A, 10, ' '})),
              "x^(2)\\x5E\\x5C\"\\x9A\\x0A ");
}

}  // namespace
