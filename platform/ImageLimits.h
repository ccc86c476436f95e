#pragma once
// The one pixel limit every decoder and every size change checks before it allocates.

#include <QString>
#include <cstdint>

#include "platform/Error.h"

namespace tessella::platform {

// 128 megapixels (384 MB at 24 bits), and a side of at most 2^20 pixels. The fuzz builds
// lower it, so that their tiny inputs explore the decoders instead of allocating.
#ifdef TESSELLA_MAX_IMAGE_PIXELS
inline constexpr int64_t kMaxImagePixels = TESSELLA_MAX_IMAGE_PIXELS;
#else
inline constexpr int64_t kMaxImagePixels = int64_t{128} * 1024 * 1024;
#endif
inline constexpr int64_t kMaxImageSide = int64_t{1} << 20;

// The most memory a decoder may hold for a picture: 1.6 times the largest picture at 24 bits.
// What does not fit is too large, never spilled to disk.
inline constexpr int64_t kMaxDecodeBytes = kMaxImagePixels * 3 * 8 / 5;

// Lets Qt's image readers allocate any picture within the pixel limit at 32 bits (their own
// default stops at 128 MB). Each program's main calls it once, before reading pictures.
void ApplyImageAllocationLimit();

// Throws TessellaError("<what> : dimensions d'image invalides (W x H)") unless
// 1 <= width, height <= kMaxImageSide and width * height <= kMaxImagePixels; for sound sides
// beyond the limit, "<what> : " and ImageTooLargeError's message.
void CheckImageSize(int64_t width, int64_t height, const QString& what);
// The same test without throwing.
bool ImageSizeAllowed(int64_t width, int64_t height);

// A picture whose sides are sound but beyond the limit: every reader refuses it with the same
// message, its size and the limit, so that no format calls it damaged.
class ImageTooLargeError : public TessellaError {
  public:
    ImageTooLargeError(int64_t width, int64_t height);
};
// Throws ImageTooLargeError when width and height are both at least 1 but the picture is
// beyond the limit; does nothing otherwise (the reader judges other faults itself).
void RefuseImageBeyondLimit(int64_t width, int64_t height);

// The largest file a format can need for a picture within the limit: bytesPerPixel for the
// worst coding of one pixel, plus overhead for headers, palettes and row tables. A larger
// file is refused before it is read.
constexpr int64_t MaxImageFileBytes(int64_t bytesPerPixel, int64_t overhead) {
    return kMaxImagePixels * bytesPerPixel + overhead;
}

}  // namespace tessella::platform
