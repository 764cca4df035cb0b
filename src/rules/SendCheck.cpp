// What a radio of the image's version can hold, judged field by field after
// the record check of the notation.
#include "rules/SendCheck.h"

#include "link/CommandSet.h"
#include "model/FieldTexts.h"
#include "model/RadioImage.h"
#include "model/Records.h"
#include "model/Translatable.h"
#include "rules/EntryKeys.h"
#include "rules/FrequencyRules.h"

#include <array>

namespace {

constexpr RecordCheck Pass{};

constexpr RecordCheck Fail(std::string_view reason)
{
    return RecordCheck{reason};
}

constexpr std::size_t NameLength = 8;
constexpr std::size_t DtmfCodeLength = 16;
constexpr std::int64_t OffsetStepHz = 50'000;
constexpr std::int64_t HighestOffsetHz = 59'950'000;

// Why a filled channel record cannot be sent without field 1..12.
constexpr std::array<std::string_view, ChannelField::Mode + 1> MissingField = {
    "",
    QT_TRANSLATE_NOOP("CheckReasons", "frequency is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "step is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "shift is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "reverse is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "tone is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "CTCSS is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "DCS is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "tone frequency is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "CTCSS frequency is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "DCS code is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "offset is missing"),
    QT_TRANSLATE_NOOP("CheckReasons", "mode is missing"),
};

// A name the radio stores as it is sent: at most 8 characters of the
// market's set, unchanged by the conversion to the radio's set and back.
RecordCheck Name(std::string_view name, char market, std::string_view badCharacter)
{
    if (name.size() > NameLength)
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "name is longer than 8 characters"));
    if (FirstInvalidNameByte(name, market) != std::string_view::npos ||
        NameFromRadio(NameToRadio(name, market), market) != name)
        return Fail(badCharacter);
    return Pass;
}

// Whether a DTMF code character is one the radio's keypad sends; '*' and
// '#' travel as E and F, so E and F themselves cannot be held.
bool IsSendableDtmfChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#' || c == ' ';
}

} // namespace

SendCheck::SendCheck(const RadioImage& image) : image_(image)
{
    FrequencyProfile profile;
    for (int band = 0; band < BandLimitCount; ++band)
        profile.bandLimits[static_cast<std::size_t>(band)] = image.BandLimit(band);
    for (int band = 0; band < BandLimitCount; ++band) {
        std::int64_t lower = 0;
        std::int64_t upper = 0;
        // The editors and the paste take a band's upper limit itself.
        if (BandLimitHz(profile, band, lower, upper)) bands_.emplace_back(lower, upper);
    }
}

bool SendCheck::InBands(std::string_view frequency) const
{
    const std::int64_t hz = ParseDecimal(frequency);
    for (const auto& [lower, upper] : bands_)
        if (hz >= lower && hz <= upper) return true;
    return false;
}

RecordCheck SendCheck::Channel(RecordSlotKind kind, std::string_view record) const
{
    bool filled = false;
    for (int field = ChannelField::Frequency; field < ChannelField::Count && !filled; ++field)
        filled = !RecordField(record, field).empty();
    // An empty channel is sent as empty (memory) or not at all.
    if (!filled) return Pass;
    for (int field = ChannelField::Frequency; field <= ChannelField::Mode; ++field)
        if (RecordField(record, field).empty()) return Fail(MissingField[static_cast<std::size_t>(field)]);
    if (!InBands(RecordField(record, ChannelField::Frequency)))
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "frequency lies outside every band of the radio"));
    const std::string_view tx = RecordField(record, ChannelField::TxFrequency);
    if (kind != RecordSlotKind::Vfo && !tx.empty() && !InBands(tx))
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "TX frequency lies outside every band of the radio"));
    const std::int64_t offset = ParseDecimal(RecordField(record, ChannelField::Offset));
    if (offset % OffsetStepHz != 0 || offset > HighestOffsetHz)
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "offset is not a multiple of 50 kHz up to 59.95 MHz"));
    if (kind == RecordSlotKind::Memory)
        return Name(RecordField(record, ChannelField::Name, true), image_.MarketLetter(),
                    QT_TRANSLATE_NOOP("CheckReasons", "name holds a character the radio does not have"));
    return Pass;
}

RecordCheck SendCheck::Dtmf(int memory, std::string_view record) const
{
    if (record.empty()) return Pass;
    const std::string_view number = RecordField(record, 0);
    if (number.size() != 2 || number[0] != '0' || number[1] < '0' || number[1] > '9')
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "number is not 00 to 09"));
    // The write sends the record's number: another memory's would overwrite that one.
    if (number != DtmfNumber(memory))
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "number is not its memory's"));
    const std::string_view code = RecordField(record, 1);
    if (code.size() > DtmfCodeLength)
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "code is longer than 16"));
    for (char c : code)
        if (!IsSendableDtmfChar(c))
            return Fail(
                QT_TRANSLATE_NOOP("CheckReasons", "code holds a character other than 0-9, A-D, *, #, blank"));
    return Name(RecordField(record, 2, true), image_.MarketLetter(),
                QT_TRANSLATE_NOOP("CheckReasons", "name holds a character the radio does not have"));
}

RecordCheck SendCheck::CheckRecord(RecordSlot slot, std::string_view record) const
{
    if (const RecordCheck notation = CheckSlotRecord(slot, record); !notation) return notation;
    switch (slot.kind) {
    case RecordSlotKind::Memory:
    case RecordSlotKind::Vfo:
    case RecordSlotKind::Call:
        return Channel(slot.kind, record);
    case RecordSlotKind::Dtmf:
        return Dtmf(slot.index, record);
    case RecordSlotKind::ProgramVfo:
        if (!RecordField(record, 1).empty() && RecordField(record, 2).empty())
            return Fail(QT_TRANSLATE_NOOP("CheckReasons", "upper MHz is missing"));
        return Pass;
    case RecordSlotKind::Menu:
        if (slot.index == MessageSetting)
            return Name(
                record, image_.MarketLetter(),
                QT_TRANSLATE_NOOP("CheckReasons", "message holds a character the radio does not have"));
        return Pass;
    }
    return Fail(QT_TRANSLATE_NOOP("CheckReasons", "no such record"));
}

RecordCheck SendCheck::Check(RecordSlot slot) const
{
    return CheckRecord(slot, SlotRecord(image_, slot));
}

std::vector<DamagedRecord> UnsendableImageRecords(const RadioImage& image)
{
    const SendCheck check(image);
    std::vector<DamagedRecord> unsendable;
    const std::pair<RecordSlotKind, int> kinds[] = {{RecordSlotKind::Memory, MemoryCount},
                                                    {RecordSlotKind::Call, CallCount},
                                                    {RecordSlotKind::Vfo, VfoCount},
                                                    {RecordSlotKind::Dtmf, DtmfCount},
                                                    {RecordSlotKind::ProgramVfo, ProgramVfoCount},
                                                    {RecordSlotKind::Menu, MenuCount}};
    for (const auto& [kind, count] : kinds)
        for (int index = 0; index < count; ++index)
            if (const RecordCheck result = check.Check({kind, index}); !result)
                unsendable.push_back({{kind, index}, result.reason});
    return unsendable;
}
