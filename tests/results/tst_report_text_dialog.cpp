// The report-text dialog, driven offscreen.

#include "lang/language.h"
#include "results/report_text_dialog.h"
#include "report/report_texts.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString zeph = QStringLiteral("ZEPH ");

} // namespace

class TestReportTextDialog : public QObject {
    Q_OBJECT

private:
    ReportTexts texts_;
    std::unique_ptr<ReportTextDialog> dialog_;

    QLineEdit *edit(int id) const
    {
        const QString name = id == ReportTextDialog::idBearingTypeEdit
            ? QStringLiteral("bearingTypeEdit")
            : QStringLiteral("remarkEdit%1").arg(id - ReportTextDialog::idRemarkEdit1 + 1);
        return dialog_->findChild<QLineEdit *>(name);
    }
    QPushButton *button(int id) const
    {
        return dialog_->findChild<QPushButton *>(id == ReportTextDialog::idCancel ? QStringLiteral("cancelButton")
                                                                                  : QStringLiteral("okButton"));
    }
    QStringList fields() const
    {
        return {texts_.bearingType, texts_.remarkLines[0], texts_.remarkLines[1], texts_.remarkLines[2]};
    }
    void open()
    {
        dialog_ = std::make_unique<ReportTextDialog>(texts_);
        dialog_->show();
        dialog_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }
    void typeIntoEverything()
    {
        QTest::keyClicks(edit(1010), QStringLiteral("X1"));
        QTest::keyClicks(edit(1011), QStringLiteral("one"));
        QTest::keyClicks(edit(1012), QStringLiteral("two"));
        QTest::keyClicks(edit(1013), QStringLiteral("three"));
    }

private slots:
    void init()
    {
        setLanguage(0);
        texts_.bearingType = QStringLiteral("old");
        for (QString &line : texts_.remarkLines)
            line = QStringLiteral("old remark");
    }
    void cleanup() { dialog_.reset(); }

    void opensWithDefaultsAndCancelFocused()
    {
        open();
        QCOMPARE(edit(1010)->text(), zeph);
        for (int id : {1011, 1012, 1013})
            QCOMPARE(edit(id)->text(), QString());
        QCOMPARE(edit(1010)->maxLength(), 12);
        QCOMPARE(edit(1013)->maxLength(), 40);
        QCOMPARE(QApplication::focusWidget(), button(2));
        QVERIFY(!button(2)->isDefault());
        QVERIFY(!button(1019)->isDefault());
        // Tab order: Cancel, the four fields, then OK.
        QWidget *next = button(2)->nextInFocusChain();
        for (int id : {1010, 1011, 1012, 1013}) {
            QCOMPARE(next, edit(id));
            next = next->nextInFocusChain();
        }
        while (!qobject_cast<QPushButton *>(next))
            next = next->nextInFocusChain();
        QCOMPARE(next, button(1019));
    }

    void okHandsOverTypedTexts()
    {
        open();
        typeIntoEverything();
        QTest::mouseClick(button(1019), Qt::LeftButton);
        QCOMPARE(dialog_->result(), 1);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(fields(), (QStringList{QStringLiteral("ZEPH X1"), QStringLiteral("one"),
                                        QStringLiteral("two"), QStringLiteral("three")}));
    }

    void okUntouchedHandsOverDefaults()
    {
        open();
        QTest::mouseClick(button(1019), Qt::LeftButton);
        QCOMPARE(fields(), (QStringList{zeph, QString(), QString(), QString()}));
    }

