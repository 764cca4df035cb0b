// Byte <-> UTF-16 tables of the two 8-bit character sets the radio uses.
#include "model/TextCodec.h"

#include <array>

namespace {

// Code page 1252, bytes 0x80..0x9F; zero marks a byte without a character.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

constexpr unsigned char KatakanaFirst = 0xA1;
constexpr unsigned char KatakanaLast = 0xDF;
constexpr char16_t KatakanaBase = 0xFF61;

} // namespace

bool IsKatakanaMarket(char market)
{
    return market == 'J';
}

char16_t MarketByteToChar(unsigned char byte, char market)
{
    if (IsKatakanaMarket(market)) {
        if (byte >= 0x20 && byte <= 0x7E) return byte;
        if (byte >= KatakanaFirst && byte <= KatakanaLast)
            return static_cast<char16_t>(KatakanaBase + (byte - KatakanaFirst));
        return ReplacementChar;
    }
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t ch = Cp1252High[byte - 0x80];
        return ch != 0 ? ch : ReplacementChar;
    }
    return byte;
}

std::optional<unsigned char> MarketCharToByte(char16_t ch, char market)
{
    if (IsKatakanaMarket(market)) {
        if (ch >= 0x20 && ch <= 0x7E) return static_cast<unsigned char>(ch);
        if (ch >= KatakanaBase && ch <= KatakanaBase + (KatakanaLast - KatakanaFirst))
            return static_cast<unsigned char>(KatakanaFirst + (ch - KatakanaBase));
        return std::nullopt;
    }
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < Cp1252High.size(); ++i)
        if (Cp1252High[i] != 0 && Cp1252High[i] == ch) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

bool HasMarketByte(char16_t ch, char market)
{
    return MarketCharToByte(ch, market).has_value();
}

std::u16string MarketToUtf16(std::string_view bytes, char market)
{
    std::u16string text;
    text.reserve(bytes.size());
    for (char byte : bytes)
        text += MarketByteToChar(static_cast<unsigned char>(byte), market);
    return text;
}

std::optional<std::string> Utf16ToMarket(std::u16string_view text, char market)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t ch : text) {
        const auto byte = MarketCharToByte(ch, market);
        if (!byte) return std::nullopt;
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

std::size_t FirstUnencodable(std::u16string_view text, char market)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!HasMarketByte(text[i], market)) return i;
    return std::u16string_view::npos;
}
