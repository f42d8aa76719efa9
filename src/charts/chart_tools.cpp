#include "charts/chart_tools.h"

#include "charts/chart_colours.h"

ChartTools createChartTools()
{
    ChartTools tools;
    tools.labelFont = {QStringLiteral("Arial"), -8, -6, 300, FontPitchFamily::SansSerif};

    tools.redMarkBrush = {BrushStyle::Solid, chartColours.redMarkFill};
    tools.blueMarkBrush = {BrushStyle::Solid, chartColours.blueMarkFill};
    tools.screenBandBrush = {BrushStyle::ForwardDiagonal, chartColours.bandLight};
    tools.printBandBrush = {BrushStyle::ForwardDiagonal, chartColours.bandDark};

    tools.thinBlackPen = {chartPenColours.black, 1};
    tools.thickBlackPen = {chartPenColours.black, 2};
    tools.limitPen = {chartPenColours.limit, 2};
    tools.yellowCurvePen = {chartPenColours.yellowCurve, 2};
    tools.whiteCurvePen = {chartPenColours.whiteCurve, 2};
    tools.redMarkPen = {chartPenColours.red, 1};
    tools.redLinePen = {chartPenColours.red, 2};
    tools.blueMarkPen = {chartPenColours.blue, 1};
    tools.blueLinePen = {chartPenColours.blue, 2};
    return tools;
}
