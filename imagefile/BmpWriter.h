#pragma once
// Writes the program's BMP files: extracted and edited elements.

#include <QByteArray>
#include <QImage>

#include "imagefile/BgrRows.h"

namespace tessella::imagefile {

// A 24-bit BMP: 14-byte file header, 40-byte information header, rows bottom-up, each padded
// to a multiple of 4 bytes. Any pixel format is converted to 24 bits first; the resolution
// travels from the picture. Throws TessellaError on a null picture or sizes past 32 bits.
QByteArray WriteBmp24(const QImage& image);
// The same file sent to sink row by row.
void WriteBmp24(const BgrRows& rows, platform::ByteSink& sink);

}  // namespace tessella::imagefile
