#pragma once
// Sprites for the transparency tests of the page.

#include <QImage>
#include <cmath>

#include "pixels/PixelGrid.h"

namespace tessella::testing {

// A sprite: a green ellipse with a soft edge, on a fully transparent background whose colour
// (200, 30, 30) is kept under alpha 0.
inline QImage Sprite(int w, int h, int green = 180) {
    QImage picture(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = (x + 0.5 - w / 2.0) / (w / 2.0), dy = (y + 0.5 - h / 2.0) / (h / 2.0);
            const double d = dx * dx + dy * dy;
            const int a = d <= 0.6 ? 255
                          : d >= 1 ? 0
                                   : static_cast<int>(std::lround(255 * (1 - d) / 0.4));
            picture.setPixel(x, y, a == 0 ? qRgba(200, 30, 30, 0) : qRgba(30, green, 40, a));
        }
    return picture;
}

// A working array as a QImage to look at: Format_BGR888, or non-premultiplied Format_ARGB32
// with its alpha.
inline QImage GridImage(const pixels::PixelGrid& grid) {
    QImage image(grid.width(), grid.height(),
                 grid.hasAlpha() ? QImage::Format_ARGB32 : QImage::Format_BGR888);
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const pixels::Bgr c = grid.at(x, y);
            image.setPixel(x, y, qRgba(c.r, c.g, c.b, grid.alphaAt(x, y)));
        }
    return image;
}

}  // namespace tessella::testing
