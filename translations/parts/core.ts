<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Tessella</name>
    <message>
        <source>Sauvegarde</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>SAUVER L&apos;ÉLÉMENT DE TEXTURE</source>
        <translation>SAVE THE TEXTURE ELEMENT</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp|Images PNG (*.png)|*.png</source>
        <translation>Bitmaps (*.bmp)|*.bmp|PNG images (*.png)|*.png</translation>
    </message>
    <message>
        <source>L&apos;élément a été modifié.
<byte value="xd"/>Voulez-vous l&apos;enregistrer ?</source>
        <translation>The element has been modified.
<byte value="xd"/>Do you want to save it?</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>LIBRE Toutes dimensions</source>
        <translation>FREE Any size</translation>
    </message>
    <message>
        <source>L&apos;image à incruster a des dimensions incorrectes !
<byte value="xd"/>Voulez-vous passer en mode LIBRE, c&apos;est à dire
<byte value="xd"/>accepter toutes dimensions d&apos;image ?.
<byte value="xd"/>ATTENTION, vous êtes limité à une largeur de </source>
        <translation>The image to pack onto the page has the wrong size!
<byte value="xd"/>Do you want to switch to FREE mode, that is
<byte value="xd"/>accept images of any size?
<byte value="xd"/>WARNING, you are limited to a width of </translation>
    </message>
    <message>
        <source>L&apos;image à importer est trop large ( %1 )
<byte value="xd"/>pour être incrustée correctement !</source>
        <translation>The image to import is too wide ( %1 )
<byte value="xd"/>to be packed onto the page correctly!</translation>
    </message>
    <message>
        <source>L&apos;image %1 est trop large ( %2 )
<byte value="xd"/>pour être incrustée correctement : la texture la couperait !
<byte value="xd"/>INCRUSTER QUAND MÊME ?</source>
        <translation>The image %1 is too wide ( %2 )
<byte value="xd"/>to be packed onto the page correctly: the texture page would cut it off!
<byte value="xd"/>PACK IT ANYWAY?</translation>
    </message>
    <message>
        <source>Ces images, trop larges pour la texture, n&apos;ont pas été incrustées :
<byte value="xd"/>%1</source>
        <translation>These images, too wide for the texture page, were not packed onto it:
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Les dimensions de l&apos;image à importer
<byte value="xd"/>ne sont pas des multiples de 8  (16x16, 32x32 etc.) !
<byte value="xd"/>Elle ne sera pas incrustée correctement !
<byte value="xd"/>Incruster quand même ?</source>
        <translation>The size of the image to import
<byte value="xd"/>is not a multiple of 8  (16x16, 32x32 etc.)!
<byte value="xd"/>It will not be packed onto the page correctly!
<byte value="xd"/>Pack it anyway?</translation>
    </message>
    <message>
        <source>Les dimensions de l&apos;image à importer
<byte value="xd"/>ne sont pas des multiples de 8  (16x16, 32x32 etc.) !
<byte value="xd"/>Elle ne sera pas incrustée correctement !
<byte value="xd"/>INCRUSTER QUAND MÊME ?</source>
        <translation>The size of the image to import
<byte value="xd"/>is not a multiple of 8  (16x16, 32x32 etc.)!
<byte value="xd"/>It will not be packed onto the page correctly!
<byte value="xd"/>PACK IT ANYWAY?</translation>
    </message>
    <message>
        <source>Les dimensions de l&apos;image à importer
<byte value="xd"/>ne sont pas des multiples de 8 (16x16, 32x32 etc.) !
<byte value="xd"/>Elle ne sera pas incrustée correctement !
<byte value="xd"/>Incruster quand même ?</source>
        <translation>The size of the image to import
<byte value="xd"/>is not a multiple of 8 (16x16, 32x32 etc.)!
<byte value="xd"/>It will not be packed onto the page correctly!
<byte value="xd"/>Pack it anyway?</translation>
    </message>
    <message>
        <source>Déplacez le masque grillagé sur la texture à remplacer
