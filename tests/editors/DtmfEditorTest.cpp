// The "DTMF Memory" dialog driven with keys on a real main window.
#include "editors/DtmfEditor.h"
#include "editors/EditorDialogSupport.h"
#include "editors/EditorWidgets.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

using tslq::test::MessageRecorder;

namespace {

std::unique_ptr<DtmfEditor> OpenDtmf(EditorFixture& f, int row)
{
    f.form->SelectRow(GridId::Dtmf, row);
    auto dialog = std::make_unique<DtmfEditor>(f.Doc(), row - 1, f.form.get());
    dialog->show();
    return dialog;
}

TEST(DtmfEditor, CodeKeysAndTheStoredRecord)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    auto dialog = OpenDtmf(f, 4);
    ASSERT_EQ(dialog->Slot(), 3);
    EXPECT_EQ(dialog->ComboBox_Channel->currentText(), "3");
    QTest::keyClicks(dialog->Edit_Code, "123");
    QTest::keyClick(dialog->Edit_Code, Qt::Key_A, Qt::ShiftModifier); // lowercase a
    EXPECT_EQ(dialog->Edit_Code->text(), "123A");
    QTest::keyClick(dialog->Edit_Code, 'E');
    EXPECT_EQ(dialog->Edit_Code->text(), "123A");
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), Msg::InvalidCharacter);
    QTest::keyClick(dialog->Edit_Code, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible()) << "Escape is swallowed by the code box";
    TypeInto(dialog->Edit_Name, "HOME");
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(f.Image().GetDtmfRecord(3), "03,123A,HOME");
    EXPECT_TRUE(f.form->DataChanged());
    EXPECT_FALSE(dialog->isVisible());
}

TEST(DtmfEditor, StarHashSpacesAndLowercaseB)
{
    EditorFixture f("ME,0B", "ZT-Q3");
    MessageRecorder messages;
    auto dialog = OpenDtmf(f, 1);
    QTest::keyClicks(dialog->Edit_Code, "*# 9");
    QTest::keyClick(dialog->Edit_Code, Qt::Key_B, Qt::ShiftModifier);
    EXPECT_EQ(dialog->Edit_Code->text(), "*# 9B");
    EXPECT_EQ(messages.Count(), 0);
    // A paste is filtered as the keys are, without a message: small letters
    // become capitals, E and what no key enters are left out.
    QApplication::clipboard()->setText(QStringLiteral("1e2ab\u00C9,#"));
    dialog->Edit_Code->paste();
    EXPECT_EQ(dialog->Edit_Code->text(), "*# 9B12AB#");
    EXPECT_EQ(messages.Count(), 0);
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(f.Image().GetDtmfRecord(0), "00,*# 9B12AB#,");
}

TEST(DtmfEditor, PageUpWrapsAndAsksBeforeDroppingChanges)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    tslq::test::EditImage(f.Doc(), [&](RadioImage& image) { image.SetDtmfRecord(0, "00,5551234,HOME,1"); });
    auto dialog = OpenDtmf(f, 10);
    ASSERT_EQ(dialog->Slot(), 9);
    QTest::keyClick(dialog->ComboBox_Channel, Qt::Key_PageUp);
    EXPECT_EQ(dialog->Slot(), 0);
    EXPECT_EQ(dialog->Edit_Code->text(), "5551234");
    EXPECT_EQ(dialog->Edit_Name->text(), "HOME,1");
    EXPECT_EQ(messages.Count(), 0);

    QTest::keyClicks(dialog->Edit_Code, "0");
    messages.Answer(MessageButton::Yes);
    QTest::keyClick(dialog->ComboBox_Channel, Qt::Key_PageDown);
    EXPECT_EQ(messages.LastText(), Msg::ContentsChanged);
    EXPECT_EQ(dialog->Slot(), 9);
    EXPECT_EQ(f.Image().GetDtmfRecord(0), "00,55512340,HOME,1");

    QTest::keyClicks(dialog->Edit_Code, "1");
    messages.Answer(MessageButton::No);
    QTest::keyClick(dialog->ComboBox_Channel, Qt::Key_PageUp);
    EXPECT_EQ(dialog->Slot(), 0);
    EXPECT_TRUE(f.Image().GetDtmfRecord(9).empty());

    // Closing with changes asks with the trailing blank; Yes stores.
    QTest::keyClicks(dialog->Edit_Code, "2");
    messages.Answer(MessageButton::Yes);
    QTest::mouseClick(dialog->Button_Close, Qt::LeftButton);
    EXPECT_EQ(messages.LastText(), Msg::ContentsChangedOnClose);
    EXPECT_EQ(f.Image().GetDtmfRecord(0), "00,555123402,HOME,1");
}

TEST(DtmfEditor, NameFollowsTheMarketsCharacters)
{
    EditorFixture j("JJ,01", "ZT-Q3");
    MessageRecorder messages;
    auto dialog = OpenDtmf(j, 1);
    TypeChar(dialog->Edit_Name, QChar(0xFF76)); // half-width katakana KA
    TypeChar(dialog->Edit_Name, QChar(0xC4));   // no byte in market J
    EXPECT_EQ(dialog->Edit_Name->text(), QString(QChar(0xFF76)));
    EXPECT_EQ(messages.Count(), 1);
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(j.Image().GetDtmfRecord(0), "00,,\xB6");
}

} // namespace
