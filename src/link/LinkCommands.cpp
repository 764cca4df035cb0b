// The Read and Write commands on a document, and the commands that check
// what a write does. The baseline follows every transfer: a complete read or
// compare sets it, a finished write moves it to what was written, a
// read-back to what was found, an unfinished write drops it.
#include "link/LinkCommands.h"

#include "document/Document.h"
#include "link/ReadDialog.h"
#include "link/WriteConfirm.h"
#include "link/WriteDialog.h"
#include "link/WriteTransfer.h"
#include "model/CoreMessages.h"
#include "model/Profile.h"
#include "ui/Messages.h"

#include <QDateTime>

namespace {

// The port by its device-namespace name, as the commands test it.
std::string DevicePathOf(const QString& portName)
{
    return "\\\\.\\" + portName.toStdString();
}

constexpr const char* VerifySetting = "VerifyAfterWrite";

std::int64_t NowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

LinkCommands::LinkCommands(Document& document, ConfigStore& store, Hooks hooks, QWidget* parent)
    : QObject(parent), document_(document), store_(store), hooks_(std::move(hooks)), parent_(parent)
{
    // Every dialog that talks to the radio comes through this hook.
    hooks_.prepareDialog = [this, prepare = std::move(hooks_.prepareDialog)](TransferDialog& dialog) {
        KeepSerialLog(dialog);
        if (prepare) prepare(dialog);
    };
}

// A read-back joins the log of the write it checks; any other transfer
// starts the log anew.
void LinkCommands::KeepSerialLog(TransferDialog& dialog)
{
    if (!dynamic_cast<ReadBackDialog*>(&dialog)) serialLog_.Clear();
    TransferRunner* runner = &dialog.runner_;
    connect(runner, &TransferRunner::Finished, this, [this, runner] { serialLog_.Append(runner->Log()); });
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
    baseline_.Read(document_.Image(), RadioBaseline::Source::Read, scope, NowMs());
    emit BaselineChanged();
    if (hooks_.readCompleted) hooks_.readCompleted();
    SaveLimits(store_, document_.Image());
    if (hooks_.radioRead) hooks_.radioRead(document_.Image(), RadioBaseline::Source::Read);
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
    QString confirm = WriteQuestionText(baseline_, document_.Image(), scope, FileGapsNow());
    for (const Message& note : {UnsendableNote(UnsendableRecords(document_.Image(), scope)),
                                LeftOutWriteNote(LeftOutInScope(leftOut, scope))})
        if (!note.Empty()) confirm = MessageText(note) + QLatin1Char('\n') + confirm;
    switch (ShowMessage(MessageKind::WriteQuestion, confirm)) {
    case MessageButton::Yes:
        break;
    case MessageButton::CompareFirst:
        Compare(portName);
        return;
    default:
        return;
    }
    if (hooks_.prepareDialog) hooks_.prepareDialog(form);
    form.exec();
    const bool finished = form.Outcome() == TransferOutcome::Completed;
    WriteEnded(scope, form.SentSlots(), finished);
    if (finished && VerifyAfterWrite())
        Verify(document_.Image(), form.SentSlots(), PortNumber(portName.toStdString()));
}

void LinkCommands::WriteEnded(LinkScope scope, const SlotSet& sent, bool finished)
{
    baseline_.Written(document_.Image(), scope, sent, finished, NowMs());
    emit BaselineChanged();
}

FileGaps LinkCommands::FileGapsNow() const
{
    return hooks_.fileGaps ? hooks_.fileGaps() : FileGaps::Whole();
}

bool LinkCommands::VerifyAfterWrite() const
{
    return store_.Read(VerifySetting) == "1";
}

void LinkCommands::SetVerifyAfterWrite(bool on)
{
    store_.Write(VerifySetting, on ? "1" : "0");
}

QString LinkCommands::WriteChangesUnavailable() const
{
    return MessageText(baseline_.Unavailable(document_.Image()));
}

void LinkCommands::Compare(const QString& portName)
{
    // The read starts from the document's version, as Read does, but
    // stores into an image of its own.
    RadioImage radio = document_.Image();
    const int port = PortNumber(portName.toStdString());
    ReadDialog form(radio, LinkScope::All, port, parent_);
    if (!form.port_.CheckCommportValid(DevicePathOf(portName))) {
        ShowMessage(MessageKind::Warning, ReadPortInvalidMessage(form.port_));
        return;
    }
    if (hooks_.prepareDialog) hooks_.prepareDialog(form);
    form.exec();
    if (form.Outcome() != TransferOutcome::Completed) return;
    baseline_.Read(radio, RadioBaseline::Source::Compare, LinkScope::All, NowMs());
    emit BaselineChanged();
    if (hooks_.radioRead) hooks_.radioRead(radio, RadioBaseline::Source::Compare);

    const ImageDifferences differences = DescribeDifferences(radio, document_.Image());
    CompareDialog dialog(differences, QString(), parent_);
    // Records of another version neither go to this radio nor fit the window.
    dialog.OfferActions(!differences.versionDiffers, !differences.versionDiffers);
    Act(ShowCompareDialog(dialog), radio, DifferingSlots(radio, document_.Image()), port);
}

void LinkCommands::Act(CompareDialog::Choice choice, const RadioImage& radio, const SlotSet& shown, int port)
{
    switch (choice) {
    case CompareDialog::Choice::WriteChanges:
        WriteSlots(shown, port);
        return;
    case CompareDialog::Choice::TakeRadioValues:
        TakeRadioValues(radio, shown);
        return;
    case CompareDialog::Choice::Close:
        return;
    }
}

void LinkCommands::TakeRadioValues(const RadioImage& radio, const SlotSet& chosen)
{
    std::vector<SlotEdit> edits;
    for (const RecordSlot& slot : chosen.Slots())
        edits.push_back({SlotKindOf(slot.kind), slot.index, SlotRecord(radio, slot)});
    //: The undo step of the compare view's button "Take Radio's Values" (no mnemonic).
    if (!edits.empty()) document_.StoreSlots(edits, tr("Take Radio's Values"));
}

void LinkCommands::WriteChanges(const QString& portName)
{
    if (const QString why = WriteChangesUnavailable(); !why.isEmpty()) {
        ShowMessage(MessageKind::Information, why);
        return;
    }
    const SlotSet changes = DifferingSlots(baseline_.Image(), document_.Image());
    const int port = PortNumber(portName.toStdString());
    WriteDialog form(document_.Image(), changes, port, parent_);
    if (!form.port_.CheckCommportValid(DevicePathOf(portName))) {
        ShowMessage(MessageKind::Warning, WritePortInvalidMessage(form.port_));
        return;
    }
    if (changes.Empty()) {
        //: %1: "the last read at 12:31:05 (KK,0F ZT-Q2)".
        ShowMessage(MessageKind::Information,
                    tr("The radio holds the window's data already, as of %1: nothing to write.")
                        .arg(BaselineText(baseline_)));
        return;
    }
    // The radio cannot be told apart from another of its version: the
    // operator confirms which state it is taken to be in.
    //: %1: "the last read at 12:31:05 (KK,0F ZT-Q2)".
    QString confirm = changes.Count() == 1
                          ? tr("Write the 1 changed record to the radio?\nThe radio is taken to hold what it "
                               "held at %1.")
                          //: %1: "the last read at 12:31:05 (KK,0F ZT-Q2)".
                          : tr("Write the %n changed records to the radio?\nThe radio is taken to hold what "
                               "it held at %1.",
                               nullptr, changes.Count());
    confirm = confirm.arg(BaselineText(baseline_));
    std::vector<DamagedRecord> unsendable = UnsendableRecords(document_.Image(), LinkScope::All);
    std::erase_if(unsendable, [&](const DamagedRecord& record) { return !changes.Contains(record.slot); });
    std::vector<RecordSlot> leftOut = hooks_.leftOut ? hooks_.leftOut() : std::vector<RecordSlot>{};
    std::erase_if(leftOut, [&](const RecordSlot& slot) { return !changes.Contains(slot); });
    for (const Message& note : {UnsendableNote(unsendable), LeftOutWriteNote(leftOut)})
        if (!note.Empty()) confirm = MessageText(note) + QLatin1Char('\n') + confirm;
    if (const QString note = IncompleteWriteNote(FileGapsNow(), changes); !note.isEmpty())
        confirm = note + QLatin1Char('\n') + confirm;
    if (ShowMessage(MessageKind::Question, confirm) != MessageButton::Yes) return;
    WriteSlots(changes, port);
}

void LinkCommands::WriteSlots(const SlotSet& chosen, int port)
{
    WriteDialog form(document_.Image(), chosen, port, parent_);
    if (hooks_.prepareDialog) hooks_.prepareDialog(form);
    form.exec();
    const bool finished = form.Outcome() == TransferOutcome::Completed;
    WriteEnded(LinkScope::All, form.SentSlots(), finished);
    if (finished) Verify(document_.Image(), form.SentSlots(), port);
}

void LinkCommands::Verify(const RadioImage& written, const SlotSet& sent, int port)
{
    // A copy: the document may change while the compare view is open.
    const RadioImage image = written;
    RadioImage readBack = image;
    ReadBackDialog form(readBack, sent, port, parent_);
    if (hooks_.prepareDialog) hooks_.prepareDialog(form);
    form.exec();
    // A read-back that did not finish has said what that means.
    if (form.Outcome() != TransferOutcome::Completed) return;
    const ImageDifferences differences = DescribeDifferences(readBack, image, sent);
    if (differences.Empty()) {
        ShowMessage(MessageKind::Information, tr("The radio holds what was written."));
        return;
    }
    baseline_.ReadBack(readBack, sent);
    emit BaselineChanged();
    SlotSet shown;
    for (const RecordDifference& record : differences.records)
        shown.Insert(record.slot);
    CompareDialog dialog(differences, TransferTr(CompareText::VerifyFailed), parent_);
    Act(ShowCompareDialog(dialog), readBack, shown, port);
}
