// The main window of TSL-Q2/Q3: it holds the document (the radio image with
// its undo history) for the whole run and shows it on the "Memor&y" page
// (memory, VFO, CALL and DTMF grids) and on the two menu-setting pages,
// redraws what each of the document's steps changed, tracks the active grid,
// and carries the menus, the toolbar and the status bar through which every
// command is reached. It composes the editor dialogs and the file, channel
// list and radio commands, which know only the document.
//
// The class is split by concern: MainWindow.cpp (construction, menus,
// toolbar, layout, the document's signals), MainWindowGrids.cpp (grid set-up
// for the version, RefreshAllViews, the status bar, focus handling),
// MainWindowShell.cpp (first showing, closing, help, About),
// MainWindowCommands.cpp and MainWindowEditors.cpp (the composed commands and
// editors), EditCommands.cpp and PortSelect.cpp.
#pragma once

#include "document/Document.h"
#include "files/FileCommands.h"
#include "mainwin/ChannelGrid.h"
#include "model/RadioImage.h"
#include "model/RecordCheck.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ChannelsPage;
class ConfigStore;
class CsvCommands;
class LinkCommands;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;
class QTableWidget;
class QToolBar;
class QToolButton;
class QValidator;
class HelpViewer;
class ReadBackups;
enum class BackupKind;
class RecoveryFile;
class MenuPages;
class SetupDialog;
class TransferDialog;
struct EditTarget;
struct StatusTexts;

// Which grid holds the focus. The edit commands and the status bar act on it.
enum class GridId { None = 0, Memory = 1, Vfo = 2, Call = 3, Dtmf = 4 };

// What the next read or write covers.
enum class TransferScope { All = 0, Memory = 1, Menu = 2 };

// How the window starts. The program passes its command line; tests pass
// an isolated store, no splash and a stand-in for the modal setup dialog.
struct MainWindowOptions
{
    ConfigStore* store = nullptr; // null: the per-user configuration store
    bool showSplash = true;       // splash window at the first showing
    QString commandLineFile;      // data file named on the command line
    QString workingDirectory;     // default of "Path"; empty: the current folder
    QString helpFolder;           // empty: help/ beside the executable, then ../share/tslq/help
    // Backups of reads and recovery files; empty: the user's data folder
    // (QStandardPaths::AppDataLocation).
    QString dataFolder;
    // Shows the version setup dialog on the very first start; empty: modally.
    std::function<void(SetupDialog&)> showSetup;
};

class MainWindow : public QMainWindow
{
    Q_OBJECT

  public:
    using Options = MainWindowOptions;

