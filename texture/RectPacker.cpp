#include "texture/RectPacker.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace tessella::texture {

namespace {

struct Rect {
    int32_t x = 0, y = 0, w = 0, h = 0;
    int32_t right() const { return x + w; }
    int32_t bottom() const { return y + h; }
    bool contains(const Rect& o) const {
        return o.x >= x && o.y >= y && o.right() <= right() && o.bottom() <= bottom();
    }
    bool intersects(const Rect& o) const {
        return o.x < right() && x < o.right() && o.y < bottom() && y < o.bottom();
    }
};

enum class Heuristic { BestShortSideFit, BestLongSideFit, BestAreaFit, BottomLeft, ContactPoint };

// Lower is better: the heuristic's own score, then its tie-break.
struct Score {
    int64_t primary = INT64_MAX, secondary = INT64_MAX;
    bool operator<(const Score& o) const {
        return primary != o.primary ? primary < o.primary : secondary < o.secondary;
    }
};

int32_t Overlap(int32_t a0, int32_t a1, int32_t b0, int32_t b1) {
    return std::max(0, std::min(a1, b1) - std::max(a0, b0));
}

// One bin of fixed size: the maximal free rectangles, none inside another.
class MaxRectsBin {
  public:
    MaxRectsBin(int32_t width, int32_t height, Heuristic heuristic)
        : width_(width), height_(height), heuristic_(heuristic) {
        free_.push_back({0, 0, width, height});
    }

    // Places a w x h rectangle where the heuristic likes it best; false when none is free.
    bool insert(int32_t w, int32_t h, QPoint& at) {
        Score best;
        const Rect* chosen = nullptr;
        for (const Rect& f : free_) {
            if (w > f.w || h > f.h) continue;
            const Score s = score(f, w, h);
            if (s < best) {
                best = s;
                chosen = &f;
            }
        }
        if (!chosen) return false;
        const Rect placed{chosen->x, chosen->y, w, h};
        split(placed);
        if (heuristic_ == Heuristic::ContactPoint) used_.push_back(placed);
        at = QPoint(placed.x, placed.y);
        return true;
    }

  private:
    Score score(const Rect& f, int32_t w, int32_t h) const {
        const int64_t across = f.w - w, down = f.h - h;
        switch (heuristic_) {
            case Heuristic::BestShortSideFit:
                return {std::min(across, down), std::max(across, down)};
            case Heuristic::BestLongSideFit:
                return {std::max(across, down), std::min(across, down)};
            case Heuristic::BestAreaFit:
                return {int64_t{f.w} * f.h - int64_t{w} * h, std::min(across, down)};
            case Heuristic::BottomLeft:
                return {int64_t{f.y} + h, f.x};
            case Heuristic::ContactPoint:
                return {-contact({f.x, f.y, w, h}), int64_t{f.y} + h};
        }
        return {};
    }

    // How much of r's outline touches the bin's edges or placed rectangles.
    int64_t contact(const Rect& r) const {
        int64_t touch = 0;
        if (r.x == 0 || r.right() == width_) touch += r.h;
        if (r.y == 0 || r.bottom() == height_) touch += r.w;
        for (const Rect& u : used_) {
            if (u.x == r.right() || u.right() == r.x)
                touch += Overlap(r.y, r.bottom(), u.y, u.bottom());
            if (u.y == r.bottom() || u.bottom() == r.y)
                touch += Overlap(r.x, r.right(), u.x, u.right());
        }
        return touch;
    }

