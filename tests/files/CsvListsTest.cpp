// Lists as users have them, written the way other programs and spreadsheets
// write them: Windows code page, semicolons and decimal commas, tabs,
// splits and transmit-inhibited rows, the 430 MHz special shift on each E
// version, cross tones, other radios' mode names and skips. Each case holds
// the records stored and the whole report.
#include "FilesTestSupport.h"
#include "files/Csv.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using tslq::test::DataPath;
using tslq::test::LoadImage;
using tslq::test::ReadBytes;

struct ListCase
{
    const char* file;
    const char* type;
    const char* model;
    std::vector<std::pair<int, std::string>> records; // slot, record after the import
    std::string report;
};

// What gtest shows for a case: the list file and the version it is imported into.
void PrintTo(const ListCase& c, std::ostream* out)
{
    *out << c.file << " into " << c.type << ' ' << c.model;
}

class CsvLists : public ::testing::TestWithParam<ListCase>
{
};

TEST_P(CsvLists, StoredRecordsAndReport)
{
    const ListCase& c = GetParam();
    RadioImage image = LoadImage(c.type, c.model);
    const std::string bytes = ReadBytes(DataPath(std::string("csv/") + c.file));
    ASSERT_FALSE(bytes.empty());
    const CsvImportPlan plan = PlanCsvImport(bytes, image, {});
    ASSERT_EQ(plan.status, CsvImportStatus::Ok);
    ApplyCsvImport(plan, image);
    EXPECT_EQ(EnglishLines(CsvImportReport(plan)), c.report);
    for (const auto& [slot, record] : c.records)
        EXPECT_EQ(image.GetMemoryRecord(slot), record) << "slot " << slot;
}

const std::string Skipped = "Duplex off (transmit inhibited) at ";
const std::string StoredAsSimplex =
    "Duplex off (transmit inhibited) stored as simplex; the radio only receives at ";

