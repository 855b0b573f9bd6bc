<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AdvancedOptionsPanel</name>
    <message>
        <source>Advance Search Options</source>
        <translation>Erweiterte Suchoptionen</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Turns the date criteria on</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>in the last</source>
        <extracomment>Followed by a number and a unit: files created, modified or accessed in the last 7 days</extracomment>
        <translation>in den letzten</translation>
    </message>
    <message>
        <source>between</source>
        <extracomment>Followed by two dates joined by &quot;and&quot;
----------
Followed by two sizes joined by &quot;to&quot;</extracomment>
        <translation>zwischen</translation>
    </message>
    <message>
        <source>and</source>
        <extracomment>Joins the two dates after &quot;between&quot;</extracomment>
        <translation>und</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Turns the size criteria on</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>Followed by a list of &quot;Least&quot; and &quot;Most&quot;, a number and &quot;KB&quot;: at least 100 KB</extracomment>
        <translation>ist</translation>
    </message>
    <message>
        <source>KB</source>
        <extracomment>Kilobytes</extracomment>
        <translation>KB</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Joins the two sizes after &quot;between&quot;: between 10 to 20 KB</extracomment>
        <translation>und</translation>
    </message>
</context>
<context>
    <name>CellFormats</name>
    <message>
        <source>%1 page</source>
        <translation>%1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
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
    <name>Criteria</name>
    <message>
        <source>Any date</source>
        <translation>Beliebiges Datum</translation>
    </message>
    <message>
        <source>A date rule that cannot be read: no file passes</source>
        <translation>Eine Datumsregel, die nicht gelesen werden kann: keine Datei erfüllt sie</translation>
    </message>
    <message>
        <source>%1 between %2 and %3</source>
        <translation>%1 vom %2 bis %3</translation>
    </message>
    <message>
        <source>%1 in the last %2 %3 (between %4 and %5)</source>
        <translation>%1 in den letzten %2 %3 (%4 bis %5)</translation>
    </message>
    <message>
        <source>Any size</source>
        <translation>Beliebige Größe</translation>
    </message>
    <message>
        <source>A size rule that cannot be read: no file passes</source>
        <translation>Eine Größenregel, die nicht gelesen werden kann: keine Datei erfüllt sie</translation>
    </message>
    <message>
        <source>Size between %1 and %2 KB</source>
        <translation>Größe zwischen %1 und %2 KB</translation>
    </message>
    <message>
        <source>Size at least %1 KB</source>
        <translation>Größe mindestens %1 KB</translation>
    </message>
    <message>
        <source>Size at most %1 KB</source>
        <translation>Größe höchstens %1 KB</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Unterordner</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Versteckte Dateien</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>CriteriaDefaults</name>
    <message>
        <source>Files Created</source>
        <translation>Erstellte Dateien</translation>
    </message>
    <message>
        <source>Files Modified</source>
        <translation>Geänderte Dateien</translation>
    </message>
    <message>
        <source>Files Last Accessed</source>
        <translation>Dateien nach letztem Zugriff</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>Tag(e)</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>Monat(e)</translation>
    </message>
    <message>
        <source>Least</source>
        <extracomment>&quot;Size at Least 100 KB&quot;: files of 100 KB or more</extracomment>
        <translation>Mindestens</translation>
    </message>
    <message>
        <source>Most</source>
        <extracomment>&quot;Size at Most 100 KB&quot;: files of 100 KB or less</extracomment>
        <translation>Höchstens</translation>
    </message>
</context>
<context>
    <name>DesktopLinks</name>
    <message>
        <source>No application is set up to open %1.</source>
        <translation>Es ist keine Anwendung zum Öffnen von %1 eingerichtet.</translation>
    </message>
