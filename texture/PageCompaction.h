#pragma once
// "Compacter la texture": the page's elements placed again by the rectangle packer within the
// page's width, the page as short as the packer can make it.

#include <QPoint>
#include <optional>
#include <vector>

#include "texture/AtlasData.h"
#include "texture/PageBitmap.h"

namespace tessella::texture {

struct CompactedPage {
    PageBitmap bitmap;  // as wide as the page, free where no element lies (PageBitmap::freeArea)
    std::vector<AtlasFrame> frames;  // the same names, in the same order, at their new places
};

// The first texel (row by row) outside every frame that is not free area, white or magenta:
// an element the list does not name, which compaction would lose. Nothing when there is none.
std::optional<QPoint> TexelOutsideFrames(const PageBitmap& page,
                                         const std::vector<AtlasFrame>& frames);

// The page with its frames packed again; nothing when that would not make it shorter. Every
// frame must lie inside the page.
std::optional<CompactedPage> CompactPage(const PageBitmap& page,
                                         const std::vector<AtlasFrame>& frames);

}  // namespace tessella::texture
