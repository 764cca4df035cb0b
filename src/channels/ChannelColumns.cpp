// Texts, lists and edits of the channel table's columns.
#include "channels/ChannelColumns.h"

#include "model/FieldTexts.h"
#include "model/RadioImage.h"
#include "model/Records.h"
#include "rules/EntryKeys.h"
#include "rules/PasteRules.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, ChannelColumnCount> Titles = {
    QT_TRANSLATE_NOOP("ChannelColumns", "Channel"), QT_TRANSLATE_NOOP("ChannelColumns", "Receive (MHz)"),
    //: Column: the direction of the repeater shift
    QT_TRANSLATE_NOOP("ChannelColumns", "Shift"),
    //: Column: the offset, or the transmit frequency of a split channel
    QT_TRANSLATE_NOOP("ChannelColumns", "Offset / Tx (MHz)"),
    QT_TRANSLATE_NOOP("ChannelColumns", "Tone mode"), QT_TRANSLATE_NOOP("ChannelColumns", "Tone (Hz) / DCS"),
    //: Column: the modulation (FM, AM, ...)
    QT_TRANSLATE_NOOP("ChannelColumns", "Mode"),
    //: Column: the tuning step
    QT_TRANSLATE_NOOP("ChannelColumns", "Step"), QT_TRANSLATE_NOOP("ChannelColumns", "Reverse"),
    //: Column: skipped by scanning
    QT_TRANSLATE_NOOP("ChannelColumns", "Lock out"),
    //: Column: the memory channel's name
    QT_TRANSLATE_NOOP("ChannelColumns", "Name")};

constexpr std::array<std::string_view, 4> ToneModeTexts = {NoToneText, ToneWordText, "CTCSS", "DCS"};

enum ToneMode { ToneNone = 0, ToneTone = 1, ToneCtcss = 2, ToneDcs = 3 };

ToneMode ToneModeOf(const ChannelControls& c)
{
    if (c.dcs) return ToneDcs;
    if (c.ctcss) return ToneCtcss;
    if (c.tone) return ToneTone;
    return ToneNone;
}

// The special minus offset as the shift column shows it: the caption's
// amount ("-20.0MHz Shift" gives "-20.0").
std::optional<std::string> SpecialShiftText(const RadioImage& image, int band)
{
    std::optional<std::string> caption =
        SpecialShiftCaption(band, image.MarketLetter(), image.TypeDigits(), true);
    if (!caption) return std::nullopt;
    const std::size_t unit = caption->find("MHz");
    return caption->substr(0, unit);
}

int ReceiveBand(const RadioImage& image, int slot)
{
    return BandOfFrequency(RecordField(image.GetMemoryRecord(slot), ChannelField::Frequency), image);
}

int BandOfText(const RadioImage& image, const std::string& rxText)
{
    std::string digits = rxText;
    if (!NormalizeFrequencyText(digits)) return -1;
    return BandOfFrequency(digits, image);
}

template <typename Texts> int PositionOf(const Texts& texts, std::string_view text)
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string> ShiftOptions(const RadioImage& image, int band)
{
    std::vector<std::string> options = {std::string(SimplexText), "+", "-"};
    if (std::optional<std::string> special = SpecialShiftText(image, band)) options.push_back(*special);
    options.emplace_back(SplitText);
    return options;
}

std::vector<std::string> StepOptions(int band)
{
    std::vector<std::string> options;
    for (int step = 0; step < StepCodeCount; ++step) {
        if (AdjustStepForBand(band, step) == step)
            options.emplace_back(StepCodes[static_cast<std::size_t>(step)].text);
    }
    return options;
}

std::vector<std::string> ModeOptions(int band)
{
    std::vector<std::string> options;
    for (int mode = 0; mode < ModeCount; ++mode) {
        if (AdjustModeForBand(band, EntryContext::Memory, mode) == mode)
            options.emplace_back(ModeTexts[static_cast<std::size_t>(mode)]);
    }
    return options;
}

