#include "results/trend_window.h"

#include "charts/chart_colours.h"
#include "data/measurement_figures.h"
#include "draw/qpainter_surface.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

TrendWindow::TrendWindow(QWidget *owner)
    : QWidget(owner, Qt::Tool)
    , tools_(createChartTools())
{
    setObjectName(QStringLiteral("trendWindow"));
    setWindowTitle(title());
    // Hover names the file under the cursor without a button held.
    setMouseTracking(true);
    resize(640, 400);
}

QString TrendWindow::title()
{
    return tr("Trend");
}

void TrendWindow::addMeasurement(const MeasurementSet &data, const MeasurementFiles &files)
{
    for (qsizetype index = 0; index < paths_.size(); ++index) {
        if (paths_[index] == files.ampFileStatus.fullName && dates_[size_t(index)] == files.ampFileStatus.modificationTime)
            return;
    }
    points_.push_back(trendPoint(measurementFigures(data)));
    titles_.append(files.ampFileTitle);
    paths_.append(files.ampFileStatus.fullName);
    dates_.push_back(files.ampFileStatus.modificationTime);
    update();
}

void TrendWindow::clear()
{
    points_.clear();
    titles_.clear();
    paths_.clear();
    dates_.clear();
    update();
}

int TrendWindow::indexAt(int x) const
{
    return trendIndexAt(trendGeometry({0, 0, width(), height()}, count()), x);
}

QString TrendWindow::titleAt(int x) const
{
    const int index = indexAt(x);
    return index < 0 ? QString() : titles_[index];
}

QString TrendWindow::pathAt(int x) const
{
    const int index = indexAt(x);
    return index < 0 ? QString() : paths_[index];
}

void TrendWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(resultsWindowBackground));
    QPainterSurface surface(painter);
    const QString chartTitle = points_.empty() ? QString() : trendTitle(titles_.first(), titles_.last(), points_.size());
    drawTrendChart(surface, points_, chartTitle, tools_, {0, 0, width(), height()});
}

void TrendWindow::mouseMoveEvent(QMouseEvent *event)
{
    const QString fileTitle = titleAt(event->position().toPoint().x());
    if (fileTitle.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), fileTitle, this);
}

void TrendWindow::mousePressEvent(QMouseEvent *event)
{
    const QString path = pathAt(event->position().toPoint().x());
    if (event->button() == Qt::LeftButton && !path.isEmpty())
        emit measurementChosen(path);
}

void TrendWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(title());
    QWidget::changeEvent(event);
}
