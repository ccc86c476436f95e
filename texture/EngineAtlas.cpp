#include "texture/EngineAtlas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <bit>
#include <cstring>

#include "imagefile/BgrRows.h"
#include "imagefile/PngWriter.h"
#include "pixels/LargeImage.h"
#include "pixels/PixelGrid.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"
#include "platform/SafeFile.h"
#include "texture/PageFiles.h"
#include "texture/PageTexts.h"
#include "texture/RectPacker.h"

namespace tessella::texture {

namespace {

// Through links and "..": the files as the system finds them.
bool SameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo x(a), y(b);
    if (x.exists() && y.exists()) return x.canonicalFilePath() == y.canonicalFilePath();
    return QDir::cleanPath(x.absoluteFilePath()) == QDir::cleanPath(y.absoluteFilePath());
}

int64_t RoundUp(int64_t value, int64_t step) {
    return (value + step - 1) / step * step;
}

// The room of one element along one axis: the ring before and after its length pixels.
struct AxisRoom {
    int64_t before = 0, after = 0;
};

// Without mipmaps, the ring is the extrude on both sides. With them, the element starts on a
// multiple of step = 2^levels, and at the last level its texels (it touches roundUp(length,
// step) / step of them) and one texel on each side must hold only its own pixels: the ring
// runs one step before it and to one step past its last texel, or further for the extrude.
// Block-compressed files add one rule: the cell (ring and element) covers whole blocks of the
// last level, blockSide x 2^levels pixels, the ring growing to the block's edge; a block that
// held the element and the free space would have its endpoints pulled towards the free
// colour, and the element's texels tinted.
AxisRoom RoomFor(int64_t length, const EngineAtlasSettings& s) {
    AxisRoom room{s.extrude, s.extrude};
    if (s.mipLevels > 0) {
        const int64_t step = int64_t{1} << s.mipLevels;
        room.before = RoundUp(std::max<int64_t>(s.extrude, step), step);
        const int64_t end =
            std::max(RoundUp(length, step) + step, RoundUp(length + s.extrude, step));
        room.after = end - length;
    }
    const int64_t block = int64_t{std::max(s.blockSide, 1)} << s.mipLevels;
    room.after = RoundUp(room.before + length + room.after, block) - room.before - length;
    return room;
}

// The layout's unit: every cell starts, and every gap ends, on a multiple of it.
int64_t UnitOf(const EngineAtlasSettings& s) {
    return int64_t{std::max(s.blockSide, 1)} << s.mipLevels;
}

// One element to lay out: where it is on the page whole, and the part kept of it.
struct Placed {
    AtlasFrame frame;
    QRect kept;
};

EngineLayout LayOut(std::vector<Placed> order, const EngineAtlasSettings& settings) {
    if (order.empty()) throw platform::TessellaError(kEngineNoFrames);
    if (settings.padding < 0 || settings.padding > kMaxEngineMargin || settings.extrude < 0 ||
        settings.extrude > kMaxEngineMargin)
        throw platform::TessellaError(kEngineMarginRange.arg(kMaxEngineMargin));
    if (settings.mipLevels < 0 || settings.mipLevels > kMaxEngineMipLevels)
        throw platform::TessellaError(kEngineMipRange.arg(kMaxEngineMipLevels));
    // Name order: the layout does not hang on the order the elements were placed in.
    std::stable_sort(order.begin(), order.end(),
                     [](const Placed& a, const Placed& b) { return a.frame.name < b.frame.name; });
    const int64_t unit = UnitOf(settings);
    const int64_t padding = RoundUp(settings.padding, unit);
    BinLimits limits;
    // A unit that is no power of two (ASTC 6 x 6 blocks) cannot make power-of-two sides by
    // counting units: the packer then works within the largest powers of two allowed, and the
    // atlas grows to powers of two afterwards, the rest free.
    const bool unitPowerOfTwo = (unit & (unit - 1)) == 0;
    const bool growToPowers = settings.powerOfTwo && !unitPowerOfTwo;
    const auto within = [&](int64_t most) {
        return growToPowers ? std::bit_floor(static_cast<uint64_t>(std::max<int64_t>(most, 1)))
                            : most;
    };
    limits.maxWidth = static_cast<int32_t>(
        std::max<int64_t>(1, static_cast<int64_t>(within(settings.maxWidth)) / unit));
    limits.maxHeight = static_cast<int32_t>(
        std::max<int64_t>(1, static_cast<int64_t>(within(settings.maxHeight)) / unit));
    limits.lead = static_cast<int32_t>(padding / unit);
    limits.powerOfTwo = settings.powerOfTwo && unitPowerOfTwo;
    limits.square = settings.square;

    std::vector<QSize> cells;  // in units, trailing padding included
    std::vector<std::pair<AxisRoom, AxisRoom>> rooms;
    for (const Placed& p : order) {
        const AtlasFrame f{p.kept, p.frame.name};
        const AxisRoom across = RoomFor(f.rect.width(), settings);
        const AxisRoom down = RoomFor(f.rect.height(), settings);
        const int64_t w = across.before + f.rect.width() + across.after + padding;
        const int64_t h = down.before + f.rect.height() + down.after + padding;
        const QSize cell(static_cast<int>(std::min<int64_t>(w / unit, INT32_MAX)),
                         static_cast<int>(std::min<int64_t>(h / unit, INT32_MAX)));
        // The limit told is the largest atlas the shape allows: 64 for 100 with powers of two.
        if (w / unit > INT32_MAX || h / unit > INT32_MAX || !FitsEmptyBin(cell, limits))
            throw platform::TessellaError(kEngineFrameTooLarge.arg(f.name)
                                              .arg(padding + w)
                                              .arg(padding + h)
                                              .arg(int64_t{LargestBin(limits).width()} * unit)
                                              .arg(int64_t{LargestBin(limits).height()} * unit));
        cells.push_back(cell);
        rooms.push_back({across, down});
    }

    EngineLayout layout;
    for (const PackedBin& bin : PackIntoBins(cells, limits)) {
        EngineSheet sheet;
        int64_t w = bin.packing.size.width() * unit, h = bin.packing.size.height() * unit;
        if (growToPowers) {
            w = static_cast<int64_t>(std::bit_ceil(static_cast<uint64_t>(w)));
            h = static_cast<int64_t>(std::bit_ceil(static_cast<uint64_t>(h)));
            if (settings.square) w = h = std::max(w, h);
        }
        if (!platform::ImageSizeAllowed(w, h))
            throw platform::TessellaError(kEngineAtlasTooLarge.arg(w).arg(h));
        sheet.size = QSize(static_cast<int>(w), static_cast<int>(h));
        for (size_t k = 0; k < bin.indices.size(); ++k) {
            const int i = bin.indices[k];
            const AtlasFrame f{order[i].kept, order[i].frame.name};
            const auto& [across, down] = rooms[i];
            const QPoint cell = bin.packing.positions[k] * static_cast<int>(unit);
            const QRect inner(cell.x() + static_cast<int>(across.before),
                              cell.y() + static_cast<int>(down.before), f.rect.width(),
                              f.rect.height());
            const QMargins ring(static_cast<int>(across.before), static_cast<int>(down.before),
                                static_cast<int>(across.after), static_cast<int>(down.after));
            sheet.cells.push_back({{inner, f.name}, f.rect, ring, order[i].frame.rect});
        }
        layout.sheets.push_back(std::move(sheet));
    }
    return layout;
}

}  // namespace

