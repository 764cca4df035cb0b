// The clipboard checks and rebuilt records of the edit commands.
#include "rules/PasteRules.h"

#include "model/FieldTexts.h"
#include "model/Profile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An image configured like the radio version, with its market defaults.
RadioImage VersionImage(std::string_view type, std::string_view model)
{
    RadioImage image;
    image.SetTypeCode(type);
    image.SetModel(model);
    for (int band = 0; band < BandLimitCount; ++band)
        image.SetBandLimit(band, DefaultBandLimit(band, type[1], type[0], model));
    image.LoadDefaultVfoAndCall();
    image.LoadInformationChannels();
    image.LoadDefaultMenu();
    return image;
}

struct ChannelSpec
{
    std::string label = "000";
    std::string frequency = "00145000000";
    std::string step = "0";
    std::string shift = "0";
    std::string offset = "000600000";
    std::string mode = "0";
    std::string lockout = "0";
    std::string tx;
    std::string txStep;
    std::string name;
};

std::string Channel(const ChannelSpec& c)
{
    return c.label + "," + c.frequency + "," + c.step + "," + c.shift + ",1,1,0,0,12,13,021," + c.offset +
           "," + c.mode + "," + c.lockout + "," + c.tx + "," + c.txStep + ",," + c.name;
}

std::string WithFrequency(std::string_view frequency)
{
    ChannelSpec c;
    c.frequency = std::string(frequency);
    return Channel(c);
}

bool FitsAt(RadioImage& image, const std::string& buffer, EditTarget target)
{
    image.SetPasteBuffer(buffer);
    return CanPaste(image, target);
}

TEST(PasteCheck, MemoryGridTakesAnyFrequencyInsideSomeBand)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    for (int slot : {0, 399, 400, 421, 422, 431}) {
        EXPECT_TRUE(FitsAt(image, WithFrequency("00145000000"), {EditGrid::Memory, slot})) << slot;
        EXPECT_TRUE(FitsAt(image, WithFrequency("00000540000"), {EditGrid::Memory, slot})) << slot;
        // 50 kHz is below the AM band's 100 kHz; 1300 MHz and above is no band.
        EXPECT_FALSE(FitsAt(image, WithFrequency("00000050000"), {EditGrid::Memory, slot})) << slot;
        EXPECT_FALSE(FitsAt(image, WithFrequency("01300010000"), {EditGrid::Memory, slot})) << slot;
    }
    // The upper bound is included: 1300.00 MHz still fits the 806-1300 band.
    EXPECT_TRUE(FitsAt(image, WithFrequency("01300000000"), {EditGrid::Memory, 5}));
}

TEST(PasteCheck, CallGridUsesTheBandLimitOfItsRow)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2"); // 144 row: 137-174 MHz, 440 row: 410-470
    EXPECT_TRUE(FitsAt(image, WithFrequency("00145000000"), {EditGrid::Call, 0}));
    EXPECT_TRUE(FitsAt(image, WithFrequency("00174000000"), {EditGrid::Call, 0}));
    EXPECT_FALSE(FitsAt(image, WithFrequency("00174010000"), {EditGrid::Call, 0}));
    EXPECT_FALSE(FitsAt(image, WithFrequency("00136990000"), {EditGrid::Call, 0}));
    EXPECT_FALSE(FitsAt(image, WithFrequency("00145000000"), {EditGrid::Call, 2}));
    EXPECT_TRUE(FitsAt(image, WithFrequency("00446000000"), {EditGrid::Call, 2}));
    EXPECT_TRUE(FitsAt(image, WithFrequency("00222000000"), {EditGrid::Call, 1}));
    // No step or mode rule on the CALL grid.
    ChannelSpec am;
    am.frequency = "00145001000";
    am.mode = "2";
    EXPECT_TRUE(FitsAt(image, Channel(am), {EditGrid::Call, 0}));
}

