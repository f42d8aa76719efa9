#pragma once

#include "charts/chart_tools.h"
#include "data/measurement_set.h"
#include "report/report_setup.h"
#include "report/report_texts.h"

#include <QPageLayout>
#include <QString>

class QIODevice;

// Writes the printed report as a one-page A4 portrait PDF at 300 dpi to outPath, the whole
// page being the printable area, drawn by the same code as the printed page. The bearing type
// and the remark lines are cut to 12 and 40 characters; labels and the document name are in
// the current language. The file is written whole or not at all (see writeOutputFile).
// Returns an empty string when it was written, else the reason.
QString writeReportPdf(const QString &outPath, const ReportTexts &texts, const MeasurementSet &data,
                       const MeasurementFiles &files, const ChartTools &tools);

// The same page written to an open device; false when the page could not be drawn. The page's
// paint rectangle (the whole page for reportPageLayout, the printable area of a printer's layout) is
// the printable area, at resolution dots per inch.
bool writeReportPdfTo(QIODevice &out, const ReportTexts &texts, const MeasurementSet &data,
                      const MeasurementFiles &files, const ChartTools &tools,
                      const QPageLayout &page = reportPageLayout(), int resolution = reportResolution);
