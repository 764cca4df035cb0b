// The read transfer against the simulated radio: command order, stored
// records, progress, and what cancel, time-out and a wrong radio leave.
#include "link/ReadTransfer.h"

#include "model/Records.h"
#include "sim/SampleLoad.h"
#include "support/TransferHarness.h"

#include <gtest/gtest.h>

TEST(ReadTransfer, GoldenTranscriptsPerScope)
{
    const struct
    {
        LinkScope scope;
        const char* file;
    } scopes[] = {{LinkScope::All, "read_all.transcript"},
                  {LinkScope::Memory, "read_memory.transcript"},
                  {LinkScope::Menu, "read_menu.transcript"}};
    for (const auto& s : scopes) {
        SCOPED_TRACE(s.file);
        VirtualRadio radio(SampleImage("KK,0F", "ZT-Q2"));
        RadioImage image = StartImage("KK,0F", "ZT-Q2");
        ReadTransfer read(image, s.scope);
        const TransferRun run = Drive(read, radio);
        EXPECT_EQ(run.outcome, TransferOutcome::Completed);
        ExpectGolden(s.file, run.Transcript());
    }
}

TEST(ReadTransfer, FullReadStoresTheRadio)
{
    const RadioImage sample = SampleImage("KK,0F", "ZT-Q2");
    VirtualRadio radio(sample);
    RadioImage image = StartImage("ME,0B", "ZT-Q3"); // the program held another version
    ReadTransfer read(image, LinkScope::All);
    const TransferRun run = Drive(read, radio);
    ASSERT_EQ(run.outcome, TransferOutcome::Completed);
    // Band 14's limit is never reported by the radio: it stays the program's.
    EXPECT_EQ(image.BandLimit(14), "00862,01300");
    image.SetBandLimit(14, sample.BandLimit(14));
    EXPECT_EQ(CompareImages(sample, image), "");

    // An empty slot costs one command, a full one three.
    EXPECT_EQ(run.Count("MR 0,"), MemoryCount);
    EXPECT_EQ(run.Count("MR 1,"), 5 + 10); // five channels and the ten weather channels
    EXPECT_EQ(run.Count("MNA "), 15);
    EXPECT_EQ(run.Count("NAR 4"), 0);
    EXPECT_EQ(read.Position(), 505);
    EXPECT_EQ(read.Maximum(), 498);

    const auto commands = run.Commands();
    ASSERT_GE(commands.size(), 6u);
    EXPECT_EQ(commands[0], "VOX 0");
    EXPECT_EQ(commands[1], "VOX 0");
    EXPECT_EQ(commands[2], "ID");
    EXPECT_EQ(commands[3], "TYD");
    EXPECT_EQ(commands[4], "FL 0");
    EXPECT_EQ(commands[5], "FL 1");
    EXPECT_EQ(commands.back(), "BAT");
}

TEST(ReadTransfer, EmptyCallSlotSkipsItsSecondQueryAndEmptyDtmfKeepsTheClearedRecord)
{
    RadioImage contents = SampleImage("KK,0F", "ZT-Q2");
    contents.SetCallRecord(1, "");
    VirtualRadio radio(contents);
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    image.SetDtmfRecord(5, "05,999,OLD");
    ReadTransfer read(image, LinkScope::Memory);
    const TransferRun run = Drive(read, radio);
    ASSERT_EQ(run.outcome, TransferOutcome::Completed);
    EXPECT_EQ(run.Count("CR 1,0"), 1);
    EXPECT_EQ(run.Count("CR 1,1"), 0);
    EXPECT_EQ(run.Count("CR 3,1"), 0); // ZT-Q2: no 1200 MHz CALL channel
    EXPECT_EQ(image.GetCallRecord(1), "");
    EXPECT_EQ(image.GetDtmfRecord(5), "");
    EXPECT_EQ(run.Count("DMN "), 2);
    EXPECT_EQ(read.Position(), 464);
    EXPECT_EQ(read.Maximum(), 461);
    EXPECT_EQ(run.Commands().back(), "DM 09");
}

