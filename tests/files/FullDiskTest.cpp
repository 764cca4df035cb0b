// Every command that writes a file, in the window and in tslq-cli, on a file
// system that is full: each fails with the system's reason, leaves the
// previous file byte for byte and leaves no temporary or partial file; the
// window keeps the data changed flag.
#include "support/FullDisk.h"
#include "FilesTestSupport.h"
#include "support/TestSupport.h"

#include "cli/Cli.h"
#include "files/CsvCommands.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "sim/PtyHost.h"
#include "sim/VirtualRadio.h"
#include "support/ServedRadio.h"
#include "ui/Messages.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <sstream>

using tslq::test::DataPath;
using tslq::test::FullDisk;
using tslq::test::ReadBytes;
using tslq::test::WriteBytes;

using tslq::test::ServedRadio;

namespace {

const std::string kPrevious = "previous content\r\n";

std::string Golden(const char* name)
{
    return ReadBytes(DataPath(std::string("files/") + name));
}

class FullDiskWrites : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (!disk_.Unusable().isEmpty()) GTEST_SKIP() << disk_.Unusable().toStdString();
        ASSERT_TRUE(inputs_.isValid());
        store_.Write("Type", "KK,0F");
        store_.Write("Model", "ZT-Q2");
        store_.Write("Path", inputs_.path().toStdString());
        previousMessages_ = SetMessagePresenter([this](MessageKind kind, const QString& text) {
            messages_.push_back({kind, text});
            if (answers_.empty()) return MessageButton::Ok;
            const MessageButton answer = answers_.front();
            answers_.pop_front();
            return answer;
        });
        previousDialogs_ = SetFileDialogPresenter(
            [this](FileDialogKind, const QString&, const QString&) -> std::optional<QString> {
                if (choices_.empty()) return std::nullopt;
                const QString choice = choices_.front();
                choices_.pop_front();
                return choice;
            });
    }

    void TearDown() override
    {
        disk_.Release();
        SetPrintPresenter({});
        SetMessagePresenter(previousMessages_);
        SetFileDialogPresenter(previousDialogs_);
    }

    QString Input(const char* name, const std::string& bytes)
    {
        const QString path = inputs_.filePath(name);
        EXPECT_TRUE(WriteBytes(path.toStdString(), bytes));
        return path;
    }

    // Empties the full folder but for the previous version of the target.
    void StartWith(const QString& target, const std::string& bytes)
    {
        disk_.Release();
        for (const QString& name : disk_.Files())
            QFile::remove(disk_.FilePath(name));
        ASSERT_TRUE(WriteBytes(target.toStdString(), bytes));
    }

    FullDisk disk_;
    QTemporaryDir inputs_;
    MemoryConfigStore store_;
    std::vector<std::pair<MessageKind, QString>> messages_;
    std::deque<MessageButton> answers_;
    std::deque<QString> choices_;
    MessagePresenter previousMessages_;
    FileDialogPresenter previousDialogs_;
};

struct WindowCase
{
    const char* name;
    const char* target;
    // Runs the command that writes `target` on a window with unsaved edits.
    std::function<void(MainWindow&, const QString& target, std::deque<MessageButton>& answers,
                       std::deque<QString>& choices)>
        run;
};

TEST_F(FullDiskWrites, WindowCommands)
{
    const std::vector<WindowCase> cases = {
        {"Save", "radio.qx", [](MainWindow& form, const QString&, auto&, auto&) { form.Files().SaveFile(); }},
        {"Save As", "other.qx",
         [](MainWindow& form, const QString& target, auto&, auto& choices) {
             choices = {target};
             form.Files().SaveAs();
         }},
        {"close prompt Yes", "closing.qx",
         [](MainWindow& form, const QString& target, auto& answers, auto& choices) {
             form.show();
             answers = {MessageButton::Yes};
             choices = {target};
             EXPECT_FALSE(form.close());
             EXPECT_TRUE(form.isVisible());
         }},
        {"CSV export", "channels.csv",
         [](MainWindow& form, const QString& target, auto&, auto&) {
             EXPECT_FALSE(form.ChannelLists().ExportChannelsCsv(target));
         }},
        {"print to a file", "printed.pdf",
         [](MainWindow& form, const QString& target, auto&, auto&) {
             SetPrintPresenter({[] { return true; },
                                [target](QPrinter& printer) {
                                    printer.setOutputFormat(QPrinter::PdfFormat);
                                    printer.setOutputFileName(target);
                                    return true;
                                }});
             form.Files().PrintListing();
             SetPrintPresenter({});
         }},
        {"PDF export", "listing.pdf",
         [](MainWindow& form, const QString& target, auto&, auto& choices) {
             choices = {target};
             form.Files().ExportPdf();
         }},
    };
    for (const WindowCase& test : cases) {
        SCOPED_TRACE(test.name);
        const QString target = disk_.FilePath(test.target);
        // Small enough that a buffered write takes all of it without a word.
        const std::string previous = Golden("new_K.qx");
        StartWith(target, previous);

        MainWindowOptions options;
        options.store = &store_;
        options.showSplash = false;
        options.workingDirectory = inputs_.path();
        MainWindow form(options);
        // A data file target is the open file, so that Save writes it.
        const QString opened = target.endsWith(".qx") ? target : Input("open.qx", previous);
        choices_ = {opened};
        form.Files().OpenFile();
        ASSERT_EQ(form.FileName(), opened);
        tslq::test::EditImage(form.Doc(), [&](RadioImage& image) {
            image.SetMemoryRecord(5, "005,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,EDIT");
        });
        form.SetDataChanged(true);
        const RadioImage edited = form.Image();
        messages_.clear();

        ASSERT_TRUE(disk_.Fill()) << disk_.Kind().toStdString();
        test.run(form, target, answers_, choices_);
        disk_.Release();

        const auto shown =
            messages_.empty() ? std::pair{MessageKind::Information, QString()} : messages_.back();
        EXPECT_EQ(shown.first, MessageKind::Error);
        EXPECT_EQ(shown.second.toStdString(), "File Open error.\n" + disk_.Reason().toStdString());
        EXPECT_EQ(ReadBytes(target.toStdString()), previous);
        EXPECT_EQ(disk_.Files(), QStringList{test.target});
        EXPECT_TRUE(form.DataChanged());
        EXPECT_EQ(form.FileName(), opened);
        EXPECT_EQ(form.Image(), edited);
        form.SetDataChanged(false); // lets the window close
        answers_.clear();
        choices_.clear();
    }
}

