// The open commands of the main window: the open-file dialog, the recent-file buttons and the
// life of the results window.
#include "app/main_window.h"

#include "results/results_window.h"
#include "ui/file_messages.h"
#include "ui/modal_dialogs.h"
#include "ui/text_fit.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace {

// Turns a "description|pattern|...||" row into Qt filter strings. "*.*" must list every file,
// names without a dot too, as it does on Windows.
QStringList qtFilters(const QString &row)
{
    const QStringList parts = row.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty())
            break;
        const QString pattern = parts[i + 1] == QLatin1String("*.*") ? QStringLiteral("*") : parts[i + 1];
        filters.append(parts[i] + QLatin1Char('(') + pattern + QLatin1Char(')'));
    }
    return filters;
}

} // namespace

QString MainWindow::applicationName()
{
    return QStringLiteral("VELKView");
}

void MainWindow::connectSession()
{
    // The progress of a read belongs to the window in front, without bringing this one up; with
    // none shown yet (a measurement opened at start) it stands alone in the screen's middle.
    const auto front = [this]() -> QWidget * {
        if (resultsWindow_ && resultsWindow_->isVisible())
            return resultsWindow_;
        return isVisible() ? this : nullptr;
    };
    connect(&session_, &MeasurementSession::readStarted, this, [this, front](const QString &fileName) {
        dialogs_.startReadProgress(front(), fileName, [this] { session_.cancel(); });
    });
    connect(&session_, &MeasurementSession::readProgress, this, [this, front](qint64 done, qint64 total) {
        if (!dialogs_.showReadProgress(front(), QString(), done, total))
            session_.cancel();
    });
    connect(&session_, &MeasurementSession::readEnded, this, [this] {
        dialogs_.endReadProgress();
        // A read at start that was cancelled shows nothing: this window comes up then, once
        // the session has taken the read's end in.
        QMetaObject::invokeMethod(this, [this] {
            if (showWithResults_ && !session_.isBusy() && !(resultsWindow_ && resultsWindow_->isVisible())) {
                showWithResults_ = false;
                show();
            }
        }, Qt::QueuedConnection);
    });
    connect(&session_, &MeasurementSession::shownChanged, this, &MainWindow::onShownChanged);
    connect(&session_, &MeasurementSession::comparisonChanged, this, &MainWindow::onComparisonChanged);
    connect(&session_, &MeasurementSession::readFailed, this, &MainWindow::showReadFailure);
    connect(&session_, &MeasurementSession::recentFilesChanged, this, &MainWindow::refreshRecentButtons);
    connect(&session_, &MeasurementSession::followingChanged, this, &MainWindow::onFollowingChanged);
    connect(&session_, &MeasurementSession::followFailed, this, &MainWindow::onFollowFailed);
}

void MainWindow::onOpenFile(QWidget *owner)
{
    if (!owner)
        owner = this;
    const std::optional<QString> chosen = dialogs_.chooseOpenFile(owner, openFileRequest(tr("Open log files")));
    // The keyboard goes back to the window that asked, never to a window behind it.
    owner->activateWindow();
    if (chosen)
        session_.open(*chosen, OpenSource::Dialog);
}

void MainWindow::openChosenPath(const QString &path, OpenSource source)
{
    showStatus(QString());
    session_.open(path, source);
}

void MainWindow::openAtStart(const QString &path)
{
    showWithResults_ = true;
    session_.open(path, OpenSource::CommandLine);
}

OpenFileRequest MainWindow::openFileRequest(const QString &title) const
{
    return {title, qtFilters(tr("VELKORA files (*_amp.txt) |*_amp.txt|Text files (*.txt) |*.txt|All files (*.*) |*.*||")),
            session_.lastFilePath()};
}

void MainWindow::onRecentFile(int k)
{
    session_.openRecent(k);
}

void MainWindow::reloadShown()
{
    session_.readAgain();
}

QWidget *MainWindow::messageOwner()
{
    if (resultsWindow_ && resultsWindow_->isVisible())
        return resultsWindow_;
    // Started with a measurement that failed: this window comes up with the message.
    if (!isVisible()) {
        showWithResults_ = false;
        show();
    }
    return this;
}

void MainWindow::showError(QWidget *owner, const QString &caption, const QString &text, const QString &details)
{
    dialogs_.showError(owner, caption, text, details);
    owner->activateWindow();
}

