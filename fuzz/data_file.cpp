// Feeds arbitrary bytes to the data file reader: it must never crash, never
// store past a record's capacity, never load a record that fails its check,
// and whatever it loads must survive a write and a second read unchanged.
#include "files/DataFile.h"
#include "model/Profile.h"
#include "model/RadioImage.h"
#include "model/RecordCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

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
    DataFileReport report;
    const DataFileStatus status = ReadDataFile(bytes, image, comment, report);
    const std::vector<RecordSlot>& leftOut = report.leftOut;
    if (status == DataFileStatus::BadHeader) {
        Check(image == reset && comment == "before" && leftOut.empty());
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

    // Nothing that fails its check is loaded, so nothing malformed can be
    // sent; each left-out slot is named once and still holds a passing record.
    Check(CheckImageRecords(image).empty());
    for (std::size_t i = 0; i < leftOut.size(); ++i)
        for (std::size_t j = i + 1; j < leftOut.size(); ++j)
            Check(!(leftOut[i] == leftOut[j]));
    // A slot an earlier line loaded is never also named as left out.
    for (const RecordSlot& slot : report.earlierLineUsed)
        Check(std::find(leftOut.begin(), leftOut.end(), slot) == leftOut.end());
    Check(report.gaps.Incomplete() == !report.gaps.Missing().Empty());

    // What was loaded is written and read back to the same file, and all of
    // it loads again. The second read starts from an empty image: records too
    // short to be written would otherwise come back as the reset's defaults.
    const std::string written = WriteDataFile(image, comment);
    RadioImage again;
    std::string againComment;
    DataFileReport againReport;
    Check(ReadDataFile(written, again, againComment, againReport) == DataFileStatus::Loaded);
    // Every file written is whole.
    Check(againReport.leftOut.empty() && againReport.earlierLineUsed.empty() &&
          !againReport.gaps.Incomplete());
    Check(WriteDataFile(again, againComment) == written);
    return 0;
}
