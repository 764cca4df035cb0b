// The main window's Read and Write commands against a simulated radio
// started behind COM1 for the run, as `tslq --simulate` does.
#include "link/PortMap.h"
#include "link/ReadDialog.h"
#include "link/ReadTransfer.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "sim/PtyHost.h"
#include "sim/SampleLoad.h"
#include "sim/SimServer.h"
#include "support/ServedRadio.h"
#include "support/TransferHarness.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;

using tslq::test::ServedRadio;

namespace {

// Stops the radio of a test whatever way the test ends.
struct SimulationGuard
{
    ~SimulationGuard() { StopSimulatedRadio(); }
};

// A simulated radio with faults, served behind COM1 for the test.
// Everything of the window that a read may change.
struct WindowState
{
    RadioImage image;
    std::vector<QString> cells;
    QString title;
    QString fileName;
    bool changed = false;
    std::vector<std::string> profile;

    explicit WindowState(MainWindow& form)
        : image(form.Image()), title(form.windowTitle()), fileName(form.FileName()),
          changed(form.DataChanged())
    {
        for (GridId id : {GridId::Memory, GridId::Vfo, GridId::Call, GridId::Dtmf}) {
            const QTableWidget* grid = form.Grid(id);
            cells.push_back(QString::number(grid->rowCount()));
            for (int row = 0; row < grid->rowCount(); ++row)
                for (int column = 0; column < grid->columnCount(); ++column)
                    cells.push_back(form.GridCell(id, column, row));
        }
        for (const char* key : {"Type", "Model"})
            profile.push_back(form.Store().Read(key));
        for (int band = 0; band < BandLimitCount; ++band)
            profile.push_back(form.Store().Read("Limit" + std::to_string(band)));
    }
    bool operator==(const WindowState&) const = default;
};

} // namespace

TEST(LinkCommands, ReadFromTheSimulatedRadioOfAnotherVersion)
{
    SimulationGuard guard;
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    ASSERT_TRUE(form->StartSimulation("JJ,01"));
    form->SetDataChanged(false);
    MessageRecorder messages;
    form->readAllAction_->trigger();
    EXPECT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
    EXPECT_EQ(form->Image().TypeCode(), "JJ,01");
    EXPECT_EQ(form->Image().Model(), "ZT-Q3");
    EXPECT_EQ(form->windowTitle(), "TSL-Q2/Q3 [Radio]");
    EXPECT_EQ(form->FileName(), "Untitled");
    EXPECT_TRUE(form->DataChanged());
    // The radio's version becomes the stored profile.
    EXPECT_EQ(store->Read("Type"), "JJ,01");
    EXPECT_EQ(store->Read("Model"), "ZT-Q3");
    EXPECT_EQ(store->Read("Limit1"), "");
    EXPECT_EQ(form->Scope(), TransferScope::All);
}

TEST(LinkCommands, PortCheckAndSavePromptComeFirst)
{
    SimulationGuard guard;
    auto store = StoreFor("KK,0F", "ZT-Q2");
    store->Write("CommPort", "COM3");
    auto form = MakeMainForm(*store);
    ThePortMap().SetRunOnlyDevice(3, "/dev/no-such-radio");
    {
        MessageRecorder messages;
        form->SetDataChanged(true);
        form->readMemoryAction_->trigger();
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Warning);
        EXPECT_EQ(messages.LastText(),
                  "COM port is invalid.\nPlease check comport status.\n\n/dev/no-such-radio "
                  "does not exist: the USB serial adapter may be unplugged.");
        EXPECT_TRUE(form->DataChanged());
        form->writeMenuAction_->trigger();
        EXPECT_EQ(messages.LastText(),
                  "COM port is invalid.\nPlease check and try again.\n\n/dev/no-such-radio "
                  "does not exist: the USB serial adapter may be unplugged.");
        EXPECT_EQ(form->Scope(), TransferScope::Menu);
    }
    ThePortMap().SetRunOnlyDevice(3, "");
    ASSERT_TRUE(form->StartSimulation(""));
    {
        // Cancel at the save prompt: nothing happens.
        MessageRecorder messages({MessageButton::Cancel});
        const RadioImage before = form->Image();
        form->readAllAction_->trigger();
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::SaveChanges);
        EXPECT_TRUE(form->Image() == before);
        EXPECT_NE(form->windowTitle(), "TSL-Q2/Q3 [Radio]");
    }
}

