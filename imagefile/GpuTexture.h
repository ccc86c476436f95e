#pragma once
// Pictures as files a graphics card takes as they are: DDS or KTX2, block-compressed (BC1, BC3,
// BC5) or plain 8-bit, with their whole chain of smaller levels.

#include <QByteArray>
#include <QString>

#include "imagefile/BgrRows.h"

namespace tessella::imagefile {

enum class GpuBlockFormat {
    Bc1,  // colour, 4 bits a pixel: the default for 24-bit pictures
    Bc3,  // colour with an opaque alpha, 8 bits a pixel
    Bc5,  // red and green only, 8 bits a pixel: normal maps
    Rgb,  // uncompressed: 24-bit in a DDS, 32-bit RGBA in a KTX2
};

struct GpuTextureOptions {
    GpuBlockFormat format = GpuBlockFormat::Bc1;
    bool mipmaps = true;
    int maxLevel = -1;       // -1: down to 1 x 1; N: levels 0 to N (fewer when 1 x 1 comes first)
    bool normalMap = false;  // levels averaged as unit vectors, not as sRGB colours
};

// True when path ends in .dds or .ktx2 (any case).
bool IsGpuTexturePath(const QString& path);

// Writes picture to path (.dds or .ktx2, told by the extension) through a temporary file.
// Throws TessellaError for an empty picture, another extension, or when the disk or memory
// fails. The rows are read once, each row while it is valid.
void WriteGpuTexture(const BgrRows& picture, const QString& path, const GpuTextureOptions& options);

// The files' bytes, for tests and callers that keep them in memory.
QByteArray DdsFileBytes(const BgrRows& picture, const GpuTextureOptions& options);
QByteArray Ktx2FileBytes(const BgrRows& picture, const GpuTextureOptions& options);

}  // namespace tessella::imagefile
