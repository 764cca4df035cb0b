// The main window's Read and Write commands.
#include "mainwin/Main.h"

#include "link/Read.h"
#include "link/Write.h"
#include "link/WriteTransfer.h"
#include "mainwin/Messages.h"
#include "model/Profile.h"

#include <QAction>

namespace {

// The port by its device-namespace name, as the commands test it.
std::string DevicePathOf(const QString& portName)
{
    return "\\\\.\\" + portName.toStdString();
}

} // namespace

void TMainForm::ConnectLinkCommands()
{
    const struct
    {
        QAction* action;
        TransferScope scope;
        bool read;
    } commands[] = {
        {ReadAll1, TransferScope::All, true},         {ReadMemory1, TransferScope::Memory, true},
        {ReadMenu1, TransferScope::Menu, true},       {ReadButton, TransferScope::All, true},
        {ReadAll2, TransferScope::All, true},         {ReadMemory2, TransferScope::Memory, true},
        {ReadMenu2, TransferScope::Menu, true},       {WriteAll1, TransferScope::All, false},
        {WriteMemory1, TransferScope::Memory, false}, {WriteMenu1, TransferScope::Menu, false},
        {WriteButton, TransferScope::All, false},     {WriteAll2, TransferScope::All, false},
        {WriteMemory2, TransferScope::Memory, false}, {WriteMenu2, TransferScope::Menu, false},
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

void TMainForm::ReadCommand()
{
    TReadForm form(image_, static_cast<LinkScope>(Scope()), PortNumber(PortName().toStdString()), this);
    if (!form.KComm1.CheckCommportValid(DevicePathOf(PortName()))) {
        ShowMessage(MessageKind::Warning, ReadPortInvalidMessage(form.KComm1));
        return;
    }
    if (DataChanged() && !PromptSaveChanges()) return;
    if (PrepareTransferForm) PrepareTransferForm(form);
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

void TMainForm::WriteCommand()
{
    TWriteForm form(image_, static_cast<LinkScope>(Scope()), PortNumber(PortName().toStdString()), this);
    if (!form.KComm1.CheckCommportValid(DevicePathOf(PortName()))) {
        ShowMessage(MessageKind::Warning, WritePortInvalidMessage(form.KComm1));
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
    if (PrepareTransferForm) PrepareTransferForm(form);
    form.exec();
}
