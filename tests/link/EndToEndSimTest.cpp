// The simulated radio served on a pseudo-terminal: version choice, start
// from a data file and save on exit, faults, and the in-program radio
// behind a COM port of this run only.
#include "support/TestPty.h"
#include "support/TransferHarness.h"

#include "files/DataFile.h"
#include "link/PortMap.h"
#include "link/RadioPort.h"
#include "model/Profile.h"
#include "model/Records.h"
#include "sim/SimServer.h"
#include "support/FullDisk.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using tslq::test::RunEvents;
using tslq::test::RunEventsUntil;

namespace {

// Sends one command line and returns what came back within ms (empty when
// the radio stayed silent). The default wait is generous: on a loaded machine
// a reply that comes after the wait spills into the next question.
std::string Ask(RadioPort& comm, const std::string& command, int ms = 5000)
{
    std::string got;
    comm.OnCommEvent = [&](RadioPort& sender, std::uint32_t& size) { got += sender.ReadStringData(size); };
    comm.WriteStringData(command + "\r");
    RunEventsUntil([&] { return !got.empty() && got.back() == '\r'; }, ms);
    return got;
}

void OpenLine(RadioPort& comm, const std::string& device)
{
    comm.SetDeviceName(device);
    comm.SetEventType(SerialEventType::CharEvent);
    comm.SetEventChar(13);
    comm.SetFlowControl(SerialFlowControl::XonXoff);
    comm.OpenCommport();
}

} // namespace

TEST(SimServer, VersionIsCheckedAndCompletedFromTheSetupTable)
{
    struct Case
    {
        const char* type;
        const char* model;
        bool ok;
        const char* resolvedType;
        const char* resolvedModel;
    };
    const Case cases[] = {
        {"", "", true, "KK,0F", "ZT-Q2"},           {"jj,01", "", true, "JJ,01", "ZT-Q3"},
        {"ME,0B", "ZT-Q5", true, "ME,0B", "ZT-Q5"}, {"KE,0F", "", false, "", ""},
        {"KX,0F", "ZT-Q2", false, "", ""},          {"KK,0F", "ZT-Q4", false, "", ""},
        {"KK0F", "ZT-Q2", false, "", ""},           {"KK,0G", "ZT-Q2", false, "", ""},
    };
    for (const Case& c : cases) {
        SimOptions options;
        options.typeCode = c.type;
        options.model = c.model;
        std::string error;
        EXPECT_EQ(ResolveSimVersion(options, error), c.ok) << c.type << " " << c.model;
        if (c.ok) {
            EXPECT_EQ(options.typeCode, c.resolvedType);
            EXPECT_EQ(options.model, c.resolvedModel);
        } else {
            EXPECT_FALSE(error.empty());
        }
    }
}

TEST(SimServer, The1200VariantNamesItselfByItsBaseModel)
{
    EXPECT_EQ(SimIdentity("KK,0F", "ZT-Q5"), "ZT-Q2");
    EXPECT_EQ(SimIdentity("JJ,01", "ZT-Q5"), "ZT-Q3");
    EXPECT_EQ(SimIdentity("KE,0F", "ZT-Q5"), "ZT-Q3");
    EXPECT_EQ(SimIdentity("KK,0F", "ZT-Q3"), "ZT-Q3");
}

TEST(SimServer, AnswersAsTheVersionAsked)
{
    SimOptions options;
    options.typeCode = "ME,0B";
    SimServer server(options);
    std::string error;
    ASSERT_TRUE(server.Open(error)) << error;
    server.Start();
    RadioPort comm;
    OpenLine(comm, server.DevicePath());
    EXPECT_EQ(Ask(comm, "ID"), "ID ZT-Q3\r");
    EXPECT_EQ(Ask(comm, "TYD"), "TYD ME,0B\r");
}

