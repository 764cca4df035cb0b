// Feeds arbitrary reply bytes to the read and the write transfer. The first
// byte picks the scope and the version; the rest is cut into replies at
// each CR, one reply per outstanding command (a query asked for again takes
// the next one). Neither transfer may crash, loop, or store a record past
// its capacity; a read that does not complete leaves the image exactly as
// it was, and one that completes leaves only records that pass the record
// check, a type code of its shape and band limits of digits, and fields in
// their places however short the replies were (a memory name never in
// field 16, nothing past field 12 of a VFO record); every record named as
// incomplete was stored. The read's records then go through the check
// before a write and a write of their own. The same
// replies then go to a read-back and a write of some slots only: a
// read-back changes nothing outside its slots, and nothing at all unless it
// completes.
#include "link/ImageDiff.h"
#include "link/ReadTransfer.h"
#include "link/WriteTransfer.h"
#include "model/Profile.h"
#include "model/RadioImage.h"
#include "model/RecordCheck.h"
#include "model/Records.h"
#include "rules/SendCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

RadioImage Start(std::uint8_t selector)
{
    static constexpr const char* Types[] = {"KK,0F", "ME,0B", "JJ,01", "MM,07"};
    RadioImage image;
    image.SetTypeCode(Types[(selector >> 2) & 3]);
    image.SetModel(selector & 0x10 ? "ZT-Q5" : "ZT-Q3");
    for (int band = 0; band < BandLimitCount; ++band)
        image.SetBandLimit(band,
                           DefaultBandLimit(band, image.MarketLetter(), image.RegionLetter(), image.Model()));
    image.LoadDefaultVfoAndCall();
    image.LoadInformationChannels();
    image.LoadDefaultMenu();
    return image;
}

template <class Transfer> void Run(Transfer& transfer, std::string_view replies, bool cancelMidway)
{
    TransferAction action = transfer.Start();
    std::size_t pos = 0;
    int count = 0;
    while ((action.kind == TransferAction::Kind::Send || action.kind == TransferAction::Kind::Retry) &&
           pos < replies.size()) {
        std::size_t end = replies.find('\r', pos);
        end = end == std::string_view::npos ? replies.size() : end + 1;
        if (cancelMidway && ++count == 40) transfer.Cancel();
        action = transfer.OnReply(replies.substr(pos, end - pos));
        pos = end;
        if (action.kind == TransferAction::Kind::RestartStartDelay) action = transfer.Start();
    }
    if (transfer.Outcome() == TransferOutcome::Running) transfer.Abort(TransferOutcome::Timeout);
}

void CheckCapacities(const RadioImage& image)
{
    for (int slot = 0; slot < MemoryCount; ++slot)
        if (image.GetMemoryRecord(slot).size() > RecordCapacity) std::abort();
    for (int memory = 0; memory < DtmfCount; ++memory)
        if (image.GetDtmfRecord(memory).size() > DtmfCapacity) std::abort();
    for (int band = 0; band < BandLimitCount; ++band)
        if (image.BandLimit(band).size() > BandLimitCapacity) std::abort();
    if (image.TypeCode().size() > TypeCodeCapacity || image.Model().size() > ModelCapacity) std::abort();
}

bool IsBandLimit(std::string_view limit)
{
    const std::size_t comma = limit.find(',');
    if (comma == std::string_view::npos) return false;
    const std::string_view lower = limit.substr(0, comma);
    const std::string_view upper = limit.substr(comma + 1);
    auto digits = [](std::string_view text) {
        for (char c : text)
            if (c < '0' || c > '9') return false;
        return text.size() == 5 || text.size() == 7;
    };
    return digits(lower) && digits(upper) && lower.size() == upper.size();
}

// Short replies are completed to their layout: no field slides into
// another's place.
void CheckFieldPlaces(const RadioImage& image)
{
    for (int slot = 0; slot < MemoryCount; ++slot)
        if (!RecordField(image.GetMemoryRecord(slot), ChannelField::Reserved).empty()) std::abort();
    for (int band = 0; band < VfoCount; ++band)
        for (int field = ChannelField::Lockout; field < ChannelField::Count; ++field)
            if (!RecordField(image.GetVfoRecord(band), field).empty()) std::abort();
    for (int slot = 0; slot < CallCount; ++slot)
        for (int field : {ChannelField::Lockout, ChannelField::Reserved, ChannelField::Name})
            if (!RecordField(image.GetCallRecord(slot), field).empty()) std::abort();
}

void CheckRead(const ReadTransfer& read, const RadioImage& start, const RadioImage& image)
{
    if (read.Outcome() != TransferOutcome::Completed) {
        if (!(image == start)) std::abort();
        return;
    }
    if (!CheckImageRecords(image).empty()) std::abort();
    const std::string& type = image.TypeCode();
    if (type.size() != 5 || type[2] != ',') std::abort();
    if (image.Model() != "ZT-Q2" && image.Model() != "ZT-Q3") std::abort();
    for (int band = 0; band < BandLimitCount; ++band)
        if (!image.BandLimit(band).empty() && !IsBandLimit(image.BandLimit(band))) std::abort();
    CheckFieldPlaces(image);
    for (const RecordSlot& slot : read.IncompleteSlots())
        if (slot.kind == RecordSlotKind::Memory && image.GetMemoryRecord(slot.index).empty()) std::abort();
    if (read.IncompleteNote().Empty() != read.IncompleteSlots().empty()) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::uint8_t selector = data[0];
    const auto scope = static_cast<LinkScope>(selector % 3);
    const std::string_view replies(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool cancel = (selector & 0x20) != 0;

    const RadioImage start = Start(selector);
    if (!CheckImageRecords(start).empty()) std::abort();
    RadioImage image = start;
    ReadTransfer read(image, scope);
    Run(read, replies, cancel);
    CheckCapacities(image);
    CheckRead(read, start, image);
    if (read.Outcome() == TransferOutcome::Completed) {
        // Whatever the radio gave, the write sends only what passes its check.
        UnsendableNote(UnsendableRecords(image, scope));
        WriteTransfer again(image, scope);
        Run(again, replies, cancel);
    }

    const RadioImage source = Start(selector);
    WriteTransfer write(source, scope);
    Run(write, replies, cancel);

    SlotSet chosen;
    for (int slot = selector & 7; slot < MemoryCount; slot += 37)
        chosen.Insert({RecordSlotKind::Memory, slot});
    for (const RecordSlot slot :
         {RecordSlot{RecordSlotKind::Vfo, 0}, RecordSlot{RecordSlotKind::Call, 2},
          RecordSlot{RecordSlotKind::Dtmf, 3}, RecordSlot{RecordSlotKind::ProgramVfo, 0},
          RecordSlot{RecordSlotKind::Menu, 8}, RecordSlot{RecordSlotKind::Menu, 21}})
        chosen.Insert(slot);
    RadioImage back = start;
    ReadTransfer readBack(back, chosen);
    Run(readBack, replies, cancel);
    CheckCapacities(back);
    if (readBack.Outcome() != TransferOutcome::Completed) {
        if (!(back == start)) std::abort();
    } else {
        if (!CheckImageRecords(back).empty()) std::abort();
        CheckFieldPlaces(back);
        for (const RecordSlot& slot : DifferingSlots(start, back).Slots())
            if (!chosen.Contains(slot)) std::abort();
    }
    WriteTransfer changes(source, chosen);
    Run(changes, replies, cancel);
    return 0;
}
