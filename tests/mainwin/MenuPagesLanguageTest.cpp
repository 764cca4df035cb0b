// The menu pages, the setup dialog and the menu setting names in German and
// Japanese: the window shows them translated, while the names the listing
// prints and the values of the radio's own notation stay as they are.
#include "document/Document.h"
#include "editors/SetupDialog.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MenuPages.h"
#include "model/MenuTexts.h"
#include "model/ShownTexts.h"
#include "rules/MenuRules.h"
#include "support/Speaking.h"
#include "ui/Language.h"

#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <memory>
#include <set>

using tslq::test::EditImage;
using tslq::test::Speak;
using tslq::test::SpeakEnglishAfter;

namespace {

QString Listed(int setting, char market)
{
    return QString::fromLatin1(MenuSettingLabel(setting, market).data());
}

} // namespace

TEST(MenuPagesLanguage, SettingNamesAndStatusCaptionsAreTranslatedOnlyWhereTheWindowShowsThem)
{
    SpeakEnglishAfter english;
    const QString txFrequency = QStringLiteral("Tx Frequency : 145.000MHz");
    for (const char market : {'K', 'E'})
        for (int setting = 0; setting < MenuSetting::Count; ++setting)
            EXPECT_EQ(ShownMenuSettingName(setting, market), Listed(setting, market)) << setting;
    EXPECT_EQ(ShownStatusText(txFrequency), txFrequency);

    // The same word in German: every other name has a translation of its own.
    const std::set<QString> sameInGerman = {QStringLiteral("Balance")};
    for (const char* language : {"de", "ja"}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(Speak(language));
        for (const char market : {'K', 'E'}) {
            for (int setting = 0; setting < MenuSetting::Count; ++setting) {
                const QString shown = ShownMenuSettingName(setting, market);
                EXPECT_FALSE(shown.isEmpty()) << setting;
                if (QByteArray(language) == "ja" || !sameInGerman.count(shown)) {
                    EXPECT_NE(shown, Listed(setting, market)) << setting;
                }
            }
        }
        EXPECT_TRUE(ShownMenuSettingName(MenuSetting::Count, 'E').isEmpty());
        // The listing spells the names as the radio does, in every language.
        EXPECT_EQ(MenuSettingLabel(MenuSetting::VoxDelay, 'E'), "VOX Deley");
        EXPECT_EQ(MenuSettingLabel(MenuSetting::BeatShift, 'E'), "Beet Shift");
        // The radio's own status markers stay.
        EXPECT_EQ(ShownStatusText(QStringLiteral("DCS : 023")), "DCS : 023");
        EXPECT_EQ(ShownStatusText(QStringLiteral("CT : 88.5Hz")), "CT : 88.5Hz");
    }
    EXPECT_EQ(ShownMenuSettingName(MenuSetting::Nar440, 'E'), "430MHz FMナロー");
    EXPECT_EQ(ShownMenuSettingName(MenuSetting::Nar440, 'K'), "440MHz FMナロー");
    EXPECT_EQ(ShownStatusText(QStringLiteral("Programmable VFO : 144-147")), "プログラムVFO : 144-147");

    ASSERT_TRUE(Speak("de"));
    EXPECT_EQ(ShownMenuSettingName(MenuSetting::VoxDelay, 'E'), "VOX-Haltezeit");
    EXPECT_EQ(ShownStatusText(txFrequency), "TX-Frequenz : 145.000MHz");
    EXPECT_EQ(ShownStatusText(QStringLiteral("Offset : 0.60MHz")), "Ablage : 0.60MHz");
    // The undo step and message that name a setting name it in the language.
    Document document;
    EditImage(document, [](RadioImage& image) { image.SetTypeCode("ME,0B"); });
    EXPECT_TRUE(document.SlotTitle(SlotKind::MenuSetting, MenuSetting::KeyLock).endsWith("Tastensperre"));
}

TEST(MenuPagesLanguage, JapanesePagesSpeakJapaneseAndKeepTheRadiosNotation)
{
    SpeakEnglishAfter english;
    ASSERT_TRUE(Speak("ja"));
    Document document;
    EditImage(document, [](RadioImage& image) {
        image.SetTypeCode("JJ,01");
        image.SetModel("ZT-Q3");
        image.LoadDefaultMenu();
    });
    QWidget page1;
    QWidget page2;
    MenuPages pages(&page1, &page2, document);
    pages.ApplyVersion();
    pages.RefreshFromImage();

    EXPECT_EQ(pages.GroupBox_Power->title(), "電源(&P)");
    EXPECT_EQ(pages.RadioGroup_Battery->Button(0)->text(), "リチウム");
    EXPECT_EQ(pages.RadioGroup_APower->Button(2)->text(), "EL");
    EXPECT_EQ(pages.CheckBox_Nar440->text(), "430MHzバンド");
    EXPECT_EQ(pages.ComboBox_Save->itemText(1), "0.2sec");
    EXPECT_EQ(pages.RadioGroup_PacketSpeed->Button(1)->text(), "9600bps");
    // A screen reader says the titles without their access keys, also the
    // bracketed keys of Japanese ("電源(&P)" reads "電源").
    const QRegularExpression accessKey(QStringLiteral("&|\\([A-Z0-9]\\)"));
    for (QWidget* page : {&page1, &page2})
        for (const QGroupBox* box : page->findChildren<QGroupBox*>())
            EXPECT_FALSE(box->accessibleName().contains(accessKey)) << box->accessibleName().toStdString();
    EXPECT_EQ(pages.GroupBox_Power->accessibleName(), "電源");
    EXPECT_EQ(WithoutAccessKey(QStringLiteral("R&X/TX")), "RX/TX");

    SetupDialog setup;
    EXPECT_EQ(setup.japanButton_->text(), "ZT-Q3 (日本)");
    EXPECT_EQ(setup.generalButton_->text(), "ZT-Q3A (一般仕向け)");
}
