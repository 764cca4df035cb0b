// What keeping unsaved changes and backups of reads costs: the recovery
// save (data file of a full image, written and synced through the safe
// writer), an edit with the recovery file watching (the hot path: only a
// timer is started), and the backup of a read with the folder at its 50.
#include "document/Document.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "files/FileIo.h"
#include "files/ReadBackups.h"
#include "files/RecoveryFile.h"
#include "model/Profile.h"
#include "model/RadioImage.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

RadioImage FullImage()
{
    MemoryConfigStore store;
    store.Write("Type", "KK,0F");
    store.Write("Model", "ZT-Q5");
    RadioImage image;
    LoadProfile(store, image, "/", [] { return 0; });
    ResetImage(image, ImageReset::ForNew);
    for (int slot = 0; slot < MemoryCount; ++slot) {
        const std::string frequency = std::to_string(144000000 + slot * 12500);
        image.SetMemoryRecord(slot, MemoryLabel(slot) + ",00" + frequency +
                                        ",5,1,0,1,0,0,08,12,000,000600000,0,1,,,,NAME,123");
    }
    return image;
}

void BM_RecoveryFileBytes(benchmark::State& state)
{
    Document document;
    document.Replace(FullImage(), "/data/club.qx", "comment", true);
    for (auto _ : state)
        benchmark::DoNotOptimize(RecoveryFile::Compose(document.FileName(), DataFileBytes(document)));
}
BENCHMARK(BM_RecoveryFileBytes)->Unit(benchmark::kMicrosecond);

void BM_RecoverySaveToDisk(benchmark::State& state)
{
    QTemporaryDir folder(QStringLiteral("tslq-bench-XXXXXX"));
    Document document;
    document.Replace(FullImage(), "/data/club.qx", "comment", true);
    const QString path = folder.filePath(QStringLiteral("1-1.recovery"));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            SaveFileBytes(path, RecoveryFile::Compose(document.FileName(), DataFileBytes(document))));
}
BENCHMARK(BM_RecoverySaveToDisk)->Unit(benchmark::kMicrosecond);

void BM_EditWatchedByRecovery(benchmark::State& state)
{
    QTemporaryDir folder(QStringLiteral("tslq-bench-XXXXXX"));
    Document document;
    document.Replace(FullImage(), "/data/club.qx", "comment", true);
    const bool watched = state.range(0) != 0;
    std::unique_ptr<RecoveryFile> recovery;
    if (watched)
        recovery = std::make_unique<RecoveryFile>(
            document, [&] { return DataFileBytes(document); }, folder.path());
    int n = 0;
    for (auto _ : state)
        document.StoreRecord(SlotKind::Memory, 5,
                             "005,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,E" +
                                 std::to_string(++n % 10));
}
BENCHMARK(BM_EditWatchedByRecovery)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_KeepReadBackup(benchmark::State& state)
{
    QTemporaryDir folder(QStringLiteral("tslq-bench-XXXXXX"));
    const ReadBackups backups(folder.path());
    const RadioImage image = FullImage();
    QDateTime when = QDateTime::currentDateTime();
    for (auto _ : state) {
        when = when.addSecs(1);
        benchmark::DoNotOptimize(backups.Keep(image, when));
    }
}
BENCHMARK(BM_KeepReadBackup)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
