#pragma once

#include "charts/chart_tools.h"
#include "data/measurement_set.h"
#include "report/report_texts.h"

#include <QString>

class QPrinter;

// A printer set up as the Print command sets one up for its page: 300 dpi, A4 portrait, one
// copy, the document named after "Measurement report" in the current language.
void setUpReportPrinter(QPrinter &printer);

// Where a report of these files is proposed to go: the amplitude file's folder and title with
// "_amp.txt" (or else its last suffix) replaced by "_report.pdf". Empty when no file was read.
QString proposedReportPath(const MeasurementFiles &files);
