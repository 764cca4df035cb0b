// Complete records a radio of each version can hold: they pass the check
// before a write, and a write then a read through the transfers and the
// simulated radio gives them back unchanged. A record the check refuses is
// never sent, and the write names it with its reason.
#include "link/ReadTransfer.h"
#include "link/WriteTransfer.h"
#include "model/FieldTexts.h"
#include "model/Records.h"
#include "rules/EntryKeys.h"
#include "rules/FrequencyRules.h"
#include "rules/SendCheck.h"
#include "support/TransferHarness.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class Holdable
{
  public:
    explicit Holdable(unsigned seed) : engine_(seed) {}

    // An image of the version whose every record is complete and one its
    // radio holds: frequencies inside its bands, offered offsets, names of
    // its set, DTMF codes of its keypad, menu values of their tables.
    RadioImage Image(const std::string& type, const std::string& model)
    {
        RadioImage image = StartImage(type, model);
        market_ = image.MarketLetter();
        FrequencyProfile profile;
        for (int band = 0; band < BandLimitCount; ++band)
            profile.bandLimits[static_cast<std::size_t>(band)] = image.BandLimit(band);
        bands_.clear();
        for (int band = 0; band < BandLimitCount; ++band) {
            std::int64_t lower = 0, upper = 0;
            if (BandLimitHz(profile, band, lower, upper)) bands_.push_back({band, lower, upper});
        }
        for (int slot = 0; slot < MemoryCount; ++slot) {
            // The information channels of K and J read back as the market's
            // own when the radio has none there: they stay filled.
            const bool information = slot >= InformationFirst && (market_ == 'K' || market_ == 'J');
            if (!information && Pick(5) < 2) {
                image.SetMemoryRecord(slot, "");
                continue;
            }
            const bool split = Pick(3) == 0;
            image.SetMemoryRecord(slot, Join(MemoryLabel(slot), Channel(Frequency()), std::to_string(Pick(2)),
                                             split ? Frequency() : "", split ? Step() : "", "", Name(8)));
        }
        for (const Band& band : bands_) {
            image.SetVfoRecord(band.code, Join(std::string(1, BandCodeChar(band.code)),
                                               Channel(Frequency(band, true)), "", "", "", "", ""));
            if (band.code < CallCount) {
                const std::string fields = Channel(Frequency(band, true));
                const bool split = Pick(2) == 0;
                // The radio takes a CALL channel's transmit frequency with its receive step.
                image.SetCallRecord(
                    band.code, Join(std::to_string(band.code), fields, "", split ? Frequency(band, true) : "",
                                    split ? std::string(RecordField(fields, 1)) : "", "", ""));
                const std::int64_t lowMhz = band.lower / 1'000'000;
                const std::int64_t topMhz = band.upper / 1'000'000 - 1;
                const std::int64_t lo = lowMhz + Pick(static_cast<int>(topMhz - lowMhz + 1));
                const std::int64_t hi = lo + Pick(static_cast<int>(topMhz - lo + 1));
                image.SetProgramVfoRecord(band.code, std::to_string(band.code) + "," + Padded(lo, 5) + "," +
                                                         Padded(hi, 5));
            }
        }
        for (int memory = 0; memory < DtmfCount; ++memory) {
            std::string code;
            for (int n = 1 + Pick(16); n > 0; --n)
                code += "0123456789ABCD*# "[Pick(17)];
            image.SetDtmfRecord(memory, Pick(4) ? DtmfNumber(memory) + "," + code + "," + Name(8) : "");
        }
        for (int setting = 0; setting < MenuCount; ++setting) {
            if (image.GetMenuSetting(setting).empty()) continue; // this version has no such setting
            std::string value;
            if (setting == 12)
                for (int k = 0; k < 8; ++k)
                    value += Pick(2) ? static_cast<char>('0' + k) : ' ';
            else if (setting == MessageSetting)
                value = Name(8);
            else if (setting == 22)
                value = Padded(1 + Pick(16), 2);
            else
                do
                    value = std::to_string(Pick(10));
                while (!CheckMenuSetting(setting, value));
            image.SetMenuSetting(setting, value);
        }
        return image;
    }

  private:
    struct Band
    {
        int code;
        std::int64_t lower;
        std::int64_t upper; // excluded for the VFO and CALL channels, which the radio files by band
    };

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    static std::string Padded(std::int64_t value, std::size_t width)
    {
        std::string text = std::to_string(value);
        return std::string(width - std::min(width, text.size()), '0') + text;
    }
    std::string Step() { return std::string(1, "0123456789AB"[Pick(12)]); }
    std::string Frequency()
    {
        return Frequency(bands_[static_cast<std::size_t>(Pick(static_cast<int>(bands_.size())))], false);
    }
    std::string Frequency(const Band& band, bool ownBand)
    {
        const std::int64_t span = band.upper - band.lower + (ownBand ? 0 : 1);
        const std::int64_t hz =
            band.lower + std::uniform_int_distribution<std::int64_t>(0, span - 1)(engine_);
        return Padded(hz, 11);
    }
    // Fields 1 to 12 after a frequency.
    std::string Channel(const std::string& frequency)
    {
        std::string step = Step();
        // A J radio's broadcast frequencies read back with step A for B.
        if (market_ == 'J' && step == "B" &&
            (frequency == "00095750000" || frequency == "00101750000" || frequency == "00107750000"))
            step = "A";
        return frequency + "," + step + "," + std::to_string(Pick(4)) + "," + std::to_string(Pick(2)) + "," +
               std::to_string(Pick(2)) + "," + std::to_string(Pick(2)) + "," + std::to_string(Pick(2)) + "," +
               Padded(Pick(42), 2) + "," + Padded(Pick(42), 2) + "," + Padded(Pick(104), 3) + "," +
               Padded(50'000LL * Pick(1200), 9) + "," + std::to_string(Pick(6));
    }
    std::string Name(int most)
    {
        std::string name;
        for (int n = Pick(most + 1); n > 0;) {
            const auto byte = static_cast<unsigned char>(0x20 + Pick(0xE0));
            if (!IsNameByte(byte, market_)) continue;
            name += static_cast<char>(byte);
            --n;
        }
        return name;
    }
    static std::string Join(const std::string& label, const std::string& fields1to12, const std::string& f13,
                            const std::string& f14, const std::string& f15, const std::string& f16,
                            const std::string& name)
    {
        return label + "," + fields1to12 + "," + f13 + "," + f14 + "," + f15 + "," + f16 + "," + name;
    }

    std::mt19937 engine_;
    char market_ = 'K';
    std::vector<Band> bands_;
};

TEST(SendableRoundTrip, WhatARadioOfEachVersionHoldsIsSentAndComesBackUnchanged)
{
    const struct
    {
        const char* type;
        const char* model;
    } versions[] = {
        {"KK,0F", "ZT-Q2"}, {"ME,0B", "ZT-Q3"}, {"ME,09", "ZT-Q3"}, {"JJ,01", "ZT-Q3"}, {"MM,07", "ZT-Q3"}};
    // Only radios that identify as a ZT-Q2 or ZT-Q3 are written to.
    Holdable holdable(20261214);
    for (const auto& v : versions)
        for (int round = 0; round < 3; ++round) {
            SCOPED_TRACE(std::string(v.type) + " " + v.model + " round " + std::to_string(round));
            const RadioImage image = holdable.Image(v.type, v.model);
            for (const DamagedRecord& refused : UnsendableImageRecords(image))
                ADD_FAILURE() << RecordSlotName(refused.slot) << ": " << refused.reason;
            VirtualRadio radio(v.type, v.model);
            WriteTransfer write(image, LinkScope::All);
            ASSERT_EQ(Drive(write, radio).outcome, TransferOutcome::Completed);
            RadioImage back = StartImage(v.type, v.model);
            ReadTransfer read(back, LinkScope::All);
            ASSERT_EQ(Drive(read, radio).outcome, TransferOutcome::Completed);
            EXPECT_EQ(CompareImages(image, back), "");
            EXPECT_TRUE(read.IncompleteSlots().empty());
        }
}

TEST(SendableRoundTrip, ARefusedRecordIsNeverSentAndTheWriteNamesIt)
{
    RadioImage image = SampleImage("KK,0F", "ZT-Q2");
    image.SetMemoryRecord(0, "000,00145000000");
    image.SetMemoryRecord(
        5, "005,00145500000,5,1,0,1,0,0,12,08,007,000600000,0,0,,,,THIRTY CHARACTERS OF A NAME...");
    image.SetMemoryRecord(7, "007,99999999999,5,1,0,1,0,0,12,08,007,000600000,0,0,,,,");
    image.SetDtmfRecord(3, "0000003,123");
    const std::vector<DamagedRecord> refused = UnsendableRecords(image, LinkScope::Memory);
    EXPECT_EQ(
        EnglishText(UnsendableNote(refused)),
        "4 records cannot be sent, a radio of this version cannot hold them; a write leaves them out and "
        "the radio keeps what it holds there: memory 000 (step is missing), memory 005 (name is longer "
        "than 8 characters), memory 007 (frequency lies outside every band of the radio), DTMF 3 "
        "(number is not 00 to 09)");
    EXPECT_TRUE(UnsendableRecords(image, LinkScope::Menu).empty());

    const RadioImage before = SampleImage("KK,0F", "ZT-Q2");
    VirtualRadio radio(before);
    WriteTransfer write(image, LinkScope::All);
    const TransferRun run = Drive(write, radio);
    EXPECT_EQ(run.outcome, TransferOutcome::Completed);
    for (const char* prefix : {"MW 0,000", "MW 0,005", "MNA 005", "MW 0,007", "DM 03", "DMN 03"})
        EXPECT_EQ(run.Count(prefix), 0) << prefix;
    for (int slot : {0, 5, 7})
        EXPECT_EQ(radio.Contents().GetMemoryRecord(slot),
                  VirtualRadio(before).Contents().GetMemoryRecord(slot));
}

} // namespace
