// Page packing: 4000 adds of 64 x 64 elements onto a new 512-wide page (ends 512 x 32000),
// beside QPainter compositing the same elements; and opening a page beside reading its bytes.
// Every side gets fresh memory at every iteration.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <memory>
#include <utility>

#include "../Fairness.h"
#include "imagefile/TgaWriter.h"
#include "platform/Prompts.h"
#include "platform/SafeFile.h"
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
        return openName;
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
    std::optional<QString> openName;
};

class NoPacer final : public platform::Pacer {
  public:
    void wait(int) override {}
    void processEvents() override {}
};

// A page and the services its commands need, answering as the benchmarks ask.
struct BenchPage {
    texture::TexturePage page;
    BenchPrompts prompts;
    NoPacer pacer;
    texture::QuietPageEvents events;
    texture::FixedWidth width{512};

    texture::PageContext context() { return {page, prompts, pacer, events}; }
    texture::PageFiles files() { return texture::PageFiles(context(), width); }
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
        BenchPage bench;
        texture::TexturePage& page = bench.page;
        bench.files().newPage();
        texture::PagePacker packer(bench.context());
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
        state.PauseTiming();
        page = {};
        tessella::bench::ReturnFreedMemory();
        state.ResumeTiming();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["first1000_ms"] = first / runs;
    state.counters["last1000_ms"] = last / runs;
    state.counters["last_over_first"] = first > 0 ? last / first : 0;
}
BENCHMARK(BM_PackOntoNewPage)->Unit(benchmark::kMillisecond)->Iterations(5);

// The peer: QPainter compositing the same 4000 elements, in the same order and places, onto a
// 512 x 32000 page allocated fresh every run as ours is; it knows the final size beforehand,
// which our page, growing as elements come, does not.
void BM_QPainterCompositing(benchmark::State& state) {
    std::vector<QImage> elements;
    for (int n = 0; n < 16; ++n) elements.push_back(Element(n));
    for (auto _ : state) {
        QImage page(512, 32000, QImage::Format_BGR888);
        page.fill(Qt::black);
        QPainter painter(&page);
        for (int n = 0; n < kAdds; ++n)
            painter.drawImage((n % 8) * 64, (n / 8) * 64, elements[static_cast<size_t>(n % 16)]);
        painter.end();
        benchmark::DoNotOptimize(page.constBits());
        state.PauseTiming();
        page = QImage();
        tessella::bench::ReturnFreedMemory();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QPainterCompositing)->Unit(benchmark::kMillisecond)->Iterations(5);

// Opening a 512 x 16384 page, against reading the file's bytes alone.
const QString& PageFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("page.tga"));
        QImage page(512, 16384, QImage::Format_BGR888);
        for (int y = 0; y < page.height(); ++y) std::memset(page.scanLine(y), y & 0xFF, 512 * 3);
        platform::WriteFileAtomically(file, imagefile::WritePageTga(page));
        return file;
    }();
    return path;
}

void BM_OpenPage(benchmark::State& state) {
    std::unique_ptr<BenchPage> bench;
    tessella::bench::TimeEach(
        state,
        [&] {
            bench = std::make_unique<BenchPage>();
            bench->prompts.openName = PageFile();
        },
        [&] {
            if (!bench->files().openPage()) state.SkipWithError("not opened");
        });
}
BENCHMARK(BM_OpenPage)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ReadPageBytes(benchmark::State& state) {
    QByteArray bytes;
    tessella::bench::TimeEach(
        state, [&] { bytes = QByteArray(); }, [&] { bytes = platform::ReadWholeFile(PageFile()); });
}
BENCHMARK(BM_ReadPageBytes)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    tessella::bench::UseFreshMemory();
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
