<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
    <name>CellFormats</name>
    <message>
        <source>%1 page</source>
        <translation>%1 pagina</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pagine</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>pages: what they are worth</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>pages (what the count left out)</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>CountOptions</name>
    <message>
        <source>--date needs --within or --between</source>
        <translation>--date richiede --within o --between</translation>
    </message>
    <message>
        <source>--within and --between cannot be used together</source>
        <translation>--within e --between non possono essere usate insieme</translation>
    </message>
    <message>
        <source>--date takes created, modified or accessed, not &apos;%1&apos;</source>
        <translation>--date accetta created, modified o accessed, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--within takes a number of days or months from 0 to %1</source>
        <translation>--within accetta un numero di giorni o mesi da 0 a %1</translation>
    </message>
    <message>
        <source>--between takes two dates YYYY-MM-DD, the first not after the second</source>
        <translation>--between accetta due date YYYY-MM-DD, la prima non successiva alla seconda</translation>
    </message>
    <message>
        <source>use only one of --size-at-least, --size-at-most and --size-between</source>
        <translation>usare solo una tra --size-at-least, --size-at-most e --size-between</translation>
    </message>
    <message>
        <source>--size-between takes two sizes in KB, the first not above the second</source>
        <translation>--size-between accetta due dimensioni in KB, la prima non maggiore della seconda</translation>
    </message>
    <message>
        <source>--%1 takes a size in KB from 0 to %2</source>
        <translation>--%1 accetta una dimensione in KB da 0 a %2</translation>
    </message>
    <message>
        <source>--format takes table, csv, tsv or jsonl, not &apos;%1&apos;</source>
        <translation>--format accetta table, csv, tsv o jsonl, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--total and --folders cannot be used together</source>
        <translation>--total e --folders non possono essere usate insieme</translation>
    </message>
    <message>
        <source>--format jsonl lists every file; it takes no --total or --folders</source>
        <translation>--format jsonl elenca ogni file; non ammette --total né --folders</translation>
    </message>
    <message>
        <source>--jobs takes a number from 0 to %1</source>
        <translation>--jobs accetta un numero da 0 a %1</translation>
    </message>
    <message>
        <source>--no-cache and --recount cannot be used together</source>
        <translation>--no-cache e --recount non possono essere usate insieme</translation>
    </message>
    <message>
        <source>Search the subfolders too.</source>
        <translation>Cerca anche nelle sottocartelle.</translation>
    </message>
    <message>
        <source>Include hidden files.</source>
        <translation>Include i file nascosti.</translation>
    </message>
    <message>
        <source>File name patterns, separated by &apos;,&apos; or &apos;;&apos; (default %1; %2 for every file).</source>
        <translation>Modelli di nome file, separati da &apos;,&apos; o &apos;;&apos; (predefinito: %1; %2 per tutti i file).</translation>
    </message>
    <message>
        <source>Which date --within and --between test: created, modified (default) or accessed.</source>
        <extracomment>created, modified and accessed are the words the option takes: they stay in English.</extracomment>
        <translation>Quale data verificano --within e --between: created (creazione), modified (modifica, predefinita) o accessed (ultimo accesso).</translation>
    </message>
    <message>
        <source>Files whose date lies within the last N days or months (whole local days).</source>
        <extracomment>N names the option&apos;s value.</extracomment>
        <translation>File la cui data rientra negli ultimi N giorni o mesi (giorni interi, ora locale).</translation>
    </message>
    <message>
        <source>Files whose date lies between two days, both included.</source>
        <translation>File la cui data è compresa tra due giorni, entrambi inclusi.</translation>
    </message>
    <message>
        <source>Files of at least KB kilobytes (sizes rounded up to whole KB).</source>
        <extracomment>KB names the option&apos;s value.</extracomment>
        <translation>File di almeno KB kilobyte (dimensioni arrotondate per eccesso al KB intero).</translation>
    </message>
    <message>
        <source>Files of at most KB kilobytes.</source>
        <translation>File di al massimo KB kilobyte.</translation>
    </message>
    <message>
        <source>Files of FROM to TO kilobytes.</source>
        <extracomment>FROM and TO name the option&apos;s two values.</extracomment>
        <translation>File da FROM a TO kilobyte.</translation>
    </message>
    <message>
        <source>Output: table, csv or tsv (default table on a terminal, else tsv), or jsonl: a result file for brimfold-report.</source>
        <extracomment>table, csv, tsv and jsonl are the format names the option takes: they stay in English.</extracomment>
        <translation>Output: table, csv o tsv (predefinito: table in un terminale, altrimenti tsv), oppure jsonl: un file dei risultati per brimfold-report.</translation>
    </message>
    <message>
        <source>The host a result file names (default this machine&apos;s name).</source>
        <translation>L’host indicato in un file dei risultati (predefinito: il nome di questo computer).</translation>
    </message>
    <message>
        <source>Write only the totals: files, pages, unreadable files.</source>
        <translation>Scrive solo i totali: file, pagine, file illeggibili.</translation>
    </message>
    <message>
        <source>Write one line per folder with files, then the totals.</source>
        <translation>Scrive una riga per ogni cartella con file, poi i totali.</translation>
    </message>
    <message>
        <source>Requests in flight at once (default %1; 0 asks one at a time).</source>
        <translation>Richieste in corso contemporaneamente (predefinito: %1; 0 le esegue una alla volta).</translation>
    </message>
    <message>
        <source>No progress line.</source>
        <translation>Nessuna riga di avanzamento.</translation>
    </message>
    <message>
        <source>Show the progress line (default when standard error is a terminal).</source>
        <translation>Mostra la riga di avanzamento (predefinito quando lo standard error è un terminale).</translation>
    </message>
    <message>
        <source>Say on standard error how many counts came from the page-count cache.</source>
        <translation>Indica sullo standard error quanti conteggi provengono dalla cache del conteggio pagine.</translation>
    </message>
    <message>
        <source>Neither read nor write the page-count cache: count every file.</source>
        <translation>Non legge né scrive la cache del conteggio pagine: conta ogni file.</translation>
    </message>
    <message>
        <source>Count every file and replace what the page-count cache holds for it.</source>
        <translation>Conta ogni file e sostituisce quanto la cache del conteggio pagine contiene per esso.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostra questa guida.</translation>
    </message>
    <message>
        <source>Folders to search.</source>
        <translation>Cartelle in cui cercare.</translation>
    </message>
    <message>
        <source>Finds TIFF files in each FOLDER, counts their pages and writes one line per file.</source>
        <extracomment>FOLDER names the program&apos;s arguments.</extracomment>
        <translation>Cerca i file TIFF in ogni FOLDER, ne conta le pagine e scrive una riga per file.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilizzo: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argomenti:</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>nessun FOLDER indicato</translation>
    </message>
