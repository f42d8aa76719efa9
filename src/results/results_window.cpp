#include "results/results_window.h"

#include "charts/chart_colours.h"
#include "charts/chart_geometry.h"
#include "charts/chart_readout.h"
#include "charts/chart_image.h"
#include "draw/device_units.h"
#include "results/print_command.h"
#include "results/chart_access_area.h"
#include "results/chart_zoom.h"
#include "results/trend_window.h"
#include "results/values_window.h"
#include "ui/dialog_units.h"
#include "ui/text_fit.h"
#include "ui/window_input.h"

#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <vector>

ResultsWindow::ResultsWindow(ModalDialogs &dialogs, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , dialogs_(dialogs)
    , measurement_(std::make_shared<const MeasurementSet>())
    , tools_(createChartTools())
{
    setObjectName(QStringLiteral("ResultsWindow"));
    setWindowTitle(QStringLiteral("VELKView"));
    setModal(false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(resultsWindowBackground));
    setPalette(palette);
    // The paint covers every pixel with that colour itself; Qt's own fill first would be
    // wasted on a maximised window.
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Template positions, in dialog units of the 8-point face; the first repaint moves them.
    printButton_ = new QPushButton(tr("Print"), this);
    printButton_->setObjectName(QStringLiteral("printButton"));
    printButton_->setAutoDefault(false);
    closeButton_ = new QPushButton(tr("Close window"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setDefault(true);
    setFont(dialogFont());
    const DialogUnits units(font());
    units.place(closeButton_, 370, 340, 105, 20);
    units.place(printButton_, 285, 340, 80, 20);
    buttonHeight_ = closeButton_->height();
    // Tab order follows the template: Close, then Print.
    setTabOrder(closeButton_, printButton_);
    closeButton_->setFocus();
    resize(units.x(479), units.y(362));
    fitTextsToWidths(this);

    connect(closeButton_, &QPushButton::clicked, this, &ResultsWindow::accept);
    connect(printButton_, &QPushButton::clicked, this, &ResultsWindow::printReport);
    setAcceptDrops(true);

    readout_ = new QLabel(this, Qt::ToolTip);
    readout_->setObjectName(QStringLiteral("readout"));
    readout_->setForegroundRole(QPalette::ToolTipText);
    readout_->setBackgroundRole(QPalette::ToolTipBase);
    readout_->setPalette(QToolTip::palette());
    readout_->setFrameStyle(QFrame::Box | QFrame::Plain);
    readout_->setMargin(2);
    setMouseTracking(true);

    // After the buttons in the tab order; the Close button keeps the first focus.
    amplitudeArea_ = new ChartAccessArea(ChartReadout::Chart::Amplitude, measurement_, files_, this);
    referenceArea_ = new ChartAccessArea(ChartReadout::Chart::Reference, measurement_, files_, this);
    for (ChartAccessArea *area : {amplitudeArea_, referenceArea_})
        connect(area, &ChartAccessArea::sampleChosen, this, &ResultsWindow::showSampleReadout);
    setTabOrder(printButton_, amplitudeArea_);
    setTabOrder(amplitudeArea_, referenceArea_);
    placeChartAccessAreas();
    setUpLookingCloser();
    createActions();
}

ChartAccessArea *ResultsWindow::chartAccessArea(ChartReadout::Chart chart) const
{
    return chart == ChartReadout::Chart::Amplitude ? amplitudeArea_ : referenceArea_;
}

void ResultsWindow::placeChartAccessAreas()
{
    for (ChartAccessArea *area : {amplitudeArea_, referenceArea_}) {
        const DeviceRect plot = chartPlotRect(area->chart(), chartArea());
        const QPoint topLeft = QPoint(plot.left, plot.top);
        const QPoint end = QPoint(plot.right, plot.bottom);
        area->setGeometry(QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())));
    }
}

void ResultsWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeButtons();
    placeChartAccessAreas();
}

void ResultsWindow::mouseMoveEvent(QMouseEvent *event)
{
    QDialog::mouseMoveEvent(event);
    showReadout(event->position().toPoint());
}

void ResultsWindow::leaveEvent(QEvent *event)
{
    QDialog::leaveEvent(event);
    readout_->hide();
}

void ResultsWindow::showReadout(QPoint position)
{
    const std::optional<ChartReadout> found =
        chartReadoutAt(measurement(), chartArea(), position.x(), position.y(), zoom_->range(), compared_.get());
    if (!found) {
        readout_->hide();
        return;
    }
    placeReadout(chartReadoutText(*found, measurement(),
                                  comparison()),
                 position);
}

