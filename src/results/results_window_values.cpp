// Looking closer at a measurement: the zoomed angle range, the values window beside the
// results window, the mark of a chosen value and the CSV export. Kept apart from the window's
// other commands, which show and print the whole revolution.
#include "results/results_window.h"

#include "charts/chart_readout.h"
#include "report/report_setup.h"
#include "results/chart_zoom.h"
#include "results/values_window.h"
#include "ui/modal_dialogs.h"

#include <QIODevice>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

ChartReadout::Chart chartOf(ValueTable table)
{
    return table == ValueTable::Amplitude ? ChartReadout::Chart::Amplitude : ChartReadout::Chart::Reference;
}

} // namespace

void ResultsWindow::setUpLookingCloser()
{
    zoom_ = new ChartZoom(this);
    connect(zoom_, &ChartZoom::rangeChanged, this, [this] {
        readout_->hide();
        updateActions();
        update();
    });
}

void ResultsWindow::showValues()
{
    if (!valuesWindow_) {
        valuesWindow_ = new ValuesWindow(measurement_, files_, this);
        connect(valuesWindow_, &ValuesWindow::rowChosen, this, &ResultsWindow::markValue);
        connect(valuesWindow_, &ValuesWindow::excursionChosen, this, &ResultsWindow::showAngles);
        // The window's keys (F5, Ctrl+P, Ctrl+T, ...) work from the values too.
        valuesWindow_->addActions(actions());
        // Beside the charts: at the right edge of the screen, over the labels' margin.
        const QRect room = screen()->availableGeometry();
        valuesWindow_->resize(valuesWindow_->width(), room.height() * 2 / 3);
        valuesWindow_->move(room.right() - valuesWindow_->width() - 20, room.top() + room.height() / 6);
    }
    valuesWindow_->show();
    valuesWindow_->raise();
    valuesWindow_->activateWindow();
}

void ResultsWindow::showAngles(double startAngle, double endAngle)
{
    // A range over the 360° to 0° wrap cannot show as one: its larger side is shown.
    if (startAngle > endAngle) {
        if (AngleRange::fullLast - startAngle >= endAngle)
            endAngle = AngleRange::fullLast;
        else
            startAngle = AngleRange::fullFirst;
    }
    // A little on either side, so the crossings stand inside the plot.
    const double margin = std::max(1.0, (endAngle - startAngle) / 10);
    zoom_->setRange(rangeBetween(startAngle - margin, endAngle + margin));
}

void ResultsWindow::markValue(ValueTable table, int row)
{
    if (row < 0 || row >= valueRowCount(measurement(), table)) {
        markedAngle_.reset();
        readout_->hide();
        update();
        return;
    }
    const double angle = table == ValueTable::Amplitude ? measurement().ampSeries[0][row]
                                                        : measurement().refSeries[0][row];
    markedAngle_ = angle;
    const AngleRange shown = zoom_->range();
    if (angle < shown.first || angle > shown.last)
        zoom_->setRange(pannedRange(shown, angle - (shown.first + shown.last) / 2));
    update();
    showSampleReadout(chartOf(table), row);
}

void ResultsWindow::paintAngleMark(QPainter &painter)
{
    if (!markedAngle_)
        return;
    // Dashed and in a colour of its own, so it stands out on a grid line at the same angle.
    painter.setPen(QPen(QColor(255, 0, 160), 1, Qt::DashLine));
    const AngleRange &range = zoom_->range();
    for (const auto chart : {ChartReadout::Chart::Amplitude, ChartReadout::Chart::Reference}) {
        const DeviceRect plot = chartPlotRect(chart, chartArea());
        const int x = angleToX(plot.left, angleScale(plot.left, plot.right, range), range, *markedAngle_);
        if (x >= plot.left && x < plot.right)
            painter.drawLine(x, plot.top, x, plot.bottom - 1);
    }
}

void ResultsWindow::exportValuesCsv()
{
    const ValueTable table = valuesWindow_ && valuesWindow_->isVisible() ? valuesWindow_->currentTable()
                                                                         : ValueTable::Amplitude;
    const QString report = proposedReportPath(files_);
    const QString suffix = table == ValueTable::Amplitude ? QStringLiteral("_amplitude.csv")
                                                          : QStringLiteral("_reference.csv");
    const QString proposed = report.isEmpty() ? QString()
                                              : report.left(report.size() - int(qstrlen("_report.pdf"))) + suffix;
    QString title = tr("Export values as CSV…");
    title.chop(1);
    // The measurements' own files are refused in the dialog, before it asks to replace one.
    const SaveFileRequest request{title, {tr("CSV files (*.csv)")}, proposed,
                                  {files_.ampFileStatus.fullName, comparedFiles_.ampFileStatus.fullName}};
    const std::optional<QString> chosen = dialogs_.chooseSaveFile(this, request);
    if (!chosen)
        return;
    const QByteArray csv = valuesCsv(measurement(), table);
    saveFile(*chosen, [&csv](QIODevice &out) { return out.write(csv) == csv.size(); });
}
