#pragma once
// The three colour operations behind the colour adjustment window: RGB correction (uniform or
// progressive), contrast about a reference grey and emboss. Each reads width x height pixels of
// `source` and writes them to `destination`; the two may be the same array (the editor runs them
// in place, the window from its preview source into its preview result). Both arrays must hold
// at least width x height pixels, else TessellaError(kRangeMessage); an empty picture is left
// alone.

#include <QImage>
#include <cstddef>
#include <optional>

#include "pixels/PixelGrid.h"
#include "platform/ColourValue.h"

namespace tessella::pixels {

// Uniform scales every pixel by percent / 100. The others walk the picture in steps: columns
// (LeftToRight, RightToLeft), rows (TopDown, BottomUp) or diagonals starting from a corner.
enum class RgbDirection {
    Uniform,
    LeftToRight,
    RightToLeft,
    TopDown,
    BottomUp,
    FromTopLeft,
    FromTopRight,
    FromBottomLeft,
    FromBottomRight,
};

// The direction of the RGB window's button 0..8, in the order above; another index throws
// TessellaError(kRangeMessage).
RgbDirection RgbDirectionFromIndex(int index);

// Percentages 0..200 (100 = unchanged). Walking in steps, each factor starts at 1 and grows by
// (percent - 100) / 100 / width before every step, whatever the direction. Bytes are clamped
// then rounded half to even.
void RgbCorrection(const PixelGrid& source, PixelGrid& destination, int width, int height,
                   int redPercent, int greenPercent, int bluePercent, RgbDirection direction);

// Each channel c becomes c + (c - reference) x amount / 255, rounded half to even and clamped;
// an amount of 0 acts as 1. The editor passes reference 127 and amount -200..200.
void Contrast(const PixelGrid& source, PixelGrid& destination, int width, int height, int reference,
              double amount);

enum class EmbossMode { Plain, StrongInverted };

struct EmbossSettings {
    int threshold = 255;  // 100..255 (limited to 0..255): xor-ed with the lower pixel's bytes
    EmbossMode mode = EmbossMode::Plain;
    int saturation = 127;  // 1..255 (limited to 0..255), of the coloured background
    std::optional<platform::ColourValue> colour;  // coloured background; none = plain relief
    bool textured = false;  // lay the relief over the tiled texture; mode and colour ignored
};

// A picture's rows of blue-green-red pixels, bytesPerLine apart.
struct BgrPicture {
    const uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t bytesPerLine = 0;
};

// Relief of each pixel against the one below it; the bottom row of `destination` is not
// written. With `textured`, `texture` (empty counts as one white pixel) is tiled from the
// top-left pixel, one texture pixel per picture pixel. With an alpha plane in source, the pixel
// below is seen through its alpha over the pixel itself (a transparent one makes no relief);
// the alpha is left as it is, as by the other operations here.
void Emboss(const PixelGrid& source, PixelGrid& destination, int width, int height,
            const EmbossSettings& settings, const BgrPicture& texture);
// The same with a texture of any format. Inline, so that the pixel code needs only Qt Core.
inline void Emboss(const PixelGrid& source, PixelGrid& destination, int width, int height,
                   const EmbossSettings& settings, const QImage& texture = QImage()) {
    const QImage tiles = settings.textured && !texture.isNull()
                             ? texture.convertToFormat(QImage::Format_BGR888)
                             : QImage();
    Emboss(source, destination, width, height, settings,
           BgrPicture{tiles.constBits(), tiles.width(), tiles.height(), tiles.bytesPerLine()});
}

}  // namespace tessella::pixels
