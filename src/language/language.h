#pragma once

#include <QLocale>
#include <QString>

// The languages the game speaks and the one it speaks now. English is the
// source language; the others come from the translations built into the
// program. Qt's own texts (standard buttons, the file and colour dialogs)
// follow from the translations Qt installs on the system.
namespace Language {

struct Choice {
    const char *code;     // as the settings file stores it and the .qm files are named
    const char *ownName;  // the language's name in itself, UTF-8, with the menu's Alt letter
};

// In the order the Options > Language menu lists them, after "System
// Default" (whose letter is S).
inline constexpr Choice Choices[] = {
    {"en", "&English"},
    {"de", "&Deutsch"},
    {"es", "Es&pa\u00f1ol"},
    {"fr", "&Fran\u00e7ais"},
    {"pt_BR", "P&ortugu\u00eas (Brasil)"},
};

// The built-in language that the desktop asks for first: LANGUAGE, then
// LC_ALL, LC_MESSAGES and LANG, as Qt reads them into the system locale's
// UI languages. English when none of them names a language of the game.
QString systemLanguage();
// The first of `uiLanguages` (as QLocale::uiLanguages() gives them, "de-DE",
// "pt") that the game speaks; English when none.
QString fromUiLanguages(const QStringList &uiLanguages);

// The language to speak for the setting `Language`: a code of Choices, or
// empty (or unknown) for the system default.
QString resolve(const QString &setting);

// Makes `setting` the language of the whole application: removes the
// translators installed before and installs the game's and Qt's for the
// resolved language, which re-translates every window. Returns the code
// now in use.
QString apply(const QString &setting);

// The code in use (after apply(); "en" before) and its locale, for dates
// and numbers.
QString current();
QLocale locale();

} // namespace Language