</context>
<context>
    <name>ExportRules</name>
    <message>
        <source>Text Document (*.txt)</source>
        <extracomment>Keep &quot;(*.txt)&quot; at the end as it is</extracomment>
        <translation>Textdokument (*.txt)</translation>
    </message>
    <message>
        <source>Excel Worksheet (*.xls)</source>
        <extracomment>Keep &quot;(*.xls)&quot; at the end as it is</extracomment>
        <translation>Excel-Arbeitsblatt (*.xls)</translation>
    </message>
    <message>
        <source>Word Document (*.doc)</source>
        <extracomment>Keep &quot;(*.doc)&quot; at the end as it is</extracomment>
        <translation>Word-Dokument (*.doc)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot; at the end as it is</extracomment>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>File Name must be specified.</source>
        <translation>Ein Dateiname muss angegeben werden.</translation>
    </message>
    <message>
        <source>Column Saperator must be specified.</source>
        <translation>Ein Spaltentrennzeichen muss angegeben werden.</translation>
    </message>
</context>
<context>
    <name>FolderTotalColumns</name>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Unlesbar</translation>
    </message>
    <message>
        <source>Unreadable files</source>
        <translation>Unlesbare Dateien</translation>
    </message>
    <message>
        <source>A4-equivalent</source>
        <translation>A4-Äquivalent</translation>
    </message>
    <message>
        <source>A4-equivalent pages</source>
        <translation>A4-Äquivalentseiten</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Color pages</source>
        <translation>Farbseiten</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Grayscale pages</source>
        <translation>Graustufenseiten</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarz-weiß</translation>
    </message>
    <message>
        <source>Black-and-white pages</source>
        <translation>Schwarzweißseiten</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Modus unbekannt</translation>
    </message>
    <message>
        <source>Pages of unknown mode</source>
        <translation>Seiten mit unbekanntem Modus</translation>
    </message>
    <message>
        <source>Unknown size</source>
        <translation>Format unbekannt</translation>
    </message>
    <message>
        <source>Pages of unknown size</source>
        <translation>Seiten mit unbekanntem Format</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Formate</translation>
    </message>
</context>
<context>
    <name>FolderTotals</name>
    <message>
        <source>All folders</source>
        <translation>Alle Ordner</translation>
    </message>
</context>
<context>
    <name>FolderTotalsWindow</name>
    <message>
        <source>Folder Totals</source>
        <translation>Ordnersummen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Export Folder Totals</source>
        <translation>Ordnersummen exportieren</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>CSV-Datei</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
    <message>
        <source>Could not export to %1: %2</source>
        <translation>Export nach %1 nicht möglich: %2</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <source>The column and row separators must be two different characters.</source>
        <translation>Spalten- und Zeilentrennzeichen müssen zwei verschiedene Zeichen sein.</translation>
    </message>
    <message>
        <source>No device to write to.</source>
        <translation>Kein Gerät zum Schreiben.</translation>
    </message>
    <message>
        <source>The file name cannot be used: %1</source>
        <translation>Der Dateiname kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>No device to read from.</source>
        <translation>Kein Gerät zum Lesen.</translation>
    </message>
