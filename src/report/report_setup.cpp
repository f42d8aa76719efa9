#include "report/report_setup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

QString reportDocumentName()
{
    return QCoreApplication::translate("Report", "Measurement report");
}

void setUpReportPrinter(QPrinter &printer)
{
    printer.setResolution(reportResolution);
    printer.setCopyCount(1);
    printer.setPageSize(reportPageLayout().pageSize());
    printer.setPageOrientation(reportPageLayout().orientation());
    printer.setDocName(reportDocumentName());
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
