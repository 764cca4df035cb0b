// The ".qx" writer and reader against golden files and hand-made files.
#include "FilesTestSupport.h"
#include "support/TestSupport.h"

#include "files/DataFile.h"
#include "model/Records.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using tslq::test::DataPath;
using tslq::test::LoadImage;
using tslq::test::NewImage;
using tslq::test::ReadBytes;

namespace {

const std::string kHeader = "VANTREL Tessaline for ZT-QX\r\n";

// Loads a file into the load reset of market K; returns the image.
RadioImage Load(const std::string& bytes, std::string* comment = nullptr, DataFileStatus* status = nullptr,
                std::vector<RecordSlot>* leftOut = nullptr)
{
    RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    std::string text = comment ? *comment : std::string();
    const DataFileStatus result = ReadDataFile(bytes, image, text, leftOut);
    if (comment) *comment = text;
    if (status) *status = result;
    return image;
}

struct VersionCase
{
    const char* type;
    const char* model;
    const char* golden;
};

void PrintTo(const VersionCase& c, std::ostream* out)
{
    *out << c.type << ' ' << c.model << " -> " << c.golden;
}

class NewImageFile : public ::testing::TestWithParam<VersionCase>
{
};

TEST_P(NewImageFile, SavedAtOnceMatchesGolden)
{
    const VersionCase& c = GetParam();
    const std::string golden = ReadBytes(DataPath(std::string("files/") + c.golden));
    ASSERT_FALSE(golden.empty()) << c.golden;
    EXPECT_EQ(WriteDataFile(NewImage(c.type, c.model), ""), golden);
}

INSTANTIATE_TEST_SUITE_P(EveryMarket, NewImageFile,
                         ::testing::Values(VersionCase{"KK,0F", "ZT-Q2", "new_K.qx"},
                                           VersionCase{"ME,0B", "ZT-Q3", "new_E.qx"},
                                           VersionCase{"JJ,01", "ZT-Q3", "new_J.qx"},
                                           VersionCase{"MM,07", "ZT-Q3", "new_M.qx"},
                                           VersionCase{"KK,0F", "ZT-Q5", "new_K_Q5.qx"}),
                         [](const ::testing::TestParamInfo<VersionCase>& param) {
                             std::string name = param.param.golden; // "new_K_Q5.qx" -> "K_Q5"
                             return name.substr(4, name.size() - 7);
                         });

TEST(DataFile, NewImageWithoutChannelsHasMemoryMarkerNextToCallMarker)
{
    const std::string file = WriteDataFile(NewImage("MM,07", "ZT-Q3"), "");
    EXPECT_EQ(file.rfind(kHeader + "__COMMENT__\r\n\r\n__MEMORY DATA__\r\n__CALL DATA__\r\n", 0), 0u);
}

TEST(DataFile, FullImageRoundTripsByteForByte)
{
    const std::string golden = ReadBytes(DataPath("files/full.qx"));
    ASSERT_FALSE(golden.empty());
    std::string comment;
    DataFileStatus status{};
    const RadioImage image = Load(golden, &comment, &status);
    ASSERT_EQ(status, DataFileStatus::Loaded);
    EXPECT_EQ(comment, "Full image, every slot");
    for (int slot = 0; slot < MemoryCount; ++slot)
        EXPECT_EQ(image.RecordFieldView(RecordKind::Memory, slot, 0), MemoryLabel(slot)) << slot;
    // Names keep their commas; TAB separators came back as commas.
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 2, ChannelField::Name), "RPT,1,2");
    EXPECT_EQ(image.GetRecordField(RecordKind::Memory, 5, ChannelField::Name), ",X");
    EXPECT_EQ(image.GetRecordField(RecordKind::Dtmf, 2, 2), "X,Y,Z");
    EXPECT_EQ(image.GetProgramVfoRecord(3), "3,01240,01299");
    EXPECT_EQ(image.GetMenuSetting(21), "QX,TEST!");
    EXPECT_EQ(image.GetMenuSetting(40), "1");
    EXPECT_EQ(WriteDataFile(image, comment), golden);
}