</context>
<context>
    <name>PageBreakdownWords</name>
    <message>
        <source>no resolution</source>
        <translation>keine Auflösung</translation>
    </message>
    <message>
        <source>resolution is zero or no fraction</source>
        <translation>Auflösung ist null oder kein Bruch</translation>
    </message>
    <message>
        <source>implausible resolution</source>
        <translation>unplausible Auflösung</translation>
    </message>
    <message>
        <source>resolution has no unit</source>
        <translation>Auflösung ohne Einheit</translation>
    </message>
    <message>
        <source>unknown resolution unit</source>
        <translation>unbekannte Auflösungseinheit</translation>
    </message>
    <message>
        <source>no width or length</source>
        <translation>Breite oder Länge fehlt</translation>
    </message>
    <message>
        <source>implausibly large</source>
        <translation>unplausibel groß</translation>
    </message>
    <message>
        <source>a value lies past the end of the file</source>
        <translation>ein Wert liegt hinter dem Dateiende</translation>
    </message>
    <message>
        <source>a value lies far from the directory</source>
        <translation>ein Wert liegt weit vom Verzeichnis entfernt</translation>
    </message>
    <message>
        <source>no photometric interpretation</source>
        <translation>keine photometrische Interpretation</translation>
    </message>
    <message>
        <source>contradictory tags</source>
        <translation>widersprüchliche Tags</translation>
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
        <translation>%1 A4-Äquivalentseite</translation>
    </message>
    <message>
        <source>%1 A4-equivalent pages</source>
        <translation>%1 A4-Äquivalentseiten</translation>
    </message>
    <message>
        <source>%1 (%2 × %3 mm)</source>
        <translation>%1 (%2 × %3 mm)</translation>
    </message>
    <message>
        <source>%1 × %2 landscape</source>
        <translation>%1 × %2 quer</translation>
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
        <translation>Andere</translation>
    </message>
    <message>
        <source>Unknown size</source>
        <translation>Unbekanntes Format</translation>
    </message>
    <message>
        <source>color</source>
        <extracomment>A capture mode, written after a count of pages: &quot;3 color, 2 black and white&quot;</extracomment>
        <translation>farbig</translation>
    </message>
    <message>
        <source>grayscale</source>
        <translation>in Graustufen</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>schwarzweiß</translation>
    </message>
    <message>
        <source>unknown mode</source>
        <translation>in unbekanntem Modus</translation>
    </message>
</context>
<context>
    <name>PageCountDatabase</name>
    <message>
        <source>the file is not this version&apos;s cache</source>
        <translation>die Datei ist nicht der Cache dieser Version</translation>
    </message>
</context>
<context>
    <name>PageCounter</name>
    <message>
        <source>%1 reduced-resolution image</source>
        <translation>%1 Bild mit reduzierter Auflösung</translation>
    </message>
    <message>
        <source>%1 reduced-resolution images</source>
        <translation>%1 Bilder mit reduzierter Auflösung</translation>
    </message>
    <message>
        <source>%1 transparency mask</source>
        <translation>%1 Transparenzmaske</translation>
    </message>
    <message>
        <source>%1 transparency masks</source>
        <translation>%1 Transparenzmasken</translation>
    </message>
    <message>
        <source>%1 and %2 not counted</source>
        <translation>%1 und %2 nicht gezählt</translation>
    </message>
    <message>
        <source>%1 not counted</source>
        <translation>%1 nicht gezählt</translation>
    </message>
    <message>
        <source>The pages could not be counted</source>
        <translation>Die Seiten konnten nicht gezählt werden</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Empty file</source>
        <translation>Leere Datei</translation>
    </message>
    <message>
        <source>Not a TIFF file</source>
        <translation>Keine TIFF-Datei</translation>
    </message>
    <message>
        <source>The file ends inside its header</source>
        <translation>Die Datei endet innerhalb ihres Headers</translation>
    </message>
    <message>
        <source>The first image directory lies outside the file</source>
        <translation>Das erste Bildverzeichnis liegt außerhalb der Datei</translation>
    </message>
    <message>
        <source>Image directory %1 is cut off by the end of the file</source>
        <translation>Bildverzeichnis %1 wird durch das Dateiende abgeschnitten</translation>
    </message>
    <message>
        <source>The first image directory is empty</source>
        <translation>Das erste Bildverzeichnis ist leer</translation>
    </message>
    <message>
        <source>The first image directory has too many entries</source>
        <translation>Das erste Bildverzeichnis hat zu viele Einträge</translation>
    </message>
    <message>
        <source>The first image directory describes no image</source>
        <translation>Das erste Bildverzeichnis beschreibt kein Bild</translation>
    </message>
    <message>
        <source>The image directories overlap one another</source>
        <translation>Die Bildverzeichnisse überlappen einander</translation>
    </message>
    <message>
        <source>Too many image directories</source>
        <translation>Zu viele Bildverzeichnisse</translation>
    </message>
    <message>
        <source>The file changed while it was read</source>
        <translation>Die Datei hat sich beim Lesen geändert</translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Start folder</source>
        <translation>Startordner</translation>
    </message>
    <message>
        <source>No search has run</source>
        <translation>Es wurde keine Suche ausgeführt</translation>
    </message>
    <message>
        <source>Search still running: the counts are partial</source>
        <translation>Die Suche läuft noch: die Zahlen sind unvollständig</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>Kein Grund angegeben</translation>
    </message>
    <message>
        <source>Page Report</source>
        <translation>Seitenbericht</translation>
    </message>
