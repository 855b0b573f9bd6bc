<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CountOptions</name>
    <message>
        <source>--date needs --within or --between</source>
        <translation>--date necesita --within o --between</translation>
    </message>
    <message>
        <source>--within and --between cannot be used together</source>
        <translation>--within y --between no se pueden usar juntas</translation>
    </message>
    <message>
        <source>--date takes created, modified or accessed, not &apos;%1&apos;</source>
        <translation>--date admite created, modified o accessed, no «%1»</translation>
    </message>
    <message>
        <source>--within takes a number of days or months from 0 to %1</source>
        <translation>--within admite un número de días o meses de 0 a %1</translation>
    </message>
    <message>
        <source>--between takes two dates YYYY-MM-DD, the first not after the second</source>
        <translation>--between admite dos fechas YYYY-MM-DD, la primera no posterior a la segunda</translation>
    </message>
    <message>
        <source>use only one of --size-at-least, --size-at-most and --size-between</source>
        <translation>use solo una de --size-at-least, --size-at-most y --size-between</translation>
    </message>
    <message>
        <source>--size-between takes two sizes in KB, the first not above the second</source>
        <translation>--size-between admite dos tamaños en KB, el primero no mayor que el segundo</translation>
    </message>
    <message>
        <source>--%1 takes a size in KB from 0 to %2</source>
        <translation>--%1 admite un tamaño en KB de 0 a %2</translation>
    </message>
    <message>
        <source>--format takes table, csv, tsv or jsonl, not &apos;%1&apos;</source>
        <translation>--format admite table, csv, tsv o jsonl, no «%1»</translation>
    </message>
    <message>
        <source>--total and --folders cannot be used together</source>
        <translation>--total y --folders no se pueden usar juntas</translation>
    </message>
    <message>
        <source>--format jsonl lists every file; it takes no --total or --folders</source>
        <translation>--format jsonl enumera todos los archivos; no admite --total ni --folders</translation>
    </message>
    <message>
        <source>--jobs takes a number from 0 to %1</source>
        <translation>--jobs admite un número de 0 a %1</translation>
    </message>
    <message>
        <source>--no-cache and --recount cannot be used together</source>
        <translation>--no-cache y --recount no se pueden usar juntas</translation>
    </message>
    <message>
        <source>Search the subfolders too.</source>
        <translation>Busca también en las subcarpetas.</translation>
    </message>
    <message>
        <source>Include hidden files.</source>
        <translation>Incluye los archivos ocultos.</translation>
    </message>
    <message>
        <source>File name patterns, separated by &apos;,&apos; or &apos;;&apos; (default %1; %2 for every file).</source>
        <translation>Patrones de nombre de archivo, separados por &apos;,&apos; o &apos;;&apos; (predeterminado: %1; %2 para todos los archivos).</translation>
    </message>
    <message>
        <source>Which date --within and --between test: created, modified (default) or accessed.</source>
        <extracomment>created, modified and accessed are the words the option takes: they stay in English.</extracomment>
        <translation>Qué fecha comprueban --within y --between: created (creación), modified (modificación, predeterminada) o accessed (último acceso).</translation>
    </message>
    <message>
        <source>Files whose date lies within the last N days or months (whole local days).</source>
        <extracomment>N names the option&apos;s value.</extracomment>
        <translation>Archivos cuya fecha está dentro de los últimos N días o meses (días completos, hora local).</translation>
    </message>
    <message>
        <source>Files whose date lies between two days, both included.</source>
        <translation>Archivos cuya fecha está entre dos días, ambos incluidos.</translation>
    </message>
    <message>
        <source>Files of at least KB kilobytes (sizes rounded up to whole KB).</source>
        <extracomment>KB names the option&apos;s value.</extracomment>
        <translation>Archivos de al menos KB kilobytes (tamaños redondeados al KB superior).</translation>
    </message>
    <message>
        <source>Files of at most KB kilobytes.</source>
        <translation>Archivos de como máximo KB kilobytes.</translation>
    </message>
    <message>
        <source>Files of FROM to TO kilobytes.</source>
        <extracomment>FROM and TO name the option&apos;s two values.</extracomment>
        <translation>Archivos de FROM a TO kilobytes.</translation>
    </message>
    <message>
        <source>Output: table, csv or tsv (default table on a terminal, else tsv), or jsonl: a result file for brimfold-report.</source>
        <extracomment>table, csv, tsv and jsonl are the format names the option takes: they stay in English.</extracomment>
        <translation>Salida: table, csv o tsv (predeterminado: table en un terminal y tsv en otro caso), o jsonl: un archivo de resultados para brimfold-report.</translation>
    </message>
    <message>
        <source>The host a result file names (default this machine&apos;s name).</source>
        <translation>El host que indica un archivo de resultados (predeterminado: el nombre de este equipo).</translation>
    </message>
    <message>
        <source>Write only the totals: files, pages, unreadable files.</source>
        <translation>Escribe solo los totales: archivos, páginas, archivos ilegibles.</translation>
    </message>
    <message>
        <source>Write one line per folder with files, then the totals.</source>
        <translation>Escribe una línea por cada carpeta con archivos y después los totales.</translation>
    </message>
    <message>
        <source>Requests in flight at once (default %1; 0 asks one at a time).</source>
        <translation>Solicitudes en curso a la vez (predeterminado: %1; 0 las hace de una en una).</translation>
    </message>
    <message>
        <source>No progress line.</source>
        <translation>Sin línea de progreso.</translation>
    </message>
    <message>
        <source>Show the progress line (default when standard error is a terminal).</source>
        <translation>Muestra la línea de progreso (predeterminado cuando la salida de error es un terminal).</translation>
    </message>
    <message>
        <source>Say on standard error how many counts came from the page-count cache.</source>
        <translation>Indica en la salida de error cuántos recuentos proceden de la caché de recuento de páginas.</translation>
    </message>
    <message>
        <source>Neither read nor write the page-count cache: count every file.</source>
        <translation>No lee ni escribe la caché de recuento de páginas: cuenta todos los archivos.</translation>
    </message>
    <message>
        <source>Count every file and replace what the page-count cache holds for it.</source>
        <translation>Cuenta todos los archivos y reemplaza lo que la caché de recuento de páginas guarda de cada uno.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Folders to search.</source>
        <translation>Carpetas en las que buscar.</translation>
    </message>
    <message>
        <source>Finds TIFF files in each FOLDER, counts their pages and writes one line per file.</source>
        <extracomment>FOLDER names the program&apos;s arguments.</extracomment>
        <translation>Busca archivos TIFF en cada FOLDER, cuenta sus páginas y escribe una línea por archivo.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>no se ha indicado ningún FOLDER</translation>
    </message>
