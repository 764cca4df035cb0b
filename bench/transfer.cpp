// Full read and full write of a fully loaded radio (432 channels with names
// and split frequencies, every DTMF memory, every menu setting) through the
// transfer runner and the serial component, against tslq-sim on a
// pseudo-terminal; and a write of one changed channel alone (Write >
// Changes), without and with the read-back that verifies it.
//
// With --wire-speed the radio paces both directions as a 9600 baud 8N1
// wire; the figure that matters is the ratio of the wall time to the
// wire-time bound (every command and reply byte at 10 bits at 9600 bit/s,
// plus the 50 ms start delay): what the program itself adds. Unpaced, the
// time per command is the program's and the line's own cost.
//
// The simulator is found through TSLQ_SIM, else beside this program's build
// folder (../src/tslq-sim).
#include "files/DataFile.h"
#include "link/ImageDiff.h"
#include "link/RadioPort.h"
#include "link/ReadTransfer.h"
#include "link/TransferRunner.h"
#include "link/WriteTransfer.h"
#include "model/Profile.h"
#include "model/RadioImage.h"
#include "model/Records.h"
#include "sim/VirtualRadio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr const char* TypeCode = "KK,0F";
constexpr const char* Model = "ZT-Q2";
constexpr double StartDelaySeconds = 0.050;

RadioImage VersionImage()
{
    RadioImage image;
    image.SetTypeCode(TypeCode);
    image.SetModel(Model);
    for (int band = 0; band < BandLimitCount; ++band)
        image.SetBandLimit(band, DefaultBandLimit(band, image.MarketLetter(), image.RegionLetter(), Model));
    image.LoadDefaultVfoAndCall();
    image.LoadInformationChannels();
    image.LoadDefaultMenu();
    return image;
}

// Every slot used, each with a transmit frequency and a name, so that each
// costs the most commands a slot can; every DTMF memory with a name and a
// code of the full 16 characters.
RadioImage FullyLoadedImage()
{
    RadioImage image = VersionImage();
    for (int slot = 0; slot < MemoryCount; ++slot) {
        char record[128];
        const long long rx = 144000000LL + (slot % 160) * 25000LL;
        std::snprintf(record, sizeof record,
                      "%s,%011lld,5,1,0,1,0,0,12,08,007,000600000,0,0,%011lld,5,,CH%03d",
                      MemoryLabel(slot).c_str(), rx, rx + 600000LL, slot % 1000);
        image.SetMemoryRecord(slot, record);
    }
    for (int memory = 0; memory < DtmfCount; ++memory)
        image.SetDtmfRecord(memory, "0" + std::to_string(memory) + ",1234*#ABCD56789" +
                                        std::to_string(memory) + ",DTMF" + std::to_string(memory));
    return image;
}

// The radio as tslq-sim builds it from a data file.
RadioImage AsLoadedFrom(const std::string& file)
{
    RadioImage image = VersionImage();
    ResetImage(image, ImageReset::ForLoad);
    std::string comment;
    ReadDataFile(file, image, comment);
    return image;
}

struct WireCount
{
    long commands = 0;
    long bytes = 0;
    int transfers = 1; // each waits the start delay once
    double BoundSeconds() const
    {
        return static_cast<double>(bytes) * 10.0 / 9600.0 + StartDelaySeconds * transfers;
    }
    WireCount& operator+=(const WireCount& other)
    {
        commands += other.commands;
        bytes += other.bytes;
        transfers += other.transfers;
        return *this;
    }
};

// The same transfer in-process, counting every byte either way.
template <class Machine> WireCount CountBytes(Machine& machine, VirtualRadio& radio)
{
    WireCount count;
    TransferAction action = machine.Start();
    while (action.kind == TransferAction::Kind::Send) {
        ++count.commands;
        count.bytes += static_cast<long>(action.command.size()) + 1;
        const std::optional<std::string> reply = radio.Respond(action.command);
        if (!reply) break;
        count.bytes += static_cast<long>(reply->size());
        action = machine.OnReply(*reply);
    }
    return count;
}

std::string SimulatorPath()
{
    const QByteArray env = qgetenv("TSLQ_SIM");
    if (!env.isEmpty()) return env.toStdString();
    return (QCoreApplication::applicationDirPath() + "/../src/tslq-sim").toStdString();
}

// tslq-sim as a child process for one benchmark.
class Simulator
{
  public:
    explicit Simulator(const QStringList& arguments)
    {
        process_.setProgram(QString::fromStdString(SimulatorPath()));
        process_.setArguments(arguments);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
            device_ = QString::fromLocal8Bit(process_.readLine()).trimmed().toStdString();
    }
    ~Simulator()
    {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
    }
    const std::string& Device() const { return device_; }

  private:
    QProcess process_;
    std::string device_;
};

// One transfer through the runner; the wall time from the start to the end.
struct Timed
{
    TransferOutcome outcome = TransferOutcome::Running;
    double seconds = 0;
    int commands = 0;
};

