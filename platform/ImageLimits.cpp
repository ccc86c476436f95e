#include "platform/ImageLimits.h"

#include "platform/Error.h"

namespace tessella::platform {

bool ImageSizeAllowed(int64_t width, int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

namespace {

// %1 x %2: the picture; %3: the most megapixels; %4: the longest side.
const QString kImageTooLarge = QStringLiteral(
    "Image trop grande : %1 x %2 pixels, au-delà de la limite du programme (%3 mégapixels, "
    "%4 pixels de côté)");

}  // namespace

ImageTooLargeError::ImageTooLargeError(int64_t width, int64_t height)
    : TessellaError(kImageTooLarge.arg(width)
                        .arg(height)
                        .arg(kMaxImagePixels / (1024 * 1024))
                        .arg(kMaxImageSide)) {}

void RefuseImageBeyondLimit(int64_t width, int64_t height) {
    if (width >= 1 && height >= 1 && !ImageSizeAllowed(width, height))
        throw ImageTooLargeError(width, height);
}

void CheckImageSize(int64_t width, int64_t height, const QString& what) {
    if (width >= 1 && height >= 1 && !ImageSizeAllowed(width, height))
        throw TessellaError(
            QStringLiteral("%1 : %2").arg(what, ImageTooLargeError(width, height).message()));
    if (!ImageSizeAllowed(width, height))
        throw TessellaError(QStringLiteral("%1 : dimensions d'image invalides (%2 x %3)")
                                .arg(what)
                                .arg(width)
                                .arg(height));
}

}  // namespace tessella::platform