</context>
<context>
    <name>PageReportChart</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Unbekannter Modus</translation>
    </message>
    <message>
        <source>Files mixing sizes and modes</source>
        <translation>Dateien mit gemischten Formaten und Modi</translation>
    </message>
    <message>
        <source>No pages counted</source>
        <translation>Keine Seiten gezählt</translation>
    </message>
</context>
<context>
    <name>PageReportDocument</name>
    <message>
        <source>Folder (below the start folder)</source>
        <translation>Ordner (unterhalb des Startordners)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Only the rows selected in the results list</source>
        <translation>Nur die in der Ergebnisliste ausgewählten Zeilen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Made</source>
        <extracomment>When the report was made: the day and time follow</extracomment>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>By</source>
        <extracomment>Which program made the report: its name and version follow</extracomment>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>What was searched</source>
        <translation>Was durchsucht wurde</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Pages per size class and mode</source>
        <translation>Seiten nach Formatklasse und Modus</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Unreadable files</source>
        <translation>Unlesbare Dateien</translation>
    </message>
    <message>
        <source>Counting rules</source>
        <translation>Zählregeln</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No file was unreadable</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>A page is one image of a TIFF file as its chain of image directories lists it; thumbnails and transparency masks are left out. A file whose pages could not be counted is listed as unreadable and adds no pages. A page&apos;s size is its pixel size divided by its resolution; without a usable resolution (missing, zero, below 20 or above 20,000 pixels per inch, or in no absolute unit) the size is unknown, never guessed. A page takes the nearest size class, either way round, when each side is within ISO 216&apos;s tolerance (2 mm on sides up to 600 mm, 3 mm above); a page 1728 pixels wide at 195 to 210 pixels per inch across and 98 or 196 lines per inch down is Fax; any other is Other. A4-equivalent pages: a page of unknown size or of at most the area of an A4 page is worth 1, a larger one its area over the A4 area less 0.05, rounded up (A3 is 2). A page of a size class counts with the class&apos;s own area, so an A0 scanned a few millimetres long is 16; Fax and Other pages count with their measured area. &quot;Captured in&quot; is the mode the file&apos;s tags give a page: color, grayscale or black and white (one bit per pixel).</source>
        <translation>Eine Seite ist ein Bild einer TIFF-Datei, wie es ihre Kette von Bildverzeichnissen aufführt; Miniaturansichten und Transparenzmasken werden nicht mitgezählt. Eine Datei, deren Seiten nicht gezählt werden konnten, wird als unlesbar aufgeführt und trägt keine Seiten bei. Das Format einer Seite ist ihre Größe in Pixeln geteilt durch ihre Auflösung; ohne brauchbare Auflösung (fehlend, null, unter 20 oder über 20.000 Pixel pro Zoll oder ohne absolute Einheit) ist das Format unbekannt und wird nie geschätzt. Eine Seite erhält die nächstliegende Formatklasse, hoch oder quer, wenn jede Seitenlänge innerhalb der Toleranz nach ISO 216 liegt (2 mm bei Seiten bis 600 mm, darüber 3 mm); eine Seite von 1728 Pixeln Breite bei 195 bis 210 Pixeln pro Zoll waagerecht und 98 oder 196 Zeilen pro Zoll senkrecht ist Fax; jede andere ist Andere. A4-Äquivalentseiten: Eine Seite unbekannten Formats oder mit höchstens der Fläche einer A4-Seite zählt 1, eine größere ihre Fläche geteilt durch die A4-Fläche, minus 0,05, aufgerundet (A3 zählt 2). Eine Seite einer Formatklasse zählt mit der Fläche ihrer Klasse, daher zählt ein A0, das einige Millimeter zu lang gescannt wurde, 16; Fax- und Andere-Seiten zählen mit ihrer gemessenen Fläche. „Erfasst in“ ist der Modus, den die Tags der Datei einer Seite geben: Farbe, Graustufen oder Schwarzweiß (ein Bit pro Pixel).</translation>
    </message>
