<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AdvancedOptionsPanel</name>
    <message>
        <source>Advance Search Options</source>
        <translation>Opciones de búsqueda avanzada</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Turns the date criteria on</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>in the last</source>
        <extracomment>Followed by a number and a unit: files created, modified or accessed in the last 7 days</extracomment>
        <translation>en los últimos</translation>
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
        <translation>y</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Turns the size criteria on</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>Followed by a list of &quot;Least&quot; and &quot;Most&quot;, a number and &quot;KB&quot;: at least 100 KB</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>KB</source>
        <extracomment>Kilobytes</extracomment>
        <translation>KB</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Joins the two sizes after &quot;between&quot;: between 10 to 20 KB</extracomment>
        <translation>y</translation>
    </message>
</context>
<context>
    <name>CellFormats</name>
    <message>
        <source>%1 page</source>
        <translation>%1 página</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 páginas</translation>
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
    <name>Criteria</name>
    <message>
        <source>Any date</source>
        <translation>Cualquier fecha</translation>
    </message>
    <message>
        <source>A date rule that cannot be read: no file passes</source>
        <translation>Una regla de fecha que no se puede leer: ningún archivo la cumple</translation>
    </message>
    <message>
        <source>%1 between %2 and %3</source>
        <translation>%1 del %2 al %3</translation>
    </message>
    <message>
        <source>%1 in the last %2 %3 (between %4 and %5)</source>
        <translation>%1 en los últimos %2 %3 (del %4 al %5)</translation>
    </message>
    <message>
        <source>Any size</source>
        <translation>Cualquier tamaño</translation>
    </message>
    <message>
        <source>A size rule that cannot be read: no file passes</source>
        <translation>Una regla de tamaño que no se puede leer: ningún archivo la cumple</translation>
    </message>
    <message>
        <source>Size between %1 and %2 KB</source>
        <translation>Tamaño entre %1 y %2 KB</translation>
    </message>
    <message>
        <source>Size at least %1 KB</source>
        <translation>Tamaño de al menos %1 KB</translation>
    </message>
    <message>
        <source>Size at most %1 KB</source>
        <translation>Tamaño de como máximo %1 KB</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nombres de archivo</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Subcarpetas</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>Archivos ocultos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>CriteriaDefaults</name>
    <message>
        <source>Files Created</source>
        <translation>Archivos creados</translation>
    </message>
    <message>
        <source>Files Modified</source>
        <translation>Archivos modificados</translation>
    </message>
    <message>
        <source>Files Last Accessed</source>
        <translation>Archivos con último acceso</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>Día(s)</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>Mes(es)</translation>
    </message>
    <message>
        <source>Least</source>
        <extracomment>&quot;Size at Least 100 KB&quot;: files of 100 KB or more</extracomment>
        <translation>Al menos</translation>
    </message>
    <message>
        <source>Most</source>
        <extracomment>&quot;Size at Most 100 KB&quot;: files of 100 KB or less</extracomment>
        <translation>Como máximo</translation>
    </message>
</context>
<context>
    <name>DesktopLinks</name>
    <message>
        <source>No application is set up to open %1.</source>
        <translation>No hay ninguna aplicación configurada para abrir %1.</translation>
    </message>
</context>
<context>
    <name>ExportRules</name>
    <message>
        <source>Text Document (*.txt)</source>
        <extracomment>Keep &quot;(*.txt)&quot; at the end as it is</extracomment>
        <translation>Documento de texto (*.txt)</translation>
    </message>
    <message>
        <source>Excel Worksheet (*.xls)</source>
        <extracomment>Keep &quot;(*.xls)&quot; at the end as it is</extracomment>
        <translation>Hoja de cálculo de Excel (*.xls)</translation>
    </message>
    <message>
        <source>Word Document (*.doc)</source>
        <extracomment>Keep &quot;(*.doc)&quot; at the end as it is</extracomment>
        <translation>Documento de Word (*.doc)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot; at the end as it is</extracomment>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>File Name must be specified.</source>
        <translation>Se debe indicar el nombre de archivo.</translation>
    </message>
    <message>
        <source>Column Saperator must be specified.</source>
        <translation>Se debe indicar el separador de columnas.</translation>
    </message>
