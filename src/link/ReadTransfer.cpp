// Order of the read: two wake-ups, identity, type, the two band-limit
// groups, then the memories, CALL, VFO, program VFO and DTMF records (All,
// Memory) and the menu settings (All, Menu).
#include "link/ReadTransfer.h"

#include "model/RadioImage.h"
#include "model/RecordCheck.h"
#include "model/Records.h"

ReadTransfer::ReadTransfer(RadioImage& image, LinkScope scope) : target_(image), image_(image), scope_(scope)
{
}

TransferAction ReadTransfer::Send(ReadStep step, const RadioCommand& command, bool clearInput)
{
    step_ = step;
    command_ = command;
    retried_ = false;
    return {TransferAction::Kind::Send, command.text, clearInput};
}

TransferAction ReadTransfer::Finish(TransferOutcome outcome)
{
    step_ = ReadStep::Finished;
    if (outcome_ == TransferOutcome::Running) outcome_ = outcome;
    return {outcome == TransferOutcome::InvalidRadio ? TransferAction::Kind::InvalidRadio
                                                     : TransferAction::Kind::Finish,
            {},
            false};
}

TransferAction ReadTransfer::Complete()
{
    if (outcome_ == TransferOutcome::Running) {
        // The paste buffer is the window's, not the radio's.
        image_.SetPasteBuffer(target_.PasteBuffer());
        target_ = image_;
    }
    return Finish(TransferOutcome::Completed);
}

void ReadTransfer::Abort(TransferOutcome outcome)
{
    step_ = ReadStep::Finished;
    if (outcome_ == TransferOutcome::Running) outcome_ = outcome;
}

TransferAction ReadTransfer::Start()
{
    if (step_ != ReadStep::WaitingToStart) return Finish(TransferOutcome::Completed);
    return Send(ReadStep::WakeUp1, WakeUpCommand(), true);
}

TransferAction ReadTransfer::NextMemory()
{
    position_ = slot_;
    ++slot_;
    if (slot_ < MemoryCount) return Send(ReadStep::Memory, MemoryQuery(slot_));
    sub_ = 0;
    return Send(ReadStep::Call, CallQuery(0, 0));
}

TransferAction ReadTransfer::NextCall()
{
    ++position_;
    ++sub_;
    if (sub_ < CallCount) return Send(ReadStep::Call, CallQuery(sub_, 0));
    sub_ = 0;
    return Send(ReadStep::Vfo, VfoQuery(0));
}

TransferAction ReadTransfer::NextDtmf()
{
    ++position_;
    ++slot_;
    if (slot_ < DtmfCount) return Send(ReadStep::Dtmf, DtmfQuery(slot_));
    if (scope_ == LinkScope::Memory) return Complete();
    return StartMenu();
}

TransferAction ReadTransfer::StartMenu()
{
    sub_ = 0;
    return Send(ReadStep::Power, PowerQuery(0));
}

ReplyExpectation ReadTransfer::Expected() const
{
    switch (step_) {
    case ReadStep::Identity:
        return {ReplyShape::Identity, 0};
    case ReadStep::Type:
        return {ReplyShape::Type, 0};
    case ReadStep::BandLimits:
        return {ReplyShape::BandLimits, sub_};
    case ReadStep::Memory:
        return {ReplyShape::Memory, slot_};
    case ReadStep::MemoryTx:
        return {ReplyShape::MemoryTx, slot_};
    case ReadStep::MemoryName:
        return {ReplyShape::MemoryName, slot_};
    case ReadStep::Call:
        return {ReplyShape::Call, sub_};
    case ReadStep::CallTx:
        return {ReplyShape::CallTx, sub_};
    case ReadStep::Vfo:
        return {ReplyShape::Vfo, sub_};
    case ReadStep::ProgramVfo:
        return {ReplyShape::ProgramVfo, sub_};
    case ReadStep::Dtmf:
        return {ReplyShape::Dtmf, slot_};
    case ReadStep::DtmfName:
        return {ReplyShape::DtmfName, slot_};
    case ReadStep::Power:
        return {ReplyShape::Menu, PowerSettingFirst + sub_};
    case ReadStep::Narrow:
        return {ReplyShape::Menu, NarrowSettingFirst + sub_};
    case ReadStep::Menu:
        return {ReplyShape::Menu, MenuCommandWords[static_cast<std::size_t>(sub_)].setting};
    case ReadStep::WaitingToStart:
    case ReadStep::WakeUp1:
    case ReadStep::WakeUp2:
    case ReadStep::Finished:
        break;
    }
    return {ReplyShape::Unchecked, 0};
}

