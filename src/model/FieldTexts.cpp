// Code tables and the conversions from record fields to display text.
#include "model/FieldTexts.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <utility>

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Index given by a decimal field, or -1 when it has no digit or is out of range.
int TableIndex(std::string_view field, std::size_t size)
{
    if (field.empty() || field[0] < '0' || field[0] > '9') return -1;
    const std::int64_t value = ParseDecimal(field);
    return value < static_cast<std::int64_t>(size) ? static_cast<int>(value) : -1;
}

struct VfoLabel
{
    std::string_view marketK;
    std::string_view other;
};

constexpr VfoLabel VfoLabels[BandCount] = {
    {"A_144MHz", "A_144MHz"},   {"A_220MHz", ""},         {"A_440MHz", "A_430MHz"},
    {"A_1200MHz", "A_1200MHz"}, {"B_AM", "B_AM"},         {"B_HF", "B_HF"},
    {"B_50MHz", "B_50MHz"},     {"B_FM", "B_FM"},         {"B_118MHz", "B_118MHz"},
    {"B_144MHz", "B_144MHz"},   {"B_TV-VHF", "B_TV-VHF"}, {"B_220MHz", "B_200MHz"},
    {"B_440MHz", "B_430MHz"},   {"B_TV-UHF", "B_TV-UHF"}, {"B_1200MHz", "B_1200MHz"},
};

// Right-pads a band limit number with '0' to 8 digits: kHz.
std::int64_t LimitKhz(std::string_view number)
{
    std::int64_t value = ParseDecimal(number);
    std::size_t digits = 0;
    while (digits < number.size() && number[digits] >= '0' && number[digits] <= '9')
        ++digits;
    for (std::size_t n = digits; n < 8; ++n) {
        if (value > INT64_MAX / 10) return INT64_MAX;
        value *= 10;
    }
    return value;
}

} // namespace

std::int64_t ParseDecimal(std::string_view text)
{
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        const int d = c - '0';
        if (value > (INT64_MAX - d) / 10) return INT64_MAX;
        value = value * 10 + d;
    }
    return value;
}

std::int64_t ParseHex(std::string_view text)
{
    std::int64_t value = 0;
    for (char c : text) {
        const int d = HexValue(c);
        if (d < 0) break;
        if (value > (INT64_MAX - d) / 16) return INT64_MAX;
        value = value * 16 + d;
    }
    return value;
}

// ---- Bands ------------------------------------------------------------------

char BandCodeChar(int band)
{
    if (band < 0 || band >= BandCount) return '\0';
    return static_cast<char>(band < 10 ? '0' + band : 'A' + (band - 10));
}

int BandOfCode(char code)
{
    if (code >= '0' && code <= '9') return code - '0';
    if (code >= 'A' && code <= 'E') return code - 'A' + 10;
    if (code >= 'a' && code <= 'e') return code - 'a' + 10;
    return -1;
}

bool BandExists(int band, char market, std::string_view model)
{
    if (band < 0 || band >= BandCount) return false;
    if (band == 1) return market == 'K';
    if (band == 3) return model == "ZT-Q5";
    return true;
}

std::string_view VfoBandLabel(int band, char market)
{
    if (band < 0 || band >= BandCount) return {};
    const VfoLabel& label = VfoLabels[band];
    return market == 'K' ? label.marketK : label.other;
}

std::string_view CallBandLabel(int index, char market)
{
    switch (index) {
    case 0:
        return "144MHz";
    case 1:
        return "220MHz";
    case 2:
        return market == 'K' ? "440MHz" : "430MHz";
    case 3:
        return "1200MHz";
    default:
        return {};
    }
}

