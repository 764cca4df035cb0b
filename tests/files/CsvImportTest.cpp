// Channel lists as other programs and directories write them, read into a
// K, E or J image: slots, records, and what the report says.
#include "FilesTestSupport.h"
#include "files/Csv.h"
#include "files/CsvReader.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using tslq::test::DataPath;
using tslq::test::LoadImage;
using tslq::test::ReadBytes;

CsvImportPlan Plan(const std::string& file, const RadioImage& image, bool append = false)
{
    const std::string bytes = ReadBytes(DataPath("csv/" + file));
    EXPECT_FALSE(bytes.empty()) << file;
    return PlanCsvImport(bytes, image, CsvImportOptions{append});
}

const CsvRow* RowAt(const CsvImportPlan& plan, int line)
{
    const auto it =
        std::find_if(plan.rows.begin(), plan.rows.end(), [&](const CsvRow& r) { return r.line == line; });
    return it == plan.rows.end() ? nullptr : &*it;
}

bool Mentions(const CsvRow& row, const std::string& text)
{
    return std::any_of(row.changes.begin(), row.changes.end(),
                       [&](const Message& c) { return EnglishText(c).find(text) != std::string::npos; });
}

TEST(CsvImport, OlderSeventeenColumnList)
{
    RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    const CsvImportPlan plan = Plan("older17.csv", image);
    ASSERT_EQ(plan.status, CsvImportStatus::Ok);
    EXPECT_EQ(plan.imported, 5);
    EXPECT_EQ(plan.adjusted, 0) << EnglishLines(CsvImportReport(plan));
    EXPECT_EQ(plan.skipped, 0);
    ApplyCsvImport(plan, image);
    EXPECT_EQ(image.GetMemoryRecord(0), "000,00146940000,0,2,0,1,0,0,12,08,000,000600000,0,0,,,,W1AW");
    EXPECT_EQ(image.GetMemoryRecord(1), "001,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,SIMPLEX");
    EXPECT_EQ(image.GetMemoryRecord(2), "002,00442100000,8,1,0,0,1,0,08,18,000,005000000,0,1,,,,RPT440");
    EXPECT_EQ(image.GetMemoryRecord(3), "003,00447275000,5,2,0,0,0,1,08,08,023,005000000,0,0,,,,DCSRPT");
    EXPECT_EQ(image.GetMemoryRecord(4), "");
    EXPECT_EQ(image.GetMemoryRecord(5), "005,00162550000,8,0,0,0,0,0,08,08,000,000000000,0,0,,,,NOAA1");
}

TEST(CsvImport, BomCrLfQuotedCellsAndComments)
{
    RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    const CsvImportPlan plan = Plan("list21_bom_crlf.csv", image);
    ASSERT_EQ(plan.status, CsvImportStatus::Ok);
    EXPECT_EQ(plan.imported, 3);
    EXPECT_EQ(plan.skipped, 0) << EnglishLines(CsvImportReport(plan)); // the row of empty cells is no row
    ApplyCsvImport(plan, image);
    EXPECT_EQ(image.GetMemoryRecord(10), "010,00147000000,0,1,0,1,0,0,13,08,000,000600000,0,0,,,,Club, N");
    // 223.94 MHz is the A band's 220 MHz range in market K.
    EXPECT_EQ(image.GetMemoryRecord(11), "011,00223940000,7,2,0,0,0,0,08,08,000,001600000,0,0,,,,A\"B");
    EXPECT_EQ(image.GetMemoryRecord(12), "012,00118100000,8,0,0,0,0,0,08,08,000,000000000,2,1,,,,Air");
    // The quoted comment spans two lines: the next row starts on line 5.
    ASSERT_NE(RowAt(plan, 5), nullptr);
    EXPECT_EQ(RowAt(plan, 5)->slot, 11);
}