<byte value="xd"/>et validez le changement ou abandonnez.
<byte value="xd"/>
<byte value="xd"/> UN CLICK SUR L&apos;IMAGE PRÉ-POSITIONNE LE MASQUE.
<byte value="xd"/>
<byte value="xd"/>VOUS POUVEZ UTILISER LE ZOOM POUR UNE MEILLEURE PRÉCISION</source>
        <translation>Move the grid mask over the texture to replace
<byte value="xd"/>and confirm the change or cancel.
<byte value="xd"/>
<byte value="xd"/> A CLICK ON THE IMAGE PRE-POSITIONS THE MASK.
<byte value="xd"/>
<byte value="xd"/>YOU CAN USE THE ZOOM FOR BETTER PRECISION</translation>
    </message>
    <message>
        <source>   L&apos;image fait %1x%2. L&apos;image doit faire %3 x %4 impérativement, ou bien
<byte value="xd"/>
<byte value="xd"/>PASSEZ LES DIMENSIONS D&apos;IMPORTATION EN MODE-LIBRE</source>
        <translation>   The image is %1x%2. The image must be exactly %3 x %4, or else
<byte value="xd"/>
<byte value="xd"/>SWITCH THE IMPORT SIZE TO FREE MODE</translation>
    </message>
    <message>
        <source>Erreur de Chargement de l&apos;image</source>
        <translation>Error Loading the image</translation>
    </message>
    <message>
        <source>La largeur de la texture est inférieure à 512
<byte value="xd"/>Souhaitez vous compléter la texture à droite
<byte value="xd"/>avant de la compléter en bas ? ATTENTION : Si
<byte value="xd"/>vous utilisez déjà cette texture dans un projet,
<byte value="xd"/>vous risquez de ne pas retrouver les mêmes
<byte value="xd"/>textures à leur emplacement dans votre niveau</source>
        <translation>The texture page is less than 512 wide
<byte value="xd"/>Do you want to fill the texture page on the right
<byte value="xd"/>before filling it at the bottom? WARNING: If
<byte value="xd"/>you already use this texture page in a project,
<byte value="xd"/>you may not find the same
<byte value="xd"/>textures in their places in your level</translation>
    </message>
    <message>
        <source>La texture a été modifiée !
<byte value="xd"/>VOULEZ-VOUS VRAIMENT L&apos;ABANDONNER SANS SAUVER ?</source>
        <translation>The texture page has been modified!
<byte value="xd"/>DO YOU REALLY WANT TO DISCARD IT WITHOUT SAVING?</translation>
    </message>
    <message>
        <source>Le fichier spécifié %1 existe !
<byte value="xd"/>  FAUT-IL LE REMPLACER ?</source>
        <translation>The file %1 already exists!
<byte value="xd"/>  REPLACE IT?</translation>
    </message>
    <message>
        <source>La texture fait %1 x %2 pixels : un fichier TGA ne peut pas dépasser 65535 pixels de côté.
<byte value="xd"/>La texture n&apos;a pas été enregistrée.</source>
        <translation>The texture page is %1 x %2 pixels: a TGA file cannot exceed 65535 pixels per side.
<byte value="xd"/>The texture page was not saved.</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Arrêter l&apos;opération en cours</source>
        <translation>Stop the current operation</translation>
    </message>
    <message>
        <source>Le dossier %1 n&apos;existe plus !
<byte value="xd"/>Le dossier %2 est affiché à sa place.</source>
        <translation>The folder %1 no longer exists!
