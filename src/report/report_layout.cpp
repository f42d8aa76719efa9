#include "report/report_layout.h"

#include "draw/device_units.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

DeviceLine line(int x1, int y1, int x2, int y2)
{
    return {{x1, y1}, {x2, y2}};
}

void layoutFrameAndTitle(const PageScale &s, ReportLayout &layout)
{
    const int left = s.pageX(20);
    const int right = s.pageX(200);
    const int top = s.pageY(10);
    const int bottom = s.pageY(290);
    layout.frame[0] = line(left, top, right, top);
    layout.frame[1] = line(right, top, right, bottom);
    layout.frame[2] = line(right, bottom, left, bottom);
    layout.frame[3] = line(left, bottom, left, top);

    const int logoLeft = s.pageX(21);
    const int logoTop = s.pageY(11);
    layout.logo = {logoLeft, logoTop, logoLeft + s.pageX(18.76), logoTop + s.pageY(18)};

    layout.titleRule = line(left, s.pageY(30), right, s.pageY(30));
    layout.titleRect = {left, top, right, s.pageY(30)};
    // The divider stops two pixels short of the converted 62 mm, below the closing line.
    layout.divider = line(s.pageX(110), s.pageY(30), s.pageX(110), s.pageY(62) - 2);
}

void layoutInformationBlock(const PageScale &s, ReportLayout &layout)
{
    const int top = s.pageY(30) + s.pageY(1.5);
    const int rowHeight = s.pageY(7.25);
    const int ruleLift = s.pageY(1.5);

    const int rightLeft = s.pageX(110) + s.pageX(5);
    const int rightRight = s.pageX(200) - s.pageX(5);
    for (int k = 0; k < 4; ++k) {
        const int rowTop = top + k * rowHeight;
        const int rowBottom = rowTop + rowHeight;
        ReportRow &row = layout.rightRows[k];
        row.labelRect = {rightLeft, rowTop, rightRight, rowBottom};
        row.rule = line(rightLeft, rowBottom - ruleLift, rightRight, rowBottom - ruleLift);
    }

    // The left rows' bottoms come from their own conversion and may sit a pixel lower.
    const int labelLeft = s.pageX(20) + s.pageX(5);
    const int valueLeft = labelLeft + s.pageX(25);
    const int right = s.pageX(200);
    const int firstBottom = s.pageY(37.25) + s.pageY(1.5);
    for (int k = 0; k < 4; ++k) {
        const int rowTop = top + k * rowHeight;
        const int rowBottom = firstBottom + k * rowHeight;
        ReportRow &row = layout.leftRows[k];
        row.labelRect = {labelLeft, rowTop, right, rowBottom};
        const int left = k == 3 ? s.pageX(20) + s.pageX(30) : valueLeft;
        row.valueRect = {left, rowTop, right, rowBottom};
    }
    const int bearingRuleY = layout.leftRows[0].valueRect.bottom - ruleLift;
    layout.leftRows[0].rule = line(valueLeft, bearingRuleY, valueLeft + s.pageX(30), bearingRuleY);

    const int closingY = layout.leftRows[3].valueRect.bottom + s.pageY(1.5);
    layout.closingLine = line(s.pageX(20), closingY, right, closingY);
    layout.footerRect = {s.pageX(20), s.pageY(290), right, s.pageY(295)};
}

void layoutFonts(const PageScale &s, ReportLayout &layout)
{
    const QString arial = QStringLiteral("Arial");
    layout.titleFont = {arial, -s.pageY(6), -s.pageX(3), 700, FontPitchFamily::SansSerif};
    layout.textFont = {arial, -s.pageY(4), -s.pageX(2), 400, FontPitchFamily::SansSerif};
    layout.footerFont = {arial, -s.pageY(2), -s.pageX(1), 300, FontPitchFamily::SansSerif};
    layout.remarkFont = {QStringLiteral("Pica"), -s.pageY(4), -s.pageX(2), 400,
                         FontPitchFamily::Modern};
}

} // namespace

PageScale PageScale::fromPrintableArea(int horzRes, int vertRes)
{
    return {horzRes / 210.0, vertRes / 297.0};
}

int PageScale::pageX(double a) const
{
    return truncToInt(a * sx);
}

int PageScale::pageY(double a) const
{
    return truncToInt(a * sy);
}

int reportPenWidth(const PageScale &scale)
{
    const double width = 0.375 * scale.sx;
    return width > 1.0 ? truncToInt(width) : 1;
}

int bearingValueLeft(const ReportLayout &layout, int labelWidth, int charWidth)
{
    const ReportRow &row = layout.leftRows[0];
    const int afterLabel = saturatingAdd(saturatingAdd(row.labelRect.left, labelWidth), charWidth);
    return std::max(row.valueRect.left, afterLabel);
}

ReportLayout computeReportLayout(int horzRes, int vertRes)
{
    const PageScale scale = PageScale::fromPrintableArea(horzRes, vertRes);
    ReportLayout layout;
    layout.penWidth = reportPenWidth(scale);
    layoutFrameAndTitle(scale, layout);
    layoutInformationBlock(scale, layout);
    layoutFonts(scale, layout);
    return layout;
}
