#include "editor/Seamless.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

#include "editor/RowBands.h"

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

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TESSELLA_SPREAD_SHUFFLE 1

bool HasShuffle() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

// SpreadAlpha sixteen texels a step (one load, three shuffles); answers the texels done.
__attribute__((target("ssse3"))) int SpreadSixteens(const uint8_t* alpha, uint8_t* out,
                                                    int texels) {
    const __m128i first = _mm_setr_epi8(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5);
    const __m128i second = _mm_setr_epi8(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10);
    const __m128i third =
        _mm_setr_epi8(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15);
    int x = 0;
    for (; x + 16 <= texels; x += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha + x));
        auto* to = reinterpret_cast<__m128i*>(out + 3 * x);
        _mm_storeu_si128(to, _mm_shuffle_epi8(v, first));
        _mm_storeu_si128(to + 1, _mm_shuffle_epi8(v, second));
        _mm_storeu_si128(to + 2, _mm_shuffle_epi8(v, third));
    }
    return x;
}
#endif

// n / d rounded to nearest (ties up: (n + d div 2) div d), for n + d div 2 < 2^24 and
// 0 < d < 2^16. The float quotient of those exact integers is within one of the answer; the
// two integer tests (all below 2^24) put it right. Signed, branch-free steps: they run on
// vectors.
[[gnu::always_inline]] inline int RoundedQuotient(int n, int d) {
    const int top = n + d / 2;
    int q = static_cast<int>(static_cast<float>(top) / static_cast<float>(d));
    q -= q * d > top;
    q += (q + 1) * d <= top;
    return q;
}

// Each of texels alpha bytes three times, for the three colour bytes of its texel.
void SpreadAlpha(const uint8_t* alpha, uint8_t* out, int texels) {
    int x = 0;
#ifdef TESSELLA_SPREAD_SHUFFLE
    if (HasShuffle()) x = SpreadSixteens(alpha, out, texels);
#endif
    for (; x < texels; ++x) out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = alpha[x];
}

// The picture with alpha: the colours of texels a[x] and b[x] mixed by weight / 256 of b, each
// colour weighted by its alpha as well, so that a transparent texel lends the other none of
// its colour: (ca wa + cb wb) / (wa + wb) rounded, wa = alpha a x (256 - weight), wb = alpha b
// x weight (the sums stay below 2^24). Where both vanish, the plain mix. The alpha is mixed
// like an opaque channel. The alphas are spread to the colour bytes first, so that the mix
// runs on vectors byte by byte.
class AlphaMixer {
  public:
    explicit AlphaMixer(int texels)
        : alphaA_(3 * static_cast<size_t>(texels)), alphaB_(alphaA_.size()) {}

    // byteWeights holds each byte's weight and texelWeights each texel's; with perTexel false,
    // both hold one weight for the whole row.
    void mix(const uint8_t* a, const uint8_t* alphaA, const uint8_t* b, const uint8_t* alphaB,
             const uint16_t* byteWeights, const uint16_t* texelWeights, bool perTexel, uint8_t* out,
             uint8_t* alphaOut, int texels) {
        if (perTexel)
            MixAlpha<true>(alphaA, alphaB, texelWeights, alphaOut, texels);
        else
            MixAlpha<false>(alphaA, alphaB, texelWeights, alphaOut, texels);
        // Where the two alphas are equal (inside a sprite, in its background) the weighted mix
        // is the plain one: wa + wb = alpha x 256, so (ca wa + cb wb + alpha x 128) div (alpha x
        // 256) is (ca (256 - weight) + cb weight + 128) div 256; alpha 0 takes the plain mix by
        // the rule. Runs of such texels take the opaque mix, which needs no division.
        // So is it where the weight is 0 or 256 (the texel or its copy alone, as outside the
        // band): wb or wa is then 0 and the quotient the colour kept. Neighbouring runs of one
        // kind go to one call.
        const auto equal = [&](int x) {
            const int n = std::min(kRun, texels - x);
            bool whole = true;
            for (int i = 0; i < (perTexel ? n : 1); ++i)
                whole &= texelWeights[perTexel ? x + i : 0] % 256 == 0;
            return whole || std::memcmp(alphaA + x, alphaB + x, static_cast<size_t>(n)) == 0;
        };
        for (int x = 0; x < texels;) {
            const bool plain = equal(x);
            int end = x + kRun;
            while (end < texels && equal(end) == plain) end += kRun;
            const int n = std::min(end, texels) - x;
            const size_t at = 3 * static_cast<size_t>(x);
            const uint16_t* weight = perTexel ? byteWeights + at : byteWeights;
            if (plain) {
                if (perTexel)
                    MixBytes(a + at, b + at, weight, out + at, 3 * n);
                else
                    MixBytes(a + at, b + at, unsigned{weight[0]}, out + at, 3 * n);
            } else {
                SpreadAlpha(alphaA + x, alphaA_.data(), n);
                SpreadAlpha(alphaB + x, alphaB_.data(), n);
                if (perTexel)
                    MixColours<true>(a + at, b + at, alphaA_.data(), alphaB_.data(), weight,
                                     out + at, 3 * n);
                else
                    MixColours<false>(a + at, b + at, alphaA_.data(), alphaB_.data(), weight,
                                      out + at, 3 * n);
            }
            x += n;
        }
    }

