<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BatchModes</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is the measurement being read</source>
        <translation>impossibile scrivere %1: è la misura che si sta leggendo</translation>
    </message>
    <message>
        <source>cannot write the measurement to standard output: %1</source>
        <translation>impossibile scrivere la misura sullo standard output: %1</translation>
    </message>
    <message>
        <source>Error while opening file!</source>
        <translation>Errore durante l&apos;apertura!</translation>
    </message>
    <message>
        <source>Invalid file format!

Data set could not be opened.</source>
        <translation>Formato file non valido!

Non è stato possibile aprire i dati.</translation>
    </message>
</context>
<context>
    <name>ChartAccessArea</name>
    <message>
        <source>Amplitude</source>
        <translation>Ampiezza</translation>
    </message>
    <message>
        <source>Reference marks</source>
        <translation>Traccia di riferimento</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>%1 (the same file)</source>
        <translation>%1 (lo stesso file)</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Ampiezza</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
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
        <translation>Riga</translation>
    </message>
    <message>
        <source>Red line</source>
        <translation>Linea rossa</translation>
    </message>
    <message>
        <source>Blue line</source>
        <translation>Linea blu</translation>
    </message>
    <message>
        <source>Red mark</source>
        <translation>Traccia rossa</translation>
    </message>
    <message>
        <source>Blue mark</source>
        <translation>Traccia blu</translation>
    </message>
    <message>
        <source>Amplitude curves of %1: %2 samples from %3° to %4°</source>
        <translation>Curve di ampiezza di %1: %2 campioni da %3° a %4°</translation>
    </message>
    <message>
        <source>Reference marks of %1: %2 entries from %3° to %4°</source>
        <translation>Marche di riferimento di %1: %2 voci da %3° a %4°</translation>
    </message>
    <message>
        <source>Reference marks</source>
        <translation>Traccia di riferimento</translation>
    </message>
</context>
<context>
    <name>FiguresView</name>
    <message>
        <source>Within limits</source>
        <translation>Entro i limiti</translation>
    </message>
    <message>
        <source>Outside the limits</source>
        <translation>Fuori dai limiti</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Peak-to-peak</source>
        <translation>Picco-picco</translation>
    </message>
    <message>
        <source>Excursions</source>
        <translation>Superamenti</translation>
    </message>
    <message>
        <source>Angle outside</source>
        <translation>Angolo fuori</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Peggiore</translation>
    </message>
    <message>
        <source>%1 at %2°</source>
        <translation>%1 a %2°</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lato</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ampiezza</translation>
    </message>
    <message>
        <source>above 90 %</source>
        <translation>sopra il 90 %</translation>
    </message>
    <message>
        <source>below 30 %</source>
        <translation>sotto il 30 %</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>No such file or directory</source>
        <translation>File o directory non esistente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una directory</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system in sola lettura</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
    <message>
        <source>The name cannot be shown in this locale</source>
        <translation>Il nome non può essere mostrato in questa localizzazione</translation>
    </message>
    <message>
        <source>It is one of the measurement&apos;s own files</source>
        <translation>È uno dei file della misura</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Show last files</source>
        <translation>Visualizza ultimi file</translation>
    </message>
    <message>
        <source>Recent file %1</source>
        <translation>File recente %1</translation>
    </message>
    <message>
        <source>Open log files</source>
        <translation>Apri file registrazione</translation>
    </message>
    <message>
        <source>VELKORA files (*_amp.txt) |*_amp.txt|Text files (*.txt) |*.txt|All files (*.*) |*.*||</source>
        <translation>VELKORA file (*_amp.txt) |*_amp.txt| File di testo (*.txt) |*.txt|Tutti i file (*.*) |*.*||</translation>
    </message>
    <message>
        <source>Error while opening file!</source>
        <translation>Errore durante l&apos;apertura!</translation>
    </message>
    <message>
        <source>The file contains letters (characters A to z)</source>
        <translation>Il file contiene lettere (caratteri da A a z)</translation>
    </message>
    <message>
        <source>The file could not be read to its end</source>
        <translation>Non è stato possibile leggere il file fino alla fine</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Invalid file format!

Data set could not be opened.</source>
        <translation>Formato file non valido!

Non è stato possibile aprire i dati.</translation>
    </message>
    <message>
        <source>The folder cannot be followed.</source>
        <translation>Impossibile seguire la cartella.</translation>
    </message>
    <message>
        <source>The followed folder is gone; following has stopped.</source>
        <translation>La cartella seguita non esiste più; il monitoraggio è stato interrotto.</translation>
    </message>
    <message>
        <source>Compare with another measurement</source>
        <translation>Confronta con un&apos;altra misura</translation>
    </message>
    <message>
        <source>Following stopped.</source>
        <translation>Cartella non più seguita.</translation>
    </message>
</context>
<context>
    <name>ModalDialogs</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Impossibile salvare il file.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Impossibile salvare il file.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Non è stato possibile stampare il rapporto.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Measurement report</source>
        <translation>Protocollo di misurazione</translation>
    </message>
    <message>
        <source>Remarks: </source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Bearing type:</source>
        <translation>Tipo cuscinetto</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
</context>
<context>
    <name>ReportTextDialog</name>
    <message>
        <source>Enter remarks (optional):</source>
        <translation>Inserisci note (facoltativo):</translation>
    </message>
    <message>
        <source>Bearing type:</source>
        <translation>Tipo cuscinetto</translation>
    </message>
    <message>
        <source>Remarks: </source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Remark line %1</source>
        <translation>Riga di nota %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <translation>Anteprima di stampa…</translation>
    </message>
    <message>
        <source>Save report as PDF…</source>
        <translation>Salva protocollo come PDF…</translation>
    </message>
    <message>
        <source>Save charts as image…</source>
        <translation>Salva grafici come immagine…</translation>
    </message>
    <message>
        <source>Copy charts</source>
        <translation>Copia grafici</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Impossibile salvare il file.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Immagini SVG (*.svg)</translation>
    </message>
    <message>
        <source>Show full revolution</source>
        <translation>Mostra il giro completo</translation>
    </message>
    <message>
        <source>Show values…</source>
        <translation>Mostra valori…</translation>
    </message>
    <message>
        <source>Export values as CSV…</source>
        <translation>Esporta valori come CSV…</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Follow this folder</source>
        <translation>Segui questa cartella</translation>
    </message>
    <message>
        <source>Following: %1</source>
        <translation>Seguita: %1</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Confronta con…</translation>
    </message>
    <message>
        <source>Stop comparing</source>
        <translation>Termina il confronto</translation>
    </message>
    <message>
        <source>VELKView — following %1</source>
        <translation>VELKView — segue %1</translation>
    </message>
    <message>
        <source>Show trend…</source>
        <translation>Mostra andamento…</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>Trend</source>
        <translation>Andamento</translation>
    </message>
</context>
<context>
    <name>ValuesWindow</name>
    <message>
        <source>Values — %1</source>
        <translation>Valori — %1</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valori</translation>
    </message>
    <message>
        <source>Amplitude samples</source>
        <translation>Campioni di ampiezza</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Voci di riferimento</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
</context>
</TS>
