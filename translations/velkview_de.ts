<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BatchModes</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is the measurement being read</source>
        <translation>%1 kann nicht geschrieben werden: es ist die Messung, die gelesen wird</translation>
    </message>
    <message>
        <source>cannot write the measurement to standard output: %1</source>
        <translation>Die Messung kann nicht in die Standardausgabe geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Error while opening file!</source>
        <translation>Fehler beim Öffnen !</translation>
    </message>
    <message>
        <source>Invalid file format!

Data set could not be opened.</source>
        <translation>Ungültiges Dateiformat !

Datensatz konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>ChartAccessArea</name>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Reference marks</source>
        <translation>Referenzmarken</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>%1 (the same file)</source>
        <translation>%1 (dieselbe Datei)</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Curve 1</source>
        <translation>Kurve 1</translation>
    </message>
    <message>
        <source>Curve 2</source>
        <translation>Kurve 2</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Red line</source>
        <translation>Rote Linie</translation>
    </message>
    <message>
        <source>Blue line</source>
        <translation>Blaue Linie</translation>
    </message>
    <message>
        <source>Red mark</source>
        <translation>Rote Marke</translation>
    </message>
    <message>
        <source>Blue mark</source>
        <translation>Blaue Marke</translation>
    </message>
    <message>
        <source>Amplitude curves of %1: %2 samples from %3° to %4°</source>
        <translation>Amplitudenkurven von %1: %2 Messpunkte von %3° bis %4°</translation>
    </message>
    <message>
        <source>Reference marks of %1: %2 entries from %3° to %4°</source>
        <translation>Referenzmarken von %1: %2 Einträge von %3° bis %4°</translation>
    </message>
    <message>
        <source>Reference marks</source>
        <translation>Referenzmarken</translation>
    </message>
</context>
<context>
    <name>FiguresView</name>
    <message>
        <source>Within limits</source>
        <translation>Innerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Outside the limits</source>
        <translation>Außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Peak-to-peak</source>
        <translation>Spitze-Spitze</translation>
    </message>
    <message>
        <source>Excursions</source>
        <translation>Überschreitungen</translation>
    </message>
    <message>
        <source>Angle outside</source>
        <translation>Winkel außerhalb</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Schlechtester</translation>
    </message>
    <message>
        <source>%1 at %2°</source>
        <translation>%1 bei %2°</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>above 90 %</source>
        <translation>über 90 %</translation>
    </message>
    <message>
        <source>below 30 %</source>
        <translation>unter 30 %</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>The name cannot be shown in this locale</source>
        <translation>Der Name kann in dieser Locale nicht dargestellt werden</translation>
    </message>
    <message>
        <source>It is one of the measurement&apos;s own files</source>
        <translation>Es ist eine Datei der Messung selbst</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Show last files</source>
        <translation>Letzte Dateien anzeigen</translation>
    </message>
    <message>
        <source>Recent file %1</source>
        <translation>Letzte Datei %1</translation>
    </message>
    <message>
        <source>Open log files</source>
        <translation>Aufzeichnungsdaten öffnen</translation>
    </message>
    <message>
        <source>VELKORA files (*_amp.txt) |*_amp.txt|Text files (*.txt) |*.txt|All files (*.*) |*.*||</source>
        <translation>VELKORA Dateien (*_amp.txt) |*_amp.txt|Text Dateien (*.txt) |*.txt|Alle Dateien (*.*) |*.*||</translation>
    </message>
    <message>
        <source>Error while opening file!</source>
        <translation>Fehler beim Öffnen !</translation>
    </message>
    <message>
        <source>The file contains letters (characters A to z)</source>
        <translation>Die Datei enthält Buchstaben (Zeichen A bis z)</translation>
    </message>
    <message>
        <source>The file could not be read to its end</source>
        <translation>Die Datei konnte nicht bis zum Ende gelesen werden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid file format!

Data set could not be opened.</source>
        <translation>Ungültiges Dateiformat !

Datensatz konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The folder cannot be followed.</source>
        <translation>Der Ordner kann nicht verfolgt werden.</translation>
    </message>
    <message>
        <source>The followed folder is gone; following has stopped.</source>
        <translation>Der verfolgte Ordner ist nicht mehr vorhanden; das Verfolgen wurde beendet.</translation>
    </message>
    <message>
        <source>Compare with another measurement</source>
        <translation>Mit einer anderen Messung vergleichen</translation>
    </message>
    <message>
        <source>Following stopped.</source>
        <translation>Verfolgen beendet.</translation>
    </message>
</context>
<context>
    <name>ModalDialogs</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Das Protokoll konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Measurement report</source>
        <translation>Meßprotokoll</translation>
    </message>
    <message>
        <source>Remarks: </source>
        <translation>Bemerkungen: </translation>
    </message>
    <message>
        <source>Bearing type:</source>
        <translation>Lager-Typ:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
</context>
<context>
    <name>ReportTextDialog</name>
    <message>
        <source>Enter remarks (optional):</source>
        <translation>Bemerkungen eingeben (Option):</translation>
    </message>
    <message>
        <source>Bearing type:</source>
        <translation>Lager-Typ:</translation>
    </message>
    <message>
        <source>Remarks: </source>
        <translation>Bemerkungen: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remark line %1</source>
        <translation>Bemerkungszeile %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <translation>Druckvorschau…</translation>
    </message>
    <message>
        <source>Save report as PDF…</source>
        <translation>Protokoll als PDF speichern…</translation>
    </message>
    <message>
        <source>Save charts as image…</source>
        <translation>Diagramme als Bild speichern…</translation>
    </message>
    <message>
        <source>Copy charts</source>
        <translation>Diagramme kopieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>Show full revolution</source>
        <translation>Ganze Umdrehung zeigen</translation>
    </message>
    <message>
        <source>Show values…</source>
        <translation>Werte anzeigen…</translation>
    </message>
    <message>
        <source>Export values as CSV…</source>
        <translation>Werte als CSV exportieren…</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Follow this folder</source>
        <translation>Diesem Ordner folgen</translation>
    </message>
    <message>
        <source>Following: %1</source>
        <translation>Verfolgt: %1</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Vergleichen mit…</translation>
    </message>
    <message>
        <source>Stop comparing</source>
        <translation>Vergleich beenden</translation>
    </message>
    <message>
        <source>VELKView — following %1</source>
        <translation>VELKView — verfolgt %1</translation>
    </message>
    <message>
        <source>Show trend…</source>
        <translation>Trend anzeigen…</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
</context>
<context>
    <name>ValuesWindow</name>
    <message>
        <source>Values — %1</source>
        <translation>Werte — %1</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Amplitude samples</source>
        <translation>Amplitudenmesspunkte</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Referenzeinträge</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
</context>
</TS>
