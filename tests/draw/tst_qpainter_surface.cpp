#include "draw/font_matcher.h"
#include "draw/qpainter_surface.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QtMath>

#include <climits>
#include <functional>

namespace {

const QRgb white = qRgb(255, 255, 255);
const QRgb black = qRgb(0, 0, 0);

// Paints on a white image through a fresh surface.
QImage paint(QSize size, const std::function<void(QPainterSurface &)> &draw,
             QPainterSurface::WideLines wideLines = QPainterSurface::WideLines::Stamped,
             QImage::Format format = QImage::Format_RGB32,
             const std::function<void(QPainter &)> &prepare = {})
{
    QImage image(size, format);
    image.fill(white);
    QPainter painter(&image);
    if (prepare)
        prepare(painter);
    QPainterSurface surface(painter, wideLines);
    draw(surface);
    painter.end();
    return image;
}

int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

// The bounding box of the pixels that are not white.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != white)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestQPainterSurface : public QObject {
    Q_OBJECT

private slots:
    void hatchRunsFromUpperLeftToLowerRight();
    void opaqueHatchShowsBackgroundInItsGaps_data();
    void opaqueHatchShowsBackgroundInItsGaps();
    void hairlineLeavesOutItsEndPoint_data();
    void hairlineLeavesOutItsEndPoint();
    void widePenCoversItsWidth();
    void stampedSegmentsAreThePaintersPixels_data();
    void stampedSegmentsAreThePaintersPixels();
    void enlargingPainterDrawsThePictureEnlarged_data();
    void enlargingPainterDrawsThePictureEnlarged();
    void fillRectExcludesRightColumnAndBottomRow();
    void roundRectStaysInsideItsRectangle_data();
    void roundRectStaysInsideItsRectangle();
    void dashesRunOnAcrossSegments_data();
    void dashesRunOnAcrossSegments();
    void textStaysInsideItsRectangle_data();
    void textStaysInsideItsRectangle();
    void opaqueTextSitsOnTheBackgroundColour();
    void textWidthIsTheWidthDrawn();
    void hugeCoordinatesDrawWithoutCrashing();
    void fontsResolveToInstalledFacesAndSizes_data();
    void fontsResolveToInstalledFacesAndSizes();
};

void TestQPainterSurface::hatchRunsFromUpperLeftToLowerRight()
{
    const QImage image = paint({32, 32}, [](QPainterSurface &s) {
        s.setBackgroundMode(BackgroundMode::Opaque);
        s.setBackgroundColour({0, 255, 0});
        s.fillRect(DeviceRect{0, 0, 32, 32}, Brush{BrushStyle::ForwardDiagonal, {255, 0, 0}});
    });
    const QRgb red = qRgb(255, 0, 0);
    QCOMPARE(countPixels(image, red), 4 * 32);
    // Along a "\" line x - y stays constant (mod 8); along a "/" line x + y would.
    const QPoint first = [&] {
        for (int x = 0; x < 8; ++x)
            if (image.pixel(x, 0) == red)
                return QPoint(x, 0);
        return QPoint(-1, -1);
    }();
    QVERIFY(first.x() >= 0);
    for (int step = 1; step < 8; ++step)
        QCOMPARE(image.pixel(first.x() + step, step), red);
}

void TestQPainterSurface::opaqueHatchShowsBackgroundInItsGaps_data()
{
    QTest::addColumn<BackgroundMode>("mode");
    QTest::addColumn<QRgb>("gap");
    QTest::newRow("opaque: background colour") << BackgroundMode::Opaque << qRgb(128, 128, 128);
    QTest::newRow("transparent: what lies below") << BackgroundMode::Transparent << white;
}

void TestQPainterSurface::opaqueHatchShowsBackgroundInItsGaps()
{
    QFETCH(BackgroundMode, mode);
    QFETCH(QRgb, gap);
    const QImage image = paint({16, 16}, [&](QPainterSurface &s) {
        s.setBackgroundMode(mode);
        s.setBackgroundColour({128, 128, 128});
        s.fillRect(DeviceRect{0, 0, 16, 16}, Brush{BrushStyle::ForwardDiagonal, {220, 220, 220}});
    });
    QCOMPARE(countPixels(image, qRgb(220, 220, 220)), 2 * 16);
    QCOMPARE(countPixels(image, gap), 16 * 16 - 2 * 16);
}

