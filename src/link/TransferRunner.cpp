// One command outstanding at a time: a command is written only from the
// start delay or at the end of handling the previous reply, and the reply
// time-out runs exactly while a command is outstanding. A reply that failed
// its check is asked for again once the retry delay has passed; whatever
// arrives meanwhile is discarded. Every way out (finished, wrong radio,
// time-out, cancel, a failed line, a reply garbled twice) closes the port
// and reports once.
#include "link/TransferRunner.h"

#include "link/Kcomm.h"

#include <algorithm>
#include <vector>

void ConfigureTransferPort(TKComm& comm)
{
    comm.SetFlowControl(TFlowControl::XonXoff);
    comm.SetEventType(TEventType::CharEvent);
    comm.SetInBuffSize(1024);
    comm.SetOutBuffSize(1024);
    comm.SetXonSendSize(256);
    comm.SetXoffSendSize(768);
    comm.SetEventChar(13);
}

QString ReadPortInvalidMessage(const TKComm& comm)
{
    return QString::fromLatin1(TransferText::ReadPortInvalid) + QString::fromStdString(OpenFailureHint(comm));
}

QString WritePortInvalidMessage(const TKComm& comm)
{
    return QString::fromLatin1(TransferText::WritePortInvalid) +
           QString::fromStdString(OpenFailureHint(comm));
}

QString LineFailureMessage(const ECommError& error)
{
    // The system's own words ("Inappropriate ioctl for device" for a pty
    // whose far side closed) tell the operator nothing; the cause does.
    return QString::fromStdString(error.Message()) + QStringLiteral("\n") +
           QString::fromLatin1(TransferText::RadioStopped);
}

QString TimeoutMessage()
{
    return QString::fromLatin1(TransferText::Timeout) + QStringLiteral("\n") +
           QString::fromLatin1(TransferText::RadioStopped);
}

