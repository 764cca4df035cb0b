// The simulated radio served on a pseudo-terminal, for tests that go through a
// real serial port: the program under test opens the device like the radio's
// cable, and the test reads the radio's memory afterwards.
#pragma once

#include "model/RadioImage.h"
#include "sim/PtyHost.h"
#include "sim/VirtualRadio.h"

#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TransferRunner;

namespace tslq::test {

class ServedRadio
{
  public:
    // comPort > 0 maps that port of the port map to the device for this run,
    // as Port Select > Device... would, and the mapping is undone at the end.
    explicit ServedRadio(const RadioImage& contents, VirtualRadioFaults faults = {}, int comPort = 0);
    ~ServedRadio();
    ServedRadio(const ServedRadio&) = delete;
    ServedRadio& operator=(const ServedRadio&) = delete;

    const std::string& DevicePath() const { return host_->DevicePath(); }
    QString Device() const { return QString::fromStdString(DevicePath()); }
    int CommandsServed() const { return host_->CommandsServed(); }
    // Commands the radio took without answering and stayed on the line (its
    // dropReply fault).
    int Unanswered() const { return unanswered_; }

    // Ends serving; the radio's memory and the commands received are then
    // settled.
    void Stop();
    // The radio's memory (the line goes quiet first).
    RadioImage Contents();
    // Every command line received, in order (the line goes quiet first).
    std::vector<std::string> Received();

    VirtualRadio radio;

  private:
    std::unique_ptr<PtyHost> host_;
    int comPort_ = 0;
    std::mutex receivedLock_;
    std::vector<std::string> received_;
    std::atomic<int> unanswered_ = 0;
};

// Runs the runner's reply time-out as soon as the radio has left a command
// unanswered, instead of when the runner's timer runs out: a test that is
// about what a time-out leads to can then give the runner a reply time-out
// that no slow machine reaches while the radio does answer.
void TimeOutWhenUnanswered(TransferRunner& runner, const ServedRadio& served);

} // namespace tslq::test
