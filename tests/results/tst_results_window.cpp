#include "doubles/scripted_dialogs.h"
#include "doubles/test_files.h"
#include "charts/chart_geometry.h"
#include "charts/chart_image.h"
#include "lang/language.h"
#include "report/report_setup.h"
#include "results/results_window.h"
#include "results/chart_access_area.h"
#include "results/chart_zoom.h"
#include "results/trend_window.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPrinter>
#include <QGuiApplication>
#include <QScreen>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

class TestResultsWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setLanguage(0); }
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
    void chartsAreNamedFocusableGraphics_data();
    void chartsAreNamedFocusableGraphics();
    void keysMoveTheReadout_data();
    void keysMoveTheReadout();
    void contextMenuCommands();
    void saveNeverReplacesTheMeasurement();
    void zoomFollowsMouseAndKeys_data();
    void zoomFollowsMouseAndKeys();
    void trendGrowsWhileFollowingAndOpensAColumn();
};

void TestResultsWindow::captionNamesTheFiles_data()
{
    QTest::addColumn<QString>("amp");
    QTest::addColumn<QString>("ref");
    QTest::addColumn<QString>("caption");
    QTest::newRow("amplitude only") << "a_amp.txt" << "" << "VELKView - \"a_amp.txt\"";
    QTest::newRow("with reference") << "a_amp.txt" << "a_ref.txt" << "VELKView - \"a_amp.txt\", \"a_ref.txt\"";
    QTest::newRow("nothing read yet") << "" << "" << "VELKView";
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
    ResultsWindow window(dialogs);
    const auto data = std::make_unique<MeasurementSet>();
    window.setMeasurement(std::make_shared<const MeasurementSet>(*data), files);
    QCOMPARE(window.windowTitle(), caption);
    // Set again with each measurement shown.
    files.ampFileTitle = QStringLiteral("b_amp.txt");
    files.refFileTitle.clear();
    window.setMeasurement(std::make_shared<const MeasurementSet>(*data), files);
    QCOMPARE(window.windowTitle(), QStringLiteral("VELKView - \"b_amp.txt\""));
}

void TestResultsWindow::startsEmptyWithToolsAndFocus()
{
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    QCOMPARE(window.measurement().ampCount, 0);
    QCOMPARE(window.measurement().refCount, 0);
    QCOMPARE(window.measurement().ampSeries[2][8191], 0.0);
    QCOMPARE(window.windowTitle(), QStringLiteral("VELKView"));
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
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
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
    ScriptedDialogs dialogs;
    ResultsWindow plain(dialogs);
    const QImage expected = renderChartImage(size, plain.measurement(), plain.tools());
    if (rightToLeft)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    ResultsWindow window(dialogs);
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
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
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
    ResultsWindow window(dialogs);
    const auto data = std::make_unique<MeasurementSet>();
    data->ampCount = 2;
    data->ampSeries[0][1] = 359.0;
    window.setMeasurement(std::make_shared<const MeasurementSet>(*data), files);
    dialogs.dialogAnswer = answerTextDialog({QStringLiteral("W"), QStringLiteral("note")}, true);
    // The print dialog offers the report's PDF beside the measurement for printing to a file.
    QString proposed;
    dialogs.printAnswer = [&](QPrinter &printer) {
        proposed = printer.outputFileName();
        return printToPdf(path)(printer);
    };
    QTest::mouseClick(window.printButton(), Qt::LeftButton);
    QCOMPARE(proposed, dir.filePath(QStringLiteral("w1_report.pdf")));
    QCOMPARE(window.reportTexts().bearingType, QStringLiteral("ZEPH W"));
    QCOMPARE(window.reportTexts().remarkLines[0], QStringLiteral("note"));
    SKIP_WITHOUT_PDF_READER();
    QVERIFY(pdfText(path).contains(QStringLiteral("note")));
}

