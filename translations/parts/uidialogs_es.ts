<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
    <name>DesktopLinks</name>
    <message>
        <source>No application is set up to open %1.</source>
        <translation>No hay ninguna aplicación configurada para abrir %1.</translation>
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
</TS>