TEST(CsvImport, ReorderedColumnsWithoutLocationFillFreeChannels)
{
    RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    image.SetMemoryRecord(1, "001,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,KEEP");
    const CsvImportPlan plan = Plan("reordered.csv", image);
    ASSERT_EQ(plan.imported, 3);
    EXPECT_EQ(plan.adjusted, 0) << EnglishLines(CsvImportReport(plan));
    EXPECT_TRUE(OverwrittenSlots(plan, image).empty());
    ApplyCsvImport(plan, image);
    EXPECT_EQ(image.GetMemoryRecord(0), "000,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,Calling");
    EXPECT_EQ(image.GetMemoryRecord(1), "001,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,KEEP");
    EXPECT_EQ(image.GetMemoryRecord(2), "002,00145230000,0,0,0,1,0,0,08,08,000,000600000,0,0,,,,Repeater");
    // No step given: the market's default step, offset of the band's VFO.
    EXPECT_EQ(image.GetMemoryRecord(3), "003,00162400000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,Noaa");
}

TEST(CsvImport, AwkwardRowsAreFittedOrReported)
{
    const RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    const CsvImportPlan plan = Plan("awkward.csv", image);
    ASSERT_EQ(plan.status, CsvImportStatus::Ok);
    const std::string report = EnglishLines(CsvImportReport(plan));
    SCOPED_TRACE(report);

    // Off the 5 kHz grid, with no other step that keeps it: the step below.
    const CsvRow* offGrid = RowAt(plan, 2);
    ASSERT_NE(offGrid, nullptr);
    EXPECT_EQ(offGrid->record, "000,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,OffGrid");
    EXPECT_TRUE(Mentions(*offGrid, "frequency 146.5212 MHz moved to 146.520 MHz"));

    EXPECT_EQ(RowAt(plan, 3)->slot, -1);
    EXPECT_NE(EnglishText(RowAt(plan, 3)->skipReason).find("outside every band"), std::string::npos);
    EXPECT_EQ(RowAt(plan, 4)->slot, -1); // 50 kHz: below the AM band
    EXPECT_EQ(RowAt(plan, 9)->slot, -1); // "abc"
    EXPECT_NE(EnglishText(RowAt(plan, 9)->skipReason).find("not a number"), std::string::npos);
    ASSERT_NE(RowAt(plan, 14), nullptr);
    EXPECT_EQ(RowAt(plan, 14)->slot, -1); // the quote is never closed
    EXPECT_NE(EnglishText(RowAt(plan, 14)->skipReason).find("not closed"), std::string::npos);

    // Split across bands: the radio would transmit elsewhere, so the row stays out.
    EXPECT_EQ(RowAt(plan, 5)->slot, -1);
    EXPECT_NE(
        EnglishText(RowAt(plan, 5)->skipReason).find("446.000 MHz lies outside the band of 146.520 MHz"),
        std::string::npos);

    EXPECT_EQ(RowAt(plan, 6)->record, "004,00146520000,0,0,0,1,0,0,08,08,000,000600000,0,0,,,,OddTone");
    EXPECT_TRUE(Mentions(*RowAt(plan, 6), "tone 89.0 Hz is not in the list; 88.5 Hz taken"));
    EXPECT_EQ(RowAt(plan, 7)->record, "005,00446500000,5,0,0,0,0,1,08,08,000,005000000,0,0,,,,OddDcs");
    EXPECT_TRUE(Mentions(*RowAt(plan, 7), "DCS code 024"));

    // ü has a byte in code page 1252; the euro sign is no name letter and Я has no byte.
    EXPECT_EQ(RowAt(plan, 8)->record, "006,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,Z\xFCrich  ");
    EXPECT_EQ(plan.replacedCharacters, 2);

    // Name cut, unknown mode: the band's mode.
    EXPECT_EQ(RowAt(plan, 10)->record, "008,00146540000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,LONGNAME");
    EXPECT_TRUE(Mentions(*RowAt(plan, 10), "cut to 8"));
    EXPECT_TRUE(Mentions(*RowAt(plan, 10), "mode DV"));

    // A second row for channel 4 and a foreign channel 450 both go to free
    // regular channels; 401 with its label stays the upper scan edge U0,
    // without lock-out.
    const CsvRow* twice = RowAt(plan, 11);
    const CsvRow* foreign = RowAt(plan, 12);
    const CsvRow* scanEdge = RowAt(plan, 13);
    EXPECT_EQ(twice->slot, 1);
    EXPECT_TRUE(Mentions(*twice, "already taken by row 6"));
    EXPECT_EQ(foreign->slot, 2);
    EXPECT_TRUE(Mentions(*foreign, "Location 450"));
    EXPECT_EQ(scanEdge->slot, 401);
    EXPECT_EQ(scanEdge->record, "U0,00146560000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,ScanU0");

    EXPECT_TRUE(Mentions(*scanEdge, "skip S is not offered on the scan edges"));

    EXPECT_EQ(plan.skipped, 5);
    EXPECT_EQ(plan.imported, 8);
    EXPECT_NE(report.find("8 row(s) imported, 8 of them adjusted; 5 row(s) skipped"), std::string::npos);
    EXPECT_NE(report.find("Row 9: skipped"), std::string::npos);
}

