#include "lang/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QXmlStreamReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void localeNameSelectsLanguage_data();
    void localeNameSelectsLanguage();
    void environmentOrderDecides_data();
    void environmentOrderDecides();
    void everyTextIsTranslatedAsBefore();
    void numbersUseFullStopUnderCommaLocale();

private:
    void clearLocaleEnvironment();
};

void TestLanguage::clearLocaleEnvironment()
{
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        qunsetenv(name);
}

void TestLanguage::localeNameSelectsLanguage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("language");
    QTest::newRow("de_CH.UTF-8") << QStringLiteral("de_CH.UTF-8") << 1;
    QTest::newRow("fr_FR") << QStringLiteral("fr_FR") << 2;
    QTest::newRow("it_IT.UTF-8") << QStringLiteral("it_IT.UTF-8") << 3;
    QTest::newRow("es_ES") << QStringLiteral("es_ES") << 4;
    QTest::newRow("de@euro") << QStringLiteral("de@euro") << 1;
    QTest::newRow("nl_NL.UTF-8") << QStringLiteral("nl_NL.UTF-8") << 0;
    QTest::newRow("C") << QStringLiteral("C") << 0;
    QTest::newRow("POSIX") << QStringLiteral("POSIX") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("German_Switzerland.1252") << QStringLiteral("German_Switzerland.1252") << 1;
    QTest::newRow("French_Canada.1252") << QStringLiteral("French_Canada.1252") << 2;
    QTest::newRow("Spanish_Spain.1252") << QStringLiteral("Spanish_Spain.1252") << 4;
    QTest::newRow("Dutch_Netherlands.1252") << QStringLiteral("Dutch_Netherlands.1252") << 0;
    QTest::newRow("dessert is not German") << QStringLiteral("dessert") << 0;
    QTest::newRow("esperanto code eo") << QStringLiteral("eo") << 0;
}

void TestLanguage::localeNameSelectsLanguage()
{
    QFETCH(QString, name);
    QFETCH(int, language);
    QCOMPARE(languageFromLocaleName(name.toStdString()), language);
}

void TestLanguage::environmentOrderDecides_data()
{
    QTest::addColumn<QByteArray>("languageList");
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<int>("language");
    QTest::newRow("LANG only") << QByteArray() << QByteArray() << QByteArray() << QByteArray("it_IT.UTF-8") << 3;
    QTest::newRow("LC_MESSAGES over LANG") << QByteArray() << QByteArray() << QByteArray("fr_FR.UTF-8") << QByteArray("de_DE") << 2;
    QTest::newRow("LC_ALL over all") << QByteArray() << QByteArray("es_ES") << QByteArray("fr_FR") << QByteArray("de_DE") << 4;
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << QByteArray() << 0;
    QTest::newRow("uninstalled locale") << QByteArray() << QByteArray("de_AT.ISO-8859-15@euro") << QByteArray() << QByteArray() << 1;
    QTest::newRow("LANGUAGE: first of ours over LC_ALL") << QByteArray("nl:de_AT:fr") << QByteArray("es_ES") << QByteArray() << QByteArray() << 1;
    QTest::newRow("LANGUAGE: English listed first") << QByteArray("en_GB:de") << QByteArray() << QByteArray() << QByteArray("de_DE") << 0;
    QTest::newRow("LANGUAGE: none of ours") << QByteArray("nl:pt_BR") << QByteArray() << QByteArray() << QByteArray("it_IT") << 3;
    QTest::newRow("LANGUAGE: ignored under C") << QByteArray("de") << QByteArray("C") << QByteArray() << QByteArray("fr_FR") << 0;
}

void TestLanguage::environmentOrderDecides()
{
    QFETCH(QByteArray, languageList);
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(int, language);
#ifdef Q_OS_WIN
    QSKIP("Windows names the user's locale itself; the environment is not asked there");
#endif
    clearLocaleEnvironment();
    if (!languageList.isEmpty())
        qputenv("LANGUAGE", languageList);
    if (!lcAll.isEmpty())
        qputenv("LC_ALL", lcAll);
    if (!lcMessages.isEmpty())
        qputenv("LC_MESSAGES", lcMessages);
    if (!lang.isEmpty())
        qputenv("LANG", lang);
    languageIndex = -1;
    QCOMPARE(detectLanguage(), language);
    QCOMPARE(languageIndex, language);
    clearLocaleEnvironment();
}

