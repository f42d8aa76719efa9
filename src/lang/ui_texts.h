#pragma once

#include <QString>

#include <string_view>

// The five interface languages and their texts. The table is UTF-8; a text becomes a
// QString only where it is shown.

enum class UiText {
    InvalidFileFormat = 0,   // message box text when a measurement cannot be read
    Error,                   // caption of that message box
    FileFilter,              // open-file dialog filter list: "desc|pattern|...||"
    OpenLogFiles,            // open-file dialog title
    ErrorWhileOpeningFile,   // message box when the chosen file cannot be opened
    OpenFile,                // main window button 1000
    Exit,                    // main window button 1
    ShowLastFiles,           // main window group box 1009
    CloseWindow,             // results window button 1
    Print,                   // results window button 1037
    Amplitude,               // amplitude chart title
    ReferenceMarks,          // reference marks chart title
    MeasurementReport,       // print job name and report heading
    BearingType,             // report-text dialog label and report label
    Date,                    // report label
    File,                    // report label, prefix of empty recent-file buttons
    EnterRemarks,            // report-text dialog caption
    Remarks,                 // report-text dialog label and report label
    Cancel,                  // report-text dialog button 2
    Language,                // main window label 1021
    PrintPreview,            // results window context menu
    SaveReportAsPdf,         // results window context menu
    SaveChartsAsImage,       // results window context menu
    CopyCharts,              // results window context menu
    FileNotSaved,            // message box when a save fails; the reason follows
    PdfFiles,                // save dialog filter
    PngImages,               // save dialog filter
    SvgImages,               // save dialog filter
    Angle,                   // chart readout
    Curve1,                  // chart readout
    Curve2,                  // chart readout
    RedMark,                 // chart readout
    BlueMark,                // chart readout
    ReasonNotFound,          // message box detail: a missing file
    ReasonPermissionDenied,  // message box detail
    ReasonNotRegularFile,    // message box detail: a FIFO, device or socket
    ReasonIsDirectory,       // message box detail
    ReasonNoSpace,           // message box detail
    ReasonReadOnly,          // message box detail
    ReasonIsMeasurement,     // message box detail: an output named like an input
    ReasonLetters,           // message box detail: a refused amplitude file
    ReasonReadError,         // message box detail: the file system failed mid-read
    PrintFailed,             // message box when the printer or print file fails
    RedLine,                 // chart readout
    BlueLine,                // chart readout
    LineOfFile,              // chart readout: the file's line number
    AmplitudeChartDescription, // accessible description: %1 file, %2 samples, %3 and %4 degrees
    ReferenceChartDescription, // accessible description: %1 file, %2 entries, %3 and %4 degrees
    RemarkLine,              // accessible name of a report-text field: %1 is 1 to 3
    RecentFile,              // accessible name of a recent-file button: %1 its file
    ReasonNameNotInLocale,   // message box detail: a file name not valid in the locale
};

inline constexpr int languageCount = 5;
inline constexpr int uiTextRowCount = 51;

// A language of the interface; its position in languages is its column in uiTexts and its
// languageIndex.
struct Language {
    std::string_view code;          // for --language and POSIX locale names
    std::string_view name;          // in the language drop-down, UTF-8
    std::string_view englishName;   // as Windows locale names carry it
};

inline constexpr Language languages[languageCount] = {
    {"en", "English", "English"},
    {"de", "Deutsch", "German"},
    {"fr", "Fran\xC3\xA7" "ais", "French"},
    {"it", "Italiano", "Italian"},
    {"es", "Espanol", "Spanish"},
};

// The index of a language code (en, de, fr, it, es), or -1.
int languageFromCode(std::string_view code);

extern const char *const uiTexts[languageCount][uiTextRowCount];

// The current interface language, 0 to 4. Set by detectLanguage and by the language drop-down.
extern int languageIndex;

// The text of a row in the current language.
QString uiText(UiText row);
// The text of a row in the given language (0 to 4).
QString uiText(int language, UiText row);

// The language a locale name selects: Windows-style names by the English language name they
// carry ("German_Switzerland.1252" is German), POSIX names by their language code
// ("de_CH.UTF-8" is German); anything else is English (0).
int languageFromLocaleName(std::string_view localeName);

// The user's locale name: on Windows as the runtime library names it, elsewhere as the
// environment gives it: LC_ALL, else LC_MESSAGES, else LANG;
// "C" when none is set.
QString userLocaleName();

// Sets languageIndex from the user's locale and fixes the numeric locale to the full stop.
// Returns the index. Works whether or not the user's locale is installed.
int detectLanguage();

// Makes C number parsing and formatting use the full stop for the whole process.
void fixNumericLocale();
