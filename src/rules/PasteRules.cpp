// Clipboard checks and record rebuilding of the edit commands.
#include "rules/PasteRules.h"

#include "model/FieldTexts.h"
#include "model/RecordCheck.h"
#include "model/Records.h"
#include "rules/FrequencyRules.h"
#include "rules/SendCheck.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace {

// The image slot of a target's grid row (memory for none).
RecordSlot SlotOfTarget(EditTarget target)
{
    switch (target.grid) {
    case EditGrid::Vfo:
        return {RecordSlotKind::Vfo, target.slot};
    case EditGrid::Call:
        return {RecordSlotKind::Call, target.slot};
    case EditGrid::Dtmf:
        return {RecordSlotKind::Dtmf, target.slot};
    default:
        break;
    }
    return {RecordSlotKind::Memory, target.slot};
}

// A channel record is at least this long; a DTMF record at most one less
// than the value in between, which fits neither.
constexpr std::size_t ChannelRecordMinimum = 30;
constexpr std::size_t DtmfRecordMaximum = 28;
constexpr std::size_t NameLength = 8;

constexpr std::int64_t Int64Max = std::numeric_limits<std::int64_t>::max();

// Band limits come from the profile store and program VFO records from files
// and radios: scale them without overflowing.
std::int64_t SaturatingAdd1(std::int64_t value)
{
    return value == Int64Max ? value : value + 1;
}

std::int64_t SaturatingTimes100(std::int64_t value)
{
    return value > Int64Max / 100 ? Int64Max : value * 100;
}

bool IsNameByte(unsigned char c, char market)
{
    if (c >= 0x20 && c <= 0x7E) return true;
    if (market == 'J') return c >= 0xA1 && c <= 0xDF;
    // The letters of the radio's western character set.
    if ((c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xDD) || (c >= 0xDF && c <= 0xF6) ||
        (c >= 0xF8 && c <= 0xFD) || c == 0xFF)
        return true;
    return c == 0x8A || c == 0x8C || c == 0x9A || c == 0x9C || c == 0x9F;
}

bool ChannelFits(const RadioImage& image, EditTarget target, std::string_view buffer)
{
    const std::string_view frequency = RecordField(buffer, ChannelField::Frequency);
    // The first seven of the eleven digits: the frequency in units of 10 kHz.
    const std::int64_t f = ParseDecimal(frequency.substr(0, 7));

    std::string_view lowerText;
    std::int64_t lower = 0;
    std::int64_t upper = 0;
    if (target.grid == EditGrid::Vfo && target.slot <= 3) {
        // The A-band VFO may only tune inside its program VFO range, whose
        // upper value is the last whole MHz it covers.
        const std::string& range = image.GetProgramVfoRecord(target.slot);
        lowerText = RecordField(range, 1);
        lower = ParseDecimal(lowerText);
        upper = SaturatingAdd1(ParseDecimal(RecordField(range, 2)));
    } else {
        const int band = target.grid == EditGrid::Memory ? BandOfFrequency(frequency, image) : target.slot;
        const std::string& limit = image.BandLimit(band);
        lowerText = RecordField(limit, 0);
        lower = ParseDecimal(lowerText);
        upper = ParseDecimal(RecordField(limit, 1));
    }
    // Five digits count MHz, seven count 10 kHz units.
    if (lowerText.size() <= 5) {
        lower = SaturatingTimes100(lower);
        upper = SaturatingTimes100(upper);
    }
    if (f < lower || f > upper) return false;

    if (target.grid == EditGrid::Vfo && target.slot <= 3) {
        // An unknown step code has no grid to lie on, so such a record does
        // not fit rather than being checked against a zero step.
        const std::optional<int> step = StepHz(RecordField(buffer, ChannelField::Step));
        if (!step || *step <= 0) return false;
        if (!IsOnStepGrid(ParseDecimal(frequency), *step)) return false;
        if (RecordField(buffer, ChannelField::Mode) != "0") return false;
    }
    return true;
}