<byte value="xd"/>The folder %2 is shown instead.</translation>
    </message>
    <message>
        <source>Largeur de la texture ?</source>
        <translation>Texture page width?</translation>
    </message>
    <message>
        <source>CRÉER UN NOUVEAU FICHIER DE TEXTURES</source>
        <translation>CREATE A NEW TEXTURE FILE</translation>
    </message>
    <message>
        <source>OUVRIR UN FICHIER DE TEXTURES</source>
        <translation>OPEN A TEXTURE FILE</translation>
    </message>
    <message>
        <source>ENREGISTRER UNE TEXTURE SOUS</source>
        <translation>SAVE A TEXTURE PAGE AS</translation>
    </message>
    <message>
        <source>NOM ET DESTINATION DE LA PREMIÈRE IMAGE</source>
        <translation>NAME AND DESTINATION OF THE FIRST IMAGE</translation>
    </message>
    <message>
        <source>Fichier de textures|*.tga</source>
        <translation>Texture file|*.tga</translation>
    </message>
    <message>
        <source>Fichier de textures|*.tga|Fichier de textures PNG|*.png</source>
        <translation>Texture file|*.tga|PNG texture file|*.png</translation>
    </message>
    <message>
        <source>Image bitmap|*.bmp</source>
        <translation>Bitmap image|*.bmp</translation>
    </message>
    <message>
        <source>Sans nom</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Toutes images |*.bmp;*.jpg;*.win;*.vst;*.vda;*.tiff;*.tif;*.tga;*.sgi;*.rpf;*.rle;*.rla;*.rgba;*.rgb;*.psd;*.ppm;*.pgm;*.pbm;*.pic;*.pcx;*.pdd;*.pcd;*.pcc;*.icb;*.gif;*.dib;*.cut;*.cel;*.bw;*.png;*.jpeg;*.jpe;*.webp;*.dds;*.ktx2;*.astc;|Images PNG JPEG WebP png jpeg jpe webp|*.png;*.jpeg;*.jpe;*.webp|Images WINDOWS bmp jpg rle dib|*.bmp;*.jpg;*.rle;*.dib|Truevision images win vst vda tga icb|*.win;*.vst;*.vda;*.tga;*.icb|TIFF images tiff tif|*.tif;*.tiff|SGI true color images sgi|*.sgi|SGI black/white images bw|*.bw|SGI Wavefront images rpf rla rgb rgba|*.rpf;*.rla;*.rgb;*.rgba|Photoshop images psd|*.psd|Portable pixel map images ppm|*.ppm|Portable grayscale images pgm|*.pgm|Portable b&amp;w images pbm|*.pbm|Autodesk images pic cel|*.pic;*.cel|ZSoft PCX images pcx|*.pcx|Photoshop images pdd|*.pdd|Kodak Photo-CD images pcd|*.pcd|ZSoft PCC images pcc|*.pcc|CompuServe images gif|*.gif|Dr. Halo images cut|*.cut</source>
        <translation>All images |*.bmp;*.jpg;*.win;*.vst;*.vda;*.tiff;*.tif;*.tga;*.sgi;*.rpf;*.rle;*.rla;*.rgba;*.rgb;*.psd;*.ppm;*.pgm;*.pbm;*.pic;*.pcx;*.pdd;*.pcd;*.pcc;*.icb;*.gif;*.dib;*.cut;*.cel;*.bw;*.png;*.jpeg;*.jpe;*.webp;*.dds;*.ktx2;*.astc;|PNG JPEG WebP images png jpeg jpe webp|*.png;*.jpeg;*.jpe;*.webp|WINDOWS images bmp jpg rle dib|*.bmp;*.jpg;*.rle;*.dib|Truevision images win vst vda tga icb|*.win;*.vst;*.vda;*.tga;*.icb|TIFF images tiff tif|*.tif;*.tiff|SGI true color images sgi|*.sgi|SGI black/white images bw|*.bw|SGI Wavefront images rpf rla rgb rgba|*.rpf;*.rla;*.rgb;*.rgba|Photoshop images psd|*.psd|Portable pixel map images ppm|*.ppm|Portable grayscale images pgm|*.pgm|Portable b&amp;w images pbm|*.pbm|Autodesk images pic cel|*.pic;*.cel|ZSoft PCX images pcx|*.pcx|Photoshop images pdd|*.pdd|Kodak Photo-CD images pcd|*.pcd|ZSoft PCC images pcc|*.pcc|CompuServe images gif|*.gif|Dr. Halo images cut|*.cut</translation>
    </message>
    <message>
        <source>Le fichier %1 ne correspond pas à la texture : la liste des éléments n&apos;a pas été reprise.
