// Channel record rules of the memory and CALL editors, and the parts the VFO
// editor shares with them.
#include "rules/ChannelRules.h"

#include "model/FieldTexts.h"
#include "model/RadioImage.h"
#include "model/Translatable.h"
#include "rules/VfoRules.h"

#include <algorithm>
#include <array>

namespace {

constexpr int ToneCount = 42;
constexpr int DcsCount = 104;

std::string TwoDigits(int value)
{
    std::string text(2, '0');
    text[0] = static_cast<char>('0' + value / 10 % 10);
    text[1] = static_cast<char>('0' + value % 10);
    return text;
}

std::string ThreeDigits(int value)
{
    std::string text(3, '0');
    text[0] = static_cast<char>('0' + value / 100 % 10);
    text[1] = static_cast<char>('0' + value / 10 % 10);
    text[2] = static_cast<char>('0' + value % 10);
    return text;
}

const char* Flag(bool on)
{
    return on ? "1," : "0,";
}

const char* ShiftField(ShiftChoice shift)
{
    switch (shift) {
    case ShiftChoice::Plus:
        return "1,";
    case ShiftChoice::Minus:
        return "2,";
    case ShiftChoice::Special:
        return "3,";
    case ShiftChoice::Simplex:
    case ShiftChoice::Split:
        break;
    }
    return "0,";
}

// Fields 3 to 11 of every channel record the editors build: shift, the four
// flags, the three list positions and the offset; each followed by a comma.
void AppendToneAndOffset(std::string& record, const ChannelControls& c, const std::string& offsetDigits)
{
    record += ShiftField(c.shift);
    record += Flag(c.reverse);
    record += Flag(c.tone);
    record += Flag(c.ctcss);
    record += Flag(c.dcs);
    record += TwoDigits(c.toneIndex) + ",";
    record += TwoDigits(c.ctcssIndex) + ",";
    record += ThreeDigits(c.dcsIndex) + ",";
    record += "0" + offsetDigits + ",";
}

// The record a memory or CALL editor stores: label, receive frequency, step,
// fields 3 to 11, mode, the lock-out field with its comma (only a comma where
// the kind has none), the split transmit frequency and step (empty unless
// Split is chosen), the empty field 16 and the name (none for CALL channels).
std::string AssembleChannelRecord(const std::string& label, const std::string& rx, const ChannelControls& c,
                                  const std::string& offsetDigits, const BuiltRecord& checked,
                                  std::string_view lockoutField, const std::string& tx, std::string_view name)
{
    std::string record = label + "," + rx + "," + StepCodeChar(checked.step) + ",";
    AppendToneAndOffset(record, c, offsetDigits);
    record += std::to_string(checked.mode) + ",";
    record += lockoutField;
    if (c.shift == ShiftChoice::Split) {
        record += tx + ",";
        record += StepCodeChar(checked.step);
        record += ",,";
    } else {
        record += ",,,";
    }
    record += name;
    return record;
}

// Fields 4 to 10 of a record into the controls, with the list replacements.
void LoadToneFields(std::string_view record, ChannelControls& c)
{
    c.reverse = RecordField(record, ChannelField::Reverse).starts_with('1');
    LoadToneFlags(record, c);
    c.toneIndex = TonePositionOfField(RecordField(record, ChannelField::ToneIndex));
    c.ctcssIndex = TonePositionOfField(RecordField(record, ChannelField::CtcssIndex));
    c.dcsIndex = DcsPositionOfField(RecordField(record, ChannelField::DcsIndex));
}

// Field 14 decides between Split Channel and the shift field; without a
// transmit frequency the transmit box repeats the receive frequency.
void LoadShiftAndTx(std::string_view record, ChannelControls& c)
{
    const std::string_view tx = RecordField(record, ChannelField::TxFrequency);
    if (tx.empty()) {
        c.shift = ShiftOfField(RecordField(record, ChannelField::Shift));
        c.txText = c.rxText;
    } else {
        c.shift = ShiftChoice::Split;
        c.txText = FormatFrequency(tx);
    }
}

bool NormalizeAll(const ChannelControls& c, bool withTx, std::string& rx, std::string& tx,
                  std::string& offset, EntryError& error)
{
    rx = c.rxText;
    tx = c.txText;
    offset = c.offsetText;
    if (!NormalizeFrequencyText(rx) || (withTx && !NormalizeFrequencyText(tx))) {
        error = EntryError::InvalidFrequency;
        return false;
    }
    if (!NormalizeOffsetText(offset)) {
        error = EntryError::InvalidOffset;
        return false;
    }
    return true;
}

std::string ShownOffset(const std::string& offsetDigits)
{
    return FormatOffset("0" + offsetDigits);
}

} // namespace

