// tslq-cli read and write against the simulated radio on a pseudo-terminal:
// the files they produce and take, the radio's state, exit statuses and the
// messages on standard error.
#include "cli/CliLink.h"

#include "files/DataFile.h"
#include "link/ImageDiff.h"
#include "link/PortMap.h"
#include "link/ReadTransfer.h"
#include "model/Profile.h"
#include "sim/PtyHost.h"
#include "sim/SampleLoad.h"
#include "support/ServedRadio.h"
#include "support/TestSupport.h"
#include "support/TransferHarness.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

using tslq::test::ServedRadio;

namespace {

struct Cli
{
    MemoryConfigStore store;
    std::ostringstream out;
    std::ostringstream err;
    bool terminal = false; // standard error is a terminal

    Cli()
    {
        store.Write("Type", "KK,0F");
        store.Write("Model", "ZT-Q2");
    }
    int Run(const QStringList& arguments)
    {
        const int writes = store.WriteCount();
        const int status = RunCli(arguments, store, out, err, terminal);
        EXPECT_EQ(store.WriteCount(), writes) << "the command line wrote the profile";
        return status;
    }
};

RadioImage ReadBack(const QString& path, std::string& comment)
{
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    ResetImage(image, ImageReset::ForLoad);
    EXPECT_NE(ReadDataFile(tslq::test::ReadBytes(path.toStdString()), image, comment),
              DataFileStatus::BadHeader);
    return image;
}

} // namespace

TEST(CliLink, ReadWritesTheRadioIntoADataFile)
{
    QTemporaryDir dir;
    const RadioImage contents = SampleImage("KK,0F", "ZT-Q2");
    ServedRadio served(contents);
    const QString base = dir.filePath("base.qx");
    const QString out = dir.filePath("out.qx");
    RadioImage baseImage = StartImage("KK,0F", "ZT-Q2");
    ASSERT_TRUE(tslq::test::WriteBytes(base.toStdString(), WriteDataFile(baseImage, "field day")));

    Cli cli;
    ASSERT_EQ(cli.Run({"read", "--port", served.Device(), "--base", base, "-o", out}), kCliOk)
        << cli.err.str();
    std::string comment;
    const RadioImage image = ReadBack(out, comment);
    EXPECT_EQ(comment, "field day");
    EXPECT_EQ(CompareImages(contents, image), "");
    // Not on a terminal: no progress, and one line that counts the records.
    EXPECT_EQ(cli.err.str(), "");
    EXPECT_EQ(cli.out.str(),
              "Read 15 memory channels, 3 CALL, 14 VFO, 2 DTMF and 41 menu settings from ZT-Q2 (KK,0F).\n");
}

TEST(CliLink, ProgressOnATerminalThenOneSummaryLine)
{
    QTemporaryDir dir;
    const RadioImage contents = SampleImage("JJ,01", "ZT-Q3");
    ServedRadio served(contents);
    const QString out = dir.filePath("out.qx");
    Cli cli;
    cli.terminal = true;
    ASSERT_EQ(cli.Run({"read", "--scope", "menu", "--type", "JJ,01", "--port", served.Device(), "-o", out}),
              kCliOk);
    const std::string progress = cli.err.str();
    EXPECT_EQ(progress.rfind("\rReading ", 0), 0u) << progress;
    EXPECT_NE(progress.find("\rReading 37/37\n"), std::string::npos) << progress;
    EXPECT_EQ(progress.back(), '\n');
    EXPECT_EQ(cli.out.str(), "Read 41 menu settings from ZT-Q3 (JJ,01).\n");

    Cli writer;
    writer.terminal = true;
    ASSERT_EQ(writer.Run({"write", "--scope", "memory", "--type", "JJ,01", "--port", served.Device(), out}),
              kCliOk);
    EXPECT_EQ(writer.err.str().rfind("\rWriting ", 0), 0u);
    EXPECT_EQ(writer.out.str(), "Wrote 10 memory channels, 2 CALL, 13 VFO and 0 DTMF to the radio.\n");
}