void TestQPainterSurface::hairlineLeavesOutItsEndPoint_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("lastDrawn");
    QTest::newRow("rightwards") << QPoint(2, 5) << QPoint(10, 5) << QPoint(9, 5);
    QTest::newRow("leftwards") << QPoint(10, 5) << QPoint(2, 5) << QPoint(3, 5);
    QTest::newRow("downwards") << QPoint(4, 1) << QPoint(4, 12) << QPoint(4, 11);
    QTest::newRow("upwards") << QPoint(4, 12) << QPoint(4, 1) << QPoint(4, 2);
    QTest::newRow("diagonal") << QPoint(1, 1) << QPoint(9, 9) << QPoint(8, 8);
    QTest::newRow("diagonal up left") << QPoint(9, 9) << QPoint(1, 1) << QPoint(2, 2);
    QTest::newRow("one pixel") << QPoint(6, 6) << QPoint(7, 6) << QPoint(6, 6);
}

void TestQPainterSurface::hairlineLeavesOutItsEndPoint()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QPoint, lastDrawn);
    const QImage image = paint({16, 16}, [&](QPainterSurface &s) {
        s.selectPen({{0, 0, 0}, 1});
        s.moveTo(from.x(), from.y());
        s.lineTo(to.x(), to.y());
    });
    QCOMPARE(image.pixel(from), black);
    QCOMPARE(image.pixel(lastDrawn), black);
    QCOMPARE(image.pixel(to), white);
    const int length = qMax(qAbs(to.x() - from.x()), qAbs(to.y() - from.y()));
    QCOMPARE(countPixels(image, black), length);
}

void TestQPainterSurface::widePenCoversItsWidth()
{
    const QImage image = paint({40, 40}, [](QPainterSurface &s) {
        s.selectPen({{0, 0, 0}, 2});
        s.moveTo(5, 10);
        s.lineTo(35, 10);
        s.selectPen({{0, 0, 0}, 6});
        s.moveTo(20, 20);
        s.lineTo(20, 35);
    });
    int across = 0;
    for (int y = 0; y < 15; ++y)
        across += image.pixel(20, y) == black;
    QCOMPARE(across, 2);
    int wide = 0;
    for (int x = 10; x < 30; ++x)
        wide += image.pixel(x, 28) == black;
    QCOMPARE(wide, 6);
}

void TestQPainterSurface::stampedSegmentsAreThePaintersPixels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("format");
    QTest::addColumn<QPoint>("shift");
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("clipped");
    QTest::addColumn<bool>("stamps");
    QTest::newRow("2, RGB32") << 2 << int(QImage::Format_RGB32) << QPoint() << 1.0 << false << true;
    QTest::newRow("2, premultiplied, shifted") << 2 << int(QImage::Format_ARGB32_Premultiplied) << QPoint(7, -5) << 1.0 << false << true;
    QTest::newRow("3, ARGB32") << 3 << int(QImage::Format_ARGB32) << QPoint() << 1.0 << false << true;
    QTest::newRow("7, clip set") << 7 << int(QImage::Format_RGB32) << QPoint() << 1.0 << true << false;
    QTest::newRow("2, 16-bit image") << 2 << int(QImage::Format_RGB16) << QPoint() << 1.0 << false << false;
    QTest::newRow("2, scaled by 2") << 2 << int(QImage::Format_RGB32) << QPoint() << 2.0 << false << false;
}

// Every offset a curve's short segments take, long ones and ones cut by the image's edges, in
// two alternating colours, must come out as QPainter strokes them one by one.
void TestQPainterSurface::stampedSegmentsAreThePaintersPixels()
{
    QFETCH(int, width);
    QFETCH(int, format);
    QFETCH(QPoint, shift);
    QFETCH(double, scale);
    QFETCH(bool, clipped);
    QFETCH(bool, stamps);
    bool stamped = false;
    const auto draw = [&](QPainterSurface &s) {
        stamped = stamped || s.stampsWideLines();
        int step = 0;
        const auto segment = [&](int x, int y, int dx, int dy) {
            s.selectPen({++step % 2 ? Colour{200, 30, 30} : Colour{20, 20, 220}, width});
            s.moveTo(x, y);
            s.lineTo(x + dx, y + dy);
        };
        for (int dy = -20; dy <= 20; ++dy)
            for (int dx = -20; dx <= 20; ++dx)
                segment(150 + 5 * dx + dy, 120 + 5 * dy, dx, dy);
        for (const QPoint &edge : {QPoint(-3, 40), QPoint(40, -2), QPoint(298, 100), QPoint(100, 239)})
            for (int d = -8; d <= 8; d += 4)
                segment(edge.x(), edge.y(), d, 3 - d);
        segment(10, 10, 64, -64);
        segment(10, 200, 65, 0);
        segment(280, 5, -3, 230);
    };
    const auto prepare = [&](QPainter &painter) {
        painter.translate(shift);
        painter.scale(scale, scale);
        if (clipped)
            painter.setClipRect(30, 30, 200, 150);
    };
    const auto imageFormat = QImage::Format(format);
    const QImage painted = paint({300, 240}, draw, QPainterSurface::WideLines::PainterOnly, imageFormat, prepare);
    QVERIFY(!stamped);
    QCOMPARE(paint({300, 240}, draw, QPainterSurface::WideLines::Stamped, imageFormat, prepare), painted);
    QCOMPARE(stamped, stamps);
}

