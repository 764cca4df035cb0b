// The "Memory Channel" dialog driven with keys and clicks on a real main window.
#include "editors/MemoryEditor.h"
#include "editors/EditorDialogSupport.h"
#include "editors/EditorWidgets.h"
#include "ui/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

using tslq::test::MessageRecorder;

namespace {

// The dialog opened on a memory grid row, as a double click opens it.
std::unique_ptr<MemoryEditor> OpenOnRow(EditorFixture& f, int row)
{
    f.form->SelectRow(GridId::Memory, row);
    auto dialog = std::make_unique<MemoryEditor>(f.Doc(), row - 1, f.form.get());
    dialog->show();
    return dialog;
}

TEST(MemoryEditor, StoresTheExampleRecordByteForByte)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    f.form->SetDataChanged(false);
    MessageRecorder messages;
    auto dialog = OpenOnRow(f, 6);
    ASSERT_EQ(dialog->Slot(), 5);
    ChannelPanel& p = *dialog->Panel;
    TypeInto(p.Edit_Rx, "145.5");
    p.ComboBox_Step->setCurrentIndex(5);
    QTest::mouseClick(p.RadioButton_Plus, Qt::LeftButton);
    QTest::mouseClick(p.CheckBox_Tone, Qt::LeftButton);
    TypeInto(dialog->Edit_Name, "RPT");
    EXPECT_TRUE(dialog->PendingChanges());
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);

    EXPECT_EQ(f.Image().GetMemoryRecord(5), "005,00145500000,5,1,0,1,0,0,08,08,000,000600000,0,0,,,,RPT");
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_TRUE(f.form->DataChanged());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(f.form->GridCell(GridId::Memory, 2, 6), "145.500") << "views refreshed";
}

TEST(MemoryEditor, EmptySlotOpensWithMarketDefaultsAndStoresAFullRecord)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    auto dialog = OpenOnRow(f, 8);
    ChannelPanel& p = *dialog->Panel;
    EXPECT_EQ(p.Edit_Rx->text(), "144.000");
    EXPECT_EQ(p.Edit_Offset->text(), "0.60");
    EXPECT_EQ(p.ComboBox_Tone->currentText(), "88.5Hz");
    EXPECT_EQ(p.ComboBox_Ctcss->currentText(), "88.5Hz");
    EXPECT_EQ(p.ComboBox_Dcs->currentText(), "023");
    EXPECT_EQ(dialog->Edit_Channel->text(), "7");
    EXPECT_FALSE(dialog->PendingChanges());
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(f.Image().GetMemoryRecord(7), "007,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");

    EditorFixture j("JJ,01", "ZT-Q3");
    auto japanese = OpenOnRow(j, 1);
    EXPECT_EQ(japanese->Panel->Edit_Rx->text(), "145.000");
    EXPECT_EQ(japanese->Panel->ComboBox_Step->currentText(), "20kHz");
}

TEST(MemoryEditor, ScanEdgeAndPrioritySlotsStoreNoLockout)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    tslq::test::EditImage(f.Doc(), [&](RadioImage& image) {
        image.SetMemoryRecord(421, "PR2,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,");
    });
    auto dialog = OpenOnRow(f, 422);
    EXPECT_FALSE(dialog->CheckBox_Lockout->isEnabled());
    EXPECT_FALSE(dialog->CheckBox_Lockout->isChecked());
    EXPECT_EQ(dialog->Edit_Channel->text(), "PR2");
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(f.Image().GetMemoryRecord(421), "PR2,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");

    // Information channels keep their lock-out box.
    auto info = OpenOnRow(f, 426);
    EXPECT_TRUE(info->CheckBox_Lockout->isEnabled());
    QTest::mouseClick(info->CheckBox_Lockout, Qt::LeftButton);
    QTest::mouseClick(info->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(f.Image().GetMemoryRecord(425),
              "I-4,00162425000,0,0,0,0,0,0,08,08,000,000000000,0,1,,,,WEATHER");
}

TEST(MemoryEditor, SplitTransmitIsMovedIntoTheReceiveBand)
{
    EditorFixture f("ME,0B", "ZT-Q3");
    MessageRecorder messages;
    auto dialog = OpenOnRow(f, 1);
    ChannelPanel& p = *dialog->Panel;
    QTest::mouseClick(p.RadioButton_Split, Qt::LeftButton);
    EXPECT_TRUE(p.Edit_Tx->isVisible());
    EXPECT_FALSE(p.Edit_Offset->isVisible());
    EXPECT_FALSE(p.CheckBox_Reverse->isEnabled());
    TypeInto(p.Edit_Rx, "145");
    TypeInto(p.Edit_Tx, "440");
    p.ComboBox_Step->setCurrentIndex(5);
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(f.Image().GetMemoryRecord(0),
              "000,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0,00145987500,5,,");
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), Msg::FrequencyRounded);
}

