// 8-bit text of the radio and the data file, converted to and from UTF-16 for
// display and input. Market J uses printable ASCII plus half-width katakana
// (bytes 0xA1..0xDF are U+FF61..U+FF9F); every other market uses code page
// 1252. A byte outside the set shows as U+FFFD; a character with no byte in
// the set cannot be encoded.
#pragma once

#include <optional>
#include <string>
#include <string_view>

inline constexpr char16_t ReplacementChar = u'\uFFFD';

// Whether the market uses the katakana set (market letter 'J').
bool IsKatakanaMarket(char market);
// The character a byte stands for; U+FFFD when the byte is not in the set.
char16_t MarketByteToChar(unsigned char byte, char market);
// The byte of a character; nullopt when it has none in the set.
std::optional<unsigned char> MarketCharToByte(char16_t ch, char market);
bool HasMarketByte(char16_t ch, char market);

std::u16string MarketToUtf16(std::string_view bytes, char market);
// nullopt when any character has no byte in the set.
std::optional<std::string> Utf16ToMarket(std::u16string_view text, char market);
// Position of the first character with no byte, or npos when all encode.
std::size_t FirstUnencodable(std::u16string_view text, char market);
