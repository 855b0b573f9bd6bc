<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>GridModel</name>
    <message>
        <source>The column and row separators must be two different characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device to write to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device to read from.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchBar</name>
    <message>
        <source>Include Subfolder</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Afficher les fichiers cachés</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Hide Advance Options</source>
        <translation>Masquer les options avancées</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Show Advance Option</source>
        <translation>Afficher les options avancées</translation>
    </message>
    <message>
        <source>Hide Advance Option</source>
        <translation>Masquer les options avancées</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <extracomment>A date pattern (dddd weekday, MMMM month name, dd day, yyyy year).</extracomment>
        <translation>dddd d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Total Pages : %1</source>
        <translation>Total des pages&#xa0;: %1</translation>
    </message>
    <message>
        <source>No files found to export.</source>
        <translation>Aucun fichier à exporter n’a été trouvé.</translation>
    </message>
    <message>
        <source>Meta Data exported successfully to %1</source>
        <translation>Métadonnées exportées avec succès vers %1</translation>
    </message>
    <message>
        <source>Unable to export data.</source>
        <translation>Impossible d’exporter les données.</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>Voulez-vous vraiment supprimer les fichiers sélectionnés&#xa0;?</translation>
    </message>
    <message>
        <source>Unable to delete file %1</source>
        <translation>Impossible de supprimer le fichier %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propriétés...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Show Containing Folder</source>
        <translation>Afficher le dossier contenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverser la sélection</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Folder Totals...</source>
        <translation>Totaux par dossier...</translation>
    </message>
    <message>
        <source>Page Report...</source>
        <translation>Rapport des pages...</translation>
    </message>
    <message>
        <source>Recount Pages</source>
        <translation>Recompter les pages</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message>
        <source>Brimfold Website</source>
        <translation>Site web de Brimfold</translation>
    </message>
    <message>
        <source>Brimfold Help</source>
        <extracomment>The Help menu&apos;s entry for the help pages, which are in English only: please say so, e.g. &quot;Brimfold-Hilfe (auf Englisch)&quot;.</extracomment>
        <translation>Aide de Brimfold (en anglais)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>%1 of %2 page counts came from the page-count cache</source>
        <translation>%1 nombres de pages sur %2 proviennent du cache des nombres de pages</translation>
    </message>
    <message>
        <source>Page counts not remembered: %1</source>
        <translation>Nombres de pages non mémorisés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Website: %1</source>
        <translation>Site web&#xa0;: %1</translation>
    </message>
    <message>
        <source>Support at: %1</source>
        <translation>Assistance&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>modGlobal</name>
    <message>
        <source>Error occured while reading setting parameters.</source>
        <translation>Une erreur s’est produite lors de la lecture des paramètres.</translation>
    </message>
</context>
</TS>
