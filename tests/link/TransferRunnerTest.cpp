// The transfer runner over a pseudo-terminal with the simulated radio
// behind it: whole transfers, the reply time-out, cancel, a hang-up, a port
// that cannot be opened, and stray input before the first command.
#include "link/TransferRunner.h"

#include "link/RadioPort.h"
#include "sim/PtyHost.h"
#include "support/ServedRadio.h"
#include "support/TestPty.h"
#include "support/TransferHarness.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using tslq::test::RunEvents;
using tslq::test::RunEventsUntil;

using tslq::test::ServedRadio;

namespace {

// A reply time-out no machine reaches while the radio answers, for tests
// that end a transfer another way.
constexpr int NeverRunsOut = 60000;

// A simulated radio served on its own pseudo-terminal.
struct Runner
{
    RadioPort comm;
    TransferRunner runner{comm};
    int finished = 0;
    int lastPosition = -1;

    explicit Runner(const std::string& device, TransferTimings timings = {})
    {
        ConfigureTransferPort(comm);
        comm.SetDeviceName(device);
        runner.SetTimings(timings);
        QObject::connect(&runner, &TransferRunner::Finished, [this](TransferOutcome) { ++finished; });
        QObject::connect(&runner, &TransferRunner::ProgressChanged,
                         [this](int position, int) { lastPosition = position; });
    }
    bool Wait(int ms = 20000)
    {
        return RunEventsUntil([&] { return finished > 0; }, ms);
    }
};

} // namespace

TEST(TransferRunner, ReadsAndWritesAWholeRadio)
{
    const RadioImage loaded = FullImage("KK,0F", "ZT-Q2");
    ServedRadio served(StartImage("KK,0F", "ZT-Q2"));
    {
        Runner write(served.DevicePath());
        write.runner.StartWrite(loaded, LinkScope::All);
        ASSERT_TRUE(write.Wait());
        EXPECT_EQ(write.runner.Outcome(), TransferOutcome::Completed);
        EXPECT_FALSE(write.comm.GetPortStatus());
        EXPECT_EQ(write.finished, 1);
        EXPECT_TRUE(write.runner.FailureMessage().isEmpty());
    }
    Runner read(served.DevicePath());
    RadioImage image = StartImage("ME,0B", "ZT-Q3");
    read.runner.StartRead(image, LinkScope::All);
    ASSERT_TRUE(read.Wait());
    EXPECT_EQ(read.runner.Outcome(), TransferOutcome::Completed);
    EXPECT_EQ(read.lastPosition, 505);
    image.SetBandLimit(14, loaded.BandLimit(14));
    EXPECT_EQ(CompareImages(loaded, image), "");
}

TEST(TransferRunner, NoReplyEndsWithTheTimeOutAfterTheInterval)
{
    ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), {5, 0, 0});
    // Long enough that the replies the radio does send are never late on a
    // loaded machine.
    const int replyTimeout = 1000;
    Runner read(served.DevicePath(), {replyTimeout, 300, 50});
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    QElapsedTimer clock;
    read.runner.StartRead(image, LinkScope::All);
    clock.start();
    ASSERT_TRUE(read.Wait());
    // Never early (a coarse timer would fire up to 5% before its interval).
    EXPECT_GE(clock.elapsed(), replyTimeout);
    EXPECT_EQ(read.runner.Outcome(), TransferOutcome::Timeout);
    EXPECT_EQ(read.runner.FailureMessage(), TimeoutMessage());
    EXPECT_EQ(read.runner.EndNote(), "The read did not finish; nothing was changed.");
    EXPECT_EQ(read.runner.CommandsSent(), 5);
    EXPECT_FALSE(read.comm.GetPortStatus());
    EXPECT_TRUE(image == StartImage("KK,0F", "ZT-Q2"));
}

TEST(TransferRunner, WrongRadioAndCancel)
{
    {
        ServedRadio served(SampleImage("ME,0B", "ZT-Q3"));
        Runner write(served.DevicePath());
        const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
        write.runner.StartWrite(image, LinkScope::All);
        ASSERT_TRUE(write.Wait());
        EXPECT_EQ(write.runner.Outcome(), TransferOutcome::InvalidRadio);
        EXPECT_EQ(write.runner.FailureMessage(), "The radio is invalid.\nPlease check and try again.");
        EXPECT_EQ(write.runner.CommandsSent(), 4);
    }
    {
        // Cancel while nothing answers: the cancel completion ends it.
        ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), {10, 0, 0});
        Runner read(served.DevicePath(), {NeverRunsOut, 300, 50});
        RadioImage image = StartImage("KK,0F", "ZT-Q2");
        read.runner.StartRead(image, LinkScope::All);
        ASSERT_TRUE(RunEventsUntil([&] { return read.runner.CommandsSent() == 10; }, 20000));
        QElapsedTimer clock;
        clock.start();
        read.runner.Cancel();
        ASSERT_TRUE(read.Wait());
        EXPECT_LT(clock.elapsed(), NeverRunsOut);
        EXPECT_EQ(read.runner.Outcome(), TransferOutcome::Cancelled);
        EXPECT_TRUE(read.runner.FailureMessage().isEmpty());
        EXPECT_TRUE(image == StartImage("KK,0F", "ZT-Q2"));
    }
}