    // Cuts placed out of every free rectangle it meets. The pieces lie inside the rectangle they
    // came from, so no old rectangle can lie inside a piece: only pieces need the containment test.
    void split(const Rect& placed) {
        pieces_.clear();
        for (size_t i = 0; i < free_.size();) {
            const Rect f = free_[i];
            if (!f.intersects(placed)) {
                ++i;
                continue;
            }
            if (placed.x > f.x) pieces_.push_back({f.x, f.y, placed.x - f.x, f.h});
            if (placed.right() < f.right())
                pieces_.push_back({placed.right(), f.y, f.right() - placed.right(), f.h});
            if (placed.y > f.y) pieces_.push_back({f.x, f.y, f.w, placed.y - f.y});
            if (placed.bottom() < f.bottom())
                pieces_.push_back({f.x, placed.bottom(), f.w, f.bottom() - placed.bottom()});
            free_[i] = free_.back();
            free_.pop_back();
        }
        const size_t kept = free_.size();
        for (size_t i = 0; i < pieces_.size(); ++i) {
            const Rect& p = pieces_[i];
            bool inside = false;
            for (size_t k = 0; k < kept && !inside; ++k) inside = free_[k].contains(p);
            // Among the pieces, an equal one later in the list is the one kept.
            for (size_t k = 0; k < pieces_.size() && !inside; ++k)
                inside = k != i && pieces_[k].contains(p) && (!p.contains(pieces_[k]) || k > i);
            if (!inside) free_.push_back(p);
        }
    }

    int32_t width_, height_;
    Heuristic heuristic_;
    std::vector<Rect> free_;
    std::vector<Rect> pieces_;
    std::vector<Rect> used_;
};

// Large sets: the bottom-left skyline, whose outline grows with the bin's width rather than
// with the number of holes, so each placement stays cheap however many rectangles came before.
class SkylineBin {
  public:
    SkylineBin(int32_t width, int32_t height) : width_(width), height_(height) {
        line_.push_back({0, 0, width});
    }

    bool insert(int32_t w, int32_t h, QPoint& at) {
        int64_t bestTop = INT64_MAX;
        size_t bestIndex = 0;
        int32_t bestY = 0;
        for (size_t i = 0; i < line_.size() && line_[i].x + w <= width_; ++i) {
            int32_t y = 0;
            for (size_t k = i, covered = 0; covered < static_cast<size_t>(w); ++k) {
                y = std::max(y, line_[k].y);
                covered = static_cast<size_t>(line_[k].x + line_[k].w - line_[i].x);
            }
            const int64_t top = int64_t{y} + h;
            if (top <= height_ && top < bestTop) {
                bestTop = top;
                bestIndex = i;
                bestY = y;
            }
        }
        if (bestTop == INT64_MAX) return false;
        const int32_t x = line_[bestIndex].x;
        place(bestIndex, {x, bestY + h, w});
        at = QPoint(x, bestY);
        return true;
    }

  private:
    struct Segment {
        int32_t x, y, w;
    };

    // The new segment replaces what it covers from index on; neighbours at its height merge.
    void place(size_t index, Segment top) {
        size_t end = index;
        while (end < line_.size() && line_[end].x + line_[end].w <= top.x + top.w) ++end;
        if (end < line_.size() && line_[end].x < top.x + top.w) {
            const int32_t cut = top.x + top.w - line_[end].x;
            line_[end].x += cut;
            line_[end].w -= cut;
        }
        line_.erase(line_.begin() + static_cast<std::ptrdiff_t>(index),
                    line_.begin() + static_cast<std::ptrdiff_t>(end));
        line_.insert(line_.begin() + static_cast<std::ptrdiff_t>(index), top);
        for (size_t i = index > 0 ? index - 1 : 0; i + 1 < line_.size() && i <= index + 1;) {
            if (line_[i].y == line_[i + 1].y) {
                line_[i].w += line_[i + 1].w;
                line_.erase(line_.begin() + static_cast<std::ptrdiff_t>(i + 1));
            } else {
                ++i;
            }
        }
    }

