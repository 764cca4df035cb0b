// Backups of reads: one per completed read, the newest 50 of a version kept,
// listed newest first and opened as "Untitled"; a backup that cannot be
// written is reported and the read stands.
#include "support/FullDisk.h"
#include "support/TestSupport.h"

#include "files/BackupDialog.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "files/ReadBackups.h"
#include "link/CompareDialog.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "sim/SimServer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

using tslq::test::FullDisk;
using tslq::test::MessageRecorder;
using tslq::test::ReadBytes;
using tslq::test::StoreFor;

namespace {

const QString Version = QStringLiteral("ZT-Q2 KK,0F");

RadioImage Radio()
{
    RadioImage image;
    image.SetTypeCode("KK,0F");
    image.SetModel("ZT-Q2");
    image.LoadDefaultVfoAndCall();
    image.LoadDefaultMenu();
    return image;
}

QDateTime At(int minute)
{
    return QDateTime(QDate(2026, 12, 9), QTime(13, 0)).addSecs(60 * minute);
}

struct SimulationGuard
{
    ~SimulationGuard() { StopSimulatedRadio(); }
};

// A window keeping its backups in `dataFolder`, with a simulated radio
// behind its port.
std::unique_ptr<MainWindow> WindowWithRadio(ConfigStore& store, const QString& dataFolder)
{
    MainWindowOptions options;
    options.store = &store;
    options.showSplash = false;
    options.workingDirectory = QDir::tempPath();
    options.dataFolder = dataFolder;
    auto form = std::make_unique<MainWindow>(options);
    EXPECT_TRUE(form->StartSimulation(QString()));
    return form;
}

} // namespace

TEST(ReadBackups, TheNewestFiftyOfAVersionStay)
{
    QTemporaryDir folder;
    const ReadBackups backups(folder.path());
    RadioImage radio = Radio();
    // Something of the operator's own in the folder is never removed.
    ASSERT_TRUE(QDir(folder.path()).mkpath(Version));
    ASSERT_TRUE(tslq::test::WriteBytes((folder.filePath(Version) + "/notes.qx").toStdString(), "mine"));
    std::vector<QString> written;
    for (int i = 0; i <= ReadBackups::KeptPerVersion; ++i) {
        radio.SetMemoryRecord(0,
                              "000,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,R" + std::to_string(i));
        QString reason;
        const std::optional<QString> path = backups.Keep(radio, At(i), &reason);
        ASSERT_TRUE(path) << reason.toStdString();
        EXPECT_EQ(ReadBytes(path->toStdString()), WriteDataFile(radio, ""));
        written.push_back(*path);
    }
    // Another version keeps its own count.
    RadioImage other = Radio();
    other.SetTypeCode("JJ,01");
    other.SetModel("ZT-Q3");
    ASSERT_TRUE(backups.Keep(other, At(0)));

    const std::vector<ReadBackup> list = backups.List();
    ASSERT_EQ(list.size(), static_cast<std::size_t>(ReadBackups::KeptPerVersion + 1));
    EXPECT_FALSE(QFile::exists(written.front())) << "the 51st read removes the oldest";
    EXPECT_TRUE(QFile::exists(written[1]));
    EXPECT_TRUE(QFile::exists(folder.filePath(Version) + "/notes.qx"));
    EXPECT_EQ(list.front().path, written.back());
    EXPECT_EQ(list.front().when, At(ReadBackups::KeptPerVersion));
    EXPECT_EQ(list.front().version, Version);
    EXPECT_EQ(list.back().version, "ZT-Q3 JJ,01");
    EXPECT_EQ(list[list.size() - 2].path, written[1]);

    // Two reads within the same millisecond keep both.
    const std::optional<QString> again = backups.Keep(radio, At(ReadBackups::KeptPerVersion));
    ASSERT_TRUE(again);
    EXPECT_NE(*again, written.back());
}

TEST(ReadBackups, VersionFolderNames)
{
    const struct
    {
        const char* model;
        const char* type;
        const char* folder;
    } cases[] = {
        {"ZT-Q2", "KK,0F", "ZT-Q2 KK,0F"},    {"ZT-Q5", "MM,0A", "ZT-Q5 MM,0A"},
        {"ZT/Q3", "..\\J:", "ZT_Q3 .._J_"},   {"", "", "unknown version"},
        {"ZT-Q3", "E\x01\xE9.", "ZT-Q3 E__"},
    };
    for (const auto& test : cases) {
        RadioImage image;
        image.SetModel(test.model);
        image.SetTypeCode(test.type);
        EXPECT_EQ(ReadBackups::VersionFolderName(image).toStdString(), test.folder) << test.type;
    }
}

