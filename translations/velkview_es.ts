<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BatchModes</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is the measurement being read</source>
        <translation>no se puede escribir %1: es la medición que se está leyendo</translation>
    </message>
    <message>
        <source>cannot write the measurement to standard output: %1</source>
        <translation>no se puede escribir la medición en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Error while opening file!</source>
        <translation>¡Error al abrir el archivo!</translation>
    </message>
    <message>
        <source>Invalid file format!

Data set could not be opened.</source>
        <translation>¡Formato de archivo no válido!

No pudo abrirse el conjunto de datos.</translation>
    </message>
</context>
<context>
    <name>ChartAccessArea</name>
    <message>
        <source>Amplitude</source>
        <translation>Amplitud</translation>
    </message>
    <message>
        <source>Reference marks</source>
        <translation>Referencias</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>%1 (the same file)</source>
        <translation>%1 (el mismo archivo)</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitud</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Curve 1</source>
        <translation>Curva 1</translation>
    </message>
    <message>
        <source>Curve 2</source>
        <translation>Curva 2</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Red line</source>
        <translation>Línea roja</translation>
    </message>
    <message>
        <source>Blue line</source>
        <translation>Línea azul</translation>
    </message>
    <message>
        <source>Red mark</source>
        <translation>Marca roja</translation>
    </message>
    <message>
        <source>Blue mark</source>
        <translation>Marca azul</translation>
    </message>
    <message>
        <source>Amplitude curves of %1: %2 samples from %3° to %4°</source>
        <translation>Curvas de amplitud de %1: %2 muestras de %3° a %4°</translation>
    </message>
    <message>
        <source>Reference marks of %1: %2 entries from %3° to %4°</source>
        <translation>Marcas de referencia de %1: %2 entradas de %3° a %4°</translation>
    </message>
    <message>
        <source>Reference marks</source>
        <translation>Referencias</translation>
    </message>
</context>
<context>
    <name>FiguresView</name>
    <message>
        <source>Within limits</source>
        <translation>Dentro de los límites</translation>
    </message>
    <message>
        <source>Outside the limits</source>
        <translation>Fuera de los límites</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Peak-to-peak</source>
        <translation>Pico a pico</translation>
    </message>
    <message>
        <source>Excursions</source>
        <translation>Excursiones</translation>
    </message>
    <message>
        <source>Angle outside</source>
        <translation>Ángulo fuera</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Peor</translation>
    </message>
    <message>
        <source>%1 at %2°</source>
        <translation>%1 en %2°</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>above 90 %</source>
        <translation>por encima del 90 %</translation>
    </message>
    <message>
        <source>below 30 %</source>
        <translation>por debajo del 30 %</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>The name cannot be shown in this locale</source>
        <translation>El nombre no se puede mostrar en esta configuración regional</translation>
    </message>
    <message>
        <source>It is one of the measurement&apos;s own files</source>
        <translation>Es uno de los archivos de la medición</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Show last files</source>
        <translation>Mostrar los últimos archivos</translation>
    </message>
    <message>
        <source>Recent file %1</source>
        <translation>Archivo reciente %1</translation>
    </message>
    <message>
        <source>Open log files</source>
        <translation>Abrir los archivos de conexión</translation>
    </message>
    <message>
        <source>VELKORA files (*_amp.txt) |*_amp.txt|Text files (*.txt) |*.txt|All files (*.*) |*.*||</source>
        <translation>Archivos VELKORA (*_amp.txt) |*_amp.txt| Archivos de texto (*.txt) |*.txt| Todos los archivos (*.*) |*.*||</translation>
    </message>
    <message>
        <source>Error while opening file!</source>
        <translation>¡Error al abrir el archivo!</translation>
    </message>
    <message>
        <source>The file contains letters (characters A to z)</source>
        <translation>El archivo contiene letras (caracteres de A a z)</translation>
    </message>
    <message>
        <source>The file could not be read to its end</source>
        <translation>No se pudo leer el archivo hasta el final</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid file format!

Data set could not be opened.</source>
        <translation>¡Formato de archivo no válido!

No pudo abrirse el conjunto de datos.</translation>
    </message>
    <message>
        <source>The folder cannot be followed.</source>
        <translation>No se puede seguir la carpeta.</translation>
    </message>
    <message>
        <source>The followed folder is gone; following has stopped.</source>
        <translation>La carpeta seguida ya no existe; se ha dejado de seguir.</translation>
    </message>
    <message>
        <source>Compare with another measurement</source>
        <translation>Comparar con otra medición</translation>
    </message>
    <message>
        <source>Following stopped.</source>
        <translation>Seguimiento detenido.</translation>
    </message>
</context>
<context>
    <name>ModalDialogs</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Measurement report</source>
        <translation>Informe de medición</translation>
    </message>
    <message>
        <source>Remarks: </source>
        <translation>Observaciones:</translation>
    </message>
    <message>
        <source>Bearing type:</source>
        <translation>Tipo de rodamiento:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
</context>
<context>
    <name>ReportTextDialog</name>
    <message>
        <source>Enter remarks (optional):</source>
        <translation>Introducir observaciones (opcional):</translation>
    </message>
    <message>
        <source>Bearing type:</source>
        <translation>Tipo de rodamiento:</translation>
    </message>
    <message>
        <source>Remarks: </source>
        <translation>Observaciones:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remark line %1</source>
        <translation>Línea de observación %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <translation>Vista previa de impresión…</translation>
    </message>
    <message>
        <source>Save report as PDF…</source>
        <translation>Guardar informe como PDF…</translation>
    </message>
    <message>
        <source>Save charts as image…</source>
        <translation>Guardar gráficos como imagen…</translation>
    </message>
    <message>
        <source>Copy charts</source>
        <translation>Copiar gráficos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Imágenes SVG (*.svg)</translation>
    </message>
    <message>
        <source>Show full revolution</source>
        <translation>Mostrar la vuelta completa</translation>
    </message>
    <message>
        <source>Show values…</source>
        <translation>Mostrar valores…</translation>
    </message>
    <message>
        <source>Export values as CSV…</source>
        <translation>Exportar valores como CSV…</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Follow this folder</source>
        <translation>Seguir esta carpeta</translation>
    </message>
    <message>
        <source>Following: %1</source>
        <translation>Siguiendo: %1</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Comparar con…</translation>
    </message>
    <message>
        <source>Stop comparing</source>
        <translation>Dejar de comparar</translation>
    </message>
    <message>
        <source>VELKView — following %1</source>
        <translation>VELKView — siguiendo %1</translation>
    </message>
    <message>
        <source>Show trend…</source>
        <translation>Mostrar tendencia…</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>Trend</source>
        <translation>Tendencia</translation>
    </message>
</context>
<context>
    <name>ValuesWindow</name>
    <message>
        <source>Values — %1</source>
        <translation>Valores — %1</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Amplitude samples</source>
        <translation>Muestras de amplitud</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Entradas de referencia</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
</context>
</TS>