TEST(CliLink, PortNameReachesTheDeviceMappedInTheProgram)
{
    QTemporaryDir dir;
    const RadioImage contents = SampleImage("KK,0F", "ZT-Q2");
    ServedRadio served(contents);
    const QString out = dir.filePath("out.qx");
    Cli cli;
    cli.store.Write("CommDevice3", served.Device().toStdString());
    ASSERT_EQ(cli.Run({"read", "--port", "COM3", "-o", out}), kCliOk) << cli.err.str();
    std::string comment;
    EXPECT_EQ(CompareImages(contents, ReadBack(out, comment)), "");
    EXPECT_EQ(ThePortMap().Store(), nullptr) << "the command left its store in the port map";
}

TEST(CliLink, WriteSendsADataFileInTheScopeAsked)
{
    QTemporaryDir dir;
    const RadioImage file = SampleImage("KK,0F", "ZT-Q2");
    const QString in = dir.filePath("in.qx");
    ASSERT_TRUE(tslq::test::WriteBytes(in.toStdString(), WriteDataFile(file, "")));
    ServedRadio served(StartImage("KK,0F", "ZT-Q2"));
    Cli cli;
    ASSERT_EQ(cli.Run({"write", "--port", served.Device(), "--scope", "menu", in}), kCliOk) << cli.err.str();
    served.Stop();
    EXPECT_EQ(served.radio.Memory().GetMenuSetting(21), "HI THERE");
    EXPECT_EQ(served.radio.Memory().GetMemoryRecord(5), ""); // no channel in a menu write
}

TEST(CliLink, ExitStatusesAndMessages)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out.qx");
    {
        ServedRadio served(StartImage("ME,0B", "ZT-Q3"));
        Cli cli;
        const QString in = dir.filePath("in.qx");
        ASSERT_TRUE(
            tslq::test::WriteBytes(in.toStdString(), WriteDataFile(SampleImage("KK,0F", "ZT-Q2"), "")));
        EXPECT_EQ(cli.Run({"write", "--port", served.Device(), in}), kCliInvalidRadio);
        EXPECT_EQ(cli.err.str(), "The radio is invalid.\nPlease check and try again.\n");
    }
    {
        ServedRadio served(StartImage("KK,0F", "ZT-Q2"), {3, 0, 0});
        Cli cli;
        EXPECT_EQ(cli.Run({"read", "--port", served.Device(), "-o", out}), kCliTimeout);
        EXPECT_EQ(cli.err.str(),
                  "Communication timeout error.\nThe radio stopped answering: the cable may be "
                  "unplugged or the radio switched off.\nThe read did not finish; nothing was "
                  "changed.\n");
        EXPECT_FALSE(QFile::exists(out)); // a partial read writes no file
    }
    {
        ServedRadio served(StartImage("KK,0F", "ZT-Q2"), {0, 0, 30});
        Cli cli;
        EXPECT_EQ(cli.Run({"read", "--port", served.Device(), "-o", out}), kCliLineFailed);
        EXPECT_EQ(cli.err.str(),
                  "Communication Read Error  ErrorMask=0\nThe radio stopped answering: the cable "
                  "may be unplugged or the radio switched off.\nThe read did not finish; nothing "
                  "was changed.\n");
        EXPECT_FALSE(QFile::exists(out));
    }
    {
        Cli cli;
        EXPECT_EQ(cli.Run({"read", "--port", "/dev/no-such-radio", "-o", out}), kCliPortUnavailable);
        EXPECT_EQ(cli.err.str().rfind("COM port is invalid.\nPlease check comport status.\n", 0), 0u);
    }
    {
        Cli cli;
        EXPECT_EQ(cli.Run({"read", "--port", "/dev/null", "--scope", "some", "-o", out}), kCliBadArguments);
        EXPECT_EQ(cli.Run({"read", "--scope", "all", "-o", out}), kCliBadArguments);
        EXPECT_EQ(cli.Run({"write", "--port", "/dev/null"}), kCliBadArguments);
    }
}

