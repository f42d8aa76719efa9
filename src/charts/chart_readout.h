#pragma once

#include "charts/angle_range.h"
#include "charts/charts.h"
#include "data/measurement_set.h"
#include "draw/surface.h"

#include <QPoint>
#include <QString>

#include <optional>

// What lies under a point of the results window's charts, found with the mapping the screen
// drawing uses (not by looking at pixels).
struct ChartReadout {
    enum class Chart { Amplitude, Reference };
    Chart chart = Chart::Amplitude;
    double angle = 0.0;   // degrees under the point
    int index = -1;       // the sample or entry drawn nearest the point; -1 when the chart has none
    int comparedIndex = -1;   // the compared measurement's at the same angle; -1 without one
};

// The readout for device point (x, y) of a client area as the screen drawing lays it out, or
// nothing when the point is outside both plots. The index is the sample whose drawn points
// (both curves; on the reference chart both lines and the marks that are drawn) lie nearest
// the point on screen, the first of equals; so where a file holds several revolutions the one
// under the pointer wins.
// range: the angles the plots show. compared: a measurement drawn behind data, read at the
// same angle: comparedIndex is its sample nearest in angle to the one found (to the angle
// under the point when none was); the reference chart's scale then covers both.
std::optional<ChartReadout> chartReadoutAt(const MeasurementSet &data, const DeviceRect &clientArea,
                                           int x, int y, const AngleRange &range = {},
                                           const MeasurementSet *compared = nullptr);

// The plot rectangle of a chart on screen, in device units of the client area.
DeviceRect chartPlotRect(ChartReadout::Chart chart, const DeviceRect &clientArea);

// The sample or entry of data whose angle lies nearest angle, the first of equals; -1 when the
// chart has none with a finite angle.
int nearestSampleByAngle(ChartReadout::Chart chart, const MeasurementSet &data, double angle);

// The angle a readout stands at, where the compared measurement is read: that of data's sample
// readout.index, or the angle under the point without one or where it is not finite.
double readoutAngle(const ChartReadout &readout, const MeasurementSet &data);

// How many samples (amplitude) or entries (reference) the chart draws.
int chartSampleCount(ChartReadout::Chart chart, const MeasurementSet &data);

// Where sample or entry index (below chartSampleCount) is drawn on screen: x of its angle, y
// of the first curve (amplitude) or of the red line (reference); clamped to the int range.
// compared: the measurement drawn behind data, which shares the reference chart's scale.
QPoint chartSamplePoint(ChartReadout::Chart chart, const MeasurementSet &data,
                        const DeviceRect &clientArea, int index, const AngleRange &range = {},
                        const MeasurementSet *compared = nullptr);

// The readout's lines in the current language: the angle of the sample or entry, then the two
// curves in percent (amplitude chart), or the red and blue lines and the marks that are there,
// non-zero (reference chart), then the line of the file it came from. Without a sample, only
// the angle under the point. With a comparison and a comparedIndex, the compared file's title
// follows as a heading, then the same lines for its sample comparedIndex, its angle only where
// it reads otherwise than the shown one's.
QString chartReadoutText(const ChartReadout &readout, const MeasurementSet &data,
                         const ChartComparison &comparison = {});

// A sentence for a screen reader in the current language: what the chart shows, the file
// title, the number of samples or entries and the range of their angles (0 to 0 when none).
QString chartDescription(ChartReadout::Chart chart, const MeasurementSet &data,
                         const QString &fileTitle);