// The destination's own label: memory channels by their slot, VFO and CALL
// records by the label already stored there. An empty slot has no label to
// take, so its band code stands in; a record must never start with a comma.
std::string DestinationLabel(const RadioImage& image, EditTarget target)
{
    switch (target.grid) {
    case EditGrid::Memory:
        return MemoryLabel(target.slot);
    case EditGrid::Vfo:
    case EditGrid::Call: {
        const std::string& stored =
            target.grid == EditGrid::Vfo ? image.GetVfoRecord(target.slot) : image.GetCallRecord(target.slot);
        const std::string_view label = RecordField(stored, ChannelField::Label);
        if (!label.empty()) return std::string(label);
        return std::string(1, BandCodeChar(target.slot));
    }
    default:
        return {};
    }
}

std::string BuildChannelRecord(const RadioImage& image, EditTarget target)
{
    const std::string_view buffer = image.PasteBuffer();
    const char market = image.MarketLetter();
    const std::string label = DestinationLabel(image, target);

    std::string record = label;
    for (int field = ChannelField::Frequency; field <= ChannelField::Offset; ++field) {
        std::string_view value = RecordField(buffer, field);
        // Only the European radio has the special minus shift.
        if (field == ChannelField::Shift && market != 'E' && value > "2") value = "0";
        if (field == ChannelField::Offset && value.empty()) value = "000000000";
        record += ',';
        record += value;
    }
    record += ',';
    record += RecordField(buffer, ChannelField::Mode);

    const std::string_view tx = RecordField(buffer, ChannelField::TxFrequency);
    // A split channel transmits with the receive step.
    const std::string_view txStep = tx.empty() ? std::string_view() : RecordField(buffer, ChannelField::Step);

    switch (target.grid) {
    case EditGrid::Vfo:
        record += ",,,,,";
        break;
    case EditGrid::Call:
        record += ",,";
        record += tx;
        record += ',';
        record += txStep;
        record += ",,";
        break;
    case EditGrid::Memory: {
        std::string_view lockout = RecordField(buffer, ChannelField::Lockout);
        if (lockout.empty()) lockout = "0";
        // Program-scan edges and priority channels are never skipped by scan.
        const char first = label.empty() ? '\0' : label.front();
        if (first == 'L' || first == 'U' || first == 'P') lockout = "0";
        record += ',';
        record += lockout;
        record += ',';
        record += tx;
        record += ',';
        record += txStep;
        record += ",,";
        record += PastedName(RecordField(buffer, ChannelField::Name, true), market);
        break;
    }
    default:
        break;
    }
    return record;
}

std::string BuildDtmfRecord(const RadioImage& image, EditTarget target)
{
    const std::string_view buffer = image.PasteBuffer();
    std::string record;
    record += static_cast<char>('0' + target.slot / 10);
    record += static_cast<char>('0' + target.slot % 10);
    record += ',';
    record += RecordField(buffer, 1);
    record += ',';
    record += PastedName(RecordField(buffer, 2, true), image.MarketLetter());
    return record;
}

} // namespace

std::string ClipboardPayload(std::string_view record)
{
    std::string payload(record);
    payload += '\0';
    return payload;
}

bool TakeClipboardPayload(std::string_view payload, RadioImage& image)
{
    const std::size_t end = payload.find('\0');
    const std::string_view text = end == std::string_view::npos ? payload : payload.substr(0, end);
    if (text.size() > PasteBufferCapacity) return false;
    image.SetPasteBuffer(text);
    return true;
}

bool IsValidTarget(EditTarget target)
{
    switch (target.grid) {
    case EditGrid::Memory:
        return target.slot >= 0 && target.slot < MemoryCount;
    case EditGrid::Vfo:
        return target.slot >= 0 && target.slot < VfoCount;
    case EditGrid::Call:
        return target.slot >= 0 && target.slot < CallCount;
    case EditGrid::Dtmf:
        return target.slot >= 0 && target.slot < DtmfCount;
    default:
        return false;
    }
}