TEST(DataFile, CommasInNamesSurviveAndTabsComeBackAsCommas)
{
    RadioImage image = LoadImage("KK,0F", "ZT-Q2");
    image.SetMemoryRecord(7, "007,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,A,B,C");
    image.SetMemoryRecord(8, "008,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,A\tB");
    image.SetDtmfRecord(3, "03,123,X,Y");
    const std::string file = WriteDataFile(image, "");
    // Only the first comma of a name is turned into TAB, the others stay.
    EXPECT_NE(file.find("007\t00145000000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t000600000\t0\t0\t\t\t\tA\tB,C\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("03\t123\tX,Y\r\n"), std::string::npos);

    const RadioImage loaded = Load(file);
    EXPECT_EQ(loaded.GetMemoryRecord(7), image.GetMemoryRecord(7));
    EXPECT_EQ(loaded.GetRecordField(RecordKind::Memory, 8, ChannelField::Name), "A,B");
    EXPECT_EQ(loaded.GetDtmfRecord(3), "03,123,X,Y");
}

TEST(DataFile, ShortRecordsAreNotWritten)
{
    RadioImage image = LoadImage("MM,07", "ZT-Q3");
    image.SetMemoryRecord(0, "000,");  // 4 characters
    image.SetMemoryRecord(1, "001,1"); // 5 characters
    image.SetDtmfRecord(0, "0");       // 1 character
    image.SetDtmfRecord(1, "01");      // 2 characters
    const std::string file = WriteDataFile(image, "");
    EXPECT_EQ(file.find("000,"), std::string::npos);
    EXPECT_NE(file.find("__MEMORY DATA__\r\n001\t1\r\n__CALL DATA__"), std::string::npos);
    EXPECT_NE(file.find("__DTMF DATA__\r\n01\r\n__RADIO MENU__"), std::string::npos);
}

TEST(DataFile, LineBreakInsideCommentOrRecordCannotSplitItsLine)
{
    RadioImage image = LoadImage("MM,07", "ZT-Q3");
    image.SetMemoryRecord(3, "003,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,A\nB");
    std::string comment = "two\r\nlines";
    const std::string file = WriteDataFile(image, comment);
    EXPECT_NE(file.find("\r\ntwo  lines\r\n"), std::string::npos);
    std::string loadedComment;
    const RadioImage loaded = Load(file, &loadedComment);
    EXPECT_EQ(loadedComment, "two  lines");
    EXPECT_EQ(loaded.GetRecordField(RecordKind::Memory, 3, ChannelField::Name), "A B");
    EXPECT_EQ(loaded.GetMenuSetting(40), image.GetMenuSetting(40));

    // A CR that does not end a line reads as that blank, slot lookup included
    // (a blank before the number is no DTMF number, so that line is left out).
    std::vector<RecordSlot> leftOut;
    const RadioImage withCr =
        Load(kHeader + "__DTMF DATA__\r\n\r7\t1\r\n05\tA\rB\r\n", nullptr, nullptr, &leftOut);
    EXPECT_EQ(withCr.GetDtmfRecord(7), "");
    EXPECT_EQ(leftOut, (std::vector<RecordSlot>{{RecordSlotKind::Dtmf, 7}}));
    EXPECT_EQ(withCr.GetDtmfRecord(5), "05,A B");
}

TEST(DataFile, SectionsInAnyOrderAndRepeated)
{
    const std::string file = kHeader + "__RADIO MENU__\r\n0,00144,00145\r\n\r\n2,00430,00431\r\n\r\n1\r\n"
                                       "__MEMORY DATA__\r\n010\t00145000000\t0\r\n"
                                       "__DTMF DATA__\r\n05\t999\tX\r\n"
                                       "__MEMORY DATA__\r\n010\t00146000000\t0\r\n011\t00147000000\t0\r\n"
                                       "__VFO DATA__\r\nA\t00180000000\r\n"
                                       "__COMMENT__\r\nfirst\r\nlast\r\n"
                                       "__RADIO MENU__\r\n0,00140,00141\r\n";
    std::string comment = "before";
    const RadioImage image = Load(file, &comment);
    EXPECT_EQ(image.GetMemoryRecord(10), "010,00146000000,0"); // the last line of a slot wins
    EXPECT_EQ(image.GetMemoryRecord(11), "011,00147000000,0");
    EXPECT_EQ(image.GetDtmfRecord(5), "05,999,X");
    EXPECT_EQ(image.GetVfoRecord(10), "A,00180000000");
    EXPECT_EQ(comment, "last");
    // Entering the menu section again starts over at the program VFO records.
    EXPECT_EQ(image.GetProgramVfoRecord(0), "0,00140,00141");
    EXPECT_EQ(image.GetProgramVfoRecord(1), "");
    EXPECT_EQ(image.GetProgramVfoRecord(2), "2,00430,00431");
    EXPECT_EQ(image.GetMenuSetting(0), "1");
}

TEST(DataFile, ShortAndLongMenuSections)
{
    const RadioImage defaults = LoadImage("KK,0F", "ZT-Q2");
    std::string menu = "__RADIO MENU__\r\n0,00150,00151\r\n1\r\n2\r\n3\r\n";
    std::string shortFile = kHeader + menu + "1\r\n4\r\n";
    const RadioImage shortImage = Load(shortFile);
    EXPECT_EQ(shortImage.GetProgramVfoRecord(0), "0,00150,00151");
    EXPECT_EQ(shortImage.GetMenuSetting(0), "1");
    EXPECT_EQ(shortImage.GetMenuSetting(1), "4");
    for (int index = 2; index < MenuCount; ++index)
        EXPECT_EQ(shortImage.GetMenuSetting(index), defaults.GetMenuSetting(index)) << index;

    std::string longFile = kHeader + menu;
    for (int index = 0; index < MenuCount; ++index)
        longFile += "1\r\n";
    longFile += "EXTRA\r\n0,00999,00999\r\n";
    const RadioImage longImage = Load(longFile);
    EXPECT_EQ(longImage.GetMenuSetting(40), "1");
    EXPECT_EQ(longImage.GetProgramVfoRecord(0), "0,00150,00151");
}

TEST(DataFile, MemoryLabelsChooseTheSlot)
{
    const RadioImage defaults = LoadImage("KK,0F", "ZT-Q2");
    const std::string file = kHeader + "__MEMORY DATA__\r\n"
                                       "000\t00145000000\t1\r\n"
                                       "0\t00146000000\t2\r\n"
                                       "5\t00147000000\r\n"
                                       "431\t00148000000\r\n"
                                       "432\t00149000000\r\n"
                                       "99999999999999999999999\t00149000000\r\n"
                                       "L0\t00150000000\r\n"
                                       "XYZ\t00152000000\r\n"
                                       "\r\n"
                                       "PR2\r\n";
    const RadioImage image = Load(file);
    EXPECT_EQ(image.GetMemoryRecord(0), "0,00146000000,2");
    EXPECT_EQ(image.GetMemoryRecord(5), "5,00147000000");
    EXPECT_EQ(image.GetMemoryRecord(431), "431,00148000000");
    EXPECT_EQ(image.GetMemoryRecord(400), "L0,00150000000");
    EXPECT_EQ(image.GetMemoryRecord(421), "PR2");
    // "432", an oversized number, an unknown label and an empty line touch nothing.
    RadioImage expected = defaults;
    expected.SetMemoryRecord(0, "0,00146000000,2");
    expected.SetMemoryRecord(5, "5,00147000000");
    expected.SetMemoryRecord(431, "431,00148000000");
    expected.SetMemoryRecord(400, "L0,00150000000");
    expected.SetMemoryRecord(421, "PR2");
    EXPECT_EQ(WriteDataFile(Load(file), ""), WriteDataFile(expected, ""));
}

TEST(DataFile, ILabelLaterThanNumberWins)
{
    const RadioImage image = Load(kHeader + "__MEMORY DATA__\r\n431\t00145000000\r\nI-0\t00146000000\r\n");
    EXPECT_EQ(image.GetMemoryRecord(431), "I-0,00146000000");
}

TEST(DataFile, CallVfoAndDtmfSlots)
{
    const RadioImage defaults = LoadImage("KK,0F", "ZT-Q2");
    const std::string file = kHeader +
                             "__CALL DATA__\r\n2\t00433000000\r\n5\t00145000000\r\nQ\t00145000000\r\n\r\n"
                             "__VFO DATA__\r\nE\t01250000000\r\nF\t00145000000\r\n\r\n"
                             "__DTMF DATA__\r\n09\t1\r\n10\t2\r\n-1\t3\r\nAB\t4\r\n\r\n";
    std::vector<RecordSlot> leftOut;
    const RadioImage image = Load(file, nullptr, nullptr, &leftOut);
    EXPECT_EQ(image.GetCallRecord(2), "2,00433000000");
    EXPECT_EQ(image.GetCallRecord(3), defaults.GetCallRecord(3));
    EXPECT_EQ(image.GetVfoRecord(14), "E,01250000000");
    EXPECT_EQ(image.GetDtmfRecord(9), "09,1");
    for (int slot = 0; slot < 9; ++slot)
        EXPECT_EQ(image.GetDtmfRecord(slot), "") << slot;
    // A letter where the CALL or VFO code or the DTMF number belongs places
    // the line in slot 0, as ever, but such a line is left out and reported.
    EXPECT_EQ(image.GetCallRecord(0), defaults.GetCallRecord(0));
    EXPECT_EQ(image.GetVfoRecord(0), defaults.GetVfoRecord(0));
    EXPECT_EQ(leftOut, (std::vector<RecordSlot>{
                           {RecordSlotKind::Call, 0}, {RecordSlotKind::Vfo, 0}, {RecordSlotKind::Dtmf, 0}}));
}

TEST(DataFile, EmptyLineInARecordSectionWipesNothing)
{
    const RadioImage defaults = LoadImage("KK,0F", "ZT-Q2");
    const RadioImage image =
        Load(kHeader + "__CALL DATA__\r\n\r\n__VFO DATA__\r\n\r\n__DTMF DATA__\r\n00\t1\r\n\r\n");
    EXPECT_EQ(image.GetCallRecord(0), defaults.GetCallRecord(0));
    EXPECT_EQ(image.GetVfoRecord(0), defaults.GetVfoRecord(0));
    EXPECT_EQ(image.GetDtmfRecord(0), "00,1");
}

TEST(DataFile, HeaderMustMatchExactly)
{
    const RadioImage reset = LoadImage("KK,0F", "ZT-Q2");
    for (const std::string header :
         {"VANTREL Tessaline for ZT-QX \r\n", "vantrel Tessaline for ZT-QX\r\n", "\r\n", "",
          "\xEF\xBB\xBFVANTREL Tessaline for ZT-QX\r\n", "VANTREL\tTessaline for ZT-QX\r\n"}) {
        std::string comment = "kept";
        DataFileStatus status{};
        const RadioImage image =
            Load(header + "__MEMORY DATA__\r\n000\tX\r\n__COMMENT__\r\nnew\r\n", &comment, &status);
        EXPECT_EQ(status, DataFileStatus::BadHeader) << header;
        EXPECT_EQ(image, reset);
        EXPECT_EQ(comment, "kept");
    }
}

TEST(DataFile, CrLfBareLfAndNoFinalLineEnd)
{
    const std::string crlf = ReadBytes(DataPath("files/full.qx"));
    std::string lf;
    for (char c : crlf)
        if (c != '\r') lf.push_back(c);
    std::string noFinal = crlf.substr(0, crlf.size() - 2);
    std::string commentA, commentB, commentC;
    const RadioImage a = Load(crlf, &commentA);
    EXPECT_EQ(Load(lf, &commentB), a);
    EXPECT_EQ(Load(noFinal, &commentC), a);
    EXPECT_EQ(commentB, commentA);
    EXPECT_EQ(commentC, commentA);
}

TEST(DataFile, LinesBeforeTheFirstMarkerAndWithoutCommentAreIgnored)
{
    std::string comment = "unchanged";
    const RadioImage image = Load(kHeader + "000\tX\r\n__DTMF DATA__\r\n01\t5\r\n", &comment);
    EXPECT_EQ(image.GetMemoryRecord(0), "");
    EXPECT_EQ(image.GetDtmfRecord(1), "01,5");
    EXPECT_EQ(comment, "unchanged");
}

TEST(DataFile, OverlongLinesAreLeftOutWhole)
{
    // Lines the check would pass but for their length: cutting them would
    // lose part of a name or change a value, so they are left out whole.
    const RadioImage defaults = LoadImage("KK,0F", "ZT-Q2");
    const std::string longName(200, 'N');
    const std::string file = kHeader + "__MEMORY DATA__\r\n001\t00145000000\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t" +
                             longName + "\r\n__DTMF DATA__\r\n02\t1\t" + longName +
                             "\r\n__RADIO MENU__\r\n0,00144,00147,,\r\n\r\n\r\n\r\n" + longName +
                             "\r\n11\r\n" + "HELLO !!\r\n";
    std::vector<RecordSlot> leftOut;
    const RadioImage image = Load(file, nullptr, nullptr, &leftOut);
    EXPECT_EQ(image.GetMemoryRecord(1), "");
    EXPECT_EQ(image.GetDtmfRecord(2), "");
    EXPECT_EQ(image.GetProgramVfoRecord(0), defaults.GetProgramVfoRecord(0));
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(image.GetMenuSetting(index), defaults.GetMenuSetting(index)) << index;
    // The rest of a long line is not read as a line of its own.
    EXPECT_EQ(image.GetMenuSetting(3), defaults.GetMenuSetting(3));
    EXPECT_EQ(RecordSlotList(leftOut),
              "memory 001, DTMF 2, program VFO 0, menu setting 0, menu setting 1, menu setting 2");
}

TEST(DataFile, LoadedFileKeepsItsOwnInformationChannels)
{
    // A market K file without information channels: loading keeps them empty.
    const std::string file = WriteDataFile(LoadImage("KK,0F", "ZT-Q2"), "");
    const RadioImage image = Load(file);
    for (int slot = InformationFirst; slot < MemoryCount; ++slot)
        EXPECT_EQ(image.GetMemoryRecord(slot), "");
}

} // namespace
