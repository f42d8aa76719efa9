// The Print command with scripted dialogs, printing to PDF files, and the PDF writer.

#include "doubles/scripted_dialogs.h"
#include "lang/language.h"
#include "report/report_output.h"
#include "results/print_command.h"
#include "report/report_pdf.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <ctime>
#include <memory>

namespace {

QString pdfInfo(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    return process.waitForFinished(30000) ? QString::fromUtf8(process.readAllStandardOutput())
                                          : QString();
}

// A full measurement: the largest amplitude file and a reference part.
void fillLargest(MeasurementSet &data)
{
    data.ampCount = MeasurementSet::maxAmpCount;
    for (int i = 0; i < data.ampCount; ++i) {
        data.ampSeries[0][i] = 360.0 * i / data.ampCount;
        data.ampSeries[1][i] = 40.0 + 30.0 * std::sin(i / 50.0);
        data.ampSeries[2][i] = 35.0 + 20.0 * std::cos(i / 70.0);
    }
    data.refCount = 100;
    for (int i = 0; i < data.refCount; ++i) {
        data.refSeries[0][i] = 3.6 * i;
        for (int s = 1; s < 5; ++s)
            data.refSeries[s][i] = (i * s) % 7;
    }
}

} // namespace

class TestPrintCommand : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<MeasurementSet> data_ = std::make_unique<MeasurementSet>();
    ChartTools tools_;
    MeasurementFiles files_;
    ScriptedDialogs dialogs_;
    ReportTexts texts_;

    PrintJob job() { return PrintJob{nullptr, dialogs_, texts_, files_, *data_, tools_}; }
    QString outPath(const char *name) const { return dir_.filePath(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // The file date below is worked for UTC.
        qputenv("TZ", "UTC");
        tzset();
        tools_ = createChartTools();
        fillLargest(*data_);
        files_.ampFileTitle = QStringLiteral("bearing_0815_amp.txt");
        files_.refFileTitle = QStringLiteral("bearing_0815_ref.txt");
        files_.ampFileStatus.modificationTime = 1394010420;   // 5 March 2014, 09:07 UTC
    }
    void init()
    {
        setLanguage(0);
        dialogs_ = ScriptedDialogs();
        texts_.bearingType = QStringLiteral("stale");
    }

    void cancelInPrintDialogPrintsNothing()
    {
        dialogs_.dialogAnswer = answerTextDialog({QStringLiteral("X")}, true);
        int copies = 0;
        int resolution = 0;
        const QString path = outPath("cancelled.pdf");
        dialogs_.printAnswer = [&](QPrinter &printer) {
            copies = printer.copyCount();
            resolution = printer.resolution();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return false;
        };
        runPrintReport(job());
        QCOMPARE(dialogs_.printDialogCount, 1);
        QCOMPARE(copies, 1);
        QCOMPARE(resolution, 300);
        QCOMPARE(dialogs_.dialogCount, 1);
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(dialogs_.errors.size(), 0);
        QCOMPARE(texts_.bearingType, QStringLiteral("ZEPH X"));   // the texts stay in the window
    }

    void printsTheTypedTextsOnOnePage()
    {
        const QString path = outPath("typed.pdf");
        dialogs_.dialogAnswer = answerTextDialog(
            {QStringLiteral("6204"), QStringLiteral("first remark"), QString(),
             QStringLiteral("third remark")}, true);
        dialogs_.printAnswer = printToPdf(path);
        runPrintReport(job());
        QCOMPARE(dialogs_.printDialogCount, 1);
        SKIP_WITHOUT_PDF_READER();
        const QString info = pdfInfo(path);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Measurement report\\n"))),
                 qPrintable(info));
        const QString text = pdfText(path);
        for (const char *expected : {"ZEPH 6204", "first remark", "third remark", "05.03.2014",
                                     "Bearing type:", "Remarks:"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
    }

    void cancelledTextsStillPrintWithDefaults()
    {
        const QString path = outPath("defaults.pdf");
        dialogs_.dialogAnswer = answerTextDialog({QStringLiteral("typed"), QStringLiteral("gone")},
                                                 false);
        dialogs_.printAnswer = printToPdf(path);
        runPrintReport(job());
        QCOMPARE(texts_.bearingType, QStringLiteral("ZEPH "));
        QCOMPARE(texts_.remarkLines[0], QString());
        SKIP_WITHOUT_PDF_READER();
        const QString text = pdfText(path);
        QVERIFY(text.contains(QStringLiteral("ZEPH")));
        QVERIFY(!text.contains(QStringLiteral("gone")));
        QVERIFY(!text.contains(QStringLiteral("typed")));
    }

    void zeroPrintableAreaShowsMessageAndPrintsNothing_data()
    {
        QTest::addColumn<bool>("zeroWidth");
        QTest::newRow("no width") << true;
        QTest::newRow("no height") << false;
    }
    void zeroPrintableAreaShowsMessageAndPrintsNothing()
    {
        QFETCH(bool, zeroWidth);
        const QString path = outPath("zero.pdf");
        dialogs_.printAnswer = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            QPageLayout layout = printer.pageLayout();
            layout.setMode(QPageLayout::FullPageMode);
            layout.setUnits(QPageLayout::Millimeter);
            layout.setMargins(zeroWidth ? QMarginsF(210, 0, 0, 0) : QMarginsF(0, 297, 0, 0));
            layout.setMode(QPageLayout::StandardMode);
            printer.setPageLayout(layout);
            return true;
        };
        runPrintReport(job());
        QCOMPARE(dialogs_.errors.size(), 1);
        QCOMPARE(dialogs_.errors[0].caption, QStringLiteral("Error"));
        QCOMPARE(dialogs_.errors[0].text, QStringLiteral("Printer information missing."));
        QVERIFY(!QFileInfo::exists(path));
    }

    void failedPrintToFileSaysWhy()
    {
        const QString path = outPath("no such folder/report.pdf");
        dialogs_.printAnswer = printToPdf(path);
        runPrintReport(job());
        QCOMPARE(dialogs_.errors.size(), 1);
        QCOMPARE(dialogs_.errors[0].text, QStringLiteral("The file could not be saved."));
        QVERIFY(dialogs_.errors[0].details.startsWith(QDir::toNativeSeparators(path) + QLatin1Char('\n')));
        QVERIFY(!QFileInfo::exists(path));
    }

    void writesOneA4PagePdf_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("English") << 0
            << QStringList{QStringLiteral("VELKORA Measurement report"),
                           QStringLiteral("Bearing type:"), QStringLiteral("Date:"),
                           QStringLiteral("File:"), QStringLiteral("Remarks:"),
                           QStringLiteral("123456789012"), QStringLiteral("remark one"),
                           QStringLiteral("bearing_0815_amp.txt"),
                           QStringLiteral("QEL VELKORA - Files: \"bearing_0815_amp.txt\" and "
                                          "\"bearing_0815_ref.txt\" - Print date:")};
        QTest::newRow("German") << 1
            << QStringList{QString::fromUtf8("VELKORA Meßprotokoll"), QStringLiteral("Lager-Typ:"),
                           QStringLiteral("Datum:"), QStringLiteral("Datei:"),
                           QStringLiteral("QEL VELKORA - Files:")};
    }
    void writesOneA4PagePdf()
    {
        QFETCH(int, language);
        QFETCH(QStringList, expected);
        setLanguage(language);
        const QString path = outPath("written.pdf");
        ReportTexts texts;
        texts.bearingType = QStringLiteral("1234567890123");   // 13: one too many
        texts.remarkLines[0] = QStringLiteral("remark one");
        texts.remarkLines[2] = QString(45, QLatin1Char('r'));
        QCOMPARE(writeReportPdf(path, texts, *data_, files_, tools_), QString());

        SKIP_WITHOUT_PDF_READER();
        const QString info = pdfInfo(path);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        const QString title = QStringLiteral("Title:\\s+%1\\n").arg(QCoreApplication::translate("Report", "Measurement report"));
        QVERIFY2(info.contains(QRegularExpression(title)), qPrintable(info));
        // Blanks are collapsed: the text extractor does not keep runs of blanks.
        const QString text = pdfText(path).simplified();
        for (const QString &piece : expected)
            QVERIFY2(text.contains(piece), qPrintable(piece));
        QVERIFY(!text.contains(QStringLiteral("1234567890123")));
        QVERIFY(text.contains(QString(40, QLatin1Char('r'))));
        QVERIFY(!text.contains(QString(41, QLatin1Char('r'))));

        const qint64 size = QFileInfo(path).size();
        qInfo("PDF with %d samples: %lld bytes", data_->ampCount, size);
        QVERIFY(size <= 300 * 1024);
    }

    void unwritablePdfPathFails()
    {
        QCOMPARE(writeReportPdf(outPath("missing/dir/out.pdf"), ReportTexts(), *data_, files_, tools_),
                 QStringLiteral("No such file or directory"));
    }
};

QTEST_MAIN(TestPrintCommand)
#include "tst_print_command.moc"
