// The check before a write: what no radio of the version can hold is refused
// with its reason, and everything the program itself builds (the editors,
// the Channels page's cells, paste, CSV import, sort) passes it.
#include "rules/SendCheck.h"

#include "channels/ChannelColumns.h"
#include "files/Csv.h"
#include "model/FieldTexts.h"
#include "model/Records.h"
#include "rules/ChannelRules.h"
#include "rules/EntryKeys.h"
#include "rules/PasteRules.h"
#include "rules/SortRules.h"
#include "rules/VfoRules.h"
#include "support/VersionImage.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

namespace {

// A complete memory channel with one field replaced.
std::string Channel(int field = -1, std::string_view value = {})
{
    const std::string_view complete = "005,00145500000,5,1,0,1,0,0,12,08,007,000600000,0,0,,,,RPT";
    std::string out;
    for (int n = 0; n < ChannelField::Count; ++n)
        out += (n > 0 ? "," : "") + std::string(n == field ? value : RecordField(complete, n, n == 17));
    return out;
}

TEST(SendCheck, WhatNoRadioOfTheVersionCanHoldIsRefusedWithItsReason)
{
    using K = RecordSlotKind;
    const std::string_view badName = "name holds a character the radio does not have";
    const std::string_view outside = "frequency lies outside every band of the radio";
    const std::string_view offset = "offset is not a multiple of 50 kHz up to 59.95 MHz";
    const struct
    {
        const char* type;
        RecordSlot slot;
        std::string record;
        std::string_view reason; // empty: sent
    } cases[] = {
        {"KK,0F", {K::Memory, 5}, Channel(), ""},
        {"KK,0F", {K::Memory, 5}, "005", ""}, // a bare label empties the channel
        {"KK,0F", {K::Memory, 0}, "000,00145000000", "step is missing"},
        {"KK,0F", {K::Memory, 5}, Channel(12, ""), "mode is missing"},
        {"KK,0F", {K::Memory, 5}, Channel(1, ""), "frequency is missing"},
        {"KK,0F", {K::Memory, 5}, Channel(13, ""), ""}, // the lockout is not one of them
        {"KK,0F", {K::Memory, 5}, Channel(17, std::string(30, 'N')), "name is longer than 8 characters"},
        {"ME,0B", {K::Memory, 5}, Channel(17, "\x41\xD7\x42"), badName}, // A, multiplication sign, B
        {"ME,0B", {K::Memory, 5}, Channel(17, "\xC4\xE9\x9A"), ""},
        {"JJ,01", {K::Memory, 5}, Channel(17, "\x83\x41\x83\x43"), badName}, // Shift-JIS
        {"JJ,01", {K::Memory, 5}, Channel(17, "NHK\xBB\xAF"), ""},
        {"KK,0F", {K::Memory, 5}, Channel(1, "99999999999"), outside},
        {"KK,0F", {K::Memory, 5}, Channel(1, "01300000000"), ""}, // the top edge, as the editor takes it
        {"KK,0F",
         {K::Memory, 5},
         Channel(14, "99999999999"),
         "TX frequency lies outside every band of the radio"},
        {"KK,0F", {K::Memory, 5}, Channel(11, "000625000"), offset},
        {"KK,0F", {K::Memory, 5}, Channel(11, "060000000"), offset},
        {"KK,0F", {K::Memory, 5}, Channel(2, "Z"), "step is not a step code"}, // the load check first
        {"KK,0F", {K::Vfo, 0}, "0,00145000000,7", "shift is missing"},
        {"KK,0F", {K::Vfo, 0}, "0,,,,,,,,,,,,,,,,,", ""},
        {"KK,0F", {K::Call, 2}, "2,00433000000,7,0,0,0,0,0,08,08,000,005000000", "mode is missing"},
        {"KK,0F", {K::Dtmf, 3}, "03,12*#A ,HOME", ""},
        {"KK,0F", {K::Dtmf, 3}, "0000003,123", "number is not 00 to 09"},
        {"KK,0F", {K::Dtmf, 3}, "3,123", "number is not 00 to 09"},
        {"KK,0F", {K::Dtmf, 3}, "02,123", "number is not its memory's"},
        {"KK,0F", {K::Dtmf, 3}, "03,12E", "code holds a character other than 0-9, A-D, *, #, blank"},
        {"KK,0F", {K::Dtmf, 3}, "03,123,NINECHARS", "name is longer than 8 characters"},
        {"KK,0F", {K::ProgramVfo, 0}, "0,00144", "upper MHz is missing"},
        {"ME,0B", {K::Menu, 21}, "\x41\xD7\x42", "message holds a character the radio does not have"},
        {"ME,0B", {K::Menu, 22}, "99", "contrast is not 01 to 16"},
    };
    for (const auto& c : cases) {
        const RadioImage image = MakeVersionImage(c.type);
        EXPECT_EQ(SendCheck(image).CheckRecord(c.slot, c.record).reason, c.reason)
            << c.type << " " << RecordSlotName(c.slot) << ": " << c.record;
    }
}

// ---- Everything the program builds --------------------------------------

struct Random
{
    std::mt19937 engine{20261214};
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); }

    // MHz as an operator might type it: whole, with up to six decimals, or nonsense.
    std::string Mhz(int highest)
    {
        switch (Pick(8)) {
        case 0:
            return "";
        case 1:
            return std::to_string(Pick(highest));
        case 2:
            return "1e3";
        default: {
            std::string fraction = std::to_string(Pick(1000000));
            fraction.insert(0, 6 - fraction.size(), '0');
            return std::to_string(Pick(highest)) + "." +
                   fraction.substr(0, static_cast<std::size_t>(1 + Pick(6)));
        }
        }
    }
    // Any bytes: what a paste or a list may bring.
    std::string Bytes(int most)
    {
        std::string text;
        for (int n = Pick(most + 1); n > 0; --n)
            text += static_cast<char>(0x20 + Pick(0xE0));
        return text;
    }
    // A name the name boxes let through: up to 8 bytes of the market's set.
    std::string Name(char market)
    {
        std::string name;
        for (int n = Pick(9); n > 0;) {
            const auto byte = static_cast<unsigned char>(0x20 + Pick(0xE0));
            if (!IsNameByte(byte, market)) continue;
            name += static_cast<char>(byte);
            --n;
        }
        return name;
    }
    ChannelControls Controls(char market)
    {
        ChannelControls c;
        c.rxText = Mhz(1400);
        c.txText = Pick(2) ? Mhz(1400) : c.rxText;
        c.offsetText = Pick(4) ? std::to_string(Pick(70)) + "." + std::to_string(Pick(100)) : Mhz(100);
        c.step = Pick(StepCodeCount);
        c.mode = Pick(ModeCount);
        c.shift = static_cast<ShiftChoice>(Pick(5));
        c.reverse = Pick(2);
        c.tone = Pick(2);
        c.ctcss = Pick(2);
        c.dcs = Pick(2);
        c.toneIndex = Pick(42);
        c.ctcssIndex = Pick(42);
        c.dcsIndex = Pick(104);
        c.lockout = Pick(2);
        c.name = Name(market);
        return c;
    }
};

