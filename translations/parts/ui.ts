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
        <source>Dimensions</source>
        <translation>Size</translation>
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
        <source>Catalogue</source>
        <translation>Catalog</translation>
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
