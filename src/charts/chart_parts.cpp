#include "charts/chart_parts.h"

#include "draw/device_units.h"

#include <algorithm>

void drawSegment(Surface &surface, const Pen &pen, int fromX, int fromY, int toX, int toY)
{
    surface.selectPen(pen);
    surface.moveTo(fromX, fromY);
    surface.lineTo(toX, toY);
}

void drawGridRow(Surface &surface, const DeviceRect &plotRect, const LabelMetrics &labels, int y,
                 const Pen &pen, const QString &label)
{
    drawSegment(surface, pen, plotRect.left - 1, y, plotRect.right - 1, y);
    surface.drawText(rowLabelRect(plotRect, labels, y), label, TextAlign::Right);
}

void drawDegreeColumns(Surface &surface, const DeviceRect &plotRect, double colStep,
                       const LabelMetrics &labels, const Pen &pen)
{
    surface.selectPen(pen);
    for (int j = 0; j <= 8; ++j) {
        const int x = chartColumnX(plotRect, colStep, j);
        surface.moveTo(x, plotRect.top);
        surface.lineTo(x, plotRect.bottom + 1);
        surface.drawText(columnLabelRect(plotRect, labels, x), degreeLabel(45 * j),
                         TextAlign::Centre);
    }
}

void drawAngleColumns(Surface &surface, const DeviceRect &plotRect, const AngleRange &range,
                      double colStep, const LabelMetrics &labels, const Pen &pen)
{
    if (range.isFull()) {
        drawDegreeColumns(surface, plotRect, colStep, labels, pen);
        return;
    }
    surface.selectPen(pen);
    const AngleTicks ticks = angleTicks(range);
    const double scale = angleScale(plotRect.left, plotRect.right, range);
    for (const double angle : tickAngles(range, ticks)) {
        const int x = angleToX(plotRect.left, scale, range, angle);
        surface.moveTo(x, plotRect.top);
        surface.lineTo(x, plotRect.bottom + 1);
        // Decimals make labels wider than the full view's 30 units.
        const QString label = degreeLabel(angle, ticks.decimals);
        LabelMetrics wide = labels;
        wide.columnHalfWidth = std::max(labels.columnHalfWidth, surface.textWidth(label) / 2 + 2);
        surface.drawText(columnLabelRect(plotRect, wide, x), label, TextAlign::Centre);
    }
}

void drawCurveSegment(Surface &surface, const Pen &pen, const DeviceRect &plotRect, CurveCut cut,
                      QPointF from, QPointF to)
{
    if (cut == CurveCut::ToPlot && !clipSegment(plotRect, from, to))
        return;
    drawSegment(surface, pen, truncToInt(from.x()), truncToInt(from.y()), truncToInt(to.x()),
                truncToInt(to.y()));
}
