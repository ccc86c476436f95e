#include "editor/Filters.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "editor/PixelShuffle.h"
#include "editor/RowBands.h"

namespace tessella::editor {

using pixels::Bgr;
using pixels::PixelGrid;

namespace {

template <typename PixelFn>
TESSELLA_PIXEL_LOOP void ForEachInRow(Bgr* p, int w, PixelFn fn) {
    for (int x = 0; x < w; ++x) fn(p[x]);
}

template <typename PixelFn>
void ForEachPixel(PixelGrid& image, PixelFn fn) {
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) ForEachInRow(image.row(y), w, fn);
}

void Negative(PixelGrid& image) {
    // Byte by byte, so the loop runs on whole vectors.
    const int bytes = image.width() * 3, h = image.height();
    for (int y = 0; y < h; ++y) {
        auto* p = reinterpret_cast<uint8_t*>(image.row(y));
        for (int i = 0; i < bytes; ++i) p[i] = static_cast<uint8_t>(255 - p[i]);
    }
}

// The byte order that exchanges the two channels of the pair (bytes are blue, green, red).
PixelOrder Exchanging(ChannelPair pair) {
    switch (pair) {
        case ChannelPair::RedBlue:
            return {2, 1, 0};
        case ChannelPair::GreenBlue:
            return {1, 0, 2};
        case ChannelPair::RedGreen:
            return {0, 2, 1};
    }
    return {0, 1, 2};  // not a pair: nothing moves
}

uint8_t* FirstByte(PixelGrid& image) {
    return reinterpret_cast<uint8_t*>(image.row(0));
}

// The brightness of a pixel is L = (B + G + R + 3) / 3 and its neighbourhood's
// A = (sum of the nine L + 9) / 9 = (S9 + 54) / 27, S9 being the sum of the nine channel sums.
// Sharpen scales each channel by Lc / A = 9 (s + 3) / (S9 + 54), soften by the inverse: both
// are a ratio num / den of small integers, rounded to nearest with ties to even.
struct Ratio {
    int num;
    int den;
};

// c x r.num / r.den rounded to nearest, ties to even, at most 255. factor is r.num / r.den in
// floating point: the error of c x factor (under 1e-11 here) is far below the distance 1 / (2
// r.den) between a half and any other fraction of denominator r.den, so only exact halves need the
// integer test, which picks the even neighbour. No branch depends on the pixels.
// Inlined, so that the row loop that calls it runs on vectors.
[[gnu::always_inline]] inline uint8_t ScaleChannel(int c, Ratio r, double factor) {
    int q = static_cast<int>(c * factor + 0.5);
    const int twice = 2 * (c * r.num - q * r.den);  // 2 x (exact - q) x den
    const int odd = q & 1;
    q += ((twice == r.den) & odd) - ((twice == -r.den) & odd);
    return static_cast<uint8_t>(std::min(q, 255));
}

// Filters the interior pixels of one row; centre holds the row's channel sums and column the
// sums of each column of three. Written for vectors: the division runs on several pixels.
template <bool kSharpen>
TESSELLA_PIXEL_LOOP void FilterRow(Bgr* p, const int* centre, const int* column, int w) {
    for (int x = 1; x < w - 1; ++x) {
        const int s9 = column[x - 1] + column[x] + column[x + 1];
        const int sc = centre[x];
        const Ratio ratio = kSharpen ? Ratio{9 * (sc + 3), s9 + 54} : Ratio{s9 + 54, 9 * (sc + 3)};
        const double f = static_cast<double>(ratio.num) / ratio.den;
        p[x] = Bgr{ScaleChannel(p[x].b, ratio, f), ScaleChannel(p[x].g, ratio, f),
                   ScaleChannel(p[x].r, ratio, f)};
    }
}

// The same for a picture with an alpha plane: the neighbourhood's brightness is the mean of the
// nine weighted by their alpha, so that a transparent neighbour (whose colour is hidden)
// neither darkens nor lightens the texels of an edge. Sharpen scales by own / weighted, soften
// by the inverse, own = (s + 3) x the nine alphas' sum and weighted = the sum of each alpha x
// (its channel sum + 6): with nine equal alphas, the opaque ratio times a constant. columnAlpha
// and columnWeighted hold the sums of each column of three. Both stay below 2^21, so c x num
// (at most 2^29) and ScaleChannel's tie test fit its integers, and wherever the quotient is at
// most 255 the factor's error stays far below 1 / (2 den). A texel whose nine neighbours are
// all transparent keeps its colour.
// The column sums of three rows' alphas, and of each alpha x (its channel sum + 6).
TESSELLA_PIXEL_LOOP void WeighColumns(const uint8_t* a0, const uint8_t* a1, const uint8_t* a2,
                                      const int* s0, const int* s1, const int* s2, int* columnAlpha,
                                      int* columnWeighted, int w) {
    for (int x = 0; x < w; ++x) {
        columnAlpha[x] = a0[x] + a1[x] + a2[x];
        columnWeighted[x] = a0[x] * (s0[x] + 6) + a1[x] * (s1[x] + 6) + a2[x] * (s2[x] + 6);
    }
}

template <bool kSharpen>
TESSELLA_PIXEL_LOOP void FilterAlphaRow(Bgr* p, const int* centre, const int* columnAlpha,
                                        const int* columnWeighted, int w) {
    for (int x = 1; x < w - 1; ++x) {
        const int alphaSum = columnAlpha[x - 1] + columnAlpha[x] + columnAlpha[x + 1];
        const int weighted = columnWeighted[x - 1] + columnWeighted[x] + columnWeighted[x + 1];
        const int own = (centre[x] + 3) * alphaSum;
        // Both are 0 exactly where the nine alphas are: the ratio 1 / 1 then leaves the texel
        // as it is, without a branch.
        const int none = alphaSum == 0;
        const Ratio ratio =
            kSharpen ? Ratio{own + none, weighted + none} : Ratio{weighted + none, own + none};
        const double f = static_cast<double>(ratio.num) / ratio.den;
        p[x] = Bgr{ScaleChannel(p[x].b, ratio, f), ScaleChannel(p[x].g, ratio, f),
                   ScaleChannel(p[x].r, ratio, f)};
    }
}

}  // namespace