TEST(MemoryEditor, EnterHidesTheSpecialShiftAndSelectsSplit)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    const std::string record = "012,01240000000,8,3,0,0,0,0,08,08,000,020000000,0,0,,,,";
    tslq::test::EditImage(f.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(12, record); });
    auto dialog = OpenOnRow(f, 13);
    ChannelPanel& p = *dialog->Panel;
    EXPECT_TRUE(p.RadioButton_Special->isVisible());
    EXPECT_EQ(p.RadioButton_Special->text(), "-20.0MHz Shift");
    EXPECT_TRUE(p.RadioButton_Special->isChecked());

    TypeInto(p.Edit_Rx, "145");
    PressEnter(p.Edit_Rx);
    EXPECT_FALSE(p.RadioButton_Special->isVisible());
    EXPECT_TRUE(p.RadioButton_Split->isChecked());
    EXPECT_EQ(p.Edit_Rx->text(), "145.000");
    EXPECT_EQ(p.Edit_Tx->text(), "173.975");
    EXPECT_EQ(messages.LastText(), Msg::FrequencyRounded);
    // Enter only changes the dialog: the record waits for OK.
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(f.Image().GetMemoryRecord(12), record);
}

TEST(MemoryEditor, EnterOnAn1240MHzChannelKeepsTheSpecialShift)
{
    const struct
    {
        const char* type;
        const char* model;
        const char* caption;
    } versions[] = {{"KK,0F", "ZT-Q2", "-20MHz Shift"}, {"ME,0B", "ZT-Q3", "-6MHz Shift"}};
    for (const auto& v : versions) {
        SCOPED_TRACE(v.type);
        EditorFixture f(v.type, v.model);
        MessageRecorder messages;
        const std::string record = "012,01240000000,8,3,0,0,0,0,08,08,000,020000000,0,0,,,,";
        tslq::test::EditImage(f.Doc(), [&](RadioImage& image) { image.SetMemoryRecord(12, record); });
        auto dialog = OpenOnRow(f, 13);
        ChannelPanel& p = *dialog->Panel;
        ASSERT_TRUE(p.RadioButton_Special->isChecked());
        PressEnter(p.Edit_Rx);
        EXPECT_TRUE(p.RadioButton_Special->isVisible());
        EXPECT_TRUE(p.RadioButton_Special->isChecked());
        EXPECT_EQ(p.RadioButton_Special->text(), v.caption);
        QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
        EXPECT_EQ(f.Image().GetMemoryRecord(12), record);
        EXPECT_EQ(messages.Count(), 0);
    }
}

TEST(MemoryEditor, EnterRefusesTwoDecimalPointsAndChangesNothing)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    auto dialog = OpenOnRow(f, 1);
    ChannelPanel& p = *dialog->Panel;
    TypeInto(p.Edit_Rx, "145..5");
    PressEnter(p.Edit_Rx);
    EXPECT_EQ(messages.LastText(), Msg::InvalidFrequency);
    EXPECT_EQ(p.Edit_Rx->text(), "145..5");
    TypeInto(p.Edit_Rx, "145.51");
    p.ComboBox_Step->setCurrentIndex(5);
    TypeInto(p.Edit_Offset, "1.2.3");
    PressEnter(p.Edit_Offset);
    EXPECT_EQ(messages.LastText(), Msg::InvalidOffset);
    EXPECT_EQ(p.Edit_Rx->text(), "145.51");

    // Letters never reach a frequency box.
    TypeInto(p.Edit_Offset, "0x6a6");
    EXPECT_EQ(p.Edit_Offset->text(), "066");
    PressEnter(p.Edit_Offset);
    EXPECT_EQ(p.Edit_Offset->text(), "59.95");
    EXPECT_EQ(p.Edit_Rx->text(), "145.500");
    EXPECT_TRUE(f.Image().GetMemoryRecord(0).empty());
}

