// The program's one source of chance.  Seeded from the clock unless a seed is
// given, so that a test (or a fault hunt) can replay the very same draws.
#pragma once

#include <cstdint>
#include <random>

class RandomSource {
public:
    RandomSource();
    explicit RandomSource(uint32_t seed) : generator_(seed) {}

    void seed(uint32_t seed) { generator_.seed(seed); }
    // A whole number from low to high (both included), each equally likely.
    int pick(int low, int high);

private:
    std::mt19937 generator_;
};
