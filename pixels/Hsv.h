#pragma once
// Conversions between a stored pixel (bytes in storage order: blue, green, red) and hue,
// saturation and value. They keep the program's own quirks (see each function), on which the
// emboss and the colour operations depend: do not replace them with textbook formulas.

#include <cstddef>
#include <cstdint>

#include "pixels/PixelGrid.h"

namespace tessella::pixels {

struct Hsv {
    double h = 0;  // degrees, [0, 360); 0 when c1 is the largest component
    double s = 0;  // (0, 1]
    double v = 0;  // 1..255
};

// c1, c2, c3 are the stored bytes (blue, green, red). Zero components count as 1 (so black
// gives V 1, S 1), a zero spread counts as 1, and each hue bracket carries a +1: a grey pixel
// has hue 60.
Hsv RgbToHsv(uint8_t c1, uint8_t c2, uint8_t c3);

// Integer conversion by 60-degree sectors; the result's b, g, r are c1, c2, c3. Hue 360 counts as
// 0; hues outside -59..360 give black. Each component is the low byte of its integer result
// (exact for h in 0..360 and s, v in 0..255).
Bgr HsvToRgb(int32_t h, int32_t s, int32_t v);

// x limited to 0..255.
inline uint8_t ClampByte(int32_t x) {
    return static_cast<uint8_t>(x < 0 ? 0 : (x > 255 ? 255 : x));
}

}  // namespace tessella::pixels
