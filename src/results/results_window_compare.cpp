// Comparing: a second measurement drawn behind the shown one, and the menu items for it.
#include "results/results_window.h"

#include <QLabel>
#include <QMenu>

void ResultsWindow::setComparison(const MeasurementSet &data, const MeasurementFiles &files)
{
    if (!compared_)
        compared_ = std::make_unique<MeasurementSet>();
    *compared_ = data;
    comparedFiles_ = files;
    update();
}

void ResultsWindow::stopComparing()
{
    compared_.reset();
    comparedFiles_ = {};
    readout_->hide();
    update();
}

ChartComparison ResultsWindow::comparison() const
{
    if (!compared_)
        return {};
    return {compared_.get(), files_.ampFileTitle, comparedFiles_.ampFileTitle};
}

void ResultsWindow::addCompareItems(QMenu &menu)
{
    menu.addSeparator();
    QAction *compare = menu.addAction(tr("Compare with…"));
    compare->setObjectName(QStringLiteral("compareWith"));
    compare->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    connect(compare, &QAction::triggered, this, &ResultsWindow::compareRequested);
    QAction *stop = menu.addAction(tr("Stop comparing"));
    stop->setObjectName(QStringLiteral("stopComparing"));
    stop->setEnabled(isComparing());
    connect(stop, &QAction::triggered, this, &ResultsWindow::stopComparing);
}
