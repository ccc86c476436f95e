#pragma once
// The reasons a picture file is refused, as the user reads them after
// "Impossible de décoder l'image <file> :".

#include <QString>

namespace tessella::imagefile {

inline const QString kDecodeFailedMessage = QStringLiteral("Impossible de décoder l'image %1 : %2");
inline const QString kDamagedFileReason = QStringLiteral("fichier endommagé ou format invalide");
inline const QString kTooLargeReason = QStringLiteral("image trop grande");
// %1: the file's own name for its kind of texture (a Vulkan or DXGI number, a four-letter code).
inline const QString kTextureKindRefusedReason =
    QStringLiteral("format de texture non pris en charge (%1)");
inline const QString kSupercompressedReason =
    QStringLiteral("texture supercompressée, non prise en charge");
inline const QString kTextureShapeRefusedReason =
    QStringLiteral("texture en volume, en cube ou en tableau, non prise en charge");

}  // namespace tessella::imagefile
