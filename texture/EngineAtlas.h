#pragma once
// The atlas for a game engine: the page's elements packed again with room between them, each
// surrounded by a ring that repeats its border pixels, so that bilinear filtering and mipmaps
// never mix two elements.

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "texture/AtlasData.h"
#include "texture/PageBitmap.h"

namespace tessella::texture {

// The widest ring and gap accepted: far beyond what any mipmap chain needs.
inline constexpr int32_t kMaxEngineMargin = 256;
inline constexpr int32_t kDefaultEngineMaxWidth = 4096;

struct EngineAtlasSettings {
    int32_t padding = 2;  // clear pixels between two rings, and between a ring and the edges
    int32_t extrude = 2;  // ring width: border pixels repeated outwards
    int32_t maxWidth = kDefaultEngineMaxWidth;
};

// One element in the new atlas: frame.rect is its own pixels there (not the ring), source
// where they are on the page.
struct EngineCell {
    AtlasFrame frame;
    QRect source;
};

struct EngineLayout {
    QSize size;
    std::vector<EngineCell> cells;
};

// Shelf packing, tallest elements first (then widest, then by name): each ringed element sits
// padding pixels after the one before it on its shelf, shelves padding pixels apart, and
// padding pixels clear along all four edges, so that a repeating sampler meets the same gap
// across the atlas edges. The atlas is as wide as its widest shelf. Throws TessellaError, naming
// the element, when one cannot fit in maxWidth, and when the atlas would pass the pixel limit.
EngineLayout LayOutEngineAtlas(const std::vector<AtlasFrame>& frames,
                               const EngineAtlasSettings& settings);

// Copies source of page into atlas with its top-left at inner, and fills the extrude pixels
// around it with the nearest border pixel (corners take the corner pixel). Both pictures are
// atlas is Format_BGR888; the ring must lie inside atlas.
void DrawExtruded(const PageBitmap& page, const QRect& source, QImage& atlas, QPoint inner,
                  int32_t extrude);

// The atlas picture of layout, magenta wherever no element or ring lies.
QImage ComposeEngineAtlas(const PageBitmap& page, const EngineLayout& layout, int32_t extrude);

// Writes the atlas of page's frames to atlasPath (a .png, 24-bit) and its atlas data beside
// it, each through the atomic writer. Throws, writing nothing, when there are no frames, a
// frame lies outside the page, or either file would be pagePath's page or atlas data; throws
// when a file cannot be written.
void WriteEngineAtlas(const PageBitmap& page, const std::vector<AtlasFrame>& frames,
                      const EngineAtlasSettings& settings, const QString& atlasPath,
                      const QString& pagePath);

// The question of "Exporter pour moteur de jeu…" (a dialog in the window).
class EngineSettingsQuestion {
  public:
    virtual ~EngineSettingsQuestion() = default;
    // Shows the question modally; nothing when it was cancelled.
    virtual std::optional<EngineAtlasSettings> askEngineSettings() = 0;
};

}  // namespace tessella::texture
