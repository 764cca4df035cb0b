// Field-by-field checks of the record notation, shared by the read transfer
// (replies), the data file reader (lines) and the write transfer (commands).
#include "model/RecordCheck.h"

#include "model/FieldTexts.h"
#include "model/RadioImage.h"
#include "model/Records.h"
#include "model/Translatable.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr RecordCheck Pass{};

constexpr RecordCheck Fail(std::string_view reason)
{
    return RecordCheck{reason};
}

bool IsControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool HasControl(std::string_view text)
{
    for (char c : text)
        if (IsControl(c)) return true;
    return false;
}

bool AllDigits(std::string_view text)
{
    // Eight bytes at a time: a byte is a digit when, XOR '0', its high
    // nibble is 0 and its low nibble is at most 9 (adding 6 does not reach
    // 0x10). No carry crosses a byte.
    constexpr std::uint64_t Ones = 0x0101010101010101ULL;
    std::uint64_t bad = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        const std::uint64_t t = word ^ (Ones * '0');
        bad |= (t & (Ones * 0xF0)) | (((t & (Ones * 0x0F)) + Ones * 6) & (Ones * 0x10));
    }
    bool digits = bad == 0;
    for (; i < text.size(); ++i)
        digits &= static_cast<unsigned char>(text[i] - '0') <= 9;
    return digits;
}

// Exactly `width` decimal digits.
bool Digits(std::string_view field, std::size_t width)
{
    return field.size() == width && AllDigits(field);
}

// Exactly `width` decimal digits whose value is at most `max`.
bool DigitsUpTo(std::string_view field, std::size_t width, std::int64_t max)
{
    return Digits(field, width) && ParseDecimal(field) <= max;
}

// One character out of `codes`.
bool Code(std::string_view field, std::string_view codes)
{
    return field.size() == 1 && codes.find(field[0]) != std::string_view::npos;
}

bool IsMemoryLabel(std::string_view label)
{
    // The decimal slot in any width ("7", "007", "400"), as the data file
    // places it, or a label of the table.
    if (label.empty()) return false;
    if (AllDigits(label)) return ParseDecimal(label) < MemoryCount;
    return MemoryIndexOfLabel(label) >= 0;
}

RecordCheck CheckLabel(ChannelKind kind, std::string_view label)
{
    switch (kind) {
    case ChannelKind::Memory:
        if (!IsMemoryLabel(label))
            return Fail(QT_TRANSLATE_NOOP("CheckReasons", "label is not a memory channel"));
        return Pass;
    case ChannelKind::Vfo:
        if (!Code(label, "0123456789ABCDE"))
            return Fail(QT_TRANSLATE_NOOP("CheckReasons", "label is not a band code"));
        return Pass;
    case ChannelKind::Call:
        if (!Code(label, "0123"))
            return Fail(QT_TRANSLATE_NOOP("CheckReasons", "label is not a CALL band code"));
        return Pass;
    }
    return Fail(QT_TRANSLATE_NOOP("CheckReasons", "label is not a channel"));
}

// Channel fields 1 to 16 by rule: a field of digits at its width (with a
// highest value for the table indices), or one code character in one or two
// ranges, or free text without control bytes. Records are checked on every
// load and every reply, so a record is read in one pass, byte classes come
// from a table and each field is judged from its rule, not by a chain of
// comparisons.
enum class Rule : unsigned char { Digits, Code, Text };

struct ChannelRule
{
    Rule rule;
    unsigned char width; // Digits
    short highest;       // Digits: the highest value, or -1
    char low1, high1;    // Code: the ranges
    char low2, high2;
    std::string_view reason;
};