TEST(TransferRunner, HangUpEndsTheTransferWithTheCause)
{
    ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), {0, 0, 20});
    Runner read(served.DevicePath(), {NeverRunsOut, 300, 50});
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    QElapsedTimer clock;
    clock.start();
    read.runner.StartRead(image, LinkScope::All);
    ASSERT_TRUE(read.Wait());
    EXPECT_LT(clock.elapsed(), NeverRunsOut); // not the reply time-out
    EXPECT_EQ(read.runner.Outcome(), TransferOutcome::LineFailure);
    EXPECT_TRUE(read.runner.FailureMessage().startsWith("Communication Read Error  ErrorMask=0\n"));
    EXPECT_FALSE(read.comm.GetPortStatus());
    EXPECT_EQ(read.finished, 1);
}

TEST(TransferRunner, PortThatCannotBeOpened)
{
    Runner read("/dev/nonexistent-radio-port");
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    const RadioImage before = image;
    read.runner.StartRead(image, LinkScope::All);
    EXPECT_EQ(read.finished, 1);
    EXPECT_EQ(read.runner.Outcome(), TransferOutcome::PortUnavailable);
    EXPECT_EQ(read.runner.FailureMessage(), "COM port is invalid.\nPlease check comport status.\n\n"
                                            "/dev/nonexistent-radio-port does not exist: the USB serial "
                                            "adapter may be unplugged.");
    EXPECT_TRUE(image == before);
}

TEST(TransferRunner, StrayInputBeforeTheFirstCommandIsDiscarded)
{
    tslq::test::TestPty pty;
    ASSERT_TRUE(pty.Ok());
    // A start delay far longer than the quiet spell looked for, so that a
    // slow machine cannot stretch the spell past it.
    Runner write(pty.Device(), {NeverRunsOut, 300, 1000});
    const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
    write.runner.StartWrite(image, LinkScope::Menu);
    ASSERT_TRUE(pty.Send("noise\r"));
    // The start delay begins again, so nothing is sent for a while yet.
    EXPECT_EQ(pty.Receive(150), "");
    VirtualRadio radio("KK,0F", "ZT-Q2");
    for (int i = 0; i < 200 && write.finished == 0; ++i) {
        const std::string command = pty.Receive(20000, [&] { return write.finished > 0; });
        if (command.empty()) break;
        ASSERT_TRUE(pty.Send(radio.Feed(command)));
    }
    ASSERT_TRUE(write.Wait());
    EXPECT_EQ(write.runner.Outcome(), TransferOutcome::Completed);
    EXPECT_EQ(radio.Memory().GetMenuSetting(21), "HI THERE");
}

TEST(TransferRunner, GarbledReplyIsAskedForAgainAfterDiscardingWhatFollowsIt)
{
    tslq::test::TestPty pty;
    ASSERT_TRUE(pty.Ok());
    // The discard time is far longer than the pause before the rest of the
    // noise, so that a slow machine cannot stretch the pause past it.
    const int discard = 1000;
    Runner read(pty.Device(), {NeverRunsOut, 300, 50, discard});
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    read.runner.StartRead(image, LinkScope::Menu);
    VirtualRadio radio(SampleImage("KK,0F", "ZT-Q2"));
    QElapsedTimer sinceGarble;
    int askedForPc0 = 0;
    std::vector<std::string> commands;
    for (int i = 0; i < 200 && read.finished == 0; ++i) {
        const std::string command = pty.Receive(20000, [&] { return read.finished > 0; });
        if (command.empty()) break;
        commands.push_back(command);
        if (command == "PC 0\r" && ++askedForPc0 == 1) {
            // Noise, then the rest of it a little later: neither is an answer.
            ASSERT_TRUE(pty.Send("PC 0,\xA5\r"));
            sinceGarble.start();
            RunEvents(40);
            ASSERT_TRUE(pty.Send("PC 0,0\r"));
            continue;
        }
        if (command == "PC 0\r") {
            EXPECT_GE(sinceGarble.elapsed(), discard);
        }
        ASSERT_TRUE(pty.Send(radio.Feed(command)));
    }
    ASSERT_TRUE(read.Wait());
    EXPECT_EQ(read.runner.Outcome(), TransferOutcome::Completed);
    EXPECT_EQ(askedForPc0, 2);
    // Asked again at once: the rest of the noise answered nothing.
    const auto pc0 = std::find(commands.begin(), commands.end(), "PC 0\r");
    ASSERT_LT(pc0 + 2, commands.end());
    EXPECT_EQ(pc0[1], "PC 0\r");
    EXPECT_EQ(pc0[2], "PC 1\r");
    EXPECT_EQ(image.GetMenuSetting(21), "HI THERE");
}