TEST(CsvImport, HighLocationsNeedTheirLabelAndAppendTakesFreeChannels)
{
    RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    image.SetMemoryRecord(0, "000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,KEEP");
    const std::string list = "Location,Frequency,Comment\n"
                             "0,146.52,\n"
                             "420,146.54,PR1\n"  // 420 is PR1, the comment says so
                             "422,162.55,I-2\n"; // 422 is I-1, not I-2
    const CsvImportPlan plan = PlanCsvImport(list, image, {});
    ASSERT_EQ(plan.rows.size(), 3u);
    EXPECT_EQ(plan.rows[0].slot, 0);
    EXPECT_EQ(plan.rows[1].slot, 420);
    EXPECT_EQ(plan.rows[2].slot, 1);
    EXPECT_EQ(OverwrittenSlots(plan, image), std::vector<int>{0});

    const CsvImportPlan appended = PlanCsvImport(list, image, {true});
    ASSERT_EQ(appended.rows.size(), 3u);
    EXPECT_EQ(appended.rows[0].slot, 1);
    EXPECT_EQ(appended.rows[1].slot, 2);
    EXPECT_EQ(appended.rows[2].slot, 3);
    EXPECT_TRUE(OverwrittenSlots(appended, image).empty());
}

// Rows that a version must not take as they stand: a high Location without
// its label, a transmit inhibit where the radio transmits (1200 MHz is the
// A band of the ZT-Q5 only).
TEST(CsvImport, ScanEdgesAndTransmitBandsAreNeverTakenByMistake)
{
    struct Case
    {
        const char* model;
        const char* row;
        int slot; // -1: skipped
        const char* change;
    };
    const Case cases[] = {
        {"ZT-Q2", "400,146.52,,", 0, "Location 400 is the program-scan edge L0"},
        {"ZT-Q2", "400,146.52,,U0", 0, "Location 400 is the program-scan edge L0"},
        {"ZT-Q2", "400,146.52,,l0", 400, ""},
        {"ZT-Q5", "0,1294.5,off,", -1, ""},
        {"ZT-Q2", "0,1294.5,off,", 0,
         "Duplex off (transmit inhibited) stored as simplex; the radio only "
         "receives at 1294.500 MHz"},
        {"ZT-Q5", "0,121.5,off,", 0, "Duplex off (transmit inhibited) stored as simplex"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " " + c.row);
        const RadioImage image = LoadImage("KK,0F", c.model);
        const CsvImportPlan plan =
            PlanCsvImport(std::string("Location,Frequency,Duplex,Comment\n") + c.row + "\n", image, {});
        ASSERT_EQ(plan.rows.size(), 1u);
        EXPECT_EQ(plan.rows[0].slot, c.slot);
        if (c.slot < 0) {
            EXPECT_NE(EnglishText(plan.rows[0].skipReason).find("where the radio transmits"),
                      std::string::npos);
        }
        EXPECT_EQ(Mentions(plan.rows[0], c.change), *c.change != '\0') << EnglishLines(CsvImportReport(plan));
        if (c.slot >= 0) {
            EXPECT_EQ(RecordField(plan.rows[0].record, ChannelField::Shift), "0");
        }
    }
}