EngineLayout LayOutEngineAtlas(const std::vector<AtlasFrame>& frames,
                               const EngineAtlasSettings& settings) {
    std::vector<Placed> order;
    order.reserve(frames.size());
    for (const AtlasFrame& f : frames) order.push_back({f, f.rect});
    return LayOut(std::move(order), settings);
}

EngineLayout LayOutEngineAtlas(const PageBitmap& page, const std::vector<AtlasFrame>& frames,
                               const EngineAtlasSettings& settings) {
    if (settings.alphaThreshold < 0 || settings.alphaThreshold > kMaxEngineAlphaThreshold)
        throw platform::TessellaError(kEngineAlphaThresholdRange.arg(kMaxEngineAlphaThreshold));
    const QRect onPage(0, 0, page.width(), page.height());
    std::vector<Placed> order;
    order.reserve(frames.size());
    for (const AtlasFrame& f : frames) {
        if (!onPage.contains(f.rect))
            throw platform::TessellaError(kEngineFrameOutside.arg(f.name));
        order.push_back(
            {f, settings.trim ? TrimmedRect(page, f.rect, settings.alphaThreshold) : f.rect});
    }
    return LayOut(std::move(order), settings);
}

QRect TrimmedRect(const PageBitmap& page, const QRect& frame, int32_t threshold) {
    // Without a plane every texel is 255: only a threshold of 255 leaves nothing.
    if (!page.hasAlpha() && threshold < 255) return frame;
    int left = frame.right() + 1, right = frame.left() - 1, top = -1, bottom = -1;
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        if (!page.hasAlpha()) break;
        const uint8_t* a = page.alphaRow(y);
        int first = frame.left();
        while (first <= frame.right() && a[first] <= threshold) ++first;
        if (first > frame.right()) continue;
        int last = frame.right();
        while (a[last] <= threshold) --last;
        left = std::min(left, first);
        right = std::max(right, last);
        if (top < 0) top = y;
        bottom = y;
    }
    if (top < 0) return QRect(frame.topLeft(), QSize(1, 1));
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void DrawRinged(const std::function<const uint8_t*(int y)>& sourceRow,
                const std::function<const uint8_t*(int y)>& alphaRow, QSize size,
                pixels::PixelGrid& atlas, QPoint inner, const QMargins& ring) {
    const int w = size.width(), h = size.height();
    const bool alpha = atlas.hasAlpha();
    for (int dy = -ring.top(); dy < h + ring.bottom(); ++dy) {
        const int y = std::clamp(dy, 0, h - 1);
        const uint8_t* in = sourceRow(y);
        uint8_t* out = reinterpret_cast<uint8_t*>(atlas.row(inner.y() + dy) + inner.x());
        std::memcpy(out, in, 3 * static_cast<size_t>(w));
        for (int e = 1; e <= ring.left(); ++e) std::memcpy(out - 3 * e, in, 3);
        for (int e = 1; e <= ring.right(); ++e)
            std::memcpy(out + 3 * (w - 1 + e), in + 3 * (w - 1), 3);
        if (!alpha) continue;
        uint8_t* a = atlas.alphaRow(inner.y() + dy) + inner.x();
        if (alphaRow) {
            const uint8_t* from = alphaRow(y);
            std::memcpy(a, from, static_cast<size_t>(w));
            std::memset(a - ring.left(), from[0], static_cast<size_t>(ring.left()));
            std::memset(a + w, from[w - 1], static_cast<size_t>(ring.right()));
        } else {
            std::memset(a - ring.left(), 255, static_cast<size_t>(ring.left() + w + ring.right()));
        }
    }
}

