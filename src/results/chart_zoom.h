#pragma once

#include "charts/angle_range.h"

#include <QObject>
#include <QPoint>

class QEvent;
class QRubberBand;
class QShortcut;
class QWidget;

// The angle range both charts of a window show, and the mouse and keys that change it. It
// watches the window's events without taking the ones it does not use, so the readout and
// the context menu work as before:
// - the wheel over a plot zooms around the angle under the pointer, a double click returns
//   to the full view;
// - a left drag pans (when zoomed), a drag with Shift or Ctrl held selects the range to show;
// - +/- zoom around the centre, Left/Right pan when zoomed, Home shows the full revolution.
class ChartZoom : public QObject {
    Q_OBJECT

public:
    explicit ChartZoom(QWidget *window);

    const AngleRange &range() const { return range_; }
    // Sets the range and, when it changed, reports it through rangeChanged().
    void setRange(const AngleRange &range);

    void zoomIn();
    void zoomOut();
    void showFullRevolution();

signals:
    void rangeChanged(const AngleRange &range);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Drag { None, Pan, Select };

    bool overPlot(QPoint position) const;
    double angleAt(int x) const;
    double unitsPerDegree() const;
    void pan(double share);
    void beginDrag(QPoint position, Qt::KeyboardModifiers modifiers);
    void moveDrag(QPoint position);
    void endDrag(QPoint position);

    QWidget *window_;
    AngleRange range_;
    Drag drag_ = Drag::None;
    QPoint pressedAt_;
    AngleRange rangeAtPress_;
    QRubberBand *band_ = nullptr;
    QShortcut *panLeft_ = nullptr;
    QShortcut *panRight_ = nullptr;
};
