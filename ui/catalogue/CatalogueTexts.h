#pragma once
// The texts of the catalogue of base textures, in French as the user sees them; each is
// translated where it is used.

#include <QString>

#include "platform/Text.h"

namespace tessella::catalogue {

using platform::Text;

inline constexpr Text kCatalogueTitle{
    QT_TRANSLATE_NOOP("Tessella", "Catalogue des textures de base")};
// The folder beside the program, whatever the language: not translated.
inline const QString kCatalogueFolderName = QStringLiteral("Clips_Textures");
inline constexpr Text kGridHint{
    QT_TRANSLATE_NOOP("Tessella", "Double Click sur une image image pour charger")};
// Folder name, file count.
inline constexpr Text kSummaryText{QT_TRANSLATE_NOOP("Tessella", "  [ %1 ]      %2 texture(s)")};
// First and last file shown, 1-based.
inline constexpr Text kRangeText{QT_TRANSLATE_NOOP("Tessella", "%1 à %2")};
// Width and height: the same in every language.
inline const QString kDimensionText = QStringLiteral("%1 x %2");
inline constexpr Text kZoomSmallCaption{
    QT_TRANSLATE_NOOP("Tessella", "Zoom sur les petits formats")};
inline constexpr Text kPathPanelText{QT_TRANSLATE_NOOP("Tessella", "Chemin, dossier")};
inline constexpr Text kCatalogueMenuCaption{QT_TRANSLATE_NOOP("Tessella", "Catalogue")};
inline const QString kEmptyBoxCaption = QStringLiteral(" ");

inline constexpr Text kMissingFolderQuestion{
    QT_TRANSLATE_NOOP("Tessella", "Le dossier <%1> n'existe pas !\n\rFaut-il le créer ?")};
inline constexpr Text kEmptyFolderWarning{
    QT_TRANSLATE_NOOP("Tessella",
                      "Le dossier des textures de base est vide !\n\rChoisissez un dossier "
                      "contenant des images BMP\n\rcomme catalogue de textures de base .")};
inline constexpr Text kFolderNotCreated{
    QT_TRANSLATE_NOOP("Tessella", "Impossible de créer le dossier :\n\r%1")};
inline constexpr Text kUnreadableTextures{
    QT_TRANSLATE_NOOP("Tessella", "Ces images n'ont pas pu être lues :\n\r%1")};
inline constexpr Text kUnreadableTexture{
    QT_TRANSLATE_NOOP("Tessella", "Impossible de lire l'image :\n\r%1")};

// What the controls without a caption of their own do (accessible names).
inline constexpr Text kFirstPageName{QT_TRANSLATE_NOOP("Tessella", "Première page")};
inline constexpr Text kPreviousPageName{QT_TRANSLATE_NOOP("Tessella", "Page précédente")};
inline constexpr Text kNextPageName{QT_TRANSLATE_NOOP("Tessella", "Page suivante")};
inline constexpr Text kLastPageName{QT_TRANSLATE_NOOP("Tessella", "Dernière page")};
inline constexpr Text kRangeName{QT_TRANSLATE_NOOP("Tessella", "Images affichées")};
inline constexpr Text kSummaryName{QT_TRANSLATE_NOOP("Tessella", "Dossier du catalogue")};
inline constexpr Text kThumbnailName{QT_TRANSLATE_NOOP("Tessella", "Miniature %1")};

}  // namespace tessella::catalogue
