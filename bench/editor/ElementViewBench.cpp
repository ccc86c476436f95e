// One repaint of the element editor's view: a 1000 x 800 viewport over a 512 x 512 element at
// zoom 10, as a scroll step repaints it. Target: under 4 ms, and memory that does not follow
// the zoom. The peer is Qt asked to draw the whole enlarged picture, clipped to the viewport.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>

#include <QImage>
#include <QPainter>
#include <QRegion>

#include "bench/editor/PatternedElement.h"
#include "ui/widgets/ImageBox.h"

namespace {

using tessella::widgets::ImageBox;

constexpr QSize kViewport(1000, 800);

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The viewport scrolled to the middle of a view side x side, where it is larger.
QPoint ScrolledTo(int side) {
    return QPoint(std::max(0, (side - kViewport.width()) / 2),
                  std::max(0, (side - kViewport.height()) / 2));
}

// The view as the editor sets it up: stretched over the element's size times the zoom.
void RepaintView(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    ImageBox view;
    view.setStretch(true);
    view.setPicture(tessella::bench::PatternedElement(512, 512));
    view.setBoxSize(512 * zoom, 512 * zoom);
    QImage window(kViewport, QImage::Format_RGB32);
    // Scrolled to the middle where the view is larger than the viewport.
    const QRect exposed(ScrolledTo(512 * zoom), kViewport);
    for (auto _ : state) {
        view.render(&window, QPoint(), QRegion(exposed));
        benchmark::DoNotOptimize(window.constBits());
    }
    state.counters["peak_MB"] = PeakResidentMegabytes();
}

// Qt's own scaling of the whole picture into the whole view, clipped to the viewport.
void QtWholePictureClipped(benchmark::State& state) {
    const int zoom = static_cast<int>(state.range(0));
    const QImage element = tessella::bench::PatternedElement(512, 512);
    QImage window(kViewport, QImage::Format_RGB32);
    const QPoint topLeft = ScrolledTo(512 * zoom);
    for (auto _ : state) {
        QPainter p(&window);
        p.translate(-topLeft);
        p.setClipRect(QRect(topLeft, kViewport));
        p.drawImage(QRect(0, 0, 512 * zoom, 512 * zoom), element);
        benchmark::DoNotOptimize(window.constBits());
    }
    state.counters["peak_MB"] = PeakResidentMegabytes();
}

BENCHMARK(RepaintView)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(QtWholePictureClipped)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
