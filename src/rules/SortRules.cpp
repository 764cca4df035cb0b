// Memory channel sort.
#include "rules/SortRules.h"

#include "model/Records.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// A channel with the two sort keys taken out once, so that the quadratic
// sorts below compare without re-reading the record.
struct Channel
{
    std::string record;
    std::string frequency;
    std::string name;

    // A slot without a receive frequency holds no channel.
    bool IsEmpty() const { return frequency.size() < 2; }
};

Channel MakeChannel(std::string record)
{
    Channel channel;
    channel.frequency = std::string(RecordField(record, ChannelField::Frequency));
    channel.name = std::string(RecordField(record, ChannelField::Name, true));
    channel.record = std::move(record);
    return channel;
}

// Moves every channel down into the first empty slot before it, keeping the
// channels' order, so that they fill slots 0..n-1. Returns n.
std::size_t CloseGaps(std::vector<Channel>& slots)
{
    std::size_t next = 0; // search position for the next channel to move up
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (!slots[i].IsEmpty()) continue;
        std::size_t j = std::max(next, i + 1);
        while (j < slots.size() && slots[j].IsEmpty())
            ++j;
        if (j == slots.size()) break;
        slots[i] = std::move(slots[j]);
        slots[j] = Channel{};
        next = j + 1;
    }
    std::size_t filled = 0;
    while (filled < slots.size() && !slots[filled].IsEmpty())
        ++filled;
    return filled;
}

// Bubble sort by the frequency digits: only a strictly greater frequency
// swaps, so channels on the same frequency keep their order.
void SortByFrequency(std::vector<Channel>& slots, std::size_t filled)
{
    for (std::size_t pass = 0; pass < filled; ++pass) {
        bool swapped = false;
        for (std::size_t k = 0; k + 1 < filled; ++k) {
            if (slots[k].frequency > slots[k + 1].frequency) {
                std::swap(slots[k], slots[k + 1]);
                swapped = true;
            }
        }
        if (!swapped) break;
    }
}

// Selection sort by swapping: named channels first in byte order of their
// names, then the unnamed ones by frequency.
void SortByName(std::vector<Channel>& slots, std::size_t filled)
{
    for (std::size_t i = 0; i < filled; ++i) {
        for (std::size_t j = i + 1; j < filled; ++j) {
            const Channel& a = slots[i];
            const Channel& b = slots[j];
            const bool swap =
                (a.name > b.name && !b.name.empty() && b.frequency.size() > 1) ||
                (a.name.empty() && !b.name.empty()) ||
                (a.name.empty() && b.name.empty() && a.frequency > b.frequency && !b.frequency.empty());
            if (swap) std::swap(slots[i], slots[j]);
        }
    }
}

// Every channel gets the label of its new slot; the other fields, the name
// with any commas included, are kept as they are.
void Renumber(std::vector<Channel>& slots, std::size_t filled)
{
    for (std::size_t k = 0; k < filled; ++k) {
        const std::string& old = slots[k].record;
        std::string record = MemoryLabel(static_cast<int>(k));
        for (int field = ChannelField::Frequency; field <= ChannelField::Name; ++field) {
            record += ',';
            record += RecordField(old, field, field == ChannelField::Name);
        }
        slots[k].record = std::move(record);
    }
}

} // namespace

void SortMemoryRecords(std::span<std::string> records, SortOrder order)
{
    const std::size_t count = std::min<std::size_t>(records.size(), OrdinaryMemoryCount);
    std::vector<Channel> slots;
    slots.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        slots.push_back(MakeChannel(std::move(records[i])));

    const std::size_t filled = CloseGaps(slots);
    if (order == SortOrder::Frequency)
        SortByFrequency(slots, filled);
    else
        SortByName(slots, filled);
    Renumber(slots, filled);

    for (std::size_t i = 0; i < count; ++i)
        records[i] = std::move(slots[i].record);
}

void SortMemoryChannels(RadioImage& image, SortOrder order)
{
    std::vector<std::string> records;
    records.reserve(OrdinaryMemoryCount);
    for (int i = 0; i < OrdinaryMemoryCount; ++i)
        records.push_back(image.GetMemoryRecord(i));
    SortMemoryRecords(records, order);
    for (int i = 0; i < OrdinaryMemoryCount; ++i)
        image.SetMemoryRecord(i, records[static_cast<std::size_t>(i)]);
}
