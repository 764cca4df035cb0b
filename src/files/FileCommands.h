// The file commands (New, Open..., Save, Save As..., the command-line load,
// dropped files) and the printing commands (Print..., Export Listing as
// PDF...) on a document. The main window composes them and wires its menu
// items and buttons to them. The dialogs they show go through replaceable
// presenters so that tests answer them without a modal loop.
#pragma once

#include "files/FileGaps.h"
#include "model/RecordCheck.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class ConfigStore;
class Document;
class QPrinter;
class QWidget;
class ReadBackups;
class SerialLog;
struct ReadBackup;
struct RecoveryContent;

enum class FileDialogKind {
    Open,      // open a data file
    Save,      // save a data file
    ExportPdf, // save the listing as a PDF file
    SerialLog, // save the serial log of the last transfer
};

// Shows a file dialog starting in `folder` with `proposedName` filled in;
// the chosen full path, or nullopt when cancelled.
using FileDialogPresenter = std::function<std::optional<QString>(FileDialogKind kind, const QString& folder,
                                                                 const QString& proposedName)>;
// Replaces the presenter and returns the previous one; empty restores the
// platform's file dialogs.
FileDialogPresenter SetFileDialogPresenter(FileDialogPresenter presenter);

// Whether a printer is installed, and the print dialog on a printer that is
// set up from it (true when the operator chose to print).
struct PrintPresenter
{
    std::function<bool()> hasPrinter;
    std::function<bool(QPrinter&)> printDialog;
};
// Replaces the presenter and returns the previous one; empty members restore
// the platform's printer list and print dialog.
PrintPresenter SetPrintPresenter(PrintPresenter presenter);

// Shows the backups of reads (newest first) and returns the path of the one
// chosen, or nullopt when cancelled.
using BackupChooser = std::function<std::optional<QString>(const std::vector<ReadBackup>& backups)>;
// Replaces the chooser and returns the previous one; empty restores the
// Open Backup dialog.
BackupChooser SetBackupChooser(BackupChooser chooser);

// The data file of the document, as Save writes it.
std::string DataFileBytes(const Document& document);

// The dialogs' file filter (shown through FileCommands::tr) and default
// extension.
inline constexpr char kDataFileFilter[] = QT_TRANSLATE_NOOP("FileCommands", "TSL-Q2/Q3 Files(*.qx)");
inline const QString kDataFileSuffix = QStringLiteral("qx");
inline const QString kUntitled = QStringLiteral("Untitled");
// The window's caption in English ("TSL-Q2/Q3 [Untitled]"), kept as a
// property of the window beside its title in the program's language: the
// printed listing and its PDF carry this one in every language.
inline constexpr char kListingCaptionProperty[] = "listingCaption";

// Whether a name ends in ".qx", letter case ignored.
bool HasDataFileSuffix(const QString& path);

// Records that failed their check when `file` was loaded and were left out
// of the image. They count while the document's file name is `file`: a save
// over that file asks first (until one has replaced it), and a write to the
// radio names them. So do the sections the file lacked: the first save
// anywhere asks, as the saved file will look whole, and a write whose scope
// they lie in asks.
struct LeftOutRecords
{
    QString file;
    std::vector<RecordSlot> entries;
    bool fileReplaced = false;
    std::vector<RecordSlot> earlierLineUsed;
    FileGaps gaps;
    bool gapsSaved = false;
};

class FileCommands : public QObject
{
    Q_OBJECT

  public:
    // What the commands need from the window that composes them.
    struct Hooks
    {
        // The unsaved-changes prompt; true when the command may go on.
        std::function<bool()> promptSaveChanges;
        // Before a prompt: the focus leaves the text boxes of the window.
        std::function<void()> leaveTextBoxes;
    };

    // initialFolder: the open and save dialogs' first folder (profile value
    // "Path"), shared with the window, kept up to date here.
    FileCommands(Document& document, ConfigStore& store, QString& initialFolder, Hooks hooks,
                 QWidget* parent);

    void NewFile();
    void OpenFile();
    void SaveFile();
    // Save As...: false only when the operator cancelled the dialog. A refused
    // name or a failed write answers true with the data still changed.
    bool SaveAs();
    void PrintListing();
    void ExportPdf();
    // The data file named on the command line, at the first showing.
    void CommandLineLoad(const QString& path);
    // Files dropped on the window: the first one is loaded.
    void DropFiles(const QStringList& paths);
    // File > Open Backup...: a backup of a read, chosen from the list, loads
    // as "Untitled", as the read itself did.
    void OpenBackup(const ReadBackups& backups);
    // Brings back the unsaved changes a recovery file kept: under the file
    // name they had, and still to be saved.
    void Restore(const RecoveryContent& content);
    // Accepts files dragged from the desktop onto the widget.
    void AcceptDropsOn(QWidget& window);
    // Help > Save Serial Log...: the exchange of the last transfer as a text
    // file, for a bug report.
    void SaveSerialLog(const SerialLog& log);

    LeftOutRecords& LeftOut() { return leftOut_; }
    // The left-out records of the file the document now names.
    std::vector<RecordSlot> CurrentLeftOut() const;
    // What the file the document now names lacked (nothing for another).
    FileGaps CurrentGaps() const;

  private:
    // The caption the listing prints: the window's in English.
    QString ListingCaption() const;
    // Reads a data file into a fresh image that replaces the document's,
    // under the name `name` (empty: the path).
    void LoadBytes(const QString& path, const std::string& bytes, const QString& name = QString());
    // The bytes of a data file about to be opened; nullopt after "File Open
    // error." and the reason have been shown.
    std::optional<std::string> ReadDataFileBytes(const QString& path);
    bool WriteImage(const QString& path);
    bool ConfirmReplacingDamagedFile(const QString& path);
    bool ConfirmSavingIncompleteFile();
    void LeftOutSavedAs(const QString& path);
    void ReportLeftOut() const;
    void RememberFolder(const QString& path);

    Document& document_;
    ConfigStore& store_;
    QString& initialFolder_;
    Hooks hooks_;
    QWidget* parent_;
    LeftOutRecords leftOut_;
};
