// The radio image's accessors and the market defaults of a new image.
#include "model/RadioImage.h"

#include "model/FieldTexts.h"

#include <cstdint>

namespace {

const std::string EmptyText;

template <std::size_t N>
void Store(std::array<std::string, N>& members, int index, std::string_view text, std::size_t capacity)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N) return;
    members[static_cast<std::size_t>(index)].assign(text.substr(0, capacity));
}

template <std::size_t N> const std::string& Fetch(const std::array<std::string, N>& members, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N) return EmptyText;
    return members[static_cast<std::size_t>(index)];
}

std::string Digits(std::int64_t value, int width)
{
    std::string text = std::to_string(value < 0 ? 0 : value);
    if (text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

// A default channel record: shift, reverse, tone, CTCSS and DCS off, tone
// indices 08 (88.5 Hz), DCS index 000, fields 13 to 17 empty.
std::string DefaultChannel(char band, std::int64_t hz, char step, std::int64_t offsetHz, char mode)
{
    std::string record;
    record.reserve(48);
    record += band;
    record += ',';
    record += Digits(hz, 11);
    record += ',';
    record += step;
    record += ",0,0,0,0,0,08,08,000,";
    record += Digits(offsetHz, 9);
    record += ',';
    record += mode;
    record += ",,,,,";
    return record;
}

constexpr std::int64_t kHz = 1000;
constexpr std::int64_t MHz = 1000000;

enum Mode : char { FM = '0', WFM = '1', AM = '2', LSB = '3' };

struct BandDefault
{
    std::int64_t hz;
    char step;
    std::int64_t offsetHz;
    char mode;
};

// Market columns K, E, J, M (other letters take M).
int MarketColumn(char market)
{
    switch (market) {
    case 'K':
        return 0;
    case 'E':
        return 1;
    case 'J':
        return 2;
    default:
        return 3;
    }
}

} // namespace

std::size_t MenuSettingWidth(int index)
{
    if (index < 0 || index >= MenuCount) return 0;
    if (index == 12 || index == 21) return 8;
    if (index == 22) return 2;
    return 1;
}

void RadioImage::SetMemoryRecord(int index, std::string_view text)
{
    Store(memory_, index, text, RecordCapacity);
}
void RadioImage::SetVfoRecord(int band, std::string_view text)
{
    Store(vfo_, band, text, RecordCapacity);
}
void RadioImage::SetCallRecord(int index, std::string_view text)
{
    Store(call_, index, text, RecordCapacity);
}
void RadioImage::SetDtmfRecord(int index, std::string_view text)
{
    Store(dtmf_, index, text, DtmfCapacity);
}
void RadioImage::SetProgramVfoRecord(int band, std::string_view text)
{
    Store(programVfo_, band, text, ProgramVfoCapacity);
}
void RadioImage::SetMenuSetting(int index, std::string_view text)
{
    Store(menu_, index, text, MenuSettingWidth(index));
}
void RadioImage::SetTypeCode(std::string_view text)
{
    typeCode_.assign(text.substr(0, TypeCodeCapacity));
}
void RadioImage::SetModel(std::string_view text)
{
    model_.assign(text.substr(0, ModelCapacity));
}
void RadioImage::SetBandLimit(int band, std::string_view text)
{
    Store(bandLimit_, band, text, BandLimitCapacity);
}
void RadioImage::SetPasteBuffer(std::string_view text)
{
    pasteBuffer_.assign(text.substr(0, RecordCapacity));
}

const std::string& RadioImage::GetMemoryRecord(int index) const
{
    return Fetch(memory_, index);
}
const std::string& RadioImage::GetVfoRecord(int band) const
{
    return Fetch(vfo_, band);
}
const std::string& RadioImage::GetCallRecord(int index) const
{
    return Fetch(call_, index);
}
const std::string& RadioImage::GetDtmfRecord(int index) const
{
    return Fetch(dtmf_, index);
}
const std::string& RadioImage::GetProgramVfoRecord(int band) const
{
    return Fetch(programVfo_, band);
}
const std::string& RadioImage::GetMenuSetting(int index) const
{
    return Fetch(menu_, index);
}
const std::string& RadioImage::BandLimit(int band) const
{
    return Fetch(bandLimit_, band);
}

std::string_view RadioImage::RecordFieldView(RecordKind kind, int index, int field) const
{
    switch (kind) {
    case RecordKind::Memory:
        return RecordField(Fetch(memory_, index), field, field == ChannelField::Name);
    case RecordKind::Vfo:
        return RecordField(Fetch(vfo_, index), field);
    case RecordKind::Call:
        return RecordField(Fetch(call_, index), field);
    case RecordKind::Dtmf:
        return RecordField(Fetch(dtmf_, index), field, field == 2);
    case RecordKind::BandLimit:
        return RecordField(Fetch(bandLimit_, index), field);
    case RecordKind::PasteBuffer:
        return RecordField(pasteBuffer_, field);
    case RecordKind::PasteBufferTail:
        return RecordField(pasteBuffer_, field, true);
    case RecordKind::ProgramVfo:
        return RecordField(Fetch(programVfo_, index), field);
    }
    return {};
}

std::string RadioImage::GetRecordField(RecordKind kind, int index, int field) const
{
    return std::string(RecordFieldView(kind, index, field));
}

std::string RadioImage::GetTypeField(TypeField which) const
{
    switch (which) {
    case TypeField::Market:
        return typeCode_.size() > 1 ? typeCode_.substr(1, 1) : std::string();
    case TypeField::Region:
        return typeCode_.substr(0, 1);
    case TypeField::TypeDigits:
        return typeCode_.size() > 3 ? typeCode_.substr(3, 2) : std::string();
    }
    return {};
}

void RadioImage::ClearImage()
{
    for (auto& record : memory_)
        record.clear();
    for (int band = 0; band <= 5; ++band)
        vfo_[static_cast<std::size_t>(band)].clear();
    call_[0].clear();
    call_[1].clear();
    for (auto& record : dtmf_)
        record.clear();
}

void RadioImage::LoadDefaultVfoAndCall()
{
    const char market = MarketLetter();
    const int column = MarketColumn(market);
    const bool q5 = HasBand1200();
    const std::string digits = TypeDigits();

    // Rows by band code; columns K, E, J, M.
    auto row = [column](const BandDefault(&cells)[4]) { return cells[column]; };
    auto set = [this](int band, const BandDefault& d) {
        const char code = static_cast<char>(band < 10 ? '0' + band : 'A' + (band - 10));
        SetVfoRecord(band, DefaultChannel(code, d.hz, d.step, d.offsetHz, d.mode));
    };

    const BandDefault band0[4] = {{144 * MHz, '0', 600 * kHz, FM},
                                  {144 * MHz, '5', 600 * kHz, FM},
                                  {145 * MHz, '7', 600 * kHz, FM},
                                  {144 * MHz, '5', 600 * kHz, FM}};
    BandDefault band2[4] = {{440 * MHz, '8', 5 * MHz, FM},
                            {430 * MHz, '8', 1600 * kHz, FM},
                            {433 * MHz, '7', 5 * MHz, FM},
                            {430 * MHz, '8', 5 * MHz, FM}};
    if (digits == "09" || digits == "01") band2[1].hz = 432 * MHz;
    const BandDefault band3[4] = {{1240 * MHz, '8', 12 * MHz, FM},
                                  {1240 * MHz, '8', 35 * MHz, FM},
                                  {1295 * MHz, '7', 20 * MHz, FM},
                                  {1240 * MHz, '8', 20 * MHz, FM}};
    const BandDefault band11[4] = {{223 * MHz, '7', 1600 * kHz, FM},
                                   {230 * MHz, '5', 0, FM},
                                   {225 * MHz, '5', 0, FM},
                                   {223 * MHz, '0', 0, FM}};
    const BandDefault band4[4] = {
        {540 * kHz, '4', 0, AM}, {540 * kHz, '3', 0, AM}, {531 * kHz, '3', 0, AM}, {540 * kHz, '3', 0, AM}};
    const BandDefault band7[4] = {{87900 * kHz, 'B', 0, WFM},
                                  {87500 * kHz, 'A', 0, WFM},
                                  {76100 * kHz, 'B', 0, WFM},
                                  {87900 * kHz, 'B', 0, WFM}};
    const BandDefault band8[4] = {
        {118 * MHz, '5', 0, AM}, {118 * MHz, '8', 0, AM}, {118 * MHz, '8', 0, AM}, {118 * MHz, '8', 0, AM}};
    const BandDefault band10[4] = {{179750 * kHz, 'A', 0, WFM},
                                   {180750 * kHz, 'A', 0, WFM},
                                   {175750 * kHz, 'A', 0, WFM},
                                   {179750 * kHz, 'A', 0, WFM}};
    const BandDefault band13[4] = {{475750 * kHz, 'A', 0, WFM},
                                   {476750 * kHz, 'A', 0, WFM},
                                   {475750 * kHz, 'A', 0, WFM},
                                   {475750 * kHz, 'A', 0, WFM}};

    set(0, row(band0));
    set(9, row(band0));
    if (market == 'K') {
        set(1, {223 * MHz, '7', 1600 * kHz, FM});
    } else {
        SetVfoRecord(1, "");
    }
    set(11, row(band11));
    set(2, row(band2));
    set(12, row(band2));
    BandDefault band14 = row(band3);
    if (q5) {
        set(3, band14);
    } else {
        // Without the 1200 MHz A band its records are emptied, so that
        // nothing of an earlier ZT-Q5 image survives a model change.
        SetVfoRecord(3, "");
        band14.offsetHz = 0;
    }
    set(14, band14);
    set(4, row(band4));
    set(5, {3500 * kHz, '0', 0, LSB});
    set(6, {51 * MHz, '4', 0, FM});
    set(7, row(band7));
    set(8, row(band8));
    set(10, row(band10));
    set(13, row(band13));

    for (int index = 0; index <= 3; ++index)
        SetCallRecord(index, vfo_[static_cast<std::size_t>(index)]);

    // Program VFO ranges: the band limit with an inclusive upper MHz.
    auto programVfo = [this](int band) {
        const std::string& limit = BandLimit(band);
        const std::size_t comma = limit.find(',');
        if (comma == std::string::npos) {
            SetProgramVfoRecord(band, "");
            return;
        }
        const std::string_view lower = std::string_view(limit).substr(0, comma);
        const std::int64_t upper = ParseDecimal(std::string_view(limit).substr(comma + 1));
        std::string record(1, static_cast<char>('0' + band));
        record += ',';
        record += lower;
        record += ',';
        record += Digits(upper > 0 ? upper - 1 : 0, 5);
        SetProgramVfoRecord(band, record);
    };
    programVfo(0);
    programVfo(2);
    if (q5)
        programVfo(3);
    else
        SetProgramVfoRecord(3, "");
    if (market == 'K')
        programVfo(1);
    else
        SetProgramVfoRecord(1, "");
}

void RadioImage::LoadDefaultMenu()
{
    const char market = MarketLetter();
    const bool q5 = HasBand1200();
    static constexpr std::string_view Defaults[MenuCount] = {
        "0", "2",        "1",        "0", "0", "0", "0", "0", "0", "0", // 0..9
        "0", "0",        "        ", "0", "1", "0", "0", "0", "2", "0", // 10..19
        "0", "HELLO !!", "08",       "5", "1", "1", "0", "4", "1", "0", // 20..29
        "0", "0",        "1",        "0", "0", "0", "0", "0", "0", "0", // 30..39
        "0",                                                            // 40
    };
    for (int index = 0; index < MenuCount; ++index)
        SetMenuSetting(index, Defaults[index]);
    if (!q5) {
        SetMenuSetting(9, "");
        SetMenuSetting(10, "");
        SetMenuSetting(38, "");
    }
    if (market == 'E') SetMenuSetting(29, "1");
    if (market != 'K') SetMenuSetting(36, "");
}

void RadioImage::LoadInformationChannels()
{
    const char market = MarketLetter();
    if (market != 'J' && market != 'K') return;
    struct Info
    {
        std::int64_t hz;
        char step;
        char mode;
        std::string_view name;
    };
    // "NHK" and the station's city in half-width katakana.
    static constexpr Info Japan[10] = {
        {567 * kHz, '3', AM, "NHK\xBB\xAF\xCE\xDF\xDB"},
        {594 * kHz, '3', AM, "NHK\xC4\xB3\xB7\xAE\xB3"},
        {612 * kHz, '3', AM, "NHK\xCC\xB8\xB5\xB6"},
        {666 * kHz, '3', AM, "NHK\xB5\xB5\xBB\xB6"},
        {729 * kHz, '3', AM, "NHK\xC5\xBA\xDE\xD4"},
        {891 * kHz, '3', AM, "NHK\xBE\xDD\xC0\xDE\xB2"},
        {1071 * kHz, '3', AM, "NHK\xCB\xDB\xBC\xCF"},
        {95750 * kHz, 'A', WFM, "TV-1"},
        {101750 * kHz, 'A', WFM, "TV-2"},
        {107750 * kHz, 'A', WFM, "TV-3"},
    };
    static constexpr Info Weather[10] = {
        {162550 * kHz, '0', FM, "WEATHER"}, {162400 * kHz, '0', FM, "WEATHER"},
        {162475 * kHz, '0', FM, "WEATHER"}, {162425 * kHz, '0', FM, "WEATHER"},
        {162450 * kHz, '0', FM, "WEATHER"}, {162500 * kHz, '0', FM, "WEATHER"},
        {162525 * kHz, '0', FM, "WEATHER"}, {161650 * kHz, '0', FM, "WEATHER"},
        {161775 * kHz, '0', FM, "WEATHER"}, {163275 * kHz, '0', FM, "WEATHER"},
    };
    const Info* table = market == 'J' ? Japan : Weather;
    for (int k = 0; k < 10; ++k) {
        const Info& info = table[k];
        const int index = InformationFirst + k;
        std::string record = MemoryLabel(index);
        record += ',';
        record += Digits(info.hz, 11);
        record += ',';
        record += info.step;
        record += ",0,0,0,0,0,08,08,000,000000000,";
        record += info.mode;
        record += ",0,,,,";
        record += info.name;
        SetMemoryRecord(index, record);
    }
}
