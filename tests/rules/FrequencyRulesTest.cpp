// Frequency and offset entry rules: text normalisation, band and step fitting.
#include "rules/FrequencyRules.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

// Default band limits of each market, as the profile load gives them.
FrequencyProfile MakeProfile(char market)
{
    FrequencyProfile p;
    switch (market) {
    case 'K':
        p.typeCode = "KK,0F";
        p.model = "ZT-Q2";
        p.bandLimits = {"00137,00174",     "00216,00260",     "00410,00470",     "",
                        "0000010,0000180", "0000180,0002970", "0002970,0005400", "0005400,0010800",
                        "00108,00137",     "00137,00174",     "00174,00216",     "00216,00400",
                        "00400,00470",     "00470,00806",     "00806,01300"};
        p.programVfo = {"0,00137,00173", "1,00216,00259", "2,00410,00469", ""};
        break;
    case 'E':
        p.typeCode = "ME,0B";
        p.model = "ZT-Q3";
        p.bandLimits = {"00144,00146",     "",
                        "00430,00440",     "",
                        "0000010,0000171", "0000171,0002970",
                        "0002970,0008750", "0008750,0010800",
                        "00108,00137",     "00137,00174",
                        "00174,00230",     "00230,00400",
                        "00400,00470",     "00470,00862",
                        "00862,01300"};
        p.programVfo = {"0,00144,00145", "", "2,00430,00439", ""};
        break;
    case 'M':
        p.typeCode = "MM,07";
        p.model = "ZT-Q3";
        p.bandLimits = {"00144,00148",     "",
                        "00430,00440",     "",
                        "0000010,0000171", "0000171,0002970",
                        "0002970,0005400", "0005400,0010800",
                        "00108,00137",     "00137,00174",
                        "00174,00223",     "00223,00400",
                        "00400,00470",     "00470,00890",
                        "00890,01300"};
        p.programVfo = {"0,00144,00147", "", "2,00430,00439", ""};
        break;
    default: // 'J'
        p.typeCode = "JJ,01";
        p.model = "ZT-Q3";
        p.bandLimits = {"00144,00146",     "",
                        "00430,00440",     "",
                        "0000010,0000171", "0000171,0002970",
                        "0002970,0007600", "0007600,0010800",
                        "00108,00137",     "00137,00174",
                        "00174,00222",     "00222,00415",
                        "00415,00470",     "00470,00770",
                        "00770,01300"};
        p.programVfo = {"0,00144,00145", "", "2,00430,00439", ""};
        break;
    }
    return p;
}

TEST(FrequencyText, NormalizesTypedMegahertz)
{
    const struct
    {
        const char* typed;
        const char* digits;
    } cases[] = {
        {"", "00000000000"},
        {"145", "00145000000"},
        {"007", "00007000000"},
        {"1299", "01299000000"},
        {"1300", "01299999999"},
        {"99999999999", "01299999999"},
        {"145.5", "00145500000"},
        {".5", "00000500000"},
        {"00.5", "00000500000"},
        {"0145.5", "00145500000"},
        {"145.", "00145000000"},
        {".", "00000000000"},
        {"145.12345678", "00145123456"}, // dropped, not rounded
        {"1300.5", "01300500000"},       // caught later by the check
        {"123456.5", "99999999999"},     // more MHz digits than the field holds
    };
    for (const auto& c : cases) {
        std::string text = c.typed;
        EXPECT_TRUE(NormalizeFrequencyText(text)) << c.typed;
        EXPECT_EQ(text, c.digits) << c.typed;
    }
}

TEST(FrequencyText, RefusesMalformedTextAndLeavesItAlone)
{
    for (const char* typed : {"145..5", "1.4.5", "..", "14a5", " 145", "-145", "1,5"}) {
        std::string text = typed;
        EXPECT_FALSE(NormalizeFrequencyText(text)) << typed;
        EXPECT_EQ(text, typed);
        EXPECT_FALSE(NormalizeOffsetText(text)) << typed;
        EXPECT_EQ(text, typed);
    }
}

