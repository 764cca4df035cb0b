// The serial port component against a pseudo-terminal: event delivery,
// purging, exclusive open, hang-up handling and the fixed error texts.
#include "support/TestPty.h"

#include "link/PortMap.h"
#include "link/RadioPort.h"

#include "model/Profile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using tslq::test::RunEvents;
using tslq::test::RunEventsUntil;
using tslq::test::TestPty;

namespace {

// A component set up as the transfer dialogs use it: one event per CR.
void SetUpLineEvents(RadioPort& comm, const std::string& device)
{
    comm.SetDeviceName(device);
    comm.SetEventType(SerialEventType::CharEvent);
    comm.SetEventChar(13);
    comm.SetFlowControl(SerialFlowControl::XonXoff);
}

std::string ErrorText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const SerialError& e) {
        return e.what();
    }
    return "(no error)";
}

double ProcessCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

} // namespace

TEST(RadioPort, NewComponentStartsWithThePublishedDefaults)
{
    RadioPort comm;
    EXPECT_EQ(comm.CommPort(), ComPort::Com1);
    EXPECT_EQ(comm.BaudRate(), SerialBaudRate::___9600bps);
    EXPECT_EQ(comm.EventType(), SerialEventType::RxEvent);
    EXPECT_EQ(comm.InBuffSize(), 4096u);
    EXPECT_EQ(comm.RxThreshold(), 256u);
    EXPECT_EQ(comm.EventChar(), 65u);
    // Setting the port it already has keeps the initial device-namespace name.
    comm.SetCommPort(ComPort::Com1);
    EXPECT_EQ(comm.DeviceName(), "\\\\.\\COM1");
    comm.SetCommPort(ComPort::Com3);
    EXPECT_EQ(comm.DeviceName(), "COM3");
    comm.SetCommPort(ComPort::Com10);
    EXPECT_EQ(comm.DeviceName(), "\\\\.\\COM10");
}

TEST(RadioPort, ClosedComponentRefusesTransfersWithFixedTexts)
{
    RadioPort comm;
    EXPECT_EQ(comm.CountInBuff(), 0xFFFFFFFFu);
    EXPECT_EQ(comm.CountOutBuff(), 0xFFFFFFFFu);
    char byte = 0;
    // A drain loop on a closed port reads because the count is not zero.
    EXPECT_EQ(ErrorText([&] {
                  while (comm.CountInBuff() != 0)
                      comm.ReadData(&byte, 1);
              }),
              "Have not started communications");
    EXPECT_EQ(ErrorText([&] { comm.WriteStringData("ID\r"); }), "Have not started communications");
    comm.CloseCommport(); // nothing to do, no failure
    comm.ClearInBuff();
    comm.WriteStop();
    EXPECT_FALSE(comm.GetPortStatus());
}

TEST(RadioPort, MissingDeviceFailsToOpenAndStaysClosed)
{
    RadioPort comm;
    comm.SetDeviceName("/dev/tslq-no-such-port");
    EXPECT_EQ(ErrorText([&] { comm.OpenCommport(); }), "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    EXPECT_FALSE(comm.GetPortStatus());
    EXPECT_EQ(comm.LastOpenFailure(), OpenFailure::NotFound);
    EXPECT_FALSE(comm.CheckCommportValid("/dev/tslq-no-such-port"));
}

TEST(RadioPort, ErrorMaskTextsKeepTheirTwoBlanks)
{
    EXPECT_STREQ(SerialError(CommErrorText::ReadError, 4).what(), "Communication Read Error  ErrorMask=4");
    EXPECT_STREQ(SerialError(CommErrorText::WriteError, 0).what(), "Communication Write Error  ErrorMask=0");
}

TEST(RadioPort, TwoLinesArrivingTogetherGiveOneCallbackCountingBoth)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    RadioPort comm;
    SetUpLineEvents(comm, pty.Device());
    std::vector<std::uint32_t> sizes;
    std::string drained;
    comm.OnCommEvent = [&](RadioPort& sender, std::uint32_t& size) {
        sizes.push_back(size);
        drained += sender.ReadStringData(size);
    };
    comm.OpenCommport();
    ASSERT_TRUE(comm.GetPortStatus());

    // A line without its CR raises nothing yet.
    ASSERT_TRUE(pty.Send("ID ZT-"));
    RunEvents(100);
    EXPECT_TRUE(sizes.empty());

    ASSERT_TRUE(pty.Send("Q2\rTYD KK,0F\r"));
    ASSERT_TRUE(RunEventsUntil([&] { return !sizes.empty(); }, 2000));
    RunEvents(100);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0], 19u);
    EXPECT_EQ(drained, "ID ZT-Q2\rTYD KK,0F\r");
}