// A list edited elsewhere and read back over its channels: what it has no
// column for stays as the channel had it.
TEST(CsvImport, ReplacedChannelsKeepWhatTheListCannotSay)
{
    RadioImage image = LoadImage("KK,0F", "ZT-Q5");
    const std::string reverse = "000,00146760000,0,2,1,1,0,0,12,08,000,000600000,0,1,,,1,REV";
    const std::string split = "001,00146520000,0,0,0,0,0,0,08,08,000,000900000,0,0,00147120000,4,,SPLIT";
    const std::string squelch = "002,00146940000,0,2,0,0,1,1,12,08,002,000600000,0,0,,,,TWO";
    const std::string special = "030,01282000000,5,3,0,1,0,0,08,08,000,000600000,0,0,,,,RPT";
    for (const std::string& record : {reverse, split, squelch, special})
        image.SetMemoryRecord(MemoryIndexOfLabel(record.substr(0, 3)), record);
    const std::string header = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,DtcsCode,Mode,TStep";
    const std::string rows = "0,NEW0,146.76,-,0.6,Tone,100.0,023,FM,5\n"
                             "1,NEW1,146.52,split,147.12,,88.5,023,FM,5\n"
                             "2,NEW2,146.94,-,0.6,DTCS,100.0,026,FM,5\n"
                             "30,NEW30,1282,-,20,Tone,88.5,023,FM,12.5\n";
    const auto renamed = [](const std::string& record, const std::string& name) {
        return record.substr(0, record.rfind(',') + 1) + name;
    };
    struct Case
    {
        std::string list;
        std::vector<std::string> records; // channels 0, 1, 2 and 30 afterwards
    };
    const Case cases[] = {
        // No Skip column: the lock out stays too.
        {header + "\n" + rows,
         {renamed(reverse, "NEW0"), renamed(split, "NEW1"), renamed(squelch, "NEW2"),
          renamed(special, "NEW30")}},
        // An empty Skip cell says "not locked out"; a new transmit frequency
        // takes the list's step.
        {header +
             ",Skip\n0,NEW0,146.76,-,0.6,Tone,100.0,023,FM,5,\n1,NEW1,146.52,split,147.13,,88.5,023,FM,5,\n",
         {"000,00146760000,0,2,1,1,0,0,12,08,000,000600000,0,0,,,1,NEW0",
          "001,00146520000,0,0,0,0,0,0,08,08,000,000900000,0,0,00147130000,0,,NEW1", squelch, special}},
    };
    for (const Case& c : cases) {
        const CsvImportPlan plan = PlanCsvImport(c.list, image, {});
        EXPECT_EQ(plan.adjusted, 0) << EnglishLines(CsvImportReport(plan));
        RadioImage after = image;
        ApplyCsvImport(plan, after);
        EXPECT_EQ(after.GetMemoryRecord(0), c.records[0]);
        EXPECT_EQ(after.GetMemoryRecord(1), c.records[1]);
        EXPECT_EQ(after.GetMemoryRecord(2), c.records[2]);
        EXPECT_EQ(after.GetMemoryRecord(30), c.records[3]);
    }
    // Into free channels nothing is kept: the list says it all.
    const CsvImportPlan appended = PlanCsvImport(header + "\n" + rows, image, {true});
    EXPECT_EQ(RecordField(appended.rows[0].record, ChannelField::Reverse), "0");
    EXPECT_NE(EnglishLines(CsvImportReport(PlanCsvImport(header + "\n" + rows, image, {})))
                  .find("4 filled channel(s) replaced; channels that are not in the list stay as they are."),
              std::string::npos);
}

