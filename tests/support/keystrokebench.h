// The figures the keystroke benchmarks report.  Header only; include it
// from benchmarks.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

namespace keystrokebench {

// Single keystrokes timed on the wall clock and as the thread's own
// processor time, which other work on a busy machine does not inflate.
class Times {
public:
    void start() {
        wallStart_ = std::chrono::steady_clock::now();
        cpuStart_ = threadMs();
    }
    void stop() {
        cpu_.push_back(threadMs() - cpuStart_);
        wall_.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart_).count());
    }
    // Counters wall_mean_ms, wall_p99_ms, cpu_mean_ms, cpu_p99_ms.
    void report(benchmark::State& state) {
        report(state, wall_, "wall");
        report(state, cpu_, "cpu");
    }

private:
    static double threadMs() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
    static void report(benchmark::State& state, std::vector<double>& ms, const std::string& name) {
        if (ms.empty()) return;
        double sum = 0;
        for (double m : ms) sum += m;
        std::sort(ms.begin(), ms.end());
        state.counters[name + "_mean_ms"] = sum / static_cast<double>(ms.size());
        state.counters[name + "_p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    }

    std::chrono::steady_clock::time_point wallStart_;
    double cpuStart_ = 0;
    std::vector<double> wall_, cpu_;
};

}  // namespace keystrokebench
