// The commands the main window composes: the file and printing commands, the
// channel list commands and the radio commands, each a unit of its own on the
// document, wired here to the window's menu items and buttons.
#include "mainwin/MainWindow.h"

#include "files/CsvCommands.h"
#include "files/FileCommands.h"
#include "files/ReadBackups.h"
#include "link/LinkCommands.h"
#include "ui/HelpContext.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

LeftOutRecords& MainWindow::LeftOut()
{
    return files_->LeftOut();
}

std::vector<RecordSlot> MainWindow::CurrentLeftOut() const
{
    return files_->CurrentLeftOut();
}

void MainWindow::ConnectFileCommands()
{
    FileCommands::Hooks hooks;
    hooks.promptSaveChanges = [this] { return PromptSaveChanges(); };
    hooks.leaveTextBoxes = [this] { pages_->setFocus(); };
    files_ = new FileCommands(document_, *store_, initialFolder_, std::move(hooks), this);

    exportPdfAction_ = new QAction(tr("&Export Listing as PDF..."), this);
    // Right below Print..., before the separator that precedes Exit.
    const QList<QAction*> items = fileMenu_->actions();
    const qsizetype print = items.indexOf(printAction_);
    fileMenu_->insertAction(print >= 0 && print + 1 < items.size() ? items[print + 1] : exitAction_,
                            exportPdfAction_);
    SetHelpContext(exportPdfAction_, 26);

    const auto wire = [this](QAction* action, void (FileCommands::*handler)()) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, files_, handler);
    };
    wire(newAction_, &FileCommands::NewFile);
    wire(NewButton, &FileCommands::NewFile);
    wire(openAction_, &FileCommands::OpenFile);
    wire(OpenButton, &FileCommands::OpenFile);
    wire(saveAction_, &FileCommands::SaveFile);
    wire(SaveButton, &FileCommands::SaveFile);
    saveAsAction_->setEnabled(true);
    connect(saveAsAction_, &QAction::triggered, files_, [this] { files_->SaveAs(); });
    wire(printAction_, &FileCommands::PrintListing);
    wire(PrintButton, &FileCommands::PrintListing);
    wire(exportPdfAction_, &FileCommands::ExportPdf);

    SaveAsHandler = [this] { return files_->SaveAs(); };
    CommandLineLoadHandler = [this](const QString& path) { files_->CommandLineLoad(path); };
    files_->AcceptDropsOn(*this);
}

void MainWindow::ConnectCsvCommands()
{
    channelLists_ = new CsvCommands(document_, initialFolder_, this);
    importCsvAction_ = new QAction(tr("&Import Channels (CSV)..."), this);
    exportCsvAction_ = new QAction(tr("Expor&t Channels (CSV)..."), this);
    // Right below Save As..., before the separator that precedes Print.
    const QList<QAction*> items = fileMenu_->actions();
    const qsizetype saveAs = items.indexOf(saveAsAction_);
    QAction* before = saveAs >= 0 && saveAs + 1 < items.size() ? items[saveAs + 1] : exitAction_;
    fileMenu_->insertAction(before, importCsvAction_);
    fileMenu_->insertAction(before, exportCsvAction_);
    SetHelpContext(importCsvAction_, 35);
    SetHelpContext(exportCsvAction_, 36);
    connect(importCsvAction_, &QAction::triggered, channelLists_, &CsvCommands::ImportCsv);
    connect(exportCsvAction_, &QAction::triggered, channelLists_, &CsvCommands::ExportCsv);
}

