// The simulated radio's sample load: only records the program itself would
// store, in every version, and the kinds of channels a new user should see.
#include "sim/SampleLoad.h"

#include "files/DataFile.h"
#include "model/RecordCheck.h"
#include "model/Records.h"
#include "rules/EntryKeys.h"
#include "rules/SendCheck.h"
#include "sim/SimServer.h"
#include "sim/VirtualRadio.h"

#include <gtest/gtest.h>

namespace {

const struct
{
    const char* type;
    const char* model;
} Versions[] = {{"KK,0F", "ZT-Q2"}, {"KK,0F", "ZT-Q5"}, {"ME,0B", "ZT-Q3"}, {"ME,09", "ZT-Q3"},
                {"JJ,01", "ZT-Q3"}, {"JJ,01", "ZT-Q5"}, {"MM,07", "ZT-Q3"}, {"MK,07", "ZT-Q2"}};

TEST(SampleLoad, HoldsOnlyWhatTheEditorsStore)
{
    for (const auto& v : Versions) {
        SCOPED_TRACE(std::string(v.type) + " " + v.model);
        const RadioImage image = SampleRadioImage(v.type, v.model);
        const char market = image.MarketLetter();

        // Entered as written: nothing moved by the frequency checks.
        for (const SampleChannel& channel : SampleChannels(market)) {
            const BuiltRecord built = BuildMemoryRecord(image, channel.slot, SampleControls(image, channel));
            ASSERT_EQ(built.error, EntryError::None) << channel.rx;
            EXPECT_FALSE(built.rounded) << channel.rx;
            EXPECT_EQ(image.GetMemoryRecord(channel.slot), built.record);
        }
        // Opened in the editor, Enter pressed and OK pressed, every channel
        // stays as it is.
        for (int slot = 0; slot < MemoryCount; ++slot) {
            const std::string& record = image.GetMemoryRecord(slot);
            if (record.empty()) continue;
            ChannelControls c = LoadMemoryControls(image, slot);
            const AcceptedEntries accepted = AcceptMemoryEntries(image, c);
            EXPECT_FALSE(accepted.rounded) << record;
            EXPECT_EQ(accepted.shift, c.shift) << record;
            const BuiltRecord built = BuildMemoryRecord(image, slot, c);
            EXPECT_FALSE(built.rounded) << record;
            EXPECT_EQ(built.record, record);
            EXPECT_EQ(FirstInvalidNameByte(image.GetRecordField(RecordKind::Memory, slot, 17), market),
                      std::string::npos)
                << record;
        }
        for (int memory = 0; memory < DtmfCount; ++memory) {
            const std::string code = image.GetRecordField(RecordKind::Dtmf, memory, 1);
            for (char ch : code) {
                char entered = 0;
                EXPECT_EQ(DtmfCodeKeyVerdict(static_cast<unsigned char>(ch), entered), KeyVerdict::Accept)
                    << code;
            }
            EXPECT_LE(code.size(), 16u);
        }

        // The record checks of reads and file loads pass every record, and
        // so does the check before a write: a read of it can be written back.
        for (const DamagedRecord& damaged : CheckImageRecords(image))
            ADD_FAILURE() << RecordSlotName(damaged.slot) << ": " << damaged.reason;
        for (const DamagedRecord& damaged : UnsendableImageRecords(image))
            ADD_FAILURE() << RecordSlotName(damaged.slot) << ": " << damaged.reason;
        // A data file and the radio's own character set carry it unchanged.
        RadioImage loaded = NewRadioImage(v.type, v.model);
        ResetImage(loaded, ImageReset::ForLoad);
        std::string comment;
        ASSERT_EQ(ReadDataFile(WriteDataFile(image, ""), loaded, comment), DataFileStatus::Loaded);
        EXPECT_TRUE(loaded == image);
        EXPECT_TRUE(VirtualRadio(image).Contents() == image);
    }
}

TEST(SampleLoad, ShowsANewUserEveryKindOfChannel)
{
    for (const auto& v : Versions) {
        SCOPED_TRACE(std::string(v.type) + " " + v.model);
        const RadioImage image = SampleRadioImage(v.type, v.model);
        const RadioImage empty = NewRadioImage(v.type, v.model);
        int repeaters = 0, simplex = 0, split = 0, named = 0;
        for (int slot = 0; slot < OrdinaryMemoryCount; ++slot) {
            auto field = [&](int n) { return image.GetRecordField(RecordKind::Memory, slot, n); };
            if (field(1).empty()) continue;
            const bool toned = field(5) == "1" || field(6) == "1" || field(7) == "1";
            if (field(3) != "0" && toned) ++repeaters;
            if (field(3) == "0" && field(14).empty()) ++simplex;
            if (!field(14).empty()) ++split;
            if (!field(17).empty()) ++named;
        }
        EXPECT_GE(repeaters, 5);
        EXPECT_GE(simplex, 5);
        EXPECT_GE(split, 1);
        EXPECT_GE(named, 10);
        int dtmf = 0;
        for (int memory = 0; memory < DtmfCount; ++memory)
            dtmf += image.GetDtmfRecord(memory).empty() ? 0 : 1;
        EXPECT_GE(dtmf, 3);
        // The market's information channels, the defaults and menu as a new
        // radio has them.
        for (int slot = 422; slot < MemoryCount; ++slot)
            EXPECT_EQ(image.GetMemoryRecord(slot), empty.GetMemoryRecord(slot));
        EXPECT_EQ(image.GetMemoryRecord(422).empty(),
                  image.MarketLetter() != 'K' && image.MarketLetter() != 'J');
        for (int band = 0; band < BandLimitCount; ++band)
            EXPECT_EQ(image.GetVfoRecord(band), empty.GetVfoRecord(band));
        for (int index = 0; index < MenuCount; ++index)
            EXPECT_EQ(image.GetMenuSetting(index), empty.GetMenuSetting(index));
    }
    // The special minus offset where the version offers it, a plain minus
    // shift of the same offset where it does not.
    EXPECT_EQ(SampleRadioImage("ME,0B", "ZT-Q3").GetRecordField(RecordKind::Memory, 10, 3), "3");
    EXPECT_EQ(SampleRadioImage("ME,09", "ZT-Q3").GetRecordField(RecordKind::Memory, 10, 3), "2");
    EXPECT_EQ(SampleRadioImage("KK,0F", "ZT-Q2").GetRecordField(RecordKind::Memory, 30, 3), "3");
}

TEST(SampleLoad, ServedUnlessAnEmptyRadioIsAskedFor)
{
    for (const bool sample : {false, true}) {
        SimOptions options;
        options.typeCode = "JJ,01";
        options.sampleLoad = sample;
        SimServer server(options);
        std::string error;
        ASSERT_TRUE(server.Open(error)) << error;
        const RadioImage contents = server.Contents();
        EXPECT_TRUE(contents ==
                    (sample ? SampleRadioImage("JJ,01", "ZT-Q3") : NewRadioImage("JJ,01", "ZT-Q3")));
    }
}

} // namespace
