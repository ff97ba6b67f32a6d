// Building the exercise builder's list of the whole bank from the delivered
// area files (about 450 equations).  Goal: at most 50 ms.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "problems/equationlist.h"

namespace {

// The bank's areas in the builder's order, with their record counts.
std::vector<BankArea> deliveredBank() {
    std::vector<BankArea> areas;
    for (int code : {11, 12, 13, 14, 21, 22, 23, 31, 32, 33, 41, 42, 43, 51, 52, 61}) {
        std::error_code error;
        const auto size = std::filesystem::file_size(
            pathInFolder(VELMIR_RUNTIME_DIR, equationFileName(code, std::string())), error);
        areas.push_back({code, error ? 0 : static_cast<int>(size / EquationRecord::RECORD_SIZE)});
    }
    return areas;
}

void BM_BankList(benchmark::State& state) {
    const std::vector<BankArea> areas = deliveredBank();
    size_t lines = 0;
    for (auto _ : state) {
        const std::vector<std::string> list = bankListLines(VELMIR_RUNTIME_DIR, areas, nullptr);
        lines = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_BankList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
