// The results window's context menu: print preview, the report as PDF, the charts as an image
// file or on the clipboard.
#include "results/results_window.h"

#include "charts/chart_image.h"
#include "results/chart_zoom.h"
#include "results/report_text_dialog.h"
#include "report/report_output.h"
#include "results/print_command.h"
#include "results/trend_window.h"
#include "report/report_setup.h"
#include "report/report_pdf.h"
#include "ui/file_messages.h"
#include "ui/modal_dialogs.h"
#include "ui/window_input.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>

namespace {

// A menu text without its trailing ellipsis, as a dialog title.
QString titleOf(QString text)
{
    if (text.endsWith(QChar(0x2026)))
        text.chop(1);
    return text;
}

} // namespace

QAction *ResultsWindow::addCommand(const QString &text, const char *name, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    // Part of the window, so its shortcut works wherever the keyboard is in it.
    addAction(action);
    return action;
}

QAction *ResultsWindow::action(const QString &name) const
{
    return findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

void ResultsWindow::createActions()
{
    const struct {
        const char *name;
        void (ResultsWindow::*command)();
        QList<QKeySequence> keys;
    } commands[] = {
        {"printPreview", &ResultsWindow::showPrintPreview, {}},
        {"saveReportAsPdf", &ResultsWindow::saveReportAsPdf, {}},
        {"saveChartsAsImage", &ResultsWindow::saveChartsAsImage, {}},
        {"copyCharts", &ResultsWindow::copyCharts, {}},
        {"compareWith", &ResultsWindow::compareRequested, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)}},
        {"stopComparing", &ResultsWindow::stopCompareRequested, {}},
        {"showFullRevolution", nullptr, {}},
        {"showValues", &ResultsWindow::showValues, {QKeySequence(Qt::CTRL | Qt::Key_T)}},
        {"exportValuesCsv", &ResultsWindow::exportValuesCsv, {}},
        {"followFolder", &ResultsWindow::followRequested, {QKeySequence(Qt::CTRL | Qt::Key_L)}},
        {"showTrend", &ResultsWindow::showTrend, {}},
        // Not in the menu: the keys of the window's other commands.
        {"openFile", &ResultsWindow::openRequested, distinctKeys({QKeySequence::Open})},
        {"print", &ResultsWindow::printReport, distinctKeys({QKeySequence::Print})},
        {"readAgain", &ResultsWindow::reloadRequested, distinctKeys({QKeySequence::Refresh, QKeySequence(Qt::Key_F5)})},
        {"fullScreen", &ResultsWindow::toggleFullScreen, distinctKeys({QKeySequence::FullScreen, QKeySequence(Qt::Key_F11)})},
        {"quit", &ResultsWindow::quitRequested, distinctKeys({QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)})},
    };
    contextMenu_ = new QMenu(this);
    for (const auto &command : commands) {
        QAction *made = addCommand(QString(), command.name, command.keys);
        if (command.command)
            connect(made, &QAction::triggered, this, command.command);
    }
    connect(action("showFullRevolution"), &QAction::triggered, zoom_, &ChartZoom::showFullRevolution);
    action("followFolder")->setCheckable(true);
    const char *const menuOrder[] = {"printPreview", "saveReportAsPdf", "saveChartsAsImage", "copyCharts", nullptr,
                                     "compareWith", "stopComparing", nullptr,
                                     "showFullRevolution", "showValues", "exportValuesCsv", nullptr,
                                     "followFolder", "showTrend"};
    for (const char *name : menuOrder) {
        if (name)
            contextMenu_->addAction(action(name));
        else
            contextMenu_->addSeparator();
    }
    retranslateActions();
    updateActions();
}

void ResultsWindow::retranslateActions()
{
    const struct {
        const char *name;
        QString text;
    } texts[] = {
        {"printPreview", tr("Print preview…")},
        {"saveReportAsPdf", tr("Save report as PDF…")},
        {"saveChartsAsImage", tr("Save charts as image…")},
        {"copyCharts", tr("Copy charts")},
        {"compareWith", tr("Compare with…")},
        {"stopComparing", tr("Stop comparing")},
        {"showFullRevolution", tr("Show full revolution")},
        {"showValues", tr("Show values…")},
        {"exportValuesCsv", tr("Export values as CSV…")},
        {"followFolder", tr("Follow this folder")},
        {"showTrend", tr("Show trend…")},
    };
    for (const auto &text : texts)
        action(text.name)->setText(text.text);
}

void ResultsWindow::updateActions()
{
    // Without a measurement there is nothing to print, save, compare or look at closer.
    const bool shown = hasMeasurement();
    for (const char *name : {"printPreview", "saveReportAsPdf", "saveChartsAsImage", "copyCharts", "compareWith",
                             "showValues", "exportValuesCsv", "print", "readAgain"})
        action(name)->setEnabled(shown);
    printButton_->setEnabled(shown);
    action("stopComparing")->setEnabled(isComparing());
    action("showFullRevolution")->setEnabled(shown && !zoom_->range().isFull());
    action("followFolder")->setChecked(!followedFolder_.isEmpty());
    action("showTrend")->setEnabled(!followedFolder_.isEmpty() || (trendWindow_ && trendWindow_->count() > 0));
}

void ResultsWindow::contextMenuEvent(QContextMenuEvent *event)
{
    contextMenu_->exec(event->globalPos());
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
        printReportPage(target, reportTexts_, files_, measurement(), tools_);
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
        return writeReportPdfTo(out, reportTexts_, measurement(), files_, tools_);
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
            return writeChartImageTo(out, ChartImageFormat::Svg, size, measurement(), tools_, zoom_->range(),
                                     comparison());
        });
        return;
    }
    const QImage image = renderChartImage(size, measurement(), tools_, zoom_->range(), comparison());
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
        renderChartImage(QSize(area.width(), area.height()), measurement(), tools_, zoom_->range(),
                         comparison()));
}