template <typename Texts> std::vector<std::string> AllOf(const Texts& texts)
{
    return std::vector<std::string>(texts.begin(), texts.end());
}

// Sets one control as the operator would in the editor; the refusal when the
// slot does not take the value. frequencyTyped tells that Enter's handling
// of the frequency boxes has to run before OK.
CellRefusal ApplyValue(const RadioImage& image, int slot, ChannelControls& c, const CellValue& value,
                       bool& frequencyTyped)
{
    const int band = BandOfText(image, c.rxText);
    switch (value.column) {
    case ChannelColumn::Channel:
    case ChannelColumn::Count:
        return CellRefusal::NotAChannel;
    case ChannelColumn::Receive:
        c.rxText = value.text;
        if (c.shift != ShiftChoice::Split) c.txText = value.text;
        frequencyTyped = true;
        return CellRefusal::None;
    case ChannelColumn::Shift:
        if (value.text == SimplexText)
            c.shift = ShiftChoice::Simplex;
        else if (value.text == "+")
            c.shift = ShiftChoice::Plus;
        else if (value.text == "-")
            c.shift = ShiftChoice::Minus;
        else if (value.text == SplitText)
            c.shift = ShiftChoice::Split;
        else if (SpecialShiftText(image, band) == value.text)
            c.shift = ShiftChoice::Special;
        else
            return CellRefusal::NotOffered;
        // Split Channel clears Reverse, as its radio button does.
        if (c.shift == ShiftChoice::Split) c.reverse = false;
        return CellRefusal::None;
    case ChannelColumn::OffsetOrTx:
        if (c.shift == ShiftChoice::Split)
            c.txText = value.text;
        else if (c.shift == ShiftChoice::Plus || c.shift == ShiftChoice::Minus)
            c.offsetText = value.text;
        else
            return CellRefusal::NoOffset;
        frequencyTyped = true;
        return CellRefusal::None;
    case ChannelColumn::ToneMode: {
        if (!ToneControlsEnabled(c.mode)) return CellRefusal::NotOffered;
        const int mode = PositionOf(ToneModeTexts, value.text);
        if (mode < 0) return CellRefusal::NotOffered;
        c.tone = mode == ToneTone;
        c.ctcss = mode == ToneCtcss;
        c.dcs = mode == ToneDcs;
        return CellRefusal::None;
    }
    case ChannelColumn::Tone: {
        if (!ToneControlsEnabled(c.mode)) return CellRefusal::NotOffered;
        const ToneMode mode = ToneModeOf(c);
        if (mode == ToneNone) return CellRefusal::NoToneMode;
        const int position =
            mode == ToneDcs ? PositionOf(DcsCodes, value.text) : PositionOf(ToneTexts, value.text);
        if (position < 0) return CellRefusal::NotOffered;
        (mode == ToneDcs ? c.dcsIndex : mode == ToneCtcss ? c.ctcssIndex : c.toneIndex) = position;
        return CellRefusal::None;
    }
    case ChannelColumn::Mode: {
        const int mode = PositionOf(ModeTexts, value.text);
        if (mode < 0 || band < 0 || AdjustModeForBand(band, EntryContext::Memory, mode) != mode)
            return CellRefusal::NotOffered;
        c.mode = mode;
        return CellRefusal::None;
    }
    case ChannelColumn::Step: {
        int step = -1;
        for (std::size_t i = 0; i < StepCodes.size(); ++i) {
            if (StepCodes[i].text == value.text) step = static_cast<int>(i);
        }
        if (step < 0 || band < 0 || AdjustStepForBand(band, step) != step) return CellRefusal::NotOffered;
        c.step = step;
        return CellRefusal::None;
    }
    case ChannelColumn::Reverse:
        if (c.shift == ShiftChoice::Split) return CellRefusal::NotOffered;
        c.reverse = value.text == CheckedText;
        return CellRefusal::None;
    case ChannelColumn::Lockout:
        if (!MemorySlotHasLockout(slot)) return CellRefusal::NoLockout;
        c.lockout = value.text == CheckedText;
        return CellRefusal::None;
    case ChannelColumn::Name: {
        const std::string_view name = std::string_view(value.text).substr(0, 8);
        if (FirstInvalidNameByte(name, image.MarketLetter()) != std::string_view::npos)
            return CellRefusal::InvalidCharacter;
        c.name = std::string(name);
        return CellRefusal::None;
    }
    }
    return CellRefusal::NotAChannel;
}

