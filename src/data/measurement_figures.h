#pragma once

#include "data/measurement_set.h"

#include <vector>

// The figures of one measurement: per series its extremes and mean, and per amplitude curve
// the angle ranges where it leaves the limit lines. docs/figures.md defines the crossings, the
// wrap and what angles that go backwards do.

// The amplitude chart's limit lines, in percent. A value on a line is inside.
constexpr double lowerLimit = 30.0;
constexpr double upperLimit = 90.0;

// One series over its angles. With count 0 the other members are 0 and mean nothing. The
// minimum and maximum angles are those of the first sample (file order) holding that value.
// A series holding both infinities has a NaN mean and peak-to-peak.
struct SeriesFigures {
    int count = 0;
    double minimum = 0;
    double minimumAngle = 0;
    double maximum = 0;
    double maximumAngle = 0;
    double mean = 0;
    double peakToPeak = 0;   // maximum - minimum
};

enum class LimitSide { Above, Below };   // above upperLimit, below lowerLimit

// One stretch of a curve outside a limit line, in degrees as the file gives them.
struct Excursion {
    LimitSide side = LimitSide::Above;
    double startAngle = 0;   // where the curve crosses out (or the first sample's angle)
    double endAngle = 0;     // where it crosses back in (or the last sample's angle)
    double width = 0;        // degrees travelled outside, >= 0; a wrap counts forward
    double worstValue = 0;   // the sample farthest outside in this stretch
    double worstAngle = 0;   // that sample's angle
};

// The excursions of one amplitude curve in file order.
struct CurveExcursions {
    std::vector<Excursion> ranges;
    double angleOutside = 0;   // the sum of the ranges' widths
    // The sample farthest outside either line over all ranges (the first of equals); meaningful
    // only when ranges is not empty.
    double worstValue = 0;
    double worstAngle = 0;
};

struct MeasurementFigures {
    SeriesFigures amplitude[2];   // curve 1, curve 2 over ampSeries[0]
    SeriesFigures reference[4];   // red marks, blue marks, red line, blue line over refSeries[0]
    CurveExcursions excursions[2];

    // True when neither amplitude curve leaves the limit lines.
    bool withinLimits() const { return excursions[0].ranges.empty() && excursions[1].ranges.empty(); }
};

// The figures of count values and their angles, in file order. count may be 0.
SeriesFigures seriesFigures(const double *angles, const double *values, int count);

// The stretches where values lie above upperLimit or below lowerLimit, crossings interpolated
// linearly between samples (docs/figures.md).
CurveExcursions curveExcursions(const double *angles, const double *values, int count);

// Every figure of the data set (counts clamped to its limits).
MeasurementFigures measurementFigures(const MeasurementSet &data);
