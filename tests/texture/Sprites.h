#pragma once
// Sprites for the transparency tests of the page, and mipmaps as a GPU makes them.

#include <QImage>
#include <QRect>
#include <cmath>
#include <functional>

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

// Each level the 2 x 2 box of the one above, straight RGBA, rounded: what a GPU's mipmaps do.
inline QImage BoxHalved(const QImage& top) {
    QImage half(top.width() / 2, top.height() / 2, QImage::Format_ARGB32);
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x) {
            int sum[4] = {};
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb p = top.pixel(2 * x + d.x(), 2 * y + d.y());
                sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p), sum[3] += qAlpha(p);
            }
            half.setPixel(
                x, y,
                qRgba((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4, (sum[3] + 2) / 4));
        }
    return half;
}

// The texels of level k (a texel covering 2^k) that frame r or its 1-texel ring touches.
inline void ForRingedTexels(const QRect& r, int k, const std::function<void(int, int)>& visit) {
    const int t = 1 << k;
    for (int ty = r.top() / t - 1; ty <= r.bottom() / t + 1; ++ty)
        for (int tx = r.left() / t - 1; tx <= r.right() / t + 1; ++tx) visit(tx, ty);
}

}  // namespace tessella::testing
