#include "report/report_pdf.h"

#include "lang/ui_texts.h"
#include "report/print_report.h"
#include "report/report_texts.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>

bool writeReportPdf(const QString &outPath, const ReportTexts &texts, const MeasurementSet &data,
                    const MeasurementFiles &files, const ChartTools &tools)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(outPath);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setResolution(300);
    printer.setDocName(uiText(UiText::MeasurementReport));

    // The dialog's limits apply to command-line texts as well.
    if (!printReportPage(printer, texts.cut(), files, data, tools))
        return false;
    const QFileInfo written(outPath);
    return written.exists() && written.size() > 0;
}
