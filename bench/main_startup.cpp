// Time from starting the tslq program to its main window being shown, with
// the splash skipped (--no-splash) and the program quitting as soon as the
// window is up (--exit-when-shown). The program runs on a profile of its own
// in a scratch configuration folder, so no first-start dialog appears.
//
// The program is looked up as ../src/tslq from this benchmark, or in TSLQ_EXE.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QString ProgramPath()
{
    const QString fromEnvironment = qEnvironmentVariable("TSLQ_EXE");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../src/tslq"));
}

void BM_StartToMainWindowShown(benchmark::State& state)
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
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        process.start(program, {QStringLiteral("--no-splash"), QStringLiteral("--exit-when-shown")});
        if (!process.waitForFinished(10000) || process.exitCode() != 0) {
            state.SkipWithError("tslq did not start and quit");
            return;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
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
