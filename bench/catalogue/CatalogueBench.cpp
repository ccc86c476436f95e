// The catalogue of base textures on a folder of 60 textures (128 x 128 BMP files, or with the
// second argument 1, 1024 x 1024 JPEG photographs, slower to decode): opening
// the window until it is shown and painted (target: 100 ms), a page turn until the new page is
// painted (target: 30 ms). The Filled rows go on until every thumbnail of the page is in its
// box (the pictures arrive from a worker thread).

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

#include "bench/QuietPrompts.h"
#include "platform/ProgramFolder.h"
#include "ui/catalogue/CatalogueWindow.h"

namespace {

using tessella::catalogue::CatalogueWindow;

constexpr int kTextures = 60;

// The program's folder with Clips_Textures holding kTextures different textures.
class TextureFolder {
  public:
    TextureFolder(int side, const char* format) {
        const QString textures = folder_.filePath(QStringLiteral("Clips_Textures"));
        QDir().mkpath(textures);
        const QString name = QStringLiteral("t%1.") + QString::fromLatin1(format).toLower();
        for (int i = 0; i < kTextures; ++i) {
            QImage texture(side, side, QImage::Format_RGB888);
            for (int y = 0; y < side; ++y) {
                uchar* line = texture.scanLine(y);
                for (int x = 0; x < 3 * side; ++x) line[x] = static_cast<uchar>(x * 7 + y * i);
            }
            texture.save(QDir(textures).filePath(name.arg(i, 2, 10, QChar('0'))), format);
        }
    }
    QString path() const { return folder_.path(); }

  private:
    QTemporaryDir folder_;
};

// 0: small bitmaps; 1: photographs.
const TextureFolder& Folder(int64_t kind) {
    static const TextureFolder bitmaps(128, "BMP");
    static const TextureFolder photographs(1024, "JPEG");
    return kind == 0 ? bitmaps : photographs;
}

// Shows the window as the editor's "Catalogue" button does, without the modal loop.
void Open(CatalogueWindow& window) {
    window.begin();
    window.show();
    QCoreApplication::processEvents();
    window.repaint();
}

void Close(CatalogueWindow& window) {
    window.finishReading();
    window.hide();
    QCoreApplication::processEvents();
}

// The first showing of a window made for it; filled: until the first page is whole.
void OpenFirstTime(benchmark::State& state) {
    const bool filled = state.range(0) != 0;
    tessella::bench::QuietPrompts prompts;
    const tessella::platform::ProgramFolder program(Folder(state.range(1)).path());
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<CatalogueWindow>(prompts, program);
        state.ResumeTiming();
        Open(*window);
        if (filled) {
            window->finishReading();
            window->repaint();
        }
        state.PauseTiming();
        Close(*window);
        window.reset();
        state.ResumeTiming();
    }
}

// Showing again the window the program made once.
void OpenAgain(benchmark::State& state) {
    tessella::bench::QuietPrompts prompts;
    const tessella::platform::ProgramFolder program(Folder(state.range(1)).path());
    CatalogueWindow window(prompts, program);
    Open(window);
    Close(window);
    for (auto _ : state) {
        Open(window);
        state.PauseTiming();
        Close(window);
        state.ResumeTiming();
    }
}

// Forward through the ten pages, then back to the first; filled: until the page is whole.
void TurnPage(benchmark::State& state) {
    const bool filled = state.range(0) != 0;
    tessella::bench::QuietPrompts prompts;
    const tessella::platform::ProgramFolder program(Folder(state.range(1)).path());
    CatalogueWindow window(prompts, program);
    Open(window);
    for (auto _ : state) {
        if (window.nextPageButton->isEnabled())
            window.showNextPage();
        else
            window.showFirstPage();
        QCoreApplication::processEvents();
        if (filled) window.finishReading();
        window.repaint();
    }
    Close(window);
}

// {filled, folder kind}.
BENCHMARK(OpenFirstTime)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(OpenAgain)->Args({0, 0})->Args({0, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(TurnPage)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
