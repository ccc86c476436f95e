#pragma once
// The texts of the page commands, exactly as the user sees them in French ("\n\r" is one
// break), translated at use.

#include <QString>
#include <QStringList>

#include "platform/Text.h"

namespace tessella::texture {

inline constexpr platform::Text kFreeSizeEntry{
    QT_TRANSLATE_NOOP("Tessella", "LIBRE Toutes dimensions")};
// The import size list importSizeCombo, in order; the last entry is free size.
inline QStringList ImportSizeEntries() {
    return {QStringLiteral("32 x 32"),   QStringLiteral("32 x 64"),
            QStringLiteral("32 x 128"),  QStringLiteral("64 x 32"),
            QStringLiteral("64 x 64"),   QStringLiteral("64 x 128"),
            QStringLiteral("128 x 32"),  QStringLiteral("128 x 64"),
            QStringLiteral("128 x 128"), kFreeSizeEntry};
}

// Followed by the maximum page width in decimal.
inline constexpr platform::Text kFreeSizeQuestion{QT_TRANSLATE_NOOP(
    "Tessella",
    "L'image à incruster a des dimensions incorrectes !\n\rVoulez-vous passer en mode LIBRE, "
    "c'est à dire\n\raccepter toutes dimensions d'image ?.\n\rATTENTION, vous êtes limité à une "
    "largeur de ")};
// %1: the source width.
inline constexpr platform::Text kTooWideWarning{QT_TRANSLATE_NOOP(
    "Tessella", "L'image à importer est trop large ( %1 )\n\rpour être incrustée correctement !")};
// %1: the file name; %2: its width. Asked in a multi-file add, with the five answers.
inline constexpr platform::Text kTooWideManyQuestion{QT_TRANSLATE_NOOP(
    "Tessella",
    "L'image %1 est trop large ( %2 )\n\rpour être incrustée correctement : la texture "
    "la couperait !\n\rINCRUSTER QUAND MÊME ?")};
// %1: the files left out, one a line.
inline constexpr platform::Text kTooWideLeftOut{QT_TRANSLATE_NOOP(
    "Tessella", "Ces images, trop larges pour la texture, n'ont pas été incrustées :\n\r%1")};
inline constexpr platform::Text kMultipleOf8Question{QT_TRANSLATE_NOOP(
    "Tessella",
    "Les dimensions de l'image à importer\n\rne sont pas des multiples de 8  (16x16, 32x32 "
    "etc.) !\n\rElle ne sera pas incrustée correctement !\n\rIncruster quand même ?")};
inline constexpr platform::Text kMultipleOf8ManyQuestion{QT_TRANSLATE_NOOP(
    "Tessella",
    "Les dimensions de l'image à importer\n\rne sont pas des multiples de 8  (16x16, 32x32 "
    "etc.) !\n\rElle ne sera pas incrustée correctement !\n\rINCRUSTER QUAND MÊME ?")};
inline constexpr platform::Text kMultipleOf8ReplaceQuestion{QT_TRANSLATE_NOOP(
    "Tessella",
    "Les dimensions de l'image à importer\n\rne sont pas des multiples de 8 (16x16, 32x32 "
    "etc.) !\n\rElle ne sera pas incrustée correctement !\n\rIncruster quand même ?")};
inline constexpr platform::Text kReplaceInformation{QT_TRANSLATE_NOOP(
    "Tessella",
    "Déplacez le masque grillagé sur la texture à remplacer\n\ret validez le changement ou "
    "abandonnez.\n\r\n\r UN CLICK SUR L'IMAGE PRÉ-POSITIONNE LE MASQUE.\n\r\n\rVOUS POUVEZ "
    "UTILISER LE ZOOM POUR UNE MEILLEURE PRÉCISION")};
// %1 x %2: the source size; %3 x %4: the import size.
inline constexpr platform::Text kReplaceWrongSize{QT_TRANSLATE_NOOP(
    "Tessella",
    "   L'image fait %1x%2. L'image doit faire %3 x %4 impérativement, ou bien\n\r\n\rPASSEZ LES "
    "DIMENSIONS D'IMPORTATION EN MODE-LIBRE")};
inline constexpr platform::Text kLoadFailedWarning{
    QT_TRANSLATE_NOOP("Tessella", "Erreur de Chargement de l'image")};

inline constexpr platform::Text kFillRightQuestion{QT_TRANSLATE_NOOP(
    "Tessella",
    "La largeur de la texture est inférieure à 512\n\rSouhaitez vous compléter la texture à "
    "droite\n\ravant de la compléter en bas ? ATTENTION : Si\n\rvous utilisez déjà cette texture "
    "dans un projet,\n\rvous risquez de ne pas retrouver les mêmes\n\rtextures à leur emplacement "
    "dans votre niveau")};
inline constexpr platform::Text kAbandonModifiedQuestion{QT_TRANSLATE_NOOP(
    "Tessella", "La texture a été modifiée !\n\rVOULEZ-VOUS VRAIMENT L'ABANDONNER SANS SAUVER ?")};
// %1: the chosen file name.
inline constexpr platform::Text kReplaceFileQuestion{
    QT_TRANSLATE_NOOP("Tessella", "Le fichier spécifié %1 existe !\n\r  FAUT-IL LE REMPLACER ?")};
// %1 x %2: the page size.
inline constexpr platform::Text kPageTooLargeForTga{QT_TRANSLATE_NOOP(
    "Tessella",
    "La texture fait %1 x %2 pixels : un fichier TGA ne peut pas dépasser 65535 pixels de "
    "côté.\n\rLa texture n'a pas été enregistrée.")};

// The button beside the progress bar that stops an extraction or a multi-file add.
inline constexpr platform::Text kStopCaption{QT_TRANSLATE_NOOP("Tessella", "Arrêter")};
inline constexpr platform::Text kStopName{
    QT_TRANSLATE_NOOP("Tessella", "Arrêter l'opération en cours")};
// %1: the folder that has gone; %2: the folder shown instead.
inline constexpr platform::Text kFolderGoneWarning{QT_TRANSLATE_NOOP(
    "Tessella", "Le dossier %1 n'existe plus !\n\rLe dossier %2 est affiché à sa place.")};

// The width dialog's caption, which is also its question.
inline constexpr platform::Text kPageWidthQuestion{
    QT_TRANSLATE_NOOP("Tessella", "Largeur de la texture ?")};
inline constexpr platform::Text kNewPageTitle{
    QT_TRANSLATE_NOOP("Tessella", "CRÉER UN NOUVEAU FICHIER DE TEXTURES")};
inline constexpr platform::Text kOpenPageTitle{
    QT_TRANSLATE_NOOP("Tessella", "OUVRIR UN FICHIER DE TEXTURES")};
inline constexpr platform::Text kSaveAsTitle{
    QT_TRANSLATE_NOOP("Tessella", "ENREGISTRER UNE TEXTURE SOUS")};
inline constexpr platform::Text kExtractTitle{
    QT_TRANSLATE_NOOP("Tessella", "NOM ET DESTINATION DE LA PREMIÈRE IMAGE")};
inline constexpr platform::Text kTextureFilter{
    QT_TRANSLATE_NOOP("Tessella", "Fichier de textures|*.tga")};
// "Enregistrer sous": TGA first (the default), then PNG; the extension chosen decides.
inline constexpr platform::Text kTextureSaveFilter{
    QT_TRANSLATE_NOOP("Tessella", "Fichier de textures|*.tga|Fichier de textures PNG|*.png")};
inline constexpr platform::Text kBitmapFilter{QT_TRANSLATE_NOOP("Tessella", "Image bitmap|*.bmp")};
inline constexpr platform::Text kUntitledName{QT_TRANSLATE_NOOP("Tessella", "Sans nom")};

// The picture-open dialog's filter of "Ouvrir une texture (TGA ou autre)": 19 entries.
inline constexpr platform::Text kPictureOpenFilter{QT_TRANSLATE_NOOP(
    "Tessella",
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
    "|Dr. Halo images cut|*.cut")};

// %1: the atlas file beside the page.
inline constexpr platform::Text kAtlasMismatchWarning{QT_TRANSLATE_NOOP(
    "Tessella",
    "Le fichier %1 ne correspond pas à la texture : la liste des éléments n'a pas été "
    "reprise.\n\rIl restera tel quel jusqu'au prochain enregistrement de la texture.")};
// Why an atlas file does not match its page. %1: the element's name.
inline constexpr platform::Text kAtlasNotJson{
    QT_TRANSLATE_NOOP("Tessella", "ce n'est pas une liste d'éléments au format JSON.")};
// %1: the most elements.
inline constexpr platform::Text kAtlasTooManyFrames{
    QT_TRANSLATE_NOOP("Tessella", "elle a plus de %1 éléments.")};
inline constexpr platform::Text kAtlasFrameUnreadable{QT_TRANSLATE_NOOP(
    "Tessella",
    "l'élément %1 n'a pas de cadre lisible (x, y, w et h entiers, w et h d'au moins 1).")};
// %2, %3: the frame's corner; %4 x %5: its size; %6 x %7: the page's size.
inline constexpr platform::Text kAtlasFrameOutside{QT_TRANSLATE_NOOP(
    "Tessella", "l'élément %1 (%4 x %5 en %2, %3) sort de la texture (%6 x %7).")};
// %2: the limit in megapixels.
inline constexpr platform::Text kAtlasFramesCoverTooMuch{QT_TRANSLATE_NOOP(
    "Tessella", "avec l'élément %1, les éléments couvrent plus de %2 mégapixels.")};
// %1: why, as above.
inline constexpr platform::Text kAtlasMismatchReason{QT_TRANSLATE_NOOP("Tessella", "Raison : %1")};
// %1: the atlas file; %2: why.
inline constexpr platform::Text kEngineAtlasDataRefused{
    QT_TRANSLATE_NOOP("Tessella",
                      "Aucun élément à exporter : la liste d'éléments %1 ne correspond pas à la "
                      "texture :\n\r%2")};

// Extraction of a page whose element list covers it.
inline constexpr platform::Text kExtractChoiceQuestion{QT_TRANSLATE_NOOP(
    "Tessella",
    "Cette texture a une liste d'éléments.\n\rOUI : un fichier PNG par élément, à son nom, "
    "dans un dossier\n\rNON : des fichiers numérotés")};
inline constexpr platform::Text kExtractNamesTitle{
    QT_TRANSLATE_NOOP("Tessella", "DOSSIER DES ÉLÉMENTS NOMMÉS")};
// %1: how many files would be replaced.
inline constexpr platform::Text kExtractNamesReplace{QT_TRANSLATE_NOOP(
    "Tessella",
    "%1 fichier(s) de ce dossier porte(nt) déjà le nom d'un élément !\n\r  FAUT-IL LES "
    "REMPLACER ?")};
// %1: the names refused, one a line.
inline constexpr platform::Text kExtractNamesRefused{QT_TRANSLATE_NOOP(
    "Tessella",
    "Ces noms d'éléments ont été refusés (ils sortiraient du dossier, ou un autre élément a "
    "déjà ce fichier) :\n\r%1")};
// %1: the atlas file beside the page.
inline constexpr platform::Text kNoNamedElements{
    QT_TRANSLATE_NOOP("Tessella", "Aucun élément nommé : pas de liste d'éléments (%1)")};
// %1: the folder.
inline constexpr platform::Text kFolderNotWritable{
    QT_TRANSLATE_NOOP("Tessella", "Impossible d'écrire dans le dossier %1")};

// Export for a game engine.
inline constexpr platform::Text kEngineExportAction{
    QT_TRANSLATE_NOOP("Tessella", "Exporter pour moteur de jeu…")};
inline constexpr platform::Text kCompactPageAction{
    QT_TRANSLATE_NOOP("Tessella", "Compacter la texture")};
// %1: the number of elements; %2: the page's width.
inline constexpr platform::Text kCompactQuestion{QT_TRANSLATE_NOOP(
    "Tessella",
    "Compacter la texture ?\n\rSes %1 éléments seront replacés au plus serré dans sa largeur "
    "(%2 pixels), avec leurs noms.\n\rLa texture sera modifiée : sauvez-la pour garder le "
    "changement.")};
inline constexpr platform::Text kCompactNoFrames{QT_TRANSLATE_NOOP(
    "Tessella",
    "Cette texture n'a pas de liste d'éléments (fichier .json à côté d'elle) :\n\rla place de "
    "ses éléments n'est pas connue, elle ne peut pas être compactée.")};
inline constexpr platform::Text kCompactFramesIncomplete{QT_TRANSLATE_NOOP(
    "Tessella",
    "La liste d'éléments de cette texture ne couvre pas toute la texture (des éléments y ont été "
    "placés avant elle) :\n\rla compacter perdrait ceux qui n'y figurent pas. Rien n'a changé.")};
// %1, %2: the first such pixel.
inline constexpr platform::Text kCompactUnlistedPixels{QT_TRANSLATE_NOOP(
    "Tessella",
    "Des pixels de cette texture hors des éléments de sa liste ne sont pas du fond (le premier "
    "en %1, %2) : des éléments y ont été placés sans être listés.\n\rLa compacter les "
    "perdrait. Rien n'a changé.")};
inline constexpr platform::Text kCompactAlreadyTight{QT_TRANSLATE_NOOP(
    "Tessella", "La texture est déjà aussi compacte que possible : rien n'a changé.")};
inline constexpr platform::Text kEngineExportTitle{
    QT_TRANSLATE_NOOP("Tessella", "EXPORTER POUR MOTEUR DE JEU")};
inline constexpr platform::Text kEnginePaddingCaption{
    QT_TRANSLATE_NOOP("Tessella", "Marge entre les éléments (pixels)")};
inline constexpr platform::Text kEngineExtrudeCaption{
    QT_TRANSLATE_NOOP("Tessella", "Bord répété autour (pixels)")};
inline constexpr platform::Text kEngineAtlasFilter{QT_TRANSLATE_NOOP(
    "Tessella", "Image PNG|*.png|Texture DDS (mipmaps)|*.dds|Texture KTX2 (mipmaps)|*.ktx2")};
inline constexpr platform::Text kEngineNoFrames{QT_TRANSLATE_NOOP(
    "Tessella",
    "Cette texture n'a pas de liste d'éléments (fichier .json à côté d'elle) :\n\rrien à "
    "exporter.")};
// %1: the element's name; %2 x %3: the room it needs; %4 x %5: the largest atlas.
inline constexpr platform::Text kEngineFrameTooLarge{QT_TRANSLATE_NOOP(
    "Tessella",
    "L'élément %1 demande %2 x %3 pixels avec ses marges : l'atlas est limité à %4 x %5.\n\r"
    "Rien n'a été écrit.")};
// %1: the most levels.
inline constexpr platform::Text kEngineMipRange{
    QT_TRANSLATE_NOOP("Tessella", "Le nombre de niveaux de mipmap va de 0 à %1.")};
inline constexpr platform::Text kEngineMaxSizeCaption{
    QT_TRANSLATE_NOOP("Tessella", "Taille maximale de l'atlas (pixels)")};
inline constexpr platform::Text kEnginePowerOfTwoCaption{
    QT_TRANSLATE_NOOP("Tessella", "Côtés en puissances de deux")};
inline constexpr platform::Text kEngineSquareCaption{QT_TRANSLATE_NOOP("Tessella", "Atlas carré")};
inline constexpr platform::Text kEngineMipLevelsCaption{
    QT_TRANSLATE_NOOP("Tessella", "Niveaux de mipmap protégés (0 : aucun)")};
inline constexpr platform::Text kEngineBlocksCaption{
    QT_TRANSLATE_NOOP("Tessella", "Format des fichiers DDS et KTX2")};
inline constexpr platform::Text kEngineBlocksAuto{
    QT_TRANSLATE_NOOP("Tessella", "Automatique : BC3 avec transparence, sinon BC1")};
inline constexpr platform::Text kEngineBlocksBc1{QT_TRANSLATE_NOOP("Tessella", "BC1 (compressé)")};
inline constexpr platform::Text kEngineBlocksBc3{
    QT_TRANSLATE_NOOP("Tessella", "BC3 (compressé, avec alpha)")};
inline constexpr platform::Text kEngineBlocksRgb{QT_TRANSLATE_NOOP("Tessella", "Sans compression")};
// %1: the block size, such as 6x6.
inline constexpr platform::Text kEngineBlocksAstc{
    QT_TRANSLATE_NOOP("Tessella", "ASTC %1 (téléphones, KTX2)")};
inline constexpr platform::Text kEngineNormalMapCaption{
    QT_TRANSLATE_NOOP("Tessella", "Écrire aussi la carte de normales (atlas_n)")};
inline constexpr platform::Text kEngineDirectXCaption{
    QT_TRANSLATE_NOOP("Tessella", "Normales à la convention DirectX (vert inversé)")};
inline constexpr platform::Text kEngineNormalStrengthCaption{
    QT_TRANSLATE_NOOP("Tessella", "Force du relief des normales")};
// %1 x %2: the atlas size.
inline constexpr platform::Text kEngineAtlasTooLarge{QT_TRANSLATE_NOOP(
    "Tessella", "L'atlas ferait %1 x %2 pixels : c'est trop grand.\n\rRien n'a été écrit.")};
// %1: the largest margin.
inline constexpr platform::Text kEngineMarginRange{
    QT_TRANSLATE_NOOP("Tessella", "La marge et le bord répété vont de 0 à %1 pixels.")};
// %1: the element's name.
inline constexpr platform::Text kEngineFrameOutside{
    QT_TRANSLATE_NOOP("Tessella", "L'élément %1 sort de la texture : rien n'a été exporté.")};
// %1: the folder; %2: one kEngineFileWritten line per file.
inline constexpr platform::Text kEngineExportDone{
    QT_TRANSLATE_NOOP("Tessella", "Exportation terminée. Fichiers écrits dans %1 :\n\r%2")};
// %1: the file's name; %2: its size in bytes.
inline constexpr platform::Text kEngineFileWritten{QT_TRANSLATE_NOOP("Tessella", "%1 (%2 octets)")};
inline constexpr platform::Text kEngineTargetIsPage{
    QT_TRANSLATE_NOOP("Tessella", "L'atlas ne peut pas remplacer la texture elle-même.")};
// Transparency in the engine atlas.
inline constexpr platform::Text kEngineTrimCaption{
    QT_TRANSLATE_NOOP("Tessella", "Rogner les marges transparentes")};
inline constexpr platform::Text kEngineAlphaThresholdCaption{
    QT_TRANSLATE_NOOP("Tessella", "Seuil d'alpha du rognage (0 à 255)")};
inline constexpr platform::Text kEngineBleedCaption{
    QT_TRANSLATE_NOOP("Tessella", "Étendre les couleurs sous la transparence")};
inline constexpr platform::Text kEnginePremultiplyCaption{
    QT_TRANSLATE_NOOP("Tessella", "Alpha prémultiplié")};
inline constexpr platform::Text kEngineAlphaCoverageCaption{
    QT_TRANSLATE_NOOP("Tessella", "Couverture alpha gardée aux mipmaps (0 : non)")};
// %1: the largest threshold.
inline constexpr platform::Text kEngineAlphaThresholdRange{
    QT_TRANSLATE_NOOP("Tessella", "Le seuil d'alpha va de 0 à %1.")};
inline constexpr platform::Text kEngineAlphaCoverageRange{
    QT_TRANSLATE_NOOP("Tessella", "La couverture alpha va de 0,05 à 0,95 (0 : sans).")};

}  // namespace tessella::texture
