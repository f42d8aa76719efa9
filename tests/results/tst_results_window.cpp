#include "doubles/scripted_dialogs.h"
#include "lang/ui_texts.h"
#include "report/report_export.h"
#include "results/c_ergebnis_dlg.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
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
    void contextMenuCommands_data();
    void contextMenuCommands();
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
    files.ampFileTitle = QStringLiteral("w1_amp.txt");
    files.ampFileStatus.fullName = dir.filePath(files.ampFileTitle);
    ScriptedDialogs dialogs;
    const QString path = dir.filePath(QStringLiteral("window.pdf"));
    CErgebnisDlg window(nullptr, files, dialogs);
    window.measurementSet.ampCount = 2;
    window.measurementSet.ampSeries[0][1] = 359.0;
    dialogs.dialogAnswer = answerTextDialog({QStringLiteral("W"), QStringLiteral("note")}, true);
    // The print dialog offers the report's PDF beside the measurement for printing to a file.
    QString proposed;
    dialogs.printAnswer = [&](QPrinter &printer) {
        proposed = printer.outputFileName();
        return printToPdf(path)(printer);
    };
    QTest::mouseClick(window.printButton(), Qt::LeftButton);
    QCOMPARE(proposed, dir.filePath(QStringLiteral("w1_report.pdf")));
    QCOMPARE(window.reportTexts.bearingType, QStringLiteral("ZEPH W"));
    QCOMPARE(window.reportTexts.remarkLines[0], QStringLiteral("note"));
    QVERIFY(pdfText(path).contains(QStringLiteral("note")));
}

void TestResultsWindow::contextMenuCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");   // file name chosen in the save dialog
    QTest::addColumn<QByteArray>("written");   // how the written file starts; empty: none
    QTest::newRow("preview") << "printPreview" << QString() << QByteArray("%PDF");
    QTest::newRow("report PDF") << "saveReportAsPdf" << "r.pdf" << QByteArray("%PDF");
    QTest::newRow("PNG") << "saveChartsAsImage" << "c.png" << QByteArray("\x89PNG");
    QTest::newRow("SVG") << "saveChartsAsImage" << "c.svg" << QByteArray("<?xml");
    QTest::newRow("no suffix: PNG") << "saveChartsAsImage" << "c" << QByteArray("\x89PNG");
    QTest::newRow("missing folder") << "saveReportAsPdf" << "none/r.pdf" << QByteArray();
    QTest::newRow("a folder as target") << "saveChartsAsImage" << "d.png" << QByteArray();
    QTest::newRow("clipboard") << "copyCharts" << QString() << QByteArray();
}

void TestResultsWindow::contextMenuCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("d.png"));
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("w1_amp.txt");
    files.ampFileStatus.fullName = dir.filePath(files.ampFileTitle);
    ScriptedDialogs dialogs;
    CErgebnisDlg window(nullptr, files, dialogs);
    window.resize(640, 480);
    window.reportTexts.bearingType = QStringLiteral("B-42");
    window.reportTexts.remarkLines[1] = QStringLiteral("last entered");
    const QString path = answer.isEmpty() ? dir.filePath(QStringLiteral("preview.pdf"))
        : dir.filePath(answer.endsWith(QLatin1String("c")) ? answer + QStringLiteral(".png") : answer);
    dialogs.previewPath = path;
    dialogs.saveFileAnswers.append(dir.filePath(answer));

    const std::unique_ptr<QMenu> menu = window.createContextMenu();
    QAction *action = menu->findChild<QAction *>(command);
    QVERIFY(action);
    action->trigger();

    if (command == QLatin1String("copyCharts")) {
        QCOMPARE(QGuiApplication::clipboard()->image().size(), window.size());
        return;
    }
    if (command == QLatin1String("saveReportAsPdf"))
        QCOMPARE(dialogs.saveFileRequests.value(0).initialPath, dir.filePath(QStringLiteral("w1_report.pdf")));
    QFile file(path);
    if (written.isEmpty()) {
        QCOMPARE(dialogs.errors.size(), 1);
        QVERIFY(dialogs.errors[0].text.startsWith(uiText(UiText::FileNotSaved)));
        QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList());
        return;
    }
    QVERIFY(dialogs.errors.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(written.size()) == written);
    if (written == "%PDF") {
        const QString text = pdfText(path);
        QVERIFY(text.contains(QStringLiteral("B-42")));
        QVERIFY(text.contains(QStringLiteral("last entered")));
    } else if (path.endsWith(QLatin1String(".png"))) {
        QCOMPARE(QImage(path).size(), window.size());
    }
}

QTEST_MAIN(TestResultsWindow)
#include "tst_results_window.moc"
