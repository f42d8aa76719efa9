#pragma once

#include "data/measurement_set.h"
#include "report/c_protokoll_text.h"
#include "results/chart_tools.h"

class CErgebnisDlg;
class ModalDialogs;
class QPrinter;
class QWidget;

// What the Print command reads and writes.
struct PrintJob {
    QWidget *owner;                   // the results window: owner of every dialog shown
    ModalDialogs &dialogs;
    ReportTextFields texts;           // written by the report-text dialog, then printed
    const MeasurementFiles &files;    // titles and the modification time printed
    const MeasurementSet &data;
    const ChartTools &tools;
};

// The Print command: runs the report-text dialog (its result does not matter), then the print
// dialog (copies preset to 1, 300 dpi); cancelled there, nothing is printed or shown. Prints one
// portrait page named after "Measurement report" in the current language. A printer reporting a
// printable width or height of 0 or less gets the message "Printer information missing."
// (caption "Error") and nothing is printed; a document that cannot be started is dropped
// silently.
void runPrintReport(const PrintJob &job);
// The same for the results window's own fields, files, data, tools and dialogs.
void runPrintReport(CErgebnisDlg &window);

// Draws the report page onto a printer set up by the caller; false when nothing could be
// printed (no printable area, or the document could not be started). Date texts are made from
// the amplitude file's modification time and the current time.
bool printReportPage(QPrinter &printer, const ReportTextFields &texts,
                     const MeasurementFiles &files, const MeasurementSet &data,
                     const ChartTools &tools);
