// SPDX-License-Identifier: GPL-3.0-or-later
// The button background as the program paints it (the normal gradient mixed 70/30 with the
// painting colour) beside the obvious Qt way of painting a plain two-stop gradient into the
// same 24-bit image. Ours must stay well ahead while doing more.
#include "ProgramLook.h"
#include "TsGradient.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void ComposeProgramBackground(benchmark::State &state)
{
    const int w = static_cast<int>(state.range(0));
    BgrImage img(w, 25);
    const TsGradArray stops = ParseGradient(programlook::kNormalGradient);
    for (auto _ : state) {
        ComposeBackground(img, {0, 0, w, 25}, stops, 70, 0, Rgb{166, 210, 255});
        benchmark::DoNotOptimize(img.bits());
        benchmark::ClobberMemory();
    }
}

void QPainterLinearGradientFill(benchmark::State &state)
{
    const int w = static_cast<int>(state.range(0));
    BgrImage img(w, 25);
    QImage view(img.bits(), w, 25, img.stride(), QImage::Format_BGR888);
    QLinearGradient gradient(0, 0, 0, 25);
    gradient.setColorAt(0, QColor(128, 128, 128));
    gradient.setColorAt(1, QColor(255, 255, 255));
    for (auto _ : state) {
        QPainter p(&view);
        p.fillRect(QRect(0, 0, w, 25), gradient);
        p.end();
        benchmark::DoNotOptimize(img.bits());
        benchmark::ClobberMemory();
    }
}

// The same two at a device pixel ratio: the button's device image (width × ratio, 25 × ratio
// high), the bands computed over the device rows.
void ComposeProgramBackgroundAtRatio(benchmark::State &state)
{
    const int ratio = static_cast<int>(state.range(1));
    const int w = static_cast<int>(state.range(0)) * ratio;
    const int h = 25 * ratio;
    BgrImage img(w, h);
    const TsGradArray stops = ParseGradient(programlook::kNormalGradient);
    for (auto _ : state) {
        ComposeBackground(img, {0, 0, w, h}, stops, 70, 0, Rgb{166, 210, 255});
        benchmark::DoNotOptimize(img.bits());
        benchmark::ClobberMemory();
    }
}

void QPainterLinearGradientFillAtRatio(benchmark::State &state)
{
    const int ratio = static_cast<int>(state.range(1));
    const int w = static_cast<int>(state.range(0)) * ratio;
    const int h = 25 * ratio;
    BgrImage img(w, h);
    QImage view(img.bits(), w, h, img.stride(), QImage::Format_BGR888);
    QLinearGradient gradient(0, 0, 0, h);
    gradient.setColorAt(0, QColor(128, 128, 128));
    gradient.setColorAt(1, QColor(255, 255, 255));
    for (auto _ : state) {
        QPainter p(&view);
        p.fillRect(QRect(0, 0, w, h), gradient);
        p.end();
        benchmark::DoNotOptimize(img.bits());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(ComposeProgramBackground)->Arg(111)->Arg(401);
BENCHMARK(QPainterLinearGradientFill)->Arg(111)->Arg(401);
BENCHMARK(ComposeProgramBackgroundAtRatio)->Args({111, 2})->Args({401, 2})->Args({111, 3});
BENCHMARK(QPainterLinearGradientFillAtRatio)->Args({111, 2})->Args({401, 2})->Args({111, 3});

int main(int argc, char **argv)
{
    // QPainter on a QImage needs no display, but Qt's font and raster setup want an instance.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
