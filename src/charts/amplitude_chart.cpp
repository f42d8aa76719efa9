#include "charts/chart_colours.h"
#include "charts/chart_comparison.h"
#include "charts/chart_geometry.h"
#include "charts/chart_parts.h"
#include "charts/charts.h"
#include "draw/device_units.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace {

QString chartTitle()
{
    return QCoreApplication::translate("Charts", "Amplitude");
}

// The tools one drawing of the chart uses: the window's own on screen, made for the page on
// paper. They are values, so the paper ones go away with the call.
struct AmplitudeTools {
    FontSpec labelFont;
    Pen thinPen;
    Pen limitPen;
    Pen yellowPen;
    Pen whitePen;
    Brush bandBrush;
    Colour plotFill;
};

AmplitudeTools amplitudeTools(const ChartTools &tools, double sx, double sy, ChartMedium medium)
{
    switch (medium) {
    case ChartMedium::Screen:
        return {tools.labelFont,     tools.thinBlackPen,     tools.limitPen,
                tools.yellowCurvePen, tools.whiteCurvePen, tools.screenBandBrush,
                chartColours.bandDark};
    case ChartMedium::Paper: {
        const PaperTools paper = amplitudePaperTools(sx, sy);
        return {paper.labelFont,  paper.thinPen,        paper.limitPen,     paper.yellowPen,
                paper.whitePen, tools.printBandBrush, chartColours.bandLight};
    }
    }
    Q_UNREACHABLE();
}

void drawTitle(Surface &surface, const AmplitudeGeometry &g, const ChartFrame &frame)
{
    surface.selectFont(chartTitleFont(frame.lengthSx, frame.lengthSy));
    surface.setTextColour(chartColours.textColour);
    surface.setBackgroundMode(BackgroundMode::Transparent);
    surface.drawText(g.titleBand, chartTitle(), TextAlign::Left);
}

// The plot's background and the hatched bands above 100 % and below 30 %. The hatch gaps show
// the plot's fill colour, which becomes the background colour with the fill.
void drawBackground(Surface &surface, const AmplitudeGeometry &g, const AmplitudeTools &tools)
{
    surface.setBackgroundMode(BackgroundMode::Opaque);
    surface.setBackgroundColour(chartColours.bandDark);
    surface.selectPen(tools.thinPen);
    surface.selectFont(tools.labelFont);
    surface.fillRect(g.plotRect, tools.plotFill);
    surface.setBackgroundColour(tools.plotFill);
    surface.fillRect(g.upperBand, tools.bandBrush);
    surface.fillRect(g.lowerBand, tools.bandBrush);
    surface.setBackgroundMode(BackgroundMode::Transparent);
}

void drawPercentageRows(Surface &surface, const AmplitudeGeometry &g, const AmplitudeTools &tools)
{
    for (int k = 0; k <= 12; ++k) {
        const int percent = 10 * k;
        const bool limit = percent == 30 || percent == 90;
        drawGridRow(surface, g.plotRect, g.labels, amplitudeRowY(g, k),
                    limit ? tools.limitPen : tools.thinPen, percentLabel(percent));
    }
}

// Segment by segment, white before yellow at every sample, so yellow lies on top where the
// curves cross. A jump of 90 degrees or more (the wrap from 360 to 0) breaks both curves, and
// so does a point above the surface's top edge, whose negative y reads as "no point".
void drawCurves(Surface &surface, const MeasurementSet &data, const AmplitudeGeometry &g,
                const AmplitudeTools &tools, CurveCut cut)
{
    surface.setBackgroundMode(BackgroundMode::Transparent);
    if (!g.range.isFull())
        cut = CurveCut::ToPlot;
    const int count = std::clamp(data.ampCount, 0, MeasurementSet::maxAmpCount);
    int prevX = -1;
    QPointF prev1(-1, -1);
    QPointF prev2(-1, -1);
    for (int i = 0; i < count; ++i) {
        const QPointF point1 = amplitudePoint(g, data.ampSeries[0][i], data.ampSeries[1][i]);
        const QPointF point2 = amplitudePoint(g, data.ampSeries[0][i], data.ampSeries[2][i]);
        const int x = truncToInt(point1.x());
        const bool joined = std::llabs(static_cast<long long>(prevX) - x) < g.maxGap;
        if (joined && truncToInt(prev1.y()) >= 0)
            drawCurveSegment(surface, tools.whitePen, g.plotRect, cut, prev1, point1);
        prev1 = point1;
        if (joined && truncToInt(prev2.y()) >= 0)
            drawCurveSegment(surface, tools.yellowPen, g.plotRect, cut, prev2, point2);
        prev2 = point2;
        prevX = x;
    }
}

} // namespace

void drawAmplitudeChart(Surface &surface, const MeasurementSet &data, const ChartTools &tools,
                        double sx, double sy, ChartMedium medium, const DeviceRect &clientArea,
                        const AngleRange &range, const ChartComparison &comparison)
{
    const AmplitudeTools own = amplitudeTools(tools, sx, sy, medium);
    const ChartFrame frame = amplitudeFrame(sx, sy, medium, clientArea);
    const AmplitudeGeometry geometry = amplitudeGeometry(frame, range);

    drawTitle(surface, geometry, frame);
    drawBackground(surface, geometry, own);
    drawPercentageRows(surface, geometry, own);
    // Always the window's 1-unit pen, on paper as well: the degree lines stay hairlines.
    drawAngleColumns(surface, geometry.plotRect, range, geometry.colStep, geometry.labels,
                     tools.thinBlackPen);
    if (comparison.data) {
        AmplitudeTools compared = own;
        compared.whitePen = comparedPen(own.whitePen, own.plotFill);
        compared.yellowPen = comparedPen(own.yellowPen, own.plotFill);
        drawCurves(surface, *comparison.data, geometry, compared, CurveCut::ToPlot);
    }
    drawCurves(surface, data, geometry, own, CurveCut::None);
    if (comparison.data)
        drawChartLegend(surface, geometry.titleBand, frame, chartTitle(), own.labelFont,
                        legendTitles(LegendFiles::Amplitude, comparison),
                        own.yellowPen, own.plotFill);
}
