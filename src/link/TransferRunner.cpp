// One command outstanding at a time: a command is written only from the
// start delay or at the end of handling the previous reply, and the reply
// time-out runs exactly while a command is outstanding. A reply that failed
// its check is asked for again once the retry delay has passed; whatever
// arrives meanwhile is discarded. Every way out (finished, wrong radio,
// time-out, cancel, a failed line, a reply garbled twice) closes the port
// and reports once.
#include "link/TransferRunner.h"

#include "link/RadioPort.h"
#include "model/CoreMessages.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

// For the serial log: a steady clock, so that a read-back's times follow
// on from its write's.
std::int64_t NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

void ConfigureTransferPort(RadioPort& comm)
{
    comm.SetFlowControl(SerialFlowControl::XonXoff);
    comm.SetEventType(SerialEventType::CharEvent);
    comm.SetInBuffSize(1024);
    comm.SetOutBuffSize(1024);
    comm.SetXonSendSize(256);
    comm.SetXoffSendSize(768);
    comm.SetEventChar(13);
}

QString TransferTr(const char* text)
{
    return QCoreApplication::translate("TransferRunner", text);
}

QString ReadPortInvalidMessage(const RadioPort& comm)
{
    return TransferTr(TransferText::ReadPortInvalid) + QString::fromStdString(OpenFailureHint(comm));
}

QString WritePortInvalidMessage(const RadioPort& comm)
{
    return TransferTr(TransferText::WritePortInvalid) + QString::fromStdString(OpenFailureHint(comm));
}

QString LineFailureMessage(const SerialError& error)
{
    // The system's own words ("Inappropriate ioctl for device" for a pty
    // whose far side closed) tell the operator nothing; the cause does.
    return SerialErrorText(error) + QStringLiteral("\n") + TransferTr(TransferText::RadioStopped);
}

QString TimeoutMessage()
{
    return TransferTr(TransferText::Timeout) + QStringLiteral("\n") + TransferTr(TransferText::RadioStopped);
}

TransferRunner::TransferRunner(RadioPort& comm, QObject* parent) : QObject(parent), comm_(comm)
{
    // Coarse timers may fire up to 5% early; the reply time-out must never
    // end a transfer before its full interval.
    for (QTimer* timer : {&replyTimer_, &cancelTimer_, &startTimer_, &retryTimer_}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    SetTimings({});
    connect(&replyTimer_, &QTimer::timeout, this, &TransferRunner::ReplyTimedOut);
    connect(&cancelTimer_, &QTimer::timeout, this, &TransferRunner::CancelTimedOut);
    connect(&startTimer_, &QTimer::timeout, this, &TransferRunner::StartDelayElapsed);
    connect(&retryTimer_, &QTimer::timeout, this, &TransferRunner::RetryTimer);
}

TransferRunner::~TransferRunner()
{
    comm_.OnCommEvent = nullptr;
    comm_.OnCommFailure = nullptr;
    if (running_) comm_.CloseCommport();
}

void TransferRunner::SetTimings(const TransferTimings& timings)
{
    timings_ = timings;
    replyTimer_.setInterval(timings.replyTimeout);
    cancelTimer_.setInterval(timings.cancelCompletion);
    startTimer_.setInterval(timings.startDelay);
    retryTimer_.setInterval(timings.retryDiscard);
}

int TransferRunner::Position() const
{
    return read_ ? read_->Position() : write_ ? write_->Position() : 0;
}

int TransferRunner::Maximum() const
{
    return read_ ? read_->Maximum() : write_ ? write_->Maximum() : 0;
}

void TransferRunner::StartRead(RadioImage& image, LinkScope scope)
{
    write_.reset();
    read_ = std::make_unique<ReadTransfer>(image, scope);
    readBack_ = false;
    Begin();
}

void TransferRunner::StartWrite(const RadioImage& image, LinkScope scope)
{
    read_.reset();
    write_ = std::make_unique<WriteTransfer>(image, scope);
    Begin();
}

void TransferRunner::StartWrite(const RadioImage& image, const SlotSet& chosen)
{
    read_.reset();
    write_ = std::make_unique<WriteTransfer>(image, chosen);
    Begin();
}

void TransferRunner::StartReadBack(RadioImage& image, const SlotSet& chosen)
{
    write_.reset();
    read_ = std::make_unique<ReadTransfer>(image, chosen);
    readBack_ = true;
    Begin();
}

void TransferRunner::Begin()
{
    outcome_ = TransferOutcome::Running;
    failureMessage_.clear();
    commandsSent_ = 0;
    log_.Begin(NowMs());
    running_ = true;
    comm_.OnCommEvent = [this](RadioPort& sender, std::uint32_t& size) { PortReceived(sender, size); };
    comm_.OnCommFailure = [this](RadioPort&, const SerialError& error) { OnLineFailure(error); };
    emit ProgressChanged(0, 0);
    try {
        comm_.OpenCommport();
    } catch (const SerialError& error) {
        const QString cause = read_ ? ReadPortInvalidMessage(comm_) : WritePortInvalidMessage(comm_);
        End(TransferOutcome::PortUnavailable, cause);
        return;
    }
    startTimer_.start(timings_.startDelay);
}

TransferAction TransferRunner::StartStep()
{
    return read_ ? read_->Start() : write_->Start();
}

TransferAction TransferRunner::Step(std::string_view bytes)
{
    return read_ ? read_->OnReply(bytes) : write_->OnReply(bytes);
}

void TransferRunner::StartDelayElapsed()
{
    startTimer_.stop();
    if (!running_) return;
    Apply(StartStep());
}

void TransferRunner::PortReceived(RadioPort& sender, std::uint32_t& size)
{
    (void)size;
    replyTimer_.stop();
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
    } catch (const SerialError& error) {
        log_.Received(NowMs(), bytes);
        End(TransferOutcome::LineFailure, LineFailureMessage(error));
        return;
    }
    log_.Received(NowMs(), bytes);
    Apply(Step(bytes));
}

