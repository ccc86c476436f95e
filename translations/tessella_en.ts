<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AccessibleLabels</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Options :</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>%1 ou %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>--lang attend une langue : %1</source>
        <translation>--lang expects a language: %1</translation>
    </message>
    <message>
        <source>Langue inconnue : %1 (%2)</source>
        <translation>Unknown language: %1 (%2)</translation>
    </message>
    <message>
        <source>affiche cette aide</source>
        <translation>shows this help</translation>
    </message>
    <message>
        <source>Ces options ne valent que pour une sortie .dds ou .ktx2</source>
        <translation>These options apply only to a .dds or .ktx2 output</translation>
    </message>
    <message>
        <source>Usage : tessella-cli info [--seams] FICHIER</source>
        <translation>Usage: tessella-cli info [--seams] FILE</translation>
    </message>
    <message>
        <source>Le raccord de l&apos;élément répété, 1 : invisible</source>
        <translation>The seam of the tiled element, 1: invisible</translation>
    </message>
    <message>
        <source>Raccord : %1</source>
        <translation>Seam: %1</translation>
    </message>
    <message>
        <source>Erreur de Chargement de l&apos;image : extension non reconnue (%1)</source>
        <translation>Error loading the picture: extension not recognized (%1)</translation>
    </message>
    <message>
        <source>Image vide : %1</source>
        <translation>Empty picture: %1</translation>
    </message>
    <message>
        <source>info FICHIER</source>
        <translation>info FILE</translation>
    </message>
    <message>
        <source>convert ENTREE SORTIE.(tga|bmp|png|dds|ktx2|astc) [--bc1 | --bc3 | --bc5 | --rgb |
       --astc 4x4|6x6|8x8] [--quality fast|medium|thorough] [--threads N] [--no-mipmaps]</source>
        <translation>convert INPUT OUTPUT.(tga|bmp|png|dds|ktx2|astc) [--bc1 | --bc3 | --bc5 | --rgb |
       --astc 4x4|6x6|8x8] [--quality fast|medium|thorough] [--threads N] [--no-mipmaps]</translation>
    </message>
    <message>
        <source>pack [--import LxH | --free] [--max-width 256|512] [--onto PAGE [--fill-right]]
       [--yes-to-all | --no-to-all] -o SORTIE.(tga|png) FICHIER...
  tessella-cli pack --tight -o SORTIE.(tga|png) PAGE</source>
        <translation>pack [--import WxH | --free] [--max-width 256|512] [--onto PAGE [--fill-right]]
       [--yes-to-all | --no-to-all] -o OUTPUT.(tga|png) FILE...
  tessella-cli pack --tight -o OUTPUT.(tga|png) PAGE</translation>
    </message>
    <message>
        <source>extract [--import LxH] PAGE DEST.(bmp|png) | extract --names PAGE DOSSIER</source>
        <translation>extract [--import WxH] PAGE DEST.(bmp|png) | extract --names PAGE FOLDER</translation>
    </message>
    <message>
        <source>export [--padding P] [--extrude E] [--max-size N] [--max-width L] [--pot] [--square]
       [--mip-levels N] [--normal-map [--strength S] [--directx]]
       [--bc1 | --bc3 | --bc5 | --rgb | --astc 4x4|6x6|8x8] [--quality Q] [--threads N]
       -o ATLAS.(png|dds|ktx2) PAGE</source>
        <translation>export [--padding P] [--extrude E] [--max-size N] [--max-width W] [--pot] [--square]
       [--mip-levels N] [--normal-map [--strength S] [--directx]]
       [--bc1 | --bc3 | --bc5 | --rgb | --astc 4x4|6x6|8x8] [--quality Q] [--threads N]
       -o ATLAS.(png|dds|ktx2) PAGE</translation>
    </message>
    <message>
        <source>op OPERATION [ARGUMENTS...] ENTREE SORTIE</source>
        <translation>op OPERATION [ARGUMENTS...] INPUT OUTPUT</translation>
    </message>
    <message>
        <source>print PAGE [--width-mm L] [--x-mm X] [--y-mm Y] [--landscape] [--name] [--allow-cut] -o SORTIE.pdf</source>
        <translation>print PAGE [--width-mm W] [--x-mm X] [--y-mm Y] [--landscape] [--name] [--allow-cut] -o OUTPUT.pdf</translation>
    </message>
    <message>
        <source>contact-sheet -o SORTIE.pdf FICHIER...</source>
        <translation>contact-sheet -o OUTPUT.pdf FILE...</translation>
    </message>
    <message>
        <source>Usage : tessella-cli COMMANDE [ARGUMENTS...]
Commandes :</source>
        <translation>Usage: tessella-cli COMMAND [ARGUMENTS...]
