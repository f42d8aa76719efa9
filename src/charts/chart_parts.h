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

// A segment of a curve or line: as it is at the full view, cut to the plot when zoomed.
void drawCurveSegment(Surface &surface, const Pen &pen, const DeviceRect &plotRect,
                      const AngleRange &range, int fromX, int fromY, int toX, int toY);
