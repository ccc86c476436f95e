// Transparency in GPU files, as the figures of the notes: the share of a fence's texels with
// alpha >= 128 at mip levels 1 to 5 with --alpha-coverage 0.5 and without (decoded from BC3
// blocks), and the texels of a soft sprite's levels that drift more than 4 from its green.
// The figures are counters (percent, texels); the time is the writing of the file.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <cmath>
#include <string>

#include "imagefile/Bc4Block.h"
#include "imagefile/GpuTexture.h"
#include "pixels/PixelGrid.h"

namespace {

using namespace tessella;
using namespace tessella::imagefile;

// 1-texel bars every 5 texels both ways, opaque white on transparent black (36.5% opaque).
pixels::PixelGrid Fence(int side) {
    pixels::PixelGrid fence(side, side);
    fence.addAlpha(0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (x % 5 == 0 || y % 5 == 0) {
                fence.at(x, y) = {255, 255, 255};
                fence.alphaRow(y)[x] = 255;
            }
    return fence;
}

// A green disc with a soft edge 6 texels wide on magenta at alpha 0.
pixels::PixelGrid Sprite(int side) {
    pixels::PixelGrid sprite(side, side);
    sprite.addAlpha();
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double d = std::hypot(x + 0.5 - side / 2.0, y + 0.5 - side / 2.0);
            const double a = std::clamp((side * 0.35 - d) / 6.0, 0.0, 1.0);
            sprite.alphaRow(y)[x] = uint8_t(std::lround(a * 255));
            sprite.at(x, y) = a > 0 ? pixels::Bgr{60, 180, 40} : pixels::Bgr{255, 0, 255};
        }
    return sprite;
}

qsizetype Field(const QByteArray& file, qsizetype at) {
    quint64 value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | uchar(file.at(at + i));
    return qsizetype(value);
}

int Bc4Texel(const uchar* block, int t) {
    return imagefile::Bc4Palette(block)[(imagefile::Bc4Indices(block) >> (3 * t)) & 7];
}

// The share, in percent, of level n's texels (a KTX2 of BC3 blocks) with alpha >= 128.
double CoveredPercent(const QByteArray& file, int n, int side) {
    const qsizetype at = Field(file, 80 + 24 * n);
    const int w = std::max(1, side >> n), across = (w + 3) / 4;
    const auto* blocks = reinterpret_cast<const uchar*>(file.constData() + at);
    int covered = 0;
    for (int y = 0; y < w; ++y)
        for (int x = 0; x < w; ++x)
            covered += Bc4Texel(blocks + 16 * (y / 4 * across + x / 4), y % 4 * 4 + x % 4) >= 128;
    return 100.0 * covered / (w * w);
}

void BM_FenceCoverage(benchmark::State& state) {
    const int side = 64;
    const pixels::PixelGrid fence = Fence(side);
    GpuTextureOptions options;
    options.format = GpuBlockFormat::Bc3;
    options.maxLevel = 5;
    options.alphaCoverage = state.range(0) ? 0.5 : 0;
    QByteArray file;
    for (auto _ : state) {
        file = Ktx2FileBytes(RowsOf(fence), options);
        benchmark::DoNotOptimize(file.data());
    }
    for (int n = 0; n <= 5; ++n)
        state.counters["level" + std::to_string(n) + "%"] = CoveredPercent(file, n, side);
}
BENCHMARK(BM_FenceCoverage)->ArgName("coverage")->Arg(0)->Arg(1);

// Texels of levels 1 to 4 (plain RGBA) with alpha of 1 or more that drift more than 4 from the
// sprite's green in any channel.
void BM_SpriteEdgeDrift(benchmark::State& state) {
    const int side = 256;
    const pixels::PixelGrid sprite = Sprite(side);
    GpuTextureOptions options;
    options.format = GpuBlockFormat::Rgb;
    options.maxLevel = 4;
    QByteArray file;
    for (auto _ : state) {
        file = Ktx2FileBytes(RowsOf(sprite), options);
        benchmark::DoNotOptimize(file.data());
    }
    for (int n = 1; n <= 4; ++n) {
        const auto* texels =
            reinterpret_cast<const uchar*>(file.constData()) + Field(file, 80 + 24 * n);
        const int w = side >> n;
        int drifting = 0;
        for (int i = 0; i < w * w; ++i, texels += 4)
            drifting +=
                texels[3] >= 1 && (std::abs(texels[0] - 40) > 4 || std::abs(texels[1] - 180) > 4 ||
                                   std::abs(texels[2] - 60) > 4);
        state.counters["level" + std::to_string(n) + " drifting"] = drifting;
    }
}
BENCHMARK(BM_SpriteEdgeDrift);

}  // namespace
