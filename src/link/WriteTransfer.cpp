// Order of the write: two wake-ups, identity and type checks, then the
// channel mode, memories, CALL, VFO, program VFO and DTMF records (All,
// Memory) and the menu settings (All, Menu). An entry with nothing to send
// is passed over at once, so every phase ends with a command outstanding or
// with the transfer finished. A record that a radio of the image's version
// cannot hold is never sent either: it is passed over the same way, and the
// radio keeps what it holds there (the window and the command line tell the
// operator before).
#include "link/WriteTransfer.h"

#include "model/RadioImage.h"
#include "model/RecordCheck.h"
#include "model/Records.h"

WriteTransfer::WriteTransfer(const RadioImage& image, LinkScope scope)
    : image_(image), scope_(scope), memoryPhases_(scope != LinkScope::Menu),
      menuPhases_(scope != LinkScope::Memory)
{
}

WriteTransfer::WriteTransfer(const RadioImage& image, const SlotSet& slots)
    : image_(image), scope_(LinkScope::All), only_(slots), memoryPhases_(false), menuPhases_(false)
{
    for (const RecordSlot& slot : slots.Slots()) {
        if (slot.kind == RecordSlotKind::Menu)
            menuPhases_ = true;
        else
            memoryPhases_ = true;
    }
}

TransferAction WriteTransfer::SendSlot(WriteStep step, RecordSlotKind kind, int index, std::string command)
{
    sent_.Insert({kind, index});
    return Send(step, std::move(command));
}

TransferAction WriteTransfer::Send(WriteStep step, std::string command)
{
    step_ = step;
    if (step >= WriteStep::Memory && step < WriteStep::Finished) dataSent_ = true;
    return {TransferAction::Kind::Send, std::move(command), false};
}

TransferAction WriteTransfer::Finish(TransferOutcome outcome)
{
    step_ = WriteStep::Finished;
    if (outcome_ == TransferOutcome::Running) outcome_ = outcome;
    return {outcome == TransferOutcome::InvalidRadio ? TransferAction::Kind::InvalidRadio
                                                     : TransferAction::Kind::Finish,
            {},
            false};
}

void WriteTransfer::Abort(TransferOutcome outcome)
{
    step_ = WriteStep::Finished;
    if (outcome_ == TransferOutcome::Running) outcome_ = outcome;
}

TransferAction WriteTransfer::Start()
{
    if (step_ != WriteStep::WaitingToStart) return Finish(TransferOutcome::Completed);
    TransferAction action = Send(WriteStep::WakeUp1, WakeUpCommand().text);
    action.clearInput = true;
    return action;
}

TransferAction WriteTransfer::MemorySlot(int slot)
{
    for (slot_ = slot; slot_ < MemoryCount; ++slot_) {
        if (!Selected(RecordSlotKind::Memory, slot_)) continue;
        if (sendable_.Check({RecordSlotKind::Memory, slot_}))
            return SendSlot(WriteStep::Memory, RecordSlotKind::Memory, slot_,
                            MemoryWriteCommand(image_, slot_));
        position_ = slot_;
        ++done_;
    }
    return CallSlot(0);
}

TransferAction WriteTransfer::MemoryDone()
{
    position_ = slot_;
    ++done_;
    return MemorySlot(slot_ + 1);
}

TransferAction WriteTransfer::SubDone(TransferAction (WriteTransfer::*phase)(int))
{
    ++position_;
    ++done_;
    return (this->*phase)(sub_ + 1);
}

TransferAction WriteTransfer::CallSlot(int slot)
{
    for (sub_ = slot; sub_ < CallCount; ++sub_) {
        if (!Selected(RecordSlotKind::Call, sub_)) continue;
        if (CallHasChannel(image_, sub_) && sendable_.Check({RecordSlotKind::Call, sub_}))
            return SendSlot(WriteStep::Call, RecordSlotKind::Call, sub_, CallWriteCommand(image_, sub_));
        ++position_;
        ++done_;
    }
    return VfoBand(0);
}

TransferAction WriteTransfer::VfoBand(int band)
{
    for (sub_ = band; sub_ < VfoCount; ++sub_) {
        if (!Selected(RecordSlotKind::Vfo, sub_)) continue;
        if (VfoHasChannel(image_, sub_) && sendable_.Check({RecordSlotKind::Vfo, sub_}))
            return SendSlot(WriteStep::Vfo, RecordSlotKind::Vfo, sub_, VfoWriteCommand(image_, sub_));
        ++position_;
        ++done_;
    }
    return ProgramVfo(0);
}

