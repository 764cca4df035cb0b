// The serial log for bug reports: its layout, and the log of a Write >
// Changes in the window against the simulated radio, saved through Help >
// Save Serial Log..., which is the recorded transcript of that write
// followed by its read-back.
#include "link/SerialLog.h"

#include "files/FileCommands.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "support/ServedRadio.h"
#include "support/TestSupport.h"
#include "support/TransferHarness.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using tslq::test::MakeMainForm;
using tslq::test::MessageRecorder;
using tslq::test::ServedRadio;
using tslq::test::StoreFor;

TEST(SerialLog, LinesTimesAndBytesAsTheTraceShowsThem)
{
    SerialLog log;
    log.Begin(1000);
    log.Sent(1050, "MNA 005,A\\B");
    log.Received(1062, "MNA 005,\x01\xC4~\r"); // control, 8-bit and backslash bytes in hex
    log.Sent(1070, "ID");
    log.Received(1071, "ID ZT");              // a line cut across two batches is one line
    log.Received(1080, "-Q2\rTYD KK,0F\r\r"); // two lines in one batch, then an empty one
    SerialLog readBack;
    readBack.Begin(1500);
    readBack.Sent(1550, "VOX 0");
    readBack.Received(1560, "garbage without an end");
    log.Append(readBack); // times run on from the first transfer's start
    EXPECT_EQ(log.Text(), "50 > MNA 005,A\\x5CB\n"
                          "62 < MNA 005,\\x01\\xC4~\n"
                          "70 > ID\n"
                          "71 < ID ZT-Q2\n"
                          "80 < TYD KK,0F\n"
                          "80 < \n"
                          "550 > VOX 0\n"
                          "560 < garbage without an end\n");
    SerialLog empty;
    empty.Append(log);
    EXPECT_EQ(empty.Text(), log.Text());
    log.Clear();
    EXPECT_TRUE(log.Empty());
    EXPECT_EQ(log.Text(), "");
}

TEST(SerialLog, HelpSavesTheLastWriteOfTheChangesWithItsReadBack)
{
    auto store = StoreFor("KK,0F", "ZT-Q2");
    auto form = MakeMainForm(*store);
    QTemporaryDir dir;
    std::vector<FileDialogKind> asked;
    const QString path = dir.filePath("serial-log.txt");
    const FileDialogPresenter previous = SetFileDialogPresenter(
        [&](FileDialogKind kind, const QString&, const QString&) -> std::optional<QString> {
            asked.push_back(kind);
            return path;
        });
    struct Restore
    {
        FileDialogPresenter previous;
        ~Restore() { SetFileDialogPresenter(previous); }
    } restore{previous};

    // The item sits in the Help menu, right below Help Topics.
    const QList<QAction*> items = form->helpMenu_->actions();
    ASSERT_EQ(items.indexOf(form->saveSerialLogAction_), items.indexOf(form->helpTopicsAction_) + 1);
    {
        MessageRecorder messages;
        form->saveSerialLogAction_->trigger();
        EXPECT_EQ(messages.LastText(),
                  "Nothing has gone over the line to the radio yet: there is no serial log to save.");
        EXPECT_TRUE(asked.empty());
    }

    ServedRadio served(SampleImage("KK,0F", "ZT-Q2"), {}, 1);
    MessageRecorder messages({MessageButton::Yes});
    form->readAllAction_->trigger();
    tslq::test::EditImage(form->Doc(), [](RadioImage& image) {
        image.SetMemoryRecord(5, "005,00145520000,5,1,0,1,0,0,12,08,007,000600000,0,0,00146100000,5,,RPT");
    });
    form->writeChangesAction_->trigger();
    ASSERT_EQ(messages.LastText(), "The radio holds what was written.");
    form->saveSerialLogAction_->trigger();
    EXPECT_EQ(asked, std::vector<FileDialogKind>{FileDialogKind::SerialLog});

    const std::string log = tslq::test::ReadBytes(path.toStdString());
    const std::string transcript = WithoutLogTimes(log);
    const std::string golden =
        tslq::test::ReadBytes(tslq::test::DataPath("write_changes_one_channel.transcript"));
    ASSERT_GT(transcript.size(), golden.size()) << log;
    ExpectGolden("write_changes_one_channel.transcript", transcript.substr(0, golden.size()));
    // The read-back follows, with the same checks; the read before is gone.
    EXPECT_EQ(transcript.substr(golden.size(), 16), "> VOX 0\n< VOX 0\n");
    EXPECT_NE(transcript.find("> MR 0,005\n", golden.size()), std::string::npos);
    EXPECT_EQ(std::count(transcript.begin(), transcript.end(), '\n'), 2 * (9 + 7));
    // A log that cannot be written says why.
    SetFileDialogPresenter([&](FileDialogKind, const QString&, const QString&) -> std::optional<QString> {
        return dir.filePath("missing/serial-log.txt");
    });
    form->saveSerialLogAction_->trigger();
    EXPECT_TRUE(messages.LastText().startsWith("File Open error.\n")) << messages.LastText().toStdString();
    EXPECT_GT(messages.LastText().size(), 18);
}
