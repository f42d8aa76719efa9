#pragma once

#include "charts/chart_tools.h"
#include "data/measurement_set.h"
#include "draw/surface.h"

#include <QString>

// Everything the report page prints besides the charts; the date texts are made by the caller
// so the page itself does not depend on the clock or the time zone.
struct ReportContent {
    QString bearingType;
    QString remarkLines[3];
    QString ampFileTitle;
    QString refFileTitle;   // empty when no reference file was read
    QString fileDateText;   // modification date of the amplitude file
    QString printDateText;  // the moment of printing
};

// Draws the one-page report onto a surface whose origin is the top-left corner of a printable
// area of horzRes x vertRes pixels (both > 0): both charts on paper, then frame, logo, title,
// information block, closing line and footer. Labels and the title are in the current language;
// the title prefix and the footer are the same in every language. Block file titles are cut to
// 24 characters; texts are printed as given otherwise. Leaves the background mode transparent.
void drawReportPage(Surface &page, int horzRes, int vertRes, const ReportContent &content,
                    const MeasurementSet &data, const ChartTools &tools);

// The report's logo picture (247 x 237 pixels, 16 colours); registers the resources itself.
QImage reportLogo();
