// VFO editor rules: band list, defaults of empty fields, records, and the
// program VFO boxes that keep themselves inside the band limit.
#include "rules/VfoRules.h"
#include "support/VersionImage.h"

#include <gtest/gtest.h>

namespace {

TEST(VfoBandList, ByMarketAndModel)
{
    const auto k = VfoBandList('K', "ZT-Q2");
    EXPECT_EQ(k.size(), 14u);
    EXPECT_EQ(VfoBandList('K', "ZT-Q5").size(), 15u);
    for (const char* name : {"A_220MHz", "A_440MHz", "B_220MHz", "B_440MHz"})
        EXPECT_NE(std::find(k.begin(), k.end(), name), k.end()) << name;
    const auto e = VfoBandList('E', "ZT-Q3");
    EXPECT_EQ(e, (std::vector<std::string>{"A_144MHz", "A_430MHz", "B_AM", "B_HF", "B_50MHz", "B_FM",
                                           "B_118MHz", "B_144MHz", "B_TV-VHF", "B_200MHz", "B_430MHz",
                                           "B_TV-UHF", "B_1200MHz"}));
    const auto q5 = VfoBandList('J', "ZT-Q5");
    EXPECT_EQ(q5[2], "A_1200MHz");
}

TEST(VfoRecord, EmptyRecordsShowTheDefaults)
{
    RadioImage j = MakeVersionImage("JJ,01");
    j.SetVfoRecord(7, "");
    ChannelControls current;
    ChannelControls c = LoadVfoControls(j, 7, current);
    EXPECT_EQ(c.rxText, "76.100");
    EXPECT_EQ(c.step, 10);
    EXPECT_EQ(c.mode, ModeWfm);
    EXPECT_EQ(c.offsetText, "0.00");

    // Band 13 has no default frequency, step or mode: the lists stay put.
    j.SetVfoRecord(13, "");
    current.step = 6;
    current.mode = ModeCw;
    c = LoadVfoControls(j, 13, current);
    EXPECT_EQ(c.rxText, "");
    EXPECT_EQ(c.step, 6);
    EXPECT_EQ(c.mode, ModeCw);
    EXPECT_EQ(c.offsetText, "0.00");

    const struct
    {
        int band;
        char market;
        const char* digits;
        const char* rx;
        int step;
        int mode;
        const char* offset;
    } defaults[] = {
        {0, 'K', "0F", "144.000", 0, ModeFm, "0.60"},    {9, 'J', "01", "145.000", 7, ModeFm, "0.60"},
        {1, 'K', "0F", "223.000", 7, ModeFm, "1.60"},    {11, 'J', "01", "225.000", 5, ModeAm, "0.00"},
        {11, 'E', "0B", "230.000", 5, ModeFm, "0.00"},   {2, 'K', "0F", "440.000", 8, ModeFm, "5.00"},
        {12, 'E', "0B", "432.000", 8, ModeFm, "1.60"},   {2, 'M', "01", "430.000", 8, ModeFm, "5.00"},
        {3, 'J', "01", "1295.000", 7, ModeFm, "20.00"},  {14, 'K', "0F", "1240.000", 8, ModeFm, "12.00"},
        {14, 'E', "0B", "1240.000", 8, ModeFm, "35.00"}, {4, 'J', "01", "0.531", 3, ModeAm, "0.00"},
        {4, 'K', "0F", "0.540", 4, ModeAm, "0.00"},      {5, 'E', "0B", "3.500", 0, ModeLsb, "0.00"},
        {6, 'M', "07", "51.000", 4, ModeFm, "0.00"},     {7, 'E', "0B", "87.500", 10, ModeWfm, "0.00"},
        {8, 'J', "01", "118.000", 8, ModeAm, "0.00"},    {8, 'K', "0F", "118.000", 5, ModeAm, "0.00"},
        {10, 'E', "0B", "180.750", 10, ModeWfm, "0.00"},
    };
    for (const auto& d : defaults) {
        const VfoDefaults v = DefaultVfoFields(d.band, d.market, d.digits);
        EXPECT_EQ(v.rxText, d.rx) << d.band << d.market;
        EXPECT_EQ(v.step, d.step) << d.band << d.market;
        EXPECT_EQ(v.mode, d.mode) << d.band << d.market;
        EXPECT_EQ(v.offsetText, d.offset) << d.band << d.market;
    }
}

TEST(VfoRecord, BuildsAndChecksAgainstTheProgramVfoRange)
{
    RadioImage m = MakeVersionImage("MM,07");
    ChannelControls c;
    c.rxText = "144";
    c.offsetText = "0.60";
    c.step = 5;
    EXPECT_EQ(BuildVfoRecord(m, 0, c).record, "0,00144000000,5,0,0,0,0,0,08,08,000,000600000,0,,,,,");

    m.SetProgramVfoRecord(0, "0,00144,00145");
    c.rxText = "146";
    c.step = 0;
    c.mode = ModeAm;
    const BuiltRecord built = BuildVfoRecord(m, 0, c);
    EXPECT_EQ(built.record, "0,00145995000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,");
    EXPECT_TRUE(built.rounded);
    EXPECT_EQ(built.mode, ModeFm) << "the A band VFO is FM only";

    // B band 13 in LSB: the mode becomes FM on Enter; band code in hex.
    c.rxText = "475.75";
    c.step = 10;
    c.mode = ModeLsb;
    const AcceptedEntries accepted = AcceptVfoEntries(m, 13, c);
    EXPECT_EQ(accepted.mode, ModeFm);
    EXPECT_EQ(accepted.rxText, "475.750");
    EXPECT_EQ(BuildVfoRecord(m, 13, c).record.substr(0, 16), "D,00475750000,A,");
    c.rxText = "145..5";
    EXPECT_EQ(AcceptVfoEntries(m, 13, c).error, EntryError::InvalidFrequency);
}

struct BoxStep
{
    ProgramVfoBox box;
    const char* text;
    const char* lower;
    const char* upper;
};

void TypeInto(ProgramVfoBoxes& boxes, int band, const std::optional<ProgramVfoBounds>& bounds,
              std::initializer_list<BoxStep> steps)
{
    for (const BoxStep& s : steps) {
        (s.box == ProgramVfoBox::Lower ? boxes.lower : boxes.upper) = s.text;
        ApplyProgramVfoChange(boxes, s.box, band, bounds);
        EXPECT_EQ(boxes.lower, s.lower) << "after " << s.text;
        EXPECT_EQ(boxes.upper, s.upper) << "after " << s.text;
    }
}

TEST(ProgramVfo, BoxesCorrectThemselvesInsideTheBandLimit)
{
    const RadioImage m = MakeVersionImage("MM,07"); // band 0: 144 to 148 MHz
    const auto bounds = ProgramVfoBoundsOf(m, 0);
    ASSERT_TRUE(bounds);
    EXPECT_EQ(bounds->lo, 144);
    EXPECT_EQ(bounds->hi, 147);

    using enum ProgramVfoBox;
    ProgramVfoBoxes boxes{"144", "147"};
    // Typing 150 as the lower bound, one key at a time.
    TypeInto(boxes, 0, bounds,
             {{Lower, "1", "1", "147"}, {Lower, "15", "15", "147"}, {Lower, "150", "147", "147"}});
    // Typing 140 as the upper bound lowers the lower bound with it.
    boxes = {"146", "147"};
    TypeInto(boxes, 0, bounds,
             {{Upper, "1", "146", "1"}, {Upper, "14", "146", "14"}, {Upper, "140", "144", "144"}});
    // A lower bound above the upper one raises the upper one.
    boxes = {"144", "145"};
    TypeInto(boxes, 0, bounds, {{Lower, "146", "146", "146"}});
    // "0" is no number to start with.
    TypeInto(boxes, 0, bounds, {{Lower, "0", "", "146"}});
    // A complete upper bound with an incomplete lower one sets the lower to the limit.
    boxes = {"1", "145"};
    TypeInto(boxes, 0, bounds, {{Upper, "146", "144", "146"}});

    // Cleared boxes take the band limit on OK; the upper one ends one below.
    boxes = {"", ""};
    FillProgramVfoDefaults(boxes, 0, bounds);
    EXPECT_EQ(boxes.lower, "144");
    EXPECT_EQ(boxes.upper, "147");
    EXPECT_EQ(BuildProgramVfoRecord(0, boxes, bounds), "0,00144,00147");
    EXPECT_EQ(ProgramVfoBoxText("00144"), "144");
    EXPECT_EQ(ProgramVfoBoxText(""), "");
}

TEST(ProgramVfo, The1200BandWaitsForTheFourthDigit)
{
    const RadioImage k = MakeVersionImage("KK,0F", "ZT-Q5"); // band 3: 1240 to 1300 MHz
    const auto bounds = ProgramVfoBoundsOf(k, 3);
    ASSERT_TRUE(bounds);
    using enum ProgramVfoBox;
    ProgramVfoBoxes boxes{"1240", "1299"};
    TypeInto(boxes, 3, bounds, {{Lower, "125", "125", "1299"}, {Lower, "1250", "1250", "1299"}});
    TypeInto(boxes, 3, bounds, {{Lower, "1200", "1240", "1299"}});
    // A three-digit 1200 MHz bound never reaches the record: the record stays
    // inside the band limit.
    boxes = {"125", "1299"};
    EXPECT_EQ(BuildProgramVfoRecord(3, boxes, bounds), "3,01240,01299");
    boxes = {"1250", "124"};
    EXPECT_EQ(BuildProgramVfoRecord(3, boxes, bounds), "3,01250,01250");
}

} // namespace