// Every text exactly as the stations showed it when the texts were a table in the program, one
// "language<TAB>row<TAB>text" line per entry with \n written as backslash-n: each English text
// is a source text of the translation files, and each of its entries there, in any context,
// translates to that row's text once the program's translations are installed.
void TestLanguage::everyTextIsTranslatedAsBefore()
{
    QFile golden(QStringLiteral(VELKVIEW_SOURCE_DIR "/tests/lang/ui_texts_golden.tsv"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QMap<int, QMap<int, QString>> table;   // language, row, text
    while (!golden.atEnd()) {
        const QList<QByteArray> fields = golden.readLine().chopped(1).split('\t');
        QCOMPARE(fields.size(), 3);
        table[fields[0].toInt()][fields[1].toInt()] = QString::fromUtf8(QByteArray(fields[2]).replace("\\n", "\n"));
    }
    QCOMPARE(table.size(), languageCount);
    for (int language = 1; language < languageCount; ++language) {
        const QString code = QString::fromLatin1(languages[language].code.data(), qsizetype(languages[language].code.size()));
        QFile ts(QStringLiteral(VELKVIEW_SOURCE_DIR "/translations/velkview_%1.ts").arg(code));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QMultiMap<QString, QString> contextsOf;   // source text, context
        QXmlStreamReader xml(&ts);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                contextsOf.insert(xml.readElementText(), context);
            else if (xml.name() == QLatin1String("translation"))   // none unfinished or obsolete
                QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(code));
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        setLanguage(language);
        for (auto row = table[0].cbegin(); row != table[0].cend(); ++row) {
            const QStringList contexts = contextsOf.values(row.value());
            QVERIFY2(!contexts.isEmpty(), qPrintable(QStringLiteral("no entry for row %1").arg(row.key())));
            for (const QString &in : contexts) {
                QCOMPARE(QCoreApplication::translate(in.toUtf8().constData(), row.value().toUtf8().constData()),
                         table[language][row.key()]);
            }
        }
        // No text of the program lacks its row.
        for (const QString &source : contextsOf.uniqueKeys())
            QVERIFY2(std::find(table[0].cbegin(), table[0].cend(), source) != table[0].cend(), qPrintable(source));
    }
    setLanguage(0);
}

void TestLanguage::numbersUseFullStopUnderCommaLocale()
{
#ifdef Q_OS_WIN
    // Windows has its comma locales built in.
    QVERIFY(std::setlocale(LC_ALL, "German_Germany.1252") != nullptr);
    QCOMPARE(std::strtod("1.5", nullptr), 1.0);
    fixNumericLocale();
    QCOMPARE(std::strtod("1.5", nullptr), 1.5);
    std::setlocale(LC_ALL, "C");
    return;
#endif
    // A real comma locale, built where no system change is needed.
    QTemporaryDir localeDir;
    QVERIFY(localeDir.isValid());
    const int status = QProcess::execute(QStringLiteral("localedef"),
        {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
         localeDir.filePath(QStringLiteral("de_DE.UTF-8"))});
    QCOMPARE(status, 0);
    qputenv("LOCPATH", localeDir.path().toLocal8Bit());
    clearLocaleEnvironment();
    qputenv("LC_ALL", "de_DE.UTF-8");

    // What the application object does on start-up: the comma takes over.
    QVERIFY(std::setlocale(LC_ALL, "") != nullptr);
    QCOMPARE(std::strtod("1.5", nullptr), 1.0);

    QCOMPARE(detectLanguage(), 1);
    QCOMPARE(std::strtod("1.5", nullptr), 1.5);
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", 45.5);
    QCOMPARE(QByteArray(text), QByteArray("45.50"));

    std::setlocale(LC_ALL, "C");
    qunsetenv("LOCPATH");
    clearLocaleEnvironment();
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
