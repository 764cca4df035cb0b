// What a write changes and empties on the radio.
#include "link/WriteEffect.h"

#include "model/Records.h"

namespace {

constexpr const char* kEnDash = "\xE2\x80\x93";

std::string Counted(std::size_t count, const char* singular, const char* plural)
{
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

// "A, B and C".
std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
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

std::string ChangesText(const WriteEffect& effect)
{
    std::vector<std::string> parts;
    if (effect.channels > 0)
        parts.push_back(Counted(static_cast<std::size_t>(effect.channels), "channel", "channels"));
    if (effect.dtmf > 0)
        parts.push_back(Counted(static_cast<std::size_t>(effect.dtmf), "DTMF memory", "DTMF memories"));
    if (effect.settings > 0)
        parts.push_back(Counted(static_cast<std::size_t>(effect.settings), "setting", "settings"));
    return parts.empty() ? "changes nothing" : "changes " + Joined(parts);
}

std::string ChannelRanges(const std::vector<int>& memorySlots)
{
    // Only the numbered channels run on from one to the next.
    return Ranges(memorySlots, MemoryLabel, [](int, int next) { return next < OrdinaryMemoryCount; });
}

std::string EmptiesText(const WriteEffect& effect)
{
    if (!effect.Empties()) return {};
    std::vector<std::string> counts;
    if (!effect.emptiedChannels.empty())
        counts.push_back(Counted(effect.emptiedChannels.size(), "channel", "channels"));
    if (!effect.emptiedDtmf.empty())
        counts.push_back(Counted(effect.emptiedDtmf.size(), "DTMF memory", "DTMF memories"));
    std::string list = ChannelRanges(effect.emptiedChannels);
    if (!effect.emptiedDtmf.empty()) {
        if (!list.empty()) list += "; ";
        list += "DTMF " + Ranges(
                              effect.emptiedDtmf, [](int n) { return std::to_string(n); },
                              [](int, int) { return true; });
    }
    return "This write empties " + Joined(counts) + " the radio holds: " + list + ".";
}
