// Comparing images as the radio holds them: one table over every record kind
// (what differs, what the radio would hold the same, how a difference reads),
// the text of tslq-cli diff, and the baseline after a write.
#include "link/ImageDiff.h"

#include "link/Baseline.h"
#include "model/Records.h"
#include "support/TransferHarness.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Shown
{
    std::string field, a, b;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& shown)
{
    return out << "{" << shown.field << ": \"" << shown.a << "\" / \"" << shown.b << "\"}";
}

std::vector<Shown> FieldsOf(const RecordDifference& record)
{
    std::vector<Shown> out;
    for (const FieldDifference& field : record.fields)
        out.push_back({field.field, field.a, field.b});
    return out;
}

const std::string Plain = "005,00145500000,5,1,0,1,0,0,12,08,007,000600000,0,0,00146100000,5,,RPT";

} // namespace

TEST(ImageDiff, EveryRecordKind)
{
    const struct Case
    {
        const char* what;
        std::function<void(RadioImage&)> change; // applied to side b
        const char* place;                       // "" when the radio would hold the same
        std::vector<Shown> fields;
    } cases[] = {
        {"memory frequency",
         [](RadioImage& i) { i.SetMemoryRecord(5, "005,00145520000" + Plain.substr(15)); },
         "Memory 005",
         {{"Frequency", "145.500", "145.520"}}},
        {"memory name and lockout",
         [](RadioImage& i) {
             i.SetMemoryRecord(5, "005,00145500000,5,1,0,1,0,0,12,08,007,000600000,0,1,00146100000,5,,WORK");
         },
         "Memory 005",
         {{"Name", "RPT", "WORK"}, {"Lockout", "", "*"}}},
        {"memory split to simplex with a tone",
         [](RadioImage& i) {
             i.SetMemoryRecord(5, "005,00145500000,5,0,0,0,1,0,12,10,007,000600000,0,0,,,,RPT");
         },
         "Memory 005",
         {{"Shift", "+", ""},
          {"Offset or Tx", "Tx Frequency : 146.100MHz", ""},
          {"Tone", "T : 100.0Hz", "CT : 94.8Hz"},
          {"Tx Step", "12.5kHz", ""}}},
        {"memory mode and step",
         [](RadioImage& i) {
             i.SetMemoryRecord(5, "005,00145500000,0,1,0,1,0,0,12,08,007,000600000,2,0,00146100000,5,,RPT");
         },
         "Memory 005",
         {{"Mode", "FM", "AM"}, {"Step", "12.5kHz", "5kHz"}}},
        {"memory emptied",
         [](RadioImage& i) { i.SetMemoryRecord(0, ""); },
         "Memory 000",
         {{"Frequency", "145.000", ""},
          {"Shift", "+", ""},
          {"Offset or Tx", "Offset : 0.60MHz", ""},
          {"Tone", "T : 100.0Hz", ""},
          {"Mode", "FM", ""},
          {"Step", "12.5kHz", ""},
          {"Name", "HOME", ""}}},
        {"memory CTCSS number under no CTCSS",
         [](RadioImage& i) {
             i.SetMemoryRecord(7, "007,00144800000,0,1,0,1,0,0,12,09,007,000600000,0,0,,,,");
         },
         "Memory 007",
         {{"Record", "007,00144800000,0,1,0,1,0,0,12,08,007,000600000,0,0,,,,",
           "007,00144800000,0,1,0,1,0,0,12,09,007,000600000,0,0,,,,"}}},
        {"memory field 16 is never sent",
         [](RadioImage& i) { i.SetMemoryRecord(5, Plain.substr(0, Plain.size() - 4) + "1,RPT"); },
         "",
         {}},
        {"memory without its trailing empty fields",
         [](RadioImage& i) { i.SetMemoryRecord(7, "007,00144800000,0,1,0,1,0,0,12,08,007,000600000,0,0"); },
         "",
         {}},
        {"memory label in another form",
         [](RadioImage& i) { i.SetMemoryRecord(5, "5" + Plain.substr(3)); },
         "",
         {}},
        {"name byte the radio gives back as another",
         [](RadioImage& i) { i.SetMemoryRecord(0, i.GetMemoryRecord(0) + "\x80"); },
         "Memory 000",
         {{"Name", "HOME", "HOME\xC0"}}},
        {"VFO frequency",
         [](RadioImage& i) { i.SetVfoRecord(0, "0,00146000000" + i.GetVfoRecord(0).substr(13)); },
         "VFO A_144MHz",
         {{"Frequency", "144.000", "146.000"}}},
        {"VFO lockout is never sent",
         [](RadioImage& i) {
             std::string record(RecordField(i.GetVfoRecord(0), 0));
             for (int field = 1; field <= ChannelField::Mode; ++field)
                 record += "," + std::string(RecordField(i.GetVfoRecord(0), field));
             i.SetVfoRecord(0, record + ",1,,,,");
         },
         "",
         {}},
        {"CALL frequency",
         [](RadioImage& i) {
             i.SetCallRecord(2, "2,00434000000,7,0,0,0,0,0,08,08,000,005000000,0,,00438000000,7,,");
         },
         "CALL 440MHz",
         {{"Frequency", "433.000", "434.000"}}},
        {"CALL transmit step goes as the receive step",
         [](RadioImage& i) {
             i.SetCallRecord(2, "2,00433000000,7,0,0,0,0,0,08,08,000,005000000,0,,00438000000,3,,");
         },
         "",
         {}},
        {"DTMF code",
         [](RadioImage& i) { i.SetDtmfRecord(3, "03,12*#B,HOME"); },
         "DTMF 3",
         {{"Code", "12*#A", "12*#B"}}},
        {"DTMF number in another width", [](RadioImage& i) { i.SetDtmfRecord(3, "3,12*#A,HOME"); }, "", {}},
        {"DTMF cleared keeps no name",
         [](RadioImage& i) { i.SetDtmfRecord(3, ",,HOME"); },
         "DTMF 3",
         {{"Code", "12*#A", ""}, {"Name", "HOME", ""}}},
        {"program VFO range",
         [](RadioImage& i) { i.SetProgramVfoRecord(0, "0,00144,00146"); },
         "Program VFO 144MHz",
         {{"Range", "144-147", "144-146"}}},
        {"menu choice",
         [](RadioImage& i) { i.SetMenuSetting(23, "1"); },
         "Menu",
         {{"Battery Saver", "OFF", "0.2sec"}}},
        {"menu values of one text",
         [](RadioImage& i) { i.SetMenuSetting(3, "2"); },
         "Menu",
         {{"Attenuator", "ON (1)", "ON (2)"}}},
        {"menu message",
         [](RadioImage& i) { i.SetMenuSetting(21, "HELLO"); },
         "Menu",
         {{"Power-on Message", "HI THERE", "HELLO"}}},
    };
    RadioImage a = SampleImage("KK,0F", "ZT-Q2");
    a.SetProgramVfoRecord(0, "0,00144,00147");
    a.SetMenuSetting(3, "1");
    a.SetMenuSetting(23, "0");
    ASSERT_EQ(a.GetMemoryRecord(5), Plain);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RadioImage b = a;
        c.change(b);
        const ImageDifferences differences = DescribeDifferences(a, b);
        EXPECT_FALSE(differences.versionDiffers);
        if (std::string(c.place).empty()) {
            EXPECT_TRUE(differences.Empty()) << differences.records.front().place;
            EXPECT_TRUE(DifferingSlots(a, b).Empty());
            continue;
        }
        ASSERT_EQ(differences.records.size(), 1u);
        EXPECT_EQ(differences.records[0].place, c.place);
        EXPECT_EQ(FieldsOf(differences.records[0]), c.fields);
        // What a write of only the changes sends: that slot alone.
        const SlotSet slots = DifferingSlots(a, b);
        ASSERT_EQ(slots.Count(), 1);
        EXPECT_EQ(slots.Slots()[0], differences.records[0].slot);
        // The scope that does not cover the slot sees nothing.
        const LinkScope other =
            differences.records[0].slot.kind == RecordSlotKind::Menu ? LinkScope::Memory : LinkScope::Menu;
        EXPECT_TRUE(DifferingSlots(a, b, other).Empty());
    }
}