</context>
<context>
    <name>FolderTotalColumns</name>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Ilegibles</translation>
    </message>
    <message>
        <source>Unreadable files</source>
        <translation>Archivos ilegibles</translation>
    </message>
    <message>
        <source>A4-equivalent</source>
        <translation>Equivalente A4</translation>
    </message>
    <message>
        <source>A4-equivalent pages</source>
        <translation>Páginas equivalentes A4</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Color pages</source>
        <translation>Páginas en color</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Grayscale pages</source>
        <translation>Páginas en escala de grises</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Black-and-white pages</source>
        <translation>Páginas en blanco y negro</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Modo desconocido</translation>
    </message>
    <message>
        <source>Pages of unknown mode</source>
        <translation>Páginas de modo desconocido</translation>
    </message>
    <message>
        <source>Unknown size</source>
        <translation>Sin tamaño conocido</translation>
    </message>
    <message>
        <source>Pages of unknown size</source>
        <translation>Páginas de tamaño desconocido</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Tamaños</translation>
    </message>
</context>
<context>
    <name>FolderTotals</name>
    <message>
        <source>All folders</source>
        <translation>Todas las carpetas</translation>
    </message>
</context>
<context>
    <name>FolderTotalsWindow</name>
    <message>
        <source>Folder Totals</source>
        <translation>Totales por carpeta</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Export Folder Totals</source>
        <translation>Exportar totales por carpeta</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>Archivo CSV</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>Could not export to %1: %2</source>
        <translation>No se pudo exportar a %1: %2</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <source>The column and row separators must be two different characters.</source>
        <translation>Los separadores de columnas y de filas deben ser dos caracteres distintos.</translation>
    </message>
    <message>
        <source>No device to write to.</source>
        <translation>No hay ningún dispositivo en el que escribir.</translation>
    </message>
    <message>
        <source>The file name cannot be used: %1</source>
        <translation>No se puede usar el nombre de archivo: %1</translation>
    </message>
    <message>
        <source>No device to read from.</source>
        <translation>No hay ningún dispositivo del que leer.</translation>
    </message>
</context>
<context>
    <name>PageBreakdownWords</name>
    <message>
        <source>no resolution</source>
        <translation>sin resolución</translation>
    </message>
    <message>
        <source>resolution is zero or no fraction</source>
        <translation>la resolución es cero o no es una fracción</translation>
    </message>
    <message>
        <source>implausible resolution</source>
        <translation>resolución inverosímil</translation>
    </message>
    <message>
        <source>resolution has no unit</source>
        <translation>la resolución no tiene unidad</translation>
    </message>
    <message>
        <source>unknown resolution unit</source>
        <translation>unidad de resolución desconocida</translation>
    </message>
    <message>
        <source>no width or length</source>
        <translation>falta la anchura o la longitud</translation>
    </message>
    <message>
        <source>implausibly large</source>
        <translation>inverosímilmente grande</translation>
    </message>
    <message>
        <source>a value lies past the end of the file</source>
        <translation>un valor está más allá del final del archivo</translation>
    </message>
    <message>
        <source>a value lies far from the directory</source>
        <translation>un valor está lejos del directorio</translation>
    </message>
    <message>
        <source>no photometric interpretation</source>
        <translation>sin interpretación fotométrica</translation>
    </message>
    <message>
        <source>contradictory tags</source>
        <translation>etiquetas contradictorias</translation>
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
        <translation>%1 página equivalente A4</translation>
    </message>
    <message>
        <source>%1 A4-equivalent pages</source>
        <translation>%1 páginas equivalentes A4</translation>
    </message>
    <message>
        <source>%1 (%2 × %3 mm)</source>
        <translation>%1 (%2 × %3 mm)</translation>
    </message>
    <message>
        <source>%1 × %2 landscape</source>
        <translation>%1 × %2 horizontal</translation>
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
        <translation>Otro</translation>
    </message>
    <message>
        <source>Unknown size</source>
        <translation>Tamaño desconocido</translation>
    </message>
    <message>
        <source>color</source>
        <extracomment>A capture mode, written after a count of pages: &quot;3 color, 2 black and white&quot;</extracomment>
        <translation>en color</translation>
    </message>
    <message>
        <source>grayscale</source>
        <translation>en escala de grises</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>en blanco y negro</translation>
    </message>
    <message>
        <source>unknown mode</source>
        <translation>en modo desconocido</translation>
    </message>
</context>
<context>
    <name>PageCountDatabase</name>
    <message>
        <source>the file is not this version&apos;s cache</source>
        <translation>el archivo no es la caché de esta versión</translation>
    </message>
