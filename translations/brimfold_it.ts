<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
    <name>ParsedArguments</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Provare &apos;%1 --help&apos; per maggiori informazioni.</translation>
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
