// Order of the read: two wake-ups, identity, type, the two band-limit
// groups, then the memories, CALL, VFO, program VFO and DTMF records (All,
// Memory) and the menu settings (All, Menu).
#include "link/ReadTransfer.h"

#include "model/RadioImage.h"
#include "model/RecordCheck.h"
#include "model/Records.h"

ReadTransfer::ReadTransfer(RadioImage& image, LinkScope scope)
    : target_(image), image_(image), scope_(scope), memoryPhases_(scope != LinkScope::Menu),
      menuPhases_(scope != LinkScope::Memory)
{
}

ReadTransfer::ReadTransfer(RadioImage& image, const SlotSet& slots)
    : target_(image), image_(image), scope_(LinkScope::All), readBack_(true), slots_(slots),
      memoryPhases_(false), menuPhases_(false)
{
    for (const RecordSlot& slot : slots.Slots()) {
        if (slot.kind == RecordSlotKind::Menu)
            menuPhases_ = true;
        else
            memoryPhases_ = true;
    }
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

TransferAction ReadTransfer::FirstPhase()
{
    slot_ = 0;
    if (memoryPhases_) return MemoryFrom(0);
    if (menuPhases_) return PowerFrom(0);
    return Complete();
}

TransferAction ReadTransfer::MemoryFrom(int slot)
{
    for (slot_ = slot; slot_ < MemoryCount; ++slot_)
        if (Selected(RecordSlotKind::Memory, slot_)) return Send(ReadStep::Memory, MemoryQuery(slot_));
    return CallFrom(0);
}

TransferAction ReadTransfer::CallFrom(int slot)
{
    for (sub_ = slot; sub_ < CallCount; ++sub_)
        if (Selected(RecordSlotKind::Call, sub_)) return Send(ReadStep::Call, CallQuery(sub_, 0));
    return VfoFrom(0);
}

TransferAction ReadTransfer::VfoFrom(int band)
{
    for (sub_ = band; sub_ < VfoCount; ++sub_)
        if (Selected(RecordSlotKind::Vfo, sub_)) return Send(ReadStep::Vfo, VfoQuery(sub_));
    return ProgramVfoFrom(0);
}

TransferAction ReadTransfer::ProgramVfoFrom(int index)
{
    for (sub_ = index; sub_ < ProgramVfoCount; ++sub_)
        if (Selected(RecordSlotKind::ProgramVfo, sub_))
            return Send(ReadStep::ProgramVfo, ProgramVfoQuery(sub_));
    return DtmfFrom(0);
}

TransferAction ReadTransfer::DtmfFrom(int memory)
{
    for (slot_ = memory; slot_ < DtmfCount; ++slot_)
        if (Selected(RecordSlotKind::Dtmf, slot_)) return Send(ReadStep::Dtmf, DtmfQuery(slot_));
    if (!menuPhases_) return Complete();
    return PowerFrom(0);
}

TransferAction ReadTransfer::PowerFrom(int k)
{
    for (sub_ = k; sub_ < PowerCommandCount; ++sub_)
        if (Selected(RecordSlotKind::Menu, PowerSettingFirst + sub_))
            return Send(ReadStep::Power, PowerQuery(sub_));
    return NarrowFrom(0);
}

TransferAction ReadTransfer::NarrowFrom(int i)
{
    for (sub_ = i; sub_ < static_cast<int>(NarrowCommandIndexes.size()); ++sub_)
        if (Selected(RecordSlotKind::Menu, NarrowSettingFirst + sub_))
            return Send(ReadStep::Narrow, NarrowQuery(NarrowCommandIndexes[static_cast<std::size_t>(sub_)]));
    return MenuFrom(0);
}

TransferAction ReadTransfer::MenuFrom(int i)
{
    for (sub_ = i; sub_ < static_cast<int>(MenuWordCount); ++sub_)
        if (Selected(RecordSlotKind::Menu, MenuCommandWords[static_cast<std::size_t>(sub_)].setting))
            return Send(ReadStep::Menu, MenuQuery(static_cast<std::size_t>(sub_)));
    return Complete();
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

Message ReadTransfer::IncompleteNote() const
{
    return IncompleteReadNote(incomplete_, image_.MarketLetter());
}

void ReadTransfer::NoteIfShort(RecordSlotKind kind, int index, bool lastShort)
{
    if (shortReply_ || lastShort) incomplete_.push_back({kind, index});
    shortReply_ = false;
}

Message ReadTransfer::PlaceOfStep() const
{
    const ReplyExpectation expected = Expected();
    const auto slot = [&expected](RecordSlotKind kind) {
        return TextMessage(RecordSlotName({kind, expected.index}));
    };
    switch (expected.shape) {
    case ReplyShape::Identity:
        return MessageOf(MessageId::StepModel);
    case ReplyShape::Type:
        return MessageOf(MessageId::StepVersion);
    case ReplyShape::BandLimits:
        return MessageOf(MessageId::StepBandLimits);
    case ReplyShape::Memory:
    case ReplyShape::MemoryTx:
    case ReplyShape::MemoryName:
        return slot(RecordSlotKind::Memory);
    case ReplyShape::Call:
    case ReplyShape::CallTx:
        return slot(RecordSlotKind::Call);
    case ReplyShape::Vfo:
        return slot(RecordSlotKind::Vfo);
    case ReplyShape::ProgramVfo:
        return slot(RecordSlotKind::ProgramVfo);
    case ReplyShape::Dtmf:
    case ReplyShape::DtmfName:
        return slot(RecordSlotKind::Dtmf);
    case ReplyShape::Menu:
        return slot(RecordSlotKind::Menu);
    case ReplyShape::Unchecked:
        break;
    }
    return MessageOf(MessageId::StepWakeUp);
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
                badReply_ = MessageOf(MessageId::GarbledTwice, {PlaceOfStep(), TextMessage(command_.text),
                                                                ReasonMessage(check.reason)});
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
        if (readBack_) {
            maximum_ = slots_.Count();
            return Send(ReadStep::Type, TypeCommand());
        }
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
        if (readBack_) {
            // The radio written to must still be one of the image's version.
            const std::string& code = image_.TypeCode();
            if (payload.size() < 2 || code.size() < 2 || payload.compare(0, 2, code, 0, 2) != 0)
                return Finish(TransferOutcome::InvalidRadio);
            return FirstPhase();
        }
        image_.SetTypeCode(payload);
        sub_ = 0;
        return Send(ReadStep::BandLimits, BandLimitQuery(0));
    case ReadStep::BandLimits:
        StoreBandLimits(image_, sub_, payload);
        if (sub_ == 0) {
            sub_ = 1;
            return Send(ReadStep::BandLimits, BandLimitQuery(1));
        }
        return FirstPhase();
    case ReadStep::Memory:
        if (IsEmptyMemoryReply(payload)) {
            // A full read started from a cleared image; a read-back did not.
            if (readBack_) image_.SetMemoryRecord(slot_, "");
            ++done_;
            position_ = slot_;
            return MemoryFrom(slot_ + 1);
        }
        first_ = payload;
        shortReply_ = IsShortPayload(Expected(), payload);
        return Send(ReadStep::MemoryTx, MemoryTxQuery(slot_));
    case ReadStep::MemoryTx:
        second_ = payload;
        shortReply_ = shortReply_ || IsShortPayload(Expected(), payload);
        return Send(ReadStep::MemoryName, MemoryNameQuery(slot_));
    case ReadStep::MemoryName:
        image_.SetMemoryRecord(slot_, MemoryRecordFromReplies(slot_, first_, second_, payload, market));
        NoteIfShort(RecordSlotKind::Memory, slot_, false);
        ++done_;
        position_ = slot_;
        return MemoryFrom(slot_ + 1);
    case ReadStep::Call:
        if (IsEmptyCallReply(payload)) {
            image_.SetCallRecord(sub_, "");
            ++done_;
            ++position_;
            return CallFrom(sub_ + 1);
        }
        first_ = payload;
        shortReply_ = IsShortPayload(Expected(), payload);
        return Send(ReadStep::CallTx, CallQuery(sub_, 1));
    case ReadStep::CallTx:
        image_.SetCallRecord(sub_, CallRecordFromReplies(sub_, first_, payload));
        NoteIfShort(RecordSlotKind::Call, sub_, IsShortPayload(Expected(), payload));
        ++done_;
        ++position_;
        return CallFrom(sub_ + 1);
    case ReadStep::Vfo:
        image_.SetVfoRecord(sub_, VfoRecordFromReply(payload));
        NoteIfShort(RecordSlotKind::Vfo, sub_, IsShortPayload(Expected(), payload));
        ++done_;
        ++position_;
        return VfoFrom(sub_ + 1);
    case ReadStep::ProgramVfo:
        image_.SetProgramVfoRecord(sub_, payload);
        NoteIfShort(RecordSlotKind::ProgramVfo, sub_, IsShortPayload(Expected(), payload));
        ++done_;
        ++position_;
        return ProgramVfoFrom(sub_ + 1);
    case ReadStep::Dtmf:
        if (IsEmptyDtmfReply(payload)) {
            if (readBack_) image_.SetDtmfRecord(slot_, "");
            ++done_;
            ++position_;
            return DtmfFrom(slot_ + 1);
        }
        first_ = payload;
        shortReply_ = IsShortPayload(Expected(), payload);
        return Send(ReadStep::DtmfName, DtmfNameQuery(slot_));
    case ReadStep::DtmfName:
        image_.SetDtmfRecord(slot_, DtmfRecordFromReplies(slot_, first_, payload, market));
        NoteIfShort(RecordSlotKind::Dtmf, slot_, false);
        ++done_;
        ++position_;
        return DtmfFrom(slot_ + 1);
    case ReadStep::Power:
        image_.SetMenuSetting(PowerSettingFirst + sub_, payload);
        ++done_;
        ++position_;
        return PowerFrom(sub_ + 1);
    case ReadStep::Narrow:
        image_.SetMenuSetting(NarrowSettingFirst + sub_, payload);
        ++done_;
        ++position_;
        return NarrowFrom(sub_ + 1);
    case ReadStep::Menu: {
        const MenuCommandWord& word = MenuCommandWords[static_cast<std::size_t>(sub_)];
        image_.SetMenuSetting(word.setting,
                              word.setting == MessageSetting ? NameFromRadio(payload, market) : payload);
        ++done_;
        ++position_;
        return MenuFrom(sub_ + 1);
    }
    case ReadStep::Finished:
        break;
    }
    return Finish(TransferOutcome::Completed);
}

Message IncompleteReadNote(const std::vector<RecordSlot>& slots, char market)
{
    if (slots.empty()) return {};
    std::vector<std::string> titles;
    for (const RecordSlot& slot : slots)
        titles.push_back(RecordSlotTitle(slot, market));
    return CountedMessage(MessageId::IncompleteRead, static_cast<int>(slots.size()), {NamesMessage(titles)});
}
