// The open commands of the main window: the open-file dialog, the recent-file buttons and the
// life of the results window.
#include "app/main_window.h"

#include "data/measurement_reader.h"
#include "data/ref_path.h"
#include "data/regular_file.h"
#include "lang/text_limit.h"
#include "results/results_window.h"
#include "ui/file_messages.h"
#include "ui/modal_dialogs.h"
#include "ui/paint_hold.h"
#include "ui/text_fit.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include <memory>

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
    return QStringLiteral("velkview");
}

void MainWindow::onOpenFile()
{
    if (chooseFile())
        openMeasurement();
}

void MainWindow::openChosenPath(const QString &path)
{
    if (tryOpenChosen(path))
        openMeasurement();
}

OpenFileRequest MainWindow::openFileRequest(const QString &title) const
{
    return {title, qtFilters(tr("VELKORA files (*_amp.txt) |*_amp.txt|Text files (*.txt) |*.txt|All files (*.*) |*.*||")),
            lastFilePath_};
}

bool MainWindow::chooseFile()
{
    const std::optional<QString> chosen = dialogs_.chooseOpenFile(this, openFileRequest(tr("Open log files")));
    if (!chosen)
        return false;
    return tryOpenChosen(*chosen);
}

std::optional<QString> MainWindow::openableAmplitudePath(const QString &path)
{
    QString ampPath = QFileInfo(path).absoluteFilePath();
    if (!ampPath.contains(QLatin1Char('.')))
        ampPath += QStringLiteral(".txt");
    // Only a regular file can be read; a FIFO must not block the window.
    QFile file;
    const QString reason = openRegularFile(ampPath, file);
    if (!reason.isEmpty()) {
        dialogs_.showError(this, applicationName(), tr("Error while opening file!"),
                           fileDetails(ampPath, reason));
        return std::nullopt;
    }
    return ampPath;
}

bool MainWindow::tryOpenChosen(const QString &path)
{
    const std::optional<QString> ampPath = openableAmplitudePath(path);
    if (!ampPath)
        return false;
    ampPath_ = *ampPath;
    refPath_ = deriveRefPath(ampPath_);
    lastFilePath_ = leftWithoutSplitting(ampPath_, maxPathLength);
    return true;
}

void MainWindow::onRecentFile(int k)
{
    if (k < 0 || k >= recent_.count())
        return;
    ampPath_ = recent_.path(k);
    refPath_ = deriveRefPath(ampPath_);
    openMeasurement();
}

void MainWindow::reloadShown()
{
    if (!resultsWindow_ || files_.ampFileStatus.fullName.isEmpty())
        return;
    ampPath_ = files_.ampFileStatus.fullName;
    refPath_ = deriveRefPath(ampPath_);
    openMeasurement(OpenKind::ReadAgain);
    if (resultsWindow_ && resultsWindow_->isComparing())
        readComparison(resultsWindow_->comparedFiles().ampFileStatus.fullName);
}

void MainWindow::openMeasurement(OpenKind kind)
{
    // One read at a time: a command given while one runs waits for none.
    if (readLoop_)
        return;
    const bool wasShown = resultsWindow_ != nullptr;
    // Reading again keeps the window as it is; any other open brings it up, while the worker
    // already reads: a small file is then there before the window's first paint, which shows
    // the measurement rather than empty charts.
    const bool bringUp = kind == OpenKind::New || !resultsWindow_;
    const std::optional<LoadedMeasurement> loaded = readInBackground(ampPath_, refPath_, files_, [this, bringUp] {
        if (bringUp)
            showResultsWindow();
    });
    // Cancelling means the file was not opened; the user chose it, so no message, and whatever
    // was shown before stays shown.
    if (!loaded || loaded->outcome == ReadOutcome::Cancelled || !resultsWindow_) {
        if (!wasShown)
            closeResultsWindow();
        return;
    }
    if (loaded->outcome != ReadOutcome::Read) {
        showReadFailure(kind, ampPath_, loaded->outcome, loaded->files, loaded->cannotOpenReason);
        return;
    }
    files_ = loaded->files;
    resultsWindow_->setMeasurement(*loaded->data, files_);
    addRecentFile(files_.ampFileTitle, files_.ampFileStatus.fullName);
}