void ApplyChannelOperation(pixels::WorkingPicture& work, ChannelOperation operation) {
    PixelGrid& image = work.image();
    const auto exchange = [&](ChannelPair pair) {
        PermutePixels(FirstByte(image), image.stride() * 3, image.width(), image.height(),
                      Exchanging(pair));
    };
    switch (operation) {
        case ChannelOperation::SwapRedBlue:
            exchange(ChannelPair::RedBlue);
            break;
        case ChannelOperation::SwapGreenBlue:
            exchange(ChannelPair::GreenBlue);
            break;
        case ChannelOperation::SwapRedGreen:
            exchange(ChannelPair::RedGreen);
            break;
        case ChannelOperation::Grey:
            ForEachPixel(image, [](Bgr& p) {
                const uint8_t g = static_cast<uint8_t>((unsigned{p.r} + p.g + p.b) / 3);
                p = Bgr{g, g, g};
            });
            break;
        case ChannelOperation::Negative:
            Negative(image);
            break;
    }
}

void FuseChannels(pixels::WorkingPicture& work, ChannelPair pair) {
    PixelGrid& image = work.image();
    MeanWithPermutedPixels(FirstByte(image), image.stride() * 3, image.width(), image.height(),
                           Exchanging(pair));
}

void AddVeil(pixels::WorkingPicture& work, platform::ColourValue colour) {
    const unsigned b = colour.blue(), g = colour.green(), r = colour.red();
    ForEachPixel(work.image(), [=](Bgr& p) {
        p.b = static_cast<uint8_t>(std::min(255u, p.b + b));
        p.g = static_cast<uint8_t>(std::min(255u, p.g + g));
        p.r = static_cast<uint8_t>(std::min(255u, p.r + r));
    });
}

void SharpenSoften(pixels::WorkingPicture& work, Sharpness sharpness) {
    PixelGrid& image = work.image();
    const int w = image.width(), h = image.height();
    if (w < 3 || h < 3) return;
    const bool sharpen = sharpness == Sharpness::Sharpen;
    const bool alpha = image.hasAlpha();
    const auto width = static_cast<size_t>(w);
    auto sumsOf = [&](int y, int* out) {
        const Bgr* p = image.row(y);
        for (int x = 0; x < w; ++x) out[x] = p[x].b + p[x].g + p[x].r;
    };

    // Rows 1 to h - 2 are filtered, in bands side by side. A band reads the row above its first
    // and the row below its last, which its neighbours filter: their sums are taken before any
    // band starts.
    const std::vector<int> cuts = BandCuts(h - 2, width * static_cast<size_t>(h));
    const int bands = static_cast<int>(cuts.size()) - 1;
    std::vector<int> edges(2 * static_cast<size_t>(bands) * width);
    for (int b = 0; b < bands; ++b) {
        sumsOf(cuts[b], edges.data() + 2 * b * width);
        sumsOf(cuts[b + 1] + 1, edges.data() + (2 * b + 1) * width);
    }
    RunBands(bands, [&](int b) {
        const int first = cuts[b] + 1, last = cuts[b + 1];
        // Channel sums of the rows above, at and below the current row, and their column
        // sums. The row above may already be filtered: only its sums, taken before, are read.
        std::vector<int> buffer((alpha ? 6 : 4) * width);
        int* above = buffer.data();
        int* centre = above + w;
        int* below = centre + w;
        int* column = below + w;
        // With alpha: the sums of each column of three alphas, and of alphas x (sums + 6).
        int* columnAlpha = column + w;
        int* columnWeighted = columnAlpha + w;
        std::copy_n(edges.data() + 2 * b * width, width, above);
        sumsOf(first, centre);
        for (int y = first; y <= last; ++y) {
            if (y < last)
                sumsOf(y + 1, below);
            else
                std::copy_n(edges.data() + (2 * b + 1) * width, width, below);
            if (alpha) {
                // The plane is left as it is: its rows are read as they were.
                const uint8_t* a0 = image.alphaRow(y - 1);
                const uint8_t* a1 = image.alphaRow(y);
                const uint8_t* a2 = image.alphaRow(y + 1);
                WeighColumns(a0, a1, a2, above, centre, below, columnAlpha, columnWeighted, w);
                if (sharpen)
                    FilterAlphaRow<true>(image.row(y), centre, columnAlpha, columnWeighted, w);
                else
                    FilterAlphaRow<false>(image.row(y), centre, columnAlpha, columnWeighted, w);
            } else {
                for (int x = 0; x < w; ++x) column[x] = above[x] + centre[x] + below[x];
                if (sharpen)
                    FilterRow<true>(image.row(y), centre, column, w);
                else
                    FilterRow<false>(image.row(y), centre, column, w);
            }
            int* oldAbove = above;
            above = centre;
            centre = below;
            below = oldAbove;
        }
    });
}

}  // namespace tessella::editor
