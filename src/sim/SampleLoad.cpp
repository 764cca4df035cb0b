// The sample load of the simulated radio, by market: the band plans and
// repeater habits of each market (600 kHz and 5 MHz shifts with tones in
// market K, the 7.6 MHz shift and 12.5 kHz channels in market E, 20 kHz
// steps and the 88.5 Hz repeater tone in market J), a few simplex, split,
// air band, broadcast and HF channels, scan edges, a priority channel and
// DTMF memories. The information channels are the market's own.
#include "sim/SampleLoad.h"

#include "model/FieldTexts.h"
#include "model/Profile.h"
#include "rules/EntryKeys.h"
#include "sim/VirtualRadio.h"

#include <algorithm>

namespace {

using S = ShiftChoice;

// clang-format off
const SampleChannel ChannelsK[] = {
    {0,   "146.52",  0,  ModeFm,  S::Simplex, "0.60",    0,   "",        "CALL 2M"},
    {1,   "146.94",  0,  ModeFm,  S::Minus,   "0.60",    'T', "100.0Hz", "RPT 94"},
    {2,   "147.3",   0,  ModeFm,  S::Plus,    "0.60",    'T', "127.3Hz", "RPT 30"},
    {3,   "145.29",  0,  ModeFm,  S::Minus,   "0.60",    'C', "88.5Hz",  "RPT 29"},
    {4,   "147.06",  0,  ModeFm,  S::Plus,    "0.60",    'T', "141.3Hz", "RPT 06", false, true},
    {5,   "146.76",  0,  ModeFm,  S::Minus,   "0.60",    'T', "103.5Hz", "REV 76", true},
    {6,   "147.435", 0,  ModeFm,  S::Split,   "146.435", 'T', "123.0Hz", "ODDSPLIT"},
    {7,   "146.55",  0,  ModeFm,  S::Simplex, "0.60",    0,   "",        "SIMPLEX"},
    {10,  "224.1",   0,  ModeFm,  S::Minus,   "1.60",    'T', "110.9Hz", "RPT 220"},
    {11,  "223.5",   0,  ModeFm,  S::Simplex, "1.60",    0,   "",        "CALL 220"},
    {20,  "442.1",   5,  ModeFm,  S::Plus,    "5.00",    'T', "100.0Hz", "RPT 440"},
    {21,  "444.625", 5,  ModeFm,  S::Plus,    "5.00",    'D', "023",     "DCS RPT"},
    {22,  "446",     5,  ModeFm,  S::Simplex, "5.00",    0,   "",        "CALL 440"},
    {30,  "1282",    5,  ModeFm,  S::Special, "20.00",   'T', "88.5Hz",  "RPT 1.2G"},
    {31,  "1294.5",  5,  ModeFm,  S::Simplex, "0.60",    0,   "",        "1.2G SPX"},
    {40,  "52.525",  0,  ModeFm,  S::Simplex, "0.60",    0,   "",        "6M CALL"},
    {50,  "121.5",   8,  ModeAm,  S::Simplex, "0.60",    0,   "",        "AIR GRD"},
    {51,  "118.7",   8,  ModeAm,  S::Simplex, "0.60",    0,   "",        "TOWER"},
    {60,  "101.1",   11, ModeWfm, S::Simplex, "0.60",    0,   "",        "FM 101.1"},
    {61,  "0.88",    4,  ModeAm,  S::Simplex, "0.60",    0,   "",        "AM 880"},
    {62,  "7.2",     0,  ModeLsb, S::Simplex, "0.60",    0,   "",        "40M LSB"},
    {63,  "14.23",   0,  ModeUsb, S::Simplex, "0.60",    0,   "",        "SSTV 20M"},
    {400, "144",     0,  ModeFm,  S::Simplex, "0.60",    0,   "",        ""},
    {401, "148",     0,  ModeFm,  S::Simplex, "0.60",    0,   "",        ""},
    {420, "146.94",  0,  ModeFm,  S::Minus,   "0.60",    'T', "100.0Hz", "RPT 94"},
};

const SampleChannel ChannelsE[] = {
    {0,   "145.5",     5,  ModeFm,  S::Simplex, "0.60",   0,   "",        "CALL 2M"},
    {1,   "145.6",     5,  ModeFm,  S::Minus,   "0.60",   'T', "77.0Hz",  "RPT R0"},
    {2,   "145.7125",  5,  ModeFm,  S::Minus,   "0.60",   'T', "88.5Hz",  "RPT R5X"},
    {3,   "145.775",   5,  ModeFm,  S::Minus,   "0.60",   'C', "71.9Hz",  "RPT R7"},
    {4,   "145.7875",  5,  ModeFm,  S::Minus,   "0.60",   'T', "94.8Hz",  "RPT R7X", false, true},
    {5,   "145.725",   5,  ModeFm,  S::Minus,   "0.60",   'T', "88.5Hz",  "REV R6", true},
    {6,   "145.95",    5,  ModeFm,  S::Split,   "145.35", 'C', "110.9Hz", "ODDSPLIT"},
    {7,   "144.8",     5,  ModeFm,  S::Simplex, "0.60",   0,   "",        "APRS"},
    {10,  "439.05",    5,  ModeFm,  S::Special, "7.60",   'T', "67.0Hz",  "RELAIS"},
    {11,  "438.65",    5,  ModeFm,  S::Special, "7.60",   'T', "71.9Hz",  "R\xC9P\xC9TEUR"},
    {12,  "439.7",     5,  ModeFm,  S::Minus,   "9.00",   'T', "82.5Hz",  "RPT 70CM"},
    {13,  "433.5",     5,  ModeFm,  S::Simplex, "1.60",   0,   "",        "CALL 70"},
    {14,  "446.00625", 1,  ModeFm,  S::Simplex, "0.60",   0,   "",        "PMR 1"},
    {15,  "446.09375", 1,  ModeFm,  S::Simplex, "0.60",   0,   "",        "PMR 8"},
    {20,  "1297",      5,  ModeFm,  S::Special, "6.00",   'T', "88.5Hz",  "RPT 23CM"},
    {21,  "1297.5",    5,  ModeFm,  S::Simplex, "0.60",   0,   "",        "23CM SPX"},
    {30,  "51.51",     4,  ModeFm,  S::Simplex, "0.60",   0,   "",        "6M FM"},
    {40,  "132.00833", 2,  ModeAm,  S::Simplex, "0.60",   0,   "",        "ATIS"},
    {41,  "121.5",     8,  ModeAm,  S::Simplex, "0.60",   0,   "",        "AIR GRD"},
    {50,  "89.3",      10, ModeWfm, S::Simplex, "0.60",   0,   "",        "FM 89.3"},
    {51,  "0.909",     3,  ModeAm,  S::Simplex, "0.60",   0,   "",        "MW 909"},
    {52,  "14.23",     0,  ModeUsb, S::Simplex, "0.60",   0,   "",        "SSTV 20M"},
    {400, "144",       5,  ModeFm,  S::Simplex, "0.60",   0,   "",        ""},
    {401, "145.9875",  5,  ModeFm,  S::Simplex, "0.60",   0,   "",        ""},
    {420, "145.6",     5,  ModeFm,  S::Minus,   "0.60",   'T', "77.0Hz",  "RPT R0"},
};

// Names in half-width katakana: "yobidashi" (calling) and "repeater".
const SampleChannel ChannelsJ[] = {
    {0,   "145",    7,  ModeFm,  S::Simplex, "0.60",   0,   "",       "\xD6\xCB\xDE\xC0\xDE\xBC"},
    {1,   "433",    7,  ModeFm,  S::Simplex, "5.00",   0,   "",       "CALL 430"},
    {2,   "439.2",  7,  ModeFm,  S::Minus,   "5.00",   'T', "88.5Hz", "\xDA\xCB\xDF\xB0\xC0" "1"},
    {3,   "439.52", 7,  ModeFm,  S::Minus,   "5.00",   'T', "88.5Hz", "\xDA\xCB\xDF\xB0\xC0" "2"},
    {4,   "439.84", 7,  ModeFm,  S::Minus,   "5.00",   'T', "88.5Hz", "REV 84", true},
    {5,   "439.1",  7,  ModeFm,  S::Minus,   "5.00",   'T', "88.5Hz", "RPT 10", false, true},
    {6,   "145.78", 7,  ModeFm,  S::Split,   "144.78", 0,   "",       "SPLIT 1M"},
    {7,   "145.3",  7,  ModeFm,  S::Simplex, "0.60",   0,   "",       "SIMPLEX"},
    {10,  "1294",   7,  ModeFm,  S::Minus,   "20.00",  'T', "88.5Hz", "RPT 1200"},
    {11,  "1295",   7,  ModeFm,  S::Simplex, "0.60",   0,   "",       "1.2G SPX"},
    {20,  "118.1",  8,  ModeAm,  S::Simplex, "0.60",   0,   "",       "TOWER"},
    {21,  "80",     11, ModeWfm, S::Simplex, "0.60",   0,   "",       "FM 80.0"},
    {22,  "50.6",   4,  ModeFm,  S::Simplex, "0.60",   0,   "",       "6M FM"},
    {23,  "7.1",    0,  ModeLsb, S::Simplex, "0.60",   0,   "",       "40M LSB"},
    {400, "144",    7,  ModeFm,  S::Simplex, "0.60",   0,   "",       ""},
    {401, "145.98", 7,  ModeFm,  S::Simplex, "0.60",   0,   "",       ""},
    {420, "439.2",  7,  ModeFm,  S::Minus,   "5.00",   'T', "88.5Hz", "\xDA\xCB\xDF\xB0\xC0" "1"},
};

const SampleChannel ChannelsM[] = {
    {0,   "145",      5,  ModeFm,  S::Simplex, "0.60",  0,   "",        "CALL 2M"},
    {1,   "146.7",    5,  ModeFm,  S::Minus,   "0.60",  'T', "123.0Hz", "RPT 2M"},
    {2,   "147",      5,  ModeFm,  S::Plus,    "0.60",  'T', "91.5Hz",  "RPT 147"},
    {3,   "146.9",    5,  ModeFm,  S::Minus,   "0.60",  'C', "136.5Hz", "RPT 69"},
    {4,   "147.15",   5,  ModeFm,  S::Plus,    "0.60",  'T', "146.2Hz", "RPT 15", false, true},
    {5,   "146.625",  5,  ModeFm,  S::Minus,   "0.60",  'T', "100.0Hz", "REV 625", true},
    {6,   "145.825",  5,  ModeFm,  S::Split,   "145.2", 0,   "",        "ODDSPLIT"},
    {10,  "438.5",    5,  ModeFm,  S::Minus,   "5.00",  'T', "91.5Hz",  "RPT 70CM"},
    {11,  "439",      5,  ModeFm,  S::Minus,   "7.60",  'D', "754",     "DCS RPT"},
    {12,  "433",      5,  ModeFm,  S::Simplex, "5.00",  0,   "",        "CALL 70"},
    {20,  "1291",     8,  ModeFm,  S::Minus,   "12.00", 'T', "88.5Hz",  "RPT 1.2G"},
    {21,  "1270",     8,  ModeFm,  S::Simplex, "0.60",  0,   "",        "1.2G SPX"},
    {30,  "121.5",    8,  ModeAm,  S::Simplex, "0.60",  0,   "",        "AIR GRD"},
    {31,  "88.1",     11, ModeWfm, S::Simplex, "0.60",  0,   "",        "FM 88.1"},
    {32,  "0.54",     3,  ModeAm,  S::Simplex, "0.60",  0,   "",        "AM 540"},
    {33,  "14.23",    0,  ModeUsb, S::Simplex, "0.60",  0,   "",        "SSTV 20M"},
    {400, "144",      5,  ModeFm,  S::Simplex, "0.60",  0,   "",        ""},
    {401, "147.9875", 5,  ModeFm,  S::Simplex, "0.60",  0,   "",        ""},
    {420, "146.7",    5,  ModeFm,  S::Minus,   "0.60",  'T', "123.0Hz", "RPT 2M"},
};

const SampleDtmf DtmfMemories[] = {
    {0, "*123",      "PATCH ON"},
    {1, "#",         "PATCHOFF"},
    {2, "5550123",   "HOME"},
    {3, "A1B2 C3D4", "TEST"},
};
// clang-format on

int ListPosition(std::span<const std::string_view> list, std::string_view text, int fallback)
{
    const auto it = std::find(list.begin(), list.end(), text);
    return it == list.end() ? fallback : static_cast<int>(it - list.begin());
}

} // namespace

