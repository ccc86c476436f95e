#include "editor/ElementPictures.h"

#include <QPainter>
#include <QRect>
#include <algorithm>

#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::editor {

QImage BlankElement(int width, int height, platform::ColourValue colour, const QString& what) {
    platform::CheckImageSize(width, height, what);
    QImage picture(width, height, QImage::Format_BGR888);
    if (picture.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    picture.fill(colour.toQColor());
    return picture;
}

namespace {

// Copies source's texels onto target's with source's top-left corner on at, alpha included
// and never premultiplied (so hidden colours survive); both are Format_ARGB32.
void CopyTexels(QImage& target, const QImage& source, QPoint at) {
    const QRect area = target.rect() & QRect(at, source.size());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y - at.y()));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        std::copy(in + (area.left() - at.x()), in + (area.right() + 1 - at.x()), out + area.left());
    }
}

QImage Straight(const QImage& picture) {
    QImage converted = picture.convertToFormat(QImage::Format_ARGB32);
    if (converted.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    return converted;
}

}  // namespace

QImage CropOrExtend(const QImage& picture, QSize size, const QString& what) {
    QImage resized = BlankElement(size.width(), size.height(), platform::kWhite, what);
    if (!picture.hasAlphaChannel()) {
        QPainter(&resized).drawImage(0, 0, picture);
        return resized;
    }
    resized = Straight(resized);
    CopyTexels(resized, Straight(picture), QPoint(0, 0));
    return resized;
}

QImage PasteInto(const QImage& picture, const QImage& pasted, QPoint at) {
    if (!picture.hasAlphaChannel() && !pasted.hasAlphaChannel()) {
        QImage merged = picture;
        QPainter(&merged).drawImage(at, pasted);
        return merged;
    }
    // The pasted texels replace the element's, alpha and all: a zone moves as it was.
    QImage merged = Straight(picture);
    CopyTexels(merged, Straight(pasted), at);
    return merged;
}

QImage RulerPicture(QSize size, const std::vector<QLine>& ticks) {
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setPen(Qt::black);
    for (const QLine& tick : ticks) p.drawLine(tick);
    return picture;
}

}  // namespace tessella::editor
