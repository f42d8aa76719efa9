#include "lang/ui_texts.h"

#include <QByteArray>

#include <clocale>
#include <cstdlib>

int languageIndex = 0;

const char *const uiTexts[languageCount][uiTextRowCount] = {
    {
        "Invalid file format!\n\nData set could not be opened.",
        "Error",
        "VELKORA files (*_amp.txt) |*_amp.txt|Text files (*.txt) |*.txt|All files (*.*) |*.*||",
        "Open log files",
        "Error while opening file!",
        "Open file",
        "Exit",
        "Show last files",
        "Close window",
        "Print",
        "Amplitude",
        "Reference marks",
        "Measurement report",
        "Bearing type:",
        "Date:",
        "File:",
        "Enter remarks (optional):",
        "Remarks: ",
        "Cancel",
        "Language",
        "Print preview…",
        "Save report as PDF…",
        "Save charts as image…",
        "Copy charts",
        "The file could not be saved.",
        "PDF files (*.pdf)",
        "PNG images (*.png)",
        "SVG images (*.svg)",
        "Angle",
        "Curve 1",
        "Curve 2",
        "Red mark",
        "Blue mark",
        "No such file or directory",
        "Permission denied",
        "Not a regular file",
        "Is a directory",
        "No space left on device",
        "Read-only file system",
        "It is one of the measurement's own files",
        "The file contains letters (characters A to z)",
        "The file could not be read to its end",
        "The report could not be printed.",
        "Red line",
        "Blue line",
        "Line",
        "Amplitude curves of %1: %2 samples from %3° to %4°",
        "Reference marks of %1: %2 entries from %3° to %4°",
        "Remark line %1",
        "Recent file %1",
        "The name cannot be shown in this locale",
    },
    {
        "Ungültiges Dateiformat !\n\nDatensatz konnte nicht geöffnet werden.",
        "Fehler",
        "VELKORA Dateien (*_amp.txt) |*_amp.txt|Text Dateien (*.txt) |*.txt|Alle Dateien (*.*) |*.*||",
        "Aufzeichnungsdaten öffnen",
        "Fehler beim Öffnen !",
        "Datei öffnen",
        "Beenden",
        "Letzte Dateien anzeigen",
        "Fenster schließen",
        "Drucken",
        "Amplitude",
        "Referenzmarken",
        "Meßprotokoll",
        "Lager-Typ:",
        "Datum:",
        "Datei:",
        "Bemerkungen eingeben (Option):",
        "Bemerkungen: ",
        "Abbrechen",
        "Sprache",
        "Druckvorschau…",
        "Protokoll als PDF speichern…",
        "Diagramme als Bild speichern…",
        "Diagramme kopieren",
        "Die Datei konnte nicht gespeichert werden.",
        "PDF-Dateien (*.pdf)",
        "PNG-Bilder (*.png)",
        "SVG-Bilder (*.svg)",
        "Winkel",
        "Kurve 1",
        "Kurve 2",
        "Rote Marke",
        "Blaue Marke",
        "Datei oder Verzeichnis nicht gefunden",
        "Keine Berechtigung",
        "Keine reguläre Datei",
        "Ist ein Verzeichnis",
        "Kein Speicherplatz mehr auf dem Gerät",
        "Dateisystem ist nur lesbar",
        "Es ist eine Datei der Messung selbst",
        "Die Datei enthält Buchstaben (Zeichen A bis z)",
        "Die Datei konnte nicht bis zum Ende gelesen werden",
        "Das Protokoll konnte nicht gedruckt werden.",
        "Rote Linie",
        "Blaue Linie",
        "Zeile",
        "Amplitudenkurven von %1: %2 Messpunkte von %3° bis %4°",
        "Referenzmarken von %1: %2 Einträge von %3° bis %4°",
        "Bemerkungszeile %1",
        "Letzte Datei %1",
        "Der Name kann in dieser Locale nicht dargestellt werden",
    },
    {
        "Format de fichier invalide!\n\nOuverture des données impossible.",
        "Erreur",
        "Fichiers VELKORA (*_amp.txt) |*_amp.txt|Fichiers textes (*.txt) |*.txt|Tous fichiers (*.*) |*.*||",
        "Ouvrir le rapport d'évènements",
        "Erreur lors de l'ouverture du fichier!",
        "Ouvrir le fichier",
        "Terminer",
        "Afficher le dernier fichier",
        "Fermer la fenêtre",
        "Imprimer",
        "Amplitude",
        "Marques de référence",
        "Rapport de mesure",
        "Type de roulement:",
        "Date:",
        "Fichiers:",
        "Entrer des commentaires (option):",
        "Remarques:",
        "Annuler",
        "Langue",
        "Aperçu avant impression…",
        "Enregistrer le rapport en PDF…",
        "Enregistrer les graphiques en image…",
        "Copier les graphiques",
        "Impossible d'enregistrer le fichier.",
        "Fichiers PDF (*.pdf)",
        "Images PNG (*.png)",
        "Images SVG (*.svg)",
        "Angle",
        "Courbe 1",
        "Courbe 2",
        "Marque rouge",
        "Marque bleue",
        "Aucun fichier ou dossier de ce nom",
        "Permission refusée",
        "Pas un fichier ordinaire",
        "Est un dossier",
        "Aucun espace disponible sur le périphérique",
        "Système de fichiers en lecture seule",
        "C'est un des fichiers de la mesure",
        "Le fichier contient des lettres (caractères A à z)",
        "Le fichier n'a pas pu être lu jusqu'au bout",
        "Le rapport n'a pas pu être imprimé.",
        "Ligne rouge",
        "Ligne bleue",
        "Ligne",
        "Courbes d'amplitude de %1 : %2 points de %3° à %4°",
        "Repères de référence de %1 : %2 entrées de %3° à %4°",
        "Ligne de remarque %1",
        "Fichier récent %1",
        "Le nom ne peut pas être affiché dans cette locale",
    },
    {
        "Formato file non valido!\n\nNon è stato possibile aprire i dati.",
        "Errore",
        "VELKORA file (*_amp.txt) |*_amp.txt| File di testo (*.txt) |*.txt|Tutti i file (*.*) |*.*||",
        "Apri file registrazione",
        "Errore durante l'apertura!",
        "Apri file",
        "Termina",
        "Visualizza ultimi file",
        "Chiudi finestra",
        "Stampa",
        "Ampiezza",
        "Traccia di riferimento",
        "Protocollo di misurazione",
        "Tipo cuscinetto",
        "Data:",
        "File:",
        "Inserisci note (facoltativo):",
        "Note:",
        "Annulla",
        "Lingua",
        "Anteprima di stampa…",
        "Salva protocollo come PDF…",
        "Salva grafici come immagine…",
        "Copia grafici",
        "Impossibile salvare il file.",
        "File PDF (*.pdf)",
        "Immagini PNG (*.png)",
        "Immagini SVG (*.svg)",
        "Angolo",
        "Curva 1",
        "Curva 2",
        "Traccia rossa",
        "Traccia blu",
        "File o directory non esistente",
        "Permesso negato",
        "Non è un file regolare",
        "È una directory",
        "Spazio esaurito sul dispositivo",
        "File system in sola lettura",
        "È uno dei file della misura",
        "Il file contiene lettere (caratteri da A a z)",
        "Non è stato possibile leggere il file fino alla fine",
        "Non è stato possibile stampare il rapporto.",
        "Linea rossa",
        "Linea blu",
        "Riga",
        "Curve di ampiezza di %1: %2 campioni da %3° a %4°",
        "Marche di riferimento di %1: %2 voci da %3° a %4°",
        "Riga di nota %1",
        "File recente %1",
        "Il nome non può essere mostrato in questa localizzazione",
    },
    {
        "¡Formato de archivo no válido!\n\nNo pudo abrirse el conjunto de datos.",
        "Error",
        "Archivos VELKORA (*_amp.txt) |*_amp.txt| Archivos de texto (*.txt) |*.txt| Todos los archivos (*.*) |*.*||",
        "Abrir los archivos de conexión",
        "¡Error al abrir el archivo!",
        "Abrir archivo",
        "Salir",
        "Mostrar los últimos archivos",
        "Cerrar ventana",
        "Imprimir",
        "Amplitud",
        "Referencias",
        "Informe de medición",
        "Tipo de rodamiento:",
        "Fecha:",
        "Archivo:",
        "Introducir observaciones (opcional):",
        "Observaciones:",
        "Cancelar",
        "Idioma",
        "Vista previa de impresión…",
        "Guardar informe como PDF…",
        "Guardar gráficos como imagen…",
        "Copiar gráficos",
        "No se pudo guardar el archivo.",
        "Archivos PDF (*.pdf)",
        "Imágenes PNG (*.png)",
        "Imágenes SVG (*.svg)",
        "Ángulo",
        "Curva 1",
        "Curva 2",
        "Marca roja",
        "Marca azul",
        "No existe el archivo o el directorio",
        "Permiso denegado",
        "No es un archivo normal",
        "Es un directorio",
        "No queda espacio en el dispositivo",
        "Sistema de archivos de solo lectura",
        "Es uno de los archivos de la medición",
        "El archivo contiene letras (caracteres de A a z)",
        "No se pudo leer el archivo hasta el final",
        "No se pudo imprimir el informe.",
        "Línea roja",
        "Línea azul",
        "Línea",
        "Curvas de amplitud de %1: %2 muestras de %3° a %4°",
        "Marcas de referencia de %1: %2 entradas de %3° a %4°",
        "Línea de observación %1",
        "Archivo reciente %1",
        "El nombre no se puede mostrar en esta configuración regional",
    },
};

