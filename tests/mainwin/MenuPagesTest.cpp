// Widget tests of the radio menu pages on plain page widgets: what each
// control writes into the image, how a refresh sets it from the image, the
// version-dependent boxes and the power-on message input per market.
#include "mainwin/MenuPages.h"

#include "document/Document.h"
#include "model/RadioImage.h"
#include "rules/MenuRules.h"
#include "support/MessageRecorder.h"
#include "ui/HelpContext.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <vector>

using tslq::test::MessageRecorder;

namespace {

// The image of the document under test, changed as a load changes it (no
// undo step, no change of the data changed state).
class LoadedImage
{
  public:
    explicit LoadedImage(Document& document) : document_(document) {}
    void SetTypeCode(std::string_view text)
    {
        Change([&](RadioImage& image) { image.SetTypeCode(text); });
    }
    void SetModel(std::string_view text)
    {
        Change([&](RadioImage& image) { image.SetModel(text); });
    }
    void LoadDefaultMenu()
    {
        Change([](RadioImage& image) { image.LoadDefaultMenu(); });
    }
    void SetMenuSetting(int index, std::string_view text)
    {
        Change([&](RadioImage& image) { image.SetMenuSetting(index, text); });
    }

  private:
    template <class F> void Change(F change)
    {
        RadioImage image = document_.Image();
        change(image);
        document_.Replace(std::move(image), document_.FileName(), document_.Comment(),
                          document_.DataChanged());
    }
    Document& document_;
};

class MenuPagesTest : public ::testing::Test
{
  protected:
    void Start(const char* type, const char* model)
    {
        image.SetTypeCode(type);
        image.SetModel(model);
        image.LoadDefaultMenu();
        page1 = std::make_unique<QWidget>();
        page2 = std::make_unique<QWidget>();
        pages = std::make_unique<MenuPages>(page1.get(), page2.get(), document);
        // Every operator change is a step that tells the views its setting.
        QObject::connect(&document, &Document::MenuSettingChanged, [this] { ++changes; });
        pages->ApplyVersion();
        pages->RefreshFromImage();
    }

    std::string Setting(int index) const { return document.Image().GetMenuSetting(index); }

    // One typed character, as the keyboard delivers it.
    void Type(const QString& text, int key = 0)
    {
        QKeyEvent press(QEvent::KeyPress, key ? key : text.at(0).toUpper().unicode(), Qt::NoModifier, text);
        QApplication::sendEvent(pages->Edit_Pom, &press);
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, text);
        QApplication::sendEvent(pages->Edit_Pom, &release);
    }

    void TearDown() override
    {
        pages.reset();
        page2.reset();
        page1.reset();
    }

    const QString invalidCharacter = QStringLiteral("Invalid character.\nPlease check and try again.");
    MessageRecorder messages;
    Document document;
    LoadedImage image{document};
    std::unique_ptr<QWidget> page1;
    std::unique_ptr<QWidget> page2;
    std::unique_ptr<MenuPages> pages;
    int changes = 0;
};

