#include "results/c_ergebnis_dlg.h"

#include "charts/chart_colours.h"
#include "charts/chart_geometry.h"
#include "charts/chart_readout.h"
#include "charts/charts.h"
#include "draw/device_units.h"
#include "draw/qpainter_surface.h"
#include "lang/ui_texts.h"
#include "report/print_report.h"
#include "results/chart_access_area.h"
#include "ui/dialog_units.h"
#include "ui/text_fit.h"
#include "ui/window_input.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <vector>


CErgebnisDlg *resultsWindow = nullptr;

CErgebnisDlg::CErgebnisDlg(QWidget *owner, const MeasurementFiles &files, ModalDialogs &dialogs)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , files_(files)
    , dialogs_(dialogs)
    , tools_(createChartTools())
{
    setObjectName(QStringLiteral("CErgebnisDlg"));
    setWindowTitle(QStringLiteral("VELKView"));
    setModal(false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(resultsWindowBackground));
    setPalette(palette);
    setAutoFillBackground(true);
    measurementSet.clear();

    // Template positions, in dialog units of the 8-point face; the first repaint moves them.
    printButton_ = new QPushButton(uiText(UiText::Print), this);
    printButton_->setObjectName(QStringLiteral("button1037"));
    printButton_->setAutoDefault(false);
    closeButton_ = new QPushButton(uiText(UiText::CloseWindow), this);
    closeButton_->setObjectName(QStringLiteral("button1"));
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

    connect(closeButton_, &QPushButton::clicked, this, &CErgebnisDlg::accept);
    connect(printButton_, &QPushButton::clicked, this, &CErgebnisDlg::printReport);
    setAcceptDrops(true);
    createShortcuts();

    readout_ = new QLabel(this, Qt::ToolTip);
    readout_->setObjectName(QStringLiteral("readout"));
    readout_->setForegroundRole(QPalette::ToolTipText);
    readout_->setBackgroundRole(QPalette::ToolTipBase);
    readout_->setPalette(QToolTip::palette());
    readout_->setFrameStyle(QFrame::Box | QFrame::Plain);
    readout_->setMargin(2);
    setMouseTracking(true);

    // After the buttons in the tab order; the Close button keeps the first focus.
    amplitudeArea_ = new ChartAccessArea(ChartReadout::Chart::Amplitude, measurementSet, files_, this);
    referenceArea_ = new ChartAccessArea(ChartReadout::Chart::Reference, measurementSet, files_, this);
    for (ChartAccessArea *area : {amplitudeArea_, referenceArea_})
        connect(area, &ChartAccessArea::sampleChosen, this, &CErgebnisDlg::showSampleReadout);
    setTabOrder(printButton_, amplitudeArea_);
    setTabOrder(amplitudeArea_, referenceArea_);
    placeChartAccessAreas();
}

ChartAccessArea *CErgebnisDlg::chartAccessArea(ChartReadout::Chart chart) const
{
    return chart == ChartReadout::Chart::Amplitude ? amplitudeArea_ : referenceArea_;
}

// The charts are laid out in device pixels (see paintEvent). These two functions are the only
// conversions between that layout and the widget's positions.
void CErgebnisDlg::placeChartAccessAreas()
{
    for (ChartAccessArea *area : {amplitudeArea_, referenceArea_}) {
        const DeviceRect plot = chartPlotRect(area->chart(), chartArea());
        const QPoint topLeft = QPoint(plot.left, plot.top);
        const QPoint end = QPoint(plot.right, plot.bottom);
        area->setGeometry(QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())));
    }
}

void CErgebnisDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeChartAccessAreas();
}

void CErgebnisDlg::mouseMoveEvent(QMouseEvent *event)
{
    QDialog::mouseMoveEvent(event);
    showReadout(event->position().toPoint());
}

void CErgebnisDlg::leaveEvent(QEvent *event)
{
    QDialog::leaveEvent(event);
    readout_->hide();
}

void CErgebnisDlg::showReadout(QPoint position)
{
    const std::optional<ChartReadout> found =
        chartReadoutAt(measurementSet, chartArea(), position.x(), position.y());
    if (!found) {
        readout_->hide();
        return;
    }
    placeReadout(chartReadoutText(*found, measurementSet), position);
}

void CErgebnisDlg::showSampleReadout(ChartReadout::Chart chart, int index)
{
    if (index < 0) {
        readout_->hide();
        return;
    }
    const QPoint sample = chartSamplePoint(chart, measurementSet, chartArea(), index);
    placeReadout(chartReadoutText(ChartReadout{chart, 0.0, index}, measurementSet),
                 sample);
}

void CErgebnisDlg::placeReadout(const QString &text, QPoint beside)
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

