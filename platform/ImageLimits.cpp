#include "platform/ImageLimits.h"

#include "platform/Error.h"

namespace tessella::platform {

bool ImageSizeAllowed(int64_t width, int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

void CheckImageSize(int64_t width, int64_t height, const QString& what) {
    if (!ImageSizeAllowed(width, height))
        throw TessellaError(QStringLiteral("%1 : dimensions d'image invalides (%2 x %3)")
                                .arg(what)
                                .arg(width)
                                .arg(height));
}

}  // namespace tessella::platform
