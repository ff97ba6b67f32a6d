// Speed of the step check on typical lines (run by hand: build/bin/engine_bench).
#include <benchmark/benchmark.h>

#include "tests/engine/enginetestutil.h"

using namespace enginetest;

namespace {

void checkLine(benchmark::State& state, const std::string& writtenLine, double root) {
    errorCode = 0;
    const std::string text = normalise(writtenLine);
    for (auto _ : state) {
        errorCode = 0;
        benchmark::DoNotOptimize(checkEquation(text, root));
    }
    if (errorCode != 0) state.SkipWithError("the line does not pass");
}

void normaliseAndCheck(benchmark::State& state, const std::string& writtenLine, double root) {
    for (auto _ : state) {
        errorCode = 0;
        benchmark::DoNotOptimize(checkEquation(normalise(writtenLine), root));
    }
    if (errorCode != 0) state.SkipWithError("the line does not pass");
}

const std::string simple = "2x+5=4x+11";
const std::string fractions = frac("x+1", "3") + "-" + frac("2x", "5") + "=x" + pw("2") + "-" +
                              frac("57", "15") + "/*15";
// 100 bytes: a long but ordinary line.
const std::string longLine =
    "3(x+2)-2(x-1)+4(2x+3)-5(x-4)+6(x+1)-7(2x-3)+8(x+5)-9(x-2)+10(x+1)=0.5x+12.75-3(x-1)+2x-49.25+x+0.50x";

}  // namespace

BENCHMARK_CAPTURE(checkLine, simple, simple, -3.0);
BENCHMARK_CAPTURE(checkLine, two_fractions_and_power, fractions, 2.0);
BENCHMARK_CAPTURE(checkLine, line_of_100_bytes, longLine, -42.125);
BENCHMARK_CAPTURE(normaliseAndCheck, simple, simple, -3.0);
BENCHMARK_CAPTURE(normaliseAndCheck, two_fractions_and_power, fractions, 2.0);
BENCHMARK_CAPTURE(normaliseAndCheck, line_of_100_bytes, longLine, -42.125);

BENCHMARK_MAIN();
