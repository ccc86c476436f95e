<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
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
</TS>
