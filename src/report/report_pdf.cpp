#include "report/report_pdf.h"

#include "data/output_file.h"
#include "report/report_output.h"
#include "report/report_texts.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

bool writeReportPdfTo(QIODevice &out, const ReportTexts &texts, const MeasurementSet &data,
                      const MeasurementFiles &files, const ChartTools &tools,
                      const QPageLayout &page, int resolution)
{
    // The PDF writer draws into the device it is given, so every byte passes through the
    // caller's checked writes; a printer set to a file name would hide a full disk.
    QPdfWriter writer(&out);
    writer.setResolution(resolution);
    writer.setPageLayout(page);
    writer.setTitle(reportDocumentName());
    writer.setCreator(QStringLiteral("VELKView"));
    const QSize printable = writer.pageLayout().paintRectPixels(resolution).size();
    // The dialog's limits apply to command-line texts as well.
    return paintReportPage(writer, printable, texts.cut(), files, data, tools);
}

QString writeReportPdf(const QString &outPath, const ReportTexts &texts, const MeasurementSet &data,
                       const MeasurementFiles &files, const ChartTools &tools)
{
    return writeOutputFile(outPath, [&](QIODevice &device) {
        return writeReportPdfTo(device, texts, data, files, tools);
    });
}
