#pragma once
// Windows icon and cursor files (.ico, .cur): their first picture, with its alpha kept apart
// from its colours (Qt's reader premultiplies, which loses the colours under transparent
// texels).

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/Text.h"

namespace tessella::imagefile {

// The one message of every decoding failure of each format.
inline constexpr platform::Text kIcoInvalidMessage{
    QT_TRANSLATE_NOOP("Tessella", "ICO : image invalide")};
inline constexpr platform::Text kCurInvalidMessage{
    QT_TRANSLATE_NOOP("Tessella", "CUR : image invalide")};

// The first picture of an icon or cursor file as non-premultiplied Format_ARGB32: a PNG
// picture as Qt's PNG reader gives it; a bitmap of 32 bits with its fourth bytes as alpha
// (unless all are 0), of 1, 4, 8 or 24 bits (or 32 without alpha) with its mask: a set bit is a
// fully transparent texel, its colour kept. Anything else throws TessellaError(invalidMessage).
QImage ReadIcon(const QByteArray& data, const QString& invalidMessage);

}  // namespace tessella::imagefile
