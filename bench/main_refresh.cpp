// RefreshAllViews of the main window on a full image: every memory channel,
// DTMF memory and VFO record filled, once with the image changing between
// refreshes (every cell rewritten) and once unchanged; and the undo and redo
// of a sort of all 400 channels with the window redrawing the rows the step
// names.
#include "mainwin/MainWindow.h"
#include "model/Profile.h"
#include "model/Records.h"

#include <QApplication>
#include <QUndoStack>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace {

struct Fixture
{
    MemoryConfigStore store;
    std::unique_ptr<MainWindow> form;
    RadioImage images[2];

    Fixture()
    {
        store.Write("Type", "KK,0F");
        store.Write("Model", "ZT-Q2");
        MainWindow::Options options;
        options.store = &store;
        options.showSplash = false;
        form = std::make_unique<MainWindow>(options);
        for (int variant = 0; variant < 2; ++variant) {
            RadioImage image = form->Image();
            for (int index = 0; index < MemoryCount; ++index) {
                char record[100];
                std::snprintf(record, sizeof record,
                              "%s,%011d,0,1,0,0,1,0,08,12,000,000600000,0,%d,,,,CH%05d",
                              MemoryLabel(index).c_str(), 144000000 + index * 12500 + variant * 5000,
                              index % 2, index + variant);
                image.SetMemoryRecord(index, record);
            }
            for (int index = 0; index < DtmfCount; ++index)
                image.SetDtmfRecord(index, "0" + std::to_string(index) + ",12345678*#ABCD" +
                                               std::to_string(variant) + ",NAME" + std::to_string(index));
            images[variant] = image;
        }
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

void BM_RefreshAllViewsChanging(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    int variant = 0;
    for (auto _ : state) {
        // A replaced image redraws every view.
        fixture.form->Doc().Replace(fixture.images[variant], QStringLiteral("Untitled"), QString());
        variant ^= 1;
    }
}
BENCHMARK(BM_RefreshAllViewsChanging)->Unit(benchmark::kMillisecond);

void BM_RefreshAllViewsUnchanged(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    fixture.form->Doc().Replace(fixture.images[0], QStringLiteral("Untitled"), QString());
    for (auto _ : state)
        fixture.form->RefreshAllViews();
}
BENCHMARK(BM_RefreshAllViewsUnchanged)->Unit(benchmark::kMillisecond);

// Undo (range 0) or redo (range 1) of a sort that moves every channel.
void BM_UndoRedoSortInTheWindow(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    RadioImage reversed = fixture.images[0];
    for (int index = 0; index < OrdinaryMemoryCount; ++index) {
        const std::string& record = fixture.images[0].GetMemoryRecord(OrdinaryMemoryCount - 1 - index);
        reversed.SetMemoryRecord(index, MemoryLabel(index) + record.substr(record.find(',')));
    }
    Document& document = fixture.form->Doc();
    document.Replace(reversed, QStringLiteral("Untitled"), QString());
    document.Sort(SortOrder::Frequency);
    QUndoStack& stack = document.UndoStack();
    const bool timeRedo = state.range(0) == 1;
    if (timeRedo) stack.undo();
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        timeRedo ? stack.redo() : stack.undo();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        timeRedo ? stack.undo() : stack.redo();
    }
    state.SetLabel(timeRedo ? "redo" : "undo");
}
BENCHMARK(BM_UndoRedoSortInTheWindow)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TheFixture().form.reset();
    return 0;
}
