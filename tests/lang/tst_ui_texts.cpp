#include "lang/ui_texts.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdio>
#include <cstdlib>

class TestUiTexts : public QObject {
    Q_OBJECT

private slots:
    void localeNameSelectsLanguage_data();
    void localeNameSelectsLanguage();
    void environmentOrderDecides_data();
    void environmentOrderDecides();
    void nonAsciiTextsAreExact_data();
    void nonAsciiTextsAreExact();
    void textsWithSignificantBlanks();
    void everyTextMatchesTheTable();
    void numbersUseFullStopUnderCommaLocale();

private:
    void clearLocaleEnvironment();
};

void TestUiTexts::clearLocaleEnvironment()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        qunsetenv(name);
}

void TestUiTexts::localeNameSelectsLanguage_data()
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

void TestUiTexts::localeNameSelectsLanguage()
{
    QFETCH(QString, name);
    QFETCH(int, language);
    QCOMPARE(languageFromLocaleName(name.toStdString()), language);
}

void TestUiTexts::environmentOrderDecides_data()
{
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<int>("language");
    QTest::newRow("LANG only") << QByteArray() << QByteArray() << QByteArray("it_IT.UTF-8") << 3;
    QTest::newRow("LC_MESSAGES over LANG") << QByteArray() << QByteArray("fr_FR.UTF-8") << QByteArray("de_DE") << 2;
    QTest::newRow("LC_ALL over all") << QByteArray("es_ES") << QByteArray("fr_FR") << QByteArray("de_DE") << 4;
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << 0;
    QTest::newRow("uninstalled locale") << QByteArray("de_AT.ISO-8859-15@euro") << QByteArray() << QByteArray() << 1;
}

void TestUiTexts::environmentOrderDecides()
{
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(int, language);
    clearLocaleEnvironment();
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

void TestUiTexts::nonAsciiTextsAreExact_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("German invalid format") << 1 << int(UiText::InvalidFileFormat)
        << QByteArray("Ung\xC3\xBCltiges Dateiformat !\n\nDatensatz konnte nicht ge\xC3\xB6""ffnet werden.");
    QTest::newRow("German open error") << 1 << int(UiText::ErrorWhileOpeningFile) << QByteArray("Fehler beim \xC3\x96""ffnen !");
    QTest::newRow("German close") << 1 << int(UiText::CloseWindow) << QByteArray("Fenster schlie\xC3\x9F""en");
    QTest::newRow("German report") << 1 << int(UiText::MeasurementReport) << QByteArray("Me\xC3\x9Fprotokoll");
    QTest::newRow("French title") << 2 << int(UiText::OpenLogFiles) << QByteArray("Ouvrir le rapport d'\xC3\xA9v\xC3\xA8nements");
    QTest::newRow("French close") << 2 << int(UiText::CloseWindow) << QByteArray("Fermer la fen\xC3\xAAtre");
    QTest::newRow("Italian invalid") << 3 << int(UiText::InvalidFileFormat)
        << QByteArray("Formato file non valido!\n\nNon \xC3\xA8 stato possibile aprire i dati.");
    QTest::newRow("Spanish invalid") << 4 << int(UiText::InvalidFileFormat)
        << QByteArray("\xC2\xA1""Formato de archivo no v\xC3\xA1lido!\n\nNo pudo abrirse el conjunto de datos.");
    QTest::newRow("Spanish open title") << 4 << int(UiText::OpenLogFiles) << QByteArray("Abrir los archivos de conexi\xC3\xB3n");
    QTest::newRow("Spanish last files") << 4 << int(UiText::ShowLastFiles) << QByteArray("Mostrar los \xC3\xBAltimos archivos");
    QTest::newRow("Spanish report") << 4 << int(UiText::MeasurementReport) << QByteArray("Informe de medici\xC3\xB3n");
}

void TestUiTexts::nonAsciiTextsAreExact()
{
    QFETCH(int, language);
    QFETCH(int, row);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QByteArray(uiTexts[language][row]), bytes);
    QCOMPARE(uiText(language, UiText(row)), QString::fromUtf8(bytes));
}

void TestUiTexts::textsWithSignificantBlanks()
{
    QCOMPARE(QByteArray(uiTexts[0][int(UiText::Remarks)]), QByteArray("Remarks: "));
    QCOMPARE(QByteArray(uiTexts[1][int(UiText::Remarks)]), QByteArray("Bemerkungen: "));
    QCOMPARE(QByteArray(uiTexts[2][int(UiText::Remarks)]), QByteArray("Remarques:"));
    QCOMPARE(QByteArray(uiTexts[3][int(UiText::BearingType)]), QByteArray("Tipo cuscinetto"));
    QCOMPARE(QByteArray(uiTexts[3][int(UiText::FileFilter)]),
             QByteArray("VELKORA file (*_amp.txt) |*_amp.txt| File di testo (*.txt) |*.txt|Tutti i file (*.*) |*.*||"));
    QCOMPARE(QByteArray(uiTexts[4][int(UiText::FileFilter)]),
             QByteArray("Archivos VELKORA (*_amp.txt) |*_amp.txt| Archivos de texto (*.txt) |*.txt| Todos los archivos (*.*) |*.*||"));
    for (int language = 0; language < languageCount; ++language) {
        for (int row = 0; row < uiTextRowCount; ++row)
            QVERIFY2(uiTexts[language][row] && uiTexts[language][row][0], "every entry holds a text");
    }
}

void TestUiTexts::everyTextMatchesTheTable()
{
    // Every text as the stations show it today, one "language<TAB>row<TAB>text" line per entry, \n written as
    // backslash-n.
    QFile golden(QStringLiteral(VELKVIEW_SOURCE_DIR "/tests/lang/ui_texts_golden.tsv"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    int entries = 0;
    while (!golden.atEnd()) {
        const QByteArray line = golden.readLine().chopped(1);
        const QList<QByteArray> fields = line.split('\t');
        QCOMPARE(fields.size(), 3);
        const int language = fields[0].toInt();
        const int row = fields[1].toInt();
        const QByteArray expected = QByteArray(fields[2]).replace("\\n", "\n");
        QVERIFY2(QByteArray(uiTexts[language][row]) == expected,
                 qPrintable(QStringLiteral("language %1 row %2").arg(language).arg(row)));
        ++entries;
    }
    QCOMPARE(entries, languageCount * uiTextRowCount);
}

void TestUiTexts::numbersUseFullStopUnderCommaLocale()
{
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

QTEST_GUILESS_MAIN(TestUiTexts)
#include "tst_ui_texts.moc"
