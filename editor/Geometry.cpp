#include "editor/Geometry.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "editor/PixelShuffle.h"
#include "editor/RowBands.h"
#include "platform/CheckedMath.h"
#include "platform/ImageLimits.h"
#include "platform/Text.h"

namespace tessella::editor {

using pixels::Bgr;
using pixels::PixelGrid;

namespace {

// The rotation unpacks pixels from machine words.
static_assert(std::endian::native == std::endian::little);

// Rotation works in square tiles so that both the reads and the writes stay in cache.
constexpr int kTile = 32;
// The rows a turn's row source makes together: 64 target rows read 192 bytes (three cache
// lines) of each source row, and the block (400 KB for a 2048-pixel target) stays in the
// second-level cache until the writer has taken it.
constexpr int kBlockRows = 64;

// What the user asked for, before why it cannot be done.
constexpr platform::Text kMirrorWhat{QT_TRANSLATE_NOOP("Tessella", "Symétrie")};
constexpr platform::Text kDoubleWhat{QT_TRANSLATE_NOOP("Tessella", "Doublement")};

void CheckDoubled(int width, int height, int wFactor, int hFactor, const QString& what) {
    platform::CheckImageSize(platform::CheckedMul(width, wFactor),
                             platform::CheckedMul(height, hFactor), what);
}

// Stores or copies a pixel as four bytes, the fourth landing on the next pixel (rewritten later) or
// on the spare column that every row of a PixelGrid has.
inline void Store4(uint8_t* to, uint32_t v) {
    std::memcpy(to, &v, 4);
}

inline void Move4(uint8_t* to, const uint8_t* from) {
    uint32_t v;
    std::memcpy(&v, from, 4);
    std::memcpy(to, &v, 4);
}

size_t RowBytes(int width) {
    return static_cast<size_t>(width) * sizeof(Bgr);
}

// A quarter turn of source (w x h pixels, stride bytes from row to row), seen from the target
// (h x w): target (row y, column x) is source (row h-1-x, column y) clockwise, (row x, column
// w-1-y) counter-clockwise, so along a target row the source walks down or up a column.
struct TurnedSource {
    TurnedSource(const PixelGrid& src, bool clockwise)
        : base(reinterpret_cast<const uint8_t*>(src.row(0))),
          stride(static_cast<ptrdiff_t>(src.stride()) * 3),
          w(src.width()),
          h(src.height()),
          clockwise(clockwise) {}
    const uint8_t* base;
    ptrdiff_t stride;
    int w, h;
    bool clockwise;
};

// Turns the tile of target rows [ty, tyEnd) and columns [tx, txEnd) into out0, a block of rows
// outStride bytes apart whose row 0 is target row origin, with the spare columns of a PixelGrid.
void TurnTile(const TurnedSource& s, int ty, int tyEnd, int tx, int txEnd, uint8_t* out0,
              ptrdiff_t outStride, int origin) {
    const bool clockwise = s.clockwise;
    const ptrdiff_t step = clockwise ? -s.stride : s.stride;
    const ptrdiff_t firstRow = clockwise ? s.h - 1 - tx : tx;
    const auto target = [&](int y) { return out0 + (y - origin) * outStride + 3 * tx; };
    int y = ty;
    // Four target rows at a time take four neighbouring source pixels of one row, read as
    // twelve bytes (the spare columns cover the read past the last pixel). One pointer and a
    // fixed step between the four target rows: an array of four pointers stepped together went
    // through the stack on every pixel.
    const ptrdiff_t down = clockwise ? outStride : -outStride;
    for (; y + 4 <= tyEnd; y += 4) {
        const int column = clockwise ? y : s.w - 4 - y;
        const uint8_t* in = s.base + firstRow * s.stride + 3 * column;
        uint8_t* out = target(clockwise ? y : y + 3);
        for (int x = tx; x < txEnd; ++x, in += step, out += 3) {
            uint64_t low;
            uint32_t high;
            std::memcpy(&low, in, 8);
            std::memcpy(&high, in + 8, 4);
            Store4(out, static_cast<uint32_t>(low));
            Store4(out + down, static_cast<uint32_t>(low >> 24));
            Store4(out + 2 * down, static_cast<uint32_t>(low >> 48) | (high << 16));
            Store4(out + 3 * down, high >> 8);
        }
    }
    for (; y < tyEnd; ++y) {
        const int column = clockwise ? y : s.w - 1 - y;
        const uint8_t* in = s.base + firstRow * s.stride + 3 * column;
        uint8_t* out = target(y);
        for (int x = tx; x < txEnd; ++x, in += step, out += 3) Move4(out, in);
    }
}

// The alpha plane's counterpart of TurnTile: target rows [first, end) of src's plane turned,
// into out0 (row first there), rows outStride bytes apart. Eight target rows at a time take
// eight neighbouring bytes of one source row, read as one word; tiles of target columns keep
// the source rows one tile reads in cache while the block's rows take them.
void TurnAlphaRows(const PixelGrid& src, bool clockwise, int first, int end, uint8_t* out0,
                   size_t outStride) {
    const int w = src.width(), h = src.height();  // the target is h wide
    const uint8_t* plane = src.alphaRow(0);
    const auto sw = static_cast<ptrdiff_t>(w);
    const ptrdiff_t step = clockwise ? -sw : sw;
    // Target (row y, column x) is source (row h - 1 - x, column y) clockwise, (row x, column
    // w - 1 - y) counter-clockwise.
    const auto source = [&](int y, int x) {
        return clockwise ? plane + (h - 1 - x) * sw + y : plane + x * sw + (w - 1 - y);
    };
    const auto out = [&](int y) { return out0 + static_cast<size_t>(y - first) * outStride; };
    for (int tx = 0; tx < h; tx += kTile) {
        const int txEnd = std::min(tx + kTile, h);
        int y = first;
        for (; y + 8 <= end; y += 8) {
            // Clockwise the eight bytes are target rows y..y + 7 in order, counter-clockwise
            // y + 7..y.
            const uint8_t* in = clockwise ? source(y, tx) : source(y + 7, tx);
            uint8_t* rows[8];
            for (int k = 0; k < 8; ++k) rows[k] = out(clockwise ? y + k : y + 7 - k);
            for (int x = tx; x < txEnd; ++x, in += step) {
                uint64_t v;
                std::memcpy(&v, in, 8);
                for (int k = 0; k < 8; ++k) rows[k][x] = static_cast<uint8_t>(v >> (8 * k));
            }
        }
        for (; y < end; ++y) {
            const uint8_t* in = source(y, tx);
            uint8_t* o = out(y);
            for (int x = tx; x < txEnd; ++x, in += step) o[x] = *in;
        }
    }
}

}  // namespace

void RotateQuarter(pixels::WorkingPicture& work, Turn turn) {
    const TurnedSource source(work.image(), turn == Turn::Clockwise);
    const int w = source.w, h = source.h;
    PixelGrid& dst = work.scratch();
    dst.reshape(h, w);
    auto* out = reinterpret_cast<uint8_t*>(dst.row(0));
    const ptrdiff_t outStride = static_cast<ptrdiff_t>(dst.stride()) * 3;
    // Bands of whole tile rows of the target, side by side: each writes its own rows.
    const int tileRows = (w + kTile - 1) / kTile;
    const std::vector<int> cuts =
        BandCuts(tileRows, static_cast<size_t>(w) * static_cast<size_t>(h));
    RunBands(static_cast<int>(cuts.size()) - 1, [&](int band) {
        for (int ty = cuts[band] * kTile; ty < std::min(w, cuts[band + 1] * kTile); ty += kTile)
            for (int tx = 0; tx < h; tx += kTile)
                TurnTile(source, ty, std::min(ty + kTile, w), tx, std::min(tx + kTile, h), out,
                         outStride, 0);
    });
    if (work.image().hasAlpha()) {
        dst.addAlpha();
        const std::vector<int> alphaCuts = BandCuts(w, static_cast<size_t>(w) * h);
        RunBands(static_cast<int>(alphaCuts.size()) - 1, [&](int band) {
            TurnAlphaRows(work.image(), turn == Turn::Clockwise, alphaCuts[band],
                          alphaCuts[band + 1], dst.alphaRow(alphaCuts[band]),
                          static_cast<size_t>(h));
        });
    }
    work.adoptScratch();
}

void MirrorHorizontal(pixels::WorkingPicture& work) {
    PixelGrid& image = work.image();
    const int w = image.width(), h = image.height();
    std::vector<Bgr> reversed(static_cast<size_t>(w) + 1);  // with the spare byte it needs
    for (int y = 0; y < h; ++y) {
        ReverseRow(reinterpret_cast<const uint8_t*>(image.row(y)),
                   reinterpret_cast<uint8_t*>(reversed.data()), w);
        std::memcpy(image.row(y), reversed.data(), RowBytes(w));
    }
    if (!image.hasAlpha()) return;
    std::vector<uint8_t> reversedAlpha(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        ReverseBytes(image.alphaRow(y), reversedAlpha.data(), w);
        std::memcpy(image.alphaRow(y), reversedAlpha.data(), static_cast<size_t>(w));
    }
}

void FlipVertical(pixels::WorkingPicture& work) {
    PixelGrid& image = work.image();
    const size_t bytes = RowBytes(image.width());
    for (int top = 0, bottom = image.height() - 1; top < bottom; ++top, --bottom) {
        auto* a = reinterpret_cast<uint8_t*>(image.row(top));
        auto* b = reinterpret_cast<uint8_t*>(image.row(bottom));
        std::swap_ranges(a, a + bytes, b);
    }
    if (!image.hasAlpha()) return;
    for (int top = 0, bottom = image.height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(image.alphaRow(top), image.alphaRow(top) + image.width(),
                         image.alphaRow(bottom));
}

void MakeSymmetric(pixels::WorkingPicture& work, Symmetry symmetry) {
    const PixelGrid& src = work.image();
    const int w = src.width(), h = src.height();
    if (src.empty()) return;
    const bool fourFaces = symmetry == Symmetry::FourFaces;
    const int hFactor = fourFaces ? 2 : 1;
    CheckDoubled(w, h, 2, hFactor, kMirrorWhat);
    PixelGrid& dst = work.scratch();
    dst.reshape(2 * w, h * hFactor);
    for (int y = 0; y < h; ++y) {
        const Bgr* in = src.row(y);
        Bgr* out = dst.row(y);
        std::memcpy(out, in, RowBytes(w));
        ReverseRow(reinterpret_cast<const uint8_t*>(in), reinterpret_cast<uint8_t*>(out + w), w);
    }
    if (fourFaces)
        for (int y = 0; y < h; ++y)
            std::memcpy(dst.row(2 * h - 1 - y), dst.row(y), RowBytes(2 * w));
    if (src.hasAlpha()) {
        dst.addAlpha();
        for (int y = 0; y < h; ++y) {
            const uint8_t* in = src.alphaRow(y);
            uint8_t* out = dst.alphaRow(y);
            std::memcpy(out, in, static_cast<size_t>(w));
            ReverseBytes(in, out + w, w);
        }
        if (fourFaces)
            for (int y = 0; y < h; ++y)
                std::memcpy(dst.alphaRow(2 * h - 1 - y), dst.alphaRow(y),
                            2 * static_cast<size_t>(w));
    }
    work.adoptScratch();
}

void DoubleTile(pixels::WorkingPicture& work, TileDirection direction) {
    const PixelGrid& src = work.image();
    const int w = src.width(), h = src.height();
    if (src.empty()) return;
    const bool wide = direction == TileDirection::Right;
    CheckDoubled(w, h, wide ? 2 : 1, wide ? 1 : 2, kDoubleWhat);
    PixelGrid& dst = work.scratch();
    dst.reshape(wide ? 2 * w : w, wide ? h : 2 * h);
    for (int y = 0; y < h; ++y) {
        std::memcpy(dst.row(y), src.row(y), RowBytes(w));
        if (wide)
            std::memcpy(dst.row(y) + w, src.row(y), RowBytes(w));
        else
            std::memcpy(dst.row(h + y), src.row(y), RowBytes(w));
    }
    if (src.hasAlpha()) {
        // The plane's rows are contiguous: a tile to the right repeats each row, one below the
        // whole plane.
        dst.addAlpha();
        const auto width = static_cast<size_t>(w);
        for (int y = 0; y < h; ++y) {
            std::memcpy(dst.alphaRow(y), src.alphaRow(y), width);
            std::memcpy(wide ? dst.alphaRow(y) + w : dst.alphaRow(h + y), src.alphaRow(y), width);
        }
    }
    work.adoptScratch();
}

MovedRows::MovedRows(const PixelGrid& source, Move move) : source_(source), move_(move) {
    const bool turn = move == Move::TurnClockwise || move == Move::TurnCounterClockwise;
    width_ = turn ? source.height() : source.width();
    height_ = turn ? source.width() : source.height();
    if (source.empty()) return;
    if (turn)
        block_.resize(width_, std::min(kBlockRows, height_));
    else if (move == Move::Mirror)
        block_.resize(width_, 1);  // with the spare byte ReverseRow needs
    if (source.hasAlpha() && move != Move::Flip)
        alphaBlock_.resize(static_cast<size_t>(width_) *
                           static_cast<size_t>(turn ? std::min(kBlockRows, height_) : 1));
}

const uint8_t* MovedRows::alphaRow(int y) {
    switch (move_) {
        case Move::Flip:
            return source_.alphaRow(height_ - 1 - y);
        case Move::Mirror:
            ReverseBytes(source_.alphaRow(y), alphaBlock_.data(), width_);
            return alphaBlock_.data();
        case Move::TurnClockwise:
        case Move::TurnCounterClockwise:
            break;
    }
    if (alphaFirst_ < 0 || y < alphaFirst_ || y >= alphaFirst_ + kBlockRows) {
        alphaFirst_ = y / kBlockRows * kBlockRows;
        TurnAlphaRows(source_, move_ == Move::TurnClockwise, alphaFirst_,
                      std::min(alphaFirst_ + kBlockRows, height_), alphaBlock_.data(),
                      static_cast<size_t>(width_));
    }
    return alphaBlock_.data() + static_cast<size_t>(y - alphaFirst_) * width_;
}

const uint8_t* MovedRows::row(int y) {
    switch (move_) {
        case Move::Flip:
            return reinterpret_cast<const uint8_t*>(source_.row(height_ - 1 - y));
        case Move::Mirror:
            ReverseRow(reinterpret_cast<const uint8_t*>(source_.row(y)),
                       reinterpret_cast<uint8_t*>(block_.row(0)), width_);
            return reinterpret_cast<const uint8_t*>(block_.row(0));
        case Move::TurnClockwise:
        case Move::TurnCounterClockwise:
            break;
    }
    if (blockFirst_ < 0 || y < blockFirst_ || y >= blockFirst_ + block_.height()) {
        blockFirst_ = y / kBlockRows * kBlockRows;
        const TurnedSource source(source_, move_ == Move::TurnClockwise);
        const int end = std::min(blockFirst_ + kBlockRows, height_);
        // Tiles as wide as the block: the strip of source rows that one tile reads (32 rows of
        // 192 bytes) stays in the first-level cache for all the block's rows.
        for (int tx = 0; tx < source.h; tx += kTile)
            TurnTile(source, blockFirst_, end, tx, std::min(tx + kTile, source.h),
                     reinterpret_cast<uint8_t*>(block_.row(0)),
                     static_cast<ptrdiff_t>(block_.stride()) * 3, blockFirst_);
    }
    return reinterpret_cast<const uint8_t*>(block_.row(y - blockFirst_));
}

}  // namespace tessella::editor