    int32_t width_, height_;
    std::vector<Segment> line_;
};

// Above this many rectangles the skyline packs instead of the free rectangles: MaxRects' list
// of free rectangles grows with the holes, and with it the cost of every placement.
constexpr size_t kMaxRectsMost = 1024;

constexpr std::array kHeuristics = {Heuristic::BestShortSideFit, Heuristic::BottomLeft,
                                    Heuristic::BestAreaFit, Heuristic::BestLongSideFit,
                                    Heuristic::ContactPoint};
// The contact score looks at every placed rectangle: kept for small sets.
constexpr size_t kContactPointMost = 160;
// About how many rectangle placements one search may spend, and the fewest trial packings.
constexpr int64_t kPlacementBudget = 250000;
constexpr int64_t kFewestTrials = 12;

using Order = std::vector<int>;

// Largest first by several measures; the index makes every order total.
std::vector<Order> Orders(const std::vector<QSize>& sizes) {
    using Key = std::array<int64_t, 2>;
    const std::array<Key (*)(QSize), 5> keys = {
        [](QSize s) {
            return Key{int64_t{s.width()} * s.height(), std::max(s.width(), s.height())};
        },
        [](QSize s) {
            return Key{s.height(), s.width()};
        },
        [](QSize s) {
            return Key{s.width(), s.height()};
        },
        [](QSize s) {
            return Key{std::max(s.width(), s.height()), std::min(s.width(), s.height())};
        },
        [](QSize s) {
            return Key{int64_t{s.width()} + s.height(), s.height()};
        },
    };
    std::vector<Order> orders;
    for (const auto key : keys) {
        Order order(sizes.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return key(sizes[a]) > key(sizes[b]); });
        if (std::find(orders.begin(), orders.end(), order) == orders.end())
            orders.push_back(std::move(order));
    }
    return orders;
}

struct Trial {
    std::vector<QPoint> positions;
    int32_t usedWidth = 0, usedHeight = 0;
};

std::optional<Trial> TryPack(const std::vector<QSize>& sizes, const Order& order, int32_t width,
                             int32_t height, Heuristic heuristic) {
    Trial t;
    t.positions.resize(sizes.size());
    std::optional<MaxRectsBin> rects;
    std::optional<SkylineBin> skyline;
    if (sizes.size() > kMaxRectsMost)
        skyline.emplace(width, height);
    else
        rects.emplace(width, height, heuristic);
    for (const int i : order) {
        const QSize s = sizes[i];
        QPoint& at = t.positions[i];
        if (!(skyline ? skyline->insert(s.width(), s.height(), at)
                      : rects->insert(s.width(), s.height(), at)))
            return std::nullopt;
        t.usedWidth = std::max(t.usedWidth, t.positions[i].x() + s.width());
        t.usedHeight = std::max(t.usedHeight, t.positions[i].y() + s.height());
    }
    return t;
}

// The search for the smallest bin: trial packings over bin sizes, orders and heuristics, within
// a budget of trials that shrinks as the set grows.
class BinSearch {
  public:
    BinSearch(const std::vector<QSize>& sizes, const BinLimits& limits, bool fixedWidth)
        : sizes_(sizes), limits_(limits), fixedWidth_(fixedWidth), orders_(Orders(sizes)) {
        for (const Heuristic h : kHeuristics)
            if (h != Heuristic::ContactPoint || sizes.size() <= kContactPointMost)
                heuristics_.push_back(h);
        if (sizes.size() > kMaxRectsMost) heuristics_.resize(1);  // the skyline has one
        const int64_t perTrial = std::max<int64_t>(1, static_cast<int64_t>(sizes.size()));
        trialsLeft_ = std::max(kFewestTrials, kPlacementBudget / perTrial);
        for (const QSize s : sizes) {
            area_ += int64_t{s.width()} * s.height();
            widest_ = std::max(widest_, s.width());
            tallest_ = std::max(tallest_, s.height());
        }
    }

    // Region sides are the bin's sides less the lead.
    int32_t widest() const { return widest_; }
    int32_t tallest() const { return tallest_; }
    int64_t area() const { return area_; }
    bool spent() const { return trialsLeft_ <= 0; }

    // The bin that a trial's used extent asks for.
    QSize binFor(int32_t usedWidth, int32_t usedHeight, int32_t regionWidth) const {
        int64_t w = int64_t{limits_.lead} + (fixedWidth_ ? regionWidth : usedWidth);
        int64_t h = int64_t{limits_.lead} + usedHeight;
        if (limits_.powerOfTwo) {
            w = PowerOfTwoCeil(w);
            h = PowerOfTwoCeil(h);
        }
        if (limits_.square) w = h = std::max(w, h);
        return QSize(static_cast<int>(w), static_cast<int>(h));
    }

    // Tries every order and heuristic in a region regionWidth wide, each with the least height
    // among heights (ascending) that packs, looking only for bins smaller than the best so far.
    template <typename Heights>
    void tryRegionWidth(int32_t regionWidth, const Heights& heights) {
        for (const Order& order : orders_)
            for (const Heuristic h : heuristics_) {
                if (spent()) return;
                tryCombination(order, h, regionWidth, heights);
            }
    }

