// Code tables and display texts: untrusted numbers, frequency and offset
// text, bands of frequencies and grid labels, and the status-bar texts.
#include "model/FieldTexts.h"
#include "model/Profile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>

namespace {

TEST(UntrustedNumbers, AnyBytesParseWithoutOverflow)
{
    const struct
    {
        std::string text;
        std::int64_t decimal;
        std::int64_t hex;
    } cases[] = {
        {"", 0, 0},
        {"0", 0, 0},
        {"00145000000", 145000000, 0x145000000},
        {"12ab", 12, 0x12ab},
        {"-5", 0, 0},
        {" 7", 0, 0},
        {"9223372036854775807", INT64_MAX, INT64_MAX},
        {"9223372036854775808", INT64_MAX, INT64_MAX},
        {std::string(300, '9'), INT64_MAX, INT64_MAX},
        {std::string("4\xFF"
                     "2",
                     3),
         4, 4},
        {"7FFFFFFFFFFFFFFF", 7, INT64_MAX},
        {"8000000000000000", 8000000000000000, INT64_MAX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseDecimal(c.text), c.decimal) << c.text;
        EXPECT_EQ(ParseHex(c.text), c.hex) << c.text;
    }
}

TEST(FrequencyText, FormatFrequency)
{
    const struct
    {
        const char* field;
        const char* text;
    } cases[] = {
        {"00145000000", "145.000"},
        {"00144012500", "144.0125"},
        {"00118008330", "118.00833"},
        {"00000540000", "0.540"},
        {"01240000000", "1240.000"},
        {"", "0.000"},
        {"00000531000", "0.531"},
        {"00000000001", "0.000001"},
        {"00144000100", "144.0001"},
        {"00144000120", "144.00012"},
        {"00144000123", "144.000123"},
        {"09999999999", "9999.999999"},
        {"1", "0.000001"},
        {"x", "0.000"},
        {"00145000000garbage", "145.000"},
        // More digits than a 32-bit integer holds, and more than 64 bits: no wrap.
        {"99999999999", "99999.999999"},
        {"99999999999999999999999", "9223372036854.775807"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFrequency(c.field), c.text) << c.field;
}

TEST(FrequencyText, FormatOffset)
{
    const struct
    {
        const char* field;
        const char* text;
    } cases[] = {
        {"035000000", "35.00"}, {"020000000", "20.00"}, {"000600000", "0.60"}, {"005000000", "5.00"},
        {"001600000", "1.60"},  {"012000000", "12.00"}, {"107600000", "7.60"}, {"000000000", "0.00"},
        {"0006", "0.60"},       {"", "0.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatOffset(c.field), c.text) << c.field;
}

std::array<std::string, BandLimitCount> DefaultLimits(char market, char region, const char* model)
{
    std::array<std::string, BandLimitCount> limits;
    for (int band = 0; band < BandLimitCount; ++band)
        limits[static_cast<std::size_t>(band)] = DefaultBandLimit(band, market, region, model);
    return limits;
}

TEST(BandOfFrequencyTest, ABandBeforeBBandAndTheFallbacks)
{
    const auto k = DefaultLimits('K', 'K', "ZT-Q2");
    const auto m = DefaultLimits('M', 'M', "ZT-Q3");
    const auto q5 = DefaultLimits('E', 'M', "ZT-Q5");
    const auto kNo220 = DefaultLimits('K', 'M', "ZT-Q2"); // market K outside region K
    const std::array<std::string, BandLimitCount> none{};
    const struct
    {
        const std::array<std::string, BandLimitCount>* limits;
        const char* field;
        int band;
    } cases[] = {
        {&k, "00145000000", 0},
        {&k, "00220000000", 1},
        {&kNo220, "00220000000", 11},
        {&k, "00137000000", 0},
        {&k, "00174000000", 10},
        {&k, "00136999999", 8},
        {&k, "00000050000", 4},
        {&none, "00000050000", 4},
        {&k, "00000099999", 4},
        {&k, "00000540000", 4},
        {&k, "00003500000", 5},
        {&k, "00051000000", 6},
        {&k, "00087900000", 7},
        {&k, "00440000000", 2},
        {&m, "00440000000", 12},
        {&m, "00146000000", 0},
        {&m, "00148000000", 9},
        {&q5, "01250000000", 3},
        {&m, "01250000000", 14},
        {&k, "02000000000", 14},
        {&none, "00145000000", 14},
        {&m, "00220000000", 10},
        {&k, "", 4},
        {&k, "junk", 4},
        {&k, "99999999999999999999", 14},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BandOfFrequency(c.field, *c.limits), c.band) << c.field;

    RadioImage image;
    for (int band = 0; band < BandLimitCount; ++band)
        image.SetBandLimit(band, k[static_cast<std::size_t>(band)]);
    EXPECT_EQ(BandOfFrequency("00220000000", image), 1);
}

TEST(BandOfFrequencyTest, LimitRanges)
{
    EXPECT_EQ(BandLimitRange("00137,00174")->lowerKhz, 137000);
    EXPECT_EQ(BandLimitRange("00137,00174")->upperKhz, 174000);
    EXPECT_EQ(BandLimitRange("0000171,0002970")->lowerKhz, 1710);
    EXPECT_EQ(BandLimitRange("0000171,0002970")->upperKhz, 29700);
    EXPECT_FALSE(BandLimitRange(""));
    EXPECT_FALSE(BandLimitRange("00137"));
    // A limit whose numbers overflow when padded saturates instead of wrapping.
    EXPECT_EQ(BandLimitRange("0,99999999999999999999")->upperKhz, INT64_MAX);
    EXPECT_EQ(BandLimitRange("9,1")->upperKhz, 10000000);
}

TEST(BandLabels, VfoAndCallLabelsRoundTrip)
{
    for (char market : {'K', 'E', 'J', 'M'}) {
        for (int band = 0; band < BandCount; ++band) {
            const std::string_view label = VfoBandLabel(band, market);
            if (label.empty()) {
                EXPECT_TRUE(band == 1 && market != 'K');
                continue;
            }
            EXPECT_EQ(BandOfVfoLabel(label), band) << label;
        }
        for (int index = 0; index < CallCount; ++index)
            EXPECT_EQ(BandOfCallLabel(CallBandLabel(index, market)), index);
    }
    EXPECT_EQ(VfoBandLabel(2, 'K'), "A_440MHz");
    EXPECT_EQ(VfoBandLabel(2, 'E'), "A_430MHz");
    EXPECT_EQ(VfoBandLabel(11, 'K'), "B_220MHz");
    EXPECT_EQ(VfoBandLabel(11, 'J'), "B_200MHz");
    EXPECT_EQ(CallBandLabel(2, 'K'), "440MHz");
    EXPECT_EQ(CallBandLabel(2, 'M'), "430MHz");
    EXPECT_EQ(BandOfVfoLabel(""), 14);
    EXPECT_EQ(BandOfVfoLabel("B_1200MHz"), 14);
    EXPECT_EQ(BandOfVfoLabel("a_144mhz"), 14);
    EXPECT_EQ(BandOfCallLabel("144MHz"), 0);
    EXPECT_EQ(BandOfCallLabel(""), 0);
    for (int band = 0; band < BandCount; ++band)
        EXPECT_EQ(BandOfCode(BandCodeChar(band)), band);
    EXPECT_EQ(BandOfCode('F'), -1);
    EXPECT_EQ(BandCodeChar(15), '\0');
    EXPECT_TRUE(BandExists(1, 'K', "ZT-Q2"));
    EXPECT_FALSE(BandExists(1, 'E', "ZT-Q2"));
    EXPECT_TRUE(BandExists(3, 'E', "ZT-Q5"));
    EXPECT_FALSE(BandExists(3, 'K', "ZT-Q3"));
}

TEST(CodeTables, LookupsAndTheirEdges)
{
    EXPECT_EQ(StepText("0"), "5kHz");
    EXPECT_EQ(StepText("2"), "8.33kHz");
    EXPECT_EQ(StepText("B"), "100kHz");
    EXPECT_EQ(StepText("C"), "");
    EXPECT_EQ(StepText(""), "");
    EXPECT_EQ(StepHz("5"), 12500);
    EXPECT_EQ(StepHz("A"), 50000);
    EXPECT_FALSE(StepHz("Z"));
    EXPECT_EQ(ModeText("0"), "FM");
    EXPECT_EQ(ModeText("5"), "CW");
    EXPECT_EQ(ModeText("6"), "");
    EXPECT_EQ(ToneText("00"), "67.0Hz");
    EXPECT_EQ(ToneText("08"), "88.5Hz");
    EXPECT_EQ(ToneText("41"), "254.1Hz");
    EXPECT_EQ(ToneText("42"), "");
    EXPECT_EQ(ToneText(""), "");
    EXPECT_EQ(ToneText("99999999999999999999999"), "");
    EXPECT_EQ(DcsCode("000"), "023");
    EXPECT_EQ(DcsCode("103"), "754");
    EXPECT_EQ(DcsCode("104"), "");
    EXPECT_EQ(LockoutMark("1"), "*");
    EXPECT_EQ(LockoutMark("0"), "");
    // The 8.33 kHz positions are k times 8333.33 Hz rounded to 10 Hz.
    for (std::size_t k = 0; k < Step833Positions.size(); ++k) {
        const auto hz =
            static_cast<std::int64_t>((static_cast<double>(k) * 100000.0 / 12.0 + 5.0) / 10.0) * 10;
        EXPECT_EQ(ParseDecimal(Step833Positions[k]), hz) << k;
    }
}

// Every entry of the tone and DCS lists, written out from the radio's own
// lists: the editors, the status bar, printing and CSV all read these
// tables, so one wrong entry would pass any round trip through them.
TEST(CodeTables, EveryToneAndDcsCodeByIndex)
{
    const char* const tones[] = {"67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",
                                 "85.4Hz",  "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz",
                                 "107.2Hz", "110.9Hz", "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz",
                                 "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz",
                                 "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz", "203.5Hz", "206.5Hz", "210.7Hz",
                                 "218.1Hz", "225.7Hz", "229.1Hz", "233.6Hz", "241.8Hz", "250.3Hz", "254.1Hz"};
    const char* const dcs[] = {
        "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
        "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
        "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
        "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
        "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
        "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
        "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
        "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};
    static_assert(std::size(tones) == 42 && std::size(dcs) == 104);
    ASSERT_EQ(ToneTexts.size(), std::size(tones));
    ASSERT_EQ(DcsCodes.size(), std::size(dcs));
    char field[24];
    for (std::size_t i = 0; i < std::size(tones); ++i) {
        std::snprintf(field, sizeof field, "%02zu", i);
        EXPECT_EQ(ToneText(field), tones[i]) << "tone index " << field;
    }
    for (std::size_t i = 0; i < std::size(dcs); ++i) {
        std::snprintf(field, sizeof field, "%03zu", i);
        EXPECT_EQ(DcsCode(field), dcs[i]) << "DCS index " << field;
    }
}

TEST(StatusBar, ChannelPanels)
{
    // Fields: label,freq,step,shift,rev,tone,ctcss,dcs,ti,ci,di,offset,mode,lock,tx,txstep,,name
    const struct
    {
        const char* record;
        const char* p1;
        const char* p2;
        const char* p3;
    } cases[] = {
        {"000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,", "", "", ""},
        {"000,00145000000,0,1,0,1,0,0,08,08,000,000600000,0,0,,,,", "Offset : 0.60MHz", "+", "T : 88.5Hz"},
        {"000,00145000000,0,2,1,0,1,0,08,12,000,005000000,0,0,,,,", "Offset : 5.00MHz", "- R",
         "CT : 100.0Hz"},
        {"000,00439000000,0,3,1,1,1,1,08,08,005,007600000,0,0,,,,", "", "-7.6 R", "DCS : 036"},
        {"C,00439000000,0,3,0,0,0,0,08,08,000,007600000,0,,,,,", "", "-7.6", ""},
        {"E,01270000000,0,3,0,0,0,0,08,08,000,020000000,0,,,,,", "", "-7.6", ""},
        {"000,00145000000,0,0,1,0,0,0,08,08,000,000600000,0,0,00146000000,0,,", "Tx Frequency : 146.000MHz",
         "+-", ""},
        {"000,00145000000,0,1,1,0,0,0,08,08,000,000600000,0,0,00146500000,0,,", "Tx Frequency : 146.500MHz",
         "+ R", ""},
        {"000,00145000000,0,0,1,0,0,0,08,08,000,000600000,0,0,,,,", "", " R", ""},
        {"000,00145000000,0,1,0,0,0,0,08,08,000,0,0,0,,,,", "", "+", ""},
        {"000,00145000000,0,1", "", "+", ""},
        {"000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,1,,,", "", "", ""},
        {"000,00145000000,0,0,0,0,0,1,08,08,999,000600000,0,0,,,,", "", "", "DCS : "},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        const StatusTexts texts = ChannelStatusTexts(c.record);
        EXPECT_EQ(texts.panel[0], c.p1) << c.record;
        EXPECT_EQ(texts.panel[1], c.p2) << c.record;
        EXPECT_EQ(texts.panel[2], c.p3) << c.record;
        EXPECT_EQ(texts.panel[3], "") << c.record;
    }
    EXPECT_EQ(ProgramVfoStatusText("0,00144,00147"), "Programmable VFO : 144-147");
    EXPECT_EQ(ProgramVfoStatusText("3,01240,01299"), "Programmable VFO : 1240-1299");
    EXPECT_EQ(ChannelStatusTexts("0,00144000000", "0,00137,00173").panel[3], "Programmable VFO : 137-173");
    EXPECT_EQ(ProgramVfoStatusText(""), "");
}

TEST(StatusBar, DtmfName)
{
    EXPECT_EQ(DtmfStatusText("00,1234,HOME"), "Name : HOME");
    EXPECT_EQ(DtmfStatusText("00,1234,A,B"), "Name : A,B");
    EXPECT_EQ(DtmfStatusText("00,1234,"), "");
    EXPECT_EQ(DtmfStatusText("00,1234"), "");
    EXPECT_EQ(DtmfStatusText(""), "");
}

} // namespace
