#pragma once
// The grey checkerboard that transparent texels are shown over, as in every image editor: 8 x 8
// squares of screen pixels, grey 255 and 204, the light one at the board's origin. A partly
// transparent texel is blended over it; an opaque picture never pays for it.

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

namespace tessella::widgets {

inline constexpr int kCheckerSquare = 8;
inline constexpr int kCheckerLight = 255;
inline constexpr int kCheckerDark = 204;

// The grey at screen pixel (x, y) of a board whose origin is (0, 0).
constexpr int CheckerGrey(int x, int y) {
    // Floor division, so squares keep their size left of and above the origin.
    const int column = x >= 0 ? x / kCheckerSquare : (x + 1) / kCheckerSquare - 1;
    const int row = y >= 0 ? y / kCheckerSquare : (y + 1) / kCheckerSquare - 1;
    return ((column + row) & 1) == 0 ? kCheckerLight : kCheckerDark;
}

// texel (non-premultiplied ARGB) over grey: each channel c a / 255 + grey (255 - a) / 255,
// rounded to the nearest; opaque.
constexpr QRgb OverGrey(QRgb texel, int grey) {
    const int a = qAlpha(texel);
    const auto mix = [a, grey](int c) { return (c * a + grey * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(texel)), mix(qGreen(texel)), mix(qBlue(texel)));
}

// Fills area with the board, its origin at origin.
void PaintCheckerboard(QPainter& painter, const QRect& area, QPoint origin);

// Blends count texels (non-premultiplied ARGB) over the board into out (opaque RGB32): texel i
// lands on screen pixel (x + i, y) of a board whose origin is (0, 0).
void BlendRowOverCheckerboard(const QRgb* texels, QRgb* out, int count, int x, int y);

// picture shown at its own pixels over the board (origin at its top-left corner), as an opaque
// picture; a picture without an alpha channel is answered as it is.
QImage OverCheckerboard(const QImage& picture);

}  // namespace tessella::widgets
