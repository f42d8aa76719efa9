#pragma once

#include "charts/chart_geometry.h"
#include "charts/chart_tools.h"
#include "data/measurement_figures.h"
#include "draw/surface.h"

#include <QString>

#include <vector>

// The trend of a lot: one column per measurement, in the order given, holding each amplitude
// curve's range from minimum to maximum as a bar over the amplitude chart's percent scale, with
// its limit lines; a measurement that leaves them has a red marker on each extreme outside.

// What one measurement contributes.
struct TrendPoint {
    int count = 0;             // samples; a measurement without any has an empty column
    double minimum[2] = {};    // curve 1, curve 2
    double maximum[2] = {};
};

// The point of a measurement's figures.
TrendPoint trendPoint(const MeasurementFigures &figures);

// Whether an extreme lies outside the limit lines (a value on a line is inside).
inline bool outsideLimits(double percent)
{
    return percent > upperLimit || percent < lowerLimit;
}

struct TrendGeometry {
    DeviceRect plotRect;
    DeviceRect titleBand;
    DeviceRect upperBand;      // 100 % to 120 %
    DeviceRect lowerBand;      // 0 % to 30 %
    double rowStep = 0.0;      // one step of 10 %, negative (upwards)
    double yScale = 0.0;       // units per percent
    double columnStep = 0.0;   // units per measurement, > 0 when there are any
    int count = 0;             // measurements across the plot
    int barWidth = 1;          // each curve's bar; the two stand side by side at the column's centre
    int labelStep = 1;         // every labelStep-th measurement is numbered below the plot
    int markerRadius = 4;
    LabelMetrics labels;
};

// The geometry for count measurements (>= 0) in a client area (units as on screen). A tiny area
// gives an empty plot, never an inverted one.
TrendGeometry trendGeometry(const DeviceRect &clientArea, int count);

// x of the centre of measurement index's column (0-based).
int trendX(const TrendGeometry &geometry, int index);
// y of a percentage, clamped to the scale's 0 % to 120 %, so an extreme of any size (infinite
// too) stays on the plot's edge.
int trendY(const TrendGeometry &geometry, double percent);
// The bar of one curve (0 or 1) of measurement index: from its maximum down to its minimum, its
// bottom row included; an empty rectangle when the point has no samples.
DeviceRect trendBar(const TrendGeometry &geometry, int index, int curve, const TrendPoint &point);
// The measurement whose column holds x, or -1 outside the plot's columns.
int trendIndexAt(const TrendGeometry &geometry, int x);

// The title of a trend: the first and the last file's title and the number of columns, or the
// one title when they are the same column.
QString trendTitle(const QString &first, const QString &last, size_t count);

// Draws the trend of points with title in the title band, on screen scale, into clientArea.
void drawTrendChart(Surface &surface, const std::vector<TrendPoint> &points, const QString &title,
                    const ChartTools &tools, const DeviceRect &clientArea);
