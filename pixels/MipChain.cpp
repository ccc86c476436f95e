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

// The byte of each 1/4096 step of [0, 1): the thresholds lie at least 1/3300 apart (near 0),
// so one at most falls within a step, and the search from a step's byte takes one comparison
// where halving takes eight.
constexpr int kSrgbSteps = 4096;

uint8_t ThresholdSearch(float linear) {
    const auto& thresholds = SrgbThresholds();
    return uint8_t(std::upper_bound(thresholds.begin() + 1, thresholds.end(), linear) -
                   (thresholds.begin() + 1));
}

const std::array<uint8_t, kSrgbSteps>& SrgbStepBytes() {
    static const std::array<uint8_t, kSrgbSteps> table = [] {
        std::array<uint8_t, kSrgbSteps> out{};
        for (int step = 0; step < kSrgbSteps; ++step)
            out[std::size_t(step)] = ThresholdSearch(float(step) / kSrgbSteps);
        return out;
    }();
    return table;
}

// LinearToSrgb through the thresholds. Scaling by a power of two is exact, so the step's own
// value is at most `linear` and its byte at most the answer.
uint8_t LinearToSrgbByte(float linear) {
    if (!(linear >= 0.0f && linear < 1.0f)) return ThresholdSearch(linear);
    const auto& thresholds = SrgbThresholds();
    int byte = SrgbStepBytes()[std::size_t(linear * kSrgbSteps)];
    while (byte < 255 && thresholds[std::size_t(byte) + 1] <= linear) ++byte;
    return uint8_t(byte);
}

uint8_t AlphaByte(float alpha) {
    return platform::RoundByteHalfEven(std::clamp(double(alpha), 0.0, 1.0) * 255.0);
}

// A premultiplied colour divided again by its alpha (0 under alpha 0, where it weighs nothing).
Bgr Unpremultiplied(Bgr p, uint8_t a) {
    if (a == 0) return {};
    auto channel = [a](uint8_t c) { return uint8_t(std::min(255, (c * 510 + a) / (2 * a))); };
    return {channel(p.b), channel(p.g), channel(p.r)};
}

// An area of level 0 at level `level`: its sides halved `level` times, one texel at least.
QRect AreaAtLevel(const QRect& area, int level, int width, int height) {
    const int shift = std::min(level, 30);
    const int left = area.left() >> shift, top = area.top() >> shift;
    const int right = std::max(left + 1, (area.left() + area.width()) >> shift);
    const int bottom = std::max(top + 1, (area.top() + area.height()) >> shift);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1))
        .intersected(QRect(0, 0, width, height));
}

// Texels whose alpha times scale stores at covered or more.
qint64 CoveredCount(const std::vector<float>& alpha, int covered, float scale) {
    qint64 count = 0;
    for (const float a : alpha) count += AlphaByte(a * scale) >= covered;
    return count;
}

// Scales alpha so that the count of covered texels comes nearest to target: the count grows
// with the factor, so halving between a factor short of it and one that reaches it finds the
// step. Texels of one alpha step together (a fence's bars give a level few values): of those
// that the step's upper factor covers and the lower does not, only as many as the target lacks
// take the upper one, spread evenly in their order.
void ScaleToCoverage(std::vector<float>& alpha, int covered, double target) {
    float smallest = 1.0f;
    for (const float a : alpha)
        if (a > 0) smallest = std::min(smallest, a);
    // Beyond 1 / smallest every texel above 0 is opaque: no larger factor covers more.
    float low = 0.0f, high = 1.0f / smallest;
    if (double(CoveredCount(alpha, covered, high)) > target) {
        for (int step = 0; step < 40 && high - low > high * 1e-7f; ++step) {
            const float middle = low + (high - low) / 2;
            if (double(CoveredCount(alpha, covered, middle)) < target)
                low = middle;
            else
                high = middle;
        }
    } else {
        low = high;
    }
    const double lacking = target - double(CoveredCount(alpha, covered, low));
    qint64 stepping = 0;
    for (const float a : alpha)
        stepping += AlphaByte(a * low) < covered && AlphaByte(a * high) >= covered;
    const double share = stepping > 0 ? std::clamp(lacking / double(stepping), 0.0, 1.0) : 0.0;
    double owed = 0.5;
    for (float& a : alpha) {
        const bool steps = AlphaByte(a * low) < covered && AlphaByte(a * high) >= covered;
        if (steps) owed += share;
        if (steps && owed >= 1) {
            owed -= 1;
            a *= high;
        } else {
            a *= low;
        }
    }
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
    Reducer(int width, int height, int toWidth, int toHeight, int channels)
        : across_(BoxTaps(width, toWidth)),
          narrow_(std::size_t(toWidth) * std::size_t(channels)),
          sum_(std::size_t(toWidth) * std::size_t(toHeight) * std::size_t(channels), 0.0f),
          toWidth_(toWidth),
          toHeight_(toHeight),
          channels_(channels) {
        const auto down = BoxTaps(height, toHeight);
        coveredBy_.resize(std::size_t(height));
        for (int y = 0; y < toHeight; ++y)
            for (const Tap& tap : down[std::size_t(y)])
                coveredBy_[std::size_t(tap.source)].push_back({y, tap.weight});
    }

    // Row y of the level as 3 floats a pixel (4 with alpha).
    void add(int y, const float* in) {
        std::fill(narrow_.begin(), narrow_.end(), 0.0f);
        // The channel count as a constant, so that the opaque chain runs as fast as ever.
        if (channels_ == 3)
            narrowRow<3>(in);
        else
            narrowRow<4>(in);
        const std::size_t rowSize = narrow_.size();
        for (const Tap& target : coveredBy_[std::size_t(y)]) {
            float* to = sum_.data() + std::size_t(target.source) * rowSize;
            for (std::size_t i = 0; i < rowSize; ++i) to[i] += target.weight * narrow_[i];
        }
    }

    template <int n>
    void narrowRow(const float* in) {
        float* out = narrow_.data();
        for (int x = 0; x < toWidth_; ++x, out += n)
            for (const Tap& tap : across_[std::size_t(x)])
                for (int c = 0; c < n; ++c) out[c] += tap.weight * in[tap.source * n + c];
    }

    Plane take() { return std::move(sum_); }
    int width() const { return toWidth_; }
    int height() const { return toHeight_; }

  private:
    std::vector<std::vector<Tap>> across_;
    std::vector<std::vector<Tap>> coveredBy_;  // per source row: the smaller rows and weights
    Plane narrow_;
    Plane sum_;
    int toWidth_, toHeight_, channels_;
};

