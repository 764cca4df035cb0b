// Crash recovery: unsaved changes are kept in a recovery file of the running
// program, at most once every two seconds; a program killed after edits has
// them offered and restored byte for byte at its next start; a clean exit, a
// save or undoing back to the saved state leaves no recovery file; a file
// whose program still runs is never offered.
//
// The killed and the restarted program are this test program run again as a
// child, on one profile file and one data folder (XDG_DATA_HOME) of the test.
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "support/TestSupport.h"

#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "files/FileIo.h"
#include "files/RecoveryFile.h"
#include "model/SettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>

using tslq::test::MessageRecorder;

namespace {

const char* const RoleVariable = "TSLQ_RECOVERY_ROLE";
const char* const FolderVariable = "TSLQ_RECOVERY_DIR";
const std::string Channel = "005,00145500000,0,2,0,1,0,0,08,08,000,000600000,0,1,,,,CLUB";
const std::string Dtmf = "03,123A,HOME";

bool WaitFor(const std::function<bool()>& condition, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds) return false;
        QTest::qWait(10);
    }
    return true;
}

void Signal(const QString& folder, const QString& name, const QByteArray& content)
{
    QFile file(folder + "/" + name + ".tmp");
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content);
        file.close();
        QFile::rename(file.fileName(), folder + "/" + name);
    }
}

QByteArray Signalled(const QString& folder, const QString& name, int milliseconds)
{
    QByteArray content;
    WaitFor(
        [&] {
            QFile file(folder + "/" + name);
            if (!file.open(QIODevice::ReadOnly)) return false;
            content = file.readAll();
            return true;
        },
        milliseconds);
    return content;
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

RadioImage Radio()
{
    RadioImage image;
    image.SetTypeCode("KK,0F");
    image.SetModel("ZT-Q2");
    image.LoadDefaultVfoAndCall();
    image.LoadDefaultMenu();
    return image;
}

// What a recovery file says, or an empty content when there is none.
RecoveryContent Kept(const QString& path)
{
    const std::optional<std::string> bytes = ReadFileBytes(path);
    const std::optional<RecoveryContent> content = bytes ? RecoveryFile::Parse(*bytes) : std::nullopt;
    return content ? *content : RecoveryContent{};
}

} // namespace

TEST(Recovery, ComposeAndParse)
{
    for (const QString& name :
         {QStringLiteral("Untitled"), QStringLiteral("/tmp/a b/club 100%.qx"),
          QStringLiteral("C:\\Funk\\Relais \u00e9t\u00e9.qx"), QStringLiteral("a\r\nb.qx")}) {
        const std::string data = "VANTREL Tessaline for ZT-QX\r\n__COMMENT__\r\n\r\n";
        const std::optional<RecoveryContent> content = RecoveryFile::Parse(RecoveryFile::Compose(name, data));
        ASSERT_TRUE(content) << name.toStdString();
        EXPECT_EQ(content->fileName, name);
        EXPECT_EQ(content->dataFile, data);
    }
    for (const char* bytes :
         {"", "TSL-Q2/Q3 recovery\r\n", "TSL-Q2/Q3 recovery\r\n\r\nx", "VANTREL Tessaline for ZT-QX\r\n"})
        EXPECT_FALSE(RecoveryFile::Parse(bytes)) << bytes;
}

