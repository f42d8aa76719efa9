#pragma once

#include "charts/angle_range.h"
#include "charts/chart_tools.h"
#include "data/measurement_set.h"
#include "draw/surface.h"

enum class ChartMedium { Screen, Paper };

// A second measurement drawn behind the shown one. Without data the charts are drawn as ever.
struct ChartComparison {
    const MeasurementSet *data = nullptr;
    QString shownTitle;              // the amplitude file titles the legend names
    QString comparedTitle;
    QString shownRefTitle = {};      // the reference chart's legend names these; empty: those above
    QString comparedRefTitle = {};
    bool sameFile = false;           // the compared measurement is the shown one's own file
};

// The comparison of the shown measurement (files) with compared (comparedFiles), as the
// legends name it: by the files' titles, the same file when both have the same full path.
// Without compared, no comparison.
ChartComparison chartComparison(const MeasurementSet *compared, const MeasurementFiles &files,
                                const MeasurementFiles &comparedFiles);

// The two chart routines. On screen: sx = sy = 1.0, the area is clientArea and the window's
// tools are used. On paper: sx and sy are printer dots per millimetre, the area comes from the
// page (clientArea is not used) and the routine makes and drops its own pens and fonts.
// Both leave the background mode transparent and the text colour at textColour.
// range: the angles across the plots. Zoomed (not the full view), the degree grid follows
// angleTicks and the curves, lines and markers are cut to the plot.
// comparison: its curves and lines are drawn first, in lighter colours and dashed, cut to the
// plot, its markers hollow; the reference scale covers both measurements' markers, and a
// legend in the title band's right end names both files beside a sample of their lines (the
// amplitude files on the amplitude chart, the reference files on the other).
void drawAmplitudeChart(Surface &surface, const MeasurementSet &data, const ChartTools &tools,
                        double sx, double sy, ChartMedium medium, const DeviceRect &clientArea,
                        const AngleRange &range = {}, const ChartComparison &comparison = {});
void drawReferenceMarksChart(Surface &surface, const MeasurementSet &data, const ChartTools &tools,
                             double sx, double sy, ChartMedium medium, const DeviceRect &clientArea,
                             const AngleRange &range = {}, const ChartComparison &comparison = {});
