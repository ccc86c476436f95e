#pragma once
// Blur by 2 x 2 block averages (truncating), in place, reading and writing through accessors
// that limit coordinates to the picture (edge pixels repeat). The walk orders are part of the
// result: each block sees the blocks already averaged.

#include <cstddef>

#include "pixels/PixelGrid.h"

namespace tessella::pixels {

// Whole averages every block, columns left to right, each column top down. The others average
// the four borders, then move each even block's mean by the shift they name, one pixel unless
// they say two: Right to DownOneLeftTwo walking down from the top-left, Left to UpOneRightTwo
// walking up from the bottom-right.
enum class BlurVariant {
    Whole,
    Right,
    Down,
    DownRight,
    DownOneLeftTwo,
    Left,
    Up,
    UpLeft,
    UpOneRightTwo,
};

// The variant of the blur window's button 0..8, in the order above; another index throws
// TessellaError(kRangeMessage).
BlurVariant BlurVariantFromIndex(int index);

// Works on the picture's own width x height; needs no scratch array. An empty picture is left
// alone. With an alpha plane, each block's colours are weighted by their alpha and the alpha
// is averaged too, so that no dark fringe grows where a sprite meets its transparent
// background.
void Blur(PixelGrid& picture, BlurVariant variant);

}  // namespace tessella::pixels
