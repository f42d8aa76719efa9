#include "doubles/scripted_dialogs.h"
#include "doubles/test_files.h"
#include "../bench/measurement_files.h"
#include "data/measurement_reader.h"
#include "data/ref_path.h"
#include "results/chart_zoom.h"
#include "results/figures_view.h"
#include "results/results_window.h"
#include "results/values_window.h"

#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The window with the measurement of a file, as the open command would give it.
void show(ResultsWindow &window, const QString &ampPath)
{
    const auto data = std::make_unique<MeasurementSet>();
    MeasurementFiles files;
    QCOMPARE(readMeasurement(ampPath, deriveRefPath(ampPath), *data, files), ReadOutcome::Read);
    window.setMeasurement(std::make_shared<const MeasurementSet>(*data), files);
}

} // namespace

class TestValuesWindow : public QObject {
    Q_OBJECT

private slots:
    void rowsEqualTheDump_data();
    void rowsEqualTheDump();
    void chosenRowIsMarkedAndCopied();
    void summaryTabFollowsTheMeasurement();
};

void TestValuesWindow::rowsEqualTheDump_data()
{
    QTest::addColumn<QString>("file");   // empty: the largest measurement, written for the test
    QTest::newRow("example") << QStringLiteral(VELKVIEW_SOURCE_DIR "/examples/demo_amp.txt");
    QTest::newRow("largest") << QString();
}

// Every cell against the JSON of --dump, which formats numbers the same way.
void TestValuesWindow::rowsEqualTheDump()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    if (file.isEmpty())
        file = writeLargestPair(QDir(dir.path()));
    QProcess dump;
    dump.start(QStringLiteral(VELKVIEW_BINARY), {QStringLiteral("--dump"), file});
    QVERIFY(dump.waitForFinished(60000));
    const QJsonObject json = QJsonDocument::fromJson(dump.readAllStandardOutput()).object();
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    show(window, file);
    window.showValues();
    for (const auto &[table, key] : {std::pair{ValueTable::Amplitude, "ampSeries"}, std::pair{ValueTable::Reference, "refSeries"}}) {
        const QAbstractItemModel *model = window.valuesWindow()->view(table)->model();
        const QJsonArray series = json.value(QLatin1String(key)).toArray();
        QCOMPARE(model->columnCount(), series.size() + 1);
        QCOMPARE(model->rowCount(), series[0].toArray().size());
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 1; column < model->columnCount(); ++column) {
                const QString cell = model->index(row, column).data().toString();
                QCOMPARE(cell.toDouble(), series[column - 1].toArray()[row].toDouble());
            }
        }
        const int lines = valueRowCount(window.measurement(), table);
        QCOMPARE(model->index(lines - 1, 0).data().toString(),
                 QString::number(table == ValueTable::Amplitude ? window.measurement().ampLineNumbers[lines - 1]
                                                                : window.measurement().refLineNumbers[lines - 1]));
    }
    QVERIFY(json.value(QStringLiteral("ampCount")).toInt() > 0);
}

void TestValuesWindow::chosenRowIsMarkedAndCopied()
{
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    show(window, QStringLiteral(VELKVIEW_SOURCE_DIR "/examples/demo_amp.txt"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_T));
    ValuesWindow *values = window.valuesWindow();
    QVERIFY(values && values->isVisible());
    QTableView *view = values->view(ValueTable::Amplitude);
    QCOMPARE(values->windowTitle(), QString::fromUtf8("Values — demo_amp.txt"));
    QCOMPARE(values->windowType(), Qt::Tool);   // kept above the results window
    QCOMPARE(values->focusWidget(), view);
    QVERIFY2(view->rowHeight(0) < 2 * view->fontMetrics().height(), "a row as tall as two lines");
    // The results window's keys work from here too.
    QSignalSpy readAgain(&window, &ResultsWindow::reloadRequested);
    QTest::keyClick(view, Qt::Key_F5);
    QCOMPARE(readAgain.count(), 1);
    view->selectRow(1);
    QCOMPARE(window.markedAngle(), std::optional<double>(1.0));
    const QLabel *readout = window.findChild<QLabel *>(QStringLiteral("readout"));
    QVERIFY(readout->isVisible());
    QVERIFY2(readout->text().endsWith(QStringLiteral("Line: 2")), qPrintable(readout->text()));
    view->selectionModel()->select(view->model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->setFocus();
    QTest::keySequence(view, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Line\tAngle\tCurve 1\tCurve 2\n2\t1\t80.63\t82.28\n3\t2\t81.36\t82.29\n"));
    // Another measurement: the table follows it and the mark goes.
    QTemporaryDir dir;
    show(window, writeLargestPair(QDir(dir.path())));
    QCOMPARE(view->model()->rowCount(), 8191);
    QCOMPARE(values->windowTitle(), QString::fromUtf8("Values — largest_amp.txt"));
    QVERIFY(!window.markedAngle());
}

// The example leaves the upper line three times with curve 1; choosing one of them reports its
// angles, and another measurement replaces the figures.
void TestValuesWindow::summaryTabFollowsTheMeasurement()
{
    ScriptedDialogs dialogs;
    ResultsWindow window(dialogs);
    show(window, QStringLiteral(VELKVIEW_SOURCE_DIR "/examples/demo_amp.txt"));
    window.showValues();
    const FiguresView *figures = window.valuesWindow()->figuresView();
    const QLabel *verdict = figures->findChild<QLabel *>(QStringLiteral("limitsVerdict"));
    QCOMPARE(verdict->text(), QStringLiteral("Outside the limits"));
    QCOMPARE(figures->figuresTable()->item(0, 1)->text(), QString::fromUtf8("44.26 at 116.00°"));
    QTableWidget *excursions = figures->excursionsTable();
    QCOMPARE(excursions->rowCount(), 3);
    QCOMPARE(excursions->item(2, 2)->text(), QString::fromUtf8("209.17°"));
    QSignalSpy chosen(window.valuesWindow(), &ValuesWindow::excursionChosen);
    excursions->setCurrentCell(2, 0);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen[0][0].toDouble(), 209.17424242424244);
    QCOMPARE(chosen[0][1].toDouble(), 228.4945054945055);
    // The charts zoom to it, the crossings inside.
    const AngleRange shown = window.zoom()->range();
    QVERIFY(shown.first < 209.17 && shown.first > 200 && shown.last > 228.5 && shown.last < 240);

    QTemporaryDir dir;
    writeTestFile(dir.filePath(QStringLiteral("w_amp.txt")), "1 0 50 60\n");
    show(window, dir.filePath(QStringLiteral("w_amp.txt")));
    QCOMPARE(verdict->text(), QStringLiteral("Within limits"));
    QCOMPARE(excursions->rowCount(), 0);
}

QTEST_MAIN(TestValuesWindow)
#include "tst_values_window.moc"
