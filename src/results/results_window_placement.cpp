// Where the results window stands: maximised or full screen whatever the window manager
// answers, pinned at the origin, and its two buttons placed from the window's size.
#include "results/results_window.h"

#include "results/trend_window.h"

#include "charts/chart_geometry.h"
#include "draw/device_units.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMoveEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <vector>

void ResultsWindow::showOnTop()
{
    // Hiding a shown window first would bring it to the top too, but window managers may then
    // forget that it was maximised.
    if (wantedState_ == Qt::WindowNoState)
        wantedState_ = Qt::WindowMaximized;
    stateRequests_ = 0;
    if (isVisible())
        setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) | wantedState_);
    else if (wantedState_ == Qt::WindowFullScreen)
        showFullScreen();
    else
        showMaximized();
    raise();
    activateWindow();
}

void ResultsWindow::toggleFullScreen()
{
    stateRequests_ = 0;
    if (isFullScreen()) {
        wantedState_ = stateBeforeFullScreen_ & (Qt::WindowMaximized | Qt::WindowFullScreen);
        setWindowState(stateBeforeFullScreen_);
    } else {
        stateBeforeFullScreen_ = windowState() & ~Qt::WindowMinimized;
        wantedState_ = Qt::WindowFullScreen;
        showFullScreen();
    }
}

void ResultsWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || wantedState_ == Qt::WindowNoState)
        return;
    if (windowState() & wantedState_)
        stateRequests_ = 0;
    else if (!(windowState() & Qt::WindowMinimized))
        restoreWantedState();
}

void ResultsWindow::restoreWantedState()
{
    // A manager that refuses the state for good must not keep both sides busy.
    constexpr int maxRequests = 3;
    if (!isVisible() || stateRequests_ >= maxRequests)
        return;
    ++stateRequests_;
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !(windowState() & (wantedState_ | Qt::WindowMinimized)))
            setWindowState((windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen)) | wantedState_);
    });
}

namespace {

// The reference chart's degree labels on the client area: the lowest texts of the charts, in
// the strip the buttons share with them.
std::vector<QRect> degreeLabelRects(const DeviceRect &clientArea)
{
    const ReferenceGeometry g =
        referenceGeometry(referenceFrame(1.0, 1.0, ChartMedium::Screen, clientArea), ReferenceScale{});
    std::vector<QRect> rects;
    for (int j = 0; j <= 8; ++j) {
        const DeviceRect r = columnLabelRect(g.plotRect, g.labels, chartColumnX(g.plotRect, g.colStep, j));
        rects.emplace_back(r.left, r.top, r.width(), r.height());
    }
    return rects;
}

// On a low client area the buttons' row would cover degree labels. It then moves down just
// below them, and where the strip left there is lower than the buttons they become as low as
// the strip, though never lower than their text: below that the screen is too small to keep
// the labels free.
void keepClearOfLabels(QRect &close, QRect &print, const std::vector<QRect> &labels, int clientHeight,
                       int minHeight)
{
    const QRect row = close | print;
    int labelsBottom = -1;
    for (const QRect &label : labels) {
        if (label.intersects(row))
            labelsBottom = std::max(labelsBottom, label.y() + label.height());
    }
    if (labelsBottom < 0)
        return;
    const int top = std::min(labelsBottom, clientHeight - minHeight);
    const int height = std::clamp(clientHeight - top, minHeight, close.height());
    close.setRect(close.x(), top, close.width(), height);
    print.setRect(print.x(), top, print.width(), height);
}

} // namespace

void ResultsWindow::placeButtons()
{
    // The window rectangle as it stands when pinned at the origin, with an exclusive right and
    // bottom edge. Its real position does not count: a window manager may put a maximised
    // window elsewhere (beside a panel), and Qt may not learn of the move at all.
    const QRect frame = frameGeometry();
    const int windowRight = frame.width();
    const int windowBottom = frame.height();
    const int winW = frame.width();
    const int winH = frame.height();
    const int clientW = width();
    const int clientH = height();

    const int wClose = closeButton_->width();
    // The template's height: the buttons may have been made lower for a smaller client area.
    const int hClose = buttonHeight_;
    const int wPrint = printButton_->width();

    const int closeRight = windowRight + truncToInt(clientW - 1.03 * winW);
    const int closeBottom = windowBottom + truncToInt(clientH - 1.01 * winH);
    QRect close(closeRight - wClose, closeBottom - hClose, wClose, hClose);
    const int printRight = (closeRight - wClose) - winW / 100;
    QRect print(printRight - wPrint, closeBottom - hClose, wPrint, hClose);
    keepClearOfLabels(close, print, degreeLabelRects(chartArea()), clientH,
                      closeButton_->fontMetrics().height() + 4);
    // Right to left, the button row stands mirrored, Close at the left.
    if (isRightToLeft()) {
        close.moveLeft(clientW - close.right() - 1);
        print.moveLeft(clientW - print.right() - 1);
    }
    closeButton_->setGeometry(close);
    printButton_->setGeometry(print);
    placeFollowNote();
}