void TestResultsWindow::contextMenuCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");   // file name chosen in the save dialog
    QTest::addColumn<QByteArray>("written");   // how the written file starts; empty: none
    QTest::addColumn<bool>("textsConfirmed");   // OK in the report-text dialog
    QTest::newRow("preview") << "printPreview" << QString() << QByteArray("%PDF") << true;
    QTest::newRow("report PDF") << "saveReportAsPdf" << "r.pdf" << QByteArray("%PDF") << true;
    QTest::newRow("PNG") << "saveChartsAsImage" << "c.png" << QByteArray("\x89PNG") << true;
    QTest::newRow("SVG") << "saveChartsAsImage" << "c.svg" << QByteArray("<?xml") << true;
    QTest::newRow("no suffix: PNG") << "saveChartsAsImage" << "c" << QByteArray("\x89PNG") << true;
    QTest::newRow("missing folder") << "saveReportAsPdf" << "none/r.pdf" << QByteArray() << true;
    QTest::newRow("a folder as target") << "saveChartsAsImage" << "d.png" << QByteArray() << true;
    QTest::newRow("clipboard") << "copyCharts" << QString() << QByteArray() << true;
    QTest::newRow("preview, texts cancelled") << "printPreview" << QString() << QByteArray() << false;
    QTest::newRow("report PDF, texts cancelled") << "saveReportAsPdf" << "r.pdf" << QByteArray() << false;
}

void TestResultsWindow::contextMenuCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QByteArray, written);
    QFETCH(bool, textsConfirmed);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("d.png"));
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("w1_amp.txt");
    files.ampFileStatus.fullName = dir.filePath(files.ampFileTitle);
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    // Zoomed in and comparing: the copy and the image saves take the picture on screen.
    auto shown = std::make_shared<MeasurementSet>();
    auto other = std::make_shared<MeasurementSet>();
    shown->ampCount = other->ampCount = 4;
    for (int i = 0; i < 4; ++i) {
        shown->ampSeries[0][i] = other->ampSeries[0][i] = 40.0 + 20 * i;
        shown->ampSeries[1][i] = 35 + 10 * i;
        other->ampSeries[1][i] = 85 - 10 * i;
    }
    window.setMeasurement(shown, files);
    window.setComparison(other, files);
    window.resize(640, 480);
    window.zoom()->setRange(AngleRange{30, 120});
    QImage onScreen(window.size(), QImage::Format_ARGB32_Premultiplied);
    window.render(&onScreen, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    // Preview and PDF ask for the texts, as Print does.
    dialogs.dialogAnswer = answerTextDialog({QStringLiteral("B-42"), QString(), QStringLiteral("last entered")},
                                            textsConfirmed);
    const QString path = answer.isEmpty() ? dir.filePath(QStringLiteral("preview.pdf"))
        : dir.filePath(answer.endsWith(QLatin1String("c")) ? answer + QStringLiteral(".png") : answer);
    dialogs.previewPath = path;
    dialogs.saveFileAnswers.append(dir.filePath(answer));

    QAction *action = window.action(command);
    QVERIFY(window.contextMenu()->actions().contains(action));
    QVERIFY(action);
    action->trigger();

    if (command == QLatin1String("copyCharts")) {
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(onScreen.format()), onScreen);
        return;
    }
    const bool asksTexts = command == QLatin1String("printPreview") || command == QLatin1String("saveReportAsPdf");
    QCOMPARE(dialogs.dialogCount, asksTexts ? 1 : 0);
    if (!textsConfirmed) {
        QCOMPARE(dialogs.saveFileRequests.size() + dialogs.previewCount, 0);
        QVERIFY(!QFileInfo::exists(path));
        return;
    }
    if (command == QLatin1String("saveReportAsPdf"))
        QCOMPARE(dialogs.saveFileRequests.value(0).initialPath, dir.filePath(QStringLiteral("w1_report.pdf")));
    QFile file(path);
    if (written.isEmpty()) {
        QCOMPARE(dialogs.errors.size(), 1);
        QCOMPARE(dialogs.errors[0].text, QStringLiteral("The file could not be saved."));
        QVERIFY(dialogs.errors[0].details.startsWith(QDir::toNativeSeparators(path) + QLatin1Char('\n')));
        QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList());
        return;
    }
    QVERIFY(dialogs.errors.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(written.size()) == written);
    if (written == "%PDF") {
        SKIP_WITHOUT_PDF_READER();
        const QString text = pdfText(path);
        QVERIFY(text.contains(QStringLiteral("B-42")));
        QVERIFY(text.contains(QStringLiteral("last entered")));
    } else if (path.endsWith(QLatin1String(".png"))) {
        QCOMPARE(QImage(path).convertToFormat(onScreen.format()), onScreen);
    } else {
        // Zoomed in (a 105° label, which the full revolution has not) and comparing (the
        // legends name both files in both charts).
        const QString svg = QString::fromUtf8(file.readAll());
        QVERIFY(svg.contains(QString::fromUtf8("105\xC2\xB0")));
        QCOMPARE(svg.count(QStringLiteral("w1_amp.txt")), 4);
    }
}

