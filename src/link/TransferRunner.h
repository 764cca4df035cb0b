// The transfer runner: drives a read or write state machine over a serial
// component. It owns the three timers of a transfer (reply time-out,
// cancel completion, start delay), writes each command, hands every
// received batch to the machine and closes the port however the transfer
// ends. The read and write dialogs and the command line use it alike.
#pragma once

#include "link/CommandSet.h"
#include "link/ReadTransfer.h"
#include "link/SerialLog.h"
#include "link/WriteTransfer.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <string>

class SerialError;
class RadioImage;
class RadioPort;

// Timer intervals of a transfer, in milliseconds.
struct TransferTimings
{
    int replyTimeout = 2000;    // reply timer
    int cancelCompletion = 300; // cancel timer
    int startDelay = 50;        // start timer
    int retryDiscard = 100;     // before a query is sent again, what arrives is discarded
};

// The fixed texts shown when a transfer ends badly, in English (tslq-cli
// prints them so); the window shows them through TransferTr.
namespace TransferText {
inline constexpr const char* InvalidRadio =
    QT_TRANSLATE_NOOP("TransferRunner", "The radio is invalid.\nPlease check and try again.");
inline constexpr const char* Timeout = QT_TRANSLATE_NOOP("TransferRunner", "Communication timeout error.");
inline constexpr const char* ReadPortInvalid =
    QT_TRANSLATE_NOOP("TransferRunner", "COM port is invalid.\nPlease check comport status.");
inline constexpr const char* WritePortInvalid =
    QT_TRANSLATE_NOOP("TransferRunner", "COM port is invalid.\nPlease check and try again.");
// What a time-out or a failed line means to the operator.
inline constexpr const char* RadioStopped = QT_TRANSLATE_NOOP(
    "TransferRunner", "The radio stopped answering: the cable may be unplugged or the radio switched off.");
// Said after a reply that stayed garbled when asked for again.
inline constexpr const char* BadReplyAdvice =
    QT_TRANSLATE_NOOP("TransferRunner", "Check the cable and the radio, then try again.");
// Said after any read that did not finish.
inline constexpr const char* ReadNothingChanged =
    QT_TRANSLATE_NOOP("TransferRunner", "The read did not finish; nothing was changed.");
// Said after a read-back (after a finished write) that did not finish.
inline constexpr const char* ReadBackUnfinished =
    QT_TRANSLATE_NOOP("TransferRunner", "The write finished; the read-back did not, so whether the radio "
                                        "holds what was written is not known.");
// Said when a read-back found a record other than the one written.
inline constexpr const char* VerifyFailed =
    QT_TRANSLATE_NOOP("TransferRunner", "The radio does not hold what was written.");
// Said after a write that stopped once channels or settings had been sent.
inline constexpr const char* WritePartial = QT_TRANSLATE_NOOP(
    "TransferRunner", "The radio now holds part of the new data; a new write will complete it.");
} // namespace TransferText

// One of the texts above in the program's language.
QString TransferTr(const char* text);

// Puts a serial component into the state both transfer dialogs give it:
// XON/XOFF, one event per received CR, 1024-byte queues.
void ConfigureTransferPort(RadioPort& comm);

class TransferRunner : public QObject
{
    Q_OBJECT

  public:
    explicit TransferRunner(RadioPort& comm, QObject* parent = nullptr);
    ~TransferRunner() override;

    void SetTimings(const TransferTimings& timings);

    // Opens the port and arms the start delay. The image must outlive the
    // transfer; a read stores into it, a write only reads it.
    void StartRead(RadioImage& image, LinkScope scope);
    void StartWrite(const RadioImage& image, LinkScope scope);
    // A write of only these slots of the image (the changes).
    void StartWrite(const RadioImage& image, const SlotSet& chosen);
    // A read-back of these slots into the image (what a write just sent).
    void StartReadBack(RadioImage& image, const SlotSet& chosen);

    // The Cancel button: the transfer ends at the next reply or after the
    // cancel completion delay, whichever comes first.
    void Cancel();

    bool Running() const { return running_; }
    TransferOutcome Outcome() const { return outcome_; }
    int Position() const;
    int Maximum() const;
    // The message for the operator when the transfer ended badly (empty for
    // a completed or cancelled transfer).
    QString FailureMessage() const { return failureMessage_; }
    // What an unfinished transfer leaves behind, to be said after the
    // failure message: nothing changed by a read, part of the data in the
    // radio after a write. Empty for a completed transfer.
    QString EndNote() const;
    // What a completed read says when it closes: the records that came back
    // incomplete ("2 records came back incomplete: ..."). Empty otherwise.
    QString CompletionNote() const;
    // A write has sent at least one channel or setting.
    bool DataSent() const { return write_ && write_->DataSent(); }
    // The slots a write has sent commands for (empty for a read).
    SlotSet SentSlots() const { return write_ ? write_->SentSlots() : SlotSet(); }
    // The commands sent so far (for tests and traces).
    int CommandsSent() const { return commandsSent_; }
    // Every command and every line received since the transfer started.
    const SerialLog& Log() const { return log_; }

    // The dialogs' handlers, public so tests can drive them.
    void ReplyTimedOut();
    void CancelTimedOut();
    void StartDelayElapsed();
    void RetryTimer();
    void PortReceived(RadioPort& sender, std::uint32_t& size);

  signals:
    void ProgressChanged(int position, int maximum);
    // Emitted once, after the port was closed.
    void Finished(TransferOutcome outcome);

  private:
    void Begin();
    void Apply(const TransferAction& action);
    void SendCommand(const std::string& command);
    void End(TransferOutcome outcome, const QString& message = {});
    void OnLineFailure(const SerialError& error);
    TransferAction Step(std::string_view bytes);
    TransferAction StartStep();

    RadioPort& comm_;
    TransferTimings timings_;
    QTimer replyTimer_;        // reply time-out
    QTimer cancelTimer_;       // cancel completion
    QTimer startTimer_;        // start delay
    QTimer retryTimer_;        // a query is asked for again when it runs out
    std::string retryCommand_; // set while what arrives is being discarded
    std::unique_ptr<ReadTransfer> read_;
    std::unique_ptr<WriteTransfer> write_;
    bool readBack_ = false;
    bool running_ = false;
    TransferOutcome outcome_ = TransferOutcome::Running;
    QString failureMessage_;
    int commandsSent_ = 0;
    SerialLog log_;
};

// These texts are in the program's language: English in tslq-cli, which
// loads no translation.
// Text for a failure of the line during a transfer: the component's
// message, then what it means to the operator.
QString LineFailureMessage(const SerialError& error);
// Text for a reply that did not come in time, likewise.
QString TimeoutMessage();
// The messages of a port that cannot be opened before a read and before a
// write, followed by why the last open of comm failed in plain words.
QString ReadPortInvalidMessage(const RadioPort& comm);
QString WritePortInvalidMessage(const RadioPort& comm);
