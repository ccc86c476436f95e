// The normal map of a 2048 x 2048 element (target: under 30 ms), beside the negative of the same
// element, the simplest pass over its pixels; and the lit preview of a 512 x 512 element in a
// 1000 x 800 window: a repaint with the light moved (target: under 16 ms), and an edit
// followed (map, surface, repaint).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QRegion>

#include "bench/editor/PatternedElement.h"
#include "editor/Filters.h"
#include "editor/LitSurface.h"
#include "editor/NormalMap.h"
#include "pixels/WorkingPicture.h"
#include "ui/editor/LitPreview.h"

namespace {

using namespace tessella;

pixels::WorkingPicture Element(int side, int seed = 0) {
    QImage element = bench::PatternedElement(side, side, seed);
    pixels::WorkingPicture work;
    work.load(element);
    return work;
}

void NormalMap2048(benchmark::State& state) {
    const pixels::WorkingPicture work = Element(2048);
    pixels::PixelGrid out;
    for (auto _ : state) {
        editor::MakeNormalMap(work.image(), out, {});
        benchmark::DoNotOptimize(out.row(0));
    }
}

void Negative2048(benchmark::State& state) {
    pixels::WorkingPicture work = Element(2048);
    for (auto _ : state) {
        editor::ApplyChannelOperation(work, editor::ChannelOperation::Negative);
        benchmark::DoNotOptimize(work.image().row(0));
    }
}

constexpr QSize kWindow(1000, 800);

editor::LitSurface Surface(const pixels::WorkingPicture& work) {
    pixels::PixelGrid normals;
    editor::MakeNormalMap(work.image(), normals, {});
    return editor::LitSurface(work.image(), normals);
}

void RepaintLitWithTheLightMoved(benchmark::State& state) {
    editor::LitView view;
    view.resize(kWindow);
    view.setSurface(Surface(Element(512)));
    QImage window(kWindow, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        view.setLightPosition(QPointF(100 + 7 * (step % 100), 100 + 5 * (step % 120)));
        ++step;
        view.render(&window, QPoint(), QRegion(QRect(QPoint(), kWindow)));
        benchmark::DoNotOptimize(window.constBits());
    }
}

void EditFollowedByTheLitPreview(benchmark::State& state) {
    editor::LitView view;
    view.resize(kWindow);
    const pixels::WorkingPicture elements[2] = {Element(512, 0), Element(512, 1)};
    QImage window(kWindow, QImage::Format_RGB32);
    int i = 0;
    for (auto _ : state) {
        view.setSurface(Surface(elements[i++ & 1]));
        view.render(&window, QPoint(), QRegion(QRect(QPoint(), kWindow)));
        benchmark::DoNotOptimize(window.constBits());
    }
}

BENCHMARK(NormalMap2048)->Unit(benchmark::kMillisecond);
BENCHMARK(Negative2048)->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintLitWithTheLightMoved)->Unit(benchmark::kMillisecond);
BENCHMARK(EditFollowedByTheLitPreview)->Unit(benchmark::kMillisecond);

}  // namespace
