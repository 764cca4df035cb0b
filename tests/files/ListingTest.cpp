// Listing lines and the page layout of the printout.
#include "FilesTestSupport.h"

#include "files/Listing.h"
#include "model/Records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using tslq::test::NewImage;

namespace {

// A memory record of slot `slot` with the given frequency in Hz.
std::string Channel(int slot, long long hz = 145000000)
{
    std::string frequency = std::to_string(hz);
    frequency.insert(0, 11 - frequency.size(), '0');
    return MemoryLabel(slot) + "," + frequency + ",0,0,0,0,0,0,08,08,000,000600000,0,0,,,,";
}

RadioImage MarketK()
{
    return NewImage("KK,0F", "ZT-Q2");
}

RadioImage MarketE()
{
    return NewImage("ME,0B", "ZT-Q3");
}

// New images with every memory channel emptied.
RadioImage EmptyMemories(RadioImage image)
{
    for (int slot = 0; slot < MemoryCount; ++slot)
        image.SetMemoryRecord(slot, "");
    return image;
}

std::string MemoryLine(const RadioImage& base, const std::string& record)
{
    RadioImage image = base;
    image.SetMemoryRecord(0, record);
    return FormatChannelLine(image, RecordKind::Memory, 0);
}

TEST(ListingChannelLine, EveryPieceInOrder)
{
    const RadioImage k = MarketK();
    EXPECT_EQ(MemoryLine(k, "000,00145000000,0,1,1,1,1,1,08,12,005,000600000,2,1,,0,,HOME"),
              "000 145.000MHz 5kHz AM T:88.5Hz CT:100.0Hz DCS:036 + R Offset:0.60MHz Name:HOME *");
    EXPECT_EQ(MemoryLine(k, "000,00144012500,5,2,0,0,0,0,41,41,103,005000000,5,0,,,1,A,B"),
              "000 144.0125MHz 12.5kHz CW - Offset:5.00MHz Name:A,B RF:Low");
    // A separate transmit frequency prints TX and no offset, whatever the shift.
    EXPECT_EQ(MemoryLine(k, "000,00145000000,8,1,0,0,0,0,08,08,000,000600000,0,0,00146000000,8,,X"),
              "000 145.000MHz 25kHz FM + TX:146.000MHz  Name:X");
    EXPECT_EQ(MemoryLine(k, "000,00145000000,B,0,0,0,0,0,08,08,000,000600000,9,0,,,0,"),
              "000 145.000MHz 100kHz RF:High");
    EXPECT_EQ(MemoryLine(k, "000,00145000000,A,0,0,0,0,0,08,08,000,000600000,1,0,,,2,"),
              "000 145.000MHz 50kHz WFM RF:EL");
    // A plus shift without an offset prints no offset piece.
    EXPECT_EQ(MemoryLine(k, "000,00145000000,0,1,0,0,0,0,08,08,000,0,3,0,,,,"), "000 145.000MHz 5kHz LSB +");
    // Short records: every missing field is empty.
    EXPECT_EQ(MemoryLine(k, "L0,00000531000"), "L0 0.531MHz ");
    EXPECT_EQ(MemoryLine(k, "PR1,,4,0,0,0,0,0,08,08,000,0,4"), "PR1 0.000MHz 10kHz USB");
}

TEST(ListingChannelLine, SpecialMinusOffsetByMarketAndBand)
{
    const std::string on1200 = "000,01240000000,8,3,0,0,0,0,08,08,000,000000000,0,0,,,,";
    const std::string on430 = "000,00433000000,8,3,0,0,0,0,08,08,000,000000000,0,0,,,,";
    const std::string on144 = "000,00145000000,0,3,0,0,0,0,08,08,000,000000000,0,0,,,,";
    EXPECT_EQ(MemoryLine(MarketK(), on1200), "000 1240.000MHz 25kHz FM -20.0MHz");
    EXPECT_EQ(MemoryLine(MarketE(), on1200), "000 1240.000MHz 25kHz FM -6.0MHz");
    EXPECT_EQ(MemoryLine(MarketE(), on430), "000 433.000MHz 25kHz FM -7.6MHz");
    EXPECT_EQ(MemoryLine(MarketK(), on430), "000 433.000MHz 25kHz FM");
    EXPECT_EQ(MemoryLine(MarketE(), on144), "000 145.000MHz 5kHz FM");
    EXPECT_EQ(MemoryLine(NewImage("MM,07", "ZT-Q3"), on1200), "000 1240.000MHz 25kHz FM");
}

TEST(ListingChannelLine, VfoAndCallLabelsByMarket)
{
    const RadioImage k = MarketK();
    const RadioImage e = MarketE();
    EXPECT_EQ(FormatChannelLine(k, RecordKind::Vfo, 2), "A_440MHz 440.000MHz 25kHz FM");
    EXPECT_EQ(FormatChannelLine(e, RecordKind::Vfo, 2), "A_430MHz 430.000MHz 25kHz FM");
    EXPECT_EQ(FormatChannelLine(k, RecordKind::Vfo, 11), "B_220MHz 223.000MHz 20kHz FM");
    EXPECT_EQ(FormatChannelLine(e, RecordKind::Vfo, 11), "B_200MHz 230.000MHz 12.5kHz FM");
    EXPECT_EQ(FormatChannelLine(k, RecordKind::Vfo, 1), "A_220MHz 223.000MHz 20kHz FM");
    EXPECT_EQ(FormatChannelLine(k, RecordKind::Vfo, 4), "B_AM 0.540MHz 10kHz AM");
    EXPECT_EQ(FormatChannelLine(k, RecordKind::Vfo, 10), "B_TV-VHF 179.750MHz 50kHz WFM");
    EXPECT_EQ(FormatChannelLine(k, RecordKind::Vfo, 14), "B_1200MHz 1240.000MHz 25kHz FM");
    EXPECT_EQ(FormatChannelLine(k, RecordKind::Call, 2), "440MHz 440.000MHz 25kHz FM");
    EXPECT_EQ(FormatChannelLine(e, RecordKind::Call, 2), "430MHz 430.000MHz 25kHz FM");
    EXPECT_EQ(FormatChannelLine(k, RecordKind::Call, 0), "144MHz 144.000MHz 5kHz FM");

    RadioImage odd = k;
    odd.SetVfoRecord(5, "z,00003500000,0");
    EXPECT_EQ(FormatChannelLine(odd, RecordKind::Vfo, 5), "z 3.500MHz 5kHz");
    odd.SetCallRecord(1, "Q,00223000000,7");
    EXPECT_EQ(FormatChannelLine(odd, RecordKind::Call, 1), "Q 223.000MHz 20kHz");
    odd.SetCallRecord(3, "3,01240000000,8");
    EXPECT_EQ(FormatChannelLine(odd, RecordKind::Call, 3), "1200MHz 1240.000MHz 25kHz");
}

TEST(ListingLines, DtmfAndProgramVfo)
{
    RadioImage k = MarketK();
    k.SetDtmfRecord(0, "00,0123*#,HOME,1");
    k.SetDtmfRecord(1, "01,555");
    EXPECT_EQ(FormatDtmfLine(k, 0), "00 0123*# Name:HOME,1");
    EXPECT_EQ(FormatDtmfLine(k, 1), "01 555");

    EXPECT_EQ(FormatProgramVfoLine(k, 1), "144MHz Program VFO : 137 - 173");
    EXPECT_EQ(FormatProgramVfoLine(k, 2), "220MHz Program VFO : 216 - 259");
    EXPECT_EQ(FormatProgramVfoLine(k, 3), "440MHz Program VFO : 410 - 469");
    EXPECT_EQ(FormatProgramVfoLine(k, 4), "");
    const RadioImage e = MarketE();
    EXPECT_EQ(FormatProgramVfoLine(e, 2), "");
    EXPECT_EQ(FormatProgramVfoLine(e, 3), "430MHz Program VFO : 430 - 439");
    EXPECT_EQ(FormatProgramVfoLine(NewImage("KK,0F", "ZT-Q5"), 4), "1200MHz Program VFO : 1240 - 1299");
}

TEST(ListingLines, EveryMenuLineOfTheDefaults)
{
    const std::vector<std::string> expected = {
        "Operation Band : A-Band",
        "Balance : A-Band Max / B-Band Max",
        "Band Select : Dual Band",
        "Attenuator : OFF",
        "Key Lock : OFF",
        "Lamp : OFF",
        "Memory Name : ON",
        "Battery Saver : 1.0sec",
        "Auto Power Off : 30min",
        "Power-on Message : HELLO !!",
        "Contrast : 8",
        "Language : English",
        "DTMF Lock : OFF",
        "DTMF Hold : OFF",
        "DTMF Pause : 500ms",
        "DTMF Speed : Fast",
        "VOX Gain : 4",
        "VOX on Busy : OFF",
        "VOX Deley : 500ms",
        "Tx Inhibit : OFF",
        "Bar Antenna : Enabled",
        "Beet Shift : OFF",
        "HF Band FM Narrow : OFF",
        "144MHz FM Narrow : OFF",
        "220MHz FM Narrow : OFF",
        "440MHz FM Narrow : OFF",
        "",
        "A-Band RF Power : High",
        "B-Band RF Power : High",
        "",
        "",
        "Automatic Repeater Offset : ON",
        "CALL Key : CALL",
        "1750Hz Tone hold : OFF",
        "Tune Enable : OFF",
        "Key Beep : ON",
        "Scan Resume Method : Time-Operated Mode",
        "Packet Speed : 1200bps",
        "Memory Group Link :         ",
        "Memory Recall Method : All Bands",
        "Battery : Lithium",
    };
    const RadioImage k = MarketK();
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kMenuPrintLines));
    for (int n = 0; n < kMenuPrintLines; ++n)
        EXPECT_EQ(FormatMenuLine(k, n), expected[n]) << n;
    EXPECT_EQ(FormatMenuLine(k, 41), "");
    EXPECT_EQ(FormatMenuLine(k, -1), "");
}

