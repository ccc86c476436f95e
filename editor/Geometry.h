#pragma once
// Operations that move whole pixels of the working array without changing their values.
// Each checks its argument and the new size first: on a refusal the array is unchanged.

#include "pixels/Traite.h"

namespace tessella::editor {

// 1 = a quarter turn counter-clockwise, 2 = clockwise; W and H are exchanged.
void RotateQuarter(pixels::Traite& work, int direction);
// Left-right mirror.
void MirrorHorizontal(pixels::Traite& work);
// Top-bottom flip.
void FlipVertical(pixels::Traite& work);
// 2 faces: the mirror image is added to the right (W doubled); 4 faces: then the upside-down
// image below (H doubled too), so the result tiles without seams. Throws TessellaError when
// the doubled size is too large.
void MakeSymmetric(pixels::Traite& work, int faces);
// 1: the picture repeated to its right (W doubled); 2: repeated below (H doubled). Throws
// TessellaError when the doubled size is too large.
void DoubleTile(pixels::Traite& work, int direction);

}  // namespace tessella::editor
