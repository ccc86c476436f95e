#pragma once
// The messages of picture files read and written, and the reasons a picture file is refused,
// as the user reads them after "Impossible de décoder l'image <file> :".

#include <QString>

#include "platform/Text.h"

namespace tessella::imagefile {

inline constexpr platform::Text kDecodeFailedMessage{
    QT_TRANSLATE_NOOP("Tessella", "Impossible de décoder l'image %1 : %2")};
inline constexpr platform::Text kDamagedFileReason{
    QT_TRANSLATE_NOOP("Tessella", "fichier endommagé ou format invalide")};
inline constexpr platform::Text kTooLargeReason{QT_TRANSLATE_NOOP("Tessella", "image trop grande")};
// %1: the file's own name for its kind of texture (a Vulkan or DXGI number, a four-letter code).
inline constexpr platform::Text kTextureKindRefusedReason{
    QT_TRANSLATE_NOOP("Tessella", "format de texture non pris en charge (%1)")};
inline constexpr platform::Text kSupercompressedReason{
    QT_TRANSLATE_NOOP("Tessella", "texture supercompressée, non prise en charge")};
inline constexpr platform::Text kTextureShapeRefusedReason{
    QT_TRANSLATE_NOOP("Tessella", "texture en volume, en cube ou en tableau, non prise en charge")};

inline constexpr platform::Text kSlowDecodeReason{
    QT_TRANSLATE_NOOP("Tessella", "décodage trop long, fichier endommagé")};
inline constexpr platform::Text kSystemExhaustedReason{
    QT_TRANSLATE_NOOP("Tessella", "ressources du système épuisées")};
// %1: the decoding program.
inline constexpr platform::Text kDecoderMissingReason{
    QT_TRANSLATE_NOOP("Tessella", "programme de décodage %1 introuvable")};

// The kind of picture a size refers to, before its fault ("Image RLA : image trop grande...").
inline constexpr platform::Text kRlaWhat{QT_TRANSLATE_NOOP("Tessella", "Image RLA")};
inline constexpr platform::Text kPicWhat{QT_TRANSLATE_NOOP("Tessella", "Image PIC")};
inline constexpr platform::Text kEmfWhat{QT_TRANSLATE_NOOP("Tessella", "Métafichier EMF")};
inline constexpr platform::Text kTextureWhat{QT_TRANSLATE_NOOP("Tessella", "Texture")};

// Faults of a picture read or written.
inline constexpr platform::Text kBmpEmptyMessage{QT_TRANSLATE_NOOP("Tessella", "BMP : image vide")};
inline constexpr platform::Text kTgaEmptyMessage{
    QT_TRANSLATE_NOOP("Tessella", "Targa : image vide")};
// %1 x %2: the picture's size.
inline constexpr platform::Text kTgaTooLargeMessage{
    QT_TRANSLATE_NOOP("Tessella", "Targa : image trop grande pour le format (%1 x %2)")};
inline constexpr platform::Text kPngEmptyMessage{
    QT_TRANSLATE_NOOP("Tessella", "PNG : écriture impossible (image vide)")};
inline constexpr platform::Text kRlaDepthRefusedMessage{QT_TRANSLATE_NOOP(
    "Tessella", "Image RLA : profondeur de %1 bits par canal non prise en charge")};
// %1: the encoder's own words.
inline constexpr platform::Text kAstcErrorMessage{
    QT_TRANSLATE_NOOP("Tessella", "Erreur ASTC : %1")};
// %1: the file.
inline constexpr platform::Text kUnreadableImageMessage{
    QT_TRANSLATE_NOOP("Tessella", "Image illisible : %1")};
// %1: the decoder's error number.
inline constexpr platform::Text kJpegErrorMessage{QT_TRANSLATE_NOOP("Tessella", "Erreur JPEG #%1")};
inline constexpr platform::Text kEmptyImageMessage{QT_TRANSLATE_NOOP("Tessella", "Image vide")};
// %1: the file.
inline constexpr platform::Text kEmptyImageFileMessage{
    QT_TRANSLATE_NOOP("Tessella", "Image vide : %1")};
// %1: the file.
inline constexpr platform::Text kTextureExtensionRefusedMessage{
    QT_TRANSLATE_NOOP("Tessella", "Extension non reconnue pour une texture : %1")};

}  // namespace tessella::imagefile
