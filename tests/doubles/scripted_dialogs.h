#pragma once

#include "ui/modal_dialogs.h"

#include <QList>
#include <QStandardPaths>
#include <QStringList>

#include <functional>

// A ModalDialogs that answers from a script and records what was asked, so window tests run
// without a display and without blocking.
class ScriptedDialogs : public ModalDialogs {
public:
    struct Error {
        QString caption;
        QString text;
        QString details;
    };

    // Answers of the open-file dialog, used in order; nothing left means cancel.
    QList<std::optional<QString>> openFileAnswers;
    // Answer of the print dialog; printer set-up may be adjusted before answering.
    std::function<bool(QPrinter &)> printAnswer = [](QPrinter &) { return false; };
    // Runs the program's own dialogs; by default rejects them.
    std::function<int(QDialog &)> dialogAnswer;

    // Answers of the save-file dialog, used in order; nothing left means cancel.
    QList<std::optional<QString>> saveFileAnswers;
    // Stands in for the preview window: by default paints the pages into a PDF at previewPath.
    QString previewPath;

    QList<OpenFileRequest> openFileRequests;
    QList<SaveFileRequest> saveFileRequests;
    int previewCount = 0;
    QList<Error> errors;
    int printDialogCount = 0;
    int dialogCount = 0;
    // Read progress: reports seen, and after how many of them the user cancels (never: -1).
    int progressReports = 0;
    int progressEnds = 0;
    int cancelProgressAfter = -1;
    // The Cancel of the read begun last, as the progress display's button would call it.
    std::function<void()> cancelRead;

    std::optional<QString> chooseOpenFile(QWidget *owner, const OpenFileRequest &request) override;
    void showError(QWidget *owner, const QString &caption, const QString &text,
                   const QString &details = QString()) override;
    bool runPrintDialog(QWidget *owner, QPrinter &printer) override;
    int runDialog(QDialog &dialog) override;
    void startReadProgress(QWidget *owner, const QString &fileName, const std::function<void()> &cancel) override;
    bool showReadProgress(QWidget *owner, const QString &fileName, qint64 done, qint64 total) override;
    void endReadProgress() override;
    std::optional<QString> chooseSaveFile(QWidget *owner, const SaveFileRequest &request) override;
    void runPrintPreview(QWidget *owner, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
};

// Drives the report-text dialog: types the texts given into its fields, in order, and closes
// with OK or Cancel.
std::function<int(QDialog &)> answerTextDialog(QStringList typed, bool ok);
// A print-dialog answer that confirms, printing to a PDF file at path.
std::function<bool(QPrinter &)> printToPdf(const QString &path);
// The text of a PDF as pdftotext reads it; empty when that fails.
QString pdfText(const QString &path);

// Skips the rest of a test that reads a PDF back where Poppler's tools are missing (a Windows
// test run; the Windows program's PDFs are read back by scripts/check-windows.sh instead).
#define SKIP_WITHOUT_PDF_READER() \
    do { \
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) \
            QSKIP("reading a PDF back needs Poppler's pdftotext"); \
    } while (false)
