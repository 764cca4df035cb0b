// The document: the image with its history of edits. See Document.h.
#include "document/Document.h"

#include "document/DocumentSteps.h"
#include "files/Csv.h"
#include "model/FieldTexts.h"
#include "model/ShownTexts.h"
#include "rules/MenuRules.h"

#include <QUndoStack>

#include <algorithm>
#include <array>
#include <utility>

namespace {

const QString kUntitled = QStringLiteral("Untitled");

int SlotCount(SlotKind kind)
{
    switch (kind) {
    case SlotKind::Memory:
        return MemoryCount;
    case SlotKind::Vfo:
        return VfoCount;
    case SlotKind::Call:
        return CallCount;
    case SlotKind::Dtmf:
        return DtmfCount;
    case SlotKind::ProgramVfo:
        return ProgramVfoCount;
    case SlotKind::MenuSetting:
        return MenuCount;
    }
    return 0;
}

bool SlotExists(SlotKind kind, int slot)
{
    return slot >= 0 && slot < SlotCount(kind);
}

// The image's setters cut text at these capacities.
std::size_t SlotCapacity(SlotKind kind, int slot)
{
    switch (kind) {
    case SlotKind::Memory:
    case SlotKind::Vfo:
    case SlotKind::Call:
        return RecordCapacity;
    case SlotKind::Dtmf:
        return DtmfCapacity;
    case SlotKind::ProgramVfo:
        return ProgramVfoCapacity;
    case SlotKind::MenuSetting:
        return MenuSettingWidth(slot);
    }
    return 0;
}

void StoreSlot(RadioImage& image, SlotKind kind, int slot, std::string_view bytes)
{
    StoreSlotRecord(image, RecordSlotOf(kind, slot), bytes);
}

std::optional<SlotKind> SlotKindOfGrid(EditGrid grid)
{
    switch (grid) {
    case EditGrid::Memory:
        return SlotKind::Memory;
    case EditGrid::Vfo:
        return SlotKind::Vfo;
    case EditGrid::Call:
        return SlotKind::Call;
    case EditGrid::Dtmf:
        return SlotKind::Dtmf;
    case EditGrid::None:
        break;
    }
    return std::nullopt;
}

} // namespace

// Both lists name the same kinds in the same order.
static_assert(static_cast<int>(SlotKind::Memory) == static_cast<int>(RecordSlotKind::Memory) &&
              static_cast<int>(SlotKind::Vfo) == static_cast<int>(RecordSlotKind::Vfo) &&
              static_cast<int>(SlotKind::Call) == static_cast<int>(RecordSlotKind::Call) &&
              static_cast<int>(SlotKind::Dtmf) == static_cast<int>(RecordSlotKind::Dtmf) &&
              static_cast<int>(SlotKind::ProgramVfo) == static_cast<int>(RecordSlotKind::ProgramVfo) &&
              static_cast<int>(SlotKind::MenuSetting) == static_cast<int>(RecordSlotKind::Menu));

RecordSlot RecordSlotOf(SlotKind kind, int slot)
{
    return {static_cast<RecordSlotKind>(kind), slot};
}

SlotKind SlotKindOf(RecordSlotKind kind)
{
    return static_cast<SlotKind>(kind);
}

// ---- Steps -------------------------------------------------------------------

SlotsStep::SlotsStep(Document& document, std::vector<SlotChange> changes, const QString& text, int mergeId)
    : QUndoCommand(text), document_(document), changes_(std::move(changes)), mergeId_(mergeId)
{
}

void SlotsStep::undo()
{
    document_.ApplySlots(changes_, false);
}

void SlotsStep::redo()
{
    document_.ApplySlots(changes_, true);
}

bool SlotsStep::mergeWith(const QUndoCommand* other)
{
    const auto* later = dynamic_cast<const SlotsStep*>(other);
    if (!later || changes_.size() != 1 || later->changes_.size() != 1) return false;
    SlotChange& mine = changes_.front();
    const SlotChange& theirs = later->changes_.front();
    if (mine.kind != theirs.kind || mine.slot != theirs.slot) return false;
    mine.after = theirs.after;
    // Typed back to where it started: the step is dropped.
    setObsolete(mine.after == mine.before);
    return true;
}

CommentStep::CommentStep(Document& document, QString before, QString after)
    : QUndoCommand(Document::tr("Comment", "undo step")), document_(document), before_(std::move(before)),
      after_(std::move(after))
{
}

void CommentStep::undo()
{
    document_.ApplyComment(before_);
}

void CommentStep::redo()
{
    document_.ApplyComment(after_);
}

bool CommentStep::mergeWith(const QUndoCommand* other)
{
    const auto* later = dynamic_cast<const CommentStep*>(other);
    if (!later) return false;
    after_ = later->after_;
    setObsolete(after_ == before_);
    return true;
}

// ---- Document ------------------------------------------------------------------

Document::Document(QObject* parent) : QObject(parent), fileName_(kUntitled), stack_(new QUndoStack(this))
{
    stack_->setUndoLimit(UndoLimit);
    connect(stack_, &QUndoStack::cleanChanged, this, &Document::UpdateDataChanged);
}

