// The write transfer against the simulated radio: what is sent for each
// kind of record, the identity checks, progress, cancel and time-out.
#include "link/WriteTransfer.h"

#include "model/Records.h"
#include "support/TransferHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int IndexOf(const std::vector<std::string>& commands, const std::string& command)
{
    const auto it = std::find(commands.begin(), commands.end(), command);
    return it == commands.end() ? -1 : static_cast<int>(it - commands.begin());
}

} // namespace

TEST(WriteTransfer, GoldenTranscriptsPerScope)
{
    const struct
    {
        LinkScope scope;
        const char* file;
    } scopes[] = {{LinkScope::All, "write_all.transcript"},
                  {LinkScope::Memory, "write_memory.transcript"},
                  {LinkScope::Menu, "write_menu.transcript"}};
    for (const auto& s : scopes) {
        SCOPED_TRACE(s.file);
        VirtualRadio radio("KK,0F", "ZT-Q2");
        const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
        WriteTransfer write(image, s.scope);
        const TransferRun run = Drive(write, radio);
        EXPECT_EQ(run.outcome, TransferOutcome::Completed);
        ExpectGolden(s.file, run.Transcript());
    }
}

TEST(WriteTransfer, EmptyImageSendsOneBareCommandPerSlot)
{
    RadioImage image = StartImage("ME,0B", "ZT-Q3");
    image.ClearImage();
    for (int slot = 0; slot < MemoryCount; ++slot)
        ASSERT_TRUE(image.GetMemoryRecord(slot).empty());
    VirtualRadio radio(SampleImage("ME,0B", "ZT-Q3"));
    WriteTransfer write(image, LinkScope::Memory);
    const TransferRun run = Drive(write, radio);
    ASSERT_EQ(run.outcome, TransferOutcome::Completed);
    const auto commands = run.Commands();
    EXPECT_EQ(commands[4], "VMC 0,0");
    EXPECT_EQ(commands[5], "VMC 1,0");
    EXPECT_EQ(commands[6], "MW 0,000");
    EXPECT_EQ(commands[6 + 431], "MW 0,I-0");
    EXPECT_EQ(run.Count("MW 0,"), MemoryCount);
    EXPECT_EQ(run.Count("MW 1,"), 0);
    EXPECT_EQ(run.Count("MNA "), 0);
    EXPECT_EQ(run.Count("PC "), 0);
    // The radio's channels are gone.
    for (int slot = 0; slot < MemoryCount; ++slot)
        EXPECT_EQ(radio.Memory().GetMemoryRecord(slot), "") << slot;
}

TEST(WriteTransfer, ChannelsCallVfoProgramVfoAndDtmf)
{
    RadioImage image = SampleImage("KK,0F", "ZT-Q2");
    // CALL slots 0 and 3 empty, 1 with a transmit part: the slots after an
    // empty one are still visited, and the VFO phase follows slot 3.
    image.SetCallRecord(0, "");
    image.SetCallRecord(1, "1,00223000000,7,0,0,0,0,0,08,08,000,001600000,0,,00224000000,7,,");
    image.SetVfoRecord(13, "");
    image.SetVfoRecord(14, "");
    VirtualRadio radio("KK,0F", "ZT-Q2");
    WriteTransfer write(image, LinkScope::All);
    const TransferRun run = Drive(write, radio);
    ASSERT_EQ(run.outcome, TransferOutcome::Completed);
    const auto commands = run.Commands();

    // Without a transmit frequency: "MW 0," and "MNA "; with one: all three.
    const int mw007 = IndexOf(commands, "MW 0,007,00144800000,0,1,0,1,0,0,12,08,007,000600000,0,0");
    ASSERT_GE(mw007, 0);
    EXPECT_EQ(commands[static_cast<std::size_t>(mw007) + 1], "MNA 007,");
    const int mw005 = IndexOf(commands, "MW 1,005,00146100000,5");
    ASSERT_GE(mw005, 0);
    EXPECT_EQ(commands[static_cast<std::size_t>(mw005) - 1].rfind("MW 0,005,", 0), 0u);
    EXPECT_EQ(commands[static_cast<std::size_t>(mw005) + 1], "MNA 005,RPT");
    EXPECT_EQ(run.Count("MW 1,"), 2);

    // CALL: "CW 1" carries fields 14 and 2; two CALL channels, two "CW 1".
    EXPECT_EQ(run.Count("CW 0,"), 2);
    EXPECT_GE(IndexOf(commands, "CW 1,00224000000,7"), 0);
    EXPECT_GE(IndexOf(commands, "CW 1,00438000000,7"), 0);
    const int lastCall = IndexOf(commands, "CW 1,00438000000,7");
    EXPECT_EQ(commands[static_cast<std::size_t>(lastCall) + 1].rfind("VW 0,", 0), 0u);

    // VFO: thirteen bands left; the program VFO phase still follows.
    EXPECT_EQ(run.Count("VW "), 12); // band 3 is absent on the ZT-Q2
    EXPECT_LE(run.Count("PV "), 4);
    EXPECT_EQ(run.Count("PV "), 3);

    // DTMF: every memory, clearing commands with the two-digit number.
    EXPECT_EQ(run.Count("DM "), 10);
    EXPECT_EQ(run.Count("DMN "), 10);
    EXPECT_GE(IndexOf(commands, "DM 09,"), 0);
    EXPECT_GE(IndexOf(commands, "DMN 09,"), 0);
    EXPECT_GE(IndexOf(commands, "DM 03,12EFA"), 0);

    EXPECT_EQ(run.Count("NAR 4"), 0);
    EXPECT_EQ(commands.back().rfind("BAT ", 0), 0u);
    EXPECT_EQ(write.Maximum(), 498);
    EXPECT_EQ(write.Position(), 431 + 4 + 15 + 4 + 9 + 41);
}

