#pragma once

#include <QString>

#include <string_view>

// The five interface languages. Their texts live in Qt's translation files
// (translations/velkview_<code>.ts), built into the program; English is the source language.

inline constexpr int languageCount = 5;

// A language of the interface; its position in languages is its languageIndex.
struct Language {
    std::string_view code;          // for --language, POSIX locale names and translation files
    std::string_view name;          // in the language drop-down, UTF-8
    std::string_view englishName;   // as Windows locale names carry it
};

inline constexpr Language languages[languageCount] = {
    {"en", "English", "English"},
    {"de", "Deutsch", "German"},
    {"fr", "Fran\xC3\xA7" "ais", "French"},
    {"it", "Italiano", "Italian"},
    {"es", "Espanol", "Spanish"},
};

// The index of a language code (en, de, fr, it, es), or -1.
int languageFromCode(std::string_view code);

// The current interface language, 0 to 4. Set through setLanguage.
extern int languageIndex;

// Makes language (0 to 4) the interface language: sets languageIndex and installs the program's
// translations for it (English needs none). Qt then sends every widget a LanguageChange event.
// Needs the application object.
void setLanguage(int language);

// The language a locale name selects: Windows-style names by the English language name they
// carry ("German_Switzerland.1252" is German), POSIX names by their language code
// ("de_CH.UTF-8" is German); anything else is English (0).
int languageFromLocaleName(std::string_view localeName);

// The user's locale name: on Windows as the runtime library names it, elsewhere as the
// environment gives it: LC_ALL, else LC_MESSAGES, else LANG;
// "C" when none is set.
QString userLocaleName();

// Sets the language (setLanguage) from the first of the five listed in LANGUAGE (a colon-separated
// list such as "nl:de_AT"; ignored under the C or POSIX locale, as gettext does), else from the
// user's locale, and fixes the numeric locale to the full stop.
// Returns the index. Works whether or not the user's locale is installed.
int detectLanguage();

// Makes C number parsing and formatting use the full stop for the whole process.
void fixNumericLocale();
