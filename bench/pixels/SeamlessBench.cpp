// Make-tileable and the history on a 2048 x 2048 element. Targets: make-tileable under 50 ms;
// an undo or a redo under 10 ms, alone and with the store into the displayed bitmap that the
// editor does before it paints. A new step (the copy of the element) is timed beside them.

#include <benchmark/benchmark.h>

#include <QImage>

#include "NoiseGrid.h"
#include "editor/Seamless.h"
#include "pixels/WorkingPicture.h"

namespace {

using tessella::pixels::WorkingPicture;

constexpr int kSide = 2048;

void MakeTileable2048(benchmark::State& state) {
    const tessella::pixels::PixelGrid source = tessella::bench::NoiseGrid(kSide, 3);
    WorkingPicture work;
    for (auto _ : state) {
        state.PauseTiming();
        work.image() = source;
        state.ResumeTiming();
        tessella::editor::MakeTileable(work, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(work.image().row(0));
    }
    state.counters["seam"] = tessella::editor::SeamFigure(work.image());
}

// Ten steps of the history, walked back and forth: each iteration is one undo or one redo.
void UndoOrRedo2048(benchmark::State& state) {
    const bool store = state.range(0) != 0;
    WorkingPicture work;
    work.image() = tessella::bench::NoiseGrid(kSide, 1);
    for (int i = 0; i < 10; ++i) {
        work.saveUndo();
        work.image().at(0, 0).g = static_cast<uint8_t>(i);
    }
    QImage display;
    work.store(display);
    bool back = true;
    for (auto _ : state) {
        if (!(back ? work.undo() : work.redo())) {
            back = !back;
            back ? work.undo() : work.redo();
        }
        if (store) work.store(display);
        benchmark::DoNotOptimize(work.image().row(0));
    }
}

void NewStep2048(benchmark::State& state) {
    WorkingPicture work;
    work.image() = tessella::bench::NoiseGrid(kSide, 2);
    for (auto _ : state) {
        work.saveUndo();
        benchmark::DoNotOptimize(work.undoSteps());
    }
}

BENCHMARK(MakeTileable2048)->Arg(32)->Arg(256)->Unit(benchmark::kMillisecond);
BENCHMARK(UndoOrRedo2048)->ArgName("store")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(NewStep2048)->Unit(benchmark::kMillisecond);

}  // namespace
