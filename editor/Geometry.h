#pragma once
// Operations that move whole pixels of the working array without changing their values; the
// alpha plane, when there is one, moves with the colours.
// Those that change the size check it first: on a refusal the array is unchanged.

#include <cstdint>
#include <vector>

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

// The moves that a file writer can take straight from the source rows.
enum class Move { TurnCounterClockwise, TurnClockwise, Mirror, Flip };

// The rows of source as RotateQuarter, MirrorHorizontal or FlipVertical would leave them, made
// when asked (a turn a block of rows at a time), so that the moved picture can be written
// without a full-size copy, with the alpha rows moved alike when source has a plane. Rows may
// be asked in any order. source must outlive it and stay unchanged.
class MovedRows {
  public:
    MovedRows(const pixels::PixelGrid& source, Move move);
    int width() const { return width_; }
    int height() const { return height_; }
    // Row y (0 at the top) as width blue-green-red triples, valid until the next call.
    const uint8_t* row(int y);
    // Row y's alpha as width bytes, valid until the next call; only for a source with a plane.
    const uint8_t* alphaRow(int y);

  private:
    const pixels::PixelGrid& source_;
    Move move_;
    int width_ = 0;
    int height_ = 0;
    pixels::PixelGrid block_;  // turned rows from blockFirst_ on, or the mirrored row
    int blockFirst_ = -1;
    std::vector<uint8_t> alphaBlock_;  // turned alpha rows from alphaFirst_ on, or the mirrored one
    int alphaFirst_ = -1;
};

}  // namespace tessella::editor