Commands:</translation>
    </message>
    <message>
        <source>Langue des textes : --lang %1, avant la commande ou parmi ses options (sinon TESSELLA_LANG, sinon celle du système)</source>
        <translation>Language of the texts: --lang %1, before the command or among its options (else TESSELLA_LANG, else the system&apos;s)</translation>
    </message>
    <message>
        <source>affiche la version</source>
        <translation>shows the version</translation>
    </message>
    <message>
        <source>ROUGE</source>
        <translation>RED</translation>
    </message>
    <message>
        <source>VERT</source>
        <translation>GREEN</translation>
    </message>
    <message>
        <source>BLEU</source>
        <translation>BLUE</translation>
    </message>
    <message>
        <source>VARIANTE</source>
        <translation>VARIANT</translation>
    </message>
    <message>
        <source>DIRECTION</source>
        <translation>DIRECTION</translation>
    </message>
    <message>
        <source>QUANTITE</source>
        <translation>AMOUNT</translation>
    </message>
    <message>
        <source>SEUIL</source>
        <translation>THRESHOLD</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>MODE</translation>
    </message>
    <message>
        <source>SATURATION</source>
        <translation>SATURATION</translation>
    </message>
    <message>
        <source>COULEUR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>TEXTURE</source>
        <translation>TEXTURE</translation>
    </message>
    <message>
        <source>LARGEUR</source>
        <translation>WIDTH</translation>
    </message>
    <message>
        <source>HAUTEUR</source>
        <translation>HEIGHT</translation>
    </message>
    <message>
        <source>BANDE</source>
        <translation>BAND</translation>
    </message>
    <message>
        <source>ENTREE SORTIE.(bmp|tga|png)</source>
        <translation>INPUT OUTPUT.(bmp|tga|png)</translation>
    </message>
    <message>
        <source>Usage :</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>%1 : nombre entier attendu, et non « %2 »</source>
        <translation>%1: whole number expected, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 : valeur hors limites (%2), attendu de %3 à %4</source>
        <translation>%1: value out of range (%2), expected %3 to %4</translation>
    </message>
    <message>
        <source>%1 : couleur hexadécimale attendue (RRGGBB, rouge en premier)%2, et non « %3 »</source>
        <translation>%1: hexadecimal color expected (RRGGBB, red first)%2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source> ou none</source>
        <translation> or none</translation>
    </message>
    <message>
        <source>%1 : valeur attendue</source>
        <translation>%1: value expected</translation>
    </message>
    <message>
        <source>%1 : %2, et non « %3 »</source>
        <translation>%1: %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>nombre entier attendu</source>
        <translation>whole number expected</translation>
    </message>
    <message>
        <source>nombre attendu</source>
        <translation>number expected</translation>
    </message>
    <message>
        <source>Opération inconnue : %1</source>
        <translation>Unknown operation: %1</translation>
    </message>
    <message>
        <source>Usage : %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>SORTIE : extension .bmp, .tga ou .png attendue (%1)</source>
        <translation>OUTPUT: .bmp, .tga or .png extension expected (%1)</translation>
    </message>
    <message>
        <source>taille des éléments (64x64 par défaut)</source>
        <translation>size of the elements (64x64 by default)</translation>
    </message>
    <message>
        <source>LxH</source>
        <translation>WxH</translation>
    </message>
    <message>
        <source>Format d&apos;image non reconnu (extension refusée) : %1</source>
        <translation>Picture format not recognized (extension refused): %1</translation>
    </message>
    <message>
        <source>Option répétée : %1</source>
        <translation>Option repeated: %1</translation>
    </message>
    <message>
        <source>les fichiers dont les côtés ne sont pas multiples de 8, ou trop larges pour la texture</source>
        <translation>the files whose sides are not multiples of 8, or too wide for the texture page</translation>
    </message>
    <message>
        <source>taille libre, celle de chaque fichier</source>
        <translation>free size, that of each file</translation>
    </message>
    <message>
        <source>largeur maximale de la texture (512 par défaut)</source>
        <translation>largest width of the texture page (512 by default)</translation>
    </message>
    <message>
        <source>ajoute à cette texture</source>
        <translation>adds to this texture page</translation>
    </message>
    <message>
        <source>complète d&apos;abord une texture étroite à droite (avec --onto)</source>
        <translation>first fills a narrow texture page on the right (with --onto)</translation>
    </message>
    <message>
        <source>replace au plus serré les éléments de PAGE (sa liste d&apos;éléments), dans sa largeur</source>
        <translation>packs the elements of PAGE (its element list) again as tight as they go, within its width</translation>
    </message>
    <message>
        <source>place (coupés s&apos;il le faut) %1</source>
        <translation>places (cut if need be) %1</translation>
    </message>
    <message>
        <source>écarte %1</source>
        <translation>leaves out %1</translation>
    </message>
    <message>
        <source>texture à écrire (.tga ou .png)</source>
        <translation>texture page to write (.tga or .png)</translation>
    </message>
    <message>
        <source>SORTIE</source>
        <translation>OUTPUT</translation>
    </message>
    <message>
        <source>--import attend une taille LxH (par exemple 64x64)</source>
        <translation>--import expects a size WxH (for example 64x64)</translation>
    </message>
    <message>
        <source>--max-width attend 256 ou 512</source>
        <translation>--max-width expects 256 or 512</translation>
    </message>
    <message>
        <source>--onto attend une texture</source>
        <translation>--onto expects a texture page</translation>
    </message>
    <message>
        <source>--yes-to-all et --no-to-all s&apos;excluent</source>
        <translation>--yes-to-all and --no-to-all exclude each other</translation>
    </message>
    <message>
        <source>-o attend le fichier de sortie</source>
        <translation>-o expects the output file</translation>
    </message>
    <message>
        <source>--tight ne prend que -o SORTIE et la texture</source>
        <translation>--tight takes only -o OUTPUT and the texture page</translation>
    </message>
    <message>
        <source>--tight prend une texture, et une seule</source>
        <translation>--tight takes one texture page, and only one</translation>
    </message>
    <message>
        <source>--import et --free s&apos;excluent</source>
        <translation>--import and --free exclude each other</translation>
    </message>
    <message>
        <source>--fill-right demande --onto</source>
        <translation>--fill-right needs --onto</translation>
    </message>
    <message>
        <source>Il manque -o SORTIE.tga</source>
        <translation>-o OUTPUT.tga is missing</translation>
    </message>
    <message>
        <source>La sortie doit être un fichier .tga ou .png</source>
        <translation>The output must be a .tga or .png file</translation>
    </message>
    <message>
        <source>Aucun fichier à ajouter</source>
        <translation>No file to add</translation>
    </message>
    <message>
        <source>%1 : %2 x %3 (%4 avant), %5 élément(s)</source>
        <translation>%1: %2 x %3 (%4 before), %5 element(s)</translation>
    </message>
    <message>
        <source>pixels libres entre les éléments et aux bords (2 par défaut)</source>
        <translation>free pixels between the elements and at the edges (2 by default)</translation>
    </message>
    <message>
        <source>pixels du bord de chaque élément répétés autour (2 par défaut)</source>
        <translation>pixels of each element&apos;s edge repeated around it (2 by default)</translation>
    </message>
    <message>
        <source>chaque atlas tient dans N x N (4096 par défaut) ; au-delà, plusieurs atlas</source>
        <translation>each atlas fits in N x N (4096 by default); beyond that, several atlases</translation>
    </message>
    <message>
        <source>largeur maximale de l&apos;atlas (N par défaut)</source>
        <translation>largest width of the atlas (N by default)</translation>
    </message>
    <message>
        <source>L</source>
        <translation>W</translation>
    </message>
    <message>
        <source>côtés en puissances de deux</source>
        <translation>sides in powers of two</translation>
    </message>
    <message>
        <source>atlas carré</source>
        <translation>square atlas</translation>
    </message>
    <message>
        <source>niveaux de mipmap sans mélange entre éléments (0 à 10)</source>
        <translation>mipmap levels without bleeding between elements (0 to 10)</translation>
    </message>
    <message>
        <source>écrit aussi la carte de normales de l&apos;atlas, ATLAS_n</source>
        <translation>also writes the atlas&apos;s normal map, ATLAS_n</translation>
    </message>
    <message>
        <source>force du relief de la carte de normales (0,1 à 20 ; 2 par défaut)</source>
        <translation>strength of the normal map relief (0.1 to 20; 2 by default)</translation>
    </message>
    <message>
        <source>carte de normales à la convention DirectX (vert inversé)</source>
        <translation>normal map in the DirectX convention (green flipped)</translation>
    </message>
    <message>
        <source>blocs BC1 (.dds, .ktx2 ; par défaut)</source>
        <translation>BC1 blocks (.dds, .ktx2; by default)</translation>
    </message>
    <message>
        <source>blocs BC3 (.dds, .ktx2)</source>
        <translation>BC3 blocks (.dds, .ktx2)</translation>
    </message>
    <message>
        <source>carte de normales en blocs BC5 (.dds, .ktx2 ; par défaut)</source>
        <translation>normal map in BC5 blocks (.dds, .ktx2; by default)</translation>
    </message>
    <message>
        <source>pixels non compressés (.dds, .ktx2)</source>
        <translation>uncompressed pixels (.dds, .ktx2)</translation>
    </message>
    <message>
        <source>blocs ASTC de 4x4, 6x6 ou 8x8 (.ktx2), la carte de normales aussi</source>
        <translation>ASTC blocks of 4x4, 6x6 or 8x8 (.ktx2), the normal map too</translation>
    </message>
    <message>
        <source>recherche ASTC : fast, medium (par défaut) ou thorough</source>
        <translation>ASTC search: fast, medium (by default) or thorough</translation>
    </message>
    <message>
        <source>fils de calcul des blocs (par défaut : un par cœur)</source>
        <translation>threads encoding the blocks (by default: one per core)</translation>
    </message>
    <message>
        <source>garde les marges transparentes des éléments</source>
        <translation>keeps the transparent margins of the elements</translation>
    </message>
    <message>
        <source>rogne les texels d&apos;alpha au plus A (0 à 255 ; 0 par défaut)</source>
        <translation>trims the texels of alpha at most A (0 to 255; 0 by default)</translation>
    </message>
    <message>
        <source>laisse les couleurs sous les texels transparents</source>
        <translation>leaves the colors under the transparent texels</translation>
    </message>
    <message>
        <source>couleurs multipliées par l&apos;alpha</source>
        <translation>colors multiplied by the alpha</translation>
    </message>
    <message>
        <source>garde à chaque mipmap la part des texels d&apos;alpha au moins T (0,05 à 0,95 ; .dds, .ktx2)</source>
        <translation>keeps at each mipmap the share of texels of alpha at least T (0.05 to 0.95; .dds, .ktx2)</translation>
    </message>
    <message>
        <source>atlas à écrire (.png, .dds ou .ktx2), avec son .json</source>
        <translation>atlas to write (.png, .dds or .ktx2), with its .json</translation>
    </message>
    <message>
        <source>%1 attend un nombre de 0 à %2</source>
        <translation>%1 expects a number from 0 to %2</translation>
    </message>
    <message>
        <source>%1 attend une taille de 1 à %2</source>
        <translation>%1 expects a size from 1 to %2</translation>
    </message>
    <message>
        <source>--mip-levels attend un nombre de 0 à %1</source>
        <translation>--mip-levels expects a number from 0 to %1</translation>
    </message>
    <message>
        <source>--strength attend un nombre de 0,1 à 20</source>
        <translation>--strength expects a number from 0.1 to 20</translation>
    </message>
    <message>
        <source>--alpha-threshold attend un nombre de 0 à %1</source>
        <translation>--alpha-threshold expects a number from 0 to %1</translation>
    </message>
    <message>
        <source>--alpha-coverage attend un nombre de 0,05 à 0,95</source>
        <translation>--alpha-coverage expects a number from 0.05 to 0.95</translation>
    </message>
    <message>
        <source>-o attend l&apos;atlas</source>
        <translation>-o expects the atlas</translation>
    </message>
    <message>
        <source>--strength et --directx vont avec --normal-map</source>
        <translation>--strength and --directx go with --normal-map</translation>
    </message>
    <message>
        <source>--bc5 est le format de la carte de normales : il va avec --normal-map</source>
        <translation>--bc5 is the format of the normal map: it goes with --normal-map</translation>
    </message>
    <message>
        <source>Il manque -o ATLAS.png</source>
        <translation>-o ATLAS.png is missing</translation>
    </message>
    <message>
        <source>L&apos;atlas doit être un fichier .png, .dds ou .ktx2</source>
        <translation>The atlas must be a .png, .dds or .ktx2 file</translation>
    </message>
    <message>
        <source>%1 ne vaut que pour un atlas .dds ou .ktx2</source>
        <translation>%1 applies only to a .dds or .ktx2 atlas</translation>
    </message>
    <message>
        <source>--alpha-coverage ne vaut que pour un atlas .dds ou .ktx2</source>
        <translation>--alpha-coverage applies only to a .dds or .ktx2 atlas</translation>
    </message>
    <message>
        <source>--alpha-threshold et --no-trim s&apos;excluent</source>
        <translation>--alpha-threshold and --no-trim exclude each other</translation>
    </message>
    <message>
        <source>Il faut une texture, et une seule</source>
        <translation>One texture page is needed, and only one</translation>
    </message>
    <message>
        <source>Aucun élément à exporter : pas de liste d&apos;éléments (%1)</source>
        <translation>No element to export: no element list (%1)</translation>
    </message>
    <message>
        <source>%1 : %2 x %3, %4 élément(s)%5</source>
        <translation>%1: %2 x %3, %4 element(s)%5</translation>
    </message>
    <message>
        <source>, normales : </source>
        <translation>, normals: </translation>
    </message>
    <message>
        <source>Texture non créée</source>
        <translation>Texture page not created</translation>
    </message>
    <message>
        <source>%1 : %2 x %3, %4 élément(s) ajouté(s)</source>
        <translation>%1: %2 x %3, %4 element(s) added</translation>
    </message>
    <message>
        <source>un fichier .png par élément nommé de la texture, dans DOSSIER</source>
        <translation>one .png file per named element of the texture page, in FOLDER</translation>
    </message>
    <message>
        <source>--import attend une taille LxH</source>
        <translation>--import expects a size WxH</translation>
    </message>
    <message>
        <source>--names et --import s&apos;excluent</source>
        <translation>--names and --import exclude each other</translation>
    </message>
    <message>
        <source>Il faut une texture et une destination</source>
        <translation>A texture page and a destination are needed</translation>
    </message>
    <message>
        <source>La texture et la destination ne peuvent pas être vides</source>
        <translation>The texture page and the destination cannot be empty</translation>
    </message>
    <message>
        <source>Nom d&apos;élément refusé : %1</source>
        <translation>Element name refused: %1</translation>
    </message>
    <message>
        <source>%1 élément(s) extrait(s)</source>
        <translation>%1 element(s) extracted</translation>
    </message>
    <message>
        <source>fichier PDF à écrire</source>
        <translation>PDF file to write</translation>
    </message>
    <message>
        <source>SORTIE.pdf</source>
        <translation>OUTPUT.pdf</translation>
    </message>
    <message>
        <source>en mm, de %1 à 400 (%2 par défaut)</source>
        <translation>in mm, from %1 to 400 (%2 by default)</translation>
    </message>
    <message>
        <source>largeur %1</source>
        <translation>width %1</translation>
    </message>
    <message>
        <source>marge gauche %1</source>
        <translation>left margin %1</translation>
    </message>
    <message>
        <source>marge haute %1</source>
        <translation>top margin %1</translation>
    </message>
    <message>
        <source>image tournée d&apos;un quart, comme après « Orientation »</source>
        <translation>picture turned a quarter, as after &quot;Orientation&quot;</translation>
    </message>
    <message>
        <source>imprime le nom du fichier</source>
        <translation>prints the file name</translation>
    </message>
    <message>
        <source>imprime coupée une image qui dépasse de la feuille</source>
        <translation>prints a picture that goes past the sheet cut</translation>
    </message>
    <message>
        <source>Impossible de lancer %1 : %2</source>
        <translation>Cannot start %1: %2</translation>
    </message>
