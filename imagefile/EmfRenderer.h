#pragma once
// Enhanced metafiles (EMF) painted into a bitmap by our own record player.

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/Text.h"

namespace tessella::imagefile {

inline constexpr platform::Text kEmfInvalidMessage{
    QT_TRANSLATE_NOOP("Tessella", "Métafichier EMF invalide")};
inline constexpr platform::Text kEmfTooMuchWorkMessage{QT_TRANSLATE_NOOP(
    "Tessella", "Métafichier EMF trop lourd à dessiner : surface peinte excessive")};

// A Format_BGR888 picture, white underneath, of the header's frame in reference-device
// pixels, with the common drawing, state, object, text and bitmap records played onto it;
// other records are skipped. Throws TessellaError(kEmfInvalidMessage) when the header, a
// record size, a count or an object index does not fit the data, the shared size error for
// an absurd frame, and TessellaError(kEmfTooMuchWorkMessage) when the areas its records paint
// add up to more than sixteen pictures of the largest size.
QImage RenderEmf(const QByteArray& data);

}  // namespace tessella::imagefile
