#include "texture/EngineAtlas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
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
AxisRoom RoomFor(int64_t length, const EngineAtlasSettings& s) {
    if (s.mipLevels == 0) return {s.extrude, s.extrude};
    const int64_t step = int64_t{1} << s.mipLevels;
    const int64_t before = RoundUp(std::max<int64_t>(s.extrude, step), step);
    const int64_t end = std::max(RoundUp(length, step) + step, RoundUp(length + s.extrude, step));
    return {before, end - length};
}

}  // namespace

EngineLayout LayOutEngineAtlas(const std::vector<AtlasFrame>& frames,
                               const EngineAtlasSettings& settings) {
    if (frames.empty()) throw platform::TessellaError(kEngineNoFrames);
    if (settings.padding < 0 || settings.padding > kMaxEngineMargin || settings.extrude < 0 ||
        settings.extrude > kMaxEngineMargin)
        throw platform::TessellaError(kEngineMarginRange.arg(kMaxEngineMargin));
    if (settings.mipLevels < 0 || settings.mipLevels > kMaxEngineMipLevels)
        throw platform::TessellaError(kEngineMipRange.arg(kMaxEngineMipLevels));
    // Name order: the layout does not hang on the order the elements were placed in.
    std::vector<AtlasFrame> order = frames;
    std::stable_sort(order.begin(), order.end(),
                     [](const AtlasFrame& a, const AtlasFrame& b) { return a.name < b.name; });
    const int64_t unit = int64_t{1} << settings.mipLevels;
    const int64_t padding = RoundUp(settings.padding, unit);
    BinLimits limits;
    limits.maxWidth = static_cast<int32_t>(std::max<int64_t>(1, settings.maxWidth / unit));
    limits.maxHeight = static_cast<int32_t>(std::max<int64_t>(1, settings.maxHeight / unit));
    limits.lead = static_cast<int32_t>(padding / unit);
    limits.powerOfTwo = settings.powerOfTwo;
    limits.square = settings.square;

    std::vector<QSize> cells;  // in units, trailing padding included
    std::vector<std::pair<AxisRoom, AxisRoom>> rooms;
    for (const AtlasFrame& f : order) {
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
        const int64_t w = bin.packing.size.width() * unit, h = bin.packing.size.height() * unit;
        if (!platform::ImageSizeAllowed(w, h))
            throw platform::TessellaError(kEngineAtlasTooLarge.arg(w).arg(h));
        sheet.size = QSize(static_cast<int>(w), static_cast<int>(h));
        for (size_t k = 0; k < bin.indices.size(); ++k) {
            const int i = bin.indices[k];
            const AtlasFrame& f = order[i];
            const auto& [across, down] = rooms[i];
            const QPoint cell = bin.packing.positions[k] * static_cast<int>(unit);
            const QRect inner(cell.x() + static_cast<int>(across.before),
                              cell.y() + static_cast<int>(down.before), f.rect.width(),
                              f.rect.height());
            const QMargins ring(static_cast<int>(across.before), static_cast<int>(down.before),
                                static_cast<int>(across.after), static_cast<int>(down.after));
            sheet.cells.push_back({{inner, f.name}, f.rect, ring});
        }
        layout.sheets.push_back(std::move(sheet));
    }
    return layout;
}

void DrawRinged(const std::function<const uint8_t*(int y)>& sourceRow, QSize size, QImage& atlas,
                QPoint inner, const QMargins& ring) {
    const int w = size.width(), h = size.height();
    for (int dy = -ring.top(); dy < h + ring.bottom(); ++dy) {
        const uint8_t* in = sourceRow(std::clamp(dy, 0, h - 1));
        uint8_t* out = atlas.scanLine(inner.y() + dy) + 3 * static_cast<size_t>(inner.x());
        std::memcpy(out, in, 3 * static_cast<size_t>(w));
        for (int e = 1; e <= ring.left(); ++e) std::memcpy(out - 3 * e, in, 3);
        for (int e = 1; e <= ring.right(); ++e)
            std::memcpy(out + 3 * (w - 1 + e), in + 3 * (w - 1), 3);
    }
}

