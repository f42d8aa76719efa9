// Following the measuring system's folder and comparing: the commands, forwarded to the session.
#include "app/main_window.h"

#include "results/results_window.h"
#include "ui/file_messages.h"
#include "ui/modal_dialogs.h"

#include <QDir>
#include <QFileInfo>

bool MainWindow::followFolder(const QString &folder, int settleMs, int partnerWaitMs)
{
    showStatus(QString());
    return session_.follow(folder, settleMs, partnerWaitMs);
}

void MainWindow::stopFollowing()
{
    session_.stopFollowing();
}

void MainWindow::toggleFollowing()
{
    if (session_.isFollowing()) {
        session_.stopFollowing();
        return;
    }
    const QString &shown = session_.shownFiles().ampFileStatus.fullName;
    const QString from = shown.isEmpty() ? session_.lastFilePath() : shown;
    followFolder(from.isEmpty() ? QDir::currentPath() : QFileInfo(from).absolutePath(),
                 session_.folderFollower().settleMs(), session_.folderFollower().partnerWaitMs());
}

void MainWindow::onFollowingChanged()
{
    const bool answered = session_.isFollowing()
        && session_.folderFollower().watching() != FolderFollower::Watching::Starting;
    if (answered) {
        // With nothing to show yet the window comes up empty and says what it waits for; with
        // the folder's newest on its way, it comes up with that.
        if (!resultsWindow_ && !session_.shown() && !session_.isBusy())
            showResultsWindow();
        if (resultsWindow_)
            resultsWindow_->setFollowedFolder(session_.followedFolder());
        return;
    }
    if (session_.isFollowing())
        return;
    if (!session_.shown())
        closeResultsWindow();
    else if (resultsWindow_)
        resultsWindow_->setFollowedFolder(QString());
}

void MainWindow::onFollowFailed(const QString &folder, const QString &reason)
{
    QWidget *owner = messageOwner();
    if (reason.isEmpty())
        showError(owner, applicationName(), tr("The followed folder is gone; following has stopped."),
                  QDir::toNativeSeparators(folder));
    else
        showError(owner, applicationName(), tr("The folder cannot be followed."), fileDetails(folder, reason));
}

void MainWindow::compareWith()
{
    if (!resultsWindow_ || !session_.shown())
        return;
    OpenFileRequest request = openFileRequest(tr("Compare with another measurement"));
    // In the shown measurement's folder, with no file chosen: comparing with itself is seldom
    // what is meant.
    request.initialPath = QFileInfo(session_.shownFiles().ampFileStatus.fullName).absolutePath() + QLatin1Char('/');
    const std::optional<QString> chosen = dialogs_.chooseOpenFile(resultsWindow_, request);
    resultsWindow_->activateWindow();
    if (chosen)
        compareChosenPath(*chosen);
}

void MainWindow::compareChosenPath(const QString &path)
{
    session_.compareWith(path);
}
