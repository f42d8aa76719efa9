#include "results/print_command.h"

#include "report/report_setup.h"
#include "report/report_output.h"
#include "report/report_pdf.h"
#include "results/report_text_dialog.h"
#include "ui/file_messages.h"
#include "ui/modal_dialogs.h"

#include <QCoreApplication>
#include <QPrinter>

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

namespace {

// A print to a file is written like every other output the user names: never over the
// measurement, whole or not at all, and a failure is said rather than passed over. The page
// keeps the printer's layout, so the file matches what the printer would have printed.
void printToFile(const PrintJob &job, const QPrinter &printer)
{
    const QString path = printer.outputFileName();
    const QString details = writeChosenFile(path, {job.files.ampFileStatus.fullName, job.comparedAmpPath}, [&](QIODevice &out) {
        return writeReportPdfTo(out, job.texts, job.data, job.files, job.tools, printer.pageLayout(),
                                printer.resolution());
    });
    if (!details.isEmpty())
        job.dialogs.showError(job.owner, QCoreApplication::translate("PrintCommand", "Error"), QCoreApplication::translate("PrintCommand", "The file could not be saved."), details);
}

} // namespace

void runPrintReport(const PrintJob &job)
{
    ReportTextDialog textDialog(job.texts, job.owner);
    job.dialogs.runDialog(textDialog);

    QPrinter printer(QPrinter::HighResolution);
    setUpReportPrinter(printer);
    proposeReportFile(printer, job.files);
    if (!job.dialogs.runPrintDialog(job.owner, printer))
        return;
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    // A system printer given a file name would write the file instead of printing.
    if (printer.outputFormat() == QPrinter::NativeFormat)
        printer.setOutputFileName(QString());
    // One portrait page, whatever was chosen in the dialog.
    printer.setPageOrientation(QPageLayout::Portrait);

    // A page scaled by zero would print nothing useful, so the job is dropped instead.
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    if (printable.width() <= 0 || printable.height() <= 0) {
        job.dialogs.showError(job.owner, QStringLiteral("Error"),
                              QStringLiteral("Printer information missing."));
        return;
    }
    if (toFile) {
        printToFile(job, printer);
        return;
    }
    if (!printReportPage(printer, job.texts, job.files, job.data, job.tools))
        job.dialogs.showError(job.owner, QCoreApplication::translate("PrintCommand", "Error"), QCoreApplication::translate("PrintCommand", "The report could not be printed."));
}
