// Colour operations and blur on the working array, beside ImageMagick (one thread) doing the
// nearest operation it has and a plain memcpy of the same picture. 2048 x 2048 and 64 x 64.

#include <benchmark/benchmark.h>

#include <Magick++.h>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "../Fairness.h"
#include "NoiseGrid.h"
#include "pixels/Blur.h"
#include "pixels/ColourOperations.h"

namespace {

using namespace tessella::pixels;

PixelGrid NoisePicture(int side) {
    return tessella::bench::NoiseGrid(side, 4242);
}

QImage NoiseTexture() {
    QImage texture(50, 37, QImage::Format_RGB32);
    for (int y = 0; y < texture.height(); ++y)
        for (int x = 0; x < texture.width(); ++x)
            texture.setPixel(x, y, qRgb(x * 5, y * 6, (x * y) & 255));
    return texture;
}

void CountBytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(0) * 3);
}

void ColourMemcpy(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    const PixelGrid source = NoisePicture(side);
    PixelGrid destination(side, side);
    const size_t bytes = size_t(source.stride()) * side * sizeof(Bgr);
    tessella::bench::TimeEach(
        state, [] {}, [&] { std::memcpy(destination.row(0), source.row(0), bytes); });
    CountBytes(state);
}

// Colour operations read one array and write another, so every iteration does the same work.
template <class Op>
void Colour(benchmark::State& state, Op op) {
    const int side = static_cast<int>(state.range(0));
    const PixelGrid source = NoisePicture(side);
    PixelGrid destination(side, side);
    tessella::bench::TimeEach(
        state, [] {}, [&] { op(source, destination, side); });
    CountBytes(state);
}

// The blur works in place; its cost does not depend on the pixels, so it runs on its own result.
void ColourBlur(benchmark::State& state, BlurVariant variant) {
    const int side = static_cast<int>(state.range(0));
    PixelGrid picture = NoisePicture(side);
    tessella::bench::TimeEach(
        state, [] {}, [&] { Blur(picture, variant); });
    CountBytes(state);
}

// The same with an alpha plane, soft and round: opaque in the middle, clear in the corners.
void ColourBlurWithAlpha(benchmark::State& state, BlurVariant variant) {
    const int side = static_cast<int>(state.range(0));
    PixelGrid picture = NoisePicture(side);
    picture.addAlpha();
    const double centre = side / 2.0, reach = side * 0.7071;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            picture.alphaRow(y)[x] = static_cast<uint8_t>(
                std::max(0.0, 255.0 * (1.0 - std::hypot(x - centre, y - centre) / reach)));
    tessella::bench::TimeEach(
        state, [] {}, [&] { Blur(picture, variant); });
    CountBytes(state);
}

template <class Op>
void ColourMagick(benchmark::State& state, Op op) {
    static const bool ready = [] {
        Magick::InitializeMagick(nullptr);
        Magick::ResourceLimits::thread(1);  // our operations use one core
        return true;
    }();
    (void)ready;
    const int side = static_cast<int>(state.range(0));
    const PixelGrid source = NoisePicture(side);
    std::vector<uint8_t> packed(size_t(side) * side * 3);
    for (int y = 0; y < side; ++y)
        std::memcpy(packed.data() + size_t(y) * side * 3, source.row(y), size_t(side) * 3);
    Magick::Image original;
    original.read(side, side, "BGR", Magick::CharPixel, packed.data());
    Magick::Image image;
    tessella::bench::TimeEach(
        state,
        [&] {
            image = Magick::Image();
            image = original;
            image.modifyImage();  // its own pixels, touched, as our destination is
        },
        [&] { op(image); });
    CountBytes(state);
}

EmbossSettings Coloured() {
    EmbossSettings s;
    s.threshold = 200;
    s.saturation = 160;
    s.colour = tessella::platform::ColourValue(0x3080C0u);
    return s;
}

EmbossSettings Textured() {
    EmbossSettings s;
    s.threshold = 255;
    s.textured = true;
    return s;
}

#define SIZES ->Arg(2048)->Arg(64)->Unit(benchmark::kMicrosecond)->UseManualTime()

BENCHMARK(ColourMemcpy) SIZES;

