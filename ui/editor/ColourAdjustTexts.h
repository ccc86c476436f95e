#pragma once
// The texts of the colour adjustment window: the French source, exactly as the user sees it,
// translated where it is shown.

#include <QString>

#include "platform/Text.h"

namespace tessella::pixels {

inline constexpr platform::Text kColourAdjustTitle{
    QT_TRANSLATE_NOOP("Tessella", "Rouge/Vert/Bleu  Lumière, contraste")};
inline constexpr platform::Text kZoomCaption{QT_TRANSLATE_NOOP("Tessella", "Zoom ")};
inline constexpr platform::Text kOkCaption{QT_TRANSLATE_NOOP("Tessella", "OK")};
inline constexpr platform::Text kCancelCaption{QT_TRANSLATE_NOOP("Tessella", "Annuler")};

inline constexpr platform::Text kCorrectionCaption{QT_TRANSLATE_NOOP("Tessella", " Correction ")};
inline const QString kPercentCaption = QStringLiteral("%");
inline constexpr platform::Text kProgressiveCaption{
    QT_TRANSLATE_NOOP("Tessella", "Correction progressive")};

inline constexpr platform::Text kEmbossCaption{QT_TRANSLATE_NOOP("Tessella", " Estamper ")};
inline constexpr platform::Text kPlainEmbossCaption{QT_TRANSLATE_NOOP("Tessella", "Mode 1")};
inline constexpr platform::Text kStrongInvertedEmbossCaption{
    QT_TRANSLATE_NOOP("Tessella", "Mode 2")};
inline constexpr platform::Text kThresholdCaption{QT_TRANSLATE_NOOP("Tessella", "Seuil")};
inline constexpr platform::Text kBackgroundChoiceCaption{QT_TRANSLATE_NOOP("Tessella", " Fond ")};
inline constexpr platform::Text kNoBackgroundCaption{QT_TRANSLATE_NOOP("Tessella", "Non")};
inline constexpr platform::Text kColouredCaption{QT_TRANSLATE_NOOP("Tessella", "Coloré")};
inline constexpr platform::Text kTexturedCaption{QT_TRANSLATE_NOOP("Tessella", "Texturé")};

inline constexpr platform::Text kBackgroundColourCaption{
    QT_TRANSLATE_NOOP("Tessella", " Couleur du fond ")};
inline constexpr platform::Text kOtherColourCaption{QT_TRANSLATE_NOOP("Tessella", "Autre couleur")};
inline constexpr platform::Text kSaturationCaption{QT_TRANSLATE_NOOP("Tessella", "Saturation")};
inline constexpr platform::Text kTextureCaption{QT_TRANSLATE_NOOP("Tessella", "Texture")};

// What the controls without a caption of their own do (accessible names).
inline constexpr platform::Text kPreviewName{QT_TRANSLATE_NOOP("Tessella", "Aperçu")};
inline constexpr platform::Text kRedName{QT_TRANSLATE_NOOP("Tessella", "Rouge")};
inline constexpr platform::Text kGreenName{QT_TRANSLATE_NOOP("Tessella", "Vert")};
inline constexpr platform::Text kBlueName{QT_TRANSLATE_NOOP("Tessella", "Bleu")};
inline constexpr platform::Text kAllChannelsName{
    QT_TRANSLATE_NOOP("Tessella", "Rouge, vert et bleu")};
inline constexpr platform::Text kContrastName{QT_TRANSLATE_NOOP("Tessella", "Contraste")};
inline constexpr platform::Text kValueName{QT_TRANSLATE_NOOP("Tessella", "Valeur %1")};
inline constexpr platform::Text kSwatchName{QT_TRANSLATE_NOOP("Tessella", "Couleur %1")};
inline constexpr platform::Text kChosenColourName{
    QT_TRANSLATE_NOOP("Tessella", "Couleur du fond choisie")};
inline constexpr platform::Text kHexName{
    QT_TRANSLATE_NOOP("Tessella", "Couleur du fond en hexadécimal")};
inline constexpr platform::Text kTextureName{QT_TRANSLATE_NOOP("Tessella", "Texture du fond")};
// %1, %2, %3: red, green and blue of a palette swatch.
inline constexpr platform::Text kPaletteName{QT_TRANSLATE_NOOP("Tessella", "Couleur %1, %2, %3")};

// The progressive directions, in the order of their buttons.
inline constexpr platform::Text kDirectionNames[8] = {
    QT_TRANSLATE_NOOP("Tessella", "De gauche à droite"),
    QT_TRANSLATE_NOOP("Tessella", "De droite à gauche"),
    QT_TRANSLATE_NOOP("Tessella", "De haut en bas"),
    QT_TRANSLATE_NOOP("Tessella", "De bas en haut"),
    QT_TRANSLATE_NOOP("Tessella", "Depuis le coin en haut à gauche"),
    QT_TRANSLATE_NOOP("Tessella", "Depuis le coin en haut à droite"),
    QT_TRANSLATE_NOOP("Tessella", "Depuis le coin en bas à gauche"),
    QT_TRANSLATE_NOOP("Tessella", "Depuis le coin en bas à droite"),
};

inline constexpr platform::Text kTextureDialogCaption{
    QT_TRANSLATE_NOOP("Tessella", "Texture du fond")};
// %1: the file.
inline constexpr platform::Text kTextureUnreadable{
    QT_TRANSLATE_NOOP("Tessella", "Impossible de lire la texture %1")};

}  // namespace tessella::pixels