FrequencyProfile FrequencyProfileOf(const RadioImage& image)
{
    FrequencyProfile profile;
    profile.typeCode = image.TypeCode();
    profile.model = image.Model();
    for (int band = 0; band < BandLimitCount; ++band)
        profile.bandLimits[static_cast<std::size_t>(band)] = image.BandLimit(band);
    for (int band = 0; band < ProgramVfoCount; ++band)
        profile.programVfo[static_cast<std::size_t>(band)] = image.GetProgramVfoRecord(band);
    return profile;
}

bool CheckReceiveEntry(const RadioImage& image, const ChannelControls& c, EntryContext context, int slot,
                       CheckedEntries& e, EntryOutcome& out)
{
    e.context = context;
    if (!NormalizeAll(c, context != EntryContext::Vfo, e.rx, e.tx, e.offset, out.error)) return false;
    e.profile = FrequencyProfileOf(image);
    e.band = context == EntryContext::Memory ? BandOfFrequency(e.rx, image) : slot;
    out.step = c.step;
    out.mode = c.mode;
    out.rounded = CheckFrequency(e.rx, e.band, context, out.mode, out.step, e.profile);
    return true;
}

bool CheckSplitEntry(CheckedEntries& e, const EntryOutcome& out)
{
    if (e.context == EntryContext::Memory)
        return CheckSplitTxFrequency(e.tx, e.band, out.mode, out.step, e.profile);
    // A CALL slot's transmit part is checked as a CALL frequency of its own,
    // whose step and mode changes are not kept.
    int txMode = out.mode;
    int txStep = out.step;
    return CheckFrequency(e.tx, e.band, EntryContext::Call, txMode, txStep, e.profile);
}

std::optional<std::string> SpecialShiftCaption(int band, char market, std::string_view typeDigits,
                                               bool with1200B)
{
    if (band == 3 || (band == 14 && with1200B)) {
        if (market == 'E') return QT_TRANSLATE_NOOP("ChannelPanel", "-6.0MHz Shift");
        if (market == 'K') return QT_TRANSLATE_NOOP("ChannelPanel", "-20.0MHz Shift");
        return std::nullopt;
    }
    if ((band == 2 || band == 12) && market == 'E' && typeDigits != "09" && typeDigits != "01")
        return QT_TRANSLATE_NOOP("ChannelPanel", "-7.6MHz Shift");
    return std::nullopt;
}

std::optional<std::string> SpecialShiftCaptionAfterEntry(int band, char market, std::string_view typeDigits)
{
    // Whether the option stays is the loading rule's decision (band 14
    // included), or Enter on an unchanged 1240 MHz channel would drop its
    // offset; only the caption takes the shorter form.
    if (!SpecialShiftCaption(band, market, typeDigits, true)) return std::nullopt;
    if (band == 3 || band == 14)
        return market == 'E' ? QT_TRANSLATE_NOOP("ChannelPanel", "-6MHz Shift")
                             : QT_TRANSLATE_NOOP("ChannelPanel", "-20MHz Shift");
    return QT_TRANSLATE_NOOP("ChannelPanel", "-7.6MHz Shift");
}

int StepPositionOfField(std::string_view field)
{
    if (field.empty()) return 0;
    const char c = field[0];
    if (c >= '0' && c <= '9') return c - '0';
    if (c == 'A' || c == 'B') return 10 + (c - 'A');
    return 0;
}

int ModePositionOfField(std::string_view field)
{
    if (field.size() == 1 && field[0] >= '1' && field[0] <= '5') return field[0] - '0';
    return ModeFm;
}

int TonePositionOfField(std::string_view field)
{
    // Text order as the lists were always judged, plus the list's own size so
    // that a long field such as "409" cannot select past the last tone.
    if (field < "00" || field > "41") return 8;
    const std::int64_t value = ParseDecimal(field);
    return value < ToneCount ? static_cast<int>(value) : 8;
}

