#pragma once

#include "charts/chart_tools.h"
#include "charts/trend_chart.h"
#include "data/measurement_set.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <vector>

// The trend of the measurements shown while following, in the order shown: a tool window beside
// the results window, painted by the trend chart routine. Hovering a column names its file;
// clicking one asks for that measurement.
class TrendWindow : public QWidget {
    Q_OBJECT

public:
    explicit TrendWindow(QWidget *owner = nullptr);

    // The window's title and the command that shows it.
    static QString title();

    // Adds a column for data, read from files, and schedules a repaint; a measurement that has a
    // column already (same file, same modification time: one chosen here and shown again) keeps
    // its one.
    void addMeasurement(const MeasurementSet &data, const MeasurementFiles &files);
    // Drops every column (another folder is followed).
    void clear();
    int count() const { return int(points_.size()); }
    // The amplitude file's title and full path of the column at x, or empty strings.
    QString titleAt(int x) const;
    QString pathAt(int x) const;

signals:
    void measurementChosen(const QString &ampPath);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int indexAt(int x) const;

    std::vector<TrendPoint> points_;
    QStringList titles_;
    QStringList paths_;
    std::vector<int64_t> dates_;
    ChartTools tools_;
};
