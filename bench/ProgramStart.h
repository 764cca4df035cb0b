// Starting the tslq program for the start-up benchmarks: where it is (beside
// the benchmarks as ../src/tslq, or TSLQ_EXE), a scratch profile so that no
// first-start dialog appears, private data and cache folders so that no
// recovery question or backup of another run stops a start, and one timed
// start that quits as soon as the main window is shown.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

inline QString ProgramPath()
{
    const QString fromEnvironment = qEnvironmentVariable("TSLQ_EXE");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../src/tslq"));
}

// The environment of a start in `scratch`; nullopt when its profile cannot
// be written.
inline std::optional<QProcessEnvironment> ScratchStartEnvironment(const QTemporaryDir& scratch)
{
    QDir(scratch.path()).mkpath(QStringLiteral("VANTREL"));
    QFile profile(scratch.filePath(QStringLiteral("VANTREL/TSL-QX.conf")));
    if (!profile.open(QIODevice::WriteOnly)) return std::nullopt;
    profile.write("[General]\nType=\"KK,0F\"\nModel=ZT-Q2\nCommPort=COM1\n");
    profile.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), scratch.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), scratch.filePath(QStringLiteral("cache")));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// Milliseconds from starting tslq with `arguments` (besides --no-splash and
// --exit-when-shown) to its end; nullopt when it did not start and quit.
inline std::optional<double> TimedStart(const QProcessEnvironment& environment,
                                        const QStringList& arguments = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(ProgramPath(),
                  QStringList{QStringLiteral("--no-splash"), QStringLiteral("--exit-when-shown")} +
                      arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0) return std::nullopt;
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}
