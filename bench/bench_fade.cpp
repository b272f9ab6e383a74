// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of the hover fade, as the button mixes it on every timer tick: at the sizes of the
// program's widest button (401 × 25) and of the same button at twice the device pixel ratio
// (802 × 50). Beside it the floating-point mix it replaced and a plain copy of the same bytes,
// the floor any frame pays.
#include "PixelEffects.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

void fillPattern(BgrImage &img, int seed)
{
    for (int y = 0; y < img.height(); ++y) {
        std::uint8_t *p = img.row(y);
        for (int i = 0; i < 3 * img.width(); ++i) {
            p[i] = static_cast<std::uint8_t>(i * 7 + y * 13 + seed);
        }
    }
}

struct Frames
{
    BgrImage a;
    BgrImage b;
    BgrImage out;

    Frames(int w, int h) : a(w, h), b(w, h), out(w, h)
    {
        fillPattern(a, 3);
        fillPattern(b, 101);
    }
};

void FadeFrameMix(benchmark::State &state)
{
    Frames f(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int step = 0;
    for (auto _ : state) {
        // The weights of a five-step fade in turn, as the ticks use them.
        MixFadeFrame(f.a, f.b, FadeWeight(step % 6, 5), f.out);
        ++step;
        benchmark::DoNotOptimize(f.out.bits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 3 * state.range(0) * state.range(1));
}

// The mix as it was first written: per channel std::nearbyint of a double.
void FadeFrameMixFloatingPoint(benchmark::State &state)
{
    Frames f(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int step = 0;
    for (auto _ : state) {
        const double x = FadeWeight(step % 6, 5);
        for (int y = 0; y < f.out.height(); ++y) {
            const std::uint8_t *pa = f.a.row(y);
            const std::uint8_t *pb = f.b.row(y);
            std::uint8_t *po = f.out.row(y);
            for (int i = 0; i < 3 * f.out.width(); ++i) {
                const double v = std::nearbyint(x * (pa[i] - pb[i]) + pb[i]);
                po[i] = static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
            }
        }
        ++step;
        benchmark::DoNotOptimize(f.out.bits());
        benchmark::ClobberMemory();
    }
}

void CopyFrameBytes(benchmark::State &state)
{
    Frames f(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        std::memcpy(f.out.bits(), f.a.bits(), static_cast<std::size_t>(f.a.stride()) * f.a.height());
        benchmark::DoNotOptimize(f.out.bits());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(FadeFrameMix)->Args({111, 25})->Args({401, 25})->Args({222, 50})->Args({802, 50});
BENCHMARK(FadeFrameMixFloatingPoint)->Args({111, 25})->Args({401, 25})->Args({802, 50});
BENCHMARK(CopyFrameBytes)->Args({401, 25})->Args({802, 50});

BENCHMARK_MAIN();