TEST(CliLink, GarbledReplyIsAskedForAgainAndTwiceStopsTheReadWithoutAFile)
{
    QTemporaryDir dir;
    const RadioImage contents = SampleImage("KK,0F", "ZT-Q2");
    VirtualRadio probe(contents);
    RadioImage scratch = StartImage("KK,0F", "ZT-Q2");
    ReadTransfer read(scratch, LinkScope::All);
    const std::vector<std::string> commands = Drive(read, probe).Commands();
    const auto mr005 = std::find(commands.begin(), commands.end(), "MR 0,005");
    ASSERT_NE(mr005, commands.end());
    const int at = static_cast<int>(mr005 - commands.begin()) + 1;
    const QString out = dir.filePath("out.qx");
    {
        ServedRadio served(contents, {0, at, 0, 1});
        Cli cli;
        ASSERT_EQ(cli.Run({"read", "--port", served.Device(), "-o", out}), kCliOk) << cli.err.str();
        std::string comment;
        EXPECT_EQ(CompareImages(contents, ReadBack(out, comment)), "");
        EXPECT_EQ(served.radio.CommandCount(), static_cast<int>(commands.size()) + 1);
    }
    QFile::remove(out);
    {
        ServedRadio served(contents, {0, at, 0, 2});
        Cli cli;
        EXPECT_EQ(cli.Run({"read", "--port", served.Device(), "-o", out}), kCliLineFailed);
        EXPECT_EQ(cli.err.str(),
                  "The radio's reply for memory 005 was garbled twice (\"MR 0,005\": the reply does "
                  "not echo its command).\nCheck the cable and the radio, then try again.\nThe read "
                  "did not finish; nothing was changed.\n");
        EXPECT_FALSE(QFile::exists(out));
        EXPECT_EQ(served.radio.CommandCount(), at + 1);
    }
}

TEST(CliLink, DiffOfTwoFiles)
{
    QTemporaryDir dir;
    const RadioImage radio = SampleImage("KK,0F", "ZT-Q2");
    RadioImage window = radio;
    window.SetMemoryRecord(5, "005,00145520000,5,1,0,1,0,0,12,08,007,000600000,0,1,00146100000,5,,RPT\xC4");
    window.SetMemoryRecord(7, "");
    window.SetVfoRecord(0, "0,00146000000" + radio.GetVfoRecord(0).substr(13));
    window.SetCallRecord(2, "");
    window.SetDtmfRecord(3, "03,999,HOME");
    window.SetProgramVfoRecord(2, "2,00430,00440");
    window.SetMenuSetting(0, "1");
    const QString a = dir.filePath("radio.qx");
    const QString b = dir.filePath("window.qx");
    ASSERT_TRUE(tslq::test::WriteBytes(a.toStdString(), WriteDataFile(radio, "radio")));
    ASSERT_TRUE(tslq::test::WriteBytes(b.toStdString(), WriteDataFile(window, "window")));
    QDir::setCurrent(dir.path());

    Cli cli;
    EXPECT_EQ(cli.Run({"diff", "radio.qx", "window.qx"}), kCliDiffer);
    ExpectGolden("diff_radio_window.txt", cli.out.str());
    EXPECT_EQ(cli.err.str(), "");

    Cli same;
    EXPECT_EQ(same.Run({"diff", "radio.qx", a}), kCliOk);
    EXPECT_EQ(same.out.str(), "");

    Cli bad;
    EXPECT_EQ(bad.Run({"diff", "radio.qx"}), kCliBadArguments);
    EXPECT_EQ(bad.Run({"diff", "radio.qx", "window.qx", "third.qx"}), kCliBadArguments);
    EXPECT_EQ(bad.Run({"diff", "radio.qx", "missing.qx"}), kCliFileError);
    EXPECT_EQ(bad.Run({"diff", "--type", "KK", "radio.qx", "window.qx"}), kCliBadArguments);
}

