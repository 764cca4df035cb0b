// File and printing commands of the main window.
#include "files/FileCommands.h"

#include "files/DataFile.h"
#include "files/FileIo.h"
#include "files/Listing.h"
#include "files/Printing.h"
#include "mainwin/MainWindow.h"
#include "model/Profile.h"
#include "model/TextCodec.h"
#include "ui/Messages.h"
#include "ui/QtText.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTabWidget>
#include <QUrl>

namespace {

FileDialogPresenter& FileDialogs()
{
    static FileDialogPresenter presenter;
    return presenter;
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
        dialog.setNameFilter(QStringLiteral("PDF Files(*.pdf)"));
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
    } else {
        dialog.setNameFilter(kDataFileFilter);
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

void FileOpenError()
{
    ShowMessage(MessageKind::Error, Msg::FileOpenError);
}

// A file that could not be written: the message with the reason below it.
void FileWriteError(const QString& reason)
{
    ShowMessage(MessageKind::Error, Msg::FileOpenError + QLatin1Char('\n') + reason);
}

// The comment's bytes in the market's set; a character the set lacks (the
// comment box takes any text) is kept as '?' rather than dropping the comment.
std::string CommentBytes(const MainWindow& form)
{
    const QString comment = form.Comment();
    if (auto bytes = QStringToMarket(comment, form.Market())) return *bytes;
    std::string bytes;
    for (const QChar ch : comment) {
        const auto byte = MarketCharToByte(ch.unicode(), form.Market());
        bytes.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return bytes;
}

// Remembers the folder of a data file as the dialogs' first folder.
void RememberFolder(MainWindow& form, const QString& path)
{
    form.SetInitialFolder(QString::fromStdString(SavePath(form.Store(), path.toStdString())));
}

// Resets the image for a load and reads the file into it; a rejected header
// shows its message and leaves the name "Untitled". Records that fail their
// check are left out and remembered for the save and write prompts.
void LoadBytes(MainWindow& form, const QString& path, const std::string& bytes)
{
    form.SetFileName(path);
    ResetImage(form.Image(), ImageReset::ForLoad);
    // A comment line cannot hold a line feed: it marks "no comment read".
    std::string comment = "\n";
    form.LeftOut() = {path, {}, false};
    if (ReadDataFile(bytes, form.Image(), comment, &form.LeftOut().entries) == DataFileStatus::BadHeader) {
        FileOpenError();
        form.SetFileName(kUntitled);
    } else if (comment != "\n") {
        form.SetComment(MarketToQString(comment, form.Market()));
    }
}

// Tells, once the loaded file is shown, which damaged records were left out.
void ReportLeftOut(const MainWindow& form)
{
    const std::vector<RecordSlot> list = form.CurrentLeftOut();
    if (!list.empty()) ShowMessage(MessageKind::Warning, QString::fromStdString(NotLoadedMessage(list)));
}

bool SameFile(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && (a == b || QFileInfo(a) == QFileInfo(b));
}

// Saving over the file that damaged records were left out of drops their
// lines from it for good: asked before the first save that replaces it.
bool ConfirmReplacingDamagedFile(MainWindow& form, const QString& path)
{
    const MainWindow::LeftOutRecords& leftOut = form.LeftOut();
    if (leftOut.entries.empty() || leftOut.fileReplaced || !SameFile(path, leftOut.file)) return true;
    const QString text = QString::fromStdString(NotLoadedMessage(leftOut.entries)) +
                         QStringLiteral("\nSaving replaces the file, and their lines will be gone from it."
                                        "\nDo you want to save?");
    return ShowMessage(MessageKind::Question, text) == MessageButton::Yes;
}

// After a save to `path`: the left-out records stay with the image, now
// under the new name, and no file holds their lines any more.
void LeftOutSavedAs(MainWindow& form, const QString& path)
{
    MainWindow::LeftOutRecords& leftOut = form.LeftOut();
    if (leftOut.entries.empty() || leftOut.file != form.FileName()) return;
    leftOut.file = path;
    leftOut.fileReplaced = true;
}

// Writes the image and comment to a file; false (message shown) when any step
// failed, with the previous file untouched and the data changed flag kept.
bool WriteImage(MainWindow& form, const QString& path)
{
    QString reason;
    if (!SaveFileBytes(path, WriteDataFile(form.Image(), CommentBytes(form)), &reason)) {
        FileWriteError(reason);
        return false;
    }
    form.SetDataChanged(false);
    RememberFolder(form, path);
    return true;
}

QString NativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Accepts files dragged from the desktop onto the window.
class FileDropFilter : public QObject
{
  public:
    explicit FileDropFilter(MainWindow& form) : QObject(&form), form_(form) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &form_) return false;
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
                    &form_, [form = &form_, paths] { form->DropFiles(paths); }, Qt::QueuedConnection);
            return true;
        }
        return false;
    }

  private:
    MainWindow& form_;
};

} // namespace

FileDialogPresenter SetFileDialogPresenter(FileDialogPresenter presenter)
{
    return std::exchange(FileDialogs(), std::move(presenter));
}

PrintPresenter SetPrintPresenter(PrintPresenter presenter)
{
    return std::exchange(Printers(), std::move(presenter));
}

bool HasDataFileSuffix(const QString& path)
{
    return QFileInfo(path).suffix().compare(kDataFileSuffix, Qt::CaseInsensitive) == 0;
}

void MainWindow::NewFile()
{
    pages_->setFocus();
    if (!PromptSaveChanges()) return;
    SetFileName(kUntitled);
    LeftOut() = {};
    ResetImage(Image(), ImageReset::ForNew);
    ClearGridCells();
    SetComment(QString());
    RefreshAllViews();
    SetDataChanged(false);
}

