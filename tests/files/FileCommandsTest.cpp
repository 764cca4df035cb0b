// The main window's file and printing commands, with every dialog answered
// by a script.
#include "FilesTestSupport.h"
#include "support/TestSupport.h"

#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "mainwin/MainTestSupport.h"
#include "mainwin/MainWindow.h"
#include "ui/Messages.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <csignal>
#include <deque>
#include <memory>
#include <sys/resource.h>

using tslq::test::DataPath;
using tslq::test::LoadImage;
using tslq::test::NewImage;
using tslq::test::ReadBytes;
using tslq::test::WriteBytes;

namespace {

// "File Open error." with the reason of a failed write as a second line.
bool IsWriteError(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    return lines.size() == 2 && lines[0] == "File Open error." && !lines[1].isEmpty();
}

struct Shown
{
    MessageKind kind;
    QString text;
};

struct Asked
{
    FileDialogKind kind;
    QString folder;
    QString proposed;
};

class FileCommands : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        store_.Write("Type", "KK,0F");
        store_.Write("Model", "ZT-Q2");
        store_.Write("Path", dir_.path().toStdString());
        previousMessages_ = SetMessagePresenter([this](MessageKind kind, const QString& text) {
            messages_.push_back({kind, text});
            if (answers_.empty()) return MessageButton::Ok;
            const MessageButton answer = answers_.front();
            answers_.pop_front();
            return answer;
        });
        previousDialogs_ = SetFileDialogPresenter([this](FileDialogKind kind, const QString& folder,
                                                         const QString& proposed) -> std::optional<QString> {
            asked_.push_back({kind, folder, proposed});
            if (choices_.empty()) return std::nullopt;
            const std::optional<QString> choice = choices_.front();
            choices_.pop_front();
            return choice;
        });
        form_ = MakeForm();
    }

    void TearDown() override
    {
        form_.reset();
        SetMessagePresenter(previousMessages_);
        SetFileDialogPresenter(previousDialogs_);
    }

    std::unique_ptr<MainWindow> MakeForm(const QString& commandLineFile = {})
    {
        MainWindow::Options options;
        options.store = &store_;
        options.showSplash = false;
        options.workingDirectory = dir_.path();
        options.commandLineFile = commandLineFile;
        return std::make_unique<MainWindow>(options);
    }

    QString Temp(const QString& name) const { return dir_.filePath(name); }

    // Copies a golden file into the scratch folder.
    QString CopyGolden(const char* golden, const QString& name)
    {
        const QString path = Temp(name);
        EXPECT_TRUE(WriteBytes(path.toStdString(), ReadBytes(DataPath(std::string("files/") + golden))));
        return path;
    }

    // A small edit, as any editor makes it.
    void Edit()
    {
        tslq::test::EditImage(form_->Doc(), [&](RadioImage& image) {
            image.SetMemoryRecord(5, "005,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,EDIT");
        });
        form_->SetDataChanged(true);
    }

    std::string Saved(const QString& path) const { return ReadBytes(path.toStdString()); }
    std::string Current() const
    {
        std::string comment = form_->Comment().toStdString();
        return WriteDataFile(form_->Image(), comment);
    }

    MemoryConfigStore store_;
    QTemporaryDir dir_;
    std::unique_ptr<MainWindow> form_;
    std::vector<Shown> messages_;
    std::deque<MessageButton> answers_;
    std::vector<Asked> asked_;
    std::deque<std::optional<QString>> choices_;
    MessagePresenter previousMessages_;
    FileDialogPresenter previousDialogs_;
};

TEST_F(FileCommands, CommandsAreWired)
{
    for (QAction* action :
         {form_->newAction_, form_->openAction_, form_->saveAction_, form_->saveAsAction_,
          form_->printAction_, form_->NewButton, form_->OpenButton, form_->SaveButton, form_->PrintButton})
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    ASSERT_NE(form_->exportPdfAction_, nullptr);
    const QList<QAction*> items = form_->fileMenu_->actions();
    EXPECT_EQ(items.indexOf(form_->exportPdfAction_), items.indexOf(form_->printAction_) + 1);
    EXPECT_EQ(form_->windowTitle(), "TSL-Q2/Q3 [Untitled]");
}

