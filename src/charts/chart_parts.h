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
