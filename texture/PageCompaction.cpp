#include "texture/PageCompaction.h"

#include <algorithm>
#include <utility>

#include "platform/ColourValue.h"
#include "texture/RectPacker.h"

namespace tessella::texture {

std::optional<QPoint> TexelOutsideFrames(const PageBitmap& page,
                                         const std::vector<AtlasFrame>& frames) {
    std::vector<QRect> byTop;
    byTop.reserve(frames.size());
    for (const AtlasFrame& f : frames) byTop.push_back(f.rect);
    std::sort(byTop.begin(), byTop.end(),
              [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
    std::vector<QRect> active;                         // the frames the row crosses
    std::vector<std::pair<int32_t, int32_t>> covered;  // their [from, to) spans, by x
    size_t entering = 0;
    for (int32_t y = 0; y < page.height(); ++y) {
        // The spans change only where a frame starts or ends.
        const size_t before = active.size();
        std::erase_if(active, [y](const QRect& r) { return r.bottom() < y; });
        bool changed = active.size() != before;
        for (; entering < byTop.size() && byTop[entering].top() <= y; ++entering, changed = true)
            active.push_back(byTop[entering]);
        if (changed) {
            covered.clear();
            for (const QRect& r : active) covered.emplace_back(r.left(), r.right() + 1);
            std::sort(covered.begin(), covered.end());
        }
        const uint8_t* row = page.row(y);
        size_t next = 0;
        for (int32_t x = 0; x < page.width(); ++x) {
            while (next < covered.size() && covered[next].second <= x) ++next;
            if (next < covered.size() && covered[next].first <= x) {
                x = covered[next].second - 1;  // the element's own texels
                continue;
            }
            // Free area is white (a new page's border, a picture's background) or magenta
            // (where the page grew): blue and red full, green full or none.
            const uint8_t* t = row + 3 * static_cast<size_t>(x);
            if (t[0] != 0xff || t[2] != 0xff || (t[1] != 0 && t[1] != 0xff)) return QPoint(x, y);
        }
    }
    return std::nullopt;
}

std::optional<CompactedPage> CompactPage(const PageBitmap& page,
                                         const std::vector<AtlasFrame>& frames) {
    std::vector<QSize> sizes;
    sizes.reserve(frames.size());
    for (const AtlasFrame& f : frames) sizes.push_back(f.rect.size());
    const Packing packing = PackIntoWidth(sizes, page.width());
    if (packing.size.height() >= page.height()) return std::nullopt;
    CompactedPage out{PageBitmap::freeArea(page.width(), packing.size.height(), page.hasAlpha()),
                      frames};
    for (size_t i = 0; i < frames.size(); ++i) {
        const QRect from = frames[i].rect;
        const QPoint to = packing.positions[i];
        out.bitmap.drawFrom(page, from, to);
        out.frames[i].rect = QRect(to, from.size());
    }
    return out;
}

}  // namespace tessella::texture
