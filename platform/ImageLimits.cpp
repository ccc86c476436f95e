#include "platform/ImageLimits.h"

#include "platform/Error.h"
#include "platform/Text.h"

namespace tessella::platform {

bool ImageSizeAllowed(int64_t width, int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

namespace {

// %1 x %2: the picture; %3: the most megapixels; %4: the longest side.
constexpr Text kImageTooLarge{QT_TRANSLATE_NOOP(
    "Tessella",
    "Image trop grande : %1 x %2 pixels, au-delà de la limite du programme (%3 mégapixels, "
    "%4 pixels de côté)")};
// %1: what is too large; %2: why.
constexpr Text kWhatIsWrong{QT_TRANSLATE_NOOP("Tessella", "%1 : %2")};
// %1: what; %2 x %3: its size.
constexpr Text kInvalidSize{
    QT_TRANSLATE_NOOP("Tessella", "%1 : dimensions d'image invalides (%2 x %3)")};

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
        throw TessellaError(kWhatIsWrong.arg(what, ImageTooLargeError(width, height).message()));
    if (!ImageSizeAllowed(width, height))
        throw TessellaError(kInvalidSize.arg(what).arg(width).arg(height));
}

}  // namespace tessella::platform
