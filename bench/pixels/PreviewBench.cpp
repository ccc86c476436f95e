// The colour adjustment window's preview: one recomputation (the operation on the 160 x 160
// preview and the picture shown) for each of its three operations, which must stay well under
// a millisecond so that a moving scroll bar repaints at once; and the reduction of a large
// element to its preview beside Qt's nearest-neighbour scaling.

#include <benchmark/benchmark.h>

#include <QImage>

#include "NoiseGrid.h"
#include "pixels/ColourAdjustment.h"

namespace {

using namespace tessella::pixels;

PixelGrid Noise(int side) {
    return tessella::bench::NoiseGrid(side, 1234);
}

ColourAdjustSettings Settings(EmbossBackground background) {
    ColourAdjustSettings s;
    s.redPercent = 150;
    s.greenPercent = 90;
    s.bluePercent = 120;
    s.direction = RgbDirection::FromTopLeft;
    s.contrastAmount = 80;
    s.backgroundColour = tessella::platform::ColourValue::fromRgb(255, 128, 0);
    EmbossSettings emboss;
    emboss.threshold = 200;
    s.emboss = EmbossSettingsFor(emboss, background, s.backgroundColour);
    return s;
}

void PreviewRecompute(benchmark::State& state, ColourAdjustment adjustment,
                      EmbossBackground background) {
    const PixelGrid source = Noise(kPreviewSide);
    PixelGrid result = source;
    const ColourAdjustSettings settings = Settings(background);
    QImage texture(32, 32, QImage::Format_BGR888);
    texture.fill(Qt::gray);
    const int rows =
        adjustment == ColourAdjustment::Emboss ? EmbossedRows(kPreviewSide) : kPreviewSide;
    for (auto _ : state) {
        ApplyColourAdjustment(adjustment, settings, texture, source, result, kPreviewSide,
                              kPreviewSide);
        QImage shown = PreviewPicture(result, ShownPreviewColumns(kPreviewSide), rows);
        benchmark::DoNotOptimize(shown.constBits());
    }
}

BENCHMARK_CAPTURE(PreviewRecompute, rgb_diagonal, ColourAdjustment::Rgb, EmbossBackground::None)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PreviewRecompute, contrast, ColourAdjustment::Contrast, EmbossBackground::None)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PreviewRecompute, emboss_coloured, ColourAdjustment::Emboss,
                  EmbossBackground::Coloured)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PreviewRecompute, emboss_textured, ColourAdjustment::Emboss,
                  EmbossBackground::Textured)
    ->Unit(benchmark::kMicrosecond);

void PreviewSample(benchmark::State& state) {
    const PixelGrid element = Noise(1024);
    PixelGrid preview;
    for (auto _ : state) {
        SamplePreview(element, preview);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PreviewSample)->Unit(benchmark::kMicrosecond);

void PreviewSampleQt(benchmark::State& state) {
    QImage element(1024, 1024, QImage::Format_BGR888);
    element.fill(Qt::darkCyan);
    for (auto _ : state) {
        QImage preview = element.scaled(160, 160, Qt::KeepAspectRatio, Qt::FastTransformation);
        benchmark::DoNotOptimize(preview.constBits());
    }
}
BENCHMARK(PreviewSampleQt)->Unit(benchmark::kMicrosecond);

}  // namespace