TEST(LinkCommands, WriteAsksFirstAndLeavesTheImageAlone)
{
    SimulationGuard guard;
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    ASSERT_TRUE(form->StartSimulation(""));
    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) {
        image.SetMemoryRecord(5, "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,RPT");
    });
    form->SetDataChanged(true);
    {
        MessageRecorder messages({MessageButton::No});
        form->writeAllAction_->trigger();
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::WriteQuestion);
        EXPECT_EQ(messages.LastText(),
                  "What the radio holds is not known: no read, compare or finished write of this radio "
                  "version in this session tells it, so what this write changes or empties there cannot be "
                  "shown. Compare First... reads the radio and lists the differences.\n"
                  "Do you want to write the data to the radio?");
    }
    {
        MessageRecorder messages({MessageButton::Yes});
        const RadioImage before = form->Image();
        form->writeMemoryAction_->trigger();
        EXPECT_EQ(messages.Count(), 1);
        EXPECT_TRUE(form->Image() == before);
        EXPECT_TRUE(form->DataChanged());
    }
    // Read it back over what the program holds.
    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) { image.SetMemoryRecord(5, ""); });
    form->SetDataChanged(false);
    MessageRecorder messages;
    form->readMemoryAction_->trigger();
    EXPECT_EQ(form->Image().GetRecordField(RecordKind::Memory, 5, 17), "RPT");
    EXPECT_EQ(messages.Count(), 0);
}

// tslq --simulate and Radio > Read > All: the grids show the radio's sample
// load, not empty rows.
TEST(LinkCommands, TheProgramsSimulatedRadioHoldsItsSampleLoad)
{
    SimulationGuard guard;
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    ASSERT_TRUE(form->StartSimulation(""));
    MessageRecorder messages;
    form->readAllAction_->trigger();
    EXPECT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
    const RadioImage sample = SampleRadioImage("KK,0F", "ZT-Q2");
    for (int slot = 0; slot < MemoryCount; ++slot)
        EXPECT_EQ(form->Image().GetMemoryRecord(slot), sample.GetMemoryRecord(slot)) << slot;
    for (int memory = 0; memory < DtmfCount; ++memory)
        EXPECT_EQ(form->Image().GetDtmfRecord(memory), sample.GetDtmfRecord(memory)) << memory;
    EXPECT_EQ(form->GridCell(GridId::Memory, 1, 2), "001");
    EXPECT_EQ(form->GridCell(GridId::Memory, 2, 2), "146.940");
    EXPECT_EQ(form->GridCell(GridId::Memory, 3, 2), "RPT 94");
}

