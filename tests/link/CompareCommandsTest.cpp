// Compare with Radio, Write > Changes and the read-back after a write, in
// the main window against a simulated radio behind COM1: what the window
// and the radio hold afterwards, what the operator is told, and a radio that
// acknowledges a write without storing it.
#include "document/Document.h"
#include "link/CompareDialog.h"
#include "link/LinkCommands.h"
#include "link/PortMap.h"
#include "link/ReadTransfer.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "sim/PtyHost.h"
#include "support/ServedRadio.h"
#include "support/TransferHarness.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <memory>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;

using tslq::test::ServedRadio;

namespace {

// Answers the compare view with a choice and keeps what it showed.
struct CompareRecorder
{
    CompareDialog::Choice choice = CompareDialog::Choice::Close;
    int shown = 0;
    QString message;
    std::vector<std::string> rows;
    bool writeOffered = false;
    bool takeOffered = false;
    ComparePresenter previous;

    CompareRecorder()
    {
        previous = SetComparePresenter([this](CompareDialog& dialog) {
            ++shown;
            message = dialog.MessageLabel()->text();
            rows.clear();
            for (const QString& row : dialog.RowTexts())
                rows.push_back(row.toStdString());
            writeOffered = !dialog.WriteButton()->isHidden();
            takeOffered = !dialog.TakeButton()->isHidden();
            return choice;
        });
    }
    ~CompareRecorder() { SetComparePresenter(std::move(previous)); }
};

const std::string Edited = "005,00145520000,5,1,0,1,0,0,12,08,007,000600000,0,0,00146100000,5,,RPT";

} // namespace

TEST(CompareCommands, CompareLeavesTheWindowAloneAndTakesTheRadiosValuesAsOneStep)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    const RadioImage radio = SampleImage("KK,0F", "ZT-Q2");
    ServedRadio served(radio, {}, 1);
    EXPECT_FALSE(form->writeChangesAction_->isEnabled());
    EXPECT_EQ(form->writeChangesAction_->toolTip(),
              "Needs what the radio holds: read the radio or compare with it first in this session.");

    const RadioImage before = form->Image();
    const std::string profile = store->Read("Limit1");
    CompareRecorder compare;
    MessageRecorder messages;
    form->compareAction_->trigger();
    ASSERT_EQ(compare.shown, 1) << messages.LastText().toStdString();
    EXPECT_EQ(compare.message.toStdString(), "9 records differ.");
    EXPECT_EQ(compare.rows.at(0), "Memory 000 | Frequency | 145.000 | (none)");
    EXPECT_TRUE(compare.writeOffered);
    EXPECT_TRUE(compare.takeOffered);
    EXPECT_TRUE(form->Image() == before);
    EXPECT_FALSE(form->DataChanged());
    EXPECT_EQ(store->Read("Limit1"), profile);
    // What was compared is what the radio holds.
    EXPECT_TRUE(form->writeChangesAction_->isEnabled());

    compare.choice = CompareDialog::Choice::TakeRadioValues;
    form->compareAction_->trigger();
    EXPECT_TRUE(DifferingSlots(radio, form->Image()).Empty());
    EXPECT_TRUE(form->DataChanged());
    EXPECT_EQ(form->Doc().UndoStack().undoText(), "Take Radio's Values");
    form->Doc().UndoStack().undo();
    EXPECT_TRUE(form->Image() == before);
    EXPECT_EQ(messages.Count(), 0);
}

TEST(CompareCommands, WriteChangesSendsOnlyTheChangeAndReadsItBack)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), {}, 1);
    MessageRecorder messages({MessageButton::Yes});
    form->readAllAction_->trigger();
    ASSERT_TRUE(form->writeChangesAction_->isEnabled()) << form->writeChangesAction_->toolTip().toStdString();
    tslq::test::EditImage(form->Doc(), [](RadioImage& image) { image.SetMemoryRecord(5, Edited); });
    const int before = served.radio.CommandCount();

    form->writeChangesAction_->trigger();
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Question);
    EXPECT_TRUE(messages.Messages()[0].text.startsWith("Write the 1 changed record to the radio?\nThe radio "
                                                       "is taken to hold what it held at the last read at "))
        << messages.Messages()[0].text.toStdString();
    EXPECT_TRUE(messages.Messages()[0].text.endsWith(" (KK,0F ZT-Q2)."));
    EXPECT_EQ(messages.LastText(), "The radio holds what was written.");
    // Wake-up, "ID", "TYD", "VMC" twice, the channel's three commands; then
    // the same checks and the channel's three queries.
    EXPECT_EQ(served.radio.CommandCount() - before, 9 + 7);
    EXPECT_EQ(CompareImages(form->Image(), served.Contents()), "");

    // The baseline is now what was written: nothing more to write.
    form->writeChangesAction_->trigger();
    EXPECT_EQ(messages.LastText().left(42), "The radio holds the window's data already,");
}