</context>
<context>
    <name>PageReportWindow</name>
    <message>
        <source>Selected rows only</source>
        <translation>Nur ausgewählte Zeilen</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Vorherige</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Nächste &gt;</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>Organisation:</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Referenz:</translation>
    </message>
    <message>
        <source>Save Page Report</source>
        <translation>Seitenbericht speichern</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Could not save the organisation and reference lines to %1</source>
        <translation>Die Zeilen für Organisation und Referenz konnten nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>%1 wird gespeichert...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Not saved: cancelled</source>
        <translation>Nicht gespeichert: abgebrochen</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>die PDF-Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Wird gedruckt...</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>An den Drucker gesendet</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>Nicht gedruckt</translation>
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
    <name>PosixDesktopServices</name>
    <message>
        <source>Not a valid file path.</source>
        <translation>Kein gültiger Dateipfad.</translation>
    </message>
</context>
<context>
    <name>PosixPageCountStore</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>others can write in %1</source>
        <translation>andere Benutzer können in %1 schreiben</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Copyright (C) 2026 The Brimfold developers.</source>
        <translation>Copyright (C) 2026 Die Brimfold-Entwickler.</translation>
    </message>
    <message>
        <source>Copying or distributing this program without the maker&apos;s permission is not allowed.</source>
        <translation>Das Kopieren oder Weitergeben dieses Programms ohne Erlaubnis des Herstellers ist nicht gestattet.</translation>
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
    <name>ResultColumns</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>ResultFile</name>
    <message>
        <source>the file ends inside a record</source>
        <translation>die Datei endet innerhalb eines Datensatzes</translation>
    </message>
    <message>
        <source>not a result file of brimfold-count</source>
        <translation>keine Ergebnisdatei von brimfold-count</translation>
    </message>
    <message>
        <source>not a record of a result file</source>
        <translation>kein Datensatz einer Ergebnisdatei</translation>
    </message>
    <message>
        <source>a search begins before the last one&apos;s end record</source>
        <translation>eine Suche beginnt vor dem Abschlussdatensatz der vorigen</translation>
    </message>
    <message>
        <source>written in a later format (version %1; this program reads %2)</source>
        <translation>in einem neueren Format geschrieben (Version %1; dieses Programm liest %2)</translation>
    </message>
    <message>
        <source>a record after the end record</source>
        <translation>ein Datensatz nach dem Abschlussdatensatz</translation>
    </message>
    <message>
        <source>the end record counts %1 files where %2 were read</source>
        <translation>der Abschlussdatensatz zählt %1 Dateien, gelesen wurden %2</translation>
    </message>
    <message>
        <source>a file&apos;s record without its name or pages</source>
        <translation>ein Dateidatensatz ohne Namen oder Seiten</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file ends before its end record</source>
        <translation>die Datei endet vor ihrem Abschlussdatensatz</translation>
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
    <name>SearchRecord</name>
    <message>
        <source>Search Terminated by User</source>
        <translation>Suche vom Benutzer abgebrochen</translation>
    </message>
</context>
<context>
    <name>SearchRun</name>
    <message>
        <source>Searching %1</source>
        <translation>Durchsuche %1</translation>
    </message>
    <message>
        <source>%1 file(s) found</source>
        <translation>%1 Datei(en) gefunden</translation>
    </message>
    <message>
        <source>Total Pages : %1</source>
        <translation>Seiten gesamt: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>In the status bar: the search has ended</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Keine Datei gefunden</translation>
    </message>
    <message>
        <source>Waiting: every reading thread is held by files that do not answer</source>
        <translation>Warten: Alle Lese-Threads werden von Dateien blockiert, die nicht antworten</translation>
    </message>
