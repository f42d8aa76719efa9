#include "charts/chart_parts.h"

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
