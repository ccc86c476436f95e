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

    // Each entry starts a run of the area on its row; a run is widened both ways, painted,
    // and the runs above and below it are queued.
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint at = pending.back();
        pending.pop_back();
        const int y = at.y();
        uint8_t* marks = open.row(y);
        if (!marks[at.x()]) continue;
        int left = at.x();
        while (left > 0 && marks[left - 1]) --left;
        const auto* end = static_cast<const uint8_t*>(std::memchr(marks + at.x(), 0, size_t(w - at.x())));
        const int right = (end ? int(end - marks) : w) - 1;
        // Both neighbour rows are read before this run is painted.
        uint8_t* above = y > 0 ? open.row(y - 1) : nullptr;
        uint8_t* below = y < h - 1 ? open.row(y + 1) : nullptr;
        std::memset(marks + left, 0, size_t(right - left + 1));
        uchar* row = bits + y * stride;
        if (pattern.solid) {
            std::memcpy(row + left * 3, fillRow.data() + left * 3, size_t(right - left + 1) * 3);
        } else {
            const auto& tileRow = pattern.on[size_t(y % kPatternSide)];
            for (int x = left; x <= right; ++x)
                if (tileRow[size_t(x % kPatternSide)]) std::memcpy(row + x * 3, fill, 3);
        }
        for (auto [neighbour, ny] : {std::pair{above, y - 1}, std::pair{below, y + 1}}) {
            if (!neighbour) continue;
            // The start of each open run over [left, right]; long stretches are skipped with
            // memchr, short runs looked at byte by byte.
            for (int x = left; x <= right;) {
                if (!neighbour[x]) {
                    const auto* found = static_cast<const uint8_t*>(
                        std::memchr(neighbour + x, 1, size_t(right - x + 1)));
                    if (!found) break;
                    x = int(found - neighbour);
                }
                pending.emplace_back(x, ny);
                while (x <= right && neighbour[x]) {
                    if (right - x > 64) {
                        const auto* gap = static_cast<const uint8_t*>(
                            std::memchr(neighbour + x, 0, size_t(right - x + 1)));
                        x = gap ? int(gap - neighbour) : right + 1;
                        break;
                    }
                    ++x;
                }
            }
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
