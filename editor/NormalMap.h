#pragma once
// Normal maps made from an element's colours, for lighting it in a 3-D engine.

#include "pixels/PixelGrid.h"

namespace tessella::editor {

inline constexpr double kMinNormalStrength = 0.1;
inline constexpr double kMaxNormalStrength = 20.0;

struct NormalMapSettings {
    double strength = 2.0;  // S below, from kMinNormalStrength to kMaxNormalStrength
    bool directX = false;   // green points down (towards higher y) instead of up
};

// The height of a pixel is its luminance h = (0.2126 R + 0.7152 G + 0.0722 B) / 255, in 0..1,
// on the stored sRGB values. Its slopes are 3 x 3 Sobel sums divided by 8, so that a height
// rising by d per pixel has slope d:
//   dh/dx = (h[x+1][y-1] + 2 h[x+1][y] + h[x+1][y+1] - h[x-1][y-1] - 2 h[x-1][y] - h[x-1][y+1]) / 8
// and dh/dy alike down the rows, the neighbours wrapping around the picture's edges (so a
// tileable picture gives a tileable map). With y pointing up the picture (towards lower rows),
// the normal is (-S dh/dx, -S dh/dy, 1) normalised, stored in red, green, blue as
// (n + 1) / 2 x 255 rounded to nearest, halves up: a flat picture gives (128, 128, 255).
// directX flips the normal's y. out takes in's size and alpha plane; it may be in itself. With
// a plane, each texel's slopes are scaled by its alpha / 255: a transparent texel is flat
// (128, 128, 255), whatever colour it hides.
void MakeNormalMap(const pixels::PixelGrid& in, pixels::PixelGrid& out,
                   const NormalMapSettings& settings);

}  // namespace tessella::editor
