#include "ui/modal_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

std::optional<QString> QtModalDialogs::chooseOpenFile(QWidget *owner, const OpenFileRequest &request)
{
    QFileDialog dialog(owner, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filters carry their patterns twice: shown as the descriptions say, matched as Qt needs.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty())
        dialog.selectNameFilter(request.filters.first());
    const QFileInfo initial(request.initialPath);
    dialog.setDirectory(initial.absolutePath());
    dialog.selectFile(initial.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

void QtModalDialogs::showError(QWidget *owner, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
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

std::optional<QString> QtModalDialogs::chooseSaveFile(QWidget *owner, const SaveFileRequest &request)
{
    QFileDialog dialog(owner, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    const QFileInfo initial(request.initialPath);
    dialog.setDirectory(initial.absolutePath());
    dialog.selectFile(initial.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

void QtModalDialogs::runPrintPreview(QWidget *owner, QPrinter &printer,
                                     const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, owner);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(*target); });
    dialog.exec();
}
