#pragma once

#include "charts/chart_tools.h"
#include "data/measurement_set.h"
#include "report/report_texts.h"

#include <QPageLayout>
#include <QString>

class QPrinter;

// The one page set-up of the report, for Print, the preview and the PDF writers.

// Dots per inch of every report output.
inline constexpr int reportResolution = 300;

// A4 portrait; no margins, so the whole page is the printable area (--report, "Save report as
// PDF"). A printer keeps the margins it has.
QPageLayout reportPageLayout();

// The document's name: "Measurement report" in the current language.
QString reportDocumentName();

// A printer set up for the report: reportResolution, one copy, A4 portrait, reportDocumentName.
void setUpReportPrinter(QPrinter &printer);

// Where a report of these files is proposed to go: the amplitude file's folder and title with
// "_amp.txt" (or else its last suffix) replaced by "_report.pdf". Empty when no file was read.
QString proposedReportPath(const MeasurementFiles &files);