TEST(CsvImport, NoFreeChannelLeftIsReported)
{
    RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    for (int slot = 0; slot < 400; ++slot)
        image.SetMemoryRecord(slot, MemoryLabel(slot) + ",00145000000");
    const CsvImportPlan plan = PlanCsvImport("Frequency\n146.52\n", image, {true});
    ASSERT_EQ(plan.rows.size(), 1u);
    EXPECT_EQ(plan.skipped, 1);
    EXPECT_EQ(EnglishText(plan.rows[0].skipReason), "no free channel left");
}

TEST(CsvImport, SpecialMinusShiftOnlyWithTheListingOffset)
{
    const std::string list = "Location,Frequency,Duplex,Offset,TStep\n"
                             "0,433.000000,-,7.600000,25.00\n"
                             "1,433.000000,-,7.650000,25.00\n"
                             "2,145.000000,-,7.600000,25.00\n"
                             "3,1240.000000,-,6.000000,25.00\n";
    const RadioImage e = LoadImage("ME,0B", "ZT-Q5");
    const CsvImportPlan planE = PlanCsvImport(list, e, {});
    ASSERT_EQ(planE.rows.size(), 4u);
    EXPECT_EQ(RecordField(planE.rows[0].record, 3), "3");
    EXPECT_EQ(RecordField(planE.rows[1].record, 3), "2");
    EXPECT_EQ(RecordField(planE.rows[2].record, 3), "2");
    EXPECT_EQ(RecordField(planE.rows[2].record, 11), "007600000");
    EXPECT_EQ(RecordField(planE.rows[3].record, 3), "3");

    // Market K lists 20 MHz on the 1200 MHz bands and nothing on 430 MHz.
    const RadioImage k = LoadImage("KK,0F", "ZT-Q5");
    const CsvImportPlan planK = PlanCsvImport(list + "4,1240.000000,-,20.000000,25.00\n", k, {});
    ASSERT_EQ(planK.rows.size(), 5u);
    EXPECT_EQ(RecordField(planK.rows[0].record, 3), "2");
    EXPECT_EQ(RecordField(planK.rows[3].record, 3), "2");
    EXPECT_EQ(RecordField(planK.rows[4].record, 3), "3");
}

TEST(CsvImport, FrequencyTextsAndStepChoice)
{
    const RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    const std::string list = "Frequency,TStep,Mode\n"
                             "146.52,,\n"
                             "146.520000,5.00,FM\n"
                             "146520 kHz,5.00,FM\n"
                             "146.52 MHz,5.00,FM\n"
                             "146.5125,5.00,FM\n"  // on 12.5 kHz, not on 5 kHz: the step follows
                             "118.00833,8.33,AM\n" // the air band keeps 8.33 kHz
                             "1.2.3,5.00,FM\n";
    const CsvImportPlan plan = PlanCsvImport(list, image, {});
    ASSERT_EQ(plan.rows.size(), 7u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(RecordField(plan.rows[static_cast<std::size_t>(i)].record, 1), "00146520000");
    EXPECT_EQ(RecordField(plan.rows[4].record, 1), "00146512500");
    EXPECT_EQ(RecordField(plan.rows[4].record, 2), "5");
    EXPECT_TRUE(Mentions(plan.rows[4], "step 5 kHz changed to 12.5 kHz"));
    EXPECT_EQ(RecordField(plan.rows[5].record, 1), "00118008330");
    EXPECT_EQ(RecordField(plan.rows[5].record, 2), "2");
    EXPECT_EQ(RecordField(plan.rows[5].record, 12), "2");
    EXPECT_EQ(plan.rows[6].slot, -1);
}

TEST(CsvImport, KatakanaNamesForMarketJ)
{
    const RadioImage image = LoadImage("JJ,01", "ZT-Q2");
    // Half-width katakana have bytes; full-width ones and accents do not.
    const CsvImportPlan plan =
        PlanCsvImport("Frequency,Name\n145.00,\xEF\xBD\xB1\xEF\xBD\xB2\xE3\x82\xA2\xC3\xA9\n", image, {});
    ASSERT_EQ(plan.rows.size(), 1u);
    EXPECT_EQ(RecordField(plan.rows[0].record, 17, true), "\xB1\xB2  ");
    EXPECT_EQ(plan.replacedCharacters, 2);
}

TEST(CsvImport, NotAChannelList)
{
    const RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    EXPECT_EQ(PlanCsvImport("", image, {}).status, CsvImportStatus::NoHeader);
    EXPECT_EQ(PlanCsvImport("VANTREL Tessaline for ZT-QX\r\n", image, {}).status, CsvImportStatus::NoHeader);
    EXPECT_EQ(PlanCsvImport("# only a comment\nName,Mode\nA,FM\n", image, {}).status,
              CsvImportStatus::NoHeader);
}

TEST(CsvReader, CellsQuotesAndLineEnds)
{
    std::vector<CsvRecord> records;
    ReadCsvRecords("a,\"b,\"\"c\"\"\"\r\n\r\n#x,y\n\"multi\nline\",z\rlast,\"open", [&](const CsvRecord& r) {
        records.push_back(r);
        return true;
    });
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].cells, (std::vector<std::string>{"a", "b,\"c\""}));
    EXPECT_EQ(records[1].line, 4);
    EXPECT_EQ(records[1].cells, (std::vector<std::string>{"multi\nline", "z"}));
    EXPECT_EQ(records[2].line, 6);
    EXPECT_TRUE(records[2].unterminated);
    EXPECT_EQ(CsvCell("plain"), "plain");
    EXPECT_EQ(CsvCell("a,\"b\""), "\"a,\"\"b\"\"\"");
    EXPECT_EQ(CsvCell(" x"), "\" x\"");
}

