<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AdvancedOptionsPanel</name>
    <message>
        <source>Advance Search Options</source>
        <translation>Opzioni di ricerca avanzate</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Turns the date criteria on</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>in the last</source>
        <extracomment>Followed by a number and a unit: files created, modified or accessed in the last 7 days</extracomment>
        <translation>negli ultimi</translation>
    </message>
    <message>
        <source>between</source>
        <extracomment>Followed by two dates joined by &quot;and&quot;
----------
Followed by two sizes joined by &quot;to&quot;</extracomment>
        <translation>tra</translation>
    </message>
    <message>
        <source>and</source>
        <extracomment>Joins the two dates after &quot;between&quot;</extracomment>
        <translation>e</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Turns the size criteria on</extracomment>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>Followed by a list of &quot;Least&quot; and &quot;Most&quot;, a number and &quot;KB&quot;: at least 100 KB</extracomment>
        <translation>è</translation>
    </message>
    <message>
        <source>KB</source>
        <extracomment>Kilobytes</extracomment>
        <translation>KB</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Joins the two sizes after &quot;between&quot;: between 10 to 20 KB</extracomment>
        <translation>e</translation>
    </message>
</context>
<context>
    <name>DesktopLinks</name>
    <message>
        <source>No application is set up to open %1.</source>
        <translation>Nessuna applicazione è configurata per aprire %1.</translation>
    </message>
</context>
<context>
    <name>FolderTotalsWindow</name>
    <message>
        <source>Folder Totals</source>
        <translation>Totali per cartella</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Export Folder Totals</source>
        <translation>Esporta totali per cartella</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>File CSV</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Esportato in %1</translation>
    </message>
    <message>
        <source>Could not export to %1: %2</source>
        <translation>Impossibile esportare in %1: %2</translation>
    </message>
</context>
<context>
    <name>PageReportWindow</name>
    <message>
        <source>Selected rows only</source>
        <translation>Solo le righe selezionate</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Precedente</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Successiva &gt;</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>Salva PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>Organizzazione:</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Riferimento:</translation>
    </message>
    <message>
        <source>Save Page Report</source>
        <translation>Salva rapporto pagine</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>File PDF</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Could not save the organisation and reference lines to %1</source>
        <translation>Impossibile salvare le righe di organizzazione e riferimento in %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Salvataggio di %1...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>Not saved: cancelled</source>
        <translation>Non salvato: annullato</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>non è stato possibile scrivere il PDF</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Stampa in corso...</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Inviato alla stampante</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>Non stampato</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Copying or distributing it, in whole or in part, without the maker&apos;s permission is not allowed and may be prosecuted.</source>
        <translation>Attenzione: questo programma è protetto dalla legge sul diritto d’autore. La copia o la distribuzione, totale o parziale, senza il permesso del produttore non è consentita e può essere perseguita.</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Info di sistema...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili al momento</translation>
    </message>
</context>
<context>
    <name>dlgPreferences</name>
    <message>
        <source>Flat</source>
        <extracomment>A style of grid lines: plain lines</extracomment>
        <translation>Piatto</translation>
    </message>
    <message>
        <source>Inset</source>
        <extracomment>A style of grid lines: cells look pressed in</extracomment>
        <translation>Incassato</translation>
    </message>
    <message>
        <source>Raised</source>
        <extracomment>A style of grid lines: cells look raised</extracomment>
        <translation>In rilievo</translation>
    </message>
    <message>
        <source>Flat Horizontal</source>
        <translation>Piatto orizzontale</translation>
    </message>
    <message>
        <source>Inset Horizontal</source>
        <translation>Incassato orizzontale</translation>
    </message>
    <message>
        <source>Raised Horizontal</source>
        <translation>In rilievo orizzontale</translation>
    </message>
    <message>
        <source>Flat Vertical</source>
        <translation>Piatto verticale</translation>
    </message>
    <message>
        <source>Inset Vertical</source>
        <translation>Incassato verticale</translation>
    </message>
    <message>
        <source>Raised Vertical</source>
        <translation>In rilievo verticale</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Esplora risorse</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Sr#</source>
        <extracomment>Header of the column numbering the rows</extracomment>
        <translation>N.</translation>
    </message>
    <message>
        <source>Column Name</source>
        <translation>Nome colonna</translation>
    </message>
    <message>
        <source>Visible</source>
        <extracomment>Header of the column of check boxes that show or hide a results column</extracomment>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Select Startup Folder</source>
        <translation>Seleziona cartella iniziale</translation>
    </message>
    <message>
        <source>Bitmap Image</source>
        <translation>Immagine bitmap</translation>
    </message>
    <message>
        <source>JPEG Image</source>
        <translation>Immagine JPEG</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>Immagine GIF</translation>
    </message>
    <message>
        <source>BackGround Picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Line Style</source>
        <translation>Stile linea</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Colore linea</translation>
    </message>
    <message>
        <source>Fore Color</source>
        <translation>Colore testo</translation>
    </message>
    <message>
        <source>Fore Color Selection</source>
        <translation>Colore testo (selezione)</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Colore sfondo</translation>
    </message>
    <message>
        <source>Back Color Selection</source>
        <translation>Colore sfondo (selezione)</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>Cartella iniziale</translation>
    </message>
    <message>
        <source>Export Location</source>
        <translation>Cartella di esportazione</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Grid Settings</source>
        <translation>Impostazioni griglia</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Mostra griglia</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Impostazioni generali</translation>
    </message>
    <message>
        <source>Column Settings</source>
        <translation>Impostazioni colonne</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Inverti selezione</translation>
    </message>
</context>
<context>
    <name>dlgSave</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo file</translation>
    </message>
    <message>
        <source>Column Saperator</source>
        <translation>Separatore di colonna</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
</TS>