// Random edits of an image by every path that builds records; each record
// built goes to `built` with the path's name and is stored.
class Builder
{
  public:
    using Sink = std::function<void(const char* path, RecordSlot slot, const std::string& record)>;
    Builder(RadioImage& image, Random& random, Sink built)
        : image_(image), r_(random), built_(std::move(built))
    {
    }

    void Next()
    {
        const char market = image_.MarketLetter();
        using K = RecordSlotKind;
        switch (r_.Pick(9)) {
        case 0: { // the memory channel editor
            const int slot = r_.Pick(MemoryCount);
            const BuiltRecord built = BuildMemoryRecord(image_, slot, r_.Controls(market));
            if (built.error == EntryError::None) Store("memory editor", {K::Memory, slot}, built.record);
            return;
        }
        case 1: { // the VFO editor; OK stores the program VFO range first
            const int band = r_.Pick(BandCount);
            if (!BandExists(band, market, image_.Model())) return;
            if (HasProgramVfo(band)) {
                ProgramVfoBoxes boxes{std::to_string(r_.Pick(1400)), std::to_string(r_.Pick(1400))};
                const auto bounds = ProgramVfoBoundsOf(image_, band);
                FillProgramVfoDefaults(boxes, band, bounds);
                Store("program VFO boxes", {K::ProgramVfo, band}, BuildProgramVfoRecord(band, boxes, bounds));
            }
            const BuiltRecord built = BuildVfoRecord(image_, band, r_.Controls(market));
            if (built.error == EntryError::None) Store("VFO editor", {K::Vfo, band}, built.record);
            return;
        }
        case 2: { // the CALL editor
            const int positions = static_cast<int>(CallBandList(market, image_.Model()).size());
            const int slot = CallSlotOfPosition(r_.Pick(positions), market);
            const BuiltRecord built = BuildCallRecord(image_, slot, r_.Controls(market));
            if (built.error == EntryError::None) Store("CALL editor", {K::Call, slot}, built.record);
            return;
        }
        case 3: { // the DTMF editor, its code box holding whatever was pasted
            const int slot = r_.Pick(DtmfCount);
            Store("DTMF editor", {K::Dtmf, slot}, BuildDtmfRecord(slot, r_.Bytes(20), r_.Name(market)));
            return;
        }
        case 4: { // a cell of the Channels page
            const int slot = r_.Pick(MemoryCount);
            const auto column = static_cast<ChannelColumn>(1 + r_.Pick(ChannelColumnCount - 1));
            const std::vector<std::string> options = ChannelColumnOptions(image_, slot, column);
            std::string text = r_.Mhz(1400);
            if (!options.empty())
                text = options[static_cast<std::size_t>(r_.Pick(static_cast<int>(options.size())))];
            if (column == ChannelColumn::Name) text = r_.Bytes(10);
            if (column == ChannelColumn::Reverse || column == ChannelColumn::Lockout)
                text = r_.Pick(2) ? "1" : "0";
            const CellEditResult edited = EditChannelCells(image_, slot, {{column, text}});
            if (edited.refusal == CellRefusal::None)
                Store("Channels page cell", {K::Memory, slot}, edited.record);
            return;
        }
        case 5: { // a paste of one record, whole or damaged, from this program or another
            const struct
            {
                EditGrid grid;
                K kind;
                int count;
            } grids[] = {{EditGrid::Memory, K::Memory, MemoryCount},
                         {EditGrid::Vfo, K::Vfo, VfoCount},
                         {EditGrid::Call, K::Call, CallCount},
                         {EditGrid::Dtmf, K::Dtmf, DtmfCount}};
            const auto& from = grids[r_.Pick(4)];
            const auto& to = from.grid == EditGrid::Dtmf ? from : grids[r_.Pick(3)];
            image_.SetPasteBuffer(Damaged(SlotRecord(image_, {from.kind, r_.Pick(from.count)})));
            const EditTarget target{to.grid, r_.Pick(to.count)};
            if (CanPaste(image_, target))
                Store("paste", {to.kind, target.slot}, BuildPastedRecord(image_, target));
            return;
        }
        case 6: { // a multi-row paste on the Channels page
            std::vector<std::string> records;
            for (int n = r_.Pick(4); n >= 0; --n)
                records.push_back(Damaged(image_.GetMemoryRecord(r_.Pick(MemoryCount))));
            for (const auto& placed : PlanMultiPaste(image_, r_.Pick(MemoryCount), records).placed)
                Store("multi-row paste", {K::Memory, placed.slot}, placed.record);
            return;
        }
        case 7: // the memory sort
            if (r_.Pick(50) != 0) return Next();
            SortMemoryChannels(image_, r_.Pick(2) ? SortOrder::Frequency : SortOrder::Name);
            for (int slot = 0; slot < OrdinaryMemoryCount; ++slot)
                if (!image_.GetMemoryRecord(slot).empty())
                    built_("sort", {K::Memory, slot}, image_.GetMemoryRecord(slot));
            return;
        default: // a few rows of a CSV channel list
            return FromCsv();
        }
    }