// One save at once after the first change, the following changes together
// no sooner than two seconds later; none once the changes are undone back
// to the saved state, and neither file nor lock after the end. The interval
// is measured on a clock of the test's, so that a slow machine changes when
// the saves happen but never whether one is due.
TEST(Recovery, SavedAfterChangesAtMostEveryTwoSeconds)
{
    QTemporaryDir folder;
    Document document;
    document.Replace(Radio(), "/data/club.qx", "Club");
    qint64 now = 100'000;
    {
        RecoveryFile recovery(
            document, [&] { return DataFileBytes(document); }, folder.path());
        recovery.SetClock([&] { return now; });
        QTest::qWait(50);
        EXPECT_EQ(recovery.Saves(), 0);
        EXPECT_TRUE(FilesIn(folder.path()).isEmpty());

        document.StoreRecord(SlotKind::Memory, 5, Channel);
        ASSERT_TRUE(WaitFor([&] { return recovery.Saves() == 1; }, 5000));
        EXPECT_EQ(Kept(recovery.Path()).fileName, "/data/club.qx");
        EXPECT_EQ(Kept(recovery.Path()).dataFile, DataFileBytes(document));

        // Changes 1990 ms after that save wait for the rest of the interval,
        // however often the timer runs out before it is up.
        now += RecoveryFile::IntervalMs - 10;
        document.StoreRecord(SlotKind::Dtmf, 3, Dtmf);
        document.SetComment("Club \u00e9t\u00e9");
        QTest::qWait(100);
        EXPECT_EQ(recovery.Saves(), 1);
        now += 10;
        ASSERT_TRUE(WaitFor([&] { return recovery.Saves() == 2; }, 10000));
        EXPECT_EQ(Kept(recovery.Path()).dataFile, DataFileBytes(document));
        QTest::qWait(100);
        EXPECT_EQ(recovery.Saves(), 2);
        now += RecoveryFile::IntervalMs;

        // Back at the saved state: nothing to recover.
        while (document.UndoStack().canUndo())
            document.UndoStack().undo();
        ASSERT_FALSE(document.DataChanged());
        EXPECT_FALSE(QFile::exists(recovery.Path()));
        document.UndoStack().redo();
        ASSERT_TRUE(WaitFor([&] { return QFile::exists(recovery.Path()); }, 10000));
        EXPECT_EQ(FilesIn(folder.path()).size(), 2) << FilesIn(folder.path()).join(' ').toStdString();
        // A save is the same.
        document.MarkSaved("/data/club.qx");
        EXPECT_FALSE(QFile::exists(recovery.Path()));
        document.StoreRecord(SlotKind::Memory, 6, Channel);
    }
    // The end of the program: no recovery file, no lock.
    EXPECT_TRUE(FilesIn(folder.path()).isEmpty()) << FilesIn(folder.path()).join(' ').toStdString();
}

TEST(Recovery, OnlyFilesWhoseProgramIsGoneAreOffered)
{
    QTemporaryDir folder;
    Document running;
    running.Replace(Radio(), "Untitled", QString());
    RecoveryFile runningRecovery(
        running, [&] { return DataFileBytes(running); }, folder.path());
    running.StoreRecord(SlotKind::Memory, 5, Channel);
    runningRecovery.SaveNow();
    ASSERT_TRUE(QFile::exists(runningRecovery.Path()));
    // However old its lock, a program that runs keeps its file.
    const QString lockPath = runningRecovery.Path().chopped(9) + ".lock";
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        lock.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
    lock.close();

    // Left by programs that are gone: one without a lock (its lock already
    // removed), one that is not a recovery file at all.
    const QString gone = folder.filePath("1-1.recovery");
    ASSERT_TRUE(tslq::test::WriteBytes(gone.toStdString(),
                                       RecoveryFile::Compose("/data/gone.qx", WriteDataFile(Radio(), "x"))));
    const QString garbage = folder.filePath("2-2.recovery");
    ASSERT_TRUE(tslq::test::WriteBytes(garbage.toStdString(), "not a recovery file"));
    // The lock of a program that ended without a clean exit when it had
    // nothing to recover: its process number is that of a program gone.
    QProcess ended;
    ended.start("true", {});
    ASSERT_TRUE(ended.waitForStarted(10000));
    const qint64 gonePid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished(10000));
    const QString staleLock = folder.filePath("3-3.lock");
    ASSERT_TRUE(tslq::test::WriteBytes(staleLock.toStdString(), std::to_string(gonePid) + "\ntrue\n\n"));

    Document starting;
    starting.Replace(Radio(), "Untitled", QString());
    RecoveryFile recovery(
        starting, [&] { return DataFileBytes(starting); }, folder.path());
    MessageRecorder messages({MessageButton::No});
    int restored = 0;
    recovery.OfferOrphans([&](const RecoveryContent&) { ++restored; });
    EXPECT_EQ(restored, 0);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.LastText().startsWith(
        "TSL-Q2/Q3 did not end normally, and unsaved changes of /data/gone.qx were kept ("));
    EXPECT_TRUE(messages.LastText().endsWith(").\nDo you want to restore them? No discards them."));
    // Discarded, as is the file that could not be one.
    EXPECT_FALSE(QFile::exists(gone));
    EXPECT_FALSE(QFile::exists(garbage));
    EXPECT_FALSE(QFile::exists(staleLock));
    EXPECT_TRUE(QFile::exists(runningRecovery.Path()));
    EXPECT_TRUE(QFile::exists(lockPath));
    EXPECT_EQ(FilesIn(folder.path()).size(), 2);
}