    void everyCancelRouteHandsOverDefaults_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("Cancel button") << QStringLiteral("button");
        QTest::newRow("Escape key") << QStringLiteral("escape");
        QTest::newRow("close box") << QStringLiteral("close");
        QTest::newRow("Enter on the focused Cancel") << QStringLiteral("enter");
    }
    void everyCancelRouteHandsOverDefaults()
    {
        QFETCH(QString, route);
        open();
        typeIntoEverything();
        if (route == QLatin1String("button")) {
            QTest::mouseClick(button(2), Qt::LeftButton);
        } else if (route == QLatin1String("escape")) {
            QTest::keyClick(edit(1011), Qt::Key_Escape);
        } else if (route == QLatin1String("close")) {
            dialog_->close();
        } else {
            button(2)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), 2);
        QCOMPARE(fields(), (QStringList{zeph, QString(), QString(), QString()}));
        QCOMPARE(edit(1010)->text(), zeph);
    }

    void enterInAFieldKeepsDialogOpen_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("key");
        QTest::newRow("Return in bearing type") << 1010 << int(Qt::Key_Return);
        QTest::newRow("keypad Enter in remark 3") << 1013 << int(Qt::Key_Enter);
    }
    void enterInAFieldKeepsDialogOpen()
    {
        QFETCH(int, id);
        QFETCH(int, key);
        open();
        edit(id)->setFocus();
        QTest::keyClicks(edit(id), QStringLiteral("ab"));
        QTest::keyClick(edit(id), Qt::Key(key));
        QVERIFY(dialog_->isVisible());
        QCOMPARE(texts_.bearingType, QStringLiteral("old"));   // nothing written yet
    }

    void enterOnFocusedOkAccepts()
    {
        open();
        button(1019)->setFocus();
        QTest::keyClick(button(1019), Qt::Key_Return);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), 1);
    }

    void fieldsRefuseCharactersBeyondLimit_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("limit");
        QTest::newRow("bearing type") << 1010 << 12;
        QTest::newRow("remark line") << 1012 << 40;
    }
    void fieldsRefuseCharactersBeyondLimit()
    {
        QFETCH(int, id);
        QFETCH(int, limit);
        open();
        edit(id)->clear();
        // Narrow characters, so the width never stops the typing first.
        QTest::keyClicks(edit(id), QString(limit + 1, QLatin1Char('i')));
        QCOMPARE(edit(id)->text(), QString(limit, QLatin1Char('i')));
        QTest::mouseClick(button(1019), Qt::LeftButton);
        const QString stored = id == 1010 ? texts_.bearingType : texts_.remarkLines[1];
        QCOMPARE(stored, QString(limit, QLatin1Char('i')));
    }

    void fieldsTakeNoMoreThanTheirVisibleWidth()
    {
        open();
        QLineEdit *field = edit(1010);
        field->clear();
        QTest::keyClicks(field, QString(12, QLatin1Char('W')));
        const int typed = field->text().size();
        QVERIFY2(typed < 12, qPrintable(field->text()));
        QVERIFY(typed > 0);
        QVERIFY(field->fontMetrics().horizontalAdvance(field->text()) < field->width());
        // After a refused character, narrower ones still fit.
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QStringLiteral("i"));
        QCOMPARE(field->text().size(), typed);
    }

    void secondOpeningStartsFromDefaultsAgain()
    {
        open();
        typeIntoEverything();
        QTest::mouseClick(button(1019), Qt::LeftButton);
        open();
        QCOMPARE(edit(1010)->text(), zeph);
        QCOMPARE(edit(1011)->text(), QString());
    }

    void showsTextsOfCurrentLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");   // caption, labels 1015 and 1016, Cancel, OK
        QTest::addColumn<QStringList>("fieldNames");   // accessible names of edits 1010 to 1013
        QTest::newRow("English") << 0
            << QStringList{QStringLiteral("Enter remarks (optional):"),
                           QStringLiteral("Bearing type:"), QStringLiteral("Remarks: "),
                           QStringLiteral("Cancel"), QStringLiteral("OK")}
            << QStringList{QStringLiteral("Bearing type"), QStringLiteral("Remark line 1"),
                           QStringLiteral("Remark line 2"), QStringLiteral("Remark line 3")};
        QTest::newRow("French") << 2
            << QStringList{QStringLiteral("Entrer des commentaires (option):"),
                           QStringLiteral("Type de roulement:"), QStringLiteral("Remarques:"),
                           QStringLiteral("Annuler"), QStringLiteral("OK")}
            << QStringList{QStringLiteral("Type de roulement"), QStringLiteral("Ligne de remarque 1"),
                           QStringLiteral("Ligne de remarque 2"), QStringLiteral("Ligne de remarque 3")};
    }
    void showsTextsOfCurrentLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, fieldNames);
        setLanguage(language);
        open();
        const QStringList shown{
            dialog_->windowTitle(),
            dialog_->findChild<QLabel *>(QStringLiteral("bearingTypeLabel"))->text(),
            dialog_->findChild<QLabel *>(QStringLiteral("remarksLabel"))->text(),
            button(2)->text(), button(1019)->text()};
        QCOMPARE(shown, texts);
        QStringList names;
        for (int id = 1010; id <= 1013; ++id)
            names << QAccessible::queryAccessibleInterface(edit(id))->text(QAccessible::Name);
        QCOMPARE(names, fieldNames);
    }
};

QTEST_MAIN(TestReportTextDialog)
#include "tst_report_text_dialog.moc"