TEST(CompareCommands, ReadBackCatchesAWriteTheRadioIgnored)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    VirtualRadioFaults faults;
    faults.ignoreWrite = 1; // the channel's "MW 0"
    ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), faults, 1);
    MessageRecorder messages({MessageButton::Yes});
    form->readAllAction_->trigger();
    tslq::test::EditImage(form->Doc(), [](RadioImage& image) { image.SetMemoryRecord(5, Edited); });

    // Write These Changes in the view sends the channel again, which the
    // radio keeps this time.
    CompareRecorder compare;
    compare.choice = CompareDialog::Choice::WriteChanges;
    form->writeChangesAction_->trigger();
    ASSERT_EQ(compare.shown, 1) << messages.LastText().toStdString();
    EXPECT_EQ(compare.message.toStdString(), "The radio does not hold what was written.");
    EXPECT_EQ(compare.rows, (std::vector<std::string>{"Memory 005 | Frequency | 145.500 | 145.520"}));
    EXPECT_TRUE(compare.writeOffered);
    EXPECT_EQ(messages.LastText(), "The radio holds what was written.");
    EXPECT_EQ(CompareImages(form->Image(), served.Contents()), "");
}

TEST(CompareCommands, VerifyAfterWriteIsKeptAndChecksAFullWrite)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    {
        auto form = MakeMainForm(*store);
        EXPECT_TRUE(form->verifyAfterWriteAction_->isCheckable());
        EXPECT_FALSE(form->verifyAfterWriteAction_->isChecked());
        form->verifyAfterWriteAction_->trigger();
        EXPECT_EQ(store->Read("VerifyAfterWrite"), "1");
    }
    auto form = MakeMainForm(*store);
    ASSERT_TRUE(form->verifyAfterWriteAction_->isChecked());
    VirtualRadioFaults faults;
    faults.ignoreWrite = 200;
    ServedRadio served(StartImage("KK,0F", "ZT-Q2"), faults, 1);
    tslq::test::EditImage(form->Doc(), [](RadioImage& image) { image = FullImage("KK,0F", "ZT-Q2"); });

    CompareRecorder compare;
    MessageRecorder messages({MessageButton::Yes});
    form->writeAllAction_->trigger();
    ASSERT_EQ(compare.shown, 1) << messages.LastText().toStdString();
    EXPECT_EQ(compare.message.toStdString(), "The radio does not hold what was written.");
    EXPECT_EQ(compare.rows.at(0).rfind("Memory ", 0), 0u) << compare.rows.at(0);
    // The full write left a baseline of what was written, corrected by what
    // the read-back found.
    EXPECT_TRUE(form->writeChangesAction_->isEnabled());
}

TEST(CompareCommands, AWriteThatStopsDropsTheBaseline)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    const RadioImage contents = SampleImage("KK,0F", "ZT-Q2");
    // The radio goes away during the write, after the read before it.
    VirtualRadio probe(contents);
    RadioImage scratch = form->Image();
    ReadTransfer read(scratch, LinkScope::All);
    VirtualRadioFaults faults;
    faults.hangUpAfter = static_cast<int>(Drive(read, probe).exchanges.size()) + 7;
    ServedRadio served(contents, faults, 1);
    MessageRecorder messages({MessageButton::Yes});
    form->readAllAction_->trigger();
    ASSERT_TRUE(form->writeChangesAction_->isEnabled());
    tslq::test::EditImage(form->Doc(), [](RadioImage& image) { image.SetMemoryRecord(5, Edited); });
    form->writeChangesAction_->trigger();
    EXPECT_EQ(messages.Messages().back().kind, MessageKind::Error);
    EXPECT_FALSE(form->writeChangesAction_->isEnabled());
    EXPECT_EQ(form->writeChangesAction_->toolTip(),
              "Needs what the radio holds: read the radio or compare with it first in this session.");
}