</context>
<context>
    <name>CountReport</name>
    <message>
        <source>%1 file(s) found, %2 unreadable, Total Pages : %3</source>
        <translation>%1 archivo(s) encontrado(s), %2 ilegible(s), Total de páginas: %3</translation>
    </message>
</context>
<context>
    <name>CountRun</name>
    <message>
        <source>counting without the page-count cache: %1</source>
        <translation>recuento sin la caché de recuento de páginas: %1</translation>
    </message>
    <message>
        <source>cannot search &apos;%1&apos;: it cannot be opened or read</source>
        <translation>no se puede buscar en «%1»: no se puede abrir ni leer</translation>
    </message>
    <message>
        <source>%1 of %2 counts came from the page-count cache</source>
        <translation>%1 de %2 recuentos procedían de la caché de recuento de páginas</translation>
    </message>
    <message>
        <source>interrupted; partial totals: %1 files, %2 pages, %3 unreadable</source>
        <translation>interrumpido; totales parciales: %1 archivos, %2 páginas, %3 ilegibles</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>no se puede escribir la salida: %1</translation>
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
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 files, %2 pages, %3 files/s, %4</source>
        <translation>%1 archivos, %2 páginas, %3 archivos/s, %4</translation>
    </message>
</context>
<context>
    <name>ReportOptions</name>
    <message>
        <source>Make the page report of one or more result files of brimfold-count (--format jsonl), as the window&apos;s Page Report lays it out: what was searched, the totals by size and color, the pages per size class, a table per folder and the files that could not be counted. With no RESULT-FILE, or when it is -, reads standard input. Files from several hosts are merged, their folders named host:/folder.</source>
        <extracomment>RESULT-FILE, host:/folder and - are written as the command line takes them.</extracomment>
        <translation>Genera el informe de páginas de uno o más archivos de resultados de brimfold-count (--format jsonl), tal como lo presenta el Informe de páginas de la ventana: lo que se buscó, los totales por tamaño y color, las páginas por clase de tamaño, una tabla por carpeta y los archivos que no se pudieron contar. Sin RESULT-FILE, o cuando es -, lee la entrada estándar. Los archivos de varios hosts se combinan y sus carpetas se nombran host:/folder.</translation>
    </message>
    <message>
        <source>write the report of everything read to FILE</source>
        <translation>escribe el informe de todo lo leído en FILE</translation>
    </message>
    <message>
        <source>the organisation line of the title block</source>
        <translation>la línea de organización del bloque de título</translation>
    </message>
    <message>
        <source>the reference line of the title block</source>
        <translation>la línea de referencia del bloque de título</translation>
    </message>
    <message>
        <source>the paper (default: the locale&apos;s)</source>
        <translation>el papel (predeterminado: el de la configuración regional)</translation>
    </message>
    <message>
        <source>also write one report per folder DEPTH levels below the start folders (1: /srv/scans/acme gives acme.pdf), each with that folder&apos;s files alone, from every host</source>
        <extracomment>DEPTH names the option&apos;s value; /srv/scans/acme and acme.pdf are an example.</extracomment>
        <translation>escribe además un informe por cada carpeta situada DEPTH niveles por debajo de las carpetas de inicio (1: /srv/scans/acme da acme.pdf), cada uno solo con los archivos de esa carpeta, de todos los hosts</translation>
    </message>
    <message>
        <source>where those go (default: the folder of --output)</source>
        <translation>dónde se guardan (predeterminado: la carpeta de --output)</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>esta ayuda</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>la versión del programa</translation>
    </message>
    <message>
        <source>Exit status: 0 when every report was written, 1 for a wrong command line, 2 for a result file that cannot be read (cut off, of a later version, not a result file, or a second one of the same host and folder) or a report that cannot be written; no report is then left half-written, and a file of the same name stays as it was.</source>
        <extracomment>0, 1 and 2 are the exit codes a script reads.</extracomment>
        <translation>Estado de salida: 0 cuando se escribieron todos los informes, 1 si la línea de órdenes es incorrecta, 2 si un archivo de resultados no se puede leer (cortado, de una versión posterior, no es un archivo de resultados o es un segundo del mismo host y carpeta) o un informe no se puede escribir; en ese caso no queda ningún informe a medio escribir y un archivo del mismo nombre queda como estaba.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>say where the report goes with -o FILE</source>
        <translation>indique con -o FILE dónde guardar el informe</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper admite a4 o letter, no «%1»</translation>
    </message>
    <message>
        <source>--per-folder takes a depth from 1 to %1</source>
        <translation>--per-folder admite una profundidad de 1 a %1</translation>
    </message>
    <message>
        <source>--folder-reports needs --per-folder</source>
        <translation>--folder-reports necesita --per-folder</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>la entrada estándar solo se puede leer una vez</translation>
    </message>