int BandOfVfoLabel(std::string_view label)
{
    struct Entry
    {
        std::string_view label;
        int band;
    };
    static constexpr Entry Table[] = {
        {"A_144MHz", 0},  {"A_220MHz", 1},  {"A_430MHz", 2},  {"A_440MHz", 2},  {"A_1200MHz", 3},
        {"B_AM", 4},      {"B_HF", 5},      {"B_50MHz", 6},   {"B_FM", 7},      {"B_118MHz", 8},
        {"B_144MHz", 9},  {"B_TV-VHF", 10}, {"B_220MHz", 11}, {"B_200MHz", 11}, {"B_430MHz", 12},
        {"B_440MHz", 12}, {"B_TV-UHF", 13},
    };
    for (const Entry& entry : Table)
        if (entry.label == label) return entry.band;
    return BandFallback;
}

int BandOfCallLabel(std::string_view label)
{
    if (label == "220MHz") return 1;
    if (label == "430MHz" || label == "440MHz") return 2;
    if (label == "1200MHz") return 3;
    return 0;
}

// ---- Steps ---------------------------------------------------------------

const std::array<StepCode, 12> StepCodes = {{
    {'0', "5kHz", 5000},
    {'1', "6.25kHz", 6250},
    {'2', "8.33kHz", 8330},
    {'3', "9kHz", 9000},
    {'4', "10kHz", 10000},
    {'5', "12.5kHz", 12500},
    {'6', "15kHz", 15000},
    {'7', "20kHz", 20000},
    {'8', "25kHz", 25000},
    {'9', "30kHz", 30000},
    {'A', "50kHz", 50000},
    {'B', "100kHz", 100000},
}};

const std::array<std::string_view, 12> Step833Positions = {
    "00000", "08330", "16670", "25000", "33330", "41670",
    "50000", "58330", "66670", "75000", "83330", "91670",
};

int StepIndexOfCode(char code)
{
    const int value = HexValue(code);
    return value >= 0 && value < static_cast<int>(StepCodes.size()) ? value : -1;
}

std::string_view StepText(std::string_view field)
{
    if (field.size() != 1) return {};
    const int index = StepIndexOfCode(field[0]);
    return index < 0 ? std::string_view() : StepCodes[static_cast<std::size_t>(index)].text;
}

std::optional<int> StepHz(std::string_view field)
{
    if (field.size() != 1) return std::nullopt;
    const int index = StepIndexOfCode(field[0]);
    if (index < 0) return std::nullopt;
    return StepCodes[static_cast<std::size_t>(index)].hz;
}

// ---- Shift, mode, tone, DCS -------------------------------------------------------

std::string_view ShiftText(std::string_view field)
{
    if (field.size() != 1) return {};
    switch (field[0]) {
    case '1':
        return "+";
    case '2':
        return "-";
    case '3':
        return "-7.6";
    default:
        return {};
    }
}

const std::array<std::string_view, 6> ModeTexts = {"FM", "WFM", "AM", "LSB", "USB", "CW"};

std::string_view ModeText(std::string_view field)
{
    if (field.size() != 1 || field[0] < '0' || field[0] > '5') return {};
    return ModeTexts[static_cast<std::size_t>(field[0] - '0')];
}

const std::array<std::string_view, 42> ToneTexts = {
    "67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",  "85.4Hz",  "88.5Hz",
    "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz", "107.2Hz", "110.9Hz", "114.8Hz", "118.8Hz",
    "123.0Hz", "127.3Hz", "131.8Hz", "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz", "156.7Hz", "162.2Hz",
    "167.9Hz", "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz", "203.5Hz", "206.5Hz", "210.7Hz", "218.1Hz",
    "225.7Hz", "229.1Hz", "233.6Hz", "241.8Hz", "250.3Hz", "254.1Hz",
};

std::string_view ToneText(std::string_view indexField)
{
    const int index = TableIndex(indexField, ToneTexts.size());
    return index < 0 ? std::string_view() : ToneTexts[static_cast<std::size_t>(index)];
}

const std::array<std::string_view, 104> DcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

std::string_view DcsCode(std::string_view indexField)
{
    const int index = TableIndex(indexField, DcsCodes.size());
    return index < 0 ? std::string_view() : DcsCodes[static_cast<std::size_t>(index)];
}

std::string_view LockoutMark(std::string_view field)
{
    return field == "1" ? std::string_view("*") : std::string_view();
}