</context>
<context>
    <name>PageCounter</name>
    <message>
        <source>%1 reduced-resolution image</source>
        <translation>%1 imagen de resolución reducida</translation>
    </message>
    <message>
        <source>%1 reduced-resolution images</source>
        <translation>%1 imágenes de resolución reducida</translation>
    </message>
    <message>
        <source>%1 transparency mask</source>
        <translation>%1 máscara de transparencia</translation>
    </message>
    <message>
        <source>%1 transparency masks</source>
        <translation>%1 máscaras de transparencia</translation>
    </message>
    <message>
        <source>%1 and %2 not counted</source>
        <translation>Sin contar: %1 y %2</translation>
    </message>
    <message>
        <source>%1 not counted</source>
        <translation>Sin contar: %1</translation>
    </message>
    <message>
        <source>The pages could not be counted</source>
        <translation>No se pudieron contar las páginas</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Empty file</source>
        <translation>Archivo vacío</translation>
    </message>
    <message>
        <source>Not a TIFF file</source>
        <translation>No es un archivo TIFF</translation>
    </message>
    <message>
        <source>The file ends inside its header</source>
        <translation>El archivo termina dentro de su cabecera</translation>
    </message>
    <message>
        <source>The first image directory lies outside the file</source>
        <translation>El primer directorio de imagen está fuera del archivo</translation>
    </message>
    <message>
        <source>Image directory %1 is cut off by the end of the file</source>
        <translation>El directorio de imagen %1 queda cortado por el final del archivo</translation>
    </message>
    <message>
        <source>The first image directory is empty</source>
        <translation>El primer directorio de imagen está vacío</translation>
    </message>
    <message>
        <source>The first image directory has too many entries</source>
        <translation>El primer directorio de imagen tiene demasiadas entradas</translation>
    </message>
    <message>
        <source>The first image directory describes no image</source>
        <translation>El primer directorio de imagen no describe ninguna imagen</translation>
    </message>
    <message>
        <source>The image directories overlap one another</source>
        <translation>Los directorios de imagen se solapan entre sí</translation>
    </message>
    <message>
        <source>Too many image directories</source>
        <translation>Demasiados directorios de imagen</translation>
    </message>
    <message>
        <source>The file changed while it was read</source>
        <translation>El archivo cambió mientras se leía</translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Start folder</source>
        <translation>Carpeta de inicio</translation>
    </message>
    <message>
        <source>No search has run</source>
        <translation>No se ha realizado ninguna búsqueda</translation>
    </message>
    <message>
        <source>Search still running: the counts are partial</source>
        <translation>La búsqueda sigue en curso: los recuentos son parciales</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>No se indica el motivo</translation>
    </message>
    <message>
        <source>Page Report</source>
        <translation>Informe de páginas</translation>
    </message>
</context>
<context>
    <name>PageReportChart</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>Modo desconocido</translation>
    </message>
    <message>
        <source>Files mixing sizes and modes</source>
        <translation>Archivos que mezclan tamaños y modos</translation>
    </message>
    <message>
        <source>No pages counted</source>
        <translation>No se ha contado ninguna página</translation>
    </message>
</context>
<context>
    <name>PageReportDocument</name>
    <message>
        <source>Folder (below the start folder)</source>
        <translation>Carpeta (bajo la carpeta de inicio)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Only the rows selected in the results list</source>
        <translation>Solo las filas seleccionadas en la lista de resultados</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Made</source>
        <extracomment>When the report was made: the day and time follow</extracomment>
        <translation>Creado</translation>
    </message>
    <message>
        <source>By</source>
        <extracomment>Which program made the report: its name and version follow</extracomment>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>What was searched</source>
        <translation>Qué se buscó</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Pages per size class and mode</source>
        <translation>Páginas por clase de tamaño y modo</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Unreadable files</source>
        <translation>Archivos ilegibles</translation>
    </message>
    <message>
        <source>Counting rules</source>
        <translation>Reglas de recuento</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No file was unreadable</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>A page is one image of a TIFF file as its chain of image directories lists it; thumbnails and transparency masks are left out. A file whose pages could not be counted is listed as unreadable and adds no pages. A page&apos;s size is its pixel size divided by its resolution; without a usable resolution (missing, zero, below 20 or above 20,000 pixels per inch, or in no absolute unit) the size is unknown, never guessed. A page takes the nearest size class, either way round, when each side is within ISO 216&apos;s tolerance (2 mm on sides up to 600 mm, 3 mm above); a page 1728 pixels wide at 195 to 210 pixels per inch across and 98 or 196 lines per inch down is Fax; any other is Other. A4-equivalent pages: a page of unknown size or of at most the area of an A4 page is worth 1, a larger one its area over the A4 area less 0.05, rounded up (A3 is 2). A page of a size class counts with the class&apos;s own area, so an A0 scanned a few millimetres long is 16; Fax and Other pages count with their measured area. &quot;Captured in&quot; is the mode the file&apos;s tags give a page: color, grayscale or black and white (one bit per pixel).</source>
        <translation>Una página es una imagen de un archivo TIFF tal como la enumera su cadena de directorios de imagen; las miniaturas y las máscaras de transparencia no se cuentan. Un archivo cuyas páginas no se pudieron contar figura como ilegible y no suma páginas. El tamaño de una página es su tamaño en píxeles dividido entre su resolución; sin una resolución utilizable (ausente, cero, inferior a 20 o superior a 20 000 píxeles por pulgada, o sin unidad absoluta) el tamaño es desconocido, nunca se adivina. Una página toma la clase de tamaño más cercana, en cualquier orientación, cuando cada lado está dentro de la tolerancia de la ISO 216 (2 mm en lados de hasta 600 mm, 3 mm por encima); una página de 1728 píxeles de ancho con 195 a 210 píxeles por pulgada en horizontal y 98 o 196 líneas por pulgada en vertical es Fax; cualquier otra es Otro. Páginas equivalentes A4: una página de tamaño desconocido o con una superficie no mayor que la de una página A4 vale 1; una mayor, su superficie dividida entre la de una A4, menos 0,05, redondeada hacia arriba (una A3 vale 2). Una página de una clase de tamaño cuenta con la superficie propia de su clase, de modo que un A0 escaneado unos milímetros más largo vale 16; las páginas Fax y Otro cuentan con su superficie medida. «Capturado en» es el modo que las etiquetas del archivo asignan a una página: color, escala de grises o blanco y negro (un bit por píxel).</translation>
    </message>
