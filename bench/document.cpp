// Cost of the document's undo history: undoing and redoing a sort of a full
// image and a channel list import of 400 rows, and the memory that 1,000
// single-channel steps hold. The memory is the growth of the heap in use
// (glibc mallinfo2().uordblks) while the steps are pushed, the steps' own
// QUndoCommand parts included; the edits replace records of the same length,
// so the image itself does not grow.
#include "document/Document.h"

#include "files/Csv.h"
#include "sim/SampleLoad.h"

#include <QUndoStack>
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>

namespace {

std::string Channel(int slot, long long hz, int name)
{
    char record[96];
    std::snprintf(record, sizeof record, "%s,%011lld,0,1,0,1,0,0,08,12,000,000600000,0,%d,,,,N%05d",
                  MemoryLabel(slot).c_str(), hz, slot % 2, name);
    return record;
}

// A K radio's sample load with channels 0..399 all filled, in no order of
// frequency or name, so that a sort moves and renumbers every one.
RadioImage FullUnsortedImage()
{
    RadioImage image = SampleRadioImage("KK,0F", "ZT-Q2");
    std::mt19937 random(432);
    std::uniform_int_distribution<int> channel(0, 799);
    for (int slot = 0; slot < OrdinaryMemoryCount; ++slot)
        image.SetMemoryRecord(slot, Channel(slot, 144000000LL + 5000LL * channel(random), channel(random)));
    return image;
}

std::string CsvList(int rows)
{
    std::string list = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,TStep\r\n";
    for (int row = 0; row < rows; ++row) {
        char line[96];
        std::snprintf(line, sizeof line, "%d,LIST%d,%.6f,+,0.600000,Tone,88.5,FM,5.00\r\n", row, row,
                      146.0 + 0.005 * (rows - row));
        list += line;
    }
    return list;
}

// Times the undo (range 0) or the redo (range 1) of the document's one step.
void TimeUndoOrRedo(benchmark::State& state, Document& document)
{
    QUndoStack& stack = document.UndoStack();
    const bool timeRedo = state.range(0) == 1;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        timeRedo ? stack.redo() : stack.undo();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        timeRedo ? stack.undo() : stack.redo();
    }
    state.SetLabel(timeRedo ? "redo" : "undo");
}

void BM_UndoRedoSortOfFullImage(benchmark::State& state)
{
    Document document;
    document.Replace(FullUnsortedImage(), QStringLiteral("full.qx"), {});
    document.Sort(SortOrder::Frequency);
    if (state.range(0) == 1) document.UndoStack().undo();
    TimeUndoOrRedo(state, document);
}
BENCHMARK(BM_UndoRedoSortOfFullImage)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_UndoRedoCsvImportOf400Rows(benchmark::State& state)
{
    Document document;
    document.Replace(FullUnsortedImage(), QStringLiteral("full.qx"), {});
    const CsvImportPlan plan = PlanCsvImport(CsvList(400), document.Image(), {});
    if (document.ImportCsv(plan) != 400) {
        state.SkipWithError("the list did not import 400 rows");
        return;
    }
    if (state.range(0) == 1) document.UndoStack().undo();
    TimeUndoOrRedo(state, document);
}
BENCHMARK(BM_UndoRedoCsvImportOf400Rows)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_MemoryOf1000ChannelSteps(benchmark::State& state)
{
    for (auto _ : state) {
        Document document;
        document.Replace(FullUnsortedImage(), QStringLiteral("full.qx"), {});
        std::vector<std::string> records;
        for (int step = 0; step < 1000; ++step)
            records.push_back(Channel(step % OrdinaryMemoryCount, 145000000LL + 5000LL * step, step));
        const std::size_t before = mallinfo2().uordblks;
        for (int step = 0; step < 1000; ++step)
            document.StoreRecord(SlotKind::Memory, step % OrdinaryMemoryCount,
                                 records[static_cast<std::size_t>(step)]);
        const std::size_t after = mallinfo2().uordblks;
        state.counters["bytes"] = static_cast<double>(after - before);
        state.counters["bytes_per_step"] = static_cast<double>(after - before) / 1000.0;
        benchmark::DoNotOptimize(document.UndoStack().count());
    }
}
BENCHMARK(BM_MemoryOf1000ChannelSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