</context>
<context>
    <name>EditorHistory</name>
    <message>
        <source>Annuler</source>
        <translation>Undo</translation>
    </message>
</context>
<context>
    <name>PageCommands</name>
    <message>
        <source>Éditeur d&apos;éléments absent.</source>
        <translation>No element editor.</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
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
        <source>Abandonner</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Réessayer</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Ignorer</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Tous</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Non à tout</source>
        <translation>No to All</translation>
    </message>
    <message>
        <source>Oui à tout</source>
        <translation>Yes to All</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Barre d&apos;état</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Barre d&apos;état %1</source>
        <translation>Status bar %1</translation>
    </message>
</context>
<context>
    <name>Tessella</name>
    <message>
        <source>Impossible d&apos;enregistrer la langue choisie dans %1 : %2</source>
        <translation>Could not save the chosen language in %1: %2</translation>
    </message>
    <message>
        <source>le fichier des réglages n&apos;est pas accessible en écriture</source>
        <translation>the settings file is not writable</translation>
    </message>
    <message>
        <source>le fichier des réglages est endommagé</source>
        <translation>the settings file is damaged</translation>
    </message>
    <message>
        <source>Option inconnue : %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Usage : tessella-cli convert ENTREE SORTIE.(tga|bmp|png|dds|ktx2|astc) [--bc1 | --bc3 | --bc5 | --rgb | --astc 4x4|6x6|8x8] [--quality fast|medium|thorough] [--threads N] [--no-mipmaps] [--alpha-coverage T]</source>
        <translation>Usage: tessella-cli convert INPUT OUTPUT.(tga|bmp|png|dds|ktx2|astc) [--bc1 | --bc3 | --bc5 | --rgb | --astc 4x4|6x6|8x8] [--quality fast|medium|thorough] [--threads N] [--no-mipmaps] [--alpha-coverage T]</translation>
    </message>
    <message>
        <source>Usage : tessella-cli pack [--import LxH | --free] [--max-width 256|512] [--onto PAGE [--fill-right]] [--yes-to-all | --no-to-all] -o SORTIE.(tga|png) FICHIER...
        tessella-cli pack --tight -o SORTIE.(tga|png) PAGE</source>
        <translation>Usage: tessella-cli pack [--import WxH | --free] [--max-width 256|512] [--onto PAGE [--fill-right]] [--yes-to-all | --no-to-all] -o OUTPUT.(tga|png) FILE...
       tessella-cli pack --tight -o OUTPUT.(tga|png) PAGE</translation>
    </message>
    <message>
        <source>Usage : tessella-cli extract [--import LxH] PAGE DEST.(bmp|png)
        tessella-cli extract --names PAGE DOSSIER</source>
        <translation>Usage: tessella-cli extract [--import WxH] PAGE DEST.(bmp|png)
       tessella-cli extract --names PAGE FOLDER</translation>
    </message>
    <message>
        <source>Trop larges pour la texture : %1
