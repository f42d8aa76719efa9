#include "results/chart_access_area.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Qt gives a plain widget the role of a client area with no texts; this one is a chart.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartAccessArea *area) : QAccessibleWidget(area, QAccessible::Chart) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto *area = static_cast<const ChartAccessArea *>(widget());
        switch (kind) {
        case QAccessible::Name:
            return area->title();
        case QAccessible::Description:
            return area->description();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface *chartAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ChartAccessArea") && object->isWidgetType())
        return new ChartAccessible(static_cast<ChartAccessArea *>(object));
    return nullptr;
}

} // namespace

ChartAccessArea::ChartAccessArea(ChartReadout::Chart chart, const std::shared_ptr<const MeasurementSet> &data,
                                 const MeasurementFiles &files, QWidget *parent)
    : QWidget(parent), chart_(chart), data_(data), files_(files)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(chartAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(chart == ChartReadout::Chart::Amplitude ? QStringLiteral("amplitudeChart")
                                                          : QStringLiteral("referenceChart"));
    // The window under it takes the mouse (readout, context menu); a click gives no focus here.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

int ChartAccessArea::sample() const
{
    // A measurement read meanwhile may have fewer samples.
    return sample_ < chartSampleCount(chart_, *data_) ? sample_ : -1;
}

QString ChartAccessArea::title() const
{
    return chart_ == ChartReadout::Chart::Amplitude ? tr("Amplitude") : tr("Reference marks");
}

QString ChartAccessArea::description() const
{
    const int index = sample();
    if (index >= 0)
        return chartReadoutText(ChartReadout{chart_, 0.0, index}, *data_);
    // Without a reference file the entries come from the amplitude file.
    const bool ownFile = chart_ == ChartReadout::Chart::Reference && !files_.refFileTitle.isEmpty();
    return chartDescription(chart_, *data_, ownFile ? files_.refFileTitle : files_.ampFileTitle);
}

bool ChartAccessArea::event(QEvent *event)
{
    // With the focus here the arrows, Home and End choose samples; the window's zoom keys
    // for the same keys wait until the focus is elsewhere.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void ChartAccessArea::keyPressEvent(QKeyEvent *event)
{
    const int count = chartSampleCount(chart_, *data_);
    const int current = sample();
    int next = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        next = current < 0 ? count - 1 : std::max(current - 1, 0);
        break;
    case Qt::Key_Right:
        next = current < 0 ? 0 : std::min(current + 1, count - 1);
        break;
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = count - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (count > 0)
        choose(next);
}

void ChartAccessArea::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (sample_ >= 0)
        choose(-1);
}

void ChartAccessArea::choose(int index)
{
    sample_ = index;
    emit sampleChosen(chart_, index);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void ChartAccessArea::paintEvent(QPaintEvent *)
{
    // Transparent: the window has drawn the chart. Only the keyboard focus is shown.
    if (!hasFocus())
        return;
    // A style's dotted focus frame is lost on the hatched plot; the highlight colour is not.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}
