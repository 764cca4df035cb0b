// Feeds arbitrary reply bytes to the read and the write transfer. The first
// byte picks the scope and the version; the rest is cut into replies at
// each CR, one reply per outstanding command. Neither transfer may crash,
// loop, or store a record past its capacity.
#include "link/ReadTransfer.h"
#include "link/WriteTransfer.h"
#include "model/Profile.h"
#include "model/RadioImage.h"
#include "model/Records.h"

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
    while (action.kind == TransferAction::Kind::Send && pos < replies.size()) {
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::uint8_t selector = data[0];
    const auto scope = static_cast<LinkScope>(selector % 3);
    const std::string_view replies(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool cancel = (selector & 0x20) != 0;

    RadioImage image = Start(selector);
    ReadTransfer read(image, scope);
    Run(read, replies, cancel);
    CheckCapacities(image);

    const RadioImage source = Start(selector);
    WriteTransfer write(source, scope);
    Run(write, replies, cancel);
    return 0;
}
