#include "charts/trend_chart.h"

#include "charts/chart_colours.h"
#include "charts/chart_parts.h"
#include "draw/device_units.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

TrendPoint trendPoint(const MeasurementFigures &figures)
{
    TrendPoint point;
    point.count = figures.amplitude[0].count;
    for (int curve = 0; curve < 2; ++curve) {
        point.minimum[curve] = figures.amplitude[curve].minimum;
        point.maximum[curve] = figures.amplitude[curve].maximum;
    }
    return point;
}

QString trendTitle(const QString &first, const QString &last, size_t count)
{
    if (count <= 1)
        return first;
    return QStringLiteral("%1 \u2026 %2 (%3)").arg(first, last).arg(count);
}

namespace {

// Numbers below the plot stand at least this far apart, so five digits never touch.
constexpr double minimumLabelSpacing = 45.0;

// The smallest of 1, 2, 5, 10, 20, 50, ... measurements that keeps the labels apart.
int labelStep(double columnStep, int count)
{
    int64_t step = 1;
    for (int64_t decade = 1; decade < count; decade *= 10) {
        for (const int factor : {1, 2, 5}) {
            step = decade * factor;
            if (step * columnStep >= minimumLabelSpacing)
                return int(std::min<int64_t>(step, count));
        }
    }
    return int(std::clamp<int64_t>(step, 1, std::max(count, 1)));
}

} // namespace

TrendGeometry trendGeometry(const DeviceRect &clientArea, int count)
{
    const int h = clientArea.height();
    const int w = clientArea.width();
    TrendGeometry g;
    // The amplitude chart's margins: room for "120%" on the left, a title band above and the
    // numbers below.
    g.plotRect.left = clientArea.left + w / 50 + 30;
    g.plotRect.right = std::max(g.plotRect.left, clientArea.right - 15 - w / 40);
    g.plotRect.top = clientArea.top + std::max(h / 30, 24);
    g.plotRect.bottom = std::max(g.plotRect.top, clientArea.bottom - std::max(h / 30, 24));
    const DeviceRect &plot = g.plotRect;
    g.titleBand = {plot.left, clientArea.top, plot.right, plot.top};
    g.rowStep = (plot.top - plot.bottom) / 12.0;
    g.yScale = (plot.bottom - plot.top) / 120.0;
    g.upperBand = {plot.left, plot.top, plot.right, plot.top - truncToInt(2 * g.rowStep)};
    g.lowerBand = {plot.left, plot.bottom - truncToInt(-3 * g.rowStep), plot.right, plot.bottom};
    g.count = std::max(count, 0);
    g.columnStep = g.count > 0 ? double(plot.width()) / g.count : 0.0;
    // Wide columns get wide bars, but never so wide that neighbours' bars meet.
    g.barWidth = std::clamp(truncToInt(g.columnStep * 0.3), 1, 8);
    g.labelStep = labelStep(g.columnStep, g.count);
    g.labels = {5, 20, 15, 15};
    return g;
}

int trendX(const TrendGeometry &geometry, int index)
{
    return geometry.plotRect.left + truncToInt((index + 0.5) * geometry.columnStep);
}

int trendY(const TrendGeometry &geometry, double percent)
{
    // NaN has no place on the scale; it cannot come from a file, and goes to 0 %.
    const double clamped = std::isnan(percent) ? 0.0 : std::clamp(percent, 0.0, 120.0);
    return truncToInt(geometry.plotRect.bottom - clamped * geometry.yScale);
}

DeviceRect trendBar(const TrendGeometry &geometry, int index, int curve, const TrendPoint &point)
{
    if (point.count <= 0)
        return {};
    const int x = trendX(geometry, index);
    const int left = curve == 0 ? x - geometry.barWidth : x;
    return {left, trendY(geometry, point.maximum[curve]), left + geometry.barWidth,
            trendY(geometry, point.minimum[curve]) + 1};
}

int trendIndexAt(const TrendGeometry &geometry, int x)
{
    if (geometry.count == 0 || x < geometry.plotRect.left || x >= geometry.plotRect.right)
        return -1;
    const int index = truncToInt((x - geometry.plotRect.left) / geometry.columnStep);
    return std::clamp(index, 0, geometry.count - 1);
}

