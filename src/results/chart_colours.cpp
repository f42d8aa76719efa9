#include "results/chart_colours.h"

ChartColours chartColours;

void setChartColours()
{
    chartColours.textColour = {0, 0, 0};
    chartColours.bandLight = {220, 220, 220};
    chartColours.bandDark = {128, 128, 128};
    chartColours.referenceBackground = {255, 255, 255};
    chartColours.redMarkFill = {255, 128, 128};
    chartColours.blueMarkFill = {128, 128, 255};
}