Rien n&apos;a été écrit. --yes-to-all les incruste coupés, --no-to-all les écarte.</source>
        <translation>Too wide for the texture page: %1
Nothing was written. --yes-to-all packs them cut onto the page, --no-to-all leaves them out.</translation>
    </message>
    <message>
        <source>Usage : tessella-cli export [--padding P] [--extrude E] [--max-size N] [--max-width L] [--pot] [--square] [--mip-levels N] [--normal-map [--strength S] [--directx]] [--bc1 | --bc3 | --bc5 | --rgb | --astc 4x4|6x6|8x8] [--quality fast|medium|thorough] [--threads N] [--no-trim] [--alpha-threshold A] [--no-bleed] [--premultiply] [--alpha-coverage T] -o ATLAS.(png|dds|ktx2) PAGE</source>
        <translation>Usage: tessella-cli export [--padding P] [--extrude E] [--max-size N] [--max-width W] [--pot] [--square] [--mip-levels N] [--normal-map [--strength S] [--directx]] [--bc1 | --bc3 | --bc5 | --rgb | --astc 4x4|6x6|8x8] [--quality fast|medium|thorough] [--threads N] [--no-trim] [--alpha-threshold A] [--no-bleed] [--premultiply] [--alpha-coverage T] -o ATLAS.(png|dds|ktx2) PAGE</translation>
    </message>
    <message>
        <source>--astc attend 4x4, 6x6 ou 8x8</source>
        <translation>--astc expects 4x4, 6x6 or 8x8</translation>
    </message>
    <message>
        <source>--quality attend fast, medium ou thorough</source>
        <translation>--quality expects fast, medium or thorough</translation>
    </message>
    <message>
        <source>--threads attend un nombre de 1 à 256</source>
        <translation>--threads expects a number from 1 to 256</translation>
    </message>
    <message>
        <source>--alpha-coverage attend un seuil de 0,05 à 0,95</source>
        <translation>--alpha-coverage expects a threshold from 0.05 to 0.95</translation>
    </message>
    <message>
        <source>Un seul format de blocs : %1</source>
        <translation>Only one block format: %1</translation>
    </message>
    <message>
        <source>Usage : tessella-cli print PAGE [--width-mm L] [--x-mm X] [--y-mm Y] [--landscape] [--name] [--allow-cut] -o SORTIE.pdf</source>
        <translation>Usage: tessella-cli print PAGE [--width-mm W] [--x-mm X] [--y-mm Y] [--landscape] [--name] [--allow-cut] -o OUTPUT.pdf</translation>
    </message>
    <message>
        <source>Valeur refusée pour %1 : « %2 » (un nombre de %3 à %4)</source>
        <translation>Value refused for %1: &quot;%2&quot; (a number from %3 to %4)</translation>
    </message>
    <message>
        <source>Valeur manquante pour %1</source>
        <translation>Missing value for %1</translation>
    </message>
    <message>
        <source>Usage : tessella-cli contact-sheet -o SORTIE.pdf FICHIER...</source>
        <translation>Usage: tessella-cli contact-sheet -o OUTPUT.pdf FILE...</translation>
    </message>
    <message>
        <source>Rouge/Vert/Bleu  Lumière, contraste</source>
        <translation>Red/Green/Blue  Brightness, contrast</translation>
    </message>
    <message>
        <source>Zoom </source>
        <translation>Zoom </translation>
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
        <source> Correction </source>
        <translation> Correction </translation>
    </message>
    <message>
        <source>Correction progressive</source>
        <translation>Gradual correction</translation>
    </message>
    <message>
        <source> Estamper </source>
        <translation> Emboss </translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Seuil</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source> Fond </source>
        <translation> Background </translation>
    </message>
    <message>
        <source>Non</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Coloré</source>
        <translation>Colored</translation>
    </message>
    <message>
        <source>Texturé</source>
        <translation>Textured</translation>
    </message>
    <message>
        <source> Couleur du fond </source>
        <translation> Background color </translation>
    </message>
    <message>
        <source>Autre couleur</source>
        <translation>Other color</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Aperçu</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Rouge</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Vert</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Bleu</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Rouge, vert et bleu</source>
        <translation>Red, green and blue</translation>
    </message>
    <message>
        <source>Contraste</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Valeur %1</source>
        <translation>%1 value</translation>
    </message>
    <message>
        <source>Couleur %1</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>Couleur du fond choisie</source>
        <translation>Chosen background color</translation>
    </message>
    <message>
        <source>Couleur du fond en hexadécimal</source>
        <translation>Background color in hexadecimal</translation>
    </message>
    <message>
        <source>Texture du fond</source>
        <translation>Background texture</translation>
    </message>
    <message>
        <source>Couleur %1, %2, %3</source>
        <translation>Color %1, %2, %3</translation>
    </message>
    <message>
        <source>De gauche à droite</source>
        <translation>From left to right</translation>
    </message>
    <message>
        <source>De droite à gauche</source>
        <translation>From right to left</translation>
    </message>
    <message>
        <source>De haut en bas</source>
        <translation>From top to bottom</translation>
    </message>
    <message>
        <source>De bas en haut</source>
        <translation>From bottom to top</translation>
    </message>
    <message>
        <source>Depuis le coin en haut à gauche</source>
        <translation>From the top left corner</translation>
    </message>
    <message>
        <source>Depuis le coin en haut à droite</source>
        <translation>From the top right corner</translation>
    </message>
    <message>
        <source>Depuis le coin en bas à gauche</source>
        <translation>From the bottom left corner</translation>
    </message>
    <message>
        <source>Depuis le coin en bas à droite</source>
        <translation>From the bottom right corner</translation>
    </message>
    <message>
        <source>Impossible de lire la texture %1</source>
        <translation>Could not read the texture %1</translation>
    </message>
    <message>
        <source>Outils de dessin</source>
        <translation>Drawing tools</translation>
    </message>
    <message>
        <source>Crayon</source>
        <translation>Pencil</translation>
    </message>
    <message>
        <source>Dessiner</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Remplir</source>
        <translation>Paint bucket</translation>
    </message>
    <message>
        <source>Nouvelle couleur du crayon</source>
        <translation>New pen color</translation>
    </message>
    <message>
        <source>Nouvelle couleur du pinceau</source>
        <translation>New brush color</translation>
    </message>
    <message>
        <source>Pipette</source>
        <translation>Eyedropper</translation>
    </message>
    <message>
        <source>Épaisseur du trait</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Catalog</translation>
    </message>
    <message>
        <source>Origine : (%1, %2)</source>
        <translation>Origin: (%1, %2)</translation>
    </message>
    <message>
        <source>Courant : (%1, %2)</source>
        <translation>Current: (%1, %2)</translation>
    </message>
    <message>
        <source>Ligne</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Rectangle arrondi</source>
        <translation>Rounded rectangle</translation>
    </message>
    <message>
        <source>Aucun outil</source>
        <translation>No tool</translation>
    </message>
    <message>
        <source>Pipette du crayon</source>
        <translation>Pen eyedropper</translation>
    </message>
    <message>
        <source>Pipette du pinceau</source>
        <translation>Brush eyedropper</translation>
    </message>
    <message>
        <source>Couleur du crayon</source>
        <translation>Pen color</translation>
    </message>
    <message>
        <source>Couleur du pinceau</source>
        <translation>Brush color</translation>
    </message>
    <message>
        <source>Trait plein</source>
        <translation>Solid line</translation>
    </message>
    <message>
        <source>Tirets</source>
        <translation>Dashes</translation>
    </message>
    <message>
        <source>Pointillés</source>
        <translation>Dots</translation>
    </message>
    <message>
        <source>Tiret point</source>
        <translation>Dash dot</translation>
    </message>
    <message>
        <source>Tiret point point</source>
        <translation>Dash dot dot</translation>
    </message>
    <message>
        <source>Sans trait</source>
        <translation>No line</translation>
    </message>
    <message>
        <source>Remplissage plein</source>
        <translation>Solid fill</translation>
    </message>
    <message>
        <source>Sans remplissage</source>
        <translation>No fill</translation>
    </message>
    <message>
        <source>Hachures horizontales</source>
        <translation>Horizontal hatching</translation>
    </message>
    <message>
        <source>Hachures verticales</source>
        <translation>Vertical hatching</translation>
    </message>
    <message>
        <source>Hachures diagonales \</source>
        <translation>Diagonal hatching \</translation>
    </message>
    <message>
        <source>Hachures diagonales /</source>
        <translation>Diagonal hatching /</translation>
    </message>
    <message>
        <source>Hachures croisées</source>
        <translation>Cross hatching</translation>
    </message>
    <message>
        <source>Hachures croisées en diagonale</source>
        <translation>Diagonal cross hatching</translation>
    </message>
    <message>
        <source>Traitement d&apos;images</source>
        <translation>Image editor</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Symétrie 2 faces</source>
        <translation>2-way symmetry</translation>
    </message>
    <message>
        <source>Symétrie 4 faces</source>
        <translation>4-way symmetry</translation>
    </message>
    <message>
        <source>Miroir</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Inverser</source>
        <translation>Flip</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Inverser RVB</source>
        <translation>Swap RGB</translation>
    </message>
    <message>
        <source>Noir et blanc</source>
        <translation>Grayscale</translation>
    </message>
    <message>
        <source>Négatif</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Ajouter voile</source>
        <translation>Add tint</translation>
    </message>
    <message>
        <source>Fusionner</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Ajuster RVB</source>
        <translation>Adjust RGB</translation>
    </message>
    <message>
        <source>Flou</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>Accentuer</source>
        <translation>Sharpen</translation>
    </message>
    <message>
        <source>Adoucir</source>
        <translation>Soften</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Estamper</source>
        <translation>Emboss</translation>
    </message>
    <message>
        <source>Défaire</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Recharger</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source> Dimensions </source>
        <translation> Size </translation>
    </message>
    <message>
        <source>Lignes des règles visibles </source>
        <translation>Show ruler lines </translation>
    </message>
    <message>
        <source>Rotation à gauche</source>
        <translation>Rotate 90° left</translation>
    </message>
    <message>
        <source>Rotation à droite</source>
        <translation>Rotate 90° right</translation>
    </message>
    <message>
        <source>Double à droite</source>
        <translation>Double to the right</translation>
    </message>
    <message>
        <source>Double en bas</source>
        <translation>Double downward</translation>
    </message>
    <message>
        <source>Zoom actuel</source>
        <translation>Current zoom</translation>
    </message>
    <message>
        <source>Dimensions de l&apos;image</source>
        <translation>Image size</translation>
    </message>
    <message>
        <source>Couleur sous le pointeur</source>
        <translation>Color under the pointer</translation>
    </message>
    <message>
        <source>Image en cours</source>
        <translation>Current image</translation>
    </message>
    <message>
        <source>Image à coller</source>
        <translation>Image to paste</translation>
    </message>
    <message>
        <source>Zoom +</source>
        <translation>Zoom +</translation>
    </message>
    <message>
        <source>Zoom -</source>
        <translation>Zoom -</translation>
    </message>
    <message>
        <source>Règle horizontale</source>
        <translation>Horizontal ruler</translation>
    </message>
    <message>
        <source>Règle verticale</source>
        <translation>Vertical ruler</translation>
    </message>
    <message>
        <source>Fermer et sauver </source>
        <translation>Close and save </translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nouvel élément</source>
        <translation>New element</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copier la sélection</source>
        <translation>Copy selection</translation>
    </message>
    <message>
        <source>Coller comme nouvelle image</source>
        <translation>Paste as new image</translation>
    </message>
    <message>
        <source>Coller dans l&apos;image</source>
        <translation>Paste into image</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Propriétés de l&apos;image</source>
        <translation>Image properties</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>SansNom</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Erreur de Chargement de l&apos;image</source>
        <translation>Error loading the image</translation>
    </message>
    <message>
        <source>Flou uniforme</source>
        <translation>Uniform blur</translation>
    </message>
    <message>
        <source>Flou vers la droite</source>
        <translation>Blur to the right</translation>
    </message>
    <message>
        <source>Flou vers le bas</source>
        <translation>Blur downward</translation>
    </message>
    <message>
        <source>Flou en bas à droite</source>
        <translation>Blur down and to the right</translation>
    </message>
    <message>
        <source>Flou en bas, deux à gauche</source>
        <translation>Blur down, two to the left</translation>
    </message>
    <message>
        <source>Flou vers la gauche</source>
        <translation>Blur to the left</translation>
    </message>
    <message>
        <source>Flou vers le haut</source>
        <translation>Blur upward</translation>
    </message>
    <message>
        <source>Flou en haut à gauche</source>
        <translation>Blur up and to the left</translation>
    </message>
    <message>
        <source>Flou en haut, deux à droite</source>
        <translation>Blur up, two to the right</translation>
    </message>
    <message>
        <source>Paramètre de couleur</source>
        <translation>Color channels</translation>
    </message>
    <message>
        <source> Inversion de couleurs primaires </source>
        <translation> Swap primary colors </translation>
    </message>
    <message>
        <source> Fusionner </source>
        <translation> Merge </translation>
    </message>
    <message>
        <source>Rouge &lt;-&gt; Bleu</source>
        <translation>Red &lt;-&gt; Blue</translation>
    </message>
    <message>
        <source>Vert &lt;-&gt; Bleu</source>
        <translation>Green &lt;-&gt; Blue</translation>
    </message>
    <message>
        <source>Rouge &lt;-&gt; Vert</source>
        <translation>Red &lt;-&gt; Green</translation>
    </message>
    <message>
        <source>Rouge = Bleu</source>
        <translation>Red = Blue</translation>
    </message>
    <message>
        <source>Vert = Bleu</source>
        <translation>Green = Blue</translation>
    </message>
    <message>
        <source>Rouge = Vert</source>
        <translation>Red = Green</translation>
    </message>
    <message>
        <source>Redimensionner</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>Dimensions actuelles</source>
        <translation>Current size</translation>
    </message>
    <message>
        <source>Avertissement de taille</source>
        <translation>Size warning</translation>
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
        <source>Conserver le ratio</source>
        <translation>Keep aspect ratio</translation>
    </message>
    <message>
        <source>Pourcentage</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>%1 : « %2 » n&apos;est pas accepté.