namespace {

void drawTitle(Surface &surface, const TrendGeometry &g, const QString &title)
{
    surface.selectFont(chartTitleFont(1.0, 1.0));
    surface.setTextColour(chartColours.textColour);
    surface.setBackgroundMode(BackgroundMode::Transparent);
    surface.drawText(g.titleBand, title, TextAlign::Left);
}

// As the amplitude chart's: the dark plot, hatched above 100 % and below 30 %.
void drawBackground(Surface &surface, const TrendGeometry &g, const ChartTools &tools)
{
    surface.setBackgroundMode(BackgroundMode::Opaque);
    surface.setBackgroundColour(chartColours.bandDark);
    surface.fillRect(g.plotRect, chartColours.bandDark);
    surface.fillRect(g.upperBand, tools.screenBandBrush);
    surface.fillRect(g.lowerBand, tools.screenBandBrush);
    surface.setBackgroundMode(BackgroundMode::Transparent);
}

void drawPercentageRows(Surface &surface, const TrendGeometry &g, const ChartTools &tools)
{
    surface.selectFont(tools.labelFont);
    for (int k = 0; k <= 12; ++k) {
        const int percent = 10 * k;
        const bool limit = percent == lowerLimit || percent == upperLimit;
        drawGridRow(surface, g.plotRect, g.labels, g.plotRect.bottom + truncToInt(k * g.rowStep),
                    limit ? tools.limitPen : tools.thinBlackPen, percentLabel(percent));
    }
}

// The measurements' numbers, counted from 1, every labelStep-th with a grid line.
void drawMeasurementColumns(Surface &surface, const TrendGeometry &g, const ChartTools &tools)
{
    surface.selectPen(tools.thinBlackPen);
    const int first = g.labelStep == 1 ? 1 : g.labelStep;
    for (int number = first; number <= g.count; number += g.labelStep) {
        const int x = trendX(g, number - 1);
        surface.moveTo(x, g.plotRect.top);
        surface.lineTo(x, g.plotRect.bottom + 1);
        const QString label = QString::number(number);
        LabelMetrics wide = g.labels;
        wide.columnHalfWidth = std::max(g.labels.columnHalfWidth, surface.textWidth(label) / 2 + 2);
        surface.drawText(columnLabelRect(g.plotRect, wide, x), label, TextAlign::Centre);
    }
}

void drawBars(Surface &surface, const TrendGeometry &g, const std::vector<TrendPoint> &points)
{
    const Colour colours[2] = {chartPenColours.whiteCurve, chartPenColours.yellowCurve};
    for (int curve = 0; curve < 2; ++curve) {
        for (int index = 0; index < g.count; ++index) {
            if (points[size_t(index)].count > 0)
                surface.fillRect(trendBar(g, index, curve, points[size_t(index)]), colours[curve]);
        }
    }
}

// Last, so no bar hides them: a red marker on every extreme outside the limit lines.
void drawOutsideMarkers(Surface &surface, const TrendGeometry &g, const std::vector<TrendPoint> &points,
                        const ChartTools &tools)
{
    surface.selectPen(tools.redMarkPen);
    surface.selectBrush(tools.redMarkBrush);
    const int r = g.markerRadius;
    for (int index = 0; index < g.count; ++index) {
        const TrendPoint &point = points[size_t(index)];
        if (point.count <= 0)
            continue;
        for (int curve = 0; curve < 2; ++curve) {
            const DeviceRect bar = trendBar(g, index, curve, point);
            const int x = bar.left + bar.width() / 2;
            for (const double extreme : {point.maximum[curve], point.minimum[curve]}) {
                if (outsideLimits(extreme))
                    surface.roundRect(markerRect(x, trendY(g, extreme), r), 2 * r, 2 * r);
            }
        }
    }
}

} // namespace

void drawTrendChart(Surface &surface, const std::vector<TrendPoint> &points, const QString &title,
                    const ChartTools &tools, const DeviceRect &clientArea)
{
    const TrendGeometry geometry = trendGeometry(clientArea, int(std::min<size_t>(points.size(), 1u << 30)));
    drawTitle(surface, geometry, title);
    drawBackground(surface, geometry, tools);
    drawPercentageRows(surface, geometry, tools);
    drawMeasurementColumns(surface, geometry, tools);
    drawBars(surface, geometry, points);
    drawOutsideMarkers(surface, geometry, points, tools);
    surface.setTextColour(chartColours.textColour);
}