</context>
<context>
    <name>CountReport</name>
    <message>
        <source>%1 file(s) found, %2 unreadable, Total Pages : %3</source>
        <translation>%1 file trovati, %2 illeggibili, Totale pagine: %3</translation>
    </message>
</context>
<context>
    <name>CountRun</name>
    <message>
        <source>counting without the page-count cache: %1</source>
        <translation>conteggio senza la cache del conteggio pagine: %1</translation>
    </message>
    <message>
        <source>cannot search &apos;%1&apos;: it cannot be opened or read</source>
        <translation>impossibile cercare in &apos;%1&apos;: non può essere aperta né letta</translation>
    </message>
    <message>
        <source>%1 of %2 counts came from the page-count cache</source>
        <translation>%1 conteggi su %2 provenivano dalla cache del conteggio pagine</translation>
    </message>
    <message>
        <source>interrupted; partial totals: %1 files, %2 pages, %3 unreadable</source>
        <translation>interrotto; totali parziali: %1 file, %2 pagine, %3 illeggibili</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossibile scrivere l’output: %1</translation>
    </message>
</context>
<context>
    <name>Criteria</name>
    <message>
        <source>Any date</source>
        <translation>Qualsiasi data</translation>
    </message>
    <message>
        <source>A date rule that cannot be read: no file passes</source>
        <translation>Una regola di data non leggibile: nessun file la soddisfa</translation>
    </message>
    <message>
        <source>%1 between %2 and %3</source>
        <translation>%1 dal %2 al %3</translation>
    </message>
    <message>
        <source>%1 in the last %2 %3 (between %4 and %5)</source>
        <translation>%1 negli ultimi %2 %3 (dal %4 al %5)</translation>
    </message>
    <message>
        <source>Any size</source>
        <translation>Qualsiasi dimensione</translation>
    </message>
    <message>
        <source>A size rule that cannot be read: no file passes</source>
        <translation>Una regola di dimensione non leggibile: nessun file la soddisfa</translation>
    </message>
    <message>
        <source>Size between %1 and %2 KB</source>
        <translation>Dimensione tra %1 e %2 KB</translation>
    </message>
    <message>
        <source>Size at least %1 KB</source>
        <translation>Dimensione di almeno %1 KB</translation>
    </message>
    <message>
        <source>Size at most %1 KB</source>
        <translation>Dimensione di al massimo %1 KB</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nomi dei file</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Sottocartelle</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>File nascosti</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