std::optional<LoadedMeasurement> MainWindow::readInBackground(const QString &ampPath, const QString &refPath,
                                                              const MeasurementFiles &startFiles,
                                                              const std::function<void()> &whileReading)
{
    // The read runs in a worker thread while this loop keeps the windows painting and Cancel
    // acting at once, even on a file system that has stopped answering. The results window
    // keeps what it showed and only ever gets a complete, accepted read.
    std::optional<LoadedMeasurement> loaded;
    QEventLoop loop;
    readLoop_ = &loop;
    const QString fileName = QFileInfo(ampPath).fileName();
    const auto stop = [this, &loop] {
        loader_.cancel();
        loop.quit();
    };
    const QMetaObject::Connection progress = connect(
        &loader_, &MeasurementLoader::progress, this, [this, &fileName, stop](qint64 done, qint64 total) {
            if (!dialogs_.showReadProgress(this, fileName, done, total))
                stop();
        });
    const QMetaObject::Connection finished =
        connect(&loader_, &MeasurementLoader::finished, this, [&loaded, &loop](const LoadedMeasurement &result) {
            loaded = result;
            loop.quit();
        });
    dialogs_.startReadProgress(this, fileName, stop);
    loader_.start(ampPath, refPath, startFiles);
    if (whileReading)
        whileReading();
    loop.exec();
    disconnect(progress);
    disconnect(finished);
    dialogs_.endReadProgress();
    readLoop_ = nullptr;
    return loaded;
}

void MainWindow::cancelRead()
{
    loader_.cancel();
    if (readLoop_)
        readLoop_->quit();
}

void MainWindow::showReadFailure(OpenKind kind, const QString &ampPath, ReadOutcome outcome,
                                 const MeasurementFiles &readFiles, const QString &cannotOpenReason)
{
    const QString details = fileDetails(ampPath, outcome == ReadOutcome::CannotOpen ? cannotOpenReason
                                                   : outcome == ReadOutcome::Refused ? tr("The file contains letters (characters A to z)")
                                                                                      : tr("The file could not be read to its end"));
    // A followed measurement that is still being written is tried again once it settles, and
    // one that a newer measurement replaces anyway needs no message.
    if (kind == OpenKind::Followed && (!waitingFollowed_.isEmpty() || follower_.changedSinceSettled(ampPath)))
        return;
    // A failed read again leaves the measurement on screen, and its records with it.
    if (kind != OpenKind::New) {
        const bool cannotOpen = outcome == ReadOutcome::CannotOpen;
        dialogs_.showError(this, cannotOpen ? applicationName() : tr("Error"),
                           cannotOpen ? tr("Error while opening file!") : tr("Invalid file format!\n\nData set could not be opened."),
                           details);
        return;
    }
    files_ = readFiles;
    closeResultsWindow();
    dialogs_.showError(this, tr("Error"), tr("Invalid file format!\n\nData set could not be opened."), details);
}

void MainWindow::addRecentFile(const QString &title, const QString &path)
{
    if (recent_.add(title, path))
        refreshRecentButtons();
}

void MainWindow::refreshRecentButtons()
{
    for (int k = 0; k < recent_.count(); ++k) {
        recentButtons_[k]->setEnabled(true);
        recentButtons_[k]->setText(recent_.title(k));
        // Two files of one name share a button; the path tells which one it opens.
        recentButtons_[k]->setToolTip(QDir::toNativeSeparators(recent_.path(k)));
    }
    nameRecentButtons();
    fitTextsToWidths(this);
}

void MainWindow::holdPaintingForResults(int limitMs)
{
    paintHold_ = std::make_unique<PaintHold>(this, limitMs);
}

void MainWindow::showResultsWindow()
{
    if (!resultsWindow_) {
        resultsWindow_ = new ResultsWindow(dialogs_, this);
        connect(resultsWindow_, &ResultsWindow::closeRequested, this, &MainWindow::closeResultsWindow);
        connect(resultsWindow_, &ResultsWindow::openRequested, this, &MainWindow::onOpenFile);
        connect(resultsWindow_, &ResultsWindow::reloadRequested, this, &MainWindow::reloadShown);
        connect(resultsWindow_, &ResultsWindow::quitRequested, this, &MainWindow::accept);
        connect(resultsWindow_, &ResultsWindow::fileDropped, this, &MainWindow::openChosenPath);
        connect(resultsWindow_, &ResultsWindow::followRequested, this, &MainWindow::toggleFollowing);
        connectCompareCommands();
    }
    if (paintHold_)
        paintHold_->releaseAfterPaintOf(resultsWindow_);
    resultsWindow_->showOnTop();
    languageList_->setEnabled(false);
}

void MainWindow::closeResultsWindow()
{
    // A read for a window that is gone is not waited for, and nothing is followed for it.
    cancelRead();
    stopFollowing();
    if (resultsWindow_) {
        // The request may come from inside one of the window's own handlers, so the object
        // goes once that handler has returned.
        resultsWindow_->hide();
        resultsWindow_->deleteLater();
        resultsWindow_ = nullptr;
    }
    languageList_->setEnabled(true);
    paintHold_.reset();
}
