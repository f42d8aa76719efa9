#include "results/values_table_model.h"

#include <QCoreApplication>

namespace {

// The readout's words for the same values, so the table and the readout name them alike.
constexpr const char *amplitudeTitles[] = {
    QT_TRANSLATE_NOOP("Charts", "Line"), QT_TRANSLATE_NOOP("Charts", "Angle"),
    QT_TRANSLATE_NOOP("Charts", "Curve 1"), QT_TRANSLATE_NOOP("Charts", "Curve 2")};
constexpr const char *referenceTitles[] = {
    QT_TRANSLATE_NOOP("Charts", "Line"), QT_TRANSLATE_NOOP("Charts", "Angle"),
    QT_TRANSLATE_NOOP("Charts", "Red mark"), QT_TRANSLATE_NOOP("Charts", "Blue mark"),
    QT_TRANSLATE_NOOP("Charts", "Red line"), QT_TRANSLATE_NOOP("Charts", "Blue line")};

} // namespace

ValuesTableModel::ValuesTableModel(ValueTable table, const std::shared_ptr<const MeasurementSet> &data, QObject *parent)
    : QAbstractTableModel(parent), table_(table), data_(data)
{
}

void ValuesTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

int ValuesTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : valueRowCount(*data_, table_);
}

int ValuesTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : valueColumnCount(table_);
}

QVariant ValuesTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return QString::fromLatin1(valueCell(*data_, table_, index.row(), index.column()));
}

QVariant ValuesTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    const char *title = table_ == ValueTable::Amplitude ? amplitudeTitles[section] : referenceTitles[section];
    return QCoreApplication::translate("Charts", title);
}