TEST_F(MenuPagesTest, DefaultMenuIsShownWithoutMarkingAChange)
{
    Start("KK,0F", "ZT-Q2");
    EXPECT_EQ(pages->RadioGroup_Band->ItemIndex(), 0);
    EXPECT_EQ(pages->TrackBer_Bal->value(), 2);
    EXPECT_TRUE(pages->CheckBox_Dual->isChecked());
    EXPECT_FALSE(pages->CheckBox_Att->isChecked());
    EXPECT_TRUE(pages->CheckBox_MName->isChecked()); // "0" is checked
    EXPECT_EQ(pages->ComboBox_Contrast->currentText(), "8");
    EXPECT_EQ(pages->ComboBox_Save->currentText(), "1.0sec");
    EXPECT_EQ(pages->ComboBox_Apo->currentText(), "30min");
    EXPECT_EQ(pages->ComboBox_DtmfPause->currentText(), "500ms");
    EXPECT_EQ(pages->ComboBox_VoxGain->currentText(), "4");
    EXPECT_EQ(pages->ComboBox_VoxDeley->currentText(), "500ms");
    EXPECT_EQ(pages->Edit_Pom->text(), "HELLO !!");
    EXPECT_TRUE(pages->CheckBox_ARO->isChecked());
    EXPECT_TRUE(pages->CheckBox_KeyBeep->isChecked());
    EXPECT_TRUE(pages->CheckBox_BarAntenna->isChecked());
    EXPECT_EQ(pages->RadioGroup_CallKey->ItemIndex(), 0);
    for (QCheckBox* box : pages->GroupLinkBoxes())
        EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(pages->RadioGroup_AGPower->isHidden());
    EXPECT_TRUE(pages->RadioGroup_BGPower->isHidden());
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(MenuPagesTest, EveryCheckBoxWritesItsSettingAndMarksAChange)
{
    Start("KK,0F", "ZT-Q5");
    const std::pair<QCheckBox*, int> boxes[] = {
        {pages->CheckBox_Dual, MenuSetting::Dual},
        {pages->CheckBox_Att, MenuSetting::Att},
        {pages->CheckBox_Lock, MenuSetting::KeyLock},
        {pages->CheckBox_Lamp, MenuSetting::Lamp},
        {pages->CheckBox_DtmfHold, MenuSetting::DtmfHold},
        {pages->CheckBox_DtmfLock, MenuSetting::DtmfLock},
        {pages->CheckBox_VoxOnBusy, MenuSetting::VoxOnBusy},
        {pages->CheckBox_TxInhibit, MenuSetting::TxInhibit},
        {pages->CheckBox_BeatShift, MenuSetting::BeatShift},
        {pages->CheckBox_BarAntenna, MenuSetting::BarAntenna},
        {pages->CheckBox_Nar144, MenuSetting::Nar144},
        {pages->CheckBox_Nar220, MenuSetting::Nar220},
        {pages->CheckBox_Nar440, MenuSetting::Nar440},
        {pages->CheckBox_Nar1200, MenuSetting::Nar1200},
        {pages->CheckBox_NarHf, MenuSetting::NarHf},
        {pages->CheckBox_ARO, MenuSetting::Aro},
        {pages->CheckBox_t1750Hold, MenuSetting::ToneHold1750},
        {pages->CheckBox_KeyBeep, MenuSetting::KeyBeep},
        {pages->CheckBox_TuneEnable, MenuSetting::TuneEnable},
    };
    for (const auto& [box, setting] : boxes) {
        const int before = changes;
        box->setChecked(!box->isChecked());
        EXPECT_EQ(Setting(setting), box->isChecked() ? "1" : "0") << box->text().toStdString();
        box->click();
        EXPECT_EQ(Setting(setting), box->isChecked() ? "1" : "0") << box->text().toStdString();
        EXPECT_EQ(changes, before + 2) << box->text().toStdString();
    }
}

TEST_F(MenuPagesTest, MemoryNameIsInverted)
{
    Start("ME,0B", "ZT-Q3");
    pages->CheckBox_MName->click();
    EXPECT_FALSE(pages->CheckBox_MName->isChecked());
    EXPECT_EQ(Setting(MenuSetting::MemoryName), "1");
    pages->CheckBox_MName->click();
    EXPECT_EQ(Setting(MenuSetting::MemoryName), "0");

    image.SetMenuSetting(MenuSetting::MemoryName, "1");
    pages->RefreshFromImage();
    EXPECT_FALSE(pages->CheckBox_MName->isChecked());
}

TEST_F(MenuPagesTest, RadioGroupsAndListsWriteTheIndexAsOneDigit)
{
    Start("KK,0F", "ZT-Q5");
    const std::pair<RadioGroup*, int> groups[] = {
        {pages->RadioGroup_Band, MenuSetting::Band},
        {pages->RadioGroup_Language, MenuSetting::Language},
        {pages->RadioGroup_DtmfSpeed, MenuSetting::DtmfSpeed},
        {pages->RadioGroup_APower, MenuSetting::APower},
        {pages->RadioGroup_BPower, MenuSetting::BPower},
        {pages->RadioGroup_AGPower, MenuSetting::AGPower},
        {pages->RadioGroup_CallKey, MenuSetting::CallKey},
        {pages->RadioGroup_PacketSpeed, MenuSetting::PacketSpeed},
        {pages->RadioGroup_ScanResume, MenuSetting::ScanResume},
        {pages->RadioGroup_MemoryMethod, MenuSetting::MemoryMethod},
        {pages->RadioGroup_Battery, MenuSetting::Battery},
    };
    for (const auto& [group, setting] : groups) {
        for (int i = group->Count() - 1; i >= 0; --i) {
            group->Button(i)->click();
            EXPECT_EQ(Setting(setting), std::to_string(i)) << group->title().toStdString();
        }
    }
    const std::pair<QComboBox*, int> lists[] = {
        {pages->ComboBox_Save, MenuSetting::BatterySaver},   {pages->ComboBox_Apo, MenuSetting::AutoPowerOff},
        {pages->ComboBox_DtmfPause, MenuSetting::DtmfPause}, {pages->ComboBox_VoxGain, MenuSetting::VoxGain},
        {pages->ComboBox_VoxDeley, MenuSetting::VoxDelay},
    };
    for (const auto& [list, setting] : lists) {
        for (int i = list->count() - 1; i >= 0; --i) {
            list->setCurrentIndex(i);
            EXPECT_EQ(Setting(setting), std::to_string(i)) << setting;
        }
    }
    EXPECT_EQ(pages->ComboBox_Save->count(), 10);
    EXPECT_EQ(pages->ComboBox_VoxDeley->itemText(6), "3000ms");

    pages->TrackBer_Bal->setValue(4);
    EXPECT_EQ(Setting(MenuSetting::Balance), "4");
    QTest::keyClick(pages->TrackBer_Bal, Qt::Key_Home);
    EXPECT_EQ(Setting(MenuSetting::Balance), "0");
}

TEST_F(MenuPagesTest, ContrastWritesIndexPlusOneWithTwoDigits)
{
    Start("KK,0F", "ZT-Q2");
    pages->ComboBox_Contrast->setCurrentIndex(pages->ComboBox_Contrast->findText("10"));
    EXPECT_EQ(Setting(MenuSetting::Contrast), "10");
    pages->ComboBox_Contrast->setCurrentIndex(pages->ComboBox_Contrast->findText("3"));
    EXPECT_EQ(Setting(MenuSetting::Contrast), "03");
    EXPECT_EQ(changes, 2);

    image.SetMenuSetting(MenuSetting::Contrast, "16");
    pages->RefreshFromImage();
    EXPECT_EQ(pages->ComboBox_Contrast->currentText(), "16");
}

TEST_F(MenuPagesTest, GroupLinkBoxesSetTheirOwnPositionOnly)
{
    Start("KK,0F", "ZT-Q2");
    ASSERT_EQ(Setting(MenuSetting::GroupLink), "        ");
    pages->CheckBox_0->click();
    pages->CheckBox_7->click();
    EXPECT_EQ(Setting(MenuSetting::GroupLink), "0      7");
    pages->CheckBox_0->click();
    EXPECT_EQ(Setting(MenuSetting::GroupLink), "       7");

    image.SetMenuSetting(MenuSetting::GroupLink, "0  3  6 ");
    pages->RefreshFromImage();
    const auto boxes = pages->GroupLinkBoxes();
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(boxes[static_cast<std::size_t>(k)]->isChecked(), k == 0 || k == 3 || k == 6) << k;
    pages->CheckBox_5->click();
    EXPECT_EQ(Setting(MenuSetting::GroupLink), "0  3 56 ");
}

TEST_F(MenuPagesTest, RefreshSetsEveryKindOfControlFromTheImage)
{
    Start("KK,0F", "ZT-Q2");
    image.SetMenuSetting(MenuSetting::Band, "1");
    image.SetMenuSetting(MenuSetting::Balance, "0");
    image.SetMenuSetting(MenuSetting::Dual, "0");
    image.SetMenuSetting(MenuSetting::Lamp, "1");
    image.SetMenuSetting(MenuSetting::ScanResume, "2");
    image.SetMenuSetting(MenuSetting::BatterySaver, "9");
    image.SetMenuSetting(MenuSetting::VoxDelay, "6");
    image.SetMenuSetting(MenuSetting::Nar220, "1");
    image.SetMenuSetting(MenuSetting::PowerOnMessage, "CQ CQ");
    image.SetMenuSetting(MenuSetting::Battery, "1");
    const int before = changes;
    pages->RefreshFromImage();
    EXPECT_EQ(pages->RadioGroup_Band->ItemIndex(), 1);
    EXPECT_EQ(pages->TrackBer_Bal->value(), 0);
    EXPECT_FALSE(pages->CheckBox_Dual->isChecked());
    EXPECT_TRUE(pages->CheckBox_Lamp->isChecked());
    EXPECT_EQ(pages->RadioGroup_ScanResume->ItemIndex(), 2);
    EXPECT_EQ(pages->ComboBox_Save->currentText(), "5.0sec");
    EXPECT_EQ(pages->ComboBox_VoxDeley->currentText(), "3000ms");
    EXPECT_TRUE(pages->CheckBox_Nar220->isChecked());
    EXPECT_EQ(pages->Edit_Pom->text(), "CQ CQ");
    EXPECT_EQ(pages->RadioGroup_Battery->ItemIndex(), 1);
    EXPECT_EQ(changes, before);
    EXPECT_EQ(Setting(MenuSetting::PowerOnMessage), "CQ CQ");
}

TEST_F(MenuPagesTest, RefreshLeavesBlankAndUnknownSettingsAsStored)
{
    Start("KK,0F", "ZT-Q2");
    pages->CheckBox_Nar220->setChecked(true);
    pages->RadioGroup_Band->Button(1)->click();
    // Another version (no 220 MHz band) and values no entry stands for.
    image.SetTypeCode("ME,0B");
    image.LoadDefaultMenu();
    image.SetMenuSetting(MenuSetting::Band, "7");
    image.SetMenuSetting(MenuSetting::VoxGain, "x");
    image.SetMenuSetting(MenuSetting::Balance, "");
    pages->ApplyVersion();
    pages->RefreshFromImage();

    EXPECT_FALSE(pages->CheckBox_Nar220->isChecked());
    EXPECT_EQ(Setting(MenuSetting::Nar220), "");
    EXPECT_EQ(pages->RadioGroup_Band->ItemIndex(), -1);
    EXPECT_EQ(Setting(MenuSetting::Band), "7");
    EXPECT_EQ(pages->ComboBox_VoxGain->currentIndex(), -1);
    EXPECT_EQ(Setting(MenuSetting::VoxGain), "x");
    EXPECT_EQ(pages->TrackBer_Bal->value(), 2);
    EXPECT_EQ(Setting(MenuSetting::Balance), "");

    // The operator's choice still goes in.
    pages->RadioGroup_Band->Button(0)->click();
    EXPECT_EQ(Setting(MenuSetting::Band), "0");
}

TEST_F(MenuPagesTest, PowerGroupsFollowSettingsNineAndTen)
{
    Start("KK,0F", "ZT-Q2");
    image.SetMenuSetting(MenuSetting::AGPower, "1");
    image.SetMenuSetting(MenuSetting::BGPower, "1");
    pages->RefreshFromImage();
    EXPECT_FALSE(pages->RadioGroup_AGPower->isHidden());
    EXPECT_FALSE(pages->RadioGroup_BGPower->isHidden());
    EXPECT_TRUE(pages->RadioGroup_AGPower->isEnabled());
    EXPECT_FALSE(pages->RadioGroup_BGPower->isEnabled());
    EXPECT_EQ(pages->RadioGroup_AGPower->ItemIndex(), 1);
    EXPECT_EQ(pages->RadioGroup_BGPower->ItemIndex(), 1);

    // The greyed B group takes no clicks.
    QTest::mouseClick(pages->RadioGroup_BGPower->Button(0), Qt::LeftButton);
    EXPECT_EQ(Setting(MenuSetting::BGPower), "1");
    pages->RadioGroup_AGPower->Button(0)->click();
    EXPECT_EQ(Setting(MenuSetting::AGPower), "0");

    image.SetMenuSetting(MenuSetting::AGPower, "");
    image.SetMenuSetting(MenuSetting::BGPower, "");
    pages->RefreshFromImage();
    EXPECT_TRUE(pages->RadioGroup_AGPower->isHidden());
    EXPECT_TRUE(pages->RadioGroup_BGPower->isHidden());

    // Each group on its own setting.
    image.SetMenuSetting(MenuSetting::BGPower, "0");
    pages->RefreshFromImage();
    EXPECT_TRUE(pages->RadioGroup_AGPower->isHidden());
    EXPECT_FALSE(pages->RadioGroup_BGPower->isHidden());
}

TEST_F(MenuPagesTest, NarrowBoxesOfMarketKModelQ3)
{
    Start("KK,0F", "ZT-Q3");
    EXPECT_FALSE(pages->CheckBox_Nar144->isHidden());
    EXPECT_FALSE(pages->CheckBox_Nar220->isHidden());
    EXPECT_FALSE(pages->CheckBox_Nar440->isHidden());
    EXPECT_EQ(pages->CheckBox_Nar440->text(), "440MHz Band");
    EXPECT_TRUE(pages->CheckBox_Nar1200->isHidden());
    EXPECT_TRUE(pages->CheckBox_NarHf->isHidden());
}

TEST_F(MenuPagesTest, NarrowBoxesFollowAChangeOfVersion)
{
    Start("JJ,01", "ZT-Q3");
    EXPECT_TRUE(pages->CheckBox_Nar220->isHidden());
    EXPECT_FALSE(pages->CheckBox_NarHf->isHidden());
    EXPECT_EQ(pages->CheckBox_Nar440->text(), "430MHz Band");

    image.SetTypeCode("ME,0B");
    image.SetModel("ZT-Q5");
    pages->ApplyVersion();
    EXPECT_TRUE(pages->CheckBox_Nar220->isHidden());
    EXPECT_TRUE(pages->CheckBox_NarHf->isHidden());
    EXPECT_FALSE(pages->CheckBox_Nar1200->isHidden());
    EXPECT_EQ(pages->CheckBox_Nar440->text(), "430MHz Band");
}

TEST_F(MenuPagesTest, PastedMultiplicationSignEmptiesThePowerOnMessageInMarketE)
{
    Start("ME,0B", "ZT-Q3");
    QApplication::clipboard()->setText(QString::fromUtf8("A\u00D7B"));
    pages->Edit_Pom->selectAll();
    pages->Edit_Pom->paste();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Messages()[0].text, invalidCharacter);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(pages->Edit_Pom->text(), "");
    EXPECT_EQ(Setting(MenuSetting::PowerOnMessage), "");
    EXPECT_GT(changes, 0);

    QApplication::clipboard()->setText(QString::fromUtf8("\u00C4\u00D6\u00DC"));
    pages->Edit_Pom->paste();
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(Setting(MenuSetting::PowerOnMessage), "\xC4\xD6\xDC");
}