TEST(RadioPort, BytesLeftUnreadDoNotRaiseAgainUntilTheNextEventChar)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    RadioPort comm;
    SetUpLineEvents(comm, pty.Device());
    std::vector<std::uint32_t> sizes;
    comm.OnCommEvent = [&](RadioPort& sender, std::uint32_t& size) {
        sizes.push_back(size);
        char byte = 0;
        sender.ReadData(&byte, 1); // takes one byte only
    };
    comm.OpenCommport();
    ASSERT_TRUE(pty.Send("AB\r"));
    ASSERT_TRUE(RunEventsUntil([&] { return sizes.size() == 1; }, 2000));
    ASSERT_TRUE(pty.Send("C"));
    RunEvents(100);
    EXPECT_EQ(sizes.size(), 1u);
    ASSERT_TRUE(pty.Send("\r"));
    ASSERT_TRUE(RunEventsUntil([&] { return sizes.size() == 2; }, 2000));
    EXPECT_EQ(sizes[1], 4u); // "B\rC\r"
}

TEST(RadioPort, RxEventWaitsForTheThreshold)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    RadioPort comm;
    comm.SetDeviceName(pty.Device());
    comm.SetRxThreshold(8);
    int calls = 0;
    std::uint32_t last = 0;
    comm.OnCommEvent = [&](RadioPort&, std::uint32_t& size) {
        ++calls;
        last = size;
    };
    comm.OpenCommport();
    ASSERT_TRUE(pty.Send("1234"));
    RunEvents(100);
    EXPECT_EQ(calls, 0);
    ASSERT_TRUE(pty.Send("5678"));
    ASSERT_TRUE(RunEventsUntil([&] { return calls == 1; }, 2000));
    EXPECT_EQ(last, 8u);
}

TEST(RadioPort, StrayBytesBeforeTheOpenAreDiscarded)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    ASSERT_TRUE(pty.Send("\x13garbage\r\xff"));
    RadioPort comm;
    SetUpLineEvents(comm, pty.Device());
    std::string got;
    comm.OnCommEvent = [&](RadioPort& sender, std::uint32_t& size) { got += sender.ReadStringData(size); };
    comm.OpenCommport();
    RunEvents(50);
    EXPECT_EQ(comm.CountInBuff(), 0u);
    ASSERT_TRUE(pty.Send("ID ZT-Q3\r"));
    ASSERT_TRUE(RunEventsUntil([&] { return !got.empty(); }, 2000));
    EXPECT_EQ(got, "ID ZT-Q3\r");
}

TEST(RadioPort, EightBitBytesPassBothWays)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    RadioPort comm;
    SetUpLineEvents(comm, pty.Device());
    std::string got;
    comm.OnCommEvent = [&](RadioPort& sender, std::uint32_t& size) { got += sender.ReadStringData(size); };
    comm.OpenCommport();
    const std::string name = "MNA 005,\xb1\xb2\xdf\x80\xff\r";
    comm.WriteStringData(name);
    EXPECT_EQ(pty.Receive(), name);
    ASSERT_TRUE(pty.Send(name));
    ASSERT_TRUE(RunEventsUntil([&] { return got.size() == name.size(); }, 2000));
    EXPECT_EQ(got, name);
}

