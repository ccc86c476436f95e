// Page packing: 4000 adds of 64 x 64 elements onto a new 512-wide page (ends 512 x 32000),
// beside QPainter compositing the same elements; opening a page beside reading its bytes; the
// engine export and "Compacter la texture" of 4096 and 8192 frames of mixed sizes; and the
// occupancy of the rectangle packer beside free-tex-packer's MaxRects on the same sets
// (bench/texture/occupancy.sh). Every side gets fresh memory at every iteration.

#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <utility>

#include "../Fairness.h"
#include "imagefile/TgaWriter.h"
#include "platform/Prompts.h"
#include "platform/SafeFile.h"
#include "texture/EngineAtlas.h"
#include "texture/PageContext.h"
#include "texture/PageFiles.h"
#include "texture/PagePacker.h"
#include "texture/QuietPageEvents.h"
#include "texture/RectPacker.h"

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

// A 512-wide page holding count frames of mixed sizes (sides multiples of 8 from 8 to 64, each
// frame a flat colour with a lighter diagonal), written with its atlas data.
QString MixedPage(int count) {
    static QTemporaryDir dir;
    static std::map<int, QString> made;
    if (const auto it = made.find(count); it != made.end()) return it->second;
    std::mt19937 random(static_cast<unsigned>(count));
    std::vector<QSize> sizes;
    for (int i = 0; i < count; ++i)
        sizes.emplace_back(8 * (1 + static_cast<int>(random() % 8)),
                           8 * (1 + static_cast<int>(random() % 8)));
    // Loosely placed on shelves, as "Ajouter" would in free size: left to right, a new row
    // under the tallest when the next would pass the page's right edge.
    std::vector<QRect> places;
    int x = 0, y = 0, rowHeight = 0;
    for (const QSize size : sizes) {
        if (x + size.width() > 512) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        places.emplace_back(QPoint(x, y), size);
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
    std::vector<texture::AtlasFrame> frames;
    QImage page(512, y + rowHeight, QImage::Format_BGR888);
    page.fill(Qt::magenta);
    QPainter painter(&page);
    for (int i = 0; i < count; ++i) {
        const QRect r = places[static_cast<size_t>(i)];
        frames.push_back({r, QStringLiteral("f%1.bmp").arg(i, 5, 10, QLatin1Char('0'))});
        painter.fillRect(r, QColor::fromHsv(i % 360, 160, 200));
        painter.setPen(Qt::white);
        painter.drawLine(r.topLeft(), r.bottomRight());
    }
    painter.end();
    const QString file = dir.filePath(QStringLiteral("mixed%1.tga").arg(count));
    platform::WriteFileAtomically(file, imagefile::WritePageTga(page));
    platform::WriteFileAtomically(texture::AtlasPathFor(file),
                                  texture::AtlasJson(frames, QStringLiteral("page"), page.size()));
    return made[count] = file;
}

// Times work on the mixed page of state.range(0) frames, opened afresh (and timed) each time.
template <class Work>
void TimeOnMixedPage(benchmark::State& state, Work work) {
    const QString pagePath = MixedPage(static_cast<int>(state.range(0)));
    std::unique_ptr<BenchPage> bench;
    tessella::bench::TimeEach(
        state,
        [&] {
            bench = std::make_unique<BenchPage>();
            bench->prompts.openName = pagePath;
        },
        [&] {
            if (!bench->files().openPage()) state.SkipWithError("not opened");
            work(*bench, pagePath);
        });
}

// tessella-cli export: the page opened with its list, packed, composed and written as PNG with
// its atlas data.
void BM_ExportMixedFrames(benchmark::State& state) {
    QTemporaryDir out;
    TimeOnMixedPage(state, [&](BenchPage& bench, const QString& pagePath) {
        const texture::EngineLayout layout = texture::WriteEngineAtlas(
            bench.page.pageBitmap, bench.page.frames, {}, out.filePath("atlas.png"), pagePath);
        state.counters["atlases"] = static_cast<double>(layout.sheets.size());
    });
}
BENCHMARK(BM_ExportMixedFrames)
    ->Arg(4096)
    ->Arg(8192)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

// tessella-cli pack --tight: the page opened with its list, compacted, saved with its list.
void BM_CompactMixedFrames(benchmark::State& state) {
    QTemporaryDir out;
    TimeOnMixedPage(state, [&](BenchPage& bench, const QString&) {
        if (!bench.files().compactPage()) state.SkipWithError("not compacted");
        bench.files().savePageFile(out.filePath("tight.tga"));
        state.counters["page_height"] = bench.page.pageHeight;
    });
}
BENCHMARK(BM_CompactMixedFrames)
    ->Arg(4096)
    ->Arg(8192)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

// The sets of free-tex-packer-sets.js, with its results, packed again here as the export packs
// them (padding 0, ring 0): the occupancy of both, by kind of set, least and mean.
void BM_OccupancyBesideFreeTexPacker(benchmark::State& state) {
    QFile file(qEnvironmentVariable("TESSELLA_OCCUPANCY_SETS"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("TESSELLA_OCCUPANCY_SETS: run bench/texture/occupancy.sh");
        return;
    }
    const QJsonArray sets = QJsonDocument::fromJson(file.readAll())["sets"].toArray();
    struct Figures {
        double oursLeast = 1, theirsLeast = 1, oursSum = 0, theirsSum = 0;
        int count = 0;
    };
    std::map<QString, Figures> byKind;
    for (auto _ : state) {
        byKind.clear();
        for (const QJsonValue set : sets) {
            std::vector<texture::AtlasFrame> frames;
            double area = 0;
            for (const QJsonValue size : set["sizes"].toArray()) {
                const int w = size[0].toInt(), h = size[1].toInt();
                frames.push_back({QRect(0, 0, w, h), QString::number(frames.size())});
                area += double(w) * h;
            }
            const texture::EngineLayout layout =
                texture::LayOutEngineAtlas(frames, {.padding = 0, .extrude = 0});
            const QSize bin = layout.sheets.at(0).size;
            const double ours = area / (double(bin.width()) * bin.height());
            const double theirs = set["freeTexPacker"]["occupancy"].toDouble();
            Figures& f = byKind[set["kind"].toString()];
            f.oursLeast = std::min(f.oursLeast, ours);
            f.theirsLeast = std::min(f.theirsLeast, theirs);
            f.oursSum += ours;
            f.theirsSum += theirs;
            ++f.count;
        }
    }
    int k = 0;
    for (const auto& [kind, f] : byKind) {
        const std::string name = "set" + std::to_string(k++) + "_";
        state.counters[name + "ours_mean_pct"] = 100 * f.oursSum / f.count;
        state.counters[name + "theirs_mean_pct"] = 100 * f.theirsSum / f.count;
        state.counters[name + "ours_least_pct"] = 100 * f.oursLeast;
        state.counters[name + "theirs_least_pct"] = 100 * f.theirsLeast;
        std::fprintf(stderr, "%s: %s\n", name.c_str(), kind.toUtf8().constData());
    }
}
BENCHMARK(BM_OccupancyBesideFreeTexPacker)->Unit(benchmark::kMillisecond)->Iterations(1);

// The sprites of free-tex-packer-trim-sets.js (opaque rectangles in transparent margins, with
// free-tex-packer's results), trimmed and packed as the export does with --padding 0
// --extrude 0: occupancy is the trimmed frames' area over the atlas's, ours beside theirs,
// and ours without trimming (the whole sprites packed).
void BM_TrimmedOccupancyBesideFreeTexPacker(benchmark::State& state) {
    QFile file(qEnvironmentVariable("TESSELLA_TRIM_SETS"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("TESSELLA_TRIM_SETS: run bench/texture/occupancy.sh");
        return;
    }
    const QJsonArray sets = QJsonDocument::fromJson(file.readAll())["sets"].toArray();
    double trimmedSum = 0, wholeSum = 0, theirsSum = 0, trimmedLeast = 1, theirsLeast = 1;
    for (auto _ : state) {
        trimmedSum = wholeSum = theirsSum = 0;
        for (const QJsonValue set : sets) {
            const QJsonArray sprites = set["sprites"].toArray();
            int width = 0, height = 0;
            for (const QJsonValue s : sprites) {
                width += s["w"].toInt();
                height = std::max(height, s["h"].toInt());
            }
            QImage picture(width, height, QImage::Format_ARGB32);
            picture.fill(qRgba(0, 0, 0, 0));
            std::vector<texture::AtlasFrame> frames;
            double kept = 0;
            int x = 0;
            for (const QJsonValue s : sprites) {
                const QJsonObject inner = s["inner"].toObject();
                const QRect r(x + inner["x"].toInt(), inner["y"].toInt(), inner["w"].toInt(),
                              inner["h"].toInt());
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int px = r.left(); px <= r.right(); ++px)
                        picture.setPixel(px, y, qRgba(40, 200, 60, 255));
                frames.push_back({QRect(x, 0, s["w"].toInt(), s["h"].toInt()),
                                  QStringLiteral("%1").arg(frames.size(), 2, 10, QChar('0'))});
                kept += double(r.width()) * r.height();
                x += s["w"].toInt();
            }
            const texture::PageBitmap page = texture::PageBitmap::fromPicture(picture);
            const auto occupancy = [&](bool trim) {
                const QSize bin = texture::LayOutEngineAtlas(
                                      page, frames, {.padding = 0, .extrude = 0, .trim = trim})
                                      .sheets.at(0)
                                      .size;
                return kept / (double(bin.width()) * bin.height());
            };
            const double trimmed = occupancy(true), whole = occupancy(false);
            const double theirs = set["freeTexPacker"]["occupancy"].toDouble();
            trimmedSum += trimmed;
            wholeSum += whole;
            theirsSum += theirs;
            trimmedLeast = std::min(trimmedLeast, trimmed);
            theirsLeast = std::min(theirsLeast, theirs);
        }
    }
    const double n = std::max<qsizetype>(1, sets.size());
    state.counters["ours_trimmed_mean_pct"] = 100 * trimmedSum / n;
    state.counters["ours_untrimmed_mean_pct"] = 100 * wholeSum / n;
    state.counters["theirs_trimmed_mean_pct"] = 100 * theirsSum / n;
    state.counters["ours_trimmed_least_pct"] = 100 * trimmedLeast;
    state.counters["theirs_trimmed_least_pct"] = 100 * theirsLeast;
}
BENCHMARK(BM_TrimmedOccupancyBesideFreeTexPacker)->Unit(benchmark::kMillisecond)->Iterations(1);
