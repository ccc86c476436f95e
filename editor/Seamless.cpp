#include "editor/Seamless.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace tessella::editor {

using pixels::Bgr;
using pixels::PixelGrid;

namespace {

// x mod n in 0..n-1, for any x.
int Wrapped(long long x, int n) {
    const long long r = x % n;
    return static_cast<int>(r < 0 ? r + n : r);
}

// Fixed-point weights (256 = the copy alone) of the moved copy for each position along an axis
// of length n: 256 on both edges, falling linearly to 0 at distance band. All 0 when the axis
// is too short for a band clear of the copy's own seam.
std::vector<uint16_t> CopyWeights(int n, int band) {
    std::vector<uint16_t> weights(static_cast<size_t>(n), 0);
    band = std::min(band, n / 2 - 1);
    if (band < 1) return weights;
    for (int i = 0; i < n; ++i) {
        const int distance = std::min(i, n - 1 - i);
        if (distance < band)
            weights[i] = static_cast<uint16_t>((256 * (band - distance) + band / 2) / band);
    }
    return weights;
}

// out[i] = a[i] and b[i] mixed by weight[i] / 256 of b, rounded.
TESSELLA_PIXEL_LOOP void MixBytes(const uint8_t* a, const uint8_t* b, const uint16_t* weight,
                                  uint8_t* out, int count) {
    for (int i = 0; i < count; ++i)
        out[i] = static_cast<uint8_t>((a[i] * (256 - weight[i]) + b[i] * weight[i] + 128) >> 8);
}

// The same with one weight for the whole row.
TESSELLA_PIXEL_LOOP void MixBytes(const uint8_t* a, const uint8_t* b, unsigned weight, uint8_t* out,
                                  int count) {
    for (int i = 0; i < count; ++i)
        out[i] = static_cast<uint8_t>((a[i] * (256 - weight) + b[i] * weight + 128) >> 8);
}

// The picture with alpha: a[x] and b[x] mixed by weight(x) / 256 of b, each colour weighted by
// its alpha as well, so that a transparent texel lends the other none of its colour. Where
// both weights vanish, the plain mix. The alpha is mixed like an opaque channel.
template <typename WeightOf>
void MixWithAlpha(const Bgr* a, const uint8_t* alphaA, const Bgr* b, const uint8_t* alphaB,
                  WeightOf weightOf, Bgr* out, uint8_t* alphaOut, int count) {
    for (int x = 0; x < count; ++x) {
        const unsigned weight = weightOf(x);
        const unsigned wa = alphaA[x] * (256 - weight), wb = alphaB[x] * weight;
        const unsigned total = wa + wb;
        // (n + total / 2) / total rounded down through one reciprocal: the half added keeps an
        // exact quotient from falling below its integer, far above the double's error.
        const double inverse = total ? 1.0 / total : 0.0;
        const auto mix = [&](unsigned ca, unsigned cb) {
            if (total == 0)
                return static_cast<uint8_t>((ca * (256 - weight) + cb * weight + 128) >> 8);
            return static_cast<uint8_t>((ca * wa + cb * wb + total / 2 + 0.5) * inverse);
        };
        out[x] = Bgr{mix(a[x].b, b[x].b), mix(a[x].g, b[x].g), mix(a[x].r, b[x].r)};
        alphaOut[x] =
            static_cast<uint8_t>((alphaA[x] * (256 - weight) + alphaB[x] * weight + 128) >> 8);
    }
}

// Sum of |a[i] - b[i]| over count bytes.
TESSELLA_PIXEL_LOOP uint64_t AbsoluteDifferences(const uint8_t* a, const uint8_t* b, int count) {
    uint32_t sum = 0;  // at most 3 * 2^20 * 255 per row
    for (int i = 0; i < count; ++i) sum += static_cast<uint32_t>(std::abs(a[i] - b[i]));
    return sum;
}

const uint8_t* Bytes(const Bgr* p) {
    return reinterpret_cast<const uint8_t*>(p);
}

}  // namespace

void OffsetWrap(pixels::WorkingPicture& work, long long dx, long long dy) {
    const int w = work.width(), h = work.height();
    if (w <= 0 || h <= 0) return;
    const int sx = Wrapped(dx, w), sy = Wrapped(dy, h);
    const PixelGrid& in = work.image();
    PixelGrid& out = work.scratch();
    out.reshape(w, h);
    const size_t pixel = sizeof(Bgr);
    for (int y = 0; y < h; ++y) {
        const Bgr* from = in.row(Wrapped(static_cast<long long>(y) - sy, h));
        Bgr* to = out.row(y);
        std::memcpy(to + sx, from, static_cast<size_t>(w - sx) * pixel);
        std::memcpy(to, from + (w - sx), static_cast<size_t>(sx) * pixel);
    }
    if (in.hasAlpha()) {
        out.addAlpha();
        for (int y = 0; y < h; ++y) {
            const uint8_t* from = in.alphaRow(Wrapped(static_cast<long long>(y) - sy, h));
            uint8_t* to = out.alphaRow(y);
            std::memcpy(to + sx, from, static_cast<size_t>(w - sx));
            std::memcpy(to, from + (w - sx), static_cast<size_t>(sx));
        }
    }
    work.adoptScratch();
}

