// What a data file lacks, and how the load reports it.
#include "files/FileGaps.h"

#include "model/RecordCheck.h"

namespace {

void InsertAll(SlotSet& set, RecordSlotKind kind, int first, int count)
{
    for (int index = first; index < count; ++index)
        set.Insert({kind, index});
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

Message EndsEarlyMessage(const FileGaps& gaps)
{
    if (!gaps.Incomplete()) return {};
    std::vector<Message> absent;
    // A single name that takes "is".
    bool singular = false;
    const auto add = [&](FileSection section, MessageId name, bool one = false) {
        if (gaps.Has(section)) return;
        absent.push_back(MessageOf(name));
        singular = one;
    };
    add(FileSection::Memory, MessageId::SectionMemoryChannels);
    add(FileSection::Dtmf, MessageId::SectionDtmfMemories);
    add(FileSection::Vfo, MessageId::SectionVfo, true);
    add(FileSection::Call, MessageId::SectionCall, true);
    if (gaps.menuLines <= ProgramVfoCount) {
        absent.push_back(MessageOf(MessageId::SectionMenuSettings));
        singular = false;
    } else if (gaps.menuLines < kMenuSectionLines) {
        const int first = gaps.menuLines - ProgramVfoCount;
        singular = first == MenuCount - 1;
        absent.push_back(singular ? MessageOf(MessageId::SectionMenuSetting, {NumberMessage(first)})
                                  : MessageOf(MessageId::SectionMenuSettingsRange,
                                              {NumberMessage(first), NumberMessage(MenuCount - 1)}));
    }
    Message cut;
    if (gaps.lastSection) {
        switch (*gaps.lastSection) {
        case FileSection::Memory:
            cut = MessageOf(MessageId::SectionMemoryChannels);
            break;
        case FileSection::Call:
            cut = MessageOf(MessageId::SectionCallChannels);
            break;
        case FileSection::Vfo:
            cut = MessageOf(MessageId::SectionVfoChannels);
            break;
        case FileSection::Dtmf:
            cut = MessageOf(MessageId::SectionDtmfMemories);
            break;
        case FileSection::Menu:
            break; // counted by its lines
        }
    }
    Message what;
    if (!absent.empty()) {
        const MessageId verb = absent.size() == 1 && singular ? MessageId::AbsentOne : MessageId::AbsentMany;
        what = MessageOf(verb, {ListMessage(std::move(absent))});
    }
    if (!cut.Empty()) {
        Message missing = MessageOf(MessageId::MayBeMissing, {std::move(cut)});
        what = what.Empty() ? std::move(missing)
                            : MessageOf(MessageId::AbsentAndCut, {std::move(what), std::move(missing)});
    }
    return MessageOf(MessageId::FileEndsEarly, {std::move(what)});
}

Message EarlierLineUsedMessage(const std::vector<RecordSlot>& list)
{
    if (list.empty()) return {};
    return CountedMessage(MessageId::EarlierLineUsed, static_cast<int>(list.size()),
                          {RecordSlotListMessage(list)});
}
