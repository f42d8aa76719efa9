#include "report/report_export.h"

#include "report/report_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

void setUpReportPrinter(QPrinter &printer)
{
    printer.setResolution(300);
    printer.setCopyCount(1);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QCoreApplication::translate("Report", "Measurement report"));
}

QString proposedReportPath(const MeasurementFiles &files)
{
    if (files.ampFileStatus.fullName.isEmpty())
        return QString();
    const QFileInfo amp(files.ampFileStatus.fullName);
    const QString suffix = QStringLiteral("_amp.txt");
    QString base = amp.fileName();
    if (base.endsWith(suffix))
        base.chop(suffix.size());
    else
        base = amp.completeBaseName();
    return QDir(amp.absolutePath()).filePath(base + QStringLiteral("_report.pdf"));
}
