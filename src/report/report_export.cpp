#include "report/report_export.h"

#include "draw/qpainter_surface.h"
#include "lang/ui_texts.h"
#include "report/print_report.h"
#include "report/report_page.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

bool writeReportPdfTo(QIODevice &out, const ReportTexts &texts, const MeasurementSet &data,
                      const MeasurementFiles &files, const ChartTools &tools)
{
    QPdfWriter writer(&out);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(uiText(UiText::MeasurementReport));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QPainterSurface surface(painter);
    drawReportPage(surface, writer.width(), writer.height(), reportContentFor(texts.cut(), files), data,
                   tools);
    return painter.end();
}

void setUpReportPrinter(QPrinter &printer)
{
    printer.setResolution(300);
    printer.setCopyCount(1);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(uiText(UiText::MeasurementReport));
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
