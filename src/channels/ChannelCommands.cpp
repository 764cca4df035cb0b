// Commands of the channel table on many slots at once.
#include "channels/ChannelCommands.h"

#include "channels/ChannelTexts.h"
#include "document/Document.h"
#include "model/Records.h"

#include <algorithm>

namespace {

QString SlotName(int slot)
{
    return QString::fromStdString(MemoryLabel(slot));
}

// "012" for one slot, "N channels" otherwise.
QString SlotsName(const std::vector<int>& chosen)
{
    if (chosen.size() == 1) return SlotName(chosen.front());
    //: The slots of an undo step: "Cut 3 channels" (one slot is named by its label)
    return ChannelCommands::tr("%n channels", nullptr, static_cast<int>(chosen.size()));
}

} // namespace

void ChannelCommands::Store(const std::vector<std::pair<int, std::string>>& edits, const QString& step)
{
    if (edits.empty()) return;
    std::vector<SlotEdit> slotEdits;
    std::vector<int> chosen;
    slotEdits.reserve(edits.size());
    for (const auto& [slot, bytes] : edits) {
        slotEdits.push_back({SlotKind::Memory, slot, bytes});
        chosen.push_back(slot);
    }
    document_.StoreSlots(slotEdits, step.arg(SlotsName(chosen)));
}

MultiSlotOutcome ChannelCommands::SetFields(const std::vector<int>& chosen,
                                            const std::vector<CellValue>& values, const QString& what)
{
    MultiSlotOutcome outcome;
    std::vector<std::pair<int, std::string>> edits;
    const RadioImage& image = document_.Image();
    for (const int slot : chosen) {
        if (slot < 0 || slot >= MemoryCount) continue;
        if (image.GetMemoryRecord(slot).empty()) {
            outcome.refused.push_back({slot, CellRefusal::EmptyChannel});
            continue;
        }
        CellEditResult result = EditChannelCells(image, slot, values);
        if (result.refusal != CellRefusal::None) {
            outcome.refused.push_back({slot, result.refusal});
            continue;
        }
        outcome.rounded = outcome.rounded || result.rounded;
        if (result.record == image.GetMemoryRecord(slot)) continue;
        outcome.changed.push_back(slot);
        edits.emplace_back(slot, std::move(result.record));
    }
    // "Set Tone on 40 channels" names the step after what it set.
    //: Undo step: %1 what was set (Tone, No Tone, CTCSS, Mode, ...), %2 the channels ("012", "40 channels")
    Store(edits, tr("Set %1 on %2").arg(what, QStringLiteral("%1")));
    return outcome;
}

MultiSlotOutcome ChannelCommands::Cut(const std::vector<int>& chosen)
{
    return EmptySlots(chosen, true);
}

MultiSlotOutcome ChannelCommands::Delete(const std::vector<int>& chosen)
{
    return EmptySlots(chosen, false);
}

MultiSlotOutcome ChannelCommands::EmptySlots(const std::vector<int>& chosen, bool cut)
{
    MultiSlotOutcome outcome;
    std::vector<std::pair<int, std::string>> edits;
    for (const int slot : chosen) {
        const CellRefusal refusal = CutRefusal(document_.Image(), slot);
        if (refusal != CellRefusal::None) {
            outcome.refused.push_back({slot, refusal});
            continue;
        }
        const std::string& record = document_.Image().GetMemoryRecord(slot);
        if (cut) outcome.taken.push_back(record);
        if (record.empty()) continue;
        outcome.changed.push_back(slot);
        edits.emplace_back(slot, std::string());
    }
    if (edits.size() == 1) {
        const EditTarget target{EditGrid::Memory, edits.front().first};
        if (cut)
            document_.Cut(target);
        else
            document_.Delete(target);
        return outcome;
    }
    //: Undo step: %1 the channels ("012", "3 channels")
    const QString cutStep = tr("Cut %1");
    //: Undo step: %1 the channels ("012", "3 channels")
    const QString deleteStep = tr("Delete %1");
    Store(edits, cut ? cutStep : deleteStep);
    return outcome;
}

