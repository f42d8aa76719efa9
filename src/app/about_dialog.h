#pragma once

#include <QDialog>

// The About box. Its texts are German in every language.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
};