</context>
<context>
    <name>PageReportWindow</name>
    <message>
        <source>Selected rows only</source>
        <translation>Solo las filas seleccionadas</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Anterior</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>Guardar PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>Organización:</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Referencia:</translation>
    </message>
    <message>
        <source>Save Page Report</source>
        <translation>Guardar informe de páginas</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Could not save the organisation and reference lines to %1</source>
        <translation>No se pudieron guardar las líneas de organización y referencia en %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>Guardando %1...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Not saved: cancelled</source>
        <translation>No guardado: cancelado</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>no se pudo escribir el PDF</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Imprimiendo...</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Enviado a la impresora</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>No impreso</translation>
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
    <name>PosixDesktopServices</name>
    <message>
        <source>Not a valid file path.</source>
        <translation>No es una ruta de archivo válida.</translation>
    </message>
</context>
<context>
    <name>PosixPageCountStore</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>others can write in %1</source>
        <translation>otros usuarios pueden escribir en %1</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Copyright (C) 2026 The Brimfold developers.</source>
        <translation>Copyright (C) 2026 Los desarrolladores de Brimfold.</translation>
    </message>
    <message>
        <source>Copying or distributing this program without the maker&apos;s permission is not allowed.</source>
        <translation>No se permite copiar ni distribuir este programa sin el permiso del fabricante.</translation>
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
    <name>ResultColumns</name>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>Fecha de modificación</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
</context>
<context>
    <name>ResultFile</name>
    <message>
        <source>the file ends inside a record</source>
        <translation>el archivo termina dentro de un registro</translation>
    </message>
    <message>
        <source>not a result file of brimfold-count</source>
        <translation>no es un archivo de resultados de brimfold-count</translation>
    </message>
    <message>
        <source>not a record of a result file</source>
        <translation>no es un registro de un archivo de resultados</translation>
    </message>
    <message>
        <source>a search begins before the last one&apos;s end record</source>
        <translation>una búsqueda empieza antes del registro final de la anterior</translation>
    </message>
    <message>
        <source>written in a later format (version %1; this program reads %2)</source>
        <translation>escrito en un formato posterior (versión %1; este programa lee la %2)</translation>
    </message>
    <message>
        <source>a record after the end record</source>
        <translation>un registro después del registro final</translation>
    </message>
    <message>
        <source>the end record counts %1 files where %2 were read</source>
        <translation>el registro final cuenta %1 archivos, pero se leyeron %2</translation>
    </message>
    <message>
        <source>a file&apos;s record without its name or pages</source>
        <translation>un registro de archivo sin nombre o sin páginas</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file ends before its end record</source>
        <translation>el archivo termina antes de su registro final</translation>
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
    <name>SearchRecord</name>
    <message>
        <source>Search Terminated by User</source>
        <translation>Búsqueda cancelada por el usuario</translation>
    </message>