<byte value="xd"/>Il restera tel quel jusqu&apos;au prochain enregistrement de la texture.</source>
        <translation>The file %1 does not match the texture page: the element list was not loaded.
<byte value="xd"/>It will stay as it is until the texture page is next saved.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas une liste d&apos;éléments au format JSON.</source>
        <translation>it is not an element list in JSON format.</translation>
    </message>
    <message>
        <source>elle a plus de %1 éléments.</source>
        <translation>it has more than %1 elements.</translation>
    </message>
    <message>
        <source>l&apos;élément %1 n&apos;a pas de cadre lisible (x, y, w et h entiers, w et h d&apos;au moins 1).</source>
        <translation>element %1 has no readable frame (x, y, w and h whole numbers, w and h at least 1).</translation>
    </message>
    <message>
        <source>l&apos;élément %1 (%4 x %5 en %2, %3) sort de la texture (%6 x %7).</source>
        <translation>element %1 (%4 x %5 at %2, %3) goes outside the texture page (%6 x %7).</translation>
    </message>
    <message>
        <source>avec l&apos;élément %1, les éléments couvrent plus de %2 mégapixels.</source>
        <translation>with element %1, the elements cover more than %2 megapixels.</translation>
    </message>
    <message>
        <source>Raison : %1</source>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>Aucun élément à exporter : la liste d&apos;éléments %1 ne correspond pas à la texture :
<byte value="xd"/>%2</source>
        <translation>No elements to export: the element list %1 does not match the texture page:
<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Cette texture a une liste d&apos;éléments.
<byte value="xd"/>OUI : un fichier PNG par élément, à son nom, dans un dossier
<byte value="xd"/>NON : des fichiers numérotés</source>
        <translation>This texture page has an element list.
<byte value="xd"/>YES: one PNG file per element, under its name, in a folder
<byte value="xd"/>NO: numbered files</translation>
    </message>
    <message>
        <source>DOSSIER DES ÉLÉMENTS NOMMÉS</source>
        <translation>FOLDER OF THE NAMED ELEMENTS</translation>
    </message>
    <message>
        <source>%1 fichier(s) de ce dossier porte(nt) déjà le nom d&apos;un élément !
<byte value="xd"/>  FAUT-IL LES REMPLACER ?</source>
        <translation>%1 file(s) in this folder already have an element&apos;s name!
<byte value="xd"/>  REPLACE THEM?</translation>
    </message>
    <message>
        <source>Ces noms d&apos;éléments ont été refusés (ils sortiraient du dossier, ou un autre élément a déjà ce fichier) :
<byte value="xd"/>%1</source>
        <translation>These element names were refused (they would lead out of the folder, or another element already has that file):
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Aucun élément nommé : pas de liste d&apos;éléments (%1)</source>
        <translation>No named elements: no element list (%1)</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire dans le dossier %1</source>
        <translation>Could not write to the folder %1</translation>
    </message>
    <message>
        <source>Exporter pour moteur de jeu…</source>
        <translation>Export for Game Engine…</translation>
    </message>
    <message>
        <source>Compacter la texture</source>
        <translation>Compact Texture Page</translation>
    </message>
    <message>
        <source>Compacter la texture ?
<byte value="xd"/>Ses %1 éléments seront replacés au plus serré dans sa largeur (%2 pixels), avec leurs noms.
<byte value="xd"/>La texture sera modifiée : sauvez-la pour garder le changement.</source>
        <translation>Compact the texture page?
<byte value="xd"/>Its %1 elements will be packed as tightly as possible within its width (%2 pixels), with their names.
<byte value="xd"/>The texture page will be modified: save it to keep the change.</translation>
    </message>
    <message>
        <source>Cette texture n&apos;a pas de liste d&apos;éléments (fichier .json à côté d&apos;elle) :
