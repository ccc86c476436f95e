#pragma once
// Pages and elements as PNG files: 24-bit RGB, or RGBA for a picture with transparency,
// lossless, deflated by libdeflate in one call (the filtered rows and their compressed form are
// held whole while writing).

#include <QImage>
#include <QString>

#include "imagefile/BgrRows.h"
#include "platform/SafeFile.h"

namespace tessella::imagefile {

// The PNG file of rows sent to sink: 8-bit RGB (colour type 2), or 8-bit RGBA (colour type 6)
// when rows carry alpha, the colours as stored. Throws TessellaError for an empty picture or
// when memory runs out.
void WritePng24(const BgrRows& rows, platform::ByteSink& sink);
// The same for a picture of any format: RGBA when it has a texel below 255 (RowsOf).
void WritePng24(const QImage& image, platform::ByteSink& sink);

// True when path's extension is .png (any case).
bool IsPngPath(const QString& path);

}  // namespace tessella::imagefile