TEST(LinkCommands, ReadThatStopsEarlyLeavesTheWindowAsItWas)
{
    // The radio is of another version, so a read that went through would
    // change every part of the window.
    const RadioImage contents = FullImage("JJ,01", "ZT-Q3");
    VirtualRadio probe(contents);
    RadioImage scratch = StartImage("JJ,01", "ZT-Q3");
    ReadTransfer full(scratch, LinkScope::All);
    const std::vector<std::string> commands = Drive(full, probe).Commands();
    const int total = static_cast<int>(commands.size());
    // A channel's first query in the middle of the read, to garble twice.
    int channel = total / 2;
    while (commands[static_cast<std::size_t>(channel - 1)].rfind("MR 0,", 0) != 0)
        ++channel;

    enum class Stop { Timeout, HangUp, Cancel, Escape, Garbled };
    const struct
    {
        Stop stop;
        int at; // the command the read stops at
    } cases[] = {
        {Stop::Timeout, 1},       {Stop::Timeout, total / 2}, {Stop::Timeout, total},
        {Stop::HangUp, 1},        {Stop::HangUp, total / 2},  {Stop::HangUp, total},
        {Stop::Cancel, 1},        {Stop::Escape, total / 2},  {Stop::Cancel, total},
        {Stop::Garbled, channel},
    };
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    tslq::test::EditImage(form->Doc(), [&](RadioImage& image) {
        image.SetMemoryRecord(5, "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,RPT");
    });
    form->RefreshAllViews();
    form->SetFileName(QStringLiteral("field day.qx"));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.stop)) + " at " + std::to_string(c.at));
        VirtualRadioFaults faults;
        if (c.stop == Stop::HangUp) {
            // Gone after the reply before, or at once for the first command.
            faults.hangUpAfter = c.at == 1 ? 1 : c.at - 1;
            if (c.at == 1) faults.dropReply = 1;
        } else if (c.stop == Stop::Garbled) {
            faults.garble = c.at;
            faults.garbleCount = 2;
        } else {
            faults.dropReply = c.at;
        }
        ServedRadio served(contents, faults, 1);
        const bool cancel = c.stop == Stop::Cancel || c.stop == Stop::Escape;
        int sent = 0;
        form->PrepareTransferDialog = [&](TransferDialog& transfer) {
            // The left-out reply times out as soon as it is left out; one
            // that comes late on a slow machine is still waited for.
            transfer.runner_.SetTimings({60000, 300, 50});
            if (c.stop == Stop::Timeout) tslq::test::TimeOutWhenUnanswered(transfer.runner_, served);
            QObject::connect(&transfer.runner_, &TransferRunner::Finished,
                             [&] { sent = transfer.runner_.CommandsSent(); });
            if (!cancel) return;
            auto* watch = new QTimer(&transfer);
            QObject::connect(watch, &QTimer::timeout, &transfer, [&transfer, watch, &c] {
                if (transfer.runner_.CommandsSent() < c.at) return;
                watch->stop();
                if (c.stop == Stop::Escape)
                    QTest::keyClick(&transfer, Qt::Key_Escape);
                else
                    transfer.cancelButton_->click();
            });
            watch->start(2);
        };
        form->SetDataChanged(c.at % 2 == 0);
        const WindowState before(*form);
        MessageRecorder messages({MessageButton::No}); // the save prompt, when the data changed
        form->readAllAction_->trigger();
        EXPECT_TRUE(WindowState(*form) == before);
        EXPECT_EQ(CompareImages(before.image, form->Image()), "");
        ASSERT_GE(messages.Count(), 1);
        const auto& shown = messages.Messages().back();
        EXPECT_EQ(shown.kind, cancel ? MessageKind::Information : MessageKind::Error);
        EXPECT_TRUE(shown.text.endsWith("The read did not finish; nothing was changed."))
            << shown.text.toStdString();
        EXPECT_EQ(sent, c.stop == Stop::Garbled ? c.at + 1 : c.at); // a garbled reply is asked for again
    }
}

// A radio that answers the VFO of band 0 without its step and the rest: the
// read names it, and a write of that data asks before it leaves it out.
TEST(LinkCommands, IncompleteRecordsAreNamedAndWhatTheRadioCannotHoldIsAskedAbout)
{
    VirtualRadioFaults faults;
    faults.alterRepliesTo = "VR 0";
    faults.cutBeforeComma = 2; // "VR 0,00144000000"
    ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), faults, 1);
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    form->SetDataChanged(false);
    {
        MessageRecorder messages;
        form->readAllAction_->trigger();
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages().back().kind, MessageKind::Information);
        EXPECT_EQ(messages.LastText(), "1 record came back incomplete: VFO A_144MHz");
        EXPECT_EQ(form->Image().GetVfoRecord(0), "0,00144000000,,,,,,,,,,,,,,,,");
    }
    const int servedBefore = served.CommandsServed();
    MessageRecorder messages({MessageButton::No});
    form->writeAllAction_->trigger();
    ASSERT_EQ(messages.Count(), 1);
    // The note stands first; the summary against the read follows it.
    const QStringList lines = messages.LastText().split('\n');
    EXPECT_EQ(lines.front(), "1 record cannot be sent, a radio of this version cannot hold it; a write "
                             "leaves it out and the radio keeps what it holds there: VFO 0 (step is "
                             "missing)");
    EXPECT_EQ(lines.back(), "Do you want to write the data to the radio?");
    EXPECT_EQ(lines.size(), 3) << messages.LastText().toStdString();
    EXPECT_EQ(served.CommandsServed(), servedBefore);
}
