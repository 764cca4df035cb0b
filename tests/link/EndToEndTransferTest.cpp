// Read and write transfers end to end: the transfer runner on the serial
// component, the simulated radio on a pseudo-terminal. Covers the full
// transfers, the reply time-out as the operator sees it, a hang-up in the
// middle of a read, stray bytes on the line before the first command and a
// second opener of the radio's port.
#include "support/TestPty.h"
#include "support/TransferHarness.h"

#include "link/RadioPort.h"
#include "link/TransferRunner.h"
#include "sim/SimServer.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <gtest/gtest.h>

#include <ctime>
#include <memory>

using tslq::test::RunEvents;
using tslq::test::RunEventsUntil;
using tslq::test::TestPty;

namespace {

double ProcessCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

std::unique_ptr<SimServer> StartServer(SimOptions options)
{
    auto server = std::make_unique<SimServer>(std::move(options));
    std::string error;
    if (!server->Open(error)) {
        ADD_FAILURE() << error;
        return nullptr;
    }
    server->Start();
    return server;
}

// One transfer over a port: the component, the runner, and when and how it
// ended.
struct Transfer
{
    RadioPort comm;
    TransferRunner runner{comm};
    int finished = 0;
    qint64 lastReplyAt = -1; // when the last reply arrived
    qint64 finishedAt = -1;
    QElapsedTimer clock;

    explicit Transfer(const std::string& device)
    {
        comm.SetDeviceName(device);
        ConfigureTransferPort(comm);
        QObject::connect(&runner, &TransferRunner::Finished, [this](TransferOutcome) {
            ++finished;
            finishedAt = clock.elapsed();
        });
        clock.start();
    }
    // Notes when each reply arrives, before its handling writes the next
    // command and starts the reply time-out: whatever the machine's load,
    // the time-out then runs out no sooner than its interval after the note.
    void WatchReplies()
    {
        RadioPort::ReceiveHandler inner = comm.OnCommEvent;
        comm.OnCommEvent = [this, inner](RadioPort& sender, std::uint32_t& size) {
            lastReplyAt = clock.elapsed();
            inner(sender, size);
        };
    }
    bool Wait(int ms)
    {
        return RunEventsUntil([this] { return finished > 0; }, ms);
    }
};

} // namespace

TEST(EndToEnd, FullReadOverThePseudoTerminalGivesTheRadiosImage)
{
    for (const char* type : {"KK,0F", "JJ,01"}) {
        SCOPED_TRACE(type);
        const std::string model = std::string(type) == "JJ,01" ? "ZT-Q3" : "ZT-Q2";
        SimOptions options;
        const RadioImage radio = FullImage(type, model);
        options.contents = std::make_shared<RadioImage>(radio);
        auto server = StartServer(options);
        ASSERT_TRUE(server);

        RadioImage image = StartImage(type, model);
        Transfer transfer(server->DevicePath());
        transfer.runner.StartRead(image, LinkScope::All);
        ASSERT_TRUE(transfer.comm.GetPortStatus());
        // While the transfer holds the port, nobody else gets it.
        RadioPort other;
        EXPECT_FALSE(other.CheckCommportValid(server->DevicePath()));

        ASSERT_TRUE(transfer.Wait(60000));
        EXPECT_EQ(transfer.runner.Outcome(), TransferOutcome::Completed);
        EXPECT_TRUE(transfer.runner.FailureMessage().isEmpty());
        EXPECT_FALSE(transfer.comm.GetPortStatus());
        EXPECT_EQ(CompareImages(radio, image), "");
        EXPECT_TRUE(other.CheckCommportValid(server->DevicePath()));
    }
}

TEST(EndToEnd, FullWriteOverThePseudoTerminalFillsTheRadio)
{
    auto server = StartServer({});
    ASSERT_TRUE(server);
    const RadioImage image = FullImage("KK,0F", "ZT-Q2");
    Transfer transfer(server->DevicePath());
    transfer.runner.StartWrite(image, LinkScope::All);
    ASSERT_TRUE(transfer.Wait(60000));
    EXPECT_EQ(transfer.runner.Outcome(), TransferOutcome::Completed);
    EXPECT_FALSE(transfer.comm.GetPortStatus());
    server->Stop();
    // Read back in-process from what the radio now holds.
    VirtualRadio radio(server->Contents());
    RadioImage readBack = StartImage("KK,0F", "ZT-Q2");
    ReadTransfer read(readBack, LinkScope::All);
    ASSERT_EQ(Drive(read, radio).outcome, TransferOutcome::Completed);
    EXPECT_EQ(CompareImages(image, readBack), "");
}

