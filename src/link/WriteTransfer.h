// The write transfer: sends the image to the radio one command at a time.
// The image is only read. Replies pace the transfer; only those of "ID" and
// "TYD" are examined, to refuse a radio that is not the one the data is for.
// A record a radio of the image's version cannot hold is never sent.
#pragma once

#include "link/CommandSet.h"
#include "link/ImageDiff.h"
#include "model/Message.h"
#include "model/RecordCheck.h"
#include "rules/SendCheck.h"

#include <optional>

#include <string>
#include <string_view>
#include <vector>

class RadioImage;

// ---- What a write of a scope would send ----
// Whether a write of the scope covers the slot (Memory: the channels, CALL,
// VFO, program VFO and DTMF records; Menu: the menu settings; All: both).
bool ScopeCovers(LinkScope scope, RecordSlot slot);
// The records of the image a write of the scope covers that a radio of the
// image's version cannot hold (SendCheck): the write passes them over, so
// the radio keeps what it holds there.
std::vector<DamagedRecord> UnsendableRecords(const RadioImage& image, LinkScope scope);
// "2 records cannot be sent, a radio of this version cannot hold them; a
// write leaves them out and the radio keeps what it holds there: memory 005
// (name is longer than 8 characters), DTMF 3 (...)"; empty for none.
Message UnsendableNote(const std::vector<DamagedRecord>& records);
// Slots left out of a loaded file that a write of the scope covers, and the
// note that names them: "Damaged records left out of the file will be
// cleared in the radio: memory 005, DTMF 3"; empty for none.
std::vector<RecordSlot> LeftOutInScope(const std::vector<RecordSlot>& list, LinkScope scope);
Message LeftOutWriteNote(const std::vector<RecordSlot>& list);

enum class WriteStep {
    WaitingToStart,
    WakeUp1,
    WakeUp2,
    Identity,
    Type,
    ChannelMode0,
    ChannelMode1,
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

// The "ID" and "TYD" replies are kept whole in a buffer of this size.
inline constexpr std::size_t IdentityReplyCapacity = 20;

class WriteTransfer
{
  public:
    // A write of everything the scope covers.
    WriteTransfer(const RadioImage& image, LinkScope scope);
    // A write of only these slots (the changes against what the radio
    // holds): the same wake-up, identity and type checks and the same order
    // of phases, with "VMC" only when a channel, VFO, CALL, program VFO or
    // DTMF slot is among them. Progress counts the slots.
    WriteTransfer(const RadioImage& image, const SlotSet& chosen);

    TransferAction Start();
    TransferAction OnReply(std::string_view bytes);

    void Cancel() { cancelled_ = true; }
    void Abort(TransferOutcome outcome);

    WriteStep Step() const { return step_; }
    TransferOutcome Outcome() const { return outcome_; }
    bool Cancelled() const { return cancelled_; }
    int Position() const { return only_ ? done_ : position_; }
    int Maximum() const { return maximum_; }
    // The slots whose commands have been sent (what a read-back checks).
    const SlotSet& SentSlots() const { return sent_; }
    // Whether a channel or setting write command has been sent: from then
    // on a write that stops leaves the radio holding part of the data.
    bool DataSent() const { return dataSent_; }

  private:
    TransferAction Send(WriteStep step, std::string command);
    TransferAction Finish(TransferOutcome outcome);
    TransferAction MemorySlot(int slot);
    TransferAction MemoryDone();
    // The slot in sub_ is done: counts it and goes on with the next one of
    // its phase.
    TransferAction SubDone(TransferAction (WriteTransfer::*phase)(int));
    TransferAction CallSlot(int slot);
    TransferAction VfoBand(int band);
    TransferAction ProgramVfo(int index);
    TransferAction DtmfMemory(int memory);
    TransferAction StartMenu();
    TransferAction PowerFrom(int k);
    TransferAction NarrowFrom(int i);
    TransferAction MenuFrom(int i);
    bool SettingSendable(int setting) const;
    bool Selected(RecordSlotKind kind, int index) const { return !only_ || only_->Contains({kind, index}); }
    TransferAction SendSlot(WriteStep step, RecordSlotKind kind, int index, std::string command);

    const RadioImage& image_;
    SendCheck sendable_{image_};
    LinkScope scope_;
    std::optional<SlotSet> only_;
    bool memoryPhases_ = true; // "VMC", channels, CALL, VFO, program VFO, DTMF
    bool menuPhases_ = true;
    SlotSet sent_;
    int done_ = 0; // slots done, for the progress of a write of some slots
    WriteStep step_ = WriteStep::WaitingToStart;
    TransferOutcome outcome_ = TransferOutcome::Running;
    bool cancelled_ = false;
    bool dataSent_ = false;
    int slot_ = 0;
    int sub_ = 0;
    int position_ = 0;
    int maximum_ = 0;
};
