#pragma once

#include "charts/angle_range.h"
#include "charts/charts.h"
#include "draw/device_units.h"
#include "draw/surface.h"

#include <QPointF>
#include <QString>

#include <cstdint>

// Geometry of the two charts, apart from painting: rectangles, steps, scales and the mapping
// of values to device units. Every real becomes an integer by cutting toward zero through
// truncToInt (draw/device_units.h), so data of any size maps to a coordinate safely.

// The drawing area of a chart and the scale of its lengths. On paper the area comes from the
// page (dots per millimetre sx, sy) and the returned lengthSx/lengthSy are the reduced scales
// (a quarter of sx, sy) that every later length uses; on screen the area is the client area and
// the scales are sx, sy unchanged.
struct ChartFrame {
    ChartMedium medium = ChartMedium::Screen;
    DeviceRect area;
    double lengthSx = 1.0;
    double lengthSy = 1.0;
};

// Tools a chart makes for paper; on screen the window's own are used.
struct PaperTools {
    FontSpec labelFont;
    Pen thinPen;
    Pen mediumPen;    // reference chart: the zero line
    Pen limitPen;     // amplitude chart: 30 % and 90 %
    Pen yellowPen;
    Pen whitePen;
    Pen redMarkPen;
    Pen redLinePen;
    Pen blueMarkPen;
    Pen blueLinePen;
};

// The title font of either chart: 20 x 10 units at the given (reduced) scales.
FontSpec chartTitleFont(double lengthSx, double lengthSy);

// Where the labels stand beside the plot: row labels right-aligned from x = 0 to
// plot left - gap, rowHalfHeight above and below their line; column labels centred on their
// line, columnHalfWidth either side, columnHeight tall, just below the plot.
struct LabelMetrics {
    int gap = 0;
    int rowHalfHeight = 0;
    int columnHalfWidth = 0;
    int columnHeight = 0;
};

DeviceRect rowLabelRect(const DeviceRect &plotRect, const LabelMetrics &labels, int y);
DeviceRect columnLabelRect(const DeviceRect &plotRect, const LabelMetrics &labels, int x);

// ---- Amplitude chart ----

struct AmplitudeGeometry {
    DeviceRect plotRect;
    DeviceRect titleBand;
    DeviceRect upperBand;   // 100 % to 120 %
    DeviceRect lowerBand;   // 0 % to 30 %
    double rowStep = 0.0;   // one step of 10 %, negative (upwards)
    double colStep = 0.0;   // one step of 45 degrees
    double xScale = 0.0;    // units per degree
    double yScale = 0.0;    // units per percent
    int maxGap = 0;         // the width of 90 degrees: samples this far apart are not joined
    LabelMetrics labels;
    AngleRange range;       // the angles across the plot
};

ChartFrame amplitudeFrame(double sx, double sy, ChartMedium medium, const DeviceRect &clientArea);
PaperTools amplitudePaperTools(double sx, double sy);
// range: the angles across the plot; the full view unless zoomed.
AmplitudeGeometry amplitudeGeometry(const ChartFrame &frame, const AngleRange &range = {});

// y of percentage row k (0 to 12), x of degree column j (0 to 8).
int amplitudeRowY(const AmplitudeGeometry &geometry, int k);
int chartColumnX(const DeviceRect &plotRect, double colStep, int j);
// The device point of a sample: x from the angle, y from the percentage.
int amplitudeX(const AmplitudeGeometry &geometry, double angle);
int amplitudeY(const AmplitudeGeometry &geometry, double percent);
// The same point in reals, clamped to the int range: its units are amplitudeX and amplitudeY.
QPointF amplitudePoint(const AmplitudeGeometry &geometry, double angle, double percent);

// ---- Reference marks chart ----

// The value scale from -S to +S, S a multiple of 100 chosen from the red and blue markers.
struct ReferenceScale {
    int64_t S = 100;
    int64_t valueStep = 10;   // S / 10
};

struct ReferenceGeometry {
    DeviceRect plotRect;
    DeviceRect titleBand;
    double rowStep = 0.0;   // one label row, negative (upwards)
    double colStep = 0.0;
    double xScale = 0.0;
    double yScale = 0.0;    // units per value
    int mid = 0;            // y of the zero line
    int markerRadius = 0;
    LabelMetrics labels;
    AngleRange range;
};

ChartFrame referenceFrame(double sx, double sy, ChartMedium medium, const DeviceRect &clientArea);
PaperTools referencePaperTools(double sx, double sy);
// maxRed and minBlue: the largest red marker value and the smallest blue one, each starting at 0.
ReferenceScale referenceScale(double maxRed, double minBlue);
// The scale of a data set: from its counted red and blue markers; the line series do not count.
// With a compared data set, from the markers of both.
ReferenceScale referenceScale(const MeasurementSet &data, const MeasurementSet *compared = nullptr);
ReferenceGeometry referenceGeometry(const ChartFrame &frame, const ReferenceScale &scale,
                                    const AngleRange &range = {});

int referenceRowY(const ReferenceGeometry &geometry, int k);
int64_t referenceRowValue(const ReferenceScale &scale, int k);
int referenceX(const ReferenceGeometry &geometry, double angle);
int referenceY(const ReferenceGeometry &geometry, double value);
// The same point in reals, clamped to the int range: its units are referenceX and referenceY.
QPointF referencePoint(const ReferenceGeometry &geometry, double angle, double value);
// The marker square around (x, y), clamped to the int range.
DeviceRect markerRect(int x, int y, int radius);

// ---- Labels ----

QString degreeLabel(int degrees);       // " 45°"
QString percentLabel(int percent);      // "30%"
QString valueLabel(int64_t value);      // "-100"
