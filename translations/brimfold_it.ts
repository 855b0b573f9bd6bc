<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Includi sottocartelle</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Mostra file nascosti</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Hide Advance Options</source>
        <translation>Nascondi opzioni avanzate</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Show Advance Option</source>
        <translation>Mostra opzioni avanzate</translation>
    </message>
    <message>
        <source>Hide Advance Option</source>
        <translation>Nascondi opzioni avanzate</translation>
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
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Total Pages : %1</source>
        <translation>Pagine totali: %1</translation>
    </message>
    <message>
        <source>No files found to export.</source>
        <translation>Nessun file da esportare trovato.</translation>
    </message>
    <message>
        <source>Meta Data exported successfully to %1</source>
        <translation>Metadati esportati correttamente in %1</translation>
    </message>
    <message>
        <source>Unable to export data.</source>
        <translation>Impossibile esportare i dati.</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>Eliminare davvero i file selezionati?</translation>
    </message>
    <message>
        <source>Unable to delete file %1</source>
        <translation>Impossibile eliminare il file %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Proprietà...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Show Containing Folder</source>
        <translation>Mostra la cartella che lo contiene</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverti selezione</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Folder Totals...</source>
        <translation>Totali per cartella...</translation>
    </message>
    <message>
        <source>Page Report...</source>
        <translation>Report delle pagine...</translation>
    </message>
    <message>
        <source>Recount Pages</source>
        <translation>Riconta le pagine</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferenze...</translation>
    </message>
    <message>
        <source>Brimfold Website</source>
        <translation>Sito web di Brimfold</translation>
    </message>
    <message>
        <source>Brimfold Help</source>
        <extracomment>The Help menu&apos;s entry for the help pages, which are in English only: please say so, e.g. &quot;Brimfold-Hilfe (auf Englisch)&quot;.</extracomment>
        <translation>Guida di Brimfold (in inglese)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>%1 of %2 page counts came from the page-count cache</source>
        <translation>%1 conteggi di pagine su %2 provengono dalla cache dei conteggi di pagine</translation>
    </message>
    <message>
        <source>Page counts not remembered: %1</source>
        <translation>Conteggi di pagine non memorizzati: %1</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Website: %1</source>
        <translation>Sito web: %1</translation>
    </message>
    <message>
        <source>Support at: %1</source>
        <translation>Assistenza: %1</translation>
    </message>
</context>
<context>
    <name>modGlobal</name>
    <message>
        <source>Error occured while reading setting parameters.</source>
        <translation>Si è verificato un errore durante la lettura delle impostazioni.</translation>
    </message>
</context>
</TS>
