// The paint pot on a 2048 x 2048 element. Target: under 20 ms for a fill that covers the
// whole picture, and for one that winds through a maze of walls. The peer is Qt filling the
// same number of pixels as one rectangle, the floor of what any fill can cost.
// The maze is bound by memory latency (its corridors run down the columns, one row a span), so
// on a machine loaded by other work its wall-clock Time column grows several times over its
// CPU column: compare both sides in the same run, and build with -DCMAKE_BUILD_TYPE=Release
// (an unoptimised build is about six times slower).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "drawing/FloodFill.h"

namespace {

constexpr int kSide = 2048;

QImage Blank() {
    QImage picture(kSide, kSide, QImage::Format_BGR888);
    picture.fill(Qt::white);
    return picture;
}

// Vertical walls every 8 columns, each open at the top or the bottom in turn: one corridor
// that runs up and down the whole picture.
QImage Maze() {
    QImage picture = Blank();
    QPainter p(&picture);
    for (int x = 4, n = 0; x < kSide; x += 8, ++n)
        p.fillRect(x, n % 2 ? 0 : 1, 1, kSide - 1, Qt::black);
    return picture;
}

void Fill(benchmark::State& state, const QImage& start) {
    QImage picture = start;
    bool red = true;
    for (auto _ : state) {
        // Alternate colours so that every round fills the whole area again.
        tessella::drawing::FloodFill(picture, {0, 0}, QBrush(red ? Qt::red : Qt::white));
        red = !red;
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

void BM_FloodFillWholePicture(benchmark::State& state) {
    Fill(state, Blank());
}
void BM_FloodFillMaze(benchmark::State& state) {
    Fill(state, Maze());
}
void BM_FloodFillHatched(benchmark::State& state) {
    QImage picture = Blank();
    for (auto _ : state) {
        QImage copy = picture;
        tessella::drawing::FloodFill(copy, {0, 0}, QBrush(Qt::red, Qt::DiagCrossPattern));
        benchmark::DoNotOptimize(copy.constBits());
    }
}

void BM_QtFillRect(benchmark::State& state) {
    QImage picture = Blank();
    bool red = true;
    for (auto _ : state) {
        QPainter p(&picture);
        p.fillRect(picture.rect(), red ? Qt::red : Qt::white);
        red = !red;
        benchmark::DoNotOptimize(picture.constBits());
    }
}

}  // namespace

BENCHMARK(BM_FloodFillWholePicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFillMaze)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFillHatched)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtFillRect)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