TEST(PasteCheck, AbandVfoUsesTheProgramVfoRangeWithItsLastMhzIncluded)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    image.SetProgramVfoRecord(0, "0,00144,00147");
    const EditTarget vfo0{EditGrid::Vfo, 0};
    EXPECT_TRUE(FitsAt(image, WithFrequency("00144000000"), vfo0));
    EXPECT_TRUE(FitsAt(image, WithFrequency("00147995000"), vfo0));
    EXPECT_TRUE(FitsAt(image, WithFrequency("00148000000"), vfo0));
    EXPECT_FALSE(FitsAt(image, WithFrequency("00148010000"), vfo0));
    EXPECT_FALSE(FitsAt(image, WithFrequency("00143995000"), vfo0));
    // The band limit (137-174) does not widen the program VFO range.
    EXPECT_FALSE(FitsAt(image, WithFrequency("00150000000"), vfo0));
}

TEST(PasteCheck, AbandVfoNeedsTheStepGridAndFm)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    image.SetProgramVfoRecord(0, "0,00144,00147");
    const EditTarget vfo0{EditGrid::Vfo, 0};
    ChannelSpec c;
    c.frequency = "00146012500";
    c.step = "0"; // 5 kHz: 146.0125 is off the grid
    EXPECT_FALSE(FitsAt(image, Channel(c), vfo0));
    c.step = "5"; // 12.5 kHz
    EXPECT_TRUE(FitsAt(image, Channel(c), vfo0));
    c.frequency = "00146008330";
    c.step = "2"; // 8.33 kHz positions within the 100 kHz block
    EXPECT_TRUE(FitsAt(image, Channel(c), vfo0));
    c.frequency = "00146005000";
    c.step = "B";
    EXPECT_FALSE(FitsAt(image, Channel(c), vfo0));
    c.frequency = "00146100000";
    EXPECT_TRUE(FitsAt(image, Channel(c), vfo0));
    c.mode = "2";
    EXPECT_FALSE(FitsAt(image, Channel(c), vfo0));
    c.mode = "";
    EXPECT_FALSE(FitsAt(image, Channel(c), vfo0));
    // A step code outside the table has no grid: not pasteable, and no
    // division by a zero step.
    c.mode = "0";
    for (const char* step : {"C", "F", "", "z"}) {
        c.step = step;
        EXPECT_FALSE(FitsAt(image, Channel(c), vfo0)) << step;
    }
}

TEST(PasteCheck, BbandVfoUsesItsBandLimitWithoutStepOrModeRules)
{
    RadioImage image = VersionImage("ME,0B", "ZT-Q3");
    ChannelSpec c;
    c.frequency = "00145001000";
    c.mode = "3";
    EXPECT_TRUE(FitsAt(image, Channel(c), {EditGrid::Vfo, 9}));                   // B_144MHz 137-174
    EXPECT_FALSE(FitsAt(image, Channel(c), {EditGrid::Vfo, 12}));                 // B_430MHz
    EXPECT_TRUE(FitsAt(image, WithFrequency("00001000000"), {EditGrid::Vfo, 4})); // B_AM 0.1-1.71 MHz
    EXPECT_TRUE(FitsAt(image, WithFrequency("00001710000"), {EditGrid::Vfo, 4}));
    EXPECT_FALSE(FitsAt(image, WithFrequency("00001720000"), {EditGrid::Vfo, 4}));
    EXPECT_FALSE(FitsAt(image, WithFrequency("00000090000"), {EditGrid::Vfo, 4}));
}