constexpr ChannelRule ChannelRules[ChannelField::Name] = {
    {Rule::Text, 0, -1, 0, 0, 0, 0, ""}, // the label, checked apart
    {Rule::Digits, 11, -1, 0, 0, 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "frequency is not 11 digits")},
    {Rule::Code, 0, -1, '0', '9', 'A', 'B', QT_TRANSLATE_NOOP("CheckReasons", "step is not a step code")},
    {Rule::Code, 0, -1, '0', '3', 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "shift is not 0 to 3")},
    {Rule::Code, 0, -1, '0', '1', 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "reverse is not 0 or 1")},
    {Rule::Code, 0, -1, '0', '1', 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "tone is not 0 or 1")},
    {Rule::Code, 0, -1, '0', '1', 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "CTCSS is not 0 or 1")},
    {Rule::Code, 0, -1, '0', '1', 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "DCS is not 0 or 1")},
    {Rule::Digits, 2, 41, 0, 0, 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "tone is not 00 to 41")},
    {Rule::Digits, 2, 41, 0, 0, 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "CTCSS tone is not 00 to 41")},
    {Rule::Digits, 3, 103, 0, 0, 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "DCS code is not 000 to 103")},
    {Rule::Digits, 9, -1, 0, 0, 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "offset is not 9 digits")},
    {Rule::Code, 0, -1, '0', '5', 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "mode is not 0 to 5")},
    {Rule::Code, 0, -1, '0', '1', 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "lockout is not 0 or 1")},
    {Rule::Digits, 11, -1, 0, 0, 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "TX frequency is not 11 digits")},
    {Rule::Code, 0, -1, '0', '9', 'A', 'B', QT_TRANSLATE_NOOP("CheckReasons", "TX step is not a step code")},
    {Rule::Text, 0, -1, 0, 0, 0, 0, QT_TRANSLATE_NOOP("CheckReasons", "field 16 holds a control byte")},
};

enum ByteClass : unsigned char { Other = 0, Digit = 1, Control = 2, Comma = 4 };

constexpr std::array<unsigned char, 256> ByteClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (int c = 0; c < 0x20; ++c)
        classes[static_cast<std::size_t>(c)] = Control;
    classes[0x7F] = Control;
    for (int c = '0'; c <= '9'; ++c)
        classes[static_cast<std::size_t>(c)] = Digit;
    classes[','] = Comma;
    return classes;
}();

// Judges a non-empty field of `size` bytes at `text` whose bytes, classed,
// were all digits (`allDigits`) or held a control byte (`control`).
bool FieldPasses(const ChannelRule& rule, const char* text, std::size_t size, bool allDigits, bool control)
{
    switch (rule.rule) {
    case Rule::Digits: {
        if (size != rule.width || !allDigits) return false;
        if (rule.highest < 0) return true;
        int value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value = value * 10 + (text[i] - '0');
        return value <= rule.highest;
    }
    case Rule::Code: {
        const char c = text[0];
        return size == 1 &&
               ((c >= rule.low1 && c <= rule.high1) || (c >= rule.low2 && c <= rule.high2 && rule.low2));
    }
    case Rule::Text:
        return !control;
    }
    return false;
}

// Walks the comma-separated fields first..last of `text`; `last` runs to the
// end when it is the record's tail field. checkField(n, value) judges one.
template <typename FieldCheck>
RecordCheck WalkFields(std::string_view text, int first, int last, bool lastRunsToEnd, FieldCheck checkField)
{
    if (text.empty()) return Pass;
    std::size_t pos = 0;
    for (int field = first;; ++field) {
        if (field == last && lastRunsToEnd) return checkField(field, text.substr(pos));
        const std::size_t comma = text.find(',', pos);
        const std::string_view value =
            text.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
        if (const RecordCheck check = checkField(field, value); !check) return check;
        if (comma == std::string_view::npos) return Pass;
        if (field == last) return Fail(QT_TRANSLATE_NOOP("CheckReasons", "too many fields"));
        pos = comma + 1;
    }
}

