#pragma once
// Windows bitmaps, read at their own depth (Qt's reader turns 16-bit files into 32-bit).

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

#include "imagefile/PictureHeader.h"
#include "platform/Text.h"

namespace tessella::imagefile {

inline constexpr platform::Text kBmpInvalidMessage{
    QT_TRANSLATE_NOOP("Tessella", "BMP : image invalide")};

// Decodes the Windows (40-byte and later) and OS/2 (12-byte) headers, top-down and bottom-up
// rows, RLE8 and RLE4. 1 bit: Format_Mono, 4 and 8 bits: Format_Indexed8, both with the file's
// palette (indexes past it are black); 16 bits 5-5-5: Format_RGB555; 16 bits with 5-6-5 bit
// fields: Format_RGB16; 24: Format_BGR888; 32: Format_RGB32 (other bit fields: Format_RGB32).
// 16 and 32-bit pictures whose header (version 3 and later) has an alpha mask beside its bit
// fields: Format_ARGB32, colours and alpha as stored, never blended.
// Throws TessellaError(kBmpInvalidMessage) on anything it cannot decode whole.
QImage ReadBmp(const QByteArray& data);

// The size and depth the loader gives for the file, from its first bytes (start) and its size;
// false where ReadBmp would refuse the file before decoding its pixels.
bool ReadBmpHeader(const QByteArray& start, int64_t fileSize, PictureHeader& header);

}  // namespace tessella::imagefile
