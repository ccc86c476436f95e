// The element operations on the working array, side by side with ImageMagick (one thread) and
// QImage doing the same work, and the array's load and store against a plain memcpy.
// Each runs on a 2048 x 2048 picture and on a 64 x 64 element.

#include <benchmark/benchmark.h>

#include <Magick++.h>
#include <QImage>
#include <QTransform>
#include <cstring>
#include <vector>

#include "editor/Filters.h"
#include "editor/Geometry.h"
#include "editor/Resize.h"
#include "pixels/WorkingPicture.h"

namespace {

using tessella::pixels::WorkingPicture;
using namespace tessella::editor;

QImage Noise(int side) {
    QImage image(side, side, QImage::Format_BGR888);
    uint32_t state = 12345;
    for (int y = 0; y < side; ++y) {
        uint8_t* line = image.scanLine(y);
        for (int i = 0; i < side * 3; ++i) {
            state = state * 1664525u + 1013904223u;
            line[i] = static_cast<uint8_t>(state >> 24);
        }
    }
    return image;
}

void CountBytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(0) * 3);
}

// Size-changing operations leave the original in the scratch: swapping back restores it at
// no cost, so every iteration works on the same picture.
void Ours(benchmark::State& state, void (*op)(WorkingPicture&), bool swapBack) {
    QImage bitmap = Noise(static_cast<int>(state.range(0)));
    WorkingPicture work;
    work.LoadWorkingArray(bitmap);
    for (auto _ : state) {
        op(work);
        if (swapBack) work.adoptScratch();
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}

void ImageMagick(benchmark::State& state, void (*op)(Magick::Image&, int)) {
    static const bool ready = [] {
        Magick::InitializeMagick(nullptr);
        Magick::ResourceLimits::thread(1);  // like for like: our operations use one core
        return true;
    }();
    (void)ready;
    const int side = static_cast<int>(state.range(0));
    const QImage bitmap = Noise(side);
    Magick::Image image;
    image.read(side, side, "BGR", Magick::CharPixel, bitmap.constBits());
    for (auto _ : state) {
        op(image, side);
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}

void QtImage(benchmark::State& state, QImage (*op)(const QImage&, int)) {
    const int side = static_cast<int>(state.range(0));
    const QImage bitmap = Noise(side);
    for (auto _ : state) {
        QImage result = op(bitmap, side);
        benchmark::DoNotOptimize(result.constBits());
    }
    CountBytes(state);
}

Magick::Geometry Exactly(int w, int h) {
    Magick::Geometry g(static_cast<size_t>(w), static_cast<size_t>(h));
    g.aspect(true);
    return g;
}

// CPU time of the whole process: QImage hands some work to its worker threads.
#define SIZES ->Arg(2048)->Arg(64)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()

BENCHMARK_CAPTURE(
    Ours, rotate_right, [](WorkingPicture& w) { RotateQuarter(w, Turn::Clockwise); }, false)
SIZES;
BENCHMARK_CAPTURE(
    Ours, rotate_left, [](WorkingPicture& w) { RotateQuarter(w, Turn::CounterClockwise); }, false)
SIZES;
BENCHMARK_CAPTURE(ImageMagick, rotate_90, [](Magick::Image& m, int) { m.rotate(90); }) SIZES;
BENCHMARK_CAPTURE(QtImage, rotate_90,
                  [](const QImage& q, int) { return q.transformed(QTransform().rotate(90)); })
SIZES;

BENCHMARK_CAPTURE(
    Ours, mirror, [](WorkingPicture& w) { MirrorHorizontal(w); }, false)
SIZES;
BENCHMARK_CAPTURE(ImageMagick, flop, [](Magick::Image& m, int) { m.flop(); }) SIZES;
BENCHMARK_CAPTURE(QtImage, mirrored_h, [](const QImage& q, int) { return q.mirrored(true, false); })
SIZES;

BENCHMARK_CAPTURE(
    Ours, flip, [](WorkingPicture& w) { FlipVertical(w); }, false)
SIZES;
BENCHMARK_CAPTURE(ImageMagick, flip, [](Magick::Image& m, int) { m.flip(); }) SIZES;
BENCHMARK_CAPTURE(QtImage, mirrored_v, [](const QImage& q, int) { return q.mirrored(false, true); })
SIZES;

BENCHMARK_CAPTURE(
    Ours, symmetry2, [](WorkingPicture& w) { MakeSymmetric(w, Symmetry::TwoFaces); }, true)
SIZES;
BENCHMARK_CAPTURE(
    Ours, symmetry4, [](WorkingPicture& w) { MakeSymmetric(w, Symmetry::FourFaces); }, true)
SIZES;
BENCHMARK_CAPTURE(
    Ours, double_width, [](WorkingPicture& w) { DoubleTile(w, TileDirection::Right); }, true)
SIZES;
BENCHMARK_CAPTURE(
    Ours, double_height, [](WorkingPicture& w) { DoubleTile(w, TileDirection::Down); }, true)
SIZES;

BENCHMARK_CAPTURE(
    Ours, negative, [](WorkingPicture& w) { ApplyChannelOperation(w, ChannelOperation::Negative); },
    false)
SIZES;
BENCHMARK_CAPTURE(ImageMagick, negate, [](Magick::Image& m, int) { m.negate(); }) SIZES;
BENCHMARK_CAPTURE(QtImage, invert_pixels, [](const QImage& q, int) {
    QImage copy = q.copy();
    copy.invertPixels();
    return copy;
})
SIZES;

BENCHMARK_CAPTURE(
    Ours, grey, [](WorkingPicture& w) { ApplyChannelOperation(w, ChannelOperation::Grey); }, false)
SIZES;
BENCHMARK_CAPTURE(ImageMagick, grayscale, [](Magick::Image& m, int) {
    m.grayscale(MagickCore::AveragePixelIntensityMethod);
})
SIZES;

BENCHMARK_CAPTURE(
    Ours, swap_rb,
    [](WorkingPicture& w) { ApplyChannelOperation(w, ChannelOperation::SwapRedBlue); }, false)
SIZES;
BENCHMARK_CAPTURE(
    Ours, fuse_rb, [](WorkingPicture& w) { FuseChannels(w, ChannelPair::RedBlue); }, false)
SIZES;
BENCHMARK_CAPTURE(
    Ours, veil, [](WorkingPicture& w) { AddVeil(w, tessella::platform::ColourValue(0x00102030)); },
    false)
SIZES;
BENCHMARK_CAPTURE(
    Ours, sharpen, [](WorkingPicture& w) { SharpenSoften(w, Sharpness::Sharpen); }, false)
SIZES;
BENCHMARK_CAPTURE(
    Ours, soften, [](WorkingPicture& w) { SharpenSoften(w, Sharpness::Soften); }, false)
SIZES;

// Down to three quarters and up to one and a half times the side.
BENCHMARK_CAPTURE(
    Ours, resize_down,
    [](WorkingPicture& w) { ResizeNearest(w, w.width() * 3 / 4, w.height() * 3 / 4); }, true)
SIZES;
BENCHMARK_CAPTURE(
    Ours, resize_up,
    [](WorkingPicture& w) { ResizeNearest(w, w.width() * 3 / 2, w.height() * 3 / 2); }, true)
SIZES;
BENCHMARK_CAPTURE(ImageMagick, sample_down, [](Magick::Image& m, int side) {
    Magick::Image copy = m;
    copy.sample(Exactly(side * 3 / 4, side * 3 / 4));
})
SIZES;
BENCHMARK_CAPTURE(ImageMagick, sample_up, [](Magick::Image& m, int side) {
    Magick::Image copy = m;
    copy.sample(Exactly(side * 3 / 2, side * 3 / 2));
})
SIZES;
BENCHMARK_CAPTURE(QtImage, scaled_down, [](const QImage& q, int side) {
    return q.scaled(side * 3 / 4, side * 3 / 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
})
SIZES;
BENCHMARK_CAPTURE(QtImage, scaled_up, [](const QImage& q, int side) {
    return q.scaled(side * 3 / 2, side * 3 / 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
})
SIZES;

void LoadStore(benchmark::State& state) {
    QImage bitmap = Noise(static_cast<int>(state.range(0)));
    WorkingPicture work;
    QImage stored;
    for (auto _ : state) {
        work.LoadWorkingArray(bitmap);
        work.StoreWorkingArray(stored);
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}
BENCHMARK(LoadStore) SIZES;

void LoadIndexed8(benchmark::State& state) {
    const QImage source = Noise(static_cast<int>(state.range(0)))
                              .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    WorkingPicture work;
    for (auto _ : state) {
        QImage bitmap = source;  // the load turns the bitmap itself into 24 bits
        work.LoadWorkingArray(bitmap);
        benchmark::DoNotOptimize(bitmap.constBits());
    }
    CountBytes(state);
}
BENCHMARK(LoadIndexed8) SIZES;

void Memcpy(benchmark::State& state) {
    const QImage bitmap = Noise(static_cast<int>(state.range(0)));
    std::vector<uint8_t> copy(static_cast<size_t>(bitmap.sizeInBytes()));
    for (auto _ : state) {
        std::memcpy(copy.data(), bitmap.constBits(), copy.size());
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}
BENCHMARK(Memcpy) SIZES;

}  // namespace