void MakeTileable(pixels::WorkingPicture& work, int band) {
    const int w = work.width(), h = work.height();
    if (w <= 0 || h <= 0) return;
    // Columns: each byte of a pixel takes its column's weight.
    const std::vector<uint16_t> columnWeights = CopyWeights(w, band);
    std::vector<uint16_t> byteWeights(static_cast<size_t>(w) * 3);
    for (int x = 0; x < w; ++x) std::fill_n(byteWeights.begin() + 3 * x, 3, columnWeights[x]);
    std::vector<Bgr> moved(static_cast<size_t>(w));
    PixelGrid& picture = work.image();
    PixelGrid& blended = work.scratch();
    blended.reshape(w, h);
    const int halfW = w / 2;
    const int halfH = h / 2;
    const std::vector<uint16_t> rowWeights = CopyWeights(h, band);
    if (picture.hasAlpha()) {
        blended.addAlpha();
        std::vector<uint8_t> movedAlpha(static_cast<size_t>(w));
        for (int y = 0; y < h; ++y) {
            const Bgr* row = picture.row(y);
            const uint8_t* alpha = picture.alphaRow(y);
            std::rotate_copy(row, row + halfW, row + w, moved.begin());
            std::rotate_copy(alpha, alpha + halfW, alpha + w, movedAlpha.begin());
            MixWithAlpha(
                row, alpha, moved.data(), movedAlpha.data(),
                [&](int x) { return unsigned{columnWeights[x]}; }, blended.row(y),
                blended.alphaRow(y), w);
        }
        for (int y = 0; y < h; ++y) {
            const int other = (y + halfH) % h;
            MixWithAlpha(
                blended.row(y), blended.alphaRow(y), blended.row(other), blended.alphaRow(other),
                [&](int) { return unsigned{rowWeights[y]}; }, picture.row(y), picture.alphaRow(y),
                w);
        }
        return;
    }
    for (int y = 0; y < h; ++y) {
        const Bgr* row = picture.row(y);
        // The row moved left by half: moved[x] = row[(x + W/2) mod W].
        std::memcpy(moved.data(), row + halfW, static_cast<size_t>(w - halfW) * sizeof(Bgr));
        std::memcpy(moved.data() + (w - halfW), row, static_cast<size_t>(halfW) * sizeof(Bgr));
        MixBytes(Bytes(row), Bytes(moved.data()), byteWeights.data(),
                 reinterpret_cast<uint8_t*>(blended.row(y)), 3 * w);
    }
    // Rows: the column-blended picture mixed with itself moved up by half.
    for (int y = 0; y < h; ++y)
        MixBytes(Bytes(blended.row(y)), Bytes(blended.row((y + halfH) % h)), rowWeights[y],
                 reinterpret_cast<uint8_t*>(picture.row(y)), 3 * w);
}

double SeamFigure(const PixelGrid& picture) {
    if (picture.empty()) return 1.0;
    return SeamFigure(Bytes(picture.row(0)),
                      static_cast<std::ptrdiff_t>(picture.stride()) * sizeof(Bgr), picture.width(),
                      picture.height());
}

double SeamFigure(const uint8_t* first, std::ptrdiff_t bytesPerLine, int w, int h) {
    if (w <= 0 || h <= 0) return 1.0;
    auto row = [&](int y) { return first + y * bytesPerLine; };
    auto pixelDifference = [](const uint8_t* a, const uint8_t* b) {
        return static_cast<uint64_t>(std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) +
                                     std::abs(a[2] - b[2]));
    };
    uint64_t seamSum = 0, seamCount = 0, insideSum = 0, insideCount = 0;
    if (w >= 2) {
        for (int y = 0; y < h; ++y) {
            seamSum += pixelDifference(row(y) + 3 * (w - 1), row(y));
            insideSum += AbsoluteDifferences(row(y), row(y) + 3, 3 * (w - 1));
        }
        seamCount += 3 * static_cast<uint64_t>(h);
        insideCount += 3 * static_cast<uint64_t>(w - 1) * h;
    }
    if (h >= 2) {
        seamSum += AbsoluteDifferences(row(h - 1), row(0), 3 * w);
        for (int y = 0; y + 1 < h; ++y) insideSum += AbsoluteDifferences(row(y), row(y + 1), 3 * w);
        seamCount += 3 * static_cast<uint64_t>(w);
        insideCount += 3 * static_cast<uint64_t>(w) * (h - 1);
    }
    // Every pixel is joined to every other by inside pairs along the axes that have them: a
    // flat inside is a flat picture, whose seams are flat too.
    if (seamCount == 0 || insideSum == 0) return 1.0;
    const double seamMean = static_cast<double>(seamSum) / static_cast<double>(seamCount);
    const double insideMean = static_cast<double>(insideSum) / static_cast<double>(insideCount);
    return seamMean / insideMean;
}

QString SeamFigureText(double figure) {
    return QString::number(figure, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace tessella::editor
