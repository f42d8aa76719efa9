#pragma once

#include "charts/chart_geometry.h"
#include "charts/charts.h"

// How a compared measurement looks beside the shown one, and the legend that tells them apart.

// The compared measurement's colour: the shown one's halfway to white, lighter; white itself,
// which no lighter colour tells apart, halfway to the plot's colour.
Colour comparedColour(Colour colour, Colour plotColour);
// The pen of a compared curve or line: the shown one's width, in its compared colour, dashed.
Pen comparedPen(const Pen &pen, Colour plotColour);

// The legend's texts of one chart: the file titles of the chart's files (reference: the
// reference files, or the amplitude files where none was read); the compared one says it is
// the same file when it is.
struct LegendTitles {
    QString shown;
    QString compared;
};
enum class LegendFiles { Amplitude, Reference };
LegendTitles legendTitles(LegendFiles files, const ChartComparison &comparison);

// Where the legend stands in a chart's title band, right-aligned: a sample of the shown
// measurement's line and its title, then the same for the compared one. The samples are
// 28 x 8 lengths, 4 lengths from their text; 12 lengths part the two entries. The legend keeps
// 12 lengths right of titleRight, the end of the chart's title: where the band is too short,
// the longer text rectangle is cut first, and the texts are clipped to them.
struct LegendEntry {
    DeviceRect sample;
    DeviceRect text;
};
struct ChartLegend {
    LegendEntry shown;
    LegendEntry compared;
};
ChartLegend chartLegend(const DeviceRect &titleBand, int titleRight, int shownTextWidth,
                        int comparedTextWidth, double lengthSx, double lengthSy);

// Draws the legend in font beside the chart's title (drawn left-aligned in the band in the
// title font): each sample a short line in its pen across a patch of the plot's colour, each
// title in the text colour.
void drawChartLegend(Surface &surface, const DeviceRect &titleBand, const ChartFrame &frame,
                     const QString &chartTitle, const FontSpec &font, const LegendTitles &titles,
                     const Pen &shownPen, Colour plotColour);
