#include "session/randomsource.h"

#include <chrono>

RandomSource::RandomSource()
    : generator_(static_cast<std::mt19937::result_type>(
          std::chrono::steady_clock::now().time_since_epoch().count() ^ std::random_device{}())) {}

int RandomSource::pick(int low, int high) {
    if (high < low) return low;
    return std::uniform_int_distribution<int>(low, high)(generator_);
}
