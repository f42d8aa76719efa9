#pragma once

#include "data/measurement_set.h"
#include "draw/surface.h"

#include <QString>

#include <optional>

// What lies under a point of the results window's charts, found by inverting the mapping the
// screen drawing uses (not by looking at pixels).
struct ChartReadout {
    enum class Chart { Amplitude, Reference };
    Chart chart = Chart::Amplitude;
    double angle = 0.0;   // degrees under the point
    int index = -1;       // the sample or entry nearest in angle; -1 when the chart has none
};

// The readout for device point (x, y) of a client area as the screen drawing lays it out, or
// nothing when the point is outside both plots.
std::optional<ChartReadout> chartReadoutAt(const MeasurementSet &data, const DeviceRect &clientArea,
                                           int x, int y);

// The readout's lines in the current language: the angle, then the two curves in percent
// (amplitude chart) or the red and blue marks (reference chart) of the nearest sample or entry,
// whose angle is shown; the angle under the point when there is none.
QString chartReadoutText(const ChartReadout &readout, const MeasurementSet &data);