TEST(CliLink, WriteOnlyTheChangesAndVerify)
{
    QTemporaryDir dir;
    const RadioImage radio = SampleImage("KK,0F", "ZT-Q2");
    RadioImage window = radio;
    window.SetMemoryRecord(5, "005,00145520000,5,1,0,1,0,0,12,08,007,000600000,0,0,00146100000,5,,RPT");
    const QString baseline = dir.filePath("radio.qx");
    const QString in = dir.filePath("window.qx");
    ASSERT_TRUE(tslq::test::WriteBytes(baseline.toStdString(), WriteDataFile(radio, "")));
    ASSERT_TRUE(tslq::test::WriteBytes(in.toStdString(), WriteDataFile(window, "")));
    {
        // Wake-up, "ID", "TYD", "VMC" twice and the channel's three commands;
        // then the same checks and its three queries.
        ServedRadio served(radio);
        Cli cli;
        ASSERT_EQ(cli.Run({"write", "--port", served.Device(), "--changes-only", "--baseline", baseline,
                           "--verify", in}),
                  kCliOk)
            << cli.err.str();
        EXPECT_EQ(
            cli.out.str(),
            "Wrote 1 changed record to the radio.\nRead back 1 record: the radio holds what was written.\n");
        served.Stop();
        EXPECT_EQ(served.radio.CommandCount(), 9 + 7);
        EXPECT_EQ(CompareImages(window, served.radio.Contents()), "");
    }
    {
        // The radio takes the frequency and forgets it.
        VirtualRadioFaults faults;
        faults.ignoreWrite = 1;
        ServedRadio served(radio, faults);
        Cli cli;
        EXPECT_EQ(cli.Run({"write", "--port", served.Device(), "--changes-only", "--baseline", baseline,
                           "--verify", in}),
                  kCliVerifyFailed);
        EXPECT_EQ(cli.err.str(), "tslq-cli write: Against what the radio held in " + baseline.toStdString() +
                                     ", this write changes 1 channel.\n"
                                     "The radio does not hold what was written.\n"
                                     "Slot        Field      radio    written\n"
                                     "Memory 005  Frequency  145.500  145.520\n");
    }
    {
        // The radio goes away during the read-back, after the write's nine
        // commands and the read-back's wake-ups: not known, not a success.
        ServedRadio served(radio, {0, 0, 11});
        Cli cli;
        EXPECT_EQ(cli.Run({"write", "--port", served.Device(), "--changes-only", "--baseline", baseline,
                           "--verify", in}),
                  kCliLineFailed);
        EXPECT_EQ(cli.out.str(), "Wrote 1 changed record to the radio.\n");
        EXPECT_NE(
            cli.err.str().find("\nThe write finished; the read-back did not, so whether the radio holds what "
                               "was written is not known.\n"),
            std::string::npos)
            << cli.err.str();
    }
    {
        // A full write read back whole; nothing to write when nothing differs.
        ServedRadio served(StartImage("KK,0F", "ZT-Q2"));
        Cli cli;
        ASSERT_EQ(cli.Run({"write", "--port", served.Device(), "--verify", in}), kCliOk) << cli.err.str();
        EXPECT_NE(cli.out.str().find("\nRead back 503 records: the radio holds what was written.\n"),
                  std::string::npos)
            << cli.out.str();
        Cli none;
        EXPECT_EQ(none.Run({"write", "--port", served.Device(), "--changes-only", "--baseline", in, in}),
                  kCliOk);
        EXPECT_EQ(none.out.str(), "No record differs from " + in.toStdString() + ": nothing to write.\n");
    }
    Cli bad;
    EXPECT_EQ(bad.Run({"write", "--port", "/dev/null", "--changes-only", in}), kCliBadArguments);
    EXPECT_EQ(bad.Run({"write", "--port", "/dev/null", "--changes-only", "--baseline", "missing.qx", in}),
              kCliFileError);
}