TEST_F(FileCommands, NewWithoutChangesAsksNothing)
{
    tslq::test::EditImage(form_->Doc(),
                          [&](RadioImage& image) { image.SetMemoryRecord(0, "000,00145000000"); });
    tslq::test::LoadComment(form_->Doc(), "old");
    form_->SetDataChanged(false);
    form_->newAction_->trigger();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(form_->Image(), NewImage("KK,0F", "ZT-Q2"));
    EXPECT_EQ(form_->Comment(), "");
    EXPECT_FALSE(form_->DataChanged());
    EXPECT_EQ(form_->windowTitle(), "TSL-Q2/Q3 [Untitled]");
}

TEST_F(FileCommands, NewPromptAnsweredEachWay)
{
    Edit();
    const RadioImage edited = form_->Image();

    answers_ = {MessageButton::Cancel};
    form_->Files().NewFile();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].kind, MessageKind::SaveChanges);
    EXPECT_EQ(messages_[0].text, "Data is changed.\nDo you want to save the changes?");
    EXPECT_EQ(form_->Image(), edited);
    EXPECT_TRUE(form_->DataChanged());

    // Yes, then the save dialog cancelled: the command stops.
    answers_ = {MessageButton::Yes};
    form_->Files().NewFile();
    EXPECT_EQ(asked_.back().kind, FileDialogKind::Save);
    EXPECT_EQ(asked_.back().proposed, "Untitled");
    EXPECT_EQ(asked_.back().folder, dir_.path());
    EXPECT_EQ(form_->Image(), edited);

    // Yes and a name: saved, then the new image.
    answers_ = {MessageButton::Yes};
    choices_ = {Temp("kept.qx")};
    const std::string before = Current();
    form_->Files().NewFile();
    EXPECT_EQ(Saved(Temp("kept.qx")), before);
    EXPECT_EQ(form_->Image(), NewImage("KK,0F", "ZT-Q2"));
    EXPECT_EQ(form_->windowTitle(), "TSL-Q2/Q3 [Untitled]");
    EXPECT_FALSE(form_->DataChanged());

    // No: the edits are dropped.
    Edit();
    answers_ = {MessageButton::No};
    form_->Files().NewFile();
    EXPECT_EQ(form_->Image(), NewImage("KK,0F", "ZT-Q2"));
}

TEST_F(FileCommands, OpenLoadsTheFileAndRemembersItsFolder)
{
    QDir(dir_.path()).mkdir("sub");
    const QString path = CopyGolden("full.qx", "sub/full.qx");
    choices_ = {path};
    form_->openAction_->trigger();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(asked_.at(0).kind, FileDialogKind::Open);
    EXPECT_EQ(form_->FileName(), path);
    EXPECT_EQ(form_->windowTitle(), "TSL-Q2/Q3 [" + path + "]");
    EXPECT_EQ(form_->Comment(), "Full image, every slot");
    EXPECT_EQ(form_->Image().GetRecordField(RecordKind::Memory, 2, ChannelField::Name), "RPT,1,2");
    EXPECT_EQ(Current(), Saved(path));
    EXPECT_FALSE(form_->DataChanged());
    EXPECT_EQ(store_.Read("Path"), Temp("sub").toStdString());
    EXPECT_EQ(form_->InitialFolder(), Temp("sub"));
}

TEST_F(FileCommands, OpenKeepsTheFilesOwnInformationChannels)
{
    const QString path = CopyGolden("new_M.qx", "m.qx");
    choices_ = {path};
    form_->Files().OpenFile();
    for (int slot = InformationFirst; slot < MemoryCount; ++slot)
        EXPECT_EQ(form_->Image().GetMemoryRecord(slot), "");
}

