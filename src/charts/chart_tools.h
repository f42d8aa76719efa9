#pragma once

#include "draw/surface.h"

// The results window's own drawing tools: what the charts use on screen, plus the band brush
// used on paper and the marker brushes used on both.
struct ChartTools {
    FontSpec labelFont;

    Brush redMarkBrush;
    Brush blueMarkBrush;
    Brush screenBandBrush;
    Brush printBandBrush;

    Pen thinBlackPen;
    Pen thickBlackPen;
    Pen limitPen;
    Pen yellowCurvePen;
    Pen whiteCurvePen;
    Pen redMarkPen;
    Pen redLinePen;
    Pen blueMarkPen;
    Pen blueLinePen;
};

// The tools with their fixed parameters and colours.
ChartTools createChartTools();
