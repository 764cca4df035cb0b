// Channel list export: the rows as written, the notes on what the list
// cannot carry, agreement with the printed listing's special offsets, and
// random images of every market through a list and back.
#include "FilesTestSupport.h"
#include "files/Csv.h"
#include "files/Listing.h"
#include "model/FieldTexts.h"
#include "rules/ChannelRules.h"
#include "rules/EntryKeys.h"
#include "rules/FrequencyRules.h"
#include "sim/SampleLoad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <random>
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
                       [&](const Message& n) { return EnglishText(n).find(text) != std::string::npos; });
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
    EXPECT_TRUE(HasNote(exported, "007: reverse is on"));
    EXPECT_TRUE(HasNote(exported, "007: more than one of tone, CTCSS and DCS is on; the list keeps DTCS"));
    EXPECT_EQ(exported.notes.size(), 2u); // a split channel's offset is no loss
    EXPECT_NE(EnglishLines(CsvExportReport(exported)).find("4 channel(s) exported."), std::string::npos);
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

// ---- Random images through a list and back ----------------------------------

struct Version
{
    const char* type;
    const char* model;
};

void PrintTo(const Version& v, std::ostream* out)
{
    *out << v.type << ' ' << v.model;
}

// A random channel record for a slot. Plain records hold only what the
// memory editor stores and a list carries; with extras, also what a radio or
// an old file may hold that a list cannot: reverse, several tone kinds, a
// special shift the version lacks, odd offsets, lock-out on scan edges,
// transmit steps of their own, long names and bytes outside the set.
std::string RandomRecord(const RadioImage& image, int slot, bool extras, std::mt19937& random)
{
    namespace F = ChannelField;
    const char market = image.MarketLetter();
    const FrequencyProfile profile = FrequencyProfileOf(image);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto chance = [&](int percent) { return extras && pick(100) < percent; };
    std::vector<int> bands;
    for (int b = 0; b < BandCount; ++b)
        if (BandExists(b, market, image.Model()) && BandLimitRange(image.BandLimit(b))) bands.push_back(b);

    std::string rx;
    int band = 0, mode = 0, step = 0;
    for (;;) { // until the fitted frequency lies inside a band of the version
        const int wanted = bands[static_cast<std::size_t>(pick(static_cast<int>(bands.size())))];
        const BandRange range = *BandLimitRange(image.BandLimit(wanted));
        const std::int64_t span = (range.upperKhz - range.lowerKhz) * 1000;
        rx = FrequencyDigits(range.lowerKhz * 1000 + static_cast<std::int64_t>(random()) % span);
        mode = pick(6);
        step = pick(12);
        band = BandOfFrequency(rx, image);
        CheckFrequency(rx, band, EntryContext::Memory, mode, step, profile);
        const std::optional<BandRange> home = BandLimitRange(image.BandLimit(BandOfFrequency(rx, image)));
        const std::int64_t khz = ParseDecimal(rx) / 1000;
        if (BandOfFrequency(rx, image) == band && home && home->lowerKhz <= khz && khz < home->upperKhz)
            break;
    }
    const bool special = SpecialShiftCaption(band, market, image.TypeDigits(), true).has_value();
    int shift = pick(special || extras ? 4 : 3);
    std::int64_t offset = pick(1200) * 50'000;
    if (chance(10)) offset = pick(59'999'999);
    if (shift == 3 && special) offset = SpecialShiftOffsetHz(band, market);
    std::string tx, txStep;
    if (pick(8) == 0) {
        std::int64_t lower = 0, upper = 0;
        BandLimitHz(profile, band, lower, upper);
        tx = FrequencyDigits(lower + static_cast<std::int64_t>(random()) % (upper - lower));
        CheckSplitTxFrequency(tx, band, mode, step, profile);
        txStep = std::string(1, StepCodeChar(chance(20) ? pick(12) : step));
        shift = 0;
        offset = ParseDecimal(RecordField(image.GetVfoRecord(band), F::Offset));
    }
    const int kind = pick(4); // none, tone, CTCSS, DCS
    std::string flags =
        std::string(kind == 1 ? "1," : "0,") + (kind == 2 ? "1," : "0,") + (kind == 3 ? "1" : "0");
    if (chance(5)) flags = "1,1," + std::to_string(pick(2));
    const bool lockout = pick(4) == 0 && (MemorySlotHasLockout(slot) || extras);

    std::string name;
    const int length = pick(extras ? 11 : 9);
    for (int i = 0; i < length; ++i) {
        unsigned char byte = 0;
        do
            byte = static_cast<unsigned char>(32 + pick(224));
        while (!IsNameByte(byte, market) && !chance(10));
        name += static_cast<char>(byte);
    }
    const auto digits = [](std::int64_t value, std::size_t width) {
        return FrequencyDigits(value).substr(11 - width);
    };
    return MemoryLabel(slot) + "," + rx + "," + StepCodeChar(step) + "," + std::to_string(shift) + "," +
           (chance(10) ? "1," : "0,") + flags + "," + digits(pick(42), 2) + "," + digits(pick(42), 2) + "," +
           digits(pick(104), 3) + "," + digits(offset, 9) + "," + std::to_string(mode) + "," +
           (lockout ? "1," : "0,") + tx + "," + txStep + "," + (chance(5) ? "1" : "") + "," + name;
}