TEST(ReadTransfer, MenuScopeTouchesNoRecordAndDefaultsTheMenuFirst)
{
    RadioImage contents = SampleImage("KK,0F", "ZT-Q2");
    VirtualRadio radio(contents);
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    image.SetMemoryRecord(3, "003,00145000000,5,0,0,0,0,0,08,08,000,000000000,0,0,,,,KEEP");
    image.SetMenuSetting(22, "16");
    const std::string before = image.GetMemoryRecord(3);
    ReadTransfer read(image, LinkScope::Menu);
    const TransferRun run = Drive(read, radio);
    ASSERT_EQ(run.outcome, TransferOutcome::Completed);
    EXPECT_EQ(run.Count("MR "), 0);
    EXPECT_EQ(run.Count("VR "), 0);
    EXPECT_EQ(run.Commands()[6], "PC 0");
    EXPECT_EQ(image.GetMemoryRecord(3), before);
    EXPECT_EQ(image.GetMenuSetting(21), "HI THERE");
    EXPECT_EQ(image.GetMenuSetting(22), contents.GetMenuSetting(22));
    EXPECT_EQ(read.Position(), 41);
    EXPECT_EQ(read.Maximum(), 37);
}

TEST(ReadTransfer, WrongModelIsRefusedBeforeTheImageChanges)
{
    for (const char* model : {"ZT-Q5", "ZT-Q4", ""}) {
        SCOPED_TRACE(model);
        VirtualRadio radio("KK,0F", model);
        RadioImage image = SampleImage("KK,0F", "ZT-Q2");
        const RadioImage before = image;
        ReadTransfer read(image, LinkScope::All);
        const TransferRun run = Drive(read, radio);
        EXPECT_EQ(run.outcome, TransferOutcome::InvalidRadio);
        EXPECT_EQ(run.lastAction, TransferAction::Kind::InvalidRadio);
        EXPECT_EQ(run.Commands().back(), "ID");
        EXPECT_TRUE(image == before);
    }
    VirtualRadio q3("MM,07", "ZT-Q3");
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    ReadTransfer read(image, LinkScope::Menu);
    EXPECT_EQ(Drive(read, q3).outcome, TransferOutcome::Completed);
    EXPECT_EQ(image.Model(), "ZT-Q3");
    EXPECT_EQ(image.TypeCode(), "MM,07");
    EXPECT_EQ(image.BandLimit(0), "00144,00148");
}

TEST(ReadTransfer, ReadThatStopsEarlyLeavesTheImageAsItWas)
{
    const RadioImage contents = FullImage("KK,0F", "ZT-Q2");
    VirtualRadio probe(contents);
    RadioImage scratch = StartImage("KK,0F", "ZT-Q2");
    ReadTransfer full(scratch, LinkScope::All);
    const int total = static_cast<int>(Drive(full, probe).exchanges.size());
    // What the program held: another version, its own channels.
    const RadioImage held = SampleImage("ME,0B", "ZT-Q3");
    for (int at : {1, total / 2, total}) {
        for (bool cancel : {false, true}) {
            SCOPED_TRACE(std::to_string(at) + (cancel ? " cancel" : " time-out"));
            VirtualRadio radio(contents);
            if (!cancel) radio.SetFaults({at, 0, 0});
            RadioImage image = held;
            ReadTransfer read(image, LinkScope::All);
            const TransferRun run = Drive(read, radio, cancel ? at : 0);
            EXPECT_EQ(run.outcome, cancel ? TransferOutcome::Cancelled : TransferOutcome::Timeout);
            EXPECT_EQ(static_cast<int>(run.exchanges.size()), at);
            EXPECT_EQ(CompareImages(held, image), "");
            EXPECT_TRUE(image == held);
        }
    }
}

TEST(ReadTransfer, InputBeforeTheFirstCommandRestartsTheStartDelay)
{
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    ReadTransfer read(image, LinkScope::All);
    TransferAction action = read.OnReply("garbage\r");
    EXPECT_EQ(action.kind, TransferAction::Kind::RestartStartDelay);
    EXPECT_TRUE(action.clearInput);
    action = read.Start();
    EXPECT_EQ(action.kind, TransferAction::Kind::Send);
    EXPECT_EQ(action.command, "VOX 0");
    EXPECT_TRUE(action.clearInput);
}

