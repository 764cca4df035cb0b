// The simulated radio on a pseudo-terminal for the serial-line tests.
#include "support/ServedRadio.h"

#include "link/PortMap.h"

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
            return radio.Respond(line);
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

} // namespace tslq::test