QString uiText(int language, UiText row)
{
    Q_ASSERT(language >= 0 && language < languageCount);
    return QString::fromUtf8(uiTexts[language][static_cast<int>(row)]);
}

QString uiText(UiText row)
{
    return uiText(languageIndex, row);
}

int languageFromCode(std::string_view code)
{
    for (int i = 0; i < languageCount; ++i) {
        if (languages[i].code == code)
            return i;
    }
    return -1;
}

int languageFromLocaleName(std::string_view localeName)
{
    // Windows locale names carry the English name of the language; the first one found decides.
    for (int i = 1; i < languageCount; ++i) {
        if (localeName.find(languages[i].englishName) != std::string_view::npos)
            return i;
    }
    // POSIX names start with the language code: ll[_CC][.codeset][@modifier].
    const int index = languageFromCode(localeName.substr(0, localeName.find_first_of("_.@")));
    return index < 0 ? 0 : index;
}

QString userLocaleName()
{
#ifdef Q_OS_WIN
    // The runtime library names the user's locale after the language in English.
    if (const char *name = std::setlocale(LC_ALL, ""))
        return QString::fromLocal8Bit(name);
#endif
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return QString::fromLocal8Bit(value);
    }
    return QStringLiteral("C");
}

int detectLanguage()
{
    // The name comes from the environment rather than from setlocale(), which answers "C"
    // when the user's locale is not installed on this machine.
    languageIndex = languageFromLocaleName(userLocaleName().toStdString());
    fixNumericLocale();
    return languageIndex;
}

void fixNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}
