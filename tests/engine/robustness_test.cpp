// Random and mutated byte strings fed to the engine's entry points.  Built
// only into the sanitized test program: a crash, a hang or any report of
// AddressSanitizer or UndefinedBehaviorSanitizer fails it.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/engine/enginetestutil.h"

using namespace enginetest;

namespace {

// Written lines of the kind pupils produce, fractions and powers included.
std::vector<std::string> seedLines() {
    return {
        "2x+5=4x+11",
        frac("x+1", "3") + "=" + frac("2x", "5") + "/:3",
        "x" + pw("2") + "-4=0",
        "2(x-1)+3" + pw("2") + "=" + frac("x" + pw("3"), "4"),
        "x=-" + frac("5", "6"),
        "x=(10)" + frac("1", "2") + "*3:4",
        "0.5x-1.25=2.5 /-1",
        " =" + frac("", "") + "x",
        "x=" + frac("2147483647", "2"),
    };
}

class Fuzzer {
public:
    explicit Fuzzer(uint32_t seed) : rng_(seed), seeds_(seedLines()) {}

    std::string next() {
        const int kind = pick(10);
        if (kind < 3) return randomBytes();
        if (kind < 6) return tokens();
        return mutate(seeds_[static_cast<std::size_t>(pick(static_cast<int>(seeds_.size())))]);
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    char interestingByte() {
        static const char alphabet[] = "0123456789.x+-*:()=/ ^yeXp";
        const int k = pick(4);
        if (k == 0) return static_cast<char>(130 + pick(9));  // marker bytes 130..138
        if (k == 1) return static_cast<char>(pick(256));
        const char c = alphabet[pick(sizeof alphabet - 1)];
        return c == '^' ? static_cast<char>(POWER_OPERATOR) : c;
    }

    std::string randomBytes() {
        std::string s;
        const int n = pick(300);
        for (int i = 0; i < n; ++i) s += interestingByte();
        return s;
    }

    std::string tokens() {
        static const std::vector<std::string> pieces = {
            "x", "2", "13", "0", "0.5", "+", "-", "*", ":", "=", "(", ")", "/", " ",
            frac("x", "2"), frac("", ""), pw("2"), pw("4"), lin("^("), "9999999999",
            std::string(1, char(FRACTION_START)), std::string(1, char(NUMERATOR_END)),
            std::string(1, char(DENOMINATOR_END)), std::string(1, char(POWER_END))};
        std::string s;
        const int n = pick(60);
        for (int i = 0; i < n; ++i) s += pieces[static_cast<std::size_t>(pick(static_cast<int>(pieces.size())))];
        return s;
    }

    std::string mutate(std::string s) {
        const int rounds = 1 + pick(4);
        for (int r = 0; r < rounds; ++r) {
            const std::size_t at = s.empty() ? 0 : static_cast<std::size_t>(pick(static_cast<int>(s.size()) + 1));
            switch (pick(4)) {
                case 0: s.insert(at, 1, interestingByte()); break;
                case 1: if (at < s.size()) s.erase(at, 1); break;
                case 2: if (at < s.size()) s[at] = interestingByte(); break;
                default: s.insert(at, s.substr(at / 2, 8)); break;
            }
        }
        return s;
    }

    std::mt19937 rng_;
    std::vector<std::string> seeds_;
};

}  // namespace

TEST(Robustness, RandomAndMutatedLines) {
    constexpr long INPUTS = 2000000;
    Fuzzer fuzz(20240611);
    const double roots[] = {-3, 0, 1.0 / 3, 2.5, 1e9, -1e-7};
    long codes[16] = {};
    for (long i = 0; i < INPUTS; ++i) {
        const std::string line = fuzz.next();
        errorCode = 0;
        const std::string n = normalise(line);
        ASSERT_TRUE(n.empty() ? errorCode > 0 : n.back() == ' ');

        errorCode = 0;
        const int32_t code = checkEquation(n.empty() ? line : n, roots[i % 6]);
        // Only the engine's own codes can come out of a check.
        ASSERT_TRUE(code == 0 || (code >= 3 && code <= 12) || code == 15) << code;
        ++codes[code];

        errorCode = 0;
        isFinalForm(n.empty() ? line : n);

        errorCode = 0;
        evaluate(i % 2 ? line : n);
        ASSERT_TRUE(errorCode == 0 || (errorCode >= 3 && errorCode <= 8) || errorCode == 15)
            << errorCode;
    }
    errorCode = 0;
    // The inputs reach every outcome of the check, a pass included.
    for (int c : {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15}) EXPECT_GT(codes[c], 0) << c;
}