</context>
<context>
    <name>CriteriaDefaults</name>
    <message>
        <source>Files Created</source>
        <translation>File creati</translation>
    </message>
    <message>
        <source>Files Modified</source>
        <translation>File modificati</translation>
    </message>
    <message>
        <source>Files Last Accessed</source>
        <translation>File con ultimo accesso</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>Giorno/i</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>Mese/i</translation>
    </message>
    <message>
        <source>Least</source>
        <extracomment>&quot;Size at Least 100 KB&quot;: files of 100 KB or more</extracomment>
        <translation>Almeno</translation>
    </message>
    <message>
        <source>Most</source>
        <extracomment>&quot;Size at Most 100 KB&quot;: files of 100 KB or less</extracomment>
        <translation>Al massimo</translation>
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
    <name>ExportRules</name>
    <message>
        <source>Text Document (*.txt)</source>
        <extracomment>Keep &quot;(*.txt)&quot; at the end as it is</extracomment>
        <translation>Documento di testo (*.txt)</translation>
    </message>
    <message>
        <source>Excel Worksheet (*.xls)</source>
        <extracomment>Keep &quot;(*.xls)&quot; at the end as it is</extracomment>
        <translation>Foglio di lavoro Excel (*.xls)</translation>
    </message>
    <message>
        <source>Word Document (*.doc)</source>
        <extracomment>Keep &quot;(*.doc)&quot; at the end as it is</extracomment>
        <translation>Documento Word (*.doc)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot; at the end as it is</extracomment>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>File Name must be specified.</source>
        <translation>È necessario specificare il nome del file.</translation>
    </message>
    <message>
        <source>Column Saperator must be specified.</source>
        <translation>È necessario specificare il separatore di colonna.</translation>
    </message>
</context>
<context>
    <name>FolderTotalColumns</name>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Illeggibili</translation>
    </message>
    <message>
        <source>Unreadable files</source>
        <translation>File illeggibili</translation>
    </message>
    <message>
        <source>A4-equivalent</source>
        <translation>Equivalente A4</translation>
    </message>
    <message>
        <source>A4-equivalent pages</source>
        <translation>Pagine equivalenti A4</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Color pages</source>
        <translation>Pagine a colori</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Scala di grigi</translation>
    </message>
    <message>
        <source>Grayscale pages</source>
        <translation>Pagine in scala di grigi</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Black-and-white pages</source>
        <translation>Pagine in bianco e nero</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Modalità sconosciuta</translation>
    </message>
    <message>
        <source>Pages of unknown mode</source>
        <translation>Pagine di modalità sconosciuta</translation>
    </message>
    <message>
        <source>Unknown size</source>
        <translation>Formato sconosciuto</translation>
    </message>
    <message>
        <source>Pages of unknown size</source>
        <translation>Pagine di formato sconosciuto</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Formati</translation>
    </message>
</context>
<context>
    <name>FolderTotals</name>
    <message>
        <source>All folders</source>
        <translation>Tutte le cartelle</translation>
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
    <name>GridModel</name>
    <message>
        <source>The column and row separators must be two different characters.</source>
        <translation>I separatori di colonna e di riga devono essere due caratteri diversi.</translation>
    </message>
    <message>
        <source>No device to write to.</source>
        <translation>Nessun dispositivo su cui scrivere.</translation>
    </message>
    <message>
        <source>The file name cannot be used: %1</source>
        <translation>Impossibile usare il nome del file: %1</translation>
    </message>
    <message>
        <source>No device to read from.</source>
        <translation>Nessun dispositivo da cui leggere.</translation>
    </message>
