#include "color/color_model.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <vector>

using namespace palette;

namespace {

void BM_HslToRgb(benchmark::State& state)
{
    std::int32_t i = 0;
    for (auto _ : state) {
        std::int32_t r, g, b;
        HslToRgb(float(i & 255), float((i >> 8) & 255), float((i >> 16) & 255), r, g, b);
        benchmark::DoNotOptimize(r + g + b);
        i = (i + 40503) & 0xFFFFFF;
    }
}
BENCHMARK(BM_HslToRgb);

void BM_RgbToHsl(benchmark::State& state)
{
    std::int32_t i = 0;
    for (auto _ : state) {
        std::int32_t h, l, s;
        RgbToHsl(i & 255, (i >> 8) & 255, (i >> 16) & 255, h, l, s);
        benchmark::DoNotOptimize(h + l + s);
        i = (i + 40503) & 0xFFFFFF;
    }
}
BENCHMARK(BM_RgbToHsl);

// The field plane: 255 x 255 conversions and packs into a 257 x 257 buffer.
void BM_FieldPlane(benchmark::State& state)
{
    std::vector<PackedRgb> pixels(257 * 257);
    for (auto _ : state) {
        for (int s = 1; s <= 255; ++s) {
            for (int h = 1; h <= 255; ++h) {
                std::int32_t r, g, b;
                HslToRgb(float(h), 127.5f, float(s), r, g, b);
                pixels[std::size_t(256 - s) * 257 + std::size_t(h)] = PackRgb(r, g, b);
            }
        }
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FieldPlane)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
