// Feeds arbitrary bytes to the channel list import (any text, UTF-8 or the
// market's 8-bit set; any separator): it must never crash, must place every
// row it keeps in a real slot under that slot's label and within a record's
// capacity, and what it stores must come back unchanged through an export
// and a second import. The export in the 8-bit set must read back too.
#include "files/Csv.h"
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
    static const RadioImage images[] = {
        ResetImageFor("KK,0F", "ZT-Q5"),
        ResetImageFor("ME,0B", "ZT-Q2"),
        ResetImageFor("JJ,01", "ZT-Q5"),
        ResetImageFor("MM,07", "ZT-Q3"),
    };
    if (size == 0) return 0;
    // The first byte picks the version and the append option.
    const RadioImage& reset = images[data[0] % 4];
    const CsvImportOptions options{(data[0] & 4) != 0};
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    const CsvImportPlan plan = PlanCsvImport(bytes, reset, options);
    Check(plan.imported + plan.skipped == static_cast<int>(plan.rows.size()));
    for (const CsvRow& row : plan.rows) {
        if (row.slot < 0) {
            Check(!row.skipReason.Empty());
            continue;
        }
        Check(row.slot < MemoryCount);
        Check(!options.append || row.slot < OrdinaryMemoryCount);
        Check(row.record.size() <= RecordCapacity);
        Check(row.record.rfind(MemoryLabel(row.slot) + ",", 0) == 0);
    }
    (void)CsvImportReport(plan);

    RadioImage image = reset;
    ApplyCsvImport(plan, image);
    const CsvExport exported = WriteChannelsCsv(image);
    Check(exported.rows == plan.imported);
    (void)CsvExportReport(exported);

    const CsvImportPlan again = PlanCsvImport(exported.bytes, reset, {});
    Check(again.skipped == 0);
    Check(again.adjusted == 0);
    RadioImage second = reset;
    ApplyCsvImport(again, second);
    for (int slot = 0; slot < MemoryCount; ++slot)
        Check(second.GetMemoryRecord(slot) == image.GetMemoryRecord(slot));

    const CsvExport eightBit = WriteChannelsCsv(image, CsvEncoding::EightBit);
    Check(eightBit.rows == plan.imported);
    const CsvImportPlan third = PlanCsvImport(eightBit.bytes, reset, {});
    Check(third.skipped == 0);
    Check(third.imported == plan.imported);
    (void)CsvImportReport(third);
    return 0;
}
