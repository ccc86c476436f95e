#include "drawing/FloodFill.h"

#include <QPainter>
#include <array>
#include <cstring>
#include <memory>
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

// A solid fill: a pixel is still to paint while it has the area's colour, since the fill colour
// differs from it. The picture alone is read, so a fill that winds through narrow corridors
// touches one buffer, not two.
class SolidArea {
  public:
    SolidArea(QImage& picture, uint32_t target, const uchar fill[3], uint8_t* alpha)
        : bits_(picture.bits()),
          alpha_(alpha),
          stride_(picture.bytesPerLine()),
          w_(picture.width()),
          fillRow_(size_t(picture.width()) * 3) {
        for (int i = 0; i < 3; ++i) target_[i] = uchar(target >> (8 * i));
        for (size_t i = 0; i < sizeof block_; ++i) block_[i] = target_[i % 3];
        for (int x = 0; x < w_; ++x) std::memcpy(fillRow_.data() + x * 3, fill, 3);
    }

    void select(int y) {
        row_ = bits_ + y * stride_;
        alphaRow_ = alpha_ ? alpha_ + size_t(y) * w_ : nullptr;
    }
    bool open(int x) const {
        const uchar* p = row_ + x * 3;
        return p[0] == target_[0] && p[1] == target_[1] && p[2] == target_[2];
    }
    // The first closed pixel from x on (w when the row is open to its end).
    int runEnd(int x) const {
        for (const int first = std::min(w_, x + kBlock); x < first; ++x)
            if (!open(x)) return x;
        // A long run: a block of pixels at once.
        while (x + kBlock <= w_ && std::memcmp(row_ + x * 3, block_, sizeof block_) == 0)
            x += kBlock;
        while (x < w_ && open(x)) ++x;
        return x;
    }
    // Paints [left, right] of the selected row, which closes it.
    void paint(int left, int right) {
        std::memcpy(row_ + left * 3, fillRow_.data() + left * 3, size_t(right - left + 1) * 3);
        if (alphaRow_) std::memset(alphaRow_ + left, 255, size_t(right - left + 1));
    }

  private:
    static constexpr int kBlock = 16;
    uchar* bits_;
    uint8_t* alpha_;  // the plane of a picture with alpha (painted texels become opaque), or null
    qsizetype stride_;
    int w_;
    std::vector<uchar> fillRow_;  // one row of the fill colour, copied span by span
    uchar target_[3];
    uchar block_[kBlock * 3];  // kBlock pixels of the area's colour
    uchar* row_ = nullptr;
    uint8_t* alphaRow_ = nullptr;
};

// A hatched fill leaves pixels between its lines in the area's colour: the pixels still to
// paint are kept beside the picture, one byte each (1: of the area's colour and not painted
// yet); a row is read from the picture the first time the fill reaches it.
class HatchedArea {
  public:
    HatchedArea(QImage& picture, uint32_t target, const uchar fill[3], const Pattern& pattern,
                uint8_t* alpha)
        : bits_(picture.bits()),
          alpha_(alpha),
          stride_(picture.bytesPerLine()),
          target_(target),
          w_(picture.width()),
          pattern_(pattern),
          open_(new uint8_t[size_t(picture.width()) * size_t(picture.height())]),
          ready_(size_t(picture.height()), false) {
        std::memcpy(fill_, fill, 3);
    }

    void select(int y) {
        y_ = y;
        marks_ = open_.get() + size_t(y) * w_;
        if (ready_[size_t(y)]) return;
        const uchar* pixels = bits_ + y * stride_;
        // Four bytes read at once, the fourth dropped; the last pixel alone, as its row may end
        // the picture's buffer.
        for (int x = 0; x + 1 < w_; ++x) {
            uint32_t v;
            std::memcpy(&v, pixels + x * 3, 4);
            marks_[x] = (v & 0xFFFFFFu) == target_;
        }
        marks_[w_ - 1] = ColourAt(pixels + (w_ - 1) * 3) == target_;
        ready_[size_t(y)] = true;
    }
    bool open(int x) const { return marks_[x] != 0; }
    int runEnd(int x) const {
        const auto* end = static_cast<const uint8_t*>(std::memchr(marks_ + x, 0, size_t(w_ - x)));
        return end ? int(end - marks_) : w_;
    }
    void paint(int left, int right) {
        std::memset(marks_ + left, 0, size_t(right - left + 1));
        uchar* row = bits_ + y_ * stride_;
        const auto& tileRow = pattern_.on[size_t(y_ % kPatternSide)];
        for (int x = left; x <= right; ++x)
            if (tileRow[size_t(x % kPatternSide)]) {
                std::memcpy(row + x * 3, fill_, 3);
                if (alpha_) alpha_[size_t(y_) * w_ + x] = 255;
            }
    }

