// Replies that stop early or run long, through the read against the
// simulated radio: every reply kind cut at every field boundary still
// completes the read, with the missing fields empty in their places and the
// record named as incomplete; one field too many is asked for again and
// then refused.
#include "link/ReadTransfer.h"
#include "link/ReplyCheck.h"
#include "model/RecordCheck.h"
#include "model/Records.h"
#include "support/TransferHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct ReplyKind
{
    RadioCommand command;
    ReplyExpectation expected;
    RecordSlot slot;
    int firstField; // the record field the payload's first field lands in
};

// Fields of a record; the last (the name, or a program VFO's upper bound)
// runs to the end.
std::vector<std::string> Fields(RecordSlotKind kind, std::string_view record)
{
    const int count =
        kind == RecordSlotKind::Dtmf || kind == RecordSlotKind::ProgramVfo ? 3 : ChannelField::Count;
    std::vector<std::string> fields;
    for (int field = 0; field < count; ++field)
        fields.emplace_back(RecordField(record, field, field + 1 == count));
    return fields;
}

int Commas(std::string_view text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), ','));
}

} // namespace

TEST(ShortReplies, EachKindCutAtEveryFieldBoundaryReadsItsFieldsEmpty)
{
    using S = ReplyShape;
    using K = RecordSlotKind;
    const RadioImage contents = SampleImage("KK,0F", "ZT-Q2");
    const ReplyKind kinds[] = {
        {MemoryQuery(5), {S::Memory, 5}, {K::Memory, 5}, 0},
        {MemoryTxQuery(5), {S::MemoryTx, 5}, {K::Memory, 5}, ChannelField::TxFrequency},
        {MemoryQuery(400), {S::Memory, 400}, {K::Memory, 400}, 0},
        {MemoryTxQuery(400), {S::MemoryTx, 400}, {K::Memory, 400}, ChannelField::TxFrequency},
        {CallQuery(2, 0), {S::Call, 2}, {K::Call, 2}, ChannelField::Frequency},
        {CallQuery(2, 1), {S::CallTx, 2}, {K::Call, 2}, ChannelField::TxFrequency},
        {VfoQuery(0), {S::Vfo, 0}, {K::Vfo, 0}, 0},
        {ProgramVfoQuery(0), {S::ProgramVfo, 0}, {K::ProgramVfo, 0}, 0},
        {DtmfQuery(3), {S::Dtmf, 3}, {K::Dtmf, 3}, 0},
    };
    VirtualRadio plain(contents);
    RadioImage whole = StartImage("KK,0F", "ZT-Q2");
    ReadTransfer reference(whole, LinkScope::Memory);
    ASSERT_EQ(Drive(reference, plain).outcome, TransferOutcome::Completed);
    EXPECT_TRUE(reference.IncompleteSlots().empty());

    for (const ReplyKind& kind : kinds) {
        const std::string full = *VirtualRadio(contents).Respond(kind.command.text);
        const int layout = static_cast<int>(LayoutFieldCount(kind.expected.shape));
        for (int cut = 1; cut <= Commas(full); ++cut) {
            VirtualRadioFaults faults;
            faults.alterRepliesTo = kind.command.text;
            faults.cutBeforeComma = cut;
            VirtualRadio radio(contents);
            radio.SetFaults(faults);
            const std::string reply = *VirtualRadio(radio).Respond(kind.command.text);
            SCOPED_TRACE(kind.command.text + " <- " + reply);
            RadioImage image = StartImage("KK,0F", "ZT-Q2");
            ReadTransfer read(image, LinkScope::Memory);
            ASSERT_EQ(Drive(read, radio).outcome, TransferOutcome::Completed);

            // The record of whole replies with the fields past the cut
            // empty; a first reply below its threshold empties the record.
            const std::string payload = AssemblePayload(reply, kind.command.echo);
            const bool empty = IsEmptyPayload(kind.expected, payload);
            const int kept = payload.empty() ? 0 : Commas(payload) + 1;
            std::vector<std::string> want = Fields(kind.slot.kind, SlotRecord(whole, kind.slot));
            for (int field = 0; field < static_cast<int>(want.size()); ++field) {
                const bool cutAway = field >= kind.firstField + kept && field < kind.firstField + layout;
                if (cutAway || (empty && kind.firstField <= ChannelField::Frequency))
                    want[static_cast<std::size_t>(field)].clear();
            }
            EXPECT_EQ(Fields(kind.slot.kind, SlotRecord(image, kind.slot)), want);
            // Every other record is as a read of whole replies stored it.
            RadioImage others = image;
            StoreSlotRecord(others, kind.slot, SlotRecord(whole, kind.slot));
            EXPECT_EQ(CompareImages(whole, others), "");
            const bool incomplete = !empty && kept < layout;
            EXPECT_EQ(read.IncompleteSlots(),
                      incomplete ? std::vector<RecordSlot>{kind.slot} : std::vector<RecordSlot>{});
        }

        // One field too many: asked for again, then the read stops.
        VirtualRadioFaults faults;
        faults.alterRepliesTo = kind.command.text;
        faults.extraField = true;
        VirtualRadio radio(contents);
        radio.SetFaults(faults);
        RadioImage image = StartImage("KK,0F", "ZT-Q2");
        ReadTransfer read(image, LinkScope::Memory);
        const TransferRun run = Drive(read, radio);
        EXPECT_EQ(run.outcome, TransferOutcome::BadReply) << kind.command.text;
        EXPECT_EQ(run.Count(kind.command.text), 2) << kind.command.text;
        EXPECT_NE(EnglishText(read.BadReplyText()).find("too many fields"), std::string::npos)
            << EnglishText(read.BadReplyText());
    }
}

