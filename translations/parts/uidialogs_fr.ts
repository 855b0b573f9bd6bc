<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AdvancedOptionsPanel</name>
    <message>
        <source>Advance Search Options</source>
        <translation>Options de recherche avancées</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Turns the date criteria on</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>in the last</source>
        <extracomment>Followed by a number and a unit: files created, modified or accessed in the last 7 days</extracomment>
        <translation>au cours des derniers</translation>
    </message>
    <message>
        <source>between</source>
        <extracomment>Followed by two dates joined by &quot;and&quot;
----------
Followed by two sizes joined by &quot;to&quot;</extracomment>
        <translation>entre</translation>
    </message>
    <message>
        <source>and</source>
        <extracomment>Joins the two dates after &quot;between&quot;</extracomment>
        <translation>et</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Turns the size criteria on</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>Followed by a list of &quot;Least&quot; and &quot;Most&quot;, a number and &quot;KB&quot;: at least 100 KB</extracomment>
        <translation>fait</translation>
    </message>
    <message>
        <source>KB</source>
        <extracomment>Kilobytes</extracomment>
        <translation>Ko</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Joins the two sizes after &quot;between&quot;: between 10 to 20 KB</extracomment>
        <translation>et</translation>
    </message>
</context>
<context>
    <name>DesktopLinks</name>
    <message>
        <source>No application is set up to open %1.</source>
        <translation>Aucune application n’est configurée pour ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>FolderTotalsWindow</name>
    <message>
        <source>Folder Totals</source>
        <translation>Totaux par dossier</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Export Folder Totals</source>
        <translation>Exporter les totaux par dossier</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>Fichier CSV</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
    <message>
        <source>Could not export to %1: %2</source>
        <translation>Impossible d’exporter vers %1 : %2</translation>
    </message>
</context>
<context>
    <name>PageReportWindow</name>
    <message>
        <source>Selected rows only</source>
        <translation>Lignes sélectionnées uniquement</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Précédente</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivante &gt;</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>Organisation :</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Référence :</translation>
    </message>
    <message>
        <source>Save Page Report</source>
        <translation>Enregistrer le rapport de pages</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Could not save the organisation and reference lines to %1</source>
        <translation>Impossible d’enregistrer les lignes d’organisation et de référence dans %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Enregistrement de %1...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Not saved: cancelled</source>
        <translation>Non enregistré : annulé</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>le PDF n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Impression...</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Envoyé à l’imprimante</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>Non imprimé</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Copying or distributing it, in whole or in part, without the maker&apos;s permission is not allowed and may be prosecuted.</source>
        <translation>Avertissement : ce programme est protégé par le droit d’auteur. Toute copie ou diffusion, totale ou partielle, sans l’autorisation de l’éditeur est interdite et peut donner lieu à des poursuites.</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Infos système...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>dlgPreferences</name>
    <message>
        <source>Flat</source>
        <extracomment>A style of grid lines: plain lines</extracomment>
        <translation>Plat</translation>
    </message>
    <message>
        <source>Inset</source>
        <extracomment>A style of grid lines: cells look pressed in</extracomment>
        <translation>En creux</translation>
    </message>
    <message>
        <source>Raised</source>
        <extracomment>A style of grid lines: cells look raised</extracomment>
        <translation>En relief</translation>
    </message>
    <message>
        <source>Flat Horizontal</source>
        <translation>Plat horizontal</translation>
    </message>
    <message>
        <source>Inset Horizontal</source>
        <translation>En creux horizontal</translation>
    </message>
    <message>
        <source>Raised Horizontal</source>
        <translation>En relief horizontal</translation>
    </message>
    <message>
        <source>Flat Vertical</source>
        <translation>Plat vertical</translation>
    </message>
    <message>
        <source>Inset Vertical</source>
        <translation>En creux vertical</translation>
    </message>
    <message>
        <source>Raised Vertical</source>
        <translation>En relief vertical</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Explorateur</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Sr#</source>
        <extracomment>Header of the column numbering the rows</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Column Name</source>
        <translation>Nom de colonne</translation>
    </message>
    <message>
        <source>Visible</source>
        <extracomment>Header of the column of check boxes that show or hide a results column</extracomment>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Select Startup Folder</source>
        <translation>Sélectionner le dossier de démarrage</translation>
    </message>
    <message>
        <source>Bitmap Image</source>
        <translation>Image bitmap</translation>
    </message>
    <message>
        <source>JPEG Image</source>
        <translation>Image JPEG</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>Image GIF</translation>
    </message>
    <message>
        <source>BackGround Picture</source>
        <translation>Image d’arrière-plan</translation>
    </message>
    <message>
        <source>Line Style</source>
        <translation>Style de ligne</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Couleur de ligne</translation>
    </message>
    <message>
        <source>Fore Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Fore Color Selection</source>
        <translation>Couleur du texte (sélection)</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Back Color Selection</source>
        <translation>Couleur de fond (sélection)</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>Dossier de démarrage</translation>
    </message>
    <message>
        <source>Export Location</source>
        <translation>Dossier d’exportation</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Grid Settings</source>
        <translation>Paramètres de la grille</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Afficher la grille</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Paramètres généraux</translation>
    </message>
    <message>
        <source>Column Settings</source>
        <translation>Paramètres des colonnes</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverser la sélection</translation>
    </message>
</context>
<context>
    <name>dlgSave</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>Column Saperator</source>
        <translation>Séparateur de colonnes</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
</TS>