  private:
    uchar* bits_;
    uint8_t* alpha_;  // as in SolidArea
    qsizetype stride_;
    uint32_t target_;
    int w_;
    const Pattern& pattern_;
    uchar fill_[3];
    std::unique_ptr<uint8_t[]> open_;
    std::vector<bool> ready_;
    int y_ = 0;
    uint8_t* marks_ = nullptr;
};

// Span filling: each entry is a span [x1, x2] of row y whose row y - dy was just painted over
// it. Row y is looked at under the span, and where the painted runs reach past it, the row they
// came from is looked at again beyond the span only: no pixel is tested from the side it was
// reached from.
template <class Area>
void SpanFill(Area& area, QPoint seed, int h) {
    struct Span {
        int x1, x2, y, dy;
    };
    std::vector<Span> pending{{seed.x(), seed.x(), seed.y(), 1},
                              {seed.x(), seed.x(), seed.y() - 1, -1}};
    while (!pending.empty()) {
        auto [x1, x2, y, dy] = pending.back();
        pending.pop_back();
        if (y < 0 || y >= h) continue;
        area.select(y);
        int x = x1;
        if (area.open(x)) {
            int left = x;
            while (left > 0 && area.open(left - 1)) --left;
            if (left < x) {
                area.paint(left, x - 1);
                pending.push_back({left, x1 - 1, y - dy, -dy});
            }
            x = left;
        }
        while (x1 <= x2) {
            const int end = area.open(x1) ? area.runEnd(x1) : x1;
            if (end > x1) area.paint(x1, end - 1);
            if (end > x) pending.push_back({x, end - 1, y + dy, dy});
            if (end - 1 > x2) pending.push_back({x2 + 1, end - 1, y - dy, -dy});
            x1 = end + 1;
            while (x1 < x2 && !area.open(x1)) ++x1;
            x = x1;
        }
    }
}

void FillBgr(QImage& picture, QPoint seed, const QBrush& brush, uint8_t* alpha = nullptr) {
    const Pattern pattern = PatternOf(brush);
    if (!pattern.any) return;
    const QColor colour = brush.color();
    const uchar fill[3] = {uchar(colour.blue()), uchar(colour.green()), uchar(colour.red())};
    const uint32_t target = ColourAt(picture.constScanLine(seed.y()) + seed.x() * 3);
    if (pattern.solid) {
        if (target == ColourAt(fill)) return;
        SolidArea area(picture, target, fill, alpha);
        SpanFill(area, seed, picture.height());
    } else {
        HatchedArea area(picture, target, fill, pattern, alpha);
        SpanFill(area, seed, picture.height());
    }
}

}  // namespace

void FloodFill(QImage& picture, QPoint seed, const QBrush& brush) {
    if (!picture.rect().contains(seed)) return;
    if (picture.format() == QImage::Format_BGR888) {
        FillBgr(picture, seed, brush);
        return;
    }
    if (!picture.hasAlphaChannel()) {
        QImage work = picture.convertToFormat(QImage::Format_BGR888);
        FillBgr(work, seed, brush);
        picture = work.convertToFormat(picture.format());
        return;
    }
    // The area is found on the colours alone; the texels painted become opaque, the others keep
    // their alpha and their colour, hidden ones included (never premultiplied on the way).
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    QImage work = straight.convertToFormat(QImage::Format_BGR888);
    const int w = picture.width(), h = picture.height();
    std::vector<uint8_t> alpha(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        for (int x = 0; x < w; ++x) alpha[size_t(y) * w + x] = uint8_t(qAlpha(in[x]));
    }
    FillBgr(work, seed, brush, alpha.data());
    QImage result(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const uchar* in = work.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x)
            out[x] = qRgba(in[3 * x + 2], in[3 * x + 1], in[3 * x], alpha[size_t(y) * w + x]);
    }
    picture = result.convertToFormat(picture.format());
}

}  // namespace tessella::drawing