TEST(ImageDiff, TextOfTheDifferences)
{
    RadioImage a = SampleImage("EE,0F", "ZT-Q3");
    RadioImage b = a;
    b.SetTypeCode("KK,0F");
    b.SetMemoryRecord(5, "005,00145520000" + Plain.substr(15, Plain.size() - 18) +
                             "\xC4"
                             "RPT");
    b.SetMenuSetting(23, "1");
    a.SetMenuSetting(23, "0");
    EXPECT_EQ(DifferencesText(DescribeDifferences(a, b), "radio.qx", "window.qx"),
              "Slot        Field          radio.qx     window.qx\n"
              "Version                    EE,0F ZT-Q3  KK,0F ZT-Q3\n"
              "Memory 005  Frequency      145.500      145.520\n"
              "            Name           RPT          \xC3\x84RPT\n"
              "Menu        Battery Saver  OFF          0.2sec\n");
    EXPECT_EQ(DifferencesText(DescribeDifferences(a, a), "x", "y"), "");
}

TEST(ImageDiff, BaselineAfterAWriteTakesTheSentSlotsOnly)
{
    const RadioImage baseline = SampleImage("KK,0F", "ZT-Q2");
    RadioImage written = baseline;
    written.SetMemoryRecord(5, "");
    written.SetMemoryRecord(7, "");
    written.SetMenuSetting(23, "9");
    SlotSet sent;
    sent.Insert({RecordSlotKind::Memory, 5});
    sent.Insert({RecordSlotKind::Menu, 23});
    const RadioImage after = AfterWrite(baseline, written, sent);
    EXPECT_EQ(after.GetMemoryRecord(5), "");
    EXPECT_EQ(after.GetMemoryRecord(7), baseline.GetMemoryRecord(7));
    EXPECT_EQ(after.GetMenuSetting(23), "9");
    EXPECT_EQ(sent.Slots(),
              (std::vector<RecordSlot>{{RecordSlotKind::Memory, 5}, {RecordSlotKind::Menu, 23}}));
    EXPECT_EQ(SlotSet::Covered(LinkScope::All).Count(), SlotSet::Size);
    EXPECT_EQ(SlotSet::Covered(LinkScope::Menu).Count(), MenuCount);
}

