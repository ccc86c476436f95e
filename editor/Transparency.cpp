#include "editor/Transparency.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Error.h"

namespace tessella::editor {

using pixels::Bgr;
using pixels::PixelGrid;

namespace {

bool NearKey(const Bgr& p, const Bgr& key, int tolerance) {
    return std::abs(p.b - key.b) <= tolerance && std::abs(p.g - key.g) <= tolerance &&
           std::abs(p.r - key.r) <= tolerance;
}

// c a / 255 + b (255 - a) / 255 rounded: the numerator over 255 (odd) is never a half.
uint8_t Blend(unsigned c, unsigned background, unsigned a) {
    return static_cast<uint8_t>((c * a + background * (255 - a) + 127) / 255);
}

}  // namespace

void MakeColourTransparent(pixels::WorkingPicture& work, platform::ColourValue key, int tolerance) {
    if (tolerance < 0 || tolerance > kMaxKeyTolerance)
        throw platform::TessellaError(platform::kRangeMessage);
    PixelGrid& image = work.image();
    const Bgr k{key.blue(), key.green(), key.red()};
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        const Bgr* row = image.row(y);
        for (int x = 0; x < w; ++x) {
            if (!NearKey(row[x], k, tolerance)) continue;
            // The plane comes with the first texel that needs it.
            image.addAlpha();
            image.alphaRow(y)[x] = 0;
        }
    }
}

void FlattenOnto(pixels::WorkingPicture& work, platform::ColourValue background) {
    PixelGrid& image = work.image();
    if (!image.hasAlpha()) return;
    const unsigned b = background.blue(), g = background.green(), r = background.red();
    for (int y = 0; y < image.height(); ++y) {
        Bgr* row = image.row(y);
        const uint8_t* alpha = image.alphaRow(y);
        for (int x = 0; x < image.width(); ++x)
            row[x] = Bgr{Blend(row[x].b, b, alpha[x]), Blend(row[x].g, g, alpha[x]),
                         Blend(row[x].r, r, alpha[x])};
    }
    image.dropAlpha();
}

}  // namespace tessella::editor
