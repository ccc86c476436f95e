#include "drawing/FloodFill.h"

#include <QPainter>
#include <array>
#include <memory>
#include <cstring>
#include <vector>

namespace tessella::drawing {

namespace {

constexpr int kPatternSide = 8;  // Qt's hatch patterns repeat every 8 pixels

// Which pixels of an 8 x 8 tile the brush paints.
struct Pattern {
    std::array<std::array<bool, kPatternSide>, kPatternSide> on{};
    bool any = false;
    bool solid = true;
};

Pattern PatternOf(const QBrush& brush) {
    Pattern pattern;
    if (brush.style() == Qt::NoBrush) {
        pattern.solid = false;
        return pattern;
    }
    QImage tile(kPatternSide, kPatternSide, QImage::Format_ARGB32);
    tile.fill(Qt::transparent);
    {
        QPainter p(&tile);
        p.fillRect(tile.rect(), QBrush(Qt::black, brush.style()));
    }
    for (int y = 0; y < kPatternSide; ++y)
        for (int x = 0; x < kPatternSide; ++x) {
            const bool on = qAlpha(tile.pixel(x, y)) != 0;
            pattern.on[y][x] = on;
            pattern.any |= on;
            pattern.solid &= on;
        }
    return pattern;
}

inline uint32_t ColourAt(const uchar* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
}

// The pixels still to paint, one byte each (1: of the area's colour and not painted yet); a
// row is read from the picture the first time the fill reaches it.
class OpenPixels {
  public:
    OpenPixels(const QImage& picture, uint32_t target)
        : picture_(picture), target_(target), w_(picture.width()),
          open_(new uint8_t[size_t(picture.width()) * size_t(picture.height())]),
          ready_(size_t(picture.height()), false) {}

    uint8_t* row(int y) {
        uint8_t* open = open_.get() + size_t(y) * w_;
        if (!ready_[size_t(y)]) {
            const uchar* pixels = picture_.constScanLine(y);
            // Four bytes read at once, the fourth dropped; the last pixel alone, as its row
            // may end the picture's buffer.
            for (int x = 0; x + 1 < w_; ++x) {
                uint32_t v;
                std::memcpy(&v, pixels + x * 3, 4);
                open[x] = (v & 0xFFFFFFu) == target_;
            }
            open[w_ - 1] = ColourAt(pixels + (w_ - 1) * 3) == target_;
            ready_[size_t(y)] = true;
        }
        return open;
    }

  private:
    const QImage& picture_;
    uint32_t target_;
    int w_;
    std::unique_ptr<uint8_t[]> open_;
    std::vector<bool> ready_;
};

void FillBgr(QImage& picture, QPoint seed, const QBrush& brush) {
    const Pattern pattern = PatternOf(brush);
    if (!pattern.any) return;
    const QColor colour = brush.color();
    const uchar fill[3] = {uchar(colour.blue()), uchar(colour.green()), uchar(colour.red())};
    const uint32_t target = ColourAt(picture.constScanLine(seed.y()) + seed.x() * 3);
    if (pattern.solid && target == ColourAt(fill)) return;

    // Reads go through the open rows, built before their pixels are painted.
    const int w = picture.width(), h = picture.height();
    uchar* bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    OpenPixels open(picture, target);
    // One row of the fill colour, copied span by span.
    std::vector<uchar> fillRow(size_t(w) * 3);
    for (int x = 0; x < w; ++x) std::memcpy(fillRow.data() + x * 3, fill, 3);

    // Paints an open run of row y and closes it.
    auto paint = [&](uint8_t* marks, int y, int left, int right) {
        std::memset(marks + left, 0, size_t(right - left + 1));
        uchar* row = bits + y * stride;
        if (pattern.solid) {
            std::memcpy(row + left * 3, fillRow.data() + left * 3, size_t(right - left + 1) * 3);
        } else {
            const auto& tileRow = pattern.on[size_t(y % kPatternSide)];
            for (int x = left; x <= right; ++x)
                if (tileRow[size_t(x % kPatternSide)]) std::memcpy(row + x * 3, fill, 3);
        }
    };
    // The first closed pixel of marks from x on (w when the row is open to its end).
    auto runEnd = [w](const uint8_t* marks, int x) {
        const auto* end = static_cast<const uint8_t*>(std::memchr(marks + x, 0, size_t(w - x)));
        return end ? int(end - marks) : w;
    };

    // Span filling: each entry is a span [x1, x2] of row y whose row y - dy was just painted
    // over it. Row y is looked at under the span, and where the painted runs reach past it, the
    // row they came from is looked at again beyond the span only: no pixel is tested from the
    // side it was reached from.
    struct Span {
        int x1, x2, y, dy;
    };
    std::vector<Span> pending{{seed.x(), seed.x(), seed.y(), 1},
                              {seed.x(), seed.x(), seed.y() - 1, -1}};
    while (!pending.empty()) {
        auto [x1, x2, y, dy] = pending.back();
        pending.pop_back();
        if (y < 0 || y >= h) continue;
        uint8_t* marks = open.row(y);
        int x = x1;
        if (marks[x]) {
            int left = x;
            while (left > 0 && marks[left - 1]) --left;
            if (left < x) {
                paint(marks, y, left, x - 1);
                pending.push_back({left, x1 - 1, y - dy, -dy});
            }
            x = left;
        }
        while (x1 <= x2) {
            const int end = marks[x1] ? runEnd(marks, x1) : x1;
            if (end > x1) paint(marks, y, x1, end - 1);
            if (end > x) pending.push_back({x, end - 1, y + dy, dy});
            if (end - 1 > x2) pending.push_back({x2 + 1, end - 1, y - dy, -dy});
            x1 = end + 1;
            while (x1 < x2 && !marks[x1]) ++x1;
            x = x1;
        }
    }
}

}  // namespace

void FloodFill(QImage& picture, QPoint seed, const QBrush& brush) {
    if (!picture.rect().contains(seed)) return;
    if (picture.format() == QImage::Format_BGR888) {
        FillBgr(picture, seed, brush);
        return;
    }
    QImage work = picture.convertToFormat(QImage::Format_BGR888);
    FillBgr(work, seed, brush);
    picture = work.convertToFormat(picture.format());
}

}  // namespace tessella::drawing