  private:
    void Store(const char* path, RecordSlot slot, const std::string& record)
    {
        StoreSlotRecord(image_, slot, record);
        built_(path, slot, record);
    }

    // A record as the clipboard may bring it: whole, cut short, or with one
    // field replaced by noise.
    std::string Damaged(const std::string& record)
    {
        const int field = r_.Pick(ChannelField::Count);
        std::string out;
        switch (r_.Pick(4)) {
        case 0:
            return record.substr(0, static_cast<std::size_t>(r_.Pick(static_cast<int>(record.size()) + 1)));
        case 1:
            for (int n = 0; n < ChannelField::Count; ++n)
                out += (n ? "," : "") + (n == field ? r_.Bytes(12) : std::string(RecordField(record, n)));
            return out;
        default:
            return record;
        }
    }

    void FromCsv()
    {
        static const char* Duplex[] = {"", "+", "-", "split", "off", "x"};
        static const char* Tone[] = {"", "Tone", "TSQL", "DTCS", "Cross"};
        static const char* Modes[] = {"FM", "NFM", "WFM", "AM", "USB", "LSB", "CW", "DV", ""};
        const auto tone = [&] {
            return std::string(ToneTexts[static_cast<std::size_t>(r_.Pick(42))]).substr(0, 5);
        };
        std::string csv = std::string(kCsvHeader) + "\r\n";
        for (int n = 1 + r_.Pick(4); n > 0; --n)
            csv += std::to_string(r_.Pick(440)) + "," + r_.Name(image_.MarketLetter()) + r_.Name('K') + "," +
                   r_.Mhz(1400) + "," + Duplex[r_.Pick(6)] + "," + r_.Mhz(80) + "," + Tone[r_.Pick(5)] + "," +
                   tone() + "," + tone() + "," +
                   std::string(DcsCodes[static_cast<std::size_t>(r_.Pick(104))]) + ",NN,023,Tone->Tone," +
                   Modes[r_.Pick(9)] + "," + std::to_string(r_.Pick(60)) + "," + (r_.Pick(2) ? "S" : "") +
                   ",5.0W,,,,,\r\n";
        const CsvImportPlan plan = PlanCsvImport(csv, image_, CsvImportOptions{r_.Pick(3) == 0});
        ApplyCsvImport(plan, image_);
        for (const CsvRow& row : plan.rows)
            if (row.slot >= 0) built_("CSV import", {RecordSlotKind::Memory, row.slot}, row.record);
    }