TEST(ListingLines, MenuValuesOtherThanTheDefaults)
{
    struct Case
    {
        int setting;
        const char* value;
        int printLine;
        const char* line;
    };
    const Case cases[] = {
        {0, "1", 0, "Operation Band : B-Band"},
        {1, "0", 1, "Balance : A-Band Max / B-Band Mute"},
        {1, "4", 1, "Balance : A-Band Mute / B-Band Max"},
        {1, "7", 1, "Balance : "}, // not in the table: the label alone
        {2, "0", 2, "Band Select : Single Band"},
        {6, "1", 6, "Memory Name : OFF"},
        {23, "0", 7, "Battery Saver : OFF"},
        {23, "9", 7, "Battery Saver : 5.0sec"},
        {23, "", 7, "Battery Saver : "},
        {24, "2", 8, "Auto Power Off : 60min"},
        {22, "16", 10, "Contrast : 16"},
        {22, "", 10, "Contrast : 0"},
        {33, "1", 11, "Language : Japanese"},
        {18, "6", 14, "DTMF Pause : 2000ms"},
        {17, "1", 15, "DTMF Speed : Slow"},
        {28, "6", 18, "VOX Deley : 3000ms"},
        {32, "0", 20, "Bar Antenna : Disabled"},
        {36, "", 24, ""},
        {36, "1", 24, "220MHz FM Narrow : ON"},
        {38, "1", 26, "1200MHz FM Narrow : ON"},
        {7, "1", 27, "A-Band RF Power : Low"},
        {7, "2", 27, "A-Band RF Power : EL"},
        {8, "9", 28, "B-Band RF Power : EL"},
        {9, "0", 29, "1.2GHz A-Band RF Power : High"},
        {10, "1", 30, "1.2GHz B-Band RF Power : Low"},
        {29, "1", 32, "CALL Key : 1750Hz Tone"},
        {11, "1", 36, "Scan Resume Method : Carrier-Operated Mode"},
        {11, "2", 36, "Scan Resume Method : Seek Mode"},
        {34, "1", 37, "Packet Speed : 9600bps"},
        {12, "0 2    7", 38, "Memory Group Link : 0 2    7"},
        {13, "1", 39, "Memory Recall Method : Current Band"},
        {40, "1", 40, "Battery : Alkaline"},
    };
    for (const Case& c : cases) {
        RadioImage image = MarketK();
        image.SetMenuSetting(c.setting, c.value);
        EXPECT_EQ(FormatMenuLine(image, c.printLine), c.line) << c.setting << "=" << c.value;
    }
    EXPECT_EQ(FormatMenuLine(MarketE(), 25), "430MHz FM Narrow : OFF");
}

