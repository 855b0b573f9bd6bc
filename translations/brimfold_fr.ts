<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d’informations.</translation>
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
