#pragma once
// Textures that repeat across walls and floors: moving the element with wrap-around, blending
// away its seams, and a figure that tells how much the seams show.

#include <QString>
#include <cstddef>
#include <cstdint>

#include "pixels/WorkingPicture.h"

namespace tessella::editor {

// Every pixel moves by (dx, dy) with wrap-around: the pixel at (x, y) lands at
// ((x + dx) mod W, (y + dy) mod H). Any amount, negative ones going left and up. The alpha
// plane moves with the colours.
void OffsetWrap(pixels::WorkingPicture& work, long long dx, long long dy);

// The "offset and cross-fade" method of seamless tiling: the element is blended with its copy
// moved by half its size, whose edges come from the element's middle and so already meet
// without a seam. The copy's weight is 1 on the tile's edges and falls linearly to 0 at
// distance band inside, where the element itself is kept. The blend runs one axis after the
// other (columns, then rows): each pass keeps what the other made continuous, which a single
// weight such as max(wx, wy) does not (it shows the copy's own seam at the middle of each
// edge). The band is clamped to (side div 2) - 1 per axis so that it stays clear of the
// copy's own seam; an axis of 3 pixels or fewer is left as it is (every column already meets
// every other). Pixels at least band from every edge keep their values. With an alpha plane,
// colours are mixed weighted by their alpha as well (a transparent texel gives no colour) and
// the alpha is mixed like a channel.
void MakeTileable(pixels::WorkingPicture& work, int band);

// How much the seams of the repeated element show: the mean absolute difference, over the
// three channels, between the last and the first column and between the last and the first
// row, divided by the same mean over every pair of neighbouring pixels inside the element.
// 1: the seam looks like the inside; well above 1: it shows.
// An axis of one pixel meets only itself when repeated: it has neither a seam nor inside pairs
// and is left out. With no pair at all (one pixel, or an empty picture) the figure is 1. An
// inside mean of 0 can only come from a flat picture (the inside pairs join every pixel to
// every other), whose seams are flat too: the figure is then 1, never a division by 0.
double SeamFigure(const pixels::PixelGrid& picture);
// The same over rows of 3-byte pixels, bytesPerLine apart (a 24-bit QImage's bits).
double SeamFigure(const uint8_t* first, std::ptrdiff_t bytesPerLine, int width, int height);

// The figure with one decimal and a French decimal comma ("3,2").
QString SeamFigureText(double figure);

}  // namespace tessella::editor
