// Key rules of the editors' text boxes that are not frequencies: the channel
// name (memory and DTMF editors, by market character set) and the DTMF code;
// and the DTMF record the DTMF editor stores.
#pragma once

#include <string>
#include <string_view>

// What happens to a typed key.
enum class KeyVerdict {
    Accept,  // into the box
    Swallow, // dropped silently
    Refuse,  // dropped with "Invalid character."
};

inline constexpr unsigned char KeyBackspace = 8;
inline constexpr unsigned char KeyEnter = 13;
inline constexpr unsigned char KeyEscape = 27;

// Whether a byte may stand in a name of the market: printable ASCII and the
// code page 1252 letters, or for market J printable ASCII and half-width
// katakana.
bool IsNameByte(unsigned char byte, char market);
// Position of the first byte that may not stand in a name; npos when none.
std::size_t FirstInvalidNameByte(std::string_view name, char market);

// Judges one typed byte of a name. For market J a byte that opens a
// double-byte character is swallowed and remembered in leadByte; the byte
// after it is then refused.
KeyVerdict NameKeyVerdict(unsigned char byte, char market, bool& leadByte);

// Judges one typed character of a DTMF code; a letter is judged (and, when
// accepted, entered) as its uppercase form, which is written to entered.
KeyVerdict DtmfCodeKeyVerdict(unsigned char byte, char& entered);

// What the DTMF code box keeps of a text typed or pasted into it: the
// characters its keys take (0-9, A-D, '*', '#', blanks; small letters as
// capitals), at most 16 of them; everything else is left out.
std::string FilterDtmfCode(std::string_view text);

// "0" and the slot digit, the code (filtered as the code box filters it),
// the name.
std::string BuildDtmfRecord(int slot, std::string_view code, std::string_view name);
