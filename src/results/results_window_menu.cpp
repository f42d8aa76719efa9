// The results window's context menu: print preview, the report as PDF, the charts as an image
// file or on the clipboard.
#include "results/results_window.h"

#include "charts/chart_image.h"
#include "results/chart_zoom.h"
#include "results/report_text_dialog.h"
#include "report/report_output.h"
#include "results/print_command.h"
#include "report/report_setup.h"
#include "report/report_pdf.h"
#include "ui/file_messages.h"
#include "ui/modal_dialogs.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>

namespace {

// A menu text without its trailing ellipsis, as a dialog title.
QString titleOf(QString text)
{
    if (text.endsWith(QChar(0x2026)))
        text.chop(1);
    return text;
}

} // namespace

std::unique_ptr<QMenu> ResultsWindow::createContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    const struct {
        QString text;
        const char *name;
        void (ResultsWindow::*command)();
    } items[] = {
        {tr("Print preview…"), "printPreview", &ResultsWindow::showPrintPreview},
        {tr("Save report as PDF…"), "saveReportAsPdf", &ResultsWindow::saveReportAsPdf},
        {tr("Save charts as image…"), "saveChartsAsImage", &ResultsWindow::saveChartsAsImage},
        {tr("Copy charts"), "copyCharts", &ResultsWindow::copyCharts},
    };
    for (const auto &item : items) {
        QAction *action = menu->addAction(item.text);
        action->setObjectName(QLatin1String(item.name));
        connect(action, &QAction::triggered, this, item.command);
    }
    addCompareItems(*menu);
    addLookingCloserItems(*menu);
    menu->addSeparator();
    QAction *follow = menu->addAction(tr("Follow this folder"));
    follow->setObjectName(QStringLiteral("followFolder"));
    follow->setCheckable(true);
    follow->setChecked(!followedFolder_.isEmpty());
    follow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(follow, &QAction::triggered, this, &ResultsWindow::followRequested);
    return menu;
}

void ResultsWindow::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu = createContextMenu();
    menu->exec(event->globalPos());
}

bool ResultsWindow::askReportTexts()
{
    // Cancel cancels the command, and the texts entered before stay as they were.
    ReportTexts entered = reportTexts_;
    ReportTextDialog dialog(entered, this);
    if (dialogs_.runDialog(dialog) != QDialog::Accepted)
        return false;
    reportTexts_ = entered;
    return true;
}

void ResultsWindow::showPrintPreview()
{
    if (!askReportTexts())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpReportPrinter(printer);
    dialogs_.runPrintPreview(this, printer, [this](QPrinter &target) {
        printReportPage(target, reportTexts_, files_, measurement_, tools_);
    });
}

bool ResultsWindow::saveFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // The compared measurement's files are the user's as much as the shown one's.
    const QString details = writeChosenFile(path, {files_.ampFileStatus.fullName, comparedFiles_.ampFileStatus.fullName}, write);
    if (details.isEmpty())
        return true;
    dialogs_.showError(this, tr("Error"), tr("The file could not be saved."), details);
    return false;
}

void ResultsWindow::saveReportAsPdf()
{
    if (!askReportTexts())
        return;
    const SaveFileRequest request{titleOf(tr("Save report as PDF…")), {tr("PDF files (*.pdf)")},
                                  proposedReportPath(files_)};
    const std::optional<QString> chosen = dialogs_.chooseSaveFile(this, request);
    if (!chosen)
        return;
    saveFile(*chosen, [this](QIODevice &out) {
        return writeReportPdfTo(out, reportTexts_, measurement_, files_, tools_);
    });
}

void ResultsWindow::saveChartsAsImage()
{
    const QString report = proposedReportPath(files_);
    const QString proposed = report.isEmpty()
        ? QString()
        : report.left(report.size() - int(qstrlen("_report.pdf"))) + QStringLiteral("_charts.png");
    const SaveFileRequest request{titleOf(tr("Save charts as image…")),
                                  {tr("PNG images (*.png)"), tr("SVG images (*.svg)")}, proposed};
    std::optional<QString> chosen = dialogs_.chooseSaveFile(this, request);
    if (!chosen)
        return;
    const bool svg = chosen->endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    if (!svg && !chosen->endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        chosen = *chosen + QStringLiteral(".png");
    const DeviceRect area = chartArea();
    const QSize size(area.width(), area.height());
    if (svg) {
        saveFile(*chosen, [&](QIODevice &out) {
            return writeChartImageTo(out, ChartImageFormat::Svg, size, measurement_, tools_, zoom_->range(),
                                     comparison());
        });
        return;
    }
    const QImage image = renderChartImage(size, measurement_, tools_, zoom_->range(), comparison());
    if (image.isNull()) {
        dialogs_.showError(this, tr("Error"), tr("The file could not be saved."),
                           fileDetails(*chosen, notEnoughMemoryFor(size)));
        return;
    }
    saveFile(*chosen, [&](QIODevice &out) { return writeChartPng(out, image); });
}

void ResultsWindow::copyCharts()
{
    const DeviceRect area = chartArea();
    QGuiApplication::clipboard()->setImage(
        renderChartImage(QSize(area.width(), area.height()), measurement_, tools_, zoom_->range(),
                         comparison()));
}