namespace {

// Two passes over the same angles in either chart; the line numbers are not index + 1, as after
// a line the reader split.
void fillTwoRevolutions(MeasurementSet &data)
{
    data.ampCount = 6;
    const double amp[3][6] = {{0, 90, 180, 0, 90, 180}, {10, 55.5, 70, 100, 110, 90},
                              {20, 60.25, 30, 105, 115, 95}};
    for (int series = 0; series < 3; ++series)
        std::copy(amp[series], amp[series] + 6, data.ampSeries[series]);
    const int ampLines[6] = {1, 3, 4, 5, 7, 8};
    std::copy(ampLines, ampLines + 6, data.ampLineNumbers);
    // Angle, red marks, blue marks, red line, blue line.
    data.refCount = 3;
    const double ref[5][3] = {{45, 270, 45}, {0, 120, 0}, {-3, -80.5, 0}, {10, 20, 60}, {-10, -20, -60}};
    for (int series = 0; series < 5; ++series)
        std::copy(ref[series], ref[series] + 3, data.refSeries[series]);
    const int refLines[3] = {1, 2, 9};
    std::copy(refLines, refLines + 3, data.refLineNumbers);
}

} // namespace

void TestResultsWindow::readoutShowsTheNearestValues_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("amplitude");   // which chart the cursor is over
    QTest::addColumn<double>("angle");     // where the cursor is put, in the chart's units
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");    // empty: no box
    QTest::addColumn<int>("turn");   // -1, or comparing with b_amp.txt, the same turned so far
    QTest::newRow("amplitude, nearer 90 than 180") << 0 << true << 134.0 << 50.0
        << QString::fromUtf8("Angle: 90.00\u00B0\nCurve 1: 55.50%\nCurve 2: 60.25%\nLine: 3") << -1;
    QTest::newRow("amplitude, second revolution") << 0 << true << 95.0 << 112.0
        << QString::fromUtf8("Angle: 90.00\u00B0\nCurve 1: 110.00%\nCurve 2: 115.00%\nLine: 7") << -1;
    QTest::newRow("reference, lines and both marks") << 0 << false << 350.0 << 0.0
        << QString::fromUtf8("Angle: 270.00\u00B0\nRed line: 20.00\nBlue line: -20.00\n"
                             "Red mark: 120.00\nBlue mark: -80.50\nLine: 2") << -1;
    QTest::newRow("reference in German, only the blue mark") << 1 << false << 40.0 << -4.0
        << QString::fromUtf8("Winkel: 45.00\u00B0\nRote Linie: 10.00\nBlaue Linie: -10.00\n"
                             "Blaue Marke: -3.00\nZeile: 1") << -1;
    QTest::newRow("reference, second pass without marks") << 0 << false << 45.0 << 58.0
        << QString::fromUtf8("Angle: 45.00\u00B0\nRed line: 60.00\nBlue line: -60.00\nLine: 9") << -1;
    QTest::newRow("above the plots: no box") << 0 << true << -1.0 << 0.0 << QString() << -1;
    QTest::newRow("amplitude, compared at its own nearest sample") << 0 << true << 134.0 << 50.0
        << QString::fromUtf8("Angle: 90.00\u00B0\nCurve 1: 55.50%\nCurve 2: 60.25%\nLine: 3\n"
                             "b_amp.txt\nAngle: 100.00\u00B0\nCurve 1: 55.50%\nCurve 2: 60.25%\nLine: 3") << 10;
    // Read at the shown sample's angle, not at the compared sample nearest the pointer (170).
    QTest::newRow("amplitude, compared read at the shown angle") << 0 << true << 134.0 << 50.0
        << QString::fromUtf8("Angle: 90.00\u00B0\nCurve 1: 55.50%\nCurve 2: 60.25%\nLine: 3\n"
                             "b_amp.txt\nAngle: 80.00\u00B0\nCurve 1: 10.00%\nCurve 2: 20.00%\nLine: 1") << 80;
    QTest::newRow("amplitude, compared at the same angle says it once") << 0 << true << 134.0 << 50.0
        << QString::fromUtf8("Angle: 90.00\u00B0\nCurve 1: 55.50%\nCurve 2: 60.25%\nLine: 3\n"
                             "b_amp.txt\nCurve 1: 55.50%\nCurve 2: 60.25%\nLine: 3") << 0;
    QTest::newRow("reference, compared marks widen the scale") << 0 << false << 350.0 << 0.0
        << QString::fromUtf8("Angle: 270.00\u00B0\nRed line: 20.00\nBlue line: -20.00\n"
                             "Red mark: 120.00\nBlue mark: -80.50\nLine: 2\n"
                             "b_amp.txt\nAngle: 280.00\u00B0\nRed line: 20.00\nBlue line: -20.00\n"
                             "Red mark: 950.00\nBlue mark: -80.50\nLine: 2") << 10;
}