void TestQPainterSurface::enlargingPainterDrawsThePictureEnlarged_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("hairline");   // whole device pixels across a hairline
    QTest::newRow("2") << 2.0 << 2;
    QTest::newRow("1.5") << 1.5 << 1;
    QTest::newRow("3") << 3.0 << 3;
}

// As a window at a scale factor above 1 paints: every device pixel shows the unscaled picture's
// unit under it, except that a hairline keeps only as many whole pixels across as a unit holds
// (a sharp line of one width, wherever it falls).
void TestQPainterSurface::enlargingPainterDrawsThePictureEnlarged()
{
    QFETCH(double, scale);
    QFETCH(int, hairline);
    const auto draw = [](QPainterSurface &s) {
        s.setBackgroundMode(BackgroundMode::Opaque);
        s.setBackgroundColour({128, 128, 128});
        s.fillRect(DeviceRect{2, 2, 30, 20}, Brush{BrushStyle::ForwardDiagonal, {220, 220, 220}});
        s.fillRect(DeviceRect{33, 3, 38, 9}, Colour{255, 0, 0});
        s.selectPen({{0, 0, 0}, 1});
        for (const QLine &line : {QLine(1, 24, 38, 24), QLine(38, 27, 1, 27), QLine(35, 12, 35, 30),
                                  QLine(31, 30, 31, 12), QLine(5, 30, 6, 30)}) {
            s.moveTo(line.x1(), line.y1());
            s.lineTo(line.x2(), line.y2());
        }
        s.selectBrush({BrushStyle::Solid, {255, 128, 128}});
        s.roundRect({10, 28, 20, 33}, 0, 0);
    };
    const QImage unit = paint({40, 34}, draw);
    const QImage enlarged = paint({qCeil(40 * scale), qCeil(34 * scale)}, draw,
                                  QPainterSurface::WideLines::Stamped, QImage::Format_RGB32,
                                  [&](QPainter &painter) { painter.scale(scale, scale); });
    // A centre on the edge between two units belongs to the first, as Qt fills.
    const auto unitAt = [&](int pixel) { return qCeil((pixel + 0.5) / scale) - 1; };
    QPoint firstWrong(-1, -1);
    for (int y = 0; y < enlarged.height() && firstWrong.x() < 0; ++y)
        for (int x = 0; x < enlarged.width() && firstWrong.x() < 0; ++x) {
            const QRgb shown = enlarged.pixel(x, y);
            const QRgb expected = unit.pixel(unitAt(x), unitAt(y));
            // What a thinner hairline leaves of its units shows what lies beside: the
            // background, or a frame's fill.
            const bool beside = shown == white || shown == qRgb(255, 128, 128);
            if (shown != expected && !(expected == black && beside))
                firstWrong = QPoint(x, y);
        }
    QCOMPARE(firstWrong, QPoint(-1, -1));
    // Across the level line at unit row 24 and the plumb one at unit column 35, both at unit 20.
    const int middle = int(20.5 * scale);
    int across = 0;
    int down = 0;
    for (int i = 0; i < enlarged.height(); ++i)
        across += unitAt(i) == 24 && enlarged.pixel(middle, i) == black;
    for (int i = 0; i < enlarged.width(); ++i)
        down += unitAt(i) == 35 && enlarged.pixel(i, middle) == black;
    QCOMPARE(across, hairline);
    QCOMPARE(down, hairline);
}

void TestQPainterSurface::fillRectExcludesRightColumnAndBottomRow()
{
    const QImage image = paint({20, 20}, [](QPainterSurface &s) {
        s.fillRect(DeviceRect{2, 3, 12, 8}, Colour{0, 0, 0});
        s.fillRect(DeviceRect{15, 15, 15, 19}, Colour{0, 0, 0});   // empty: nothing
        s.fillRect(DeviceRect{18, 18, 16, 19}, Colour{0, 0, 0});   // inverted: nothing
    });
    QCOMPARE(inkBox(image), QRect(QPoint(2, 3), QPoint(11, 7)));
    QCOMPARE(countPixels(image, black), 10 * 5);
}

