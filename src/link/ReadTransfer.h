// The read transfer: walks the radio's query commands one at a time and
// stores each completed record into a copy of the image; the copy replaces
// the image only when the last reply has been stored, so a read that stops
// early (time-out, hang-up, cancel, a wrong radio) leaves the image as it
// was. Every reply is checked before any of it is used (ReplyCheck.h); one
// that fails is asked for once more, and a second failure stops the read.
// A reply that stops early is taken, its missing fields empty; the records
// stored from such replies are named when the read ends.
// A state machine only: the runner writes the commands, feeds each
// callback's received bytes back in and owns the timers.
#pragma once

#include "link/CommandSet.h"
#include "link/ImageDiff.h"
#include "link/ReplyCheck.h"
#include "model/Message.h"
#include "model/RadioImage.h"

#include <string>
#include <string_view>
#include <vector>

enum class ReadStep {
    WaitingToStart,
    WakeUp1,
    WakeUp2,
    Identity,
    Type,
    BandLimits,
    Memory,
    MemoryTx,
    MemoryName,
    Call,
    CallTx,
    Vfo,
    ProgramVfo,
    Dtmf,
    DtmfName,
    Power,
    Narrow,
    Menu,
    Finished,
};

class ReadTransfer
{
  public:
    ReadTransfer(RadioImage& image, LinkScope scope);
    // A read-back of only these slots (after a write, to see that the radio
    // holds what was sent): the same wake-up and "ID", a "TYD" that must
    // name the image's version (as a write checks it), no band limits, then
    // the queries of the slots in the read's order. Each slot is stored as
    // the radio answers, an empty channel or DTMF memory as an empty record;
    // the rest of the image stays. Progress counts the slots.
    ReadTransfer(RadioImage& image, const SlotSet& chosen);

    // The start delay ran out: the first wake-up command.
    TransferAction Start();
    // One callback's received bytes (everything that was waiting).
    TransferAction OnReply(std::string_view bytes);

    // Cancel: the next reply finishes the transfer.
    void Cancel() { cancelled_ = true; }
    // The runner gave up on the outstanding command or the line.
    void Abort(TransferOutcome outcome);

    ReadStep Step() const { return step_; }
    TransferOutcome Outcome() const { return outcome_; }
    bool Cancelled() const { return cancelled_; }
    int Position() const { return readBack_ ? done_ : position_; }
    // 0 until the radio identified itself, then the scope's maximum.
    int Maximum() const { return maximum_; }
    // After a BadReply outcome: which query failed and where its reply
    // belongs ("The radio's reply for memory 005 was garbled twice ...").
    const Message& BadReplyText() const { return badReply_; }
    // The records stored from a reply that stopped early, in read order.
    const std::vector<RecordSlot>& IncompleteSlots() const { return incomplete_; }
    // IncompleteReadNote of them, in the names of the radio's market.
    Message IncompleteNote() const;

  private:
    TransferAction Send(ReadStep step, const RadioCommand& command, bool clearInput = false);
    TransferAction Finish(TransferOutcome outcome);
    // The whole read has been stored: the copy becomes the image.
    TransferAction Complete();
    // Each sends the query of the first selected entry from the given one on,
    // or goes on to the next phase.
    TransferAction MemoryFrom(int slot);
    TransferAction CallFrom(int slot);
    TransferAction VfoFrom(int band);
    TransferAction ProgramVfoFrom(int index);
    TransferAction DtmfFrom(int memory);
    TransferAction PowerFrom(int k);
    TransferAction NarrowFrom(int i);
    TransferAction MenuFrom(int i);
    TransferAction FirstPhase();
    bool Selected(RecordSlotKind kind, int index) const
    {
        return !readBack_ || slots_.Contains({kind, index});
    }
    // What the outstanding command's reply must look like, and where it goes.
    ReplyExpectation Expected() const;
    Message PlaceOfStep() const;
    // After a record is stored: lists it when one of its replies (or the
    // last, lastShort) stopped early.
    void NoteIfShort(RecordSlotKind kind, int index, bool lastShort);

    RadioImage& target_;
    RadioImage image_; // the copy the read stores into
    LinkScope scope_;
    bool readBack_ = false;
    SlotSet slots_;
    bool memoryPhases_ = true; // channels, CALL, VFO, program VFO, DTMF
    bool menuPhases_ = true;
    int done_ = 0; // slots stored, for the progress of a read-back
    ReadStep step_ = ReadStep::WaitingToStart;
    TransferOutcome outcome_ = TransferOutcome::Running;
    bool cancelled_ = false;
    RadioCommand command_; // the outstanding command
    bool retried_ = false; // it has been asked for a second time
    int slot_ = 0;
    int sub_ = 0;
    int position_ = 0;
    int maximum_ = 0;
    // Payloads of the record under assembly, and whether one stopped early.
    std::string first_;
    std::string second_;
    bool shortReply_ = false;
    std::vector<RecordSlot> incomplete_;
    Message badReply_;
};

// The read's closing line for the records that came back incomplete: "2
// records came back incomplete: VFO A_144MHz, CALL 440MHz" (the grids' names
// of the market); empty for none.
Message IncompleteReadNote(const std::vector<RecordSlot>& slots, char market);
