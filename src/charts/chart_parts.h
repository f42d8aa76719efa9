#pragma once

#include "charts/chart_geometry.h"

// Pieces that both charts draw in the same way.

// One line from (fromX, fromY) to (toX, toY) in pen.
void drawSegment(Surface &surface, const Pen &pen, int fromX, int fromY, int toX, int toY);

// A grid row at y across the plot, one unit past its left edge, with its label right-aligned
// beside the plot.
void drawGridRow(Surface &surface, const DeviceRect &plotRect, const LabelMetrics &labels, int y,
                 const Pen &pen, const QString &label);

// The nine degree columns (0 to 360 in steps of 45) in pen, each with its label below the plot.
void drawDegreeColumns(Surface &surface, const DeviceRect &plotRect, double colStep,
                       const LabelMetrics &labels, const Pen &pen);

// The degree columns of a range: the nine of drawDegreeColumns at the full view; zoomed, one
// column at every angleTicks step across the plot, each label as wide as its text needs.
void drawAngleColumns(Surface &surface, const DeviceRect &plotRect, const AngleRange &range,
                      double colStep, const LabelMetrics &labels, const Pen &pen);

// Whether a curve's segments are cut to the plot. The full view draws the shown measurement's
// curves and lines where they fall, past the plot too; zoomed, and always for a compared
// measurement, they are cut to it.
enum class CurveCut { None, ToPlot };

// A segment of a curve or line between two points in reals (amplitudePoint, referencePoint).
// Cut, it is cut in reals first and then made units, so a line towards a point billions of
// units away costs what its part inside the plot costs, dashed or not.
void drawCurveSegment(Surface &surface, const Pen &pen, const DeviceRect &plotRect, CurveCut cut,
                      QPointF from, QPointF to);
