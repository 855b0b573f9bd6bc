<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CountOptions</name>
    <message>
        <source>--date needs --within or --between</source>
        <translation>--date braucht --within oder --between</translation>
    </message>
    <message>
        <source>--within and --between cannot be used together</source>
        <translation>--within und --between können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--date takes created, modified or accessed, not &apos;%1&apos;</source>
        <translation>--date erwartet created, modified oder accessed, nicht „%1“</translation>
    </message>
    <message>
        <source>--within takes a number of days or months from 0 to %1</source>
        <translation>--within erwartet eine Anzahl Tage oder Monate von 0 bis %1</translation>
    </message>
    <message>
        <source>--between takes two dates YYYY-MM-DD, the first not after the second</source>
        <translation>--between erwartet zwei Daten YYYY-MM-DD, das erste nicht nach dem zweiten</translation>
    </message>
    <message>
        <source>use only one of --size-at-least, --size-at-most and --size-between</source>
        <translation>nur eine von --size-at-least, --size-at-most und --size-between angeben</translation>
    </message>
    <message>
        <source>--size-between takes two sizes in KB, the first not above the second</source>
        <translation>--size-between erwartet zwei Größen in KB, die erste nicht größer als die zweite</translation>
    </message>
    <message>
        <source>--%1 takes a size in KB from 0 to %2</source>
        <translation>--%1 erwartet eine Größe in KB von 0 bis %2</translation>
    </message>
    <message>
        <source>--format takes table, csv, tsv or jsonl, not &apos;%1&apos;</source>
        <translation>--format erwartet table, csv, tsv oder jsonl, nicht „%1“</translation>
    </message>
    <message>
        <source>--total and --folders cannot be used together</source>
        <translation>--total und --folders können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--format jsonl lists every file; it takes no --total or --folders</source>
        <translation>--format jsonl listet jede Datei auf; --total und --folders sind damit nicht möglich</translation>
    </message>
    <message>
        <source>--jobs takes a number from 0 to %1</source>
        <translation>--jobs erwartet eine Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>--no-cache and --recount cannot be used together</source>
        <translation>--no-cache und --recount können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>Search the subfolders too.</source>
        <translation>Auch die Unterordner durchsuchen.</translation>
    </message>
    <message>
        <source>Include hidden files.</source>
        <translation>Versteckte Dateien einbeziehen.</translation>
    </message>
    <message>
        <source>File name patterns, separated by &apos;,&apos; or &apos;;&apos; (default %1; %2 for every file).</source>
        <translation>Dateinamensmuster, getrennt durch &apos;,&apos; oder &apos;;&apos; (Standard: %1; %2 für alle Dateien).</translation>
    </message>
    <message>
        <source>Which date --within and --between test: created, modified (default) or accessed.</source>
        <extracomment>created, modified and accessed are the words the option takes: they stay in English.</extracomment>
        <translation>Welches Datum --within und --between prüfen: created (Erstellung), modified (Änderung, Standard) oder accessed (letzter Zugriff).</translation>
    </message>
    <message>
        <source>Files whose date lies within the last N days or months (whole local days).</source>
        <extracomment>N names the option&apos;s value.</extracomment>
        <translation>Dateien, deren Datum in den letzten N Tagen oder Monaten liegt (ganze Tage, Ortszeit).</translation>
    </message>
    <message>
        <source>Files whose date lies between two days, both included.</source>
        <translation>Dateien, deren Datum zwischen zwei Tagen liegt, beide eingeschlossen.</translation>
    </message>
    <message>
        <source>Files of at least KB kilobytes (sizes rounded up to whole KB).</source>
        <extracomment>KB names the option&apos;s value.</extracomment>
        <translation>Dateien mit mindestens KB Kilobyte (Größen auf ganze KB aufgerundet).</translation>
    </message>
    <message>
        <source>Files of at most KB kilobytes.</source>
        <translation>Dateien mit höchstens KB Kilobyte.</translation>
    </message>
    <message>
        <source>Files of FROM to TO kilobytes.</source>
        <extracomment>FROM and TO name the option&apos;s two values.</extracomment>
        <translation>Dateien mit FROM bis TO Kilobyte.</translation>
    </message>
    <message>
        <source>Output: table, csv or tsv (default table on a terminal, else tsv), or jsonl: a result file for brimfold-report.</source>
        <extracomment>table, csv, tsv and jsonl are the format names the option takes: they stay in English.</extracomment>
        <translation>Ausgabe: table, csv oder tsv (Standard: table im Terminal, sonst tsv) oder jsonl: eine Ergebnisdatei für brimfold-report.</translation>
    </message>
    <message>
        <source>The host a result file names (default this machine&apos;s name).</source>
        <translation>Der Host, den eine Ergebnisdatei nennt (Standard: der Name dieses Rechners).</translation>
    </message>
    <message>
        <source>Write only the totals: files, pages, unreadable files.</source>
        <translation>Nur die Summen ausgeben: Dateien, Seiten, nicht lesbare Dateien.</translation>
    </message>
    <message>
        <source>Write one line per folder with files, then the totals.</source>
        <translation>Eine Zeile je Ordner mit Dateien ausgeben, dann die Summen.</translation>
    </message>
    <message>
        <source>Requests in flight at once (default %1; 0 asks one at a time).</source>
        <translation>Gleichzeitig laufende Anfragen (Standard: %1; 0 fragt eine nach der anderen).</translation>
    </message>
    <message>
        <source>No progress line.</source>
        <translation>Keine Fortschrittszeile.</translation>
    </message>
    <message>
        <source>Show the progress line (default when standard error is a terminal).</source>
        <translation>Die Fortschrittszeile anzeigen (Standard, wenn die Standardfehlerausgabe ein Terminal ist).</translation>
    </message>
    <message>
        <source>Say on standard error how many counts came from the page-count cache.</source>
        <translation>Auf der Standardfehlerausgabe melden, wie viele Zählungen aus dem Seitenzahl-Cache kamen.</translation>
    </message>
    <message>
        <source>Neither read nor write the page-count cache: count every file.</source>
        <translation>Den Seitenzahl-Cache weder lesen noch schreiben: jede Datei zählen.</translation>
    </message>
    <message>
        <source>Count every file and replace what the page-count cache holds for it.</source>
        <translation>Jede Datei zählen und ersetzen, was der Seitenzahl-Cache für sie enthält.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Folders to search.</source>
        <translation>Zu durchsuchende Ordner.</translation>
    </message>
    <message>
        <source>Finds TIFF files in each FOLDER, counts their pages and writes one line per file.</source>
        <extracomment>FOLDER names the program&apos;s arguments.</extracomment>
        <translation>Sucht TIFF-Dateien in jedem FOLDER, zählt ihre Seiten und gibt je Datei eine Zeile aus.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>kein FOLDER angegeben</translation>
    </message>
