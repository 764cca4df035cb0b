// Choosing the program's language and loading its translations.
#include "ui/Language.h"

#include "model/Profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

struct Installed
{
    QString language = QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> toolkit;
};

Installed& Current()
{
    static Installed installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (!translator) return;
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

const QStringList& ProgramLanguages()
{
    static const QStringList languages = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("ja")};
    return languages;
}

QString ResolveLanguage(const QString& chosen, const QStringList& desktopLanguages)
{
    if (ProgramLanguages().contains(chosen)) return chosen;
    for (const QString& desktop : desktopLanguages) {
        // "de-DE", "de_AT" and "de" all are German.
        const QString language = desktop.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (ProgramLanguages().contains(language)) return language;
    }
    return QStringLiteral("en");
}

QString StoredLanguageChoice(ConfigStore& store)
{
    const QString stored = QString::fromStdString(store.Read(ProgramLanguageKey));
    return ProgramLanguages().contains(stored) ? stored : QString::fromLatin1(SystemLanguage);
}

void StoreLanguageChoice(ConfigStore& store, const QString& choice)
{
    store.Write(ProgramLanguageKey, choice.toStdString());
}

QStringList TranslationFolders()
{
    const QDir exeDir(QCoreApplication::applicationDirPath());
    return {exeDir.absoluteFilePath(QStringLiteral("translations")),
            QDir::cleanPath(exeDir.absoluteFilePath(QStringLiteral("../share/tslq/translations")))};
}

bool InstallTranslations(const QString& language, const QStringList& folders)
{
    Installed& current = Current();
    Remove(current.program);
    Remove(current.toolkit);
    current.language = QStringLiteral("en");
    if (language == current.language || !ProgramLanguages().contains(language)) return language == "en";
    // The help pages follow the choice even when a translation file is missing.
    current.language = language;

    bool found = false;
    auto program = std::make_unique<QTranslator>();
    for (const QString& folder : folders)
        if (program->load(QStringLiteral("tslq_") + language, folder)) {
            found = true;
            break;
        }
    if (found && QCoreApplication::installTranslator(program.get())) current.program = std::move(program);
    // Qt's own texts (standard buttons, file dialogs) even when ours are missing.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(toolkit.get()))
        current.toolkit = std::move(toolkit);
    return found;
}

QString InstalledLanguage()
{
    return Current().language;
}
