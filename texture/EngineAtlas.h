#pragma once
// The atlas for a game engine: the page's elements packed again with room between them, each
// surrounded by a ring that repeats its border pixels, so that bilinear filtering and mipmaps
// never mix two elements.

#include <QImage>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "editor/NormalMap.h"
#include "imagefile/GpuTexture.h"
#include "pixels/PixelGrid.h"
#include "texture/AtlasData.h"
#include "texture/PageBitmap.h"

namespace tessella::texture {

// The widest ring and gap accepted: far beyond what any mipmap chain needs.
inline constexpr int32_t kMaxEngineMargin = 256;
inline constexpr int32_t kDefaultEngineMaxSize = 4096;
// Level 10 already asks every element to start on a multiple of 1024.
inline constexpr int32_t kMaxEngineMipLevels = 10;

struct EngineAtlasSettings {
    int32_t padding = 2;  // clear pixels between two rings, and between a ring and the edges
    int32_t extrude = 2;  // ring width: border pixels repeated outwards
    int32_t maxWidth = kDefaultEngineMaxSize;  // each atlas fits in maxWidth x maxHeight
    int32_t maxHeight = kDefaultEngineMaxSize;
    bool powerOfTwo = false;  // both sides powers of two
    bool square = false;
    // The mipmap levels the atlas stays clean for: each element starts on a multiple of
    // 2^mipLevels and its ring is wide enough that, halved that many times with a 2 x 2 box
    // filter, no texel it touches, nor the texels around those, holds another element or the
    // background. Padding and ring then grow to multiples of 2^mipLevels.
    int32_t mipLevels = 0;
    // A normal map beside each atlas, in its layout: each element's map made from its own
    // pixels, wrapping within it, with the same ring.
    bool normalMap = false;
    editor::NormalMapSettings normal{};
    // The blocks of an atlas written as .dds or .ktx2 (its normal map takes BC5, the same
    // ASTC blocks in the normal-map mode, or plain pixels with Rgb). Its mip chain stops at
    // level mipLevels, where the elements are still clean.
    imagefile::GpuBlockFormat gpuFormat = imagefile::GpuBlockFormat::Bc1;
    // False when no block format was asked for: an atlas with alpha then takes BC3, an opaque
    // one gpuFormat, as the engines' importers choose.
    bool gpuFormatChosen = true;
    int32_t gpuThreads = 0;  // 0: the machine's cores
    imagefile::GpuQuality gpuQuality = imagefile::GpuQuality::Medium;
    // Each frame cut to the smallest rectangle holding its texels with alpha above
    // alphaThreshold (0 to 255); the data tells engines where that rectangle sat.
    bool trim = true;
    int32_t alphaThreshold = 0;
    // Texels of alpha 0 in each frame and its ring take the colour of the nearest texel that
    // is not transparent, so that filtering draws no dark edge (their alpha stays 0).
    bool bleed = true;
    // Colours multiplied by alpha (bleeding is then pointless and skipped).
    bool premultiply = false;
    // Alpha-tested cutouts: the share of texels at least this opaque kept at every mip level
    // (0.05 to 0.95; 0 leaves the alpha as averaged). Done by the GPU file's writer.
    double alphaCoverage = 0;
    // The side of the blocks of the atlas's file (4 for BC1, 6 for ASTC 6x6, 1 for plain
    // pixels): cells and gaps are aligned to blockSide x 2^mipLevels, so that no block at any
    // level up to mipLevels holds two frames, or a frame and the free space. WriteEngineAtlas
    // sets it from the file it writes.
    int32_t blockSide = 1;
};

// The alpha threshold's bounds, and those of the coverage kept by alpha-tested mip levels.
inline constexpr int32_t kMaxEngineAlphaThreshold = 255;
inline constexpr double kMinEngineAlphaCoverage = 0.05;
inline constexpr double kMaxEngineAlphaCoverage = 0.95;

// One element in an atlas: frame.rect is its own pixels there, source where they are on the
// page, ring how far its border pixels repeat on each side, whole the element's rectangle on
// the page before trimming (source where nothing was cut).
struct EngineCell {
    AtlasFrame frame;
    QRect source;
    QMargins ring;
    QRect whole;
    bool trimmed() const { return source != whole; }
};

// One atlas picture. Its size is a multiple of 2^mipLevels on both sides.
struct EngineSheet {
    QSize size;
    std::vector<EngineCell> cells;
};

// The atlases in file order: more than one when the elements do not fit one under the limits.
struct EngineLayout {
    std::vector<EngineSheet> sheets;
};

// The elements packed by the rectangle packer into as few atlases as the limits allow, each
// as small as found; the same frames and settings always give the same layout. Throws
// TessellaError, naming the element, when one cannot fit an atlas on its own, and when the
// settings are out of range.
EngineLayout LayOutEngineAtlas(const std::vector<AtlasFrame>& frames,
                               const EngineAtlasSettings& settings);
// The same for the frames of page, each trimmed first when settings.trim asks it. Throws,
// naming it, when a frame lies outside the page.
EngineLayout LayOutEngineAtlas(const PageBitmap& page, const std::vector<AtlasFrame>& frames,
                               const EngineAtlasSettings& settings);

// The smallest rectangle of frame (on page) holding every texel whose alpha is above
// threshold (a page without alpha is opaque: 255); a frame with none keeps its top-left texel,
// 1 x 1.
QRect TrimmedRect(const PageBitmap& page, const QRect& frame, int32_t threshold);

// Gives every texel of area (inside picture, which has alpha) whose alpha is 0 the colour of
// the nearest texel of area whose alpha is not, nearness counted in rings of the 8
// neighbours (a texel takes the first coloured one of left, right, above, below, then the
// corners); alpha stays 0. An area without such a texel is left alone.
void BleedTransparentColours(pixels::PixelGrid& picture, const QRect& area);

// Multiplies every colour by its alpha / 255, rounded (a picture without alpha is left alone).
void PremultiplyAlpha(pixels::PixelGrid& picture);

// Copies a width x height picture, whose row y (blue-green-red) sourceRow answers and whose
// alpha row alphaRow answers (none: opaque), into atlas with its top-left at inner, and fills
// ring around it with the nearest border pixel (corners take the corner pixel). The ring must
// lie inside atlas; the alpha is written where atlas has a plane.
void DrawRinged(const std::function<const uint8_t*(int y)>& sourceRow,
                const std::function<const uint8_t*(int y)>& alphaRow, QSize size,
                pixels::PixelGrid& atlas, QPoint inner, const QMargins& ring);

// True when a texel of one of the sheet's elements (on page, before trimming) is below 255.
bool SheetHasAlpha(const PageBitmap& page, const EngineSheet& sheet);

// The picture of one atlas. Opaque elements: magenta wherever no element or ring lies.
// Elements with alpha: an alpha plane, (0, 0, 0, 0) around them, their transparent colours
// bled (settings.bleed) or every colour premultiplied (settings.premultiply).
pixels::PixelGrid ComposeEngineSheet(const PageBitmap& page, const EngineSheet& sheet,
                                     const EngineAtlasSettings& settings = {});
// Its normal map: each element's map made from its own pixels, wrapping within it, flat
// where the element is transparent, ringed as the atlas is; flat (128, 128, 255) wherever
// no element or ring lies.
pixels::PixelGrid ComposeNormalSheet(const PageBitmap& page, const EngineSheet& sheet,
                                     const editor::NormalMapSettings& settings);

// The normal map's file beside an atlas: "_n" before the extension (atlas.png -> atlas_n.png).
QString NormalMapPathFor(const QString& atlasPath);

// The files of count atlases: atlasPath, then its name with "-1", "-2", ... before the
// extension.
QStringList EngineSheetPaths(const QString& atlasPath, int count);

// How far an export has come: called between its steps (done of total), on the thread that
// runs it; answering false stops it.
using EngineProgress = std::function<bool(int done, int total)>;

// Writes the atlases of page's frames (.png 24-bit, or .dds or .ktx2) from atlasPath on, each with
// its atlas data beside it, listing the others in meta.related_multi_packs and its normal map in
// meta.normalMap, each through the atomic writer. Throws, writing nothing, when there are no
// frames, a frame lies outside the page or cannot fit, or a file it writes (an atlas, its data
// or its normal map) would be pagePath's page or atlas data; throws when a file cannot be
// written. With progress, every file is made before the first is written: when progress asks
// to stop, nothing is written and the layout answered has no sheet. The further pages an
// earlier export of the same atlas wrote (atlasPath's name with "-N" whose data lists this
// atlas's) are removed. Otherwise answers the layout written.
EngineLayout WriteEngineAtlas(const PageBitmap& page, const std::vector<AtlasFrame>& frames,
                              const EngineAtlasSettings& settings, const QString& atlasPath,
                              const QString& pagePath, const EngineProgress& progress = {});

// The files WriteEngineAtlas wrote for layout, in order: each atlas, its normal map, its data.
QStringList EngineFilesWritten(const EngineLayout& layout, const EngineAtlasSettings& settings,
                               const QString& atlasPath);

// The question of "Exporter pour moteur de jeu…" (a dialog in the window).
class EngineSettingsQuestion {
  public:
    virtual ~EngineSettingsQuestion() = default;
    // Shows the question modally; nothing when it was cancelled.
    virtual std::optional<EngineAtlasSettings> askEngineSettings() = 0;
};

}  // namespace tessella::texture