TEST_F(MenuPagesTest, TypedKeysInMarketE)
{
    Start("ME,0B", "ZT-Q3");
    pages->Edit_Pom->clear();
    Type(QString::fromUtf8("\u00C4"));
    Type("b");
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\u00C4b"));
    EXPECT_TRUE(messages.Messages().empty());

    Type(QString::fromUtf8("\u00D7"));
    Type(QString::fromUtf8("\u00A9"));
    EXPECT_EQ(messages.Count(), 2);
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\u00C4b"));

    Type(QStringLiteral("\x1b"), Qt::Key_Escape);
    EXPECT_EQ(messages.Count(), 2);
    QTest::keyClick(pages->Edit_Pom, Qt::Key_Backspace);
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\u00C4"));
    EXPECT_EQ(Setting(MenuSetting::PowerOnMessage), "\xC4");

    // The field holds eight characters at most.
    QTest::keyClicks(pages->Edit_Pom, "12345678");
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\u00C41234567"));
    EXPECT_EQ(Setting(MenuSetting::PowerOnMessage), "\xC4"
                                                    "1234567");
    EXPECT_EQ(messages.Count(), 2);
}

TEST_F(MenuPagesTest, TypedKeysInMarketJ)
{
    Start("JJ,01", "ZT-Q3");
    pages->Edit_Pom->clear();
    Type(QString::fromUtf8("\uFF71")); // half-width katakana A
    Type("Z");
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\uFF71Z"));
    EXPECT_EQ(Setting(MenuSetting::PowerOnMessage), "\xB1Z");
    EXPECT_TRUE(messages.Messages().empty());

    // A full-width character is refused with one message, and nothing of it
    // is left pending for the next key.
    Type(QString::fromUtf8("\u30A2"));
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_FALSE(pages->DoubleByteLeadPending);
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\uFF71Z"));
    Type("1");
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\uFF71Z1"));
    EXPECT_EQ(messages.Count(), 1);

    // Escape is dropped without a word.
    Type(QStringLiteral("\x1b"), Qt::Key_Escape);
    EXPECT_EQ(messages.Count(), 1);

    // Text composed with an input method passes the same filter.
    QInputMethodEvent fullWidth;
    fullWidth.setCommitString(QString::fromUtf8("\u30A2\u30A4"));
    QApplication::sendEvent(pages->Edit_Pom, &fullWidth);
    EXPECT_EQ(messages.Count(), 2);
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\uFF71Z1"));
    QInputMethodEvent halfWidth;
    halfWidth.setCommitString(QString::fromUtf8("\uFF72"));
    QApplication::sendEvent(pages->Edit_Pom, &halfWidth);
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\uFF71Z1\uFF72"));
    EXPECT_EQ(Setting(MenuSetting::PowerOnMessage), "\xB1Z1\xB2");

    // Latin letters of other markets have no place here.
    Type(QString::fromUtf8("\u00C4"));
    EXPECT_EQ(messages.Count(), 3);
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\uFF71Z1\uFF72"));
}

