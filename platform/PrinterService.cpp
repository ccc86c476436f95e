#include "platform/PrinterService.h"

namespace tessella::platform {

QImage PictureForDevice(const QImage& picture, QSize target) {
    if (picture.size() == target) return picture;
    return picture.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace tessella::platform
