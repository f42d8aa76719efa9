#pragma once

#include <memory>

#include "data/value_table.h"

#include <QAbstractTableModel>

// One table of the measurement a window shows, read from that window's data set (no copy):
// the cells of valueCell, headed by the column titles in the current language.
class ValuesTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    ValuesTableModel(ValueTable table, const std::shared_ptr<const MeasurementSet> &data, QObject *parent);

    ValueTable table() const { return table_; }
    // After the data set changed: every view reads it anew.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ValueTable table_;
    const std::shared_ptr<const MeasurementSet> &data_;
};