RecordCheck CheckDtmfField(int field, std::string_view value)
{
    switch (field) {
    case 0:
        if (value.empty()) return Fail(QT_TRANSLATE_NOOP("CheckReasons", "number is missing"));
        return AllDigits(value) && ParseDecimal(value) < DtmfCount
                   ? Pass
                   : Fail(QT_TRANSLATE_NOOP("CheckReasons", "number is not 0 to 9"));
    case 1:
        if (value.size() > 16) return Fail(QT_TRANSLATE_NOOP("CheckReasons", "code is longer than 16"));
        for (char c : value)
            if (!IsDtmfCodeChar(c))
                return Fail(
                    QT_TRANSLATE_NOOP("CheckReasons", "code holds a character other than 0-9, A-F, *, #"));
        return Pass;
    case 2:
        return HasControl(value) ? Fail(QT_TRANSLATE_NOOP("CheckReasons", "name holds a control byte"))
                                 : Pass;
    default:
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "no such field"));
    }
}

} // namespace

bool IsDtmfCodeChar(char c)
{
    // E and F are the radio's own notation for '*' and '#' (a pasted code may
    // hold them); they travel unchanged.
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == '*' || c == '#' || c == ' ';
}

RecordCheck CheckName(std::string_view name)
{
    return HasControl(name) ? Fail(QT_TRANSLATE_NOOP("CheckReasons", "name holds a control byte")) : Pass;
}

namespace {

// Fields 1 to 12 of a channel record, each at its width and followed by its
// comma, as nearly every record has them: one class per byte.
enum TemplateClass : unsigned char { AnyDigit, StepChar, ShiftChar, SwitchChar, ModeChar, CommaChar };
constexpr std::string_view FixedTemplate = "DDDDDDDDDDD,S,3,B,B,B,B,DD,DD,DDD,DDDDDDDDD,5,";

constexpr std::array<unsigned char, FixedTemplate.size()> TemplateClasses = [] {
    std::array<unsigned char, FixedTemplate.size()> classes{};
    for (std::size_t i = 0; i < FixedTemplate.size(); ++i) {
        switch (FixedTemplate[i]) {
        case 'D':
            classes[i] = AnyDigit;
            break;
        case 'S':
            classes[i] = StepChar;
            break;
        case '3':
            classes[i] = ShiftChar;
            break;
        case 'B':
            classes[i] = SwitchChar;
            break;
        case '5':
            classes[i] = ModeChar;
            break;
        default:
            classes[i] = CommaChar;
        }
    }
    return classes;
}();

// Bit c set for each template class c the byte belongs to.
constexpr std::array<unsigned char, 256> TemplateBytes = [] {
    std::array<unsigned char, 256> bytes{};
    for (int c = '0'; c <= '9'; ++c) {
        bytes[static_cast<std::size_t>(c)] |= 1 << AnyDigit | 1 << StepChar;
        if (c <= '5') bytes[static_cast<std::size_t>(c)] |= 1 << ModeChar;
        if (c <= '3') bytes[static_cast<std::size_t>(c)] |= 1 << ShiftChar;
        if (c <= '1') bytes[static_cast<std::size_t>(c)] |= 1 << SwitchChar;
    }
    bytes['A'] |= 1 << StepChar;
    bytes['B'] |= 1 << StepChar;
    bytes[','] |= 1 << CommaChar;
    return bytes;
}();

// Whether fields 1 to 12 from `start` fill the template, their table
// indices included; one pass without a branch per byte.
bool FixedFieldsPass(const char* text, std::size_t size, std::size_t start)
{
    if (size - start < FixedTemplate.size()) return false;
    const char* at = text + start;
    unsigned char fits = 1;
    for (std::size_t i = 0; i < FixedTemplate.size(); ++i)
        fits &= static_cast<unsigned char>(TemplateBytes[static_cast<unsigned char>(at[i])] >>
                                           TemplateClasses[i]);
    if (!fits) return false;
    const auto value = [at](std::size_t from, std::size_t width) {
        int number = 0;
        for (std::size_t i = from; i < from + width; ++i)
            number = number * 10 + (at[i] - '0');
        return number;
    };
    return value(24, 2) <= 41 && value(27, 2) <= 41 && value(30, 3) <= 103; // tone, CTCSS, DCS
}

} // namespace

