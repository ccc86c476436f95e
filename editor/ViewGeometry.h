#pragma once
// The arithmetic of the element editor's view: pointer to element pixel, the zoomed view's
// size, the ruler ticks and the ruler lines that follow the pointer.

#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace tessella::editor {

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 10;
inline constexpr int kRulerThickness = 25;

// The element pixel under view point (X, Y): each coordinate divided by the zoom, truncating.
QPoint ViewToPixel(QPoint view, int zoom);
// Only 0 <= x < width and 0 <= y < height are pixels of the picture.
bool IsOnPicture(QPoint pixel, int width, int height);
// The nearest pixel of a width x height picture (which must not be empty).
QPoint ClampToPicture(QPoint pixel, int width, int height);

// The view of a width x height element at zoom; throws TessellaError(kOverflowMessage) when a
// side does not fit 32 bits.
QSize ZoomedSize(int width, int height, int zoom);

// Ticks every 5 pixels up to length rounded up to a multiple of 5; odd multiples of 5 are long
// (from the outer edge), even ones short (from 10 pixels in). The vertical ruler's run across
// it at y = v; the horizontal ruler's stand at x = v + kRulerThickness, past the corner.
std::vector<QLine> VerticalRulerTicks(int length);
std::vector<QLine> HorizontalRulerTicks(int length);

// Where the ruler lines and the pointer label go for a pointer at view point (X, Y): the
// vertical line from the top down to 10 pixels above the pointer, the horizontal one from the
// left to 10 pixels before it (never negative), the label 20 right of and 5 above it.
struct RulerLines {
    QRect vertical;
    QRect horizontal;
    QPoint labelTopLeft;
};
RulerLines RulerLinesAt(QPoint view);

}  // namespace tessella::editor
