// Command texts, echo lengths and record assembly of the radio's command set.
#include "link/CommandSet.h"

#include "model/RadioImage.h"
#include "support/TransferHarness.h"

#include <gtest/gtest.h>

TEST(CommandSet, LabelsAndEchoesOfMemoryCommands)
{
    struct Case
    {
        int slot;
        const char* mr0;
        const char* mr1;
        std::size_t mr1Echo;
        const char* mna;
        std::size_t mnaEcho;
    };
    const Case cases[] = {
        {0, "MR 0,000", "MR 1,000", 9, "MNA 000", 8},   {399, "MR 0,399", "MR 1,399", 9, "MNA 399", 8},
        {400, "MR 0,L0", "MR 1,L0", 8, "MNA L0", 7},    {401, "MR 0,U0", "MR 1,U0", 8, "MNA U0", 7},
        {419, "MR 0,U9", "MR 1,U9", 8, "MNA U9", 7},    {420, "MR 0,PR1", "MR 1,PR1", 9, "MNA PR1", 8},
        {430, "MR 0,I-9", "MR 1,I-9", 9, "MNA I-9", 8}, {431, "MR 0,I-0", "MR 1,I-0", 9, "MNA I-0", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(MemoryQuery(c.slot).text, c.mr0);
        EXPECT_EQ(MemoryQuery(c.slot).echo, 5u);
        EXPECT_EQ(MemoryTxQuery(c.slot).text, c.mr1);
        EXPECT_EQ(MemoryTxQuery(c.slot).echo, c.mr1Echo);
        EXPECT_EQ(MemoryNameQuery(c.slot).text, c.mna);
        EXPECT_EQ(MemoryNameQuery(c.slot).echo, c.mnaEcho);
    }
}

TEST(CommandSet, OtherQueries)
{
    EXPECT_EQ(VfoQuery(10).text, "VR A");
    EXPECT_EQ(VfoQuery(14).text, "VR E");
    EXPECT_EQ(VfoQuery(9).text, "VR 9");
    EXPECT_EQ(CallQuery(2, 0).text, "CR 2,0");
    EXPECT_EQ(CallQuery(2, 1).text, "CR 2,1");
    EXPECT_EQ(DtmfQuery(3).text, "DM 03");
    EXPECT_EQ(DtmfNameQuery(9).text, "DMN 09");
    EXPECT_EQ(DtmfNameQuery(9).echo, 7u);
    EXPECT_EQ(NarrowQuery(5).text, "NAR 5");
    EXPECT_EQ(MenuQuery(9).text, "MES");
    EXPECT_EQ(MenuQuery(9).echo, 4u);
    EXPECT_EQ(MenuQuery(20).text, "NSFT");
    EXPECT_EQ(MenuQuery(20).echo, 5u);

    // The menu words, "PC" and "NAR" carry each of the 41 settings once.
    int seen[MenuCount] = {};
    for (const MenuCommandWord& word : MenuCommandWords)
        ++seen[word.setting];
    for (int k = 0; k < PowerCommandCount; ++k)
        ++seen[PowerSettingFirst + k];
    for (std::size_t k = 0; k < NarrowCommandIndexes.size(); ++k)
        ++seen[NarrowSettingFirst + static_cast<int>(k)];
    for (int setting = 0; setting < MenuCount; ++setting)
        EXPECT_EQ(seen[setting], 1) << setting;
}

TEST(CommandSet, ReplyAssemblyDropsEchoAndCarriageReturnsAndBoundsThePayload)
{
    EXPECT_EQ(AssemblePayload("ID ZT-Q2\r", 3), "ZT-Q2");
    EXPECT_EQ(AssemblePayload("\rTYD KK,0F\r", 4), "KK,0F");
    EXPECT_EQ(AssemblePayload("N\r", 5), "");
    EXPECT_EQ(AssemblePayload("", 3), "");

    ReplyAssembler split(5);
    split.Feed("MR ");
    split.Feed("0,00\r5");
    EXPECT_EQ(split.Payload(), "005");

    const std::string longReply = "BC " + std::string(400, 'x') + "\r";
    EXPECT_EQ(AssemblePayload(longReply, 3).size(), ReplyPayloadCapacity);
}

TEST(CommandSet, MemoryRecordAssembly)
{
    const std::string r0 = "005,00145500000,5,1,0,1,0,0,08,08,000,000600000,0,0";
    EXPECT_EQ(MemoryRecordFromReplies(5, r0, "00146100000,5", "RPT", 'K'), r0 + ",00146100000,5,,RPT");
    EXPECT_EQ(MemoryRecordFromReplies(5, r0, "", "", 'K'), r0 + ",,,,");
    EXPECT_EQ(MemoryRecordFromReplies(5, "N", "", "", 'K'), "");
    EXPECT_TRUE(IsEmptyMemoryReply("0000"));
    EXPECT_FALSE(IsEmptyMemoryReply("00000"));

    // Scan edges take a transmit part only from five characters on.
    const std::string edge = "L0,00144000000,0,0,0,0,0,0,08,08,000,000000000,0,0";
    EXPECT_EQ(MemoryRecordFromReplies(400, edge, "0014", "", 'K'), edge + ",,,,");
    EXPECT_EQ(MemoryRecordFromReplies(400, edge, "00144500000,0", "", 'K'), edge + ",00144500000,0,,");

    RadioImage image;
    image.SetMemoryRecord(5, MemoryRecordFromReplies(5, r0, "00146100000,5", "A,B", 'K'));
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 5, 16), "");
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 5, 17), "A,B");
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 5, 15), "5");
}

