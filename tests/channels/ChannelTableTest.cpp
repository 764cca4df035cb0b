// The channel table: every column's text over records of every shape, edits
// through the model reaching the memory editor's rules (with their
// messages, one undo step each), find and filter, and the commands on many
// rows at once on a real main window.
#include "channels/ChannelColumns.h"
#include "channels/ChannelDelegate.h"
#include "channels/ChannelFilter.h"
#include "channels/ChannelTableModel.h"
#include "channels/ChannelsPage.h"
#include "document/Document.h"
#include "editors/EditorWidgets.h"
#include "files/Csv.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "model/FieldTexts.h"
#include "ui/Clipboard.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;

namespace {

const std::string Split = "010,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,00147000000,0,,SPLIT";
const std::string Shift3 = "011,01240000000,4,3,0,0,0,0,08,08,000,000600000,0,1,,,,RPT23";
const std::string PlusTone = "012,00146940000,0,1,1,1,0,0,12,08,000,000600000,0,0,,,,W1AW";
const std::string Dcs = "013,00446000000,5,0,0,0,0,1,08,08,002,000600000,0,0,,,,Dcs";
const std::string CtcssAm = "014,00120000000,4,0,0,0,1,0,08,10,000,000600000,2,0,,,,AIR";

class ChannelTable : public ::testing::Test
{
  protected:
    void Open(const std::string& type = "KK,0F")
    {
        store_ = StoreFor(type, "ZT-Q2");
        form_ = MakeMainForm(*store_);
        tslq::test::EditImage(form_->Doc(), [](RadioImage& image) {
            image.SetMemoryRecord(10, Split);
            image.SetMemoryRecord(11, Shift3);
            image.SetMemoryRecord(12, PlusTone);
            image.SetMemoryRecord(13, Dcs);
            image.SetMemoryRecord(14, CtcssAm);
        });
        form_->pages_->setCurrentWidget(form_->channelsPage_);
    }
    void SetUp() override { Open(); }
    void TearDown() override
    {
        form_->SetDataChanged(false);
        form_.reset();
        QGuiApplication::clipboard()->clear();
    }

    ChannelsPage& Page() { return *form_->channelsPage_; }
    ChannelTableModel& Model() { return Page().Model(); }
    const RadioImage& Image() { return form_->Image(); }
    QUndoStack& Stack() { return form_->Doc().UndoStack(); }
    QModelIndex Cell(int slot, ChannelColumn column) { return Model().index(slot, static_cast<int>(column)); }
    QString Text(int slot, ChannelColumn column) { return Cell(slot, column).data().toString(); }
    int VisibleRows() { return Page().Filter().rowCount(); }

