// The printed report page, checked call by call on a recording surface against hand-worked
// printer sizes. The charts draw first; the report's own calls are the tail of the recording.

#include "charts/chart_colours.h"
#include "charts/chart_tools.h"
#include "doubles/recording_surface.h"
#include "lang/language.h"
#include "report/report_layout.h"
#include "report/report_page.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <memory>

namespace {

QString rectText(const DeviceRect &r)
{
    return QStringLiteral("%1 %2 %3 %4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

const char *alignName(TextAlign align)
{
    switch (align) {
    case TextAlign::Left: return "L";
    case TextAlign::Centre: return "C";
    case TextAlign::Right: return "R";
    }
    return "?";
}

// Every recorded call as one line of text, so a mismatch prints both sides readably.
QString describe(const RecordingSurface::Record &r)
{
    using Kind = RecordingSurface::Kind;
    switch (r.kind) {
    case Kind::SelectPen:
        return QStringLiteral("pen %1,%2,%3 %4")
            .arg(r.pen.colour.red).arg(r.pen.colour.green).arg(r.pen.colour.blue).arg(r.pen.width);
    case Kind::SelectFont:
        return QStringLiteral("font %1 %2 %3 %4 %5")
            .arg(r.font.face).arg(r.font.height).arg(r.font.width).arg(r.font.weight)
            .arg(int(r.font.pitchAndFamily));
    case Kind::SetBackgroundMode:
        return r.backgroundMode == BackgroundMode::Transparent ? QStringLiteral("transparent")
                                                               : QStringLiteral("opaque");
    case Kind::SetTextColour:
        return QStringLiteral("textColour %1,%2,%3")
            .arg(r.colour.red).arg(r.colour.green).arg(r.colour.blue);
    case Kind::MoveTo: return QStringLiteral("moveTo %1 %2").arg(r.x1).arg(r.y1);
    case Kind::LineTo: return QStringLiteral("lineTo %1 %2").arg(r.x2).arg(r.y2);
    case Kind::DrawText:
        return QStringLiteral("text %1 %2 [%3]")
            .arg(rectText(r.rect), QLatin1String(alignName(r.align)), r.text);
    case Kind::DrawImage:
        return QStringLiteral("image %1 %2x%3")
            .arg(rectText(r.rect)).arg(r.imageSize.width()).arg(r.imageSize.height());
    case Kind::SelectBrush: return QStringLiteral("brush");
    case Kind::SetBackgroundColour: return QStringLiteral("background");
    case Kind::FillRectColour:
    case Kind::FillRectBrush: return QStringLiteral("fill ") + rectText(r.rect);
    case Kind::RoundRect: return QStringLiteral("roundRect ") + rectText(r.rect);
    }
    return QStringLiteral("?");
}

ReportContent sampleContent()
{
    ReportContent content;
    content.bearingType = QStringLiteral("6204-2RS");
    content.remarkLines[0] = QStringLiteral("first remark");
    content.remarkLines[1] = QStringLiteral("second remark");
    content.remarkLines[2] = QStringLiteral("third remark");
    content.ampFileTitle = QStringLiteral("w17_amp.txt");
    content.refFileTitle = QStringLiteral("w17_ref.txt");
    content.fileDateText = QStringLiteral("05.03.2014  9:07");
    content.printDateText = QStringLiteral("31.12.2024  23:59");
    return content;
}

// The report's own calls for a 4800 x 6800 printable area with sampleContent(), worked by hand.
QStringList expectedTail4800()
{
    return {
        QStringLiteral("textColour 0,0,0"),
        QStringLiteral("transparent"),
        QStringLiteral("pen 0,0,0 8"),
        QStringLiteral("moveTo 457 228"), QStringLiteral("lineTo 4571 228"),
        QStringLiteral("lineTo 4571 6639"), QStringLiteral("lineTo 457 6639"),
        QStringLiteral("lineTo 457 228"),
        QStringLiteral("image 480 251 908 663 247x237"),
        QStringLiteral("font Arial -137 -68 700 32"),
        QStringLiteral("moveTo 457 686"), QStringLiteral("lineTo 4571 686"),
        QStringLiteral("text 457 228 4571 686 C [VELKORA Measurement report]"),
        QStringLiteral("font Arial -91 -45 400 32"),
        QStringLiteral("pen 0,0,0 8"),
        QStringLiteral("moveTo 2514 686"), QStringLiteral("lineTo 2514 1417"),
        QStringLiteral("text 2628 720 4457 885 L [Remarks: ]"),
        QStringLiteral("moveTo 2628 851"), QStringLiteral("lineTo 4457 851"),
        QStringLiteral("font Pica -91 -45 400 48"),
        QStringLiteral("text 2628 885 4457 1050 L [first remark]"),
        QStringLiteral("moveTo 2628 1016"), QStringLiteral("lineTo 4457 1016"),
        QStringLiteral("text 2628 1050 4457 1215 L [second remark]"),
        QStringLiteral("moveTo 2628 1181"), QStringLiteral("lineTo 4457 1181"),
        QStringLiteral("text 2628 1215 4457 1380 L [third remark]"),
        QStringLiteral("moveTo 2628 1346"), QStringLiteral("lineTo 4457 1346"),
        QStringLiteral("font Arial -91 -45 400 32"),
        QStringLiteral("text 571 720 4571 886 L [Bearing type:]"),
        QStringLiteral("text 1201 720 4571 886 L [6204-2RS]"),
        QStringLiteral("moveTo 1201 852"), QStringLiteral("lineTo 1886 852"),
        QStringLiteral("text 571 885 4571 1051 L [Date:]"),
        QStringLiteral("text 1142 885 4571 1051 L [05.03.2014  9:07]"),
        QStringLiteral("text 571 1050 4571 1216 L [File:]"),
        QStringLiteral("text 1142 1050 4571 1216 L [w17_amp.txt]"),
        QStringLiteral("text 1142 1215 4571 1381 L [w17_ref.txt]"),
        QStringLiteral("pen 0,0,0 8"),
        QStringLiteral("moveTo 457 1415"), QStringLiteral("lineTo 4571 1415"),
        QStringLiteral("font Arial -45 -22 300 32"),
        QStringLiteral("text 457 6639 4571 6754 L [QEL VELKORA  -  Files: \"w17_amp.txt\" and "
                       "\"w17_ref.txt\"  -  Print date: 31.12.2024  23:59]"),
    };
}

} // namespace

class TestReportPage : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MeasurementSet> data_ = std::make_unique<MeasurementSet>();
    ChartTools tools_;

    QStringList drawPage(int horzRes, int vertRes, const ReportContent &content)
    {
        RecordingSurface page;
        drawReportPage(page, horzRes, vertRes, content, *data_, tools_);
        QStringList calls;
        for (const RecordingSurface::Record &record : page.records())
            calls << describe(record);
        return calls;
    }

    static QStringList texts(const QStringList &calls)
    {
        QStringList found;
        for (const QString &call : calls) {
            if (call.startsWith(QLatin1String("text ")))
                found << call.section(QLatin1Char('['), 1).chopped(1);
        }
        return found;
    }

private slots:
    void initTestCase()
    {
        tools_ = createChartTools();
        data_->ampCount = 3;
        data_->ampSeries[0][1] = 180.0;
        data_->ampSeries[0][2] = 359.0;
        data_->ampSeries[1][1] = 50.0;
    }
    void init() { setLanguage(0); }

    void drawsWholePageAsWorkedFor4800By6800()
    {
        const QStringList calls = drawPage(4800, 6800, sampleContent());
        const QStringList expected = expectedTail4800();
        QVERIFY(calls.size() > expected.size());   // the charts come first
        QCOMPARE(calls.mid(calls.size() - expected.size()), expected);
        // The logo comes from the library's resources, which Qt must have registered.
        QCOMPARE(reportLogo().size(), QSize(247, 237));
    }

    void layoutMatchesWorkedSizes_data()
    {
        QTest::addColumn<int>("horzRes");
        QTest::addColumn<int>("vertRes");
        QTest::addColumn<int>("pen");
        QTest::addColumn<QString>("frameCorners");
        QTest::addColumn<int>("closingY");
        QTest::addColumn<int>("dividerEnd");
        QTest::newRow("4800x6800") << 4800 << 6800 << 8 << QStringLiteral("457 228 4571 6639")
                                   << 1415 << 1417;
        QTest::newRow("2400x3400") << 2400 << 3400 << 4 << QStringLiteral("228 114 2285 3319")
                                   << 706 << 707;
    }
    void layoutMatchesWorkedSizes()
    {
        QFETCH(int, horzRes);
        QFETCH(int, vertRes);
        QFETCH(int, pen);
        QFETCH(QString, frameCorners);
        QFETCH(int, closingY);
        QFETCH(int, dividerEnd);
        const ReportLayout layout = computeReportLayout(horzRes, vertRes);
        QCOMPARE(layout.penWidth, pen);
        const DeviceRect corners{layout.frame[0].from.x, layout.frame[0].from.y,
                                 layout.frame[1].to.x, layout.frame[1].to.y};
        QCOMPARE(rectText(corners), frameCorners);
        QCOMPARE(layout.frame[3].to, layout.frame[0].from);   // the frame closes
        QCOMPARE(layout.closingLine.from.y, closingY);
        QCOMPARE(layout.divider.to.y, dividerEnd);
    }

    void penIsOnePixelUpTo560Across_data()
    {
        QTest::addColumn<int>("horzRes");
        QTest::addColumn<int>("width");
        QTest::newRow("10 pixels") << 10 << 1;
        QTest::newRow("560: exactly 1.0") << 560 << 1;
        QTest::newRow("561: just above 1.0") << 561 << 1;
        QTest::newRow("1119: 1.998 cut") << 1119 << 1;
        QTest::newRow("1120: exactly 2.0") << 1120 << 2;
        QTest::newRow("4800") << 4800 << 8;
    }
    void penIsOnePixelUpTo560Across()
    {
        QFETCH(int, horzRes);
        QFETCH(int, width);
        QCOMPARE(reportPenWidth(PageScale::fromPrintableArea(horzRes, 3400)), width);
    }

    void showsFileFormsAndCutsBlockTitles_data()
    {
        QTest::addColumn<QString>("ampTitle");
        QTest::addColumn<QString>("refTitle");
        QTest::addColumn<QStringList>("blockValues");   // file row, reference row
        QTest::addColumn<QString>("footer");
        const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwx_amp.txt").left(30);
        QTest::newRow("amplitude only") << QStringLiteral("a_amp.txt") << QString()
            << QStringList{QStringLiteral("a_amp.txt")}
            << QStringLiteral("QEL VELKORA  -  File: \"a_amp.txt\" -  Print date: P");
        QTest::newRow("both files") << QStringLiteral("a_amp.txt") << QStringLiteral("a_ref.txt")
            << QStringList{QStringLiteral("a_amp.txt"), QStringLiteral("a_ref.txt")}
            << QStringLiteral("QEL VELKORA  -  Files: \"a_amp.txt\" and \"a_ref.txt\"  -  Print date: P");
        QTest::newRow("30 characters: 24 in the block, all in the footer")
            << thirty << QString() << QStringList{thirty.left(24)}
            << QStringLiteral("QEL VELKORA  -  File: \"%1\" -  Print date: P").arg(thirty);
        QTest::newRow("24 characters stay whole") << thirty.left(24) << thirty.left(25)
            << QStringList{thirty.left(24), thirty.left(24)}
            << QStringLiteral("QEL VELKORA  -  Files: \"%1\" and \"%2\"  -  Print date: P")
                   .arg(thirty.left(24), thirty.left(25));
    }
    void showsFileFormsAndCutsBlockTitles()
    {
        QFETCH(QString, ampTitle);
        QFETCH(QString, refTitle);
        QFETCH(QStringList, blockValues);
        QFETCH(QString, footer);
        ReportContent content;
        content.bearingType = QStringLiteral("B");
        content.fileDateText = QStringLiteral("D");
        content.printDateText = QStringLiteral("P");
        content.ampFileTitle = ampTitle;
        content.refFileTitle = refTitle;
        const QStringList shown = texts(drawPage(4800, 6800, content));
        // The texts after "File:" up to the footer are the block's file values.
        const qsizetype fileLabel = shown.lastIndexOf(QStringLiteral("File:"));
        QVERIFY(fileLabel >= 0);
        QCOMPARE(shown.mid(fileLabel + 1, shown.size() - fileLabel - 2), blockValues);
        QCOMPARE(shown.last(), footer);
    }

    void emptyValuesDrawNothing()
    {
        ReportContent content;   // everything empty
        const QStringList shown = texts(drawPage(2400, 3400, content));
        const QStringList expected{QStringLiteral("VELKORA Measurement report"),
                                   QStringLiteral("Remarks: "), QStringLiteral("Bearing type:"),
                                   QStringLiteral("Date:"), QStringLiteral("File:"),
                                   QStringLiteral("QEL VELKORA  -  File: \"\" -  Print date: ")};
        QCOMPARE(shown.mid(shown.size() - expected.size()), expected);
    }

    // Character width 45 on the recording surface: the value stays at 1142 (50 mm) only when
    // label start 571 + 45 per label character + 45 reaches no further.
    void bearingValueClearsItsLabel_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("valueLeft");
        QTest::newRow("en: 13 characters") << 0 << 571 + 14 * 45;
        QTest::newRow("de: 10 characters, stays") << 1 << 1142;
        QTest::newRow("fr: 18 characters") << 2 << 571 + 19 * 45;
        QTest::newRow("it: 15 characters") << 3 << 571 + 16 * 45;
        QTest::newRow("es: 19 characters") << 4 << 571 + 20 * 45;
    }
    void bearingValueClearsItsLabel()
    {
        QFETCH(int, language);
        QFETCH(int, valueLeft);
        ReportContent content = sampleContent();
        content.bearingType = QStringLiteral("WWWWWWWWWWWW");
        // Everything but the texts, the value and its underline stays where English has it.
        struct Drawn {
            int valueLeft;
            QString underline;
            QStringList rest;
        };
        const auto drawnIn = [&](int index) {
            setLanguage(index);
            QStringList calls = drawPage(4800, 6800, content);
            const qsizetype at = calls.indexOf(QRegularExpression(QStringLiteral(".*\\[W{12}\\]")));
            const int left = calls.takeAt(at).section(QLatin1Char(' '), 1, 1).toInt();
            QString underline = calls.takeAt(at);
            underline += QStringLiteral(", ") + calls.takeAt(at);
            calls.replaceInStrings(QRegularExpression(QStringLiteral("\\[.*\\]")), QString());
            return Drawn{left, underline, calls};
        };
        const Drawn drawn = drawnIn(language);
        QCOMPARE(drawn.valueLeft, valueLeft);
        QCOMPARE(drawn.underline, QStringLiteral("moveTo %1 852, lineTo %2 852").arg(valueLeft).arg(valueLeft + 685));
        QCOMPARE(drawn.rest, drawnIn(0).rest);
    }

    void labelsFollowLanguageButTitlePrefixAndFooterDoNot()
    {
        setLanguage(1);
        const QStringList shown = texts(drawPage(4800, 6800, sampleContent()));
        QVERIFY(shown.contains(QString::fromUtf8("VELKORA Meßprotokoll")));
        for (const char *label : {"Bemerkungen: ", "Lager-Typ:", "Datum:", "Datei:"})
            QVERIFY2(shown.contains(QString::fromUtf8(label)), label);
        QVERIFY(!shown.contains(QStringLiteral("Bearing type:")));
        QCOMPARE(shown.last(), expectedTail4800().last().section(QLatin1Char('['), 1).chopped(1));
    }
};

QTEST_MAIN(TestReportPage)
#include "tst_report_page.moc"