void CErgebnisDlg::createShortcuts()
{
    addShortcuts(this, {QKeySequence::Open}, [this] { emit openRequested(); });
    addShortcuts(this, {QKeySequence::Print}, [this] { printReport(); });
    addShortcuts(this, {QKeySequence::Refresh, QKeySequence(Qt::Key_F5)}, [this] { emit reloadRequested(); });
    addShortcuts(this, {QKeySequence::FullScreen, QKeySequence(Qt::Key_F11)}, [this] { toggleFullScreen(); });
    addShortcuts(this, {QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { emit quitRequested(); });
}

void CErgebnisDlg::showOnTop()
{
    // Hiding a shown window first would bring it to the top too, but window managers may then
    // forget that it was maximised.
    if (wantedState_ == Qt::WindowNoState)
        wantedState_ = Qt::WindowMaximized;
    stateRequests_ = 0;
    if (isVisible())
        setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) | wantedState_);
    else if (wantedState_ == Qt::WindowFullScreen)
        showFullScreen();
    else
        showMaximized();
    raise();
    activateWindow();
}

void CErgebnisDlg::toggleFullScreen()
{
    stateRequests_ = 0;
    if (isFullScreen()) {
        wantedState_ = stateBeforeFullScreen_ & (Qt::WindowMaximized | Qt::WindowFullScreen);
        setWindowState(stateBeforeFullScreen_);
    } else {
        stateBeforeFullScreen_ = windowState() & ~Qt::WindowMinimized;
        wantedState_ = Qt::WindowFullScreen;
        showFullScreen();
    }
}

void CErgebnisDlg::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || wantedState_ == Qt::WindowNoState)
        return;
    if (windowState() & wantedState_)
        stateRequests_ = 0;
    else if (!(windowState() & Qt::WindowMinimized))
        restoreWantedState();
}

void CErgebnisDlg::restoreWantedState()
{
    // A manager that refuses the state for good must not keep both sides busy.
    constexpr int maxRequests = 3;
    if (!isVisible() || stateRequests_ >= maxRequests)
        return;
    ++stateRequests_;
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !(windowState() & (wantedState_ | Qt::WindowMinimized)))
            setWindowState((windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen)) | wantedState_);
    });
}

void CErgebnisDlg::dragEnterEvent(QDragEnterEvent *event)
{
    acceptFileDrag(event);
}

void CErgebnisDlg::dropEvent(QDropEvent *event)
{
    const QString path = acceptFileDrop(event);
    if (!path.isEmpty())
        emit fileDropped(path);
}

CErgebnisDlg::~CErgebnisDlg() = default;

QString CErgebnisDlg::captionFor(const MeasurementFiles &files)
{
    // A new window waiting for its first measurement keeps the plain caption.
    if (files.ampFileTitle.isEmpty())
        return QStringLiteral("VELKView");
    if (!files.refFileTitle.isEmpty())
        return QStringLiteral("VELKView - \"%1\", \"%2\"").arg(files.ampFileTitle, files.refFileTitle);
    return QStringLiteral("VELKView - \"%1\"").arg(files.ampFileTitle);
}

void CErgebnisDlg::paintEvent(QPaintEvent *)
{
    // Logical pixels throughout: at a scale factor s the painter gives every unit s device
    // pixels, so the charts are the scale-1 picture s times larger, fonts and pens included.
    QPainter painter(this);
    // A style sheet may darken the window; the charts' black texts need their own light face.
    painter.fillRect(rect(), toQColor(resultsWindowBackground));
    QPainterSurface surface(painter);
    screenSurface_ = &surface;
    setWindowTitle(captionFor(files_));
    drawAmplitudeChart(1.0, 1.0);
    drawReferenceMarksChart(1.0, 1.0);
    placeButtons();
    screenSurface_ = nullptr;
}

void CErgebnisDlg::drawAmplitudeChart(double sx, double sy, Surface *printTarget)
{
    Q_ASSERT(printTarget || screenSurface_);
    Surface &surface = printTarget ? *printTarget : *screenSurface_;
    ::drawAmplitudeChart(surface, measurementSet, tools_, sx, sy,
                         printTarget ? ChartMedium::Paper : ChartMedium::Screen, chartArea());
}

void CErgebnisDlg::drawReferenceMarksChart(double sx, double sy, Surface *printTarget)
{
    Q_ASSERT(printTarget || screenSurface_);
    Surface &surface = printTarget ? *printTarget : *screenSurface_;
    ::drawReferenceMarksChart(surface, measurementSet, tools_, sx, sy,
                              printTarget ? ChartMedium::Paper : ChartMedium::Screen, chartArea());
}

