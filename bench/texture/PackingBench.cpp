// Page packing: 4000 adds of 64 x 64 elements onto a new 512-wide page (ends 512 x 32000),
// beside the same growth done by copying a QImage at every add.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <utility>

#include "platform/Prompts.h"
#include "texture/PageContext.h"
#include "texture/PageFiles.h"
#include "texture/PagePacker.h"
#include "texture/QuietPageEvents.h"

namespace {

using namespace tessella;

// Answers the new page's save dialog; nothing else is asked while packing.
class BenchPrompts final : public platform::Prompts {
  public:
    platform::Answer message(platform::MessageKind, const QString&,
                             const platform::Buttons&) override {
        return platform::Answer::Yes;
    }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return QStringLiteral("bench.tga");
    }
    std::optional<platform::ColourValue> chooseColour(platform::ColourValue) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFolder(const QString&, const QString&) override {
        return std::nullopt;
    }
    bool printerSetup(QPrinter&) override { return false; }
};

class NoPacer final : public platform::Pacer {
  public:
    void wait(int) override {}
    void processEvents() override {}
};

constexpr int kAdds = 4000;

QImage Element(int n) {
    QImage image(64, 64, QImage::Format_BGR888);
    image.fill(QColor(n % 256, (n * 7) % 256, (n * 13) % 256));
    return image;
}

void BM_PackOntoNewPage(benchmark::State& state) {
    std::vector<QImage> elements;
    for (int n = 0; n < 16; ++n) elements.push_back(Element(n));
    double first = 0, last = 0;
    for (auto _ : state) {
        texture::TexturePage page;
        BenchPrompts prompts;
        NoPacer pacer;
        texture::QuietPageEvents events;
        const texture::PageContext context{page, prompts, pacer, events};
        texture::FixedWidth width(512);
        texture::PageFiles(context, width).newPage();
        texture::PagePacker packer(context);
        using Clock = std::chrono::steady_clock;
        auto quarterStart = Clock::now();
        for (int n = 0; n < kAdds; ++n) {
            packer.placeAtInsertionPoint(elements[static_cast<size_t>(n % 16)], false);
            if (n == 999 || n == kAdds - 1001 || n == kAdds - 1) {
                const auto now = Clock::now();
                const double ms =
                    std::chrono::duration<double, std::milli>(now - quarterStart).count();
                if (n == 999) first += ms;
                if (n == kAdds - 1) last += ms;
                quarterStart = now;
            }
        }
        if (page.pageWidth != 512 || page.pageHeight != 32000)
            state.SkipWithError("wrong page size");
        benchmark::DoNotOptimize(std::as_const(page.pageBitmap).row(0));
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["first1000_ms"] = first / runs;
    state.counters["last1000_ms"] = last / runs;
    state.counters["last_over_first"] = first > 0 ? last / first : 0;
}
BENCHMARK(BM_PackOntoNewPage)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same growth when every add copies the whole page into a taller QImage, as a page kept
// as one bitmap would; only 1000 adds, since the cost grows with the square of the count.
void BM_QImageCopyGrowth1000(benchmark::State& state) {
    const QImage element = Element(1);
    for (auto _ : state) {
        QImage page(64, 64, QImage::Format_BGR888);
        page.fill(Qt::magenta);
        int x = 0, y = 0;
        for (int n = 0; n < 1000; ++n) {
            if (x + 64 > 512) {
                x = 0;
                y += 64;
            }
            const int w = std::max(page.width(), std::min(x + 128, 512));
            const int h = std::max(page.height(), y + 64);
            QImage grown(w, h, QImage::Format_BGR888);
            grown.fill(Qt::magenta);
            QPainter painter(&grown);
            painter.drawImage(0, 0, page);
            painter.drawImage(x, y, element);
            painter.end();
            page = grown;
            x += 64;
        }
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_QImageCopyGrowth1000)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
