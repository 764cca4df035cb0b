// The menu pages on a real main window: changes reach the image and the data
// changed flag, RefreshAllViews brings the pages back in step with the image,
// and the version decides the boxes, the fonts and the help topics.
#include "mainwin/MenuPages.h"

#include "files/DataFile.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "rules/MenuRules.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;

TEST(MenuPagesMainWindow, PagesSitOnTheMenuTabsAndShowTheDefaults)
{
    auto store = StoreFor("KK,0F", "ZT-Q3");
    auto form = MakeMainForm(*store);
    MenuPages& pages = *form->menuPages_;
    EXPECT_TRUE(form->menu1Page_->isAncestorOf(pages.CheckBox_Dual));
    EXPECT_TRUE(form->menu2Page_->isAncestorOf(pages.CheckBox_Nar144));
    EXPECT_EQ(pages.Edit_Pom->text(), "HELLO !!");
    EXPECT_EQ(pages.ComboBox_Contrast->currentText(), "8");
    EXPECT_FALSE(form->DataChanged());

    // Model "ZT-Q3", market K: 144, 220 and 440 MHz narrow boxes only.
    EXPECT_FALSE(pages.CheckBox_Nar220->isHidden());
    EXPECT_EQ(pages.CheckBox_Nar440->text(), "440MHz Band");
    EXPECT_TRUE(pages.CheckBox_Nar1200->isHidden());
    EXPECT_TRUE(pages.CheckBox_NarHf->isHidden());
    EXPECT_TRUE(pages.RadioGroup_AGPower->isHidden());
    EXPECT_TRUE(pages.RadioGroup_BGPower->isHidden());
}

TEST(MenuPagesMainWindow, AnOperatorChangeSetsTheDataChangedFlag)
{
    auto store = StoreFor("ME,0B", "ZT-Q3");
    auto form = MakeMainForm(*store);
    MenuPages& pages = *form->menuPages_;
    ASSERT_FALSE(form->DataChanged());
    pages.CheckBox_MName->click();
    EXPECT_TRUE(form->DataChanged());
    EXPECT_EQ(form->Image().GetMenuSetting(MenuSetting::MemoryName), "1");

    form->SetDataChanged(false);
    pages.ComboBox_Contrast->setCurrentIndex(2);
    EXPECT_TRUE(form->DataChanged());
    EXPECT_EQ(form->Image().GetMenuSetting(MenuSetting::Contrast), "03");

    form->SetDataChanged(false);
    pages.Edit_Pom->end(false);
    QTest::keyClick(pages.Edit_Pom, Qt::Key_Backspace);
    QTest::keyClicks(pages.Edit_Pom, "X");
    EXPECT_TRUE(form->DataChanged());
    EXPECT_EQ(form->Image().GetMenuSetting(MenuSetting::PowerOnMessage), "HELLO !X");
}

TEST(MenuPagesMainWindow, RefreshAllViewsShowsTheOneTwoGigPowerGroupsOfTheData)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    MenuPages& pages = *form->menuPages_;
    // As after loading a data file written by a radio with the 1200 MHz band.
    tslq::test::EditImage(form->Doc(),
                          [&](RadioImage& image) { image.SetMenuSetting(MenuSetting::AGPower, "1"); });
    tslq::test::EditImage(form->Doc(),
                          [&](RadioImage& image) { image.SetMenuSetting(MenuSetting::BGPower, "0"); });
    tslq::test::EditImage(form->Doc(),
                          [&](RadioImage& image) { image.SetMenuSetting(MenuSetting::Band, "1"); });
    form->RefreshAllViews();
    EXPECT_FALSE(pages.RadioGroup_AGPower->isHidden());
    EXPECT_FALSE(pages.RadioGroup_BGPower->isHidden());
    EXPECT_FALSE(pages.RadioGroup_BGPower->isEnabled());
    EXPECT_EQ(pages.RadioGroup_AGPower->ItemIndex(), 1);
    EXPECT_EQ(pages.RadioGroup_BGPower->ItemIndex(), 0);
    EXPECT_EQ(pages.RadioGroup_Band->ItemIndex(), 1);

    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) { image.LoadDefaultMenu(); });
    form->RefreshAllViews();
    EXPECT_TRUE(pages.RadioGroup_AGPower->isHidden());
    EXPECT_TRUE(pages.RadioGroup_BGPower->isHidden());
    EXPECT_EQ(pages.RadioGroup_Band->ItemIndex(), 0);
}

