#pragma once

#include <QDialog>

// The About box. Its texts are German in every language.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
