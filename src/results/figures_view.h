#pragma once

#include "data/measurement_figures.h"

#include <QWidget>

class QLabel;
class QTableWidget;

// The Summary tab of the values window: whether the measurement is within the limit lines, the
// figures of each curve and reference column, and the list of excursions (docs/figures.md).
// Choosing an excursion reports its angles through excursionChosen().
class FiguresView : public QWidget {
    Q_OBJECT

public:
    explicit FiguresView(QWidget *parent = nullptr);

    // Shows the figures of data, which is read now and not kept.
    void setMeasurement(const MeasurementSet &data);
    QTableWidget *figuresTable() const { return figuresTable_; }
    QTableWidget *excursionsTable() const { return excursionsTable_; }

signals:
    // Degrees as the file gives them; start > end for a range over the wrap.
    void excursionChosen(double startAngle, double endAngle);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fill();

    MeasurementFigures figures_;
    QLabel *verdict_ = nullptr;
    QTableWidget *figuresTable_ = nullptr;
    QTableWidget *excursionsTable_ = nullptr;
};