TEST(PasteCheck, RecordLengthDecidesBetweenChannelAndDtmf)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    const std::string dtmf = "03,0123456789ABCD*#,MYNAME";
    ASSERT_LE(dtmf.size(), 28u);
    EXPECT_TRUE(FitsAt(image, dtmf, {EditGrid::Dtmf, 0}));
    EXPECT_FALSE(FitsAt(image, dtmf, {EditGrid::Memory, 0}));
    EXPECT_FALSE(FitsAt(image, WithFrequency("00145000000"), {EditGrid::Dtmf, 0}));

    // Exactly 29 characters: neither a channel nor a DTMF record.
    const std::string odd = "09,0123456789ABCDEF,ABCDEFGHI";
    ASSERT_EQ(odd.size(), 29u);
    for (const EditTarget t : {EditTarget{EditGrid::Memory, 0}, EditTarget{EditGrid::Vfo, 9},
                               EditTarget{EditGrid::Call, 0}, EditTarget{EditGrid::Dtmf, 0}}) {
        EXPECT_FALSE(FitsAt(image, odd, t));
        EXPECT_FALSE(FitsAt(image, "", t));
    }
    EXPECT_FALSE(FitsAt(image, WithFrequency("00145000000"), {EditGrid::None, 0}));
    EXPECT_FALSE(FitsAt(image, dtmf, {EditGrid::None, 0}));
    EXPECT_FALSE(FitsAt(image, dtmf, {EditGrid::Dtmf, 10}));
}

TEST(PasteCheck, DamagedClipboardRecordsAreNeverOffered)
{
    // Another instance (or any program) may put bytes of any kind on the
    // clipboard; a record that fits by length and band but would not pass the
    // data file's check is refused on every grid. (Names need no case here:
    // a name outside the market's set is dropped by the paste itself.)
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    ChannelSpec badOffset;
    badOffset.offset = "0006x0000";
    std::string badTone = WithFrequency("00145000000");
    badTone.replace(badTone.find(",12,13,"), 7, ",1\xa5,13,");
    for (const std::string& buffer : {Channel(badOffset), badTone}) {
        for (const EditTarget t :
             {EditTarget{EditGrid::Memory, 5}, EditTarget{EditGrid::Vfo, 0}, EditTarget{EditGrid::Call, 0}})
            EXPECT_FALSE(FitsAt(image, buffer, t)) << buffer;
    }
    EXPECT_FALSE(FitsAt(image,
                        "03,01234\xff"
                        "6789,NAME",
                        {EditGrid::Dtmf, 0}));
    EXPECT_FALSE(FitsAt(image, "03,0123G,NAME", {EditGrid::Dtmf, 0}));
    // The sound versions of the same records still paste.
    EXPECT_TRUE(FitsAt(image, WithFrequency("00145000000"), {EditGrid::Memory, 5}));
    EXPECT_TRUE(FitsAt(image, "03,0123456789,NAME", {EditGrid::Dtmf, 0}));
}

TEST(PasteBuild, MemoryDestinationKeepsItsLabelAndNormalisesShiftAndOffset)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    ChannelSpec c;
    c.label = "I-3";
    c.shift = "3";
    c.offset = "";
    c.lockout = "1";
    c.name = "REPEATER";
    image.SetPasteBuffer(Channel(c));
    EXPECT_EQ(BuildPastedRecord(image, {EditGrid::Memory, 17}),
              "017,00145000000,0,0,1,1,0,0,12,13,021,000000000,0,1,,,,REPEATER");

    // Market E keeps its special minus shift.
    RadioImage europe = VersionImage("ME,0B", "ZT-Q3");
    europe.SetPasteBuffer(Channel(c));
    EXPECT_EQ(RecordField(BuildPastedRecord(europe, {EditGrid::Memory, 17}), ChannelField::Shift), "3");
    c.shift = "2";
    image.SetPasteBuffer(Channel(c));
    EXPECT_EQ(RecordField(BuildPastedRecord(image, {EditGrid::Memory, 17}), ChannelField::Shift), "2");
}

TEST(PasteBuild, ScanEdgesAndPriorityChannelsAreNeverLockedOut)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    ChannelSpec c;
    c.lockout = "1";
    image.SetPasteBuffer(Channel(c));
    for (int slot : {400, 403, 406, 419, 420, 421}) {
        const std::string record = BuildPastedRecord(image, {EditGrid::Memory, slot});
        EXPECT_EQ(RecordField(record, 0), MemoryLabel(slot)); // 406 is "L3"
        EXPECT_EQ(RecordField(record, ChannelField::Lockout), "0") << slot;
    }
    EXPECT_EQ(RecordField(BuildPastedRecord(image, {EditGrid::Memory, 422}), ChannelField::Lockout), "1");
    // A source without a lockout field (a VFO record) pastes as not locked out.
    image.SetPasteBuffer(image.GetVfoRecord(0));
    EXPECT_EQ(RecordField(BuildPastedRecord(image, {EditGrid::Memory, 5}), ChannelField::Lockout), "0");
}