    // Square bins: the region's side is sides[i] for both.
    template <typename Sides>
    void trySquare(const Sides& sides) {
        for (const Order& order : orders_)
            for (const Heuristic h : heuristics_) {
                if (spent()) return;
                int64_t lo = 0, hi = static_cast<int64_t>(sides.count()) - 1;
                while (hi >= 0 && best_ && !smaller(sides.bin(hi), best_->size)) --hi;
                while (lo <= hi && !spent()) {
                    const int64_t mid = lo + (hi - lo) / 2;
                    const int32_t side = sides.region(mid);
                    if (offer(TryPack(sizes_, order, side, side, h), side))
                        hi = mid - 1;
                    else
                        lo = mid + 1;
                    --trialsLeft_;
                }
            }
    }

    std::optional<Packing> take() { return std::move(best_); }

  private:
    template <typename Heights>
    void tryCombination(const Order& order, Heuristic h, int32_t regionWidth,
                        const Heights& heights) {
        int64_t lo = heights.firstAtLeast(std::max<int64_t>(
                    tallest_, (area_ + regionWidth - 1) / std::max(regionWidth, 1))),
                hi = static_cast<int64_t>(heights.count()) - 1;
        // Only heights whose bin could still beat the best are worth a trial.
        if (best_) {
            int64_t a = lo, b = hi, limit = lo - 1;
            while (a <= b) {
                const int64_t mid = a + (b - a) / 2;
                if (smaller(binFor(regionWidth, heights.region(mid), regionWidth), best_->size)) {
                    limit = mid;
                    a = mid + 1;
                } else {
                    b = mid - 1;
                }
            }
            hi = limit;
        }
        while (lo <= hi && !spent()) {
            const int64_t mid = lo + (hi - lo) / 2;
            const bool fits =
                offer(TryPack(sizes_, order, regionWidth, heights.region(mid), h), regionWidth);
            --trialsLeft_;
            if (fits)
                hi = mid - 1;
            else
                lo = mid + 1;
        }
    }

    // Keeps trial when its bin beats the best; true when it packed at all.
    bool offer(std::optional<Trial> trial, int32_t regionWidth) {
        if (!trial) return false;
        const QSize bin = binFor(trial->usedWidth, trial->usedHeight, regionWidth);
        if (!best_ || smaller(bin, best_->size)) {
            Packing p{bin, std::move(trial->positions)};
            for (QPoint& at : p.positions) at += QPoint(limits_.lead, limits_.lead);
            best_ = std::move(p);
        }
        return true;
    }

    static bool smaller(QSize a, QSize b) {
        const int64_t areaA = int64_t{a.width()} * a.height(),
                      areaB = int64_t{b.width()} * b.height();
        if (areaA != areaB) return areaA < areaB;
        const int32_t longA = std::max(a.width(), a.height()),
                      longB = std::max(b.width(), b.height());
        if (longA != longB) return longA < longB;
        return a.width() < b.width();
    }

    const std::vector<QSize>& sizes_;
    BinLimits limits_;
    bool fixedWidth_;
    std::vector<Order> orders_;
    std::vector<Heuristic> heuristics_;
    int64_t trialsLeft_ = 0;
    int64_t area_ = 0;
    int32_t widest_ = 0, tallest_ = 0;
    std::optional<Packing> best_;
};

// Every whole height from first to last.
struct HeightRange {
    int32_t first, last;
    size_t count() const { return last >= first ? static_cast<size_t>(last - first + 1) : 0; }
    int32_t region(int64_t i) const { return static_cast<int32_t>(first + i); }
    int64_t firstAtLeast(int64_t h) const { return std::max<int64_t>(0, h - first); }
};