void BleedTransparentColours(pixels::PixelGrid& picture, const QRect& area) {
    const int w = area.width(), h = area.height();
    if (!picture.hasAlpha() || w <= 0 || h <= 0) return;
    // stamp: 0 not coloured yet, -1 in the ring being coloured, k > 0 coloured by ring k.
    std::vector<int32_t> stamp(static_cast<size_t>(w) * h, 0);
    const auto index = [w](int x, int y) { return static_cast<size_t>(y) * w + x; };
    for (int y = 0; y < h; ++y) {
        const uint8_t* a = picture.alphaRow(area.y() + y) + area.x();
        for (int x = 0; x < w; ++x)
            if (a[x] > 0) stamp[index(x, y)] = 1;
    }
    static constexpr int kSteps[8][2] = {{-1, 0},  {1, 0},  {0, -1}, {0, 1},
                                         {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    std::vector<QPoint> ring, next;
    // Joins the ring after `from` every uncoloured neighbour of (x, y).
    const auto gather = [&](int x, int y, std::vector<QPoint>& into) {
        for (const auto& [dx, dy] : kSteps) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || stamp[index(nx, ny)] != 0) continue;
            stamp[index(nx, ny)] = -1;
            into.emplace_back(nx, ny);
        }
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (stamp[index(x, y)] == 1) gather(x, y, ring);
    for (int32_t k = 2; !ring.empty(); ++k) {
        for (const QPoint& p : ring) {
            for (const auto& [dx, dy] : kSteps) {
                const int nx = p.x() + dx, ny = p.y() + dy;
                if (nx < 0 || ny < 0 || nx >= w || ny >= h || stamp[index(nx, ny)] <= 0) continue;
                picture.at(area.x() + p.x(), area.y() + p.y()) =
                    picture.at(area.x() + nx, area.y() + ny);
                break;
            }
        }
        for (const QPoint& p : ring) stamp[index(p.x(), p.y())] = k;
        next.clear();
        for (const QPoint& p : ring) gather(p.x(), p.y(), next);
        ring.swap(next);
    }
}

void PremultiplyAlpha(pixels::PixelGrid& picture) {
    if (!picture.hasAlpha()) return;
    const auto times = [](uint8_t c, uint8_t a) {
        return static_cast<uint8_t>((c * a + 127) / 255);  // c a / 255 is never a half
    };
    for (int y = 0; y < picture.height(); ++y) {
        pixels::Bgr* row = picture.row(y);
        const uint8_t* a = picture.alphaRow(y);
        for (int x = 0; x < picture.width(); ++x)
            row[x] = {times(row[x].b, a[x]), times(row[x].g, a[x]), times(row[x].r, a[x])};
    }
}

bool SheetHasAlpha(const PageBitmap& page, const EngineSheet& sheet) {
    if (!page.hasAlpha()) return false;
    // The whole element decides: one trimmed down to its opaque texels still had alpha.
    for (const EngineCell& cell : sheet.cells)
        for (int y = cell.whole.top(); y <= cell.whole.bottom(); ++y) {
            const uint8_t* a = page.alphaRow(y);
            for (int x = cell.whole.left(); x <= cell.whole.right(); ++x)
                if (a[x] != 255) return true;
        }
    return false;
}

namespace {

pixels::PixelGrid SheetFilled(QSize size, pixels::Bgr colour) {
    pixels::PixelGrid atlas;
    try {
        atlas.resize(size.width(), size.height());
    } catch (const std::bad_alloc&) {
        throw platform::TessellaError(platform::kOutOfMemoryMessage);
    }
    for (int y = 0; y < atlas.height(); ++y) std::fill_n(atlas.row(y), atlas.width(), colour);
    return atlas;
}

std::function<const uint8_t*(int y)> PageRows(const PageBitmap& page, const QRect& source) {
    return [&page, source](int y) {
        return page.row(source.y() + y) + 3 * static_cast<size_t>(source.x());
    };
}

}  // namespace

pixels::PixelGrid ComposeEngineSheet(const PageBitmap& page, const EngineSheet& sheet,
                                     const EngineAtlasSettings& settings) {
    const bool alpha = SheetHasAlpha(page, sheet);
    // Free space: magenta as ever for opaque elements, nothing at all around transparent ones.
    pixels::PixelGrid atlas =
        SheetFilled(sheet.size, alpha ? pixels::Bgr{} : pixels::Bgr{255, 0, 255});
    if (alpha) {
        try {
            atlas.addAlpha(0);
        } catch (const std::bad_alloc&) {
            throw platform::TessellaError(platform::kOutOfMemoryMessage);
        }
    }
    for (const EngineCell& cell : sheet.cells) {
        const QRect& source = cell.source;
        std::function<const uint8_t*(int)> alphaRows;
        if (alpha && page.hasAlpha())
            alphaRows = [&page, source](int y) {
                return page.alphaRow(source.y() + y) + source.x();
            };
        DrawRinged(PageRows(page, source), alphaRows, source.size(), atlas,
                   cell.frame.rect.topLeft(), cell.ring);
    }
    if (!alpha) return atlas;
    if (settings.premultiply) {
        PremultiplyAlpha(atlas);
    } else if (settings.bleed) {
        for (const EngineCell& cell : sheet.cells)
            BleedTransparentColours(atlas, cell.frame.rect.marginsAdded(cell.ring));
    }
    return atlas;
}

pixels::PixelGrid ComposeNormalSheet(const PageBitmap& page, const EngineSheet& sheet,
                                     const editor::NormalMapSettings& settings) {
    const pixels::Bgr flat{255, 128, 128};
    pixels::PixelGrid atlas = SheetFilled(sheet.size, flat);
    pixels::PixelGrid element, normals;
    for (const EngineCell& cell : sheet.cells) {
        const QRect& source = cell.source;
        element.reshape(source.width(), source.height());
        for (int y = 0; y < source.height(); ++y)
            std::memcpy(element.row(y), PageRows(page, source)(y),
                        3 * static_cast<size_t>(source.width()));
        editor::MakeNormalMap(element, normals, settings);
        // A transparent texel has no surface: it lies flat.
        if (page.hasAlpha())
            for (int y = 0; y < source.height(); ++y) {
                const uint8_t* a = page.alphaRow(source.y() + y) + source.x();
                for (int x = 0; x < source.width(); ++x)
                    if (a[x] == 0) normals.at(x, y) = flat;
            }
        DrawRinged([&](int y) { return reinterpret_cast<const uint8_t*>(normals.row(y)); }, {},
                   source.size(), atlas, cell.frame.rect.topLeft(), cell.ring);
    }
    return atlas;
}

namespace {

// path with tag before its extension ("atlas.png", "-1" -> "atlas-1.png").
QString Tagged(const QString& path, const QString& tag) {
    const QString suffix = QFileInfo(path).suffix();
    const QString stem = WithExtension(path, QString()) + tag;
    return suffix.isEmpty() ? stem : stem + QLatin1Char('.') + suffix;
}

// The pages beyond count that an earlier export of the same atlas wrote (atlas-N.*, whose
// data lists this atlas's data among its siblings) would stay advertised to an engine, with
// frames the new pages hold too: they go. Only the files that data names as its own picture
// and normal map beside it, never a file elsewhere, nor the page being exported.
void RemoveOlderSheets(const QString& atlasPath, int count, const QString (&ownFiles)[2]) {
    const QString ownData = QFileInfo(AtlasPathFor(atlasPath)).fileName();
    const QDir folder = QFileInfo(atlasPath).dir();
    for (int n = count;; ++n) {
        const QString sheet = Tagged(atlasPath, QStringLiteral("-%1").arg(n));
        const QString data = AtlasPathFor(sheet);
        if (!QFileInfo(data).isFile()) return;
        QJsonObject meta;
        try {
            meta = QJsonDocument::fromJson(platform::ReadWholeFile(data, kMaxAtlasFileBytes))
                       .object()
                       .value(QStringLiteral("meta"))
                       .toObject();
        } catch (const platform::TessellaError&) {
            return;  // not ours to judge: left alone
        }
        if (!meta.value(QStringLiteral("related_multi_packs")).toArray().contains(ownData)) return;
        const QString stem = QFileInfo(WithExtension(sheet, QString())).fileName();
        QStringList files{data};
        for (const QString& key : {QStringLiteral("image"), QStringLiteral("normalMap")}) {
            const QString name = meta.value(key).toString();
            const QString base = WithExtension(name, QString());
            if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
                (base != stem && base != stem + QStringLiteral("_n")))
                continue;
            files << folder.filePath(name);
        }
        for (const QString& file : files)
            if (!SameFile(file, ownFiles[0]) && !SameFile(file, ownFiles[1])) QFile::remove(file);
    }
}

}  // namespace