void MainWindow::ConnectLinkCommands()
{
    LinkCommands::Hooks hooks;
    hooks.promptSaveChanges = [this] { return PromptSaveChanges(); };
    hooks.leftOut = [this] { return CurrentLeftOut(); };
    hooks.fileGaps = [this] { return files_->CurrentGaps(); };
    hooks.readCompleted = [this] {
        ShowRadioCaption();
        // The radio may have reported another model or version.
        SetupVfoAndCallGrids();
        SetMarketFonts();
        RefreshAllViews();
    };
    hooks.radioRead = [this](const RadioImage& image, RadioBaseline::Source source) {
        KeepReadBackup(image,
                       source == RadioBaseline::Source::Compare ? BackupKind::Compare : BackupKind::Read);
    };
    hooks.prepareDialog = [this](TransferDialog& dialog) {
        if (PrepareTransferDialog) PrepareTransferDialog(dialog);
    };
    link_ = new LinkCommands(document_, *store_, std::move(hooks), this);

    const struct
    {
        QAction* action;
        TransferScope scope;
        bool read;
    } commands[] = {
        {readAllAction_, TransferScope::All, true},
        {readMemoryAction_, TransferScope::Memory, true},
        {readMenuAction_, TransferScope::Menu, true},
        {ReadButton, TransferScope::All, true},
        {readAllButtonAction_, TransferScope::All, true},
        {readMemoryButtonAction_, TransferScope::Memory, true},
        {readMenuButtonAction_, TransferScope::Menu, true},
        {writeAllAction_, TransferScope::All, false},
        {writeMemoryAction_, TransferScope::Memory, false},
        {writeMenuAction_, TransferScope::Menu, false},
        {WriteButton, TransferScope::All, false},
        {writeAllButtonAction_, TransferScope::All, false},
        {writeMemoryButtonAction_, TransferScope::Memory, false},
        {writeMenuButtonAction_, TransferScope::Menu, false},
    };
    for (const auto& command : commands) {
        if (!command.action) continue;
        command.action->setEnabled(true);
        const TransferScope scope = command.scope;
        if (command.read)
            connect(command.action, &QAction::triggered, this, [this, scope] {
                SetScope(scope);
                ReadCommand();
            });
        else
            connect(command.action, &QAction::triggered, this, [this, scope] {
                SetScope(scope);
                WriteCommand();
            });
    }

    // Write > Changes, Compare with Radio... and Verify After Write, beside
    // the transfers of the description.
    writeChangesAction_ = new QAction(tr("&Changes"), this);
    writeMenu_->addSeparator();
    writeMenu_->addAction(writeChangesAction_);
    compareAction_ = new QAction(tr("&Compare with Radio..."), this);
    verifyAfterWriteAction_ = new QAction(tr("&Verify After Write"), this);
    verifyAfterWriteAction_->setCheckable(true);
    verifyAfterWriteAction_->setChecked(link_->VerifyAfterWrite());
    const QList<QAction*> items = radioMenu_->actions();
    const qsizetype write = items.indexOf(writeMenu_->menuAction());
    QAction* before = write >= 0 && write + 1 < items.size() ? items[write + 1] : nullptr;
    radioMenu_->insertAction(before, compareAction_);
    radioMenu_->insertAction(before, verifyAfterWriteAction_);
    SetHelpContext(writeChangesAction_, 71);
    SetHelpContext(compareAction_, 72);
    SetHelpContext(verifyAfterWriteAction_, 73);
    radioMenu_->setToolTipsVisible(true);
    writeMenu_->setToolTipsVisible(true);
    connect(writeChangesAction_, &QAction::triggered, this, [this] { link_->WriteChanges(PortName()); });
    connect(compareAction_, &QAction::triggered, this, [this] { link_->Compare(PortName()); });
    connect(verifyAfterWriteAction_, &QAction::toggled, this,
            [this](bool on) { link_->SetVerifyAfterWrite(on); });
    connect(link_, &LinkCommands::BaselineChanged, this, &MainWindow::UpdateWriteChangesAction);
    connect(&document_, &Document::ImageReplaced, this, &MainWindow::UpdateWriteChangesAction);
    UpdateWriteChangesAction();
}

void MainWindow::ConnectSerialLog()
{
    saveSerialLogAction_ = new QAction(tr("Save &Serial Log..."), this);
    // Below Help Topics, before the separator that precedes About.
    const QList<QAction*> items = helpMenu_->actions();
    const qsizetype topics = items.indexOf(helpTopicsAction_);
    helpMenu_->insertAction(topics >= 0 && topics + 1 < items.size() ? items[topics + 1] : aboutAction_,
                            saveSerialLogAction_);
    SetHelpContext(saveSerialLogAction_, 96);
    connect(saveSerialLogAction_, &QAction::triggered, this,
            [this] { files_->SaveSerialLog(link_->LastSerialLog()); });
}

void MainWindow::UpdateWriteChangesAction()
{
    const QString why = link_->WriteChangesUnavailable();
    writeChangesAction_->setEnabled(why.isEmpty());
    writeChangesAction_->setToolTip(
        why.isEmpty() ? tr("Writes only the records that differ from what the radio holds") : why);
}

void MainWindow::ReadCommand()
{
    link_->Read(static_cast<LinkScope>(Scope()), PortName());
}

void MainWindow::WriteCommand()
{
    link_->Write(static_cast<LinkScope>(Scope()), PortName());
}
