#include "charts/chart_geometry.h"

#include "charts/chart_colours.h"
#include "draw/device_units.h"

#include <QChar>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

FontSpec chartTitleFont(double lengthSx, double lengthSy)
{
    return {QStringLiteral("Arial"), truncToInt(-20 * lengthSy), truncToInt(-10 * lengthSx), 300,
            FontPitchFamily::SansSerif};
}

DeviceRect rowLabelRect(const DeviceRect &plotRect, const LabelMetrics &labels, int y)
{
    return {0, y - labels.rowHalfHeight, plotRect.left - labels.gap, y + labels.rowHalfHeight};
}

DeviceRect columnLabelRect(const DeviceRect &plotRect, const LabelMetrics &labels, int x)
{
    return {x - labels.columnHalfWidth, plotRect.bottom + 1, x + labels.columnHalfWidth,
            plotRect.bottom + 1 + labels.columnHeight};
}

int chartColumnX(const DeviceRect &plotRect, double colStep, int j)
{
    return plotRect.left + truncToInt(j * colStep);
}

// Paper areas run from 20 mm to 200 mm across and from the given top to the page's foot.
static ChartFrame paperFrame(double sx, double sy, double topMillimetres)
{
    ChartFrame frame;
    frame.medium = ChartMedium::Paper;
    frame.area = {truncToInt(20 * sx), truncToInt(topMillimetres * sy), truncToInt(200 * sx),
                  truncToInt(297 * sy)};
    // Lengths on paper are a quarter of a millimetre each.
    frame.lengthSx = sx * 0.25;
    frame.lengthSy = sy * 0.25;
    return frame;
}

// On paper the chart starts paperTop millimetres down the page; on screen it fills the client area.
static ChartFrame chartFrame(double sx, double sy, ChartMedium medium, const DeviceRect &clientArea,
                             double paperTop)
{
    switch (medium) {
    case ChartMedium::Paper:
        return paperFrame(sx, sy, paperTop);
    case ChartMedium::Screen:
        return {ChartMedium::Screen, clientArea, sx, sy};
    }
    Q_UNREACHABLE();
}

ChartFrame amplitudeFrame(double sx, double sy, ChartMedium medium, const DeviceRect &clientArea)
{
    return chartFrame(sx, sy, medium, clientArea, 65);
}

ChartFrame referenceFrame(double sx, double sy, ChartMedium medium, const DeviceRect &clientArea)
{
    return chartFrame(sx, sy, medium, clientArea, 60);
}

static FontSpec paperLabelFont(double sx, double sy)
{
    return {QStringLiteral("Arial"), truncToInt(-2 * sy), truncToInt(-1 * sx), 300,
            FontPitchFamily::SansSerif};
}

PaperTools amplitudePaperTools(double sx, double sy)
{
    PaperTools tools;
    tools.labelFont = paperLabelFont(sx, sy);
    tools.thinPen = {chartPenColours.black, truncToInt(0.2 * sy)};
    tools.limitPen = {chartPenColours.limit, truncToInt(0.5 * sy)};
    tools.yellowPen = {chartPenColours.yellowCurve, truncToInt(0.6 * sy)};
    tools.whitePen = {chartPenColours.whiteCurve, truncToInt(0.6 * sy)};
    return tools;
}

PaperTools referencePaperTools(double sx, double sy)
{
    PaperTools tools;
    tools.labelFont = paperLabelFont(sx, sy);
    tools.thinPen = {chartPenColours.black, truncToInt(0.2 * sy)};
    tools.mediumPen = {chartPenColours.black, truncToInt(0.4 * sy)};
    tools.redMarkPen = {chartPenColours.red, truncToInt(0.25 * sy)};
    tools.redLinePen = {chartPenColours.red, truncToInt(0.6 * sy)};
    tools.blueMarkPen = {chartPenColours.blue, truncToInt(0.25 * sy)};
    tools.blueLinePen = {chartPenColours.blue, truncToInt(0.6 * sy)};
    return tools;
}

AmplitudeGeometry amplitudeGeometry(const ChartFrame &frame, const AngleRange &range)
{
    const DeviceRect &area = frame.area;
    const int h = area.height();
    const int w = area.width();
    const double sx = frame.lengthSx;
    const double sy = frame.lengthSy;

    AmplitudeGeometry g;
    g.plotRect.top = area.top + h / 30;
    g.plotRect.bottom = area.bottom - h / 2 - h / 20;
    g.plotRect.left = area.left + w / 50 - truncToInt(-30 * sx);
    g.plotRect.right = area.right - truncToInt(15 * sx) - w / 40;
    const DeviceRect &plot = g.plotRect;

    g.titleBand = {plot.left, area.top, plot.right, plot.top};
    g.rowStep = (plot.top - plot.bottom) / 12.0;
    g.upperBand = {plot.left, plot.top, plot.right, plot.top - truncToInt(2 * g.rowStep)};
    g.lowerBand = {plot.left, plot.bottom - truncToInt(-3 * g.rowStep), plot.right, plot.bottom};
    g.colStep = (plot.right - plot.left) * 0.125;
    // At the full view the span is 360.0 exactly, the scale of the unzoomed charts.
    g.range = range;
    g.xScale = angleScale(plot.left, plot.right, range);
    g.yScale = (plot.bottom - plot.top) / 120.0;
    g.maxGap = truncToInt(90 * g.xScale);
    g.labels = {truncToInt(5 * sx), truncToInt(20 * sy), truncToInt(15 * sx), truncToInt(15 * sy)};
    return g;
}