<byte value="xd"/>la place de ses éléments n&apos;est pas connue, elle ne peut pas être compactée.</source>
        <translation>This texture page has no element list (.json file beside it):
<byte value="xd"/>the places of its elements are not known, it cannot be compacted.</translation>
    </message>
    <message>
        <source>La liste d&apos;éléments de cette texture ne couvre pas toute la texture (des éléments y ont été placés avant elle) :
<byte value="xd"/>la compacter perdrait ceux qui n&apos;y figurent pas. Rien n&apos;a changé.</source>
        <translation>This texture page&apos;s element list does not cover the whole page (elements were placed on it before the list):
<byte value="xd"/>compacting it would lose those not in the list. Nothing has changed.</translation>
    </message>
    <message>
        <source>Des pixels de cette texture hors des éléments de sa liste ne sont pas du fond (le premier en %1, %2) : des éléments y ont été placés sans être listés.
<byte value="xd"/>La compacter les perdrait. Rien n&apos;a changé.</source>
        <translation>Some pixels of this texture page outside the elements of its list are not background (the first at %1, %2): elements were placed on it without being listed.
<byte value="xd"/>Compacting it would lose them. Nothing has changed.</translation>
    </message>
    <message>
        <source>La texture est déjà aussi compacte que possible : rien n&apos;a changé.</source>
        <translation>The texture page is already as compact as possible: nothing has changed.</translation>
    </message>
    <message>
        <source>EXPORTER POUR MOTEUR DE JEU</source>
        <translation>EXPORT FOR GAME ENGINE</translation>
    </message>
    <message>
        <source>Marge entre les éléments (pixels)</source>
        <translation>Padding between elements (pixels)</translation>
    </message>
    <message>
        <source>Bord répété autour (pixels)</source>
        <translation>Extruded edge around (pixels)</translation>
    </message>
    <message>
        <source>Image PNG|*.png|Texture DDS (mipmaps)|*.dds|Texture KTX2 (mipmaps)|*.ktx2</source>
        <translation>PNG image|*.png|DDS texture (mipmaps)|*.dds|KTX2 texture (mipmaps)|*.ktx2</translation>
    </message>
    <message>
        <source>Cette texture n&apos;a pas de liste d&apos;éléments (fichier .json à côté d&apos;elle) :
<byte value="xd"/>rien à exporter.</source>
        <translation>This texture page has no element list (.json file beside it):
<byte value="xd"/>nothing to export.</translation>
    </message>
    <message>
        <source>L&apos;élément %1 demande %2 x %3 pixels avec ses marges : l&apos;atlas est limité à %4 x %5.
<byte value="xd"/>Rien n&apos;a été écrit.</source>
        <translation>Element %1 needs %2 x %3 pixels with its padding: the atlas is limited to %4 x %5.
<byte value="xd"/>Nothing was written.</translation>
    </message>
    <message>
        <source>Le nombre de niveaux de mipmap va de 0 à %1.</source>
        <translation>The number of mipmap levels goes from 0 to %1.</translation>
    </message>
    <message>
        <source>Taille maximale de l&apos;atlas (pixels)</source>
        <translation>Maximum atlas size (pixels)</translation>
    </message>
    <message>
        <source>Côtés en puissances de deux</source>
        <translation>Power-of-two sides</translation>
    </message>
    <message>
        <source>Atlas carré</source>
        <translation>Square atlas</translation>
    </message>
    <message>
        <source>Niveaux de mipmap protégés (0 : aucun)</source>
        <translation>Protected mipmap levels (0: none)</translation>
    </message>
    <message>
        <source>Format des fichiers DDS et KTX2</source>
        <translation>Format of DDS and KTX2 files</translation>
    </message>
    <message>
        <source>Automatique : BC3 avec transparence, sinon BC1</source>
        <translation>Automatic: BC3 with transparency, otherwise BC1</translation>
    </message>
    <message>
        <source>BC1 (compressé)</source>
        <translation>BC1 (compressed)</translation>
    </message>
    <message>
        <source>BC3 (compressé, avec alpha)</source>
        <translation>BC3 (compressed, with alpha)</translation>
    </message>
    <message>
        <source>Sans compression</source>
        <translation>Uncompressed</translation>
    </message>
    <message>
        <source>ASTC %1 (téléphones, KTX2)</source>
        <translation>ASTC %1 (phones, KTX2)</translation>
    </message>
    <message>
        <source>Écrire aussi la carte de normales (atlas_n)</source>
        <translation>Also write the normal map (atlas_n)</translation>
    </message>
    <message>
        <source>Normales à la convention DirectX (vert inversé)</source>
        <translation>DirectX normal convention (green flipped)</translation>
    </message>
    <message>
        <source>Force du relief des normales</source>
        <translation>Normal map strength</translation>
    </message>
    <message>
        <source>L&apos;atlas ferait %1 x %2 pixels : c&apos;est trop grand.
