// Radio forms are built from the payloads the radio would answer with after
// the write commands of the slot, through the read's own record assembly, so
// that "the same on the radio" means exactly what a read-back would find.
#include "link/ImageDiff.h"

#include "link/WriteTransfer.h"
#include "model/FieldTexts.h"
#include "model/MenuTexts.h"
#include "model/Records.h"
#include "model/TextCodec.h"
#include "model/Translatable.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 6> KindSizes = {MemoryCount, VfoCount,        CallCount,
                                          DtmfCount,   ProgramVfoCount, MenuCount};

int KindOffset(RecordSlotKind kind)
{
    int offset = 0;
    for (int k = 0; k < static_cast<int>(kind); ++k)
        offset += KindSizes[static_cast<std::size_t>(k)];
    return offset;
}

int KindSize(RecordSlotKind kind)
{
    return KindSizes[static_cast<std::size_t>(kind)];
}

// "f<first>,...,f<last>" of a record (no leading comma).
std::string Fields(const RadioImage& image, RecordKind kind, int index, int first, int last)
{
    std::string out;
    for (int field = first; field <= last; ++field) {
        if (field > first) out += ',';
        out += image.RecordFieldView(kind, index, field);
    }
    return out;
}

std::string MemoryEditor(const RadioImage& image, int slot)
{
    namespace F = ChannelField;
    const auto field = [&](int n) { return image.RecordFieldView(RecordKind::Memory, slot, n); };
    if (field(F::Frequency).empty()) return {};
    const std::string r0 =
        MemoryLabel(slot) + "," + Fields(image, RecordKind::Memory, slot, F::Frequency, F::Lockout);
    const std::string r1 = field(F::TxFrequency).empty()
                               ? std::string()
                               : Fields(image, RecordKind::Memory, slot, F::TxFrequency, F::TxStep);
    const char market = image.MarketLetter();
    return MemoryRecordFromReplies(slot, r0, r1, NameToRadio(field(F::Name), market), market);
}

std::string CallEditor(const RadioImage& image, int slot)
{
    namespace F = ChannelField;
    const auto field = [&](int n) { return image.RecordFieldView(RecordKind::Call, slot, n); };
    if (field(F::Frequency).empty()) return {};
    // The radio takes the transmit frequency with the receive step.
    const std::string c1 = field(F::TxFrequency).empty()
                               ? std::string()
                               : std::string(field(F::TxFrequency)) + "," + std::string(field(F::Step));
    return CallRecordFromReplies(slot, Fields(image, RecordKind::Call, slot, F::Frequency, F::Mode), c1);
}

std::string VfoEditor(const RadioImage& image, int band)
{
    namespace F = ChannelField;
    if (image.RecordFieldView(RecordKind::Vfo, band, F::Frequency).empty()) return {};
    return VfoRecordFromReply(std::string(1, BandCodeChar(band)) + "," +
                              Fields(image, RecordKind::Vfo, band, F::Frequency, F::Mode));
}

std::string ProgramVfoForm(const RadioImage& image, int index)
{
    if (image.RecordFieldView(RecordKind::ProgramVfo, index, 1).empty()) return {};
    return std::to_string(index) + "," + Fields(image, RecordKind::ProgramVfo, index, 1, 2);
}

std::string DtmfEditor(const RadioImage& image, int memory)
{
    const std::string_view code = image.RecordFieldView(RecordKind::Dtmf, memory, 1);
    if (code.empty()) return {};
    const char market = image.MarketLetter();
    return DtmfRecordFromReplies(memory, DtmfNumber(memory) + "," + DtmfCodeToRadio(code),
                                 NameToRadio(image.RecordFieldView(RecordKind::Dtmf, memory, 2), market),
                                 market);
}

std::string MenuForm(const RadioImage& image, int setting)
{
    const std::string& value = image.GetMenuSetting(setting);
    if (setting != MessageSetting) return value;
    const char market = image.MarketLetter();
    return NameFromRadio(NameToRadio(value, market), market);
}

// The field of a record that runs to the end (the name), or none.
int LastField(RecordSlotKind kind)
{
    switch (kind) {
    case RecordSlotKind::Memory:
    case RecordSlotKind::Vfo:
    case RecordSlotKind::Call:
        return ChannelField::Name;
    case RecordSlotKind::Dtmf:
    case RecordSlotKind::ProgramVfo:
        return 2;
    case RecordSlotKind::Menu:
        break;
    }
    return 0;
}

// Equal field by field, a missing field counting as empty.
bool SameFields(RecordSlotKind kind, std::string_view x, std::string_view y)
{
    if (kind == RecordSlotKind::Menu) return x == y;
    const int last = LastField(kind);
    for (int field = 0; field < last; ++field)
        if (RecordField(x, field) != RecordField(y, field)) return false;
    return RecordField(x, last, true) == RecordField(y, last, true);
}

// ---- Display texts ------------------------------------------------------------