</context>
<context>
    <name>CountReport</name>
    <message>
        <source>%1 file(s) found, %2 unreadable, Total Pages : %3</source>
        <translation>%1 Datei(en) gefunden, %2 nicht lesbar, Seiten insgesamt: %3</translation>
    </message>
</context>
<context>
    <name>CountRun</name>
    <message>
        <source>counting without the page-count cache: %1</source>
        <translation>Zählung ohne den Seitenzahl-Cache: %1</translation>
    </message>
    <message>
        <source>cannot search &apos;%1&apos;: it cannot be opened or read</source>
        <translation>„%1“ kann nicht durchsucht werden: Der Ordner lässt sich nicht öffnen oder lesen</translation>
    </message>
    <message>
        <source>%1 of %2 counts came from the page-count cache</source>
        <translation>%1 von %2 Zählungen kamen aus dem Seitenzahl-Cache</translation>
    </message>
    <message>
        <source>interrupted; partial totals: %1 files, %2 pages, %3 unreadable</source>
        <translation>abgebrochen; Teilsummen: %1 Dateien, %2 Seiten, %3 nicht lesbar</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>die Ausgabe kann nicht geschrieben werden: %1</translation>
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
        <translation>„%1 --help“ liefert weitere Informationen.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 files, %2 pages, %3 files/s, %4</source>
        <translation>%1 Dateien, %2 Seiten, %3 Dateien/s, %4</translation>
    </message>
