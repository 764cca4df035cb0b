// Feeds arbitrary bytes to the data file reader: it must never crash, never
// store past a record's capacity, and whatever it loads must survive a
// write and a second read unchanged.
#include "files/DataFile.h"
#include "model/Profile.h"
#include "model/RadioImage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

RadioImage ResetImageFor(const char* type, const char* model)
{
    MemoryConfigStore store;
    store.Write("Type", type);
    store.Write("Model", model);
    RadioImage image;
    LoadProfile(store, image, "/", [] { return 0; });
    ResetImage(image, ImageReset::ForLoad);
    return image;
}

void Check(bool condition)
{
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const RadioImage reset = ResetImageFor("KK,0F", "ZT-Q2");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    RadioImage image = reset;
    std::string comment = "before";
    const DataFileStatus status = ReadDataFile(bytes, image, comment);
    if (status == DataFileStatus::BadHeader) {
        Check(image == reset && comment == "before");
        return 0;
    }
    for (int i = 0; i < MemoryCount; ++i)
        Check(image.GetMemoryRecord(i).size() <= RecordCapacity);
    for (int i = 0; i < DtmfCount; ++i)
        Check(image.GetDtmfRecord(i).size() <= DtmfCapacity);
    for (int i = 0; i < ProgramVfoCount; ++i)
        Check(image.GetProgramVfoRecord(i).size() <= ProgramVfoCapacity);
    for (int i = 0; i < MenuCount; ++i)
        Check(image.GetMenuSetting(i).size() <= MenuSettingWidth(i));
    Check(comment.size() <= kDataFileLineCapacity);

    // A program VFO line cut to its 14 characters can become the radio menu
    // marker itself; the format has no way to write such a record.
    for (int i = 0; i < ProgramVfoCount; ++i)
        if (image.GetProgramVfoRecord(i) == "__RADIO MENU__") return 0;

    // What was loaded is written and read back to the same file. The second
    // read starts from an empty image: records too short to be written
    // would otherwise come back as the reset's defaults.
    const std::string written = WriteDataFile(image, comment);
    RadioImage again;
    std::string againComment;
    Check(ReadDataFile(written, again, againComment) == DataFileStatus::Loaded);
    Check(WriteDataFile(again, againComment) == written);
    return 0;
}