MultiSlotOutcome ChannelCommands::LockOut(const std::vector<int>& chosen)
{
    MultiSlotOutcome outcome;
    const RadioImage& image = document_.Image();
    std::vector<int> lockable;
    bool anyOff = false;
    for (const int slot : chosen) {
        if (slot < 0 || slot >= MemoryCount) continue;
        if (!CanLockOut(slot)) {
            outcome.refused.push_back({slot, CellRefusal::NoLockout});
            continue;
        }
        const std::string& record = image.GetMemoryRecord(slot);
        if (record.size() <= 3) continue; // nothing to lock out, as the toggle
        lockable.push_back(slot);
        anyOff = anyOff || RecordField(record, ChannelField::Lockout) != "1";
    }
    if (lockable.size() == 1) {
        document_.ToggleLockout(lockable.front());
        outcome.changed = lockable;
        return outcome;
    }
    std::vector<std::pair<int, std::string>> edits;
    RadioImage scratch = image;
    for (const int slot : lockable) {
        const bool locked = RecordField(image.GetMemoryRecord(slot), ChannelField::Lockout) == "1";
        if (locked == anyOff) continue;
        ::ToggleLockout(scratch, slot);
        outcome.changed.push_back(slot);
        edits.emplace_back(slot, scratch.GetMemoryRecord(slot));
    }
    //: Undo step: %1 the channels ("012", "3 channels")
    Store(edits, tr("Lock Out %1"));
    return outcome;
}

MultiSlotOutcome ChannelCommands::Paste(int first, const std::vector<std::string>& records)
{
    MultiSlotOutcome outcome;
    const MultiPastePlan plan = PlanMultiPaste(document_.Image(), first, records);
    for (const int slot : plan.refusedSlots)
        outcome.refused.push_back({slot, CellRefusal::DoesNotFit});
    outcome.leftOver = plan.leftOver;
    if (plan.placed.empty()) return outcome;
    std::vector<SlotEdit> edits;
    for (const MultiPastePlan::Placed& placed : plan.placed) {
        edits.push_back({SlotKind::Memory, placed.slot, placed.record});
        outcome.changed.push_back(placed.slot);
    }
    const int low = plan.placed.front().slot;
    const int high = plan.placed.back().slot;
    const QString where = low == high ? SlotName(low) : SlotName(low) + QLatin1Char('-') + SlotName(high);
    //: Undo step: %1 the channel or channels ("030", "395-399")
    document_.StoreSlots(edits, tr("Paste into %1").arg(where));
    return outcome;
}

QString ChannelCommands::Report(const QString& command, const MultiSlotOutcome& outcome)
{
    if (outcome.refused.empty() && outcome.leftOver == 0) return {};
    QString text;
    if (!outcome.refused.empty())
        //: First line of a report; %1 the command (Cut, Paste, Set Field for Selection, ...); a line
        //: "label: reason" follows for each channel
        text = tr("%1 left %n channels as they were:", nullptr, static_cast<int>(outcome.refused.size()))
                   .arg(command);
    constexpr std::size_t ShownLines = 12;
    for (std::size_t i = 0; i < outcome.refused.size() && i < ShownLines; ++i) {
        text += QStringLiteral("\n%1: %2")
                    .arg(SlotName(outcome.refused[i].slot), CellRefusalWords(outcome.refused[i].why));
    }
    if (outcome.refused.size() > ShownLines)
        //: Last line of a report that lists the first 12 channels
        text += QLatin1Char('\n') + tr("... and %1 more.").arg(outcome.refused.size() - ShownLines);
    if (outcome.leftOver > 0) {
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += tr("%n records found no channel after 399 and were not pasted.", nullptr, outcome.leftOver);
    }
    return text;
}