TransferAction WriteTransfer::ProgramVfo(int index)
{
    for (sub_ = index; sub_ < ProgramVfoCount; ++sub_) {
        if (!Selected(RecordSlotKind::ProgramVfo, sub_)) continue;
        if (ProgramVfoHasRange(image_, sub_) && sendable_.Check({RecordSlotKind::ProgramVfo, sub_}))
            return SendSlot(WriteStep::ProgramVfo, RecordSlotKind::ProgramVfo, sub_,
                            ProgramVfoWriteCommand(image_, sub_));
        ++position_;
        ++done_;
    }
    return DtmfMemory(0);
}

TransferAction WriteTransfer::DtmfMemory(int memory)
{
    for (slot_ = memory; slot_ < DtmfCount; ++slot_) {
        if (!Selected(RecordSlotKind::Dtmf, slot_)) continue;
        if (sendable_.Check({RecordSlotKind::Dtmf, slot_}))
            return SendSlot(WriteStep::Dtmf, RecordSlotKind::Dtmf, slot_, DtmfWriteCommand(image_, slot_));
        if (slot_ + 1 < DtmfCount) ++position_;
        ++done_;
    }
    if (!menuPhases_) return Finish(TransferOutcome::Completed);
    return StartMenu();
}

bool WriteTransfer::SettingSendable(int setting) const
{
    return static_cast<bool>(sendable_.Check({RecordSlotKind::Menu, setting}));
}

TransferAction WriteTransfer::StartMenu()
{
    return PowerFrom(0);
}

TransferAction WriteTransfer::PowerFrom(int k)
{
    for (sub_ = k; sub_ < PowerCommandCount; ++sub_) {
        const int setting = PowerSettingFirst + sub_;
        if (!Selected(RecordSlotKind::Menu, setting)) continue;
        if (SettingSendable(setting))
            return SendSlot(WriteStep::Power, RecordSlotKind::Menu, setting, PowerWriteCommand(image_, sub_));
        ++position_;
        ++done_;
    }
    return NarrowFrom(0);
}

TransferAction WriteTransfer::NarrowFrom(int i)
{
    for (sub_ = i; sub_ < static_cast<int>(NarrowCommandIndexes.size()); ++sub_) {
        const int setting = NarrowSettingFirst + sub_;
        if (!Selected(RecordSlotKind::Menu, setting)) continue;
        if (SettingSendable(setting))
            return SendSlot(WriteStep::Narrow, RecordSlotKind::Menu, setting,
                            NarrowWriteCommand(image_, NarrowCommandIndexes[static_cast<std::size_t>(sub_)]));
        ++position_;
        ++done_;
    }
    return MenuFrom(0);
}

TransferAction WriteTransfer::MenuFrom(int i)
{
    for (sub_ = i; sub_ < static_cast<int>(MenuWordCount); ++sub_) {
        const auto word = static_cast<std::size_t>(sub_);
        const int setting = MenuCommandWords[word].setting;
        if (!Selected(RecordSlotKind::Menu, setting)) continue;
        if (SettingSendable(setting))
            return SendSlot(WriteStep::Menu, RecordSlotKind::Menu, setting, MenuWriteCommand(image_, word));
        ++position_;
        ++done_;
    }
    return Finish(TransferOutcome::Completed);
}

