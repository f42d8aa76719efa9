#include "lang/language.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QTranslator>

#include <clocale>
#include <cstdlib>

int languageIndex = 0;

void setLanguage(int language)
{
    Q_ASSERT(language >= 0 && language < languageCount);
    languageIndex = language;
    // One translator for the program's texts, replaced at every change; English is the source.
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (language == 0)
        return;
    const QString name = QStringLiteral(":/i18n/velkview_%1.qm").arg(QLatin1String(languages[language].code.data(), qsizetype(languages[language].code.size())));
    if (translator.load(name))
        QCoreApplication::installTranslator(&translator);
}

int languageFromCode(std::string_view code)
{
    for (int i = 0; i < languageCount; ++i) {
        if (languages[i].code == code)
            return i;
    }
    return -1;
}

int languageFromLocaleName(std::string_view localeName)
{
    // Windows locale names carry the English name of the language; the first one found decides.
    for (int i = 1; i < languageCount; ++i) {
        if (localeName.find(languages[i].englishName) != std::string_view::npos)
            return i;
    }
    // POSIX names start with the language code: ll[_CC][.codeset][@modifier].
    const int index = languageFromCode(localeName.substr(0, localeName.find_first_of("_.@")));
    return index < 0 ? 0 : index;
}

QString userLocaleName()
{
#ifdef Q_OS_WIN
    // The runtime library names the user's locale after the language in English.
    if (const char *name = std::setlocale(LC_ALL, ""))
        return QString::fromLocal8Bit(name);
#endif
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return QString::fromLocal8Bit(value);
    }
    return QStringLiteral("C");
}

int detectLanguage()
{
    // The name comes from the environment rather than from setlocale(), which answers "C"
    // when the user's locale is not installed on this machine.
    setLanguage(languageFromLocaleName(userLocaleName().toStdString()));
    fixNumericLocale();
    return languageIndex;
}

void fixNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}
