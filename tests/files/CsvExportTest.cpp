// Channel list export: the rows as written, the notes on what the list
// cannot carry, agreement with the printed listing's special offsets, and
// the round trip of full images of markets K, E and J.
#include "FilesTestSupport.h"
#include "editors/FrequencyRules.h"
#include "files/Csv.h"
#include "files/Listing.h"
#include "model/Mainfunction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using tslq::test::LoadImage;

std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", from);
        lines.push_back(bytes.substr(from, end - from));
        if (end == std::string::npos) break;
        from = end + 2;
    }
    return lines;
}

bool HasNote(const CsvExport& exported, const std::string& text)
{
    return std::any_of(exported.notes.begin(), exported.notes.end(),
                       [&](const std::string& n) { return n.find(text) != std::string::npos; });
}

TEST(CsvExport, RowsAsWritten)
{
    RadioImage image = LoadImage("ME,0B", "ZT-Q2");
    image.SetMemoryRecord(0, "000,00145500000,5,1,0,1,0,0,08,08,000,000600000,0,1,,,,RPT");
    image.SetMemoryRecord(7, "007,00145000000,5,0,1,1,0,1,12,18,103,000600000,4,0,00144500000,5,,Z\xFC,ich");
    image.SetMemoryRecord(9, "009,00433000000,8,3,0,0,1,0,08,18,000,000600000,0,0,,,,");
    image.SetMemoryRecord(421, "PR2,00118008330,2,0,0,0,0,0,08,08,000,000000000,2,0,,,,AIR");
    const CsvExport exported = WriteChannelsCsv(image);
    const std::vector<std::string> lines = Lines(exported.bytes);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], kCsvHeader);
    EXPECT_EQ(lines[1], "0,RPT,145.500000,+,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,S,,,,,,");
    // Split: Offset holds the transmit frequency; DCS wins over reverse-less
    // tone settings; a name with a comma is quoted.
    EXPECT_EQ(lines[2], "7,\"Z\xC3\xBC,ich\",145.000000,split,144.500000,DTCS,100.0,123.0,754,NN,754,Tone->"
                        "Tone,USB,12.50,,,,,,,");
    // The special minus shift writes the 430 MHz offset the listing prints in market E.
    EXPECT_EQ(lines[3], "9,,433.000000,-,7.600000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,FM,25.00,,,,,,,");
    EXPECT_EQ(lines[4], "421,AIR,118.008330,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,8.33,,,PR2,,,,");
    EXPECT_EQ(exported.rows, 4);
    EXPECT_TRUE(HasNote(exported, "007: split channel; its offset 0.60 MHz"));
    EXPECT_TRUE(HasNote(exported, "007: reverse is on"));
    EXPECT_TRUE(HasNote(exported, "007: more than one of tone, CTCSS and DCS is on; the list keeps DTCS"));
    EXPECT_EQ(exported.notes.size(), 3u);
    EXPECT_NE(CsvExportReport(exported).find("4 channel(s) exported."), std::string::npos);
}

TEST(CsvExport, SpecialOffsetsAreThoseOfTheListing)
{
    for (const char* type : {"KK,0F", "ME,0B", "JJ,01", "MM,07"}) {
        RadioImage image = LoadImage(type, "ZT-Q5");
        for (std::int64_t mhz = 1; mhz < 1300; mhz += 3) {
            const std::string frequency = FrequencyDigits(mhz * 1'000'000);
            image.SetMemoryRecord(0, "000," + frequency + ",8,3,0,0,0,0,08,08,000,000600000,0,0,,,,");
            const std::string line = FormatChannelLine(image, RecordKind::Memory, 0);
            const std::size_t minus = line.find(" -");
            std::int64_t listed = 0;
            if (minus != std::string::npos)
                listed = ParseDecimal(line.substr(minus + 2)) * 1'000'000 +
                         ParseDecimal(line.substr(line.find('.', minus) + 1)) * 100'000;
            const int band = BandOfFrequency(frequency, image);
            EXPECT_EQ(SpecialShiftOffsetHz(band, image.MarketLetter()), listed)
                << type << " " << mhz << " MHz";
        }
    }
}