    std::unique_ptr<MemoryConfigStore> store_;
    std::unique_ptr<MainWindow> form_;
};

TEST_F(ChannelTable, EveryColumnShowsTheRecordsFieldsInTheGridsNotation)
{
    using C = ChannelColumn;
    struct Row
    {
        int slot;
        std::vector<std::pair<C, std::string>> texts;
    };
    const Row rows[] = {
        {10,
         {{C::Channel, "010"},
          {C::Receive, "146.520"},
          {C::Shift, "Split"},
          {C::OffsetOrTx, "147.000"},
          {C::ToneMode, ""},
          {C::Tone, ""},
          {C::Mode, "FM"},
          {C::Step, "5kHz"},
          {C::Name, "SPLIT"}}},
        // Shift 3 on the 1200 MHz band of market K is the -20 MHz offset.
        {11,
         {{C::Receive, "1240.000"},
          {C::Shift, "-20.0"},
          {C::OffsetOrTx, ""},
          {C::Step, "10kHz"},
          {C::Lockout, "*"}}},
        {12,
         {{C::Shift, "+"},
          {C::OffsetOrTx, "0.60"},
          {C::ToneMode, "Tone"},
          {C::Tone, "100.0Hz"},
          {C::Reverse, "R"},
          {C::Lockout, ""}}},
        {13, {{C::ToneMode, "DCS"}, {C::Tone, std::string(DcsCodes[2])}, {C::Step, "12.5kHz"}}},
        {14, {{C::ToneMode, "CTCSS"}, {C::Tone, "94.8Hz"}, {C::Mode, "AM"}}},
        // An empty slot shows its label only.
        {20, {{C::Channel, "020"}, {C::Receive, ""}, {C::Shift, ""}, {C::Mode, ""}, {C::Name, ""}}},
        {400, {{C::Channel, "L0"}, {C::Receive, ""}}},
        {422, {{C::Channel, "I-1"}}},
    };
    for (const Row& row : rows) {
        for (const auto& [column, text] : row.texts)
            EXPECT_EQ(ChannelCellText(Image(), row.slot, column), text)
                << "slot " << row.slot << " column " << ChannelColumnTitle(column);
    }
    // The table draws Reverse and Lock out as check boxes, other texts as they are.
    EXPECT_EQ(Cell(12, C::Reverse).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    EXPECT_EQ(Cell(11, C::Lockout).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    EXPECT_FALSE(Cell(20, C::Lockout).data(Qt::CheckStateRole).isValid());
    EXPECT_EQ(Text(12, C::Name), "W1AW");
    EXPECT_FALSE(ChannelCellText(Image(), 422, C::Receive).empty()); // the radio's information channel
    EXPECT_EQ(Model().rowCount(), 432);
}

TEST_F(ChannelTable, InformationChannelsOfMarketJShowTheirKatakanaInTheMarketsCharacters)
{
    Open("JJ,01");
    const QString name = Text(422, ChannelColumn::Name);
    ASSERT_FALSE(name.isEmpty());
    EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F;
    })) << name.toStdString();
    EXPECT_EQ(CutRefusal(Image(), 422), CellRefusal::Protected);
}

TEST_F(ChannelTable, ListsOfferWhatTheSlotsBandOffers)
{
    auto options = [this](int slot, ChannelColumn column) {
        return ChannelColumnOptions(Image(), slot, column);
    };
    auto has = [](const std::vector<std::string>& list, const std::string& text) {
        return std::find(list.begin(), list.end(), text) != list.end();
    };
    EXPECT_TRUE(has(options(11, ChannelColumn::Shift), "-20.0"));
    EXPECT_FALSE(has(options(12, ChannelColumn::Shift), "-20.0"));
    EXPECT_FALSE(has(options(12, ChannelColumn::Step), "8.33kHz")); // not on 144 MHz
    EXPECT_FALSE(has(options(11, ChannelColumn::Mode), "USB"));     // not on 1200 MHz
    EXPECT_EQ(options(13, ChannelColumn::Tone).size(), DcsCodes.size());
    EXPECT_EQ(options(12, ChannelColumn::Tone).size(), ToneTexts.size());
}

