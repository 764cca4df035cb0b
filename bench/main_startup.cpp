// Time from starting the tslq program to its main window being shown, with
// the splash skipped (--no-splash) and the program quitting as soon as the
// window is up (--exit-when-shown). The program runs on a profile of its own
// in a scratch configuration folder, so no first-start dialog appears.
//
// The program is looked up as ../src/tslq from this benchmark, or in TSLQ_EXE.
#include "ProgramStart.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

void BM_StartToMainWindowShown(benchmark::State& state)
{
    const QTemporaryDir scratch;
    const std::optional<QProcessEnvironment> environment = ScratchStartEnvironment(scratch);
    if (!environment) {
        state.SkipWithError("cannot write the scratch profile");
        return;
    }
    for (auto _ : state) {
        const std::optional<double> milliseconds = TimedStart(*environment);
        if (!milliseconds) {
            state.SkipWithError("tslq did not start and quit");
            return;
        }
        state.SetIterationTime(*milliseconds / 1e3);
    }
}
BENCHMARK(BM_StartToMainWindowShown)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