std::string TargetRecord(const RadioImage& image, EditTarget target)
{
    if (!IsValidTarget(target)) return {};
    return SlotRecord(image, SlotOfTarget(target));
}

namespace {

// The clipboard is filled by other running instances, which may hold any
// bytes: a record that would not pass the data file's check, or that a radio
// of the image's version could not hold, is never stored.
bool PastedRecordIsSound(const RadioImage& image, EditTarget target)
{
    return SendCheck(image).CheckRecord(SlotOfTarget(target), BuildPastedRecord(image, target)).Ok();
}

} // namespace

bool CanPaste(const RadioImage& image, EditTarget target)
{
    const std::string& buffer = image.PasteBuffer();
    if (buffer.empty() || !IsValidTarget(target)) return false;
    bool fits = false;
    if (buffer.size() >= ChannelRecordMinimum && target.grid != EditGrid::Dtmf)
        fits = ChannelFits(image, target, buffer);
    else if (buffer.size() <= DtmfRecordMaximum && target.grid == EditGrid::Dtmf)
        fits = true;
    return fits && PastedRecordIsSound(image, target);
}

bool CanCutOrDelete(const RadioImage& image, EditTarget target)
{
    if (target.grid == EditGrid::Vfo || target.grid == EditGrid::Call) return false;
    if (target.grid == EditGrid::Memory) {
        const char market = image.MarketLetter();
        if (market != 'E' && market != 'M' && target.slot >= InformationFirst && target.slot < MemoryCount)
            return false;
    }
    return true;
}

bool CanLockOut(int memorySlot)
{
    return memorySlot < ScanEdgeFirst || memorySlot >= InformationFirst;
}

std::string PastedName(std::string_view name, char market)
{
    const std::string_view cut = name.substr(0, NameLength);
    for (const char c : cut) {
        if (!IsNameByte(static_cast<unsigned char>(c), market)) return {};
    }
    return std::string(cut);
}

std::string BuildPastedRecord(const RadioImage& image, EditTarget target)
{
    if (!IsValidTarget(target)) return {};
    if (target.grid == EditGrid::Dtmf) return BuildDtmfRecord(image, target);
    return BuildChannelRecord(image, target);
}

bool PasteIntoTarget(RadioImage& image, EditTarget target)
{
    if (!IsValidTarget(target)) return false;
    StoreSlotRecord(image, SlotOfTarget(target), BuildPastedRecord(image, target));
    return true;
}

bool EmptyTarget(RadioImage& image, EditTarget target)
{
    if (!IsValidTarget(target)) return false;
    if (target.grid == EditGrid::Memory) {
        image.SetMemoryRecord(target.slot, {});
        return true;
    }
    if (target.grid == EditGrid::Dtmf) {
        image.SetDtmfRecord(target.slot, {});
        return true;
    }
    return false;
}

bool ToggleLockout(RadioImage& image, int memorySlot)
{
    if (memorySlot < 0 || memorySlot >= MemoryCount) return false;
    std::string record = image.GetMemoryRecord(memorySlot);
    if (record.size() <= 3) return false;

    // Replace field 13 in place so every other character stays as it was; a
    // record cut short before it gets the missing commas.
    std::size_t start = 0;
    int commas = 0;
    while (commas < ChannelField::Lockout) {
        const std::size_t comma = record.find(',', start);
        if (comma == std::string::npos) break;
        start = comma + 1;
        ++commas;
    }
    if (commas < ChannelField::Lockout) {
        record.append(static_cast<std::size_t>(ChannelField::Lockout - commas), ',');
        start = record.size();
    }
    std::size_t end = record.find(',', start);
    if (end == std::string::npos) end = record.size();
    const std::string_view text = record;
    const bool locked = text.substr(start, end - start) == "0";
    std::string toggled(text.substr(0, start));
    toggled += locked ? '1' : '0';
    toggled += text.substr(end);
    image.SetMemoryRecord(memorySlot, toggled);
    return true;
}
