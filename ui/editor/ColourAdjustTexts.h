#pragma once
// The French texts of the colour adjustment window, exactly as the user sees them.

#include <QString>

namespace tessella::pixels {

inline const QString kColourAdjustTitle = QStringLiteral("Rouge/Vert/Bleu  Lumière, contraste");
inline const QString kZoomCaption = QStringLiteral("Zoom ");
inline const QString kOkCaption = QStringLiteral("OK");
inline const QString kCancelCaption = QStringLiteral("Annuler");

inline const QString kCorrectionCaption = QStringLiteral(" Correction ");
inline const QString kPercentCaption = QStringLiteral("%");
inline const QString kProgressiveCaption = QStringLiteral("Correction progressive");

inline const QString kEmbossCaption = QStringLiteral(" Estamper ");
inline const QString kPlainEmbossCaption = QStringLiteral("Mode 1");
inline const QString kStrongInvertedEmbossCaption = QStringLiteral("Mode 2");
inline const QString kThresholdCaption = QStringLiteral("Seuil");
inline const QString kBackgroundChoiceCaption = QStringLiteral(" Fond ");
inline const QString kNoBackgroundCaption = QStringLiteral("Non");
inline const QString kColouredCaption = QStringLiteral("Coloré");
inline const QString kTexturedCaption = QStringLiteral("Texturé");

inline const QString kBackgroundColourCaption = QStringLiteral(" Couleur du fond ");
inline const QString kOtherColourCaption = QStringLiteral("Autre couleur");
inline const QString kSaturationCaption = QStringLiteral("Saturation");
inline const QString kTextureCaption = QStringLiteral("Texture");

// What the controls without a caption of their own do (accessible names).
inline const QString kPreviewName = QStringLiteral("Aperçu");
inline const QString kRedName = QStringLiteral("Rouge");
inline const QString kGreenName = QStringLiteral("Vert");
inline const QString kBlueName = QStringLiteral("Bleu");
inline const QString kAllChannelsName = QStringLiteral("Rouge, vert et bleu");
inline const QString kContrastName = QStringLiteral("Contraste");
inline const QString kValueName = QStringLiteral("Valeur %1");
inline const QString kSwatchName = QStringLiteral("Couleur %1");
inline const QString kChosenColourName = QStringLiteral("Couleur du fond choisie");
inline const QString kHexName = QStringLiteral("Couleur du fond en hexadécimal");
inline const QString kTextureName = QStringLiteral("Texture du fond");
// %1, %2, %3: red, green and blue of a palette swatch.
inline const QString kPaletteName = QStringLiteral("Couleur %1, %2, %3");

// The progressive directions, in the order of their buttons.
inline const QString kDirectionNames[8] = {
    QStringLiteral("De gauche à droite"),
    QStringLiteral("De droite à gauche"),
    QStringLiteral("De haut en bas"),
    QStringLiteral("De bas en haut"),
    QStringLiteral("Depuis le coin en haut à gauche"),
    QStringLiteral("Depuis le coin en haut à droite"),
    QStringLiteral("Depuis le coin en bas à gauche"),
    QStringLiteral("Depuis le coin en bas à droite"),
};

inline const QString kTextureDialogCaption = QStringLiteral("Texture du fond");
// %1: the file.
inline const QString kTextureUnreadable = QStringLiteral("Impossible de lire la texture %1");

}  // namespace tessella::pixels