TEST(RadioPort, WriteOfTheWholeFreeSpaceIsRefused)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    RadioPort comm;
    comm.SetDeviceName(pty.Device());
    comm.SetOutBuffSize(16);
    comm.OpenCommport();
    ASSERT_EQ(comm.CountOutBuff(), 0u);
    EXPECT_EQ(ErrorText([&] { comm.WriteData(std::string(16, 'x').data(), 16); }), "Too much write data");
    EXPECT_EQ(ErrorText([&] { comm.WriteData(std::string(15, 'x').data(), 15); }), "(no error)");
    EXPECT_TRUE(comm.GetPortStatus()); // an error leaves the port open
    EXPECT_EQ(pty.Receive(), std::string(15, 'x'));
}

TEST(RadioPort, ShortReadReturnsAfterTheReadTimeoutWithTheRestZeroed)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    RadioPort comm;
    comm.SetDeviceName(pty.Device());
    comm.OpenCommport();
    ASSERT_TRUE(pty.Send("AB"));
    RunEventsUntil([&] { return comm.CountInBuff() == 2; }, 1000);
    char buffer[4] = {'?', '?', '?', '?'};
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(comm.ReadData(buffer, 4), 2u);
    const auto elapsed = clock.elapsed();
    EXPECT_GE(elapsed, 1000); // 5 ms per byte plus 1000 ms
    // Once, not twice; the rest of the margin is for a loaded machine.
    EXPECT_LT(elapsed, 2 * (4 * 5 + 1000));
    EXPECT_EQ(std::string(buffer, 4), std::string("AB\0\0", 4));
}

TEST(RadioPort, SecondOpenerOfTheSameDeviceIsRefusedEvenThroughALink)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    QTemporaryDir dir;
    const std::string link = dir.filePath("radio").toStdString();
    std::filesystem::create_symlink(pty.Device(), link);

    RadioPort first;
    first.SetDeviceName(link);
    first.OpenCommport();
    ASSERT_TRUE(first.GetPortStatus());
    EXPECT_EQ(first.OpenedDevice(), pty.Device());
    // The owner itself may use its own port, under either name.
    EXPECT_TRUE(first.CheckCommportValid(link));
    EXPECT_TRUE(first.CheckCommportValid(pty.Device()));

    RadioPort second;
    EXPECT_FALSE(second.CheckCommportValid(pty.Device()));
    EXPECT_EQ(second.LastOpenFailure(), OpenFailure::Busy);
    second.SetDeviceName(pty.Device());
    EXPECT_EQ(ErrorText([&] { second.OpenCommport(); }), "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    EXPECT_FALSE(second.GetPortStatus());

    first.CloseCommport();
    EXPECT_TRUE(second.CheckCommportValid(link));
    EXPECT_FALSE(second.GetPortStatus()); // the test does not leave it open
}

TEST(RadioPort, HangUpClosesThePortAndReportsOnceWithoutBusyLoop)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    RadioPort comm;
    SetUpLineEvents(comm, pty.Device());
    int failures = 0;
    std::string text;
    comm.OnCommFailure = [&](RadioPort& sender, const SerialError& e) {
        ++failures;
        text = e.what();
        EXPECT_FALSE(sender.GetPortStatus());
    };
    comm.OpenCommport();
    pty.CloseMaster();
    ASSERT_TRUE(RunEventsUntil([&] { return failures > 0; }, 2000));
    EXPECT_FALSE(comm.GetPortStatus());
    EXPECT_EQ(text, "Communication Read Error  ErrorMask=0");

    const double cpuBefore = ProcessCpuMs();
    RunEvents(300);
    const double cpuUsed = ProcessCpuMs() - cpuBefore;
    EXPECT_EQ(failures, 1);
    EXPECT_LT(cpuUsed, 60.0) << "the event loop spins after the hang-up";
}

TEST(RadioPort, ExceptionInTheCallbackIsReportedAndDeliveryGoesOn)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    std::vector<std::string> reported;
    RadioPort::SetExceptionReporter([&](const std::string& t) { reported.push_back(t); });
    RadioPort comm;
    SetUpLineEvents(comm, pty.Device());
    int calls = 0;
    comm.OnCommEvent = [&](RadioPort& sender, std::uint32_t& size) {
        ++calls;
        sender.ReadStringData(size);
        if (calls == 1) throw SerialError(CommErrorText::ReadTimeout);
    };
    comm.OpenCommport();
    ASSERT_TRUE(pty.Send("A\r"));
    ASSERT_TRUE(RunEventsUntil([&] { return calls == 1; }, 2000));
    ASSERT_TRUE(pty.Send("B\r"));
    ASSERT_TRUE(RunEventsUntil([&] { return calls == 2; }, 2000));
    RadioPort::SetExceptionReporter({});
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], "Read data Timeout");
}

