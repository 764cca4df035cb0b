// The language the program speaks: English, German or Japanese. By default
// the desktop's language, English when the program has no translation for
// it; the operator may choose one under Help > Program Language (kept under
// "ProgramLanguage" in the settings store, taken at the next start) or for
// one run with tslq --lang. Frequencies, channel labels, codes and what the
// program writes to files and the radio are the same in every language.
#pragma once

#include <QString>
#include <QStringList>

class ConfigStore;

// The settings key of the operator's choice: "system" (or no value), "en",
// "de" or "ja".
inline constexpr char ProgramLanguageKey[] = "ProgramLanguage";
inline constexpr char SystemLanguage[] = "system";

// The languages the program speaks, English first: "en", "de", "ja".
const QStringList& ProgramLanguages();

// The language to speak: `chosen` when the program speaks it, otherwise the
// first of the desktop's languages (QLocale::uiLanguages(): "de-DE", "ja",
// "en-US") that it speaks, otherwise English.
QString ResolveLanguage(const QString& chosen, const QStringList& desktopLanguages);

// The operator's stored choice ("system" when there is none or it is no
// language the program speaks), and storing one.
QString StoredLanguageChoice(ConfigStore& store);
void StoreLanguageChoice(ConfigStore& store, const QString& choice);

// Where the program's translations (tslq_de.qm, tslq_ja.qm) are looked for:
// beside the executable (the build tree), then where an installed program
// keeps them (../share/tslq/translations).
QStringList TranslationFolders();

// Makes the application speak a language: the program's translation from the
// first of `folders` that holds it and Qt's own (qtbase_de.qm, from Qt's
// translations folder). English removes any translation. Returns whether
// the program's translation was found (always true for English).
bool InstallTranslations(const QString& language, const QStringList& folders = TranslationFolders());

// The language installed last ("en" before any), also when its translation
// file was missing: the help pages follow it.
QString InstalledLanguage();
