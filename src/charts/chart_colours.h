#pragma once

#include "draw/surface.h"

// The colours of the charts and the printed report: fixed values, so no drawing can run before
// they are set.

// The six colours shared by the charts and the printed report.
struct ChartColours {
    Colour textColour;            // titles, labels, report texts
    Colour bandLight;             // amplitude chart: hatch on screen, background on paper
    Colour bandDark;              // amplitude chart: background on screen, hatch on paper
    Colour referenceBackground;   // reference marks chart background
    Colour redMarkFill;
    Colour blueMarkFill;
};

inline constexpr ChartColours chartColours{
    {0, 0, 0}, {220, 220, 220}, {128, 128, 128}, {255, 255, 255}, {255, 128, 128}, {128, 128, 255}};

// The colours of the charts' pens, on screen and on paper alike.
struct ChartPenColours {
    Colour black;
    Colour limit;         // the 30 % and 90 % lines
    Colour yellowCurve;
    Colour whiteCurve;
    Colour red;           // red markers and line
    Colour blue;          // blue markers and line
};

inline constexpr ChartPenColours chartPenColours{
    {0, 0, 0}, {0, 224, 0}, {224, 224, 32}, {255, 255, 255}, {192, 0, 0}, {0, 0, 192}};

// The results window's light face, behind and between the charts: their black titles and
// labels need it whatever the desktop theme.
inline constexpr Colour resultsWindowBackground{240, 240, 240};