TEST(PasteBuild, SplitChannelTakesTheReceiveStepAsTransmitStep)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    ChannelSpec c;
    c.step = "5";
    c.tx = "00146500000";
    c.txStep = "9";
    c.name = "SPLIT";
    image.SetPasteBuffer(Channel(c));
    EXPECT_EQ(BuildPastedRecord(image, {EditGrid::Memory, 1}),
              "001,00145000000,5,0,1,1,0,0,12,13,021,000600000,0,0,00146500000,5,,SPLIT");
    EXPECT_EQ(BuildPastedRecord(image, {EditGrid::Call, 0}),
              "0,00145000000,5,0,1,1,0,0,12,13,021,000600000,0,,00146500000,5,,");
    EXPECT_EQ(BuildPastedRecord(image, {EditGrid::Vfo, 0}),
              "0,00145000000,5,0,1,1,0,0,12,13,021,000600000,0,,,,,");
}

TEST(PasteBuild, VfoAndCallKeepTheStoredLabelAndAnEmptySlotGetsItsBandCode)
{
    RadioImage image = VersionImage("ME,0B", "ZT-Q3");
    ChannelSpec c;
    c.label = "123";
    image.SetPasteBuffer(Channel(c));
    EXPECT_EQ(RecordField(BuildPastedRecord(image, {EditGrid::Vfo, 12}), 0), "C");
    EXPECT_EQ(RecordField(BuildPastedRecord(image, {EditGrid::Call, 2}), 0), "2");

    image.SetVfoRecord(12, "");
    image.SetCallRecord(1, "");
    image.SetVfoRecord(3, "");
    const std::string vfo = BuildPastedRecord(image, {EditGrid::Vfo, 12});
    const std::string call = BuildPastedRecord(image, {EditGrid::Call, 1});
    EXPECT_EQ(vfo.substr(0, 2), "C,");
    EXPECT_EQ(call.substr(0, 2), "1,");
    EXPECT_EQ(BuildPastedRecord(image, {EditGrid::Vfo, 3}).substr(0, 2), "3,");
    ASSERT_TRUE(PasteIntoTarget(image, {EditGrid::Vfo, 12}));
    EXPECT_EQ(image.GetVfoRecord(12), vfo);
    EXPECT_EQ(image.GetRecordField(RecordKind::Vfo, 12, 0), "C");
}

TEST(PasteBuild, NamesAreCutToEightAndRefusedNamesDropped)
{
    EXPECT_EQ(PastedName("ABCDEFGHIJ", 'K'), "ABCDEFGH");
    EXPECT_EQ(PastedName("AB,CD", 'K'), "AB,CD");
    EXPECT_EQ(PastedName("", 'K'), "");
    // A refused character after the eighth does not matter: it is cut first.
    EXPECT_EQ(PastedName("ABCDEFGH\x01", 'K'), "ABCDEFGH");
    EXPECT_EQ(PastedName("AB\x01", 'K'), "");
    EXPECT_EQ(PastedName("AB\x7f", 'E'), "");
    EXPECT_EQ(PastedName("Caf\xe9", 'E'), "Caf\xe9");
    EXPECT_EQ(PastedName("\x8a\x8c\x9a\x9c\x9f\xff", 'M'), "\x8a\x8c\x9a\x9c\x9f\xff");
    for (const char* refused : {"\x80", "\x8b", "\xd7", "\xde", "\xf7", "\xfe", "\xa1", "\xb1"})
        EXPECT_EQ(PastedName(refused, 'K'), "") << int(static_cast<unsigned char>(refused[0]));
    // Market J: half-width katakana only.
    EXPECT_EQ(PastedName("NHK\xbb\xaf\xce\xdf\xdb", 'J'), "NHK\xbb\xaf\xce\xdf\xdb");
    EXPECT_EQ(PastedName("\xa1\xdf", 'J'), "\xa1\xdf");
    EXPECT_EQ(PastedName("Caf\xe9", 'J'), "");
    EXPECT_EQ(PastedName("\xa0", 'J'), "");

    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    ChannelSpec c;
    c.name = "TOO,LONG NAME";
    image.SetPasteBuffer(Channel(c));
    EXPECT_EQ(image.GetRecordField(RecordKind::PasteBufferTail, 0, ChannelField::Name), "TOO,LONG NAME");
    EXPECT_EQ(RecordField(BuildPastedRecord(image, {EditGrid::Memory, 3}), ChannelField::Name, true),
              "TOO,LONG");
    c.name = "BAD\tNAME";
    image.SetPasteBuffer(Channel(c));
    const std::string record = BuildPastedRecord(image, {EditGrid::Memory, 3});
    EXPECT_EQ(record.back(), ',');
    EXPECT_EQ(RecordField(record, ChannelField::Frequency), "00145000000");
}

