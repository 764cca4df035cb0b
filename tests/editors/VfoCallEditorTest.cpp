// The "VFO" and "CALL Channel" dialogs driven with keys and clicks on a real
// main window.
#include "editors/CallEditor.h"
#include "editors/EditorDialogSupport.h"
#include "editors/EditorWidgets.h"
#include "editors/VfoEditor.h"
#include "ui/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using tslq::test::MessageRecorder;

namespace {

std::unique_ptr<VfoEditor> OpenVfo(EditorFixture& f, int row)
{
    f.form->SelectRow(GridId::Vfo, row);
    auto dialog = std::make_unique<VfoEditor>(f.Doc(), f.form->VfoBandOfRow(row), f.form.get());
    dialog->show();
    return dialog;
}

std::unique_ptr<CallEditor> OpenCall(EditorFixture& f, int row)
{
    f.form->SelectRow(GridId::Call, row);
    auto dialog = std::make_unique<CallEditor>(f.Doc(), f.form->CallIndexOfRow(row), f.form.get());
    dialog->show();
    return dialog;
}

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

TEST(VfoEditor, BandListsByMarketAndModel)
{
    EditorFixture k("KK,0F", "ZT-Q2");
    EXPECT_EQ(OpenVfo(k, 1)->ComboBox_Band->count(), 14);
    EditorFixture k5("KK,0F", "ZT-Q5");
    auto q5 = OpenVfo(k5, 1);
    EXPECT_EQ(q5->ComboBox_Band->count(), 15);
    EXPECT_TRUE(Items(q5->ComboBox_Band).contains("A_220MHz"));
    EXPECT_TRUE(Items(q5->ComboBox_Band).contains("B_440MHz"));
    EditorFixture e("ME,0B", "ZT-Q3");
    const QStringList europe = Items(OpenVfo(e, 1)->ComboBox_Band);
    EXPECT_EQ(europe.size(), 13);
    for (const char* name : {"A_430MHz", "B_200MHz", "B_430MHz"})
        EXPECT_TRUE(europe.contains(name)) << name;
}

TEST(VfoEditor, OpensOnTheGridRowsBandAndStoresIt)
{
    EditorFixture m("MM,07", "ZT-Q3");
    MessageRecorder messages;
    // Row 4 of market M is B_HF (A_144MHz, A_430MHz, B_AM, B_HF, ...).
    auto dialog = OpenVfo(m, 4);
    EXPECT_EQ(dialog->Band(), 5);
    EXPECT_EQ(dialog->ComboBox_Band->currentText(), "B_HF");
    EXPECT_FALSE(dialog->GroupBox_ProgramVfo->isVisible());
    EXPECT_EQ(dialog->Panel->Edit_Rx->text(), "3.500");
    EXPECT_EQ(dialog->Panel->ComboBox_Mode->currentText(), "LSB");
    EXPECT_FALSE(dialog->Panel->RadioButton_Split->isVisible());
    EXPECT_TRUE(dialog->Panel->Edit_Offset->isVisible());
    TypeInto(dialog->Panel->Edit_Rx, "7.05");
    QTest::mouseClick(dialog->Panel->RadioButton_Minus, Qt::LeftButton);
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(m.Image().GetVfoRecord(5), "5,00007050000,0,2,0,0,0,0,08,08,000,000000000,3,,,,,");
    EXPECT_EQ(messages.Count(), 0);
}

TEST(VfoEditor, ProgramVfoBoxesCorrectThemselves)
{
    EditorFixture m("MM,07", "ZT-Q3"); // band 0: 144 to 148 MHz
    MessageRecorder messages;
    auto dialog = OpenVfo(m, 1);
    ASSERT_TRUE(dialog->GroupBox_ProgramVfo->isVisible());
    EXPECT_EQ(dialog->Edit_ProgramVfoLower->text(), "144");
    EXPECT_EQ(dialog->Edit_ProgramVfoUpper->text(), "147");

    TypeInto(dialog->Edit_ProgramVfoLower, "150");
    EXPECT_EQ(dialog->Edit_ProgramVfoLower->text(), "147");
    TypeInto(dialog->Edit_ProgramVfoLower, "146");
    TypeInto(dialog->Edit_ProgramVfoUpper, "140");
    EXPECT_EQ(dialog->Edit_ProgramVfoUpper->text(), "144");
    EXPECT_EQ(dialog->Edit_ProgramVfoLower->text(), "144") << "the lower bound follows";
    QTest::keyClicks(dialog->Edit_ProgramVfoUpper, "x"); // dropped
    EXPECT_EQ(dialog->Edit_ProgramVfoUpper->text(), "144");

    // A cleared lower box stores the band limit's lower bound on OK.
    TypeInto(dialog->Edit_ProgramVfoUpper, "145");
    TypeInto(dialog->Edit_ProgramVfoLower, "");
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(m.Image().GetProgramVfoRecord(0), "0,00144,00145");
    EXPECT_EQ(messages.Count(), 0);
}

TEST(VfoEditor, The1200BandRangeWaitsForTheFourthDigit)
{
    EditorFixture k("KK,0F", "ZT-Q5");
    MessageRecorder messages;
    auto dialog = OpenVfo(k, 4); // A_1200MHz
    ASSERT_EQ(dialog->Band(), 3);
    TypeInto(dialog->Edit_ProgramVfoLower, "125");
    EXPECT_EQ(dialog->Edit_ProgramVfoLower->text(), "125");
    QTest::keyClick(dialog->Edit_ProgramVfoLower, '0');
    EXPECT_EQ(dialog->Edit_ProgramVfoLower->text(), "1250");
    TypeInto(dialog->Edit_ProgramVfoLower, "1200");
    EXPECT_EQ(dialog->Edit_ProgramVfoLower->text(), "1240");
}

TEST(VfoEditor, ReceiveOutsideTheProgramRangeIsRounded)
{
    EditorFixture m("MM,07", "ZT-Q3");
    MessageRecorder messages;
    auto dialog = OpenVfo(m, 1);
    TypeInto(dialog->Edit_ProgramVfoUpper, "145");
    dialog->Panel->ComboBox_Step->setCurrentIndex(0);
    TypeInto(dialog->Panel->Edit_Rx, "146");
    PressEnter(dialog->Panel->Edit_Rx);
    EXPECT_EQ(dialog->Panel->Edit_Rx->text(), "145.995");
    EXPECT_EQ(messages.LastText(), Msg::FrequencyRounded);
    EXPECT_EQ(m.Image().GetProgramVfoRecord(0), "0,00144,00145") << "Enter stores the range at once";
    EXPECT_TRUE(m.form->DataChanged());
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(m.Image().GetVfoRecord(0), "0,00145995000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,");
}

TEST(VfoEditor, TvUhfBandTurnsSidebandIntoFm)
{
    EditorFixture k("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    auto dialog = OpenVfo(k, 13); // B_TV-UHF in market K
    ASSERT_EQ(dialog->Band(), 13);
    dialog->Panel->ComboBox_Mode->setCurrentIndex(ModeLsb);
    PressEnter(dialog->Panel->Edit_Rx);
    EXPECT_EQ(dialog->Panel->ComboBox_Mode->currentText(), "FM");
    EXPECT_TRUE(dialog->Panel->CheckBox_Tone->isEnabled());
}

TEST(VfoEditor, RefusedBandSwitchReturnsToTheBandBeingEdited)
{
    EditorFixture m("MM,07", "ZT-Q3");
    MessageRecorder messages;
    auto dialog = OpenVfo(m, 1);
    const std::string before = m.Image().GetVfoRecord(0);
    TypeInto(dialog->Panel->Edit_Rx, "145..5");
    messages.Answer(MessageButton::Yes);
    QTest::keyClick(dialog->ComboBox_Band, Qt::Key_PageUp);
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.Messages()[1].text, Msg::InvalidFrequency);
    EXPECT_EQ(dialog->ComboBox_Band->currentIndex(), 0);
    EXPECT_EQ(dialog->Band(), 0);
    EXPECT_EQ(dialog->Panel->Edit_Rx->text(), "145..5") << "no reload after the refusal";
    EXPECT_EQ(m.Image().GetVfoRecord(0), before);

    // The edits are still unsaved: the next choice asks again, and No loads it.
    messages.Answer(MessageButton::No);
    QTest::keyClick(dialog->ComboBox_Band, Qt::Key_PageUp);
    EXPECT_EQ(messages.Count(), 3);
    EXPECT_EQ(dialog->Band(), 2);
    EXPECT_EQ(dialog->Panel->Edit_Rx->text(), "430.000");
    // Page Down from the first entry wraps to the last.
    QTest::keyClick(dialog->ComboBox_Band, Qt::Key_PageDown);
    QTest::keyClick(dialog->ComboBox_Band, Qt::Key_PageDown);
    EXPECT_EQ(dialog->Band(), 14);
}

TEST(VfoEditor, EmptyRecordShowsTheDefaults)
{
    EditorFixture j("JJ,01", "ZT-Q3");
    MessageRecorder messages;
    tslq::test::EditImage(j.Doc(), [&](RadioImage& image) { image.SetVfoRecord(7, ""); });
    auto dialog = OpenVfo(j, 6); // A_144, A_430, B_AM, B_HF, B_50, B_FM
    ASSERT_EQ(dialog->Band(), 7);
    EXPECT_EQ(dialog->Panel->Edit_Rx->text(), "76.100");
    EXPECT_EQ(dialog->Panel->ComboBox_Step->currentText(), "50kHz");
    EXPECT_EQ(dialog->Panel->ComboBox_Mode->currentText(), "WFM");
    EXPECT_EQ(dialog->Panel->Edit_Offset->text(), "0.00");
}

TEST(CallEditor, ListPositionsMapToCallSlots)
{
    EditorFixture k("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    auto dialog = OpenCall(k, 2);
    EXPECT_EQ(Items(dialog->ComboBox_Band), (QStringList{"144MHz", "220MHz", "440MHz"}));
    EXPECT_EQ(dialog->Slot(), 1);
    EXPECT_EQ(dialog->Panel->Edit_Rx->text(), "223.000");

    EditorFixture e("ME,0B", "ZT-Q3");
    auto europe = OpenCall(e, 2);
    EXPECT_EQ(Items(europe->ComboBox_Band), (QStringList{"144MHz", "430MHz"}));
    EXPECT_EQ(europe->Slot(), 2);
    EXPECT_EQ(europe->Panel->RadioButton_Special->text(), "-7.6MHz Shift");
    EXPECT_TRUE(europe->Panel->RadioButton_Special->isVisible());
    QTest::keyClick(europe->ComboBox_Band, Qt::Key_PageUp);
    EXPECT_EQ(europe->Slot(), 0);
    EXPECT_FALSE(europe->Panel->RadioButton_Special->isVisible());
}

TEST(CallEditor, StoresSplitRecordsInsideTheSlotsBand)
{
    EditorFixture m("MM,07", "ZT-Q3");
    MessageRecorder messages;
    auto dialog = OpenCall(m, 1);
    ChannelPanel& p = *dialog->Panel;
    TypeInto(p.Edit_Rx, "145");
    p.ComboBox_Step->setCurrentIndex(5);
    QTest::mouseClick(p.RadioButton_Split, Qt::LeftButton);
    TypeInto(p.Edit_Tx, "146");
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(m.Image().GetCallRecord(0), "0,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,,00146000000,5,,");
    EXPECT_EQ(messages.Count(), 0);

    auto again = OpenCall(m, 1);
    EXPECT_TRUE(again->Panel->RadioButton_Split->isChecked());
    EXPECT_EQ(again->Panel->Edit_Tx->text(), "146.000");
    TypeInto(again->Panel->Edit_Tx, "150");
    PressEnter(again->Panel->Edit_Tx);
    EXPECT_EQ(again->Panel->Edit_Tx->text(), "147.9875");
    EXPECT_EQ(messages.LastText(), Msg::FrequencyRounded);
    QTest::mouseClick(again->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(m.Image().GetCallRecord(0), "0,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,,00147987500,5,,");
}

TEST(CallEditor, EmptySlotThreeOfMarketE)
{
    EditorFixture e("ME,0B", "ZT-Q5");
    MessageRecorder messages;
    tslq::test::EditImage(e.Doc(), [&](RadioImage& image) { image.SetCallRecord(3, ""); });
    auto dialog = OpenCall(e, 3);
    ASSERT_EQ(dialog->Slot(), 3);
    EXPECT_EQ(dialog->Panel->Edit_Rx->text(), "1240.000");
    EXPECT_EQ(dialog->Panel->ComboBox_Step->currentText(), "25kHz");
    EXPECT_EQ(dialog->Panel->ComboBox_Mode->currentText(), "FM");
    EXPECT_EQ(dialog->Panel->Edit_Offset->text(), "35.00");
    EXPECT_EQ(dialog->Panel->RadioButton_Special->text(), "-6.0MHz Shift");
}

} // namespace
