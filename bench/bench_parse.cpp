#include "picker/controller.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace palette;

namespace {

// What the fields hold during a drag, and the longest text a line edit takes.
void BM_ParseFieldNumber(benchmark::State& state, std::string text)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(ParseFieldNumber(text));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK_CAPTURE(BM_ParseFieldNumber, three_digits, std::string("127"));
BENCHMARK_CAPTURE(BM_ParseFieldNumber, blanks_sign_hex, std::string(" \t-$7F"));
BENCHMARK_CAPTURE(BM_ParseFieldNumber, longest_decimal, std::string(32767, '9'));
BENCHMARK_CAPTURE(BM_ParseFieldNumber, longest_blanks, std::string(32766, ' ') + "1");

} // namespace

BENCHMARK_MAIN();