TEST_F(FileCommands, OpenRefusesOtherExtensionsAndUnreadableFiles)
{
    Edit();
    form_->SetDataChanged(false);
    const RadioImage before = form_->Image();
    // The reason is the second line, as the command line gives it.
    const struct
    {
        QString path;
        QString text;
    } cases[] = {
        {CopyGolden("full.qx", "full.txt"), "File Open error.\nThe name of a data file must end in .qx."},
        {Temp("missing.qx"), "File Open error.\nNo such file or directory"},
        {dir_.path(), "File Open error.\nThe name of a data file must end in .qx."},
        {dir_.filePath("folder.qx"), "File Open error.\nis a folder"},
    };
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.qx"));
    for (const auto& [path, text] : cases) {
        messages_.clear();
        choices_ = {path};
        form_->Files().OpenFile();
        ASSERT_EQ(messages_.size(), 1u) << path.toStdString();
        EXPECT_EQ(messages_[0].kind, MessageKind::Error);
        EXPECT_EQ(messages_[0].text, text);
        EXPECT_EQ(form_->Image(), before);
        EXPECT_EQ(form_->FileName(), "Untitled");
    }
    // Cancelled dialog: nothing at all.
    messages_.clear();
    form_->Files().OpenFile();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(form_->Image(), before);
}

TEST_F(FileCommands, OpenWithRejectedHeaderLeavesTheResetImage)
{
    const QString path = Temp("bad.qx");
    ASSERT_TRUE(WriteBytes(path.toStdString(), "VANTREL Tessaline for ZT-QX \r\n__COMMENT__\r\nx\r\n"));
    Edit();
    form_->SetDataChanged(false);
    tslq::test::LoadComment(form_->Doc(), "mine");
    choices_ = {path};
    form_->Files().OpenFile();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "File Open error.\nThe file is not a TSL-Q2/Q3 data file.");
    EXPECT_EQ(form_->Image(), LoadImage("KK,0F", "ZT-Q2"));
    EXPECT_EQ(form_->FileName(), "Untitled");
    EXPECT_EQ(form_->windowTitle(), "TSL-Q2/Q3 [Untitled]");
    EXPECT_EQ(form_->Comment(), "mine");
    EXPECT_FALSE(form_->DataChanged());
}

TEST_F(FileCommands, SaveWritesTheOpenFileWithoutADialog)
{
    const QString path = CopyGolden("new_K.qx", "k.qx");
    choices_ = {path};
    form_->Files().OpenFile();
    Edit();
    form_->saveAction_->trigger();
    EXPECT_EQ(asked_.size(), 1u); // only the open dialog
    EXPECT_EQ(Saved(path), Current());
    EXPECT_NE(Saved(path).find("005\t00145500000"), std::string::npos);
    EXPECT_FALSE(form_->DataChanged());
    EXPECT_EQ(form_->windowTitle(), "TSL-Q2/Q3 [" + path + "]");

    // Untitled: Save asks for a name like Save As.
    form_->Files().NewFile();
    Edit();
    choices_ = {Temp("second.qx")};
    form_->Files().SaveFile();
    EXPECT_EQ(asked_.back().kind, FileDialogKind::Save);
    EXPECT_EQ(Saved(Temp("second.qx")), Current());
    EXPECT_EQ(form_->FileName(), Temp("second.qx"));
}

TEST_F(FileCommands, SaveAsRefusesOtherExtensions)
{
    Edit();
    choices_ = {Temp("radio.txt")};
    EXPECT_TRUE(form_->Files().SaveAs());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "File Open error.\nThe name of a data file must end in .qx.");
    EXPECT_FALSE(QFile::exists(Temp("radio.txt")));
    EXPECT_TRUE(form_->DataChanged());
    EXPECT_EQ(form_->FileName(), "Untitled");
    EXPECT_FALSE(form_->Files().SaveAs()); // cancelled
}

// A folder that refuses new files, even for the superuser.
QString UnwritableFolder(const QTemporaryDir& dir)
{
    if (geteuid() == 0) return QStringLiteral("/proc");
    const QString folder = dir.filePath("locked");
    QDir(dir.path()).mkdir("locked");
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    return folder;
}

