// The Channels page in the operator's language: headings, the words among
// the cell values, the Set Field dialog and the reports are translated where
// the window shows them, while the cells, the lists and the dialog go on
// handing the table's rules the English words they store.
#include "channels/ChannelColumns.h"
#include "channels/ChannelFilter.h"
#include "channels/ChannelTableModel.h"
#include "channels/ChannelsPage.h"
#include "channels/SetFieldDialog.h"
#include "document/Document.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "model/Records.h"
#include "support/Speaking.h"
#include "ui/Language.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QUndoStack>
#include <gtest/gtest.h>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;

namespace {

const std::string Split = "010,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,00147000000,0,,SPLIT";
const std::string PlusTone = "012,00146940000,0,1,1,1,0,0,12,08,000,000600000,0,0,,,,W1AW";
const std::string CtcssAm = "014,00120000000,4,0,0,0,1,0,08,10,000,000600000,2,0,,,,AIR";

class ChannelsInLanguage : public ::testing::Test
{
  protected:
    void Speak(const char* language)
    {
        ASSERT_TRUE(tslq::test::Speak(language));
        store_ = StoreFor("KK,0F", "ZT-Q2");
        form_ = MakeMainForm(*store_);
        tslq::test::EditImage(form_->Doc(), [](RadioImage& image) {
            image.SetMemoryRecord(10, Split);
            image.SetMemoryRecord(12, PlusTone);
            image.SetMemoryRecord(14, CtcssAm);
        });
        form_->pages_->setCurrentWidget(form_->channelsPage_);
    }
    void TearDown() override
    {
        if (form_) form_->SetDataChanged(false);
        form_.reset();
        InstallTranslations(QStringLiteral("en"));
    }

    ChannelsPage& Page() { return *form_->channelsPage_; }
    QModelIndex Cell(int slot, ChannelColumn column)
    {
        return Page().Model().index(slot, static_cast<int>(column));
    }
    const RadioImage& Image() { return form_->Image(); }

    std::unique_ptr<MemoryConfigStore> store_;
    std::unique_ptr<MainWindow> form_;
};

TEST_F(ChannelsInLanguage, CellsShowTheWordsTranslatedAndTheirEditorsStoreTheRadiosOwn)
{
    Speak("ja");
    ChannelTableModel& model = Page().Model();
    EXPECT_EQ(model.headerData(static_cast<int>(ChannelColumn::Channel), Qt::Horizontal, Qt::ToolTipRole),
              "チャンネル");
    EXPECT_EQ(model.headerData(static_cast<int>(ChannelColumn::Shift), Qt::Horizontal, Qt::ToolTipRole),
              "シフト");
    EXPECT_EQ(Cell(10, ChannelColumn::Shift).data().toString(), "スプリット");
    EXPECT_EQ(Cell(10, ChannelColumn::Shift).data(Qt::EditRole).toString(), "Split");
    EXPECT_EQ(Cell(12, ChannelColumn::ToneMode).data().toString(), "トーン");
    EXPECT_EQ(Cell(14, ChannelColumn::ToneMode).data().toString(), "CTCSS");
    EXPECT_EQ(Cell(12, ChannelColumn::Shift).data().toString(), "+");
    EXPECT_EQ(Cell(12, ChannelColumn::Mode).data().toString(), "FM");

    // The shift column is wide enough for its longest word in this language.
    QTableView* view = Page().View();
    EXPECT_GE(view->columnWidth(static_cast<int>(ChannelColumn::Shift)),
              view->fontMetrics().horizontalAdvance(QStringLiteral("シンプレックス")));

    // The list shows the words translated; the choice reaches the record.
    QAbstractItemDelegate* delegate = view->itemDelegate();
    const QModelIndex shift = Page().Filter().mapFromSource(Cell(12, ChannelColumn::Shift));
    std::unique_ptr<QWidget> editor(delegate->createEditor(view->viewport(), QStyleOptionViewItem(), shift));
    auto* list = qobject_cast<QComboBox*>(editor.get());
    ASSERT_TRUE(list);
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    EXPECT_EQ(items, QStringList({"シンプレックス", "+", "-", "スプリット"}));
    delegate->setEditorData(list, shift);
    EXPECT_EQ(list->currentText(), "+");
    list->setCurrentIndex(0);
    delegate->setModelData(list, view->model(), shift);
    EXPECT_EQ(RecordField(Image().GetMemoryRecord(12), ChannelField::Shift), "0");
    EXPECT_EQ(Cell(12, ChannelColumn::Shift).data().toString(), ""); // simplex shows no mark
}

TEST_F(ChannelsInLanguage, SetFieldSpeaksTheLanguageAndReportsWhatWasLeft)
{
    Speak("de");
    MessageRecorder messages;
    SetFieldDialog dialog(&Page());
    EXPECT_EQ(dialog.windowTitle(), "Feld für Auswahl setzen");
    EXPECT_EQ(dialog.toneModeList_->itemText(0), "Kein Ton");
    SetFieldChoice none = dialog.Choice();
    EXPECT_EQ(none.what, "Kein Ton");
    ASSERT_EQ(none.values.size(), 1U);
    EXPECT_EQ(none.values[0].text, "None");
    dialog.fieldList_->setCurrentIndex(4);
    dialog.shiftList_->setCurrentIndex(3);
    EXPECT_EQ(dialog.Choice().values.at(0).text, "Split");

    dialog.fieldList_->setCurrentIndex(0);
    dialog.toneModeList_->setCurrentIndex(1);
    Page().SelectSlots(10, 14);
    Page().ApplySetField(dialog.Choice());
    EXPECT_EQ(form_->Doc().UndoStack().undoText(), "Ton für 2 Kanäle setzen");
    EXPECT_EQ(ChannelCellText(Image(), 10, ChannelColumn::ToneMode), "Tone");
    EXPECT_EQ(ChannelCellText(Image(), 12, ChannelColumn::Tone), "88.5Hz");
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText(), "Feld für Auswahl setzen: 3 Kanäle blieben unverändert:\n"
                                   "011: leerer Kanal\n013: leerer Kanal\n"
                                   "014: im Band oder in der Betriebsart dieses Kanals nicht verfügbar");
    Page().FilterBox()->setText(QStringLiteral("W1AW"));
    EXPECT_EQ(Page().CountLabel()->text(), "1 Kanal");
    Page().FilterBox()->clear();
    EXPECT_EQ(Page().CountLabel()->text(), "432 Kanäle");
}

} // namespace
