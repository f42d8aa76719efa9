#include "doubles/scripted_dialogs.h"
#include "doubles/test_files.h"
#include "charts/chart_geometry.h"
#include "charts/chart_image.h"
#include "lang/ui_texts.h"
#include "report/report_export.h"
#include "results/c_ergebnis_dlg.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
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
    void buttonsFollowWindowSize_data();
    void buttonsFollowWindowSize();
    void chartsKeepTheirLookUnderStyleAndDirection_data();
    void chartsKeepTheirLookUnderStyleAndDirection();
    void anyMoveReturnsToTheOrigin();
    void printUsesTheWindowsOwnTexts();
    void contextMenuCommands_data();
    void readoutShowsTheNearestValues_data();
    void readoutShowsTheNearestValues();
    void contextMenuCommands();
    void saveNeverReplacesTheMeasurement();
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

void TestResultsWindow::buttonsFollowWindowSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("byTheRule");   // false: moved down below the degree labels
    QTest::newRow("1000 x 700") << QSize(1000, 700) << true;
    QTest::newRow("800 x 600") << QSize(800, 600) << true;
    QTest::newRow("1366 x 768 at scale 2") << QSize(683, 364) << false;
    QTest::newRow("smallest kept free") << QSize(600, 320) << false;
}

void TestResultsWindow::buttonsFollowWindowSize()
{
    QFETCH(QSize, size);
    QFETCH(bool, byTheRule);
    MeasurementFiles files;
    ScriptedDialogs dialogs;
    CErgebnisDlg window(nullptr, files, dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Sized once shown and pinned, as on a screen of that size.
    window.resize(size);
    window.repaint();
    const QRect frame = window.frameGeometry();
    const int winW = frame.width();
    const int winH = frame.height();
    const int closeRight = frame.x() + winW + int(std::trunc(window.width() - 1.03 * winW));
    const int closeBottom = frame.y() + winH + int(std::trunc(window.height() - 1.01 * winH));
    const QRect close = window.closeButton()->geometry();
    const QRect print = window.printButton()->geometry();
    QCOMPARE(close.x() + close.width(), closeRight);
    QCOMPARE(print.x() + print.width(), close.x() - winW / 100);
    QCOMPARE(print.y(), close.y());
    QCOMPARE(print.height(), close.height());
    // Never over the reference chart's degree labels, never past the client area.
    const ReferenceGeometry g =
        referenceGeometry(referenceFrame(1, 1, ChartMedium::Screen, window.chartArea()), {});
    for (int j = 0; j <= 8; ++j) {
        const DeviceRect r = columnLabelRect(g.plotRect, g.labels, chartColumnX(g.plotRect, g.colStep, j));
        const QRect label(r.left, r.top, r.width(), r.height());
        QVERIFY2(!label.intersects(close) && !label.intersects(print), qPrintable(QString::number(j)));
    }
    QVERIFY(close.bottom() < window.height());
    if (byTheRule)
        QCOMPARE(close.y() + close.height(), closeBottom);
    else
        QCOMPARE(close.y(), g.plotRect.bottom + 1 + g.labels.columnHeight);
    // Repeated repaints leave them where they are.
    window.repaint();
    QCOMPARE(window.closeButton()->geometry(), close);
}

void TestResultsWindow::chartsKeepTheirLookUnderStyleAndDirection_data()
{
    QTest::addColumn<QString>("styleSheet");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("dark style sheet")
        << "QWidget { background: #202020; color: #e0e0e0; }" << false;
    QTest::newRow("right to left") << QString() << true;
}

// The charts are the very picture the command line writes, whatever style darkens the widgets
// and whichever way the layout runs: "-30" stays "-30", labels stay beside their axis.
void TestResultsWindow::chartsKeepTheirLookUnderStyleAndDirection()
{
    QFETCH(QString, styleSheet);
    QFETCH(bool, rightToLeft);
    const QSize size(640, 480);
    MeasurementFiles files;
    ScriptedDialogs dialogs;
    CErgebnisDlg plain(nullptr, files, dialogs);
    const QImage expected = renderChartImage(size, plain.measurementSet, plain.tools());
    if (rightToLeft)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    CErgebnisDlg window(nullptr, files, dialogs);
    window.setStyleSheet(styleSheet);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(size);
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    const QRect charts(0, 0, size.width(), size.height() - size.height() / 10);
    QCOMPARE(shown.copy(charts), expected.copy(charts));
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

void TestResultsWindow::readoutShowsTheNearestValues_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("amplitude");   // which chart the cursor is over
    QTest::addColumn<double>("angle");     // the angle the cursor is put at
    QTest::addColumn<QString>("shown");    // empty: no box
    QTest::newRow("amplitude, nearer 90 than 180") << 0 << true << 134.0
        << QString::fromUtf8("Angle: 90.00\u00B0\nCurve 1: 55.50%\nCurve 2: 60.25%");
    QTest::newRow("amplitude, first of two") << 0 << true << 1.0
        << QString::fromUtf8("Angle: 0.00\u00B0\nCurve 1: 10.00%\nCurve 2: 20.00%");
    QTest::newRow("reference, past the last entry") << 0 << false << 350.0
        << QString::fromUtf8("Angle: 270.00\u00B0\nRed mark: 120.00\nBlue mark: -80.50");
    QTest::newRow("reference in German") << 1 << false << 40.0
        << QString::fromUtf8("Winkel: 45.00\u00B0\nRote Marke: 0.00\nBlaue Marke: -3.00");
    QTest::newRow("above the plots: no box") << 0 << true << -1.0 << QString();
}

void TestResultsWindow::readoutShowsTheNearestValues()
{
    QFETCH(int, language);
    QFETCH(bool, amplitude);
    QFETCH(double, angle);
    QFETCH(QString, shown);
    languageIndex = language;
    MeasurementFiles files;
    ScriptedDialogs dialogs;
    CErgebnisDlg window(nullptr, files, dialogs);
    MeasurementSet &data = window.measurementSet;
    data.ampCount = 3;
    const double amp[3][3] = {{0, 90, 180}, {10, 55.5, 70}, {20, 60.25, 30}};
    for (int series = 0; series < 3; ++series)
        std::copy(amp[series], amp[series] + 3, data.ampSeries[series]);
    data.refCount = 2;
    const double ref[3][2] = {{45, 270}, {0, 120}, {-3, -80.5}};
    for (int series = 0; series < 3; ++series)
        std::copy(ref[series], ref[series] + 2, data.refSeries[series]);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The point is placed with the charts' forward mapping; the window must invert it.
    const DeviceRect area = window.chartArea();
    QPoint point;
    if (amplitude) {
        const AmplitudeGeometry g = amplitudeGeometry(amplitudeFrame(1, 1, ChartMedium::Screen, area));
        point = angle < 0 ? QPoint(g.plotRect.left + 5, g.plotRect.top - 2)
                          : QPoint(amplitudeX(g, angle), amplitudeY(g, 50));
    } else {
        const ReferenceGeometry g = referenceGeometry(referenceFrame(1, 1, ChartMedium::Screen, area), {});
        point = QPoint(referenceX(g, angle), g.mid);
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(point), QPointF(window.mapToGlobal(point)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
    const auto *box = window.findChild<QLabel *>(QStringLiteral("readout"));
    QVERIFY(box);
    QCOMPARE(box->isVisible(), !shown.isEmpty());
    if (!shown.isEmpty())
        QCOMPARE(box->text(), shown);
    languageIndex = 0;
}

void TestResultsWindow::saveNeverReplacesTheMeasurement()
{
    QTemporaryDir dir;
    const QByteArray lines = "1 0 50 60\n";
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("w1_amp.txt");
    files.ampFileStatus.fullName = writeTestFile(dir.filePath(files.ampFileTitle), lines);
    const QString ref = writeTestFile(dir.filePath(QStringLiteral("w1_ref.txt")), lines);
    ScriptedDialogs dialogs;
    CErgebnisDlg window(nullptr, files, dialogs);
    dialogs.saveFileAnswers = {files.ampFileStatus.fullName, ref};
    const std::unique_ptr<QMenu> menu = window.createContextMenu();
    menu->findChild<QAction *>(QStringLiteral("saveReportAsPdf"))->trigger();
    menu->findChild<QAction *>(QStringLiteral("saveReportAsPdf"))->trigger();
    QCOMPARE(dialogs.errors.size(), 2);
    for (const QString &path : {files.ampFileStatus.fullName, ref}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), lines);
    }
}

QTEST_MAIN(TestResultsWindow)
#include "tst_results_window.moc"