TEST_F(FileCommands, SaveAsIntoAReadOnlyFolderKeepsEverything)
{
    const QString path = CopyGolden("new_K.qx", "k.qx");
    choices_ = {path};
    form_->Files().OpenFile();
    Edit();
    const RadioImage edited = form_->Image();
    choices_ = {UnwritableFolder(dir_) + "/radio.qx"};
    form_->saveAsAction_->trigger();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].kind, MessageKind::Error);
    EXPECT_TRUE(IsWriteError(messages_[0].text)) << messages_[0].text.toStdString();
    EXPECT_TRUE(form_->DataChanged());
    EXPECT_EQ(form_->FileName(), path);
    EXPECT_EQ(form_->Image(), edited);
    EXPECT_EQ(Saved(path), ReadBytes(DataPath("files/new_K.qx")));
}

TEST_F(FileCommands, InterruptedSaveLeavesThePreviousFile)
{
    const QString path = CopyGolden("full.qx", "full.qx");
    choices_ = {path};
    form_->Files().OpenFile();
    Edit();
    {
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        form_->Files().SaveFile();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "File Open error.\nFile too large");
    EXPECT_EQ(Saved(path), ReadBytes(DataPath("files/full.qx")));
    EXPECT_TRUE(form_->DataChanged());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"full.qx"});
}

TEST_F(FileCommands, FailedSaveStopsTheCommandThatAskedForIt)
{
    Edit();
    const RadioImage edited = form_->Image();
    answers_ = {MessageButton::Yes};
    choices_ = {UnwritableFolder(dir_) + "/radio.qx"};
    form_->Files().NewFile();
    EXPECT_EQ(form_->Image(), edited);
    EXPECT_TRUE(form_->DataChanged());
}

TEST_F(FileCommands, ClosePromptYesWithAFailingSaveKeepsTheWindowOpen)
{
    form_->show();
    Edit();
    answers_ = {MessageButton::Yes};
    choices_ = {UnwritableFolder(dir_) + "/radio.qx"};
    EXPECT_FALSE(form_->close());
    EXPECT_TRUE(form_->isVisible());
    EXPECT_TRUE(form_->DataChanged());

    answers_ = {MessageButton::Yes};
    choices_ = {Temp("closing.qx")};
    const std::string content = Current();
    EXPECT_TRUE(form_->close());
    EXPECT_EQ(Saved(Temp("closing.qx")), content);
}

void ShowAndWait(MainWindow& form)
{
    QSignalSpy shown(&form, &MainWindow::FirstShown);
    form.show();
    if (shown.isEmpty()) shown.wait(5000);
}

TEST_F(FileCommands, CommandLineLoadAfterTheFirstShowing)
{
    const QString path = CopyGolden("full.qx", "with blanks in name.QX");
    std::unique_ptr<MainWindow> form = MakeForm(path);
    ShowAndWait(*form);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(form->FileName(), path);
    EXPECT_EQ(form->windowTitle(), "TSL-Q2/Q3 [" + path + "]");
    EXPECT_EQ(form->Comment(), "Full image, every slot");
    EXPECT_FALSE(form->DataChanged());
    EXPECT_EQ(store_.Read("Path"), dir_.path().toStdString());
}

TEST_F(FileCommands, CommandLineLoadOfABadNameKeepsTheStartImage)
{
    const RadioImage start = form_->Image();
    std::unique_ptr<MainWindow> form = MakeForm(Temp("missing.qx"));
    ShowAndWait(*form);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "File Open error.\nNo such file or directory");
    EXPECT_EQ(form->Image(), start);
    EXPECT_EQ(form->FileName(), "Untitled");
}

// Drops files on the window as the desktop does.
void DropOn(MainWindow& form, const QStringList& paths)
{
    // The window takes drops once it has been shown.
    if (!form.isVisible()) ShowAndWait(form);
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    QApplication::processEvents();
    delete data;
}

