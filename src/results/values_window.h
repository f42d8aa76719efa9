#pragma once

#include <memory>

#include "data/measurement_set.h"
#include "data/value_table.h"

#include <QWidget>

class FiguresView;
class QTabWidget;
class QTableView;
class ValuesTableModel;

// The values behind the charts as two tables, amplitude samples and reference entries, over
// the results window's data set. Not modal; a tool window of the results window, kept above it
// and gone with it. Its caption names the measurement; the keyboard starts in the table.
// Choosing a row reports it through rowChosen(); Ctrl+C copies the selected rows and columns as
// tab-separated text with a header row, which spreadsheets paste into columns. The Summary tab
// shows the measurement's figures and excursions; choosing one reports it through
// excursionChosen().
class ValuesWindow : public QWidget {
    Q_OBJECT

public:
    // data, files: the results window's, read whenever a cell or the caption is shown.
    ValuesWindow(const std::shared_ptr<const MeasurementSet> &data, const MeasurementFiles &files, QWidget *parent);

    // After the data set changed (another measurement, a reload).
    void reload();
    // The table of the tab shown.
    ValueTable currentTable() const;
    QTableView *view(ValueTable table) const;
    FiguresView *figuresView() const { return figures_; }
    // The selection of the tab shown as the clipboard gets it; empty without a selection.
    QString selectedText() const;
    void copySelection();

signals:
    void rowChosen(ValueTable table, int row);
    // Degrees as the file gives them; start > end for a range over the wrap.
    void excursionChosen(double startAngle, double endAngle);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();

    const std::shared_ptr<const MeasurementSet> &data_;
    const MeasurementFiles &files_;
    QTabWidget *tabs_ = nullptr;
    QTableView *views_[2] = {};
    ValuesTableModel *models_[2] = {};
    FiguresView *figures_ = nullptr;
};