// ---- Frequencies ---------------------------------------------------------------

std::string FormatFrequency(std::string_view field)
{
    std::string digits = std::to_string(ParseDecimal(field));
    if (digits.size() < 7) digits.insert(0, 7 - digits.size(), '0');
    const std::size_t mhz = digits.size() - 6;
    std::string text = digits.substr(0, mhz);
    text += '.';
    text.append(digits, mhz, 3);
    const std::string_view sub(digits.data() + mhz + 3, 3);
    if (sub[2] != '0')
        text += sub;
    else if (sub[1] != '0')
        text += sub.substr(0, 2);
    else if (sub[0] != '0')
        text += sub.substr(0, 1);
    return text;
}

std::string FormatOffset(std::string_view field)
{
    // Fixed positions of a 9-digit field; a short field reads '0' where it ends.
    auto at = [field](std::size_t i) { return i < field.size() ? field[i] : '0'; };
    std::string text;
    if (at(1) != '0') text += at(1);
    text += at(2);
    text += '.';
    text += at(3);
    text += at(4);
    return text;
}

std::optional<BandRange> BandLimitRange(std::string_view limit)
{
    const std::size_t comma = limit.find(',');
    if (limit.empty() || comma == std::string_view::npos) return std::nullopt;
    return BandRange{LimitKhz(limit.substr(0, comma)), LimitKhz(limit.substr(comma + 1))};
}

int BandOfFrequency(std::string_view field, const std::array<std::string, BandLimitCount>& limits)
{
    const std::int64_t khz = ParseDecimal(field.substr(0, 8));
    if (khz < 100) return BandAm;
    for (int band = 0; band < BandCount; ++band) {
        const auto range = BandLimitRange(limits[static_cast<std::size_t>(band)]);
        if (range && range->lowerKhz <= khz && khz < range->upperKhz) return band;
    }
    return BandFallback;
}

int BandOfFrequency(std::string_view field, const RadioImage& image)
{
    std::array<std::string, BandLimitCount> limits;
    for (int band = 0; band < BandLimitCount; ++band)
        limits[static_cast<std::size_t>(band)] = image.BandLimit(band);
    return BandOfFrequency(field, limits);
}

// ---- Status bar ---------------------------------------------------------------

std::string TxOrOffsetStatusText(std::string_view record)
{
    const std::string_view tx = RecordField(record, ChannelField::TxFrequency);
    if (tx.size() >= 2) return TxFrequencyCaption + FormatFrequency(tx) + "MHz";
    const std::string_view shift = RecordField(record, ChannelField::Shift);
    if (shift == "0" || shift == "3") return {};
    const std::string_view offset = RecordField(record, ChannelField::Offset);
    if (offset.size() < 2) return {};
    return OffsetCaption + FormatOffset(offset) + "MHz";
}

std::string ShiftStatusText(std::string_view record)
{
    const std::string_view shift = RecordField(record, ChannelField::Shift);
    std::string text;
    if (shift == "0") {
        if (RecordField(record, ChannelField::TxFrequency).size() >= 2) return "+-";
    } else {
        text = ShiftText(shift);
    }
    if (RecordField(record, ChannelField::Reverse) == "1") text += " R";
    return text;
}

std::string ToneStatusText(std::string_view record)
{
    if (RecordField(record, ChannelField::Dcs) == "1")
        return "DCS : " + std::string(DcsCode(RecordField(record, ChannelField::DcsIndex)));
    if (RecordField(record, ChannelField::Ctcss) == "1")
        return "CT : " + std::string(ToneText(RecordField(record, ChannelField::CtcssIndex)));
    if (RecordField(record, ChannelField::Tone) == "1")
        return "T : " + std::string(ToneText(RecordField(record, ChannelField::ToneIndex)));
    return {};
}

