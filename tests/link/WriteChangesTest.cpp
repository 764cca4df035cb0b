// Writing only the changes and reading back what was written, against the
// simulated radio: what goes over the line, what the radio then holds, and a
// radio that acknowledges a write without storing it.
#include "link/ImageDiff.h"
#include "link/ReadTransfer.h"
#include "link/WriteTransfer.h"

#include "model/Records.h"
#include "support/TransferHarness.h"

#include <gtest/gtest.h>

namespace {

const char* const Type = "KK,0F";
const char* const Model = "ZT-Q2";

// What a read of the radio stores.
RadioImage ReadAll(VirtualRadio& radio)
{
    RadioImage image = StartImage(Type, Model);
    ReadTransfer read(image, LinkScope::All);
    const TransferRun run = Drive(read, radio);
    EXPECT_EQ(run.outcome, TransferOutcome::Completed);
    return image;
}

struct Verified
{
    TransferRun run;
    ImageDifferences differences;
};

// Reads back the slots and compares them with what was written.
Verified ReadBack(VirtualRadio& radio, const RadioImage& written, const SlotSet& slots)
{
    RadioImage readBack = written;
    ReadTransfer read(readBack, slots);
    Verified verified{Drive(read, radio), {}};
    verified.differences = DescribeDifferences(written, readBack, slots);
    return verified;
}

// The window's image after one edit of the radio's contents: channel 005's
// receive frequency moves up by 20 kHz.
RadioImage EditedChannel(const RadioImage& radio)
{
    RadioImage window = radio;
    std::string record = window.GetMemoryRecord(5);
    record.replace(4, 11, "00145520000");
    window.SetMemoryRecord(5, record);
    return window;
}

} // namespace

TEST(WriteChanges, OneChannelSendsTheChecksAndThatChannelOnly)
{
    VirtualRadio radio(SampleImage(Type, Model));
    const RadioImage baseline = ReadAll(radio);
    const RadioImage window = EditedChannel(baseline);
    const SlotSet changes = DifferingSlots(baseline, window);
    ASSERT_EQ(changes.Count(), 1);

    WriteTransfer write(window, changes);
    const TransferRun run = Drive(write, radio);
    ASSERT_EQ(run.outcome, TransferOutcome::Completed);
    ExpectGolden("write_changes_one_channel.transcript", run.Transcript());
    EXPECT_EQ(write.Maximum(), 1);
    EXPECT_EQ(write.Position(), 1);
    EXPECT_EQ(write.SentSlots(), changes);

    // The radio now holds the window's image.
    EXPECT_TRUE(DifferingSlots(ReadAll(radio), window).Empty());
    EXPECT_EQ(CompareImages(window, ReadAll(radio)), "");
}

TEST(WriteChanges, EveryKindInTheOrderOfAFullWrite)
{
    VirtualRadio radio(SampleImage(Type, Model));
    const RadioImage baseline = ReadAll(radio);
    RadioImage window = baseline;
    window.SetMemoryRecord(7, ""); // emptied: the bare command
    window.SetMemoryRecord(420, "PR1" + baseline.GetMemoryRecord(0).substr(3));
    window.SetCallRecord(0, "0,00145100000,5,0,0,0,0,0,08,08,000,000600000,0,,,,,");
    window.SetVfoRecord(12, "C,00440000000,7,0,0,0,0,0,08,08,000,005000000,0,,,,,");
    window.SetProgramVfoRecord(0, "0,00144,00146");
    window.SetDtmfRecord(9, "09,9*9#,LAST");
    window.SetMenuSetting(23, "2"); // "SV"
    window.SetMenuSetting(8, "1");  // "PC 1"
    const SlotSet changes = DifferingSlots(baseline, window);
    ASSERT_EQ(changes.Count(), 8);

    WriteTransfer write(window, changes);
    const TransferRun run = Drive(write, radio);
    ASSERT_EQ(run.outcome, TransferOutcome::Completed);
    const std::vector<std::string> expected = {"VOX 0",
                                               "VOX 0",
                                               "ID",
                                               "TYD",
                                               "VMC 0,0",
                                               "VMC 1,0",
                                               "MW 0,007",
                                               "MW 0,PR1,00145000000,5,1,0,1,0,0,12,08,007,000600000,0,0",
                                               "MNA PR1,HOME",
                                               "CW 0,00145100000,5,0,0,0,0,0,08,08,000,000600000,0",
                                               "VW C,00440000000,7,0,0,0,0,0,08,08,000,005000000,0",
                                               "PV 0,00144,00146",
                                               "DM 09,9E9F",
                                               "DMN 09,LAST",
                                               "PC 1,1",
                                               "SV 2"};
    EXPECT_EQ(run.Commands(), expected);
    EXPECT_EQ(write.Position(), 8);
    EXPECT_EQ(write.Maximum(), 8);
    EXPECT_TRUE(DifferingSlots(ReadAll(radio), window).Empty());
}

