// VFO editor rules: band list, defaults for empty fields, VFO records and the
// program VFO range boxes.
#include "rules/VfoRules.h"

#include "model/FieldTexts.h"
#include "model/RadioImage.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int64_t Unbounded = std::numeric_limits<std::int64_t>::max() / 2;

std::string PadFive(std::int64_t value)
{
    std::string text = std::to_string(std::clamp<std::int64_t>(value, 0, 99999));
    text.insert(0, 5 - text.size(), '0');
    return text;
}

// A box is judged once it is complete: four digits, or three below 1200 MHz.
bool IsComplete(const std::string& box, int band)
{
    return box.size() == 4 || (box.size() == 3 && band != 3);
}

std::int64_t Lo(const std::optional<ProgramVfoBounds>& b)
{
    return b ? b->lo : 0;
}

std::int64_t Hi(const std::optional<ProgramVfoBounds>& b)
{
    return b ? b->hi : Unbounded;
}

} // namespace

VfoDefaults DefaultVfoFields(int band, char market, std::string_view typeDigits)
{
    const bool j = market == 'J';
    const bool k = market == 'K';
    const bool e = market == 'E';
    switch (band) {
    case 0:
    case 9:
        return {j ? "145.000" : "144.000", j ? 7 : k ? 0 : 5, ModeFm, "0.60"};
    case 1:
    case 11: {
        std::string rx = "223.000";
        if (band == 11) rx = j ? "225.000" : e ? "230.000" : "223.000";
        return {rx, k ? 7 : 5, j ? ModeAm : ModeFm, k ? "1.60" : "0.00"};
    }
    case 2:
    case 12: {
        const char* rx = j ? "433.000" : k ? "440.000" : typeDigits == "01" ? "430.000" : "432.000";
        return {rx, j ? 7 : 8, ModeFm, e ? "1.60" : "5.00"};
    }
    case 3:
    case 14:
        return {j ? "1295.000" : "1240.000", j ? 7 : 8, ModeFm, k ? "12.00" : e ? "35.00" : "20.00"};
    case 4:
        return {j ? "0.531" : "0.540", j ? 3 : 4, ModeAm, "0.00"};
    case 5:
        return {"3.500", 0, ModeLsb, "0.00"};
    case 6:
        return {"51.000", 4, ModeFm, "0.00"};
    case 7:
        return {j ? "76.100" : e ? "87.500" : "87.900", 10, ModeWfm, "0.00"};
    case 8:
        return {"118.000", j ? 8 : 5, ModeAm, "0.00"};
    case 10:
        return {j ? "175.750" : e ? "180.750" : "179.750", 10, ModeWfm, "0.00"};
    default: // 13: nothing but the offset
        return {std::nullopt, std::nullopt, std::nullopt, "0.00"};
    }
}

std::vector<std::string> VfoBandList(char market, std::string_view model)
{
    const bool k = market == 'K';
    std::vector<std::string> list = {"A_144MHz"};
    if (k)
        list.insert(list.end(), {"A_220MHz", "A_440MHz"});
    else
        list.emplace_back("A_430MHz");
    if (model == "ZT-Q5") list.emplace_back("A_1200MHz");
    list.insert(list.end(), {"B_AM", "B_HF", "B_50MHz", "B_FM", "B_118MHz", "B_144MHz", "B_TV-VHF"});
    if (k)
        list.insert(list.end(), {"B_220MHz", "B_440MHz"});
    else
        list.insert(list.end(), {"B_200MHz", "B_430MHz"});
    list.insert(list.end(), {"B_TV-UHF", "B_1200MHz"});
    return list;
}

ChannelControls LoadVfoControls(const RadioImage& image, int band, const ChannelControls& current)
{
    const std::string& record = image.GetVfoRecord(band);
    const char market = image.MarketLetter();
    const std::string digits = image.TypeDigits();
    const VfoDefaults defaults = DefaultVfoFields(band, market, digits);
    ChannelControls c;

    const std::string_view rx = RecordField(record, ChannelField::Frequency);
    c.rxText = rx.empty() ? defaults.rxText.value_or("") : FormatFrequency(rx);
    const std::string_view step = RecordField(record, ChannelField::Step);
    c.step = step.empty() ? defaults.step.value_or(current.step) : StepPositionOfField(step);
    const std::string_view mode = RecordField(record, ChannelField::Mode);
    c.mode = mode.empty() ? defaults.mode.value_or(current.mode) : ModePositionOfField(mode);
    c.specialCaption = SpecialShiftCaption(band, market, digits, image.HasBand1200());
    c.shift = ShiftOfField(RecordField(record, ChannelField::Shift));
    c.reverse = RecordField(record, ChannelField::Reverse).starts_with('1');
    LoadToneFlags(record, c);
    c.toneIndex = TonePositionOfField(RecordField(record, ChannelField::ToneIndex));
    c.ctcssIndex = TonePositionOfField(RecordField(record, ChannelField::CtcssIndex));
    c.dcsIndex = DcsPositionOfField(RecordField(record, ChannelField::DcsIndex));
    const std::string_view offset = RecordField(record, ChannelField::Offset);
    c.offsetText = offset.empty() ? defaults.offsetText : FormatOffset(offset);
    c.txText.clear();
    c.lockoutEnabled = false;
    return c;
}

