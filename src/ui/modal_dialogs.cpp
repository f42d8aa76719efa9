#include "ui/modal_dialogs.h"

#include "ui/file_messages.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <limits>

QtModalDialogs::QtModalDialogs() = default;

QtModalDialogs::~QtModalDialogs()
{
    // The file dialog is left alive on purpose: Qt's dialog waits for its file-information
    // thread when it is destroyed, and that thread may hang on a share that stopped answering.
    // The process ends right after this.
}


namespace {

// The suffix of a filter's first pattern ("PNG images (*.png)" gives "png"), or empty for a
// pattern without one.
QString suffixOfFilter(const QString &filter)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)[ )]"));
    return firstPattern.match(filter).captured(1);
}

// Qt's own dialog starts at its minimum size, which cuts the columns of the file list: start at
// a size that shows names, sizes and dates, within the screen the owner is on.
void giveSensibleSize(QFileDialog &dialog, QWidget *owner)
{
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QSize wanted(900, 560);
    const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : wanted;
    dialog.resize(wanted.boundedTo(room).expandedTo(dialog.minimumSizeHint()));
}

// Whether a look at path is answered within waitMs. Qt's dialog looks at its start folder on
// the calling thread, so a share that stopped answering would freeze every window; the look
// here runs in a thread of its own, which is left to end in its own time.
bool answersWithin(const QString &path, int waitMs)
{
    const auto answered = std::make_shared<std::atomic<bool>>(false);
    QThread *look = QThread::create([path, answered] {
        // Everything the dialog asks of a file, its birth time included, which some file
        // systems answer only from the server.
        const QFileInfo info(path);
        info.isFile();
        info.birthTime();
        *answered = true;
    });
    QObject::connect(look, &QThread::finished, look, &QObject::deleteLater);
    look->start();
    QElapsedTimer waited;
    waited.start();
    while (!*answered && waited.elapsed() < waitMs)
        QThread::msleep(1);
    return *answered;
}

// Says why path is refused when it is a measurement's own file; false when it is not.
bool showRefusal(QWidget *owner, const QString &path, const QStringList &measurementPaths)
{
    const QString details = refusedSaveDetails(path, measurementPaths);
    if (details.isEmpty())
        return false;
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("ModalDialogs", "Error"),
                    QCoreApplication::translate("ModalDialogs", "The file could not be saved."),
                    QMessageBox::Ok, owner);
    box.setInformativeText(details);
    box.exec();
    return true;
}

// Qt's own dialog asks before replacing a file when it is accepted. A measurement's own file,
// which would be refused however that question is answered, is refused before it, and the
// dialog stays open for another name. A native dialog has asked and closed by then.
class FileDialog : public QFileDialog {
public:
    // The measurements' files of the next save; none for an open.
    void setMeasurementPaths(const QStringList &paths) { measurementPaths_ = paths; }

    void accept() override
    {
        const bool ownWidgets = findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) != nullptr;
        const QStringList files = selectedFiles();
        if (ownWidgets && acceptMode() == AcceptSave && !files.isEmpty()
            && showRefusal(this, files.first(), measurementPaths_))
            return;
        QFileDialog::accept();
    }

private:
    QStringList measurementPaths_;
};

std::optional<QString> runFileDialog(QFileDialog &qtDialog, QWidget *owner, QFileDialog::AcceptMode mode,
                                     const QString &title, const QStringList &filters, const QString &initialPath,
                                     const QStringList &measurementPaths = {})
{
    auto &dialog = static_cast<FileDialog &>(qtDialog);   // the one fileDialog() makes
    // Over its owner while it runs, on its own afterwards: the owner may go before the dialog.
    dialog.setParent(owner, dialog.windowFlags());
    dialog.setWindowTitle(title);
    dialog.setMeasurementPaths(measurementPaths);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filters carry their patterns twice: shown as the descriptions say, matched as Qt needs.
    dialog.setOption(QFileDialog::HideNameFilterDetails, mode == QFileDialog::AcceptOpen);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    QMetaObject::Connection suffixes;
    dialog.setDefaultSuffix(QString());
    if (mode == QFileDialog::AcceptSave) {
        // The filter chosen decides the suffix of a name typed without one.
        dialog.setDefaultSuffix(suffixOfFilter(dialog.selectedNameFilter()));
        suffixes = QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                                    [&dialog](const QString &filter) { dialog.setDefaultSuffix(suffixOfFilter(filter)); });
    }
    giveSensibleSize(dialog, owner);
    const QFileInfo initial(initialPath);
    constexpr int lookMs = 300;
    if (answersWithin(initial.absolutePath(), lookMs)) {
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    } else {
        dialog.setDirectory(QDir::homePath());
    }
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    QObject::disconnect(suffixes);
    dialog.setParent(nullptr, dialog.windowFlags());
    if (!accepted)
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