TEST(CommandSet, InformationStepFixOnlyForMarketJ)
{
    const std::string i8 = "I-8,00095750000,B,0,0,0,0,0,08,08,000,000000000,1,0";
    const std::string fixed = ApplyInformationStepFix(429, i8, 'J');
    EXPECT_EQ(fixed.substr(0, 18), "I-8,00095750000,A,");
    EXPECT_EQ(fixed.size(), i8.size());
    EXPECT_EQ(ApplyInformationStepFix(429, i8, 'K'), i8);
    EXPECT_EQ(ApplyInformationStepFix(429, "I-9,00101750000,B", 'J'), "I-9,00101750000,A");
    EXPECT_EQ(ApplyInformationStepFix(429, "I-9,00101750000,C", 'J'), "I-9,00101750000,C");
    EXPECT_EQ(ApplyInformationStepFix(401, "U0,00107750000,B,0", 'J'), "U0,00107750000,A,0");
    // Too short to hold the fields: unchanged, never read past the end.
    EXPECT_EQ(ApplyInformationStepFix(429, "I-8,0009575", 'J'), "I-8,0009575");
}

TEST(CommandSet, CallVfoAndDtmfAssembly)
{
    const std::string c0 = "00145000000,7,0,0,0,0,0,08,08,000,000600000,0";
    const std::string withTx = CallRecordFromReplies(0, c0, "00146000000,7");
    EXPECT_EQ(withTx, "0," + c0 + ",,00146000000,7,");
    EXPECT_EQ(CallRecordFromReplies(1, c0, ""), "1," + c0 + ",,,,");
    EXPECT_EQ(CallRecordFromReplies(1, "", ""), "");
    EXPECT_TRUE(IsEmptyCallReply("00"));

    EXPECT_EQ(VfoRecordFromReply("A,00179750000,A,0,0,0,0,0,08,08,000,000000000,1"),
              "A,00179750000,A,0,0,0,0,0,08,08,000,000000000,1,,,,,");
    EXPECT_EQ(VfoRecordFromReply(""), "");

    EXPECT_TRUE(IsEmptyDtmfReply("03,"));
    EXPECT_EQ(DtmfRecordFromReplies(3, "03,12E3F", "", 'K'), "03,12*3#,");
    EXPECT_EQ(DtmfRecordFromReplies(3, "3,123A", "HOME", 'K'), "03,123A,HOME");
}

TEST(CommandSet, BandLimitGroups)
{
    RadioImage image;
    for (int band = 0; band < BandLimitCount; ++band)
        image.SetBandLimit(band, "old");
    StoreBandLimits(image, 0, "0,00137,00174,00216,00260,00410,00470");
    EXPECT_EQ(image.BandLimit(0), "00137,00174");
    EXPECT_EQ(image.BandLimit(1), "00216,00260");
    EXPECT_EQ(image.BandLimit(2), "00410,00470");
    EXPECT_EQ(image.BandLimit(3), "");
    EXPECT_EQ(image.BandLimit(4), "old");

    StoreBandLimits(image, 0, "0,01240,01300,00144,00146");
    EXPECT_EQ(image.BandLimit(0), "00144,00146");
    EXPECT_EQ(image.BandLimit(3), "01240,01300");
    EXPECT_EQ(image.BandLimit(2), "");

    // Eleven pairs: bands 4..13 take ten, band 14 is never set from the radio.
    std::string group1 = "1";
    for (int pair = 0; pair < 11; ++pair)
        group1 += "," + std::to_string(10 + pair) + "," + std::to_string(20 + pair);
    StoreBandLimits(image, 1, group1);
    EXPECT_EQ(image.BandLimit(4), "10,20");
    EXPECT_EQ(image.BandLimit(13), "19,29");
    EXPECT_EQ(image.BandLimit(14), "old");

    // An unpaired last token is dropped; a short payload empties the group.
    StoreBandLimits(image, 1, "1,0000010,0000171,0000171");
    EXPECT_EQ(image.BandLimit(4), "0000010,0000171");
    EXPECT_EQ(image.BandLimit(5), "");
    StoreBandLimits(image, 1, "");
    EXPECT_EQ(image.BandLimit(4), "");
}

