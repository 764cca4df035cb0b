// Start-up time of tslq in English against German and Japanese (--lang: the
// program's translation and Qt's own loaded), from starting the program to
// its main window being shown (--no-splash --exit-when-shown). The three
// languages take turns in every iteration, so that a busy machine slows
// them alike; the counters are the median times and the extra time of
// each translation against English (the target is under 10 %).
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
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString program = ProgramPath();
    const std::array<const char*, 3> languages = {"en", "de", "ja"};
    std::array<std::vector<double>, 3> milliseconds;
    for (auto _ : state) {
        double total = 0;
        for (std::size_t i = 0; i < languages.size(); ++i) {
            QProcess process;
            process.setProcessEnvironment(environment);
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