TTransferRunner::TTransferRunner(TKComm& comm, QObject* parent) : QObject(parent), comm_(comm)
{
    // Coarse timers may fire up to 5% early; the reply time-out must never
    // end a transfer before its full interval.
    for (QTimer* timer : {&timer1_, &timer3_, &timer4_, &retryTimer_}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    SetTimings({});
    connect(&timer1_, &QTimer::timeout, this, &TTransferRunner::Timer1Timer);
    connect(&timer3_, &QTimer::timeout, this, &TTransferRunner::Timer3Timer);
    connect(&timer4_, &QTimer::timeout, this, &TTransferRunner::Timer4Timer);
    connect(&retryTimer_, &QTimer::timeout, this, &TTransferRunner::RetryTimer);
}

TTransferRunner::~TTransferRunner()
{
    comm_.OnCommEvent = nullptr;
    comm_.OnCommFailure = nullptr;
    if (running_) comm_.CloseCommport();
}

void TTransferRunner::SetTimings(const TTransferTimings& timings)
{
    timings_ = timings;
    timer1_.setInterval(timings.replyTimeout);
    timer3_.setInterval(timings.cancelCompletion);
    timer4_.setInterval(timings.startDelay);
    retryTimer_.setInterval(timings.retryDiscard);
}

int TTransferRunner::Position() const
{
    return read_ ? read_->Position() : write_ ? write_->Position() : 0;
}

int TTransferRunner::Maximum() const
{
    return read_ ? read_->Maximum() : write_ ? write_->Maximum() : 0;
}

void TTransferRunner::StartRead(RadioImage& image, LinkScope scope)
{
    write_.reset();
    read_ = std::make_unique<ReadTransfer>(image, scope);
    Begin();
}

void TTransferRunner::StartWrite(const RadioImage& image, LinkScope scope)
{
    read_.reset();
    write_ = std::make_unique<WriteTransfer>(image, scope);
    Begin();
}

void TTransferRunner::StartWrite(const RadioImage& image, const SlotSet& chosen)
{
    read_.reset();
    write_ = std::make_unique<WriteTransfer>(image, chosen);
    Begin();
}

void TTransferRunner::StartReadBack(RadioImage& image, const SlotSet& chosen)
{
    write_.reset();
    read_ = std::make_unique<ReadTransfer>(image, chosen);
    Begin();
}

void TTransferRunner::Begin()
{
    outcome_ = TransferOutcome::Running;
    failureMessage_.clear();
    commandsSent_ = 0;
    running_ = true;
    comm_.OnCommEvent = [this](TKComm& sender, std::uint32_t& size) { KComm1CommEvent(sender, size); };
    comm_.OnCommFailure = [this](TKComm&, const ECommError& error) { OnLineFailure(error); };
    emit ProgressChanged(0, 0);
    try {
        comm_.OpenCommport();
    } catch (const ECommError& error) {
        const QString cause = read_ ? ReadPortInvalidMessage(comm_) : WritePortInvalidMessage(comm_);
        End(TransferOutcome::PortUnavailable, cause);
        return;
    }
    timer4_.start(timings_.startDelay);
}

TransferAction TTransferRunner::StartStep()
{
    return read_ ? read_->Start() : write_->Start();
}

TransferAction TTransferRunner::Step(std::string_view bytes)
{
    return read_ ? read_->OnReply(bytes) : write_->OnReply(bytes);
}

void TTransferRunner::Timer4Timer()
{
    timer4_.stop();
    if (!running_) return;
    Apply(StartStep());
}

void TTransferRunner::KComm1CommEvent(TKComm& sender, std::uint32_t& size)
{
    (void)size;
    timer1_.stop();
    if (!running_) return;
    if (retryTimer_.isActive()) {
        // The rest of a reply that failed its check, or noise: not an answer
        // to anything outstanding.
        sender.ClearInBuff();
        return;
    }
    std::string bytes;
    try {
        // Everything waiting, however many lines it holds, is this reply.
        for (int pass = 0; pass < 64; ++pass) {
            const std::uint32_t waiting = sender.CountInBuff();
            if (waiting == 0 || waiting == 0xFFFFFFFFu) break;
            std::vector<char> buffer(waiting);
            const std::uint32_t got = sender.ReadData(buffer.data(), waiting);
            bytes.append(buffer.data(), std::min(got, waiting));
            if (got == 0) break;
        }
        if (write_) sender.ClearInBuff();
    } catch (const ECommError& error) {
        End(TransferOutcome::LineFailure, LineFailureMessage(error));
        return;
    }
    Apply(Step(bytes));
}

void TTransferRunner::Apply(const TransferAction& action)
{
    if (!running_) return;
    emit ProgressChanged(Position(), Maximum());
    switch (action.kind) {
    case TransferAction::Kind::Send:
        if (action.clearInput) comm_.ClearInBuff();
        SendCommand(action.command);
        return;
    case TransferAction::Kind::Retry:
        comm_.ClearInBuff();
        retryCommand_ = action.command;
        retryTimer_.start(timings_.retryDiscard);
        return;
    case TransferAction::Kind::RestartStartDelay:
        timer4_.stop();
        try {
            comm_.ClearInBuff();
        } catch (const ECommError&) {
        }
        timer4_.start(timings_.startDelay);
        return;
    case TransferAction::Kind::InvalidRadio:
        End(TransferOutcome::InvalidRadio, QString::fromLatin1(TransferText::InvalidRadio));
        return;
    case TransferAction::Kind::Finish: {
        const TransferOutcome outcome = read_ ? read_->Outcome() : write_->Outcome();
        QString message;
        if (outcome == TransferOutcome::BadReply && read_)
            message = QString::fromStdString(read_->BadReplyText()) + QStringLiteral("\n") +
                      QString::fromLatin1(TransferText::BadReplyAdvice);
        End(outcome, message);
        return;
    }
    }
}

void TTransferRunner::SendCommand(const std::string& command)
{
    try {
        const std::string line = command + CommandEnd;
        comm_.WriteData(line.data(), static_cast<std::uint32_t>(line.size()));
        ++commandsSent_;
    } catch (const ECommError& error) {
        // Nothing is outstanding now: end here rather than wait for a
        // reply that cannot come.
        End(TransferOutcome::LineFailure, LineFailureMessage(error));
        return;
    }
    timer1_.start(timings_.replyTimeout);
}

void TTransferRunner::RetryTimer()
{
    retryTimer_.stop();
    if (!running_) return;
    if (read_ && read_->Cancelled()) {
        End(TransferOutcome::Cancelled);
        return;
    }
    comm_.ClearInBuff();
    SendCommand(retryCommand_);
}

QString TTransferRunner::EndNote() const
{
    if (outcome_ == TransferOutcome::Completed || outcome_ == TransferOutcome::Running) return {};
    if (read_) return QString::fromLatin1(TransferText::ReadNothingChanged);
    if (DataSent()) return QString::fromLatin1(TransferText::WritePartial);
    return {};
}

void TTransferRunner::Timer1Timer()
{
    timer1_.stop();
    if (!running_) return;
    End(TransferOutcome::Timeout, TimeoutMessage());
}

void TTransferRunner::Cancel()
{
    if (!running_) return;
    timer1_.stop();
    if (write_) timer4_.stop();
    if (read_)
        read_->Cancel();
    else
        write_->Cancel();
    timer3_.start(timings_.cancelCompletion);
}

void TTransferRunner::Timer3Timer()
{
    timer3_.stop();
    if (!running_) return;
    End(TransferOutcome::Cancelled);
}

void TTransferRunner::OnLineFailure(const ECommError& error)
{
    if (!running_) return;
    End(TransferOutcome::LineFailure, LineFailureMessage(error));
}

void TTransferRunner::End(TransferOutcome outcome, const QString& message)
{
    if (!running_) return;
    running_ = false;
    timer1_.stop();
    timer3_.stop();
    timer4_.stop();
    retryTimer_.stop();
    if (read_)
        read_->Abort(outcome);
    else if (write_)
        write_->Abort(outcome);
    outcome_ = outcome;
    failureMessage_ = message;
    // The callbacks stay installed (End may run inside one); they do nothing
    // once the transfer is over.
    comm_.CloseCommport();
    emit ProgressChanged(Position(), Maximum());
    emit Finished(outcome);
}