TEST_F(MenuPagesTest, ForeignPowerOnMessageIsEmptiedOnRefresh)
{
    Start("ME,0B", "ZT-Q3");
    image.SetMenuSetting(MenuSetting::PowerOnMessage, "AB\x81");
    const int before = changes;
    pages->RefreshFromImage();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Messages()[0].text, invalidCharacter);
    EXPECT_EQ(pages->Edit_Pom->text(), "");
    EXPECT_EQ(Setting(MenuSetting::PowerOnMessage), "");
    EXPECT_EQ(changes, before);

    // The same byte is a katakana letter in market J.
    image.SetTypeCode("JJ,01");
    image.SetMenuSetting(MenuSetting::PowerOnMessage, "\xC4");
    pages->RefreshFromImage();
    EXPECT_EQ(pages->Edit_Pom->text(), QString::fromUtf8("\uFF84"));
    EXPECT_EQ(Setting(MenuSetting::PowerOnMessage), "\xC4");
    EXPECT_EQ(messages.Count(), 1);
}

TEST_F(MenuPagesTest, HelpTopicsOfTheControls)
{
    Start("KK,0F", "ZT-Q5");
    auto help = [](QWidget* w) { return HelpContext(w); };
    EXPECT_EQ(help(pages->RadioGroup_Band->Button(1)), 300);
    EXPECT_EQ(help(pages->CheckBox_MName), 330);
    EXPECT_EQ(help(pages->Edit_Pom), 345);
    EXPECT_EQ(help(pages->ComboBox_VoxDeley), 390);
    EXPECT_EQ(help(pages->RadioGroup_BGPower), 420);
    EXPECT_EQ(help(pages->CheckBox_Nar1200), 415);
    EXPECT_EQ(help(pages->CheckBox_Nar220), 0);
    EXPECT_EQ(help(pages->CheckBox_6), 460);
    EXPECT_EQ(help(pages->RadioGroup_Battery->Button(0)), 470);
}

} // namespace