<byte value="xd"/>Rien n&apos;a été écrit.</source>
        <translation>The atlas would be %1 x %2 pixels: that is too large.
<byte value="xd"/>Nothing was written.</translation>
    </message>
    <message>
        <source>La marge et le bord répété vont de 0 à %1 pixels.</source>
        <translation>The padding and the extruded edge go from 0 to %1 pixels.</translation>
    </message>
    <message>
        <source>L&apos;élément %1 sort de la texture : rien n&apos;a été exporté.</source>
        <translation>Element %1 goes outside the texture page: nothing was exported.</translation>
    </message>
    <message>
        <source>Exportation terminée. Fichiers écrits dans %1 :
<byte value="xd"/>%2</source>
        <translation>Export finished. Files written in %1:
<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>%1 (%2 octets)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>L&apos;atlas ne peut pas remplacer la texture elle-même.</source>
        <translation>The atlas cannot replace the texture page itself.</translation>
    </message>
    <message>
        <source>Rogner les marges transparentes</source>
        <translation>Trim transparent margins</translation>
    </message>
    <message>
        <source>Seuil d&apos;alpha du rognage (0 à 255)</source>
        <translation>Trim alpha threshold (0 to 255)</translation>
    </message>
    <message>
        <source>Étendre les couleurs sous la transparence</source>
        <translation>Bleed colors under transparency</translation>
    </message>
    <message>
        <source>Alpha prémultiplié</source>
        <translation>Premultiplied alpha</translation>
    </message>
    <message>
        <source>Couverture alpha gardée aux mipmaps (0 : non)</source>
        <translation>Alpha coverage kept in mipmaps (0: no)</translation>
    </message>
    <message>
        <source>Le seuil d&apos;alpha va de 0 à %1.</source>
        <translation>The alpha threshold goes from 0 to %1.</translation>
    </message>
    <message>
        <source>La couverture alpha va de 0,05 à 0,95 (0 : sans).</source>
        <translation>The alpha coverage goes from 0.05 to 0.95 (0: none).</translation>
    </message>
    <message>
        <source>BMP : image invalide</source>
        <translation>BMP: invalid image</translation>
    </message>
    <message>
        <source>BMP : transparence non enregistrée, couleurs gardées (%1)</source>
        <translation>BMP: transparency not saved, colors kept (%1)</translation>
    </message>
    <message>
        <source>Métafichier EMF invalide</source>
        <translation>Invalid EMF metafile</translation>
    </message>
    <message>
        <source>Métafichier EMF trop lourd à dessiner : surface peinte excessive</source>
        <translation>EMF metafile too heavy to draw: too much painted area</translation>
    </message>
    <message>
        <source>Écriture de la texture arrêtée</source>
        <translation>Texture writing stopped</translation>
    </message>
    <message>
        <source>Un fichier .dds ne contient pas d&apos;ASTC : choisissez .ktx2 ou .astc</source>
        <translation>A .dds file cannot hold ASTC: choose .ktx2 or .astc</translation>
    </message>
    <message>
        <source>Un fichier .astc ne contient que des blocs ASTC (4x4, 6x6 ou 8x8)</source>
        <translation>A .astc file holds only ASTC blocks (4x4, 6x6 or 8x8)</translation>
    </message>
    <message>
        <source>ICO : image invalide</source>
        <translation>ICO: invalid image</translation>
    </message>
    <message>
        <source>CUR : image invalide</source>
        <translation>CUR: invalid image</translation>
    </message>
    <message>
        <source>Impossible de décoder l&apos;image %1 : %2</source>
        <translation>Could not decode the image %1: %2</translation>
    </message>
    <message>
        <source>fichier endommagé ou format invalide</source>
        <translation>damaged file or invalid format</translation>
    </message>
    <message>
        <source>image trop grande</source>
        <translation>image too large</translation>
    </message>
    <message>
        <source>format de texture non pris en charge (%1)</source>
        <translation>unsupported texture format (%1)</translation>
    </message>
    <message>
        <source>texture supercompressée, non prise en charge</source>
        <translation>supercompressed texture, not supported</translation>
    </message>
    <message>
        <source>texture en volume, en cube ou en tableau, non prise en charge</source>
        <translation>volume, cube or array texture, not supported</translation>
    </message>
    <message>
        <source>décodage trop long, fichier endommagé</source>
        <translation>decoding took too long, damaged file</translation>
    </message>
    <message>
        <source>ressources du système épuisées</source>
        <translation>system resources exhausted</translation>
    </message>
    <message>
        <source>programme de décodage %1 introuvable</source>
        <translation>decoding program %1 not found</translation>
    </message>
    <message>
        <source>Image RLA</source>
        <translation>RLA image</translation>
    </message>
    <message>
        <source>Image PIC</source>
        <translation>PIC image</translation>
    </message>
    <message>
        <source>Métafichier EMF</source>
        <translation>EMF metafile</translation>
    </message>
    <message>
        <source>BMP : image vide</source>
        <translation>BMP: empty image</translation>
    </message>
    <message>
        <source>Targa : image vide</source>
        <translation>Targa: empty image</translation>
    </message>
    <message>
        <source>Targa : image trop grande pour le format (%1 x %2)</source>
        <translation>Targa: image too large for the format (%1 x %2)</translation>
    </message>
    <message>
        <source>PNG : écriture impossible (image vide)</source>
        <translation>PNG: cannot write (empty image)</translation>
    </message>
    <message>
        <source>Image RLA : profondeur de %1 bits par canal non prise en charge</source>
        <translation>RLA image: depth of %1 bits per channel not supported</translation>
    </message>
    <message>
        <source>Erreur ASTC : %1</source>
        <translation>ASTC error: %1</translation>
    </message>
    <message>
        <source>Image illisible : %1</source>
        <translation>Unreadable image: %1</translation>
    </message>
    <message>
        <source>Erreur JPEG #%1</source>
        <translation>JPEG error #%1</translation>
    </message>
    <message>
        <source>Image vide</source>
        <translation>Empty image</translation>
    </message>
    <message>
        <source>Image vide : %1</source>
        <translation>Empty image: %1</translation>
    </message>
    <message>
        <source>Extension non reconnue pour une texture : %1</source>
        <translation>Unrecognized extension for a texture: %1</translation>
    </message>
    <message>
        <source>Image PIC invalide</source>
        <translation>Invalid PIC image</translation>
    </message>
    <message>
        <source>PNG : image invalide</source>
        <translation>PNG: invalid image</translation>
    </message>
    <message>
        <source>WebP : image invalide</source>
        <translation>WebP: invalid image</translation>
    </message>
    <message>
        <source>Image RLA invalide</source>
        <translation>Invalid RLA image</translation>
    </message>
    <message>
        <source>Targa : image invalide</source>
        <translation>Targa: invalid image</translation>
    </message>
    <message>
        <source>fichier protégé en écriture</source>
        <translation>the file is write-protected</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Could not read the file %1: %2</translation>
    </message>
    <message>
        <source>disque plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>droits insuffisants</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>fichier introuvable</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>dossier introuvable</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>fichier trop grand</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>Aucune imprimante n&apos;est installée : impression impossible.</source>
        <translation>No printer is installed: cannot print.</translation>
    </message>
    <message>
        <source>L&apos;imprimante a refusé de commencer l&apos;impression.</source>
        <translation>The printer refused to start printing.</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu être terminée.</source>
        <translation>Printing could not be finished.</translation>
    </message>
    <message>
        <source>Aucun fichier PDF n&apos;est choisi :
