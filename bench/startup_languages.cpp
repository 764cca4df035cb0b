// Start-up time of tslq in English against German and Japanese (--lang: the
// program's translation and Qt's own loaded), from starting the program to
// its main window being shown (--no-splash --exit-when-shown), each under
// its own locale. The three languages take turns in every iteration, so
// that a busy machine slows them alike; the counters are the median times
// and the extra time of each translation against English (the target is
// under 10 %).
//
// The program is looked up as ../src/tslq from this benchmark, or in TSLQ_EXE.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

QString ProgramPath()
{
    const QString fromEnvironment = qEnvironmentVariable("TSLQ_EXE");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../src/tslq"));
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

void BM_StartUpByLanguage(benchmark::State& state)
{
    QTemporaryDir config;
    QDir(config.path()).mkpath(QStringLiteral("VANTREL"));
    QFile profile(config.filePath(QStringLiteral("VANTREL/TSL-QX.conf")));
    if (!profile.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the scratch profile");
        return;
    }
    profile.write("[General]\nType=\"KK,0F\"\nModel=ZT-Q2\nCommPort=COM1\n");
    profile.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // A private profile, and private data and cache folders: no recovery
    // question or backup of another run may stop a start.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), config.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), config.filePath(QStringLiteral("cache")));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString program = ProgramPath();
    const std::array<const char*, 3> languages = {"en", "de", "ja"};
    // Each language on a desktop of its own locale, as its speakers run it:
    // the fonts a locale prefers decide how fast Japanese text finds its
    // glyphs (under the C locale the font fallback search adds some 10 ms).
    const std::array<const char*, 3> locales = {"C.UTF-8", "de_DE.UTF-8", "ja_JP.UTF-8"};
    std::array<std::vector<double>, 3> milliseconds;
    for (auto _ : state) {
        double total = 0;
        for (std::size_t i = 0; i < languages.size(); ++i) {
            QProcess process;
            QProcessEnvironment spoken = environment;
            spoken.insert(QStringLiteral("LANG"), QLatin1String(locales[i]));
            spoken.insert(QStringLiteral("LC_ALL"), QLatin1String(locales[i]));
            process.setProcessEnvironment(spoken);
            process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QElapsedTimer clock;
            clock.start();
            process.start(program, {QStringLiteral("--no-splash"), QStringLiteral("--exit-when-shown"),
                                    QStringLiteral("--lang=") + QLatin1String(languages[i])});
            if (!process.waitForFinished(10000) || process.exitCode() != 0) {
                state.SkipWithError("tslq did not start and quit");
                return;
            }
            const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
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