BENCHMARK_CAPTURE(Colour, rgb_uniform, [](const PixelGrid& s, PixelGrid& d, int n) {
    RgbCorrection(s, d, n, n, 150, 80, 120, RgbDirection::Uniform);
})
SIZES;
BENCHMARK_CAPTURE(Colour, rgb_progressive_columns, [](const PixelGrid& s, PixelGrid& d, int n) {
    RgbCorrection(s, d, n, n, 150, 80, 120, RgbDirection::LeftToRight);
})
SIZES;
BENCHMARK_CAPTURE(Colour, rgb_progressive_diagonal, [](const PixelGrid& s, PixelGrid& d, int n) {
    RgbCorrection(s, d, n, n, 150, 80, 120, RgbDirection::FromBottomRight);
})
SIZES;
BENCHMARK_CAPTURE(ColourMagick, modulate, [](Magick::Image& m) { m.modulate(100, 120, 100); })
SIZES;
BENCHMARK_CAPTURE(ColourMagick, colorMatrix, [](Magick::Image& m) {
    const double matrix[9] = {1.5, 0, 0, 0, 0.8, 0, 0, 0, 1.2};
    m.colorMatrix(3, matrix);
})
SIZES;

BENCHMARK_CAPTURE(Colour, contrast,
                  [](const PixelGrid& s, PixelGrid& d, int n) { Contrast(s, d, n, n, 127, 60); })
SIZES;
BENCHMARK_CAPTURE(ColourMagick, sigmoidalContrast,
                  [](Magick::Image& m) { m.sigmoidalContrast(true, 3.0); })
SIZES;
BENCHMARK_CAPTURE(ColourMagick, level, [](Magick::Image& m) {
    using MagickCore::Quantum;  // QuantumRange names it
    m.level(0.2 * QuantumRange, 0.8 * QuantumRange);
})
SIZES;

BENCHMARK_CAPTURE(Colour, emboss_plain, [](const PixelGrid& s, PixelGrid& d, int n) {
    EmbossSettings plain;
    Emboss(s, d, n, n, plain);
})
SIZES;
BENCHMARK_CAPTURE(Colour, emboss_coloured, [](const PixelGrid& s, PixelGrid& d, int n) {
    static const EmbossSettings settings = Coloured();
    Emboss(s, d, n, n, settings);
})
SIZES;
BENCHMARK_CAPTURE(Colour, emboss_textured, [](const PixelGrid& s, PixelGrid& d, int n) {
    static const EmbossSettings settings = Textured();
    static const QImage texture = NoiseTexture();
    Emboss(s, d, n, n, settings, texture);
})
SIZES;
BENCHMARK_CAPTURE(ColourMagick, emboss, [](Magick::Image& m) { m.emboss(1, 0.5); }) SIZES;

BENCHMARK_CAPTURE(ColourBlur, blur_whole, BlurVariant::Whole) SIZES;
BENCHMARK_CAPTURE(ColourBlur, blur_right, BlurVariant::Right) SIZES;
BENCHMARK_CAPTURE(ColourBlur, blur_down, BlurVariant::Down) SIZES;
BENCHMARK_CAPTURE(ColourBlur, blur_down_right, BlurVariant::DownRight) SIZES;
BENCHMARK_CAPTURE(ColourBlur, blur_down_one_left_two, BlurVariant::DownOneLeftTwo) SIZES;
BENCHMARK_CAPTURE(ColourBlur, blur_left, BlurVariant::Left) SIZES;
BENCHMARK_CAPTURE(ColourBlur, blur_up, BlurVariant::Up) SIZES;
BENCHMARK_CAPTURE(ColourBlur, blur_up_left, BlurVariant::UpLeft) SIZES;
BENCHMARK_CAPTURE(ColourBlur, blur_up_one_right_two, BlurVariant::UpOneRightTwo) SIZES;
BENCHMARK_CAPTURE(ColourBlurWithAlpha, blur_whole_alpha, BlurVariant::Whole) SIZES;
BENCHMARK_CAPTURE(ColourBlurWithAlpha, blur_right_alpha, BlurVariant::Right) SIZES;
BENCHMARK_CAPTURE(ColourMagick, blur, [](Magick::Image& m) { m.blur(1, 0.5); }) SIZES;

}  // namespace