void MainWindow::showReadFailure(const ReadFailure &failure)
{
    QWidget *owner = messageOwner();
    const bool cannotOpen = failure.outcome == ReadOutcome::CannotOpen;
    const QString details = fileDetails(failure.ampPath, cannotOpen ? failure.cannotOpenReason
                                                   : failure.outcome == ReadOutcome::Refused ? tr("The file contains letters (characters A to z)")
                                                                                             : tr("The file could not be read to its end"));
    // Following never stops for a message: a measurement that fails there is named in the
    // results window's note and the view stays as it was. One deleted or still being written
    // is not worth a word.
    if (failure.source == OpenSource::Followed) {
        if (!cannotOpen && resultsWindow_) {
            const QString message = tr("Invalid file format!\n\nData set could not be opened.");
            resultsWindow_->showFollowProblem(message.section(QLatin1Char('\n'), 0, 0) + QLatin1Char(' ')
                                                  + QFileInfo(failure.ampPath).fileName(),
                                              message + QLatin1Char('\n') + details);
        }
        return;
    }
    // A recent file that vanished counts as refused, as the reader would have refused it.
    if (cannotOpen && failure.source != OpenSource::Recent) {
        showError(owner, applicationName(), tr("Error while opening file!"), details);
        return;
    }
    showError(owner, tr("Error"), tr("Invalid file format!\n\nData set could not be opened."), details);
}

void MainWindow::refreshRecentButtons()
{
    const RecentFileList &recent = session_.recentFiles();
    for (int k = 0; k < recent.count(); ++k) {
        recentButtons_[k]->setEnabled(true);
        recentButtons_[k]->setText(recent.title(k));
        // Two files of one name share a button; the path tells which one it opens.
        recentButtons_[k]->setToolTip(QDir::toNativeSeparators(recent.path(k)));
    }
    nameRecentButtons();
    fitTextsToWidths(this);
}

ResultsWindow *MainWindow::ensureResultsWindow()
{
    if (resultsWindow_)
        return resultsWindow_;
    // The results window names this one as its owner to the window manager only when this
    // one has a native window, even one not shown yet.
    winId();
    resultsWindow_ = new ResultsWindow(dialogs_, this);
    connect(resultsWindow_, &ResultsWindow::closeRequested, this, &MainWindow::onResultsClosed);
    connect(resultsWindow_, &ResultsWindow::openRequested, this, [this] { onOpenFile(resultsWindow_); });
    connect(resultsWindow_, &ResultsWindow::reloadRequested, this, &MainWindow::reloadShown);
    connect(resultsWindow_, &ResultsWindow::quitRequested, this, &MainWindow::accept);
    connect(resultsWindow_, &ResultsWindow::fileDropped, this, [this](const QString &path) { openChosenPath(path); });
    connect(resultsWindow_, &ResultsWindow::followRequested, this, &MainWindow::toggleFollowing);
    connect(resultsWindow_, &ResultsWindow::compareRequested, this, &MainWindow::compareWith);
    connect(resultsWindow_, &ResultsWindow::compareFileDropped, this, &MainWindow::compareChosenPath);
    connect(resultsWindow_, &ResultsWindow::stopCompareRequested, &session_, &MeasurementSession::stopComparing);
    resultsWindow_->setFollowedFolder(session_.isFollowing() ? session_.followedFolder() : QString());
    return resultsWindow_;
}

void MainWindow::showResultsWindow()
{
    ensureResultsWindow()->showOnTop();
    languageList_->setEnabled(false);
}

void MainWindow::onShownChanged(bool bringUp)
{
    if (!session_.shown()) {
        if (!session_.isFollowing())
            closeResultsWindow();
        return;
    }
    const bool wasShown = resultsWindow_ && resultsWindow_->isVisible();
    ensureResultsWindow()->setMeasurement(session_.shown(), session_.shownFiles());
    if (bringUp || !wasShown)
        showResultsWindow();
}

void MainWindow::onComparisonChanged()
{
    if (!resultsWindow_)
        return;
    if (session_.compared())
        resultsWindow_->setComparison(session_.compared(), session_.comparedFiles());
    else
        resultsWindow_->stopComparing();
}

void MainWindow::onResultsClosed()
{
    // What the window showed goes with it, and nothing is followed or read for it; a folder
    // followed until now is not left to be guessed at.
    const QString followed = session_.isFollowing() ? session_.followedFolder() : QString();
    session_.clear();
    closeResultsWindow();
    if (!followed.isEmpty())
        showStatus(tr("Following stopped."), QDir::toNativeSeparators(followed));
}

void MainWindow::showStatus(const QString &text, const QString &details)
{
    statusLabel_->setText(text);
    statusLabel_->setToolTip(details);
    fitTextsToWidths(this);
}

void MainWindow::closeResultsWindow()
{
    if (resultsWindow_) {
        // The request may come from inside one of the window's own handlers, so the object
        // goes once that handler has returned.
        resultsWindow_->hide();
        resultsWindow_->deleteLater();
        resultsWindow_ = nullptr;
    }
    languageList_->setEnabled(true);
    // Opened at start, this window stays out of sight while the results window covers the
    // screen: mapped then, a window manager may put it on top for a moment before the results
    // window is restacked above it.
    if (std::exchange(showWithResults_, false) && !isVisible())
        show();
    if (isVisible())
        activateWindow();
}
