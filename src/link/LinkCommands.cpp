// The Read and Write commands on a document.
#include "link/LinkCommands.h"

#include "document/Document.h"
#include "link/ReadDialog.h"
#include "link/WriteDialog.h"
#include "link/WriteTransfer.h"
#include "model/Profile.h"
#include "ui/Messages.h"

namespace {

// The port by its device-namespace name, as the commands test it.
std::string DevicePathOf(const QString& portName)
{
    return "\\\\.\\" + portName.toStdString();
}

} // namespace

LinkCommands::LinkCommands(Document& document, ConfigStore& store, Hooks hooks, QWidget* parent)
    : QObject(parent), document_(document), store_(store), hooks_(std::move(hooks)), parent_(parent)
{
}

void LinkCommands::Read(LinkScope scope, const QString& portName)
{
    // The transfer reads into a copy; the document takes it only when the
    // whole read has finished.
    RadioImage image = document_.Image();
    ReadDialog form(image, scope, PortNumber(portName.toStdString()), parent_);
    if (!form.port_.CheckCommportValid(DevicePathOf(portName))) {
        ShowMessage(MessageKind::Warning, ReadPortInvalidMessage(form.port_));
        return;
    }
    if (document_.DataChanged() && hooks_.promptSaveChanges && !hooks_.promptSaveChanges()) return;
    if (hooks_.prepareDialog) hooks_.prepareDialog(form);
    form.exec();
    // A read that did not finish changed nothing, and the dialog has said so.
    if (form.Outcome() != TransferOutcome::Completed) return;
    // The radio's data is unsaved data, with no history of edits.
    document_.Replace(std::move(image), QStringLiteral("Untitled"), document_.Comment(), true);
    if (hooks_.readCompleted) hooks_.readCompleted();
    SaveLimits(store_, document_.Image());
}

void LinkCommands::Write(LinkScope scope, const QString& portName)
{
    WriteDialog form(document_.Image(), scope, PortNumber(portName.toStdString()), parent_);
    if (!form.port_.CheckCommportValid(DevicePathOf(portName))) {
        ShowMessage(MessageKind::Warning, WritePortInvalidMessage(form.port_));
        return;
    }
    // Records that would not be sent, or slots that a damaged file left
    // empty, are named before the operator confirms.
    const std::vector<RecordSlot> leftOut = hooks_.leftOut ? hooks_.leftOut() : std::vector<RecordSlot>{};
    QString confirm = Msg::WriteConfirm;
    for (const std::string& note : {UnsendableNote(UnsendableRecords(document_.Image(), scope)),
                                    LeftOutWriteNote(LeftOutInScope(leftOut, scope))})
        if (!note.empty()) confirm = QString::fromStdString(note) + QLatin1Char('\n') + confirm;
    if (ShowMessage(MessageKind::Question, confirm) != MessageButton::Yes) return;
    if (hooks_.prepareDialog) hooks_.prepareDialog(form);
    form.exec();
}
