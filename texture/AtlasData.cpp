#include "texture/AtlasData.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/ImageLimits.h"
#include "texture/PageFiles.h"
#include "texture/PageTexts.h"

namespace tessella::texture {

namespace {

const QString kJsonExtension = QStringLiteral(".json");
const QString kPngExtension = QStringLiteral(".png");

QJsonObject SizeObject(int w, int h) {
    return QJsonObject{{QStringLiteral("w"), w}, {QStringLiteral("h"), h}};
}

QJsonObject RectObject(const QRect& r) {
    return QJsonObject{{QStringLiteral("x"), r.x()},
                       {QStringLiteral("y"), r.y()},
                       {QStringLiteral("w"), r.width()},
                       {QStringLiteral("h"), r.height()}};
}

// A whole number in the JSON value, or nothing (a fraction, text, out of range).
std::optional<int> WholeNumber(const QJsonValue& v) {
    if (!v.isDouble()) return std::nullopt;
    const double d = v.toDouble();
    if (d != static_cast<double>(static_cast<int64_t>(d)) || d < 0 || d > platform::kMaxImageSide)
        return std::nullopt;
    return static_cast<int>(d);
}

}  // namespace

QString AtlasPathFor(const QString& pagePath) {
    return WithExtension(pagePath, kJsonExtension);
}

namespace {

// The name without its extension: what an element's file is named after.
QString NameStem(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

}  // namespace

QString UniqueFrameName(const std::vector<AtlasFrame>& frames, const QString& fileName,
                        const AtlasFrame* except) {
    // brique.png and brique.bmp would both be extracted as brique.png: stems are unique too.
    const auto taken = [&](const QString& name) {
        for (const AtlasFrame& f : frames)
            if (&f != except && NameStem(f.name) == NameStem(name)) return true;
        return false;
    };
    if (!taken(fileName)) return fileName;
    const QString stem = NameStem(fileName);
    const QString extension = fileName.mid(stem.size());
    for (qsizetype n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(extension);
        if (!taken(candidate)) return candidate;
    }
}

void RecordPlacedFrame(std::vector<AtlasFrame>& frames, const QRect& rect,
                       const QString& sourcePath) {
    const QString name = UniqueFrameName(frames, QFileInfo(sourcePath).fileName());
    frames.push_back({rect, name});
}

void RecordReplacedFrame(std::vector<AtlasFrame>& frames, const QRect& rect,
                         const QString& sourcePath) {
    const QString fileName = QFileInfo(sourcePath).fileName();
    for (AtlasFrame& f : frames) {
        if (f.rect == rect) {
            f.name = UniqueFrameName(frames, fileName, &f);
            return;
        }
    }
    std::erase_if(frames, [&](const AtlasFrame& f) { return rect.contains(f.rect); });
    RecordPlacedFrame(frames, rect, sourcePath);
}

QByteArray AtlasJson(const std::vector<AtlasFrame>& frames, const QString& imageName,
                     const QSize& pageSize, const QJsonObject& extraMeta) {
    QJsonObject list;
    for (const AtlasFrame& f : frames) {
        const int w = f.rect.width(), h = f.rect.height();
        list.insert(f.name,
                    QJsonObject{{QStringLiteral("frame"), RectObject(f.rect)},
                                {QStringLiteral("rotated"), false},
                                {QStringLiteral("trimmed"), false},
                                {QStringLiteral("spriteSourceSize"), RectObject(QRect(0, 0, w, h))},
                                {QStringLiteral("sourceSize"), SizeObject(w, h)}});
    }
    QJsonObject meta{{QStringLiteral("app"), QStringLiteral("Tessella")},
                     {QStringLiteral("version"), QStringLiteral("4.0")},
                     {QStringLiteral("image"), imageName},
                     {QStringLiteral("format"), QStringLiteral("RGB888")},
                     {QStringLiteral("size"), SizeObject(pageSize.width(), pageSize.height())},
                     {QStringLiteral("scale"), QStringLiteral("1")}};
    for (auto it = extraMeta.begin(); it != extraMeta.end(); ++it)
        meta.insert(it.key(), it.value());
    return QJsonDocument(
               QJsonObject{{QStringLiteral("frames"), list}, {QStringLiteral("meta"), meta}})
        .toJson(QJsonDocument::Indented);
}

std::optional<std::vector<AtlasFrame>> ParseAtlasJson(const QByteArray& json, const QSize& pageSize,
                                                      QString* fault) {
    const auto refuse = [&](const QString& why) {
        if (fault) *fault = why;
        return std::nullopt;
    };
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refuse(kAtlasNotJson);
    const QJsonValue framesValue = document.object().value(QStringLiteral("frames"));
    if (!framesValue.isObject()) return refuse(kAtlasNotJson);
    const QJsonObject list = framesValue.toObject();
    if (list.size() > kMaxAtlasFrames) return refuse(kAtlasTooManyFrames.arg(kMaxAtlasFrames));
    const QRect page(QPoint(0, 0), pageSize);
    std::vector<AtlasFrame> frames;
    int64_t covered = 0;
    // QJsonObject keeps its keys sorted: the list comes back in name order.
    for (auto it = list.begin(); it != list.end(); ++it) {
        const QJsonObject rect = it.value().toObject().value(QStringLiteral("frame")).toObject();
        const auto x = WholeNumber(rect.value(QStringLiteral("x")));
        const auto y = WholeNumber(rect.value(QStringLiteral("y")));
        const auto w = WholeNumber(rect.value(QStringLiteral("w")));
        const auto h = WholeNumber(rect.value(QStringLiteral("h")));
        if (!x || !y || !w || !h || *w < 1 || *h < 1)
            return refuse(kAtlasFrameUnreadable.arg(it.key()));
        const QRect r(*x, *y, *w, *h);
        if (!page.contains(r))
            return refuse(kAtlasFrameOutside.arg(it.key())
                              .arg(*x)
                              .arg(*y)
                              .arg(*w)
                              .arg(*h)
                              .arg(pageSize.width())
                              .arg(pageSize.height()));
        covered += int64_t{*w} * *h;
        if (covered > platform::kMaxImagePixels)
            return refuse(kAtlasFramesCoverTooMuch.arg(it.key()).arg(platform::kMaxImagePixels /
                                                                     (1024 * 1024)));
        frames.push_back({r, it.key()});
    }
    return frames;
}

std::optional<QString> ElementPathForName(const QString& folder, const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return std::nullopt;
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control) return std::nullopt;
    const QString file = WithExtension(name, kPngExtension);
    if (file == kPngExtension) return std::nullopt;  // no name before the extension
    return QDir(folder).filePath(file);
}

}  // namespace tessella::texture
