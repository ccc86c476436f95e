#include "pixels/MipChain.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/Rounding.h"

namespace tessella::pixels {

namespace {

// Three values a pixel: linear red, green, blue (0..1), or a vector's x, y, z (-1..1).
using Plane = std::vector<float>;

struct Tap {
    int source;
    float weight;
};

// For each of the `to` pixels along an axis, the `from` pixels it covers and their shares.
std::vector<std::vector<Tap>> BoxTaps(int from, int to) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(to));
    const double scale = double(from) / to;
    for (int i = 0; i < to; ++i) {
        const double start = i * scale, end = (i + 1) * scale;
        for (int s = int(start); s < from && s < end; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(start, double(s));
            if (covered > 1e-9) taps[std::size_t(i)].push_back({s, float(covered / scale)});
        }
    }
    return taps;
}

const std::array<float, 256>& SrgbToLinear() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> out{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            out[std::size_t(i)] =
                float(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return out;
    }();
    return table;
}

uint8_t LinearToSrgb(float linear) {
    const double c = std::clamp(double(linear), 0.0, 1.0);
    const double encoded = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return platform::RoundByteHalfEven(encoded * 255.0);
}

float VectorPart(uint8_t byte) {
    return byte / 255.0f * 2.0f - 1.0f;
}

uint8_t VectorByte(float part) {
    return platform::RoundByteHalfEven(std::clamp((part + 1.0) * 0.5, 0.0, 1.0) * 255.0);
}

Plane PlaneOf(const PixelGrid& grid, bool normalMap) {
    Plane plane(std::size_t(grid.width()) * std::size_t(grid.height()) * 3);
    const auto& linear = SrgbToLinear();
    float* out = plane.data();
    for (int y = 0; y < grid.height(); ++y) {
        const Bgr* row = grid.row(y);
        for (int x = 0; x < grid.width(); ++x, out += 3) {
            const Bgr p = row[x];
            if (normalMap) {
                out[0] = VectorPart(p.r), out[1] = VectorPart(p.g), out[2] = VectorPart(p.b);
            } else {
                out[0] = linear[p.r], out[1] = linear[p.g], out[2] = linear[p.b];
            }
        }
    }
    return plane;
}

// The box average of plane (width x height) at the next level's size.
Plane Halve(const Plane& plane, int width, int height, int toWidth, int toHeight) {
    const auto across = BoxTaps(width, toWidth);
    const auto down = BoxTaps(height, toHeight);
    Plane narrow(std::size_t(toWidth) * std::size_t(height) * 3, 0.0f);
    for (int y = 0; y < height; ++y) {
        const float* in = plane.data() + std::size_t(y) * std::size_t(width) * 3;
        float* out = narrow.data() + std::size_t(y) * std::size_t(toWidth) * 3;
        for (int x = 0; x < toWidth; ++x, out += 3)
            for (const Tap& tap : across[std::size_t(x)])
                for (int c = 0; c < 3; ++c) out[c] += tap.weight * in[tap.source * 3 + c];
    }
    Plane result(std::size_t(toWidth) * std::size_t(toHeight) * 3, 0.0f);
    const std::size_t rowSize = std::size_t(toWidth) * 3;
    for (int y = 0; y < toHeight; ++y) {
        float* out = result.data() + std::size_t(y) * rowSize;
        for (const Tap& tap : down[std::size_t(y)]) {
            const float* in = narrow.data() + std::size_t(tap.source) * rowSize;
            for (std::size_t i = 0; i < rowSize; ++i) out[i] += tap.weight * in[i];
        }
    }
    return result;
}

void Normalise(Plane& plane) {
    for (std::size_t i = 0; i + 2 < plane.size(); i += 3) {
        const float length = std::sqrt(plane[i] * plane[i] + plane[i + 1] * plane[i + 1] +
                                       plane[i + 2] * plane[i + 2]);
        if (length > 1e-6f) {
            plane[i] /= length, plane[i + 1] /= length, plane[i + 2] /= length;
        } else {
            plane[i] = 0, plane[i + 1] = 0, plane[i + 2] = 1;  // opposite normals: face the viewer
        }
    }
}

PixelGrid GridOf(const Plane& plane, int width, int height, bool normalMap) {
    PixelGrid grid(width, height);
    const float* in = plane.data();
    for (int y = 0; y < height; ++y) {
        Bgr* row = grid.row(y);
        for (int x = 0; x < width; ++x, in += 3) {
            if (normalMap)
                row[x] = {VectorByte(in[2]), VectorByte(in[1]), VectorByte(in[0])};
            else
                row[x] = {LinearToSrgb(in[2]), LinearToSrgb(in[1]), LinearToSrgb(in[0])};
        }
    }
    return grid;
}

}  // namespace

int MipSide(int side, int level) {
    return std::max(1, side >> std::min(level, 31));
}

int MipLevelCount(int width, int height) {
    int levels = 1;
    for (int side = std::max(width, height); side > 1; side >>= 1) ++levels;
    return levels;
}

std::vector<PixelGrid> BuildMipChain(const PixelGrid& top, const MipChainOptions& options) {
    std::vector<PixelGrid> levels;
    if (top.empty()) return levels;
    int count = MipLevelCount(top.width(), top.height());
    if (options.maxLevel >= 0) count = std::min(count, options.maxLevel + 1);
    levels.reserve(std::size_t(count));
    levels.push_back(top);
    if (count == 1) return levels;
    Plane plane = PlaneOf(top, options.normalMap);
    int width = top.width(), height = top.height();
    for (int level = 1; level < count; ++level) {
        const int toWidth = MipSide(top.width(), level), toHeight = MipSide(top.height(), level);
        plane = Halve(plane, width, height, toWidth, toHeight);
        if (options.normalMap) Normalise(plane);
        width = toWidth, height = toHeight;
        levels.push_back(GridOf(plane, width, height, options.normalMap));
    }
    return levels;
}

PixelGrid LevelAtTopSize(const PixelGrid& levelGrid, int level, int width, int height) {
    PixelGrid out(width, height);
    if (levelGrid.empty()) return out;
    const int shift = std::min(level, 30);
    for (int y = 0; y < height; ++y) {
        const Bgr* in = levelGrid.row((y >> shift) % levelGrid.height());
        Bgr* row = out.row(y);
        for (int x = 0; x < width; ++x) row[x] = in[(x >> shift) % levelGrid.width()];
    }
    return out;
}

}  // namespace tessella::pixels