TEST(SimServer, StartsFromADataFileAndSavesWhatWasWritten)
{
    QTemporaryDir dir;
    const std::string loadPath = dir.filePath("in.qx").toStdString();
    const std::string savePath = dir.filePath("out.qx").toStdString();
    RadioImage image = SampleImage("KK,0F", "ZT-Q2");
    ASSERT_TRUE(tslq::test::WriteBytes(loadPath, WriteDataFile(image, "bench radio")));

    SimOptions options;
    options.loadPath = loadPath;
    SimServer server(options);
    std::string error;
    ASSERT_TRUE(server.Open(error)) << error;
    server.Start();
    {
        RadioPort comm;
        OpenLine(comm, server.DevicePath());
        const std::string slot(RecordField(image.GetMemoryRecord(5), 0));
        const std::string reply = Ask(comm, "MR 0," + slot);
        EXPECT_EQ(reply.rfind("MR 0," + slot + ",", 0), 0u) << reply;
        // A channel written over the line is what the saved file holds.
        EXPECT_EQ(Ask(comm, "MW 0,399,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0"),
                  "MW 0,399,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0\r");
    }
    server.Stop();
    ASSERT_TRUE(server.Save(savePath, error)) << error;

    RadioImage saved;
    saved.SetTypeCode("KK,0F");
    saved.SetModel("ZT-Q2");
    ResetImage(saved, ImageReset::ForLoad);
    std::string comment;
    ASSERT_EQ(ReadDataFile(tslq::test::ReadBytes(savePath), saved, comment), DataFileStatus::Loaded);
    EXPECT_EQ(comment, "bench radio");
    EXPECT_EQ(RecordField(saved.GetMemoryRecord(399), 1), "00145500000");
    EXPECT_EQ(saved.GetMemoryRecord(5), image.GetMemoryRecord(5));

    // On a full disk the save fails with the reason; the file saved before stays.
    tslq::test::FullDisk disk;
    if (!disk.Unusable().isEmpty()) return;
    const std::string previous = disk.FilePath("out.qx").toStdString();
    ASSERT_TRUE(tslq::test::WriteBytes(previous, "previous"));
    ASSERT_TRUE(disk.Fill());
    EXPECT_FALSE(server.Save(previous, error));
    disk.Release();
    EXPECT_NE(error.find(disk.Reason().toStdString()), std::string::npos) << error;
    EXPECT_EQ(tslq::test::ReadBytes(previous), "previous");
    EXPECT_EQ(disk.Files(), QStringList{"out.qx"});
}

TEST(SimServer, RefusesAFileThatIsNotADataFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("bad.qx").toStdString();
    ASSERT_TRUE(tslq::test::WriteBytes(path, "not a radio\r\n"));
    SimOptions options;
    options.loadPath = path;
    SimServer server(options);
    std::string error;
    EXPECT_FALSE(server.Open(error));
    EXPECT_NE(error.find("bad.qx"), std::string::npos);
}

TEST(SimServer, DroppedAndGarbledRepliesAndHangUpReachTheLine)
{
    SimOptions options;
    options.faults.dropReply = 2;
    options.faults.garble = 3;
    options.faults.hangUpAfter = 4;
    SimServer server(options);
    std::string error;
    ASSERT_TRUE(server.Open(error)) << error;
    server.Start();
    RadioPort comm;
    int failures = 0;
    comm.OnCommFailure = [&](RadioPort&, const SerialError&) { ++failures; };
    OpenLine(comm, server.DevicePath());
    EXPECT_EQ(Ask(comm, "ID"), "ID ZT-Q2\r");
    EXPECT_EQ(Ask(comm, "ID", 300), "");
    const std::string garbled = Ask(comm, "ID");
    EXPECT_EQ(garbled.size(), std::string("ID ZT-Q2\r").size());
    EXPECT_NE(garbled, "ID ZT-Q2\r");
    comm.WriteStringData("ID\r");
    ASSERT_TRUE(RunEventsUntil([&] { return failures > 0; }, 3000));
    EXPECT_FALSE(comm.GetPortStatus());
    EXPECT_TRUE(server.HungUp());
}

TEST(SimServer, InProgramRadioSitsBehindAPortForThisRunOnly)
{
    MemoryConfigStore store;
    ThePortMap().SetStore(&store);
    std::string error;
    const std::string device = StartSimulatedRadio("JJ,01", "", 3, error);
    ASSERT_FALSE(device.empty()) << error;
    EXPECT_EQ(ThePortMap().DeviceOf(3), device);
    EXPECT_EQ(store.WriteCount(), 0);
    {
        RadioPort comm;
        OpenLine(comm, "\\\\.\\COM3");
        ASSERT_TRUE(comm.GetPortStatus());
        EXPECT_EQ(Ask(comm, "TYD"), "TYD JJ,01\r");
    }
    StopSimulatedRadio();
    EXPECT_NE(ThePortMap().DeviceOf(3), device);
    ThePortMap().SetStore(nullptr);
}
