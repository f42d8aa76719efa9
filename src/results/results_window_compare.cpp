// Comparing: a second measurement drawn behind the shown one, and the menu items for it.
#include "results/results_window.h"

#include "charts/charts.h"

#include <QLabel>

void ResultsWindow::setComparison(std::shared_ptr<const MeasurementSet> data, const MeasurementFiles &files)
{
    compared_ = std::move(data);
    comparedFiles_ = files;
    updateActions();
    update();
}

void ResultsWindow::stopComparing()
{
    compared_.reset();
    comparedFiles_ = {};
    readout_->hide();
    updateActions();
    update();
}

ChartComparison ResultsWindow::comparison() const
{
    return chartComparison(compared_.get(), files_, comparedFiles_);
}