Document::~Document()
{
    // The stack outlives this object's members; it must not report to them.
    disconnect(stack_, nullptr, this, nullptr);
}

bool Document::DataChanged() const
{
    return forcedChanged_ || !stack_->isClean();
}

const std::string& Document::SlotBytes(SlotKind kind, int slot) const
{
    return SlotRecord(image_, RecordSlotOf(kind, slot));
}

QString Document::SlotTitle(SlotKind kind, int slot) const
{
    const char market = image_.MarketLetter();
    const auto labelOr = [slot](std::string_view label) {
        return label.empty() ? QString::number(slot)
                             : QString::fromLatin1(label.data(), qsizetype(label.size()));
    };
    switch (kind) {
    case SlotKind::Memory:
        return labelOr(MemoryLabel(slot));
    case SlotKind::Vfo:
        //: A VFO in undo steps: %1 the band label (A_144MHz), kept as it is.
        return tr("VFO %1").arg(labelOr(VfoBandLabel(slot, market)));
    case SlotKind::Call:
        //: A CALL channel in undo steps: %1 the band label (440MHz), kept as it is.
        return tr("CALL %1").arg(labelOr(CallBandLabel(slot, market)));
    case SlotKind::Dtmf:
        //: A DTMF memory in undo steps: %1 its number, 0 to 9.
        return tr("DTMF %1").arg(slot);
    case SlotKind::ProgramVfo:
        //: A program VFO range in undo steps: %1 the band label (A_144MHz).
        return tr("Program VFO %1").arg(labelOr(VfoBandLabel(slot, market)));
    case SlotKind::MenuSetting: {
        // The setting's name in the window's language ("Key Lock").
        const QString name = ShownMenuSettingName(slot, market);
        //: A radio menu setting in undo steps: %1 its name (Key Lock).
        return tr("Menu setting %1").arg(name.isEmpty() ? QString::number(slot) : name);
    }
    }
    return QString::number(slot);
}

QString Document::EditStepName(SlotKind kind, int slot) const
{
    //: Undo step, an editor's store: %1 the slot ("012", "VFO A_144MHz").
    return tr("Edit %1").arg(SlotTitle(kind, slot));
}

// ---- Replacing and saving ---------------------------------------------------------

void Document::Replace(RadioImage image, const QString& fileName, const QString& comment, bool dataChanged)
{
    image.SetPasteBuffer(image_.PasteBuffer());
    image_ = std::move(image);
    stack_->clear(); // also the clean point
    forcedChanged_ = dataChanged;
    comment_ = comment;
    SetFileName(fileName);
    emit ImageReplaced();
    emit CommentChanged(comment_);
    UpdateDataChanged();
}

void Document::MarkSaved(const QString& fileName)
{
    forcedChanged_ = false;
    stack_->setClean();
    SetFileName(fileName);
    UpdateDataChanged();
}

void Document::SetFileName(const QString& fileName)
{
    if (fileName == fileName_) return;
    fileName_ = fileName;
    emit FileNameChanged(fileName_);
}

void Document::SetDataChanged(bool changed)
{
    forcedChanged_ = changed;
    if (!changed) stack_->setClean();
    UpdateDataChanged();
}

void Document::CorrectLoadedSetting(int index, std::string_view value)
{
    image_.SetMenuSetting(index, value);
}

void Document::SetPasteBuffer(std::string_view bytes)
{
    image_.SetPasteBuffer(bytes);
}

bool Document::TakeClipboardPayload(std::string_view payload)
{
    return ::TakeClipboardPayload(payload, image_);
}

void Document::UpdateDataChanged()
{
    const bool changed = DataChanged();
    if (changed == reportedChanged_) return;
    reportedChanged_ = changed;
    emit DataChangedStateChanged(changed);
}

// ---- Edits -------------------------------------------------------------------------

void Document::PushChanges(const std::vector<SlotEdit>& edits, const QString& text, int mergeId)
{
    std::vector<SlotChange> changes;
    changes.reserve(edits.size());
    for (const SlotEdit& edit : edits) {
        if (!SlotExists(edit.kind, edit.slot)) continue;
        std::string after(std::string_view(edit.bytes).substr(0, SlotCapacity(edit.kind, edit.slot)));
        const auto same = std::find_if(changes.begin(), changes.end(), [&edit](const SlotChange& c) {
            return c.kind == edit.kind && c.slot == edit.slot;
        });
        if (same != changes.end()) {
            same->after = std::move(after);
            continue;
        }
        changes.push_back({edit.kind, edit.slot, SlotBytes(edit.kind, edit.slot), std::move(after)});
    }
    changes.shrink_to_fit();
    stack_->push(new SlotsStep(*this, std::move(changes), text, mergeId));
}