</context>
<context>
    <name>ReportRun</name>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 holds the results of %2:%3 a second time; give each search once</source>
        <translation>%1 contiene por segunda vez los resultados de %2:%3; indique cada búsqueda una sola vez</translation>
    </message>
    <message>
        <source>Start folder</source>
        <translation>Carpeta de inicio</translation>
    </message>
    <message>
        <source>cannot write %1: the name is not UTF-8</source>
        <translation>no se puede escribir %1: el nombre no está en UTF-8</translation>
    </message>
    <message>
        <source>the PDF could not be written whole</source>
        <translation>el PDF no se pudo escribir completo</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the report of %1 would replace %2; name the whole report otherwise</source>
        <translation>el informe de %1 reemplazaría %2; dé otro nombre al informe completo</translation>
    </message>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>no se puede crear la carpeta de %1</translation>
    </message>
</context>
<context>
    <name>SearchBar</name>
    <message>
        <source>Include Subfolder</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>Mostrar archivos ocultos</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Hide Advance Options</source>
        <translation>Ocultar opciones avanzadas</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Show Advance Option</source>
        <translation>Mostrar opciones avanzadas</translation>
    </message>
    <message>
        <source>Hide Advance Option</source>
        <translation>Ocultar opciones avanzadas</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <extracomment>A date pattern (dddd weekday, MMMM month name, dd day, yyyy year).</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Total Pages : %1</source>
        <translation>Total de páginas: %1</translation>
    </message>
    <message>
        <source>No files found to export.</source>
        <translation>No se encontraron archivos para exportar.</translation>
    </message>
    <message>
        <source>Meta Data exported successfully to %1</source>
        <translation>Metadatos exportados correctamente a %1</translation>
    </message>
    <message>
        <source>Unable to export data.</source>
        <translation>No se pudieron exportar los datos.</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>¿Seguro que desea eliminar los archivos seleccionados?</translation>
    </message>
    <message>
        <source>Unable to delete file %1</source>
        <translation>No se pudo eliminar el archivo %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propiedades...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Show Containing Folder</source>
        <translation>Mostrar la carpeta contenedora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Invertir la selección</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Folder Totals...</source>
        <translation>Totales por carpeta...</translation>
    </message>
    <message>
        <source>Page Report...</source>
        <translation>Informe de páginas...</translation>
    </message>
    <message>
        <source>Recount Pages</source>
        <translation>Volver a contar las páginas</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>Brimfold Website</source>
        <translation>Sitio web de Brimfold</translation>
    </message>
    <message>
        <source>Brimfold Help</source>
        <extracomment>The Help menu&apos;s entry for the help pages, which are in English only: please say so, e.g. &quot;Brimfold-Hilfe (auf Englisch)&quot;.</extracomment>
        <translation>Ayuda de Brimfold (en inglés)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>%1 of %2 page counts came from the page-count cache</source>
        <translation>%1 de %2 recuentos de páginas proceden de la caché de recuentos de páginas</translation>
    </message>
    <message>
        <source>Page counts not remembered: %1</source>
        <translation>Recuentos de páginas no guardados: %1</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Website: %1</source>
        <translation>Sitio web: %1</translation>
    </message>
    <message>
        <source>Support at: %1</source>
        <translation>Soporte: %1</translation>
    </message>
</context>
<context>
    <name>modGlobal</name>
    <message>
        <source>Error occured while reading setting parameters.</source>
        <translation>Se produjo un error al leer los parámetros de configuración.</translation>
    </message>
</context>
</TS>
