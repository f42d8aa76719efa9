#include "doubles/scripted_dialogs.h"

#include <QDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>

std::optional<QString> ScriptedDialogs::chooseOpenFile(QWidget *, const OpenFileRequest &request)
{
    openFileRequests.append(request);
    if (openFileAnswers.isEmpty())
        return std::nullopt;
    return openFileAnswers.takeFirst();
}

void ScriptedDialogs::showError(QWidget *, const QString &caption, const QString &text,
                                const QString &details)
{
    errors.append({caption, text, details});
}

bool ScriptedDialogs::runPrintDialog(QWidget *, QPrinter &printer)
{
    ++printDialogCount;
    return printAnswer(printer);
}

int ScriptedDialogs::runDialog(QDialog &dialog)
{
    ++dialogCount;
    if (dialogAnswer)
        return dialogAnswer(dialog);
    dialog.reject();
    return QDialog::Rejected;
}

void ScriptedDialogs::startReadProgress(QWidget *, const QString &, const std::function<void()> &cancel)
{
    cancelRead = cancel;
}

bool ScriptedDialogs::showReadProgress(QWidget *, const QString &, qint64, qint64)
{
    ++progressReports;
    return cancelProgressAfter < 0 || progressReports <= cancelProgressAfter;
}

void ScriptedDialogs::endReadProgress()
{
    ++progressEnds;
    cancelRead = nullptr;
}

std::optional<QString> ScriptedDialogs::chooseSaveFile(QWidget *, const SaveFileRequest &request)
{
    saveFileRequests.append(request);
    if (saveFileAnswers.isEmpty())
        return std::nullopt;
    return saveFileAnswers.takeFirst();
}

void ScriptedDialogs::runPrintPreview(QWidget *, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    ++previewCount;
    if (previewPath.isEmpty())
        return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(previewPath);
    paint(printer);
}

std::function<int(QDialog &)> answerTextDialog(QStringList typed, bool ok)
{
    return [typed, ok](QDialog &dialog) {
        dialog.show();
        const char *edits[] = {"bearingTypeEdit", "remarkEdit1", "remarkEdit2", "remarkEdit3"};
        for (int i = 0; i < typed.size(); ++i)
            QTest::keyClicks(dialog.findChild<QLineEdit *>(QLatin1String(edits[i])), typed[i]);
        const char *button = ok ? "okButton" : "cancelButton";
        QTest::mouseClick(dialog.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
        return dialog.result();
    };
}

std::function<bool(QPrinter &)> printToPdf(const QString &path)
{
    return [path](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
}

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}
