// Compare with…: a second measurement, read as Open reads one, drawn behind the shown one.
#include "app/main_window.h"

#include "data/ref_path.h"
#include "results/results_window.h"
#include "ui/modal_dialogs.h"

void MainWindow::connectCompareCommands()
{
    connect(resultsWindow_, &ResultsWindow::compareRequested, this, &MainWindow::compareWith);
    connect(resultsWindow_, &ResultsWindow::compareFileDropped, this, &MainWindow::compareChosenPath);
}

void MainWindow::compareWith()
{
    if (!resultsWindow_)
        return;
    const std::optional<QString> chosen =
        dialogs_.chooseOpenFile(this, openFileRequest(tr("Compare with another measurement")));
    if (chosen)
        compareChosenPath(*chosen);
}

void MainWindow::compareChosenPath(const QString &path)
{
    if (!resultsWindow_)
        return;
    if (const std::optional<QString> ampPath = openableAmplitudePath(path))
        readComparison(*ampPath);
}

void MainWindow::readComparison(const QString &ampPath)
{
    if (readLoop_ || !resultsWindow_)
        return;
    const std::optional<LoadedMeasurement> loaded =
        readInBackground(ampPath, deriveRefPath(ampPath), resultsWindow_->comparedFiles());
    // The window may have gone while the read ran; a cancelled read changes nothing.
    if (!loaded || loaded->outcome == ReadOutcome::Cancelled || !resultsWindow_)
        return;
    // Like a failed read again: the message, and everything shown stays as it was.
    if (loaded->outcome != ReadOutcome::Read) {
        showReadFailure(OpenKind::ReadAgain, ampPath, loaded->outcome, loaded->files,
                        loaded->cannotOpenReason);
        return;
    }
    resultsWindow_->setComparison(*loaded->data, loaded->files);
}
