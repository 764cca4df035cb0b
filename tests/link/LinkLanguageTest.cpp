// The radio dialogs and messages in German and Japanese: the compare view
// translates its own words and the field names where it shows them, keeps
// the radio's notation, and the English that tslq-cli prints stays English;
// none of the dialogs cuts a translated text.
#include "link/CompareDialog.h"
#include "link/RadioPort.h"
#include "link/ReadDialog.h"
#include "link/WriteDialog.h"
#include "model/MenuTexts.h"
#include "model/RadioImage.h"
#include "support/Speaking.h"
#include "support/TextFit.h"
#include "support/TransferHarness.h"
#include "ui/Language.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTranslator>
#include <gtest/gtest.h>

using tslq::test::BuiltTranslations;
using tslq::test::Speaking;

namespace {

QStringList Column(const QTableWidget& table, int column)
{
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row)
        cells << table.item(row, column)->text();
    return cells;
}

QStringList Headers(const QTableWidget& table)
{
    QStringList headers;
    for (int column = 0; column < table.columnCount(); ++column)
        headers << table.horizontalHeaderItem(column)->text();
    return headers;
}

} // namespace

TEST(LinkLanguage, TheCompareViewInGermanKeepsTheRadiosNotation)
{
    RadioImage radio = SampleImage("EE,0F", "ZT-Q2");
    RadioImage window = radio;
    window.SetMemoryRecord(0, "000,00145020000,5,1,0,1,0,0,12,08,007,001000000,0,1,,,,WORK");
    window.SetMenuSetting(4, radio.GetMenuSetting(4) == "1" ? "0" : "1"); // Key Lock
    const ImageDifferences differences = DescribeDifferences(radio, window);
    const CompareDialog english(differences, QString());

    const Speaking german("de");
    const CompareDialog dialog(differences, QString());
    EXPECT_EQ(dialog.windowTitle(), "Mit Funkgerät vergleichen");
    EXPECT_EQ(dialog.MessageLabel()->text(), "2 Datensätze unterscheiden sich.");
    EXPECT_EQ(Headers(*dialog.Table()), QStringList({"Platz", "Feld", "Funkgerät", "Fenster"}));
    EXPECT_EQ(dialog.WriteButton()->text(), "Diese Änderungen &schreiben");
    // Memory fields by the comparison's names, the menu setting by its own;
    // the values as the radio writes them, in either language, after the
    // status bar's words.
    const QStringList fields = Column(*dialog.Table(), 1);
    EXPECT_TRUE(fields.contains("Frequenz")) << fields.join(", ").toStdString();
    EXPECT_TRUE(fields.contains("Name")) << fields.join(", ").toStdString();
    EXPECT_EQ(fields.last(), "Tastensperre");
    EXPECT_FALSE(fields.contains("Frequency"));
    EXPECT_TRUE(Column(*dialog.Table(), 3).join(" | ").contains("Ablage : "));
    for (const int column : {2, 3})
        EXPECT_EQ(Column(*dialog.Table(), column).join(" | ").toStdString(),
                  Column(*english.Table(), column)
                      .join(" | ")
                      .replace("(none)", "(leer)")
                      .replace("Offset : ", "Ablage : ")
                      .toStdString());
    // What tslq-cli prints does not follow the window's language.
    const std::string text = DifferencesText(differences, "radio", "window");
    EXPECT_NE(text.find("Frequency"), std::string::npos) << text;
    EXPECT_NE(text.find("Key Lock"), std::string::npos) << text;
}

TEST(LinkLanguage, EveryMenuSettingNameIsTranslatedWhereTheViewShowsIt)
{
    for (const char* language : {"de", "ja"}) {
        QTranslator translator;
        ASSERT_TRUE(
            translator.load(QStringLiteral("tslq_%1").arg(QLatin1String(language)), BuiltTranslations()));
        for (const char market : {'K', 'E'}) {
            for (int setting = 0; setting < MenuCount; ++setting) {
                const std::string label(MenuSettingLabel(setting, market));
                EXPECT_FALSE(translator.translate("MenuTexts", label.c_str()).isEmpty())
                    << language << " " << label;
            }
        }
    }
}

TEST(LinkLanguage, PortAndLineMessagesInGermanAndEnglishAgain)
{
    RadioPort comm;
    const std::string missing = "/dev/tslq-no-such-device";
    ASSERT_FALSE(comm.CheckCommportValid(missing));
    {
        const Speaking german("de");
        EXPECT_EQ(SerialErrorText(SerialError(CommErrorText::ReadError, 4)),
                  "Lesefehler der Verbindung  ErrorMask=4");
        EXPECT_EQ(ReadPortInvalidMessage(comm).toStdString(),
                  "COM-Schnittstelle ist ungültig.\nBitte den Zustand der Schnittstelle prüfen.\n\n" +
                      missing +
                      " existiert nicht: Der USB-Seriell-Adapter ist vielleicht nicht eingesteckt.");
        EXPECT_TRUE(TimeoutMessage().startsWith("Zeitüberschreitung bei der Verbindung.\n"));
        // A message that is none of the fixed texts stands as it is.
        EXPECT_EQ(SerialErrorText(SerialError(std::string("Some driver text"))), "Some driver text");
    }
    EXPECT_EQ(SerialErrorText(SerialError(CommErrorText::WriteError, 0)),
              "Communication Write Error  ErrorMask=0");
    EXPECT_TRUE(
        ReadPortInvalidMessage(comm).startsWith("COM port is invalid.\nPlease check comport status."));
}

TEST(LinkLanguage, NoDialogCutsATranslatedText)
{
    RadioImage radio = SampleImage("JJ,0F", "ZT-Q2");
    RadioImage window = radio;
    window.SetMemoryRecord(0, "");
    window.SetMenuSetting(23, radio.GetMenuSetting(23) == "1" ? "2" : "1");
    SlotSet chosen;
    chosen.Insert({RecordSlotKind::Memory, 0});
    for (const char* language : {"de", "ja"}) {
        const Speaking speaking(language);
        CompareDialog compare(DescribeDifferences(radio, window), QString());
        EXPECT_EQ(tslq::test::CutTexts(&compare), QStringList()) << language;
        ReadDialog read(radio, LinkScope::All, 1);
        WriteDialog write(window, chosen, 1);
        ReadBackDialog verify(radio, chosen, 1);
        for (TransferDialog* form :
             {static_cast<TransferDialog*>(&read), static_cast<TransferDialog*>(&write),
              static_cast<TransferDialog*>(&verify)})
            EXPECT_EQ(tslq::test::CutTexts(form), QStringList()) << language;
    }
}
