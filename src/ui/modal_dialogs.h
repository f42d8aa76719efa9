#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QPrinter;
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
};

// Every modal dialog the program runs goes through here, so tests can answer them without a
// display. The real implementation shows Qt's dialogs.
class ModalDialogs {
public:
    virtual ~ModalDialogs() = default;

    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseOpenFile(QWidget *owner, const OpenFileRequest &request) = 0;
    // An error message box with an OK button.
    virtual void showError(QWidget *owner, const QString &caption, const QString &text) = 0;
    // The print dialog for this printer; true when the user confirmed.
    virtual bool runPrintDialog(QWidget *owner, QPrinter &printer) = 0;
    // Runs one of the program's own dialogs modally and returns its result.
    virtual int runDialog(QDialog &dialog) = 0;
    // The chosen path, or nothing when the user cancelled. Asks before replacing a file.
    virtual std::optional<QString> chooseSaveFile(QWidget *owner, const SaveFileRequest &request) = 0;
    // A print preview of printer's pages; paint draws them onto the printer it is given.
    virtual void runPrintPreview(QWidget *owner, QPrinter &printer, const std::function<void(QPrinter &)> &paint) = 0;
};

// Qt's own dialogs.
class QtModalDialogs : public ModalDialogs {
public:
    std::optional<QString> chooseOpenFile(QWidget *owner, const OpenFileRequest &request) override;
    void showError(QWidget *owner, const QString &caption, const QString &text) override;
    bool runPrintDialog(QWidget *owner, QPrinter &printer) override;
    int runDialog(QDialog &dialog) override;
    std::optional<QString> chooseSaveFile(QWidget *owner, const SaveFileRequest &request) override;
    void runPrintPreview(QWidget *owner, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
};