TEST(EndToEnd, NoReplyEndsWithTheTimeoutMessageOneReplyTimeOutLater)
{
    SimOptions options;
    options.faults.dropReply = 6;
    auto server = StartServer(options);
    ASSERT_TRUE(server);
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    Transfer transfer(server->DevicePath());
    transfer.runner.StartRead(image, LinkScope::All);
    transfer.WatchReplies();
    ASSERT_TRUE(transfer.Wait(20000));
    EXPECT_EQ(transfer.runner.Outcome(), TransferOutcome::Timeout);
    EXPECT_EQ(transfer.runner.FailureMessage(),
              QStringLiteral("Communication timeout error.\nThe radio stopped answering: the cable may be "
                             "unplugged or the radio switched off."));
    EXPECT_EQ(transfer.runner.CommandsSent(), 6);
    ASSERT_GE(transfer.lastReplyAt, 0);
    const qint64 waited = transfer.finishedAt - transfer.lastReplyAt;
    // The first time-out ends it, never an earlier or a later one: the upper
    // bound leaves a loaded machine a whole interval of delay.
    const int interval = TransferTimings{}.replyTimeout;
    EXPECT_EQ(interval, 2000);
    EXPECT_GE(waited, interval);
    EXPECT_LT(waited, 2 * interval);
    EXPECT_FALSE(transfer.comm.GetPortStatus());
}

TEST(EndToEnd, HangUpMidReadEndsWithAMessageAndThePortClosedWithoutSpinning)
{
    SimOptions options;
    options.faults.hangUpAfter = 40;
    options.contents = std::make_shared<RadioImage>(FullImage("KK,0F", "ZT-Q2"));
    auto server = StartServer(options);
    ASSERT_TRUE(server);
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    Transfer transfer(server->DevicePath());
    transfer.runner.StartRead(image, LinkScope::All);
    // The line failure ends it, not the reply time-out (that outcome would
    // be Timeout).
    ASSERT_TRUE(transfer.Wait(20000));
    EXPECT_EQ(transfer.runner.Outcome(), TransferOutcome::LineFailure);
    EXPECT_EQ(
        transfer.runner.FailureMessage(),
        QStringLiteral("Communication Read Error  ErrorMask=0\nThe radio stopped answering: the cable may "
                       "be unplugged or the radio switched off."));
    EXPECT_FALSE(transfer.comm.GetPortStatus());
    EXPECT_TRUE(server->HungUp());

    const double cpuBefore = ProcessCpuMs();
    RunEvents(300);
    EXPECT_LT(ProcessCpuMs() - cpuBefore, 60.0);
    EXPECT_EQ(transfer.finished, 1);
}

TEST(EndToEnd, StrayBytesOnTheLineBeforeTheFirstCommandAreDiscarded)
{
    // The test plays the radio itself here, to put noise on the line at
    // the moment the program has opened it but not yet sent anything.
    TestPty pty;
    ASSERT_TRUE(pty.Ok());
    ASSERT_TRUE(pty.Send("noise before the open\r"));
    const RadioImage contents = SampleImage("KK,0F", "ZT-Q2");
    VirtualRadio radio(contents);
    std::string firstCommand;
    QSocketNotifier notifier(pty.MasterFd(), QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        const std::string bytes = pty.ReadNow();
        if (firstCommand.empty()) firstCommand = bytes;
        pty.Send(radio.Feed(bytes));
    });

    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    Transfer transfer(pty.Device());
    transfer.runner.StartRead(image, LinkScope::All);
    ASSERT_TRUE(transfer.comm.GetPortStatus());
    ASSERT_TRUE(pty.Send("\xff\x13garbage during the start delay\r\x7f"));
    ASSERT_TRUE(transfer.Wait(30000));
    EXPECT_EQ(transfer.runner.Outcome(), TransferOutcome::Completed);
    EXPECT_EQ(CompareImages(contents, image), "");
    // Nothing of the noise reached the radio as a command, either.
    EXPECT_EQ(firstCommand.find("garbage"), std::string::npos);
}
