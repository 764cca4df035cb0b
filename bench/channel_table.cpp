// The Channels page on a full image in a shown window: the filter as one
// types (per keystroke, with the view redrawn), Set Field for Selection on
// 400 channels and its undo, and the table's update after one edit.
#include "channels/ChannelFilter.h"
#include "channels/ChannelsPage.h"
#include "mainwin/MainWindow.h"
#include "model/Profile.h"
#include "model/Records.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QUndoStack>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct Fixture
{
    MemoryConfigStore store;
    std::unique_ptr<MainWindow> form;

    Fixture()
    {
        store.Write("Type", "KK,0F");
        store.Write("Model", "ZT-Q2");
        MainWindow::Options options;
        options.store = &store;
        options.showSplash = false;
        form = std::make_unique<MainWindow>(options);
        RadioImage image = form->Image();
        for (int index = 0; index < OrdinaryMemoryCount; ++index) {
            char record[100];
            std::snprintf(record, sizeof record, "%s,%011d,5,1,0,1,0,0,08,12,000,000600000,0,0,,,,RPT%04d",
                          MemoryLabel(index).c_str(), 144000000 + index * 12500, index);
            image.SetMemoryRecord(index, record);
        }
        form->Doc().Replace(image, QStringLiteral("Untitled"), QString());
        form->pages_->setCurrentWidget(form->channelsPage_);
        form->resize(900, 700);
        form->show();
        QApplication::processEvents();
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

double Seconds(Clock::time_point begin)
{
    return std::chrono::duration<double>(Clock::now() - begin).count();
}

// One keystroke at a time: "R", "RP", "RPT", "RPT0", "RPT01", a range, and
// clearing the box; each keystroke filters all 432 rows and redraws the view.
void BM_FilterKeystroke(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    QLineEdit* box = fixture.form->channelsPage_->FilterBox();
    const QString typed[] = {"R", "RP", "RPT", "RPT0", "RPT01",   "RPT0", "",
                             "1", "14", "144", "144-", "144-145", ""};
    std::size_t next = 0;
    for (auto _ : state) {
        const auto begin = Clock::now();
        box->setText(typed[next]);
        QApplication::processEvents();
        state.SetIterationTime(Seconds(begin));
        next = (next + 1) % std::size(typed);
    }
}
BENCHMARK(BM_FilterKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);

// Set Field for Selection on channels 000-399 (range 0), or the undo of it
// (range 1); the view redraws in both.
void BM_SetFieldOn400(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    ChannelsPage& page = *fixture.form->channelsPage_;
    page.FilterBox()->clear();
    page.SelectSlots(0, OrdinaryMemoryCount - 1);
    QUndoStack& stack = fixture.form->Doc().UndoStack();
    const bool timeUndo = state.range(0) == 1;
    int tone = 0;
    for (auto _ : state) {
        const SetFieldChoice choice{
            QStringLiteral("Tone"),
            {{ChannelColumn::ToneMode, "CTCSS"}, {ChannelColumn::Tone, tone ? "100.0Hz" : "88.5Hz"}}};
        tone ^= 1;
        auto begin = Clock::now();
        page.ApplySetField(choice);
        QApplication::processEvents();
        double seconds = Seconds(begin);
        if (timeUndo) {
            begin = Clock::now();
            stack.undo();
            QApplication::processEvents();
            seconds = Seconds(begin);
            stack.redo();
        }
        state.SetIterationTime(seconds);
    }
    state.SetLabel(timeUndo ? "undo" : "set field");
}
BENCHMARK(BM_SetFieldOn400)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// One channel stored (as an editor's OK or a cell edit): the document's step
// and the table's (and the memory grid's) update of that row, drawn.
void BM_TableUpdateAfterOneEdit(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    Document& document = fixture.form->Doc();
    const std::string records[] = {"012,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,ONE",
                                   "012,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,TWO"};
    int variant = 0;
    QApplication::processEvents();
    for (auto _ : state) {
        const auto begin = Clock::now();
        document.StoreRecord(SlotKind::Memory, 12, records[variant]);
        QApplication::processEvents();
        state.SetIterationTime(Seconds(begin));
        variant ^= 1;
    }
}
BENCHMARK(BM_TableUpdateAfterOneEdit)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A message would wait for a click: none is expected, none may block.
    SetMessagePresenter([](MessageKind, const QString& text) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return MessageButton::Ok;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TheFixture().form->Doc().SetDataChanged(false);
    TheFixture().form.reset();
    return 0;
}
