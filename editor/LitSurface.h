#pragma once
// An element lit by a point light through its normal map, repeated, for the lit preview.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixels/PixelGrid.h"

namespace tessella::editor {

struct PointLight {
    // Over the painted area, in its pixels, and above the surface in the same unit.
    double x = 0;
    double y = 0;
    double height = 100;
    // The share of each colour that no surface loses, facing the light or not.
    double ambient = 0.25;
};

class LitSurface {
  public:
    LitSurface() = default;
    // colours and normals of the same size; normals stored as MakeNormalMap does in the
    // OpenGL convention (green up).
    LitSurface(const pixels::PixelGrid& colours, const pixels::PixelGrid& normals);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return colours_.empty(); }

    // Paints w x h pixels of the element repeated from its top-left corner, scale painted
    // pixels per element pixel, into rows of 0xffRRGGBB pixels bytesPerLine apart. Painted
    // pixel (px, py) shows element pixel (floor((px + 0.5) / scale) mod W, the same in y),
    // its colour times ambient + (1 - ambient) max(0, n . l), n its normal and l the unit
    // vector from (px + 0.5, py + 0.5, 0) to the light; channels rounded.
    void paint(uint8_t* first, std::ptrdiff_t bytesPerLine, int w, int h, double scale,
               const PointLight& light) const;

  private:
    int width_ = 0;
    int height_ = 0;
    // Per element pixel, apart so that a row of the painting runs on vectors: the unit normal
    // in the picture's axes (y down, z towards the viewer), and the colour as 0xRRGGBB.
    std::vector<float> normalX_, normalY_, normalZ_;
    std::vector<uint32_t> colours_;
};

}  // namespace tessella::editor
