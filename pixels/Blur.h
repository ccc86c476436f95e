#pragma once
// Blur by 2 x 2 block averages (truncating), in place, reading and writing through accessors
// that limit coordinates to the picture (edge pixels repeat). The walk orders are part of the
// result: each block sees the blocks already averaged.

#include <cstddef>

#include "pixels/TabImage.h"

namespace tessella::pixels {

// Variant 0 averages every block, columns left to right, each column top down. Variants 1..8
// average the four borders, then move each even block's mean: 1 right by 1, 2 down by 1,
// 3 down-right by 1, 4 down by 1 and left by 2 (walking down); 5 left by 1, 6 up by 1, 7 up-left
// by 1, 8 up by 1 and right by 2 (walking up from the bottom-right). Works on the picture's own
// width x height; needs no scratch array. An empty picture is left alone; a variant outside
// 0..8 throws TessellaError(kRangeMessage).
void Blur(TabImage& picture, int variant);

}  // namespace tessella::pixels
