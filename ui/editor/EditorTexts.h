#pragma once
// The French texts of the element editor and its dialogs, exactly as the user sees them.

#include <QString>

namespace tessella::editor {

inline const QString kEditorTitle = QStringLiteral("Traitement d'images");

// Operation buttons.
inline const QString kRotateCaption = QStringLiteral("Rotation");
inline const QString kSymmetry2Caption = QStringLiteral("Symétrie 2 faces");
inline const QString kSymmetry4Caption = QStringLiteral("Symétrie 4 faces");
inline const QString kMirrorCaption = QStringLiteral("Miroir");
inline const QString kFlipCaption = QStringLiteral("Inverser");
inline const QString kDoubleCaption = QStringLiteral("Double");
inline const QString kSwapChannelsCaption = QStringLiteral("Inverser RVB");
inline const QString kGreyCaption = QStringLiteral("Noir et blanc");
inline const QString kNegativeCaption = QStringLiteral("Négatif");
inline const QString kVeilCaption = QStringLiteral("Ajouter voile");
inline const QString kFuseCaption = QStringLiteral("Fusionner");
inline const QString kAdjustCaption = QStringLiteral("Ajuster RVB");
inline const QString kBlurCaption = QStringLiteral("Flou");
inline const QString kSharpenCaption = QStringLiteral("Accentuer");
inline const QString kSoftenCaption = QStringLiteral("Adoucir");
inline const QString kResizeCaption = QStringLiteral("Dimensions");
inline const QString kEmbossCaption = QStringLiteral("Estamper");
inline const QString kContrastCaption = QStringLiteral("Contraste");
inline const QString kUndoCaption = QStringLiteral("Défaire");
inline const QString kReloadCaption = QStringLiteral("Recharger");
inline const QString kZoomCaption = QStringLiteral("Zoom");
inline const QString kDimensionsCaption = QStringLiteral(" Dimensions ");
inline const QString kRulersCaption = QStringLiteral("Lignes des règles visibles ");

// What the controls without a caption of their own do (accessible names).
inline const QString kRotateLeftName = QStringLiteral("Rotation à gauche");
inline const QString kRotateRightName = QStringLiteral("Rotation à droite");
inline const QString kDoubleRightName = QStringLiteral("Double à droite");
inline const QString kDoubleDownName = QStringLiteral("Double en bas");
inline const QString kZoomValueName = QStringLiteral("Zoom actuel");
inline const QString kDimensionsName = QStringLiteral("Dimensions de l'image");
inline const QString kSwatchName = QStringLiteral("Couleur sous le pointeur");
inline const QString kViewName = QStringLiteral("Image en cours");
inline const QString kPasteOverlayName = QStringLiteral("Image à coller");
inline const QString kHorizontalRulerName = QStringLiteral("Règle horizontale");
inline const QString kVerticalRulerName = QStringLiteral("Règle verticale");

// Menu.
inline const QString kCloseAndSaveCaption = QStringLiteral("Fermer et sauver ");
inline const QString kCloseCaption = QStringLiteral("Fermer");
inline const QString kNewElementCaption = QStringLiteral("Nouvel élément");
inline const QString kEditMenuCaption = QStringLiteral("Edit");
inline const QString kCopyCaption = QStringLiteral("Copier");
inline const QString kCopySelectionCaption = QStringLiteral("Copier la sélection");
inline const QString kPasteAsNewCaption = QStringLiteral("Coller comme nouvelle image");
inline const QString kPasteIntoCaption = QStringLiteral("Coller dans l'image");
inline const QString kZoneCaption = QStringLiteral("Zone");
inline const QString kPropertiesCaption = QStringLiteral("Propriétés de l'image");
inline const QString kDrawingToolsCaption = QStringLiteral("Outils de dessin");
inline const QString kHelpCaption = QStringLiteral("Aide");

// The title with the element's file (%2), or kUntitledName for an element without one.
inline const QString kTitleWithFile = QStringLiteral("%1 — %2");
inline const QString kUntitledName = QStringLiteral("SansNom");
inline const QString kReloadFailed = QStringLiteral("Erreur de Chargement de l'image");

// %1 x %2: the pointer's element pixel, in the status bar and in the label.
inline const QString kStatusPosition = QStringLiteral("%1 x %2");
inline const QString kLabelPosition = QStringLiteral("%1x%2");
inline const QString kDimensionsText = QStringLiteral("%1x%2");

// Blur window.
inline const QString kBlurTitle = QStringLiteral("Flou");
inline const QString kBlurUndoCaption = QStringLiteral("Défaire");

// Colour treatment window.
inline const QString kChannelTitle = QStringLiteral("Paramètre de couleur");
inline const QString kSwapGroupCaption = QStringLiteral(" Inversion de couleurs primaires ");
inline const QString kFuseGroupCaption = QStringLiteral(" Fusionner ");
inline const QString kOkCaption = QStringLiteral("OK");

// Dimensions window, zones and clipboard.
inline const QString kResizeTitle = QStringLiteral("Redimensionner");
inline const QString kResizeSizeText = QStringLiteral("%1 x %2");
inline const QString kResizeSizeName = QStringLiteral("Dimensions actuelles");
inline const QString kResizeWarningName = QStringLiteral("Avertissement de taille");
inline const QString kResizeWidthCaption = QStringLiteral("Largeur");
inline const QString kResizeHeightCaption = QStringLiteral("Hauteur");
inline const QString kKeepRatioCaption = QStringLiteral("Conserver le ratio");
inline const QString kPercentageCaption = QStringLiteral("Pourcentage");
inline const QString kPercentSign = QStringLiteral("%");
// %1: the field; %2: what was typed; %3 and %4: the accepted range.
inline const QString kResizeFieldRefused = QStringLiteral(
    "%1 : « %2 » n'est pas accepté.\n\rTapez un nombre entier de %3 à %4, sans signe, "
    "sans virgule ni lettre.");
inline const QString kCancelCaption = QStringLiteral("Annuler");
// %1: the megapixels, rounded down.
inline const QString kResizeWarning =
    QStringLiteral("Le total dépasse 8 Méga pixel\n\r( %1 Méga pixels )");
inline const QString kResizeQuestion = QStringLiteral(
    "Le redimensionnement que vous demandez,\n\rdépasse les 8 méga pixels.\n\rCette version de "
    "Tessella\n\rgère difficilement ces grands formats\n\rVoulez-vous continuer ?");
// The "Zone" item while a zone is being made.
inline const QString kZoneCloseCaption = QStringLiteral("Fermer la zone");
inline const QString kPastedPictureWhat = QStringLiteral("Presse-papiers");
// The clipboard holds a picture that could not be read, most often one beyond the pixel limit.
inline const QString kUnreadableClipboard = QStringLiteral(
    "Le presse-papiers contient une image trop grande ou illisible :\n\rrien n'a été collé.");

// Seamless textures and the history.
inline const QString kOffsetHalfCaption = QStringLiteral("Décaler de moitié");
inline const QString kMakeTileableCaption = QStringLiteral("Rendre raccordable");
inline const QString kTiledPreviewCaption = QStringLiteral("Aperçu en mosaïque");
inline const QString kTiledPreviewTitle = QStringLiteral("Aperçu en mosaïque");
inline const QString kPreviewZoomCaption = QStringLiteral("Zoom");
inline const QString kPreviewZoomName = QStringLiteral("Zoom de l'aperçu");
inline const QString kTileOutlineCaption = QStringLiteral("Contour d'une tuile");
inline const QString kSeamFigureText = QStringLiteral("Raccord : %1");
inline const QString kSeamFigureName = QStringLiteral("Raccord");
inline const QString kTiledViewName = QStringLiteral("Élément répété 3 x 3");
// The mipmap preview.
inline const QString kMipmapPreviewCaption = QStringLiteral("Aperçu des mipmaps");
inline const QString kMipmapPreviewTitle = QStringLiteral("Aperçu des mipmaps");
inline const QString kMipmapLevelName = QStringLiteral("Niveau %1");
inline const QString kMipmapLevelCaptionName = QStringLiteral("Taille du niveau %1");
inline const QString kMipmapLevelCaption = QStringLiteral("Niveau %1 : %2 x %3");
inline const QString kBlendBandTitle = QStringLiteral("Rendre raccordable");
inline const QString kBlendBandCaption = QStringLiteral("Largeur de la bande de fondu (pixels) :");
inline const QString kBlendBandName = QStringLiteral("Largeur de la bande de fondu");
// The menus that gather the windows beside the editor and the operations made for engines.
inline const QString kViewMenuCaption = QStringLiteral("Affichage");
inline const QString kEngineMenuCaption = QStringLiteral("Moteurs de jeu");
// Transparency: the colour key and the flattening.
inline const QString kColourKeyCaption = QStringLiteral("Couleur transparente…");
inline const QString kColourKeyTitle = QStringLiteral("Couleur transparente");
inline const QString kColourKeyText =
    QStringLiteral("Les texels de cette couleur, à la tolérance près, deviennent transparents.");
inline const QString kKeyRedCaption = QStringLiteral("Rouge");
inline const QString kKeyGreenCaption = QStringLiteral("Vert");
inline const QString kKeyBlueCaption = QStringLiteral("Bleu");
inline const QString kKeyToleranceCaption = QStringLiteral("Tolérance");
inline const QString kFlattenCaption = QStringLiteral("Supprimer la transparence…");
inline const QString kNoTransparency =
    QStringLiteral("L'image n'a pas de transparence : il n'y a rien à supprimer.");
inline const QString kUndoStepCaption = QStringLiteral("Annuler");
inline const QString kRedoStepCaption = QStringLiteral("Rétablir");

}  // namespace tessella::editor
