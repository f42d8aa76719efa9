#include "data/file_name_case.h"
#include "data/ref_path.h"

#include <QTest>

class TestRefPath : public QObject {
    Q_OBJECT

private slots:
    void derivesRefPath_data();
    void derivesRefPath();
};

void TestRefPath::derivesRefPath_data()
{
    QTest::addColumn<QString>("ampPath");
    QTest::addColumn<QString>("refPath");

    QTest::newRow("plain pair") << QStringLiteral("/data/run7_amp.txt")
                                << QStringLiteral("/data/run7_ref.txt");
    QTest::newRow("Windows path") << QStringLiteral("C:\\VELKORA\\b_amp.txt")
                                  << QStringLiteral("C:\\VELKORA\\b_ref.txt");
    QTest::newRow("directory names are not searched")
        << QStringLiteral("/data/run_amp.txt.old/b_amp.txt")
        << QStringLiteral("/data/run_amp.txt.old/b_ref.txt");
    QTest::newRow("Windows directory names are not searched")
        << QStringLiteral("D:\\run_amp.txt.old\\b_amp.txt")
        << QStringLiteral("D:\\run_amp.txt.old\\b_ref.txt");
    QTest::newRow("suffix only in a directory name")
        << QStringLiteral("/data/x_amp.txt/readme.txt") << QString();
    QTest::newRow("first occurrence in the name counts")
        << QStringLiteral("/d/a_amp.txt_amp.txt") << QStringLiteral("/d/a_ref.txt");
    QTest::newRow("anything after the suffix is dropped")
        << QStringLiteral("x_amp.txt.bak") << QStringLiteral("x_ref.txt");
    QTest::newRow("bare suffix") << QStringLiteral("_amp.txt") << QStringLiteral("_ref.txt");
    // Names compare as the file system compares them: exactly here, without case on Windows.
    const bool withoutCase = fileNameCase() == Qt::CaseInsensitive;
    QTest::newRow("capitals") << QStringLiteral("B_AMP.TXT") << (withoutCase ? QStringLiteral("B_ref.txt") : QString());
    QTest::newRow("mixed case") << QStringLiteral("b_Amp.txt") << (withoutCase ? QStringLiteral("b_ref.txt") : QString());
    QTest::newRow("no suffix") << QStringLiteral("/data/run7.txt") << QString();
    QTest::newRow("reference file itself") << QStringLiteral("run7_ref.txt") << QString();
    QTest::newRow("empty path") << QString() << QString();
    QTest::newRow("non-ASCII name") << QStringLiteral("/data/Prüfung 3_amp.txt")
                                    << QStringLiteral("/data/Prüfung 3_ref.txt");
}

void TestRefPath::derivesRefPath()
{
    QFETCH(QString, ampPath);
    QFETCH(QString, refPath);
    QCOMPARE(deriveRefPath(ampPath), refPath);
}

QTEST_GUILESS_MAIN(TestRefPath)
#include "tst_ref_path.moc"