TEST(MenuPagesMainWindow, DataFileWithOneTwoGigPowerSettingsShowsBothGroups)
{
    // A file saved from a radio with the 1200 MHz band, loaded on a ZT-Q2.
    RadioImage source;
    source.SetTypeCode("KK,0F");
    source.SetModel("ZT-Q5");
    source.LoadDefaultMenu();
    source.SetMenuSetting(MenuSetting::BGPower, "1");
    const std::string withPower = WriteDataFile(source, "");
    source.SetModel("ZT-Q2");
    source.LoadDefaultMenu();
    const std::string withoutPower = WriteDataFile(source, "");

    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    MenuPages& pages = *form->menuPages_;
    auto load = [&](const std::string& bytes) {
        std::string comment;
        RadioImage image = form->Image();
        ResetImage(image, ImageReset::ForLoad);
        ASSERT_EQ(ReadDataFile(bytes, image, comment), DataFileStatus::Loaded);
        form->Doc().Replace(std::move(image), form->FileName(), form->Comment());
    };
    load(withPower);
    EXPECT_FALSE(pages.RadioGroup_AGPower->isHidden());
    EXPECT_FALSE(pages.RadioGroup_BGPower->isHidden());
    EXPECT_FALSE(pages.RadioGroup_BGPower->isEnabled());
    EXPECT_EQ(pages.RadioGroup_BGPower->ItemIndex(), 1);

    load(withoutPower);
    EXPECT_TRUE(pages.RadioGroup_AGPower->isHidden());
    EXPECT_TRUE(pages.RadioGroup_BGPower->isHidden());
}

TEST(MenuPagesMainWindow, ForeignPowerOnMessageIsReportedAndEmptiedByTheRefresh)
{
    auto store = StoreFor("ME,0B", "ZT-Q3");
    auto form = MakeMainForm(*store);
    MessageRecorder messages;
    tslq::test::EditImage(
        form->Doc(), [&](RadioImage& image) { image.SetMenuSetting(MenuSetting::PowerOnMessage, "73\xD7"); });
    form->RefreshAllViews();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), "Invalid character.\nPlease check and try again.");
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(form->menuPages_->Edit_Pom->text(), "");
    EXPECT_EQ(form->Image().GetMenuSetting(MenuSetting::PowerOnMessage), "");
}

TEST(MenuPagesMainWindow, VersionOfARadioReadRelaysTheBoxesAndTheFont)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    MenuPages& pages = *form->menuPages_;
    // The radio reported a Japanese version: grids and pages are laid out again.
    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) { image.SetTypeCode("JJ,01"); });
    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) { image.SetModel("ZT-Q3"); });
    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) { image.LoadDefaultMenu(); });
    form->SetupVfoAndCallGrids();
    form->SetMarketFonts();
    form->RefreshAllViews();
    EXPECT_TRUE(pages.CheckBox_Nar220->isHidden());
    EXPECT_FALSE(pages.CheckBox_NarHf->isHidden());
    EXPECT_EQ(pages.CheckBox_Nar440->text(), "430MHz Band");
    EXPECT_EQ(pages.Edit_Pom->font().family(), form->commentEdit_->font().family());
    EXPECT_EQ(pages.Edit_Pom->font().family(), form->memoryGrid_->font().family());

    // Katakana typed into the message now passes.
    pages.Edit_Pom->clear();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\uFF76"));
    QApplication::sendEvent(pages.Edit_Pom, &press);
    EXPECT_EQ(form->Image().GetMenuSetting(MenuSetting::PowerOnMessage), "\xB6");
}

TEST(MenuPagesMainWindow, FOneOnAMenuControlOpensItsTopic)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    MainWindow::Options options;
    options.store = store.get();
    options.showSplash = false;
    options.helpFolder = QString::fromStdString(tslq::test::DataPath("../../help"));
    MainWindow form(options);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.pages_->setCurrentWidget(form.menu2Page_);
    form.menuPages_->CheckBox_ARO->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.ShowContextHelp());
    // The 220 MHz narrow box carries no number.
    form.menuPages_->CheckBox_Nar220->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.ShowContextHelp());
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &form) window->close();
}