CellRefusal RefusalOf(EntryError error)
{
    return error == EntryError::InvalidOffset ? CellRefusal::InvalidOffset : CellRefusal::InvalidFrequency;
}

} // namespace

std::string_view ChannelColumnTitle(ChannelColumn column)
{
    const auto index = static_cast<std::size_t>(column);
    return index < Titles.size() ? Titles[index] : std::string_view();
}

std::string ChannelCellText(const RadioImage& image, int slot, ChannelColumn column)
{
    if (slot < 0 || slot >= MemoryCount) return {};
    if (column == ChannelColumn::Channel) return MemoryLabel(slot);
    const std::string& record = image.GetMemoryRecord(slot);
    if (record.empty()) return {};
    const std::string_view tx = RecordField(record, ChannelField::TxFrequency);
    const std::string_view shift = RecordField(record, ChannelField::Shift);
    switch (column) {
    case ChannelColumn::Receive:
        return FormatFrequency(RecordField(record, ChannelField::Frequency));
    case ChannelColumn::Shift:
        if (!tx.empty()) return std::string(SplitText);
        if (shift == "3") {
            if (std::optional<std::string> special = SpecialShiftText(image, ReceiveBand(image, slot)))
                return *special;
        }
        return std::string(ShiftText(shift));
    case ChannelColumn::OffsetOrTx:
        if (!tx.empty()) return FormatFrequency(tx);
        if (shift == "1" || shift == "2") return FormatOffset(RecordField(record, ChannelField::Offset));
        return {};
    case ChannelColumn::ToneMode: {
        ChannelControls c;
        LoadToneFlags(record, c);
        const ToneMode mode = ToneModeOf(c);
        return mode == ToneNone ? std::string() : std::string(ToneModeTexts[mode]);
    }
    case ChannelColumn::Tone: {
        ChannelControls c;
        LoadToneFlags(record, c);
        switch (ToneModeOf(c)) {
        case ToneDcs:
            return std::string(DcsCode(RecordField(record, ChannelField::DcsIndex)));
        case ToneCtcss:
            return std::string(ToneText(RecordField(record, ChannelField::CtcssIndex)));
        case ToneTone:
            return std::string(ToneText(RecordField(record, ChannelField::ToneIndex)));
        case ToneNone:
            break;
        }
        return {};
    }
    case ChannelColumn::Mode:
        return std::string(ModeText(RecordField(record, ChannelField::Mode)));
    case ChannelColumn::Step:
        return std::string(StepText(RecordField(record, ChannelField::Step)));
    case ChannelColumn::Reverse:
        return RecordField(record, ChannelField::Reverse) == "1" ? "R" : "";
    case ChannelColumn::Lockout:
        return std::string(LockoutMark(RecordField(record, ChannelField::Lockout)));
    case ChannelColumn::Name:
        return std::string(RecordField(record, ChannelField::Name, true));
    case ChannelColumn::Channel:
    case ChannelColumn::Count:
        break;
    }
    return {};
}