TEST(OffsetText, FallsToTheFiftyKilohertzStepBelow)
{
    const struct
    {
        const char* typed;
        const char* digits;
    } cases[] = {
        {"5.5", "05500000"},  {"0.66", "00650000"},  {"0.63", "00600000"}, {"0.6", "00600000"},
        {"00.6", "00600000"}, {".5", "00500000"},    {"60", "59950000"},   {"59", "59000000"},
        {"", "00000000"},     {"0", "00000000"},     {"7", "07000000"},    {"59.99", "59950000"},
        {"65.0", "59950000"}, {"123.4", "59950000"}, {"5.57", "05550000"}, {"1.234", "01200000"},
        {"12", "12000000"},   {"035", "35000000"},   {"1.", "01000000"},
    };
    for (const auto& c : cases) {
        std::string text = c.typed;
        EXPECT_TRUE(NormalizeOffsetText(text)) << c.typed;
        EXPECT_EQ(text, c.digits) << c.typed;
    }
}

struct CheckCase
{
    const char* what;
    char market;
    EntryContext context;
    int band;
    const char* digits;
    int mode;
    int step;
    const char* expectDigits;
    int expectMode;
    int expectStep;
    bool expectRounded;
};

TEST(CheckFrequency, FitsBandExcludedRangesAndStep)
{
    using enum EntryContext;
    const CheckCase cases[] = {
        {"on the 12.5 kHz grid", 'K', Memory, 0, "00145500000", ModeFm, 5, "00145500000", ModeFm, 5, false},
        {"off the 12.5 kHz grid", 'K', Memory, 0, "00145510000", ModeFm, 5, "00145500000", ModeFm, 5, true},
        {"memory floor 0.1 MHz", 'K', Memory, 4, "00000050000", ModeAm, 0, "00000100000", ModeAm, 0, true},
        {"memory ceiling from 1400", 'K', Memory, 14, "01299999999", ModeFm, 5, "01299987500", ModeFm, 5,
         true},
        {"memory 1300 exactly stays", 'K', Memory, 14, "01300000000", ModeFm, 5, "01300000000", ModeFm, 5,
         false},
        {"program VFO upper edge", 'M', Vfo, 0, "00148000000", ModeAm, 0, "00147995000", ModeFm, 0, true},
        {"program VFO lower edge", 'K', Vfo, 0, "00100000000", ModeFm, 0, "00137000000", ModeFm, 0, true},
        {"region K excluded, memory", 'K', Memory, 14, "00830000000", ModeFm, 5, "00823987500", ModeFm, 5,
         true},
        {"region K excluded, VFO", 'K', Vfo, 14, "00830000000", ModeFm, 5, "00823987500", ModeFm, 5, true},
        {"region K range start", 'K', Memory, 14, "00869000000", ModeFm, 4, "00868990000", ModeFm, 4, true},
        {"region K range end is free", 'K', Memory, 14, "00849000000", ModeFm, 5, "00849000000", ModeFm, 5,
         false},
        {"region J band 14 excluded", 'J', Memory, 14, "00820000000", ModeFm, 4, "00809990000", ModeFm, 4,
         true},
        {"region J band 11 excluded", 'J', Memory, 11, "00254000000", ModeFm, 5, "00252987500", ModeFm, 5,
         true},
        {"8.33 kHz grid in FM", 'K', Vfo, 8, "00118010000", ModeFm, 2, "00118008330", ModeFm, 2, true},
        {"on the 8.33 kHz grid", 'K', Vfo, 8, "00118008330", ModeFm, 2, "00118008330", ModeFm, 2, false},
        {"AM keeps the 10 Hz digits", 'K', Vfo, 8, "00118010000", ModeAm, 2, "00118010000", ModeAm, 2, false},
        {"band 8: 9 kHz not permitted", 'K', Vfo, 8, "00118000000", ModeAm, 3, "00118000000", ModeAm, 4,
         false},
        {"band 4: 8.33 kHz not permitted", 'K', Vfo, 4, "00000540000", ModeAm, 2, "00000540000", ModeAm, 4,
         false},
        {"band 4: 9 kHz permitted", 'K', Vfo, 4, "00000540000", ModeAm, 3, "00000540000", ModeAm, 3, false},
        {"band 9: 9 kHz not permitted", 'K', Vfo, 9, "00145000000", ModeFm, 3, "00145000000", ModeFm, 4,
         false},
        {"band 13: 5 kHz becomes 10", 'K', Vfo, 13, "00475750000", ModeWfm, 0, "00475750000", ModeWfm, 4,
         false},
        {"band 13: 6.25 becomes 12.5", 'K', Vfo, 13, "00475750000", ModeWfm, 1, "00475750000", ModeWfm, 5,
         false},
        {"band 14: 15 kHz becomes 10", 'K', Vfo, 14, "01240000000", ModeFm, 6, "01240000000", ModeFm, 4,
         false},
        {"sub-100 Hz grid in USB", 'K', Vfo, 9, "00145123490", ModeUsb, 0, "00145123467", ModeUsb, 0, true},
        {"on the sub-100 Hz grid", 'K', Vfo, 9, "00145123467", ModeUsb, 0, "00145123467", ModeUsb, 0, false},
        {"band 5 raise at 1.70 MHz", 'E', Vfo, 5, "00001710000", ModeFm, 7, "00001720000", ModeFm, 7, true},
        {"band 5: WFM becomes FM", 'E', Vfo, 5, "00003500000", ModeWfm, 0, "00003500000", ModeFm, 0, false},
        {"band 4: WFM becomes FM", 'K', Memory, 4, "00000540000", ModeWfm, 4, "00000540000", ModeFm, 4,
         false},
        {"band 13: LSB becomes FM", 'K', Vfo, 13, "00475750000", ModeLsb, 10, "00475750000", ModeFm, 10,
         false},
        {"band 14 AM steps without ZT-Q5", 'K', Memory, 14, "01240001000", ModeAm, 4, "01240000000", ModeAm,
         4, true},
        {"memory keeps the mode on band 0", 'K', Memory, 0, "00145000000", ModeAm, 0, "00145000000", ModeAm,
         0, false},
        {"CALL uses the band limit", 'K', Call, 0, "00180000000", ModeFm, 0, "00173995000", ModeFm, 0, true},
        {"CALL keeps AM", 'K', Call, 0, "00180000000", ModeAm, 0, "00173999967", ModeAm, 0, true},
        {"VFO band 1 without its range", 'E', Vfo, 1, "00300000000", ModeFm, 7, "00300000000", ModeFm, 7,
         false},
        // A move to the band edge is reported even when the edge is on the grid.
        {"edge on the 8.33 kHz grid", 'K', Vfo, 8, "00100000000", ModeFm, 2, "00108000000", ModeFm, 2, true},
        {"edge on the sub-100 Hz grid", 'K', Call, 0, "00100000000", ModeAm, 0, "00137000000", ModeAm, 0,
         true},
        {"saturated digits", 'K', Memory, 14, "9999999999999999999999", ModeFm, 4, "01299990000", ModeFm, 4,
         true},
        {"bad step and mode", 'K', Memory, 0, "00145000000", 9, 15, "00145000000", ModeFm, 0, false},
    };
    for (const CheckCase& c : cases) {
        const FrequencyProfile profile = MakeProfile(c.market);
        std::string digits = c.digits;
        int mode = c.mode;
        int step = c.step;
        const bool rounded = CheckFrequency(digits, c.band, c.context, mode, step, profile);
        EXPECT_EQ(digits, c.expectDigits) << c.what;
        EXPECT_EQ(mode, c.expectMode) << c.what;
        EXPECT_EQ(step, c.expectStep) << c.what;
        EXPECT_EQ(rounded, c.expectRounded) << c.what;
    }
}

