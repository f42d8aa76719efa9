#pragma once

#include "charts/chart_tools.h"
#include "data/measurement_set.h"
#include "report/report_page.h"
#include "report/report_texts.h"

#include <QSize>

class QPaintDevice;
class QPrinter;

// The page's content: the texts as given, the titles, and the date texts made from the
// amplitude file's modification time and the current time.
ReportContent reportContentFor(const ReportTexts &texts, const MeasurementFiles &files);

// Draws the report page onto a printer set up by the caller; false when nothing could be
// printed (no printable area, or the document could not be started). Date texts are made from
// the amplitude file's modification time and the current time.
bool printReportPage(QPrinter &printer, const ReportTexts &texts,
                     const MeasurementFiles &files, const MeasurementSet &data,
                     const ChartTools &tools);

// The same page onto any paint device whose page is printable pixels large (a PDF writer).
bool paintReportPage(QPaintDevice &device, QSize printable, const ReportTexts &texts,
                     const MeasurementFiles &files, const MeasurementSet &data,
                     const ChartTools &tools);