<byte value="xd"/>choisissez-le dans « Configurer l&apos;imprimante ».</source>
        <translation>No PDF file is chosen:
<byte value="xd"/>choose it in &quot;Printer Setup&quot;.</translation>
    </message>
    <message>
        <source>Débordement d&apos;entier</source>
        <translation>Integer overflow</translation>
    </message>
    <message>
        <source>Erreur de vérification d&apos;étendue</source>
        <translation>Range check error</translation>
    </message>
    <message>
        <source>Division par zéro</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Mémoire insuffisante</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Image trop grande : %1 x %2 pixels, au-delà de la limite du programme (%3 mégapixels, %4 pixels de côté)</source>
        <translation>Image too large: %1 x %2 pixels, beyond the program&apos;s limit (%3 megapixels, %4 pixels per side)</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 : dimensions d&apos;image invalides (%2 x %3)</source>
        <translation>%1: invalid image size (%2 x %3)</translation>
    </message>
    <message>
        <source>Paramètres d&apos;impression</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source> Dimensions de l&apos;image </source>
        <translation> Image Size </translation>
    </message>
    <message>
        <source> Position en Cm  </source>
        <translation> Position in cm  </translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Conserver les paramètres</source>
        <translation>Keep the settings</translation>
    </message>
    <message>
        <source>Imprimer le nom de l&apos;image</source>
        <translation>Print the image name</translation>
    </message>
    <message>
        <source>Configurer l&apos;imprimante</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>Ajuster à la page</source>
        <translation>Fit to page</translation>
    </message>
    <message>
        <source>L&apos;image dépasse de la feuille</source>
        <translation>The image runs off the sheet</translation>
    </message>
    <message>
        <source>L&apos;image dépasse de la feuille : elle serait imprimée coupée.</source>
        <translation>The image runs off the sheet: it would be printed cut off.</translation>
    </message>
    <message>
        <source>L&apos;image dépasse de la feuille
