<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Versteckte Dateien anzeigen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Hide Advance Options</source>
        <translation>Erweiterte Optionen ausblenden</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Show Advance Option</source>
        <translation>Erweiterte Optionen einblenden</translation>
    </message>
    <message>
        <source>Hide Advance Option</source>
        <translation>Erweiterte Optionen ausblenden</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <extracomment>A date pattern (dddd weekday, MMMM month name, dd day, yyyy year).</extracomment>
        <translation>dddd, d. MMMM yyyy</translation>
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
        <translation>Seiten insgesamt: %1</translation>
    </message>
    <message>
        <source>No files found to export.</source>
        <translation>Keine Dateien zum Exportieren gefunden.</translation>
    </message>
    <message>
        <source>Meta Data exported successfully to %1</source>
        <translation>Metadaten erfolgreich nach %1 exportiert</translation>
    </message>
    <message>
        <source>Unable to export data.</source>
        <translation>Die Daten konnten nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>Möchten Sie die ausgewählten Dateien wirklich löschen?</translation>
    </message>
    <message>
        <source>Unable to delete file %1</source>
        <translation>Die Datei konnte nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Eigenschaften...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Show Containing Folder</source>
        <translation>Enthaltenden Ordner anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Folder Totals...</source>
        <translation>Ordnersummen...</translation>
    </message>
    <message>
        <source>Page Report...</source>
        <translation>Seitenbericht...</translation>
    </message>
    <message>
        <source>Recount Pages</source>
        <translation>Seiten neu zählen</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Brimfold Website</source>
        <translation>Brimfold-Website</translation>
    </message>
    <message>
        <source>Brimfold Help</source>
        <extracomment>The Help menu&apos;s entry for the help pages, which are in English only: please say so, e.g. &quot;Brimfold-Hilfe (auf Englisch)&quot;.</extracomment>
        <translation>Brimfold-Hilfe (auf Englisch)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>%1 of %2 page counts came from the page-count cache</source>
        <translation>%1 von %2 Seitenzahlen stammen aus dem Seitenzahl-Zwischenspeicher</translation>
    </message>
    <message>
        <source>Page counts not remembered: %1</source>
        <translation>Seitenzahlen nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Website: %1</source>
        <translation>Website: %1</translation>
    </message>
    <message>
        <source>Support at: %1</source>
        <translation>Support: %1</translation>
    </message>
</context>
<context>
    <name>modGlobal</name>
    <message>
        <source>Error occured while reading setting parameters.</source>
        <translation>Beim Lesen der Einstellungen ist ein Fehler aufgetreten.</translation>
    </message>
</context>
</TS>