TEST(WriteTransfer, MenuScopeStartsWithPowerAndNeverSelectsChannels)
{
    VirtualRadio radio("KK,0F", "ZT-Q2");
    const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
    WriteTransfer write(image, LinkScope::Menu);
    const TransferRun run = Drive(write, radio);
    ASSERT_EQ(run.outcome, TransferOutcome::Completed);
    EXPECT_EQ(run.Commands()[4].rfind("PC 0,", 0), 0u);
    EXPECT_EQ(run.Count("VMC"), 0);
    EXPECT_EQ(run.Count("MW "), 0);
    EXPECT_EQ(radio.Memory().GetMenuSetting(21), "HI THERE");
    EXPECT_EQ(write.Maximum(), 37);
}

TEST(WriteTransfer, ForeignRadioIsRefusedBeforeAnyChannelIsWritten)
{
    const struct
    {
        const char* type;
        const char* model;
    } radios[] = {
        {"ME,0B", "ZT-Q3"}, {"KE,0F", "ZT-Q2"}, {"MK,0F", "ZT-Q2"}, {"KK,0F", "ZT-Q5"}, {"K", "ZT-Q2"}};
    for (const auto& r : radios) {
        SCOPED_TRACE(r.type + std::string(" ") + r.model);
        VirtualRadio radio(r.type, r.model);
        const RadioImage before = radio.Memory();
        const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
        WriteTransfer write(image, LinkScope::All);
        const TransferRun run = Drive(write, radio);
        EXPECT_EQ(run.outcome, TransferOutcome::InvalidRadio);
        EXPECT_EQ(run.exchanges.size(), r.model == std::string("ZT-Q5") ? 3u : 4u);
        EXPECT_TRUE(radio.Memory() == before);
    }
    // Same letters, other type digits: accepted.
    VirtualRadio radio("KK,0B", "ZT-Q3");
    const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
    WriteTransfer write(image, LinkScope::Menu);
    EXPECT_EQ(Drive(write, radio).outcome, TransferOutcome::Completed);
}

TEST(WriteTransfer, CancelAndTimeOut)
{
    const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
    {
        VirtualRadio radio("KK,0F", "ZT-Q2");
        WriteTransfer write(image, LinkScope::All);
        const TransferRun run = Drive(write, radio, 10);
        EXPECT_EQ(run.outcome, TransferOutcome::Cancelled);
        EXPECT_EQ(run.exchanges.size(), 10u);
    }
    {
        VirtualRadio radio("KK,0F", "ZT-Q2");
        radio.SetFaults({9, 0, 0});
        WriteTransfer write(image, LinkScope::All);
        const TransferRun run = Drive(write, radio);
        EXPECT_EQ(run.outcome, TransferOutcome::Timeout);
        EXPECT_EQ(run.exchanges.size(), 9u);
        // What was written up to then stays in the radio.
        EXPECT_EQ(radio.Memory().GetRecordField(RecordKind::Memory, 0, 17), "HOME");
    }
    {
        // A rejected command still advances the transfer.
        VirtualRadio radio("KK,0F", "ZT-Q2");
        radio.SetFaults({0, 12, 0});
        WriteTransfer write(image, LinkScope::All);
        EXPECT_EQ(Drive(write, radio).outcome, TransferOutcome::Completed);
    }
}
