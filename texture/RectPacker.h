#pragma once
// Packing rectangles without rotation, by MaxRects (Jylänki, "A Thousand Ways to Pack the Bin"):
// into a given width with the height as small as found (a page), into the smallest bin found
// under limits (an atlas), or into as many such bins as it takes. Several heuristics, orders
// and bin sizes are tried and the smallest result kept; the same input always gives the same
// layout.

#include <QPoint>
#include <QSize>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessella::texture {

struct BinLimits {
    int32_t maxWidth = 4096;  // the whole bin, lead included
    int32_t maxHeight = 4096;
    // Room kept free along the left and top edges, before any rectangle.
    int32_t lead = 0;
    bool powerOfTwo = false;  // both sides of the bin are powers of two
    bool square = false;
};

struct Packing {
    QSize size;  // the bin: lead plus what the rectangles take, grown to the limits' shape
    std::vector<QPoint> positions;  // the top-left corner of each rectangle, in the order given
};

struct PackedBin {
    Packing packing;           // positions[k] is where rectangle indices[k] lies
    std::vector<int> indices;  // ascending
};

// The largest power of two not above value (at least 1).
int32_t PowerOfTwoFloor(int32_t value);
// The smallest power of two not below value.
int64_t PowerOfTwoCeil(int64_t value);

// The largest bin the limits allow, shape included (powers of two, square).
QSize LargestBin(const BinLimits& limits);
// True when a rectangle of size fits an empty bin under limits.
bool FitsEmptyBin(QSize size, const BinLimits& limits);

// Every rectangle (none wider than width) into a bin width wide, as short as found. The height
// of the result is the lowest bottom edge; its width is width.
Packing PackIntoWidth(const std::vector<QSize>& sizes, int32_t width);

// Every rectangle into the smallest bin found under limits (least area, then the least longer
// side); nothing when they do not all fit one bin.
std::optional<Packing> PackIntoSmallestBin(const std::vector<QSize>& sizes,
                                           const BinLimits& limits);

// Every rectangle into bins under limits: one bin when they fit one, else bins filled one after
// the other, largest rectangles first, each then made as small as found. Every rectangle must
// pass FitsEmptyBin.
std::vector<PackedBin> PackIntoBins(const std::vector<QSize>& sizes, const BinLimits& limits);

}  // namespace tessella::texture