TEST(CliLink, LogOfEveryCommandAndReply)
{
    QTemporaryDir dir;
    const RadioImage radio = SampleImage("KK,0F", "ZT-Q2");
    RadioImage window = radio;
    window.SetMemoryRecord(5, "005,00145520000,5,1,0,1,0,0,12,08,007,000600000,0,0,00146100000,5,,RPT");
    const QString baseline = dir.filePath("radio.qx");
    const QString in = dir.filePath("window.qx");
    const QString log = dir.filePath("serial.log");
    ASSERT_TRUE(tslq::test::WriteBytes(baseline.toStdString(), WriteDataFile(radio, "")));
    ASSERT_TRUE(tslq::test::WriteBytes(in.toStdString(), WriteDataFile(window, "")));
    {
        // The write of one changed channel, exactly as recorded.
        ServedRadio served(radio);
        Cli cli;
        ASSERT_EQ(cli.Run({"write", "--port", served.Device(), "--changes-only", "--baseline", baseline,
                           "--log", log, in}),
                  kCliOk)
            << cli.err.str();
        ExpectGolden("write_changes_one_channel.transcript",
                     WithoutLogTimes(tslq::test::ReadBytes(log.toStdString())));
    }
    {
        // A read the radio stops answering: the log holds what went over
        // the line up to the silence, the last command without a reply.
        ServedRadio served(radio, {3, 0, 0});
        Cli cli;
        EXPECT_EQ(cli.Run({"read", "--port", served.Device(), "--log", log, "-o", dir.filePath("out.qx")}),
                  kCliTimeout);
        EXPECT_EQ(WithoutLogTimes(tslq::test::ReadBytes(log.toStdString())),
                  "> VOX 0\n< VOX 0\n> VOX 0\n< VOX 0\n> ID\n");
    }
    {
        // A log that could not be written is found out before anything is
        // sent.
        ServedRadio served(radio);
        Cli cli;
        EXPECT_EQ(
            cli.Run({"write", "--port", served.Device(), "--log", dir.filePath("missing/serial.log"), in}),
            kCliFileError);
        EXPECT_EQ(cli.err.str().rfind("File Open error.\ntslq-cli write: " +
                                          dir.filePath("missing/serial.log").toStdString() + ": ",
                                      0),
                  0u)
            << cli.err.str();
        EXPECT_EQ(served.CommandsServed(), 0);
        EXPECT_EQ(cli.Run({"read", "--port", served.Device(), "--log", "", "-o", dir.filePath("out.qx")}),
                  kCliBadArguments);
    }
}