TEST(MemoryEditor, TypedChannelNumbersAndLabels)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    auto dialog = OpenOnRow(f, 1);
    QLineEdit* box = dialog->Edit_Channel;

    TypeInto(box, "l0");
    EXPECT_EQ(box->text(), "L0");
    EXPECT_EQ(dialog->Slot(), 400);

    TypeInto(box, "PR");
    EXPECT_EQ(dialog->Slot(), 400) << "still typing";
    EXPECT_EQ(messages.Count(), 0);
    QTest::keyClick(box, '1');
    EXPECT_EQ(dialog->Slot(), 420);

    TypeInto(box, "P");
    QTest::keyClick(box, 'X');
    EXPECT_EQ(messages.LastText(), Msg::InvalidChannelNumber);
    EXPECT_EQ(box->text(), "PR1") << "the last valid number";
    EXPECT_EQ(dialog->Slot(), 420);

    TypeInto(box, "400");
    EXPECT_EQ(messages.Count(), 2);
    EXPECT_EQ(box->text(), "40");
    EXPECT_EQ(dialog->Slot(), 40);

    // Page Up / arrows step through the slots and wrap.
    TypeInto(box, "I-0");
    EXPECT_EQ(dialog->Slot(), 431);
    QTest::keyClick(box, Qt::Key_PageUp);
    EXPECT_EQ(dialog->Slot(), 0);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(dialog->Slot(), 431);
    EXPECT_EQ(box->text(), "I-0");
}

TEST(MemoryEditor, SpinnerAsksBeforeLeavingChangesAndStaysOnAFailedStore)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    auto dialog = OpenOnRow(f, 432);
    QTest::mouseClick(dialog->channelUpButton_, Qt::LeftButton);
    EXPECT_EQ(dialog->Slot(), 0) << "431 wraps to 0";
    EXPECT_EQ(messages.Count(), 0);

    TypeInto(dialog->Panel->Edit_Rx, "1.4.5");
    messages.Answer(MessageButton::Yes);
    QTest::mouseClick(dialog->channelUpButton_, Qt::LeftButton);
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.Messages()[0].text, Msg::ContentsChanged);
    EXPECT_EQ(messages.Messages()[1].text, Msg::InvalidFrequency);
    EXPECT_EQ(dialog->Slot(), 0);
    EXPECT_TRUE(f.Image().GetMemoryRecord(0).empty());

    // A failed store behind a typed number keeps the slot too.
    messages.Answer(MessageButton::Yes);
    TypeInto(dialog->Edit_Channel, "9");
    EXPECT_EQ(dialog->Slot(), 0);
    EXPECT_EQ(dialog->Edit_Channel->text(), "0");

    TypeInto(dialog->Panel->Edit_Rx, "146");
    messages.Answer(MessageButton::Yes);
    QTest::mouseClick(dialog->channelDownButton_, Qt::LeftButton);
    EXPECT_EQ(dialog->Slot(), 431);
    EXPECT_EQ(f.Image().GetMemoryRecord(0), "000,00146000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");

    // No drops the changes.
    TypeInto(dialog->Panel->Edit_Rx, "147");
    messages.Answer(MessageButton::No);
    QTest::mouseClick(dialog->channelUpButton_, Qt::LeftButton);
    EXPECT_EQ(dialog->Slot(), 0);
    EXPECT_EQ(dialog->Panel->Edit_Rx->text(), "146.000");
    EXPECT_FALSE(dialog->PendingChanges());
}

TEST(MemoryEditor, ArrowKeysAskBeforeLeavingChangesWhateverTheChannelBoxHolds)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    auto dialog = OpenOnRow(f, 11);
    const struct
    {
        Qt::Key key;
        int delta;
    } keys[] = {{Qt::Key_Up, 1}, {Qt::Key_Down, -1}, {Qt::Key_PageUp, 1}, {Qt::Key_PageDown, -1}};
    int frequency = 146;
    for (const char* boxText : {"", "L", "PR", "I-"}) {
        for (const auto& k : keys) {
            SCOPED_TRACE(std::string("box \"") + boxText + "\" key " + std::to_string(k.key));
            const int slot = dialog->Slot();
            TypeInto(dialog->Panel->Edit_Rx, QString::number(frequency));
            TypeInto(dialog->Edit_Channel, boxText);
            ASSERT_EQ(dialog->Slot(), slot);
            const int before = messages.Count();
            messages.Answer(MessageButton::Yes);
            QTest::keyClick(dialog->Edit_Channel, k.key);
            ASSERT_EQ(messages.Count(), before + 1);
            EXPECT_EQ(messages.LastText(), Msg::ContentsChanged);
            EXPECT_EQ(dialog->Slot(), (slot + k.delta + MemoryCount) % MemoryCount);
            EXPECT_EQ(f.Image().GetRecordField(RecordKind::Memory, slot, 1),
                      "00" + std::to_string(frequency) + "000000");
            EXPECT_FALSE(dialog->PendingChanges());
            ++frequency;
        }
    }
}

