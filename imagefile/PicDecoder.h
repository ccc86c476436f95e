#pragma once
// Autodesk Animator PIC and CEL pictures: 8-bit indices with a 6-bit VGA palette.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

#include "platform/Text.h"

namespace tessella::imagefile {

inline constexpr platform::Text kPicInvalidMessage{
    QT_TRANSLATE_NOOP("Tessella", "Image PIC invalide")};

// A Format_Indexed8 picture of the file's size with its 256-colour palette. Reads the form
// with the 32-byte 0x9119 header, and the older bare 320 x 200 screen of exactly 64768
// bytes (the 64000 indices followed by the palette, or the palette first). Throws
// TessellaError(kPicInvalidMessage) on anything else.
QImage DecodePic(const QByteArray& data);

// A 6-bit palette value as 8 bits: v * 255 / 63 rounded to nearest (0 -> 0, 32 -> 130,
// 63 -> 255); values above 63 count as 63.
uint8_t ScaleVgaLevel(uint8_t v);

}  // namespace tessella::imagefile