std::string TrimLeft(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

using Shown = std::vector<std::pair<std::string, std::string>>; // field name, text

Shown ChannelTexts(std::string_view record)
{
    namespace F = ChannelField;
    const auto field = [&](int n) { return RecordField(record, n); };
    const std::string_view tx = field(F::TxFrequency);
    return {
        {QT_TRANSLATE_NOOP("ImageDiff", "Frequency"),
         field(F::Frequency).empty() ? std::string() : FormatFrequency(field(F::Frequency))},
        {QT_TRANSLATE_NOOP("ImageDiff", "Shift"), TrimLeft(ShiftStatusText(record))},
        {OffsetOrTxField, TxOrOffsetStatusText(record)},
        {QT_TRANSLATE_NOOP("ImageDiff", "Tone"), ToneStatusText(record)},
        {QT_TRANSLATE_NOOP("ImageDiff", "Mode"), std::string(ModeText(field(F::Mode)))},
        {QT_TRANSLATE_NOOP("ImageDiff", "Step"), std::string(StepText(field(F::Step)))},
        {QT_TRANSLATE_NOOP("ImageDiff", "Tx Step"),
         tx.empty() ? std::string() : std::string(StepText(field(F::TxStep)))},
        {QT_TRANSLATE_NOOP("ImageDiff", "Name"), std::string(RecordField(record, F::Name, true))},
        {QT_TRANSLATE_NOOP("ImageDiff", "Lockout"), std::string(LockoutMark(field(F::Lockout)))},
    };
}

std::string RangeText(std::string_view record)
{
    const std::string panel = ProgramVfoStatusText(record);
    const std::size_t colon = panel.find(": ");
    return colon == std::string::npos ? panel : panel.substr(colon + 2);
}

Shown SlotTexts(RecordSlot slot, std::string_view form)
{
    switch (slot.kind) {
    case RecordSlotKind::Memory:
    case RecordSlotKind::Vfo:
    case RecordSlotKind::Call:
        return ChannelTexts(form);
    case RecordSlotKind::Dtmf:
        return {{QT_TRANSLATE_NOOP("ImageDiff", "Code"), std::string(RecordField(form, 1))},
                {QT_TRANSLATE_NOOP("ImageDiff", "Name"), std::string(RecordField(form, 2, true))}};
    case RecordSlotKind::ProgramVfo:
        return {{QT_TRANSLATE_NOOP("ImageDiff", "Range"), RangeText(form)}};
    case RecordSlotKind::Menu:
        break;
    }
    return {};
}

RecordDifference Describe(RecordSlot slot, const std::string& formA, const std::string& formB, char market)
{
    RecordDifference difference{slot, EnglishText(PlaceOfSlot(slot, market)), {}};
    if (slot.kind == RecordSlotKind::Menu) {
        std::string a = formA.empty() ? std::string() : MenuSettingValueText(slot.index, formA);
        std::string b = formB.empty() ? std::string() : MenuSettingValueText(slot.index, formB);
        // Two stored values with one text ("2" and "3" both read "ON"):
        // the stored values tell them apart.
        if (a == b) {
            a += " (" + formA + ")";
            b += " (" + formB + ")";
        }
        difference.fields.push_back({std::string(MenuSettingLabel(slot.index, market)), a, b});
        return difference;
    }
    const Shown a = SlotTexts(slot, formA);
    const Shown b = SlotTexts(slot, formB);
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i].second != b[i].second) difference.fields.push_back({a[i].first, a[i].second, b[i].second});
    if (difference.fields.empty())
        difference.fields.push_back({QT_TRANSLATE_NOOP("ImageDiff", "Record"), formA, formB});
    return difference;
}

std::string VersionText(const RadioImage& image)
{
    return image.TypeCode() + " " + image.Model();
}

// ---- UTF-8 text -----------------------------------------------------------------