TEST(MemoryEditor, ClosingWithChangesAsksWithTheTrailingBlank)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages({MessageButton::Yes});
    auto dialog = OpenOnRow(f, 3);
    TypeInto(dialog->Panel->Edit_Rx, "146");
    QTest::mouseClick(dialog->Button_Close, Qt::LeftButton);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), Msg::ContentsChangedOnClose);
    EXPECT_EQ(f.Image().GetMemoryRecord(2), "002,00146000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
    EXPECT_FALSE(dialog->isVisible());

    // OK that fails keeps the dialog open; Escape then asks and closes.
    auto again = OpenOnRow(f, 4);
    TypeInto(again->Panel->Edit_Rx, "14..6");
    QTest::mouseClick(again->Button_Ok, Qt::LeftButton);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(messages.LastText(), Msg::InvalidFrequency);
    QTest::keyClick(again->Panel->Edit_Rx, Qt::Key_Escape);
    EXPECT_EQ(messages.LastText(), Msg::ContentsChangedOnClose);
    EXPECT_FALSE(again->isVisible());
    EXPECT_TRUE(f.Image().GetMemoryRecord(3).empty());
}

TEST(MemoryEditor, EnterInAFrequencyBoxNeverPressesOk)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    auto dialog = OpenOnRow(f, 1);
    TypeInto(dialog->Panel->Edit_Rx, "145.51");
    dialog->Panel->ComboBox_Step->setCurrentIndex(5);
    PressEnter(dialog->Panel->Edit_Rx);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(f.Image().GetMemoryRecord(0).empty());
    EXPECT_EQ(dialog->Panel->Edit_Rx->text(), "145.500");
}

TEST(MemoryEditor, AmDisablesToneControlsButKeepsTheirValues)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    MessageRecorder messages;
    auto dialog = OpenOnRow(f, 2);
    ChannelPanel& p = *dialog->Panel;
    QTest::mouseClick(p.CheckBox_Tone, Qt::LeftButton);
    QTest::mouseClick(p.CheckBox_Dcs, Qt::LeftButton);
    EXPECT_FALSE(p.CheckBox_Tone->isChecked()) << "at most one of the three";
    QTest::mouseClick(p.CheckBox_Tone, Qt::LeftButton);
    EXPECT_FALSE(p.CheckBox_Dcs->isChecked());
    p.ComboBox_Mode->setCurrentIndex(ModeAm);
    EXPECT_FALSE(p.CheckBox_Tone->isEnabled());
    EXPECT_FALSE(p.ComboBox_Dcs->isEnabled());
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(f.Image().GetMemoryRecord(1), "001,00144000000,0,0,0,1,0,0,08,08,000,000600000,2,0,,,,");
}

TEST(MemoryEditor, NameCharactersAreCheckedByMarket)
{
    EditorFixture e("ME,0B", "ZT-Q3");
    MessageRecorder messages;
    auto dialog = OpenOnRow(e, 1);
    NameEdit* name = dialog->Edit_Name;
    TypeChar(name, QChar(0xC4)); // A with diaeresis: a name letter
    TypeChar(name, QChar(0xD7)); // multiplication sign: not one
    EXPECT_EQ(name->text(), QString(QChar(0xC4)));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), Msg::InvalidCharacter);
    QTest::keyClick(name, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible()) << "Escape is swallowed by the name box";
    // A pasted invalid character empties the box.
    name->insert(QStringLiteral("A") + QChar(0xD7));
    EXPECT_EQ(name->text(), QString());
    QTest::mouseClick(dialog->Button_Ok, Qt::LeftButton);

    EditorFixture j("JJ,01", "ZT-Q3");
    auto japanese = OpenOnRow(j, 1);
    NameEdit* jname = japanese->Edit_Name;
    const int before = messages.Count();
    TypeChar(jname, QChar(0xFF71)); // half-width katakana A
    TypeChar(jname, QChar(0x6F22)); // a double-byte character
    TypeChar(jname, QChar('B'));
    EXPECT_EQ(jname->text(), QString(QChar(0xFF71)) + "B");
    EXPECT_EQ(messages.Count(), before + 1);
    QTest::mouseClick(japanese->Button_Ok, Qt::LeftButton);
    EXPECT_EQ(j.Image().GetMemoryRecord(0), "000,00145000000,7,0,0,0,0,0,08,08,000,000600000,0,0,,,,\xB1"
                                            "B");
}

TEST(MemoryEditor, GridCommandsOpenTheEditors)
{
    EditorFixture f("KK,0F", "ZT-Q2");
    for (GridId id : {GridId::Memory, GridId::Vfo, GridId::Call, GridId::Dtmf})
        EXPECT_TRUE(f.form->GridEditorHandler[static_cast<std::size_t>(id)]) << static_cast<int>(id);
}

} // namespace
