#include "ui/modal_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

std::optional<QString> runFileDialog(QWidget *owner, QFileDialog::AcceptMode mode, const QString &title,
                                     const QStringList &filters, const QString &initialPath)
{
    QFileDialog dialog(owner, title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The filters carry their patterns twice: shown as the descriptions say, matched as Qt needs.
    if (mode == QFileDialog::AcceptOpen)
        dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    const QFileInfo initial(initialPath);
    dialog.setDirectory(initial.absolutePath());
    dialog.selectFile(initial.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

std::optional<QString> QtModalDialogs::chooseOpenFile(QWidget *owner, const OpenFileRequest &request)
{
    return runFileDialog(owner, QFileDialog::AcceptOpen, request.title, request.filters, request.initialPath);
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
    return runFileDialog(owner, QFileDialog::AcceptSave, request.title, request.filters, request.initialPath);
}

void QtModalDialogs::runPrintPreview(QWidget *owner, QPrinter &printer,
                                     const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, owner);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(*target); });
    dialog.exec();
}
