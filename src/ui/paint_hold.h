#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// Keeps a window from painting while another window comes up over it, so that the other
// window's first picture does not wait for a picture nobody sees. The held window paints
// once the covering window has painted or gone, once a modal dialog blocks it, or after
// limitMs whatever happens, and when the hold is destroyed.
class PaintHold : public QObject {
public:
    PaintHold(QWidget *held, int limitMs);
    ~PaintHold() override;

    // The window expected to cover the held one.
    void releaseAfterPaintOf(QWidget *cover);
    void release();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> held_;
    QPointer<QWidget> cover_;
};