</context>
<context>
    <name>PageBreakdownWords</name>
    <message>
        <source>no resolution</source>
        <translation>nessuna risoluzione</translation>
    </message>
    <message>
        <source>resolution is zero or no fraction</source>
        <translation>risoluzione pari a zero o non frazionaria</translation>
    </message>
    <message>
        <source>implausible resolution</source>
        <translation>risoluzione non plausibile</translation>
    </message>
    <message>
        <source>resolution has no unit</source>
        <translation>risoluzione senza unità</translation>
    </message>
    <message>
        <source>unknown resolution unit</source>
        <translation>unità di risoluzione sconosciuta</translation>
    </message>
    <message>
        <source>no width or length</source>
        <translation>larghezza o lunghezza mancante</translation>
    </message>
    <message>
        <source>implausibly large</source>
        <translation>di dimensioni non plausibili</translation>
    </message>
    <message>
        <source>a value lies past the end of the file</source>
        <translation>un valore si trova oltre la fine del file</translation>
    </message>
    <message>
        <source>a value lies far from the directory</source>
        <translation>un valore si trova lontano dalla directory</translation>
    </message>
    <message>
        <source>no photometric interpretation</source>
        <translation>nessuna interpretazione fotometrica</translation>
    </message>
    <message>
        <source>contradictory tags</source>
        <translation>tag contraddittori</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a class and why its pages fall in it</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a size class and its pages</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>pages and their capture mode</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 A4-equivalent page</source>
        <translation>%1 pagina equivalente A4</translation>
    </message>
    <message>
        <source>%1 A4-equivalent pages</source>
        <translation>%1 pagine equivalenti A4</translation>
    </message>
    <message>
        <source>%1 (%2 × %3 mm)</source>
        <translation>%1 (%2 × %3 mm)</translation>
    </message>
    <message>
        <source>%1 × %2 landscape</source>
        <translation>%1 × %2 orizzontale</translation>
    </message>
</context>
<context>
    <name>PageClasses</name>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>A page size class: pages of a size none of the others is</extracomment>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Unknown size</source>
        <translation>Formato sconosciuto</translation>
    </message>
    <message>
        <source>color</source>
        <extracomment>A capture mode, written after a count of pages: &quot;3 color, 2 black and white&quot;</extracomment>
        <translation>a colori</translation>
    </message>
    <message>
        <source>grayscale</source>
        <translation>in scala di grigi</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>in bianco e nero</translation>
    </message>
    <message>
        <source>unknown mode</source>
        <translation>in modalità sconosciuta</translation>
    </message>
</context>
<context>
    <name>PageCountDatabase</name>
    <message>
        <source>the file is not this version&apos;s cache</source>
        <translation>il file non è la cache di questa versione</translation>
    </message>
</context>
<context>
    <name>PageCounter</name>
    <message>
        <source>%1 reduced-resolution image</source>
        <translation>%1 immagine a risoluzione ridotta</translation>
    </message>
    <message>
        <source>%1 reduced-resolution images</source>
        <translation>%1 immagini a risoluzione ridotta</translation>
    </message>
    <message>
        <source>%1 transparency mask</source>
        <translation>%1 maschera di trasparenza</translation>
    </message>
    <message>
        <source>%1 transparency masks</source>
        <translation>%1 maschere di trasparenza</translation>
    </message>
    <message>
        <source>%1 and %2 not counted</source>
        <translation>Fuori dal conteggio: %1 e %2</translation>
    </message>
    <message>
        <source>%1 not counted</source>
        <translation>Fuori dal conteggio: %1</translation>
    </message>
    <message>
        <source>The pages could not be counted</source>
        <translation>Impossibile contare le pagine</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
    <message>
        <source>Empty file</source>
        <translation>File vuoto</translation>
    </message>
    <message>
        <source>Not a TIFF file</source>
        <translation>Non è un file TIFF</translation>
    </message>
    <message>
        <source>The file ends inside its header</source>
        <translation>Il file termina all&apos;interno della sua intestazione</translation>
    </message>
    <message>
        <source>The first image directory lies outside the file</source>
        <translation>La prima directory di immagine si trova fuori dal file</translation>
    </message>
    <message>
        <source>Image directory %1 is cut off by the end of the file</source>
        <translation>La directory di immagine %1 è troncata dalla fine del file</translation>
    </message>
    <message>
        <source>The first image directory is empty</source>
        <translation>La prima directory di immagine è vuota</translation>
    </message>
    <message>
        <source>The first image directory has too many entries</source>
        <translation>La prima directory di immagine ha troppe voci</translation>
    </message>
    <message>
        <source>The first image directory describes no image</source>
        <translation>La prima directory di immagine non descrive alcuna immagine</translation>
    </message>
    <message>
        <source>The image directories overlap one another</source>
        <translation>Le directory di immagine si sovrappongono</translation>
    </message>
    <message>
        <source>Too many image directories</source>
        <translation>Troppe directory di immagine</translation>
    </message>
    <message>
        <source>The file changed while it was read</source>
        <translation>Il file è cambiato durante la lettura</translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Start folder</source>
        <translation>Cartella iniziale</translation>
    </message>
    <message>
        <source>No search has run</source>
        <translation>Nessuna ricerca eseguita</translation>
    </message>
    <message>
        <source>Search still running: the counts are partial</source>
        <translation>Ricerca ancora in corso: i conteggi sono parziali</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>Nessun motivo indicato</translation>
    </message>
    <message>
        <source>Page Report</source>
        <translation>Rapporto pagine</translation>
    </message>
