// Date texts and the footer line of the printed report.

#include "report/report_texts.h"

#include <QDateTime>
#include <QTest>

#include <cstdlib>
#include <limits>
#include <ctime>

namespace {

void useTimeZone(const char *zone)
{
    qputenv("TZ", zone);
    tzset();
}

int64_t utcSeconds(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC)
        .toSecsSinceEpoch();
}

} // namespace

class TestReportTexts : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { useTimeZone("UTC"); }

    void cutsWithoutSplittingSurrogatePairs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bearingTypeLength");   // UTF-16 units kept of the 12 allowed
        const QString pair = QString::fromUtf8("\xF0\x9F\x98\x80");   // two units
        QTest::newRow("ASCII cut at the limit") << QStringLiteral("1234567890123") << 12;
        QTest::newRow("pair across the limit") << QString(11, QLatin1Char('x')) + pair << 11;
        QTest::newRow("pair ending at the limit") << QString(10, QLatin1Char('x')) + pair + QLatin1Char('y') << 12;
        QTest::newRow("lone first half at the end") << QStringLiteral("ab") + pair.at(0) << 2;
    }
    void cutsWithoutSplittingSurrogatePairs()
    {
        QFETCH(QString, text);
        QFETCH(int, bearingTypeLength);
        ReportTexts texts;
        texts.bearingType = text;
        texts.remarkLines[1] = QString(28, QLatin1Char('r')) + text;   // the same cut 28 units later
        const ReportTexts cut = texts.cut();
        QCOMPARE(cut.bearingType, text.left(bearingTypeLength));
        QCOMPARE(cut.remarkLines[1], texts.remarkLines[1].left(28 + bearingTypeLength));
        QCOMPARE(blockTitle(QString(12, QLatin1Char('t')) + text), QString(12, QLatin1Char('t')) + text.left(bearingTypeLength));
    }

    void formatsLocalDates_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("one-digit day, month, hour") << QByteArray("UTC")
            << qint64(utcSeconds(2014, 3, 5, 9, 7)) << QStringLiteral("05.03.2014  9:07");
        QTest::newRow("two-digit everything") << QByteArray("UTC")
            << qint64(utcSeconds(2023, 12, 31, 23, 59)) << QStringLiteral("31.12.2023  23:59");
        QTest::newRow("just after midnight") << QByteArray("UTC")
            << qint64(utcSeconds(2020, 1, 10, 0, 5)) << QStringLiteral("10.01.2020  0:05");
        // Three hours east of UTC: the local calendar, not UTC, is printed.
        QTest::newRow("local zone moves the day") << QByteArray("XYZ-3")
            << qint64(utcSeconds(2023, 12, 31, 22, 30)) << QStringLiteral("01.01.2024  1:30");
        QTest::newRow("epoch") << QByteArray("UTC") << qint64(0)
            << QStringLiteral("01.01.1970  0:00");
    }
    void formatsLocalDates()
    {
        QFETCH(QByteArray, zone);
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        useTimeZone(zone.constData());
        QCOMPARE(reportDateText(seconds), text);
    }

    void unconvertibleTimeGivesEmptyText()
    {
        useTimeZone("UTC");
        // Far beyond any calendar year the platform can hold.
        QCOMPARE(reportDateText(std::numeric_limits<int64_t>::max()), QString());
    }

    void buildsFooterForms_data()
    {
        QTest::addColumn<QString>("amp");
        QTest::addColumn<QString>("ref");
        QTest::addColumn<QString>("line");
        QTest::newRow("one file: single blank before the hyphen")
            << QStringLiteral("x_amp.txt") << QString()
            << QStringLiteral("QEL VELKORA  -  File: \"x_amp.txt\" -  Print date: 05.03.2014  9:07");
        QTest::newRow("two files")
            << QStringLiteral("x_amp.txt") << QStringLiteral("x_ref.txt")
            << QStringLiteral("QEL VELKORA  -  Files: \"x_amp.txt\" and \"x_ref.txt\"  -  "
                              "Print date: 05.03.2014  9:07");
        QTest::newRow("placeholders in titles stay literal")
            << QStringLiteral("%1_amp.txt") << QStringLiteral("%2_ref.txt")
            << QStringLiteral("QEL VELKORA  -  Files: \"%1_amp.txt\" and \"%2_ref.txt\"  -  "
                              "Print date: 05.03.2014  9:07");
    }
    void buildsFooterForms()
    {
        QFETCH(QString, amp);
        QFETCH(QString, ref);
        QFETCH(QString, line);
        QCOMPARE(reportFooterLine(amp, ref, QStringLiteral("05.03.2014  9:07")), line);
    }
};

QTEST_GUILESS_MAIN(TestReportTexts)
#include "tst_report_texts.moc"