void TestResultsWindow::readoutShowsTheNearestValues()
{
    QFETCH(int, language);
    QFETCH(bool, amplitude);
    QFETCH(double, angle);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QFETCH(int, turn);
    setLanguage(language);
    MeasurementFiles files;
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    const auto data = std::make_unique<MeasurementSet>();
    fillTwoRevolutions(*data);
    window.setMeasurement(std::make_shared<const MeasurementSet>(*data), files);
    if (turn >= 0) {
        const auto other = std::make_unique<MeasurementSet>(*data);
        for (double *angles : {other->ampSeries[0], other->refSeries[0]})
            std::transform(angles, angles + 6, angles, [turn](double angle) { return angle + turn; });
        other->refSeries[1][1] = 950;
        files.ampFileTitle = QStringLiteral("b_amp.txt");
        window.setComparison(std::make_shared<const MeasurementSet>(*other), files);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The point is placed with the charts' forward mapping; the window must invert it.
    const DeviceRect area = window.chartArea();
    QPoint point;
    if (amplitude) {
        const AmplitudeGeometry g = amplitudeGeometry(amplitudeFrame(1, 1, ChartMedium::Screen, area));
        point = angle < 0 ? QPoint(g.plotRect.left + 5, g.plotRect.top - 2)
                          : QPoint(amplitudeX(g, angle), amplitudeY(g, value));
    } else {
        const ReferenceGeometry g = referenceGeometry(referenceFrame(1, 1, ChartMedium::Screen, area),
                                                      referenceScale(window.measurement(), window.comparedMeasurement()));
        point = QPoint(referenceX(g, angle), referenceY(g, value));
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(point), QPointF(window.mapToGlobal(point)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
    const auto *box = window.findChild<QLabel *>(QStringLiteral("readout"));
    QVERIFY(box);
    QCOMPARE(box->isVisible(), !shown.isEmpty());
    if (!shown.isEmpty())
        QCOMPARE(box->text(), shown);
    setLanguage(0);
}

void TestResultsWindow::chartsAreNamedFocusableGraphics_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("ampRef");   // file titles
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("descriptions");
    QTest::newRow("English, reference file")
        << 0 << "a_amp.txt a_ref.txt" << QStringList{QStringLiteral("Amplitude"), QStringLiteral("Reference marks")}
        << QStringList{QString::fromUtf8("Amplitude curves of a_amp.txt: 6 samples from 0.00° to 180.00°"),
                       QString::fromUtf8("Reference marks of a_ref.txt: 3 entries from 45.00° to 270.00°")};
    QTest::newRow("German, entries from the amplitude file")
        << 1 << "a_amp.txt" << QStringList{QStringLiteral("Amplitude"), QStringLiteral("Referenzmarken")}
        << QStringList{QString::fromUtf8("Amplitudenkurven von a_amp.txt: 6 Messpunkte von 0.00° bis 180.00°"),
                       QString::fromUtf8("Referenzmarken von a_amp.txt: 3 Einträge von 45.00° bis 270.00°")};
}

void TestResultsWindow::chartsAreNamedFocusableGraphics()
{
    QFETCH(int, language);
    QFETCH(QString, ampRef);
    QFETCH(QStringList, names);
    QFETCH(QStringList, descriptions);
    setLanguage(language);
    MeasurementFiles files;
    files.ampFileTitle = ampRef.section(QLatin1Char(' '), 0, 0);
    files.refFileTitle = ampRef.section(QLatin1Char(' '), 1, 1);
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    const auto data = std::make_unique<MeasurementSet>();
    fillTwoRevolutions(*data);
    window.setMeasurement(std::make_shared<const MeasurementSet>(*data), files);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const ChartReadout::Chart charts[] = {ChartReadout::Chart::Amplitude, ChartReadout::Chart::Reference};
    for (int k = 0; k < 2; ++k) {
        QWidget *area = window.chartAccessArea(charts[k]);
        QAccessibleInterface *access = QAccessible::queryAccessibleInterface(area);
        QVERIFY(access);
        QCOMPARE(access->role(), QAccessible::Chart);
        QCOMPARE(access->text(QAccessible::Name), names[k]);
        QCOMPARE(access->text(QAccessible::Description), descriptions[k]);
        // Over the plot, where the mouse reaches the window itself.
        const DeviceRect plot = chartPlotRect(charts[k], window.chartArea());
        QCOMPARE(area->geometry(), QRect(plot.left, plot.top, plot.width(), plot.height()));
        QVERIFY(area->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    // Tab reaches them after the buttons; the Close button keeps the first focus.
    QCOMPARE(window.focusWidget(), static_cast<QWidget *>(window.closeButton()));
    QTest::keyClick(&window, Qt::Key_Tab);
    QTest::keyClick(&window, Qt::Key_Tab);
    QCOMPARE(window.focusWidget(), window.chartAccessArea(charts[0]));
    QTest::keyClick(&window, Qt::Key_Tab);
    QCOMPARE(window.focusWidget(), window.chartAccessArea(charts[1]));
    setLanguage(0);
}

void TestResultsWindow::keysMoveTheReadout_data()
{
    QTest::addColumn<QList<int>>("keys");   // pressed on the focused reference chart
    QTest::addColumn<int>("entry");         // chosen afterwards; -1 none
    QTest::newRow("Right starts at the first") << QList<int>{Qt::Key_Right} << 0;
    QTest::newRow("Right, Right") << QList<int>{Qt::Key_Right, Qt::Key_Right} << 1;
    QTest::newRow("Right, Right, Left") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Left} << 0;
    QTest::newRow("Left starts at the last") << QList<int>{Qt::Key_Left} << 2;
    QTest::newRow("Right stops at the last") << QList<int>{Qt::Key_End, Qt::Key_Right} << 2;
    QTest::newRow("Home") << QList<int>{Qt::Key_End, Qt::Key_Home} << 0;
    QTest::newRow("leaving forgets") << QList<int>{Qt::Key_Right, Qt::Key_Tab} << -1;
}

void TestResultsWindow::keysMoveTheReadout()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, entry);
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("a_amp.txt");
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    const auto data = std::make_unique<MeasurementSet>();
    fillTwoRevolutions(*data);
    window.setMeasurement(std::make_shared<const MeasurementSet>(*data), files);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ChartAccessArea *area = window.chartAccessArea(ChartReadout::Chart::Reference);
    area->setFocus(Qt::TabFocusReason);
    for (const int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    const auto *box = window.findChild<QLabel *>(QStringLiteral("readout"));
    QCOMPARE(area->sample(), entry);
    QCOMPARE(box->isVisible(), entry >= 0);
    const QString description = QAccessible::queryAccessibleInterface(area)->text(QAccessible::Description);
    if (entry < 0) {
        QVERIFY2(description.startsWith(QStringLiteral("Reference marks of a_amp.txt")), qPrintable(description));
        return;
    }
    const QString readout = chartReadoutText(ChartReadout{ChartReadout::Chart::Reference, 0, entry},
                                             window.measurement());
    QCOMPARE(box->text(), readout);
    // What a screen reader speaks.
    QCOMPARE(description, readout);
}

void TestResultsWindow::saveNeverReplacesTheMeasurement()
{
    // The shown measurement and the one compared with it: all four files are the user's.
    QTemporaryDir dir;
    const QByteArray lines = "1 0 50 60\n";
    MeasurementFiles files;
    files.ampFileTitle = QStringLiteral("w1_amp.txt");
    files.ampFileStatus.fullName = writeTestFile(dir.filePath(files.ampFileTitle), lines);
    MeasurementFiles compared;
    compared.ampFileTitle = QStringLiteral("w2_amp.txt");
    compared.ampFileStatus.fullName = writeTestFile(dir.filePath(compared.ampFileTitle), lines);
    const QStringList own = {files.ampFileStatus.fullName, writeTestFile(dir.filePath(QStringLiteral("w1_ref.txt")), lines),
                             compared.ampFileStatus.fullName, writeTestFile(dir.filePath(QStringLiteral("w2_ref.txt")), lines)};
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    window.setMeasurement(std::make_shared<const MeasurementSet>(), files);
    window.setComparison(std::make_shared<const MeasurementSet>(), compared);
    dialogs.dialogAnswer = answerTextDialog({}, true);
    for (const QString &path : own) {
        dialogs.saveFileAnswers = {path, path};
        window.action(QStringLiteral("saveReportAsPdf"))->trigger();
        // The export names them to its dialog, which refuses them before asking to replace.
        window.action(QStringLiteral("exportValuesCsv"))->trigger();
        QCOMPARE(dialogs.saveFileRequests.last().measurementPaths,
                 (QStringList{files.ampFileStatus.fullName, compared.ampFileStatus.fullName}));
        // Print to a file named like the measurements' files: refused the same way.
        dialogs.printAnswer = printToPdf(path);
        window.printReport();
    }
    QCOMPARE(dialogs.errors.size(), 12);
    for (const ScriptedDialogs::Error &error : dialogs.errors) {
        QCOMPARE(error.text, QStringLiteral("The file could not be saved."));
        QVERIFY(error.details.endsWith(QStringLiteral("It is one of the measurement's own files")));
    }
    for (const QString &path : own) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), lines);
    }
}