</context>
<context>
    <name>SelectionTotal</name>
    <message>
        <source>Selected : %1 file(s), %2 pages</source>
        <translation>Ausgewählt: %1 Datei(en), %2 Seiten</translation>
    </message>
    <message>
        <source>Unreadable : %1 file(s)</source>
        <translation>Unlesbar: %1 Datei(en)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Type mismatch</source>
        <extracomment>A stored setting is no number</extracomment>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>A stored setting is a number out of range</extracomment>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>SqlitePageCountCache</name>
    <message>
        <source>no cache folder is known (HOME and XDG_CACHE_HOME are unset)</source>
        <translation>kein Cache-Ordner bekannt (HOME und XDG_CACHE_HOME sind nicht gesetzt)</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is on a network file system</source>
        <translation>%1 liegt auf einem Netzwerkdateisystem</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the file %1 is damaged</source>
        <translation>die Datei %1 ist beschädigt</translation>
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
    <name>dlgAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Copying or distributing it, in whole or in part, without the maker&apos;s permission is not allowed and may be prosecuted.</source>
        <translation>Warnung: Dieses Programm ist urheberrechtlich geschützt. Das Kopieren oder Verbreiten, ganz oder teilweise, ohne Erlaubnis des Herstellers ist nicht gestattet und kann strafrechtlich verfolgt werden.</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Systeminfo...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>dlgPreferences</name>
    <message>
        <source>Flat</source>
        <extracomment>A style of grid lines: plain lines</extracomment>
        <translation>Flach</translation>
    </message>
    <message>
        <source>Inset</source>
        <extracomment>A style of grid lines: cells look pressed in</extracomment>
        <translation>Vertieft</translation>
    </message>
    <message>
        <source>Raised</source>
        <extracomment>A style of grid lines: cells look raised</extracomment>
        <translation>Erhöht</translation>
    </message>
    <message>
        <source>Flat Horizontal</source>
        <translation>Flach horizontal</translation>
    </message>
    <message>
        <source>Inset Horizontal</source>
        <translation>Vertieft horizontal</translation>
    </message>
    <message>
        <source>Raised Horizontal</source>
        <translation>Erhöht horizontal</translation>
    </message>
    <message>
        <source>Flat Vertical</source>
        <translation>Flach vertikal</translation>
    </message>
    <message>
        <source>Inset Vertical</source>
        <translation>Vertieft vertikal</translation>
    </message>
    <message>
        <source>Raised Vertical</source>
        <translation>Erhöht vertikal</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Explorer</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Sr#</source>
        <extracomment>Header of the column numbering the rows</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Column Name</source>
        <translation>Spaltenname</translation>
    </message>
    <message>
        <source>Visible</source>
        <extracomment>Header of the column of check boxes that show or hide a results column</extracomment>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Select Startup Folder</source>
        <translation>Startordner auswählen</translation>
    </message>
    <message>
        <source>Bitmap Image</source>
        <translation>Bitmap-Bild</translation>
    </message>
    <message>
        <source>JPEG Image</source>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>GIF-Bild</translation>
    </message>
    <message>
        <source>BackGround Picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Line Style</source>
        <translation>Linienstil</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Fore Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Fore Color Selection</source>
        <translation>Textfarbe (Auswahl)</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Back Color Selection</source>
        <translation>Hintergrundfarbe (Auswahl)</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>Startordner</translation>
    </message>
    <message>
        <source>Export Location</source>
        <translation>Exportordner</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Grid Settings</source>
        <translation>Tabelleneinstellungen</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Gitterlinien anzeigen</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Column Settings</source>
        <translation>Spalteneinstellungen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
</context>
<context>
    <name>dlgSave</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Column Saperator</source>
        <translation>Spaltentrennzeichen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
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