TEST(CheckFrequency, ProgramVfoUpperIsInclusiveToTheLastHertz)
{
    const FrequencyProfile profile = MakeProfile('M');
    std::string digits = "00147999999";
    int mode = ModeFm;
    int step = 0;
    EXPECT_TRUE(CheckFrequency(digits, 0, EntryContext::Vfo, mode, step, profile));
    EXPECT_EQ(digits, "00147995000");
    digits = "00148000000";
    EXPECT_TRUE(CheckFrequency(digits, 0, EntryContext::Vfo, mode, step, profile));
    EXPECT_EQ(digits, "00147995000");
}

TEST(CheckFrequency, TypeDigitsZeroSwitchOffTheRegionJRanges)
{
    FrequencyProfile profile = MakeProfile('J');
    profile.typeCode = "JJ,00";
    std::string digits = "00820000000";
    int mode = ModeFm;
    int step = 4;
    EXPECT_FALSE(CheckFrequency(digits, 14, EntryContext::Memory, mode, step, profile));
    EXPECT_EQ(digits, "00820000000");
}

TEST(CheckFrequency, ZtQ5AlignsAmOnThe1200BandByTheLastDigits)
{
    FrequencyProfile profile = MakeProfile('K');
    profile.model = "ZT-Q5";
    std::string digits = "01240001049";
    int mode = ModeAm;
    int step = 8;
    EXPECT_TRUE(CheckFrequency(digits, 14, EntryContext::Memory, mode, step, profile));
    EXPECT_EQ(digits, "01240001033");
    EXPECT_EQ(mode, ModeAm);
}