QString NormalMapPathFor(const QString& atlasPath) {
    return Tagged(atlasPath, QStringLiteral("_n"));
}

QStringList EngineSheetPaths(const QString& atlasPath, int count) {
    QStringList paths{atlasPath};
    for (int i = 1; i < count; ++i) paths << Tagged(atlasPath, QStringLiteral("-%1").arg(i));
    return paths;
}

namespace {

class MemorySink final : public platform::ByteSink {
  public:
    explicit MemorySink(QByteArray& out) : out_(out) {}
    void write(const char* data, std::size_t size) override { out_.append(data, qsizetype(size)); }

  private:
    QByteArray& out_;
};

// The bytes of one atlas picture or normal map as its file holds them.
// frames: where each frame and its ring lie, for the alpha coverage kept frame by frame.
// keepGoing is asked between bands of blocks; false stops the encoding (GpuWriteStopped).
QByteArray PictureFileBytes(const pixels::PixelGrid& picture, const QString& path, bool normals,
                            const EngineAtlasSettings& settings, const std::vector<QRect>& frames,
                            const std::function<bool()>& keepGoing) {
    QByteArray bytes;
    if (!imagefile::IsGpuTexturePath(path)) {
        MemorySink sink(bytes);
        imagefile::WritePng24(imagefile::RowsOf(picture), sink);
        return bytes;
    }
    imagefile::GpuTextureOptions options;
    options.format = settings.gpuFormat;
    if (normals && options.format != imagefile::GpuBlockFormat::Rgb &&
        !imagefile::IsAstcFormat(options.format))
        options.format = imagefile::GpuBlockFormat::Bc5;
    options.normalMap = normals;
    options.threads = settings.gpuThreads;
    options.quality = settings.gpuQuality;
    options.maxLevel = settings.mipLevels;
    if (keepGoing) options.progress = [&keepGoing](qint64, qint64) { return keepGoing(); };
    if (!normals) {
        if (!settings.gpuFormatChosen)
            options.format = imagefile::DefaultBlockFormat(picture.hasAlpha());
        options.alphaCoverage = settings.alphaCoverage;
        if (settings.alphaCoverage > 0) options.coverageAreas = frames;
        options.premultiplied = settings.premultiply && picture.hasAlpha();
    }
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QStringLiteral("dds"), Qt::CaseInsensitive) == 0)
        return imagefile::DdsFileBytes(imagefile::RowsOf(picture), options);
    if (suffix.compare(QStringLiteral("astc"), Qt::CaseInsensitive) == 0)
        return imagefile::AstcFileBytes(imagefile::RowsOf(picture), options);
    return imagefile::Ktx2FileBytes(imagefile::RowsOf(picture), options);
}

