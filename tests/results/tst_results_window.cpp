#include "doubles/scripted_dialogs.h"
#include "lang/ui_texts.h"
#include "results/c_ergebnis_dlg.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

class TestResultsWindow : public QObject {
    Q_OBJECT

private slots:
    void captionNamesTheFiles_data();
    void captionNamesTheFiles();
    void startsEmptyWithToolsAndFocus();
    void buttonsFollowWindowSize();
    void anyMoveReturnsToTheOrigin();
    void printUsesTheWindowsOwnTexts();
};

void TestResultsWindow::captionNamesTheFiles_data()
{
    QTest::addColumn<QString>("amp");
    QTest::addColumn<QString>("ref");
    QTest::addColumn<QString>("caption");
    QTest::newRow("amplitude only") << "a_amp.txt" << "" << "VELKView - \"a_amp.txt\"";
    QTest::newRow("with reference") << "a_amp.txt" << "a_ref.txt" << "VELKView - \"a_amp.txt\", \"a_ref.txt\"";
}

void TestResultsWindow::captionNamesTheFiles()
{
    QFETCH(QString, amp);
    QFETCH(QString, ref);
    QFETCH(QString, caption);
    MeasurementFiles files;
    files.ampFileTitle = amp;
    files.refFileTitle = ref;
    ScriptedDialogs dialogs;
    CErgebnisDlg window(nullptr, files, dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    QCOMPARE(window.windowTitle(), caption);
    // Rebuilt at every repaint.
    files.ampFileTitle = QStringLiteral("b_amp.txt");
    files.refFileTitle.clear();
    window.repaint();
    QCOMPARE(window.windowTitle(), QStringLiteral("VELKView - \"b_amp.txt\""));
}

void TestResultsWindow::startsEmptyWithToolsAndFocus()
{
    MeasurementFiles files;
    ScriptedDialogs dialogs;
    CErgebnisDlg window(nullptr, files, dialogs);
    QCOMPARE(window.measurementSet.ampCount, 0);
    QCOMPARE(window.measurementSet.refCount, 0);
    QCOMPARE(window.measurementSet.ampSeries[2][8191], 0.0);
    QCOMPARE(window.tools().limitPen, (Pen{{0, 224, 0}, 2}));
    QCOMPARE(window.tools().labelFont.height, -8);
    QCOMPARE(window.tools().labelFont.width, -6);
    QVERIFY(window.closeButton()->isDefault());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.focusWidget(), static_cast<QWidget *>(window.closeButton()));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(240, 240, 240));
}

void TestResultsWindow::buttonsFollowWindowSize()
{
    MeasurementFiles files;
    ScriptedDialogs dialogs;
    CErgebnisDlg window(nullptr, files, dialogs);
    window.setGeometry(0, 0, 1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    const QRect frame = window.frameGeometry();
    const int winW = frame.width();
    const int winH = frame.height();
    const int closeRight = frame.x() + winW + int(std::trunc(window.width() - 1.03 * winW));
    const int closeBottom = frame.y() + winH + int(std::trunc(window.height() - 1.01 * winH));
    const QRect close = window.closeButton()->geometry();
    QCOMPARE(close.x() + close.width(), closeRight);
    QCOMPARE(close.y() + close.height(), closeBottom);
    const QRect print = window.printButton()->geometry();
    QCOMPARE(print.x() + print.width(), close.x() - winW / 100);
    QCOMPARE(print.y(), close.y());
    QCOMPARE(print.height(), close.height());
    // Repeated repaints leave them where they are.
    window.repaint();
    QCOMPARE(window.closeButton()->geometry(), close);
}

void TestResultsWindow::anyMoveReturnsToTheOrigin()
{
    MeasurementFiles files;
    ScriptedDialogs dialogs;
    CErgebnisDlg window(nullptr, files, dialogs);
    window.setGeometry(0, 0, 600, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    window.move(100, 80);
    QCoreApplication::processEvents();
    QCOMPARE(window.frameGeometry().topLeft(), available.topLeft());
    QCOMPARE(window.frameGeometry().width(), available.width());
    QCOMPARE(window.frameGeometry().height(), available.height());
    // Moving again pins again.
    window.move(30, 30);
    QCoreApplication::processEvents();
    QCOMPARE(window.frameGeometry().topLeft(), available.topLeft());
}

void TestResultsWindow::printUsesTheWindowsOwnTexts()
{
    QTemporaryDir dir;
    MeasurementFiles files;
    ScriptedDialogs dialogs;
    const QString path = dir.filePath(QStringLiteral("window.pdf"));
    CErgebnisDlg window(nullptr, files, dialogs);
    window.measurementSet.ampCount = 2;
    window.measurementSet.ampSeries[0][1] = 359.0;
    dialogs.dialogAnswer = answerTextDialog({QStringLiteral("W"), QStringLiteral("note")}, true);
    dialogs.printAnswer = printToPdf(path);
    QTest::mouseClick(window.printButton(), Qt::LeftButton);
    QCOMPARE(window.reportTexts.bearingType, QStringLiteral("ZEPH W"));
    QCOMPARE(window.reportTexts.remarkLines[0], QStringLiteral("note"));
    QVERIFY(pdfText(path).contains(QStringLiteral("note")));
}

QTEST_MAIN(TestResultsWindow)
#include "tst_results_window.moc"
