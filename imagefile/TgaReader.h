#pragma once
// Truevision TGA pictures: every variant a page or a source may use.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

#include "imagefile/PictureHeader.h"
#include "platform/Text.h"

namespace tessella::imagefile {

// The one message of every TGA decoding failure.
inline constexpr platform::Text kTgaInvalidMessage{
    QT_TRANSLATE_NOOP("Tessella", "Targa : image invalide")};

// Decodes image types 1, 2, 3 (raw) and 9, 10, 11 (run-length) at 8, 15, 16, 24 or 32 bits,
// rows stored from the top or the bottom, left to right or right to left.
// 8 bits: Format_Indexed8 (the file's colour map, or the grey ramp for types 3 and 11);
// 15/16: Format_RGB555; 24: Format_BGR888; 32: Format_ARGB32 (colours as stored, never
// blended) when the descriptor has alpha bits, or has none but some fourth byte is not 0;
// Format_RGB32 when every fourth byte is 0 (old writers left it empty), the fourth byte as read.
// Anything else, a short file or a size beyond the shared limit throws
// TessellaError(kTgaInvalidMessage).
QImage ReadTga(const QByteArray& data);

// The size and depth ReadTga gives, from the file's first bytes (start) and its size; false
// where ReadTga would refuse the file before reading its pixels.
bool ReadTgaHeader(const QByteArray& start, int64_t fileSize, PictureHeader& header);

}  // namespace tessella::imagefile
