// The main window's Read and Write commands.
#include "mainwin/MainWindow.h"

#include "link/ReadDialog.h"
#include "link/WriteDialog.h"
#include "link/WriteTransfer.h"
#include "model/Profile.h"
#include "ui/Messages.h"

#include <QAction>

namespace {

// The port by its device-namespace name, as the commands test it.
std::string DevicePathOf(const QString& portName)
{
    return "\\\\.\\" + portName.toStdString();
}

} // namespace

void MainWindow::ConnectLinkCommands()
{
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
}

void MainWindow::ReadCommand()
{
    ReadDialog form(image_, static_cast<LinkScope>(Scope()), PortNumber(PortName().toStdString()), this);
    if (!form.port_.CheckCommportValid(DevicePathOf(PortName()))) {
        ShowMessage(MessageKind::Warning, ReadPortInvalidMessage(form.port_));
        return;
    }
    if (DataChanged() && !PromptSaveChanges()) return;
    if (PrepareTransferDialog) PrepareTransferDialog(form);
    form.exec();
    // A read that did not finish changed nothing (the image included), and
    // the dialog has said so.
    if (form.Outcome() != TransferOutcome::Completed) return;
    ShowRadioCaption();
    // The radio may have reported another model or version.
    SetupVfoAndCallGrids();
    SetMarketFonts();
    RefreshAllViews();
    SaveLimits(Store(), image_);
    SetDataChanged(true);
}

void MainWindow::WriteCommand()
{
    WriteDialog form(image_, static_cast<LinkScope>(Scope()), PortNumber(PortName().toStdString()), this);
    if (!form.port_.CheckCommportValid(DevicePathOf(PortName()))) {
        ShowMessage(MessageKind::Warning, WritePortInvalidMessage(form.port_));
        return;
    }
    // Records that would not be sent, or slots that a damaged file left
    // empty, are named before the operator confirms.
    const LinkScope scope = static_cast<LinkScope>(Scope());
    QString confirm = Msg::WriteConfirm;
    for (const std::string& note : {UnsendableNote(UnsendableRecords(image_, scope)),
                                    LeftOutWriteNote(LeftOutInScope(CurrentLeftOut(), scope))})
        if (!note.empty()) confirm = QString::fromStdString(note) + QLatin1Char('\n') + confirm;
    if (ShowMessage(MessageKind::Question, confirm) != MessageButton::Yes) return;
    if (PrepareTransferDialog) PrepareTransferDialog(form);
    form.exec();
}
