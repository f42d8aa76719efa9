// The results window under a scale factor of 2 must be the scale-1 picture, twice as large:
// the layout in logical pixels, fonts and pens enlarged with it.

#include "charts/chart_geometry.h"
#include "charts/chart_image.h"
#include "doubles/scripted_dialogs.h"
#include "results/results_window.h"

#include <QApplication>
#include <QBackingStore>
#include <QPainter>
#include <QTest>

#include <memory>

#include <cmath>

namespace {

// The bounding box of the pixels inside area that differ from the window's background.
QRect inkBox(const QImage &image, const QRect &area)
{
    QRect box;
    const QRgb background = qRgb(240, 240, 240);
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestResultsScaled : public QObject {
    Q_OBJECT

private slots:
    void chartsAreTheScaleOnePictureEnlarged()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        ScriptedDialogs dialogs;
        ResultsWindow window(dialogs);
        const auto measurement = std::make_unique<MeasurementSet>();
        MeasurementSet &data = *measurement;
        data.ampCount = MeasurementSet::maxAmpCount;
        for (int i = 0; i < data.ampCount; ++i) {
            data.ampSeries[0][i] = 360.0 * i / data.ampCount;
            data.ampSeries[1][i] = 50.0 + 30.0 * std::sin(i / 40.0);
            data.ampSeries[2][i] = 45.0 + 25.0 * std::cos(i / 90.0);
        }
        window.setMeasurement(std::make_shared<const MeasurementSet>(data), MeasurementFiles());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize logical = window.size();
        const QSize device = logical * 2;
        // The client area's layout, painted by a painter that doubles every unit.
        QImage expected(device, QImage::Format_RGB32);
        expected.setDevicePixelRatio(2.0);
        {
            QPainter painter(&expected);
            paintChartClientArea(painter, logical, data, window.tools());
        }
        expected.setDevicePixelRatio(1.0);
        // The buttons stand in the bottom strip; everything above it is the charts'.
        const QRect charts(0, 0, device.width(), 2 * (logical.height() - logical.height() / 10));
        // What the window shows (its backing store) and what it renders when grabbed.
        QPaintDevice *store = window.backingStore()->paintDevice();
        QCOMPARE(store->devType(), int(QInternal::Image));
        QImage shown;
        for (QImage image : {*static_cast<QImage *>(store), window.grab().toImage()}) {
            shown = image.convertToFormat(QImage::Format_RGB32);
            shown.setDevicePixelRatio(1.0);
            QCOMPARE(shown.size(), device);
            QCOMPARE(shown.copy(charts), expected.copy(charts));
        }
        // The percentage labels' ink covers twice the device pixels it covers at scale 1.
        const AmplitudeGeometry g = amplitudeGeometry(
            amplitudeFrame(1, 1, ChartMedium::Screen, {0, 0, logical.width(), logical.height()}));
        const DeviceRect top = rowLabelRect(g.plotRect, g.labels, amplitudeRowY(g, 12));
        const DeviceRect bottom = rowLabelRect(g.plotRect, g.labels, amplitudeRowY(g, 0));
        const QRect labels(QPoint(top.left, top.top), QPoint(bottom.right - 1, bottom.bottom - 1));
        const QRect one = inkBox(renderChartImage(logical, data, window.tools()), labels);
        const QRect two = inkBox(shown, QRect(labels.topLeft() * 2, labels.size() * 2));
        QVERIFY(one.height() > 100);
        const QString boxes = QStringLiteral("scale 1: %1,%2 %3x%4; scale 2: %5,%6 %7x%8")
            .arg(one.x()).arg(one.y()).arg(one.width()).arg(one.height())
            .arg(two.x()).arg(two.y()).arg(two.width()).arg(two.height());
        for (const auto &[edgeOne, edgeTwo] : {std::pair(one.left(), two.left()), std::pair(one.top(), two.top()),
                                               std::pair(one.right() + 1, two.right() + 1),
                                               std::pair(one.bottom() + 1, two.bottom() + 1)})
            QVERIFY2(std::abs(2 * edgeOne - edgeTwo) <= 2, qPrintable(boxes));
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
