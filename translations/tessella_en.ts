<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
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
        <translation>Error Loading the image</translation>
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
</context>
</TS>
