#pragma once
// PNG and WebP pictures through Qt's own readers (PNG is built into Qt, WebP comes from the
// image-formats plugin), turned into the pictures our other decoders give.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

#include "platform/Text.h"

namespace tessella::imagefile {

// The one message of every decoding failure of each format (damaged, truncated, refused).
inline constexpr platform::Text kPngInvalidMessage{
    QT_TRANSLATE_NOOP("Tessella", "PNG : image invalide")};
inline constexpr platform::Text kWebpInvalidMessage{
    QT_TRANSLATE_NOOP("Tessella", "WebP : image invalide")};

// A 16-bit sample as 8 bits, rounded to the nearest: v8 = (v16 * 255 + 32767) / 65535. A tie
// cannot happen (v16 / 257 never ends in one half), so the rule needs no tie-break.
constexpr uint8_t EightBitSample(uint16_t v16) {
    return static_cast<uint8_t>((uint32_t{v16} * 255 + 32767) / 65535);
}

// Decodes bytes with Qt's reader of format ("png", "webp"). As for a 32-bit TGA, a picture
// with an alpha channel comes out as Format_ARGB32 with its colour channels as stored and
// its alpha as read (never blended); an opaque one as Format_BGR888. 16-bit samples become
// 8 bits by EightBitSample. A picture beyond the shared size limit, or one Qt cannot read
// whole, throws TessellaError(invalidMessage).
QImage ReadWithQtFormat(const QByteArray& bytes, const QByteArray& format,
                        const QString& invalidMessage);

}  // namespace tessella::imagefile