TEST(PasteBuild, DtmfRecordTakesTheDestinationNumber)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    image.SetPasteBuffer("02,123*#ABCD,HOME,1");
    EXPECT_EQ(BuildPastedRecord(image, {EditGrid::Dtmf, 7}), "07,123*#ABCD,HOME,1");
    image.SetPasteBuffer("02,555,A NAME TOO LONG");
    EXPECT_EQ(BuildPastedRecord(image, {EditGrid::Dtmf, 0}), "00,555,A NAME T");
    image.SetPasteBuffer("02,555,\x05");
    EXPECT_EQ(BuildPastedRecord(image, {EditGrid::Dtmf, 9}), "09,555,");
    image.SetPasteBuffer("02,555");
    ASSERT_TRUE(PasteIntoTarget(image, {EditGrid::Dtmf, 4}));
    EXPECT_EQ(image.GetDtmfRecord(4), "04,555,");
}

TEST(EditRules, CutAndDeleteByGridSlotAndMarket)
{
    for (const char* type : {"KK,0F", "JJ,01", "ME,0B", "MM,07"}) {
        const RadioImage image = VersionImage(type, "ZT-Q3");
        const bool informationEditable = type[1] == 'E' || type[1] == 'M';
        EXPECT_TRUE(CanCutOrDelete(image, {EditGrid::Memory, 0}));
        EXPECT_TRUE(CanCutOrDelete(image, {EditGrid::Memory, 421}));
        EXPECT_EQ(CanCutOrDelete(image, {EditGrid::Memory, 422}), informationEditable) << type;
        EXPECT_EQ(CanCutOrDelete(image, {EditGrid::Memory, 431}), informationEditable) << type;
        EXPECT_TRUE(CanCutOrDelete(image, {EditGrid::Dtmf, 9}));
        EXPECT_FALSE(CanCutOrDelete(image, {EditGrid::Vfo, 0}));
        EXPECT_FALSE(CanCutOrDelete(image, {EditGrid::Call, 0}));
    }
    EXPECT_TRUE(CanLockOut(0));
    EXPECT_TRUE(CanLockOut(399));
    EXPECT_FALSE(CanLockOut(400));
    EXPECT_FALSE(CanLockOut(421));
    EXPECT_TRUE(CanLockOut(422));
    EXPECT_TRUE(CanLockOut(431));
}

TEST(EditRules, InformationChannelAcceptsAFittingPasteInEveryMarket)
{
    for (const char* type : {"KK,0F", "JJ,01", "ME,0B", "MM,07"}) {
        RadioImage image = VersionImage(type, "ZT-Q3");
        EXPECT_TRUE(FitsAt(image, WithFrequency("00145000000"), {EditGrid::Memory, 422})) << type;
        ASSERT_TRUE(PasteIntoTarget(image, {EditGrid::Memory, 422}));
        EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 422, 0), "I-1");
    }
}

