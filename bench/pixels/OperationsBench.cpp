// The element operations on the working array, side by side with ImageMagick and QImage doing
// the same work (every side on one thread), and the array's load and store against a plain
// memcpy. Each runs on a 2048 x 2048 picture and on a 64 x 64 element. Every side starts each
// iteration from the same picture in fresh memory, and only the operation is timed.

#include <benchmark/benchmark.h>

#include <Magick++.h>
#include <QImage>
#include <QThreadPool>
#include <QTransform>
#include <cstring>
#include <memory>
#include <vector>

#include "../Fairness.h"
#include "editor/Filters.h"
#include "editor/Geometry.h"
#include "editor/Resize.h"
#include "pixels/LargeImage.h"
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

using tessella::bench::TimeEach;

const bool kSameTreatment = [] {
    tessella::bench::UseFreshMemory();
    QThreadPool::globalInstance()->setMaxThreadCount(1);  // QImage would spread large work
    Magick::InitializeMagick(nullptr);
    Magick::ResourceLimits::thread(1);
    return true;
}();

// A fresh working picture loaded from the same bitmap every iteration: a size-changing
// operation finds no scratch array left warm by the one before.
void Ours(benchmark::State& state, void (*op)(WorkingPicture&)) {
    QImage bitmap = Noise(static_cast<int>(state.range(0)));
    std::unique_ptr<WorkingPicture> work;
    TimeEach(
        state,
        [&] {
            work.reset();
            work = std::make_unique<WorkingPicture>();
            work->load(bitmap);
        },
        [&] { op(*work); });
    CountBytes(state);
}

void ImageMagick(benchmark::State& state, void (*op)(Magick::Image&, int)) {
    const int side = static_cast<int>(state.range(0));
    const QImage bitmap = Noise(side);
    Magick::Image original;
    original.read(side, side, "BGR", Magick::CharPixel, bitmap.constBits());
    Magick::Image image;
    TimeEach(
        state,
        [&] {
            image = Magick::Image();
            image = original;
            image.modifyImage();  // its own pixels, as ours are
        },
        [&] { op(image, side); });
    CountBytes(state);
}

void QtImage(benchmark::State& state, QImage (*op)(const QImage&, int)) {
    const int side = static_cast<int>(state.range(0));
    const QImage bitmap = Noise(side);
    QImage result;
    TimeEach(
        state, [&] { result = QImage(); }, [&] { result = op(bitmap, side); });
    CountBytes(state);
}

Magick::Geometry Exactly(int w, int h) {
    Magick::Geometry g(static_cast<size_t>(w), static_cast<size_t>(h));
    g.aspect(true);
    return g;
}

#define SIZES ->Arg(2048)->Arg(64)->Unit(benchmark::kMicrosecond)->UseManualTime()

BENCHMARK_CAPTURE(Ours, rotate_right, [](WorkingPicture& w) { RotateQuarter(w, Turn::Clockwise); })
SIZES;
BENCHMARK_CAPTURE(Ours, rotate_left,
                  [](WorkingPicture& w) { RotateQuarter(w, Turn::CounterClockwise); })
SIZES;
// The same turn made for a writer, a block of rows at a time as the rows are asked (bottom-up,
// as the BMP writer does), without a second full-size array.
template <Move move>
void AllMovedRows(WorkingPicture& w) {
    MovedRows moved(w.image(), move);
    for (int y = moved.height() - 1; y >= 0; --y) benchmark::DoNotOptimize(moved.row(y));
}
BENCHMARK_CAPTURE(Ours, rotate_left_rows, AllMovedRows<Move::TurnCounterClockwise>) SIZES;
BENCHMARK_CAPTURE(Ours, mirror_rows, AllMovedRows<Move::Mirror>) SIZES;
BENCHMARK_CAPTURE(ImageMagick, rotate_90, [](Magick::Image& m, int) { m.rotate(90); }) SIZES;
BENCHMARK_CAPTURE(QtImage, rotate_90,
                  [](const QImage& q, int) { return q.transformed(QTransform().rotate(90)); })
SIZES;

BENCHMARK_CAPTURE(Ours, mirror, [](WorkingPicture& w) { MirrorHorizontal(w); })
SIZES;
BENCHMARK_CAPTURE(ImageMagick, flop, [](Magick::Image& m, int) { m.flop(); }) SIZES;
BENCHMARK_CAPTURE(QtImage, mirrored_h, [](const QImage& q, int) { return q.mirrored(true, false); })
SIZES;

BENCHMARK_CAPTURE(Ours, flip, [](WorkingPicture& w) { FlipVertical(w); })
SIZES;
BENCHMARK_CAPTURE(ImageMagick, flip, [](Magick::Image& m, int) { m.flip(); }) SIZES;
BENCHMARK_CAPTURE(QtImage, mirrored_v, [](const QImage& q, int) { return q.mirrored(false, true); })
SIZES;

BENCHMARK_CAPTURE(Ours, symmetry2, [](WorkingPicture& w) { MakeSymmetric(w, Symmetry::TwoFaces); })
SIZES;
BENCHMARK_CAPTURE(Ours, symmetry4, [](WorkingPicture& w) { MakeSymmetric(w, Symmetry::FourFaces); })
SIZES;
BENCHMARK_CAPTURE(Ours, double_width,
                  [](WorkingPicture& w) { DoubleTile(w, TileDirection::Right); })
