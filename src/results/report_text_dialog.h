#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
struct ReportTexts;

// The report-text dialog: asks for the bearing type (at most 12 characters) and three remark
// lines (at most 40 each). It always opens with "ZEPH " and empty remarks, whatever was entered
// before. Closing writes the fields exactly once: the entered texts by the OK button, the
// defaults by Cancel, Escape or the close box. Enter in an edit field does not close it; Enter
// on a focused button presses that button. The result is 1 (OK) or 2 (Cancel).
class ReportTextDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids of the dialog template.
    static constexpr int idOk = 1;
    static constexpr int idCancel = 2;
    static constexpr int idBearingTypeEdit = 1010;
    static constexpr int idRemarkEdit1 = 1011;
    static constexpr int idRemarkEdit2 = 1012;
    static constexpr int idRemarkEdit3 = 1013;
    static constexpr int idBearingTypeLabel = 1015;
    static constexpr int idRemarksLabel = 1016;
    static constexpr int idOkButton = 1019;

    // The texts are written into texts; owner is the results window the dialog is modal to.
    explicit ReportTextDialog(ReportTexts &texts, QWidget *owner = nullptr);

    // Puts "ZEPH " into the bearing type and empties the three remark lines.
    void resetReportTexts();
    // Copies the four edit texts into the report texts, cut to 12 and 40 characters.
    void storeReportTexts();

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void labelControls();
    QLineEdit *createEdit(int id, int maxLength);
    void okClicked();

    ReportTexts &texts_;
    QLabel *bearingTypeLabel_ = nullptr;
    QLabel *remarksLabel_ = nullptr;
    QLineEdit *bearingTypeEdit_ = nullptr;
    QLineEdit *remarkEdits_[3] = {};
    QPushButton *cancelButton_ = nullptr;
    QPushButton *okButton_ = nullptr;
};