TransferAction WriteTransfer::OnReply(std::string_view bytes)
{
    if (cancelled_ && step_ != WriteStep::Finished) return Finish(TransferOutcome::Cancelled);

    std::string reply;
    if (step_ == WriteStep::Identity || step_ == WriteStep::Type) {
        for (char c : bytes)
            if (c != CommandEnd && reply.size() < IdentityReplyCapacity) reply += c;
    }

    switch (step_) {
    case WriteStep::WaitingToStart:
        return {TransferAction::Kind::RestartStartDelay, {}, true};
    case WriteStep::WakeUp1: {
        slot_ = 0;
        TransferAction action = Send(WriteStep::WakeUp2, WakeUpCommand().text);
        action.clearInput = true;
        return action;
    }
    case WriteStep::WakeUp2:
        return Send(WriteStep::Identity, IdentityCommand().text);
    case WriteStep::Identity:
        if (reply != "ID ZT-Q2" && reply != "ID ZT-Q3") return Finish(TransferOutcome::InvalidRadio);
        maximum_ = only_ ? only_->Count() : TransferMaximum(scope_);
        return Send(WriteStep::Type, TypeCommand().text);
    case WriteStep::Type: {
        // Characters 5 and 6 of "TYD KK,0F" are the region and market letters.
        const std::string& code = image_.TypeCode();
        if (reply.size() < 6 || code.size() < 2 || reply[4] != code[0] || reply[5] != code[1])
            return Finish(TransferOutcome::InvalidRadio);
        slot_ = 0;
        if (!memoryPhases_) return menuPhases_ ? StartMenu() : Finish(TransferOutcome::Completed);
        return Send(WriteStep::ChannelMode0, "VMC 0,0");
    }
    case WriteStep::ChannelMode0:
        return Send(WriteStep::ChannelMode1, "VMC 1,0");
    case WriteStep::ChannelMode1:
        return MemorySlot(0);
    case WriteStep::Memory:
        if (!MemoryHasChannel(image_, slot_)) return MemoryDone();
        if (MemoryHasTxPart(image_, slot_))
            return Send(WriteStep::MemoryTx, MemoryTxWriteCommand(image_, slot_));
        return Send(WriteStep::MemoryName, MemoryNameWriteCommand(image_, slot_));
    case WriteStep::MemoryTx:
        return Send(WriteStep::MemoryName, MemoryNameWriteCommand(image_, slot_));
    case WriteStep::MemoryName:
        return MemoryDone();
    case WriteStep::Call:
        if (CallHasTxPart(image_, sub_)) return Send(WriteStep::CallTx, CallTxWriteCommand(image_, sub_));
        return SubDone(&WriteTransfer::CallSlot);
    case WriteStep::CallTx:
        return SubDone(&WriteTransfer::CallSlot);
    case WriteStep::Vfo:
        return SubDone(&WriteTransfer::VfoBand);
    case WriteStep::ProgramVfo:
        return SubDone(&WriteTransfer::ProgramVfo);
    case WriteStep::Dtmf:
        return Send(WriteStep::DtmfName, DtmfNameWriteCommand(image_, slot_));
    case WriteStep::DtmfName:
        if (slot_ + 1 < DtmfCount) ++position_;
        ++done_;
        return DtmfMemory(slot_ + 1);
    case WriteStep::Power:
        return SubDone(&WriteTransfer::PowerFrom);
    case WriteStep::Narrow:
        return SubDone(&WriteTransfer::NarrowFrom);
    case WriteStep::Menu:
        return SubDone(&WriteTransfer::MenuFrom);
    case WriteStep::Finished:
        break;
    }
    return Finish(TransferOutcome::Completed);
}

bool ScopeCovers(LinkScope scope, RecordSlot slot)
{
    if (scope == LinkScope::All) return true;
    return (slot.kind == RecordSlotKind::Menu) == (scope == LinkScope::Menu);
}

std::vector<DamagedRecord> UnsendableRecords(const RadioImage& image, LinkScope scope)
{
    std::vector<DamagedRecord> records = UnsendableImageRecords(image);
    std::erase_if(records, [scope](const DamagedRecord& record) { return !ScopeCovers(scope, record.slot); });
    return records;
}

Message UnsendableNote(const std::vector<DamagedRecord>& records)
{
    if (records.empty()) return {};
    std::vector<Message> named;
    for (const DamagedRecord& record : records)
        named.push_back(MessageOf(MessageId::NamedReason,
                                  {RecordSlotMessage(record.slot), ReasonMessage(record.reason)}));
    return CountedMessage(MessageId::Unsendable, static_cast<int>(records.size()),
                          {NameListMessage(std::move(named))});
}

std::vector<RecordSlot> LeftOutInScope(const std::vector<RecordSlot>& list, LinkScope scope)
{
    std::vector<RecordSlot> covered;
    for (const RecordSlot& slot : list)
        if (ScopeCovers(scope, slot)) covered.push_back(slot);
    return covered;
}

Message LeftOutWriteNote(const std::vector<RecordSlot>& list)
{
    if (list.empty()) return {};
    return MessageOf(MessageId::LeftOutWrite, {TextMessage(RecordSlotList(list))});
}
