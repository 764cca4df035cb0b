// Record rules of the memory and CALL editors: loading with replacements,
// building records byte for byte, channel numbers, special shift captions.
#include "rules/ChannelRules.h"
#include "model/FieldTexts.h"
#include "support/VersionImage.h"

#include <gtest/gtest.h>

namespace {

ChannelControls Controls(const char* rx, int step, ShiftChoice shift, const char* offset = "0.60")
{
    ChannelControls c;
    c.rxText = rx;
    c.txText = rx;
    c.offsetText = offset;
    c.step = step;
    c.shift = shift;
    return c;
}

TEST(MemoryRecord, BuildsTheRecordByteForByte)
{
    const RadioImage image = MakeVersionImage("KK,0F", "ZT-Q2");
    ChannelControls c = Controls("145.5", 5, ShiftChoice::Plus);
    c.tone = true;
    c.name = "RPT";
    const BuiltRecord built = BuildMemoryRecord(image, 5, c);
    ASSERT_EQ(built.error, EntryError::None);
    EXPECT_EQ(built.record, "005,00145500000,5,1,0,1,0,0,08,08,000,000600000,0,0,,,,RPT");
    EXPECT_FALSE(built.rounded);

    // A name with commas runs to the end of the record.
    c.name = "A,B";
    c.shift = ShiftChoice::Special;
    c.mode = ModeAm;
    c.dcsIndex = 103;
    c.toneIndex = 41;
    EXPECT_EQ(BuildMemoryRecord(image, 422, c).record,
              "I-1,00145500000,5,3,0,1,0,0,41,08,103,000600000,2,0,,,,A,B");
}

TEST(MemoryRecord, EmptySlotOpensWithMarketDefaultsAndStoresAFullRecord)
{
    const RadioImage k = MakeVersionImage("KK,0F", "ZT-Q2");
    ChannelControls c = LoadMemoryControls(k, 7);
    EXPECT_EQ(c.rxText, "144.000");
    EXPECT_EQ(c.txText, "144.000");
    EXPECT_EQ(c.offsetText, "0.60");
    EXPECT_EQ(c.step, 0);
    EXPECT_EQ(c.toneIndex, 8);
    EXPECT_EQ(c.ctcssIndex, 8);
    EXPECT_EQ(c.dcsIndex, 0);
    EXPECT_EQ(c.shift, ShiftChoice::Simplex);
    EXPECT_EQ(BuildMemoryRecord(k, 7, c).record, "007,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");

    const RadioImage j = MakeVersionImage("JJ,01");
    c = LoadMemoryControls(j, 0);
    EXPECT_EQ(c.rxText, "145.000");
    EXPECT_EQ(c.step, 7);
    EXPECT_EQ(LoadMemoryControls(MakeVersionImage("ME,0B"), 0).step, 5);
}

TEST(MemoryRecord, MalformedFieldsAreReplacedWhenLoaded)
{
    RadioImage image = MakeVersionImage("ME,0B");
    // Short frequency, unknown step, unknown mode, short offset, out-of-range
    // lists, all three tone flags.
    image.SetMemoryRecord(3, "003,145,Z,9,1,1,1,1,5,409,104,6000,7,1,,,,X");
    ChannelControls c = LoadMemoryControls(image, 3);
    EXPECT_EQ(c.rxText, "144.000");
    EXPECT_EQ(c.step, 0);
    EXPECT_EQ(c.mode, ModeFm);
    EXPECT_EQ(c.offsetText, "0.60");
    EXPECT_EQ(c.shift, ShiftChoice::Simplex);
    EXPECT_TRUE(c.reverse);
    EXPECT_FALSE(c.tone);
    EXPECT_FALSE(c.ctcss);
    EXPECT_TRUE(c.dcs) << "the last set flag wins";
    EXPECT_EQ(c.toneIndex, 8);
    EXPECT_EQ(c.ctcssIndex, 8) << "409 sorts below 41 but is no tone";
    EXPECT_EQ(c.dcsIndex, 0);
    EXPECT_TRUE(c.lockout);
    EXPECT_EQ(c.name, "X");

    image.SetMemoryRecord(4, "004,00430000000,B,3,0,1,1,0,4,40,099,001600000,5,0,00440000000,8,,");
    c = LoadMemoryControls(image, 4);
    EXPECT_EQ(c.step, 11);
    EXPECT_EQ(c.mode, ModeCw);
    EXPECT_EQ(c.shift, ShiftChoice::Split);
    EXPECT_EQ(c.txText, "440.000");
    EXPECT_TRUE(c.ctcss);
    EXPECT_FALSE(c.tone);
    EXPECT_EQ(c.toneIndex, 4);
    EXPECT_EQ(c.ctcssIndex, 40);
    EXPECT_EQ(c.dcsIndex, 99);
    EXPECT_EQ(c.offsetText, "1.60");
    EXPECT_EQ(c.specialCaption, "-7.6MHz Shift");
}

TEST(MemoryRecord, ScanEdgesAndPriorityChannelsNeverLockOut)
{
    RadioImage image = MakeVersionImage("KK,0F", "ZT-Q2");
    image.SetMemoryRecord(400, "L0,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,");
    ChannelControls c = LoadMemoryControls(image, 400);
    EXPECT_FALSE(c.lockout);
    EXPECT_FALSE(c.lockoutEnabled);
    c.lockout = true; // even when a caller sets it
    for (int slot : {400, 419, 420, 421})
        EXPECT_EQ(RecordField(BuildMemoryRecord(image, slot, c).record, ChannelField::Lockout), "0") << slot;
    for (int slot : {0, 399, 422, 431})
        EXPECT_EQ(RecordField(BuildMemoryRecord(image, slot, c).record, ChannelField::Lockout), "1") << slot;
    image.SetMemoryRecord(425, "I-4,00162425000,0,0,0,0,0,0,08,08,000,000000000,0,1,,,,WEATHER");
    EXPECT_TRUE(LoadMemoryControls(image, 425).lockout);
}

TEST(MemoryRecord, SplitTransmitStaysInTheReceiveBand)
{
    const RadioImage e = MakeVersionImage("ME,0B");
    ChannelControls c = Controls("145", 5, ShiftChoice::Split);
    c.txText = "440";
    const BuiltRecord built = BuildMemoryRecord(e, 9, c);
    EXPECT_EQ(built.record, "009,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0,00145987500,5,,");
    EXPECT_TRUE(built.rounded);

    c.txText = "1.4.5";
    EXPECT_EQ(BuildMemoryRecord(e, 9, c).error, EntryError::InvalidFrequency) << "transmit box checked too";
    c.txText = "440";
    c.shift = ShiftChoice::Simplex;
    EXPECT_EQ(BuildMemoryRecord(e, 9, c).record, "009,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
    c.offsetText = "1.2.3";
    EXPECT_EQ(BuildMemoryRecord(e, 9, c).error, EntryError::InvalidOffset);
}

TEST(MemoryEntries, HiddenSpecialOptionGivesWayToSplit)
{
    RadioImage k = MakeVersionImage("KK,0F", "ZT-Q2");
    k.SetMemoryRecord(12, "012,01240000000,8,3,0,0,0,0,08,08,000,020000000,0,0,,,,");
    ChannelControls c = LoadMemoryControls(k, 12);
    EXPECT_EQ(c.specialCaption, "-20.0MHz Shift");
    EXPECT_EQ(c.shift, ShiftChoice::Special);
    EXPECT_EQ(c.txText, "1240.000");

    c.rxText = "145";
    const AcceptedEntries accepted = AcceptMemoryEntries(k, c);
    ASSERT_EQ(accepted.error, EntryError::None);
    EXPECT_FALSE(accepted.special);
    EXPECT_EQ(accepted.shift, ShiftChoice::Split);
    EXPECT_EQ(accepted.rxText, "145.000");
    EXPECT_EQ(accepted.txText, "173.975"); // 173.999999 aligned to 25 kHz
    EXPECT_TRUE(accepted.rounded);
    EXPECT_EQ(accepted.offsetText, "20.00");

    // Without split the transmit box repeats the receive frequency.
    c = Controls("145.51", 5, ShiftChoice::Simplex, "0.66");
    const AcceptedEntries plain = AcceptMemoryEntries(k, c);
    EXPECT_EQ(plain.rxText, "145.500");
    EXPECT_EQ(plain.txText, "145.500");
    EXPECT_EQ(plain.offsetText, "0.65");
    EXPECT_TRUE(plain.rounded);
}

TEST(SpecialShift, CaptionsByBandMarketAndTypeDigits)
{
    EXPECT_EQ(SpecialShiftCaption(2, 'E', "0B", true), "-7.6MHz Shift");
    EXPECT_EQ(SpecialShiftCaption(12, 'E', "0B", true), "-7.6MHz Shift");
    EXPECT_FALSE(SpecialShiftCaption(2, 'E', "09", true));
    EXPECT_FALSE(SpecialShiftCaption(2, 'E', "01", true));
    EXPECT_FALSE(SpecialShiftCaption(2, 'K', "0F", true));
    EXPECT_EQ(SpecialShiftCaption(3, 'E', "0B", false), "-6.0MHz Shift");
    EXPECT_EQ(SpecialShiftCaption(14, 'K', "0F", true), "-20.0MHz Shift");
    EXPECT_FALSE(SpecialShiftCaption(14, 'K', "0F", false));
    EXPECT_FALSE(SpecialShiftCaption(3, 'M', "07", true));
    EXPECT_FALSE(SpecialShiftCaption(0, 'E', "0B", true));

    EXPECT_EQ(SpecialShiftCaptionAfterEntry(3, 'E', "0B"), "-6MHz Shift");
    EXPECT_EQ(SpecialShiftCaptionAfterEntry(3, 'K', "0F"), "-20MHz Shift");
    EXPECT_EQ(SpecialShiftCaptionAfterEntry(12, 'E', "0B"), "-7.6MHz Shift");
    EXPECT_FALSE(SpecialShiftCaptionAfterEntry(12, 'E', "09"));
    // Band 14 keeps the option after Enter, as on loading, in the short form.
    EXPECT_EQ(SpecialShiftCaptionAfterEntry(14, 'K', "0F"), "-20MHz Shift");
    EXPECT_EQ(SpecialShiftCaptionAfterEntry(14, 'E', "0B"), "-6MHz Shift");
    EXPECT_FALSE(SpecialShiftCaptionAfterEntry(14, 'M', "07"));
    EXPECT_FALSE(SpecialShiftCaptionAfterEntry(2, 'K', "0F"));
}

TEST(ChannelNumber, TypedNumbersAndLabels)
{
    const struct
    {
        const char* text;
        ChannelNumberKind kind;
        int slot;
    } cases[] = {
        {"", ChannelNumberKind::Empty, -1},      {"0", ChannelNumberKind::Valid, 0},
        {"007", ChannelNumberKind::Valid, 7},    {"399", ChannelNumberKind::Valid, 399},
        {"400", ChannelNumberKind::Invalid, -1}, {"L0", ChannelNumberKind::Valid, 400},
        {"U0", ChannelNumberKind::Valid, 401},   {"U9", ChannelNumberKind::Valid, 419},
        {"PR1", ChannelNumberKind::Valid, 420},  {"PR2", ChannelNumberKind::Valid, 421},
        {"I-1", ChannelNumberKind::Valid, 422},  {"I-0", ChannelNumberKind::Valid, 431},
        {"L", ChannelNumberKind::Partial, -1},   {"U", ChannelNumberKind::Partial, -1},
        {"P", ChannelNumberKind::Partial, -1},   {"PR", ChannelNumberKind::Partial, -1},
        {"I", ChannelNumberKind::Partial, -1},   {"I-", ChannelNumberKind::Partial, -1},
        {"PX", ChannelNumberKind::Invalid, -1},  {"PR3", ChannelNumberKind::Invalid, -1},
        {"X", ChannelNumberKind::Invalid, -1},   {"1A", ChannelNumberKind::Invalid, -1},
    };
    for (const auto& c : cases) {
        const ChannelNumber n = ParseChannelNumber(c.text);
        EXPECT_EQ(n.kind, c.kind) << c.text;
        EXPECT_EQ(n.slot, c.slot) << c.text;
    }
    EXPECT_EQ(ChannelNumberText(7), "7");
    EXPECT_EQ(ChannelNumberText(401), "U0");
    EXPECT_EQ(StepSlot(431, 1, 432), 0);
    EXPECT_EQ(StepSlot(0, -1, 432), 431);
    EXPECT_EQ(StepSlot(9, 1, 10), 0);
}

TEST(CallRecord, BandListAndListPositions)
{
    EXPECT_EQ(CallBandList('K', "ZT-Q2"), (std::vector<std::string>{"144MHz", "220MHz", "440MHz"}));
    EXPECT_EQ(CallBandList('K', "ZT-Q5"),
              (std::vector<std::string>{"144MHz", "220MHz", "440MHz", "1200MHz"}));
    EXPECT_EQ(CallBandList('E', "ZT-Q3"), (std::vector<std::string>{"144MHz", "430MHz"}));
    EXPECT_EQ(CallSlotOfPosition(1, 'K'), 1);
    EXPECT_EQ(CallSlotOfPosition(1, 'E'), 2);
    EXPECT_EQ(CallSlotOfPosition(2, 'E'), 3);
    EXPECT_EQ(CallSlotOfPosition(2, 'K'), 2);
    EXPECT_EQ(CallSlotOfPosition(3, 'J'), 3);
    EXPECT_EQ(CallSlotOfPosition(7, 'K'), 0);
    for (char market : {'K', 'E'})
        for (int position = 0; position < 3; ++position)
            EXPECT_EQ(CallPositionOfSlot(CallSlotOfPosition(position, market), market), position);
}

TEST(CallRecord, LoadsDefaultsAndBuildsRecords)
{
    RadioImage e = MakeVersionImage("ME,0B", "ZT-Q5");
    e.SetCallRecord(3, "");
    ChannelControls c = LoadCallControls(e, 3);
    EXPECT_EQ(c.rxText, "1240.000");
    EXPECT_EQ(c.step, 8);
    EXPECT_EQ(c.mode, ModeFm);
    EXPECT_EQ(c.offsetText, "35.00");
    EXPECT_EQ(c.specialCaption, "-6.0MHz Shift");

    e.SetCallRecord(0, "0,00145000000,A,0,0,0,0,0,08,08,000,000600000,0,,,,,");
    EXPECT_EQ(LoadCallControls(e, 0).step, 10);

    const RadioImage m = MakeVersionImage("MM,07");
    c = Controls("144", 5, ShiftChoice::Simplex);
    EXPECT_EQ(BuildCallRecord(m, 0, c).record, "0,00144000000,5,0,0,0,0,0,08,08,000,000600000,0,,,,,");
    c = Controls("145", 5, ShiftChoice::Split);
    c.txText = "146";
    EXPECT_EQ(BuildCallRecord(m, 0, c).record,
              "0,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,,00146000000,5,,");

    // Transmit above the band limit: the band's upper edge, aligned down.
    c.txText = "150";
    const BuiltRecord high = BuildCallRecord(m, 0, c);
    EXPECT_EQ(RecordField(high.record, ChannelField::TxFrequency), "00147987500");
    EXPECT_TRUE(high.rounded);
    const AcceptedEntries accepted = AcceptCallEntries(m, 0, c);
    EXPECT_EQ(accepted.txText, "147.9875");
    EXPECT_TRUE(accepted.rounded);

    // The CALL check keeps the mode: no FM forcing on the A band.
    c = Controls("145", 0, ShiftChoice::Simplex);
    c.mode = ModeAm;
    EXPECT_EQ(BuildCallRecord(m, 0, c).mode, ModeAm);
}

} // namespace
