#include "charts/chart_colours.h"
#include "charts/chart_comparison.h"
#include "charts/chart_geometry.h"
#include "charts/chart_parts.h"
#include "charts/charts.h"
#include "draw/device_units.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString chartTitle()
{
    return QCoreApplication::translate("Charts", "Reference marks");
}

// The pens and font of one drawing: the window's own on screen, made for the page on paper.
// The marker brushes are the window's on both.
struct ReferenceTools {
    Brush redMarkBrush;
    Brush blueMarkBrush;
    FontSpec labelFont;
    Pen thinPen;
    Pen zeroPen;
    Pen redMarkPen;
    Pen redLinePen;
    Pen blueMarkPen;
    Pen blueLinePen;
};

ReferenceTools referenceTools(const ChartTools &tools, double sx, double sy, ChartMedium medium)
{
    switch (medium) {
    case ChartMedium::Screen:
        return {tools.redMarkBrush, tools.blueMarkBrush, tools.labelFont,  tools.thinBlackPen,
                tools.thickBlackPen, tools.redMarkPen, tools.redLinePen, tools.blueMarkPen,
                tools.blueLinePen};
    case ChartMedium::Paper: {
        const PaperTools paper = referencePaperTools(sx, sy);
        return {tools.redMarkBrush, tools.blueMarkBrush, paper.labelFont,  paper.thinPen,
                paper.mediumPen,    paper.redMarkPen,    paper.redLinePen, paper.blueMarkPen,
                paper.blueLinePen};
    }
    }
    Q_UNREACHABLE();
}

int referenceCount(const MeasurementSet &data)
{
    return std::clamp(data.refCount, 0, MeasurementSet::maxRefCount);
}

void drawFrame(Surface &surface, const ReferenceGeometry &g, const ChartFrame &frame,
               const ReferenceTools &tools)
{
    surface.selectFont(chartTitleFont(frame.lengthSx, frame.lengthSy));
    surface.setTextColour(chartColours.textColour);
    surface.setBackgroundMode(BackgroundMode::Transparent);
    surface.drawText(g.titleBand, chartTitle(), TextAlign::Left);

    surface.setBackgroundMode(BackgroundMode::Opaque);
    surface.selectPen(tools.thinPen);
    surface.fillRect(g.plotRect, chartColours.referenceBackground);
    surface.setBackgroundColour(chartColours.referenceBackground);
    surface.selectFont(tools.labelFont);
    surface.setBackgroundMode(BackgroundMode::Transparent);
}

void drawValueRows(Surface &surface, const ReferenceGeometry &g, const ReferenceScale &scale,
                   const ReferenceTools &tools)
{
    for (int k = 0; k <= 20; ++k) {
        const int64_t value = referenceRowValue(scale, k);
        drawGridRow(surface, g.plotRect, g.labels, referenceRowY(g, k),
                    value == 0 ? tools.zeroPen : tools.thinPen, valueLabel(value));
    }
}

// A value of exactly 0 means no marker at this entry.
void drawMarker(Surface &surface, const ReferenceGeometry &g, int x, double value, const Pen &pen,
                const Brush &brush)
{
    if (value == 0.0)
        return;
    // Zoomed, a marker whose angle lies off the plot is not drawn over the labels.
    if (!g.range.isFull() && (x < g.plotRect.left || x >= g.plotRect.right))
        return;
    const int y = referenceY(g, value);
    const int r = g.markerRadius;
    surface.selectPen(pen);
    surface.selectBrush(brush);
    surface.roundRect(markerRect(x, y, r), 2 * r, 2 * r);
}

// Per entry: red marker, blue marker, red line, blue line. The lines join every entry to the one
// before, however far the angle jumps, unless that one lay above the surface's top edge.
void drawMarksAndLines(Surface &surface, const MeasurementSet &data, const ReferenceGeometry &g,
                       const ReferenceTools &tools, CurveCut cut)
{
    surface.setBackgroundMode(BackgroundMode::Transparent);
    if (!g.range.isFull())
        cut = CurveCut::ToPlot;
    QPointF prev3(-1, -1);
    QPointF prev4(-1, -1);
    for (int i = 0; i < referenceCount(data); ++i) {
        const double angle = data.refSeries[0][i];
        const int x = referenceX(g, angle);
        drawMarker(surface, g, x, data.refSeries[1][i], tools.redMarkPen, tools.redMarkBrush);
        drawMarker(surface, g, x, data.refSeries[2][i], tools.blueMarkPen, tools.blueMarkBrush);
        const QPointF point3 = referencePoint(g, angle, data.refSeries[3][i]);
        if (truncToInt(prev3.y()) >= 0)
            drawCurveSegment(surface, tools.redLinePen, g.plotRect, cut, prev3, point3);
        prev3 = point3;
        const QPointF point4 = referencePoint(g, angle, data.refSeries[4][i]);
        if (truncToInt(prev4.y()) >= 0)
            drawCurveSegment(surface, tools.blueLinePen, g.plotRect, cut, prev4, point4);
        prev4 = point4;
    }
}

} // namespace

void drawReferenceMarksChart(Surface &surface, const MeasurementSet &data, const ChartTools &tools,
                             double sx, double sy, ChartMedium medium, const DeviceRect &clientArea,
                             const AngleRange &range, const ChartComparison &comparison)
{
    const ReferenceTools own = referenceTools(tools, sx, sy, medium);
    const ChartFrame frame = referenceFrame(sx, sy, medium, clientArea);
    // Only the markers decide the scale; the line series may run off the plot.
    const ReferenceScale scale = referenceScale(data, comparison.data);
    const ReferenceGeometry geometry = referenceGeometry(frame, scale, range);

    drawFrame(surface, geometry, frame, own);
    drawValueRows(surface, geometry, scale, own);
    drawAngleColumns(surface, geometry.plotRect, range, geometry.colStep, geometry.labels, own.thinPen);
    if (comparison.data) {
        ReferenceTools compared = own;
        compared.redLinePen = comparedPen(own.redLinePen, chartColours.referenceBackground);
        compared.blueLinePen = comparedPen(own.blueLinePen, chartColours.referenceBackground);
        compared.redMarkBrush.style = BrushStyle::Hollow;
        compared.blueMarkBrush.style = BrushStyle::Hollow;
        drawMarksAndLines(surface, *comparison.data, geometry, compared, CurveCut::ToPlot);
    }
    drawMarksAndLines(surface, data, geometry, own, CurveCut::None);
    if (comparison.data)
        drawChartLegend(surface, geometry.titleBand, frame, chartTitle(), own.labelFont,
                        legendTitles(LegendFiles::Reference, comparison),
                        own.redLinePen, chartColours.referenceBackground);
}