<byte value="xd"/>Tapez un nombre entier de %3 à %4, sans signe, sans virgule ni lettre.</source>
        <translation>%1: “%2” is not accepted.
<byte value="xd"/>Type a whole number from %3 to %4, with no sign, decimal point or letter.</translation>
    </message>
    <message>
        <source>Le total dépasse 8 Méga pixel
<byte value="xd"/>( %1 Méga pixels )</source>
        <translation>The total exceeds 8 megapixels
<byte value="xd"/>( %1 megapixels )</translation>
    </message>
    <message>
        <source>Le redimensionnement que vous demandez,
<byte value="xd"/>dépasse les 8 méga pixels.
<byte value="xd"/>Cette version de Tessella
<byte value="xd"/>gère difficilement ces grands formats
<byte value="xd"/>Voulez-vous continuer ?</source>
        <translation>The resize you are asking for
<byte value="xd"/>exceeds 8 megapixels.
<byte value="xd"/>This version of Tessella
<byte value="xd"/>struggles with such large sizes.
<byte value="xd"/>Do you want to continue?</translation>
    </message>
    <message>
        <source>Fermer la zone</source>
        <translation>Close zone</translation>
    </message>
    <message>
        <source>Presse-papiers</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>Le presse-papiers contient une image trop grande ou illisible :
