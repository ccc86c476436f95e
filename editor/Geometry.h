#pragma once
// Operations that move whole pixels of the working array without changing their values.
// Those that change the size check it first: on a refusal the array is unchanged.

#include "pixels/WorkingPicture.h"

namespace tessella::editor {

enum class Turn { CounterClockwise, Clockwise };
// A quarter turn; W and H are exchanged.
void RotateQuarter(pixels::WorkingPicture& work, Turn turn);
// Left-right mirror.
void MirrorHorizontal(pixels::WorkingPicture& work);
// Top-bottom flip.
void FlipVertical(pixels::WorkingPicture& work);
enum class Symmetry { TwoFaces, FourFaces };
// Two faces: the mirror image is added to the right (W doubled); four faces: then the
// upside-down image below (H doubled too), so the result tiles without seams. Throws
// TessellaError when the doubled size is too large.
void MakeSymmetric(pixels::WorkingPicture& work, Symmetry symmetry);
enum class TileDirection { Right, Down };
// The picture repeated to its right (W doubled) or below (H doubled). Throws TessellaError when
// the doubled size is too large.
void DoubleTile(pixels::WorkingPicture& work, TileDirection direction);

}  // namespace tessella::editor