QFileDialog &QtModalDialogs::fileDialog()
{
    if (!fileDialog_)
        fileDialog_ = new FileDialog;
    return *fileDialog_;
}

std::optional<QString> QtModalDialogs::chooseOpenFile(QWidget *owner, const OpenFileRequest &request)
{
    return runFileDialog(fileDialog(), owner, QFileDialog::AcceptOpen, request.title, request.filters, request.initialPath);
}

void QtModalDialogs::showError(QWidget *owner, const QString &caption, const QString &text,
                               const QString &details)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
    box.setInformativeText(details);
    box.exec();
}

bool QtModalDialogs::runPrintDialog(QWidget *owner, QPrinter &printer)
{
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

int QtModalDialogs::runDialog(QDialog &dialog)
{
    return dialog.exec();
}

void QtModalDialogs::startReadProgress(QWidget *owner, const QString &fileName,
                                       const std::function<void()> &cancel)
{
    endReadProgress();
    // A quick read shows nothing and builds nothing; a slow or stalled one gets the dialog
    // after a moment, whether or not progress has come.
    constexpr int showAfterMs = 300;
    showTimer_ = std::make_unique<QTimer>();
    showTimer_->setSingleShot(true);
    QObject::connect(showTimer_.get(), &QTimer::timeout, showTimer_.get(), [this, owner, fileName, cancel] {
        progress_ = std::make_unique<QProgressDialog>(owner);
        progress_->setWindowModality(Qt::ApplicationModal);
        // Shown here, not by the dialog's own timing, which waits for progress to come.
        progress_->setMinimumDuration(std::numeric_limits<int>::max());
        progress_->setAutoReset(false);
        progress_->setAutoClose(false);
        progress_->setCancelButtonText(QCoreApplication::translate("ModalDialogs", "Cancel"));
        progress_->setWindowTitle(QStringLiteral("VELKView"));
        progress_->setLabelText(fileName);
        showReadProgress(owner, fileName, progressDone_, progressTotal_);
        QObject::connect(progress_.get(), &QProgressDialog::canceled, progress_.get(), cancel);
        progress_->show();
    });
    showTimer_->start(showAfterMs);
}

bool QtModalDialogs::showReadProgress(QWidget *, const QString &, qint64 done, qint64 total)
{
    progressDone_ = done;
    progressTotal_ = total;
    if (!progress_)
        return true;
    if (total <= 0) {
        progress_->setRange(0, 0);   // a busy indicator
    } else {
        progress_->setRange(0, 1000);
        progress_->setValue(int(std::min<qint64>(done, total) * 1000 / total));
    }
    return !progress_->wasCanceled();
}

void QtModalDialogs::endReadProgress()
{
    showTimer_.reset();
    progress_.reset();
    progressDone_ = 0;
    progressTotal_ = -1;
}

std::optional<QString> QtModalDialogs::chooseSaveFile(QWidget *owner, const SaveFileRequest &request)
{
    QString initialPath = request.initialPath;
    for (;;) {
        const std::optional<QString> chosen = runFileDialog(fileDialog(), owner, QFileDialog::AcceptSave, request.title,
                                                            request.filters, initialPath, request.measurementPaths);
        // Only a native dialog gets here with a refused file: said, and asked again.
        if (!chosen || !showRefusal(owner, *chosen, request.measurementPaths))
            return chosen;
        initialPath = *chosen;
    }
}

void QtModalDialogs::runPrintPreview(QWidget *owner, QPrinter &printer,
                                     const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, owner);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(*target); });
    dialog.exec();
}