</context>
<context>
    <name>PageReportChart</name>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Scala di grigi</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Modalità sconosciuta</translation>
    </message>
    <message>
        <source>Files mixing sizes and modes</source>
        <translation>File con formati e modalità misti</translation>
    </message>
    <message>
        <source>No pages counted</source>
        <translation>Nessuna pagina conteggiata</translation>
    </message>
</context>
<context>
    <name>PageReportDocument</name>
    <message>
        <source>Folder (below the start folder)</source>
        <translation>Cartella (sotto la cartella iniziale)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Only the rows selected in the results list</source>
        <translation>Solo le righe selezionate nell&apos;elenco dei risultati</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizzazione</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>Made</source>
        <extracomment>When the report was made: the day and time follow</extracomment>
        <translation>Creato</translation>
    </message>
    <message>
        <source>By</source>
        <extracomment>Which program made the report: its name and version follow</extracomment>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>What was searched</source>
        <translation>Cosa è stato cercato</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Pages per size class and mode</source>
        <translation>Pagine per classe di formato e modalità</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Unreadable files</source>
        <translation>File illeggibili</translation>
    </message>
    <message>
        <source>Counting rules</source>
        <translation>Regole di conteggio</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No file was unreadable</extracomment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>A page is one image of a TIFF file as its chain of image directories lists it; thumbnails and transparency masks are left out. A file whose pages could not be counted is listed as unreadable and adds no pages. A page&apos;s size is its pixel size divided by its resolution; without a usable resolution (missing, zero, below 20 or above 20,000 pixels per inch, or in no absolute unit) the size is unknown, never guessed. A page takes the nearest size class, either way round, when each side is within ISO 216&apos;s tolerance (2 mm on sides up to 600 mm, 3 mm above); a page 1728 pixels wide at 195 to 210 pixels per inch across and 98 or 196 lines per inch down is Fax; any other is Other. A4-equivalent pages: a page of unknown size or of at most the area of an A4 page is worth 1, a larger one its area over the A4 area less 0.05, rounded up (A3 is 2). A page of a size class counts with the class&apos;s own area, so an A0 scanned a few millimetres long is 16; Fax and Other pages count with their measured area. &quot;Captured in&quot; is the mode the file&apos;s tags give a page: color, grayscale or black and white (one bit per pixel).</source>
        <translation>Una pagina è un&apos;immagine di un file TIFF così come la elenca la sua catena di directory di immagini; miniature e maschere di trasparenza non sono conteggiate. Un file le cui pagine non è stato possibile contare è elencato come illeggibile e non aggiunge pagine. Il formato di una pagina è la sua dimensione in pixel divisa per la sua risoluzione; senza una risoluzione utilizzabile (assente, zero, inferiore a 20 o superiore a 20.000 pixel per pollice, o senza unità assoluta) il formato è sconosciuto, mai indovinato. Una pagina assume la classe di formato più vicina, in verticale o in orizzontale, quando ogni lato rientra nella tolleranza della ISO 216 (2 mm sui lati fino a 600 mm, 3 mm oltre); una pagina larga 1728 pixel a 195-210 pixel per pollice in orizzontale e 98 o 196 linee per pollice in verticale è Fax; ogni altra è Altro. Pagine equivalenti A4: una pagina di formato sconosciuto o con un&apos;area non superiore a quella di una pagina A4 vale 1, una più grande la sua area divisa per l&apos;area A4, meno 0,05, arrotondata per eccesso (un A3 vale 2). Una pagina di una classe di formato conta con l&apos;area propria della sua classe, quindi un A0 scansionato qualche millimetro più lungo vale 16; le pagine Fax e Altro contano con la loro area misurata. «Acquisito in» è la modalità che i tag del file assegnano a una pagina: colori, scala di grigi o bianco e nero (un bit per pixel).</translation>
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
    <name>ParsedArguments</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Provare &apos;%1 --help&apos; per maggiori informazioni.</translation>
    </message>