// The region sides that bins of power-of-two sides leave after the lead.
struct PowerOfTwoSides {
    std::vector<int32_t> bins;
    int32_t lead;
    PowerOfTwoSides(int32_t fewest, int32_t most, int32_t leadSpace) : lead(leadSpace) {
        for (int64_t p = PowerOfTwoCeil(std::max<int64_t>(1, int64_t{fewest} + leadSpace));
             p <= most; p *= 2)
            bins.push_back(static_cast<int32_t>(p));
    }
    size_t count() const { return bins.size(); }
    int32_t region(int64_t i) const { return bins[static_cast<size_t>(i)] - lead; }
    QSize bin(int64_t i) const { return QSize(bins[i], bins[i]); }
    int64_t firstAtLeast(int64_t h) const {
        int64_t i = 0;
        while (i < static_cast<int64_t>(bins.size()) && region(i) < h) ++i;
        return i;
    }
};

// Square bins of every whole side from first to last (region sides).
struct SquareSides {
    int32_t first, last, lead;
    size_t count() const { return last >= first ? static_cast<size_t>(last - first + 1) : 0; }
    int32_t region(int64_t i) const { return static_cast<int32_t>(first + i); }
    QSize bin(int64_t i) const { return QSize(region(i) + lead, region(i) + lead); }
};

// Region widths to try, nearest the square root of the area first: a packing's useful widths
// are sums of rectangle widths, so candidates are multiples of their common divisor.
std::vector<int32_t> CandidateWidths(const std::vector<QSize>& sizes, int32_t widest, int64_t area,
                                     int32_t most) {
    int32_t step = 0;
    for (const QSize s : sizes) step = std::gcd(step, s.width());
    step = std::max(step, 1);
    const double root = std::sqrt(static_cast<double>(area));
    const int64_t low = std::max<int64_t>(widest, static_cast<int64_t>(root * 0.5));
    const int64_t high =
        std::min<int64_t>(most, std::max<int64_t>(low, static_cast<int64_t>(root * 2.5)));
    std::vector<int32_t> widths;
    // At most about 48 widths, spread evenly on the grid of the common divisor.
    const int64_t gridSteps = (high - low) / step + 1;
    const int64_t stride = std::max<int64_t>(1, (gridSteps + 47) / 48) * step;
    for (int64_t w = (low + step - 1) / step * step; w <= high; w += stride)
        widths.push_back(static_cast<int32_t>(w));
    if (widths.empty() || widths.back() != high) widths.push_back(static_cast<int32_t>(high));
    std::stable_sort(widths.begin(), widths.end(),
                     [&](int32_t a, int32_t b) { return std::abs(a - root) < std::abs(b - root); });
    return widths;
}

}  // namespace

int32_t PowerOfTwoFloor(int32_t value) {
    int32_t p = 1;
    while (p <= value / 2) p *= 2;
    return p;
}

int64_t PowerOfTwoCeil(int64_t value) {
    int64_t p = 1;
    while (p < value) p *= 2;
    return p;
}

QSize LargestBin(const BinLimits& limits) {
    int32_t w = limits.maxWidth, h = limits.maxHeight;
    if (limits.powerOfTwo) {
        w = PowerOfTwoFloor(w);
        h = PowerOfTwoFloor(h);
    }
    if (limits.square) w = h = std::min(w, h);
    return QSize(w, h);
}

bool FitsEmptyBin(QSize size, const BinLimits& limits) {
    const QSize most = LargestBin(limits);
    return size.width() >= 1 && size.height() >= 1 &&
           int64_t{limits.lead} + size.width() <= most.width() &&
           int64_t{limits.lead} + size.height() <= most.height();
}

Packing PackIntoWidth(const std::vector<QSize>& sizes, int32_t width) {
    if (sizes.empty()) return {QSize(width, 0), {}};
    BinLimits limits;
    limits.maxWidth = width;
    BinSearch search(sizes, limits, true);
    if (search.widest() > width) throw std::invalid_argument("rectangle wider than the bin");
    int64_t stacked = 0;
    for (const QSize s : sizes) stacked += s.height();
    const HeightRange heights{search.tallest(),
                              static_cast<int32_t>(std::min<int64_t>(stacked, INT32_MAX))};
    search.tryRegionWidth(width, heights);
    // The tallest height always packs (every rectangle stacked), so a result exists unless the
    // budget ran out before any trial reached it.
    if (auto best = search.take()) return *best;
    Trial t = *TryPack(sizes, Orders(sizes).front(), width, heights.last, Heuristic::BottomLeft);
    return {QSize(width, t.usedHeight), std::move(t.positions)};
}