std::string ProgramVfoStatusText(std::string_view programVfoRecord)
{
    if (programVfoRecord.empty()) return {};
    return ProgramVfoCaption + std::to_string(ParseDecimal(RecordField(programVfoRecord, 1))) + "-" +
           std::to_string(ParseDecimal(RecordField(programVfoRecord, 2)));
}

StatusTexts ChannelStatusTexts(std::string_view record, std::string_view programVfoRecord)
{
    return StatusTexts{{TxOrOffsetStatusText(record), ShiftStatusText(record), ToneStatusText(record),
                        ProgramVfoStatusText(programVfoRecord)}};
}

std::string DtmfStatusText(std::string_view dtmfRecord)
{
    const std::string_view name = RecordField(dtmfRecord, 2, true);
    return name.empty() ? std::string() : NameCaption + std::string(name);
}

namespace {

// A channel record with the given fields set and every other field "0".
std::string SampleChannel(std::initializer_list<std::pair<int, std::string>> fields)
{
    std::array<std::string, ChannelField::Count> values;
    values.fill("0");
    for (const auto& [field, value] : fields)
        values[static_cast<std::size_t>(field)] = value;
    std::string record = values[0];
    for (std::size_t i = 1; i < values.size(); ++i)
        record += ',' + values[i];
    return record;
}

std::string TwoDigits(std::size_t n)
{
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::string ThreeDigits(std::size_t n)
{
    return std::to_string(n / 100) + TwoDigits(n % 100);
}

} // namespace

std::array<std::vector<std::string>, 4> StatusPanelSamples(std::string_view nameBytes)
{
    // Every text of a panel, its digits made '0' to give its shape.
    std::array<std::set<std::string>, 4> shapes;
    const auto add = [&shapes](std::size_t panel, std::string text) {
        std::replace_if(
            text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }, '0');
        shapes[panel].insert(std::move(text));
    };
    // Four MHz digits and five decimals (10 Hz steps), the widest frequency a
    // band of these radios holds; an offset of two MHz digits; a program VFO
    // range of four digits each.
    add(0, TxOrOffsetStatusText(SampleChannel({{ChannelField::TxFrequency, "01299991670"}})));
    add(0, TxOrOffsetStatusText(
               SampleChannel({{ChannelField::Shift, "1"}, {ChannelField::Offset, "099990000"}})));
    add(3, ProgramVfoStatusText("0,01299,01299"));
    for (const char* shift : {"0", "1", "2", "3"}) {
        for (const char* reverse : {"0", "1"})
            add(1, ShiftStatusText(
                       SampleChannel({{ChannelField::Shift, shift}, {ChannelField::Reverse, reverse}})));
    }
    add(1, ShiftStatusText(SampleChannel({{ChannelField::TxFrequency, "00145000000"}})));
    for (std::size_t i = 0; i < ToneTexts.size(); ++i) {
        add(2, ToneStatusText(
                   SampleChannel({{ChannelField::Tone, "1"}, {ChannelField::ToneIndex, TwoDigits(i)}})));
        add(2, ToneStatusText(
                   SampleChannel({{ChannelField::Ctcss, "1"}, {ChannelField::CtcssIndex, TwoDigits(i)}})));
    }
    for (std::size_t i = 0; i < DcsCodes.size(); ++i)
        add(2, ToneStatusText(
                   SampleChannel({{ChannelField::Dcs, "1"}, {ChannelField::DcsIndex, ThreeDigits(i)}})));
    // Each shape written with every digit in turn.
    std::array<std::vector<std::string>, 4> samples;
    for (std::size_t panel = 0; panel < shapes.size(); ++panel) {
        for (const std::string& shape : shapes[panel]) {
            if (shape.find('0') == std::string::npos) {
                samples[panel].push_back(shape);
                continue;
            }
            for (char digit = '0'; digit <= '9'; ++digit) {
                std::string sample = shape;
                std::replace(sample.begin(), sample.end(), '0', digit);
                samples[panel].push_back(std::move(sample));
            }
        }
    }
    for (const char byte : nameBytes)
        samples[0].push_back(DtmfStatusText("00,0," + std::string(8, byte)));
    return samples;
}