</context>
<context>
    <name>ReportOptions</name>
    <message>
        <source>Make the page report of one or more result files of brimfold-count (--format jsonl), as the window&apos;s Page Report lays it out: what was searched, the totals by size and color, the pages per size class, a table per folder and the files that could not be counted. With no RESULT-FILE, or when it is -, reads standard input. Files from several hosts are merged, their folders named host:/folder.</source>
        <extracomment>RESULT-FILE, host:/folder and - are written as the command line takes them.</extracomment>
        <translation>Erstellt den Seitenbericht einer oder mehrerer Ergebnisdateien von brimfold-count (--format jsonl) so, wie ihn der Seitenbericht des Fensters gestaltet: was durchsucht wurde, die Summen nach Größe und Farbe, die Seiten je Größenklasse, eine Tabelle je Ordner und die Dateien, die nicht gezählt werden konnten. Ohne RESULT-FILE oder wenn es - ist, wird die Standardeingabe gelesen. Dateien mehrerer Hosts werden zusammengeführt, ihre Ordner heißen dann host:/folder.</translation>
    </message>
    <message>
        <source>write the report of everything read to FILE</source>
        <translation>den Bericht über alles Gelesene in FILE schreiben</translation>
    </message>
    <message>
        <source>the organisation line of the title block</source>
        <translation>die Organisationszeile des Titelblocks</translation>
    </message>
    <message>
        <source>the reference line of the title block</source>
        <translation>die Referenzzeile des Titelblocks</translation>
    </message>
    <message>
        <source>the paper (default: the locale&apos;s)</source>
        <translation>das Papierformat (Standard: das des Gebietsschemas)</translation>
    </message>
    <message>
        <source>also write one report per folder DEPTH levels below the start folders (1: /srv/scans/acme gives acme.pdf), each with that folder&apos;s files alone, from every host</source>
        <extracomment>DEPTH names the option&apos;s value; /srv/scans/acme and acme.pdf are an example.</extracomment>
        <translation>zusätzlich je einen Bericht pro Ordner DEPTH Ebenen unter den Startordnern schreiben (1: /srv/scans/acme ergibt acme.pdf), jeweils nur mit den Dateien dieses Ordners, von allen Hosts</translation>
    </message>
    <message>
        <source>where those go (default: the folder of --output)</source>
        <translation>wohin diese kommen (Standard: der Ordner von --output)</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>die Version des Programms</translation>
    </message>
    <message>
        <source>Exit status: 0 when every report was written, 1 for a wrong command line, 2 for a result file that cannot be read (cut off, of a later version, not a result file, or a second one of the same host and folder) or a report that cannot be written; no report is then left half-written, and a file of the same name stays as it was.</source>
        <extracomment>0, 1 and 2 are the exit codes a script reads.</extracomment>
        <translation>Rückgabewert: 0, wenn jeder Bericht geschrieben wurde, 1 bei einer falschen Befehlszeile, 2 bei einer Ergebnisdatei, die nicht gelesen werden kann (abgeschnitten, aus einer neueren Version, keine Ergebnisdatei oder eine zweite desselben Hosts und Ordners), oder bei einem Bericht, der nicht geschrieben werden kann; dann bleibt kein halb geschriebener Bericht zurück, und eine Datei gleichen Namens bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>say where the report goes with -o FILE</source>
        <translation>geben Sie mit -o FILE an, wohin der Bericht geschrieben wird</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper erwartet a4 oder letter, nicht „%1“</translation>
    </message>
    <message>
        <source>--per-folder takes a depth from 1 to %1</source>
        <translation>--per-folder erwartet eine Tiefe von 1 bis %1</translation>
    </message>
    <message>
        <source>--folder-reports needs --per-folder</source>
        <translation>--folder-reports braucht --per-folder</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>die Standardeingabe kann nur einmal gelesen werden</translation>
    </message>
</context>
<context>
    <name>ReportRun</name>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds the results of %2:%3 a second time; give each search once</source>
        <translation>%1 enthält die Ergebnisse von %2:%3 ein zweites Mal; geben Sie jede Suche nur einmal an</translation>
    </message>
    <message>
        <source>Start folder</source>
        <translation>Startordner</translation>
    </message>
    <message>
        <source>cannot write %1: the name is not UTF-8</source>
        <translation>%1 kann nicht geschrieben werden: Der Name ist kein UTF-8</translation>
    </message>
    <message>
        <source>the PDF could not be written whole</source>
        <translation>das PDF konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the report of %1 would replace %2; name the whole report otherwise</source>
        <translation>der Bericht von %1 würde %2 ersetzen; geben Sie dem Gesamtbericht einen anderen Namen</translation>
    </message>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>der Ordner für %1 kann nicht angelegt werden</translation>
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