TEST(CheckSplitTxFrequency, MovesToTheReceiveBandEdge)
{
    const FrequencyProfile e = MakeProfile('E');
    std::string digits = "00440000000";
    EXPECT_TRUE(CheckSplitTxFrequency(digits, 0, ModeFm, 5, e));
    EXPECT_EQ(digits, "00145987500");

    const FrequencyProfile k = MakeProfile('K');
    digits = "01240000000";
    EXPECT_TRUE(CheckSplitTxFrequency(digits, 0, ModeFm, 0, k));
    EXPECT_EQ(digits, "00173995000");

    digits = "00100000000";
    EXPECT_TRUE(CheckSplitTxFrequency(digits, 0, ModeFm, 0, k));
    EXPECT_EQ(digits, "00137000000");

    digits = "00146000000";
    EXPECT_FALSE(CheckSplitTxFrequency(digits, 0, ModeFm, 0, k));
    EXPECT_EQ(digits, "00146000000");

    // No band 2 adjustment of the step: the 8.33 kHz grid applies as given.
    digits = "00146010000";
    EXPECT_TRUE(CheckSplitTxFrequency(digits, 0, ModeFm, 2, k));
    EXPECT_EQ(digits, "00146008330");

    // Memory context never applies to a split: the band limit of the
    // receive band holds, not 0.1 to 1300 MHz; excluded ranges still apply.
    digits = "00830000000";
    EXPECT_TRUE(CheckSplitTxFrequency(digits, 14, ModeFm, 5, k));
    EXPECT_EQ(digits, "00823987500");
}

TEST(StepGrid, MultiplesAndThe833Positions)
{
    EXPECT_TRUE(IsOnStepGrid(145'000'000, 5000));
    EXPECT_TRUE(IsOnStepGrid(118'008'330, 8330));
    EXPECT_TRUE(IsOnStepGrid(118'091'670, 12500)); // grid position, whatever the step
    EXPECT_FALSE(IsOnStepGrid(145'001'000, 5000));
    EXPECT_FALSE(IsOnStepGrid(118'008'333, 8330));

    const struct
    {
        std::int64_t in;
        std::int64_t out;
        bool moved;
    } grid833[] = {
        {118'010'000, 118'008'330, true},  {118'095'000, 118'091'670, true},
        {118'099'999, 118'091'670, true},  {118'008'330, 118'008'330, false},
        {118'000'000, 118'000'000, false}, {118'016'669, 118'008'330, true},
    };
    for (const auto& c : grid833) {
        std::int64_t f = c.in;
        EXPECT_EQ(AlignTo833Grid(f), c.moved) << c.in;
        EXPECT_EQ(f, c.out) << c.in;
    }

    const struct
    {
        std::int64_t in;
        std::int64_t out;
        bool moved;
    } sub100[] = {
        {145'123'449, 145'123'433, true},  {145'123'499, 145'123'467, true},
        {145'123'450, 145'123'433, true},  {145'123'468, 145'123'467, true},
        {145'123'432, 145'123'400, true},  {145'123'433, 145'123'433, false},
        {145'123'400, 145'123'400, false},
    };
    for (const auto& c : sub100) {
        std::int64_t f = c.in;
        EXPECT_EQ(AlignSubHundredHz(f), c.moved) << c.in;
        EXPECT_EQ(f, c.out) << c.in;
    }
}