</context>
<context>
    <name>PosixDesktopServices</name>
    <message>
        <source>Not a valid file path.</source>
        <translation>Percorso del file non valido.</translation>
    </message>
</context>
<context>
    <name>PosixPageCountStore</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>others can write in %1</source>
        <translation>altri utenti possono scrivere in %1</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Copyright (C) 2026 The Brimfold developers.</source>
        <translation>Copyright (C) 2026 Gli sviluppatori di Brimfold.</translation>
    </message>
    <message>
        <source>Copying or distributing this program without the maker&apos;s permission is not allowed.</source>
        <translation>Non è consentito copiare o distribuire questo programma senza il permesso del produttore.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 files, %2 pages, %3 files/s, %4</source>
        <translation>%1 file, %2 pagine, %3 file/s, %4</translation>
    </message>
</context>
<context>
    <name>ReportOptions</name>
    <message>
        <source>Make the page report of one or more result files of brimfold-count (--format jsonl), as the window&apos;s Page Report lays it out: what was searched, the totals by size and color, the pages per size class, a table per folder and the files that could not be counted. With no RESULT-FILE, or when it is -, reads standard input. Files from several hosts are merged, their folders named host:/folder.</source>
        <extracomment>RESULT-FILE, host:/folder and - are written as the command line takes them.</extracomment>
        <translation>Crea il rapporto pagine di uno o più file dei risultati di brimfold-count (--format jsonl), come lo impagina il Rapporto pagine della finestra: cosa è stato cercato, i totali per formato e colore, le pagine per classe di formato, una tabella per cartella e i file che non è stato possibile contare. Senza RESULT-FILE, o quando è -, legge lo standard input. I file di più host vengono uniti e le loro cartelle chiamate host:/folder.</translation>
    </message>
    <message>
        <source>write the report of everything read to FILE</source>
        <translation>scrive il rapporto di tutto ciò che è stato letto in FILE</translation>
    </message>
    <message>
        <source>the organisation line of the title block</source>
        <translation>la riga dell’organizzazione nel blocco del titolo</translation>
    </message>
    <message>
        <source>the reference line of the title block</source>
        <translation>la riga del riferimento nel blocco del titolo</translation>
    </message>
    <message>
        <source>the paper (default: the locale&apos;s)</source>
        <translation>la carta (predefinita: quella delle impostazioni locali)</translation>
    </message>
    <message>
        <source>also write one report per folder DEPTH levels below the start folders (1: /srv/scans/acme gives acme.pdf), each with that folder&apos;s files alone, from every host</source>
        <extracomment>DEPTH names the option&apos;s value; /srv/scans/acme and acme.pdf are an example.</extracomment>
        <translation>scrive anche un rapporto per ogni cartella DEPTH livelli sotto le cartelle iniziali (1: /srv/scans/acme produce acme.pdf), ciascuno con i soli file di quella cartella, da tutti gli host</translation>
    </message>
    <message>
        <source>where those go (default: the folder of --output)</source>
        <translation>dove vengono salvati (predefinito: la cartella di --output)</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>questa guida</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>la versione del programma</translation>
    </message>
    <message>
        <source>Exit status: 0 when every report was written, 1 for a wrong command line, 2 for a result file that cannot be read (cut off, of a later version, not a result file, or a second one of the same host and folder) or a report that cannot be written; no report is then left half-written, and a file of the same name stays as it was.</source>
        <extracomment>0, 1 and 2 are the exit codes a script reads.</extracomment>
        <translation>Stato di uscita: 0 se ogni rapporto è stato scritto, 1 per una riga di comando errata, 2 per un file dei risultati che non può essere letto (troncato, di una versione successiva, non un file dei risultati, o un secondo dello stesso host e della stessa cartella) o per un rapporto che non può essere scritto; in tal caso nessun rapporto resta scritto a metà e un file con lo stesso nome resta com’era.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilizzo: %1</translation>
    </message>
    <message>
        <source>say where the report goes with -o FILE</source>
        <translation>indicare con -o FILE dove salvare il rapporto</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper accetta a4 o letter, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--per-folder takes a depth from 1 to %1</source>
        <translation>--per-folder accetta una profondità da 1 a %1</translation>
    </message>
    <message>
        <source>--folder-reports needs --per-folder</source>
        <translation>--folder-reports richiede --per-folder</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>lo standard input può essere letto una sola volta</translation>
    </message>