// The radio's sample load read into radio.qx, then written back from that
// file cut after memory 030 (cut.qx) and from the same image saved whole
// (window.qx): each refusal, and what the flag that allows it writes.
TEST(CliLink, WriteRefusesACutFileAndEmptyingWhatTheRadioHolds)
{
    QTemporaryDir dir;
    const RadioImage sample = SampleRadioImage("KK,0F", "ZT-Q2");
    const QString radioFile = dir.filePath("radio.qx");
    const QString cutFile = dir.filePath("cut.qx");
    const QString windowFile = dir.filePath("window.qx");
    {
        ServedRadio served(sample);
        Cli cli;
        ASSERT_EQ(cli.Run({"read", "--port", served.Device(), "-o", radioFile}), kCliOk) << cli.err.str();
    }
    const std::string bytes = tslq::test::ReadBytes(radioFile.toStdString());
    ASSERT_TRUE(tslq::test::WriteBytes(cutFile.toStdString(),
                                       bytes.substr(0, bytes.find('\n', bytes.find("\n030\t") + 1) + 1)));
    std::string comment;
    const RadioImage cut = ReadBack(cutFile, comment);
    ASSERT_TRUE(tslq::test::WriteBytes(windowFile.toStdString(), WriteDataFile(cut, comment)));

    const std::string lacks =
        "tslq-cli write: " + cutFile.toStdString() +
        ": This file ends early: DTMF memories, VFO, CALL and the menu settings are not "
        "in it, and memory channels may be missing; what is missing holds empty or "
        "default values.\n"
        "tslq-cli write: the write would send empty records and defaults for what the "
        "file lacks";
    const std::string against =
        "tslq-cli write: Against what the radio held in " + radioFile.toStdString() +
        ", this write changes 21 channels and 4 DTMF memories.\n"
        "tslq-cli write: This write empties 21 channels and 4 DTMF memories the radio "
        "holds: 031, 040, 050, 051, 060–063, L0, U0, PR1, I-1, I-2, I-3, I-4, I-5, "
        "I-6, I-7, I-8, I-9, I-0; DTMF 0–3.\n";
    const struct
    {
        QStringList options;
        int status;
        std::string err;
    } writes[] = {
        {{cutFile},
         kCliFileError,
         lacks + "; nothing was written; give --allow-incomplete to write all the same\n"},
        {{"--allow-incomplete", cutFile}, kCliOk, lacks + "\n"},
        {{"--baseline", radioFile, windowFile},
         kCliFileError,
         against + "tslq-cli write: nothing was written; give --allow-erase to empty them all the same\n"},
        {{"--baseline", radioFile, "--allow-erase", windowFile}, kCliOk, against},
    };
    for (const auto& write : writes) {
        SCOPED_TRACE(write.options.join(' ').toStdString());
        ServedRadio served(sample);
        Cli cli;
        EXPECT_EQ(cli.Run(QStringList{"write", "--port", served.Device()} + write.options), write.status);
        EXPECT_EQ(cli.err.str(), write.err);
        served.Stop();
        // Refused: nothing reached the radio. Allowed: it holds the cut image.
        if (write.status == kCliOk)
            EXPECT_TRUE(DifferingSlots(served.radio.Contents(), cut).Empty());
        else
            EXPECT_EQ(served.CommandsServed(), 0);
    }
}

// A radio that answers the VFO of band 0 without its step and the rest: the
// read names it, and a write of that file refuses it unless told to skip it.
TEST(CliLink, IncompleteRecordsAreNamedAndUnsendableOnesStopTheWrite)
{
    QTemporaryDir dir;
    VirtualRadioFaults faults;
    faults.alterRepliesTo = "VR 0";
    faults.cutBeforeComma = 2; // "VR 0,00144000000"
    const RadioImage contents = SampleImage("KK,0F", "ZT-Q2");
    ServedRadio served(contents, faults);
    const QString out = dir.filePath("out.qx");
    Cli cli;
    ASSERT_EQ(cli.Run({"read", "--port", served.Device(), "-o", out}), kCliOk) << cli.err.str();
    EXPECT_EQ(cli.out.str(),
              "Read 15 memory channels, 3 CALL, 14 VFO, 2 DTMF and 41 menu settings from ZT-Q2 "
              "(KK,0F).\n1 record came back incomplete: VFO A_144MHz\n");

    const int servedBefore = served.CommandsServed();
    Cli refused;
    EXPECT_EQ(refused.Run({"write", "--port", served.Device(), out}), kCliFileError);
    EXPECT_EQ(refused.err.str(),
              "tslq-cli write: 1 record cannot be sent, a radio of this version cannot hold "
              "it; a write leaves it out and the radio keeps what it holds there: VFO 0 "
              "(step is missing)\ntslq-cli write: nothing was written; give "
              "--skip-unsendable to write the rest\n");
    EXPECT_EQ(served.CommandsServed(), servedBefore);

    Cli skipping;
    EXPECT_EQ(skipping.Run({"write", "--port", served.Device(), "--skip-unsendable", "--verify", out}),
              kCliOk)
        << skipping.err.str();
    served.Stop();
    EXPECT_EQ(served.radio.Memory().GetVfoRecord(0), contents.GetVfoRecord(0));
}