TEST(ListingLayout, WithoutAndWithComment)
{
    RadioImage image = EmptyMemories(MarketK());
    image.SetMemoryRecord(0, Channel(0));
    auto pages = BuildListing(image, "");
    EXPECT_EQ(pages[0][0], "");
    EXPECT_EQ(pages[0][1], "");
    EXPECT_EQ(pages[0][2], "[Memory Channel]");
    EXPECT_EQ(pages[0][3], "000 145.000MHz 5kHz FM");

    pages = BuildListing(image, "Club repeaters");
    EXPECT_EQ(pages[0][2], "[Comment]");
    EXPECT_EQ(pages[0][3], "Club repeaters");
    EXPECT_EQ(pages[0][4], "");
    EXPECT_EQ(pages[0][5], "[Memory Channel]");
    EXPECT_EQ(pages[0][6], "000 145.000MHz 5kHz FM");
}

TEST(ListingLayout, EmptyRecordsLeaveNoGap)
{
    RadioImage image = EmptyMemories(MarketK());
    image.SetMemoryRecord(10, Channel(10));
    image.SetMemoryRecord(431, Channel(431));
    image.SetMemoryRecord(20, "0");     // one character: not printed
    image.SetVfoRecord(5, "5,0");       // frequency of one character: not printed
    image.SetDtmfRecord(3, "03,,NAME"); // no code: not printed
    image.SetDtmfRecord(4, "04,1");
    const auto pages = BuildListing(image, "");
    const ListingPage& p = pages[0];
    EXPECT_EQ(p[3].substr(0, 4), "010 ");
    EXPECT_EQ(p[4].substr(0, 4), "I-0 ");
    EXPECT_EQ(p[5], "");
    EXPECT_EQ(p[6], "[VFO]");
    // K, ZT-Q2: VFO bands 0, 1, 2, 4, 6..14 (5 was emptied), then three ranges.
    EXPECT_EQ(p[7].substr(0, 9), "A_144MHz ");
    EXPECT_EQ(p[10].substr(0, 5), "B_AM ");
    EXPECT_EQ(p[11].substr(0, 8), "B_50MHz ");
    EXPECT_EQ(p[19].substr(0, 10), "B_1200MHz ");
    EXPECT_EQ(p[20], "144MHz Program VFO : 137 - 173");
    EXPECT_EQ(p[22], "440MHz Program VFO : 410 - 469");
    EXPECT_EQ(p[23], "");
    EXPECT_EQ(p[24], "[CALL Channel]");
    EXPECT_EQ(p[27].substr(0, 7), "440MHz ");
    EXPECT_EQ(p[29], "[DTMF Memory]");
    EXPECT_EQ(p[30], "04 1");
    EXPECT_EQ(p[32], "[Menu 1]");
    EXPECT_EQ(p[33], "Operation Band : A-Band");
    EXPECT_EQ(p[51], "VOX Deley : 500ms");
    EXPECT_EQ(p[53], "[Menu 2]");
}