<byte value="xd"/>rien n&apos;a été collé.</source>
        <translation>The clipboard holds an image that is too large or unreadable:
<byte value="xd"/>nothing was pasted.</translation>
    </message>
    <message>
        <source>Nouvel élément de texture</source>
        <translation>New texture element</translation>
    </message>
    <message>
        <source>Largeur choisie</source>
        <translation>Chosen width</translation>
    </message>
    <message>
        <source>Hauteur choisie</source>
        <translation>Chosen height</translation>
    </message>
    <message>
        <source>Dimensions prédéfinies</source>
        <translation>Preset sizes</translation>
    </message>
    <message>
        <source>Couleur du fond</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>Couleur choisie</source>
        <translation>Chosen color</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Décaler de moitié</source>
        <translation>Offset by half</translation>
    </message>
    <message>
        <source>Rendre raccordable</source>
        <translation>Make tileable</translation>
    </message>
    <message>
        <source>Aperçu en mosaïque</source>
        <translation>Tiled preview</translation>
    </message>
    <message>
        <source>Zoom de l&apos;aperçu</source>
        <translation>Preview zoom</translation>
    </message>
    <message>
        <source>Contour d&apos;une tuile</source>
        <translation>Tile outline</translation>
    </message>
    <message>
        <source>Raccord : %1</source>
        <translation>Seam: %1</translation>
    </message>
    <message>
        <source>Raccord</source>
        <translation>Seam</translation>
    </message>
    <message>
        <source>Élément répété 3 x 3</source>
        <translation>Element tiled 3 x 3</translation>
    </message>
    <message>
        <source>Aperçu des mipmaps</source>
        <translation>Mipmap preview</translation>
    </message>
    <message>
        <source>Niveau %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Taille du niveau %1</source>
        <translation>Size of level %1</translation>
    </message>
    <message>
        <source>Niveau %1 : %2 x %3</source>
        <translation>Level %1: %2 x %3</translation>
    </message>
    <message>
        <source>Largeur de la bande de fondu (pixels) :</source>
        <translation>Blend band width (pixels):</translation>
    </message>
    <message>
        <source>Largeur de la bande de fondu</source>
        <translation>Blend band width</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Moteurs de jeu</source>
        <translation>Game engines</translation>
    </message>
    <message>
        <source>Couleur transparente…</source>
        <translation>Transparent color…</translation>
    </message>
    <message>
        <source>Couleur transparente</source>
        <translation>Transparent color</translation>
    </message>
    <message>
        <source>Les texels de cette couleur, à la tolérance près, deviennent transparents.</source>
        <translation>Texels of this color, within the tolerance, become transparent.</translation>
    </message>
    <message>
        <source>Tolérance</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Supprimer la transparence…</source>
        <translation>Remove transparency…</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;a pas de transparence : il n&apos;y a rien à supprimer.</source>
        <translation>The image has no transparency: there is nothing to remove.</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Noir</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Marron</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Bleu marine</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>Pourpre</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Sarcelle</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Gris</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Argent</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Citron vert</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Jaune</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blanc</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Carte de normales…</source>
        <translation>Normal map…</translation>
    </message>
    <message>
        <source>Carte de normales</source>
        <translation>Normal map</translation>
    </message>
    <message>
        <source>Force du relief :</source>
        <translation>Bump strength:</translation>
    </message>
    <message>
        <source>Force du relief</source>
        <translation>Bump strength</translation>
    </message>
    <message>
        <source>Convention DirectX (vert vers le bas)</source>
        <translation>DirectX convention (green down)</translation>
    </message>
    <message>
        <source>Aperçu de la carte de normales</source>
        <translation>Normal map preview</translation>
    </message>
    <message>
        <source>Aperçu éclairé</source>
        <translation>Lit preview</translation>
    </message>
    <message>
        <source>Élément éclairé répété 3 x 3</source>
        <translation>Lit element tiled 3 x 3</translation>
    </message>
    <message>
        <source>La lumière suit le pointeur. Force du relief : %1</source>
        <translation>The light follows the pointer. Bump strength: %1</translation>
    </message>
    <message>
        <source>Force du relief de l&apos;aperçu éclairé</source>
        <translation>Bump strength of the lit preview</translation>
    </message>
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
        <translation>Export for game engine…</translation>
    </message>
    <message>
        <source>Compacter la texture</source>
        <translation>Compact texture page</translation>
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
        <translation>Print settings</translation>
    </message>
    <message>
        <source> Dimensions de l&apos;image </source>
        <translation> Image size </translation>
    </message>
    <message>
        <source> Position en Cm  </source>
        <translation> Position in cm  </translation>
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
        <translation>Printer setup</translation>
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
        <translation>Error loading the image: unrecognized extension (%1)</translation>
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
    <message>
        <source>  Fichier texture</source>
        <translation>  Texture file</translation>
    </message>
    <message>
        <source>Fichier texture</source>
        <translation>Texture file</translation>
    </message>
    <message>
        <source>Nom du fichier texture</source>
        <translation>Texture file name</translation>
    </message>
    <message>
        <source> Dimensions</source>
        <translation> Size</translation>
    </message>
    <message>
        <source>Dimensions de la texture</source>
        <translation>Texture page size</translation>
    </message>
    <message>
        <source> Nombre de textures</source>
        <translation> Number of elements</translation>
    </message>
    <message>
        <source>Nombre de textures</source>
        <translation>Number of elements</translation>
    </message>
    <message>
        <source>Nombre d&apos;éléments</source>
        <translation>Element count</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Catalogue des textures de base</source>
        <translation>Base texture catalog</translation>
    </message>
    <message>
        <source>Double Click sur une image image pour charger</source>
        <translation>Double-click a picture to load it</translation>
    </message>
    <message>
        <source>  [ %1 ]      %2 texture(s)</source>
        <translation>  [ %1 ]      %2 texture(s)</translation>
    </message>
    <message>
        <source>%1 à %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Zoom sur les petits formats</source>
        <translation>Zoom in on small pictures</translation>
    </message>
    <message>
        <source>Chemin, dossier</source>
        <translation>Path, folder</translation>
    </message>
    <message>
        <source>Le dossier &lt;%1&gt; n&apos;existe pas !