TEST(ExcludedRanges, BoundsAreInclusiveBelowExclusiveAbove)
{
    const FrequencyProfile k = MakeProfile('K');
    std::int64_t f = 824'000'000;
    EXPECT_TRUE(MoveOutOfExcludedRange(k, 14, f));
    EXPECT_EQ(f, 823'999'999);
    f = 848'999'999;
    EXPECT_TRUE(MoveOutOfExcludedRange(k, 14, f));
    EXPECT_EQ(f, 823'999'999);
    f = 823'999'999;
    EXPECT_FALSE(MoveOutOfExcludedRange(k, 14, f));
    f = 830'000'000;
    EXPECT_FALSE(MoveOutOfExcludedRange(k, 13, f)) << "only band 14 in region K";

    const FrequencyProfile j = MakeProfile('J');
    const std::int64_t j14[][2] = {{810'000'000, 809'999'999},
                                   {843'500'000, 842'999'999},
                                   {888'999'999, 859'999'999},
                                   {900'000'000, 897'999'999},
                                   {915'000'000, 914'999'999}};
    for (const auto& c : j14) {
        f = c[0];
        EXPECT_TRUE(MoveOutOfExcludedRange(j, 14, f)) << c[0];
        EXPECT_EQ(f, c[1]);
    }
    const std::int64_t j11[][2] = {{253'000'000, 252'999'999},
                                   {265'000'000, 261'999'999},
                                   {274'999'999, 270'999'999},
                                   {381'000'000, 379'999'999},
                                   {412'000'000, 411'999'999}};
    for (const auto& c : j11) {
        f = c[0];
        EXPECT_TRUE(MoveOutOfExcludedRange(j, 11, f)) << c[0];
        EXPECT_EQ(f, c[1]);
    }
    f = 960'000'000;
    EXPECT_FALSE(MoveOutOfExcludedRange(j, 14, f));
}

TEST(BandLimits, UnitsByBandAndUnusableLimits)
{
    FrequencyProfile k = MakeProfile('K');
    std::int64_t lower = 0;
    std::int64_t upper = 0;
    ASSERT_TRUE(BandLimitHz(k, 4, lower, upper));
    EXPECT_EQ(lower, 100'000);
    EXPECT_EQ(upper, 1'800'000);
    ASSERT_TRUE(BandLimitHz(k, 14, lower, upper));
    EXPECT_EQ(lower, 806'000'000);
    EXPECT_EQ(upper, 1'300'000'000);
    EXPECT_FALSE(BandLimitHz(k, 3, lower, upper)) << "empty limit";
    k.bandLimits[0] = "00137";
    EXPECT_FALSE(BandLimitHz(k, 0, lower, upper)) << "no comma";
    EXPECT_FALSE(BandLimitHz(k, 15, lower, upper));
}

TEST(Digits, FormatPadsToElevenAndClamps)
{
    EXPECT_EQ(FrequencyDigits(540'000), "00000540000");
    EXPECT_EQ(FrequencyDigits(-5), "00000000000");
    EXPECT_EQ(FrequencyDigits(std::numeric_limits<std::int64_t>::max()), "99999999999");
    EXPECT_EQ(StepCodeHz(2), 8330);
    EXPECT_EQ(StepCodeHz(11), 100'000);
    EXPECT_EQ(StepCodeHz(12), 0);
}

} // namespace