TEST(CommandSet, NameConversion)
{
    EXPECT_EQ(NameFromRadio("\x97\x9E\xA0\xF7\xFE", 'K'), "\x9A\x8A\x8C\x9C\x9F");
    EXPECT_EQ(NameFromRadio("\x80\x84\x9F", 'E'), "\xC0\xC4\xDF");
    EXPECT_EQ(NameFromRadio("AB\xE9", 'M'), "AB\xE9");
    EXPECT_EQ(NameToRadio("\x9A\x8A\x8C\x9C\x9F", 'K'), "\x97\x9E\xA0\xF7\xFE");
    EXPECT_EQ(NameToRadio("\xC0\xC4\xDF\xE0", 'E'), "\x80\x84\x9F\xE0");
    EXPECT_EQ(NameToRadio("\xB1\xC4\x97", 'J'), "\xB1\xC4\x97");
    EXPECT_EQ(NameFromRadio("\xB1\x84\x97", 'J'), "\xB1\x84\x97");
    EXPECT_EQ(DtmfCodeToRadio("1*2#"), "1E2F");
    EXPECT_EQ(DtmfCodeFromRadio("1E2F"), "1*2#");
}

TEST(CommandSet, WriteCommands)
{
    RadioImage image = SampleImage("KK,0F", "ZT-Q2");
    EXPECT_EQ(MemoryWriteCommand(image, 1), "MW 0,001");
    EXPECT_EQ(MemoryWriteCommand(image, 5), "MW 0,005,00145500000,5,1,0,1,0,0,12,08,007,000600000,0,0");
    EXPECT_EQ(MemoryTxWriteCommand(image, 5), "MW 1,005,00146100000,5");
    EXPECT_EQ(MemoryNameWriteCommand(image, 5), "MNA 005,RPT");
    EXPECT_EQ(MemoryNameWriteCommand(image, 7), "MNA 007,");
    EXPECT_EQ(MemoryNameWriteCommand(image, 420), "MNA PR1,A,B");
    EXPECT_EQ(MemoryTxWriteCommand(image, 400), "MW 1,L0,00144500000,0");

    image.SetMemoryRecord(9, "009,00145000000,5,0,0,0,0,0,08,08,000,000000000,0,0,,,,\xC4\x9A");
    EXPECT_EQ(MemoryNameWriteCommand(image, 9), "MNA 009,\x84\x97");

    EXPECT_EQ(CallWriteCommand(image, 2), "CW 0,00433000000,7,0,0,0,0,0,08,08,000,005000000,0");
    image.SetCallRecord(2, "2,00433000000,8,0,0,0,0,0,08,08,000,005000000,0,,00438000000,7,,");
    EXPECT_EQ(CallTxWriteCommand(image, 2), "CW 1,00438000000,8");

    EXPECT_EQ(VfoWriteCommand(image, 0), "VW 0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0");
    EXPECT_EQ(ProgramVfoWriteCommand(image, 0), "PV 0,00137,00173");

    EXPECT_EQ(DtmfWriteCommand(image, 3), "DM 03,12EFA");
    EXPECT_EQ(DtmfNameWriteCommand(image, 3), "DMN 03,HOME");
    EXPECT_EQ(DtmfWriteCommand(image, 0), "DM 00,123");
    EXPECT_EQ(DtmfNameWriteCommand(image, 0), "DMN 00,");
    EXPECT_EQ(DtmfWriteCommand(image, 9), "DM 09,");
    EXPECT_EQ(DtmfNameWriteCommand(image, 9), "DMN 09,");

    EXPECT_EQ(PowerWriteCommand(image, 0), "PC 0," + image.GetMenuSetting(7));
    EXPECT_EQ(NarrowWriteCommand(image, 5), "NAR 5," + image.GetMenuSetting(39));
    EXPECT_EQ(MenuWriteCommand(image, 0), "BC " + image.GetMenuSetting(0));
    EXPECT_EQ(MenuWriteCommand(image, 9), "MES HI THERE");
}
