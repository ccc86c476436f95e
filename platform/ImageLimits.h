#pragma once
// The one pixel limit every decoder and every size change checks before it allocates.

#include <QString>
#include <cstdint>

namespace tessella::platform {

// 128 megapixels (384 MB at 24 bits), and a side of at most 2^20 pixels.
inline constexpr int64_t kMaxImagePixels = int64_t{128} * 1024 * 1024;
inline constexpr int64_t kMaxImageSide = int64_t{1} << 20;

// Throws TessellaError("<what> : dimensions d'image invalides (W x H)") unless
// 1 <= width, height <= kMaxImageSide and width * height <= kMaxImagePixels.
void CheckImageSize(int64_t width, int64_t height, const QString& what);
// The same test without throwing.
bool ImageSizeAllowed(int64_t width, int64_t height);

}  // namespace tessella::platform
