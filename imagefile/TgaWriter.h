#pragma once
// Writes pictures as Truevision TGA files with the program's 18-byte header.

#include <QByteArray>
#include <QImage>

#include "imagefile/BgrRows.h"

namespace tessella::imagefile {

// The file bytes of image, uncompressed, top row first (descriptor 0x20). The depth follows the
// pixel format: palette pictures 8 bits with a 256-entry colour map (type 1), 15/16-bit formats
// 16 bits (5-5-5), 32-bit formats 32 bits, everything else 24 bits (type 2). A 24-bit page
// gives 18 + 3 x width x height bytes. Throws TessellaError when a side does not fit the
// format's 16-bit fields.
QByteArray WriteTga(const QImage& image);

// A texture page file, uncompressed, top row first: 24 bits, or for a picture with a texel
// below 255, 32 bits (blue, green, red, alpha; attribute bits 8) with its colours as stored.
QByteArray WritePageTga(const QImage& image);
// The same file sent to sink row by row (32 bits when rows carry alpha).
void WritePageTga(const BgrRows& rows, platform::ByteSink& sink);

inline constexpr int kTgaHeaderSize = 18;
inline constexpr int kTgaMaxSide = 0xFFFF;
// The 18 header bytes at p for pixels of bpp bytes (1: a 256-entry colour map follows).
void PutTgaHeader(char* p, int width, int height, int bpp, bool alpha);

}  // namespace tessella::imagefile
