// What a write changes and empties on the radio.
#include "link/WriteEffect.h"

#include "model/Records.h"

namespace {

constexpr const char* kEnDash = "\xE2\x80\x93";

Message Counted(MessageId id, std::size_t count)
{
    return CountedMessage(id, static_cast<int>(count));
}

// Runs of three or more consecutive numbers as "first–last"; `label` names
// one number, `joins` whether two numbers may share a run.
template <class Label, class Joins>
std::string Ranges(const std::vector<int>& numbers, Label label, Joins joins)
{
    std::string text;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t end = i + 1;
        while (end < numbers.size() && numbers[end] == numbers[end - 1] + 1 &&
               joins(numbers[end - 1], numbers[end]))
            ++end;
        if (!text.empty()) text += ", ";
        if (end - i >= 3) {
            text += label(numbers[i]) + kEnDash + label(numbers[end - 1]);
        } else {
            text += label(numbers[i]);
            if (end - i == 2) text += ", " + label(numbers[i + 1]);
        }
        i = end;
    }
    return text;
}

} // namespace

WriteEffect EffectOfWrite(const RadioImage& radio, const RadioImage& image, const SlotSet& chosen)
{
    WriteEffect effect;
    for (const RecordSlot& slot : chosen.Slots()) {
        if (SameOnRadio(radio, image, slot)) continue;
        const auto emptied = [&] {
            return !RadioForm(radio, slot).empty() && RadioForm(image, slot).empty();
        };
        switch (slot.kind) {
        case RecordSlotKind::Memory:
            ++effect.channels;
            if (emptied()) effect.emptiedChannels.push_back(slot.index);
            break;
        case RecordSlotKind::Vfo:
        case RecordSlotKind::Call:
            ++effect.channels;
            break;
        case RecordSlotKind::Dtmf:
            ++effect.dtmf;
            if (emptied()) effect.emptiedDtmf.push_back(slot.index);
            break;
        case RecordSlotKind::ProgramVfo:
        case RecordSlotKind::Menu:
            ++effect.settings;
            break;
        }
    }
    return effect;
}

Message ChangesText(const WriteEffect& effect)
{
    std::vector<Message> parts;
    if (effect.channels > 0)
        parts.push_back(Counted(MessageId::CountChannels, static_cast<std::size_t>(effect.channels)));
    if (effect.dtmf > 0)
        parts.push_back(Counted(MessageId::CountDtmfMemories, static_cast<std::size_t>(effect.dtmf)));
    if (effect.settings > 0)
        parts.push_back(Counted(MessageId::CountSettings, static_cast<std::size_t>(effect.settings)));
    return parts.empty() ? MessageOf(MessageId::WriteChangesNothing)
                         : MessageOf(MessageId::WriteChanges, {ListMessage(std::move(parts))});
}

std::string ChannelRanges(const std::vector<int>& memorySlots)
{
    // Only the numbered channels run on from one to the next.
    return Ranges(memorySlots, MemoryLabel, [](int, int next) { return next < OrdinaryMemoryCount; });
}

Message EmptiesText(const WriteEffect& effect)
{
    if (!effect.Empties()) return {};
    std::vector<Message> counts;
    if (!effect.emptiedChannels.empty())
        counts.push_back(Counted(MessageId::CountChannels, effect.emptiedChannels.size()));
    if (!effect.emptiedDtmf.empty())
        counts.push_back(Counted(MessageId::CountDtmfMemories, effect.emptiedDtmf.size()));
    Message list = TextMessage(ChannelRanges(effect.emptiedChannels));
    if (!effect.emptiedDtmf.empty()) {
        Message dtmf =
            MessageOf(MessageId::EmptiedDtmf, {TextMessage(Ranges(
                                                  effect.emptiedDtmf, [](int n) { return std::to_string(n); },
                                                  [](int, int) { return true; }))});
        list = effect.emptiedChannels.empty()
                   ? std::move(dtmf)
                   : MessageOf(MessageId::EmptiedBoth, {std::move(list), std::move(dtmf)});
    }
    return MessageOf(MessageId::WriteEmpties, {ListMessage(std::move(counts)), std::move(list)});
}
