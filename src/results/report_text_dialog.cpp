#include "results/report_text_dialog.h"

#include "report/report_texts.h"
#include "ui/dialog_units.h"
#include "ui/text_fit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace {

// Refuses any edit whose text would not fit the field's visible width, so a field never
// scrolls and the printed line shows what the user saw.
class VisibleWidthValidator : public QValidator {
public:
    explicit VisibleWidthValidator(QLineEdit *edit) : QValidator(edit), edit_(edit) {}

    State validate(QString &input, int &) const override
    {
        return edit_->fontMetrics().horizontalAdvance(input) <= visibleWidth() ? Acceptable
                                                                               : Invalid;
    }

private:
    int visibleWidth() const
    {
        QStyleOptionFrame option;
        option.initFrom(edit_);
        option.lineWidth = edit_->hasFrame()
            ? edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit_)
            : 0;
        const QRect contents =
            edit_->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit_);
        const QMargins margins = edit_->textMargins();
        // The line edit keeps two pixels free at either side of its text.
        constexpr int lineEditHorizontalMargin = 2;
        return contents.width() - margins.left() - margins.right() - 2 * lineEditHorizontalMargin;
    }

    QLineEdit *edit_;
};

// A label as a field's accessible name: without the colon that ends it on screen.
QString fieldName(QString label)
{
    QString text = label.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

} // namespace

ReportTextDialog::ReportTextDialog(ReportTexts &texts, QWidget *owner)
    : QDialog(owner), texts_(texts)
{
    setFont(dialogFont());
    createControls();
    labelControls();
    resetReportTexts();
    cancelButton_->setFocus();
}

void ReportTextDialog::createControls()
{
    const DialogUnits units(font());
    setFixedSize(units.x(184), units.y(112));

    // Creation order is the tab order: Cancel first, so it has the focus at opening.
    cancelButton_ = new QPushButton(this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    units.place(cancelButton_, 120, 30, 50, 14);

    bearingTypeEdit_ = createEdit(idBearingTypeEdit, bearingTypeLimit);
    units.place(bearingTypeEdit_, 15, 20, 70, 15);
    for (int line = 0; line < 3; ++line) {
        remarkEdits_[line] = createEdit(idRemarkEdit1 + line, remarkLineLimit);
        units.place(remarkEdits_[line], 15, 55 + 15 * line, 155, 15);
    }

    bearingTypeLabel_ = new QLabel(this);
    bearingTypeLabel_->setObjectName(QStringLiteral("bearingTypeLabel"));
    units.place(bearingTypeLabel_, 15, 5, 90, 15);
    remarksLabel_ = new QLabel(this);
    remarksLabel_->setObjectName(QStringLiteral("remarksLabel"));
    units.place(remarksLabel_, 15, 40, 90, 15);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    units.place(okButton_, 120, 10, 50, 15);

    // Neither button is the default: Enter presses only a button that has the focus.
    cancelButton_->setAutoDefault(false);
    okButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &ReportTextDialog::reject);
    connect(okButton_, &QPushButton::clicked, this, &ReportTextDialog::okClicked);
}

QLineEdit *ReportTextDialog::createEdit(int id, int maxLength)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(id == idBearingTypeEdit ? QStringLiteral("bearingTypeEdit")
                                               : QStringLiteral("remarkEdit%1").arg(id - idRemarkEdit1 + 1));
    edit->setMaxLength(maxLength);
    edit->setValidator(new VisibleWidthValidator(edit));
    return edit;
}

void ReportTextDialog::labelControls()
{
    setWindowTitle(tr("Enter remarks (optional):"));
    for (QLabel *label : {bearingTypeLabel_, remarksLabel_})
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    bearingTypeLabel_->setText(tr("Bearing type:"));
    remarksLabel_->setText(tr("Remarks: "));
    cancelButton_->setText(tr("Cancel"));
    bearingTypeEdit_->setAccessibleName(fieldName(tr("Bearing type:")));
    for (int line = 0; line < 3; ++line)
        remarkEdits_[line]->setAccessibleName(tr("Remark line %1").arg(line + 1));
    fitTextsToWidths(this);
}

void ReportTextDialog::resetReportTexts()
{
    bearingTypeEdit_->setText(defaultBearingType());
    for (QLineEdit *edit : remarkEdits_)
        edit->setText(QString());
}

void ReportTextDialog::storeReportTexts()
{
    ReportTexts entered;
    entered.bearingType = bearingTypeEdit_->text();
    for (int line = 0; line < 3; ++line)
        entered.remarkLines[line] = remarkEdits_[line]->text();
    texts_ = entered.cut();
}

void ReportTextDialog::okClicked()
{
    storeReportTexts();
    done(idOk);
}

void ReportTextDialog::reject()
{
    // Whatever was typed is thrown away: a cancelled dialog hands over the defaults.
    resetReportTexts();
    storeReportTexts();
    done(idCancel);
}

void ReportTextDialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Enter in an edit field must not close the dialog; on a focused button it presses it.
    if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
        button->click();
    event->accept();
}
