#pragma once
// The atlas data written beside every page (mur.tga -> mur.json): where each element lies on
// the page and the file it came from, in the JSON layout that engines and packing tools share
// ({"frames": {...}, "meta": {...}}).

#include <QByteArray>
#include <QJsonObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace tessella::texture {

// One element placed on the page: its rectangle and its key, the file name of its source made
// unique on the page.
struct AtlasFrame {
    QRect rect;
    QString name;
    bool operator==(const AtlasFrame&) const = default;
};

// The most frames one page may list, and the most pixels they may cover together (their
// rectangles may overlap): a list beyond either is refused rather than written out.
inline constexpr qsizetype kMaxAtlasFrames = 65536;
// The largest atlas file read: far beyond what kMaxAtlasFrames frames take.
inline constexpr qint64 kMaxAtlasFileBytes = 64 * 1024 * 1024;

// The atlas file beside page: its extension replaced by ".json".
QString AtlasPathFor(const QString& pagePath);

// fileName, or when another frame already has it, fileName with "-2", "-3", ... before its
// extension ("brique.png" -> "brique-2.png"): the first one free. except is left out of the
// comparison (the frame being renamed).
QString UniqueFrameName(const std::vector<AtlasFrame>& frames, const QString& fileName,
                        const AtlasFrame* except = nullptr);

// Adds the element placed at rect from the file sourcePath, under a unique name.
void RecordPlacedFrame(std::vector<AtlasFrame>& frames, const QRect& rect,
                       const QString& sourcePath);
// A replace at rect by the file sourcePath: the frame with exactly that rectangle takes the new
// name; where none has it, the frames the replace covers whole are dropped and the new one is
// added.
void RecordReplacedFrame(std::vector<AtlasFrame>& frames, const QRect& rect,
                         const QString& sourcePath);

// The JSON text: every frame under its name (never rotated or trimmed), meta naming imageName (the
// page's own file name), its size, the format RGB888 and scale 1.
// extraMeta's entries join meta (an engine atlas's mipmap levels and sibling files).
QByteArray AtlasJson(const std::vector<AtlasFrame>& frames, const QString& imageName,
                     const QSize& pageSize, const QJsonObject& extraMeta = {});

// The frames of an atlas text, in name order, for a page of pageSize. Nothing when
// the text is not such JSON, a frame lies outside the page or is empty, or the list is beyond
// kMaxAtlasFrames or covers more than the pixel limit; then fault, when given, says why,
// naming the frame.
std::optional<std::vector<AtlasFrame>> ParseAtlasJson(const QByteArray& json, const QSize& pageSize,
                                                      QString* fault = nullptr);

// The element's file for name inside folder: name's extension replaced by ".png". Nothing
// when name would leave the folder or name nothing (empty, ".", "..", a separator, a control
// character, no name before the extension).
std::optional<QString> ElementPathForName(const QString& folder, const QString& name);

}  // namespace tessella::texture
