// The program's language: which one it speaks, the Program Language menu,
// the translations it loads and the help pages of each language.
#include "ui/Language.h"
#include "mainwin/HelpViewer.h"
#include "mainwin/MainTestSupport.h"
#include "support/Speaking.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

using tslq::test::BuiltTranslations;
using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::SpeakEnglishAfter;
using tslq::test::StoreFor;

TEST(Language, TheChoiceElseTheDesktopsElseEnglish)
{
    const struct
    {
        const char* chosen;
        QStringList desktop;
        const char* spoken;
    } cases[] = {
        {"de", {"ja-JP"}, "de"},
        {"en", {"de-DE"}, "en"},
        {"system", {"ja-JP", "en-US"}, "ja"},
        {"system", {"fr-FR", "de-AT"}, "de"}, // the first the program speaks
        {"", {"de_CH"}, "de"},
        {"system", {"fr-FR", "pt-BR"}, "en"},
        {"fr", {"en-GB", "ja"}, "en"},
        {"system", {}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveLanguage(QString::fromLatin1(c.chosen), c.desktop), c.spoken) << c.chosen;

    MemoryConfigStore store;
    EXPECT_EQ(StoredLanguageChoice(store), "system");
    StoreLanguageChoice(store, QStringLiteral("ja"));
    EXPECT_EQ(store.Read("ProgramLanguage"), "ja");
    EXPECT_EQ(StoredLanguageChoice(store), "ja");
    store.Write("ProgramLanguage", "klingon");
    EXPECT_EQ(StoredLanguageChoice(store), "system");
}

TEST(Language, LoadsTheProgramsAndQtsTranslations)
{
    SpeakEnglishAfter english;
    const char* yes = "&Yes";
    ASSERT_EQ(QCoreApplication::translate("QPlatformTheme", yes), "&Yes");
    EXPECT_TRUE(
        InstallTranslations(QStringLiteral("ja"), {QStringLiteral("/nonexistent"), BuiltTranslations()}));
    EXPECT_EQ(InstalledLanguage(), "ja");
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", yes), "&Yes");
    // Without the program's file Qt's texts still change, and the help pages
    // still follow the language.
    EXPECT_FALSE(InstallTranslations(QStringLiteral("de"), {QStringLiteral("/nonexistent")}));
    EXPECT_EQ(InstalledLanguage(), "de");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", yes), "&Ja");
    EXPECT_TRUE(InstallTranslations(QStringLiteral("en")));
    EXPECT_EQ(InstalledLanguage(), "en");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", yes), "&Yes");
}

TEST(Language, TheHelpMenuStoresTheChoiceForTheNextStart)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    store->Write("ProgramLanguage", "de");
    auto form = MakeMainForm(*store);
    QMenu* languages = nullptr;
    for (QAction* item : form->helpMenu_->actions())
        if (item->menu() && item->text() == "Program &Language") languages = item->menu();
    ASSERT_NE(languages, nullptr);
    QStringList texts;
    QString checked;
    for (QAction* item : languages->actions()) {
        texts << item->text();
        EXPECT_TRUE(item->isCheckable());
        if (item->isChecked()) checked += item->text();
    }
    EXPECT_EQ(texts, QStringList({"&System", "English", "Deutsch", "日本語"}));
    EXPECT_EQ(checked, "Deutsch");

    MessageRecorder messages;
    languages->actions()[3]->trigger();
    EXPECT_EQ(store->Read("ProgramLanguage"), "ja");
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), "The program language will change the next time TSL-Q2/Q3 starts.");
    EXPECT_FALSE(languages->actions()[2]->isChecked());
    languages->actions()[0]->trigger();
    EXPECT_EQ(store->Read("ProgramLanguage"), "system");
    // The radio's own menu setting "Language" is another thing.
    EXPECT_EQ(store->Read("Language"), "");
}

TEST(Language, HelpPagesOfTheLanguageAndEnglishWhereOneIsMissing)
{
    SpeakEnglishAfter english;
    QTemporaryDir help;
    const auto write = [&help](const QString& name, const QByteArray& text) {
        QDir(help.path()).mkpath(QFileInfo(name).path());
        QFile file(help.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("contexts.txt", "5 radio.html\n6 file.html#save\n");
    write("index.html", "<p>Contents</p><a href=\"radio.html\">radio</a>");
    write("radio.html", "<p>Reading the radio</p>");
    write("file.html", "<p>Saving a file</p><a name=\"save\"></a>");
    write("de/index.html", "<p>Inhalt</p><a href=\"radio.html\">Funkgerät</a>");
    write("de/file.html", "<p>Eine Datei speichern</p><a name=\"save\"></a>");

    InstallTranslations(QStringLiteral("de"), {});
    HelpViewer viewer(help.path());
    ASSERT_TRUE(viewer.ShowContext(6));
    EXPECT_EQ(viewer.CurrentTopic(), "file.html#save");
    EXPECT_TRUE(viewer.Browser->toPlainText().contains("Eine Datei speichern"));
    ASSERT_TRUE(viewer.ShowContext(5));
    EXPECT_TRUE(viewer.Browser->toPlainText().contains("Reading the radio"));
    ASSERT_TRUE(viewer.ShowTableOfContents());
    EXPECT_TRUE(viewer.Browser->toPlainText().contains("Inhalt"));
    // A link of a German page to a page only in English.
    viewer.Browser->setSource(viewer.Browser->source().resolved(QUrl(QStringLiteral("radio.html"))));
    EXPECT_TRUE(viewer.Browser->toPlainText().contains("Reading the radio"));
    EXPECT_EQ(viewer.CurrentTopic(), "radio.html");

    InstallTranslations(QStringLiteral("en"));
    HelpViewer englishViewer(help.path());
    ASSERT_TRUE(englishViewer.ShowContext(6));
    EXPECT_TRUE(englishViewer.Browser->toPlainText().contains("Saving a file"));
}