<byte value="xd"/>Faut-il le créer ?</source>
        <translation>The folder &lt;%1&gt; does not exist!
<byte value="xd"/>Create it?</translation>
    </message>
    <message>
        <source>Le dossier des textures de base est vide !
<byte value="xd"/>Choisissez un dossier contenant des images BMP
<byte value="xd"/>comme catalogue de textures de base .</source>
        <translation>The base texture folder is empty!
<byte value="xd"/>Choose a folder holding BMP pictures
<byte value="xd"/>as the base texture catalog.</translation>
    </message>
    <message>
        <source>Impossible de créer le dossier :
<byte value="xd"/>%1</source>
        <translation>Could not create the folder:
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Ces images n&apos;ont pas pu être lues :
<byte value="xd"/>%1</source>
        <translation>These pictures could not be read:
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Impossible de lire l&apos;image :
<byte value="xd"/>%1</source>
        <translation>Could not read the picture:
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Première page</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>Page précédente</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Page suivante</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Dernière page</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Images affichées</source>
        <translation>Pictures shown</translation>
    </message>
    <message>
        <source>Dossier du catalogue</source>
        <translation>Catalog folder</translation>
    </message>
    <message>
        <source>Miniature %1</source>
        <translation>Thumbnail %1</translation>
    </message>
</context>
<context>
    <name>tessella::app::AboutBox</name>
    <message>
        <source>À PROPOS</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>TESSELLA
Éditeur de textures pour l&apos;éditeur de niveaux d&apos;un jeu en 3-D</source>
        <translation>TESSELLA
Texture editor for the level editor of a 3-D game</translation>
    </message>
    <message>
        <source>Ver.   4.0      Janvier 2003</source>
        <translation>Ver.   4.0      January 2003</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tessella::app::HelpWindow</name>
    <message>
        <source>TESSELLA   Aide</source>
        <translation>TESSELLA   Help</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>tessella::app::MainWindow</name>
    <message>
        <source>	          La texture a été modifiée !
<byte value="xd"/>
VOULEZ-VOUS VRAIMENT QUITTER SANS SAUVER ?</source>
        <translation>	          The texture page has been modified!