TEST(EditRules, EmptyingOnlyTouchesMemoryAndDtmf)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    image.SetDtmfRecord(3, "03,123,X");
    EXPECT_EQ(TargetRecord(image, {EditGrid::Memory, 422}).substr(0, 4), "I-1,");
    EXPECT_TRUE(EmptyTarget(image, {EditGrid::Memory, 422}));
    EXPECT_TRUE(EmptyTarget(image, {EditGrid::Dtmf, 3}));
    EXPECT_EQ(image.GetMemoryRecord(422), "");
    EXPECT_EQ(image.GetDtmfRecord(3), "");
    const std::string vfo = image.GetVfoRecord(0);
    EXPECT_FALSE(EmptyTarget(image, {EditGrid::Vfo, 0}));
    EXPECT_FALSE(EmptyTarget(image, {EditGrid::None, 0}));
    EXPECT_EQ(image.GetVfoRecord(0), vfo);
    EXPECT_EQ(TargetRecord(image, {EditGrid::Memory, 432}), "");
}

TEST(Clipboard, PayloadCarriesOneTerminatorAndTheBufferIsBounded)
{
    EXPECT_EQ(ClipboardPayload(""), std::string(1, '\0'));
    EXPECT_EQ(ClipboardPayload("03,1,A"), std::string("03,1,A\0", 7));

    RadioImage image;
    EXPECT_TRUE(TakeClipboardPayload(std::string("03,1,A\0garbage", 14), image));
    EXPECT_EQ(image.PasteBuffer(), "03,1,A");
    const std::string longest(99, 'x');
    EXPECT_TRUE(TakeClipboardPayload(longest, image));
    EXPECT_EQ(image.PasteBuffer(), longest);
    EXPECT_TRUE(TakeClipboardPayload("02,9", image));
    // A payload longer than the buffer is ignored, not cut: the buffer keeps
    // the previous record.
    EXPECT_FALSE(TakeClipboardPayload(std::string(100, 'y') + '\0', image));
    EXPECT_FALSE(TakeClipboardPayload(std::string(5000, 'y'), image));
    EXPECT_EQ(image.PasteBuffer(), "02,9");
    EXPECT_TRUE(TakeClipboardPayload(std::string(1, '\0'), image));
    EXPECT_EQ(image.PasteBuffer(), "");
}

TEST(LockOut, TogglesFieldThirteenOnly)
{
    RadioImage image = VersionImage("KK,0F", "ZT-Q2");
    ChannelSpec c;
    c.label = "010";
    c.name = "A,B";
    const std::string original = Channel(c);
    image.SetMemoryRecord(10, original);
    ASSERT_TRUE(ToggleLockout(image, 10));
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 10, ChannelField::Lockout), "1");
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 10, ChannelField::Name), "A,B");
    ASSERT_TRUE(ToggleLockout(image, 10));
    EXPECT_EQ(image.GetMemoryRecord(10), original);

    c.lockout = "1";
    image.SetMemoryRecord(11, Channel(c));
    ToggleLockout(image, 11);
    ToggleLockout(image, 11);
    EXPECT_EQ(image.GetMemoryRecord(11), Channel(c));

    // Anything but '0' unlocks.
    c.lockout = "";
    image.SetMemoryRecord(12, Channel(c));
    ToggleLockout(image, 12);
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 12, ChannelField::Lockout), "0");

    EXPECT_FALSE(ToggleLockout(image, 13));
    EXPECT_EQ(image.GetMemoryRecord(13), "");
    image.SetMemoryRecord(14, "014");
    EXPECT_FALSE(ToggleLockout(image, 14));
    EXPECT_EQ(image.GetMemoryRecord(14), "014");
    // A record cut short before the lockout field gets the missing commas.
    image.SetMemoryRecord(15, "015,00145000000,0");
    ASSERT_TRUE(ToggleLockout(image, 15));
    EXPECT_EQ(image.GetMemoryRecord(15), "015,00145000000,0" + std::string(11, ',') + "0");
    EXPECT_FALSE(ToggleLockout(image, 432));
}

} // namespace
