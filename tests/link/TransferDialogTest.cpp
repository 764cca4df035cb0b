// The Read and Write dialogs over a simulated radio behind port COM1: the
// progress bar, the messages at the end and the closing rules.
#include "link/ReadDialog.h"
#include "link/WriteDialog.h"

#include "link/PortMap.h"
#include "sim/PtyHost.h"
#include "support/MessageRecorder.h"
#include "support/ServedRadio.h"
#include "support/TestPty.h"
#include "support/TransferHarness.h"
#include "ui/Messages.h"

#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using tslq::test::MessageRecorder;
using tslq::test::RunEventsUntil;

using tslq::test::ServedRadio;
using tslq::test::TimeOutWhenUnanswered;

namespace {

// A reply time-out no machine reaches while the radio answers: the reply it
// leaves out times out through TimeOutWhenUnanswered.
constexpr int NeverRunsOut = 60000;

bool RunToEnd(TransferDialog& form, int ms = 20000)
{
    form.show();
    return RunEventsUntil([&] { return !form.isVisible(); }, ms);
}

} // namespace

TEST(TransferDialog, ReadFillsTheImageAndTheBarStaysFull)
{
    MessageRecorder messages;
    ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), {}, 1);
    RadioImage image = StartImage("KK,0F", "ZT-Q2");
    ReadDialog form(image, LinkScope::Memory, 1);
    EXPECT_EQ(form.windowTitle(), "Read");
    ASSERT_TRUE(RunToEnd(form));
    EXPECT_EQ(form.Outcome(), TransferOutcome::Completed);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.progressBar_->maximum(), 461);
    EXPECT_EQ(form.progressBar_->value(), 461); // the position ran on to 464
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(form.port_.GetPortStatus());
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 5, 17), "RPT");
}

TEST(TransferDialog, FailuresAreShownOnceWithTheirKind)
{
    {
        MessageRecorder messages;
        ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), {4, 0, 0}, 1);
        RadioImage image = StartImage("KK,0F", "ZT-Q2");
        ReadDialog form(image, LinkScope::All, 1);
        form.runner_.SetTimings({NeverRunsOut, 300, 50});
        TimeOutWhenUnanswered(form.runner_, served);
        ASSERT_TRUE(RunToEnd(form));
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Error);
        EXPECT_EQ(messages.Messages()[0].text,
                  TimeoutMessage() + "\n\nThe read did not finish; nothing was changed.");
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
    {
        // A write that stops once channels went out says the radio holds part of the data.
        MessageRecorder messages;
        ServedRadio served(StartImage("KK,0F", "ZT-Q2"), {12, 0, 0}, 1);
        const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
        WriteDialog form(image, LinkScope::All, 1);
        form.runner_.SetTimings({NeverRunsOut, 300, 50});
        TimeOutWhenUnanswered(form.runner_, served);
        ASSERT_TRUE(RunToEnd(form));
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Error);
        EXPECT_EQ(messages.Messages()[0].text, TimeoutMessage() +
                                                   "\n\nThe radio now holds part of the new data; a "
                                                   "new write will complete it.");
    }
    {
        MessageRecorder messages;
        ServedRadio served(StartImage("JJ,01", "ZT-Q3"), {}, 1);
        const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
        WriteDialog form(image, LinkScope::All, 1);
        EXPECT_EQ(form.windowTitle(), "Write");
        ASSERT_TRUE(RunToEnd(form));
        ASSERT_EQ(messages.Count(), 1);
        // Nothing was written yet, so nothing more is said.
        EXPECT_EQ(messages.Messages()[0].text, "The radio is invalid.\nPlease check and try again.");
        EXPECT_EQ(served.radio.Memory().GetMemoryRecord(5), "");
    }
    {
        // The port went away between the check and the showing.
        MessageRecorder messages;
        ThePortMap().SetRunOnlyDevice(1, "/dev/no-such-radio");
        const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
        WriteDialog form(image, LinkScope::Menu, 1);
        ASSERT_TRUE(RunToEnd(form, 3000));
        ThePortMap().SetRunOnlyDevice(1, "");
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Warning);
        EXPECT_EQ(form.Outcome(), TransferOutcome::PortUnavailable);
    }
}

TEST(TransferDialog, CancelAndEscapeEndTheTransferAndSayWhatItLeft)
{
    {
        MessageRecorder messages;
        ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), {10, 0, 0}, 1);
        RadioImage image = StartImage("KK,0F", "ZT-Q2");
        const RadioImage before = image;
        ReadDialog form(image, LinkScope::All, 1);
        form.show();
        ASSERT_TRUE(RunEventsUntil([&] { return form.runner_.CommandsSent() == 10; }, 5000));
        form.reject(); // Escape: cancels, does not close at once
        EXPECT_TRUE(form.isVisible());
        ASSERT_TRUE(RunEventsUntil([&] { return !form.isVisible(); }, 10000));
        EXPECT_EQ(form.Outcome(), TransferOutcome::Cancelled);
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Information);
        EXPECT_EQ(messages.Messages()[0].text, "The read did not finish; nothing was changed.");
        EXPECT_TRUE(image == before);
    }
    {
        MessageRecorder messages;
        ServedRadio served(StartImage("KK,0F", "ZT-Q2"), {10, 0, 0}, 1);
        const RadioImage image = SampleImage("KK,0F", "ZT-Q2");
        WriteDialog form(image, LinkScope::All, 1);
        form.show();
        ASSERT_TRUE(RunEventsUntil([&] { return form.runner_.CommandsSent() == 10; }, 5000));
        form.CancelTransfer();
        ASSERT_TRUE(RunEventsUntil([&] { return !form.isVisible(); }, 10000));
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Information);
        EXPECT_EQ(messages.Messages()[0].text,
                  "The radio now holds part of the new data; a new write will complete it.");
    }
}
