#pragma once

#include "draw/surface.h"

// Geometry of the printed report page, in device pixels of the printable area. The page is a
// nominal 210 x 297 mm sheet spread over the whole printable area; every millimetre distance
// is converted on its own (cut toward zero) and only then added or subtracted, so positions can
// differ by a pixel from a conversion of the summed distance.

// Millimetre-to-pixel conversion for one page.
struct PageScale {
    double sx = 0.0;   // pixels per millimetre across: horzRes / 210
    double sy = 0.0;   // pixels per millimetre down: vertRes / 297

    // horzRes, vertRes: printable width and height in pixels.
    static PageScale fromPrintableArea(int horzRes, int vertRes);

    // a millimetres as pixels, cut toward zero (clamped to the int range first).
    int pageX(double a) const;
    int pageY(double a) const;
};

struct DevicePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const DevicePoint &, const DevicePoint &) = default;
};

struct DeviceLine {
    DevicePoint from;
    DevicePoint to;
    friend bool operator==(const DeviceLine &, const DeviceLine &) = default;
};

// One row of the information block.
struct ReportRow {
    DeviceRect labelRect;   // left column: the label; right column: the row's text
    DeviceRect valueRect;   // left column only: the value
    DeviceLine rule;        // right column every row, left column row 0 only
};

struct ReportLayout {
    int penWidth = 1;
    DeviceLine frame[4];               // clockwise from the top-left corner
    DeviceRect logo;
    DeviceLine titleRule;
    DeviceRect titleRect;
    DeviceLine divider;
    ReportRow rightRows[4];            // "Remarks: " then the three remark lines
    ReportRow leftRows[4];             // bearing type, date, amplitude file, reference file
    DeviceLine closingLine;
    DeviceRect footerRect;

    // Font requests (negative em height and average width).
    FontSpec titleFont;
    FontSpec textFont;
    FontSpec footerFont;
    FontSpec remarkFont;
};

// The whole page layout for a printable area of horzRes x vertRes pixels (both > 0).
ReportLayout computeReportLayout(int horzRes, int vertRes);

// Where the bearing-type value starts: at its row's value column, unless the label (labelWidth
// wide from its left edge) would come closer than one character width (charWidth) to it; then
// one character width after the label's end.
int bearingValueLeft(const ReportLayout &layout, int labelWidth, int charWidth);

// Width of the one pen of the report: 0.375 mm cut toward zero, at least 1 pixel.
int reportPenWidth(const PageScale &scale);
