#pragma once
// The French texts of the catalogue of base textures, exactly as the user sees them.

#include <QString>

namespace tessella::catalogue {

inline const QString kCatalogueTitle = QStringLiteral("Catalogue des textures de base");
inline const QString kCatalogueFolderName = QStringLiteral("Clips_Textures");
inline const QString kGridHint = QStringLiteral("Double Click sur une image image pour charger");
// Folder name, file count.
inline const QString kSummaryText = QStringLiteral("  [ %1 ]      %2 texture(s)");
// First and last file shown, 1-based.
inline const QString kRangeText = QStringLiteral("%1 à %2");
inline const QString kDimensionText = QStringLiteral("%1 x %2");
inline const QString kZoomSmallCaption = QStringLiteral("Zoom sur les petits formats");
inline const QString kPathPanelText = QStringLiteral("Chemin, dossier");
inline const QString kCatalogueMenuCaption = QStringLiteral("Catalogue");
inline const QString kEmptyBoxCaption = QStringLiteral(" ");

inline const QString kMissingFolderQuestion =
    QStringLiteral("Le dossier <%1> n'existe pas !\n\rFaut-il le créer ?");
inline const QString kEmptyFolderWarning = QStringLiteral(
    "Le dossier des textures de base est vide !\n\rChoisissez un dossier contenant "
    "des images BMP\n\rcomme catalogue de textures de base .");
inline const QString kFolderNotCreated = QStringLiteral("Impossible de créer le dossier :\n\r%1");
inline const QString kUnreadableTextures =
    QStringLiteral("Ces images n'ont pas pu être lues :\n\r%1");
inline const QString kUnreadableTexture = QStringLiteral("Impossible de lire l'image :\n\r%1");

// What the controls without a caption of their own do (accessible names).
inline const QString kFirstPageName = QStringLiteral("Première page");
inline const QString kPreviousPageName = QStringLiteral("Page précédente");
inline const QString kNextPageName = QStringLiteral("Page suivante");
inline const QString kLastPageName = QStringLiteral("Dernière page");
inline const QString kRangeName = QStringLiteral("Images affichées");
inline const QString kSummaryName = QStringLiteral("Dossier du catalogue");
inline const QString kThumbnailName = QStringLiteral("Miniature %1");

}  // namespace tessella::catalogue
