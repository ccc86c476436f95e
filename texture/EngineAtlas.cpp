#include "texture/EngineAtlas.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "imagefile/PngWriter.h"
#include "pixels/LargeImage.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"
#include "platform/SafeFile.h"
#include "texture/PageTexts.h"

namespace tessella::texture {

namespace {

// Tallest first keeps each shelf's wasted height small; the name makes the order total.
bool PacksBefore(const AtlasFrame& a, const AtlasFrame& b) {
    if (a.rect.height() != b.rect.height()) return a.rect.height() > b.rect.height();
    if (a.rect.width() != b.rect.width()) return a.rect.width() > b.rect.width();
    return a.name < b.name;
}

// Through links and "..": the files as the system finds them.
bool SameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo x(a), y(b);
    if (x.exists() && y.exists()) return x.canonicalFilePath() == y.canonicalFilePath();
    return QDir::cleanPath(x.absoluteFilePath()) == QDir::cleanPath(y.absoluteFilePath());
}

}  // namespace

EngineLayout LayOutEngineAtlas(const std::vector<AtlasFrame>& frames,
                               const EngineAtlasSettings& settings) {
    if (frames.empty()) throw platform::TessellaError(kEngineNoFrames);
    if (settings.padding < 0 || settings.padding > kMaxEngineMargin || settings.extrude < 0 ||
        settings.extrude > kMaxEngineMargin)
        throw platform::TessellaError(kEngineMarginRange.arg(kMaxEngineMargin));
    const int64_t pad = settings.padding, ring = settings.extrude;
    std::vector<AtlasFrame> order = frames;
    std::stable_sort(order.begin(), order.end(), PacksBefore);
    EngineLayout layout;
    int64_t x = pad, y = pad, shelfHeight = 0, width = 0;
    for (const AtlasFrame& f : order) {
        const int64_t cellWidth = f.rect.width() + 2 * ring;
        const int64_t cellHeight = f.rect.height() + 2 * ring;
        if (pad + cellWidth + pad > settings.maxWidth)
            throw platform::TessellaError(
                kEngineFrameTooWide.arg(f.name).arg(pad + cellWidth + pad).arg(settings.maxWidth));
        if (x + cellWidth + pad > settings.maxWidth) {  // a new shelf
            y += shelfHeight + pad;
            x = pad;
            shelfHeight = 0;
        }
        const QRect inner(static_cast<int>(x + ring), static_cast<int>(y + ring), f.rect.width(),
                          f.rect.height());
        layout.cells.push_back({{inner, f.name}, f.rect});
        x += cellWidth + pad;
        width = std::max(width, x);
        shelfHeight = std::max(shelfHeight, cellHeight);
    }
    const int64_t height = y + shelfHeight + pad;
    if (!platform::ImageSizeAllowed(width, height))
        throw platform::TessellaError(kEngineAtlasTooLarge.arg(width).arg(height));
    layout.size = QSize(static_cast<int>(width), static_cast<int>(height));
    return layout;
}

void DrawExtruded(const PageBitmap& page, const QRect& source, QImage& atlas, QPoint inner,
                  int32_t extrude) {
    const int w = source.width(), h = source.height();
    for (int dy = -extrude; dy < h + extrude; ++dy) {
        const int sy = std::clamp(dy, 0, h - 1);
        const uint8_t* in = page.row(source.y() + sy) + 3 * static_cast<size_t>(source.x());
        uint8_t* out = atlas.scanLine(inner.y() + dy) + 3 * static_cast<size_t>(inner.x());
        std::memcpy(out, in, 3 * static_cast<size_t>(w));
        for (int e = 1; e <= extrude; ++e) {
            std::memcpy(out - 3 * e, in, 3);
            std::memcpy(out + 3 * (w - 1 + e), in + 3 * (w - 1), 3);
        }
    }
}

QImage ComposeEngineAtlas(const PageBitmap& page, const EngineLayout& layout, int32_t extrude) {
    QImage atlas =
        pixels::NewImage(layout.size.width(), layout.size.height(), QImage::Format_BGR888);
    if (atlas.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    atlas.fill(platform::kMagenta.toQColor());
    for (const EngineCell& cell : layout.cells)
        DrawExtruded(page, cell.source, atlas, cell.frame.rect.topLeft(), extrude);
    return atlas;
}

void WriteEngineAtlas(const PageBitmap& page, const std::vector<AtlasFrame>& frames,
                      const EngineAtlasSettings& settings, const QString& atlasPath,
                      const QString& pagePath) {
    const QString ownFiles[] = {pagePath, AtlasPathFor(pagePath)};
    for (const QString& own : ownFiles)
        if (SameFile(own, atlasPath) || SameFile(own, AtlasPathFor(atlasPath)))
            throw platform::TessellaError(kEngineTargetIsPage);
    const QRect whole(0, 0, page.width(), page.height());
    for (const AtlasFrame& f : frames)
        if (!whole.contains(f.rect)) throw platform::TessellaError(kEngineFrameOutside.arg(f.name));
    const EngineLayout layout = LayOutEngineAtlas(frames, settings);
    const QImage atlas = ComposeEngineAtlas(page, layout, settings.extrude);
    platform::WriteFileAtomically(
        atlasPath, [&](platform::ByteSink& sink) { imagefile::WritePng24(atlas, sink); });
    std::vector<AtlasFrame> placed;
    placed.reserve(layout.cells.size());
    for (const EngineCell& cell : layout.cells) placed.push_back(cell.frame);
    platform::WriteFileAtomically(AtlasPathFor(atlasPath),
                                  AtlasJson(placed, QFileInfo(atlasPath).fileName(), layout.size));
}

}  // namespace tessella::texture
