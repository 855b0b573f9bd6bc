<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
    <name>CellFormats</name>
    <message>
        <source>%1 page</source>
        <translation>%1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>pages: what they are worth</comment>
        <translation>%1 : %2</translation>
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
        <translation>--date nécessite --within ou --between</translation>
    </message>
    <message>
        <source>--within and --between cannot be used together</source>
        <translation>--within et --between ne peuvent pas être utilisées ensemble</translation>
    </message>
    <message>
        <source>--date takes created, modified or accessed, not &apos;%1&apos;</source>
        <translation>--date accepte created, modified ou accessed, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--within takes a number of days or months from 0 to %1</source>
        <translation>--within accepte un nombre de jours ou de mois de 0 à %1</translation>
    </message>
    <message>
        <source>--between takes two dates YYYY-MM-DD, the first not after the second</source>
        <translation>--between accepte deux dates YYYY-MM-DD, la première ne suivant pas la seconde</translation>
    </message>
    <message>
        <source>use only one of --size-at-least, --size-at-most and --size-between</source>
        <translation>n’utilisez qu’une seule des options --size-at-least, --size-at-most et --size-between</translation>
    </message>
    <message>
        <source>--size-between takes two sizes in KB, the first not above the second</source>
        <translation>--size-between accepte deux tailles en Ko, la première ne dépassant pas la seconde</translation>
    </message>
    <message>
        <source>--%1 takes a size in KB from 0 to %2</source>
        <translation>--%1 accepte une taille en Ko de 0 à %2</translation>
    </message>
    <message>
        <source>--format takes table, csv, tsv or jsonl, not &apos;%1&apos;</source>
        <translation>--format accepte table, csv, tsv ou jsonl, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--total and --folders cannot be used together</source>
        <translation>--total et --folders ne peuvent pas être utilisées ensemble</translation>
    </message>
    <message>
        <source>--format jsonl lists every file; it takes no --total or --folders</source>
        <translation>--format jsonl liste chaque fichier&#xa0;; il n’accepte ni --total ni --folders</translation>
    </message>
    <message>
        <source>--jobs takes a number from 0 to %1</source>
        <translation>--jobs accepte un nombre de 0 à %1</translation>
    </message>
    <message>
        <source>--no-cache and --recount cannot be used together</source>
        <translation>--no-cache et --recount ne peuvent pas être utilisées ensemble</translation>
    </message>
    <message>
        <source>Search the subfolders too.</source>
        <translation>Rechercher aussi dans les sous-dossiers.</translation>
    </message>
    <message>
        <source>Include hidden files.</source>
        <translation>Inclure les fichiers cachés.</translation>
    </message>
    <message>
        <source>File name patterns, separated by &apos;,&apos; or &apos;;&apos; (default %1; %2 for every file).</source>
        <translation>Motifs de noms de fichiers, séparés par &apos;,&apos; ou &apos;;&apos; (par défaut %1&#xa0;; %2 pour tous les fichiers).</translation>
    </message>
    <message>
        <source>Which date --within and --between test: created, modified (default) or accessed.</source>
        <extracomment>created, modified and accessed are the words the option takes: they stay in English.</extracomment>
        <translation>La date que testent --within et --between&#xa0;: created (création), modified (modification, par défaut) ou accessed (dernier accès).</translation>
    </message>
    <message>
        <source>Files whose date lies within the last N days or months (whole local days).</source>
        <extracomment>N names the option&apos;s value.</extracomment>
        <translation>Fichiers dont la date se situe dans les N derniers jours ou mois (jours entiers, heure locale).</translation>
    </message>
    <message>
        <source>Files whose date lies between two days, both included.</source>
        <translation>Fichiers dont la date se situe entre deux jours, tous deux inclus.</translation>
    </message>
    <message>
        <source>Files of at least KB kilobytes (sizes rounded up to whole KB).</source>
        <extracomment>KB names the option&apos;s value.</extracomment>
        <translation>Fichiers d’au moins KB kilo-octets (tailles arrondies au Ko supérieur).</translation>
    </message>
    <message>
        <source>Files of at most KB kilobytes.</source>
        <translation>Fichiers d’au plus KB kilo-octets.</translation>
    </message>
    <message>
        <source>Files of FROM to TO kilobytes.</source>
        <extracomment>FROM and TO name the option&apos;s two values.</extracomment>
        <translation>Fichiers de FROM à TO kilo-octets.</translation>
    </message>
    <message>
        <source>Output: table, csv or tsv (default table on a terminal, else tsv), or jsonl: a result file for brimfold-report.</source>
        <extracomment>table, csv, tsv and jsonl are the format names the option takes: they stay in English.</extracomment>
        <translation>Sortie&#xa0;: table, csv ou tsv (par défaut table dans un terminal, sinon tsv), ou jsonl&#xa0;: un fichier de résultats pour brimfold-report.</translation>
    </message>
    <message>
        <source>The host a result file names (default this machine&apos;s name).</source>
        <translation>L’hôte que nomme un fichier de résultats (par défaut le nom de cette machine).</translation>
    </message>
    <message>
        <source>Write only the totals: files, pages, unreadable files.</source>
        <translation>N’écrire que les totaux&#xa0;: fichiers, pages, fichiers illisibles.</translation>
    </message>
    <message>
        <source>Write one line per folder with files, then the totals.</source>
        <translation>Écrire une ligne par dossier contenant des fichiers, puis les totaux.</translation>
    </message>
    <message>
        <source>Requests in flight at once (default %1; 0 asks one at a time).</source>
        <translation>Requêtes menées en même temps (par défaut %1&#xa0;; 0 les fait une à une).</translation>
    </message>
    <message>
        <source>No progress line.</source>
        <translation>Pas de ligne de progression.</translation>
    </message>
    <message>
        <source>Show the progress line (default when standard error is a terminal).</source>
        <translation>Afficher la ligne de progression (par défaut quand la sortie d’erreur est un terminal).</translation>
    </message>
    <message>
        <source>Say on standard error how many counts came from the page-count cache.</source>
        <translation>Indiquer sur la sortie d’erreur combien de comptes viennent du cache du nombre de pages.</translation>
    </message>
    <message>
        <source>Neither read nor write the page-count cache: count every file.</source>
        <translation>Ni lire ni écrire le cache du nombre de pages&#xa0;: compter chaque fichier.</translation>
    </message>
    <message>
        <source>Count every file and replace what the page-count cache holds for it.</source>
        <translation>Compter chaque fichier et remplacer ce que le cache du nombre de pages contient pour lui.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Folders to search.</source>
        <translation>Dossiers où rechercher.</translation>
    </message>
    <message>
        <source>Finds TIFF files in each FOLDER, counts their pages and writes one line per file.</source>
        <extracomment>FOLDER names the program&apos;s arguments.</extracomment>
        <translation>Recherche les fichiers TIFF dans chaque FOLDER, compte leurs pages et écrit une ligne par fichier.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>aucun FOLDER indiqué</translation>
    </message>
</context>
<context>
    <name>CountReport</name>
    <message>
        <source>%1 file(s) found, %2 unreadable, Total Pages : %3</source>
        <translation>%1 fichier(s) trouvé(s), %2 illisible(s), Total des pages&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>CountRun</name>
    <message>
        <source>counting without the page-count cache: %1</source>
        <translation>comptage sans le cache du nombre de pages&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot search &apos;%1&apos;: it cannot be opened or read</source>
        <translation>impossible de parcourir «&#xa0;%1&#xa0;»&#xa0;: il ne peut être ni ouvert ni lu</translation>
    </message>
    <message>
        <source>%1 of %2 counts came from the page-count cache</source>
        <translation>%1 comptes sur %2 venaient du cache du nombre de pages</translation>
    </message>
    <message>
        <source>interrupted; partial totals: %1 files, %2 pages, %3 unreadable</source>
        <translation>interrompu&#xa0;; totaux partiels&#xa0;: %1 fichiers, %2 pages, %3 illisibles</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>impossible d’écrire la sortie&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Criteria</name>
    <message>
        <source>Any date</source>
        <translation>N&apos;importe quelle date</translation>
    </message>
    <message>
        <source>A date rule that cannot be read: no file passes</source>
        <translation>Une règle de date illisible : aucun fichier ne la remplit</translation>
    </message>
    <message>
        <source>%1 between %2 and %3</source>
        <translation>%1 du %2 au %3</translation>
    </message>
    <message>
        <source>%1 in the last %2 %3 (between %4 and %5)</source>
        <translation>%1 dans les %2 derniers %3 (du %4 au %5)</translation>
    </message>
    <message>
        <source>Any size</source>
        <translation>N&apos;importe quelle taille</translation>
    </message>
    <message>
        <source>A size rule that cannot be read: no file passes</source>
        <translation>Une règle de taille illisible : aucun fichier ne la remplit</translation>
    </message>
    <message>
        <source>Size between %1 and %2 KB</source>
        <translation>Taille entre %1 et %2 Ko</translation>
    </message>
    <message>
        <source>Size at least %1 KB</source>
        <translation>Taille d&apos;au moins %1 Ko</translation>
    </message>
    <message>
        <source>Size at most %1 KB</source>
        <translation>Taille d&apos;au plus %1 Ko</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Noms de fichier</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Sous-dossiers</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Fichiers cachés</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>CriteriaDefaults</name>
    <message>
        <source>Files Created</source>
        <translation>Fichiers créés</translation>
    </message>
    <message>
        <source>Files Modified</source>
        <translation>Fichiers modifiés</translation>
    </message>
    <message>
        <source>Files Last Accessed</source>
        <translation>Fichiers consultés</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>Jour(s)</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Least</source>
        <extracomment>&quot;Size at Least 100 KB&quot;: files of 100 KB or more</extracomment>
        <translation>Au moins</translation>
    </message>
    <message>
        <source>Most</source>
        <extracomment>&quot;Size at Most 100 KB&quot;: files of 100 KB or less</extracomment>
        <translation>Au plus</translation>
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
    <name>ExportRules</name>
    <message>
        <source>Text Document (*.txt)</source>
        <extracomment>Keep &quot;(*.txt)&quot; at the end as it is</extracomment>
        <translation>Document texte (*.txt)</translation>
    </message>
    <message>
        <source>Excel Worksheet (*.xls)</source>
        <extracomment>Keep &quot;(*.xls)&quot; at the end as it is</extracomment>
        <translation>Feuille de calcul Excel (*.xls)</translation>
    </message>
    <message>
        <source>Word Document (*.doc)</source>
        <extracomment>Keep &quot;(*.doc)&quot; at the end as it is</extracomment>
        <translation>Document Word (*.doc)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot; at the end as it is</extracomment>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>File Name must be specified.</source>
        <translation>Le nom de fichier doit être indiqué.</translation>
    </message>
    <message>
        <source>Column Saperator must be specified.</source>
        <translation>Le séparateur de colonnes doit être indiqué.</translation>
    </message>
</context>
<context>
    <name>FolderTotalColumns</name>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Illisibles</translation>
    </message>
    <message>
        <source>Unreadable files</source>
        <translation>Fichiers illisibles</translation>
    </message>
    <message>
        <source>A4-equivalent</source>
        <translation>Équivalent A4</translation>
    </message>
    <message>
        <source>A4-equivalent pages</source>
        <translation>Pages équivalent A4</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Color pages</source>
        <translation>Pages couleur</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Grayscale pages</source>
        <translation>Pages en niveaux de gris</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Black-and-white pages</source>
        <translation>Pages noir et blanc</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Mode inconnu</translation>
    </message>
    <message>
        <source>Pages of unknown mode</source>
        <translation>Pages de mode inconnu</translation>
    </message>
    <message>
        <source>Unknown size</source>
        <translation>Format inconnu</translation>
    </message>
    <message>
        <source>Pages of unknown size</source>
        <translation>Pages de format inconnu</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Formats</translation>
    </message>
</context>
<context>
    <name>FolderTotals</name>
    <message>
        <source>All folders</source>
        <translation>Tous les dossiers</translation>
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
    <name>GridModel</name>
    <message>
        <source>The column and row separators must be two different characters.</source>
        <translation>Les séparateurs de colonnes et de lignes doivent être deux caractères différents.</translation>
    </message>
    <message>
        <source>No device to write to.</source>
        <translation>Aucun périphérique où écrire.</translation>
    </message>
    <message>
        <source>The file name cannot be used: %1</source>
        <translation>Le nom de fichier ne peut pas être utilisé : %1</translation>
    </message>
    <message>
        <source>No device to read from.</source>
        <translation>Aucun périphérique d&apos;où lire.</translation>
    </message>
</context>
<context>
    <name>PageBreakdownWords</name>
    <message>
        <source>no resolution</source>
        <translation>aucune résolution</translation>
    </message>
    <message>
        <source>resolution is zero or no fraction</source>
        <translation>résolution nulle ou qui n&apos;est pas une fraction</translation>
    </message>
    <message>
        <source>implausible resolution</source>
        <translation>résolution invraisemblable</translation>
    </message>
    <message>
        <source>resolution has no unit</source>
        <translation>résolution sans unité</translation>
    </message>
    <message>
        <source>unknown resolution unit</source>
        <translation>unité de résolution inconnue</translation>
    </message>
    <message>
        <source>no width or length</source>
        <translation>largeur ou longueur absente</translation>
    </message>
    <message>
        <source>implausibly large</source>
        <translation>d&apos;une taille invraisemblable</translation>
    </message>
    <message>
        <source>a value lies past the end of the file</source>
        <translation>une valeur se trouve au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>a value lies far from the directory</source>
        <translation>une valeur se trouve loin du répertoire</translation>
    </message>
    <message>
        <source>no photometric interpretation</source>
        <translation>aucune interprétation photométrique</translation>
    </message>
    <message>
        <source>contradictory tags</source>
        <translation>balises contradictoires</translation>
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
        <translation>%1 page équivalent A4</translation>
    </message>
    <message>
        <source>%1 A4-equivalent pages</source>
        <translation>%1 pages équivalent A4</translation>
    </message>
    <message>
        <source>%1 (%2 × %3 mm)</source>
        <translation>%1 (%2 × %3 mm)</translation>
    </message>
    <message>
        <source>%1 × %2 landscape</source>
        <translation>%1 × %2 paysage</translation>
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
        <translation>Autre</translation>
    </message>
    <message>
        <source>Unknown size</source>
        <translation>Format inconnu</translation>
    </message>
    <message>
        <source>color</source>
        <extracomment>A capture mode, written after a count of pages: &quot;3 color, 2 black and white&quot;</extracomment>
        <translation>en couleur</translation>
    </message>
    <message>
        <source>grayscale</source>
        <translation>en niveaux de gris</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>en noir et blanc</translation>
    </message>
    <message>
        <source>unknown mode</source>
        <translation>en mode inconnu</translation>
    </message>
</context>
<context>
    <name>PageCountDatabase</name>
    <message>
        <source>the file is not this version&apos;s cache</source>
        <translation>le fichier n&apos;est pas le cache de cette version</translation>
    </message>
</context>
<context>
    <name>PageCounter</name>
    <message>
        <source>%1 reduced-resolution image</source>
        <translation>%1 image en résolution réduite</translation>
    </message>
    <message>
        <source>%1 reduced-resolution images</source>
        <translation>%1 images en résolution réduite</translation>
    </message>
    <message>
        <source>%1 transparency mask</source>
        <translation>%1 masque de transparence</translation>
    </message>
    <message>
        <source>%1 transparency masks</source>
        <translation>%1 masques de transparence</translation>
    </message>
    <message>
        <source>%1 and %2 not counted</source>
        <translation>Hors décompte : %1 et %2</translation>
    </message>
    <message>
        <source>%1 not counted</source>
        <translation>Hors décompte : %1</translation>
    </message>
    <message>
        <source>The pages could not be counted</source>
        <translation>Les pages n&apos;ont pas pu être comptées</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Empty file</source>
        <translation>Fichier vide</translation>
    </message>
    <message>
        <source>Not a TIFF file</source>
        <translation>Pas un fichier TIFF</translation>
    </message>
    <message>
        <source>The file ends inside its header</source>
        <translation>Le fichier se termine dans son en-tête</translation>
    </message>
    <message>
        <source>The first image directory lies outside the file</source>
        <translation>Le premier répertoire d&apos;image se trouve hors du fichier</translation>
    </message>
    <message>
        <source>Image directory %1 is cut off by the end of the file</source>
        <translation>Le répertoire d&apos;image %1 est coupé par la fin du fichier</translation>
    </message>
    <message>
        <source>The first image directory is empty</source>
        <translation>Le premier répertoire d&apos;image est vide</translation>
    </message>
    <message>
        <source>The first image directory has too many entries</source>
        <translation>Le premier répertoire d&apos;image a trop d&apos;entrées</translation>
    </message>
    <message>
        <source>The first image directory describes no image</source>
        <translation>Le premier répertoire d&apos;image ne décrit aucune image</translation>
    </message>
    <message>
        <source>The image directories overlap one another</source>
        <translation>Les répertoires d&apos;image se chevauchent</translation>
    </message>
    <message>
        <source>Too many image directories</source>
        <translation>Trop de répertoires d&apos;image</translation>
    </message>
    <message>
        <source>The file changed while it was read</source>
        <translation>Le fichier a changé pendant sa lecture</translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Start folder</source>
        <translation>Dossier de départ</translation>
    </message>
    <message>
        <source>No search has run</source>
        <translation>Aucune recherche n&apos;a été lancée</translation>
    </message>
    <message>
        <source>Search still running: the counts are partial</source>
        <translation>Recherche toujours en cours : les comptes sont partiels</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>Aucune raison indiquée</translation>
    </message>
    <message>
        <source>Page Report</source>
        <translation>Rapport de pages</translation>
    </message>
</context>
<context>
    <name>PageReportChart</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Mode inconnu</translation>
    </message>
    <message>
        <source>Files mixing sizes and modes</source>
        <translation>Fichiers mêlant formats et modes</translation>
    </message>
    <message>
        <source>No pages counted</source>
        <translation>Aucune page comptée</translation>
    </message>
</context>
<context>
    <name>PageReportDocument</name>
    <message>
        <source>Folder (below the start folder)</source>
        <translation>Dossier (sous le dossier de départ)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Only the rows selected in the results list</source>
        <translation>Seulement les lignes sélectionnées dans la liste des résultats</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Made</source>
        <extracomment>When the report was made: the day and time follow</extracomment>
        <translation>Créé le</translation>
    </message>
    <message>
        <source>By</source>
        <extracomment>Which program made the report: its name and version follow</extracomment>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>What was searched</source>
        <translation>Ce qui a été recherché</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Pages per size class and mode</source>
        <translation>Pages par classe de format et mode</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Unreadable files</source>
        <translation>Fichiers illisibles</translation>
    </message>
    <message>
        <source>Counting rules</source>
        <translation>Règles de comptage</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No file was unreadable</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>A page is one image of a TIFF file as its chain of image directories lists it; thumbnails and transparency masks are left out. A file whose pages could not be counted is listed as unreadable and adds no pages. A page&apos;s size is its pixel size divided by its resolution; without a usable resolution (missing, zero, below 20 or above 20,000 pixels per inch, or in no absolute unit) the size is unknown, never guessed. A page takes the nearest size class, either way round, when each side is within ISO 216&apos;s tolerance (2 mm on sides up to 600 mm, 3 mm above); a page 1728 pixels wide at 195 to 210 pixels per inch across and 98 or 196 lines per inch down is Fax; any other is Other. A4-equivalent pages: a page of unknown size or of at most the area of an A4 page is worth 1, a larger one its area over the A4 area less 0.05, rounded up (A3 is 2). A page of a size class counts with the class&apos;s own area, so an A0 scanned a few millimetres long is 16; Fax and Other pages count with their measured area. &quot;Captured in&quot; is the mode the file&apos;s tags give a page: color, grayscale or black and white (one bit per pixel).</source>
        <translation>Une page est une image d&apos;un fichier TIFF telle que la liste sa chaîne de répertoires d&apos;images ; les miniatures et les masques de transparence ne sont pas comptés. Un fichier dont les pages n&apos;ont pas pu être comptées est listé comme illisible et n&apos;ajoute aucune page. Le format d&apos;une page est sa taille en pixels divisée par sa résolution ; sans résolution utilisable (absente, nulle, inférieure à 20 ou supérieure à 20 000 pixels par pouce, ou sans unité absolue), le format est inconnu, jamais deviné. Une page prend la classe de format la plus proche, dans un sens ou dans l&apos;autre, lorsque chaque côté est dans la tolérance de l&apos;ISO 216 (2 mm pour les côtés jusqu&apos;à 600 mm, 3 mm au-delà) ; une page de 1728 pixels de large à 195 à 210 pixels par pouce en largeur et 98 ou 196 lignes par pouce en hauteur est Fax ; toute autre est Autre. Pages équivalent A4 : une page de format inconnu ou d&apos;une surface au plus égale à celle d&apos;une page A4 vaut 1, une page plus grande sa surface divisée par celle de l&apos;A4, moins 0,05, arrondie à l&apos;entier supérieur (une A3 vaut 2). Une page d&apos;une classe de format compte avec la surface propre à sa classe, de sorte qu&apos;un A0 numérisé quelques millimètres trop long vaut 16 ; les pages Fax et Autre comptent avec leur surface mesurée. « Capturé en » est le mode que les balises du fichier donnent à une page : couleur, niveaux de gris ou noir et blanc (un bit par pixel).</translation>
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
    <name>ParsedArguments</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d’informations.</translation>
    </message>
</context>
<context>
    <name>PosixDesktopServices</name>
    <message>
        <source>Not a valid file path.</source>
        <translation>Chemin de fichier non valide.</translation>
    </message>
</context>
<context>
    <name>PosixPageCountStore</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>others can write in %1</source>
        <translation>d&apos;autres utilisateurs peuvent écrire dans %1</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Copyright (C) 2026 The Brimfold developers.</source>
        <translation>Copyright (C) 2026 Les développeurs de Brimfold.</translation>
    </message>
    <message>
        <source>Copying or distributing this program without the maker&apos;s permission is not allowed.</source>
        <translation>La copie ou la distribution de ce programme sans l&apos;autorisation de son éditeur est interdite.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 files, %2 pages, %3 files/s, %4</source>
        <translation>%1 fichiers, %2 pages, %3 fichiers/s, %4</translation>
    </message>
</context>
<context>
    <name>ReportOptions</name>
    <message>
        <source>Make the page report of one or more result files of brimfold-count (--format jsonl), as the window&apos;s Page Report lays it out: what was searched, the totals by size and color, the pages per size class, a table per folder and the files that could not be counted. With no RESULT-FILE, or when it is -, reads standard input. Files from several hosts are merged, their folders named host:/folder.</source>
        <extracomment>RESULT-FILE, host:/folder and - are written as the command line takes them.</extracomment>
        <translation>Produit le rapport de pages d’un ou plusieurs fichiers de résultats de brimfold-count (--format jsonl), tel que le Rapport de pages de la fenêtre le présente&#xa0;: ce qui a été recherché, les totaux par format et par couleur, les pages par classe de format, un tableau par dossier et les fichiers qui n’ont pas pu être comptés. Sans RESULT-FILE, ou s’il vaut -, lit l’entrée standard. Les fichiers de plusieurs hôtes sont fusionnés, leurs dossiers nommés host:/folder.</translation>
    </message>
    <message>
        <source>write the report of everything read to FILE</source>
        <translation>écrire le rapport de tout ce qui a été lu dans FILE</translation>
    </message>
    <message>
        <source>the organisation line of the title block</source>
        <translation>la ligne d’organisation du bloc de titre</translation>
    </message>
    <message>
        <source>the reference line of the title block</source>
        <translation>la ligne de référence du bloc de titre</translation>
    </message>
    <message>
        <source>the paper (default: the locale&apos;s)</source>
        <translation>le papier (par défaut&#xa0;: celui des paramètres régionaux)</translation>
    </message>
    <message>
        <source>also write one report per folder DEPTH levels below the start folders (1: /srv/scans/acme gives acme.pdf), each with that folder&apos;s files alone, from every host</source>
        <extracomment>DEPTH names the option&apos;s value; /srv/scans/acme and acme.pdf are an example.</extracomment>
        <translation>écrire aussi un rapport par dossier situé DEPTH niveaux sous les dossiers de départ (1&#xa0;: /srv/scans/acme donne acme.pdf), chacun avec les seuls fichiers de ce dossier, de tous les hôtes</translation>
    </message>
    <message>
        <source>where those go (default: the folder of --output)</source>
        <translation>où les placer (par défaut&#xa0;: le dossier de --output)</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>la version du programme</translation>
    </message>
    <message>
        <source>Exit status: 0 when every report was written, 1 for a wrong command line, 2 for a result file that cannot be read (cut off, of a later version, not a result file, or a second one of the same host and folder) or a report that cannot be written; no report is then left half-written, and a file of the same name stays as it was.</source>
        <extracomment>0, 1 and 2 are the exit codes a script reads.</extracomment>
        <translation>Code de sortie&#xa0;: 0 quand chaque rapport a été écrit, 1 pour une ligne de commande erronée, 2 pour un fichier de résultats illisible (tronqué, d’une version ultérieure, qui n’est pas un fichier de résultats, ou un second du même hôte et du même dossier) ou un rapport qui ne peut être écrit&#xa0;; aucun rapport n’est alors laissé à moitié écrit, et un fichier du même nom reste tel qu’il était.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>say where the report goes with -o FILE</source>
        <translation>indiquez avec -o FILE où écrire le rapport</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper accepte a4 ou letter, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--per-folder takes a depth from 1 to %1</source>
        <translation>--per-folder accepte une profondeur de 1 à %1</translation>
    </message>
    <message>
        <source>--folder-reports needs --per-folder</source>
        <translation>--folder-reports nécessite --per-folder</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>l’entrée standard ne peut être lue qu’une fois</translation>
    </message>
</context>
<context>
    <name>ReportRun</name>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 holds the results of %2:%3 a second time; give each search once</source>
        <translation>%1 contient une seconde fois les résultats de %2:%3&#xa0;; donnez chaque recherche une seule fois</translation>
    </message>
    <message>
        <source>Start folder</source>
        <translation>Dossier de départ</translation>
    </message>
    <message>
        <source>cannot write %1: the name is not UTF-8</source>
        <translation>impossible d’écrire %1&#xa0;: le nom n’est pas en UTF-8</translation>
    </message>
    <message>
        <source>the PDF could not be written whole</source>
        <translation>le PDF n’a pas pu être écrit en entier</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the report of %1 would replace %2; name the whole report otherwise</source>
        <translation>le rapport de %1 remplacerait %2&#xa0;; nommez autrement le rapport complet</translation>
    </message>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>impossible de créer le dossier de %1</translation>
    </message>
</context>
<context>
    <name>ResultColumns</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Date de modification</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>ResultFile</name>
    <message>
        <source>the file ends inside a record</source>
        <translation>le fichier se termine au milieu d&apos;un enregistrement</translation>
    </message>
    <message>
        <source>not a result file of brimfold-count</source>
        <translation>pas un fichier de résultats de brimfold-count</translation>
    </message>
    <message>
        <source>not a record of a result file</source>
        <translation>pas un enregistrement d&apos;un fichier de résultats</translation>
    </message>
    <message>
        <source>a search begins before the last one&apos;s end record</source>
        <translation>une recherche commence avant l&apos;enregistrement de fin de la précédente</translation>
    </message>
    <message>
        <source>written in a later format (version %1; this program reads %2)</source>
        <translation>écrit dans un format plus récent (version %1 ; ce programme lit la %2)</translation>
    </message>
    <message>
        <source>a record after the end record</source>
        <translation>un enregistrement après l&apos;enregistrement de fin</translation>
    </message>
    <message>
        <source>the end record counts %1 files where %2 were read</source>
        <translation>l&apos;enregistrement de fin compte %1 fichiers alors que %2 ont été lus</translation>
    </message>
    <message>
        <source>a file&apos;s record without its name or pages</source>
        <translation>un enregistrement de fichier sans nom ni pages</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file ends before its end record</source>
        <translation>le fichier se termine avant son enregistrement de fin</translation>
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
    <name>SearchRecord</name>
    <message>
        <source>Search Terminated by User</source>
        <translation>Recherche interrompue par l&apos;utilisateur</translation>
    </message>
</context>
<context>
    <name>SearchRun</name>
    <message>
        <source>Searching %1</source>
        <translation>Recherche dans %1</translation>
    </message>
    <message>
        <source>%1 file(s) found</source>
        <translation>%1 fichier(s) trouvé(s)</translation>
    </message>
    <message>
        <source>Total Pages : %1</source>
        <translation>Total des pages : %1</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>In the status bar: the search has ended</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Aucun fichier trouvé</translation>
    </message>
    <message>
        <source>Waiting: every reading thread is held by files that do not answer</source>
        <translation>En attente : tous les threads de lecture sont bloqués par des fichiers qui ne répondent pas</translation>
    </message>
</context>
<context>
    <name>SelectionTotal</name>
    <message>
        <source>Selected : %1 file(s), %2 pages</source>
        <translation>Sélection : %1 fichier(s), %2 pages</translation>
    </message>
    <message>
        <source>Unreadable : %1 file(s)</source>
        <translation>Illisibles : %1 fichier(s)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Type mismatch</source>
        <extracomment>A stored setting is no number</extracomment>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>A stored setting is a number out of range</extracomment>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>SqlitePageCountCache</name>
    <message>
        <source>no cache folder is known (HOME and XDG_CACHE_HOME are unset)</source>
        <translation>aucun dossier de cache n&apos;est connu (HOME et XDG_CACHE_HOME ne sont pas définis)</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>%1 is on a network file system</source>
        <translation>%1 se trouve sur un système de fichiers réseau</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>the file %1 is damaged</source>
        <translation>le fichier %1 est endommagé</translation>
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
<context>
    <name>frmMain</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
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