void Document::ApplySlots(const std::vector<SlotChange>& changes, bool after)
{
    // All bytes first, then the signals, so that every view sees the whole step.
    constexpr std::size_t recordKinds = static_cast<std::size_t>(SlotKind::MenuSetting);
    std::array<QList<int>, recordKinds> changed;
    QList<int> settings;
    for (const SlotChange& change : changes) {
        StoreSlot(image_, change.kind, change.slot, after ? change.after : change.before);
        if (change.kind == SlotKind::MenuSetting)
            settings.append(change.slot);
        else
            changed[static_cast<std::size_t>(change.kind)].append(change.slot);
    }
    for (std::size_t kind = 0; kind < recordKinds; ++kind) {
        if (changed[kind].isEmpty()) continue;
        std::sort(changed[kind].begin(), changed[kind].end());
        emit RecordsChanged(static_cast<SlotKind>(kind), changed[kind]);
    }
    for (int index : settings)
        emit MenuSettingChanged(index);
}

void Document::ApplyComment(const QString& comment)
{
    comment_ = comment;
    emit CommentChanged(comment_);
}

void Document::StoreSlots(const std::vector<SlotEdit>& edits, const QString& text)
{
    PushChanges(edits, text);
}

void Document::StoreRecord(SlotKind kind, int slot, std::string_view bytes)
{
    PushChanges({{kind, slot, std::string(bytes)}}, EditStepName(kind, slot));
}

bool Document::Paste(EditTarget target)
{
    const std::optional<SlotKind> kind = SlotKindOfGrid(target.grid);
    if (!kind || !IsValidTarget(target)) return false;
    PushChanges({{*kind, target.slot, BuildPastedRecord(image_, target)}},
                //: Undo step: %1 the slot pasted into ("030", "VFO A_144MHz").
                tr("Paste into %1").arg(SlotTitle(*kind, target.slot)));
    return true;
}

std::optional<std::string> Document::Cut(EditTarget target)
{
    if (target.grid != EditGrid::Memory && target.grid != EditGrid::Dtmf) return std::nullopt;
    if (!IsValidTarget(target)) return std::nullopt;
    const SlotKind kind = *SlotKindOfGrid(target.grid);
    std::string taken = SlotBytes(kind, target.slot);
    PushChanges({{kind, target.slot, {}}},
                //: Undo step: %1 the slot ("012", "DTMF 3").
                tr("Cut %1").arg(SlotTitle(kind, target.slot)));
    return taken;
}

bool Document::Delete(EditTarget target)
{
    if (target.grid != EditGrid::Memory && target.grid != EditGrid::Dtmf) return false;
    if (!IsValidTarget(target)) return false;
    const SlotKind kind = *SlotKindOfGrid(target.grid);
    PushChanges({{kind, target.slot, {}}},
                //: Undo step: %1 the slot ("012", "DTMF 3").
                tr("Delete %1").arg(SlotTitle(kind, target.slot)));
    return true;
}

bool Document::ToggleLockout(int memorySlot)
{
    if (!SlotExists(SlotKind::Memory, memorySlot)) return false;
    // The rule works on an image; a scratch one holding just this channel.
    RadioImage scratch;
    scratch.SetMemoryRecord(memorySlot, image_.GetMemoryRecord(memorySlot));
    if (!::ToggleLockout(scratch, memorySlot)) return false;
    PushChanges({{SlotKind::Memory, memorySlot, scratch.GetMemoryRecord(memorySlot)}},
                //: Undo step, the scan skip of a memory channel: %1 the channel ("012").
                tr("Lock Out %1").arg(SlotTitle(SlotKind::Memory, memorySlot)));
    return true;
}

void Document::Sort(SortOrder order)
{
    std::vector<std::string> records(OrdinaryMemoryCount);
    for (int slot = 0; slot < OrdinaryMemoryCount; ++slot)
        records[static_cast<std::size_t>(slot)] = image_.GetMemoryRecord(slot);
    SortMemoryRecords(records, order);
    std::vector<SlotEdit> edits;
    for (int slot = 0; slot < OrdinaryMemoryCount; ++slot) {
        std::string& record = records[static_cast<std::size_t>(slot)];
        if (record != image_.GetMemoryRecord(slot))
            edits.push_back({SlotKind::Memory, slot, std::move(record)});
    }
    PushChanges(edits, order == SortOrder::Name ? tr("Sort by memory name") : tr("Sort by frequency"));
}

int Document::ImportCsv(const CsvImportPlan& plan)
{
    std::vector<SlotEdit> edits;
    for (const CsvRow& row : plan.rows)
        if (row.slot >= 0) edits.push_back({SlotKind::Memory, row.slot, row.record});
    if (edits.empty()) return 0;
    const int stored = static_cast<int>(edits.size());
    PushChanges(edits, tr("Import CSV"));
    return stored;
}

void Document::SetMenuSetting(int index, std::string_view value)
{
    if (!SlotExists(SlotKind::MenuSetting, index)) return;
    if (value.substr(0, MenuSettingWidth(index)) == image_.GetMenuSetting(index)) return;
    PushChanges({{SlotKind::MenuSetting, index, std::string(value)}}, SlotTitle(SlotKind::MenuSetting, index),
                index == MenuSetting::PowerOnMessage ? SlotsStep::PowerOnMessageTyping : -1);
}

void Document::SetComment(const QString& comment)
{
    if (comment == comment_) return;
    stack_->push(new CommentStep(*this, comment_, comment));
}