TEST_F(FileCommands, DroppedFileLoadsTheFirstOne)
{
    const QString first = CopyGolden("full.qx", "first.Qx");
    const QString second = CopyGolden("new_K.qx", "second.qx");
    Edit();
    answers_ = {MessageButton::No};
    DropOn(*form_, {first, second});
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].kind, MessageKind::SaveChanges);
    EXPECT_EQ(form_->FileName(), first);
    EXPECT_EQ(Current(), Saved(first));
    EXPECT_FALSE(form_->DataChanged());
}

TEST_F(FileCommands, DroppedFileRefusedOrCancelledChangesNothing)
{
    Edit();
    const RadioImage edited = form_->Image();
    answers_ = {MessageButton::Cancel};
    DropOn(*form_, {CopyGolden("full.qx", "full.qx")});
    EXPECT_EQ(form_->Image(), edited);

    for (const auto& [path, reason] :
         {std::pair{CopyGolden("full.qx", "full.txt"), "The name of a data file must end in .qx."},
          std::pair{Temp("missing.qx"), "No such file or directory"}}) {
        messages_.clear();
        answers_ = {MessageButton::No};
        form_->Files().DropFiles({path});
        ASSERT_FALSE(messages_.empty());
        EXPECT_EQ(messages_.back().text, "File Open error.\n" + QString::fromLatin1(reason));
        EXPECT_EQ(form_->Image(), edited);
        EXPECT_EQ(form_->FileName(), "Untitled");
    }
}

QString PdfText(const QString& path)
{
    QProcess extract;
    extract.start("pdftotext", {path, "-"});
    extract.waitForFinished(30000);
    return QString::fromUtf8(extract.readAllStandardOutput());
}

class PrintCommands : public FileCommands
{
  protected:
    void TearDown() override
    {
        SetPrintPresenter({});
        FileCommands::TearDown();
    }
};

TEST_F(PrintCommands, NoPrinterShowsTheMessageOnly)
{
    bool dialogShown = false;
    SetPrintPresenter({[] { return false; }, [&](QPrinter&) { return dialogShown = true; }});
    form_->printAction_->trigger();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages_[0].text, "There is no default printer.");
    EXPECT_FALSE(dialogShown);
}

TEST_F(PrintCommands, PrintDrawsTheListingWithTheCaption)
{
    const QString pdf = Temp("printed.pdf");
    SetPrintPresenter({[] { return true; },
                       [&](QPrinter& printer) {
                           printer.setOutputFormat(QPrinter::PdfFormat);
                           printer.setOutputFileName(pdf);
                           return true;
                       }});
    tslq::test::LoadComment(form_->Doc(), "Field day");
    form_->SetDataChanged(false);
    const RadioImage before = form_->Image();
    form_->Files().PrintListing();
    EXPECT_TRUE(messages_.empty());
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.startsWith("TSL-Q2/Q3 [Untitled]\n")) << text.left(80).toStdString();
    EXPECT_TRUE(text.contains("[Comment]\nField day\n"));
    EXPECT_TRUE(text.contains("I-1 162.550MHz 5kHz FM Name:WEATHER"));
    EXPECT_EQ(form_->Image(), before);
    EXPECT_FALSE(form_->DataChanged());

    // Cancelled print dialog: no job.
    QFile::remove(pdf);
    SetPrintPresenter({[] { return true; }, [](QPrinter&) { return false; }});
    form_->Files().PrintListing();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintCommands, ExportListingAsPdfWithoutAPrinter)
{
    SetPrintPresenter({[] { return false; }, {}});
    choices_ = {Temp("listing.pdf")};
    form_->exportPdfAction_->trigger();
    EXPECT_EQ(asked_.back().kind, FileDialogKind::ExportPdf);
    EXPECT_EQ(asked_.back().proposed, "Untitled.pdf");
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(PdfText(Temp("listing.pdf")).contains("[Memory Channel]"));

    choices_ = {Temp("no/such/folder/listing.pdf")};
    form_->Files().ExportPdf();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(IsWriteError(messages_[0].text)) << messages_[0].text.toStdString();
}

} // namespace