RecordCheck CheckChannelFields(ChannelKind kind, std::string_view fields, int firstField, int lastField)
{
    if (firstField < 0 || lastField >= ChannelField::Count || firstField > lastField)
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "no such fields"));
    if (fields.empty()) return Pass;
    const char* text = fields.data();
    const std::size_t size = fields.size();
    std::size_t start = 0;
    for (int field = firstField;; ++field) {
        if (field == ChannelField::Name) return CheckName(fields.substr(start)); // runs to the end
        if (field == ChannelField::Frequency && lastField > ChannelField::Mode &&
            FixedFieldsPass(text, size, start)) {
            field = ChannelField::Mode;
            start += FixedTemplate.size();
            continue; // on to the lockout field
        }
        // Where this field ends: most fields are judged at their expected
        // width straight away, and only a field of another width (which
        // fails, or is empty) is walked to its comma.
        std::size_t end = start;
        const ChannelRule& rule = ChannelRules[field];
        if (field == ChannelField::Label || rule.rule == Rule::Text) {
            bool control = false;
            for (; end < size && text[end] != ','; ++end)
                control |= (ByteClasses[static_cast<unsigned char>(text[end])] & Control) != 0;
            if (field == ChannelField::Label) {
                if (const RecordCheck label = CheckLabel(kind, fields.substr(start, end - start)); !label)
                    return label;
            } else if (control) {
                return Fail(rule.reason);
            }
        } else if (start < size && text[start] != ',') {
            const std::size_t width = rule.rule == Rule::Digits ? rule.width : 1;
            end = start + width;
            if (end > size || (end < size && text[end] != ',') ||
                !FieldPasses(rule, text + start, width,
                             rule.rule == Rule::Digits && AllDigits(fields.substr(start, width)), false))
                return Fail(rule.reason);
        }
        if (end >= size) return Pass;
        if (field == lastField) return Fail(QT_TRANSLATE_NOOP("CheckReasons", "too many fields"));
        start = end + 1;
    }
}

RecordCheck CheckChannelRecord(ChannelKind kind, std::string_view record)
{
    return CheckChannelFields(kind, record, ChannelField::Label, ChannelField::Name);
}

RecordCheck CheckMemoryRecord(std::string_view record)
{
    return CheckChannelRecord(ChannelKind::Memory, record);
}

RecordCheck CheckVfoRecord(std::string_view record)
{
    return CheckChannelRecord(ChannelKind::Vfo, record);
}

RecordCheck CheckCallRecord(std::string_view record)
{
    return CheckChannelRecord(ChannelKind::Call, record);
}

RecordCheck CheckDtmfFields(std::string_view fields, int firstField, int lastField)
{
    if (firstField < 0 || lastField > 2 || firstField > lastField)
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "no such fields"));
    return WalkFields(fields, firstField, lastField, lastField == 2, CheckDtmfField);
}

RecordCheck CheckDtmfRecord(std::string_view record)
{
    return CheckDtmfFields(record, 0, 2);
}

RecordCheck CheckProgramVfoRecord(std::string_view record)
{
    // Three fields; empty fields after them are the notation's tolerance.
    return WalkFields(record, 0, 15, false, [](int field, std::string_view value) {
        switch (field) {
        case 0:
            return Code(value, "0123") ? Pass : Fail(QT_TRANSLATE_NOOP("CheckReasons", "band is not 0 to 3"));
        case 1:
            return value.empty() || Digits(value, 5)
                       ? Pass
                       : Fail(QT_TRANSLATE_NOOP("CheckReasons", "lower MHz is not 5 digits"));
        case 2:
            return value.empty() || Digits(value, 5)
                       ? Pass
                       : Fail(QT_TRANSLATE_NOOP("CheckReasons", "upper MHz is not 5 digits"));
        default:
            return value.empty() ? Pass : Fail(QT_TRANSLATE_NOOP("CheckReasons", "too many fields"));
        }
    });
}

