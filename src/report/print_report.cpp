#include "report/print_report.h"

#include "draw/qpainter_surface.h"
#include "lang/ui_texts.h"
#include "report/c_protokoll_text.h"
#include "report/report_export.h"
#include "report/report_page.h"
#include "report/report_texts.h"
#include "ui/modal_dialogs.h"

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

void proposeReportFile(QPrinter &printer, const MeasurementFiles &files)
{
    const QString proposed = proposedReportPath(files);
    if (proposed.isEmpty())
        return;
    // Naming the file switches the printer to PDF; switching back (possible only where a system
    // printer exists) keeps the name for the dialog's print-to-file choice and the printer selected.
    printer.setOutputFileName(proposed);
    printer.setOutputFormat(QPrinter::NativeFormat);
}

void runPrintReport(const PrintJob &job)
{
    CProtokollText textDialog(job.texts, job.owner);
    job.dialogs.runDialog(textDialog);

    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(300);
    printer.setCopyCount(1);
    proposeReportFile(printer, job.files);
    if (!job.dialogs.runPrintDialog(job.owner, printer))
        return;
    // A system printer given a file name would write the file instead of printing.
    if (printer.outputFormat() == QPrinter::NativeFormat)
        printer.setOutputFileName(QString());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(uiText(UiText::MeasurementReport));

    // A page scaled by zero would print nothing useful, so the job is dropped instead.
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    if (printable.width() <= 0 || printable.height() <= 0) {
        job.dialogs.showError(job.owner, QStringLiteral("Error"),
                              QStringLiteral("Printer information missing."));
        return;
    }
    printReportPage(printer, job.texts, job.files, job.data, job.tools);
}
