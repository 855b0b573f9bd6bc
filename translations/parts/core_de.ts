<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
</TS>
