#include "pixels/MipChain.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <memory>

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

// For each byte from 1 to 255, the smallest linear value that LinearToSrgb turns into it
// (found by halving the range of float bit patterns, which order as the values do): a search
// of 255 thresholds gives the same byte as the power per channel, many times faster.
const std::array<float, 256>& SrgbThresholds() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> out{};
        for (int byte = 1; byte < 256; ++byte) {
            uint32_t low = 0, high = std::bit_cast<uint32_t>(1.0f);
            while (low < high) {
                const uint32_t middle = low + (high - low) / 2;
                if (LinearToSrgb(std::bit_cast<float>(middle)) >= byte)
                    high = middle;
                else
                    low = middle + 1;
            }
            out[std::size_t(byte)] = std::bit_cast<float>(low);
        }
        return out;
    }();
    return table;
}

// LinearToSrgb through the thresholds.
uint8_t LinearToSrgbByte(float linear) {
    const auto& thresholds = SrgbThresholds();
    return uint8_t(std::upper_bound(thresholds.begin() + 1, thresholds.end(), linear) -
                   (thresholds.begin() + 1));
}

float VectorPart(uint8_t byte) {
    return byte / 255.0f * 2.0f - 1.0f;
}

uint8_t VectorByte(float part) {
    return platform::RoundByteHalfEven(std::clamp((part + 1.0) * 0.5, 0.0, 1.0) * 255.0);
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
                row[x] = {LinearToSrgbByte(in[2]), LinearToSrgbByte(in[1]),
                          LinearToSrgbByte(in[0])};
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

// Sums the rows of a level, given one at a time from the top, into the box average at the next
// level's size. Each source row is narrowed once and added to the one to three smaller rows it
// covers, so that only the smaller level is held; the sums run in the order of a horizontal then
// vertical pass over the whole level, to the same values.
class MipChainBuilder::Reducer {
  public:
    Reducer(int width, int height, int toWidth, int toHeight)
        : across_(BoxTaps(width, toWidth)),
          narrow_(std::size_t(toWidth) * 3),
          sum_(std::size_t(toWidth) * std::size_t(toHeight) * 3, 0.0f),
          toWidth_(toWidth),
          toHeight_(toHeight) {
        const auto down = BoxTaps(height, toHeight);
        coveredBy_.resize(std::size_t(height));
        for (int y = 0; y < toHeight; ++y)
            for (const Tap& tap : down[std::size_t(y)])
                coveredBy_[std::size_t(tap.source)].push_back({y, tap.weight});
    }

    // Row y of the level as 3 floats a pixel.
    void add(int y, const float* in) {
        std::fill(narrow_.begin(), narrow_.end(), 0.0f);
        float* out = narrow_.data();
        for (int x = 0; x < toWidth_; ++x, out += 3)
            for (const Tap& tap : across_[std::size_t(x)])
                for (int c = 0; c < 3; ++c) out[c] += tap.weight * in[tap.source * 3 + c];
        const std::size_t rowSize = narrow_.size();
        for (const Tap& target : coveredBy_[std::size_t(y)]) {
            float* to = sum_.data() + std::size_t(target.source) * rowSize;
            for (std::size_t i = 0; i < rowSize; ++i) to[i] += target.weight * narrow_[i];
        }
    }

    Plane take() { return std::move(sum_); }
    int width() const { return toWidth_; }
    int height() const { return toHeight_; }

  private:
    std::vector<std::vector<Tap>> across_;
    std::vector<std::vector<Tap>> coveredBy_;  // per source row: the smaller rows and weights
    Plane narrow_;
    Plane sum_;
    int toWidth_, toHeight_;
};

MipChainBuilder::MipChainBuilder(int width, int height, const MipChainOptions& options)
    : width_(width), height_(height), normalMap_(options.normalMap) {
    count_ = width > 0 && height > 0 ? MipLevelCount(width, height) : 0;
    if (options.maxLevel >= 0) count_ = std::min(count_, options.maxLevel + 1);
    if (count_ > 1) {
        reducer_ = std::make_unique<Reducer>(width, height, MipSide(width, 1), MipSide(height, 1));
        row_.resize(std::size_t(width) * 3);
    }
}

MipChainBuilder::~MipChainBuilder() = default;

void MipChainBuilder::addTopRow(int y, const Bgr* row) {
    if (!reducer_) return;
    const auto& linear = SrgbToLinear();
    float* out = row_.data();
    for (int x = 0; x < width_; ++x, out += 3) {
        const Bgr p = row[x];
        if (normalMap_) {
            out[0] = VectorPart(p.r), out[1] = VectorPart(p.g), out[2] = VectorPart(p.b);
        } else {
            out[0] = linear[p.r], out[1] = linear[p.g], out[2] = linear[p.b];
        }
    }
    reducer_->add(y, row_.data());
}

PixelGrid MipChainBuilder::nextLevel() {
    ++level_;
    plane_ = reducer_->take();
    const int width = reducer_->width(), height = reducer_->height();
    reducer_.reset();
    if (normalMap_) Normalise(plane_);
    if (level_ + 1 < count_) {
        // The next level is summed now, from this level's linear values, not its bytes.
        reducer_ = std::make_unique<Reducer>(width, height, MipSide(width_, level_ + 1),
                                             MipSide(height_, level_ + 1));
        const std::size_t rowSize = std::size_t(width) * 3;
        for (int y = 0; y < height; ++y) reducer_->add(y, plane_.data() + y * rowSize);
    }
    PixelGrid grid = GridOf(plane_, width, height, normalMap_);
    Plane().swap(plane_);
    return grid;
}

std::vector<PixelGrid> BuildMipChain(const PixelGrid& top, const MipChainOptions& options) {
    std::vector<PixelGrid> levels;
    if (top.empty()) return levels;
    MipChainBuilder builder(top.width(), top.height(), options);
    levels.reserve(std::size_t(builder.levelCount()));
    levels.push_back(top);
    if (builder.levelCount() == 1) return levels;
    for (int y = 0; y < top.height(); ++y) builder.addTopRow(y, top.row(y));
    while (int(levels.size()) < builder.levelCount()) levels.push_back(builder.nextLevel());
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
