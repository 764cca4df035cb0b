// Load and save of a full data file, and the full listing of that image.
#include "files/DataFile.h"
#include "files/Listing.h"
#include "model/Profile.h"
#include "model/RadioImage.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

RadioImage FullImage()
{
    MemoryConfigStore store;
    store.Write("Type", "KK,0F");
    store.Write("Model", "ZT-Q5");
    RadioImage image;
    LoadProfile(store, image, "/", [] { return 0; });
    ResetImage(image, ImageReset::ForNew);
    for (int slot = 0; slot < MemoryCount; ++slot) {
        const std::string frequency = std::to_string(144000000 + slot * 12500);
        image.SetMemoryRecord(slot, MemoryLabel(slot) + ",00" + frequency +
                                        ",5,1,0,1,0,0,08,12,000,000600000,0,1,,,,NAME,123");
    }
    for (int slot = 0; slot < DtmfCount; ++slot)
        image.SetDtmfRecord(slot, "0" + std::to_string(slot) + ",0123456789ABCD*#,HOME,1");
    return image;
}

void BM_SaveFullFile(benchmark::State& state)
{
    const RadioImage image = FullImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteDataFile(image, "comment"));
}
BENCHMARK(BM_SaveFullFile)->Unit(benchmark::kMicrosecond);

void BM_LoadFullFile(benchmark::State& state)
{
    const RadioImage full = FullImage();
    const std::string file = WriteDataFile(full, "comment");
    RadioImage reset = full;
    ResetImage(reset, ImageReset::ForLoad);
    for (auto _ : state) {
        RadioImage image = reset;
        std::string comment;
        benchmark::DoNotOptimize(ReadDataFile(file, image, comment));
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_LoadFullFile)->Unit(benchmark::kMicrosecond);

void BM_FullListing(benchmark::State& state)
{
    const RadioImage image = FullImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildListing(image, "comment"));
}
BENCHMARK(BM_FullListing)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
