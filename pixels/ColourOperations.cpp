#include "pixels/ColourOperations.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "pixels/Hsv.h"
#include "platform/Error.h"
#include "platform/Rounding.h"

namespace tessella::pixels {

namespace {

using platform::RoundHalfEven;

// False for an empty picture; throws when either array is smaller than the picture.
bool CheckPicture(const PixelGrid& source, const PixelGrid& destination, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    if (width > source.width() || height > source.height() || width > destination.width() ||
        height > destination.height())
        throw platform::TessellaError(platform::kRangeMessage);
    return true;
}

uint8_t ScaleByte(int byte, double factor) {
    double v = byte * factor;
    if (v > 255) v = 255;
    if (v < 0) v = 0;
    return platform::RoundByteHalfEven(v);
}

// Blue, green and red tables of one step, 256 entries each.
using StepTable = std::array<uint8_t, 768>;

void FillChannel(uint8_t* table, double factor) {
    if (factor == 1.0) {  // an unchanged channel: no rounding to do
        for (int c = 0; c < 256; ++c) table[c] = static_cast<uint8_t>(c);
        return;
    }
    for (int c = 0; c < 256; ++c) table[c] = ScaleByte(c, factor);
}

void FillStepTable(StepTable& table, double fb, double fg, double fr) {
    FillChannel(table.data(), fb);
    FillChannel(table.data() + 256, fg);
    FillChannel(table.data() + 512, fr);
}

struct Factors {
    double b, g, r;
};

// The step of pixel (x, y) is first(y) + xStep * x; steps count from 1.
struct StepWalk {
    int steps;
    int xStep;
    int firstAtTop;
    int yStep;
    int first(int y) const { return firstAtTop + yStep * y; }
};

StepWalk WalkOf(RgbDirection direction, int w, int h) {
    switch (direction) {
        case RgbDirection::Uniform:
            return {1, 0, 0, 0};  // one step, table 0
        case RgbDirection::LeftToRight:
            return {w, 1, 1, 0};
        case RgbDirection::RightToLeft:
            return {w, -1, w, 0};
        case RgbDirection::TopDown:
            return {h, 0, 1, 1};
        case RgbDirection::BottomUp:
            return {h, 0, h, -1};
        case RgbDirection::FromTopLeft:
            return {w + h, 1, 1, 1};
        case RgbDirection::FromTopRight:
            return {w + h, -1, w, 1};
        case RgbDirection::FromBottomLeft:
            return {w + h, 1, h, -1};
        case RgbDirection::FromBottomRight:
            return {w + h, -1, w + h - 1, -1};
    }
    throw platform::TessellaError(platform::kRangeMessage);
}

}  // namespace

RgbDirection RgbDirectionFromIndex(int index) {
    using enum RgbDirection;
    static constexpr RgbDirection kByIndex[] = {
        Uniform,     LeftToRight,  RightToLeft,    TopDown,         BottomUp,
        FromTopLeft, FromTopRight, FromBottomLeft, FromBottomRight,
    };
    if (index < 0 || index >= static_cast<int>(std::size(kByIndex)))
        throw platform::TessellaError(platform::kRangeMessage);
    return kByIndex[index];
}

void RgbCorrection(const PixelGrid& source, PixelGrid& destination, int width, int height,
                   int redPercent, int greenPercent, int bluePercent, RgbDirection direction) {
    if (!CheckPicture(source, destination, width, height)) return;

    const StepWalk walk = WalkOf(direction, width, height);
    std::vector<Factors> factors;
    if (direction == RgbDirection::Uniform) {
        factors.push_back({bluePercent / 100.0, greenPercent / 100.0, redPercent / 100.0});
    } else {
        // The factors grow by repeated addition before each step, so that every step sees
        // exactly the accumulated value.
        const Factors increment{(bluePercent - 100) / 100.0 / width,
                                (greenPercent - 100) / 100.0 / width,
                                (redPercent - 100) / 100.0 / width};
        factors.resize(static_cast<size_t>(walk.steps) + 1);
        Factors f{1.0, 1.0, 1.0};
        factors[0] = f;
        for (int k = 1; k <= walk.steps; ++k) {
            f.b += increment.b;
            f.g += increment.g;
            f.r += increment.r;
            factors[k] = f;
        }
    }

    // A table per step pays when steps hold many pixels; small pictures round per pixel.
    const int64_t pixels = int64_t{width} * height;
    if (pixels >= int64_t{walk.steps} * 256) {
        std::vector<StepTable> tables(factors.size());
        for (size_t k = 0; k < factors.size(); ++k)
            FillStepTable(tables[k], factors[k].b, factors[k].g, factors[k].r);
        const ptrdiff_t step = ptrdiff_t{walk.xStep} * 768;
        for (int y = 0; y < height; ++y) {
            const Bgr* in = source.row(y);
            Bgr* out = destination.row(y);
            const uint8_t* t = tables[walk.first(y)].data();
            if (step == 0) {  // one table for the whole row
                const uint8_t *tb = t, *tg = t + 256, *tr = t + 512;
                for (int x = 0; x < width; ++x) out[x] = {tb[in[x].b], tg[in[x].g], tr[in[x].r]};
            } else {
                for (int x = 0; x < width; ++x, t += step)
                    out[x] = {t[in[x].b], t[256 + in[x].g], t[512 + in[x].r]};
            }
        }
    } else {
        for (int y = 0; y < height; ++y) {
            const Bgr* in = source.row(y);
            Bgr* out = destination.row(y);
            int k = walk.first(y);
            for (int x = 0; x < width; ++x, k += walk.xStep) {
                const Factors& f = factors[k];
                out[x] = {ScaleByte(in[x].b, f.b), ScaleByte(in[x].g, f.g),
                          ScaleByte(in[x].r, f.r)};
            }
        }
    }
}

void Contrast(const PixelGrid& source, PixelGrid& destination, int width, int height, int reference,
              double amount) {
    if (!CheckPicture(source, destination, width, height)) return;
    if (amount == 0) amount = 1.0;
    std::array<uint8_t, 256> table;
    for (int c = 0; c < 256; ++c) {
        const double d = std::abs(reference - c) * amount / 255;
        double v = c > reference ? c + d : c - d;
        // Anything beyond -1..256 clamps to the same byte; limiting first keeps huge amounts
        // from overflowing the rounding.
        v = std::clamp(v, -1.0, 256.0);
        table[c] = ClampByte(RoundHalfEven(v));
    }
    for (int y = 0; y < height; ++y) {
        const Bgr* in = source.row(y);
        Bgr* out = destination.row(y);
        for (int x = 0; x < width; ++x) out[x] = {table[in[x].b], table[in[x].g], table[in[x].r]};
    }
}

void Emboss(const PixelGrid& source, PixelGrid& destination, int width, int height,
            const EmbossSettings& settings, const BgrPicture& texture) {
    if (!CheckPicture(source, destination, width, height)) return;
    if (height < 2) return;  // only rows with a row below them are computed

    const bool textured = settings.textured;
    const bool coloured = !textured && settings.colour.has_value();
    const bool strong = !textured && settings.mode == EmbossMode::StrongInverted;
    const int threshold = std::clamp(settings.threshold, 0, 255);

    // Relief byte e to output byte.
    std::array<uint8_t, 256> relief;
    for (int e = 0; e < 256; ++e) {
        if (!strong) {
            relief[e] = static_cast<uint8_t>(e);
        } else {
            const int m = std::min(RoundHalfEven(e * 1.9), 255);
            relief[e] = static_cast<uint8_t>(std::min(2 * (255 - m), 255));
        }
    }

    // Coloured background: the output depends only on the relief's grey (sum div 3).
    std::array<Bgr, 766> tint{};
    if (coloured) {
        const platform::ColourValue c = *settings.colour;
        const Hsv hsv = RgbToHsv(c.blue(), c.green(), c.red());
        const int hue = RoundHalfEven(hsv.h);
        const int value = RoundHalfEven(hsv.v);
        const int saturation = std::clamp(settings.saturation, 0, 255);
        for (int g = 0; g < 256; ++g) tint[3 * g] = HsvToRgb(hue, saturation, std::abs(value - g));
        for (int sum = 0; sum < 766; ++sum) tint[sum] = tint[sum - sum % 3];
    }

    // Textured background: each channel becomes relief + texture + shift[sum], where the shift
    // takes away the relief's grey and pushes dark reliefs down and light ones up.
    static constexpr Bgr kWhite{255, 255, 255};
    const BgrPicture tiles =
        texture.bits && texture.width > 0 && texture.height > 0
            ? texture
            : BgrPicture{reinterpret_cast<const uint8_t*>(&kWhite), 1, 1, sizeof kWhite};
    std::array<int, 766> shift{};
    if (textured) {
        for (int sum = 0; sum < 766; ++sum) {
            const int g = sum / 3;
            shift[sum] = -g + (g < 125 ? -(g / 2) : (g > 130 ? g / 2 : 0));
        }
    }
    // Row y reads rows y and y + 1 of the source and writes row y only, so running in place
    // never reads a written pixel. `write(x, e, out)` finishes pixel x from its relief e.
    // With an alpha plane, the pixel below is seen through its alpha over the pixel itself:
    // a transparent neighbour, whose colour is hidden, makes no relief (no fringe at an edge).
    std::vector<Bgr> below;
    if (source.hasAlpha()) below.resize(static_cast<size_t>(width));
    const auto lowerRow = [&](int y) -> const Bgr* {
        const Bgr* q = source.row(y + 1);
        if (below.empty()) return q;
        const Bgr* p = source.row(y);
        const uint8_t* a = source.alphaRow(y + 1);
        const auto mix = [](unsigned lower, unsigned own, unsigned alpha) {
            return static_cast<uint8_t>((lower * alpha + own * (255 - alpha) + 127) / 255);
        };
        for (int x = 0; x < width; ++x)
            below[x] = Bgr{mix(q[x].b, p[x].b, a[x]), mix(q[x].g, p[x].g, a[x]),
                           mix(q[x].r, p[x].r, a[x])};
        return below.data();
    };
    const auto eachRow = [&](auto&& startRow, auto&& write) {
        for (int y = 0; y < height - 1; ++y) {
            const Bgr* p = source.row(y);
            const Bgr* q = lowerRow(y);
            Bgr* out = destination.row(y);
            startRow(y);
            for (int x = 0; x < width; ++x) {
                const Bgr e{relief[(p[x].b + (q[x].b ^ threshold)) >> 1],
                            relief[(p[x].g + (q[x].g ^ threshold)) >> 1],
                            relief[(p[x].r + (q[x].r ^ threshold)) >> 1]};
                write(e, out[x]);
            }
        }
    };
    const auto noStart = [](int) {};
    if (coloured) {
        eachRow(noStart, [&](Bgr e, Bgr& out) { out = tint[e.b + e.g + e.r]; });
    } else if (textured) {
        const int tilesWidth = tiles.width;
        const int tilesHeight = tiles.height;
        const Bgr* tileRow = nullptr;
        int tx = 0;
        const auto limit = [](int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); };
        eachRow(
            [&](int y) {
                tileRow = reinterpret_cast<const Bgr*>(tiles.bits +
                                                       (y % tilesHeight) * tiles.bytesPerLine);
                tx = 0;
            },
            [&](Bgr e, Bgr& out) {
                const Bgr t = tileRow[tx];
                if (++tx == tilesWidth) tx = 0;
                const int s = shift[e.b + e.g + e.r];
                out = {limit(e.b + t.b + s), limit(e.g + t.g + s), limit(e.r + t.r + s)};
            });
    } else {
        eachRow(noStart, [](Bgr e, Bgr& out) { out = e; });
    }
}

}  // namespace tessella::pixels
