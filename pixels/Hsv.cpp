#include "pixels/Hsv.h"

#include <algorithm>

namespace tessella::pixels {

Hsv RgbToHsv(uint8_t c1, uint8_t c2, uint8_t c3) {
    // Zero components count as 1, so no component and no saturation is ever zero.
    const double a = c1 == 0 ? 1.0 : c1;
    const double b = c2 == 0 ? 1.0 : c2;
    const double c = c3 == 0 ? 1.0 : c3;
    const double min = std::min({a, b, c});
    const double v = std::max({a, b, c});
    double delta = v - min;
    if (delta == 0) delta = 1.0;

    Hsv out;
    out.v = v;
    out.s = delta / v;
    if (a == v)
        out.h = (b - c + 1) * 60 / delta;
    else if (b == v)
        out.h = (c - a + 1) * 60 / delta + 120;
    else
        out.h = (a - b + 1) * 60 / delta + 240;
    if (out.h < 0) out.h += 360;
    return out;
}

Bgr HsvToRgb(int32_t h, int32_t s, int32_t v) {
    // 64-bit intermediates: the same results as 32 bits for the documented ranges, and no
    // overflow for others (each component keeps its low byte either way).
    const auto low = [](int64_t x) { return static_cast<uint8_t>(x & 0xFF); };
    if (s == 0) return {low(v), low(v), low(v)};
    if (h == 360) h = 0;
    const int32_t sector = h / 60;
    const int64_t f = h % 60;
    const int64_t vs = int64_t{v} * s;
    const int64_t p = v - vs / 255;
    const int64_t q = v - (vs * f) / 15300;
    const int64_t t = v - (vs * (60 - f)) / 15300;
    switch (sector) {
        case 0:
            return {low(v), low(t), low(p)};
        case 1:
            return {low(q), low(v), low(p)};
        case 2:
            return {low(p), low(v), low(t)};
        case 3:
            return {low(p), low(q), low(v)};
        case 4:
            return {low(t), low(p), low(v)};
        case 5:
            return {low(v), low(p), low(q)};
        default:
            return {0, 0, 0};
    }
}

}  // namespace tessella::pixels
