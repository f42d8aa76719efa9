#include "results/chart_zoom.h"

#include "charts/chart_readout.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QShortcut>
#include <QWheelEvent>
#include <QWidget>

#include <cmath>
#include <functional>
#include <cstdlib>

namespace {

// One wheel notch (120 units) shows 80 % of the range, one key press half or twice of it.
constexpr double wheelFactor = 0.8;
constexpr double keyFactor = 0.5;
// A key press pans by a tenth of what is shown.
constexpr double keyPanShare = 0.1;
// A shorter selection is taken for a click.
constexpr int minSelection = 3;

DeviceRect clientArea(const QWidget *window)
{
    return {0, 0, window->width(), window->height()};
}

QShortcut *addShortcut(QWidget *window, const QKeySequence &key, QObject *context,
                       const std::function<void()> &action)
{
    auto *shortcut = new QShortcut(key, window);
    QObject::connect(shortcut, &QShortcut::activated, context, action);
    return shortcut;
}

} // namespace

ChartZoom::ChartZoom(QWidget *window) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("chartZoom"));
    window->installEventFilter(this);
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal), QKeySequence(QKeySequence::ZoomIn)})
        addShortcut(window, key, this, [this] { zoomIn(); });
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Minus), QKeySequence(QKeySequence::ZoomOut)})
        addShortcut(window, key, this, [this] { zoomOut(); });
    addShortcut(window, QKeySequence(Qt::Key_Home), this, [this] { showFullRevolution(); });
    // Only while zoomed: at the full view the arrows keep their other uses.
    panLeft_ = addShortcut(window, QKeySequence(Qt::Key_Left), this, [this] { pan(-keyPanShare); });
    panRight_ = addShortcut(window, QKeySequence(Qt::Key_Right), this, [this] { pan(keyPanShare); });
    panLeft_->setEnabled(false);
    panRight_->setEnabled(false);
    band_ = new QRubberBand(QRubberBand::Rectangle, window);
}

void ChartZoom::setRange(const AngleRange &range)
{
    if (range == range_)
        return;
    range_ = range;
    panLeft_->setEnabled(!range_.isFull());
    panRight_->setEnabled(!range_.isFull());
    emit rangeChanged(range_);
}

void ChartZoom::zoomIn()
{
    setRange(zoomedRange(range_, keyFactor, (range_.first + range_.last) / 2));
}

void ChartZoom::zoomOut()
{
    setRange(zoomedRange(range_, 1 / keyFactor, (range_.first + range_.last) / 2));
}

void ChartZoom::showFullRevolution()
{
    setRange(AngleRange{});
}

void ChartZoom::pan(double share)
{
    setRange(pannedRange(range_, share * range_.span()));
}

bool ChartZoom::overPlot(QPoint position) const
{
    for (const auto chart : {ChartReadout::Chart::Amplitude, ChartReadout::Chart::Reference}) {
        const DeviceRect plot = chartPlotRect(chart, clientArea(window_));
        if (position.x() >= plot.left && position.x() < plot.right && position.y() >= plot.top
            && position.y() < plot.bottom)
            return true;
    }
    return false;
}

// Both plots span the same columns, so either one maps x to the angle.
double ChartZoom::unitsPerDegree() const
{
    const DeviceRect plot = chartPlotRect(ChartReadout::Chart::Amplitude, clientArea(window_));
    return angleScale(plot.left, plot.right, range_);
}

double ChartZoom::angleAt(int x) const
{
    const DeviceRect plot = chartPlotRect(ChartReadout::Chart::Amplitude, clientArea(window_));
    return xToAngle(plot.left, unitsPerDegree(), range_, x);
}

void ChartZoom::beginDrag(QPoint position, Qt::KeyboardModifiers modifiers)
{
    pressedAt_ = position;
    rangeAtPress_ = range_;
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) {
        drag_ = Drag::Select;
        band_->setGeometry(QRect(position, QSize(1, 1)));
    } else {
        drag_ = range_.isFull() ? Drag::None : Drag::Pan;
    }
}

void ChartZoom::moveDrag(QPoint position)
{
    switch (drag_) {
    case Drag::None:
        return;
    case Drag::Pan: {
        const DeviceRect plot = chartPlotRect(ChartReadout::Chart::Amplitude, clientArea(window_));
        const double scale = angleScale(plot.left, plot.right, rangeAtPress_);
        // Dragging right brings smaller angles into view, as the plot follows the pointer.
        setRange(pannedRange(rangeAtPress_, (pressedAt_.x() - position.x()) / scale));
        return;
    }
    case Drag::Select: {
        const DeviceRect top = chartPlotRect(ChartReadout::Chart::Amplitude, clientArea(window_));
        const DeviceRect bottom = chartPlotRect(ChartReadout::Chart::Reference, clientArea(window_));
        band_->setGeometry(QRect(QPoint(std::min(pressedAt_.x(), position.x()), top.top),
                                 QPoint(std::max(pressedAt_.x(), position.x()), bottom.bottom - 1)));
        band_->show();
        return;
    }
    }
}

void ChartZoom::endDrag(QPoint position)
{
    const Drag ended = drag_;
    drag_ = Drag::None;
    band_->hide();
    if (ended == Drag::Select && std::abs(position.x() - pressedAt_.x()) >= minSelection)
        setRange(rangeBetween(angleAt(pressedAt_.x()), angleAt(position.x())));
}

bool ChartZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::Wheel: {
        auto *wheel = static_cast<QWheelEvent *>(event);
        const QPoint position = wheel->position().toPoint();
        const int notches = wheel->angleDelta().y();
        if (notches == 0 || !overPlot(position))
            return false;
        setRange(zoomedRange(range_, std::pow(wheelFactor, notches / 120.0), angleAt(position.x())));
        return true;
    }
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && overPlot(mouse->position().toPoint()))
            beginDrag(mouse->position().toPoint(), mouse->modifiers());
        return false;
    }
    case QEvent::MouseMove:
        // The window's readout follows the pointer all the same.
        moveDrag(static_cast<QMouseEvent *>(event)->position().toPoint());
        return false;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            endDrag(mouse->position().toPoint());
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && overPlot(mouse->position().toPoint()))
            showFullRevolution();
        return false;
    }
    default:
        return false;
    }
}
