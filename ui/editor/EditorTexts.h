#pragma once
// The texts of the element editor and its dialogs: the French source, exactly as the user sees
// it, translated where it is shown. Patterns of numbers alone stay plain strings.

#include <QCoreApplication>
#include <QString>

#include "platform/Text.h"

namespace tessella::editor {

inline constexpr platform::Text kEditorTitle{QT_TRANSLATE_NOOP("Tessella", "Traitement d'images")};

// Operation buttons.
inline constexpr platform::Text kRotateCaption{QT_TRANSLATE_NOOP("Tessella", "Rotation")};
inline constexpr platform::Text kSymmetry2Caption{
    QT_TRANSLATE_NOOP("Tessella", "Symétrie 2 faces")};
inline constexpr platform::Text kSymmetry4Caption{
    QT_TRANSLATE_NOOP("Tessella", "Symétrie 4 faces")};
inline constexpr platform::Text kMirrorCaption{QT_TRANSLATE_NOOP("Tessella", "Miroir")};
inline constexpr platform::Text kFlipCaption{QT_TRANSLATE_NOOP("Tessella", "Inverser")};
inline constexpr platform::Text kDoubleCaption{QT_TRANSLATE_NOOP("Tessella", "Double")};
inline constexpr platform::Text kSwapChannelsCaption{QT_TRANSLATE_NOOP("Tessella", "Inverser RVB")};
inline constexpr platform::Text kGreyCaption{QT_TRANSLATE_NOOP("Tessella", "Noir et blanc")};
inline constexpr platform::Text kNegativeCaption{QT_TRANSLATE_NOOP("Tessella", "Négatif")};
inline constexpr platform::Text kVeilCaption{QT_TRANSLATE_NOOP("Tessella", "Ajouter voile")};
inline constexpr platform::Text kFuseCaption{QT_TRANSLATE_NOOP("Tessella", "Fusionner")};
inline constexpr platform::Text kAdjustCaption{QT_TRANSLATE_NOOP("Tessella", "Ajuster RVB")};
inline constexpr platform::Text kBlurCaption{QT_TRANSLATE_NOOP("Tessella", "Flou")};
inline constexpr platform::Text kSharpenCaption{QT_TRANSLATE_NOOP("Tessella", "Accentuer")};
inline constexpr platform::Text kSoftenCaption{QT_TRANSLATE_NOOP("Tessella", "Adoucir")};
inline constexpr platform::Text kResizeCaption{QT_TRANSLATE_NOOP("Tessella", "Dimensions")};
inline constexpr platform::Text kEmbossCaption{QT_TRANSLATE_NOOP("Tessella", "Estamper")};
inline constexpr platform::Text kContrastCaption{QT_TRANSLATE_NOOP("Tessella", "Contraste")};
inline constexpr platform::Text kUndoCaption{QT_TRANSLATE_NOOP("Tessella", "Défaire")};
inline constexpr platform::Text kReloadCaption{QT_TRANSLATE_NOOP("Tessella", "Recharger")};
inline constexpr platform::Text kZoomCaption{QT_TRANSLATE_NOOP("Tessella", "Zoom")};
inline constexpr platform::Text kDimensionsCaption{QT_TRANSLATE_NOOP("Tessella", " Dimensions ")};
inline constexpr platform::Text kRulersCaption{
    QT_TRANSLATE_NOOP("Tessella", "Lignes des règles visibles ")};

// What the controls without a caption of their own do (accessible names).
inline constexpr platform::Text kRotateLeftName{QT_TRANSLATE_NOOP("Tessella", "Rotation à gauche")};
inline constexpr platform::Text kRotateRightName{
    QT_TRANSLATE_NOOP("Tessella", "Rotation à droite")};
inline constexpr platform::Text kDoubleRightName{QT_TRANSLATE_NOOP("Tessella", "Double à droite")};
inline constexpr platform::Text kDoubleDownName{QT_TRANSLATE_NOOP("Tessella", "Double en bas")};
inline constexpr platform::Text kZoomValueName{QT_TRANSLATE_NOOP("Tessella", "Zoom actuel")};
inline constexpr platform::Text kDimensionsName{
    QT_TRANSLATE_NOOP("Tessella", "Dimensions de l'image")};
inline constexpr platform::Text kSwatchName{
    QT_TRANSLATE_NOOP("Tessella", "Couleur sous le pointeur")};
inline constexpr platform::Text kViewName{QT_TRANSLATE_NOOP("Tessella", "Image en cours")};
inline constexpr platform::Text kPasteOverlayName{QT_TRANSLATE_NOOP("Tessella", "Image à coller")};
inline constexpr platform::Text kZoomInName{QT_TRANSLATE_NOOP("Tessella", "Zoom +")};
inline constexpr platform::Text kZoomOutName{QT_TRANSLATE_NOOP("Tessella", "Zoom -")};
inline constexpr platform::Text kHorizontalRulerName{
    QT_TRANSLATE_NOOP("Tessella", "Règle horizontale")};
inline constexpr platform::Text kVerticalRulerName{
    QT_TRANSLATE_NOOP("Tessella", "Règle verticale")};

// Menu.
inline constexpr platform::Text kCloseAndSaveCaption{
    QT_TRANSLATE_NOOP("Tessella", "Fermer et sauver ")};
inline constexpr platform::Text kCloseCaption{QT_TRANSLATE_NOOP("Tessella", "Fermer")};
inline constexpr platform::Text kNewElementCaption{QT_TRANSLATE_NOOP("Tessella", "Nouvel élément")};
inline constexpr platform::Text kEditMenuCaption{QT_TRANSLATE_NOOP("Tessella", "Edit")};
inline constexpr platform::Text kCopyCaption{QT_TRANSLATE_NOOP("Tessella", "Copier")};
inline constexpr platform::Text kCopySelectionCaption{
    QT_TRANSLATE_NOOP("Tessella", "Copier la sélection")};
inline constexpr platform::Text kPasteAsNewCaption{
    QT_TRANSLATE_NOOP("Tessella", "Coller comme nouvelle image")};
inline constexpr platform::Text kPasteIntoCaption{
    QT_TRANSLATE_NOOP("Tessella", "Coller dans l'image")};
inline constexpr platform::Text kZoneCaption{QT_TRANSLATE_NOOP("Tessella", "Zone")};
inline constexpr platform::Text kPropertiesCaption{
    QT_TRANSLATE_NOOP("Tessella", "Propriétés de l'image")};
inline constexpr platform::Text kDrawingToolsCaption{
    QT_TRANSLATE_NOOP("Tessella", "Outils de dessin")};
inline constexpr platform::Text kHelpCaption{QT_TRANSLATE_NOOP("Tessella", "Aide")};

// The title with the element's file (%2), or kUntitledName for an element without one.
inline const QString kTitleWithFile = QStringLiteral("%1 — %2");
inline constexpr platform::Text kUntitledName{QT_TRANSLATE_NOOP("Tessella", "SansNom")};
inline constexpr platform::Text kReloadFailed{
    QT_TRANSLATE_NOOP("Tessella", "Erreur de Chargement de l'image")};

// %1 x %2: the pointer's element pixel, in the status bar and in the label.
inline const QString kStatusPosition = QStringLiteral("%1 x %2");
inline const QString kLabelPosition = QStringLiteral("%1x%2");
inline const QString kDimensionsText = QStringLiteral("%1x%2");

// Blur window.
inline constexpr platform::Text kBlurTitle{QT_TRANSLATE_NOOP("Tessella", "Flou")};
inline constexpr platform::Text kBlurUndoCaption{QT_TRANSLATE_NOOP("Tessella", "Défaire")};
// What each step button does.
inline constexpr platform::Text kBlurWholeName{QT_TRANSLATE_NOOP("Tessella", "Flou uniforme")};
inline constexpr platform::Text kBlurRightName{
    QT_TRANSLATE_NOOP("Tessella", "Flou vers la droite")};
inline constexpr platform::Text kBlurDownName{QT_TRANSLATE_NOOP("Tessella", "Flou vers le bas")};
inline constexpr platform::Text kBlurDownRightName{
    QT_TRANSLATE_NOOP("Tessella", "Flou en bas à droite")};
inline constexpr platform::Text kBlurDownOneLeftTwoName{
    QT_TRANSLATE_NOOP("Tessella", "Flou en bas, deux à gauche")};
inline constexpr platform::Text kBlurLeftName{QT_TRANSLATE_NOOP("Tessella", "Flou vers la gauche")};
inline constexpr platform::Text kBlurUpName{QT_TRANSLATE_NOOP("Tessella", "Flou vers le haut")};
inline constexpr platform::Text kBlurUpLeftName{
    QT_TRANSLATE_NOOP("Tessella", "Flou en haut à gauche")};
inline constexpr platform::Text kBlurUpOneRightTwoName{
    QT_TRANSLATE_NOOP("Tessella", "Flou en haut, deux à droite")};

// Colour treatment window.
inline constexpr platform::Text kChannelTitle{
    QT_TRANSLATE_NOOP("Tessella", "Paramètre de couleur")};
inline constexpr platform::Text kSwapGroupCaption{
    QT_TRANSLATE_NOOP("Tessella", " Inversion de couleurs primaires ")};
inline constexpr platform::Text kFuseGroupCaption{QT_TRANSLATE_NOOP("Tessella", " Fusionner ")};
// The choices of each group, in the order of ChannelDialog's radios.
inline constexpr platform::Text kSwapChoices[] = {
    {QT_TRANSLATE_NOOP("Tessella", "Rouge <-> Bleu")},
    {QT_TRANSLATE_NOOP("Tessella", "Vert <-> Bleu")},
    {QT_TRANSLATE_NOOP("Tessella", "Rouge <-> Vert")},
};
inline constexpr platform::Text kFuseChoices[] = {
    {QT_TRANSLATE_NOOP("Tessella", "Rouge = Bleu")},
    {QT_TRANSLATE_NOOP("Tessella", "Vert = Bleu")},
    {QT_TRANSLATE_NOOP("Tessella", "Rouge = Vert")},
};
inline constexpr platform::Text kOkCaption{QT_TRANSLATE_NOOP("Tessella", "OK")};

// Dimensions window, zones and clipboard.
inline constexpr platform::Text kResizeTitle{QT_TRANSLATE_NOOP("Tessella", "Redimensionner")};
inline const QString kResizeSizeText = QStringLiteral("%1 x %2");
inline constexpr platform::Text kResizeSizeName{
    QT_TRANSLATE_NOOP("Tessella", "Dimensions actuelles")};
inline constexpr platform::Text kResizeWarningName{
    QT_TRANSLATE_NOOP("Tessella", "Avertissement de taille")};
inline constexpr platform::Text kResizeWidthCaption{QT_TRANSLATE_NOOP("Tessella", "Largeur")};
inline constexpr platform::Text kResizeHeightCaption{QT_TRANSLATE_NOOP("Tessella", "Hauteur")};
inline constexpr platform::Text kKeepRatioCaption{
    QT_TRANSLATE_NOOP("Tessella", "Conserver le ratio")};
inline constexpr platform::Text kPercentageCaption{QT_TRANSLATE_NOOP("Tessella", "Pourcentage")};
inline const QString kPercentSign = QStringLiteral("%");
// %1: the field; %2: what was typed; %3 and %4: the accepted range.
inline constexpr platform::Text kResizeFieldRefused{QT_TRANSLATE_NOOP(
    "Tessella",
    "%1 : « %2 » n'est pas accepté.\n\rTapez un nombre entier de %3 à %4, sans signe, "
    "sans virgule ni lettre.")};
inline constexpr platform::Text kCancelCaption{QT_TRANSLATE_NOOP("Tessella", "Annuler")};
// %1: the megapixels, rounded down.
inline constexpr platform::Text kResizeWarning{
    QT_TRANSLATE_NOOP("Tessella", "Le total dépasse 8 Méga pixel\n\r( %1 Méga pixels )")};
inline constexpr platform::Text kResizeQuestion{QT_TRANSLATE_NOOP(
    "Tessella",
    "Le redimensionnement que vous demandez,\n\rdépasse les 8 méga pixels.\n\rCette version de "
    "Tessella\n\rgère difficilement ces grands formats\n\rVoulez-vous continuer ?")};
// The "Zone" item while a zone is being made.
inline constexpr platform::Text kZoneCloseCaption{QT_TRANSLATE_NOOP("Tessella", "Fermer la zone")};
inline constexpr platform::Text kPastedPictureWhat{QT_TRANSLATE_NOOP("Tessella", "Presse-papiers")};
// The clipboard holds a picture that could not be read, most often one beyond the pixel limit.
inline constexpr platform::Text kUnreadableClipboard{QT_TRANSLATE_NOOP(
    "Tessella",
    "Le presse-papiers contient une image trop grande ou illisible :\n\rrien n'a été collé.")};

// The new element's window; its width and height are named as the dimensions window's.
inline constexpr platform::Text kNewElementTitle{
    QT_TRANSLATE_NOOP("Tessella", "Nouvel élément de texture")};
inline constexpr platform::Text kNewSizeCaption{QT_TRANSLATE_NOOP("Tessella", "Dimensions")};
inline constexpr platform::Text kChosenWidthName{QT_TRANSLATE_NOOP("Tessella", "Largeur choisie")};
inline constexpr platform::Text kChosenHeightName{QT_TRANSLATE_NOOP("Tessella", "Hauteur choisie")};
inline constexpr platform::Text kPresetSizesName{
    QT_TRANSLATE_NOOP("Tessella", "Dimensions prédéfinies")};
inline constexpr platform::Text kNewBackgroundCaption{
    QT_TRANSLATE_NOOP("Tessella", "Couleur du fond")};
inline constexpr platform::Text kChosenSwatchName{QT_TRANSLATE_NOOP("Tessella", "Couleur choisie")};
inline constexpr platform::Text kOtherCaption{QT_TRANSLATE_NOOP("Tessella", "Autre")};

// Seamless textures and the history.
inline constexpr platform::Text kOffsetHalfCaption{
    QT_TRANSLATE_NOOP("Tessella", "Décaler de moitié")};
inline constexpr platform::Text kMakeTileableCaption{
    QT_TRANSLATE_NOOP("Tessella", "Rendre raccordable")};
inline constexpr platform::Text kTiledPreviewCaption{
    QT_TRANSLATE_NOOP("Tessella", "Aperçu en mosaïque")};
inline constexpr platform::Text kTiledPreviewTitle{
    QT_TRANSLATE_NOOP("Tessella", "Aperçu en mosaïque")};
inline constexpr platform::Text kPreviewZoomCaption{QT_TRANSLATE_NOOP("Tessella", "Zoom")};
inline constexpr platform::Text kPreviewZoomName{QT_TRANSLATE_NOOP("Tessella", "Zoom de l'aperçu")};
inline constexpr platform::Text kTileOutlineCaption{
    QT_TRANSLATE_NOOP("Tessella", "Contour d'une tuile")};
inline constexpr platform::Text kSeamFigureText{QT_TRANSLATE_NOOP("Tessella", "Raccord : %1")};
inline constexpr platform::Text kSeamFigureName{QT_TRANSLATE_NOOP("Tessella", "Raccord")};
inline constexpr platform::Text kTiledViewName{
    QT_TRANSLATE_NOOP("Tessella", "Élément répété 3 x 3")};
// The mipmap preview.
inline constexpr platform::Text kMipmapPreviewCaption{
    QT_TRANSLATE_NOOP("Tessella", "Aperçu des mipmaps")};
inline constexpr platform::Text kMipmapPreviewTitle{
    QT_TRANSLATE_NOOP("Tessella", "Aperçu des mipmaps")};
inline constexpr platform::Text kMipmapLevelName{QT_TRANSLATE_NOOP("Tessella", "Niveau %1")};
inline constexpr platform::Text kMipmapLevelCaptionName{
    QT_TRANSLATE_NOOP("Tessella", "Taille du niveau %1")};
inline constexpr platform::Text kMipmapLevelCaption{
    QT_TRANSLATE_NOOP("Tessella", "Niveau %1 : %2 x %3")};
inline constexpr platform::Text kBlendBandTitle{
    QT_TRANSLATE_NOOP("Tessella", "Rendre raccordable")};
inline constexpr platform::Text kBlendBandCaption{
    QT_TRANSLATE_NOOP("Tessella", "Largeur de la bande de fondu (pixels) :")};
inline constexpr platform::Text kBlendBandName{
    QT_TRANSLATE_NOOP("Tessella", "Largeur de la bande de fondu")};
// The menus that gather the windows beside the editor and the operations made for engines.
inline constexpr platform::Text kViewMenuCaption{QT_TRANSLATE_NOOP("Tessella", "Affichage")};
inline constexpr platform::Text kEngineMenuCaption{QT_TRANSLATE_NOOP("Tessella", "Moteurs de jeu")};
// Transparency: the colour key and the flattening.
inline constexpr platform::Text kColourKeyCaption{
    QT_TRANSLATE_NOOP("Tessella", "Couleur transparente…")};
inline constexpr platform::Text kColourKeyTitle{
    QT_TRANSLATE_NOOP("Tessella", "Couleur transparente")};
inline constexpr platform::Text kColourKeyText{QT_TRANSLATE_NOOP(
    "Tessella", "Les texels de cette couleur, à la tolérance près, deviennent transparents.")};
inline constexpr platform::Text kKeyRedCaption{QT_TRANSLATE_NOOP("Tessella", "Rouge")};
inline constexpr platform::Text kKeyGreenCaption{QT_TRANSLATE_NOOP("Tessella", "Vert")};
inline constexpr platform::Text kKeyBlueCaption{QT_TRANSLATE_NOOP("Tessella", "Bleu")};
inline constexpr platform::Text kKeyToleranceCaption{QT_TRANSLATE_NOOP("Tessella", "Tolérance")};
inline constexpr platform::Text kFlattenCaption{
    QT_TRANSLATE_NOOP("Tessella", "Supprimer la transparence…")};
inline constexpr platform::Text kNoTransparency{
    QT_TRANSLATE_NOOP("Tessella", "L'image n'a pas de transparence : il n'y a rien à supprimer.")};
// "Annuler" is Cancel everywhere else: the history's step back has a context of its own.
inline QString UndoStepCaption() {
    return QCoreApplication::translate("EditorHistory", "Annuler");
}
inline constexpr platform::Text kRedoStepCaption{QT_TRANSLATE_NOOP("Tessella", "Rétablir")};

}  // namespace tessella::editor