void TestResultsWindow::zoomFollowsMouseAndKeys_data()
{
    // Steps on the window: "wheel A" (one notch in over angle A), "wheel-out-of-plot",
    // "drag A B" (left button), "shift A B" / "ctrl A B" (select), "double", or a key name.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<double>("first");   // the range afterwards
    QTest::addColumn<double>("last");
    QTest::newRow("wheel keeps the angle under the pointer")
        << QStringList{QStringLiteral("wheel 90")} << 18.0 << 306.0;
    QTest::newRow("wheel off the plots does nothing") << QStringList{QStringLiteral("wheel-out-of-plot")} << 0.0 << 360.0;
    QTest::newRow("shift-drag selects") << QStringList{QStringLiteral("shift 210 225")} << 210.0 << 225.0;
    QTest::newRow("ctrl-drag selects backwards") << QStringList{QStringLiteral("ctrl 225 210")} << 210.0 << 225.0;
    QTest::newRow("drag at the full view does nothing") << QStringList{QStringLiteral("drag 100 200")} << 0.0 << 360.0;
    QTest::newRow("drag pans the zoomed range")
        << QStringList{QStringLiteral("shift 100 200"), QStringLiteral("drag 150 100")} << 150.0 << 250.0;
    QTest::newRow("plus, minus") << QStringList{QStringLiteral("+"), QStringLiteral("+"), QStringLiteral("-")} << 90.0 << 270.0;
    QTest::newRow("right pans a tenth") << QStringList{QStringLiteral("+"), QStringLiteral("Right")} << 108.0 << 288.0;
    QTest::newRow("right at the full view does nothing") << QStringList{QStringLiteral("Right")} << 0.0 << 360.0;
    QTest::newRow("Home") << QStringList{QStringLiteral("shift 210 225"), QStringLiteral("Home")} << 0.0 << 360.0;
    QTest::newRow("double click") << QStringList{QStringLiteral("+"), QStringLiteral("double")} << 0.0 << 360.0;
}