TEST(ListingLayout, FiftyEightRecordLinesPerPage)
{
    RadioImage image = MarketK();
    for (int slot = 0; slot < 400; ++slot)
        image.SetMemoryRecord(slot, Channel(slot));
    const auto pages = BuildListing(image, "");
    EXPECT_EQ(pages[0][59].substr(0, 4), "056 ");
    EXPECT_EQ(pages[1][0], "");
    EXPECT_EQ(pages[1][1], "");
    EXPECT_EQ(pages[1][2].substr(0, 4), "057 ");
    EXPECT_EQ(pages[1][59].substr(0, 4), "114 ");
    EXPECT_EQ(pages[2][2].substr(0, 4), "115 ");
}

// Fills `count` memory channels so that the "[VFO]" heading comes after
// line 2 + count (no comment).
RadioImage WithChannels(int count)
{
    RadioImage image = EmptyMemories(MarketK());
    for (int slot = 0; slot < count; ++slot)
        image.SetMemoryRecord(slot, Channel(slot));
    return image;
}

TEST(ListingLayout, HeadingThatWouldFallOnLine58MovesToANewPage)
{
    // 55 channels end on line 57: the heading would stand on line 59.
    auto pages = BuildListing(WithChannels(55), "");
    EXPECT_EQ(pages[0][57].substr(0, 4), "054 ");
    EXPECT_EQ(pages[0][58], "");
    EXPECT_EQ(pages[0][59], "");
    EXPECT_EQ(pages[1][1], "");
    EXPECT_EQ(pages[1][2], "[VFO]");
    EXPECT_EQ(pages[1][3].substr(0, 9), "A_144MHz ");

    // 54 channels: the heading still fits on line 58 and its first record on 59.
    pages = BuildListing(WithChannels(54), "");
    EXPECT_EQ(pages[0][58], "[VFO]");
    EXPECT_EQ(pages[0][59].substr(0, 9), "A_144MHz ");
    EXPECT_EQ(pages[1][2].substr(0, 9), "A_220MHz ");

    // 57 channels fill the page. The next (empty) memory slot already starts
    // a new page at line 2, so the heading keeps its empty line before it.
    pages = BuildListing(WithChannels(57), "");
    EXPECT_EQ(pages[0][59].substr(0, 4), "056 ");
    EXPECT_EQ(pages[1][2], "");
    EXPECT_EQ(pages[1][3], "[VFO]");

    // Every slot filled: eight pages of channels, the last one partly.
    RadioImage full = MarketK();
    for (int slot = 0; slot < MemoryCount; ++slot)
        full.SetMemoryRecord(slot, Channel(slot));
    pages = BuildListing(full, "");
    // 57 + 7 * 58 = 463 > 432: the memory ends on page 7 at line 2 + 432 - 405.
    EXPECT_EQ(pages[7][28].substr(0, 4), "I-0 ");
    EXPECT_EQ(pages[7][30], "[VFO]");
}

TEST(ListingLayout, TextOfThePages)
{
    ListingPage first{};
    first[2] = "a";
    first[59] = "z";
    ListingPage second{};
    second[3] = "b";
    EXPECT_EQ(ListingText({first, second}, "TSL-Q2/Q3 [x.qx]"),
              "TSL-Q2/Q3 [x.qx]\n\na\n" + std::string(56, '\n') + "z\n\f\nTSL-Q2/Q3 [x.qx]\n\n\nb\n");
}

} // namespace