const ListCase Cases[] = {
    // Accents the radio holds keep their byte; the others become blanks.
    {"cp1252_names.csv",
     "ME,0B",
     "ZT-Q3",
     {{0, "000,00145600000,5,2,0,1,0,0,08,08,000,000600000,0,0,,,,Z\xFCrich"},
      {1, "001,00439175000,8,3,0,1,0,0,00,08,000,007600000,0,0,,,,M\xFCnchen"},
      {2, "002,00145737500,5,2,0,0,1,0,08,18,000,000600000,0,0,,,,\xDC"
          "ber-Rpt"},
      {3, "003,00145500000,5,0,0,0,0,0,08,08,000,000000000,0,0,,,, ilina"},
      {4, "004,00145525000,5,0,0,0,0,0,08,08,000,000000000,0,0,,,,1 2 3"},
      {5, "005,00145550000,5,0,0,0,0,0,08,08,000,000000000,0,0,,,,\x8C"
          "uvre \xFF"}},
     "6 row(s) imported, 2 of them adjusted; 0 row(s) skipped.\n"
     "The file is not UTF-8; its text was read as windows-1252.\n"
     "3 name character(s) not in the radio's character set were replaced by blanks.\n"
     "Row 5 (channel 003): 1 name character(s) not in the radio's set replaced by blanks.\n"
     "Row 6 (channel 004): 2 name character(s) not in the radio's set replaced by blanks.\n"},
    {"semicolon_decimal_comma.csv",
     "ME,0B",
     "ZT-Q3",
     {{0, "000,00145612500,5,2,0,1,0,0,04,08,000,000600000,0,0,,,,DB0XY"},
      {1, "001,00438650000,5,3,0,1,0,0,02,08,000,007600000,0,0,,,,A;B"},
      {2, "002,00145500000,5,0,0,0,0,0,08,08,000,000000000,0,1,,,,Ort,Nord"}},
     "3 row(s) imported, 0 of them adjusted; 0 row(s) skipped.\n"},
    {"tab_separated.csv",
     "ME,0B",
     "ZT-Q3",
     {{0, "000,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,Tab 1"},
      {1, "001,00145525000,5,2,0,1,0,0,10,08,000,000600000,0,0,,,,Tab 2"}},
     "2 row(s) imported, 0 of them adjusted; 0 row(s) skipped.\n"},
    // A transmit frequency is kept exactly or the row is skipped; "off"
    // only where the radio cannot transmit anyway (137-174 MHz is A band in
    // K), and said so.
    {"splits.csv",
     "KK,0F",
     "ZT-Q2",
     {{0, ""},
      {1, ""},
      {2, "002,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,00147120000,0,,SPLIT"},
      {3, "003,00146512500,5,0,0,0,0,0,08,08,000,000600000,0,0,00147112500,5,,SPL-125"},
      {4, ""},
      {5, "005,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,00147145000,0,,ODDOFS"},
      {6, ""},
      {7, "007,00121500000,8,0,0,0,0,0,08,08,000,000000000,2,0,,,,AIR"},
      {8, ""},
      {9, "009,00001500000,4,0,0,0,0,0,08,08,000,000000000,2,0,,,,BCAST"},
      {10, ""}},
     "5 row(s) imported, 4 of them adjusted; 6 row(s) skipped.\n"
     "Row 2: skipped, transmit frequency 437.800 MHz lies outside the band of 145.800 MHz (137.000 to "
     "174.000 MHz).\n"
     "Row 3: skipped, transmit frequency 145.850 MHz lies outside the band of 435.300 MHz (410.000 to "
     "470.000 MHz).\n"
     "Row 5 (channel 003): step 5 kHz changed to 12.5 kHz.\n"
     "Row 6: skipped, transmit frequency 147.1201 MHz is off every step of its band.\n"
     "Row 7 (channel 005): offset 0.625 MHz is not offered; stored as a split channel transmitting on "
     "147.145 MHz.\n"
     "Row 8: skipped, " +
         Skipped +
         "146.520 MHz, where the radio transmits; it has no transmit inhibit per channel.\n"
         "Row 9 (channel 007): " +
         StoredAsSimplex + "121.500 MHz.\n" + "Row 10: skipped, " + Skipped +
         "162.550 MHz, where the radio transmits; it has no transmit inhibit per channel.\n"
         "Row 11 (channel 009): " +
         StoredAsSimplex + "1.500 MHz.\n" +
         "Row 12: skipped, transmit frequency 845.000 MHz lies in a range this version leaves out.\n"},
    // -7.6 MHz is the special shift where the version offers it, else a plain
    // minus shift of 7.60 MHz: the same channel, nothing to report.
    {"minus76_e.csv",
     "ME,0B",
     "ZT-Q3",
     {{0, "000,00439200000,8,3,0,1,0,0,00,08,000,007600000,0,0,,,,DB0ABC"},
      {1, "001,00162550000,8,0,0,0,0,0,08,08,000,000000000,0,0,,,,WX"}},
     "2 row(s) imported, 1 of them adjusted; 1 row(s) skipped.\n"
     "Row 3 (channel 001): " +
         StoredAsSimplex + "162.550 MHz.\n" + "Row 4: skipped, " + Skipped +
         "145.500 MHz, where the radio transmits; it has no transmit inhibit per channel.\n"},
    {"minus76_e.csv",
     "ME,09",
     "ZT-Q3",
     {{0, "000,00439200000,8,2,0,1,0,0,00,08,000,007600000,0,0,,,,DB0ABC"}},
     "2 row(s) imported, 1 of them adjusted; 1 row(s) skipped.\n"
     "Row 3 (channel 001): " +
         StoredAsSimplex + "162.550 MHz.\n" + "Row 4: skipped, " + Skipped +
         "145.500 MHz, where the radio transmits; it has no transmit inhibit per channel.\n"},
    {"minus76_e.csv",
     "ME,01",
     "ZT-Q3",
     {{0, "000,00439200000,8,2,0,1,0,0,00,08,000,007600000,0,0,,,,DB0ABC"}},
     "2 row(s) imported, 1 of them adjusted; 1 row(s) skipped.\n"
     "Row 3 (channel 001): " +
         StoredAsSimplex + "162.550 MHz.\n" + "Row 4: skipped, " + Skipped +
         "145.500 MHz, where the radio transmits; it has no transmit inhibit per channel.\n"},
    {"cross_modes.csv",
     "KK,0F",
     "ZT-Q2",
     {{0, "000,00146940000,0,2,0,0,1,0,12,18,000,000600000,0,0,,,,TT"},
      {1, "001,00146940000,0,2,0,1,0,0,12,18,000,000600000,0,0,,,,TONLY"},
      {2, "002,00146940000,0,2,0,0,1,0,12,18,000,000600000,0,0,,,,RXTONE"},
      {3, "003,00146940000,0,2,0,0,0,1,12,08,103,000600000,0,0,,,,TDCS"},
      {4, "004,00146940000,0,2,0,0,0,1,08,08,103,000600000,0,0,,,,DD"},
      {5, "005,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,NFM"},
      {6, "006,00121500000,8,0,0,0,0,0,08,08,000,000000000,2,0,,,,NAM"},
      {7, "007,00007030000,0,0,0,0,0,0,08,08,000,000000000,5,0,,,,NCW"},
      {8, "008,00146550000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,PSKIP"},
      {9, "009,00146565000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,SKIP"},
      {10, "010,00145375000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,DV"}},
     "11 row(s) imported, 10 of them adjusted; 0 row(s) skipped.\n"
     "Row 2 (channel 000): cross mode Tone->Tone is not offered; taken as CTCSS 123.0 Hz.\n"
     "Row 3 (channel 001): cross mode Tone-> is not offered; taken as tone 100.0 Hz.\n"
     "Row 4 (channel 002): cross mode ->Tone is not offered; taken as CTCSS 123.0 Hz.\n"
     "Row 5 (channel 003): cross mode Tone->DTCS is not offered; taken as DCS 754.\n"
     "Row 6 (channel 004): cross mode DTCS->DTCS is not offered; taken as DCS 754.\n"
     "Row 7 (channel 005): mode NFM taken as FM.\n"
     "Row 8 (channel 006): mode NAM taken as AM.\n"
     "Row 9 (channel 007): mode NCW taken as CW.\n"
     "Row 10 (channel 008): skip P (priority scan) is not offered; not skipped.\n"
     "Row 12 (channel 010): mode DV is not offered; FM taken.\n"},
    {"cross_older.csv",
     "KK,0F",
     "ZT-Q2",
     {{0, "000,00146940000,0,2,0,0,1,0,12,18,000,000600000,0,0,,,,CROSS"},
      {1, "001,00146940000,0,2,0,1,0,0,12,18,000,000600000,0,0,,,,TONE"}},
     "2 row(s) imported, 1 of them adjusted; 0 row(s) skipped.\n"
     "Row 2 (channel 000): Cross without CrossMode is Tone->Tone, which is not offered; taken as CTCSS 123.0 "
     "Hz.\n"},
};

// Case names: the index, the list file's name and the type code ("4_minus76_e_ME0B").
std::string CaseName(const ::testing::TestParamInfo<ListCase>& info)
{
    std::string name = std::to_string(info.index) + "_" + info.param.file;
    name.erase(name.rfind(".csv"));
    name += '_';
    for (const char* c = info.param.type; *c != '\0'; ++c)
        if (*c != ',') name += *c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Files, CsvLists, ::testing::ValuesIn(Cases), CaseName);

} // namespace