namespace {

QImage SheetFilled(QSize size, const QColor& colour) {
    QImage atlas = pixels::NewImage(size.width(), size.height(), QImage::Format_BGR888);
    if (atlas.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    atlas.fill(colour);
    return atlas;
}

}  // namespace

QImage ComposeEngineSheet(const PageBitmap& page, const EngineSheet& sheet) {
    QImage atlas = SheetFilled(sheet.size, platform::kMagenta.toQColor());
    for (const EngineCell& cell : sheet.cells) {
        const QRect& source = cell.source;
        DrawRinged(
            [&](int y) { return page.row(source.y() + y) + 3 * static_cast<size_t>(source.x()); },
            source.size(), atlas, cell.frame.rect.topLeft(), cell.ring);
    }
    return atlas;
}

QImage ComposeNormalSheet(const PageBitmap& page, const EngineSheet& sheet,
                          const editor::NormalMapSettings& settings) {
    QImage atlas = SheetFilled(sheet.size, QColor(128, 128, 255));
    pixels::PixelGrid element, normals;
    for (const EngineCell& cell : sheet.cells) {
        const QRect& source = cell.source;
        element.reshape(source.width(), source.height());
        for (int y = 0; y < source.height(); ++y)
            std::memcpy(element.row(y),
                        page.row(source.y() + y) + 3 * static_cast<size_t>(source.x()),
                        3 * static_cast<size_t>(source.width()));
        editor::MakeNormalMap(element, normals, settings);
        DrawRinged([&](int y) { return reinterpret_cast<const uint8_t*>(normals.row(y)); },
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
QByteArray PictureFileBytes(const QImage& picture, const QString& path, bool normals,
                            const EngineAtlasSettings& settings) {
    QByteArray bytes;
    if (!imagefile::IsGpuTexturePath(path)) {
        MemorySink sink(bytes);
        imagefile::WritePng24(picture, sink);
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
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QStringLiteral("dds"), Qt::CaseInsensitive) == 0)
        return imagefile::DdsFileBytes(imagefile::RowsOf(picture), options);
    if (suffix.compare(QStringLiteral("astc"), Qt::CaseInsensitive) == 0)
        return imagefile::AstcFileBytes(imagefile::RowsOf(picture), options);
    return imagefile::Ktx2FileBytes(imagefile::RowsOf(picture), options);
}

}  // namespace

EngineLayout WriteEngineAtlas(const PageBitmap& page, const std::vector<AtlasFrame>& frames,
                              const EngineAtlasSettings& settings, const QString& atlasPath,
                              const QString& pagePath, const EngineProgress& progress) {
    const QRect whole(0, 0, page.width(), page.height());
    for (const AtlasFrame& f : frames)
        if (!whole.contains(f.rect)) throw platform::TessellaError(kEngineFrameOutside.arg(f.name));
    const EngineLayout layout = LayOutEngineAtlas(frames, settings);
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
    for (size_t s = 0; s < layout.sheets.size(); ++s) {
        const EngineSheet& sheet = layout.sheets[s];
        if (!step()) return {};
        QImage atlas = ComposeEngineSheet(page, sheet);
        if (!step()) return {};
        keep(paths[s], PictureFileBytes(atlas, paths[s], false, settings));
        atlas = QImage();
        QJsonObject extra;
        if (settings.mipLevels > 0) extra.insert(QStringLiteral("mipLevels"), settings.mipLevels);
        if (settings.normalMap) {
            const QString normalPath = NormalMapPathFor(paths[s]);
            if (!step()) return {};
            const QImage normals = ComposeNormalSheet(page, sheet, settings.normal);
            if (!step()) return {};
            keep(normalPath, PictureFileBytes(normals, normalPath, true, settings));
            extra.insert(QStringLiteral("normalMap"), QFileInfo(normalPath).fileName());
        }
        if (paths.size() > 1) {
            QJsonArray others;
            for (qsizetype k = 0; k < paths.size(); ++k)
                if (k != static_cast<qsizetype>(s))
                    others.append(QFileInfo(AtlasPathFor(paths[k])).fileName());
            extra.insert(QStringLiteral("related_multi_packs"), others);
        }
        std::vector<AtlasFrame> placed;
        placed.reserve(sheet.cells.size());
        for (const EngineCell& cell : sheet.cells) placed.push_back(cell.frame);
        keep(AtlasPathFor(paths[s]),
             AtlasJson(placed, QFileInfo(paths[s]).fileName(), sheet.size, extra));
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
