// Damaged data files: every record is checked as it loads, what fails is left
// out and reported, and nothing malformed ever reaches the radio, whether
// the write runs in-process, from the command line over a pseudo-terminal or
// from the window.
#include "cli/Cli.h"
#include "cli/CliLink.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "files/Listing.h"
#include "link/WriteTransfer.h"
#include "mainwin/MainTestSupport.h"
#include "sim/SimServer.h"
#include "support/ServedRadio.h"
#include "support/TestSupport.h"
#include "support/TransferHarness.h"

#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using tslq::test::DataPath;
using tslq::test::MessageRecorder;
using tslq::test::ReadBytes;
using tslq::test::ServedRadio;

namespace {

RadioImage LoadReset()
{
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    ResetImage(image, ImageReset::ForLoad);
    return image;
}

// The reset's record of a slot put into an image.
void ResetSlot(RadioImage& image, const RadioImage& reset, RecordSlot slot)
{
    const int i = slot.index;
    switch (slot.kind) {
    case RecordSlotKind::Memory:
        image.SetMemoryRecord(i, reset.GetMemoryRecord(i));
        break;
    case RecordSlotKind::Vfo:
        image.SetVfoRecord(i, reset.GetVfoRecord(i));
        break;
    case RecordSlotKind::Call:
        image.SetCallRecord(i, reset.GetCallRecord(i));
        break;
    case RecordSlotKind::Dtmf:
        image.SetDtmfRecord(i, reset.GetDtmfRecord(i));
        break;
    case RecordSlotKind::ProgramVfo:
        image.SetProgramVfoRecord(i, reset.GetProgramVfoRecord(i));
        break;
    case RecordSlotKind::Menu:
        image.SetMenuSetting(i, reset.GetMenuSetting(i));
        break;
    }
}

std::string Malformed(const TransferRun& run)
{
    std::string out;
    for (const Exchange& exchange : run.exchanges)
        if (const std::string why = MalformedCommand(exchange.command); !why.empty())
            out += exchange.command + ": " + why + "\n";
    return out;
}

struct DamagedCase
{
    const char* file;
    const char* message;
};

// Each file is tests/data/files/full.qx with some lines damaged (truncated.qx
// is its beginning, cut inside a record without a line end: the cut is where
// the file ends, not a damaged record).
const DamagedCase kDamagedFiles[] = {
    {"truncated.qx", ""},
    {"letters.qx", "2 damaged records were not loaded: memory 001, DTMF 4"},
    {"negative.qx", "2 damaged records were not loaded: memory 010, CALL 1"},
    {"long_number.qx", "3 damaged records were not loaded: memory 200, VFO B, menu setting 22"},
    {"binary.qx",
     "5 damaged records were not loaded: memory 003, memory 007, memory L0, DTMF 6, menu setting 21"},
    {"wrong_width.qx", "6 damaged records were not loaded: memory 020, memory 021, memory 022, VFO 5, "
                       "program VFO 1, menu setting 12"},
};

TEST(DamagedFiles, LoadWithTheReportAndAreNeverSent)
{
    const RadioImage reset = LoadReset();
    for (const DamagedCase& c : kDamagedFiles) {
        SCOPED_TRACE(c.file);
        const std::string bytes = ReadBytes(DataPath(std::string("files/damaged/") + c.file));
        ASSERT_FALSE(bytes.empty());
        RadioImage image = reset;
        std::string comment;
        DataFileReport report;
        ASSERT_EQ(ReadDataFile(bytes, image, comment, report), DataFileStatus::Loaded);
        const std::vector<RecordSlot>& leftOut = report.leftOut;
        EXPECT_EQ(EnglishText(NotLoadedMessage(leftOut)), c.message);
        const bool truncated = bytes.back() != '\n';
        EXPECT_EQ(report.gaps.Incomplete(), truncated);

        // Everything else loads as from the undamaged file; the left-out
        // slots keep the reset's record.
        const std::string undamaged =
            truncated ? bytes.substr(0, bytes.rfind('\n') + 1) : ReadBytes(DataPath("files/full.qx"));
        RadioImage expected = reset;
        std::string expectedComment;
        ASSERT_EQ(ReadDataFile(undamaged, expected, expectedComment), DataFileStatus::Loaded);
        for (const RecordSlot& slot : leftOut)
            ResetSlot(expected, reset, slot);
        EXPECT_EQ(CompareImages(expected, image), "");
        EXPECT_EQ(comment, expectedComment);
        EXPECT_TRUE(CheckImageRecords(image).empty());
        for (const ListingPage& page : BuildListing(image, comment))
            for (const std::string& line : page)
                EXPECT_EQ(line.find("9223372036854"), std::string::npos) << line;

        // The write sends only well-formed commands; a left-out memory slot
        // is emptied in the radio, as the write prompt says.
        VirtualRadio radio(StartImage("KK,0F", "ZT-Q2"));
        WriteTransfer write(image, LinkScope::All);
        const TransferRun run = Drive(write, radio);
        EXPECT_EQ(run.outcome, TransferOutcome::Completed);
        EXPECT_EQ(Malformed(run), "");
        for (const RecordSlot& slot : leftOut) {
            if (slot.kind != RecordSlotKind::Memory) continue;
            EXPECT_EQ(run.Count("MW 0," + MemoryLabel(slot.index) + ","), 0) << RecordSlotName(slot);
        }
    }
}

TEST(DamagedFiles, AWriteNeverSendsARecordThatFailsItsCheck)
{
    // However a record came to be damaged, the write passes it over.
    RadioImage image = SampleImage("KK,0F", "ZT-Q2");
    image.SetMemoryRecord(5, "005,abcdefghijk,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,RPT");
    image.SetCallRecord(2, "2,-0043300000,7");
    image.SetVfoRecord(4, "4,00000540000,Z");
    image.SetDtmfRecord(3, "03,12x");
    image.SetProgramVfoRecord(0, "0,144,147");
    image.SetMenuSetting(22, "99");
    image.SetMenuSetting(7, "\x01");
    const std::vector<DamagedRecord> damaged = UnsendableRecords(image, LinkScope::All);
    EXPECT_EQ(damaged.size(), 7u);
    EXPECT_EQ(UnsendableRecords(image, LinkScope::Menu).size(), 2u);
    EXPECT_EQ(EnglishText(UnsendableNote(UnsendableRecords(image, LinkScope::Menu))),
              "2 records cannot be sent, a radio of this version cannot hold them; a write leaves them out "
              "and the radio keeps what it holds there: "
              "menu setting 7 (menu value is out of range), menu setting 22 (contrast is not 01 to 16)");

    const RadioImage radioBefore = StartImage("KK,0F", "ZT-Q2");
    VirtualRadio radio(radioBefore);
    WriteTransfer write(image, LinkScope::All);
    const TransferRun run = Drive(write, radio);
    EXPECT_EQ(run.outcome, TransferOutcome::Completed);
    EXPECT_EQ(Malformed(run), "");
    // Progress still counts every entry.
    const RadioImage sample = SampleImage("KK,0F", "ZT-Q2");
    VirtualRadio other(radioBefore);
    WriteTransfer whole(sample, LinkScope::All);
    Drive(whole, other);
    EXPECT_EQ(write.Position(), whole.Position());
    for (const char* prefix : {"MW 0,005", "MNA 005", "VW 4", "DM 03", "PV 0", "PC 0", "CNT"})
        EXPECT_EQ(run.Count(prefix), 0) << prefix;
    EXPECT_EQ(run.Count("CW 0"), 2); // CALL 0 and 1; CALL 2 is damaged
    EXPECT_EQ(run.Count("PC "), 3);
    EXPECT_EQ(radio.Memory().GetMenuSetting(22), radioBefore.GetMenuSetting(22));
}

struct Cli
{
    MemoryConfigStore store;
    std::ostringstream out;
    std::ostringstream err;