// The fields a list must bring back; the offset counts only where the
// radio uses it (plus and minus shifts).
bool SameChannel(std::string_view a, std::string_view b)
{
    namespace F = ChannelField;
    for (int f = 0; f < F::Count; ++f) {
        if (f == F::Offset && RecordField(a, F::Shift) != "1" && RecordField(a, F::Shift) != "2") continue;
        if (RecordField(a, f, f == F::Name) != RecordField(b, f, f == F::Name)) return false;
    }
    return true;
}

// Every field a row changed in its channel is named by one of the row's
// report lines (by the words below, field by field); the label and Reverse
// never change.
void ExpectEveryChangeNamed(const RadioImage& before, const CsvImportPlan& plan)
{
    namespace F = ChannelField;
    // clang-format off
    constexpr std::array<std::string_view, F::Count> words = {
        "", "frequency", "step", "Duplex|offset|shift|split", "", "tone|CTCSS|DCS|ross", "tone|CTCSS|DCS|ross",
        "tone|CTCSS|DCS|ross", "tone|CTCSS|ross", "tone|CTCSS|ross", "DCS|ross", "Duplex|offset|split", "mode",
        "skip", "split|transmit", "step|split|transmit", "power", "name"};
    // clang-format on
    const auto names = [](const std::string& change, std::string_view named) {
        for (std::size_t from = 0; from < named.size();) {
            const std::size_t bar = std::min(named.find('|', from), named.size());
            if (change.find(named.substr(from, bar - from)) != std::string::npos) return true;
            from = bar + 1;
        }
        return false;
    };
    for (const CsvRow& row : plan.rows) {
        if (row.slot < 0) continue;
        const std::string& old = before.GetMemoryRecord(row.slot);
        for (int f = 0; f < F::Count; ++f) {
            if (RecordField(old, f, f == F::Name) == RecordField(row.record, f, f == F::Name)) continue;
            const std::string_view named = words[static_cast<std::size_t>(f)];
            EXPECT_TRUE(std::any_of(row.changes.begin(), row.changes.end(),
                                    [&](const Message& change) { return names(EnglishText(change), named); }))
                << "field " << f << " of " << MemoryLabel(row.slot) << " changed unreported:\n"
                << old << "\n"
                << row.record;
        }
    }
}

class CsvRoundTrip : public ::testing::TestWithParam<Version>
{
};