void TestResultsWindow::zoomFollowsMouseAndKeys()
{
    QFETCH(QStringList, steps);
    QFETCH(double, first);
    QFETCH(double, last);
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    const auto data = std::make_unique<MeasurementSet>();
    fillTwoRevolutions(*data);
    window.setMeasurement(std::make_shared<const MeasurementSet>(*data), MeasurementFiles{});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage fullView = window.grab().toImage();
    const DeviceRect plot = chartPlotRect(ChartReadout::Chart::Amplitude, window.chartArea());
    const int y = (plot.top + plot.bottom) / 2;
    // The x of an angle in the range shown when the step starts.
    const auto xOf = [&](const QString &angle) {
        const AngleRange &range = window.zoom()->range();
        return angleToX(plot.left, angleScale(plot.left, plot.right, range), range, angle.toDouble()) + 1;
    };
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words[0].startsWith(QLatin1String("wheel"))) {
            const QPoint at = words.size() > 1 ? QPoint(xOf(words[1]), y) : QPoint(plot.left + 5, plot.top - 5);
            QWheelEvent wheel(at, window.mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(&window, &wheel);
        } else if (words.size() == 3) {
            const Qt::KeyboardModifiers modifiers = words[0] == QLatin1String("shift") ? Qt::ShiftModifier
                : words[0] == QLatin1String("ctrl") ? Qt::ControlModifier : Qt::NoModifier;
            const QPoint from(xOf(words[1]), y);
            const QPoint to(xOf(words[2]), y);
            QTest::mousePress(&window, Qt::LeftButton, modifiers, from);
            QTest::mouseMove(&window, to);
            QTest::mouseRelease(&window, Qt::LeftButton, modifiers, to);
        } else if (words[0] == QLatin1String("double")) {
            QTest::mouseDClick(&window, Qt::LeftButton, {}, QPoint(plot.left + 10, y));
        } else {
            QTest::keySequence(&window, QKeySequence(words[0]));
        }
    }
    const AngleRange range = window.zoom()->range();
    // The pointer lands on whole units: within a unit of the full view of what was aimed at.
    const double unit = 360.0 / plot.width();
    QVERIFY2(std::abs(range.first - first) <= unit && std::abs(range.last - last) <= unit,
             qPrintable(QStringLiteral("%1 to %2").arg(range.first).arg(range.last)));
    // The full view is today's picture; a zoomed one is not, and the readout still works.
    QCOMPARE(window.grab().toImage() == fullView, range.isFull());
    const QPoint centre((plot.left + plot.right) / 2, y);
    QMouseEvent move(QEvent::MouseMove, QPointF(centre), QPointF(window.mapToGlobal(centre)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("readout"))->isVisible());
}

