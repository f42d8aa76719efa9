#include "results/figures_view.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The series names as the values tables head their columns.
constexpr const char *seriesTitles[] = {"Curve 1", "Curve 2", "Red mark", "Blue mark", "Red line", "Blue line"};

QString seriesTitle(int series)
{
    return QCoreApplication::translate("Charts", seriesTitles[series]);
}

// Two decimals are what the charts can show; numbers never follow the user's locale.
QString number(double value)
{
    return QString::number(value, 'f', 2);
}

QTableWidget *newTable(QWidget *parent)
{
    auto *table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

void setCell(QTableWidget *table, int row, int column, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    if (column > 0)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
}

} // namespace

FiguresView::FiguresView(QWidget *parent) : QWidget(parent)
{
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("limitsVerdict"));
    figuresTable_ = newTable(this);
    figuresTable_->setObjectName(QStringLiteral("seriesFigures"));
    excursionsTable_ = newTable(this);
    excursionsTable_->setObjectName(QStringLiteral("excursions"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(verdict_);
    layout->addWidget(figuresTable_, 1);
    layout->addWidget(excursionsTable_, 1);
    connect(excursionsTable_, &QTableWidget::currentCellChanged, this, [this](int row) {
        int index = row;
        for (const CurveExcursions &curve : figures_.excursions) {
            if (index >= 0 && index < int(curve.ranges.size())) {
                emit excursionChosen(curve.ranges[size_t(index)].startAngle, curve.ranges[size_t(index)].endAngle);
                return;
            }
            index -= int(curve.ranges.size());
        }
    });
}

void FiguresView::setMeasurement(const MeasurementSet &data)
{
    figures_ = measurementFigures(data);
    fill();
}

void FiguresView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        fill();
}

void FiguresView::fill()
{
    verdict_->setText(figures_.withinLimits() ? tr("Within limits") : tr("Outside the limits"));
    figuresTable_->clear();
    figuresTable_->setColumnCount(8);
    figuresTable_->setRowCount(6);
    figuresTable_->setHorizontalHeaderLabels({tr("Series"), tr("Minimum"), tr("Maximum"), tr("Mean"), tr("Peak-to-peak"),
                                              tr("Excursions"), tr("Angle outside"), tr("Worst")});
    for (int series = 0; series < 6; ++series) {
        const SeriesFigures &f = series < 2 ? figures_.amplitude[series] : figures_.reference[series - 2];
        setCell(figuresTable_, series, 0, seriesTitle(series));
        if (f.count == 0)
            continue;
        setCell(figuresTable_, series, 1, tr("%1 at %2°").arg(number(f.minimum), number(f.minimumAngle)));
        setCell(figuresTable_, series, 2, tr("%1 at %2°").arg(number(f.maximum), number(f.maximumAngle)));
        setCell(figuresTable_, series, 3, number(f.mean));
        setCell(figuresTable_, series, 4, number(f.peakToPeak));
        if (series >= 2)
            continue;
        const CurveExcursions &e = figures_.excursions[series];
        setCell(figuresTable_, series, 5, QString::number(qsizetype(e.ranges.size())));
        setCell(figuresTable_, series, 6, number(e.angleOutside) + QStringLiteral("°"));
        if (!e.ranges.empty())
            setCell(figuresTable_, series, 7, tr("%1 at %2°").arg(number(e.worstValue), number(e.worstAngle)));
    }
    excursionsTable_->clear();
    excursionsTable_->setColumnCount(6);
    excursionsTable_->setRowCount(int(figures_.excursions[0].ranges.size() + figures_.excursions[1].ranges.size()));
    excursionsTable_->setHorizontalHeaderLabels({tr("Series"), tr("Side"), tr("From"), tr("To"), tr("Width"), tr("Worst")});
    int row = 0;
    for (int curve = 0; curve < 2; ++curve) {
        for (const Excursion &range : figures_.excursions[curve].ranges) {
            setCell(excursionsTable_, row, 0, seriesTitle(curve));
            setCell(excursionsTable_, row, 1, range.side == LimitSide::Above ? tr("above 90 %") : tr("below 30 %"));
            setCell(excursionsTable_, row, 2, number(range.startAngle) + QStringLiteral("°"));
            setCell(excursionsTable_, row, 3, number(range.endAngle) + QStringLiteral("°"));
            setCell(excursionsTable_, row, 4, number(range.width) + QStringLiteral("°"));
            setCell(excursionsTable_, row, 5, tr("%1 at %2°").arg(number(range.worstValue), number(range.worstAngle)));
            ++row;
        }
    }
}
