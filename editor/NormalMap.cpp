#include "editor/NormalMap.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "editor/RowBands.h"

namespace tessella::editor {

using pixels::Bgr;
using pixels::PixelGrid;

namespace {

// Single precision runs twice as many pixels per vector; its error (some 1e-5 of a channel
// step) moves a stored value only when the exact one lies that close to a half.
TESSELLA_PIXEL_LOOP void HeightsOfRow(const Bgr* p, float* h, int w) {
    constexpr float kRed = 0.2126f / 255, kGreen = 0.7152f / 255, kBlue = 0.0722f / 255;
    for (int x = 0; x < w; ++x) h[x] = kRed * p[x].r + kGreen * p[x].g + kBlue * p[x].b;
}

// The vertical Sobel sums of one row: above + 2 centre + below, and below - above.
TESSELLA_PIXEL_LOOP void VerticalSums(const float* above, const float* centre, const float* below,
                                      float* column, float* rise, int w) {
    for (int x = 0; x < w; ++x) {
        column[x] = above[x] + 2 * centre[x] + below[x];
        rise[x] = below[x] - above[x];
    }
}

// (n + 1) / 2 x 255 rounded to nearest, halves up; n is within -1..1, so the sum is positive
// and truncation rounds down.
[[gnu::always_inline]] inline uint8_t Stored(float n) {
    return static_cast<uint8_t>(static_cast<int>(n * 127.5f + 128.0f));
}

// One row of normals. column holds, for x = -1..w (wrapped), the vertical Sobel sums
// above + 2 centre + below at column[x + 1]; rise holds below - above the same way.
// k is S / 8 and ySign the sign that turns the image's downward dh/dy into the normal's y.
// With kWeighted, each texel's slopes are scaled by its alpha / 255 (alpha points at the row's
// plane): a transparent texel is flat.
template <bool kWeighted>
TESSELLA_PIXEL_LOOP void NormalsOfRow(const float* column, const float* rise, float k, float ySign,
                                      const uint8_t* alpha, uint8_t* red, uint8_t* green,
                                      uint8_t* blue, int w) {
    for (int x = 0; x < w; ++x) {
        const float kx = kWeighted ? k * (alpha[x] * (1.0f / 255)) : k;
        const float nx = -kx * (column[x + 2] - column[x]);
        const float ny = ySign * kx * (rise[x] + 2 * rise[x + 1] + rise[x + 2]);
        const float length = 1.0f / std::sqrt(nx * nx + ny * ny + 1.0f);
        red[x] = Stored(nx * length);
        green[x] = Stored(ny * length);
        blue[x] = Stored(length);
    }
}

TESSELLA_PIXEL_LOOP void Interleave(const uint8_t* red, const uint8_t* green, const uint8_t* blue,
                                    Bgr* out, int w) {
    for (int x = 0; x < w; ++x) out[x] = Bgr{blue[x], green[x], red[x]};
}

}  // namespace

void MakeNormalMap(const PixelGrid& in, PixelGrid& out, const NormalMapSettings& settings) {
    const int w = in.width(), h = in.height();
    if (in.empty()) {
        out.resize(w, h);
        return;
    }
    const auto width = static_cast<std::size_t>(w);
    const std::vector<int> cuts = BandCuts(h, width * static_cast<std::size_t>(h));
    const int bands = static_cast<int>(cuts.size()) - 1;
    // The heights of the rows just above and just below each band (wrapping), taken before
    // any band writes: out may be in, and a band overwrites its rows as it goes.
    std::vector<float> edges(2 * static_cast<std::size_t>(bands) * width);
    for (int b = 0; b < bands; ++b) {
        HeightsOfRow(in.row((cuts[b] + h - 1) % h), edges.data() + 2 * b * width, w);
        HeightsOfRow(in.row(cuts[b + 1] % h), edges.data() + (2 * b + 1) * width, w);
    }
    // The plane is kept aside first: out may be in, and reshaping drops it.
    std::vector<uint8_t> alpha;
    if (in.hasAlpha())
        alpha.assign(in.alphaRow(0), in.alphaRow(0) + width * static_cast<std::size_t>(h));
    out.reshape(w, h);
    if (!alpha.empty()) {
        out.addAlpha();
        std::copy(alpha.begin(), alpha.end(), out.alphaRow(0));
    }

    // Image rows run down; the OpenGL normal's y runs up, so a rise down the rows leans it up.
    const float ySign = settings.directX ? -1.0f : 1.0f;
    const auto k = static_cast<float>(settings.strength / 8);
    RunBands(bands, [&](int b) {
        const int first = cuts[b], last = cuts[b + 1];
        // Heights of the rows above, at and below the current one; the sums with the
        // neighbours that wrap at both ends; the stored channels.
        std::vector<float> buffer(3 * width + 2 * (width + 2));
        float* above = buffer.data();
        float* centre = above + width;
        float* below = centre + width;
        float* column = below + width;
        float* rise = column + width + 2;
        std::vector<uint8_t> channels(3 * width);
        uint8_t* red = channels.data();
        uint8_t* green = red + width;
        uint8_t* blue = green + width;
        std::copy_n(edges.data() + 2 * b * width, width, above);
        HeightsOfRow(in.row(first), centre, w);
        for (int y = first; y < last; ++y) {
            // The next row is read before this one is written: it may be the same array.
            if (y + 1 < last)
                HeightsOfRow(in.row(y + 1), below, w);
            else
                std::copy_n(edges.data() + (2 * b + 1) * width, width, below);
            VerticalSums(above, centre, below, column + 1, rise + 1, w);
            column[0] = column[w];
            column[w + 1] = column[1];
            rise[0] = rise[w];
            rise[w + 1] = rise[1];
            if (alpha.empty())
                NormalsOfRow<false>(column, rise, k, ySign, nullptr, red, green, blue, w);
            else
                NormalsOfRow<true>(column, rise, k, ySign, alpha.data() + y * width, red, green,
                                   blue, w);
            Interleave(red, green, blue, out.row(y), w);
            float* oldAbove = above;
            above = centre;
            centre = below;
            below = oldAbove;
        }
    });
}

}  // namespace tessella::editor