// The simulated radio on a pseudo-terminal, for tslq-cli read.
TEST_F(FullDiskWrites, CommandLineCommands)
{
    const QString data = Input("in.qx", Golden("full.qx"));
    const QString list = QString::fromStdString(DataPath("csv/older17.csv"));
    ServedRadio served(tslq::test::NewImage("KK,0F", "ZT-Q2"));
    const QString port = QString::fromStdString(served.DevicePath());

    struct Case
    {
        const char* command;
        const char* target;
        QStringList arguments; // the output file follows them
    };
    const std::vector<Case> cases = {
        {"new", "new.qx", {"new", "-o"}},
        {"read", "read.qx", {"read", "--port", port, "-o"}},
        {"import-csv", "imported.qx", {"import-csv", list, "-o"}},
        {"export-csv", "exported.csv", {"export-csv", data, "-o"}},
        {"print-pdf", "listing.pdf", {"print-pdf", data, "-o"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.command);
        // A limit on the size of every file would stop the serial port's
        // lock file too.
        if (test.command == std::string_view("read") && disk_.Kind() != "tmpfs") continue;
        const QString target = disk_.FilePath(test.target);
        StartWith(target, kPrevious);
        std::ostringstream out, err;
        ASSERT_TRUE(disk_.Fill());
        const int status = RunCli(test.arguments + QStringList{target}, store_, out, err);
        disk_.Release();

        EXPECT_EQ(status, kCliFileError) << err.str();
        EXPECT_EQ(err.str().rfind("File Open error.\n", 0), 0u) << err.str();
        const std::string reason = std::string("tslq-cli ") + test.command + ": " + target.toStdString() +
                                   ": " + disk_.Reason().toStdString() + "\n";
        EXPECT_TRUE(err.str().ends_with(reason)) << err.str();
        EXPECT_EQ(out.str().find("exported"), std::string::npos);
        EXPECT_EQ(ReadBytes(target.toStdString()), kPrevious);
        EXPECT_EQ(disk_.Files(), QStringList{test.target});
    }
}

#ifdef TSLQ_CLI
// The program itself with its standard output redirected onto the full disk.
TEST_F(FullDiskWrites, StandardOutputOfTheCommandLine)
{
    const QString data = Input("in.qx", Golden("full.qx"));
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    const auto run = [&](const QStringList& arguments, bool full) {
        const QString output = disk_.FilePath("output");
        QFile::remove(output);
        if (full) {
            EXPECT_TRUE(disk_.Fill());
        }
        QProcess cli;
        cli.setProcessEnvironment(environment);
        cli.setStandardOutputFile(output);
        cli.start(QStringLiteral(TSLQ_CLI), arguments);
        EXPECT_TRUE(cli.waitForFinished(60000));
        disk_.Release();
        return std::make_pair(cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
                              cli.readAllStandardError().toStdString());
    };
    for (const QString& command : {QStringLiteral("listing"), QStringLiteral("export-csv")}) {
        SCOPED_TRACE(command.toStdString());
        auto [status, err] = run({command, "--type", "KK,0F", data}, false);
        EXPECT_EQ(status, kCliOk) << err;
        EXPECT_GT(QFileInfo(disk_.FilePath("output")).size(), 1000);

        std::tie(status, err) = run({command, "--type", "KK,0F", data}, true);
        EXPECT_EQ(status, kCliFileError);
        EXPECT_EQ(err, "File Open error.\ntslq-cli " + command.toStdString() +
                           ": standard output: " + disk_.Reason().toStdString() + "\n");
    }
}
#endif

} // namespace