// The program as a child of this test: "edit" makes edits, says what it
// holds once its recovery file holds it too, and waits to be killed;
// "restore" starts on the same profile and data folder, restores what it is
// offered and says what it then holds before it ends normally.
TEST(Recovery, Child)
{
    const QString role = qEnvironmentVariable(RoleVariable);
    const QString folder = qEnvironmentVariable(FolderVariable);
    if (role.isEmpty())
        GTEST_SKIP() << "runs only as a program started by Recovery.KilledProgramsEditsAreRestored";
    // The user's data folder as the program finds it: XDG_DATA_HOME.
    QStandardPaths::setTestModeEnabled(false);

    QSettings settings(folder + "/profile.ini", QSettings::IniFormat);
    QSettingsConfigStore store(settings);
    MainWindow::Options options;
    options.store = &store;
    options.showSplash = false;
    options.workingDirectory = folder;
    MessageRecorder messages({MessageButton::Yes});
    MainWindow form(options);
    bool shown = false;
    QObject::connect(&form, &MainWindow::FirstShown, [&] { shown = true; });
    form.show();
    ASSERT_TRUE(WaitFor([&] { return shown; }, 20000));

    if (role == "edit") {
        form.SetFileName(folder + "/club.qx");
        form.Doc().StoreRecord(SlotKind::Memory, 5, Channel);
        form.Doc().StoreRecord(SlotKind::Dtmf, 3, Dtmf);
        form.Doc().SetComment("Club \u00e9t\u00e9");
        const std::string held = DataFileBytes(form.Doc());
        ASSERT_TRUE(WaitFor([&] { return Kept(form.Recovery().Path()).dataFile == held; }, 20000));
        Signal(folder, "edited", QByteArray::fromStdString(held));
        QTest::qWait(120000);
        return;
    }
    QByteArray report = QByteArray::number(messages.Count()) + "\n" + form.FileName().toUtf8() + "\n" +
                        (form.DataChanged() ? "changed" : "unchanged") + "\n" + form.windowTitle().toUtf8() +
                        "\n" + QByteArray::fromStdString(DataFileBytes(form.Doc()));
    // Its own recovery file holds the changes before the old one goes.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Recovery";
    report = FilesIn(data).join(' ').toUtf8() + "\n" + report;
    form.SetDataChanged(false); // the clean exit without a prompt
    Signal(folder, "restored", report);
}

TEST(Recovery, KilledProgramsEditsAreRestored)
{
    if (!qEnvironmentVariableIsEmpty(RoleVariable)) GTEST_SKIP() << "a child does not start children";
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString folder = scratch.path();
    {
        QSettings settings(folder + "/profile.ini", QSettings::IniFormat);
        QSettingsConfigStore store(settings);
        store.Write("Type", "KK,0F");
        store.Write("Model", "ZT-Q2");
    }
    const QString dataHome = folder + "/data";
    const QString recoveryFolder = dataHome + "/" + QCoreApplication::organizationName() + "/" +
                                   QCoreApplication::applicationName() + "/Recovery";
    auto start = [&](QProcess& child, const char* role) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(RoleVariable, role);
        environment.insert(FolderVariable, folder);
        environment.insert("XDG_DATA_HOME", dataHome);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=Recovery.Child"});
        ASSERT_TRUE(child.waitForStarted(10000));
    };

    QProcess editor;
    start(editor, "edit");
    const QByteArray held = Signalled(folder, "edited", 60000);
    ASSERT_FALSE(held.isEmpty()) << "the program never kept its edits";
    editor.kill(); // SIGKILL: no clean-up of any kind
    ASSERT_TRUE(editor.waitForFinished(10000));
    EXPECT_EQ(editor.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(FilesIn(recoveryFolder).filter(".recovery").size(), 1)
        << FilesIn(recoveryFolder).join(' ').toStdString();

    QProcess restorer;
    start(restorer, "restore");
    const QByteArray report = Signalled(folder, "restored", 60000);
    ASSERT_TRUE(restorer.waitForFinished(30000));
    EXPECT_EQ(restorer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(restorer.exitCode(), 0);
    const QList<QByteArray> lines = report.split('\n');
    ASSERT_GE(lines.size(), 6) << report.toStdString();
    // While it ran: its own recovery file and lock only.
    EXPECT_EQ(lines[0].count(".recovery"), 1) << lines[0].toStdString();
    EXPECT_EQ(lines[0].count(".lock"), 1) << lines[0].toStdString();
    EXPECT_EQ(lines[1], "1") << "one offer";
    EXPECT_EQ(lines[2], (folder + "/club.qx").toUtf8());
    EXPECT_EQ(lines[3], "changed");
    EXPECT_EQ(lines[4], ("TSL-Q2/Q3 [" + folder + "/club.qx]").toUtf8());
    const qsizetype data = report.indexOf("VANTREL Tessaline");
    EXPECT_EQ(report.mid(data), held) << "restored byte for byte";
    // A clean exit leaves no recovery file.
    EXPECT_EQ(FilesIn(recoveryFolder), QStringList{});
}
