// Encodings and character rules of the radio menu pages.
#include "rules/MenuRules.h"

#include "model/Translatable.h"

#include <cstdint>

namespace {

bool AllDigits(std::string_view text)
{
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Decimal value of a digit string, saturating instead of overflowing:
// settings come from the radio or a file and are not trusted.
std::int64_t DecimalValue(std::string_view text)
{
    constexpr std::int64_t limit = 1'000'000'000;
    std::int64_t value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > limit) return limit;
    }
    return value;
}

bool Printable(unsigned char byte)
{
    return byte >= 0x20 && byte <= 0x7E;
}

bool HalfWidthKatakana(unsigned char byte)
{
    return byte >= 0xA1 && byte <= 0xDF;
}

// Latin letters of code page 1252 that the radio's display can show.
bool Latin1252Letter(unsigned char byte)
{
    return (byte >= 0xC0 && byte <= 0xD6) || (byte >= 0xD8 && byte <= 0xDD) ||
           (byte >= 0xDF && byte <= 0xF6) || (byte >= 0xF8 && byte <= 0xFD) || byte == 0xFF || byte == 0x8A ||
           byte == 0x8C || byte == 0x9A || byte == 0x9C || byte == 0x9F;
}

bool DoubleByteLead(unsigned char byte)
{
    return (byte >= 0x80 && byte <= 0x9F) || byte >= 0xE0;
}

} // namespace

std::string CheckBoxSetting(bool checked, bool inverted)
{
    return (checked != inverted) ? "1" : "0";
}

bool CheckBoxFromSetting(std::string_view value, bool inverted)
{
    return value == (inverted ? "0" : "1");
}

std::string IndexSetting(int index)
{
    if (index < 0 || index > 9) return {};
    return std::string(1, static_cast<char>('0' + index));
}

int IndexFromSetting(std::string_view value, int count)
{
    if (!AllDigits(value)) return -1;
    const std::int64_t index = DecimalValue(value);
    return index < count ? static_cast<int>(index) : -1;
}

std::string ContrastSetting(int index)
{
    if (index < 0 || index >= ContrastSteps) return {};
    const int value = index + 1;
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

int ContrastFromSetting(std::string_view value)
{
    if (!AllDigits(value)) return -1;
    const std::int64_t contrast = DecimalValue(value);
    return (contrast >= 1 && contrast <= ContrastSteps) ? static_cast<int>(contrast - 1) : -1;
}

std::string GroupLinkSetting(std::string_view current, int group, bool linked)
{
    std::string result(current.substr(0, MenuGroupCount));
    result.resize(MenuGroupCount, ' ');
    if (group >= 0 && group < MenuGroupCount)
        result[static_cast<std::size_t>(group)] = linked ? static_cast<char>('0' + group) : ' ';
    return result;
}

bool GroupLinked(std::string_view value, int group)
{
    if (group < 0 || group >= MenuGroupCount || static_cast<std::size_t>(group) >= value.size()) return false;
    return value[static_cast<std::size_t>(group)] == static_cast<char>('0' + group);
}

NarrowBoxes NarrowBoxesFor(char market, std::string_view model)
{
    NarrowBoxes boxes;
    boxes.show220 = market == 'K';
    boxes.showHf = market == 'J';
    boxes.show1200 = model == "ZT-Q5";
    // The menu pages show the caption in their language.
    boxes.caption440 = market == 'K' ? QT_TRANSLATE_NOOP("MenuPages", "440MHz Band")
                                     : QT_TRANSLATE_NOOP("MenuPages", "430MHz Band");
    return boxes;
}

bool PomByteAllowed(unsigned char byte, char market)
{
    if (Printable(byte)) return true;
    return market == 'J' ? HalfWidthKatakana(byte) : Latin1252Letter(byte);
}

PomKey FilterPomKey(unsigned char byte, char market, bool& leadPending)
{
    constexpr unsigned char escape = 0x1B, backspace = 0x08, enter = 0x0D;
    if (byte == escape) return PomKey::Swallow;
    if (byte == backspace || byte == enter) return PomKey::Pass;
    if (market == 'J') {
        if (leadPending) {
            // Second half of a double-byte character: the whole character
            // is refused with one message.
            leadPending = false;
            return PomKey::Reject;
        }
        if (DoubleByteLead(byte)) {
            leadPending = true;
            return PomKey::Swallow;
        }
    }
    if (PomByteAllowed(byte, market)) return PomKey::Pass;
    leadPending = false;
    return PomKey::Reject;
}

bool CheckPomText(std::string_view bytes, char market)
{
    for (char c : bytes)
        if (!PomByteAllowed(static_cast<unsigned char>(c), market)) return false;
    return true;
}
