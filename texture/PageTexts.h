#pragma once
// The French texts of the page commands, exactly as the user sees them ("\n\r" is one break).

#include <QString>
#include <QStringList>

namespace tessella::texture {

// The import size list importSizeCombo, in order; the last entry is free size.
inline const QStringList kImportSizeEntries = {
    QStringLiteral("32 x 32"),   QStringLiteral("32 x 64"),
    QStringLiteral("32 x 128"),  QStringLiteral("64 x 32"),
    QStringLiteral("64 x 64"),   QStringLiteral("64 x 128"),
    QStringLiteral("128 x 32"),  QStringLiteral("128 x 64"),
    QStringLiteral("128 x 128"), QStringLiteral("LIBRE Toutes dimensions")};
inline const QString kFreeSizeEntry = QStringLiteral("LIBRE Toutes dimensions");

// Followed by the maximum page width in decimal.
inline const QString kFreeSizeQuestion = QStringLiteral(
    "L'image à incruster a des dimensions incorrectes !\n\rVoulez-vous passer en mode LIBRE, "
    "c'est à dire\n\raccepter toutes dimensions d'image ?.\n\rATTENTION, vous êtes limité à une "
    "largeur de ");
// %1: the source width.
inline const QString kTooWideWarning = QStringLiteral(
    "L'image à importer est trop large ( %1 )\n\rpour être incrustée correctement !");
// %1: the file name; %2: its width. Asked in a multi-file add, with the five answers.
inline const QString kTooWideManyQuestion = QStringLiteral(
    "L'image %1 est trop large ( %2 )\n\rpour être incrustée correctement : la texture "
    "la couperait !\n\rINCRUSTER QUAND MÊME ?");
// %1: the files left out, one a line.
inline const QString kTooWideLeftOut =
    QStringLiteral("Ces images, trop larges pour la texture, n'ont pas été incrustées :\n\r%1");
inline const QString kMultipleOf8Question = QStringLiteral(
    "Les dimensions de l'image à importer\n\rne sont pas des multiples de 8  (16x16, 32x32 "
    "etc.) !\n\rElle ne sera pas incrustée correctement !\n\rIncruster quand même ?");
inline const QString kMultipleOf8ManyQuestion = QStringLiteral(
    "Les dimensions de l'image à importer\n\rne sont pas des multiples de 8  (16x16, 32x32 "
    "etc.) !\n\rElle ne sera pas incrustée correctement !\n\rINCRUSTER QUAND MÊME ?");
inline const QString kMultipleOf8ReplaceQuestion = QStringLiteral(
    "Les dimensions de l'image à importer\n\rne sont pas des multiples de 8 (16x16, 32x32 "
    "etc.) !\n\rElle ne sera pas incrustée correctement !\n\rIncruster quand même ?");
inline const QString kReplaceInformation = QStringLiteral(
    "Déplacez le masque grillagé sur la texture à remplacer\n\ret validez le changement ou "
    "abandonnez.\n\r\n\r UN CLICK SUR L'IMAGE PRÉ-POSITIONNE LE MASQUE.\n\r\n\rVOUS POUVEZ "
    "UTILISER LE ZOOM POUR UNE MEILLEURE PRÉCISION");
// %1 x %2: the source size; %3 x %4: the import size.
inline const QString kReplaceWrongSize = QStringLiteral(
    "   L'image fait %1x%2. L'image doit faire %3 x %4 impérativement, ou bien\n\r\n\rPASSEZ LES "
    "DIMENSIONS D'IMPORTATION EN MODE-LIBRE");
inline const QString kLoadFailedWarning = QStringLiteral("Erreur de Chargement de l'image");

inline const QString kFillRightQuestion = QStringLiteral(
    "La largeur de la texture est inférieure à 512\n\rSouhaitez vous compléter la texture à "
    "droite\n\ravant de la compléter en bas ? ATTENTION : Si\n\rvous utilisez déjà cette texture "
    "dans un projet,\n\rvous risquez de ne pas retrouver les mêmes\n\rtextures à leur emplacement "
    "dans votre niveau");
inline const QString kAbandonModifiedQuestion = QStringLiteral(
    "La texture a été modifiée !\n\rVOULEZ-VOUS VRAIMENT L'ABANDONNER SANS SAUVER ?");
// %1: the chosen file name.
inline const QString kReplaceFileQuestion =
    QStringLiteral("Le fichier spécifié %1 existe !\n\r  FAUT-IL LE REMPLACER ?");
// %1 x %2: the page size.
inline const QString kPageTooLargeForTga = QStringLiteral(
    "La texture fait %1 x %2 pixels : un fichier TGA ne peut pas dépasser 65535 pixels de "
    "côté.\n\rLa texture n'a pas été enregistrée.");

// The button beside the progress bar that stops an extraction or a multi-file add.
inline const QString kStopCaption = QStringLiteral("Arrêter");
inline const QString kStopName = QStringLiteral("Arrêter l'opération en cours");
// %1: the folder that has gone; %2: the folder shown instead.
inline const QString kFolderGoneWarning =
    QStringLiteral("Le dossier %1 n'existe plus !\n\rLe dossier %2 est affiché à sa place.");

// The width dialog's caption, which is also its question.
inline const QString kPageWidthQuestion = QStringLiteral("Largeur de la texture ?");
inline const QString kNewPageTitle = QStringLiteral("CRÉER UN NOUVEAU FICHIER DE TEXTURES");
inline const QString kOpenPageTitle = QStringLiteral("OUVRIR UN FICHIER DE TEXTURES");
inline const QString kSaveAsTitle = QStringLiteral("ENREGISTRER UNE TEXTURE SOUS");
inline const QString kExtractTitle = QStringLiteral("NOM ET DESTINATION DE LA PREMIÈRE IMAGE");
inline const QString kTextureFilter = QStringLiteral("Fichier de textures|*.tga");
// "Enregistrer sous": TGA first (the default), then PNG; the extension chosen decides.
inline const QString kTextureSaveFilter =
    QStringLiteral("Fichier de textures|*.tga|Fichier de textures PNG|*.png");
inline const QString kBitmapFilter = QStringLiteral("Image bitmap|*.bmp");
inline const QString kUntitledName = QStringLiteral("Sans nom");

// The picture-open dialog's filter of "Ouvrir une texture (TGA ou autre)": 19 entries.
inline const QString kPictureOpenFilter = QStringLiteral(
    "Toutes images |*.bmp;*.jpg;*.win;*.vst;*.vda;*.tiff;*.tif;*.tga;*.sgi;*.rpf;*.rle;*.rla;"
    "*.rgba;*.rgb;*.psd;*.ppm;*.pgm;*.pbm;*.pic;*.pcx;*.pdd;*.pcd;*.pcc;*.icb;*.gif;*.dib;*.cut;"
    "*.cel;*.bw;*.png;*.jpeg;*.jpe;*.webp;*.dds;*.ktx2;*.astc;"
    "|Images PNG JPEG WebP png jpeg jpe webp|*.png;*.jpeg;*.jpe;*.webp"
    "|Images WINDOWS bmp jpg rle dib|*.bmp;*.jpg;*.rle;*.dib"
    "|Truevision images win vst vda tga icb|*.win;*.vst;*.vda;*.tga;*.icb"
    "|TIFF images tiff tif|*.tif;*.tiff"
    "|SGI true color images sgi|*.sgi"
    "|SGI black/white images bw|*.bw"
    "|SGI Wavefront images rpf rla rgb rgba|*.rpf;*.rla;*.rgb;*.rgba"
    "|Photoshop images psd|*.psd"
    "|Portable pixel map images ppm|*.ppm"
    "|Portable grayscale images pgm|*.pgm"
    "|Portable b&w images pbm|*.pbm"
    "|Autodesk images pic cel|*.pic;*.cel"
    "|ZSoft PCX images pcx|*.pcx"
    "|Photoshop images pdd|*.pdd"
    "|Kodak Photo-CD images pcd|*.pcd"
    "|ZSoft PCC images pcc|*.pcc"
    "|CompuServe images gif|*.gif"
    "|Dr. Halo images cut|*.cut");

// %1: the atlas file beside the page.
inline const QString kAtlasMismatchWarning = QStringLiteral(
    "Le fichier %1 ne correspond pas à la texture : la liste des éléments n'a pas été "
    "reprise.\n\rIl restera tel quel jusqu'au prochain enregistrement de la texture.");
// Why an atlas file does not match its page. %1: the element's name.
inline const QString kAtlasNotJson =
    QStringLiteral("ce n'est pas une liste d'éléments au format JSON.");
// %1: the most elements.
inline const QString kAtlasTooManyFrames = QStringLiteral("elle a plus de %1 éléments.");
inline const QString kAtlasFrameUnreadable = QStringLiteral(
    "l'élément %1 n'a pas de cadre lisible (x, y, w et h entiers, w et h d'au moins 1).");
// %2, %3: the frame's corner; %4 x %5: its size; %6 x %7: the page's size.
inline const QString kAtlasFrameOutside =
    QStringLiteral("l'élément %1 (%4 x %5 en %2, %3) sort de la texture (%6 x %7).");
// %2: the limit in megapixels.
inline const QString kAtlasFramesCoverTooMuch =
    QStringLiteral("avec l'élément %1, les éléments couvrent plus de %2 mégapixels.");
// %1: why, as above.
inline const QString kAtlasMismatchReason = QStringLiteral("Raison : %1");
// %1: the atlas file; %2: why.
inline const QString kEngineAtlasDataRefused = QStringLiteral(
    "Aucun élément à exporter : la liste d'éléments %1 ne correspond pas à la "
    "texture :\n\r%2");

// Extraction of a page whose element list covers it.
inline const QString kExtractChoiceQuestion = QStringLiteral(
    "Cette texture a une liste d'éléments.\n\rOUI : un fichier PNG par élément, à son nom, "
    "dans un dossier\n\rNON : des fichiers numérotés");
inline const QString kExtractNamesTitle = QStringLiteral("DOSSIER DES ÉLÉMENTS NOMMÉS");
// %1: how many files would be replaced.
inline const QString kExtractNamesReplace = QStringLiteral(
    "%1 fichier(s) de ce dossier porte(nt) déjà le nom d'un élément !\n\r  FAUT-IL LES "
    "REMPLACER ?");
// %1: the names refused, one a line.
inline const QString kExtractNamesRefused = QStringLiteral(
    "Ces noms d'éléments ont été refusés (ils sortiraient du dossier, ou un autre élément a "
    "déjà ce fichier) :\n\r%1");
// %1: the atlas file beside the page.
inline const QString kNoNamedElements =
    QStringLiteral("Aucun élément nommé : pas de liste d'éléments (%1)");
// %1: the folder.
inline const QString kFolderNotWritable = QStringLiteral("Impossible d'écrire dans le dossier %1");

// Export for a game engine.
inline const QString kEngineExportAction = QStringLiteral("Exporter pour moteur de jeu…");
inline const QString kCompactPageAction = QStringLiteral("Compacter la texture");
// %1: the number of elements; %2: the page's width.
inline const QString kCompactQuestion = QStringLiteral(
    "Compacter la texture ?\n\rSes %1 éléments seront replacés au plus serré dans sa largeur "
    "(%2 pixels), avec leurs noms.\n\rLa texture sera modifiée : sauvez-la pour garder le "
    "changement.");
inline const QString kCompactNoFrames = QStringLiteral(
    "Cette texture n'a pas de liste d'éléments (fichier .json à côté d'elle) :\n\rla place de "
    "ses éléments n'est pas connue, elle ne peut pas être compactée.");
inline const QString kCompactFramesIncomplete = QStringLiteral(
    "La liste d'éléments de cette texture ne couvre pas toute la texture (des éléments y ont été "
    "placés avant elle) :\n\rla compacter perdrait ceux qui n'y figurent pas. Rien n'a changé.");
// %1, %2: the first such pixel.
inline const QString kCompactUnlistedPixels = QStringLiteral(
    "Des pixels de cette texture hors des éléments de sa liste ne sont pas du fond (le premier "
    "en %1, %2) : des éléments y ont été placés sans être listés.\n\rLa compacter les "
    "perdrait. Rien n'a changé.");
inline const QString kCompactAlreadyTight =
    QStringLiteral("La texture est déjà aussi compacte que possible : rien n'a changé.");
inline const QString kEngineExportTitle = QStringLiteral("EXPORTER POUR MOTEUR DE JEU");
inline const QString kEnginePaddingCaption = QStringLiteral("Marge entre les éléments (pixels)");
inline const QString kEngineExtrudeCaption = QStringLiteral("Bord répété autour (pixels)");
inline const QString kEngineAtlasFilter =
    QStringLiteral("Image PNG|*.png|Texture DDS (mipmaps)|*.dds|Texture KTX2 (mipmaps)|*.ktx2");
inline const QString kEngineNoFrames = QStringLiteral(
    "Cette texture n'a pas de liste d'éléments (fichier .json à côté d'elle) :\n\rrien à "
    "exporter.");
// %1: the element's name; %2 x %3: the room it needs; %4 x %5: the largest atlas.
inline const QString kEngineFrameTooLarge = QStringLiteral(
    "L'élément %1 demande %2 x %3 pixels avec ses marges : l'atlas est limité à %4 x %5.\n\r"
    "Rien n'a été écrit.");
// %1: the most levels.
inline const QString kEngineMipRange =
    QStringLiteral("Le nombre de niveaux de mipmap va de 0 à %1.");
inline const QString kEngineMaxSizeCaption = QStringLiteral("Taille maximale de l'atlas (pixels)");
inline const QString kEnginePowerOfTwoCaption = QStringLiteral("Côtés en puissances de deux");
inline const QString kEngineSquareCaption = QStringLiteral("Atlas carré");
inline const QString kEngineMipLevelsCaption =
    QStringLiteral("Niveaux de mipmap protégés (0 : aucun)");
inline const QString kEngineBlocksCaption = QStringLiteral("Format des fichiers DDS et KTX2");
inline const QString kEngineBlocksAuto =
    QStringLiteral("Automatique : BC3 avec transparence, sinon BC1");
inline const QString kEngineBlocksBc1 = QStringLiteral("BC1 (compressé)");
inline const QString kEngineBlocksBc3 = QStringLiteral("BC3 (compressé, avec alpha)");
inline const QString kEngineBlocksRgb = QStringLiteral("Sans compression");
// %1: the block size, such as 6x6.
inline const QString kEngineBlocksAstc = QStringLiteral("ASTC %1 (téléphones, KTX2)");
inline const QString kEngineNormalMapCaption =
    QStringLiteral("Écrire aussi la carte de normales (atlas_n)");
inline const QString kEngineDirectXCaption =
    QStringLiteral("Normales à la convention DirectX (vert inversé)");
inline const QString kEngineNormalStrengthCaption = QStringLiteral("Force du relief des normales");
// %1 x %2: the atlas size.
inline const QString kEngineAtlasTooLarge =
    QStringLiteral("L'atlas ferait %1 x %2 pixels : c'est trop grand.\n\rRien n'a été écrit.");
// %1: the largest margin.
inline const QString kEngineMarginRange =
    QStringLiteral("La marge et le bord répété vont de 0 à %1 pixels.");
// %1: the element's name.
inline const QString kEngineFrameOutside =
    QStringLiteral("L'élément %1 sort de la texture : rien n'a été exporté.");
// %1: the folder; %2: one kEngineFileWritten line per file.
inline const QString kEngineExportDone =
    QStringLiteral("Exportation terminée. Fichiers écrits dans %1 :\n\r%2");
// %1: the file's name; %2: its size in bytes.
inline const QString kEngineFileWritten = QStringLiteral("%1 (%2 octets)");
inline const QString kEngineTargetIsPage =
    QStringLiteral("L'atlas ne peut pas remplacer la texture elle-même.");
// Transparency in the engine atlas.
inline const QString kEngineTrimCaption = QStringLiteral("Rogner les marges transparentes");
inline const QString kEngineAlphaThresholdCaption =
    QStringLiteral("Seuil d'alpha du rognage (0 à 255)");
inline const QString kEngineBleedCaption =
    QStringLiteral("Étendre les couleurs sous la transparence");
inline const QString kEnginePremultiplyCaption = QStringLiteral("Alpha prémultiplié");
inline const QString kEngineAlphaCoverageCaption =
    QStringLiteral("Couverture alpha gardée aux mipmaps (0 : non)");
// %1: the largest threshold.
inline const QString kEngineAlphaThresholdRange = QStringLiteral("Le seuil d'alpha va de 0 à %1.");
inline const QString kEngineAlphaCoverageRange =
    QStringLiteral("La couverture alpha va de 0,05 à 0,95 (0 : sans).");

}  // namespace tessella::texture
