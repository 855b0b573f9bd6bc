<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
