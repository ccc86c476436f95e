#include "texture/PageCompaction.h"

#include "texture/RectPacker.h"

namespace tessella::texture {

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
