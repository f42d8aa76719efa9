#include "doubles/test_files.h"
#include "ui/modal_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

class TestModalDialogs : public QObject {
    Q_OBJECT

private slots:
    void saveDialogSuffixFollowsTheFilter_data();
    void saveDialogSuffixFollowsTheFilter();
    void saveDialogRefusesTheMeasurementBeforeAskingToReplace();
    void stalledReadShowsProgressAndCancels();
};

void TestModalDialogs::saveDialogSuffixFollowsTheFilter_data()
{
    QTest::addColumn<int>("filter");      // the filter the user picks
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("PNG, no suffix") << 0 << "c" << "c.png";
    QTest::newRow("SVG, no suffix") << 1 << "c" << "c.svg";
    QTest::newRow("SVG, own suffix kept") << 1 << "c.png" << "c.png";
}

// Qt's own dialog, driven as a user would: pick the filter, type a name, press Enter.
void TestModalDialogs::saveDialogSuffixFollowsTheFilter()
{
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QTemporaryDir dir;
    QSize shownSize;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shownSize = dialog->size();
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int step = 0; step < filter; ++step)
            QTest::keyClick(types, Qt::Key_Down);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(typed);
        QTest::keyClick(name, Qt::Key_Return);
    });
    QtModalDialogs dialogs;
    const std::optional<QString> result = dialogs.chooseSaveFile(
        nullptr, {QStringLiteral("Save"), {QStringLiteral("PNG images (*.png)"), QStringLiteral("SVG images (*.svg)")},
                  dir.filePath(QStringLiteral("proposed.png"))});
    QCOMPARE(result.value_or(QString()), dir.filePath(chosen));
    // A first size that shows the file list's columns, within the screen.
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size() * 9 / 10;
    QCOMPARE(shownSize, QSize(900, 560).boundedTo(room));
}

// Typing the measurement's own file: refused at once, not asked whether to replace it (which
// could only end in a refusal), and the dialog stays open for another name.
void TestModalDialogs::saveDialogRefusesTheMeasurementBeforeAskingToReplace()
{
    QTemporaryDir dir;
    const QString amp = writeTestFile(dir.filePath(QStringLiteral("m_amp.txt")), "1 0 50 60\n");
    QString boxText;
    bool stayedOpen = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("m_amp.txt"));
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            boxText = box->text() + QLatin1Char('|') + box->informativeText();
            box->accept();
        });
        QTest::keyClick(name, Qt::Key_Return);
        stayedOpen = dialog->isVisible();
        // Typed as a user would, into the focused name: that deselects m_amp.txt in the list.
        QApplication::setActiveWindow(dialog);
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("values"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    QtModalDialogs dialogs;
    const std::optional<QString> chosen = dialogs.chooseSaveFile(
        nullptr, {QStringLiteral("Export"), {QStringLiteral("CSV files (*.csv)")},
                  dir.filePath(QStringLiteral("m_amplitude.csv")), {amp}});
    QCOMPARE(boxText, QStringLiteral("The file could not be saved.|") + QDir::toNativeSeparators(amp)
                          + QStringLiteral("\nIt is one of the measurement's own files"));
    QVERIFY(stayedOpen);
    QCOMPARE(chosen.value_or(QString()), dir.filePath(QStringLiteral("values.csv")));
}

// A read from which no progress comes still gets the display after a moment, and its Cancel
// reaches the reader at once; a quick read builds no display at all.
void TestModalDialogs::stalledReadShowsProgressAndCancels()
{
    QtModalDialogs dialogs;
    int cancels = 0;
    const auto progressDisplays = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.cbegin(), windows.cend(),
                             [](QWidget *w) { return qobject_cast<QProgressDialog *>(w) != nullptr; });
    };
    dialogs.startReadProgress(nullptr, QStringLiteral("slow_amp.txt"), [&cancels] { ++cancels; });
    QCOMPARE(progressDisplays(), 0);
    QProgressDialog *shown = nullptr;
    QVERIFY(QTest::qWaitFor([&shown] {
        shown = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
        return shown != nullptr;
    }, 2000));
    QCOMPARE(shown->labelText(), QStringLiteral("slow_amp.txt"));
    QTest::mouseClick(shown->findChild<QPushButton *>(), Qt::LeftButton);
    QCOMPARE(cancels, 1);
    QVERIFY(!dialogs.showReadProgress(nullptr, QString(), 10, 100));
    dialogs.endReadProgress();
    QCOMPARE(progressDisplays(), 0);
}

QTEST_MAIN(TestModalDialogs)
#include "tst_modal_dialogs.moc"
