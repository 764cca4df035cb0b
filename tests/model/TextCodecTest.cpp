// 8-bit text of both character sets, every byte both ways, and the QString
// wrappers the windows use.
#include "model/TextCodec.h"
#include "ui/QtText.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

// Code page 1252 bytes 0x80..0x9F; 0 where the code page has no character.
const char16_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

TEST(TextCodec, EveryByteOfTheWesternSet)
{
    for (char market : {'K', 'E', 'M', 'X', '\0'}) {
        for (int byte = 0; byte < 256; ++byte) {
            char16_t expected = static_cast<char16_t>(byte);
            if (byte >= 0x80 && byte <= 0x9F)
                expected = Cp1252High[byte - 0x80] ? Cp1252High[byte - 0x80] : ReplacementChar;
            const char16_t ch = MarketByteToChar(static_cast<unsigned char>(byte), market);
            EXPECT_EQ(ch, expected) << market << " byte " << byte;
            if (ch != ReplacementChar) {
                ASSERT_TRUE(MarketCharToByte(ch, market)) << byte;
                EXPECT_EQ(*MarketCharToByte(ch, market), byte);
            }
        }
    }
}

TEST(TextCodec, EveryByteOfTheKatakanaSet)
{
    for (int byte = 0; byte < 256; ++byte) {
        char16_t expected = ReplacementChar;
        if (byte >= 0x20 && byte <= 0x7E)
            expected = static_cast<char16_t>(byte);
        else if (byte >= 0xA1 && byte <= 0xDF)
            expected = static_cast<char16_t>(0xFF61 + (byte - 0xA1));
        const char16_t ch = MarketByteToChar(static_cast<unsigned char>(byte), 'J');
        EXPECT_EQ(ch, expected) << "byte " << byte;
        if (ch != ReplacementChar) {
            EXPECT_EQ(MarketCharToByte(ch, 'J'), byte);
        }
    }
}

TEST(TextCodec, CharactersWithoutAByte)
{
    // Western letters are not in the katakana set, katakana not in the western one.
    EXPECT_FALSE(HasMarketByte(u'\u00E9', 'J'));
    EXPECT_FALSE(HasMarketByte(u'\u20AC', 'J'));
    EXPECT_FALSE(HasMarketByte(u'\t', 'J'));
    EXPECT_FALSE(HasMarketByte(u'\uFF61', 'K'));
    EXPECT_FALSE(HasMarketByte(u'\uFFA0', 'J')); // just past the half-width range
    EXPECT_FALSE(HasMarketByte(u'\u3042', 'J')); // full-width hiragana
    EXPECT_FALSE(HasMarketByte(u'\u0100', 'E'));
    EXPECT_FALSE(HasMarketByte(u'\u0081', 'E')); // code page gap
    EXPECT_FALSE(HasMarketByte(ReplacementChar, 'E'));
    EXPECT_FALSE(HasMarketByte(ReplacementChar, 'J'));
    EXPECT_FALSE(HasMarketByte(static_cast<char16_t>(0xD83D), 'E')); // half of a surrogate pair
    EXPECT_TRUE(HasMarketByte(u'\u00E9', 'E'));
    EXPECT_TRUE(HasMarketByte(u'\u20AC', 'M'));

    EXPECT_EQ(FirstUnencodable(u"AB\u00E9C", 'J'), 2u);
    EXPECT_EQ(FirstUnencodable(u"AB\u00E9C", 'E'), std::u16string_view::npos);
    EXPECT_FALSE(Utf16ToMarket(u"NHK\u00E9", 'J'));
    EXPECT_EQ(Utf16ToMarket(u"", 'J'), std::string());
}

TEST(TextCodec, NamesRoundTripAndUnknownBytesShowAsReplacement)
{
    const std::string nhk = "NHK\xBB\xAF\xCE\xDF\xDB";
    EXPECT_EQ(MarketToUtf16(nhk, 'J'), u"NHK\uFF7B\uFF6F\uFF8E\uFF9F\uFF9B");
    EXPECT_EQ(Utf16ToMarket(MarketToUtf16(nhk, 'J'), 'J'), nhk);
    const std::string western = "Caf\xE9 \x80";
    EXPECT_EQ(MarketToUtf16(western, 'E'), u"Caf\u00E9 \u20AC");
    EXPECT_EQ(Utf16ToMarket(MarketToUtf16(western, 'E'), 'E'), western);
    // A byte outside the set cannot come back: the caller keeps the old bytes.
    const std::u16string shown = MarketToUtf16("A\x81"
                                               "B",
                                               'K');
    EXPECT_EQ(shown, u"A\uFFFDB");
    EXPECT_FALSE(Utf16ToMarket(shown, 'K'));
    EXPECT_EQ(MarketToUtf16(std::string("A\0B", 3), 'J'), u"A\uFFFDB");
}

TEST(QtTextWrappers, SameTablesAsTheCore)
{
    EXPECT_EQ(MarketToQString("NHK\xC4\xB3\xB7\xAE\xB3", 'J'),
              QString::fromUtf16(u"NHK\uFF84\uFF73\uFF77\uFF6E\uFF73"));
    EXPECT_EQ(QStringToMarket(QString::fromUtf16(u"\uFF84\uFF73"), 'J'), std::string("\xC4\xB3"));
    EXPECT_EQ(QStringToMarket(QStringLiteral("TV-1"), 'J'), std::string("TV-1"));
    EXPECT_FALSE(QStringToMarket(QString::fromUtf16(u"\u00E9"), 'J'));
    EXPECT_EQ(QStringToMarket(QString::fromUtf16(u"\u00E9\u20AC"), 'E'), std::string("\xE9\x80"));
    EXPECT_FALSE(QStringToMarket(QString::fromUtf16(u"\U0001F600"), 'E'));
    EXPECT_TRUE(IsMarketText(QStringLiteral("HELLO !!"), 'J'));
    EXPECT_FALSE(IsMarketText(QString::fromUtf16(u"\uFF61"), 'K'));
    EXPECT_EQ(MarketToQString("", 'K'), QString());
}

} // namespace