TEST(RadioPort, ClosingInsideTheCallbackIsSafe)
{
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    auto comm = std::make_unique<RadioPort>();
    SetUpLineEvents(*comm, pty.Device());
    int calls = 0;
    comm->OnCommEvent = [&](RadioPort& sender, std::uint32_t&) {
        ++calls;
        sender.CloseCommport();
    };
    comm->OpenCommport();
    ASSERT_TRUE(pty.Send("A\rB\r"));
    ASSERT_TRUE(RunEventsUntil([&] { return calls == 1; }, 2000));
    ASSERT_TRUE(pty.Send("C\r"));
    RunEvents(50);
    EXPECT_EQ(calls, 1);
    comm.reset();
    RunEvents(10);
}

TEST(PortMap, ComNamesMapToStoredRunOnlyOrNthUsbDevice)
{
    QTemporaryDir dir;
    for (const char* name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS0", "ttyUSB0"})
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    const std::string dev = dir.path().toStdString();

    EXPECT_EQ(UsbSerialDevices(dev), (std::vector<std::string>{dev + "/ttyUSB0", dev + "/ttyUSB2",
                                                               dev + "/ttyUSB10", dev + "/ttyACM0"}));

    MemoryConfigStore store;
    PortMap map;
    map.SetStore(&store);
    map.SetDeviceDir(dev);
    EXPECT_EQ(map.Resolve("COM1"), dev + "/ttyUSB0");
    EXPECT_EQ(map.Resolve("\\\\.\\com4"), dev + "/ttyACM0");
    EXPECT_EQ(map.Resolve("COM5"), "");
    EXPECT_EQ(map.SourceOf(5), PortSource::None);
    EXPECT_EQ(map.Resolve("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(map.Resolve("COM0"), "COM0");
    EXPECT_EQ(map.Resolve("COM11"), "COM11");

    map.SetStoredDevice(5, "/dev/serial/by-id/usb-cable");
    EXPECT_EQ(store.Read("CommDevice5"), "/dev/serial/by-id/usb-cable");
    EXPECT_EQ(map.Resolve("COM5"), "/dev/serial/by-id/usb-cable");
    EXPECT_EQ(map.SourceOf(5), PortSource::Stored);

    const int writes = store.WriteCount();
    map.SetRunOnlyDevice(5, "/dev/pts/3");
    EXPECT_EQ(map.Resolve("COM5"), "/dev/pts/3");
    EXPECT_EQ(map.SourceOf(5), PortSource::RunOnly);
    EXPECT_EQ(store.WriteCount(), writes); // nothing stored
    map.SetRunOnlyDevice(5, "");
    EXPECT_EQ(map.Resolve("COM5"), "/dev/serial/by-id/usb-cable");
}

TEST(RadioPort, PermissionErrorIsToldApartAndNamesTheDialoutGroup)
{
    if (::geteuid() != 0) GTEST_SKIP() << "needs to drop from root to another user";
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    ::chmod(pty.Device().c_str(), 0600);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(3);
            RadioPort comm;
            const bool valid = comm.CheckCommportValid(pty.Device());
            const std::string hint = OpenFailureHint(comm);
            std::_Exit(!valid && comm.LastOpenFailure() == OpenFailure::Permission &&
                               hint.find(": you are not allowed to open it: add yourself to the dialout "
                                         "group") != std::string::npos &&
                               hint.find(pty.Device()) != std::string::npos
                           ? 0
                           : 1);
        },
        ::testing::ExitedWithCode(0), "");
    // A missing device is told as such.
    RadioPort comm;
    EXPECT_FALSE(comm.CheckCommportValid("/dev/tslq-no-such-port"));
    EXPECT_EQ(OpenFailureHint(comm),
              "\n\n/dev/tslq-no-such-port does not exist: the USB serial adapter may be unplugged.");
}