    Cli()
    {
        store.Write("Type", "KK,0F");
        store.Write("Model", "ZT-Q2");
    }
    int Run(const QStringList& arguments) { return RunCli(arguments, store, out, err); }
};

TEST(DamagedFiles, CommandLineNamesThemAndWritesOnlyWithForce)
{
    const QString file = QString::fromStdString(DataPath("files/damaged/binary.qx"));
    const std::string message =
        "5 damaged records were not loaded: memory 003, memory 007, memory L0, DTMF 6, menu setting 21";
    {
        Cli cli;
        EXPECT_EQ(cli.Run({"listing", file}), kCliOk);
        EXPECT_EQ(cli.err.str(), "tslq-cli listing: " + file.toStdString() + ": " + message + "\n");
    }

    ServedRadio served(FullImage("KK,0F", "ZT-Q2"));
    ASSERT_NE(served.radio.Memory().GetMemoryRecord(3), "");
    const QString device = served.Device();

    Cli refused;
    EXPECT_EQ(refused.Run({"write", "--port", device, file}), kCliFileError);
    EXPECT_NE(refused.err.str().find(message), std::string::npos) << refused.err.str();
    EXPECT_NE(
        refused.err.str().find("Damaged records left out of the file will be cleared in the radio: memory "
                               "003, memory 007, memory L0, DTMF 6, menu setting 21\n"),
        std::string::npos)
        << refused.err.str();
    EXPECT_EQ(served.CommandsServed(), 0);

    // Menu only: the memory slots are not covered, the message setting is.
    Cli menu;
    EXPECT_EQ(menu.Run({"write", "--port", device, "--scope", "menu", file}), kCliFileError);
    EXPECT_NE(menu.err.str().find("cleared in the radio: menu setting 21\n"), std::string::npos);

    Cli forced;
    EXPECT_EQ(forced.Run({"write", "--port", device, "--force", file}), kCliOk) << forced.err.str();
    const std::vector<std::string> received = served.Received();
    ASSERT_FALSE(received.empty());
    for (const std::string& command : received)
        EXPECT_EQ(MalformedCommand(command), "") << command;
    EXPECT_EQ(served.radio.Memory().GetMemoryRecord(3), ""); // left out, so cleared
    EXPECT_EQ(served.radio.Memory().GetRecordField(RecordKind::Memory, 2, ChannelField::CtcssIndex),
              "06"); // the file's
}

TEST(DamagedFiles, WindowReportsAsksBeforeSavingAndNamesThemBeforeAWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("damaged.qx");
    const std::string bytes = ReadBytes(DataPath("files/damaged/letters.qx"));
    ASSERT_TRUE(tslq::test::WriteBytes(path.toStdString(), bytes));
    const std::string message = "2 damaged records were not loaded: memory 001, DTMF 4";

    auto store = tslq::test::StoreFor("KK,0F", "ZT-Q2");
    auto form = tslq::test::MakeMainForm(*store);
    {
        MessageRecorder messages;
        form->Files().CommandLineLoad(path);
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Warning);
        EXPECT_EQ(messages.LastText().toStdString(), message);
        EXPECT_EQ(form->Image().GetMemoryRecord(1), "");
    }
    {
        // No: the file keeps its damaged lines.
        MessageRecorder messages({MessageButton::No});
        form->Files().SaveFile();
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.LastText().toStdString(),
                  message + "\nSaving replaces the file, and their lines will be gone from it.\n"
                            "Do you want to save?");
        EXPECT_EQ(ReadBytes(path.toStdString()), bytes);
    }
    {
        // Yes: saved; the next save asks nothing.
        MessageRecorder messages({MessageButton::Yes});
        form->Files().SaveFile();
        form->Files().SaveFile();
        EXPECT_EQ(messages.Count(), 1);
        EXPECT_NE(ReadBytes(path.toStdString()), bytes);
    }

    struct SimulationGuard
    {
        ~SimulationGuard() { StopSimulatedRadio(); }
    } guard;
    ASSERT_TRUE(form->StartSimulation(""));
    {
        MessageRecorder messages; // the question answered No
        form->writeAllAction_->trigger();
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_TRUE(messages.LastText().startsWith("Damaged records left out of the file will be cleared in "
                                                   "the radio: memory 001, DTMF 4\nWhat the radio holds is "
                                                   "not known"))
            << messages.LastText().toStdString();
        EXPECT_TRUE(messages.LastText().endsWith(".\nDo you want to write the data to the radio?"));
        form->writeMenuAction_->trigger();
        EXPECT_TRUE(messages.LastText().startsWith("What the radio holds is not known"));
    }
}

} // namespace