int amplitudeRowY(const AmplitudeGeometry &geometry, int k)
{
    return geometry.plotRect.bottom + truncToInt(k * geometry.rowStep);
}

int amplitudeX(const AmplitudeGeometry &geometry, double angle)
{
    return angleToX(geometry.plotRect.left, geometry.xScale, geometry.range, angle);
}

int amplitudeY(const AmplitudeGeometry &geometry, double percent)
{
    return truncToInt(geometry.plotRect.bottom - percent * geometry.yScale);
}

QPointF amplitudePoint(const AmplitudeGeometry &geometry, double angle, double percent)
{
    return {angleToRealX(geometry.plotRect.left, geometry.xScale, geometry.range, angle),
            clampToIntRange(geometry.plotRect.bottom - percent * geometry.yScale)};
}

ReferenceScale referenceScale(double maxRed, double minBlue)
{
    // In 64 bits: a red value clamped near the int limit still rounds up to the next hundred.
    const int64_t red = truncToInt(maxRed);
    const int64_t blue = truncToInt(minBlue);
    const int64_t up = (red / 100 + 1) * 100;
    const int64_t down = (std::llabs(blue) / 100 + 1) * 100;
    ReferenceScale scale;
    scale.S = down < up ? up : down;
    scale.valueStep = truncToInt64((scale.S - (-scale.S)) / 20.0);
    return scale;
}

ReferenceScale referenceScale(const MeasurementSet &data, const MeasurementSet *compared)
{
    double maxRed = 0.0;
    double minBlue = 0.0;
    for (const MeasurementSet *set : {&data, compared}) {
        if (!set)
            continue;
        for (int i = 0; i < std::clamp(set->refCount, 0, MeasurementSet::maxRefCount); ++i) {
            if (maxRed < set->refSeries[1][i])
                maxRed = set->refSeries[1][i];
            if (set->refSeries[2][i] < minBlue)
                minBlue = set->refSeries[2][i];
        }
    }
    return referenceScale(maxRed, minBlue);
}

ReferenceGeometry referenceGeometry(const ChartFrame &frame, const ReferenceScale &scale,
                                    const AngleRange &range)
{
    const DeviceRect &area = frame.area;
    const int h = area.height();
    const int w = area.width();
    const double sy = frame.lengthSy;   // this chart scales lengths across by sy as well

    ReferenceGeometry g;
    g.plotRect.top = area.top + h / 2 + h / 30;
    g.plotRect.bottom = area.bottom - (frame.medium == ChartMedium::Paper ? h / 15 : h / 10);
    g.plotRect.left = area.left + w / 50 - truncToInt(-30 * sy);
    g.plotRect.right = area.right - truncToInt(15 * sy) - w / 40;
    const DeviceRect &plot = g.plotRect;

    g.titleBand = {plot.left, area.top + h / 2, plot.right, plot.top};
    g.rowStep = (plot.top - plot.bottom) / 20.0;
    g.colStep = (plot.right - plot.left) * 0.125;
    g.range = range;
    g.xScale = angleScale(plot.left, plot.right, range);
    g.yScale = (plot.bottom - plot.top) / static_cast<double>(scale.S - (-scale.S));
    g.mid = plot.bottom - (plot.bottom - plot.top) / 2;
    g.markerRadius = truncToInt(3 * sy);
    // The row labels' half-height is 20 units on every medium.
    g.labels = {truncToInt(5 * sy), 20, truncToInt(15 * sy), truncToInt(15 * sy)};
    return g;
}

int referenceRowY(const ReferenceGeometry &geometry, int k)
{
    return geometry.plotRect.bottom + truncToInt(k * geometry.rowStep);
}

int64_t referenceRowValue(const ReferenceScale &scale, int k)
{
    return -scale.S + k * scale.valueStep;
}

int referenceX(const ReferenceGeometry &geometry, double angle)
{
    return angleToX(geometry.plotRect.left, geometry.xScale, geometry.range, angle);
}

int referenceY(const ReferenceGeometry &geometry, double value)
{
    return truncToInt(geometry.mid - geometry.yScale * value);
}

QPointF referencePoint(const ReferenceGeometry &geometry, double angle, double value)
{
    return {angleToRealX(geometry.plotRect.left, geometry.xScale, geometry.range, angle),
            clampToIntRange(geometry.mid - geometry.yScale * value)};
}

DeviceRect markerRect(int x, int y, int radius)
{
    return {saturatingSub(x, radius), saturatingSub(y, radius), saturatingAdd(x, radius),
            saturatingAdd(y, radius)};
}

QString degreeLabel(int degrees)
{
    return QLatin1Char(' ') + QString::number(degrees) + QChar(0x00B0);
}

QString percentLabel(int percent)
{
    return QString::number(percent) + QLatin1Char('%');
}

QString valueLabel(int64_t value)
{
    return QString::number(static_cast<qlonglong>(value));
}