void MainWindow::OpenFile()
{
    pages_->setFocus();
    if (!PromptSaveChanges()) return;
    const std::optional<QString> chosen =
        ShowFileDialog(this, FileDialogKind::Open, InitialFolder(), QStringLiteral("*.qx"));
    if (!chosen) return;
    const QString path = NativePath(*chosen);
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes || !HasDataFileSuffix(path)) {
        FileOpenError();
        return;
    }
    LoadBytes(*this, path, *bytes);
    RefreshAllViews();
    RememberFolder(*this, FileName());
    SetDataChanged(false);
    ReportLeftOut(*this);
}

void MainWindow::SaveFile()
{
    if (FileName() != kUntitled && QFileInfo::exists(FileName())) {
        if (!ConfirmReplacingDamagedFile(*this, FileName())) return;
        if (WriteImage(*this, FileName())) LeftOutSavedAs(*this, FileName());
        return;
    }
    SaveAs();
}

bool MainWindow::SaveAs()
{
    const QString proposed = FileName() == kUntitled ? kUntitled : QFileInfo(FileName()).fileName();
    const std::optional<QString> chosen =
        ShowFileDialog(this, FileDialogKind::Save, InitialFolder(), proposed);
    if (!chosen) return false;
    const QString path = NativePath(*chosen);
    // A refused name, like a failed write, is not a cancel; the data changed
    // flag stays set, so a command that asked for the save stops there.
    if (!HasDataFileSuffix(path)) {
        FileWriteError(QStringLiteral("The name of a data file must end in .qx."));
        return true;
    }
    if (!ConfirmReplacingDamagedFile(*this, path)) return false;
    if (WriteImage(*this, path)) {
        LeftOutSavedAs(*this, path);
        SetFileName(path);
    }
    return true;
}

void MainWindow::CommandLineLoad(const QString& path)
{
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes || !HasDataFileSuffix(path)) {
        FileOpenError();
        return;
    }
    LoadBytes(*this, path, *bytes);
    RefreshAllViews();
    RememberFolder(*this, FileName());
    SetDataChanged(false);
    ReportLeftOut(*this);
}

void MainWindow::DropFiles(const QStringList& paths)
{
    if (paths.isEmpty()) return;
    const QString path = NativePath(paths.front());
    if (HasDataFileSuffix(path)) {
        pages_->setFocus();
        if (!PromptSaveChanges()) return;
        // A file that cannot be read changes nothing: neither the image nor
        // the name, so that a later Save cannot write over that file.
        if (const std::optional<std::string> bytes = ReadFileBytes(path)) {
            LoadBytes(*this, path, *bytes);
            RefreshAllViews();
            RememberFolder(*this, path);
            SetDataChanged(false);
            ReportLeftOut(*this);
        } else {
            FileOpenError();
        }
    } else {
        FileOpenError();
    }
    SetFileName(FileName());
}

void MainWindow::PrintListing()
{
    if (!HasPrinter()) {
        ShowMessage(MessageKind::Warning, Msg::NoDefaultPrinter);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!ShowPrintDialog(this, printer)) return;
    const std::vector<ListingPage> pages = BuildListing(Image(), CommentBytes(*this));
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // Printed to a file from the print dialog: written as safely as any
        // other file the program writes.
        QString reason;
        if (!ExportListingPdf(printer.outputFileName(), windowTitle(), pages, Market(), &reason, &printer))
            FileWriteError(reason);
        return;
    }
    printer.setDocName(QString::fromLatin1(kPrintJobTitle));
    DrawListing(printer, windowTitle(), pages, Market());
}

void MainWindow::ExportPdf()
{
    const QString base = FileName() == kUntitled ? kUntitled : QFileInfo(FileName()).completeBaseName();
    const std::optional<QString> chosen =
        ShowFileDialog(this, FileDialogKind::ExportPdf, InitialFolder(), base + QStringLiteral(".pdf"));
    if (!chosen) return;
    QString reason;
    if (!ExportListingPdf(NativePath(*chosen), windowTitle(), BuildListing(Image(), CommentBytes(*this)),
                          Market(), &reason))
        FileWriteError(reason);
}

void ConnectFileCommands(MainWindow& form)
{
    form.exportPdfAction_ = new QAction(QStringLiteral("&Export Listing as PDF..."), &form);
    // Right below Print..., before the separator that precedes Exit.
    const QList<QAction*> items = form.fileMenu_->actions();
    const qsizetype print = items.indexOf(form.printAction_);
    form.fileMenu_->insertAction(print >= 0 && print + 1 < items.size() ? items[print + 1] : form.exitAction_,
                                 form.exportPdfAction_);
    MainWindow::SetHelpContext(form.exportPdfAction_, 26);

    const auto wire = [&form](QAction* action, void (MainWindow::*handler)()) {
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, &form, handler);
    };
    wire(form.newAction_, &MainWindow::NewFile);
    wire(form.NewButton, &MainWindow::NewFile);
    wire(form.openAction_, &MainWindow::OpenFile);
    wire(form.OpenButton, &MainWindow::OpenFile);
    wire(form.saveAction_, &MainWindow::SaveFile);
    wire(form.SaveButton, &MainWindow::SaveFile);
    form.saveAsAction_->setEnabled(true);
    QObject::connect(form.saveAsAction_, &QAction::triggered, &form, [&form] { form.SaveAs(); });
    wire(form.printAction_, &MainWindow::PrintListing);
    wire(form.PrintButton, &MainWindow::PrintListing);
    wire(form.exportPdfAction_, &MainWindow::ExportPdf);

    form.SaveAsHandler = [&form] { return form.SaveAs(); };
    form.CommandLineLoadHandler = [&form](const QString& path) { form.CommandLineLoad(path); };
    form.installEventFilter(new FileDropFilter(form));
}