bool ChannelCellEditable(const RadioImage& image, int slot, ChannelColumn column)
{
    if (slot < 0 || slot >= MemoryCount || column == ChannelColumn::Channel || column == ChannelColumn::Count)
        return false;
    const std::string& record = image.GetMemoryRecord(slot);
    if (record.empty()) return column == ChannelColumn::Receive;
    // The editor's controls as LoadMemoryControls would set them, read from
    // the fields alone: the table asks for every cell it draws.
    const bool split = !RecordField(record, ChannelField::TxFrequency).empty();
    const bool fm = ModePositionOfField(RecordField(record, ChannelField::Mode)) == ModeFm;
    switch (column) {
    case ChannelColumn::OffsetOrTx: {
        const ShiftChoice shift = ShiftOfField(RecordField(record, ChannelField::Shift));
        return split || shift == ShiftChoice::Plus || shift == ShiftChoice::Minus;
    }
    case ChannelColumn::ToneMode:
        return fm;
    case ChannelColumn::Tone: {
        ChannelControls c;
        LoadToneFlags(record, c);
        return fm && ToneModeOf(c) != ToneNone;
    }
    case ChannelColumn::Reverse:
        return !split;
    case ChannelColumn::Lockout:
        return MemorySlotHasLockout(slot);
    default:
        return true;
    }
}

std::vector<std::string> ChannelColumnOptions(const RadioImage& image, int slot, ChannelColumn column)
{
    if (slot < 0 || slot >= MemoryCount) return {};
    const int band = ReceiveBand(image, slot);
    switch (column) {
    case ChannelColumn::Shift:
        return ShiftOptions(image, band);
    case ChannelColumn::ToneMode:
        return AllOf(ToneModeTexts);
    case ChannelColumn::Tone: {
        ChannelControls c;
        LoadToneFlags(image.GetMemoryRecord(slot), c);
        return ToneModeOf(c) == ToneDcs ? AllOf(DcsCodes) : AllOf(ToneTexts);
    }
    case ChannelColumn::Mode:
        return ModeOptions(band);
    case ChannelColumn::Step:
        return StepOptions(band);
    default:
        return {};
    }
}

std::string_view CellRefusalText(CellRefusal refusal)
{
    // Each a reason after a channel label in a report ("012: empty channel").
    switch (refusal) {
    case CellRefusal::None:
        return {};
    case CellRefusal::EmptyChannel:
        return QT_TRANSLATE_NOOP("ChannelColumns", "empty channel");
    case CellRefusal::NoLockout:
        return QT_TRANSLATE_NOOP("ChannelColumns", "no lock out on scan edges and priority channels");
    case CellRefusal::NotOffered:
        return QT_TRANSLATE_NOOP("ChannelColumns", "not offered on this channel's band or mode");
    case CellRefusal::NoToneMode:
        return QT_TRANSLATE_NOOP("ChannelColumns", "no tone mode set");
    case CellRefusal::NoOffset:
        return QT_TRANSLATE_NOOP("ChannelColumns", "no plus or minus shift");
    case CellRefusal::InvalidFrequency:
        return QT_TRANSLATE_NOOP("ChannelColumns", "invalid frequency");
    case CellRefusal::InvalidOffset:
        return QT_TRANSLATE_NOOP("ChannelColumns", "invalid offset");
    case CellRefusal::InvalidCharacter:
        return QT_TRANSLATE_NOOP("ChannelColumns", "invalid character");
    case CellRefusal::Protected:
        return QT_TRANSLATE_NOOP("ChannelColumns", "information channel of the radio");
    case CellRefusal::DoesNotFit:
        return QT_TRANSLATE_NOOP("ChannelColumns", "the channel does not fit this slot");
    case CellRefusal::NotAChannel:
        return QT_TRANSLATE_NOOP("ChannelColumns", "not a channel");
    }
    return {};
}

