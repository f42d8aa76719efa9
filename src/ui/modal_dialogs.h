#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QFileDialog;
class QPrinter;
class QProgressDialog;
class QTimer;
class QWidget;

// What the open-file dialog is asked to show.
struct OpenFileRequest {
    QString title;
    QStringList filters;     // Qt filter strings, "Description (pattern ...)", in order
    QString initialPath;     // starting directory and file name
};

// What the save-file dialog is asked to show.
struct SaveFileRequest {
    QString title;
    QStringList filters;     // Qt filter strings, the first selected
    QString initialPath;     // proposed directory and file name
    // Measurements (amplitude paths) whose files, each with its reference partner, may not be
    // chosen: the dialog refuses them before it asks to replace a file, and stays open.
    QStringList measurementPaths = {};
};

// Every modal dialog the program runs goes through here, so tests can answer them without a
// display. The real implementation shows Qt's dialogs.
class ModalDialogs {
public:
    virtual ~ModalDialogs() = default;

    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseOpenFile(QWidget *owner, const OpenFileRequest &request) = 0;
    // An error message box with an OK button; details, when given, is its informative text
    // (which file, and why).
    virtual void showError(QWidget *owner, const QString &caption, const QString &text,
                           const QString &details = QString()) = 0;
    // The print dialog for this printer; true when the user confirmed.
    virtual bool runPrintDialog(QWidget *owner, QPrinter &printer) = 0;
    // Runs one of the program's own dialogs modally and returns its result.
    virtual int runDialog(QDialog &dialog) = 0;
    // A read of fileName has begun. One that takes longer than a moment shows a modal progress
    // display with a Cancel button, even while no progress comes (a stalled file system);
    // Cancel calls cancel at once.
    virtual void startReadProgress(QWidget *owner, const QString &fileName,
                                   const std::function<void()> &cancel) = 0;
    // Tells how far reading fileName has come (done of total bytes; total < 0 when unknown).
    // Returns false once the user has cancelled.
    virtual bool showReadProgress(QWidget *owner, const QString &fileName, qint64 done,
                                  qint64 total) = 0;
    // Removes the progress display of the read that has ended, if one was shown.
    virtual void endReadProgress() = 0;
    // The chosen path, or nothing when the user cancelled. Asks before replacing a file, after
    // refusing the measurement's own (refusedSaveDetails). A name typed without a suffix gets
    // the one of the filter chosen.
    virtual std::optional<QString> chooseSaveFile(QWidget *owner, const SaveFileRequest &request) = 0;
    // A print preview of printer's pages; paint draws them onto the printer it is given.
    virtual void runPrintPreview(QWidget *owner, QPrinter &printer, const std::function<void(QPrinter &)> &paint) = 0;
};

// Qt's own dialogs.
class QtModalDialogs : public ModalDialogs {
public:
    QtModalDialogs();
    ~QtModalDialogs() override;

    std::optional<QString> chooseOpenFile(QWidget *owner, const OpenFileRequest &request) override;
    void showError(QWidget *owner, const QString &caption, const QString &text,
                   const QString &details = QString()) override;
    bool runPrintDialog(QWidget *owner, QPrinter &printer) override;
    int runDialog(QDialog &dialog) override;
    std::optional<QString> chooseSaveFile(QWidget *owner, const SaveFileRequest &request) override;
    void runPrintPreview(QWidget *owner, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
    void startReadProgress(QWidget *owner, const QString &fileName, const std::function<void()> &cancel) override;
    bool showReadProgress(QWidget *owner, const QString &fileName, qint64 done, qint64 total) override;
    void endReadProgress() override;

private:
    // One file dialog for the program's life, never destroyed (see the destructor).
    QFileDialog &fileDialog();
    QFileDialog *fileDialog_ = nullptr;
    std::unique_ptr<QProgressDialog> progress_;
    std::unique_ptr<QTimer> showTimer_;   // brings the display up after a moment
    qint64 progressDone_ = 0;             // the last progress, for a display made later
    qint64 progressTotal_ = -1;
};
