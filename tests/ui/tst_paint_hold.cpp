#include "ui/paint_hold.h"

#include <QMessageBox>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>

namespace {

class CountingWindow : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

} // namespace

class TestPaintHold : public QObject {
    Q_OBJECT

private slots:
    void heldWindowPaintsOnceReleased_data();
    void heldWindowPaintsOnceReleased();
};

void TestPaintHold::heldWindowPaintsOnceReleased_data()
{
    QTest::addColumn<QString>("release");
    QTest::newRow("the cover paints") << "cover";
    QTest::newRow("the cover is hidden before it paints") << "hide";
    QTest::newRow("a modal dialog blocks the held window") << "dialog";
    QTest::newRow("nothing happens within the limit") << "limit";
}

// Whatever ends the hold, the held window has painted nothing before it and paints after it;
// a hold that is never released would leave a blank window on screen.
void TestPaintHold::heldWindowPaintsOnceReleased()
{
    QFETCH(QString, release);
    CountingWindow held;
    held.resize(200, 100);
    const int limitMs = release == QLatin1String("limit") ? 300 : 60000;
    PaintHold hold(&held, limitMs);
    held.show();
    QVERIFY(QTest::qWaitForWindowExposed(&held));
    QTest::qWait(50);
    QCOMPARE(held.paints, 0);

    CountingWindow cover;
    hold.releaseAfterPaintOf(&cover);
    if (release == QLatin1String("cover")) {
        cover.show();
    } else if (release == QLatin1String("hide")) {
        cover.setAttribute(Qt::WA_DontShowOnScreen);
        cover.show();
        cover.hide();
    } else if (release == QLatin1String("dialog")) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("m"), QMessageBox::Ok, &held);
        QTimer::singleShot(0, &box, &QDialog::accept);
        box.exec();
    }
    QTRY_VERIFY_WITH_TIMEOUT(held.paints > 0, 5000);
    QVERIFY(held.updatesEnabled());
}

QTEST_MAIN(TestPaintHold)
#include "tst_paint_hold.moc"
