// The simulated radio on a pseudo-terminal for the serial-line tests.
#include "support/ServedRadio.h"

#include "link/PortMap.h"
#include "link/TransferRunner.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace tslq::test {

ServedRadio::ServedRadio(const RadioImage& contents, VirtualRadioFaults faults, int comPort)
    : radio(contents), comPort_(comPort)
{
    radio.SetFaults(faults);
    host_ = std::make_unique<PtyHost>(
        [this](std::string_view line) {
            {
                const std::lock_guard<std::mutex> hold(receivedLock_);
                received_.emplace_back(line);
            }
            std::optional<std::string> reply = radio.Respond(line);
            if (!reply && !radio.HungUp()) ++unanswered_;
            return reply;
        },
        [this] { return radio.HungUp(); });
    std::string error;
    EXPECT_TRUE(host_->Open(error)) << error;
    host_->Start();
    if (comPort_ > 0) ThePortMap().SetRunOnlyDevice(comPort_, host_->DevicePath());
}

ServedRadio::~ServedRadio()
{
    host_->Stop();
    if (comPort_ > 0) ThePortMap().SetRunOnlyDevice(comPort_, "");
}

void ServedRadio::Stop()
{
    host_->Stop();
}

RadioImage ServedRadio::Contents()
{
    Stop();
    return radio.Contents();
}

std::vector<std::string> ServedRadio::Received()
{
    Stop();
    const std::lock_guard<std::mutex> hold(receivedLock_);
    return received_;
}

void TimeOutWhenUnanswered(TransferRunner& runner, const ServedRadio& served)
{
    auto* watch = new QTimer(&runner);
    QObject::connect(watch, &QTimer::timeout, &runner, [&runner, &served, watch, seen = 0]() mutable {
        if (served.Unanswered() == seen) return;
        seen = served.Unanswered();
        if (runner.Running()) runner.ReplyTimedOut();
    });
    watch->start(2);
}

} // namespace tslq::test