MipChainBuilder::MipChainBuilder(int width, int height, const MipChainOptions& options)
    : width_(width),
      height_(height),
      normalMap_(options.normalMap),
      alpha_(options.alpha && !options.normalMap),
      premultiplied_(alpha_ && options.premultiplied),
      coverage_(alpha_ ? options.alphaCoverage : 0),
      channels_(alpha_ ? 4 : 3) {
    count_ = width > 0 && height > 0 ? MipLevelCount(width, height) : 0;
    if (options.maxLevel >= 0) count_ = std::min(count_, options.maxLevel + 1);
    if (coverage_ > 0) {
        const QRect whole(0, 0, width, height);
        for (const QRect& area : options.coverageAreas)
            if (const QRect inside = area.intersected(whole); !inside.isEmpty())
                areas_.push_back(inside);
        if (options.coverageAreas.empty()) areas_.push_back(whole);
        topCovered_.assign(areas_.size(), 0);
    }
    if (count_ > 1) {
        reducer_ = std::make_unique<Reducer>(width, height, MipSide(width, 1), MipSide(height, 1),
                                             channels_);
        row_.resize(std::size_t(width) * std::size_t(channels_));
    }
}

MipChainBuilder::~MipChainBuilder() = default;

void MipChainBuilder::addTopRow(int y, const Bgr* row, const uint8_t* alphaRow) {
    if (!reducer_) return;
    const auto& linear = SrgbToLinear();
    float* out = row_.data();
    if (alpha_) {
        // Colours multiplied by alpha in linear light: the sums are then the weighted ones.
        for (int x = 0; x < width_; ++x, out += 4) {
            const uint8_t a = alphaRow ? alphaRow[x] : 255;
            Bgr p = row[x];
            if (premultiplied_) p = Unpremultiplied(p, a);
            const float weight = a / 255.0f;
            out[0] = linear[p.r] * weight, out[1] = linear[p.g] * weight,
            out[2] = linear[p.b] * weight, out[3] = weight;
        }
        const int covered = CoverageThreshold(coverage_);
        for (std::size_t i = 0; i < areas_.size(); ++i) {
            const QRect& area = areas_[i];
            if (y < area.top() || y > area.bottom()) continue;
            for (int x = area.left(); x <= area.right(); ++x)
                topCovered_[i] += (alphaRow ? alphaRow[x] : 255) >= covered;
        }
        reducer_->add(y, row_.data());
        return;
    }
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
                                             MipSide(height_, level_ + 1), channels_);
        const std::size_t rowSize = std::size_t(width) * std::size_t(channels_);
        for (int y = 0; y < height; ++y) reducer_->add(y, plane_.data() + y * rowSize);
    }
    PixelGrid grid = alpha_ ? alphaLevel(width, height) : GridOf(plane_, width, height, normalMap_);
    Plane().swap(plane_);
    return grid;
}

