#pragma once

#include "draw/surface.h"

// The six colours of the charts and the printed report, set once at start-up.
struct ChartColours {
    Colour textColour;            // titles, labels, report texts
    Colour bandLight;             // amplitude chart: hatch on screen, background on paper
    Colour bandDark;              // amplitude chart: background on screen, hatch on paper
    Colour referenceBackground;   // reference marks chart background
    Colour redMarkFill;
    Colour blueMarkFill;
};

extern ChartColours chartColours;

// Gives chartColours its values; called once when the main window initialises.
void setChartColours();
