// Following the measuring system's folder: each measurement that settles there is shown as if
// it had just been opened.
#include "app/main_window.h"

#include "data/ref_path.h"
#include "lang/text_limit.h"
#include "results/results_window.h"
#include "ui/file_messages.h"
#include "ui/modal_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <utility>

bool MainWindow::followFolder(const QString &folder, int settleMs)
{
    const QFileInfo info(folder);
    if (!follower_.start(folder, settleMs)) {
        dialogs_.showError(this, applicationName(), tr("The folder cannot be followed."),
                           fileDetails(info.absoluteFilePath(), info.exists() ? QStringLiteral("Not a directory")
                                                                               : QStringLiteral("No such file or directory")));
        return false;
    }
    connect(&follower_, &FolderFollower::measurementSettled, this, &MainWindow::openFollowed, Qt::UniqueConnection);
    connect(&follower_, &FolderFollower::folderLost, this, &MainWindow::onFollowedFolderLost, Qt::UniqueConnection);
    const bool nothingShown = !resultsWindow_ || files_.ampFileStatus.fullName.isEmpty();
    showResultsWindow();
    resultsWindow_->setFollowedFolder(follower_.folder());
    // Started with nothing on screen, the station's last measurement is the one wanted.
    const QString newest = follower_.newestMeasurement();
    if (nothingShown && !newest.isEmpty())
        openFollowed(newest);
    return true;
}

void MainWindow::stopFollowing()
{
    follower_.stop();
    waitingFollowed_.clear();
    if (resultsWindow_)
        resultsWindow_->setFollowedFolder(QString());
}

void MainWindow::toggleFollowing()
{
    if (follower_.isFollowing()) {
        stopFollowing();
        return;
    }
    const QString shown = files_.ampFileStatus.fullName.isEmpty() ? lastFilePath_ : files_.ampFileStatus.fullName;
    followFolder(shown.isEmpty() ? QDir::currentPath() : QFileInfo(shown).absolutePath(), follower_.settleMs());
}

void MainWindow::openFollowed(const QString &ampPath)
{
    if (!follower_.isFollowing())
        return;
    // A measurement never changes under an open dialog (the report texts would go with another
    // file) nor during a read; the newest one waiting is taken when they are done.
    const QWidget *modal = QApplication::activeModalWidget();
    if (readLoop_ || (modal && modal != this)) {
        const bool retrying = !waitingFollowed_.isEmpty();
        waitingFollowed_ = ampPath;
        if (!retrying)
            QTimer::singleShot(100, this, [this] {
                const QString waiting = std::exchange(waitingFollowed_, QString());
                if (!waiting.isEmpty())
                    openFollowed(waiting);
            });
        return;
    }
    // The one told last is the newest: an older one still waiting is not shown after it.
    waitingFollowed_.clear();
    ampPath_ = ampPath;
    refPath_ = deriveRefPath(ampPath_);
    lastFilePath_ = leftWithoutSplitting(ampPath_, maxPathLength);
    openMeasurement(OpenKind::Followed);
}

void MainWindow::onFollowedFolderLost(const QString &folder)
{
    stopFollowing();
    dialogs_.showError(this, applicationName(), tr("The followed folder is gone; following has stopped."),
                       QDir::toNativeSeparators(folder));
}