// With `only`, a write of those slots, or a read-back of them.
Timed RunTransfer(const std::string& device, RadioImage& image, bool read, const SlotSet* only = nullptr,
                  SlotSet* sent = nullptr)
{
    RadioPort comm;
    comm.SetDeviceName(device);
    ConfigureTransferPort(comm);
    TransferRunner runner(comm);
    QEventLoop loop;
    QObject::connect(&runner, &TransferRunner::Finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    if (read && only)
        runner.StartReadBack(image, *only);
    else if (read)
        runner.StartRead(image, LinkScope::All);
    else if (only)
        runner.StartWrite(image, *only);
    else
        runner.StartWrite(image, LinkScope::All);
    if (runner.Running()) loop.exec();
    Timed timed;
    timed.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    timed.outcome = runner.Outcome();
    timed.commands = runner.CommandsSent();
    if (sent) *sent = runner.SentSlots();
    return timed;
}

// The loaded image with channel 005 moved up by 20 kHz.
RadioImage OneChannelEdited(const RadioImage& image)
{
    RadioImage edited = image;
    std::string record = edited.GetMemoryRecord(5);
    record.replace(4, 11, "00144145000");
    edited.SetMemoryRecord(5, record);
    return edited;
}

struct Fixture
{
    QTemporaryDir dir;
    RadioImage full = FullyLoadedImage();
    RadioImage edited = OneChannelEdited(full);
    std::string fullFile;
    QString fullPath;

    Fixture()
    {
        fullFile = WriteDataFile(full, "bench");
        fullPath = dir.filePath("full.qx");
        QFile out(fullPath);
        out.open(QIODevice::WriteOnly);
        out.write(fullFile.data(), static_cast<qint64>(fullFile.size()));
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

void Report(benchmark::State& state, const Timed& timed, const WireCount& count, bool paced)
{
    if (timed.outcome != TransferOutcome::Completed) {
        state.SkipWithError("the transfer did not complete");
        return;
    }
    state.SetIterationTime(timed.seconds);
    state.counters["commands"] = static_cast<double>(timed.commands);
    state.counters["wall_s"] = timed.seconds;
    if (paced) {
        state.counters["bytes"] = static_cast<double>(count.bytes);
        state.counters["bound_s"] = count.BoundSeconds();
        state.counters["ratio"] = timed.seconds / count.BoundSeconds();
    } else {
        state.counters["us_per_command"] = (timed.seconds - StartDelaySeconds) * 1e6 / timed.commands;
    }
}

void BM_FullRead(benchmark::State& state)
{
    const bool paced = state.range(0) != 0;
    Fixture& f = TheFixture();
    VirtualRadio dry(AsLoadedFrom(f.fullFile));
    RadioImage countImage = VersionImage();
    ReadTransfer countMachine(countImage, LinkScope::All);
    const WireCount count = CountBytes(countMachine, dry);
    for (auto _ : state) {
        QStringList args{"--load", f.fullPath};
        if (paced) args << "--wire-speed";
        Simulator sim(args);
        if (sim.Device().empty()) {
            state.SkipWithError("tslq-sim did not start (set TSLQ_SIM)");
            return;
        }
        RadioImage image = VersionImage();
        Report(state, RunTransfer(sim.Device(), image, true), count, paced);
    }
}

void BM_FullWrite(benchmark::State& state)
{
    const bool paced = state.range(0) != 0;
    Fixture& f = TheFixture();
    VirtualRadio dry(TypeCode, Model);
    WriteTransfer countMachine(f.full, LinkScope::All);
    const WireCount count = CountBytes(countMachine, dry);
    for (auto _ : state) {
        QStringList args{"--empty"};
        if (paced) args << "--wire-speed";
        Simulator sim(args);
        if (sim.Device().empty()) {
            state.SkipWithError("tslq-sim did not start (set TSLQ_SIM)");
            return;
        }
        Report(state, RunTransfer(sim.Device(), f.full, false), count, paced);
    }
}

// Write > Changes of one edited channel to a radio that holds the loaded
// image; with range(1), the read-back of what was written as well.
void BM_ChangesWrite(benchmark::State& state)
{
    const bool paced = state.range(0) != 0;
    const bool verify = state.range(1) != 0;
    Fixture& f = TheFixture();
    const SlotSet changes = DifferingSlots(f.full, f.edited);
    if (changes.Count() != 1) {
        state.SkipWithError("the edit changes other than one slot");
        return;
    }
    VirtualRadio dry(AsLoadedFrom(f.fullFile));
    WriteTransfer countWrite(f.edited, changes);
    WireCount count = CountBytes(countWrite, dry);
    if (verify) {
        RadioImage readBack = f.edited;
        ReadTransfer countRead(readBack, changes);
        count += CountBytes(countRead, dry);
    }
    for (auto _ : state) {
        QStringList args{"--load", f.fullPath};
        if (paced) args << "--wire-speed";
        Simulator sim(args);
        if (sim.Device().empty()) {
            state.SkipWithError("tslq-sim did not start (set TSLQ_SIM)");
            return;
        }
        SlotSet sent;
        Timed timed = RunTransfer(sim.Device(), f.edited, false, &changes, &sent);
        if (verify && timed.outcome == TransferOutcome::Completed) {
            RadioImage readBack = f.edited;
            const Timed back = RunTransfer(sim.Device(), readBack, true, &sent);
            timed.outcome = back.outcome;
            timed.seconds += back.seconds;
            timed.commands += back.commands;
            if (!DescribeDifferences(readBack, f.edited, sent).Empty()) {
                state.SkipWithError("the read-back found a difference");
                return;
            }
        }
        Report(state, timed, count, paced);
    }
}

} // namespace

// Argument: 1 paced at wire speed, 0 unpaced.
BENCHMARK(BM_FullRead)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_FullWrite)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_ChangesWrite)
    ->Args({1, 0})
    ->Args({1, 1})
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRead)->Arg(0)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullWrite)->Arg(0)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
