#include "results/chart_tools.h"

#include "results/chart_colours.h"

ChartTools createChartTools()
{
    ChartTools tools;
    tools.labelFont = {QStringLiteral("Arial"), -8, -6, 300, FontPitchFamily::SansSerif};

    tools.redMarkBrush = {BrushStyle::Solid, chartColours.redMarkFill};
    tools.blueMarkBrush = {BrushStyle::Solid, chartColours.blueMarkFill};
    tools.screenBandBrush = {BrushStyle::ForwardDiagonal, chartColours.bandLight};
    tools.printBandBrush = {BrushStyle::ForwardDiagonal, chartColours.bandDark};

    tools.thinBlackPen = {{0, 0, 0}, 1};
    tools.thickBlackPen = {{0, 0, 0}, 2};
    tools.limitPen = {{0, 224, 0}, 2};
    tools.yellowCurvePen = {{224, 224, 32}, 2};
    tools.whiteCurvePen = {{255, 255, 255}, 2};
    tools.redMarkPen = {{192, 0, 0}, 1};
    tools.redLinePen = {{192, 0, 0}, 2};
    tools.blueMarkPen = {{0, 0, 192}, 1};
    tools.blueLinePen = {{0, 0, 192}, 2};
    return tools;
}