TEST_F(ChannelTable, EachEditGoesThroughTheEditorsRulesAsOneStep)
{
    using C = ChannelColumn;
    MessageRecorder messages;
    struct Case
    {
        int slot;
        C column;
        QVariant value;
        std::string record; // after the edit; empty: unchanged
        QString message;    // shown, or empty
    };
    const Case cases[] = {
        // A frequency on an empty slot makes the channel the editor's OK would.
        {30, C::Receive, "145", "030,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,", {}},
        {12, C::Receive, "146.0123", "012,00146010000,0,1,1,1,0,0,12,08,000,000600000,0,0,,,,W1AW",
         Msg::FrequencyRounded},
        {12, C::Receive, "1x6", {}, Msg::InvalidFrequency},
        {12, C::OffsetOrTx, "x", {}, Msg::InvalidOffset},
        {12, C::OffsetOrTx, "1.2", "012,00146940000,0,1,1,1,0,0,12,08,000,001200000,0,0,,,,W1AW", {}},
        {10,
         C::OffsetOrTx,
         "147.5",
         "010,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,00147500000,0,,SPLIT",
         {}},
        {12, C::Shift, "-", "012,00146940000,0,2,1,1,0,0,12,08,000,000600000,0,0,,,,W1AW", {}},
        {12, C::ToneMode, "CTCSS", "012,00146940000,0,1,1,0,1,0,12,08,000,000600000,0,0,,,,W1AW", {}},
        {13,
         C::Tone,
         QString::fromLatin1(DcsCodes[5].data(), 3),
         "013,00446000000,5,0,0,0,0,1,08,08,005,000600000,0,0,,,,Dcs",
         {}},
        {12, C::Mode, "AM", "012,00146940000,0,1,1,1,0,0,12,08,000,000600000,2,0,,,,W1AW", {}},
        {12, C::Step, "10kHz", "012,00146940000,4,1,1,1,0,0,12,08,000,000600000,0,0,,,,W1AW", {}},
        {12, C::Name, "Club 2m!", "012,00146940000,0,1,1,1,0,0,12,08,000,000600000,0,0,,,,Club 2m!", {}},
        {12, C::Name, QString(QChar(0x00D7)), {}, Msg::InvalidCharacter},
    };
    for (const Case& c : cases) {
        const std::string before = Image().GetMemoryRecord(c.slot);
        const int steps = Stack().index();
        const int shown = messages.Count();
        Model().setData(Cell(c.slot, c.column), c.value);
        const std::string expected = c.record.empty() ? before : c.record;
        EXPECT_EQ(Image().GetMemoryRecord(c.slot), expected) << c.value.toString().toStdString();
        EXPECT_EQ(Stack().index(), steps + (c.record.empty() ? 0 : 1));
        EXPECT_EQ(messages.Count() > shown ? messages.LastText() : QString(), c.message);
        if (!c.record.empty()) {
            Stack().undo();
            EXPECT_EQ(Image().GetMemoryRecord(c.slot), before);
            EXPECT_EQ(Text(c.slot, ChannelColumn::Receive).toStdString(),
                      ChannelCellText(Image(), c.slot, ChannelColumn::Receive));
        }
    }
    // The check boxes: Reverse and Lock out, never lock out on the scan edges.
    Model().setData(Cell(12, C::Reverse), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(RecordField(Image().GetMemoryRecord(12), ChannelField::Reverse), "0");
    tslq::test::EditImage(form_->Doc(),
                          [](RadioImage& image) { image.SetMemoryRecord(400, "L0" + PlusTone.substr(3)); });
    EXPECT_FALSE(Model().flags(Cell(400, C::Lockout)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(Model().setData(Cell(400, C::Lockout), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(RecordField(Image().GetMemoryRecord(400), ChannelField::Lockout), "0");
    // Only the channel's frequency can be typed into an empty slot.
    EXPECT_FALSE(Model().flags(Cell(20, C::Name)) & Qt::ItemIsEditable);
    EXPECT_TRUE(Model().flags(Cell(20, C::Receive)) & Qt::ItemIsEditable);
}

TEST_F(ChannelTable, FindKeepsRowsWhoseNameFrequencyOrChannelMatch)
{
    ChannelFilter& filter = Page().Filter();
    struct Case
    {
        QString text;
        bool hideEmpty;
        int rows;
    };
    int filled = 0;
    for (int slot = 0; slot < MemoryCount; ++slot)
        filled += Image().GetMemoryRecord(slot).empty() ? 0 : 1;
    const Case cases[] = {
        {"w1a", false, 1},                              // name, any case
        {"146.5", false, 1},                            // frequency as shown
        {"146-147", false, 2},                          // range, both ends included
        {"147 - 146", false, 2},                        // either order
        {"146.52-146.52", false, 1}, {"I-", false, 10}, // channel labels
        {"", true, filled},          {"", false, 432},
    };
    for (const Case& c : cases) {
        Page().FilterBox()->setText(c.text);
        Page().HideEmptyBox()->setChecked(c.hideEmpty);
        EXPECT_EQ(filter.rowCount(), c.rows) << c.text.toStdString();
    }
    // Sorting by a heading orders the view only.
    Page().View()->sortByColumn(static_cast<int>(ChannelColumn::Receive), Qt::DescendingOrder);
    EXPECT_EQ(filter.SlotOfRow(0), 11);
    Page().FilterBox()->setText("146"); // a new filter keeps the order
    EXPECT_EQ(filter.SlotOfRow(0), 12);
    EXPECT_EQ(filter.SlotOfRow(1), 10);
    EXPECT_EQ(Image().GetMemoryRecord(11), Shift3);
}

TEST_F(ChannelTable, SetFieldForSelectionSkipsProtectedAndEmptySlotsInOneStep)
{
    MessageRecorder messages;
    tslq::test::EditImage(form_->Doc(), [](RadioImage& image) {
        image.SetMemoryRecord(398, "398" + PlusTone.substr(3));
        image.SetMemoryRecord(401, "U0" + PlusTone.substr(3));
    });
    const RadioImage before = Image();
    Page().SelectSlots(397, 402);
    EXPECT_TRUE(form_->setFieldAction_->isEnabled());
    Page().AskSetField = [] {
        return std::optional<SetFieldChoice>(SetFieldChoice{"Lock Out", {{ChannelColumn::Lockout, "1"}}});
    };
    const int steps = Stack().count();
    form_->setFieldAction_->trigger();
    EXPECT_EQ(RecordField(Image().GetMemoryRecord(398), ChannelField::Lockout), "1");
    EXPECT_EQ(Image().GetMemoryRecord(401), before.GetMemoryRecord(401));
    EXPECT_EQ(Stack().count(), steps + 1);
    EXPECT_EQ(Stack().undoText(), "Set Lock Out on 398");
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText().toStdString(), "Set Field for Selection left 5 channels as they were:\n"
                                                 "397: empty channel\n399: empty channel\nL0: empty channel\n"
                                                 "U0: no lock out on scan edges and priority channels\n"
                                                 "L1: empty channel");

    // A tone on many channels at once; AM and split ones take it as the editor does.
    Page().SelectSlots(10, 14);
    Page().ApplySetField({"CTCSS", {{ChannelColumn::ToneMode, "CTCSS"}, {ChannelColumn::Tone, "88.5Hz"}}});
    EXPECT_EQ(Stack().undoText(), "Set CTCSS on 4 channels");
    for (int slot : {10, 11, 12, 13})
        EXPECT_EQ(ChannelCellText(Image(), slot, ChannelColumn::Tone), "88.5Hz") << slot;
    EXPECT_EQ(Image().GetMemoryRecord(14), CtcssAm); // AM: tones are off
    Stack().undo();
    Stack().undo();
    for (int slot = 0; slot < MemoryCount; ++slot)
        ASSERT_EQ(Image().GetMemoryRecord(slot), before.GetMemoryRecord(slot)) << slot;
}

TEST_F(ChannelTable, SeveralRowsTravelTogetherAndPasteAsOneStep)
{
    MessageRecorder messages;
    const RadioImage before = Image();
    Page().SelectSlots(10, 15); // slot 15 is empty: its place travels along
    form_->copyAction_->trigger();
    // The first record travels in the one-record format as before.
    EXPECT_EQ(ClipboardPayloadBytes(), std::string(Split) + '\0');
    ASSERT_TRUE(MultiClipboardPayloadBytes());
    EXPECT_EQ(RecordsOfMultiPayload(*MultiClipboardPayloadBytes()).size(), 6U);

    Page().SelectSlots(395, 395);
    ASSERT_TRUE(form_->pasteAction_->isEnabled());
    const int steps = Stack().count();
    form_->pasteAction_->trigger();
    EXPECT_EQ(Stack().count(), steps + 1);
    EXPECT_EQ(Stack().undoText(), "Paste into 395-399");
    EXPECT_EQ(Image().GetMemoryRecord(395), "395" + Split.substr(3));
    EXPECT_EQ(Image().GetMemoryRecord(396).substr(0, 4), "396,");
    EXPECT_EQ(Image().GetMemoryRecord(399).substr(0, 4), "399,");
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText().toStdString(), "1 records found no channel after 399 and were not pasted.");
    Stack().undo();
    for (int slot = 390; slot < MemoryCount; ++slot)
        ASSERT_EQ(Image().GetMemoryRecord(slot), before.GetMemoryRecord(slot)) << slot;
}

TEST_F(ChannelTable, CutAndDeleteLeaveTheInformationChannelsOfKAndJ)
{
    MessageRecorder messages;
    tslq::test::EditImage(form_->Doc(), [](RadioImage& image) {
        image.SetMemoryRecord(420, "PR1" + PlusTone.substr(3));
        image.SetMemoryRecord(421, "PR2" + PlusTone.substr(3));
    });
    const RadioImage before = Image();
    Page().SelectSlots(420, 423);
    ASSERT_TRUE(form_->cutAction_->isEnabled());
    form_->cutAction_->trigger();
    EXPECT_TRUE(Image().GetMemoryRecord(420).empty());
    EXPECT_TRUE(Image().GetMemoryRecord(421).empty());
    EXPECT_EQ(Image().GetMemoryRecord(422), before.GetMemoryRecord(422));
    EXPECT_EQ(Stack().undoText(), "Cut 2 channels");
    EXPECT_TRUE(
        messages.LastText().startsWith("Cut left 2 channels as they were:\nI-1: information channel"));
    // Only the information channels selected: nothing to cut or delete.
    Page().SelectSlots(422, 431);
    EXPECT_FALSE(form_->cutAction_->isEnabled());
    EXPECT_FALSE(form_->deleteAction_->isEnabled());
    Stack().undo();
    EXPECT_EQ(Image().GetMemoryRecord(420), before.GetMemoryRecord(420));
}

// The Edit menu stays open on every page for Undo and Redo; on the menu
// pages its other commands are off, on the Channels page they follow the
// selection.
TEST_F(ChannelTable, EditMenuStaysEnabledOnEveryPage)
{
    form_->Doc().StoreRecord(SlotKind::Memory, 30, "030" + PlusTone.substr(3));
    for (QWidget* page : {form_->menu1Page_, form_->menu2Page_, static_cast<QWidget*>(form_->channelsPage_),
                          form_->memoryPage_}) {
        form_->pages_->setCurrentWidget(page);
        QApplication::processEvents();
        EXPECT_TRUE(form_->editMenu_->menuAction()->isEnabled());
        EXPECT_TRUE(form_->undoAction_->isEnabled());
        const bool menuPage = page == form_->menu1Page_ || page == form_->menu2Page_;
        if (menuPage) {
            for (QAction* a :
                 {form_->cutAction_, form_->copyAction_, form_->pasteAction_, form_->deleteAction_,
                  form_->sortAction_, form_->setFieldAction_, form_->CutButton, form_->CopyButton})
                EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
        }
        if (page == form_->channelsPage_) {
            Page().SelectSlots(12, 12);
            EXPECT_TRUE(form_->copyAction_->isEnabled());
            EXPECT_TRUE(form_->cutAction_->isEnabled());
            EXPECT_TRUE(form_->setFieldAction_->isEnabled());
            EXPECT_TRUE(form_->sortAction_->isEnabled());
        }
        if (page == form_->memoryPage_) {
            EXPECT_TRUE(form_->copyAction_->isEnabled());
            EXPECT_FALSE(form_->setFieldAction_->isEnabled());
        }
    }
}

// A paste fills the slots after the selected one whether the filter shows
// them or not: a filled channel out of sight is replaced only on Yes.
TEST_F(ChannelTable, PasteOverChannelsTheFilterHidesAsksFirst)
{
    struct Case
    {
        QString find;
        bool hideEmpty;
        int copyFirst, copyLast, pasteAt;
        QString question; // empty: none asked
    };
    const Case cases[] = {
        {"RPT", false, 12, 13, 11,
         "Paste would also replace 1 channel(s) that the filter hides: 012.\nDo you want to paste?"},
        {"146-147", false, 10, 14, 10,
         "Paste would also replace 3 channel(s) that the filter hides: 011, 013, 014.\nDo you want to "
         "paste?"},
        {"", true, 12, 13, 14, ""}, // 015 is empty: nothing to lose
        {"146-147", false, 12, 12, 12, ""},
    };
    for (const Case& c : cases) {
        for (const MessageButton answer : {MessageButton::No, MessageButton::Yes}) {
            SCOPED_TRACE(c.find.toStdString() + " paste at " + std::to_string(c.pasteAt));
            Page().FilterBox()->clear();
            Page().HideEmptyBox()->setChecked(false);
            Page().SelectSlots(c.copyFirst, c.copyLast);
            form_->copyAction_->trigger();
            Page().FilterBox()->setText(c.find);
            Page().HideEmptyBox()->setChecked(c.hideEmpty);
            Page().SelectSlots(c.pasteAt, c.pasteAt);
            ASSERT_EQ(Page().SelectedSlots(), std::vector<int>{c.pasteAt});
            const RadioImage before = Image();
            const int steps = Stack().index();
            MessageRecorder messages({answer});
            form_->pasteAction_->trigger();
            EXPECT_EQ(messages.Count() > 0 ? messages.Messages()[0].text : QString(), c.question);
            const bool pasted = c.question.isEmpty() || answer == MessageButton::Yes;
            EXPECT_EQ(Stack().index(), steps + (pasted ? 1 : 0));
            if (pasted) {
                Stack().undo();
            } else {
                EXPECT_TRUE(Image() == before);
            }
        }
    }
}

// Every change of the channels applies the filter and "Hide empty channels"
// again; an edit in place leaves its row in view.
TEST_F(ChannelTable, RowsAreFilteredAgainAfterEveryChange)
{
    MessageRecorder messages;
    Page().SelectSlots(12, 13);
    form_->copyAction_->trigger();
    Page().HideEmptyBox()->setChecked(true);
    auto shown = [this](int slot) {
        return Page().Filter().mapFromSource(Cell(slot, ChannelColumn::Channel)).isValid();
    };
    auto select = [this](int slot) { Page().SelectSlots(slot, slot); };
    const CsvImportPlan plan = PlanCsvImport("Location,Frequency\n40,146.52\n", Image(), {});
    struct Step
    {
        const char* what;
        std::function<void()> act;
        int slot;
        bool visible;
    };
    const Step steps[] = {
        {"paste",
         [&] {
             select(14);
             form_->pasteAction_->trigger();
         },
         15, true},
        {"undo", [&] { Stack().undo(); }, 15, false},
        {"redo", [&] { Stack().redo(); }, 15, true},
        {"cut",
         [&] {
             select(15);
             form_->cutAction_->trigger();
         },
         15, false},
        {"undo of the cut", [&] { Stack().undo(); }, 15, true},
        {"delete",
         [&] {
             select(15);
             form_->deleteAction_->trigger();
         },
         15, false},
        {"import", [&] { form_->Doc().ImportCsv(plan); }, 40, true},
        {"undo of the import", [&] { Stack().undo(); }, 40, false},
        {"find", [&] { Page().FilterBox()->setText("146.9"); }, 12, true},
        {"edit in place", [&] { Model().setData(Cell(12, ChannelColumn::Receive), "147.0"); }, 12, true},
        {"a change elsewhere",
         [&] {
             form_->Doc().Delete({EditGrid::Memory, 14});
         },
         12, false},
        {"undo of both",
         [&] {
             Stack().undo();
             Stack().undo();
         },
         12, true},
        {"sort", [&] { form_->Doc().Sort(SortOrder::Frequency); }, 12, false},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(shown(step.slot), step.visible) << step.what;
    }
    EXPECT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
}

// The Lock out box of the scan edges and priority channels is drawn off,
// with the reason as its tip; the row still selects.
TEST_F(ChannelTable, LockOutBoxIsOffWhereTheChannelHasNone)
{
    tslq::test::EditImage(form_->Doc(),
                          [](RadioImage& image) { image.SetMemoryRecord(400, "L0" + PlusTone.substr(3)); });
    struct Probe : ChannelDelegate
    {
        using ChannelDelegate::ChannelDelegate;
        bool Enabled(const QModelIndex& index) const
        {
            QStyleOptionViewItem option;
            option.state = QStyle::State_Enabled; // as the view draws an enabled row
            initStyleOption(&option, index);
            return option.state.testFlag(QStyle::State_Enabled);
        }
    } probe;
    auto viewCell = [this](int slot, ChannelColumn column) {
        return Page().Filter().mapFromSource(Cell(slot, column));
    };
    const struct
    {
        int slot;
        ChannelColumn column;
        bool enabled;
    } cells[] = {{400, ChannelColumn::Lockout, false},
                 {12, ChannelColumn::Lockout, true},
                 {10, ChannelColumn::Reverse, false}, // a split channel
                 {12, ChannelColumn::Reverse, true}};
    for (const auto& cell : cells) {
        EXPECT_EQ(probe.Enabled(viewCell(cell.slot, cell.column)), cell.enabled) << cell.slot;
        EXPECT_EQ(Cell(cell.slot, cell.column).flags().testFlag(Qt::ItemIsUserCheckable), cell.enabled);
    }
    EXPECT_EQ(Cell(400, ChannelColumn::Lockout).data(Qt::ToolTipRole).toString(),
              "no lock out on scan edges and priority channels");
    Page().SelectSlots(400, 401);
    EXPECT_EQ(Page().SelectedSlots(), (std::vector<int>{400, 401}));
}

// At the size the window first opens with, no column of the page lies
// beyond its right edge, in every market's font.
TEST_F(ChannelTable, EveryColumnIsInViewAtTheFirstWindowSize)
{
    for (const char* type : {"KK,0F", "JJ,01"}) {
        Open(type);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
        QApplication::processEvents();
        QTableView* view = Page().View();
        const int last = ChannelColumnCount - 1;
        const int right = view->columnViewportPosition(last) + view->columnWidth(last);
        EXPECT_LE(right, view->viewport()->width()) << type << " window " << form_->width();
        EXPECT_FALSE(view->horizontalScrollBar()->isVisible()) << type;
        // A heading cut short ends in "..." and shows whole as its tip.
        const int offset = static_cast<int>(ChannelColumn::OffsetOrTx);
        EXPECT_TRUE(Model().headerData(offset, Qt::Horizontal).toString().endsWith(QChar(0x2026)));
        EXPECT_EQ(Model().headerData(offset, Qt::Horizontal, Qt::ToolTipRole).toString(),
                  "Offset / Tx (MHz)");
        EXPECT_EQ(Model().headerData(0, Qt::Horizontal).toString(), "Channel");
        form_->hide();
    }
}

TEST(ChannelColumnsPayload, RecordsSurviveTheSecondFormatAndAbsurdPayloadsStop)
{
    const std::vector<std::string> records = {Split, "", PlusTone};
    EXPECT_EQ(RecordsOfMultiPayload(MultiRecordPayload(records)), records);
    EXPECT_EQ(RecordsOfMultiPayload(std::string(500, 'x')).size(), 0U);
    EXPECT_EQ(RecordsOfMultiPayload(std::string(5000, '\0')).size(), 432U);
    EXPECT_FALSE(ParseFrequencyRange("144"));
    EXPECT_FALSE(ParseFrequencyRange("-144"));
    EXPECT_FALSE(ParseFrequencyRange("1.4.4-146"));
    EXPECT_EQ(ParseFrequencyRange("144-146")->upperHz, 146'000'000);
}

} // namespace

namespace {

// The keys reach the table's commands, not the view's own text copy.
TEST_F(ChannelTable, CtrlCAndCtrlVInTheTableCopyAndPasteChannels)
{
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QTableView* view = Page().View();
    view->setFocus();
    Page().SelectSlots(12, 13);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(MultiClipboardPayloadBytes());
    form_->RunUpdateEditCommands(); // as on activation of the application
    Page().SelectSlots(40, 40);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Image().GetMemoryRecord(40), "040" + PlusTone.substr(3));
    EXPECT_EQ(Image().GetMemoryRecord(41), "041" + Dcs.substr(3));
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Image().GetMemoryRecord(40).empty());
    EXPECT_TRUE(Image().GetMemoryRecord(41).empty());
    // Ctrl+F from the page's tab goes to the Find box; on another page it does not.
    form_->pages_->tabBar()->setFocus();
    QTest::keyClick(form_->pages_->tabBar(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(Page().FilterBox()->hasFocus());
    form_->pages_->setCurrentWidget(form_->memoryPage_);
    form_->pages_->tabBar()->setFocus();
    QTest::keyClick(form_->pages_->tabBar(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(Page().FilterBox()->hasFocus());
}

// The view's editors: the lists hold what the band offers, the name box is
// the editor's own, and a choice reaches the document as one step.
TEST_F(ChannelTable, CellEditorsOfferTheBandsValuesAndStoreThroughTheModel)
{
    form_->show();
    QTableView* view = Page().View();
    QAbstractItemDelegate* delegate = view->itemDelegate();
    auto viewIndex = [&](int slot, ChannelColumn column) {
        return Page().Filter().mapFromSource(Cell(slot, column));
    };
    QStyleOptionViewItem option;
    std::unique_ptr<QWidget> editor(
        delegate->createEditor(view->viewport(), option, viewIndex(11, ChannelColumn::Mode)));
    auto* list = qobject_cast<QComboBox*>(editor.get());
    ASSERT_TRUE(list);
    QStringList offered;
    for (const std::string& text : ChannelColumnOptions(Image(), 11, ChannelColumn::Mode))
        offered << QString::fromStdString(text);
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    EXPECT_EQ(items, offered);
    delegate->setEditorData(list, viewIndex(11, ChannelColumn::Mode));
    EXPECT_EQ(list->currentText(), "FM");
    list->setCurrentText("AM");
    const int steps = Stack().index();
    delegate->setModelData(list, view->model(), viewIndex(11, ChannelColumn::Mode));
    EXPECT_EQ(ChannelCellText(Image(), 11, ChannelColumn::Mode), "AM");
    EXPECT_EQ(Stack().index(), steps + 1);

    std::unique_ptr<QWidget> name(
        delegate->createEditor(view->viewport(), option, viewIndex(12, ChannelColumn::Name)));
    ASSERT_TRUE(qobject_cast<NameEdit*>(name.get()));

    // Double click on the channel number opens the memory editor on that slot.
    int opened = -1;
    Page().OpenEditor = [&opened](int slot) { opened = slot; };
    Page().FilterBox()->setText("W1A");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    QApplication::processEvents();
    const QRect cell = view->visualRect(viewIndex(12, ChannelColumn::Channel));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(opened, 12);
}

} // namespace