RecordCheck CheckMenuSetting(int index, std::string_view value)
{
    if (index < 0 || index >= MenuCount)
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "no such menu setting"));
    // Blank: a setting this version of the radio does not have.
    if (value.empty()) return Pass;
    switch (index) {
    case 12: // memory group link: position k holds the digit k or a blank
        if (value.size() != 8)
            return Fail(QT_TRANSLATE_NOOP("CheckReasons", "group link is not 8 characters"));
        for (std::size_t k = 0; k < 8; ++k)
            if (value[k] != ' ' && value[k] != static_cast<char>('0' + k))
                return Fail(QT_TRANSLATE_NOOP("CheckReasons", "group link holds a character out of place"));
        return Pass;
    case 21: // power-on message
        if (value.size() > 8) return Fail(QT_TRANSLATE_NOOP("CheckReasons", "message is longer than 8"));
        return CheckName(value);
    case 22: // display contrast
        return DigitsUpTo(value, 2, 16) && ParseDecimal(value) >= 1
                   ? Pass
                   : Fail(QT_TRANSLATE_NOOP("CheckReasons", "contrast is not 01 to 16"));
    default:
        break;
    }
    // One-character settings: the highest value of each (index order).
    static constexpr char Highest[MenuCount] = {
        '1', '4', '1', '1', '1', '1', '1', '2', '2', '1', // 0..9
        '1', '2', ' ', '1', '1', '1', '1', '1', '6', '1', // 10..19
        '1', ' ', ' ', '9', '2', '1', '1', '9', '6', '1', // 20..29
        '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', // 30..39
        '1',                                              // 40
    };
    if (value.size() != 1 || value[0] < '0' || value[0] > Highest[index])
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "menu value is out of range"));
    return Pass;
}

Message RecordSlotMessage(RecordSlot slot)
{
    switch (slot.kind) {
    case RecordSlotKind::Memory:
        return MessageOf(MessageId::SlotMemory, {TextMessage(MemoryLabel(slot.index))});
    case RecordSlotKind::Vfo:
        return TextMessage(std::string("VFO ") + BandCodeChar(slot.index));
    case RecordSlotKind::Call:
        return TextMessage("CALL " + std::to_string(slot.index));
    case RecordSlotKind::Dtmf:
        return TextMessage("DTMF " + std::to_string(slot.index));
    case RecordSlotKind::ProgramVfo:
        return MessageOf(MessageId::SlotProgramVfo, {NumberMessage(slot.index)});
    case RecordSlotKind::Menu:
        return MessageOf(MessageId::SlotMenuSetting, {NumberMessage(slot.index)});
    }
    return {};
}

std::string RecordSlotName(RecordSlot slot)
{
    return EnglishText(RecordSlotMessage(slot));
}

const std::string& SlotRecord(const RadioImage& image, RecordSlot slot)
{
    switch (slot.kind) {
    case RecordSlotKind::Memory:
        return image.GetMemoryRecord(slot.index);
    case RecordSlotKind::Vfo:
        return image.GetVfoRecord(slot.index);
    case RecordSlotKind::Call:
        return image.GetCallRecord(slot.index);
    case RecordSlotKind::Dtmf:
        return image.GetDtmfRecord(slot.index);
    case RecordSlotKind::ProgramVfo:
        return image.GetProgramVfoRecord(slot.index);
    case RecordSlotKind::Menu:
        break;
    }
    return image.GetMenuSetting(slot.index);
}