// Only measurements shown while following get a column, each once however often it is shown
// again; a column names its file under the cursor and a click opens it; another folder starts
// a new trend.
void TestResultsWindow::trendGrowsWhileFollowingAndOpensAColumn()
{
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    const auto data = std::make_shared<const MeasurementSet>();
    const auto filesOf = [](const char *title, int64_t date) {
        MeasurementFiles files;
        files.ampFileTitle = QLatin1String(title);
        files.ampFileStatus.fullName = QStringLiteral("/lot/") + files.ampFileTitle;
        files.ampFileStatus.modificationTime = date;
        return files;
    };
    window.setMeasurement(data, filesOf("before_amp.txt", 1));
    QVERIFY(!window.trendWindow());
    QVERIFY(!window.action(QStringLiteral("showTrend"))->isEnabled());
    window.setFollowedFolder(QStringLiteral("/lot"));
    QVERIFY(window.action(QStringLiteral("showTrend"))->isEnabled());
    for (const auto &[title, date] : {std::pair{"a_amp.txt", 10}, {"b_amp.txt", 20}, {"a_amp.txt", 10}, {"a_amp.txt", 30}})
        window.setMeasurement(data, filesOf(title, date));
    window.showTrend();
    TrendWindow *trend = window.trendWindow();
    QVERIFY(trend && trend->isVisible());
    QCOMPARE(trend->count(), 3);
    const TrendGeometry geometry = trendGeometry({0, 0, trend->width(), trend->height()}, 3);
    QCOMPARE(trend->titleAt(trendX(geometry, 1)), QStringLiteral("b_amp.txt"));
    QSignalSpy opened(&window, &ResultsWindow::fileDropped);
    QTest::mouseClick(trend, Qt::LeftButton, {}, QPoint(trendX(geometry, 1), geometry.plotRect.top + 5));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().first().toString(), QStringLiteral("/lot/b_amp.txt"));
    QTest::mouseClick(trend, Qt::LeftButton, {}, QPoint(geometry.plotRect.left - 2, geometry.plotRect.top + 5));
    QCOMPARE(opened.size(), 1);
    window.setFollowedFolder(QStringLiteral("/other"));
    QCOMPARE(trend->count(), 0);
}

QTEST_MAIN(TestResultsWindow)
#include "tst_results_window.moc"
