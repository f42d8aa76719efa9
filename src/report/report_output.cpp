#include "report/report_output.h"

#include "draw/qpainter_surface.h"

#include <QDateTime>
#include <QPainter>
#include <QPrinter>

ReportContent reportContentFor(const ReportTexts &texts, const MeasurementFiles &files)
{
    ReportContent content;
    content.bearingType = texts.bearingType;
    for (int line = 0; line < 3; ++line)
        content.remarkLines[line] = texts.remarkLines[line];
    content.ampFileTitle = files.ampFileTitle;
    content.refFileTitle = files.refFileTitle;
    content.fileDateText = reportDateText(files.ampFileStatus.modificationTime);
    content.printDateText = reportDateText(QDateTime::currentSecsSinceEpoch());
    return content;
}

bool paintReportPage(QPaintDevice &device, QSize printable, const ReportTexts &texts,
                     const MeasurementFiles &files, const MeasurementSet &data,
                     const ChartTools &tools)
{
    if (printable.width() <= 0 || printable.height() <= 0)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QPainterSurface surface(painter);
    drawReportPage(surface, printable.width(), printable.height(), reportContentFor(texts, files),
                   data, tools);
    return painter.end();
}

bool printReportPage(QPrinter &printer, const ReportTexts &texts,
                     const MeasurementFiles &files, const MeasurementSet &data,
                     const ChartTools &tools)
{
    return paintReportPage(printer, printer.pageRect(QPrinter::DevicePixel).toRect().size(), texts,
                           files, data, tools);
}
