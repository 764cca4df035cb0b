// File and printing commands on a document.
#include "files/FileCommands.h"

#include "document/Document.h"
#include "files/BackupDialog.h"
#include "files/DataFile.h"
#include "files/FileIo.h"
#include "files/Listing.h"
#include "files/Printing.h"
#include "files/ReadBackups.h"
#include "files/RecoveryFile.h"
#include "link/SerialLog.h"
#include "model/CoreMessages.h"
#include "model/Profile.h"
#include "model/TextCodec.h"
#include "ui/Messages.h"
#include "ui/QtText.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

namespace {

FileDialogPresenter& FileDialogs()
{
    static FileDialogPresenter presenter;
    return presenter;
}

BackupChooser& Backups()
{
    static BackupChooser chooser;
    return chooser;
}

PrintPresenter& Printers()
{
    static PrintPresenter presenter;
    return presenter;
}

std::optional<QString> ShowFileDialog(QWidget* parent, FileDialogKind kind, const QString& folder,
                                      const QString& proposedName)
{
    if (FileDialogs()) return FileDialogs()(kind, folder, proposedName);
    QFileDialog dialog(parent, Msg::ApplicationTitle, folder);
    if (kind == FileDialogKind::ExportPdf) {
        //: File dialog filter; keep (*.pdf) as it is.
        dialog.setNameFilter(FileCommands::tr("PDF Files(*.pdf)"));
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
    } else if (kind == FileDialogKind::SerialLog) {
        //: File dialog filter; keep (*.txt) as it is.
        dialog.setNameFilter(FileCommands::tr("Text Files(*.txt)"));
        dialog.setDefaultSuffix(QStringLiteral("txt"));
    } else {
        dialog.setNameFilter(FileCommands::tr(kDataFileFilter));
        dialog.setDefaultSuffix(kDataFileSuffix);
    }
    if (kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.selectFile(proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

bool HasPrinter()
{
    if (Printers().hasPrinter) return Printers().hasPrinter();
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool ShowPrintDialog(QWidget* parent, QPrinter& printer)
{
    if (Printers().printDialog) return Printers().printDialog(printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

// A file that could not be read or written: the message with the reason
// below it.
void FileOpenError(const QString& reason)
{
    ShowMessage(MessageKind::Error, Msg::FileOpenError + QLatin1Char('\n') + reason);
}

// The name proposed for data that has none yet (the document itself keeps
// "Untitled" as the mark of that).
QString UntitledName()
{
    //: The name of data not saved yet, proposed as the file name (keep it a valid file name).
    return FileCommands::tr("Untitled");
}

QString NotDataFileName()
{
    return FileCommands::tr("The name of a data file must end in .qx.");
}

bool SameFile(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && (a == b || QFileInfo(a) == QFileInfo(b));
}

QString NativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Accepts files dragged from the desktop onto the window.
class FileDropFilter : public QObject
{
  public:
    FileDropFilter(QWidget& window, FileCommands& commands)
        : QObject(&window), window_(window), commands_(commands)
    {
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_) return false;
        if (event->type() == QEvent::DragEnter) {
            auto* drag = static_cast<QDragEnterEvent*>(event);
            if (drag->mimeData()->hasUrls()) drag->acceptProposedAction();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            QStringList paths;
            for (const QUrl& url : drop->mimeData()->urls())
                if (url.isLocalFile()) paths << url.toLocalFile();
            drop->acceptProposedAction();
            // The prompt and the load run after the drop is released, so the
            // desktop is not kept waiting by a modal box.
            if (!paths.isEmpty())
                QMetaObject::invokeMethod(
                    &commands_, [commands = &commands_, paths] { commands->DropFiles(paths); },
                    Qt::QueuedConnection);
            return true;
        }
        return false;
    }

  private:
    QWidget& window_;
    FileCommands& commands_;
};

} // namespace

namespace {

// The comment's bytes in the market's set; a character the set lacks (the
// comment box takes any text) is kept as '?' rather than dropping the comment.
std::string CommentBytes(const Document& document)
{
    const QString& comment = document.Comment();
    const char market = document.Image().MarketLetter();
    if (auto bytes = QStringToMarket(comment, market)) return *bytes;
    std::string bytes;
    for (const QChar ch : comment) {
        const auto byte = MarketCharToByte(ch.unicode(), market);
        bytes.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return bytes;
}

} // namespace

std::string DataFileBytes(const Document& document)
{
    return WriteDataFile(document.Image(), CommentBytes(document));
}

FileDialogPresenter SetFileDialogPresenter(FileDialogPresenter presenter)
{
    return std::exchange(FileDialogs(), std::move(presenter));
}

PrintPresenter SetPrintPresenter(PrintPresenter presenter)
{
    return std::exchange(Printers(), std::move(presenter));
}

BackupChooser SetBackupChooser(BackupChooser chooser)
{
    return std::exchange(Backups(), std::move(chooser));
}

bool HasDataFileSuffix(const QString& path)
{
    return QFileInfo(path).suffix().compare(kDataFileSuffix, Qt::CaseInsensitive) == 0;
}

FileCommands::FileCommands(Document& document, ConfigStore& store, QString& initialFolder, Hooks hooks,
                           QWidget* parent)
    : QObject(parent), document_(document), store_(store), initialFolder_(initialFolder),
      hooks_(std::move(hooks)), parent_(parent)
{
}

void FileCommands::AcceptDropsOn(QWidget& window)
{
    window.installEventFilter(new FileDropFilter(window, *this));
}

std::vector<RecordSlot> FileCommands::CurrentLeftOut() const
{
    return leftOut_.file == document_.FileName() ? leftOut_.entries : std::vector<RecordSlot>{};
}

FileGaps FileCommands::CurrentGaps() const
{
    return leftOut_.file == document_.FileName() ? leftOut_.gaps : FileGaps::Whole();
}

// Remembers the folder of a data file as the dialogs' first folder.
void FileCommands::RememberFolder(const QString& path)
{
    initialFolder_ = QString::fromStdString(SavePath(store_, path.toStdString()));
}

// Reads the file into a freshly reset image, which replaces the document's
// with no history and the data unchanged; a rejected header shows its
// message and leaves the name "Untitled". Records that fail their check are
// left out and remembered for the save and write prompts. A file without a
// comment line keeps the comment there is.
void FileCommands::LoadBytes(const QString& path, const std::string& bytes, const QString& name)
{
    RadioImage image = document_.Image();
    ResetImage(image, ImageReset::ForLoad);
    // A comment line cannot hold a line feed: it marks "no comment read".
    std::string comment = "\n";
    QString shown = name.isEmpty() ? path : name;
    DataFileReport report;
    const bool read = ReadDataFile(bytes, image, comment, report) == DataFileStatus::Loaded;
    leftOut_ = {shown, std::move(report.leftOut), false, std::move(report.earlierLineUsed), report.gaps,
                false};
    if (!read) {
        leftOut_ = {};
        FileOpenError(tr("The file is not a TSL-Q2/Q3 data file."));
        shown = kUntitled;
    }
    const QString text =
        comment != "\n" ? MarketToQString(comment, image.MarketLetter()) : document_.Comment();
    document_.Replace(std::move(image), shown, text);
}

// Tells, once the loaded file is shown, what it lacked and which damaged
// records were left out.
void FileCommands::ReportLeftOut() const
{
    if (leftOut_.file != document_.FileName()) return;
    QStringList lines;
    for (const Message& line : {EndsEarlyMessage(leftOut_.gaps), NotLoadedMessage(leftOut_.entries),
                                EarlierLineUsedMessage(leftOut_.earlierLineUsed)})
        if (!line.Empty()) lines << MessageText(line);
    if (!lines.isEmpty()) ShowMessage(MessageKind::Warning, lines.join(QLatin1Char('\n')));
}

// The first save of an image from a file that ended early: the saved file
// holds the empty records and defaults as if they had been in it.
bool FileCommands::ConfirmSavingIncompleteFile()
{
    const FileGaps gaps = CurrentGaps();
    if (!gaps.Incomplete() || leftOut_.gapsSaved) return true;
    const QString text = MessageText(EndsEarlyMessage(gaps)) +
                         tr("\nThe saved file will hold those values as if they had been in it."
                            "\nDo you want to save?");
    return ShowMessage(MessageKind::Question, text) == MessageButton::Yes;
}

// Saving over the file that damaged records were left out of drops their
// lines from it for good: asked before the first save that replaces it.
bool FileCommands::ConfirmReplacingDamagedFile(const QString& path)
{
    if ((leftOut_.entries.empty() && leftOut_.earlierLineUsed.empty()) || leftOut_.fileReplaced ||
        !SameFile(path, leftOut_.file))
        return true;
    QString text;
    for (const Message& line :
         {NotLoadedMessage(leftOut_.entries), EarlierLineUsedMessage(leftOut_.earlierLineUsed)})
        if (!line.Empty()) text += MessageText(line) + QLatin1Char('\n');
    text += tr("Saving replaces the file, and their lines will be gone from it."
               "\nDo you want to save?");
    return ShowMessage(MessageKind::Question, text) == MessageButton::Yes;
}

// After a save to `path`: the left-out records stay with the image, now
// under the new name, and no file holds their lines any more.
void FileCommands::LeftOutSavedAs(const QString& path)
{
    if (leftOut_.file != document_.FileName()) return;
    if (leftOut_.entries.empty() && leftOut_.earlierLineUsed.empty() && !leftOut_.gaps.Incomplete()) return;
    leftOut_.file = path;
    leftOut_.fileReplaced = true;
    leftOut_.gapsSaved = true;
}

// Writes the image and comment to a file; false (message shown) when any step
// failed, with the previous file untouched and the data still changed. A
// written file is the document's new clean point.
bool FileCommands::WriteImage(const QString& path)
{
    QString reason;
    if (!SaveFileBytes(path, DataFileBytes(document_), &reason)) {
        FileOpenError(reason);
        return false;
    }
    document_.SetDataChanged(false);
    RememberFolder(path);
    return true;
}

std::optional<std::string> FileCommands::ReadDataFileBytes(const QString& path)
{
    if (!HasDataFileSuffix(path)) {
        FileOpenError(NotDataFileName());
        return std::nullopt;
    }
    QString reason;
    std::optional<std::string> bytes = ReadFileBytes(path, &reason);
    if (!bytes) FileOpenError(reason);
    return bytes;
}

void FileCommands::SaveSerialLog(const SerialLog& log)
{
    if (log.Empty()) {
        ShowMessage(MessageKind::Information,
                    tr("Nothing has gone over the line to the radio yet: there is no serial log to save."));
        return;
    }
    const std::optional<QString> chosen =
        ShowFileDialog(parent_, FileDialogKind::SerialLog, initialFolder_, QStringLiteral("serial-log.txt"));
    if (!chosen) return;
    QString reason;
    if (!SaveFileBytes(NativePath(*chosen), log.Text(), &reason)) FileOpenError(reason);
}

void FileCommands::NewFile()
{
    if (hooks_.leaveTextBoxes) hooks_.leaveTextBoxes();
    if (hooks_.promptSaveChanges && !hooks_.promptSaveChanges()) return;
    leftOut_ = {};
    RadioImage image = document_.Image();
    ResetImage(image, ImageReset::ForNew);
    document_.Replace(std::move(image), kUntitled, QString());
}

void FileCommands::OpenFile()
{
    if (hooks_.leaveTextBoxes) hooks_.leaveTextBoxes();
    if (hooks_.promptSaveChanges && !hooks_.promptSaveChanges()) return;
    const std::optional<QString> chosen =
        ShowFileDialog(parent_, FileDialogKind::Open, initialFolder_, QStringLiteral("*.qx"));
    if (!chosen) return;
    const QString path = NativePath(*chosen);
    const std::optional<std::string> bytes = ReadDataFileBytes(path);
    if (!bytes) return;
    LoadBytes(path, *bytes);
    RememberFolder(document_.FileName());
    ReportLeftOut();
}

void FileCommands::OpenBackup(const ReadBackups& backups)
{
    if (hooks_.leaveTextBoxes) hooks_.leaveTextBoxes();
    if (hooks_.promptSaveChanges && !hooks_.promptSaveChanges()) return;
    const std::vector<ReadBackup> list = backups.List();
    const std::optional<QString> chosen = Backups() ? Backups()(list) : ChooseBackup(list, parent_);
    if (!chosen) return;
    QString reason;
    const std::optional<std::string> bytes = ReadFileBytes(*chosen, &reason);
    if (!bytes) {
        FileOpenError(reason);
        return;
    }
    LoadBytes(*chosen, *bytes, kUntitled);
    ReportLeftOut();
}

void FileCommands::Restore(const RecoveryContent& content)
{
    LoadBytes(content.fileName, content.dataFile, content.fileName);
    document_.SetDataChanged(true);
    ReportLeftOut();
}

void FileCommands::SaveFile()
{
    const QString name = document_.FileName();
    if (name != kUntitled && QFileInfo::exists(name)) {
        if (!ConfirmSavingIncompleteFile() || !ConfirmReplacingDamagedFile(name)) return;
        if (WriteImage(name)) LeftOutSavedAs(name);
        return;
    }
    SaveAs();
}

bool FileCommands::SaveAs()
{
    const QString name = document_.FileName();
    const QString proposed = name == kUntitled ? UntitledName() : QFileInfo(name).fileName();
    const std::optional<QString> chosen =
        ShowFileDialog(parent_, FileDialogKind::Save, initialFolder_, proposed);
    if (!chosen) return false;
    const QString path = NativePath(*chosen);
    // A refused name, like a failed write, is not a cancel; the data stays
    // changed, so a command that asked for the save stops there.
    if (!HasDataFileSuffix(path)) {
        FileOpenError(NotDataFileName());
        return true;
    }
    if (!ConfirmSavingIncompleteFile() || !ConfirmReplacingDamagedFile(path)) return false;
    if (WriteImage(path)) {
        LeftOutSavedAs(path);
        document_.SetFileName(path);
    }
    return true;
}

void FileCommands::CommandLineLoad(const QString& path)
{
    const std::optional<std::string> bytes = ReadDataFileBytes(path);
    if (!bytes) return;
    LoadBytes(path, *bytes);
    RememberFolder(document_.FileName());
    ReportLeftOut();
}

void FileCommands::DropFiles(const QStringList& paths)
{
    if (paths.isEmpty()) return;
    const QString path = NativePath(paths.front());
    if (!HasDataFileSuffix(path)) {
        FileOpenError(NotDataFileName());
        return;
    }
    if (hooks_.leaveTextBoxes) hooks_.leaveTextBoxes();
    if (hooks_.promptSaveChanges && !hooks_.promptSaveChanges()) return;
    // A file that cannot be read changes nothing: neither the image nor the
    // name, so that a later Save cannot write over that file.
    const std::optional<std::string> bytes = ReadDataFileBytes(path);
    if (!bytes) return;
    LoadBytes(path, *bytes);
    RememberFolder(path);
    ReportLeftOut();
}

QString FileCommands::ListingCaption() const
{
    if (!parent_) return {};
    const QVariant english = parent_->window()->property(kListingCaptionProperty);
    return english.isValid() ? english.toString() : parent_->window()->windowTitle();
}

void FileCommands::PrintListing()
{
    if (!HasPrinter()) {
        ShowMessage(MessageKind::Warning, Msg::NoDefaultPrinter);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!ShowPrintDialog(parent_, printer)) return;
    const char market = document_.Image().MarketLetter();
    const QString title = ListingCaption();
    const std::vector<ListingPage> pages = BuildListing(document_.Image(), CommentBytes(document_));
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // Printed to a file from the print dialog: written as safely as any
        // other file the program writes.
        QString reason;
        if (!ExportListingPdf(printer.outputFileName(), title, pages, market, &reason, &printer))
            FileOpenError(reason);
        return;
    }
    printer.setDocName(QString::fromLatin1(kPrintJobTitle));
    DrawListing(printer, title, pages, market);
}

void FileCommands::ExportPdf()
{
    const QString name = document_.FileName();
    const QString base = name == kUntitled ? UntitledName() : QFileInfo(name).completeBaseName();
    const std::optional<QString> chosen =
        ShowFileDialog(parent_, FileDialogKind::ExportPdf, initialFolder_, base + QStringLiteral(".pdf"));
    if (!chosen) return;
    QString reason;
    const QString title = ListingCaption();
    if (!ExportListingPdf(NativePath(*chosen), title,
                          BuildListing(document_.Image(), CommentBytes(document_)),
                          document_.Image().MarketLetter(), &reason))
        FileOpenError(reason);
}
