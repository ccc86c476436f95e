#pragma once
// Point-sampled resizing of the working array.

#include "pixels/WorkingPicture.h"

namespace tessella::editor {

// Resamples the picture to newWidth x newHeight: each target pixel copies the source pixel
// under the centre of its footprint (column floor((x + 0.5) * W / newWidth), likewise rows),
// so the same size is the identity and doubling repeats every pixel twice. The alpha plane is
// sampled alike. Throws TessellaError, leaving the array unchanged, on a size below 1 or beyond
// the pixel limit, or when there is no picture.
void ResizeNearest(pixels::WorkingPicture& work, int newWidth, int newHeight);

}  // namespace tessella::editor