void ResultsWindow::showSampleReadout(ChartReadout::Chart chart, int index)
{
    if (index < 0) {
        readout_->hide();
        return;
    }
    const QPoint sample =
        chartSamplePoint(chart, measurement(), chartArea(), index, zoom_->range(), compared_.get());
    // The compared measurement is read at the chosen sample's angle.
    ChartReadout readout{chart, 0.0, index};
    if (compared_)
        readout.comparedIndex = nearestSampleByAngle(chart, *compared_, readoutAngle(readout, measurement()));
    placeReadout(chartReadoutText(readout, measurement(),
                                  comparison()),
                 sample);
}

void ResultsWindow::placeReadout(const QString &text, QPoint beside)
{
    readout_->setText(text);
    readout_->adjustSize();
    // Beside the point, on the other side where the screen ends.
    const QPoint cursor = mapToGlobal(beside);
    QPoint at = cursor + QPoint(16, 16);
    const QRect room = screen()->availableGeometry();
    if (at.x() + readout_->width() > room.right())
        at.setX(cursor.x() - 16 - readout_->width());
    if (at.y() + readout_->height() > room.bottom())
        at.setY(cursor.y() - 16 - readout_->height());
    readout_->move(at);
    readout_->show();
}

void ResultsWindow::dragEnterEvent(QDragEnterEvent *event)
{
    acceptFileDrag(event);
}

void ResultsWindow::dropEvent(QDropEvent *event)
{
    const QString path = acceptFileDrop(event);
    if (path.isEmpty())
        return;
    if (event->modifiers() & Qt::ShiftModifier)
        emit compareFileDropped(path);
    else
        emit fileDropped(path);
}

ResultsWindow::~ResultsWindow()
{
    // The chart areas lose the focus while the base class deletes them, and would report that
    // to a window that is no longer one.
    for (ChartAccessArea *area : {amplitudeArea_, referenceArea_})
        disconnect(area, nullptr, this, nullptr);
    // They read the measurement through this window's member, which goes before the base
    // class deletes its children.
    delete valuesWindow_;
    delete amplitudeArea_;
    delete referenceArea_;
}

QString ResultsWindow::captionFor(const MeasurementFiles &files, const QString &folder)
{
    // A window waiting for its first measurement says what it waits for, if anything.
    if (files.ampFileTitle.isEmpty())
        return folder.isEmpty() ? QStringLiteral("VELKView")
                                : tr("VELKView — following %1").arg(QDir::toNativeSeparators(folder));
    if (!files.refFileTitle.isEmpty())
        return QStringLiteral("VELKView - \"%1\", \"%2\"").arg(files.ampFileTitle, files.refFileTitle);
    return QStringLiteral("VELKView - \"%1\"").arg(files.ampFileTitle);
}

void ResultsWindow::setMeasurement(std::shared_ptr<const MeasurementSet> data, const MeasurementFiles &files)
{
    Q_ASSERT(data);
    measurement_ = std::move(data);
    files_ = files;
    setWindowTitle(captionFor(files_, followedFolder_));
    markedAngle_.reset();
    followProblem_.clear();
    placeFollowNote();
    if (valuesWindow_)
        valuesWindow_->reload();
    if (!followedFolder_.isEmpty())
        ensureTrendWindow()->addMeasurement(*measurement_, files_);
    updateActions();
    update();
}

void ResultsWindow::paintEvent(QPaintEvent *)
{
    // Logical pixels throughout: at a scale factor s the painter gives every unit s device
    // pixels, so the charts are the scale-1 picture s times larger, fonts and pens included.
    // The route is the one of --chart, the clipboard and the image saves.
    QPainter painter(this);
    paintChartClientArea(painter, size(), measurement(), tools_, QPainterSurface::WideLines::Stamped,
                         zoom_->range(), comparison());
    paintAngleMark(painter);
}

DeviceRect ResultsWindow::chartArea() const
{
    return {0, 0, width(), height()};
}

void ResultsWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    readout_->hide();
}

void ResultsWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}

void ResultsWindow::done(int)
{
    // Enter, Escape and the Close button all end here; the owner removes the window.
    emit closeRequested();
}

void ResultsWindow::printReport()
{
    runPrintReport(PrintJob{this, dialogs_, reportTexts_, files_, measurement(), tools_,
                            isComparing() ? comparedFiles_.ampFileStatus.fullName : QString()});
}