std::string Utf8(std::string_view bytes, char market)
{
    std::string out;
    for (const char16_t c : MarketToUtf16(bytes, market)) {
        const auto u = static_cast<unsigned>(c);
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

// Characters of UTF-8 text (every byte that does not continue a character).
std::size_t Width(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

SlotSet SlotSet::Covered(LinkScope scope)
{
    SlotSet set;
    for (int k = 0; k < static_cast<int>(KindSizes.size()); ++k) {
        const auto kind = static_cast<RecordSlotKind>(k);
        for (int index = 0; index < KindSize(kind); ++index)
            if (ScopeCovers(scope, {kind, index})) set.Insert({kind, index});
    }
    return set;
}

void SlotSet::Insert(RecordSlot slot)
{
    if (slot.index < 0 || slot.index >= KindSize(slot.kind)) return;
    bits_.set(static_cast<std::size_t>(KindOffset(slot.kind) + slot.index));
}

bool SlotSet::Contains(RecordSlot slot) const
{
    if (slot.index < 0 || slot.index >= KindSize(slot.kind)) return false;
    return bits_.test(static_cast<std::size_t>(KindOffset(slot.kind) + slot.index));
}

std::vector<RecordSlot> SlotSet::Slots() const
{
    std::vector<RecordSlot> slots;
    for (int k = 0; k < static_cast<int>(KindSizes.size()); ++k) {
        const auto kind = static_cast<RecordSlotKind>(k);
        for (int index = 0; index < KindSize(kind); ++index)
            if (Contains({kind, index})) slots.push_back({kind, index});
    }
    return slots;
}

std::string RadioForm(const RadioImage& image, RecordSlot slot)
{
    switch (slot.kind) {
    case RecordSlotKind::Memory:
        return MemoryEditor(image, slot.index);
    case RecordSlotKind::Vfo:
        return VfoEditor(image, slot.index);
    case RecordSlotKind::Call:
        return CallEditor(image, slot.index);
    case RecordSlotKind::Dtmf:
        return DtmfEditor(image, slot.index);
    case RecordSlotKind::ProgramVfo:
        return ProgramVfoForm(image, slot.index);
    case RecordSlotKind::Menu:
        return MenuForm(image, slot.index);
    }
    return {};
}

bool SameOnRadio(const RadioImage& a, const RadioImage& b, RecordSlot slot)
{
    return SameFields(slot.kind, RadioForm(a, slot), RadioForm(b, slot));
}

SlotSet DifferingSlots(const RadioImage& a, const RadioImage& b, LinkScope scope)
{
    SlotSet differing;
    for (const RecordSlot& slot : SlotSet::Covered(scope).Slots())
        if (!SameOnRadio(a, b, slot)) differing.Insert(slot);
    return differing;
}

RadioImage AfterWrite(const RadioImage& baseline, const RadioImage& written, const SlotSet& sent)
{
    RadioImage image = baseline;
    for (const RecordSlot& slot : sent.Slots())
        StoreSlotRecord(image, slot, SlotRecord(written, slot));
    return image;
}

Message PlaceOfSlot(RecordSlot slot, char market)
{
    std::string_view label;
    const auto place = [](MessageId id, std::string text) {
        return MessageOf(id, {TextMessage(std::move(text))});
    };
    switch (slot.kind) {
    case RecordSlotKind::Memory:
        return place(MessageId::PlaceMemory, MemoryLabel(slot.index));
    case RecordSlotKind::Vfo:
        label = VfoBandLabel(slot.index, market);
        return place(MessageId::PlaceVfo,
                     label.empty() ? std::string(1, BandCodeChar(slot.index)) : std::string(label));
    case RecordSlotKind::Call:
        label = CallBandLabel(slot.index, market);
        return place(MessageId::PlaceCall, label.empty() ? std::to_string(slot.index) : std::string(label));
    case RecordSlotKind::Dtmf:
        return place(MessageId::PlaceDtmf, std::to_string(slot.index));
    case RecordSlotKind::ProgramVfo:
        label = CallBandLabel(slot.index, market);
        return place(MessageId::PlaceProgramVfo,
                     label.empty() ? std::to_string(slot.index) : std::string(label));
    case RecordSlotKind::Menu:
        return MessageOf(MessageId::PlaceMenu);
    }
    return {};
}

ImageDifferences DescribeDifferences(const RadioImage& a, const RadioImage& b, const SlotSet& slots)
{
    ImageDifferences differences;
    differences.versionA = VersionText(a);
    differences.versionB = VersionText(b);
    // The radio's identity is its type code; a 1200 MHz variant names
    // itself by its base model.
    differences.versionDiffers = a.TypeCode() != b.TypeCode();
    differences.marketA = a.MarketLetter();
    differences.marketB = b.MarketLetter();
    for (const RecordSlot& slot : slots.Slots()) {
        const std::string formA = RadioForm(a, slot);
        const std::string formB = RadioForm(b, slot);
        if (!SameFields(slot.kind, formA, formB))
            differences.records.push_back(Describe(slot, formA, formB, differences.marketB));
    }
    return differences;
}

ImageDifferences DescribeDifferences(const RadioImage& a, const RadioImage& b, LinkScope scope)
{
    return DescribeDifferences(a, b, SlotSet::Covered(scope));
}

std::string DifferencesText(const ImageDifferences& differences, std::string_view nameA,
                            std::string_view nameB)
{
    if (differences.Empty()) return {};
    struct Row
    {
        std::array<std::string, 4> cells;
    };
    std::vector<Row> rows;
    rows.push_back({{"Slot", "Field", std::string(nameA), std::string(nameB)}});
    const auto shown = [](std::string text) { return text.empty() ? std::string("(none)") : text; };
    if (differences.versionDiffers)
        rows.push_back({{"Version", "", differences.versionA, differences.versionB}});
    for (const RecordDifference& record : differences.records) {
        bool first = true;
        for (const FieldDifference& field : record.fields) {
            rows.push_back(
                {{first ? record.place : std::string(), Utf8(field.field, differences.marketB),
                  shown(Utf8(field.a, differences.marketA)), shown(Utf8(field.b, differences.marketB))}});
            first = false;
        }
    }
    std::array<std::size_t, 3> widths{};
    for (const Row& row : rows)
        for (std::size_t column = 0; column < widths.size(); ++column)
            widths[column] = std::max(widths[column], Width(row.cells[column]));
    std::string text;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < row.cells.size(); ++column) {
            line += row.cells[column];
            if (column < widths.size())
                line += std::string(widths[column] - Width(row.cells[column]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}
