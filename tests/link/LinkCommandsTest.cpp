// The main window's Read and Write commands against a simulated radio
// started behind COM1 for the run, as `tslq --simulate` does.
#include "TransferHarness.h"
#include "link/PortMap.h"
#include "mainwin/Main.h"
#include "mainwin/MainTestSupport.h"
#include "sim/SampleLoad.h"
#include "sim/SimServer.h"

#include <QAction>
#include <gtest/gtest.h>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::StoreFor;

namespace {

// Stops the radio of a test whatever way the test ends.
struct SimulationGuard
{
    ~SimulationGuard() { StopSimulatedRadio(); }
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
    form->ReadAll1->trigger();
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
        form->ReadMemory1->trigger();
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Warning);
        EXPECT_EQ(messages.LastText(), "COM port is invalid.\nPlease check comport status.");
        EXPECT_TRUE(form->DataChanged());
        form->WriteMenu1->trigger();
        EXPECT_EQ(messages.LastText(), "COM port is invalid.\nPlease check and try again.");
        EXPECT_EQ(form->Scope(), TransferScope::Menu);
    }
    ThePortMap().SetRunOnlyDevice(3, "");
    ASSERT_TRUE(form->StartSimulation(""));
    {
        // Cancel at the save prompt: nothing happens.
        MessageRecorder messages({MessageButton::Cancel});
        const RadioImage before = form->Image();
        form->ReadAll1->trigger();
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
    form->Image().SetMemoryRecord(5, "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,RPT");
    form->SetDataChanged(true);
    {
        MessageRecorder messages({MessageButton::No});
        form->WriteAll1->trigger();
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.LastText(), "Do you want to write the data to the radio?");
    }
    {
        MessageRecorder messages({MessageButton::Yes});
        const RadioImage before = form->Image();
        form->WriteMemory1->trigger();
        EXPECT_EQ(messages.Count(), 1);
        EXPECT_TRUE(form->Image() == before);
        EXPECT_TRUE(form->DataChanged());
    }
    // Read it back over what the program holds.
    form->Image().SetMemoryRecord(5, "");
    form->SetDataChanged(false);
    MessageRecorder messages;
    form->ReadMemory1->trigger();
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
    form->ReadAll1->trigger();
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
