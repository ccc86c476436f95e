<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
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