TEST_P(CsvRoundTrip, RandomImagesComeBackOrTheReportSaysWhy)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        const bool extras = seed % 2 == 0;
        const CsvEncoding encoding = seed % 3 == 0 ? CsvEncoding::EightBit : CsvEncoding::Utf8;
        std::mt19937 random(seed);
        RadioImage original = LoadImage(GetParam().type, GetParam().model);
        for (int slot = 0; slot < MemoryCount; ++slot)
            if (random() % 4 != 0)
                original.SetMemoryRecord(slot, RandomRecord(original, slot, extras, random));
        SCOPED_TRACE(::testing::Message() << "seed " << seed << (extras ? " with extras" : ""));

        const CsvExport exported = WriteChannelsCsv(original, encoding);
        RadioImage restored = LoadImage(GetParam().type, GetParam().model);
        const CsvImportPlan plan = PlanCsvImport(exported.bytes, restored, {});
        ASSERT_EQ(plan.status, CsvImportStatus::Ok);
        ASSERT_EQ(static_cast<int>(plan.rows.size()), exported.rows);
        ApplyCsvImport(plan, restored);

        // Rows are written in slot order, one line each after the header.
        std::vector<int> filled;
        for (int slot = 0; slot < MemoryCount; ++slot)
            if (!original.GetMemoryRecord(slot).empty()) filled.push_back(slot);
        for (std::size_t i = 0; i < filled.size(); ++i) {
            const int slot = filled[i];
            const CsvRow& row = plan.rows[i];
            ASSERT_EQ(row.line, static_cast<int>(i) + 2);
            const bool reported =
                !row.changes.empty() || !row.skipReason.Empty() ||
                std::any_of(exported.notes.begin(), exported.notes.end(), [&](const Message& n) {
                    return EnglishText(n).starts_with(MemoryLabel(slot) + ": ");
                });
            const bool same = row.slot == slot && SameChannel(original.GetMemoryRecord(slot), row.record);
            EXPECT_TRUE(same || reported) << original.GetMemoryRecord(slot) << "\n" << row.record;
            if (!extras) {
                EXPECT_TRUE(same && !reported)
                    << original.GetMemoryRecord(slot) << "\n"
                    << EnglishLines(CsvImportReport(plan)) << EnglishLines(CsvExportReport(exported));
            }
        }
        for (int slot = 0; slot < MemoryCount; ++slot) {
            if (original.GetMemoryRecord(slot).empty()) {
                EXPECT_EQ(restored.GetMemoryRecord(slot), "");
            }
        }
        // Read back over the image it came from, the list changes nothing
        // that its report does not name.
        ExpectEveryChangeNamed(original, PlanCsvImport(exported.bytes, original, {}));
        if (!extras) {
            EXPECT_EQ(plan.adjusted, 0);
            EXPECT_TRUE(exported.notes.empty());
        }
    }
}

const Version FiveVersions[] = {
    {"KK,0F", "ZT-Q5"}, {"ME,0B", "ZT-Q5"}, {"ME,09", "ZT-Q3"}, {"JJ,01", "ZT-Q5"}, {"MM,07", "ZT-Q3"}};

TEST(CsvOverItsFile, TheSampleLoadChangesNothingTheReportDoesNotName)
{
    for (const Version& version : FiveVersions) {
        for (const CsvEncoding encoding : {CsvEncoding::Utf8, CsvEncoding::EightBit}) {
            SCOPED_TRACE(::testing::Message() << version.type << " " << version.model << " encoding "
                                              << static_cast<int>(encoding));
            // The sample load as a file holds it.
            RadioImage file = LoadImage(version.type, version.model);
            std::string comment;
            ASSERT_EQ(
                ReadDataFile(WriteDataFile(SampleRadioImage(version.type, version.model), ""), file, comment),
                DataFileStatus::Loaded);
            const CsvExport exported = WriteChannelsCsv(file, encoding);
            const CsvImportPlan plan = PlanCsvImport(exported.bytes, file, {});
            EXPECT_EQ(plan.skipped, 0) << EnglishLines(CsvImportReport(plan));
            EXPECT_EQ(plan.replaced, exported.rows);
            ExpectEveryChangeNamed(file, plan);
            RadioImage after = file;
            ApplyCsvImport(plan, after);
            int reversed = 0; // the sample's "REV" channel
            for (int slot = 0; slot < MemoryCount; ++slot) {
                const std::string_view reverse =
                    RecordField(after.GetMemoryRecord(slot), ChannelField::Reverse);
                EXPECT_EQ(reverse, RecordField(file.GetMemoryRecord(slot), ChannelField::Reverse))
                    << MemoryLabel(slot);
                reversed += reverse == "1" ? 1 : 0;
            }
            EXPECT_EQ(reversed, 1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Markets, CsvRoundTrip,
                         ::testing::Values(Version{"KK,0F", "ZT-Q5"}, Version{"ME,0B", "ZT-Q5"},
                                           Version{"ME,09", "ZT-Q3"}, Version{"JJ,01", "ZT-Q5"},
                                           Version{"MM,07", "ZT-Q3"}),
                         [](const ::testing::TestParamInfo<Version>& version) {
                             std::string name = version.param.type;
                             name.erase(name.find(','), 1);
                             return name;
                         });

} // namespace