int DcsPositionOfField(std::string_view field)
{
    if (field < "000" || field > "103") return 0;
    const std::int64_t value = ParseDecimal(field);
    return value < DcsCount ? static_cast<int>(value) : 0;
}

ShiftChoice ShiftOfField(std::string_view field)
{
    if (field == "1") return ShiftChoice::Plus;
    if (field == "2") return ShiftChoice::Minus;
    if (field == "3") return ShiftChoice::Special;
    return ShiftChoice::Simplex;
}

void LoadToneFlags(std::string_view record, ChannelControls& c)
{
    // Checking one box clears the other two, so the last set field wins.
    c.tone = c.ctcss = c.dcs = false;
    if (RecordField(record, ChannelField::Tone).starts_with('1')) c.tone = true;
    if (RecordField(record, ChannelField::Ctcss).starts_with('1')) {
        c.tone = false;
        c.ctcss = true;
    }
    if (RecordField(record, ChannelField::Dcs).starts_with('1')) {
        c.tone = c.ctcss = false;
        c.dcs = true;
    }
}

char StepCodeChar(int step)
{
    return step >= 0 && step < 10 ? static_cast<char>('0' + step)
                                  : static_cast<char>('A' + std::clamp(step, 10, 15) - 10);
}

// ---- Memory channels ---------------------------------------------------------

bool MemorySlotHasLockout(int slot)
{
    return slot < ScanEdgeFirst || slot >= InformationFirst;
}

std::string ChannelNumberText(int slot)
{
    return slot >= 0 && slot < OrdinaryMemoryCount ? std::to_string(slot) : MemoryLabel(slot);
}

ChannelNumber ParseChannelNumber(std::string_view text)
{
    if (text.empty()) return {ChannelNumberKind::Empty, -1};
    bool allDigits = true;
    for (char c : text)
        allDigits = allDigits && c >= '0' && c <= '9';
    if (allDigits) {
        const std::int64_t value = ParseDecimal(text);
        if (value < OrdinaryMemoryCount) return {ChannelNumberKind::Valid, static_cast<int>(value)};
    } else {
        for (int slot = ScanEdgeFirst; slot < MemoryCount; ++slot)
            if (text == MemoryLabel(slot)) return {ChannelNumberKind::Valid, slot};
        for (std::string_view start : {"L", "U", "P", "I", "PR", "I-"})
            if (text == start) return {ChannelNumberKind::Partial, -1};
    }
    return {ChannelNumberKind::Invalid, -1};
}

int StepSlot(int slot, int delta, int count)
{
    return ((slot + delta) % count + count) % count;
}

ChannelControls LoadMemoryControls(const RadioImage& image, int slot)
{
    const std::string& record = image.GetMemoryRecord(slot);
    const char market = image.MarketLetter();
    ChannelControls c;

    std::string rx(RecordField(record, ChannelField::Frequency));
    if (rx.size() < 11) rx = market == 'J' ? "00145000000" : "00144000000";
    c.rxText = FormatFrequency(rx);

    const std::string_view step = RecordField(record, ChannelField::Step);
    c.step = step.empty() ? (market == 'J' ? 7 : market == 'K' ? 0 : 5) : StepPositionOfField(step);
    c.mode = ModePositionOfField(RecordField(record, ChannelField::Mode));

    const std::string_view offset = RecordField(record, ChannelField::Offset);
    c.offsetText = FormatOffset(offset.size() < 9 ? std::string_view("000600000") : offset);

    c.specialCaption = SpecialShiftCaption(BandOfFrequency(rx, image), market, image.TypeDigits(), true);
    LoadShiftAndTx(record, c);
    // After the shift: a stored Reverse stays even on a split channel, where
    // the box is disabled, so OK writes the record back as it came.
    LoadToneFields(record, c);
    c.name = std::string(RecordField(record, ChannelField::Name, true));
    c.lockoutEnabled = MemorySlotHasLockout(slot);
    c.lockout = c.lockoutEnabled && RecordField(record, ChannelField::Lockout) == "1";
    return c;
}

BuiltRecord BuildMemoryRecord(const RadioImage& image, int slot, const ChannelControls& c)
{
    BuiltRecord out;
    CheckedEntries e;
    if (!CheckReceiveEntry(image, c, EntryContext::Memory, slot, e, out)) return out;
    if (c.shift == ShiftChoice::Split) out.rounded = CheckSplitEntry(e, out) || out.rounded;
    out.record = AssembleChannelRecord(MemoryLabel(slot), e.rx, c, e.offset, out,
                                       Flag(c.lockout && MemorySlotHasLockout(slot)), e.tx, c.name);
    return out;
}