// A full image of channels as the editors store them: every slot filled,
// each record already fitted by the memory editor's rules.
RadioImage FullImage(const std::string& type)
{
    RadioImage image = LoadImage(type, "ZT-Q5");
    const char market = image.MarketLetter();
    const FrequencyProfile profile{image.TypeCode(), image.Model(), {}, {}};
    FrequencyProfile withLimits = profile;
    for (int b = 0; b < 15; ++b)
        withLimits.bandLimits[static_cast<std::size_t>(b)] = image.BandLimit(b);
    std::vector<int> bands;
    for (int b = 0; b < 15; ++b)
        if (BandExists(b, market, image.Model()) && BandLimitRange(image.BandLimit(b))) bands.push_back(b);
    const std::vector<std::string> names =
        market == 'J'   ? std::vector<std::string>{"\xB1\xB2\xB3", "NHK\xBB\xAF\xCE\xDF\xDB", "TV-1", ""}
        : market == 'E' ? std::vector<std::string>{"Z\xFCrich", "\xC4\xD6\xDC", "A,B", ""}
                        : std::vector<std::string>{"W1AW", "Q\"T", " LEAD", "TRAIL "};
    for (int slot = 0; slot < MemoryCount; ++slot) {
        const int band = bands[static_cast<std::size_t>(slot) % bands.size()];
        const BandRange range = *BandLimitRange(image.BandLimit(band));
        const std::int64_t span = (range.upperKhz - range.lowerKhz) * 1000;
        int mode = slot % 6;
        int step = (slot * 5) % 12;
        std::string rx = FrequencyDigits(range.lowerKhz * 1000 + (span / 433) * slot % span + 12'345);
        CheckFrequency(rx, BandOfFrequency(rx, image), EntryContext::Memory, mode, step, withLimits);
        const int rxBand = BandOfFrequency(rx, image);
        std::string shift = std::to_string(slot % 4);
        if (shift == "3" && SpecialShiftOffsetHz(rxBand, market) == 0) shift = "2";
        std::string tx, txStep;
        if (slot % 9 == 4) {
            tx = FrequencyDigits(range.lowerKhz * 1000 + span / 3 + 777);
            CheckSplitTxFrequency(tx, rxBand, mode, step, withLimits);
            txStep = std::string(1, StepCodes[static_cast<std::size_t>(step)].code);
            shift = "0";
        }
        const int toneKind = slot % 4;
        const bool lockout = slot % 5 == 0 && !(slot >= 400 && slot < 422);
        const std::string record =
            MemoryLabel(slot) + "," + rx + "," + StepCodes[static_cast<std::size_t>(step)].code + "," +
            shift + "," + (slot % 11 == 0 ? "1" : "0") + "," + (toneKind == 1 ? "1" : "0") + "," +
            (toneKind == 2 ? "1" : "0") + "," + (toneKind == 3 ? "1" : "0") + "," +
            FrequencyDigits(slot % 42).substr(9) + "," + FrequencyDigits(slot * 5 % 42).substr(9) + "," +
            FrequencyDigits(slot * 3 % 104).substr(8) + ",0" +
            FrequencyDigits(slot * 7 % 1200 * 50'000).substr(3) + "," + std::to_string(mode) + "," +
            (lockout ? "1" : "0") + "," + tx + "," + txStep + ",," +
            names[static_cast<std::size_t>(slot) % names.size()];
        image.SetMemoryRecord(slot, record);
    }
    return image;
}

class CsvRoundTrip : public ::testing::TestWithParam<const char*>
{
};

TEST_P(CsvRoundTrip, FullImageComesBackAsItWent)
{
    const RadioImage original = FullImage(GetParam());
    const CsvExport exported = WriteChannelsCsv(original);
    ASSERT_EQ(exported.rows, MemoryCount);

    RadioImage restored = LoadImage(GetParam(), "ZT-Q5");
    const CsvImportPlan plan = PlanCsvImport(exported.bytes, restored, {});
    EXPECT_EQ(plan.imported, MemoryCount);
    EXPECT_EQ(plan.skipped, 0);
    EXPECT_EQ(plan.adjusted, 0) << CsvImportReport(plan);
    ApplyCsvImport(plan, restored);

    namespace F = ChannelField;
    int specialShifts = 0;
    for (int slot = 0; slot < MemoryCount; ++slot) {
        SCOPED_TRACE(original.GetMemoryRecord(slot));
        const auto before = [&](int f) { return original.GetRecordField(RecordKind::Memory, slot, f); };
        const auto after = [&](int f) { return restored.GetRecordField(RecordKind::Memory, slot, f); };
        for (int f : {F::Label, F::Frequency, F::Step, F::Shift, F::Tone, F::Ctcss, F::Dcs, F::ToneIndex,
                      F::CtcssIndex, F::DcsIndex, F::Mode, F::Lockout, F::TxFrequency, F::TxStep, F::Name})
            EXPECT_EQ(after(f), before(f)) << "field " << f;
        if (before(F::Shift) == "1" || before(F::Shift) == "2") {
            EXPECT_EQ(after(F::Offset), before(F::Offset));
        }
        if (before(F::Shift) == "3") ++specialShifts;
        // What the list cannot carry is in the notes.
        if (before(F::Reverse) == "1") {
            EXPECT_TRUE(HasNote(exported, MemoryLabel(slot) + ": reverse is on"));
        }
        if (!before(F::TxFrequency).empty()) {
            EXPECT_TRUE(HasNote(exported, MemoryLabel(slot) + ": split channel"));
        }
    }
    if (std::string(GetParam()) != "JJ,01") {
        EXPECT_GT(specialShifts, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Markets, CsvRoundTrip, ::testing::Values("KK,0F", "ME,0B", "JJ,01"));

} // namespace