    RadioImage& image_;
    Random& r_;
    Sink built_;
};

TEST(SendCheck, EveryRecordTheProgramBuildsIsOneTheRadioCanHold)
{
    const struct
    {
        const char* type;
        const char* model;
    } versions[] = {{"KK,0F", "ZT-Q2"}, {"KK,0F", "ZT-Q5"}, {"ME,0B", "ZT-Q3"}, {"ME,09", "ZT-Q3"},
                    {"JJ,01", "ZT-Q3"}, {"JJ,01", "ZT-Q5"}, {"MM,07", "ZT-Q3"}};
    Random random;
    int checked = 0;
    int failures = 0;
    std::map<std::string, int> byPath;
    for (int v = 0; v < static_cast<int>(std::size(versions)); ++v) {
        const auto& version = versions[v];
        RadioImage image = MakeVersionImage(version.type, version.model);
        Builder builder(image, random, [&](const char* path, RecordSlot slot, const std::string& record) {
            ++checked;
            ++byPath[path];
            const RecordCheck check = SendCheck(image).CheckRecord(slot, record);
            if (!check && ++failures <= 10)
                ADD_FAILURE() << version.type << " " << version.model << ", " << path << ", "
                              << RecordSlotName(slot) << ": " << record << ": " << check.reason;
        });
        while (checked < 20000 * (v + 1) / static_cast<int>(std::size(versions)))
            builder.Next();
        for (const DamagedRecord& damaged : UnsendableImageRecords(image))
            if (++failures <= 10)
                ADD_FAILURE() << version.type << " " << version.model << ": " << RecordSlotName(damaged.slot)
                              << ": " << damaged.reason;
    }
    // Every path contributed its share.
    EXPECT_EQ(byPath.size(), 10u);
    for (const auto& [path, count] : byPath)
        EXPECT_GE(count, 100) << path;
}

} // namespace