void TransferRunner::Apply(const TransferAction& action)
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
        startTimer_.stop();
        try {
            comm_.ClearInBuff();
        } catch (const SerialError&) {
        }
        startTimer_.start(timings_.startDelay);
        return;
    case TransferAction::Kind::InvalidRadio:
        End(TransferOutcome::InvalidRadio, TransferTr(TransferText::InvalidRadio));
        return;
    case TransferAction::Kind::Finish: {
        const TransferOutcome outcome = read_ ? read_->Outcome() : write_->Outcome();
        QString message;
        if (outcome == TransferOutcome::BadReply && read_)
            message = MessageText(read_->BadReplyText()) + QStringLiteral("\n") +
                      TransferTr(TransferText::BadReplyAdvice);
        End(outcome, message);
        return;
    }
    }
}

void TransferRunner::SendCommand(const std::string& command)
{
    try {
        const std::string line = command + CommandEnd;
        log_.Sent(NowMs(), command);
        comm_.WriteData(line.data(), static_cast<std::uint32_t>(line.size()));
        ++commandsSent_;
    } catch (const SerialError& error) {
        // Nothing is outstanding now: end here rather than wait for a
        // reply that cannot come.
        End(TransferOutcome::LineFailure, LineFailureMessage(error));
        return;
    }
    replyTimer_.start(timings_.replyTimeout);
}

void TransferRunner::RetryTimer()
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

QString TransferRunner::EndNote() const
{
    if (outcome_ == TransferOutcome::Completed || outcome_ == TransferOutcome::Running) return {};
    if (read_ && readBack_) return TransferTr(TransferText::ReadBackUnfinished);
    if (read_) return TransferTr(TransferText::ReadNothingChanged);
    if (DataSent()) return TransferTr(TransferText::WritePartial);
    return {};
}

QString TransferRunner::CompletionNote() const
{
    if (outcome_ != TransferOutcome::Completed || !read_) return {};
    return MessageText(read_->IncompleteNote());
}

void TransferRunner::ReplyTimedOut()
{
    replyTimer_.stop();
    if (!running_) return;
    End(TransferOutcome::Timeout, TimeoutMessage());
}

void TransferRunner::Cancel()
{
    if (!running_) return;
    replyTimer_.stop();
    if (write_) startTimer_.stop();
    if (read_)
        read_->Cancel();
    else
        write_->Cancel();
    cancelTimer_.start(timings_.cancelCompletion);
}

void TransferRunner::CancelTimedOut()
{
    cancelTimer_.stop();
    if (!running_) return;
    End(TransferOutcome::Cancelled);
}

void TransferRunner::OnLineFailure(const SerialError& error)
{
    if (!running_) return;
    End(TransferOutcome::LineFailure, LineFailureMessage(error));
}

void TransferRunner::End(TransferOutcome outcome, const QString& message)
{
    if (!running_) return;
    running_ = false;
    replyTimer_.stop();
    cancelTimer_.stop();
    startTimer_.stop();
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