TEST(ShortReplies, BandLimitsCutAtEveryCommaKeepTheirWholePairs)
{
    const RadioImage contents = SampleImage("KK,0F", "ZT-Q2");
    RadioImage whole = StartImage("KK,0F", "ZT-Q2");
    VirtualRadio plain(contents);
    ReadTransfer reference(whole, LinkScope::Menu);
    ASSERT_EQ(Drive(reference, plain).outcome, TransferOutcome::Completed);
    for (int group : {0, 1}) {
        const RadioCommand command = BandLimitQuery(group);
        const std::string full = *VirtualRadio(contents).Respond(command.text);
        // Cut before each comma, and one field too many: an unpaired bound.
        for (int cut = 0; cut <= Commas(full); ++cut) {
            VirtualRadioFaults faults;
            faults.alterRepliesTo = command.text;
            faults.cutBeforeComma = cut;
            faults.extraField = cut == 0;
            VirtualRadio radio(contents);
            radio.SetFaults(faults);
            const std::string payload = AssemblePayload(*VirtualRadio(radio).Respond(command.text), 3);
            SCOPED_TRACE(command.text + " <- " + payload);
            RadioImage image = StartImage("KK,0F", "ZT-Q2");
            ReadTransfer read(image, LinkScope::Menu);
            ASSERT_EQ(Drive(read, radio).outcome, TransferOutcome::Completed);
            const int pairs = payload.size() > 2 ? (Commas(payload) + 1 - 1) / 2 : 0;
            int stored = 0;
            for (int band = group == 0 ? 0 : 4; band <= (group == 0 ? 3 : 13); ++band) {
                if (image.BandLimit(band).empty()) continue;
                ++stored;
                EXPECT_EQ(image.BandLimit(band), whole.BandLimit(band)) << band;
            }
            EXPECT_EQ(stored, pairs);
        }
    }
}

TEST(ShortReplies, TheClosingLineNamesTheIncompleteRecordsAsTheGridsDo)
{
    const std::vector<RecordSlot> slots = {{RecordSlotKind::Vfo, 0}, {RecordSlotKind::Call, 2}};
    EXPECT_EQ(EnglishText(IncompleteReadNote(slots, 'K')),
              "2 records came back incomplete: VFO A_144MHz, CALL 440MHz");
    EXPECT_EQ(EnglishText(IncompleteReadNote({{RecordSlotKind::Memory, 400}}, 'E')),
              "1 record came back incomplete: memory L0");
    EXPECT_EQ(EnglishText(IncompleteReadNote({}, 'K')), "");
}