std::span<const SampleChannel> SampleChannels(char market)
{
    switch (market) {
    case 'K':
        return ChannelsK;
    case 'E':
        return ChannelsE;
    case 'J':
        return ChannelsJ;
    default:
        return ChannelsM;
    }
}

std::span<const SampleDtmf> SampleDtmfMemories(char)
{
    return DtmfMemories;
}

ChannelControls SampleControls(const RadioImage& image, const SampleChannel& channel)
{
    ChannelControls c;
    const bool split = channel.shift == ShiftChoice::Split;
    c.rxText = channel.rx;
    c.txText = split ? channel.offsetOrTx : channel.rx;
    c.offsetText = split ? "0.60" : channel.offsetOrTx;
    c.step = channel.step;
    c.mode = channel.mode;
    c.shift = channel.shift;
    if (c.shift == ShiftChoice::Special) {
        // Versions without the special offset take the same offset as a
        // plain minus shift.
        std::string rx = c.rxText;
        NormalizeFrequencyText(rx);
        if (!SpecialShiftCaption(BandOfFrequency(rx, image), image.MarketLetter(), image.TypeDigits(), true))
            c.shift = ShiftChoice::Minus;
    }
    c.reverse = channel.reverse && !split;
    const std::string_view tone = channel.tone;
    switch (channel.squelch) {
    case 'T':
        c.tone = true;
        c.toneIndex = ListPosition(ToneTexts, tone, c.toneIndex);
        break;
    case 'C':
        c.ctcss = true;
        c.ctcssIndex = ListPosition(ToneTexts, tone, c.ctcssIndex);
        break;
    case 'D':
        c.dcs = true;
        c.dcsIndex = ListPosition(DcsCodes, tone, c.dcsIndex);
        break;
    default:
        break;
    }
    c.lockout = channel.lockout;
    c.name = channel.name;
    return c;
}

RadioImage SampleRadioImage(std::string_view typeCode, std::string_view model)
{
    RadioImage image = NewRadioImage(typeCode, model);
    for (const SampleChannel& channel : SampleChannels(image.MarketLetter())) {
        const BuiltRecord built = BuildMemoryRecord(image, channel.slot, SampleControls(image, channel));
        if (built.error == EntryError::None) image.SetMemoryRecord(channel.slot, built.record);
    }
    for (const SampleDtmf& memory : SampleDtmfMemories(image.MarketLetter()))
        image.SetDtmfRecord(memory.slot, BuildDtmfRecord(memory.slot, memory.code, memory.name));
    return image;
}
