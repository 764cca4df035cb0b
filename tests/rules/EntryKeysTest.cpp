// Name and DTMF code key rules and the DTMF record.
#include "rules/EntryKeys.h"

#include <gtest/gtest.h>

namespace {

TEST(NameKeys, LatinMarketsTakeAsciiAndTheLetters)
{
    bool lead = false;
    for (int byte : std::initializer_list<int>{'A', ' ', '~', 138, 140, 154, 156, 159, 192, 214, 216, 221,
                                               223, 246, 248, 253, 255})
        EXPECT_EQ(NameKeyVerdict(static_cast<unsigned char>(byte), 'E', lead), KeyVerdict::Accept) << byte;
    for (int byte : std::initializer_list<int>{1, 9, 31, 127, 128, 139, 160, 191, 215, 222, 247, 254})
        EXPECT_EQ(NameKeyVerdict(static_cast<unsigned char>(byte), 'E', lead), KeyVerdict::Refuse) << byte;
    EXPECT_EQ(NameKeyVerdict(KeyEscape, 'K', lead), KeyVerdict::Swallow);
    EXPECT_EQ(NameKeyVerdict(KeyBackspace, 'K', lead), KeyVerdict::Accept);
    EXPECT_EQ(NameKeyVerdict(KeyEnter, 'M', lead), KeyVerdict::Accept);
    EXPECT_FALSE(lead);
}

TEST(NameKeys, MarketJRefusesADoubleByteCharacterAfterItsSecondByte)
{
    bool lead = false;
    EXPECT_EQ(NameKeyVerdict(0xB1, 'J', lead), KeyVerdict::Accept);
    EXPECT_EQ(NameKeyVerdict(0xA0, 'J', lead), KeyVerdict::Refuse);
    EXPECT_EQ(NameKeyVerdict(0xC0, 'J', lead), KeyVerdict::Accept) << "katakana, not a letter";
    for (int first : std::initializer_list<int>{0x81, 0x9F, 0xE0, 0xFC}) {
        EXPECT_EQ(NameKeyVerdict(static_cast<unsigned char>(first), 'J', lead), KeyVerdict::Swallow);
        EXPECT_TRUE(lead);
        EXPECT_EQ(NameKeyVerdict('A', 'J', lead), KeyVerdict::Refuse) << "second byte";
        EXPECT_FALSE(lead);
    }
    EXPECT_EQ(NameKeyVerdict('A', 'J', lead), KeyVerdict::Accept);
}

TEST(NameKeys, PastedNamesAreCheckedByteByByte)
{
    EXPECT_EQ(FirstInvalidNameByte("HOME", 'E'), std::string_view::npos);
    EXPECT_EQ(FirstInvalidNameByte("A\xD7"
                                   "B",
                                   'E'),
              1u);
    EXPECT_EQ(FirstInvalidNameByte("A\xC0", 'J'), std::string_view::npos);
    EXPECT_EQ(FirstInvalidNameByte("A\xE0", 'J'), 1u);
    EXPECT_EQ(FirstInvalidNameByte("A\tB", 'K'), 1u);
}

TEST(DtmfKeys, CodeTakesDtmfDigitsInUppercase)
{
    char entered = 0;
    EXPECT_EQ(DtmfCodeKeyVerdict('b', entered), KeyVerdict::Accept);
    EXPECT_EQ(entered, 'B');
    for (int byte :
         std::initializer_list<int>{'0', '9', 'A', 'D', 'd', '*', '#', ' ', KeyBackspace, KeyEnter})
        EXPECT_EQ(DtmfCodeKeyVerdict(static_cast<unsigned char>(byte), entered), KeyVerdict::Accept) << byte;
    for (int byte : std::initializer_list<int>{'E', 'e', 'Z', ',', '+', 0xC0})
        EXPECT_EQ(DtmfCodeKeyVerdict(static_cast<unsigned char>(byte), entered), KeyVerdict::Refuse) << byte;
    EXPECT_EQ(DtmfCodeKeyVerdict(KeyEscape, entered), KeyVerdict::Swallow);
}

TEST(DtmfRecord, SlotCodeAndName)
{
    EXPECT_EQ(BuildDtmfRecord(3, "123A", "HOME"), "03,123A,HOME");
    EXPECT_EQ(BuildDtmfRecord(0, "", ""), "00,,");
    EXPECT_EQ(BuildDtmfRecord(9, "E1f", "A,B"), "09,1,A,B") << "E and F are no keys; the name keeps commas";
    EXPECT_EQ(BuildDtmfRecord(1, "1x,2a\t*", ""), "01,12A*,") << "a pasted code keeps only DTMF characters";
    EXPECT_EQ(BuildDtmfRecord(1, std::string(20, '5'), ""), "01," + std::string(16, '5') + ",");
    EXPECT_EQ(BuildDtmfRecord(1, "1,2\r\n3", "X"), "01,123,X") << "a pasted comma would split the record";
}

} // namespace
