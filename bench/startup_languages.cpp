// Start-up time of tslq in English against German and Japanese (--lang: the
// program's translation and Qt's own loaded), from starting the program to
// its main window being shown (--no-splash --exit-when-shown), each under
// its own locale. The three languages take turns in every iteration, so
// that a busy machine slows them alike; the counters are the median times
// and the extra time of each translation against English (the target is
// under 10 %).
//
// The program is looked up as ../src/tslq from this benchmark, or in TSLQ_EXE.
#include "ProgramStart.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

void BM_StartUpByLanguage(benchmark::State& state)
{
    const QTemporaryDir scratch;
    const std::optional<QProcessEnvironment> environment = ScratchStartEnvironment(scratch);
    if (!environment) {
        state.SkipWithError("cannot write the scratch profile");
        return;
    }
    const std::array<const char*, 3> languages = {"en", "de", "ja"};
    // Each language on a desktop of its own locale, as its speakers run it:
    // the fonts a locale prefers decide how fast Japanese text finds its
    // glyphs (under the C locale the font fallback search adds some 10 ms).
    const std::array<const char*, 3> locales = {"C.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8"};
    std::array<std::vector<double>, 3> milliseconds;
    for (auto _ : state) {
        double total = 0;
        for (std::size_t i = 0; i < languages.size(); ++i) {
            QProcessEnvironment spoken = *environment;
            spoken.insert(QStringLiteral("LANG"), QLatin1String(locales[i]));
            spoken.insert(QStringLiteral("LC_ALL"), QLatin1String(locales[i]));
            const std::optional<double> started =
                TimedStart(spoken, {QStringLiteral("--lang=") + QLatin1String(languages[i])});
            if (!started) {
                state.SkipWithError("tslq did not start and quit");
                return;
            }
            const double elapsed = *started;
            milliseconds[i].push_back(elapsed);
            total += elapsed;
        }
        state.SetIterationTime(total / 1e3);
    }
    const double english = Median(milliseconds[0]);
    for (std::size_t i = 0; i < languages.size(); ++i) {
        const double median = Median(milliseconds[i]);
        state.counters[std::string(languages[i]) + "_ms"] = median;
        if (i > 0)
            state.counters[std::string(languages[i]) + "_vs_en_%"] = 100.0 * (median - english) / english;
    }
}
BENCHMARK(BM_StartUpByLanguage)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