void StoreSlotRecord(RadioImage& image, RecordSlot slot, std::string_view text)
{
    switch (slot.kind) {
    case RecordSlotKind::Memory:
        image.SetMemoryRecord(slot.index, text);
        break;
    case RecordSlotKind::Vfo:
        image.SetVfoRecord(slot.index, text);
        break;
    case RecordSlotKind::Call:
        image.SetCallRecord(slot.index, text);
        break;
    case RecordSlotKind::Dtmf:
        image.SetDtmfRecord(slot.index, text);
        break;
    case RecordSlotKind::ProgramVfo:
        image.SetProgramVfoRecord(slot.index, text);
        break;
    case RecordSlotKind::Menu:
        image.SetMenuSetting(slot.index, text);
        break;
    }
}

Message RecordSlotTitleMessage(RecordSlot slot, char market)
{
    std::string_view label;
    switch (slot.kind) {
    case RecordSlotKind::Vfo:
        label = VfoBandLabel(slot.index, market);
        return label.empty() ? RecordSlotMessage(slot) : TextMessage("VFO " + std::string(label));
    case RecordSlotKind::Call:
        label = CallBandLabel(slot.index, market);
        return label.empty() ? RecordSlotMessage(slot) : TextMessage("CALL " + std::string(label));
    case RecordSlotKind::ProgramVfo:
        label = VfoBandLabel(slot.index, market);
        return label.empty() ? RecordSlotMessage(slot)
                             : MessageOf(MessageId::SlotProgramVfo, {TextMessage(std::string(label))});
    case RecordSlotKind::Memory:
    case RecordSlotKind::Dtmf:
    case RecordSlotKind::Menu:
        break;
    }
    return RecordSlotMessage(slot);
}

std::string RecordSlotTitle(RecordSlot slot, char market)
{
    return EnglishText(RecordSlotTitleMessage(slot, market));
}

RecordCheck CheckSlotRecord(RecordSlot slot, std::string_view text)
{
    switch (slot.kind) {
    case RecordSlotKind::Memory:
        return CheckMemoryRecord(text);
    case RecordSlotKind::Vfo:
        return CheckVfoRecord(text);
    case RecordSlotKind::Call:
        return CheckCallRecord(text);
    case RecordSlotKind::Dtmf:
        return CheckDtmfRecord(text);
    case RecordSlotKind::ProgramVfo:
        return CheckProgramVfoRecord(text);
    case RecordSlotKind::Menu:
        return CheckMenuSetting(slot.index, text);
    }
    return Fail(QT_TRANSLATE_NOOP("CheckReasons", "no such record"));
}

std::vector<DamagedRecord> CheckImageRecords(const RadioImage& image)
{
    std::vector<DamagedRecord> damaged;
    const std::pair<RecordSlotKind, int> kinds[] = {{RecordSlotKind::Memory, MemoryCount},
                                                    {RecordSlotKind::Call, CallCount},
                                                    {RecordSlotKind::Vfo, VfoCount},
                                                    {RecordSlotKind::Dtmf, DtmfCount},
                                                    {RecordSlotKind::ProgramVfo, ProgramVfoCount},
                                                    {RecordSlotKind::Menu, MenuCount}};
    for (const auto& [kind, count] : kinds)
        for (int index = 0; index < count; ++index) {
            const RecordSlot slot{kind, index};
            if (const RecordCheck result = CheckSlotRecord(slot, SlotRecord(image, slot)); !result)
                damaged.push_back({slot, result.reason});
        }
    return damaged;
}

Message RecordSlotListMessage(const std::vector<RecordSlot>& list)
{
    std::vector<Message> names;
    names.reserve(list.size());
    for (const RecordSlot& slot : list)
        names.push_back(RecordSlotMessage(slot));
    return NameListMessage(std::move(names));
}

std::string RecordSlotList(const std::vector<RecordSlot>& list)
{
    return EnglishText(RecordSlotListMessage(list));
}

Message NotLoadedMessage(const std::vector<RecordSlot>& list)
{
    if (list.empty()) return {};
    return CountedMessage(MessageId::NotLoaded, static_cast<int>(list.size()), {RecordSlotListMessage(list)});
}
