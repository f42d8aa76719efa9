#include "doubles/scripted_dialogs.h"

#include <QDialog>

std::optional<QString> ScriptedDialogs::chooseOpenFile(QWidget *, const OpenFileRequest &request)
{
    openFileRequests.append(request);
    if (openFileAnswers.isEmpty())
        return std::nullopt;
    return openFileAnswers.takeFirst();
}

void ScriptedDialogs::showError(QWidget *, const QString &caption, const QString &text)
{
    errors.append({caption, text});
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
