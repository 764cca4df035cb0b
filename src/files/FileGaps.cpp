// What a data file lacks, and how the load reports it.
#include "files/FileGaps.h"

#include "model/RecordCheck.h"

namespace {

void InsertAll(SlotSet& set, RecordSlotKind kind, int first, int count)
{
    for (int index = first; index < count; ++index)
        set.Insert({kind, index});
}

// "A, B and C".
std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

} // namespace

FileGaps FileGaps::Whole()
{
    FileGaps gaps;
    gaps.present.fill(true);
    gaps.menuLines = kMenuSectionLines;
    return gaps;
}

bool FileGaps::Incomplete() const
{
    for (const bool has : present)
        if (!has) return true;
    return menuLines < kMenuSectionLines;
}

SlotSet FileGaps::Missing() const
{
    SlotSet missing;
    if (!Incomplete()) return missing;
    // A section the file lacks, or the one it stops in: which of its records
    // a whole file would have held cannot be told.
    const auto lacks = [this](FileSection section) { return !Has(section) || lastSection == section; };
    if (lacks(FileSection::Memory)) InsertAll(missing, RecordSlotKind::Memory, 0, MemoryCount);
    if (lacks(FileSection::Call)) InsertAll(missing, RecordSlotKind::Call, 0, CallCount);
    if (lacks(FileSection::Vfo)) InsertAll(missing, RecordSlotKind::Vfo, 0, VfoCount);
    if (lacks(FileSection::Dtmf)) InsertAll(missing, RecordSlotKind::Dtmf, 0, DtmfCount);
    InsertAll(missing, RecordSlotKind::ProgramVfo, menuLines, ProgramVfoCount);
    InsertAll(missing, RecordSlotKind::Menu, std::max(0, menuLines - ProgramVfoCount), MenuCount);
    return missing;
}

bool FileGaps::Touches(const SlotSet& chosen) const
{
    for (const RecordSlot& slot : Missing().Slots())
        if (chosen.Contains(slot)) return true;
    return false;
}

std::string EndsEarlyMessage(const FileGaps& gaps)
{
    if (!gaps.Incomplete()) return {};
    std::vector<std::string> absent;
    // A single name that takes "is".
    bool singular = false;
    const auto add = [&](FileSection section, const char* name, bool one = false) {
        if (gaps.Has(section)) return;
        absent.push_back(name);
        singular = one;
    };
    add(FileSection::Memory, "memory channels");
    add(FileSection::Dtmf, "DTMF memories");
    add(FileSection::Vfo, "VFO", true);
    add(FileSection::Call, "CALL", true);
    if (gaps.menuLines <= ProgramVfoCount) {
        absent.push_back("the menu settings");
        singular = false;
    } else if (gaps.menuLines < kMenuSectionLines) {
        const int first = gaps.menuLines - ProgramVfoCount;
        singular = first == MenuCount - 1;
        absent.push_back(singular ? "menu setting " + std::to_string(first)
                                  : "menu settings " + std::to_string(first) + " to " +
                                        std::to_string(MenuCount - 1));
    }
    std::string cut;
    if (gaps.lastSection) {
        switch (*gaps.lastSection) {
        case FileSection::Memory:
            cut = "memory channels";
            break;
        case FileSection::Call:
            cut = "CALL channels";
            break;
        case FileSection::Vfo:
            cut = "VFO channels";
            break;
        case FileSection::Dtmf:
            cut = "DTMF memories";
            break;
        case FileSection::Menu:
            break; // counted by its lines
        }
    }
    std::string text = "This file ends early: ";
    if (!absent.empty())
        text += Joined(absent) + (absent.size() == 1 && singular ? " is" : " are") + " not in it";
    if (!absent.empty() && !cut.empty()) text += ", and ";
    if (!cut.empty()) text += cut + " may be missing";
    return text + "; what is missing holds empty or default values.";
}

std::string EarlierLineUsedMessage(const std::vector<RecordSlot>& list)
{
    if (list.empty()) return {};
    if (list.size() == 1)
        return "1 damaged line was not loaded; the earlier line of its slot is used: " + RecordSlotList(list);
    return std::to_string(list.size()) +
           " damaged lines were not loaded; the earlier lines of their slots are used: " +
           RecordSlotList(list);
}
