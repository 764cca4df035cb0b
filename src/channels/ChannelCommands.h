// Commands of the channel table on many memory slots at once, each one
// undoable step on the document: set fields of every slot that takes them,
// cut, delete, lock out, and paste a list of records into consecutive slots.
// A single slot keeps the edit commands' own steps ("Cut 012", "Lock Out
// 012"). What a slot refused comes back for the report.
#pragma once

#include "channels/ChannelColumns.h"

#include <QCoreApplication>
#include <QString>

#include <string>
#include <vector>

class Document;

struct RefusedSlot
{
    int slot;
    CellRefusal why;
};

struct MultiSlotOutcome
{
    std::vector<int> changed;
    std::vector<RefusedSlot> refused;
    int leftOver = 0;               // paste: records with no slot before 400
    bool rounded = false;           // some frequency was moved ("Frequency is rounded.")
    std::vector<std::string> taken; // cut: the records taken, in slot order
};

class ChannelCommands
{
    Q_DECLARE_TR_FUNCTIONS(ChannelCommands)

  public:
    explicit ChannelCommands(Document& document) : document_(document) {}

    // Sets the values, in order, on every slot as the memory editor would;
    // one step named "Set <what> on N channels" (or the slot's title).
    MultiSlotOutcome SetFields(const std::vector<int>& chosen, const std::vector<CellValue>& values,
                               const QString& what);
    // Empties the slots except the information channels of markets K and J;
    // taken holds what every slot held (empty slots included) for the clipboard.
    MultiSlotOutcome Cut(const std::vector<int>& chosen);
    MultiSlotOutcome Delete(const std::vector<int>& chosen);
    // Lock out on every filled slot that has it when any of them is not
    // locked out yet, else off on all of them (one slot: the toggle).
    MultiSlotOutcome LockOut(const std::vector<int>& chosen);
    // Fills consecutive slots from `first` (PlanMultiPaste); one step.
    MultiSlotOutcome Paste(int first, const std::vector<std::string>& records);

    // The report of refused and left-over slots; empty when there is none.
    static QString Report(const QString& command, const MultiSlotOutcome& outcome);

  private:
    // One undo step named `step` with %1 for the slots ("Cut %1": "Cut 012", "Cut 3 channels").
    void Store(const std::vector<std::pair<int, std::string>>& edits, const QString& step);
    // Cut and Delete: empty every chosen slot that may be emptied (Cut also
    // keeps the records it took, empty ones included, for the clipboard).
    MultiSlotOutcome EmptySlots(const std::vector<int>& chosen, bool cut);

    Document& document_;
};