BuiltRecord BuildVfoRecord(const RadioImage& image, int band, const ChannelControls& c)
{
    BuiltRecord out;
    CheckedEntries e;
    if (!CheckReceiveEntry(image, c, EntryContext::Vfo, band, e, out)) return out;

    ChannelControls fields = c;
    if (fields.shift == ShiftChoice::Split) // the VFO has no split: simplex
        fields.shift = ShiftChoice::Simplex;
    std::string& r = out.record;
    r = std::string(1, StepCodeChar(band)) + ",";
    r += e.rx + ",";
    r += StepCodeChar(out.step);
    r += ",";
    r += fields.shift == ShiftChoice::Plus      ? "1,"
         : fields.shift == ShiftChoice::Minus   ? "2,"
         : fields.shift == ShiftChoice::Special ? "3,"
                                                : "0,";
    for (bool flag : {c.reverse, c.tone, c.ctcss, c.dcs})
        r += flag ? "1," : "0,";
    auto digits = [](int value, std::size_t width) {
        std::string text = std::to_string(std::max(value, 0));
        if (text.size() < width) text.insert(0, width - text.size(), '0');
        return text;
    };
    r += digits(c.toneIndex, 2) + ",";
    r += digits(c.ctcssIndex, 2) + ",";
    r += digits(c.dcsIndex, 3) + ",";
    r += "0" + e.offset + ",";
    r += std::to_string(out.mode) + ",,,,,";
    return out;
}

AcceptedEntries AcceptVfoEntries(const RadioImage& image, int band, const ChannelControls& c)
{
    AcceptedEntries out;
    CheckedEntries e;
    if (!CheckReceiveEntry(image, c, EntryContext::Vfo, band, e, out)) return out;
    out.rxText = FormatFrequency(e.rx);
    out.offsetText = FormatOffset("0" + e.offset);
    out.shift = c.shift;
    out.special = c.specialCaption;
    return out;
}

std::optional<ProgramVfoBounds> ProgramVfoBoundsOf(const RadioImage& image, int band)
{
    const std::string_view lower = image.RecordFieldView(RecordKind::BandLimit, band, 0);
    const std::string_view upper = image.RecordFieldView(RecordKind::BandLimit, band, 1);
    if (lower.empty() || upper.empty()) return std::nullopt;
    const std::int64_t lo = std::min(ParseDecimal(lower), Unbounded);
    const std::int64_t limitUpper = std::min(ParseDecimal(upper), Unbounded);
    if (limitUpper <= lo) return std::nullopt;
    return ProgramVfoBounds{lo, limitUpper - 1, limitUpper};
}

std::string ProgramVfoBoxText(std::string_view field)
{
    if (field.empty()) return {};
    return std::to_string(std::min<std::int64_t>(ParseDecimal(field), 99999));
}

bool ApplyProgramVfoChange(ProgramVfoBoxes& boxes, ProgramVfoBox changed, int band,
                           const std::optional<ProgramVfoBounds>& bounds)
{
    std::string& own = changed == ProgramVfoBox::Lower ? boxes.lower : boxes.upper;
    if (own == "0") {
        own.clear();
        return false;
    }
    // The other box follows only once this one is complete: while the
    // operator is still typing, a partial number says nothing about the range.
    if (!IsComplete(own, band)) return true;
    const std::int64_t v = std::clamp(ParseDecimal(own), Lo(bounds), Hi(bounds));
    own = std::to_string(v);
    if (changed == ProgramVfoBox::Lower) {
        // An empty upper box has no value yet; it gets the limit on OK.
        if (!boxes.upper.empty() && ParseDecimal(boxes.upper) < v) {
            boxes.upper = own;
            ApplyProgramVfoChange(boxes, ProgramVfoBox::Upper, band, bounds);
        }
    } else if (boxes.lower.size() >= 3) {
        if (ParseDecimal(boxes.lower) > v) {
            boxes.lower = own;
            ApplyProgramVfoChange(boxes, ProgramVfoBox::Lower, band, bounds);
        }
    } else {
        boxes.lower = std::to_string(Lo(bounds));
        ApplyProgramVfoChange(boxes, ProgramVfoBox::Lower, band, bounds);
    }
    return true;
}

void FillProgramVfoDefaults(ProgramVfoBoxes& boxes, int band, const std::optional<ProgramVfoBounds>& bounds)
{
    if (!bounds) return;
    if (boxes.lower.size() < 3) {
        boxes.lower = std::to_string(bounds->lo);
        ApplyProgramVfoChange(boxes, ProgramVfoBox::Lower, band, bounds);
    }
    if (boxes.upper.size() < 3) {
        boxes.upper = std::to_string(bounds->limitUpper);
        ApplyProgramVfoChange(boxes, ProgramVfoBox::Upper, band, bounds);
    }
}

std::string BuildProgramVfoRecord(int band, const ProgramVfoBoxes& boxes,
                                  const std::optional<ProgramVfoBounds>& bounds)
{
    // A 1200 MHz box of three digits is never judged while typing; the record
    // still must not leave the band, or the VFO check would follow it out.
    const std::int64_t lower = std::clamp(ParseDecimal(boxes.lower), Lo(bounds), Hi(bounds));
    const std::int64_t upper = std::clamp(ParseDecimal(boxes.upper), lower, std::max(lower, Hi(bounds)));
    return std::string(1, static_cast<char>('0' + band)) + "," + PadFive(lower) + "," + PadFive(upper);
}
