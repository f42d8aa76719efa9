// The results window under a scale factor of 2: its charts must be the scale-1 picture of the
// same device size, not a half-size layout under full-size fonts.

#include "charts/chart_image.h"
#include "doubles/scripted_dialogs.h"
#include "results/c_ergebnis_dlg.h"

#include <QApplication>
#include <QTest>

class TestResultsScaled : public QObject {
    Q_OBJECT

private slots:
    void chartsMatchScaleOnePicture()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        MeasurementFiles files;
        ScriptedDialogs dialogs;
        CErgebnisDlg window(nullptr, files, dialogs);
        window.measurementSet.ampCount = 2;
        window.measurementSet.ampSeries[0][1] = 180.0;
        window.measurementSet.ampSeries[1][1] = 50.0;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        shown.setDevicePixelRatio(1.0);
        const QSize device = window.size() * 2;
        QCOMPARE(shown.size(), device);
        const QImage expected = renderChartImage(device, window.measurementSet, window.tools());
        // The buttons stand in the bottom strip; everything above it is the charts'.
        const QRect charts(0, 0, device.width(), device.height() - device.height() / 10);
        QCOMPARE(shown.copy(charts), expected.copy(charts).convertToFormat(QImage::Format_RGB32));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestResultsScaled test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_results_scaled.moc"