void ResultsWindow::setFollowedFolder(const QString &folder)
{
    if (trendWindow_ && !folder.isEmpty() && folder != followedFolder_)
        trendWindow_->clear();
    followedFolder_ = folder;
    followProblem_.clear();
    setWindowTitle(captionFor(files_, followedFolder_));
    updateActions();
    if (folder.isEmpty()) {
        delete followNote_;
        followNote_ = nullptr;
        return;
    }
    if (!followNote_) {
        followNote_ = new QLabel(this);
        followNote_->setObjectName(QStringLiteral("followNote"));
    }
    placeFollowNote();
    followNote_->show();
}

void ResultsWindow::placeFollowNote()
{
    if (!followNote_)
        return;
    // Beside Print in the button row, on the side away from Close, as wide as the row leaves
    // it; a long path loses its middle, so the folder's own name stays readable.
    const QRect print = printButton_->geometry();
    const int gap = std::max(4, width() / 100);
    const int room = isRightToLeft() ? width() - (print.right() + 1 + gap) : print.left() - gap;
    const int noteWidth = std::max(0, std::min(room, width() * 2 / 5));
    const int left = isRightToLeft() ? print.right() + 1 + gap : print.left() - gap - noteWidth;
    const QString text = followProblem_.isEmpty() ? tr("Following: %1").arg(QDir::toNativeSeparators(followedFolder_))
                                                  : followProblem_;
    followNote_->setText(followNote_->fontMetrics().elidedText(text, Qt::ElideMiddle, noteWidth));
    followNote_->setToolTip(followProblem_.isEmpty() ? QDir::toNativeSeparators(followedFolder_) : followProblemDetails_);
    followNote_->setGeometry(left, print.top(), noteWidth, print.height());
    followNote_->setAlignment((isRightToLeft() ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignAbsolute | Qt::AlignVCenter);
}

void ResultsWindow::showFollowProblem(const QString &note, const QString &details)
{
    followProblem_ = note;
    followProblemDetails_ = details;
    placeFollowNote();
}

void ResultsWindow::pinWindow()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    // The work area: the whole screen unless a panel or task bar takes part of it.
    const QRect available = screen->availableGeometry();
    const int captionHeight = client.top() - frame.top();
    const int borderHeight = frame.bottom() - client.bottom();
    const int fullClientHeight = available.height() - captionHeight;
    const int width = available.width();
    const int height = fullClientHeight + (frame.height() - client.height()) - borderHeight;
    pinning_ = true;
    move(available.topLeft());
    resize(width - (frame.width() - client.width()), height - (frame.height() - client.height()));
    pinning_ = false;
    // A window manager answers our move with one of its own; that answer must not pin again,
    // or a manager that nudges the window would keep both moving.
    awaitingPlacement_ = frameGeometry().topLeft() != available.topLeft();
    update();
}

void ResultsWindow::moveEvent(QMoveEvent *event)
{
    // The frame around the client area may be known only now; the buttons depend on it.
    placeButtons();
    QDialog::moveEvent(event);
    if (pinning_ || isMaximized() || isFullScreen())
        return;
    // A window meant to be maximised is put back by its state, not by geometry the window
    // manager would take for a normal window's.
    if (wantedState_ != Qt::WindowNoState) {
        if (!(windowState() & Qt::WindowMinimized))
            restoreWantedState();
        return;
    }
    if (awaitingPlacement_) {
        awaitingPlacement_ = false;
        return;
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && frameGeometry().topLeft() != screen->availableGeometry().topLeft())
        pinWindow();
}