TEST(CsvReader, Utf8DecodingNeverFails)
{
    EXPECT_EQ(DecodeUtf8("A\xC3\xA9\xF0\x9F\x98\x80"), (std::u32string{U'A', U'\u00E9', U'\U0001F600'}));
    // Overlong, lone continuation, surrogate and truncated sequences read as U+FFFD per byte.
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), (std::u32string{0xFFFD, 0xFFFD}));
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), (std::u32string{0xFFFD, 0xFFFD, 0xFFFD}));
    EXPECT_EQ(DecodeUtf8("\xE3\x82"), (std::u32string{0xFFFD, 0xFFFD}));
    EXPECT_EQ(EncodeUtf8(DecodeUtf8("Z\xC3\xBCrich \xEF\xBD\xB1")), "Z\xC3\xBCrich \xEF\xBD\xB1");
}

TEST(CsvReader, ListTextIsUtf8OrTheMarketsSet)
{
    bool eightBit = true;
    EXPECT_EQ(ListTextToUtf8("Z\xC3\xBCrich\r\n", 'E', eightBit), "Z\xC3\xBCrich\r\n");
    EXPECT_FALSE(eightBit);
    EXPECT_EQ(ListTextToUtf8("Z\xFCrich\t\x80\x81\r\n", 'E', eightBit),
              "Z\xC3\xBCrich\t\xE2\x82\xAC\xEF\xBF\xBD\r\n");
    EXPECT_TRUE(eightBit);
    // Market J: half-width katakana; a double-byte character is one unknown character.
    EXPECT_EQ(ListTextToUtf8("\xB1\x82\xA0,\xFC", 'J', eightBit), "\xEF\xBD\xB1\xEF\xBF\xBD,\xEF\xBF\xBD");
    EXPECT_TRUE(eightBit);
    // A byte order mark declares UTF-8, even with a stray bad byte.
    EXPECT_EQ(ListTextToUtf8("\xEF\xBB\xBF\xC3\xBC\xFC", 'E', eightBit), "\xC3\xBC\xEF\xBF\xBD");
    EXPECT_FALSE(eightBit);

    int replaced = 0;
    EXPECT_EQ(Utf8ToMarketText("Z\xC3\xBCrich \xE2\x82\xAC \xD0\xAF\r\n", 'E', replaced),
              "Z\xFCrich \x80 ?\r\n");
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(Utf8ToMarketText("\xEF\xBD\xB1\xC3\xBC", 'J', replaced), "\xB1?");
    EXPECT_EQ(replaced, 2);
}

} // namespace
