// Our TGA and BMP codecs on a 512 x 16384 24-bit page, against Qt's readers, ImageMagick on
// the same bytes, and a plain memcpy of the same bytes. ImageMagick's policy refuses sides
// above 16000 pixels: its runs use a 512 x 16000 page, so compare bytes per second.

#include <benchmark/benchmark.h>

#include <Magick++.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstring>

#include "imagefile/BmpReader.h"
#include "imagefile/BmpWriter.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/MagickBridge.h"
#include "imagefile/TgaReader.h"
#include "imagefile/TgaWriter.h"
#include "platform/SafeFile.h"

namespace {

using namespace tessella::imagefile;

constexpr int kPageHeight = 16384;
constexpr int kMagickHeight = 16000;

QImage MakePage(int height) {
    QImage image(512, height, QImage::Format_BGR888);
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int i = 0; i < image.width() * 3; ++i) row[i] = static_cast<uchar>(i * 7 + y);
    }
    return image;
}

const QImage& Page(int height = kPageHeight) {
    static const QImage page = MakePage(kPageHeight);
    static const QImage magickPage = MakePage(kMagickHeight);
    return height == kPageHeight ? page : magickPage;
}
const QByteArray& PageTga(int height = kPageHeight) {
    static const QByteArray bytes = WriteTga(Page());
    static const QByteArray magickBytes = WriteTga(Page(kMagickHeight));
    return height == kPageHeight ? bytes : magickBytes;
}
const QByteArray& PageBmp(int height = kPageHeight) {
    static const QByteArray bytes = WriteBmp24(Page());
    static const QByteArray magickBytes = WriteBmp24(Page(kMagickHeight));
    return height == kPageHeight ? bytes : magickBytes;
}

bool QtReads(const char* format) {
    return QImageReader::supportedImageFormats().contains(QByteArray(format).toLower());
}

void Bytes(benchmark::State& state, const QByteArray& bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes.size());
}

void BM_Memcpy(benchmark::State& state) {
    const QByteArray& source = PageTga();
    std::vector<char> target(static_cast<size_t>(source.size()));
    for (auto _ : state) {
        std::memcpy(target.data(), source.constData(), target.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    Bytes(state, source);
}

void BM_ReadTga_Ours(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ReadTga(PageTga()));
    Bytes(state, PageTga());
}

void BM_ReadTga_Qt(benchmark::State& state) {
    if (!QtReads("TGA")) {
        state.SkipWithError("Qt has no TGA reader here (qt6-image-formats-plugins)");
        return;
    }
    // Qt reads only TGA 2.0 files: the page's bytes plus the 26-byte footer.
    const QByteArray bytes = PageTga() + QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.", 18);
    if (QImage::fromData(bytes, "TGA").isNull()) {
        state.SkipWithError("Qt's TGA reader refuses the page");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(QImage::fromData(bytes, "TGA"));
    Bytes(state, bytes);
}

void BM_ReadTga_Magick(benchmark::State& state) {
    const QByteArray& bytes = PageTga(kMagickHeight);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeWithMagick(bytes, QStringLiteral("TGA"), {}));
    Bytes(state, bytes);
}

void BM_WriteTga_Ours(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(WriteTga(Page()));
    Bytes(state, PageTga());
}

void BM_WriteTga_Magick(benchmark::State& state) {
    const QImage& page = Page(kMagickHeight);
    for (auto _ : state) {
        Magick::Image image;
        image.read(page.width(), page.height(), "BGR", Magick::CharPixel, page.constBits());
        Magick::Blob blob;
        image.write(&blob, "TGA");
        benchmark::DoNotOptimize(blob.data());
    }
    Bytes(state, PageTga(kMagickHeight));
}

void BM_ReadBmp_Ours(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ReadBmp(PageBmp()));
    Bytes(state, PageBmp());
}

void BM_ReadBmp_Qt(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(QImage::fromData(PageBmp(), "BMP"));
    Bytes(state, PageBmp());
}

void BM_ReadBmp_Magick(benchmark::State& state) {
    const QByteArray& bytes = PageBmp(kMagickHeight);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeWithMagick(bytes, QStringLiteral("BMP"), {}));
    Bytes(state, bytes);
}

// From the file on disk (in the page cache) to pixels in fresh memory, every side alike: the
// working array read straight from the file, and Qt's reader of the file.
const QString& PageBmpFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("page.bmp"));
        tessella::platform::WriteFileAtomically(file, PageBmp());
        return file;
    }();
    return path;
}

void BM_LoadBmpFile_OursIntoGrid(benchmark::State& state) {
    for (auto _ : state) {
        tessella::pixels::PixelGrid grid;
        int x = 0, y = 0;
        if (!LoadIntoGrid(PageBmpFile(), grid, x, y)) state.SkipWithError("not read");
        benchmark::DoNotOptimize(grid.row(0));
    }
    Bytes(state, PageBmp());
}

void BM_LoadBmpFile_Qt(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(QImage(PageBmpFile(), "BMP"));
    Bytes(state, PageBmp());
}

}  // namespace

BENCHMARK(BM_LoadBmpFile_OursIntoGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBmpFile_Qt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTga_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTga_Qt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTga_Magick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTga_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTga_Magick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBmp_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBmp_Qt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBmp_Magick)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Qt's image plugins need an application object.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Magick::InitializeMagick(nullptr);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
