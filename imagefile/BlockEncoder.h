#pragma once
// BC1, BC3 and BC5 blocks of a picture, encoded by libsquish on every core.

#include <QByteArray>

#include "imagefile/GpuTexture.h"
#include "pixels/PixelGrid.h"

namespace tessella::imagefile {

// Bytes of one 4 x 4 block: 8 for BC1, 16 for BC3 and BC5.
int BlockBytes(GpuBlockFormat format);

// The blocks of picture, rows of blocks from the top, left to right; blocks that pass the
// right or bottom edge are fitted to the pixels inside. BC1 and BC3 carry the colours (BC3 an
// opaque alpha), BC5 the red channel then the green one. format must not be Rgb.
QByteArray EncodeBlocks(const pixels::PixelGrid& picture, GpuBlockFormat format);

}  // namespace tessella::imagefile