    explicit MainWindow(const Options& options = Options{}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // ---- Image and state -------------------------------------------------
    // The document holds the image, the file name, the comment and the data
    // changed state; every change of the image is one of its undo steps.
    Document& Doc() { return document_; }
    const Document& Doc() const { return document_; }
    const RadioImage& Image() const { return document_.Image(); }
    ConfigStore& Store() { return *store_; }
    char Market() const { return Image().MarketLetter(); }

    bool DataChanged() const { return document_.DataChanged(); }
    // As the document's: true keeps the data changed until the next save or
    // replace; false makes the present state the saved one.
    void SetDataChanged(bool changed) { document_.SetDataChanged(changed); }

    GridId ActiveGrid() const { return activeGrid_; }
    TransferScope Scope() const { return transferScope_; }
    void SetScope(TransferScope scope) { transferScope_ = scope; }

    const QString& PortName() const { return portName_; }
    // Sets the port name and puts the check mark on its Port Select item only.
    void SetPortName(const QString& name);

    const QString& CaptionBase() const { return captionBase_; }
    const QString& FileName() const { return document_.FileName(); }
    // Sets the file name and shows the caption base with it in brackets.
    void SetFileName(const QString& name);
    // After a radio read: file name "Untitled", caption base + " [Radio]".
    void ShowRadioCaption();

    // Initial folder of the open and save dialogs (profile value "Path").
    const QString& InitialFolder() const { return initialFolder_; }
    void SetInitialFolder(const QString& folder) { initialFolder_ = folder; }

    // Records a damaged data file left out (see FileCommands).
    LeftOutRecords& LeftOut();
    std::vector<RecordSlot> CurrentLeftOut() const;

    // The operator's comment (the document's). Typing is limited to 50
    // characters; a longer comment from a data file is kept whole.
    const QString& Comment() const { return document_.Comment(); }

    const QString& CommandLineFile() const { return commandLineFile_; }

    // ---- Views -------------------------------------------------------------
    // Rewrites every grid cell and every menu-page control from the image.
    void RefreshAllViews();
    // Rewrites the grid rows of the given slots and the status bar.
    void RefreshRecords(SlotKind kind, const QList<int>& slotNumbers);
    // Fills the four status panels for the active grid's selected row.
    void UpdateStatusBar();
    QString StatusPanelText(int panel) const;
    // Lays out the memory and DTMF grids (row labels); done once.
    void SetupMemoryAndDtmfGrids();
    // Lays out the VFO and CALL grids for the image's market and model, and
    // the version-dependent controls of the menu pages.
    void SetupVfoAndCallGrids();
    // Fonts of the memory grid, status bar, comment and power-on message.
    void SetMarketFonts();
    // Empties the text cells of every grid row (the row labels stay).
    void ClearGridCells();

    // Grids by id; row numbers are those of the grid with its heading row:
    // row 0 is the heading, row 1 the first record (memory slot 0, DTMF 0).
    QTableWidget* Grid(GridId id) const;
    int SelectedRow(GridId id) const; // 0 when nothing is selected
    void SelectRow(GridId id, int row);
    QString GridCell(GridId id, int column, int row) const;
    // Band code of a VFO grid row, CALL index of a CALL grid row (by label).
    int VfoBandOfRow(int row) const;
    int CallIndexOfRow(int row) const;

    // Whether the "Memor&y" page is the active page.
    bool MemoryPageActive() const;
    bool ChannelsPageActive() const;

    // ---- Shell ---------------------------------------------------------------
    // The unsaved-changes prompt: true when the command may go on. Yes runs
    // the Save As command; the command stops when that was cancelled and also
    // when the save failed (the data changed flag is still set), so that edits
    // are never dropped after a failed save.
    bool PromptSaveChanges();
    // Context help numbers of controls and commands (0: no help).
    static void SetHelpContext(QObject* target, int context);
    static int HelpContext(const QObject* target);
    // F1: the topic of the highlighted menu command or the focused control.
    bool ShowContextHelp();
    QString HelpFolder() const { return helpFolder_; }
    HelpViewer* HelpWindow() const { return helpViewer_; }

    // ---- Work supplied by other units ----------------------------------------
    // Set once, by the unit's Connect function (see ConnectCommands); until a
    // unit is built its step is skipped and its commands stay disabled.
    std::function<bool()> SaveAsHandler; // false when the operator cancelled
    std::function<void(const QString&)> CommandLineLoadHandler;
    std::function<void()> UpdateEditCommandsHandler;
    std::array<std::function<void()>, 5> GridEditorHandler; // by GridId: open the grid's editor
    // Runs UpdateEditCommands when the edit commands are built.
    void RunUpdateEditCommands();

    // ---- Commands and controls -------------------------------------------------
    // File
    QMenu* fileMenu_;
    QAction* newAction_;    // "&New" Ctrl+N
    QAction* openAction_;   // "&Open..." Ctrl+O
    QAction* saveAction_;   // "&Save" Ctrl+S
    QAction* saveAsAction_; // "Save &As..."
    QAction* printAction_;  // "&Print..."
    QAction* exitAction_;   // "E&xit"
    // Edit
    QMenu* editMenu_;
    QAction* cutAction_;      // "Cu&t" Ctrl+X
    QAction* copyAction_;     // "&Copy" Ctrl+C
    QAction* pasteAction_;    // "&Paste" Ctrl+V
    QAction* deleteAction_;   // "&Delete" Ctrl+Del
    QAction* sortAction_;     // "Memory channel &Sort..."
    QAction* setFieldAction_; // "Set &Field for Selection...", Channels page only
    // "&Undo ..." Ctrl+Z, "&Redo ..." Ctrl+Y and Ctrl+Shift+Z: they name the
    // step, and stay enabled on the menu pages, where the rest of the Edit
    // menu is not.
    QAction* undoAction_;
    QAction* redoAction_;
    // Radio
    QMenu* radioMenu_;
    QMenu* readMenu_;           // "&Read"
    QAction* readAllAction_;    // "&All"
    QAction* readMemoryAction_; // "&Memory"
    QAction* readMenuAction_;   // "M&enu"
    QMenu* writeMenu_;          // "&Write"
    QAction* writeAllAction_;
    QAction* writeMemoryAction_;
    QAction* writeMenuAction_;
    QAction* writeChangesAction_ = nullptr;     // Write > "&Changes"
    QAction* compareAction_ = nullptr;          // "&Compare with Radio..."
    QAction* verifyAfterWriteAction_ = nullptr; // "&Verify After Write", checkable, stored
    QMenu* portMenu_;                           // "&Port Select"
    std::array<QAction*, 10> portActions_;      // "Com&1" .. "Com1&0"; portActions_[n - 1] is port n
    // Help
    QMenu* helpMenu_;
    QAction* helpTopicsAction_; // "&Help Topics"
    QAction* aboutAction_;      // "&About..."
    // "Save &Serial Log...": the last transfer's exchange with the radio, for
    // a bug report (MainWindowCommands.cpp).
    QAction* saveSerialLogAction_ = nullptr;

    // Pop-up menus of the grids; each item is its own control.
    QMenu* memoryPopup_; // memory grid
    QAction* memoryCutAction_;
    QAction* memoryCopyAction_;
    QAction* memoryPasteAction_;
    QAction* memoryDeleteAction_;
    QAction* lockOutAction_; // "&Lock Out"
    QMenu* vfoPopup_;        // VFO grid
    QAction* vfoCopyAction_;
    QAction* vfoPasteAction_;
    QMenu* callPopup_; // CALL grid
    QAction* callCopyAction_;
    QAction* callPasteAction_;
    QMenu* dtmfPopup_; // DTMF grid
    QAction* dtmfCutAction_;
    QAction* dtmfCopyAction_;
    QAction* dtmfPasteAction_;
    QAction* dtmfDeleteAction_;

    // Toolbar, left to right; Read and Write drop down to All, Memory, Menu.
    QToolBar* toolBar_;
    QAction* NewButton;
    QAction* OpenButton;
    QAction* SaveButton;
    QAction* PrintButton;
    QAction* ReadButton;
    QAction* readAllButtonAction_;
    QAction* readMemoryButtonAction_;
    QAction* readMenuButtonAction_;
    QAction* WriteButton;
    QAction* writeAllButtonAction_;
    QAction* writeMemoryButtonAction_;
    QAction* writeMenuButtonAction_;
    QAction* CutButton;
    QAction* CopyButton;
    QAction* PasteButton;
    QAction* UndoButton; // "Undo"; the tip names the step
    QAction* RedoButton;

    // Pages: "Memor&y", "Menu &1", "Menu &2", "Cha&nnels".
    QTabWidget* pages_;
    QWidget* memoryPage_;
    QWidget* menu1Page_;
    QWidget* menu2Page_;
    ChannelsPage* channelsPage_; // every field of the memory channels in a table
    QGroupBox* memoryGroup_;     // "&Memory Channel"
    QGroupBox* vfoGroup_;        // "&VFO"
    QGroupBox* callGroup_;       // "&CALL Channel"
    QGroupBox* dtmfGroup_;       // "&DTMF Memory"
    ChannelGrid* memoryGrid_;    // memory grid
    ChannelGrid* vfoGrid_;       // VFO grid
    ChannelGrid* callGrid_;      // CALL grid
    ChannelGrid* dtmfGrid_;      // DTMF grid
    QLineEdit* commentEdit_;
    // Controls of the "Menu &1" and "Menu &2" pages (menu1Page_, menu2Page_).
    MenuPages* menuPages_ = nullptr;

    // ---- Commands the window composes -------------------------------------------
    // File, printing, channel list and radio commands on the document; the
    // window's menu items and buttons are wired to them.
    FileCommands& Files() { return *files_; }
    CsvCommands& ChannelLists() { return *channelLists_; }
    QAction* importCsvAction_ = nullptr; // "&Import Channels (CSV)..."
    QAction* exportCsvAction_ = nullptr; // "Expor&t Channels (CSV)..."
    QAction* exportPdfAction_ = nullptr; // "&Export Listing as PDF..."
    // ---- Backups of reads and crash recovery (MainWindowRecovery.cpp) ----------
    QAction* openBackupAction_ = nullptr; // "Open &Backup..."
    const QString& DataFolder() const { return dataFolder_; }
    ReadBackups& Backups() { return *backups_; }
    RecoveryFile& Recovery() { return *recovery_; }
    // Keeps a completed read as a backup, marked with the command that read
    // it; a backup that cannot be written is reported and changes nothing
    // else.
    void KeepReadBackup(const RadioImage& image, BackupKind kind);
    // Offers the unsaved changes that an instance which is gone left behind.
    void OfferRecovery();

    // ---- Channel editors (MainWindowEditors.cpp) --------------------------------
    // Double click or Enter on a grid opens its editor on the selected row.
    void ConnectEditorCommands();
    void OpenMemoryEditor(); // memory grid: "Memory Channel"
    void OpenVfoEditor();    // VFO grid: "VFO"
    void OpenCallEditor();   // CALL grid: "CALL Channel"
    void OpenDtmfEditor();   // DTMF grid: "DTMF Memory"

    // ---- Commands of the shell -----------------------------------------------
    void ShowAbout();
    void ShowHelpTopics();
    void ExitProgram();

    // ---- Edit commands (EditCommands.cpp) -------------------------------------
    void CopyChannel();
    void CutChannel();
    void PasteChannel();
    void DeleteChannel();
    void LockOutChannel();
    void MemoryPopupShown();
    void SortMemory();
    // Re-reads the clipboard into the paste buffer and decides Paste, Cut and
    // Delete for the active grid's selected row.
    void UpdateEditCommands();
    // The active grid's selected row as a slot of the image.
    EditTarget ActiveEditTarget() const;
    // Right-button row selection; source is the grid's cell area or heading.
    void MemoryGridMouseDown(QObject* source, QPoint position);
    void VfoGridMouseDown(QObject* source, QPoint position);
    void CallGridMouseDown(QObject* source, QPoint position);
    void DtmfGridMouseDown(QObject* source, QPoint position);

    // ---- Port selection (PortSelect.cpp) ---------------------------------------
    void ConnectPortSelect();
    // The handler of "Com&1" .. "Com1&0" for port 1..10.
    void ComClick(int port);
    // "&Device...": sets by hand the device that the checked port reaches.
    void SetPortDevice();
    // Status tips of the port items: the device each one reaches now.
    void UpdatePortTips();
    // A simulated radio holding the sample load of its version behind the
    // checked port for this run only; type empty: the configured version.
    // False (after a message) when it failed.
    bool StartSimulation(const QString& type);
    QAction* portDeviceAction_ = nullptr;
    // Asks for a device path (port, current stored path); nullopt when the
    // operator cancelled. Empty: a modal input dialog. Tests replace it.
    std::function<std::optional<QString>(int, const QString&)> AskPortDevice;

    // ---- Radio link (MainWindowCommands.cpp) ------------------------------------
    // The Read and Write commands, run once the transfer scope is set. A
    // read changes the window (image, grids, caption, data changed state,
    // stored profile) only when it has finished.
    void ReadCommand();
    void WriteCommand();
    LinkCommands& Link() { return *link_; }
    // Write > Changes is enabled when the window's data has a baseline of
    // its version; otherwise its tip says why.
    void UpdateWriteChangesAction();
    // Called with each Read and Write dialog just before it is shown (tests
    // shorten its timers or press its buttons); empty: nothing.
    std::function<void(TransferDialog&)> PrepareTransferDialog;

  signals:
    // The first showing is complete: splash closed, command-line file loaded.
    void FirstShown();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreatePages();
    void CreateStatusBar();
    void ConnectCommands();
    void ConnectShellCommands();
    void ConnectGrids();
    void ConnectEditCommands();
    void ConnectFileCommands();
    void ConnectCsvCommands();
    void ConnectLinkCommands();
    void ConnectSerialLog();
    void ConnectBackupsAndRecovery();
    void GridMouseDown(GridId id, QObject* source, QPoint position);
    void AssignHelpContexts();
    void LoadTheProfile(const Options& options, RadioImage& image);
    void FormShowFirst();
    void ShowCaption();
    void PageChanged(int index);
    void GridEnter(GridId id);
    void GridExit(GridId id);
    void GridRowChanged(GridId id);
    void OpenGridEditor(GridId id);
    void SetGroupCaptionBold(GridId id, bool bold);
    void SizeGrid(ChannelGrid* grid, const std::array<int, 4>& widths, int visibleRows);
    GridId GridOf(const QObject* object) const;
    bool GridEvent(GridId id, QEvent* event);
    void SetStatusPanels(const std::array<QString, 4>& texts);
    // The four status texts of a grid row (grid row numbers, 1 = first).
    StatusTexts RowStatusTexts(GridId id, int row) const;

    // ---- Screen readers and the keyboard (MainWindowAccessibility.cpp) -----
    // Names and descriptions of the pages, grids and their headings.
    void DescribeForScreenReaders();
    // A grid row's status texts in words, for a screen reader.
    QString SpokenStatus(GridId id, int row) const;
    // The grid's pop-up menu at its current cell (Shift+F10, the Menu key).
    void ShowGridPopup(GridId id);
    // Undo or Redo one step and tell a screen reader which step it was.
    void UndoOrRedo(bool redo);
    void SizeStatusPanels();
    // First run: the first size, centred on the screen; later runs: the place
    // the window had when it was last closed, when that is on a screen.
    void PlaceWindow();
    void SaveWindowPlace();
    bool FormCloseQuery();

    void ConnectDocument();
    void ShowMemoryRow(int index);
    void ShowComment(const QString& text);
    void SetCommentBox(const QString& text);

    Document document_;
    // Destroyed before the document they watch.
    std::unique_ptr<ReadBackups> backups_;
    std::unique_ptr<RecoveryFile> recovery_;
    QString dataFolder_;
    std::unique_ptr<ConfigStore> ownStore_;
    ConfigStore* store_ = nullptr;
    GridId activeGrid_ = GridId::None;
    TransferScope transferScope_ = TransferScope::All;
    QString portName_;
    QString captionBase_;
    QString initialFolder_;
    QString commandLineFile_;
    QString helpFolder_;
    bool showSplash_ = true;
    bool shownOnce_ = false;
    bool centreWhenShown_ = false;
    bool settingComment_ = false;
    bool radioCaption_ = false; // " [Radio]" until the file name changes
    std::array<QLabel*, 4> statusPanels_{};
    HelpViewer* helpViewer_ = nullptr;
    QValidator* commentValidator_ = nullptr;
    FileCommands* files_ = nullptr;
    CsvCommands* channelLists_ = nullptr;
    LinkCommands* link_ = nullptr;
};