AcceptedEntries AcceptMemoryEntries(const RadioImage& image, const ChannelControls& c)
{
    AcceptedEntries out;
    CheckedEntries e;
    if (!CheckReceiveEntry(image, c, EntryContext::Memory, 0, e, out)) return out;
    out.rxText = FormatFrequency(e.rx);

    out.special = SpecialShiftCaptionAfterEntry(e.band, image.MarketLetter(), image.TypeDigits());
    out.shift = c.shift;
    if (!out.special && out.shift == ShiftChoice::Special) out.shift = ShiftChoice::Split;

    if (out.shift == ShiftChoice::Split) {
        out.rounded = CheckSplitEntry(e, out) || out.rounded;
        out.txText = FormatFrequency(e.tx);
    } else {
        out.txText = out.rxText;
    }
    out.offsetText = ShownOffset(e.offset);
    return out;
}

// ---- CALL channels -----------------------------------------------------------

std::vector<std::string> CallBandList(char market, std::string_view model)
{
    std::vector<std::string> list = {"144MHz"};
    if (market == 'K') {
        list.emplace_back("220MHz");
        list.emplace_back("440MHz");
    } else {
        list.emplace_back("430MHz");
    }
    if (model == "ZT-Q5") list.emplace_back("1200MHz");
    return list;
}

int CallSlotOfPosition(int position, char market)
{
    switch (position) {
    case 0:
        return 0;
    case 1:
        return market == 'K' ? 1 : 2;
    case 2:
        return market == 'K' ? 2 : 3;
    case 3:
        return 3;
    default:
        return 0;
    }
}

int CallPositionOfSlot(int slot, char market)
{
    for (int position = 0; position < 4; ++position)
        if (CallSlotOfPosition(position, market) == slot) return position;
    return 0;
}

ChannelControls LoadCallControls(const RadioImage& image, int slot)
{
    const std::string& record = image.GetCallRecord(slot);
    const char market = image.MarketLetter();
    const std::string digits = image.TypeDigits();
    const VfoDefaults defaults = DefaultVfoFields(slot, market, digits);
    ChannelControls c;

    const std::string_view rx = RecordField(record, ChannelField::Frequency);
    c.rxText = rx.empty() ? defaults.rxText.value_or("") : FormatFrequency(rx);
    const std::string_view step = RecordField(record, ChannelField::Step);
    c.step = step.empty() ? defaults.step.value_or(0) : StepPositionOfField(step);
    c.mode = ModePositionOfField(RecordField(record, ChannelField::Mode));
    c.specialCaption = SpecialShiftCaption(slot, market, digits, false);
    const std::string_view offset = RecordField(record, ChannelField::Offset);
    c.offsetText = offset.empty() ? defaults.offsetText : FormatOffset(offset);
    LoadShiftAndTx(record, c);
    LoadToneFields(record, c);
    c.lockoutEnabled = false;
    return c;
}

BuiltRecord BuildCallRecord(const RadioImage& image, int slot, const ChannelControls& c)
{
    BuiltRecord out;
    CheckedEntries e;
    if (!CheckReceiveEntry(image, c, EntryContext::Call, slot, e, out)) return out;
    if (c.shift == ShiftChoice::Split) out.rounded = CheckSplitEntry(e, out) || out.rounded;
    out.record =
        AssembleChannelRecord(std::string(1, StepCodeChar(slot)), e.rx, c, e.offset, out, ",", e.tx, "");
    return out;
}

AcceptedEntries AcceptCallEntries(const RadioImage& image, int slot, const ChannelControls& c)
{
    AcceptedEntries out;
    CheckedEntries e;
    if (!CheckReceiveEntry(image, c, EntryContext::Call, slot, e, out)) return out;
    out.rxText = FormatFrequency(e.rx);
    out.shift = c.shift;
    out.special = c.specialCaption;
    if (c.shift == ShiftChoice::Split) {
        out.rounded = CheckSplitEntry(e, out) || out.rounded;
        out.txText = FormatFrequency(e.tx);
    } else {
        out.txText = out.rxText;
    }
    out.offsetText = ShownOffset(e.offset);
    return out;
}
