// The results window's trend of the measurements shown while following.
#include "results/results_window.h"

#include "results/trend_window.h"

#include <QScreen>

TrendWindow *ResultsWindow::ensureTrendWindow()
{
    if (!trendWindow_) {
        trendWindow_ = new TrendWindow(this);
        // Opening goes the way a dropped file goes, so the session decides as for any open.
        connect(trendWindow_, &TrendWindow::measurementChosen, this, &ResultsWindow::fileDropped);
        // The window's keys (F5, Ctrl+L, Ctrl+Q, ...) work from the trend too.
        trendWindow_->addActions(actions());
        // Along the foot of the screen, over the reference chart's lower margin.
        const QRect room = screen()->availableGeometry();
        trendWindow_->resize(room.width() / 2, room.height() / 3);
        trendWindow_->move(room.left() + 20, room.bottom() - trendWindow_->height() - 40);
    }
    return trendWindow_;
}

void ResultsWindow::showTrend()
{
    ensureTrendWindow()->show();
    trendWindow_->raise();
    trendWindow_->activateWindow();
}
