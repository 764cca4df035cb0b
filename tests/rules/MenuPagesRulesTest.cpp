// Table tests of the menu page rules: value encodings, group link positions,
// narrow-FM boxes by version and the power-on message character rules.
#include "rules/MenuRules.h"

#include <gtest/gtest.h>

#include <string>

TEST(MenuRules, CheckBoxEncodingIncludingInvertedMemoryName)
{
    EXPECT_EQ(CheckBoxSetting(true), "1");
    EXPECT_EQ(CheckBoxSetting(false), "0");
    EXPECT_EQ(CheckBoxSetting(true, true), "0");
    EXPECT_EQ(CheckBoxSetting(false, true), "1");

    EXPECT_TRUE(CheckBoxFromSetting("1"));
    EXPECT_FALSE(CheckBoxFromSetting("0"));
    EXPECT_TRUE(CheckBoxFromSetting("0", true));
    EXPECT_FALSE(CheckBoxFromSetting("1", true));
    // Anything but the exact digit leaves the box unchecked, also for the
    // inverted box, whose blank must not read as "checked".
    for (const char* odd : {"", " ", "2", "11", "01"}) {
        EXPECT_FALSE(CheckBoxFromSetting(odd)) << '"' << odd << '"';
        EXPECT_FALSE(CheckBoxFromSetting(odd, true)) << '"' << odd << '"';
    }
}