TEST(ImageDiff, BaselineOfASession)
{
    const RadioImage radio = SampleImage("KK,0F", "ZT-Q2");
    RadioImage window = radio;
    window.SetMemoryRecord(5, "");
    RadioBaseline baseline;
    EXPECT_NE(EnglishText(baseline.Unavailable(window)), "");
    // A full write without an earlier read tells what the radio holds.
    baseline.Written(window, LinkScope::All, SlotSet::Covered(LinkScope::All), true, 1);
    ASSERT_TRUE(baseline.Has());
    EXPECT_EQ(baseline.Image(), window);
    EXPECT_EQ(baseline.From(), RadioBaseline::Source::Write);
    // An unfinished one leaves nothing known.
    baseline.Written(window, LinkScope::All, SlotSet(), false, 2);
    EXPECT_FALSE(baseline.Has());
    // Nor does a write of the memories alone, with no read before it.
    baseline.Written(window, LinkScope::Memory, SlotSet::Covered(LinkScope::Memory), true, 3);
    EXPECT_FALSE(baseline.Has());

    // A read of the menu alone tells nothing without an earlier baseline.
    baseline.Read(radio, RadioBaseline::Source::Read, LinkScope::Menu, 4);
    EXPECT_FALSE(baseline.Has());
    baseline.Read(radio, RadioBaseline::Source::Compare, LinkScope::All, 4);
    EXPECT_EQ(EnglishText(baseline.Unavailable(window)), "");
    EXPECT_EQ(baseline.WhenMs(), 4);
    SlotSet sent;
    sent.Insert({RecordSlotKind::Memory, 5});
    baseline.Written(window, LinkScope::All, sent, true, 5);
    EXPECT_TRUE(DifferingSlots(baseline.Image(), window).Empty());
    EXPECT_EQ(baseline.WhenMs(), 5);
    // A read-back that found the old record: the radio holds that again.
    baseline.ReadBack(radio, sent);
    EXPECT_EQ(baseline.Image().GetMemoryRecord(5), radio.GetMemoryRecord(5));
    // A read of the menu adds the radio's settings to the baseline.
    RadioImage menu = radio;
    menu.SetMenuSetting(23, "7");
    menu.SetMemoryRecord(0, "");
    baseline.Read(menu, RadioBaseline::Source::Read, LinkScope::Menu, 6);
    EXPECT_EQ(baseline.Image().GetMenuSetting(23), "7");
    EXPECT_EQ(baseline.Image().GetMemoryRecord(0), radio.GetMemoryRecord(0));

    RadioImage other = window;
    other.SetTypeCode("EE,0F");
    EXPECT_EQ(EnglishText(baseline.Unavailable(other)),
              "The radio last read or written is of version KK,0F, the data of "
              "version EE,0F: read the radio or compare with it first.");
}
