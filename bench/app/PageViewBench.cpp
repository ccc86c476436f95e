// One repaint of the page view: a viewport's worth of a big page at a zoom, as a scroll or a
// zoom step repaints it. The figures must stay under a frame at 120 Hz (8 ms), and the
// memory must not follow the zoom.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QImage>
#include <QRegion>

#include "ui/texture/PageView.h"

namespace {

using tessella::texture::PageView;

// A page with something on every row, so that no row is a copy of its neighbour.
QImage Page(int width, int height) {
    QImage page(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y) {
        uchar* line = page.scanLine(y);
        for (int x = 0; x < 3 * width; ++x) line[x] = static_cast<uchar>(x * 7 + y * 13);
    }
    return page;
}

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Repaints the viewport at (left, top) of the zoomed view into a window-sized target.
void Repaint(benchmark::State& state, QSize pageSize, double zoom, QPoint viewportTopLeft) {
    PageView view;
    view.setPicture(Page(pageSize.width(), pageSize.height()));
    view.applyZoom(zoom);
    view.setMask(64, 64, 64, 64);
    view.setMaskVisible(true);
    const QRect viewport(viewportTopLeft, QSize(1280, 900));
    QImage target(viewport.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.render(&target, QPoint(), QRegion(viewport));
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["peak_rss_MB"] = PeakResidentMegabytes();
}

void BM_Page2048AtZoom(benchmark::State& state) {
    const double zoom = static_cast<double>(state.range(0)) / 10.0;
    Repaint(state, QSize(2048, 2048), zoom, QPoint(1000, 1000));
}
// 2.2 is the case to meet; 1.0 and 5.0 show whether time and memory follow the zoom.
BENCHMARK(BM_Page2048AtZoom)->Arg(22)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_TallPageScrolledToItsMiddle(benchmark::State& state) {
    Repaint(state, QSize(512, 32768), 1.0, QPoint(0, 32768 / 2 - 450));
}
BENCHMARK(BM_TallPageScrolledToItsMiddle)->Unit(benchmark::kMillisecond);

}  // namespace
