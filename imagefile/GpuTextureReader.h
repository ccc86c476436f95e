#pragma once
// Level 0 of a DDS, KTX2 or .astc file as a picture, so that what was written for a graphics
// card can be looked at: BC1 to BC5 blocks, plain 24 and 32-bit pixels, ASTC blocks.

#include <QByteArray>
#include <QImage>

#include "imagefile/PictureHeader.h"

namespace tessella::imagefile {

enum class GpuFileKind { Dds, Ktx2, Astc };

// The picture of level 0: Format_BGR888 when every texel is opaque, else Format_ARGB32 (not
// premultiplied; colours under transparent texels kept). BC1's transparent code reads as
// (0, 0, 0, 0) wherever the format allows it; BC5 shows red and green with the normal's Z
// rebuilt in blue. Throws TessellaError with one of the reasons of ImageFileTexts.h (no file
// name) for a damaged, cut, mislabelled or too large file, or one of a kind not read here.
QImage ReadGpuTexture(const QByteArray& file, GpuFileKind kind);
QImage ReadDds(const QByteArray& file);
QImage ReadKtx2(const QByteArray& file);
QImage ReadAstcFile(const QByteArray& file);

// The size and depth (32 with alpha, 24 without) ReadGpuTexture gives, without decoding the
// blocks where a look at them tells whether a texel is transparent. False for any file
// ReadGpuTexture would refuse, and for ASTC, whose alpha only decoding tells.
bool ReadGpuTextureHeader(const QByteArray& file, GpuFileKind kind, PictureHeader& header);

}  // namespace tessella::imagefile