void TestQPainterSurface::roundRectStaysInsideItsRectangle_data()
{
    QTest::addColumn<BrushStyle>("style");
    QTest::addColumn<QRgb>("inside");
    QTest::newRow("filled") << BrushStyle::Solid << qRgb(255, 128, 128);
    QTest::newRow("hollow: outline only") << BrushStyle::Hollow << white;
}

void TestQPainterSurface::roundRectStaysInsideItsRectangle()
{
    QFETCH(BrushStyle, style);
    QFETCH(QRgb, inside);
    const QImage image = paint({20, 20}, [&](QPainterSurface &s) {
        s.selectPen({{0, 0, 0}, 1});
        s.selectBrush({style, {255, 128, 128}});
        s.roundRect({4, 4, 10, 10}, 6, 6);
    });
    const QRect box = inkBox(image);
    QVERIFY2(QRect(4, 4, 6, 6).contains(box), "the marker leaves its rectangle");
    QVERIFY(box.width() >= 5 && box.height() >= 5);
    QCOMPARE(image.pixel(7, 7), inside);
}

void TestQPainterSurface::dashesRunOnAcrossSegments_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("hairline") << 1;
    QTest::newRow("two units") << 2;
}

// A dashed curve of short segments shows the gaps of one long segment: each pen's pattern runs
// on from its last segment, also while another pen draws in between.
void TestQPainterSurface::dashesRunOnAcrossSegments()
{
    QFETCH(int, width);
    const Pen red{{255, 0, 0}, width, PenStyle::Dash};
    const Pen blue{{0, 0, 255}, width, PenStyle::Dash};
    const QImage whole = paint({64, 12}, [&](QPainterSurface &s) {
        s.selectPen(red);
        s.moveTo(2, 3);
        s.lineTo(62, 3);
        s.selectPen(blue);
        s.moveTo(2, 8);
        s.lineTo(62, 8);
    });
    const QImage pieces = paint({64, 12}, [&](QPainterSurface &s) {
        for (int x = 2; x < 62; x += 3) {
            s.selectPen(red);
            s.moveTo(x, 3);
            s.lineTo(x + 3, 3);
            s.selectPen(blue);
            s.moveTo(x, 8);
            s.lineTo(x + 3, 8);
        }
    });
    QCOMPARE(pieces, whole);
    int gaps = 0;
    for (int x = 2; x < 62; ++x)
        gaps += whole.pixel(x, 3) == white;
    QVERIFY2(gaps >= 8, qPrintable(QString::number(gaps)));
}

void TestQPainterSurface::textStaysInsideItsRectangle_data()
{
    QTest::addColumn<TextAlign>("align");
    QTest::addColumn<QString>("text");
    QTest::newRow("left, too long") << TextAlign::Left << QStringLiteral("WWWWWWWWWWWWWWWW");
    QTest::newRow("centre, too long") << TextAlign::Centre << QStringLiteral("MMMMMMMMMMMMMMMM");
    QTest::newRow("right, fits") << TextAlign::Right << QStringLiteral("40%");
}

void TestQPainterSurface::textStaysInsideItsRectangle()
{
    QFETCH(TextAlign, align);
    QFETCH(QString, text);
    const DeviceRect rect{20, 20, 80, 34};
    const QImage image = paint({120, 60}, [&](QPainterSurface &s) {
        s.selectFont({QStringLiteral("Arial"), -20, -10, 400, FontPitchFamily::SansSerif});
        s.setTextColour({0, 0, 0});
        s.setBackgroundMode(BackgroundMode::Transparent);
        s.drawText(rect, text, align);
    });
    const QRect box = inkBox(image);
    QVERIFY(!box.isEmpty());
    QVERIFY2(QRect(20, 20, 60, 14).contains(box), "text drawn outside its rectangle");
    if (align == TextAlign::Right)
        QVERIFY(box.right() >= 75);
}

void TestQPainterSurface::opaqueTextSitsOnTheBackgroundColour()
{
    const QRgb green = qRgb(0, 255, 0);
    const QImage image = paint({120, 60}, [](QPainterSurface &s) {
        s.selectFont({QStringLiteral("Arial"), -20, -10, 400, FontPitchFamily::SansSerif});
        s.setBackgroundMode(BackgroundMode::Opaque);
        s.setBackgroundColour({0, 255, 0});
        s.setTextColour({0, 0, 0});
        s.drawText({10, 10, 110, 50}, QStringLiteral("Ag"), TextAlign::Centre);
    });
    QVERIFY(countPixels(image, green) > 100);
    QVERIFY(QRect(10, 10, 100, 40).contains(inkBox(image)));
    QCOMPARE(image.pixel(12, 30), white);   // the cell is the text's, not the rectangle's
}