CellEditResult EditChannelCells(const RadioImage& image, int slot, const std::vector<CellValue>& values)
{
    CellEditResult out;
    if (slot < 0 || slot >= MemoryCount) {
        out.refusal = CellRefusal::NotAChannel;
        return out;
    }
    const bool empty = image.GetMemoryRecord(slot).empty();
    ChannelControls c = LoadMemoryControls(image, slot);
    bool frequencyTyped = false;
    for (const CellValue& value : values) {
        if (empty && value.column != ChannelColumn::Receive) {
            out.refusal = CellRefusal::EmptyChannel;
            return out;
        }
        out.refusal = ApplyValue(image, slot, c, value, frequencyTyped);
        if (out.refusal != CellRefusal::None) return out;
    }
    if (frequencyTyped) {
        // Enter in a frequency or offset box: the band fit, step and mode of
        // the new band, the special minus offset judged again.
        const AcceptedEntries accepted = AcceptMemoryEntries(image, c);
        if (accepted.error != EntryError::None) {
            out.refusal = RefusalOf(accepted.error);
            return out;
        }
        c.rxText = accepted.rxText;
        c.txText = accepted.txText;
        c.offsetText = accepted.offsetText;
        c.step = accepted.step;
        c.mode = accepted.mode;
        c.shift = accepted.shift;
        out.rounded = accepted.rounded;
    }
    const BuiltRecord built = BuildMemoryRecord(image, slot, c);
    if (built.error != EntryError::None) {
        out.refusal = RefusalOf(built.error);
        return out;
    }
    out.record = built.record;
    out.rounded = out.rounded || built.rounded;
    return out;
}

CellRefusal CutRefusal(const RadioImage& image, int slot)
{
    if (slot < 0 || slot >= MemoryCount) return CellRefusal::NotAChannel;
    return CanCutOrDelete(image, EditTarget{EditGrid::Memory, slot}) ? CellRefusal::None
                                                                     : CellRefusal::Protected;
}

std::string MultiRecordPayload(const std::vector<std::string>& records)
{
    std::string payload;
    for (const std::string& record : records) {
        payload += record;
        payload += '\0';
    }
    return payload;
}

std::vector<std::string> RecordsOfMultiPayload(std::string_view payload)
{
    std::vector<std::string> records;
    while (!payload.empty() && static_cast<int>(records.size()) < MemoryCount) {
        const std::size_t end = payload.find('\0');
        const std::string_view record = payload.substr(0, end);
        if (record.size() > RecordCapacity) break;
        records.emplace_back(record);
        if (end == std::string_view::npos) break;
        payload.remove_prefix(end + 1);
    }
    return records;
}

MultiPastePlan PlanMultiPaste(const RadioImage& image, int first, const std::vector<std::string>& records)
{
    MultiPastePlan plan;
    // The paste rules read the paste buffer: each record passes through a
    // copy of the image whose buffer holds it.
    RadioImage scratch = image;
    int slot = first;
    for (std::size_t i = 0; i < records.size(); ++i, ++slot) {
        if (slot >= OrdinaryMemoryCount || slot < 0) {
            plan.leftOver = static_cast<int>(records.size() - i);
            break;
        }
        if (records[i].empty()) continue;
        scratch.SetPasteBuffer(records[i]);
        const EditTarget target{EditGrid::Memory, slot};
        if (!CanPaste(scratch, target)) {
            plan.refusedSlots.push_back(slot);
            continue;
        }
        plan.placed.push_back({slot, BuildPastedRecord(scratch, target)});
    }
    return plan;
}

std::optional<FrequencyRange> ParseFrequencyRange(std::string_view text)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 >= text.size()) return std::nullopt;
    std::string lower(text.substr(0, dash));
    std::string upper(text.substr(dash + 1));
    auto trim = [](std::string& s) {
        s.erase(0, s.find_first_not_of(' '));
        s.erase(s.find_last_not_of(' ') + 1);
    };
    trim(lower);
    trim(upper);
    if (lower.empty() || upper.empty() || !NormalizeFrequencyText(lower) || !NormalizeFrequencyText(upper))
        return std::nullopt;
    FrequencyRange range{ParseDecimal(lower), ParseDecimal(upper)};
    if (range.lowerHz > range.upperHz) std::swap(range.lowerHz, range.upperHz);
    return range;
}

long long RecordFrequencyHz(std::string_view record)
{
    if (record.empty()) return -1;
    return ParseDecimal(RecordField(record, ChannelField::Frequency));
}