<byte value="xd"/>
DO YOU REALLY WANT TO QUIT WITHOUT SAVING?</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Nouvelle texture TGA</source>
        <translation>New TGA texture page</translation>
    </message>
    <message>
        <source>Ouvrir une texture (TGA ou autre)</source>
        <translation>Open a texture page (TGA or other)</translation>
    </message>
    <message>
        <source>Sauver la texture TGA</source>
        <translation>Save the TGA texture page</translation>
    </message>
    <message>
        <source>Sauver la texture TGA Sous</source>
        <translation>Save the TGA texture page As</translation>
    </message>
    <message>
        <source>Extraire les images d&apos;une texture</source>
        <translation>Extract the pictures of a texture page</translation>
    </message>
    <message>
        <source>Ouvrir la fenêtre des sources</source>
        <translation>Open the sources window</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Texture TGA en cours</source>
        <translation>Current TGA texture page</translation>
    </message>
    <message>
        <source>Planche contact des sources BMP</source>
        <translation>Contact sheet of the BMP sources</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Modifier le source BMP</source>
        <translation>Edit the BMP source</translation>
    </message>
    <message>
        <source>Nouvel élément de texture</source>
        <translation>New texture element</translation>
    </message>
    <message>
        <source>A&amp;ide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>À &amp;propos</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Langue</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>La langue de Tessella, à partir de son prochain démarrage</source>
        <translation>Tessella&apos;s language, from its next start</translation>
    </message>
    <message>
        <source>Langue du système</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>Tessella parlera la langue choisie à son prochain démarrage.</source>
        <translation>Tessella will speak the chosen language at its next start.</translation>
    </message>
    <message>
        <source>Vous devez sélectionner les images à imprimer
<byte value="xd"/>dans la liste des fichiers sources !</source>
        <translation>You must select the pictures to print
<byte value="xd"/>in the list of source files!</translation>
    </message>
    <message>
        <source>Dimensions d&apos;importation</source>
        <translation>Import size</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom 1</source>
        <translation>Zoom 1</translation>
    </message>
    <message>
        <source>Zoom +</source>
        <translation>Zoom +</translation>
    </message>
    <message>
        <source>Zoom -</source>
        <translation>Zoom -</translation>
    </message>
    <message>
        <source>Remplacer</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>X : pas de 1</source>
        <translation>X: step 1</translation>
    </message>
    <message>
        <source>X : pas de 16</source>
        <translation>X: step 16</translation>
    </message>
    <message>
        <source>Y : pas de 1</source>
        <translation>Y: step 1</translation>
    </message>
    <message>
        <source>Y : pas de 16</source>
        <translation>Y: step 16</translation>
    </message>
    <message>
        <source>Position X +</source>
        <translation>X position +</translation>
    </message>
    <message>
        <source>Position X -</source>
        <translation>X position -</translation>
    </message>
    <message>
        <source>Position X +16</source>
        <translation>X position +16</translation>
    </message>
    <message>
        <source>Position X -16</source>
        <translation>X position -16</translation>
    </message>
    <message>
        <source>Position Y -</source>
        <translation>Y position -</translation>
    </message>
    <message>
        <source>Position Y +</source>
        <translation>Y position +</translation>
    </message>
    <message>
        <source>Position Y -16</source>
        <translation>Y position -16</translation>
    </message>
    <message>
        <source>Position Y +16</source>
        <translation>Y position +16</translation>
    </message>
    <message>
        <source>Position du masque</source>
        <translation>Mask position</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Abandon</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source> Texture TGA </source>
        <translation> TGA texture page </translation>
    </message>
    <message>
        <source>Texture TGA</source>
        <translation>TGA texture page</translation>
    </message>
    <message>
        <source>Vue de la texture</source>
        <translation>Texture page view</translation>
    </message>
    <message>
        <source>Progression</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source> Source </source>
        <translation> Source </translation>
    </message>
    <message>
        <source>Double click pour édition</source>
        <translation>Double-click to edit</translation>
    </message>
    <message>
        <source>Aperçu de la source</source>
        <translation>Source preview</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Sélections</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Dimensions de la source</source>
        <translation>Source size</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Lecteur</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Dossier parent</source>
        <translation>Parent folder</translation>
    </message>
    <message>
        <source>Dossiers</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Fichiers sources</source>
        <translation>Source files</translation>
    </message>
    <message>
        <source>Tout sélectionner</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Numéro du fichier</source>
        <translation>File number</translation>
    </message>
    <message>
        <source>Nombre de fichiers</source>
        <translation>Number of files</translation>
    </message>
    <message>
        <source>Fichiers</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Tout désélectionner</source>
        <translation>Deselect all</translation>
    </message>
</context>
<context>
    <name>tessella::app::SplashScreen</name>
    <message>
        <source>Image d&apos;accueil introuvable</source>
        <translation>Splash picture not found</translation>
    </message>
</context>
<context>
    <name>tessella::print::ContactSheetWindow</name>
    <message>
        <source>Planche</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Page de la planche contact</source>
        <translation>Contact sheet page</translation>
    </message>
</context>
<context>
    <name>tessella::print::PrintDialog</name>
    <message>
        <source>Largeur + 1 mm</source>
        <translation>Width + 1 mm</translation>
    </message>
    <message>
        <source>Largeur - 1 mm</source>
        <translation>Width - 1 mm</translation>
    </message>
    <message>
        <source>Largeur + 1 cm</source>
        <translation>Width + 1 cm</translation>
    </message>
    <message>
        <source>Largeur - 1 cm</source>
        <translation>Width - 1 cm</translation>
    </message>
    <message>
        <source>Largeur au millimètre</source>
        <translation>Width by the millimeter</translation>
    </message>
    <message>
        <source>Largeur au centimètre</source>
        <translation>Width by the centimeter</translation>
    </message>
    <message>
        <source>Largeur en cm</source>
        <translation>Width in cm</translation>
    </message>
    <message>
        <source>Hauteur en cm</source>
        <translation>Height in cm</translation>
    </message>
    <message>
        <source>Feuille</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Miniature de la texture</source>
        <translation>Texture page thumbnail</translation>
    </message>
    <message>
        <source>Position X +</source>
        <translation>X position +</translation>
    </message>
    <message>
        <source>Position X -</source>
        <translation>X position -</translation>
    </message>
    <message>
        <source>Position X en cm</source>
        <translation>X position in cm</translation>
    </message>
    <message>
        <source>Position Y +</source>
        <translation>Y position +</translation>
    </message>
    <message>
        <source>Position Y -</source>
        <translation>Y position -</translation>
    </message>
    <message>
        <source>Position Y en cm</source>
        <translation>Y position in cm</translation>
    </message>
</context>
<context>
    <name>tessella::texture::EngineExportDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tessella::texture::PageWidthDialog</name>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