<byte value="xd"/>et ne sera imprimée qu&apos;en partie.
<byte value="xd"/>Imprimer quand même ?</source>
        <translation>The image runs off the sheet
<byte value="xd"/>and will be printed only in part.
<byte value="xd"/>Print anyway?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Planche Contact</source>
        <translation>Contact Sheet</translation>
    </message>
    <message>
        <source>PLANCHE CONTACT    </source>
        <translation>CONTACT SHEET    </translation>
    </message>
    <message>
        <source>PLANCHE CONTACT      Page </source>
        <translation>CONTACT SHEET      Page </translation>
    </message>
    <message>
        <source>  Confirmation    </source>
        <translation>  Confirmation    </translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Passer</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Aperçu et confirmation avant impression des %1 pages ?</source>
        <translation>Preview and confirm before printing the %1 pages?</translation>
    </message>
    <message>
        <source>Erreur de Chargement de l&apos;image : extension non reconnue (%1)</source>
        <translation>Error Loading the image: unrecognized extension (%1)</translation>
    </message>
    <message>
        <source>Symétrie</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Doublement</source>
        <translation>Doubling</translation>
    </message>
    <message>
        <source>Redimensionnement</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>Redimensionnement : aucune image</source>
        <translation>Resize: no image</translation>
    </message>
    <message>
        <source>Image de travail</source>
        <translation>Working image</translation>
    </message>
</context>
</TS>