// The side of the blocks the file at path holds its atlas in: 1 for PNG and plain pixels.
int32_t BlockSideFor(const QString& path, imagefile::GpuBlockFormat format) {
    if (!imagefile::IsGpuTexturePath(path)) return 1;
    switch (format) {
        case imagefile::GpuBlockFormat::Rgb:
            return 1;
        case imagefile::GpuBlockFormat::Astc6x6:
            return 6;
        case imagefile::GpuBlockFormat::Astc8x8:
            return 8;
        default:
            return 4;
    }
}

QJsonObject RectObject(const QRect& r) {
    return {{QStringLiteral("x"), r.x()},
            {QStringLiteral("y"), r.y()},
            {QStringLiteral("w"), r.width()},
            {QStringLiteral("h"), r.height()}};
}

// The atlas data of one sheet: the page's layout, each frame telling how it was trimmed as
// PixiJS and Phaser read it ("trimmed" written on every frame: PixiJS takes a missing one as
// true, Phaser as false).
QByteArray SheetJson(const EngineSheet& sheet, const QString& imageName, const QJsonObject& extra) {
    std::vector<AtlasFrame> placed;
    placed.reserve(sheet.cells.size());
    for (const EngineCell& cell : sheet.cells) placed.push_back(cell.frame);
    const QByteArray plain = AtlasJson(placed, imageName, sheet.size, extra);
    if (std::none_of(sheet.cells.begin(), sheet.cells.end(),
                     [](const EngineCell& c) { return c.trimmed(); }))
        return plain;
    QJsonObject root = QJsonDocument::fromJson(plain).object();
    QJsonObject frames = root.value(QStringLiteral("frames")).toObject();
    for (const EngineCell& cell : sheet.cells) {
        QJsonObject frame = frames.value(cell.frame.name).toObject();
        frame.insert(QStringLiteral("trimmed"), cell.trimmed());
        frame.insert(QStringLiteral("spriteSourceSize"),
                     RectObject(cell.source.translated(-cell.whole.topLeft())));
        frame.insert(QStringLiteral("sourceSize"),
                     QJsonObject{{QStringLiteral("w"), cell.whole.width()},
                                 {QStringLiteral("h"), cell.whole.height()}});
        frames.insert(cell.frame.name, frame);
    }
    root.insert(QStringLiteral("frames"), frames);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace

EngineLayout WriteEngineAtlas(const PageBitmap& page, const std::vector<AtlasFrame>& frames,
                              const EngineAtlasSettings& settings, const QString& atlasPath,
                              const QString& pagePath, const EngineProgress& progress) {
    const QRect whole(0, 0, page.width(), page.height());
    for (const AtlasFrame& f : frames)
        if (!whole.contains(f.rect)) throw platform::TessellaError(kEngineFrameOutside.arg(f.name));
    EngineAtlasSettings laid = settings;
    laid.blockSide = BlockSideFor(atlasPath, settings.gpuFormat);
    if (settings.alphaCoverage != 0 && (settings.alphaCoverage < kMinEngineAlphaCoverage ||
                                        settings.alphaCoverage > kMaxEngineAlphaCoverage))
        throw platform::TessellaError(kEngineAlphaCoverageRange);
    const EngineLayout layout = LayOutEngineAtlas(page, frames, laid);
    const QStringList paths = EngineSheetPaths(atlasPath, static_cast<int>(layout.sheets.size()));
    const QString ownFiles[] = {pagePath, AtlasPathFor(pagePath)};
    for (const QString& path : paths)
        for (const QString& own : ownFiles)
            if (SameFile(own, path) || SameFile(own, AtlasPathFor(path)) ||
                (settings.normalMap && SameFile(own, NormalMapPathFor(path))))
                throw platform::TessellaError(kEngineTargetIsPage);
    // A run that may be stopped makes every file in memory first, so that a stop leaves none
    // of them written; one that may not writes each as soon as it is made. Steps:
    // composing and encoding each picture, then writing them all.
    const int picturesPerSheet = settings.normalMap ? 2 : 1;
    const int total = static_cast<int>(layout.sheets.size()) * picturesPerSheet * 2 + 1;
    int done = 0;
    const auto step = [&] { return !progress || progress(done++, total); };
    std::vector<std::pair<QString, QByteArray>> files;
    platform::SyncedBatch batch;
    const auto keep = [&](const QString& path, QByteArray bytes) {
        if (progress)
            files.emplace_back(path, std::move(bytes));
        else
            platform::WriteFileAtomically(path, bytes);
    };
    // A stop asked for while a picture is being encoded ends the encoding there.
    const std::function<bool()> keepGoing =
        progress ? std::function<bool()>([&] { return progress(done, total); })
                 : std::function<bool()>();
    for (size_t s = 0; s < layout.sheets.size(); ++s) {
        const EngineSheet& sheet = layout.sheets[s];
        std::vector<QRect> frameAreas;
        for (const EngineCell& cell : sheet.cells)
            frameAreas.push_back(cell.frame.rect.marginsAdded(cell.ring));
        if (!step()) return {};
        pixels::PixelGrid atlas = ComposeEngineSheet(page, sheet, settings);
        if (!step()) return {};
        try {
            keep(paths[s],
                 PictureFileBytes(atlas, paths[s], false, settings, frameAreas, keepGoing));
        } catch (const imagefile::GpuWriteStopped&) {
            return {};
        }
        QJsonObject extra;
        if (atlas.hasAlpha()) {
            extra.insert(QStringLiteral("format"), QStringLiteral("RGBA8888"));
            if (settings.premultiply) extra.insert(QStringLiteral("premultipliedAlpha"), true);
        }
        atlas = pixels::PixelGrid();
        if (settings.mipLevels > 0) extra.insert(QStringLiteral("mipLevels"), settings.mipLevels);
        if (settings.normalMap) {
            const QString normalPath = NormalMapPathFor(paths[s]);
            if (!step()) return {};
            const pixels::PixelGrid normals = ComposeNormalSheet(page, sheet, settings.normal);
            if (!step()) return {};
            try {
                keep(normalPath,
                     PictureFileBytes(normals, normalPath, true, settings, frameAreas, keepGoing));
            } catch (const imagefile::GpuWriteStopped&) {
                return {};
            }
            extra.insert(QStringLiteral("normalMap"), QFileInfo(normalPath).fileName());
        }
        if (paths.size() > 1) {
            QJsonArray others;
            for (qsizetype k = 0; k < paths.size(); ++k)
                if (k != static_cast<qsizetype>(s))
                    others.append(QFileInfo(AtlasPathFor(paths[k])).fileName());
            extra.insert(QStringLiteral("related_multi_packs"), others);
        }
        keep(AtlasPathFor(paths[s]), SheetJson(sheet, QFileInfo(paths[s]).fileName(), extra));
    }
    if (!step()) return {};
    for (const auto& [path, bytes] : files) platform::WriteFileAtomically(path, bytes);
    batch.finish();
    RemoveOlderSheets(atlasPath, static_cast<int>(paths.size()), ownFiles);
    if (progress) progress(total, total);
    return layout;
}

QStringList EngineFilesWritten(const EngineLayout& layout, const EngineAtlasSettings& settings,
                               const QString& atlasPath) {
    QStringList files;
    for (const QString& path :
         EngineSheetPaths(atlasPath, static_cast<int>(layout.sheets.size()))) {
        files << path;
        if (settings.normalMap) files << NormalMapPathFor(path);
        files << AtlasPathFor(path);
    }
    return files;
}

}  // namespace tessella::texture