  private:
    static constexpr int kRun = 32;

    template <bool kPerByte>
    TESSELLA_PIXEL_LOOP static void MixColours(const uint8_t* a, const uint8_t* b,
                                               const uint8_t* alphaA, const uint8_t* alphaB,
                                               const uint16_t* weight, uint8_t* out, int count) {
        for (int i = 0; i < count; ++i) {
            const int w = weight[kPerByte ? i : 0];
            const int wa = alphaA[i] * (256 - w), wb = alphaB[i] * w;
            const int total = wa + wb;
            const int none = total == 0;        // 1 where both weights vanish
            const int keepWeighted = none - 1;  // all ones, or 0
            const int weighted = RoundedQuotient(a[i] * wa + b[i] * wb, total + none);
            const int plain = (a[i] * (256 - w) + b[i] * w + 128) >> 8;
            out[i] = static_cast<uint8_t>((weighted & keepWeighted) | (plain & ~keepWeighted));
        }
    }

    template <bool kPerTexel>
    TESSELLA_PIXEL_LOOP static void MixAlpha(const uint8_t* alphaA, const uint8_t* alphaB,
                                             const uint16_t* weight, uint8_t* out, int texels) {
        for (int x = 0; x < texels; ++x) {
            const int w = weight[kPerTexel ? x : 0];
            out[x] = static_cast<uint8_t>((alphaA[x] * (256 - w) + alphaB[x] * w + 128) >> 8);
        }
    }

    std::vector<uint8_t> alphaA_, alphaB_;
};

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
        // Each pass writes each row from rows the other pass wrote: bands side by side.
        const std::vector<int> cuts = BandCuts(h, static_cast<size_t>(w) * static_cast<size_t>(h));
        const int bands = static_cast<int>(cuts.size()) - 1;
        RunBands(bands, [&](int b) {
            std::vector<Bgr> movedRow(static_cast<size_t>(w));
            std::vector<uint8_t> movedAlpha(static_cast<size_t>(w));
            AlphaMixer mixer(w);
            for (int y = cuts[b]; y < cuts[b + 1]; ++y) {
                const Bgr* row = picture.row(y);
                const uint8_t* alpha = picture.alphaRow(y);
                std::rotate_copy(row, row + halfW, row + w, movedRow.begin());
                std::rotate_copy(alpha, alpha + halfW, alpha + w, movedAlpha.begin());
                mixer.mix(Bytes(row), alpha, Bytes(movedRow.data()), movedAlpha.data(),
                          byteWeights.data(), columnWeights.data(), true,
                          reinterpret_cast<uint8_t*>(blended.row(y)), blended.alphaRow(y), w);
            }
        });
        RunBands(bands, [&](int b) {
            AlphaMixer mixer(w);
            for (int y = cuts[b]; y < cuts[b + 1]; ++y) {
                const int other = (y + halfH) % h;
                mixer.mix(Bytes(blended.row(y)), blended.alphaRow(y), Bytes(blended.row(other)),
                          blended.alphaRow(other), &rowWeights[y], &rowWeights[y], false,
                          reinterpret_cast<uint8_t*>(picture.row(y)), picture.alphaRow(y), w);
            }
        });
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
