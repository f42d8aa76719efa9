// The results window under a scale factor of 2: its charts must be the scale-1 picture of the
// same device size, not a half-size layout under full-size fonts.

#include "charts/chart_image.h"
#include "doubles/scripted_dialogs.h"
#include "results/c_ergebnis_dlg.h"

#include <QApplication>
#include <QPainter>
#include <QBackingStore>
#include <QTest>

#include <cmath>

class TestResultsScaled : public QObject {
    Q_OBJECT

private slots:
    void chartsMatchScaleOnePicture()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        MeasurementFiles files;
        ScriptedDialogs dialogs;
        CErgebnisDlg window(nullptr, files, dialogs);
        // A wavy curve of every sample, so the short segments are copied stamps on screen.
        MeasurementSet &data = window.measurementSet;
        data.ampCount = MeasurementSet::maxAmpCount;
        for (int i = 0; i < data.ampCount; ++i) {
            data.ampSeries[0][i] = 360.0 * i / data.ampCount;
            data.ampSeries[1][i] = 50.0 + 30.0 * std::sin(i / 40.0);
            data.ampSeries[2][i] = 45.0 + 25.0 * std::cos(i / 90.0);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize device = window.size() * 2;
        // Each segment stroked by QPainter, at scale 1.
        QImage expected(device, QImage::Format_RGB32);
        {
            QPainter painter(&expected);
            paintChartClientArea(painter, device, data, window.tools(), QPainterSurface::WideLines::PainterOnly);
        }
        // The buttons stand in the bottom strip; everything above it is the charts'.
        const QRect charts(0, 0, device.width(), device.height() - device.height() / 10);
        // What the window shows (its backing store) and what it renders when grabbed.
        QPaintDevice *store = window.backingStore()->paintDevice();
        QCOMPARE(store->devType(), int(QInternal::Image));
        for (QImage shown : {*static_cast<QImage *>(store), window.grab().toImage()}) {
            shown = shown.convertToFormat(QImage::Format_RGB32);
            shown.setDevicePixelRatio(1.0);
            QCOMPARE(shown.size(), device);
            QCOMPARE(shown.copy(charts), expected.copy(charts));
        }
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
