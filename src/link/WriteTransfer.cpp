// Order of the write: two wake-ups, identity and type checks, then the
// channel mode, memories, CALL, VFO, program VFO and DTMF records (All,
// Memory) and the menu settings (All, Menu). An entry with nothing to send
// is passed over at once, so every phase ends with a command outstanding or
// with the transfer finished.
#include "link/WriteTransfer.h"

#include "model/RadioImage.h"
#include "model/Records.h"

WriteTransfer::WriteTransfer(const RadioImage& image, LinkScope scope) : image_(image), scope_(scope) {}

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
    slot_ = slot;
    return Send(WriteStep::Memory, MemoryWriteCommand(image_, slot));
}

TransferAction WriteTransfer::MemoryDone()
{
    position_ = slot_;
    if (slot_ + 1 < MemoryCount) return MemorySlot(slot_ + 1);
    return CallSlot(0);
}

TransferAction WriteTransfer::CallSlot(int slot)
{
    for (sub_ = slot; sub_ < CallCount; ++sub_) {
        if (CallHasChannel(image_, sub_)) return Send(WriteStep::Call, CallWriteCommand(image_, sub_));
        ++position_;
    }
    return VfoBand(0);
}

TransferAction WriteTransfer::VfoBand(int band)
{
    for (sub_ = band; sub_ < VfoCount; ++sub_) {
        if (VfoHasChannel(image_, sub_)) return Send(WriteStep::Vfo, VfoWriteCommand(image_, sub_));
        ++position_;
    }
    return ProgramVfo(0);
}

TransferAction WriteTransfer::ProgramVfo(int index)
{
    for (sub_ = index; sub_ < ProgramVfoCount; ++sub_) {
        if (ProgramVfoHasRange(image_, sub_))
            return Send(WriteStep::ProgramVfo, ProgramVfoWriteCommand(image_, sub_));
        ++position_;
    }
    return DtmfMemory(0);
}

TransferAction WriteTransfer::DtmfMemory(int memory)
{
    slot_ = memory;
    return Send(WriteStep::Dtmf, DtmfWriteCommand(image_, memory));
}

TransferAction WriteTransfer::StartMenu()
{
    sub_ = 0;
    return Send(WriteStep::Power, PowerWriteCommand(image_, 0));
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
        maximum_ = TransferMaximum(scope_);
        return Send(WriteStep::Type, TypeCommand().text);
    case WriteStep::Type: {
        // Characters 5 and 6 of "TYD KK,0F" are the region and market letters.
        const std::string& code = image_.TypeCode();
        if (reply.size() < 6 || code.size() < 2 || reply[4] != code[0] || reply[5] != code[1])
            return Finish(TransferOutcome::InvalidRadio);
        slot_ = 0;
        if (scope_ == LinkScope::Menu) return StartMenu();
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
        ++position_;
        return CallSlot(sub_ + 1);
    case WriteStep::CallTx:
        ++position_;
        return CallSlot(sub_ + 1);
    case WriteStep::Vfo:
        ++position_;
        return VfoBand(sub_ + 1);
    case WriteStep::ProgramVfo:
        ++position_;
        return ProgramVfo(sub_ + 1);
    case WriteStep::Dtmf:
        return Send(WriteStep::DtmfName, DtmfNameWriteCommand(image_, slot_));
    case WriteStep::DtmfName:
        if (slot_ + 1 < DtmfCount) {
            ++position_;
            return DtmfMemory(slot_ + 1);
        }
        if (scope_ == LinkScope::Memory) return Finish(TransferOutcome::Completed);
        return StartMenu();
    case WriteStep::Power:
        ++position_;
        if (++sub_ < PowerCommandCount) return Send(WriteStep::Power, PowerWriteCommand(image_, sub_));
        sub_ = 0;
        return Send(WriteStep::Narrow, NarrowWriteCommand(image_, NarrowCommandIndexes[0]));
    case WriteStep::Narrow:
        ++position_;
        if (++sub_ < static_cast<int>(NarrowCommandIndexes.size()))
            return Send(WriteStep::Narrow,
                        NarrowWriteCommand(image_, NarrowCommandIndexes[static_cast<std::size_t>(sub_)]));
        sub_ = 0;
        return Send(WriteStep::Menu, MenuWriteCommand(image_, 0));
    case WriteStep::Menu:
        ++position_;
        if (++sub_ < static_cast<int>(MenuWordCount))
            return Send(WriteStep::Menu, MenuWriteCommand(image_, static_cast<std::size_t>(sub_)));
        return Finish(TransferOutcome::Completed);
    case WriteStep::Finished:
        break;
    }
    return Finish(TransferOutcome::Completed);
}