TEST(MenuRules, IndexEncodingAndUntrustedValues)
{
    EXPECT_EQ(IndexSetting(0), "0");
    EXPECT_EQ(IndexSetting(9), "9");
    EXPECT_EQ(IndexSetting(-1), "");
    EXPECT_EQ(IndexSetting(10), "");

    struct Case
    {
        const char* value;
        int count;
        int index;
    };
    const Case cases[] = {
        {"0", 2, 0},   {"1", 2, 1},
        {"2", 2, -1},  {"9", 10, 9},
        {"6", 7, 6},   {"7", 7, -1},
        {"02", 3, 2},  {"", 3, -1},
        {" ", 3, -1},  {"1 ", 3, -1},
        {"-1", 3, -1}, {"x", 3, -1},
        {"+1", 3, -1}, {"99999999999999999999999", 3, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IndexFromSetting(c.value, c.count), c.index) << '"' << c.value << "\" of " << c.count;
}

TEST(MenuRules, ContrastIsIndexPlusOneWithTwoDigits)
{
    EXPECT_EQ(ContrastSetting(9), "10");
    EXPECT_EQ(ContrastSetting(2), "03");
    EXPECT_EQ(ContrastSetting(0), "01");
    EXPECT_EQ(ContrastSetting(15), "16");
    EXPECT_EQ(ContrastSetting(16), "");
    EXPECT_EQ(ContrastSetting(-1), "");

    EXPECT_EQ(ContrastFromSetting("08"), 7);
    EXPECT_EQ(ContrastFromSetting("16"), 15);
    EXPECT_EQ(ContrastFromSetting("1"), 0);
    EXPECT_EQ(ContrastFromSetting("00"), -1);
    EXPECT_EQ(ContrastFromSetting("17"), -1);
    EXPECT_EQ(ContrastFromSetting(""), -1);
    for (int i = 0; i < ContrastSteps; ++i)
        EXPECT_EQ(ContrastFromSetting(ContrastSetting(i)), i);
}

TEST(MenuRules, GroupLinkPutsDigitAtItsPositionAndKeepsTheOthers)
{
    std::string link(8, ' ');
    link = GroupLinkSetting(link, 0, true);
    link = GroupLinkSetting(link, 7, true);
    EXPECT_EQ(link, "0      7");
    EXPECT_TRUE(GroupLinked(link, 0));
    EXPECT_TRUE(GroupLinked(link, 7));
    EXPECT_FALSE(GroupLinked(link, 3));

    link = GroupLinkSetting(link, 3, true);
    EXPECT_EQ(link, "0  3   7");
    link = GroupLinkSetting(link, 0, false);
    EXPECT_EQ(link, "   3   7");

    // Unknown characters at other positions survive a change.
    EXPECT_EQ(GroupLinkSetting("x1?3    ", 2, true), "x123    ");
    // A blank or truncated setting is widened to eight positions.
    EXPECT_EQ(GroupLinkSetting("", 5, true), "     5  ");
    EXPECT_EQ(GroupLinkSetting("01", 1, false), "0       ");
    // A position holding another group's digit is not linked.
    EXPECT_FALSE(GroupLinked("10", 0));
    EXPECT_FALSE(GroupLinked("0", 1));
    EXPECT_FALSE(GroupLinked("01234567", 8));
}

TEST(MenuRules, NarrowBoxesByMarketAndModel)
{
    struct Case
    {
        char market;
        const char* model;
        bool show220, showHf, show1200;
        std::string caption440;
    };
    const Case cases[] = {
        {'K', "ZT-Q3", true, false, false, "440MHz Band"},
        {'K', "ZT-Q2", true, false, false, "440MHz Band"},
        {'J', "ZT-Q3", false, true, false, "430MHz Band"},
        {'E', "ZT-Q3", false, false, false, "430MHz Band"},
        {'M', "ZT-Q3", false, false, false, "430MHz Band"},
        {'X', "ZT-Q2", false, false, false, "430MHz Band"},
        {'K', "ZT-Q5", true, false, true, "440MHz Band"},
        {'J', "ZT-Q5", false, true, true, "430MHz Band"},
    };
    for (const Case& c : cases) {
        const NarrowBoxes boxes = NarrowBoxesFor(c.market, c.model);
        EXPECT_EQ(boxes.show220, c.show220) << c.market << ' ' << c.model;
        EXPECT_EQ(boxes.showHf, c.showHf) << c.market << ' ' << c.model;
        EXPECT_EQ(boxes.show1200, c.show1200) << c.market << ' ' << c.model;
        EXPECT_EQ(boxes.caption440, c.caption440) << c.market << ' ' << c.model;
    }
}

TEST(MenuRules, PowerOnMessageBytesOutsideMarketJ)
{
    // Accepted: printable ASCII and the listed Latin letters.
    for (unsigned b : {0x20u, 0x41u, 0x7Eu, 0xC0u, 0xC4u, 0xD6u, 0xD8u, 0xDCu, 0xDDu, 0xDFu,
                       0xE9u, 0xF6u, 0xF8u, 0xFDu, 0xFFu, 0x8Au, 0x8Cu, 0x9Au, 0x9Cu, 0x9Fu})
        EXPECT_TRUE(PomByteAllowed(static_cast<unsigned char>(b), 'E')) << std::hex << b;
    // Refused: control characters, DEL, the multiplication and division
    // signs, the eth-like gaps, and other punctuation of the upper half.
    for (unsigned b :
         {0x00u, 0x09u, 0x1Fu, 0x7Fu, 0x80u, 0x8Bu, 0xA0u, 0xA9u, 0xBFu, 0xD7u, 0xDEu, 0xF7u, 0xFEu})
        EXPECT_FALSE(PomByteAllowed(static_cast<unsigned char>(b), 'K')) << std::hex << b;
}

TEST(MenuRules, PowerOnMessageBytesInMarketJ)
{
    for (unsigned b : {0x20u, 0x5Au, 0x7Eu, 0xA1u, 0xB1u, 0xDFu})
        EXPECT_TRUE(PomByteAllowed(static_cast<unsigned char>(b), 'J')) << std::hex << b;
    for (unsigned b : {0x1Fu, 0x7Fu, 0xA0u, 0xE0u, 0x94u, 0xFFu})
        EXPECT_FALSE(PomByteAllowed(static_cast<unsigned char>(b), 'J')) << std::hex << b;
    // A Latin letter allowed elsewhere reads as katakana here; 0xE9 is not.
    EXPECT_FALSE(PomByteAllowed(0xE9, 'J'));
}

TEST(MenuRules, PowerOnMessageTextCheck)
{
    EXPECT_TRUE(CheckPomText("", 'E'));
    EXPECT_TRUE(CheckPomText("HELLO !!", 'E'));
    EXPECT_TRUE(CheckPomText("\xC4\xD6\xDC", 'E'));
    EXPECT_FALSE(CheckPomText("A\xD7"
                              "B",
                              'E'));
    EXPECT_TRUE(CheckPomText("NHK\xBB\xAF", 'J'));
    EXPECT_FALSE(CheckPomText("\xC4\xD6\xDC\xE4", 'J'));
    EXPECT_FALSE(CheckPomText(std::string("A\0B", 3), 'K'));
}

TEST(MenuRules, PowerOnMessageKeyFilter)
{
    bool lead = false;
    EXPECT_EQ(FilterPomKey(0x1B, 'E', lead), PomKey::Swallow);
    EXPECT_EQ(FilterPomKey(0x08, 'E', lead), PomKey::Pass);
    EXPECT_EQ(FilterPomKey(0x0D, 'E', lead), PomKey::Pass);
    EXPECT_EQ(FilterPomKey('a', 'E', lead), PomKey::Pass);
    EXPECT_EQ(FilterPomKey(0xC4, 'E', lead), PomKey::Pass);
    EXPECT_EQ(FilterPomKey(0xD7, 'E', lead), PomKey::Reject);
    EXPECT_EQ(FilterPomKey(0x01, 'E', lead), PomKey::Reject);
    EXPECT_EQ(FilterPomKey(0x7F, 'E', lead), PomKey::Reject);
    // A lead byte means nothing outside market J: 0x8A is a letter there.
    EXPECT_EQ(FilterPomKey(0x8A, 'K', lead), PomKey::Pass);
    EXPECT_FALSE(lead);
}

TEST(MenuRules, PowerOnMessageKeyFilterKeepsDoubleByteCharactersOut)
{
    bool lead = false;
    EXPECT_EQ(FilterPomKey(0xB1, 'J', lead), PomKey::Pass); // half-width katakana
    EXPECT_EQ(FilterPomKey('Z', 'J', lead), PomKey::Pass);

    // A full-width character: lead swallowed, trail rejected, once.
    EXPECT_EQ(FilterPomKey(0x82, 'J', lead), PomKey::Swallow);
    EXPECT_TRUE(lead);
    EXPECT_EQ(FilterPomKey(0xA0, 'J', lead), PomKey::Reject);
    EXPECT_FALSE(lead);
    EXPECT_EQ(FilterPomKey('A', 'J', lead), PomKey::Pass);

    // A trail byte that is itself a valid character is still refused.
    EXPECT_EQ(FilterPomKey(0xE0, 'J', lead), PomKey::Swallow);
    EXPECT_EQ(FilterPomKey('A', 'J', lead), PomKey::Reject);
    EXPECT_FALSE(lead);

    // Backspace passes without forgetting the pending lead byte.
    EXPECT_EQ(FilterPomKey(0x9F, 'J', lead), PomKey::Swallow);
    EXPECT_EQ(FilterPomKey(0x08, 'J', lead), PomKey::Pass);
    EXPECT_TRUE(lead);
    EXPECT_EQ(FilterPomKey(0x40, 'J', lead), PomKey::Reject);

    // Bytes that are neither lead, katakana nor ASCII are rejected.
    EXPECT_EQ(FilterPomKey(0xA0, 'J', lead), PomKey::Reject);
    EXPECT_EQ(FilterPomKey(0x7F, 'J', lead), PomKey::Reject);
    EXPECT_FALSE(lead);
}