TEST(ReadBackups, AReadKeepsOneBackupThatOpensAsUntitled)
{
    SimulationGuard guard;
    QTemporaryDir folder;
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = WindowWithRadio(*store, folder.path());
    MessageRecorder messages;
    form->readAllAction_->trigger();
    ASSERT_EQ(messages.Count(), 0) << messages.LastText().toStdString();
    const std::string read = DataFileBytes(form->Doc());

    const std::vector<ReadBackup> list = form->Backups().List();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].version, Version);
    EXPECT_TRUE(list[0].path.startsWith(folder.path() + "/Backups/" + Version + "/"));
    EXPECT_LE(list[0].when.secsTo(QDateTime::currentDateTime()), 60);
    // What the radio holds; the window's comment is not the radio's.
    EXPECT_EQ(ReadBytes(list[0].path.toStdString()), WriteDataFile(form->Image(), ""));

    // Opened later over other data, it loads as the read did: "Untitled".
    form->Files().NewFile(); // the read is unsaved: Cancel keeps it
    ASSERT_EQ(DataFileBytes(form->Doc()), read);
    form->SetDataChanged(false);
    form->Files().NewFile();
    std::vector<ReadBackup> offered;
    const BackupChooser previous = SetBackupChooser([&](const std::vector<ReadBackup>& backups) {
        offered = backups;
        return std::optional<QString>(backups.front().path);
    });
    form->openBackupAction_->trigger();
    SetBackupChooser(previous);
    EXPECT_EQ(offered.size(), 1u);
    EXPECT_EQ(DataFileBytes(form->Doc()), read);
    EXPECT_EQ(form->FileName(), "Untitled");
    EXPECT_EQ(form->windowTitle(), "TSL-Q2/Q3 [Untitled]");
    EXPECT_FALSE(form->DataChanged());
}

TEST(ReadBackups, AFullDiskFailsTheBackupNotTheRead)
{
    FullDisk disk;
    if (!disk.Unusable().isEmpty()) GTEST_SKIP() << disk.Unusable().toStdString();
    SimulationGuard guard;
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = WindowWithRadio(*store, disk.Folder());
    // A first backup, made while there is room, stays as it was.
    const std::optional<QString> earlier = form->Backups().Keep(Radio(), At(0));
    ASSERT_TRUE(earlier);
    const std::string earlierBytes = ReadBytes(earlier->toStdString());

    ASSERT_TRUE(disk.Fill()) << disk.Kind().toStdString();
    MessageRecorder messages;
    form->readAllAction_->trigger();
    disk.Release();

    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.LastText().toStdString(),
              "The data read from the radio could not be kept as a backup.\n" + disk.Reason().toStdString());
    // The read itself stands.
    EXPECT_EQ(form->windowTitle(), "TSL-Q2/Q3 [Radio]");
    EXPECT_TRUE(form->DataChanged());
    EXPECT_NE(form->Image().GetMemoryRecord(0), "");
    const std::vector<ReadBackup> list = form->Backups().List();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].path, *earlier);
    EXPECT_EQ(ReadBytes(earlier->toStdString()), earlierBytes);
    EXPECT_EQ(QDir(disk.Folder() + "/Backups/" + Version).entryList(QDir::Files),
              QStringList{QFileInfo(*earlier).fileName()});
    form->SetDataChanged(false);
}

// A backup made by Compare with Radio says so in Open Backup...; backups
// made before the kinds were told apart are still listed, as reads.
TEST(ReadBackups, ACompareIsMarkedAndOlderBackupsStayListed)
{
    SimulationGuard guard;
    QTemporaryDir folder;
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = WindowWithRadio(*store, folder.path());
    const QString versionFolder = folder.path() + "/Backups/" + Version;
    ASSERT_TRUE(QDir().mkpath(versionFolder));
    const QString older = versionFolder + "/2026-01-02_03-04-05-006.qx";
    ASSERT_TRUE(tslq::test::WriteBytes(older.toStdString(), WriteDataFile(Radio(), "")));

    MessageRecorder messages;
    const ComparePresenter previous =
        SetComparePresenter([](CompareDialog&) { return CompareDialog::Choice::Close; });
    form->compareAction_->trigger();
    SetComparePresenter(previous);
    form->readAllAction_->trigger();
    ASSERT_EQ(messages.Count(), 0) << messages.LastText().toStdString();

    const std::vector<ReadBackup> list = form->Backups().List();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].kind, BackupKind::Read);
    EXPECT_EQ(list[1].kind, BackupKind::Compare);
    EXPECT_TRUE(list[1].path.endsWith("_compare.qx")) << list[1].path.toStdString();
    EXPECT_EQ(list[2].path, older);
    EXPECT_EQ(list[2].kind, BackupKind::Read);
    EXPECT_EQ(list[2].when, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6)));

    const BackupDialog dialog(list);
    ASSERT_EQ(dialog.List()->columnCount(), 3);
    EXPECT_EQ(dialog.List()->headerItem()->text(2), "Made by");
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(2), "Read");
    EXPECT_EQ(dialog.List()->topLevelItem(1)->text(2), "Compare with Radio");
    EXPECT_EQ(dialog.List()->topLevelItem(2)->text(2), "Read");
}