DeviceRect CErgebnisDlg::chartArea() const
{
    return {0, 0, width(), height()};
}

namespace {

// The reference chart's degree labels on the client area: the lowest texts of the charts, in
// the strip the buttons share with them.
std::vector<QRect> degreeLabelRects(const DeviceRect &clientArea)
{
    const ReferenceGeometry g =
        referenceGeometry(referenceFrame(1.0, 1.0, ChartMedium::Screen, clientArea), ReferenceScale{});
    std::vector<QRect> rects;
    for (int j = 0; j <= 8; ++j) {
        const DeviceRect r = columnLabelRect(g.plotRect, g.labels, chartColumnX(g.plotRect, g.colStep, j));
        rects.emplace_back(r.left, r.top, r.width(), r.height());
    }
    return rects;
}

// On a low client area the buttons' row would cover degree labels. It then moves down just
// below them, and where the strip left there is lower than the buttons they become as low as
// the strip, though never lower than their text: below that the screen is too small to keep
// the labels free.
void keepClearOfLabels(QRect &close, QRect &print, const std::vector<QRect> &labels, int clientHeight,
                       int minHeight)
{
    const QRect row = close | print;
    int labelsBottom = -1;
    for (const QRect &label : labels) {
        if (label.intersects(row))
            labelsBottom = std::max(labelsBottom, label.y() + label.height());
    }
    if (labelsBottom < 0)
        return;
    const int top = std::min(labelsBottom, clientHeight - minHeight);
    const int height = std::clamp(clientHeight - top, minHeight, close.height());
    close.setRect(close.x(), top, close.width(), height);
    print.setRect(print.x(), top, print.width(), height);
}

} // namespace

void CErgebnisDlg::placeButtons()
{
    // The window rectangle as it stands when pinned at the origin, with an exclusive right and
    // bottom edge. Its real position does not count: a window manager may put a maximised
    // window elsewhere (beside a panel), and Qt may not learn of the move at all.
    const QRect frame = frameGeometry();
    const int windowRight = frame.width();
    const int windowBottom = frame.height();
    const int winW = frame.width();
    const int winH = frame.height();
    const int clientW = width();
    const int clientH = height();

    const int wClose = closeButton_->width();
    // The template's height: the buttons may have been made lower for a smaller client area.
    const int hClose = buttonHeight_;
    const int wPrint = printButton_->width();

    const int closeRight = windowRight + truncToInt(clientW - 1.03 * winW);
    const int closeBottom = windowBottom + truncToInt(clientH - 1.01 * winH);
    QRect close(closeRight - wClose, closeBottom - hClose, wClose, hClose);
    const int printRight = (closeRight - wClose) - winW / 100;
    QRect print(printRight - wPrint, closeBottom - hClose, wPrint, hClose);
    keepClearOfLabels(close, print, degreeLabelRects(chartArea()), clientH,
                      closeButton_->fontMetrics().height() + 4);
    closeButton_->setGeometry(close);
    printButton_->setGeometry(print);
}

void CErgebnisDlg::pinWindow()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    // The work area: the whole screen unless a panel or task bar takes part of it.
    const QRect available = screen->availableGeometry();
    const int captionHeight = client.top() - frame.top();
    const int borderHeight = frame.bottom() - client.bottom();
    const int fullClientHeight = available.height() - captionHeight;
    const int width = available.width();
    const int height = fullClientHeight + (frame.height() - client.height()) - borderHeight;
    pinning_ = true;
    move(available.topLeft());
    resize(width - (frame.width() - client.width()), height - (frame.height() - client.height()));
    pinning_ = false;
    // A window manager answers our move with one of its own; that answer must not pin again,
    // or a manager that nudges the window would keep both moving.
    awaitingPlacement_ = frameGeometry().topLeft() != available.topLeft();
    update();
}

void CErgebnisDlg::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    if (pinning_ || isMaximized() || isFullScreen())
        return;
    // A window meant to be maximised is put back by its state, not by geometry the window
    // manager would take for a normal window's.
    if (wantedState_ != Qt::WindowNoState) {
        if (!(windowState() & Qt::WindowMinimized))
            restoreWantedState();
        return;
    }
    if (awaitingPlacement_) {
        awaitingPlacement_ = false;
        return;
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && frameGeometry().topLeft() != screen->availableGeometry().topLeft())
        pinWindow();
}

void CErgebnisDlg::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    readout_->hide();
}

void CErgebnisDlg::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}

void CErgebnisDlg::done(int)
{
    // Enter, Escape and the Close button all end here; the owner removes the window.
    emit closeRequested();
}

void CErgebnisDlg::printReport()
{
    runPrintReport(PrintJob{this, dialogs_, reportTexts, files_, measurementSet, tools_});
}
