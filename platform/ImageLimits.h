#pragma once
// The one pixel limit every decoder and every size change checks before it allocates.

#include <QString>
#include <cstdint>

namespace tessella::platform {

// 128 megapixels (384 MB at 24 bits), and a side of at most 2^20 pixels. The fuzz builds
// lower it, so that their tiny inputs explore the decoders instead of allocating.
#ifdef TESSELLA_MAX_IMAGE_PIXELS
inline constexpr int64_t kMaxImagePixels = TESSELLA_MAX_IMAGE_PIXELS;
#else
inline constexpr int64_t kMaxImagePixels = int64_t{128} * 1024 * 1024;
#endif
inline constexpr int64_t kMaxImageSide = int64_t{1} << 20;

// Throws TessellaError("<what> : dimensions d'image invalides (W x H)") unless
// 1 <= width, height <= kMaxImageSide and width * height <= kMaxImagePixels.
void CheckImageSize(int64_t width, int64_t height, const QString& what);
// The same test without throwing.
bool ImageSizeAllowed(int64_t width, int64_t height);

// The largest file a format can need for a picture within the limit: bytesPerPixel for the
// worst coding of one pixel, plus overhead for headers, palettes and row tables. A larger
// file is refused before it is read.
constexpr int64_t MaxImageFileBytes(int64_t bytesPerPixel, int64_t overhead) {
    return kMaxImagePixels * bytesPerPixel + overhead;
}

}  // namespace tessella::platform