// The level in hand as colours divided by their alpha, with its alpha plane scaled to the
// coverage, then bled or multiplied again.
PixelGrid MipChainBuilder::alphaLevel(int width, int height) const {
    PixelGrid grid(width, height);
    grid.addAlpha();
    std::vector<float> alpha(std::size_t(width) * std::size_t(height));
    const float* in = plane_.data();
    for (int y = 0; y < height; ++y) {
        Bgr* row = grid.row(y);
        for (int x = 0; x < width; ++x, in += 4) {
            const float a = in[3];
            alpha[std::size_t(y) * std::size_t(width) + std::size_t(x)] = a;
            if (a <= 0) {
                row[x] = {};
                continue;
            }
            row[x] = {LinearToSrgbByte(in[2] / a), LinearToSrgbByte(in[1] / a),
                      LinearToSrgbByte(in[0] / a)};
        }
    }
    const int covered = CoverageThreshold(coverage_);
    for (std::size_t i = 0; i < areas_.size(); ++i) {
        const QRect area = AreaAtLevel(areas_[i], level_, width, height);
        std::vector<float> values;
        values.reserve(std::size_t(area.width()) * std::size_t(area.height()));
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                values.push_back(alpha[std::size_t(y) * std::size_t(width) + std::size_t(x)]);
        const double share =
            double(topCovered_[i]) / (double(areas_[i].width()) * areas_[i].height());
        ScaleToCoverage(values, covered, share * double(values.size()));
        const float* scaled = values.data();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                alpha[std::size_t(y) * std::size_t(width) + std::size_t(x)] = *scaled++;
    }
    for (int y = 0; y < height; ++y) {
        uint8_t* out = grid.alphaRow(y);
        const float* a = alpha.data() + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width; ++x) out[x] = AlphaByte(a[x]);
    }
    if (premultiplied_)
        MultiplyColoursByAlpha(grid);
    else
        BleedIntoTransparentTexels(grid, QRect(0, 0, width, height));
    return grid;
}

std::vector<PixelGrid> BuildMipChain(const PixelGrid& top, const MipChainOptions& options) {
    std::vector<PixelGrid> levels;
    if (top.empty()) return levels;
    MipChainOptions chain = options;
    chain.alpha = top.hasAlpha();
    MipChainBuilder builder(top.width(), top.height(), chain);
    levels.reserve(std::size_t(builder.levelCount()));
    levels.push_back(top);
    if (builder.levelCount() == 1) return levels;
    const bool alpha = top.hasAlpha();
    for (int y = 0; y < top.height(); ++y)
        builder.addTopRow(y, top.row(y), alpha ? top.alphaRow(y) : nullptr);
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
    if (!levelGrid.hasAlpha()) return out;
    out.addAlpha();
    for (int y = 0; y < height; ++y) {
        const uint8_t* in = levelGrid.alphaRow((y >> shift) % levelGrid.height());
        uint8_t* row = out.alphaRow(y);
        for (int x = 0; x < width; ++x) row[x] = in[(x >> shift) % levelGrid.width()];
    }
    return out;
}

int CoverageThreshold(double threshold) {
    return int(std::ceil(255.0 * threshold - 1e-9));
}

double AlphaCoverage(const PixelGrid& grid, const QRect& area, double threshold) {
    const QRect inside = area.intersected(QRect(0, 0, grid.width(), grid.height()));
    if (inside.isEmpty()) return 0;
    const int covered = CoverageThreshold(threshold);
    qint64 count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += grid.alphaAt(x, y) >= covered;
    return double(count) / (double(inside.width()) * inside.height());
}

void ScaleAlphaToCoverage(PixelGrid& grid, const QRect& area, double threshold, double share) {
    const QRect inside = area.intersected(QRect(0, 0, grid.width(), grid.height()));
    if (!grid.hasAlpha() || inside.isEmpty()) return;
    std::vector<float> alpha;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            alpha.push_back(grid.alphaRow(y)[x] / 255.0f);
    ScaleToCoverage(alpha, CoverageThreshold(threshold), share * double(alpha.size()));
    const float* scaled = alpha.data();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            grid.alphaRow(y)[x] = AlphaByte(*scaled++);
}

void BleedIntoTransparentTexels(PixelGrid& grid, const QRect& area) {
    const QRect inside = area.intersected(QRect(0, 0, grid.width(), grid.height()));
    if (!grid.hasAlpha() || inside.isEmpty()) return;
    const int w = inside.width(), h = inside.height();
    // Each texel's source (its own index when its alpha is above 0), spread breadth first.
    std::vector<int> source(std::size_t(w) * std::size_t(h), -1);
    std::vector<int> queue;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (grid.alphaRow(inside.top() + y)[inside.left() + x] > 0) {
                source[std::size_t(y * w + x)] = y * w + x;
                queue.push_back(y * w + x);
            }
    if (queue.empty() || queue.size() == source.size()) return;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int at = queue[next], x = at % w, y = at / w;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                int& to = source[std::size_t(ny * w + nx)];
                if (to >= 0) continue;
                to = source[std::size_t(at)];
                queue.push_back(ny * w + nx);
            }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int from = source[std::size_t(y * w + x)];
            if (from != y * w + x)
                grid.at(inside.left() + x, inside.top() + y) =
                    grid.at(inside.left() + from % w, inside.top() + from / w);
        }
}

void MultiplyColoursByAlpha(PixelGrid& grid) {
    if (!grid.hasAlpha()) return;
    for (int y = 0; y < grid.height(); ++y) {
        Bgr* row = grid.row(y);
        const uint8_t* alpha = grid.alphaRow(y);
        for (int x = 0; x < grid.width(); ++x) {
            const int a = alpha[x];
            row[x] = {uint8_t((row[x].b * a + 127) / 255), uint8_t((row[x].g * a + 127) / 255),
                      uint8_t((row[x].r * a + 127) / 255)};
        }
    }
}

}  // namespace tessella::pixels
