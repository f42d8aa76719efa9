#include "report/report_page.h"

#include "charts/chart_colours.h"
#include "charts/charts.h"
#include "report/report_layout.h"
#include "report/report_texts.h"

#include <QCoreApplication>
#include <QImage>

namespace {

void drawLine(Surface &page, const DeviceLine &line)
{
    page.moveTo(line.from.x, line.from.y);
    page.lineTo(line.to.x, line.to.y);
}

// Values left empty are not drawn at all.
void drawLeftText(Surface &page, const DeviceRect &rect, const QString &text)
{
    if (!text.isEmpty())
        page.drawText(rect, text, TextAlign::Left);
}

void drawFrameLogoAndTitle(Surface &page, const ReportLayout &layout)
{
    page.moveTo(layout.frame[0].from.x, layout.frame[0].from.y);
    for (const DeviceLine &side : layout.frame)
        page.lineTo(side.to.x, side.to.y);

    page.drawImage(layout.logo, reportLogo());

    page.selectFont(layout.titleFont);
    drawLine(page, layout.titleRule);
    page.drawText(layout.titleRect,
                  QStringLiteral("VELKORA ") + QCoreApplication::translate("Report", "Measurement report"), TextAlign::Centre);
}

void drawRemarkColumn(Surface &page, const ReportLayout &layout, const ReportContent &content)
{
    drawLeftText(page, layout.rightRows[0].labelRect, QCoreApplication::translate("Report", "Remarks: "));
    drawLine(page, layout.rightRows[0].rule);
    page.selectFont(layout.remarkFont);
    for (int k = 1; k < 4; ++k) {
        drawLeftText(page, layout.rightRows[k].labelRect, content.remarkLines[k - 1]);
        drawLine(page, layout.rightRows[k].rule);
    }
}

void drawFileColumn(Surface &page, const ReportLayout &layout, const ReportContent &content)
{
    page.selectFont(layout.textFont);
    const ReportRow *rows = layout.leftRows;
    const QString bearingLabel = QCoreApplication::translate("Report", "Bearing type:");
    drawLeftText(page, rows[0].labelRect, bearingLabel);
    // Longer labels than the English one would run under a value at the fixed column; the
    // value's underline moves with it.
    DeviceRect valueRect = rows[0].valueRect;
    valueRect.left = bearingValueLeft(layout, page.textWidth(bearingLabel), -layout.textFont.width);
    const int shift = valueRect.left - rows[0].valueRect.left;
    drawLeftText(page, valueRect, content.bearingType);
    DeviceLine rule = rows[0].rule;
    rule.from.x += shift;
    rule.to.x += shift;
    drawLine(page, rule);
    drawLeftText(page, rows[1].labelRect, QCoreApplication::translate("Report", "Date:"));
    drawLeftText(page, rows[1].valueRect, content.fileDateText);
    drawLeftText(page, rows[2].labelRect, QCoreApplication::translate("Report", "File:"));
    drawLeftText(page, rows[2].valueRect, blockTitle(content.ampFileTitle));
    drawLeftText(page, rows[3].valueRect, blockTitle(content.refFileTitle));
}

} // namespace

QImage reportLogo()
{
    return QImage(QStringLiteral(":/logo131.bmp"));
}

void drawReportPage(Surface &page, int horzRes, int vertRes, const ReportContent &content,
                    const MeasurementSet &data, const ChartTools &tools)
{
    const ReportLayout layout = computeReportLayout(horzRes, vertRes);
    const PageScale scale = PageScale::fromPrintableArea(horzRes, vertRes);
    const DeviceRect noClientArea;
    drawAmplitudeChart(page, data, tools, scale.sx, scale.sy, ChartMedium::Paper, noClientArea);
    drawReferenceMarksChart(page, data, tools, scale.sx, scale.sy, ChartMedium::Paper,
                            noClientArea);

    const Pen reportPen{{0, 0, 0}, layout.penWidth};
    page.setTextColour(chartColours.textColour);
    // The charts leave the mode transparent already; saying so keeps the page independent of them.
    page.setBackgroundMode(BackgroundMode::Transparent);
    page.selectPen(reportPen);
    drawFrameLogoAndTitle(page, layout);

    page.selectFont(layout.textFont);
    page.selectPen(reportPen);
    drawLine(page, layout.divider);
    drawRemarkColumn(page, layout, content);
    drawFileColumn(page, layout, content);

    page.selectPen(reportPen);
    drawLine(page, layout.closingLine);

    page.selectFont(layout.footerFont);
    page.drawText(layout.footerRect,
                  reportFooterLine(content.ampFileTitle, content.refFileTitle,
                                   content.printDateText),
                  TextAlign::Left);
}
