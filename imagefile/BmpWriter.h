#pragma once
// Writes the program's BMP files: extracted and edited elements.

#include <QByteArray>
#include <QImage>
#include <QString>

#include "imagefile/BgrRows.h"
#include "platform/Text.h"

namespace tessella::imagefile {

// Told when a picture with transparency is written as a BMP (%1: the file): its alpha is left
// out, its colours kept.
inline constexpr platform::Text kBmpAlphaLeftOutMessage{
    QT_TRANSLATE_NOOP("Tessella", "BMP : transparence non enregistrée, couleurs gardées (%1)")};

// A 24-bit BMP: 14-byte file header, 40-byte information header, rows bottom-up, each padded
// to a multiple of 4 bytes. Any pixel format is converted to 24 bits first; the resolution
// travels from the picture. Engines do not read a BMP's alpha: it is left out, the colours of
// transparent texels kept as they are. Throws TessellaError on a null picture or sizes past 32
// bits.
QByteArray WriteBmp24(const QImage& image);
// The same file sent to sink row by row.
void WriteBmp24(const BgrRows& rows, platform::ByteSink& sink);

}  // namespace tessella::imagefile