std::string ReadTransfer::PlaceOfStep() const
{
    const ReplyExpectation expected = Expected();
    switch (expected.shape) {
    case ReplyShape::Identity:
        return "the model";
    case ReplyShape::Type:
        return "the version";
    case ReplyShape::BandLimits:
        return "the band limits";
    case ReplyShape::Memory:
    case ReplyShape::MemoryTx:
    case ReplyShape::MemoryName:
        return RecordSlotName({RecordSlotKind::Memory, expected.index});
    case ReplyShape::Call:
    case ReplyShape::CallTx:
        return RecordSlotName({RecordSlotKind::Call, expected.index});
    case ReplyShape::Vfo:
        return RecordSlotName({RecordSlotKind::Vfo, expected.index});
    case ReplyShape::ProgramVfo:
        return RecordSlotName({RecordSlotKind::ProgramVfo, expected.index});
    case ReplyShape::Dtmf:
    case ReplyShape::DtmfName:
        return RecordSlotName({RecordSlotKind::Dtmf, expected.index});
    case ReplyShape::Menu:
        return RecordSlotName({RecordSlotKind::Menu, expected.index});
    case ReplyShape::Unchecked:
        break;
    }
    return "the wake-up";
}

TransferAction ReadTransfer::OnReply(std::string_view bytes)
{
    if (cancelled_ && step_ != ReadStep::Finished) {
        Finish(TransferOutcome::Cancelled);
        return {TransferAction::Kind::Finish, {}, false};
    }
    ReplyAssembler reply(command_.echo);
    reply.Feed(bytes);
    const std::string& payload = reply.Payload();
    const char market = image_.MarketLetter();

    if (step_ != ReadStep::WaitingToStart && step_ != ReadStep::Finished) {
        const RecordCheck check =
            CheckReply(command_, Expected(), reply.Echo(), payload, reply.Cut(), market);
        if (!check) {
            if (retried_) {
                badReply_ = "The radio's reply for " + PlaceOfStep() + " was garbled twice (\"" +
                            command_.text + "\": " + std::string(check.reason) + ").";
                return Finish(TransferOutcome::BadReply);
            }
            // The line strictly alternates, so the same query may be sent again.
            retried_ = true;
            return {TransferAction::Kind::Retry, command_.text, true};
        }
    }

    switch (step_) {
    case ReadStep::WaitingToStart:
        // Input before the first command: discard it and wait again.
        return {TransferAction::Kind::RestartStartDelay, {}, true};
    case ReadStep::WakeUp1:
        slot_ = 0;
        return Send(ReadStep::WakeUp2, WakeUpCommand(), true);
    case ReadStep::WakeUp2:
        return Send(ReadStep::Identity, IdentityCommand());
    case ReadStep::Identity:
        if (payload != "ZT-Q2" && payload != "ZT-Q3") return Finish(TransferOutcome::InvalidRadio);
        image_.SetModel(payload);
        if (scope_ == LinkScope::All || scope_ == LinkScope::Memory) {
            image_.ClearImage();
            image_.LoadDefaultVfoAndCall();
        }
        if (scope_ == LinkScope::All || scope_ == LinkScope::Menu) image_.LoadDefaultMenu();
        if (scope_ == LinkScope::All || scope_ == LinkScope::Memory) image_.LoadInformationChannels();
        maximum_ = TransferMaximum(scope_);
        return Send(ReadStep::Type, TypeCommand());
    case ReadStep::Type:
        image_.SetTypeCode(payload);
        sub_ = 0;
        return Send(ReadStep::BandLimits, BandLimitQuery(0));
    case ReadStep::BandLimits:
        StoreBandLimits(image_, sub_, payload);
        if (sub_ == 0) {
            sub_ = 1;
            return Send(ReadStep::BandLimits, BandLimitQuery(1));
        }
        slot_ = 0;
        if (scope_ == LinkScope::Menu) return StartMenu();
        return Send(ReadStep::Memory, MemoryQuery(0));
    case ReadStep::Memory:
        if (IsEmptyMemoryReply(payload)) return NextMemory();
        first_ = payload;
        return Send(ReadStep::MemoryTx, MemoryTxQuery(slot_));
    case ReadStep::MemoryTx:
        second_ = payload;
        return Send(ReadStep::MemoryName, MemoryNameQuery(slot_));
    case ReadStep::MemoryName:
        image_.SetMemoryRecord(slot_, MemoryRecordFromReplies(slot_, first_, second_, payload, market));
        return NextMemory();
    case ReadStep::Call:
        if (IsEmptyCallReply(payload)) {
            image_.SetCallRecord(sub_, "");
            return NextCall();
        }
        first_ = payload;
        return Send(ReadStep::CallTx, CallQuery(sub_, 1));
    case ReadStep::CallTx:
        image_.SetCallRecord(sub_, CallRecordFromReplies(sub_, first_, payload));
        return NextCall();
    case ReadStep::Vfo:
        image_.SetVfoRecord(sub_, VfoRecordFromReply(payload));
        ++position_;
        if (++sub_ < VfoCount) return Send(ReadStep::Vfo, VfoQuery(sub_));
        sub_ = 0;
        return Send(ReadStep::ProgramVfo, ProgramVfoQuery(0));
    case ReadStep::ProgramVfo:
        image_.SetProgramVfoRecord(sub_, payload);
        ++position_;
        if (++sub_ < ProgramVfoCount) return Send(ReadStep::ProgramVfo, ProgramVfoQuery(sub_));
        slot_ = 0;
        return Send(ReadStep::Dtmf, DtmfQuery(0));
    case ReadStep::Dtmf:
        if (IsEmptyDtmfReply(payload)) return NextDtmf();
        first_ = payload;
        return Send(ReadStep::DtmfName, DtmfNameQuery(slot_));
    case ReadStep::DtmfName:
        image_.SetDtmfRecord(slot_, DtmfRecordFromReplies(first_, payload, market));
        return NextDtmf();
    case ReadStep::Power:
        image_.SetMenuSetting(PowerSettingFirst + sub_, payload);
        ++position_;
        if (++sub_ < PowerCommandCount) return Send(ReadStep::Power, PowerQuery(sub_));
        sub_ = 0;
        return Send(ReadStep::Narrow, NarrowQuery(NarrowCommandIndexes[0]));
    case ReadStep::Narrow:
        image_.SetMenuSetting(NarrowSettingFirst + sub_, payload);
        ++position_;
        if (++sub_ < static_cast<int>(NarrowCommandIndexes.size()))
            return Send(ReadStep::Narrow, NarrowQuery(NarrowCommandIndexes[static_cast<std::size_t>(sub_)]));
        sub_ = 0;
        return Send(ReadStep::Menu, MenuQuery(0));
    case ReadStep::Menu: {
        const MenuCommandWord& word = MenuCommandWords[static_cast<std::size_t>(sub_)];
        image_.SetMenuSetting(word.setting,
                              word.setting == MessageSetting ? NameFromRadio(payload, market) : payload);
        ++position_;
        if (++sub_ < static_cast<int>(MenuWordCount))
            return Send(ReadStep::Menu, MenuQuery(static_cast<std::size_t>(sub_)));
        return Complete();
    }
    case ReadStep::Finished:
        break;
    }
    return Finish(TransferOutcome::Completed);
}
