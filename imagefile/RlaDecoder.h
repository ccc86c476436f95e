#pragma once
// Wavefront RLA and RPF pictures (run-length channels, 8 bits each), decoded by our own code.

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/Text.h"

namespace tessella::imagefile {

inline constexpr platform::Text kRlaInvalidMessage{
    QT_TRANSLATE_NOOP("Tessella", "Image RLA invalide")};

// A Format_BGR888 picture of the active window's size; 1 colour channel gives grey, 3 give
// red, green, blue; matte and auxiliary channels are dropped. Throws TessellaError
// (kRlaInvalidMessage, or a message naming the unsupported depth) on anything else.
QImage DecodeRla(const QByteArray& data);

}  // namespace tessella::imagefile