</context>
<context>
    <name>SearchRun</name>
    <message>
        <source>Searching %1</source>
        <translation>Buscando en %1</translation>
    </message>
    <message>
        <source>%1 file(s) found</source>
        <translation>%1 archivo(s) encontrado(s)</translation>
    </message>
    <message>
        <source>Total Pages : %1</source>
        <translation>Total de páginas: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>In the status bar: the search has ended</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>No se encontró ningún archivo</translation>
    </message>
    <message>
        <source>Waiting: every reading thread is held by files that do not answer</source>
        <translation>Esperando: todos los hilos de lectura están ocupados por archivos que no responden</translation>
    </message>
</context>
<context>
    <name>SelectionTotal</name>
    <message>
        <source>Selected : %1 file(s), %2 pages</source>
        <translation>Seleccionado: %1 archivo(s), %2 páginas</translation>
    </message>
    <message>
        <source>Unreadable : %1 file(s)</source>
        <translation>Ilegibles: %1 archivo(s)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Type mismatch</source>
        <extracomment>A stored setting is no number</extracomment>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>A stored setting is a number out of range</extracomment>
        <translation>Desbordamiento</translation>
    </message>
</context>
<context>
    <name>SqlitePageCountCache</name>
    <message>
        <source>no cache folder is known (HOME and XDG_CACHE_HOME are unset)</source>
        <translation>no se conoce ninguna carpeta de caché (HOME y XDG_CACHE_HOME no están definidas)</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>%1 is on a network file system</source>
        <translation>%1 está en un sistema de archivos de red</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>the file %1 is damaged</source>
        <translation>el archivo %1 está dañado</translation>
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
    <name>dlgAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Copying or distributing it, in whole or in part, without the maker&apos;s permission is not allowed and may be prosecuted.</source>
        <translation>Advertencia: este programa está protegido por las leyes de derechos de autor. Su copia o distribución, total o parcial, sin el permiso del fabricante no está permitida y puede ser perseguida.</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Info. del sistema...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>dlgPreferences</name>
    <message>
        <source>Flat</source>
        <extracomment>A style of grid lines: plain lines</extracomment>
        <translation>Plano</translation>
    </message>
    <message>
        <source>Inset</source>
        <extracomment>A style of grid lines: cells look pressed in</extracomment>
        <translation>Hundido</translation>
    </message>
    <message>
        <source>Raised</source>
        <extracomment>A style of grid lines: cells look raised</extracomment>
        <translation>En relieve</translation>
    </message>
    <message>
        <source>Flat Horizontal</source>
        <translation>Plano horizontal</translation>
    </message>
    <message>
        <source>Inset Horizontal</source>
        <translation>Hundido horizontal</translation>
    </message>
    <message>
        <source>Raised Horizontal</source>
        <translation>En relieve horizontal</translation>
    </message>
    <message>
        <source>Flat Vertical</source>
        <translation>Plano vertical</translation>
    </message>
    <message>
        <source>Inset Vertical</source>
        <translation>Hundido vertical</translation>
    </message>
    <message>
        <source>Raised Vertical</source>
        <translation>En relieve vertical</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Explorador</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Sr#</source>
        <extracomment>Header of the column numbering the rows</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Column Name</source>
        <translation>Nombre de columna</translation>
    </message>
    <message>
        <source>Visible</source>
        <extracomment>Header of the column of check boxes that show or hide a results column</extracomment>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Select Startup Folder</source>
        <translation>Seleccionar carpeta de inicio</translation>
    </message>
    <message>
        <source>Bitmap Image</source>
        <translation>Imagen de mapa de bits</translation>
    </message>
    <message>
        <source>JPEG Image</source>
        <translation>Imagen JPEG</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>Imagen GIF</translation>
    </message>
    <message>
        <source>BackGround Picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Line Style</source>
        <translation>Estilo de línea</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Color de línea</translation>
    </message>
    <message>
        <source>Fore Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Fore Color Selection</source>
        <translation>Color del texto (selección)</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Back Color Selection</source>
        <translation>Color de fondo (selección)</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>Carpeta de inicio</translation>
    </message>
    <message>
        <source>Export Location</source>
        <translation>Carpeta de exportación</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Grid Settings</source>
        <translation>Configuración de la cuadrícula</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Mostrar cuadrícula</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Configuración general</translation>
    </message>
    <message>
        <source>Column Settings</source>
        <translation>Configuración de columnas</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Invertir selección</translation>
    </message>
</context>
<context>
    <name>dlgSave</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>Column Saperator</source>
        <translation>Separador de columnas</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
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
