#pragma once

#include <memory>

#include "charts/chart_readout.h"
#include "data/measurement_set.h"

#include <QWidget>

// A stand-in for one chart of the results window, which paints the charts itself: an
// invisible, mouse-transparent child over the chart's plot that takes the keyboard focus (Tab)
// and tells assistive technology what the chart is. Left and Right choose the sample before or
// after, Home and End the first and the last; each choice is reported through sampleChosen()
// and becomes the accessible description, so a screen reader speaks the readout. Without a
// chosen sample the description summarises the chart. Leaving the focus forgets the choice.
class ChartAccessArea : public QWidget {
    Q_OBJECT

public:
    // data and files: the results window's, read whenever a text is asked for.
    ChartAccessArea(ChartReadout::Chart chart, const std::shared_ptr<const MeasurementSet> &data,
                    const MeasurementFiles &files, QWidget *parent);

    ChartReadout::Chart chart() const { return chart_; }
    // The chosen sample or entry, -1 for none.
    int sample() const;

    // The accessible name: the chart's title in the current language.
    QString title() const;
    // The accessible description: the readout of the chosen sample, else the chart's summary.
    QString description() const;

signals:
    // index -1: the choice was dropped.
    void sampleChosen(ChartReadout::Chart chart, int index);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void choose(int index);

    ChartReadout::Chart chart_;
    const std::shared_ptr<const MeasurementSet> &data_;
    const MeasurementFiles &files_;
    int sample_ = -1;
};
