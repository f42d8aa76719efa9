#include "results/values_window.h"

#include "results/figures_view.h"
#include "results/values_table_model.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr ValueTable tables[] = {ValueTable::Amplitude, ValueTable::Reference};

int indexOf(ValueTable table)
{
    return table == ValueTable::Amplitude ? 0 : 1;
}

} // namespace

ValuesWindow::ValuesWindow(const std::shared_ptr<const MeasurementSet> &data, const MeasurementFiles &files, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , data_(data)
    , files_(files)
{
    setObjectName(QStringLiteral("valuesWindow"));
    tabs_ = new QTabWidget(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    for (const ValueTable table : tables) {
        const int i = indexOf(table);
        models_[i] = new ValuesTableModel(table, data, this);
        views_[i] = new QTableView(tabs_);
        views_[i]->setObjectName(table == ValueTable::Amplitude ? QStringLiteral("amplitudeValues")
                                                                : QStringLiteral("referenceValues"));
        views_[i]->setModel(models_[i]);
        views_[i]->setSelectionBehavior(QAbstractItemView::SelectRows);
        views_[i]->setSelectionMode(QAbstractItemView::ExtendedSelection);
        views_[i]->verticalHeader()->hide();
        // 8191 rows of equal height: no row is measured one by one. The header's default
        // section is taller than a line of text needs; its minimum fits one.
        QHeaderView *rows = views_[i]->verticalHeader();
        rows->setSectionResizeMode(QHeaderView::Fixed);
        rows->setDefaultSectionSize(rows->minimumSectionSize());
        views_[i]->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        tabs_->addTab(views_[i], QString());
        views_[i]->installEventFilter(this);
        connect(views_[i]->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, table](const QModelIndex &current) {
                    if (current.isValid())
                        emit rowChosen(table, current.row());
                });
    }
    figures_ = new FiguresView(tabs_);
    figures_->setMeasurement(*data_);
    tabs_->addTab(figures_, QString());
    connect(figures_, &FiguresView::excursionChosen, this, &ValuesWindow::excursionChosen);
    retranslate();
    resize(440, 600);
    // Before the tab bar, which would take the first focus: the arrows go to the rows.
    views_[0]->setFocus();
}

void ValuesWindow::reload()
{
    for (ValuesTableModel *model : models_)
        model->reload();
    figures_->setMeasurement(*data_);
    retranslate();
}

ValueTable ValuesWindow::currentTable() const
{
    return tabs_->currentIndex() == 1 ? ValueTable::Reference : ValueTable::Amplitude;
}

QTableView *ValuesWindow::view(ValueTable table) const
{
    return views_[indexOf(table)];
}

QString ValuesWindow::selectedText() const
{
    const QTableView *shown = view(currentTable());
    const QModelIndexList cells = shown->selectionModel()->selectedIndexes();
    if (cells.isEmpty())
        return {};
    QList<int> rows;
    QList<int> columns;
    for (const QModelIndex &cell : cells) {
        rows.append(cell.row());
        columns.append(cell.column());
    }
    for (QList<int> *list : {&rows, &columns}) {
        std::sort(list->begin(), list->end());
        list->erase(std::unique(list->begin(), list->end()), list->end());
    }
    const QAbstractItemModel *model = shown->model();
    QStringList lines;
    QStringList fields;
    for (const int column : columns)
        fields.append(model->headerData(column, Qt::Horizontal).toString());
    lines.append(fields.join(QLatin1Char('\t')));
    for (const int row : rows) {
        fields.clear();
        for (const int column : columns)
            fields.append(model->index(row, column).data().toString());
        lines.append(fields.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ValuesWindow::copySelection()
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

bool ValuesWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A table view copies only its current cell; the whole selection with its header is wanted.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        copySelection();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ValuesWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ValuesWindow::retranslate()
{
    setWindowTitle(files_.ampFileTitle.isEmpty() ? tr("Values") : tr("Values — %1").arg(files_.ampFileTitle));
    tabs_->setTabText(0, tr("Amplitude samples"));
    tabs_->setTabText(1, tr("Reference entries"));
    tabs_->setTabText(2, tr("Summary"));
    for (ValuesTableModel *model : models_)
        emit model->headerDataChanged(Qt::Horizontal, 0, model->columnCount() - 1);
}