TEST(WriteChanges, MenuOnlyAndNothingAtAll)
{
    VirtualRadio radio(SampleImage(Type, Model));
    const RadioImage baseline = ReadAll(radio);
    RadioImage window = baseline;
    window.SetMenuSetting(21, "BYE");
    {
        WriteTransfer write(window, DifferingSlots(baseline, window));
        const TransferRun run = Drive(write, radio);
        EXPECT_EQ(run.Commands(), (std::vector<std::string>{"VOX 0", "VOX 0", "ID", "TYD", "MES BYE"}));
        EXPECT_EQ(run.outcome, TransferOutcome::Completed);
    }
    {
        // No change: the radio is still identified, and nothing is sent.
        WriteTransfer write(window, SlotSet());
        const TransferRun run = Drive(write, radio);
        EXPECT_EQ(run.Commands(), (std::vector<std::string>{"VOX 0", "VOX 0", "ID", "TYD"}));
        EXPECT_EQ(run.outcome, TransferOutcome::Completed);
        EXPECT_FALSE(write.DataSent());
    }
    {
        // A radio of another version is refused before anything is written.
        VirtualRadio other(SampleImage("EE,0F", "ZT-Q3"));
        WriteTransfer write(window, DifferingSlots(baseline, window));
        const TransferRun run = Drive(write, other);
        EXPECT_EQ(run.outcome, TransferOutcome::InvalidRadio);
        EXPECT_EQ(run.Commands().back(), "TYD");
    }
}

TEST(WriteChanges, ReadBackFindsAnIgnoredWrite)
{
    for (int ignored : {0, 1, 2, 3}) {
        SCOPED_TRACE(ignored);
        VirtualRadio radio(SampleImage(Type, Model));
        const RadioImage baseline = ReadAll(radio);
        RadioImage window = EditedChannel(baseline);
        // The TX part and the name change too, so that each of the three
        // commands of the channel carries something new.
        std::string record = window.GetMemoryRecord(5);
        record.replace(record.find("00146100000"), 11, "00146120000");
        window.SetMemoryRecord(5, record.substr(0, record.rfind(',') + 1) + "NEW");
        VirtualRadioFaults faults;
        faults.ignoreWrite = ignored; // 1 "MW 0", 2 "MW 1", 3 "MNA"
        radio.SetFaults(faults);

        WriteTransfer write(window, DifferingSlots(baseline, window));
        ASSERT_EQ(Drive(write, radio).outcome, TransferOutcome::Completed);
        const Verified verified = ReadBack(radio, window, write.SentSlots());
        ASSERT_EQ(verified.run.outcome, TransferOutcome::Completed);
        EXPECT_EQ(verified.run.Commands(), (std::vector<std::string>{"VOX 0", "VOX 0", "ID", "TYD",
                                                                     "MR 0,005", "MR 1,005", "MNA 005"}));
        if (ignored == 0) {
            EXPECT_TRUE(verified.differences.Empty());
            continue;
        }
        ASSERT_EQ(verified.differences.records.size(), 1u);
        EXPECT_EQ(verified.differences.records[0].place, "Memory 005");
        const char* field[] = {"", "Frequency", "Offset or Tx", "Name"};
        EXPECT_EQ(verified.differences.records[0].fields.at(0).field, field[ignored]);
    }
}

TEST(WriteChanges, ReadBackOfAFullWriteAndOfEmptiedSlots)
{
    // A full write of a loaded image over a new radio; the 300th write is
    // lost. Reading back every slot sent finds that one record alone.
    const RadioImage window = FullImage(Type, Model);
    VirtualRadio radio(Type, Model);
    VirtualRadioFaults faults;
    faults.ignoreWrite = 300;
    radio.SetFaults(faults);
    WriteTransfer write(window, LinkScope::All);
    ASSERT_EQ(Drive(write, radio).outcome, TransferOutcome::Completed);
    const Verified verified = ReadBack(radio, window, write.SentSlots());
    ASSERT_EQ(verified.run.outcome, TransferOutcome::Completed);
    EXPECT_EQ(verified.differences.records.size(), 1u);
    EXPECT_EQ(verified.run.Count("MR 0,"), MemoryCount);

    // Channels and a DTMF memory emptied by the write read back empty.
    RadioImage emptied = window;
    emptied.SetMemoryRecord(0, "");
    emptied.SetDtmfRecord(0, "");
    VirtualRadio clean(window);
    WriteTransfer second(emptied, DifferingSlots(window, emptied));
    ASSERT_EQ(Drive(second, clean).outcome, TransferOutcome::Completed);
    EXPECT_TRUE(ReadBack(clean, emptied, second.SentSlots()).differences.Empty());
    // A radio that still holds them is caught.
    VirtualRadio stale(window);
    EXPECT_EQ(ReadBack(stale, emptied, second.SentSlots()).differences.records.size(), 2u);
    // A radio of another version is refused.
    VirtualRadio other(SampleImage("EE,0F", "ZT-Q3"));
    EXPECT_EQ(ReadBack(other, emptied, second.SentSlots()).run.outcome, TransferOutcome::InvalidRadio);
}