</context>
<context>
    <name>ReportRun</name>
    <message>
        <source>standard input</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 holds the results of %2:%3 a second time; give each search once</source>
        <translation>%1 contiene una seconda volta i risultati di %2:%3; indicare ogni ricerca una sola volta</translation>
    </message>
    <message>
        <source>Start folder</source>
        <translation>Cartella iniziale</translation>
    </message>
    <message>
        <source>cannot write %1: the name is not UTF-8</source>
        <translation>impossibile scrivere %1: il nome non è in UTF-8</translation>
    </message>
    <message>
        <source>the PDF could not be written whole</source>
        <translation>non è stato possibile scrivere il PDF per intero</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>the report of %1 would replace %2; name the whole report otherwise</source>
        <translation>il rapporto di %1 sostituirebbe %2; dare un altro nome al rapporto completo</translation>
    </message>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>impossibile creare la cartella di %1</translation>
    </message>
</context>
<context>
    <name>ResultColumns</name>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Data modifica</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
</context>
<context>
    <name>ResultFile</name>
    <message>
        <source>the file ends inside a record</source>
        <translation>il file termina all&apos;interno di un record</translation>
    </message>
    <message>
        <source>not a result file of brimfold-count</source>
        <translation>non è un file di risultati di brimfold-count</translation>
    </message>
    <message>
        <source>not a record of a result file</source>
        <translation>non è un record di un file di risultati</translation>
    </message>
    <message>
        <source>a search begins before the last one&apos;s end record</source>
        <translation>una ricerca inizia prima del record finale della precedente</translation>
    </message>
    <message>
        <source>written in a later format (version %1; this program reads %2)</source>
        <translation>scritto in un formato più recente (versione %1; questo programma legge la %2)</translation>
    </message>
    <message>
        <source>a record after the end record</source>
        <translation>un record dopo il record finale</translation>
    </message>
    <message>
        <source>the end record counts %1 files where %2 were read</source>
        <translation>il record finale conta %1 file, ma ne sono stati letti %2</translation>
    </message>
    <message>
        <source>a file&apos;s record without its name or pages</source>
        <translation>un record di file senza nome o pagine</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the file ends before its end record</source>
        <translation>il file termina prima del suo record finale</translation>
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
    <name>SearchRecord</name>
    <message>
        <source>Search Terminated by User</source>
        <translation>Ricerca interrotta dall&apos;utente</translation>
    </message>
</context>
<context>
    <name>SearchRun</name>
    <message>
        <source>Searching %1</source>
        <translation>Ricerca in %1</translation>
    </message>
    <message>
        <source>%1 file(s) found</source>
        <translation>File trovati: %1</translation>
    </message>
    <message>
        <source>Total Pages : %1</source>
        <translation>Totale pagine: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>In the status bar: the search has ended</extracomment>
        <translation>Completato</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Nessun file trovato</translation>
    </message>
    <message>
        <source>Waiting: every reading thread is held by files that do not answer</source>
        <translation>In attesa: tutti i thread di lettura sono bloccati da file che non rispondono</translation>
    </message>
</context>
<context>
    <name>SelectionTotal</name>
    <message>
        <source>Selected : %1 file(s), %2 pages</source>
        <translation>Selezionati: %1 file, %2 pagine</translation>
    </message>
    <message>
        <source>Unreadable : %1 file(s)</source>
        <translation>Illeggibili: %1 file</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Type mismatch</source>
        <extracomment>A stored setting is no number</extracomment>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>A stored setting is a number out of range</extracomment>
        <translation>Overflow</translation>
    </message>
</context>
<context>
    <name>SqlitePageCountCache</name>
    <message>
        <source>no cache folder is known (HOME and XDG_CACHE_HOME are unset)</source>
        <translation>nessuna cartella della cache nota (HOME e XDG_CACHE_HOME non sono impostate)</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>%1 is on a network file system</source>
        <translation>%1 si trova su un file system di rete</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>the file %1 is damaged</source>
        <translation>il file %1 è danneggiato</translation>
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
<context>
    <name>frmMain</name>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
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