// Layouts place text after other text by this width, so it must be that of the stretched face
// actually drawn: the ink ends within a pixel or two of it.
void TestQPainterSurface::textWidthIsTheWidthDrawn()
{
    const QString text = QStringLiteral("Type de roulement:");
    int width = 0;
    const QImage image = paint({400, 40}, [&](QPainterSurface &s) {
        s.selectFont({QStringLiteral("Arial"), -20, -10, 400, FontPitchFamily::SansSerif});
        s.setBackgroundMode(BackgroundMode::Transparent);
        s.drawText({0, 0, 400, 40}, text, TextAlign::Left);
        width = s.textWidth(text);
    });
    const int inkRight = inkBox(image).right() + 1;
    QVERIFY2(inkRight <= width && width <= inkRight + 3, qPrintable(QStringLiteral("%1 %2").arg(inkRight).arg(width)));
}

void TestQPainterSurface::hugeCoordinatesDrawWithoutCrashing()
{
    const QImage image = paint({50, 50}, [](QPainterSurface &s) {
        s.selectPen({{0, 0, 0}, 2});
        s.moveTo(10, 10);
        s.lineTo(40, INT_MIN);
        s.lineTo(INT_MAX, INT_MAX);
        s.selectPen({{0, 0, 0}, 1});
        s.moveTo(INT_MIN, 25);
        s.lineTo(INT_MAX, 25);
        s.roundRect({INT_MAX - 3, INT_MIN, INT_MAX, INT_MIN + 3}, 6, 6);
        // Only the dashes that can show are drawn: all of them would take minutes.
        s.selectPen({{0, 0, 0}, 1, PenStyle::Dash});
        s.moveTo(INT_MIN, 40);
        s.lineTo(INT_MAX, 40);
    });
    // The horizontal hairline crosses the whole image, the dashed one in its pattern from x = 0.
    QCOMPARE(image.pixel(0, 25), black);
    QCOMPARE(image.pixel(49, 25), black);
    QCOMPARE(image.pixel(0, 40), black);
    QCOMPARE(image.pixel(5, 40), white);
    QCOMPARE(image.pixel(49, 40), black);
}

void TestQPainterSurface::fontsResolveToInstalledFacesAndSizes_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<QString>("family");
    const int sans = int(FontPitchFamily::SansSerif);
    const int modern = int(FontPitchFamily::Modern);
    QTest::newRow("screen labels") << "Arial" << -8 << -6 << 300 << sans << "Liberation Sans";
    QTest::newRow("screen title") << "Arial" << -20 << -10 << 300 << sans << "Liberation Sans";
    QTest::newRow("report title") << "Arial" << -137 << -68 << 700 << sans << "Liberation Sans";
    QTest::newRow("remarks") << "Pica" << -91 << -45 << 400 << modern << "Liberation Mono";
}

void TestQPainterSurface::fontsResolveToInstalledFacesAndSizes()
{
    QFETCH(QString, face);
    QFETCH(int, height);
    QFETCH(int, width);
    QFETCH(int, weight);
    QFETCH(int, pitch);
    QFETCH(QString, family);
    FontMatcher matcher;
    const QFont font =
        matcher.match({face, height, width, weight, static_cast<FontPitchFamily>(pitch)});
    QCOMPARE(QFontInfo(font).family(), family);
    QCOMPARE(font.pixelSize(), -height);
    QCOMPARE(int(font.weight()), weight);
    // The stretched face's average width, measured as for the request, meets it within 3 %.
    const double stretched = averageWidthPerEm(font) * font.pixelSize() * font.stretch() / 100.0;
    QVERIFY2(qAbs(stretched + width) <= 0.03 * -width + 0.01, qPrintable(QString::number(stretched)));
    // And the glyphs really are stretched by that factor.
    QFont natural = font;
    natural.setStretch(100);
    const QString sample = QStringLiteral("the quick brown fox jumps over the lazy dog");
    const double ratio =
        QFontMetricsF(font).horizontalAdvance(sample) / QFontMetricsF(natural).horizontalAdvance(sample);
    QVERIFY2(qAbs(ratio - font.stretch() / 100.0) < 0.1, qPrintable(QString::number(ratio)));
}

QTEST_MAIN(TestQPainterSurface)
#include "tst_qpainter_surface.moc"