TEST(ReadTransfer, MarketJInformationStepFix)
{
    RadioImage contents = StartImage("JJ,01", "ZT-Q3");
    contents.SetMemoryRecord(429, "I-8,00095750000,B,0,0,0,0,0,08,08,000,000000000,1,0,,,,TV-1");
    contents.SetMemoryRecord(10, "010,00095750000,B,0,0,0,0,0,08,08,000,000000000,1,0,,,,");
    VirtualRadio radio(contents);
    RadioImage image = StartImage("JJ,01", "ZT-Q3");
    ReadTransfer read(image, LinkScope::Memory);
    ASSERT_EQ(Drive(read, radio).outcome, TransferOutcome::Completed);
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 429, 2), "A");
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 10, 2), "A");

    RadioImage other = contents;
    other.SetTypeCode("MM,07");
    VirtualRadio radioM(other);
    RadioImage imageM = StartImage("MM,07", "ZT-Q3");
    ReadTransfer readM(imageM, LinkScope::Memory);
    ASSERT_EQ(Drive(readM, radioM).outcome, TransferOutcome::Completed);
    EXPECT_EQ(imageM.GetRecordField(RecordKind::Memory, 429, 2), "B");
}

TEST(ReadTransfer, GarbledReplyAtEveryPositionIsAskedForAgainOrStopsTheRead)
{
    // Every reply of a full read garbled in turn (noise of the same length,
    // its CR kept): once, the query is asked again and the read gives the
    // radio's data; twice, the read stops and the image stays as it was.
    // No other image can come out, so no byte that a well-formed reply
    // could not carry ever reaches it.
    for (const auto& [type, model] : {std::pair{"KK,0F", "ZT-Q2"}, std::pair{"JJ,01", "ZT-Q3"}}) {
        SCOPED_TRACE(type);
        const RadioImage contents = SampleRadioImage(type, model);
        const RadioImage held = SampleImage("ME,0B", "ZT-Q3");
        VirtualRadio probe(contents);
        RadioImage expected = held;
        ReadTransfer clean(expected, LinkScope::All);
        const TransferRun cleanRun = Drive(clean, probe);
        ASSERT_EQ(cleanRun.outcome, TransferOutcome::Completed);
        const int total = static_cast<int>(cleanRun.exchanges.size());

        int carrying = 0; // replies with more than their echo: noise there must be caught
        int caught = 0;
        for (int at = 1; at <= total; ++at) {
            const Exchange& exchange = cleanRun.exchanges[static_cast<std::size_t>(at - 1)];
            if (exchange.command != "VOX 0" && exchange.reply.size() > exchange.command.size() + 2)
                ++carrying;
            for (int times : {1, 2}) {
                VirtualRadio radio(contents);
                radio.SetFaults({0, at, 0, times});
                RadioImage image = held;
                ReadTransfer read(image, LinkScope::All);
                const TransferRun run = Drive(read, radio);
                // The two wake-ups are alike; any other command follows itself only when asked again.
                const bool retried = exchange.command != "VOX 0" &&
                                     static_cast<int>(run.exchanges.size()) > at &&
                                     run.exchanges[static_cast<std::size_t>(at)].command == exchange.command;
                if (times == 1) {
                    caught += retried ? 1 : 0;
                    ASSERT_EQ(run.outcome, TransferOutcome::Completed) << exchange.command;
                    ASSERT_TRUE(image == expected) << exchange.command << "\n"
                                                   << CompareImages(expected, image);
                } else if (retried) {
                    ASSERT_EQ(run.outcome, TransferOutcome::BadReply) << exchange.command;
                    ASSERT_EQ(run.exchanges.size(), static_cast<std::size_t>(at + 1)) << exchange.command;
                    ASSERT_TRUE(image == held) << exchange.command << "\n" << CompareImages(held, image);
                } else {
                    // Noise in place of an error mark or an empty value reads as empty, as
                    // the mark does; the next reply, garbled too, is asked for again.
                    ASSERT_EQ(run.outcome, TransferOutcome::Completed) << exchange.command;
                    ASSERT_TRUE(image == expected) << exchange.command;
                }
            }
        }
        EXPECT_EQ(caught, carrying);
        EXPECT_GT(carrying, 100);
    }
}
