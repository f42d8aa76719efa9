#pragma once

#include "charts/chart_tools.h"
#include "data/measurement_set.h"
#include "report/report_texts.h"

class ModalDialogs;
class QPrinter;
class QWidget;

// What the Print command reads and writes.
struct PrintJob {
    QWidget *owner;                   // the window printed from: owner of every dialog shown
    ModalDialogs &dialogs;
    ReportTexts &texts;               // written by the report-text dialog, then printed
    const MeasurementFiles &files;    // titles and the modification time printed
    const MeasurementSet &data;
    const ChartTools &tools;
    QString comparedAmpPath = {};     // a measurement shown beside it, whose files are kept too
};

// The Print command: runs the report-text dialog (its result does not matter), then the print
// dialog (copies preset to 1, 300 dpi); cancelled there, nothing is printed or shown. Prints one
// portrait page named after "Measurement report" in the current language. A printer reporting a
// printable width or height of 0 or less gets the message "Printer information missing."
// (caption "Error") and nothing is printed; a page that cannot be printed gets "The report could
// not be printed.". A print to a file is refused when the file is one of the measurement's own
// and is written whole or not at all; a refusal or failure shows "The file could not be saved."
// with the path and the reason.
void runPrintReport(const PrintJob &job);

// Proposes the report's PDF name (proposedReportPath) for the print dialog's print-to-file
// choice, leaving the printer's output format as it was.
void proposeReportFile(QPrinter &printer, const MeasurementFiles &files);