SIZES;
BENCHMARK_CAPTURE(Ours, double_height,
                  [](WorkingPicture& w) { DoubleTile(w, TileDirection::Down); })
SIZES;

BENCHMARK_CAPTURE(Ours, negative,
                  [](WorkingPicture& w) { ApplyChannelOperation(w, ChannelOperation::Negative); })
SIZES;
BENCHMARK_CAPTURE(ImageMagick, negate, [](Magick::Image& m, int) { m.negate(); }) SIZES;
// Qt inverts in place: the copy it works on is made untimed, as ours is loaded untimed.
void QtInvertPixels(benchmark::State& state) {
    const QImage bitmap = Noise(static_cast<int>(state.range(0)));
    QImage copy;
    TimeEach(
        state,
        [&] {
            copy = QImage();
            copy = bitmap.copy();
        },
        [&] { copy.invertPixels(); });
    CountBytes(state);
}
BENCHMARK(QtInvertPixels) SIZES;

BENCHMARK_CAPTURE(Ours, grey,
                  [](WorkingPicture& w) { ApplyChannelOperation(w, ChannelOperation::Grey); })
SIZES;
BENCHMARK_CAPTURE(ImageMagick, grayscale, [](Magick::Image& m, int) {
    m.grayscale(MagickCore::AveragePixelIntensityMethod);
})
SIZES;

BENCHMARK_CAPTURE(Ours, swap_rb, [](WorkingPicture& w) {
    ApplyChannelOperation(w, ChannelOperation::SwapRedBlue);
})
SIZES;
BENCHMARK_CAPTURE(Ours, fuse_rb, [](WorkingPicture& w) { FuseChannels(w, ChannelPair::RedBlue); })
SIZES;
BENCHMARK_CAPTURE(Ours, veil, [](WorkingPicture& w) {
    AddVeil(w, tessella::platform::ColourValue(0x00102030));
})
SIZES;
BENCHMARK_CAPTURE(Ours, sharpen, [](WorkingPicture& w) { SharpenSoften(w, Sharpness::Sharpen); })
SIZES;
BENCHMARK_CAPTURE(Ours, soften, [](WorkingPicture& w) { SharpenSoften(w, Sharpness::Soften); })
SIZES;

// Down to three quarters and up to one and a half times the side.
BENCHMARK_CAPTURE(Ours, resize_down, [](WorkingPicture& w) {
    ResizeNearest(w, w.width() * 3 / 4, w.height() * 3 / 4);
})
SIZES;
BENCHMARK_CAPTURE(Ours, resize_up, [](WorkingPicture& w) {
    ResizeNearest(w, w.width() * 3 / 2, w.height() * 3 / 2);
})
SIZES;
BENCHMARK_CAPTURE(ImageMagick, sample_down,
                  [](Magick::Image& m, int side) { m.sample(Exactly(side * 3 / 4, side * 3 / 4)); })
SIZES;
BENCHMARK_CAPTURE(ImageMagick, sample_up,
                  [](Magick::Image& m, int side) { m.sample(Exactly(side * 3 / 2, side * 3 / 2)); })
SIZES;
BENCHMARK_CAPTURE(QtImage, scaled_down, [](const QImage& q, int side) {
    return q.scaled(side * 3 / 4, side * 3 / 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
})
SIZES;
BENCHMARK_CAPTURE(QtImage, scaled_up, [](const QImage& q, int side) {
    return q.scaled(side * 3 / 2, side * 3 / 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
})
SIZES;

// Loading into a fresh working array and storing into a fresh bitmap, against copying into a
// fresh buffer: all of them write memory they have not touched before.
void LoadStore(benchmark::State& state) {
    QImage bitmap = Noise(static_cast<int>(state.range(0)));
    std::unique_ptr<WorkingPicture> work;
    QImage stored;
    TimeEach(
        state,
        [&] {
            work.reset();
            stored = QImage();
        },
        [&] {
            work = std::make_unique<WorkingPicture>();
            work->load(bitmap);
            work->store(stored);
        });
    CountBytes(state);
}
BENCHMARK(LoadStore) SIZES;

void LoadIndexed8(benchmark::State& state) {
    const QImage source = Noise(static_cast<int>(state.range(0)))
                              .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    std::unique_ptr<WorkingPicture> work;
    QImage bitmap;
    TimeEach(
        state,
        [&] {
            work.reset();
            bitmap = QImage();
            bitmap = source;  // the load turns the bitmap itself into 24 bits
        },
        [&] {
            work = std::make_unique<WorkingPicture>();
            work->load(bitmap);
        });
    CountBytes(state);
}
BENCHMARK(LoadIndexed8) SIZES;

// The floor: a plain copy into fresh memory of the same kind as the working array's.
void Memcpy(benchmark::State& state) {
    const QImage bitmap = Noise(static_cast<int>(state.range(0)));
    QImage copy;
    TimeEach(
        state, [&] { copy = QImage(); },
        [&] {
            copy = tessella::pixels::NewImage(bitmap.width(), bitmap.height(), bitmap.format());
            std::memcpy(copy.bits(), bitmap.constBits(), size_t(bitmap.sizeInBytes()));
        });
    CountBytes(state);
}
BENCHMARK(Memcpy) SIZES;

}  // namespace
