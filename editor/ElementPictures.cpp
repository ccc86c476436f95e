#include "editor/ElementPictures.h"

#include <QPainter>

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

QImage CropOrExtend(const QImage& picture, QSize size, const QString& what) {
    QImage resized = BlankElement(size.width(), size.height(), platform::kWhite, what);
    QPainter(&resized).drawImage(0, 0, picture);
    return resized;
}

QImage PasteInto(const QImage& picture, const QImage& pasted, QPoint at) {
    QImage merged = picture;
    QPainter(&merged).drawImage(at, pasted);
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
