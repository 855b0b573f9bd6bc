<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
</TS>
