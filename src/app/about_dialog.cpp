#include "app/about_dialog.h"

#include "app/version.h"
#include "ui/dialog_units.h"
#include "ui/text_fit.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setFont(dialogFont());
    const DialogUnits units(font());
    setWindowTitle(QString::fromUtf8("Info über VELKView"));
    setFixedSize(units.x(235), units.y(55));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    units.place(icon, 11, 17, 20, 20);
    icon->setPixmap(QIcon(QStringLiteral(":/icon132.svg")).pixmap(icon->size()));

    auto *version = new QLabel(QStringLiteral("VELKView Version ") + QString::fromLatin1(velkviewRelease), this);
    version->setTextFormat(Qt::PlainText);
    units.place(version, 40, 10, 119, 8);

    auto *notice = new QLabel(QString::fromUtf8("Betrachter für Lagermessungen"), this);
    notice->setTextFormat(Qt::PlainText);
    units.place(notice, 40, 25, 119, 8);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    units.place(ok, 178, 7, 50, 14);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    fitTextsToWidths(this);
}
