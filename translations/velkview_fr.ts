<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BatchModes</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is the measurement being read</source>
        <translation>impossible d&apos;écrire %1 : c&apos;est la mesure en cours de lecture</translation>
    </message>
    <message>
        <source>cannot write the measurement to standard output: %1</source>
        <translation>impossible d&apos;écrire la mesure sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>Error while opening file!</source>
        <translation>Erreur lors de l&apos;ouverture du fichier!</translation>
    </message>
    <message>
        <source>Invalid file format!

Data set could not be opened.</source>
        <translation>Format de fichier invalide!

Ouverture des données impossible.</translation>
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
        <translation>Marques de référence</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>%1 (the same file)</source>
        <translation>%1 (le même fichier)</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Curve 1</source>
        <translation>Courbe 1</translation>
    </message>
    <message>
        <source>Curve 2</source>
        <translation>Courbe 2</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Red line</source>
        <translation>Ligne rouge</translation>
    </message>
    <message>
        <source>Blue line</source>
        <translation>Ligne bleue</translation>
    </message>
    <message>
        <source>Red mark</source>
        <translation>Marque rouge</translation>
    </message>
    <message>
        <source>Blue mark</source>
        <translation>Marque bleue</translation>
    </message>
    <message>
        <source>Amplitude curves of %1: %2 samples from %3° to %4°</source>
        <translation>Courbes d&apos;amplitude de %1 : %2 points de %3° à %4°</translation>
    </message>
    <message>
        <source>Reference marks of %1: %2 entries from %3° to %4°</source>
        <translation>Repères de référence de %1 : %2 entrées de %3° à %4°</translation>
    </message>
    <message>
        <source>Reference marks</source>
        <translation>Marques de référence</translation>
    </message>
</context>
<context>
    <name>FiguresView</name>
    <message>
        <source>Within limits</source>
        <translation>Dans les limites</translation>
    </message>
    <message>
        <source>Outside the limits</source>
        <translation>Hors des limites</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
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
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Peak-to-peak</source>
        <translation>Crête à crête</translation>
    </message>
    <message>
        <source>Excursions</source>
        <translation>Dépassements</translation>
    </message>
    <message>
        <source>Angle outside</source>
        <translation>Angle hors limites</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Pire</translation>
    </message>
    <message>
        <source>%1 at %2°</source>
        <translation>%1 à %2°</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>above 90 %</source>
        <translation>au-dessus de 90 %</translation>
    </message>
    <message>
        <source>below 30 %</source>
        <translation>au-dessous de 30 %</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Aucun espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The name cannot be shown in this locale</source>
        <translation>Le nom ne peut pas être affiché dans cette locale</translation>
    </message>
    <message>
        <source>It is one of the measurement&apos;s own files</source>
        <translation>C&apos;est un des fichiers de la mesure</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichiers:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Show last files</source>
        <translation>Afficher le dernier fichier</translation>
    </message>
    <message>
        <source>Recent file %1</source>
        <translation>Fichier récent %1</translation>
    </message>
    <message>
        <source>Open log files</source>
        <translation>Ouvrir le rapport d&apos;évènements</translation>
    </message>
    <message>
        <source>VELKORA files (*_amp.txt) |*_amp.txt|Text files (*.txt) |*.txt|All files (*.*) |*.*||</source>
        <translation>Fichiers VELKORA (*_amp.txt) |*_amp.txt|Fichiers textes (*.txt) |*.txt|Tous fichiers (*.*) |*.*||</translation>
    </message>
    <message>
        <source>Error while opening file!</source>
        <translation>Erreur lors de l&apos;ouverture du fichier!</translation>
    </message>
    <message>
        <source>The file contains letters (characters A to z)</source>
        <translation>Le fichier contient des lettres (caractères A à z)</translation>
    </message>
    <message>
        <source>The file could not be read to its end</source>
        <translation>Le fichier n&apos;a pas pu être lu jusqu&apos;au bout</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid file format!

Data set could not be opened.</source>
        <translation>Format de fichier invalide!

Ouverture des données impossible.</translation>
    </message>
    <message>
        <source>The folder cannot be followed.</source>
        <translation>Impossible de suivre ce dossier.</translation>
    </message>
    <message>
        <source>The followed folder is gone; following has stopped.</source>
        <translation>Le dossier suivi n&apos;existe plus ; le suivi est arrêté.</translation>
    </message>
    <message>
        <source>Compare with another measurement</source>
        <translation>Comparer avec une autre mesure</translation>
    </message>
    <message>
        <source>Following stopped.</source>
        <translation>Suivi arrêté.</translation>
    </message>
</context>
<context>
    <name>ModalDialogs</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le fichier.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le fichier.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Measurement report</source>
        <translation>Rapport de mesure</translation>
    </message>
    <message>
        <source>Remarks: </source>
        <translation>Remarques:</translation>
    </message>
    <message>
        <source>Bearing type:</source>
        <translation>Type de roulement:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichiers:</translation>
    </message>
</context>
<context>
    <name>ReportTextDialog</name>
    <message>
        <source>Enter remarks (optional):</source>
        <translation>Entrer des commentaires (option):</translation>
    </message>
    <message>
        <source>Bearing type:</source>
        <translation>Type de roulement:</translation>
    </message>
    <message>
        <source>Remarks: </source>
        <translation>Remarques:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remark line %1</source>
        <translation>Ligne de remarque %1</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <translation>Aperçu avant impression…</translation>
    </message>
    <message>
        <source>Save report as PDF…</source>
        <translation>Enregistrer le rapport en PDF…</translation>
    </message>
    <message>
        <source>Save charts as image…</source>
        <translation>Enregistrer les graphiques en image…</translation>
    </message>
    <message>
        <source>Copy charts</source>
        <translation>Copier les graphiques</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le fichier.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>Show full revolution</source>
        <translation>Afficher le tour complet</translation>
    </message>
    <message>
        <source>Show values…</source>
        <translation>Afficher les valeurs…</translation>
    </message>
    <message>
        <source>Export values as CSV…</source>
        <translation>Exporter les valeurs en CSV…</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Follow this folder</source>
        <translation>Suivre ce dossier</translation>
    </message>
    <message>
        <source>Following: %1</source>
        <translation>Suivi : %1</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Comparer avec…</translation>
    </message>
    <message>
        <source>Stop comparing</source>
        <translation>Arrêter la comparaison</translation>
    </message>
    <message>
        <source>VELKView — following %1</source>
        <translation>VELKView — suivi de %1</translation>
    </message>
    <message>
        <source>Show trend…</source>
        <translation>Afficher la tendance…</translation>
    </message>
</context>
<context>
    <name>TrendWindow</name>
    <message>
        <source>Trend</source>
        <translation>Tendance</translation>
    </message>
</context>
<context>
    <name>ValuesWindow</name>
    <message>
        <source>Values — %1</source>
        <translation>Valeurs — %1</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Amplitude samples</source>
        <translation>Points d&apos;amplitude</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Entrées de référence</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
</context>
</TS>
