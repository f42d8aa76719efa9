#include "lang/language.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QTranslator>

#include <algorithm>
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

// The first of our languages in a LANGUAGE list such as "nl:de_AT:fr", or -1.
static int languageFromList(std::string_view list)
{
    while (!list.empty()) {
        const std::string_view entry = list.substr(0, list.find(':'));
        const int index = languageFromCode(entry.substr(0, entry.find_first_of("_.@")));
        if (index >= 0)
            return index;
        list.remove_prefix(std::min(list.size(), entry.size() + 1));
    }
    return -1;
}

int detectLanguage()
{
    // LANGUAGE is the user's order of interface languages, read before the locale as gettext
    // and Qt read it. Under the C locale gettext ignores it, so that a script's LC_ALL=C gets
    // the untranslated texts; so do we. The names come from the environment rather than from
    // setlocale(), which answers "C" when the user's locale is not installed here.
    const QString localeName = userLocaleName();
    int language = -1;
    if (localeName != QLatin1String("C") && localeName != QLatin1String("POSIX"))
        language = languageFromList(qgetenv("LANGUAGE").toStdString());
    setLanguage(language >= 0 ? language : languageFromLocaleName(localeName.toStdString()));
    fixNumericLocale();
    return languageIndex;
}

void fixNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}