std::optional<Packing> PackIntoSmallestBin(const std::vector<QSize>& sizes,
                                           const BinLimits& limits) {
    if (sizes.empty()) return Packing{QSize(limits.lead, limits.lead), {}};
    for (const QSize s : sizes)
        if (!FitsEmptyBin(s, limits)) return std::nullopt;
    BinSearch search(sizes, limits, false);
    const int32_t maxWidth = LargestBin(limits).width(), maxHeight = LargestBin(limits).height();
    if (limits.square) {
        const int32_t most = maxWidth;
        const int32_t fewest = std::max(
            {search.widest(), search.tallest(),
             static_cast<int32_t>(std::ceil(std::sqrt(static_cast<double>(search.area()))))});
        if (limits.powerOfTwo) {
            PowerOfTwoSides sides(fewest, most, limits.lead);
            search.trySquare(sides);
        } else {
            search.trySquare(SquareSides{fewest, most - limits.lead, limits.lead});
        }
        return search.take();
    }
    if (limits.powerOfTwo) {
        const PowerOfTwoSides widths(search.widest(), maxWidth, limits.lead);
        const PowerOfTwoSides heights(search.tallest(), maxHeight, limits.lead);
        // Widths nearest a square bin first.
        std::vector<int64_t> byWidth(widths.count());
        std::iota(byWidth.begin(), byWidth.end(), 0);
        const double root = std::sqrt(static_cast<double>(search.area()));
        std::stable_sort(byWidth.begin(), byWidth.end(), [&](int64_t a, int64_t b) {
            return std::abs(std::log2(widths.bins[a] / root)) <
                   std::abs(std::log2(widths.bins[b] / root));
        });
        for (const int64_t i : byWidth) search.tryRegionWidth(widths.region(i), heights);
        return search.take();
    }
    const HeightRange heights{search.tallest(), maxHeight - limits.lead};
    for (const int32_t w :
         CandidateWidths(sizes, search.widest(), search.area(), maxWidth - limits.lead)) {
        search.tryRegionWidth(w, heights);
        if (search.spent()) break;
    }
    return search.take();
}

std::vector<PackedBin> PackIntoBins(const std::vector<QSize>& sizes, const BinLimits& limits) {
    std::vector<PackedBin> bins;
    if (auto whole = PackIntoSmallestBin(sizes, limits)) {
        PackedBin bin{std::move(*whole), std::vector<int>(sizes.size())};
        std::iota(bin.indices.begin(), bin.indices.end(), 0);
        bins.push_back(std::move(bin));
        return bins;
    }
    const int32_t maxWidth = LargestBin(limits).width(), maxHeight = LargestBin(limits).height();
    std::vector<int> left(sizes.size());
    std::iota(left.begin(), left.end(), 0);
    std::stable_sort(left.begin(), left.end(), [&](int a, int b) {
        return int64_t{sizes[a].width()} * sizes[a].height() >
               int64_t{sizes[b].width()} * sizes[b].height();
    });
    while (!left.empty()) {
        MaxRectsBin fill(maxWidth - limits.lead, maxHeight - limits.lead,
                         Heuristic::BestShortSideFit);
        std::vector<int> taken, rest;
        std::vector<QPoint> filled(sizes.size());
        for (const int i : left)
            (fill.insert(sizes[i].width(), sizes[i].height(), filled[i]) ? taken : rest)
                .push_back(i);
        if (taken.empty()) throw std::invalid_argument("rectangle larger than the bin");
        std::sort(taken.begin(), taken.end());
        std::vector<QSize> own;
        for (const int i : taken) own.push_back(sizes[i]);
        std::optional<Packing> packing = PackIntoSmallestBin(own, limits);
        if (!packing) {  // the fill itself is a packing under the limits
            packing = Packing{QSize(maxWidth, maxHeight), {}};
            for (const int i : taken)
                packing->positions.push_back(filled[i] + QPoint(limits.lead, limits.lead));
        }
        bins.push_back({std::move(*packing), std::move(taken)});
        left = std::move(rest);
    }
    return bins;
}

}  // namespace tessella::texture
