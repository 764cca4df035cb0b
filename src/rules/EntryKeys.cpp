// Name and DTMF code key rules, and the DTMF record.
#include "rules/EntryKeys.h"

#include "model/RecordCheck.h"

namespace {

bool IsPrintableAscii(unsigned char byte)
{
    return byte >= 32 && byte <= 126;
}

bool IsKatakana(unsigned char byte)
{
    return byte >= 161 && byte <= 223;
}

// The code page 1252 letters a radio name may use.
bool IsLatinLetter(unsigned char byte)
{
    switch (byte) {
    case 138:
    case 140:
    case 154:
    case 156:
    case 159:
    case 255:
        return true;
    default:
        break;
    }
    return (byte >= 192 && byte <= 214) || (byte >= 216 && byte <= 221) || (byte >= 223 && byte <= 246) ||
           (byte >= 248 && byte <= 253);
}

bool IsDoubleByteLead(unsigned char byte)
{
    return (byte >= 128 && byte <= 159) || byte >= 224;
}

} // namespace

bool IsNameByte(unsigned char byte, char market)
{
    if (IsPrintableAscii(byte)) return true;
    return market == 'J' ? IsKatakana(byte) : IsLatinLetter(byte);
}

std::size_t FirstInvalidNameByte(std::string_view name, char market)
{
    for (std::size_t i = 0; i < name.size(); ++i)
        if (!IsNameByte(static_cast<unsigned char>(name[i]), market)) return i;
    return std::string_view::npos;
}

KeyVerdict NameKeyVerdict(unsigned char byte, char market, bool& leadByte)
{
    if (market == 'J' && leadByte) {
        leadByte = false;
        return KeyVerdict::Refuse;
    }
    if (byte == KeyEscape) return KeyVerdict::Swallow;
    if (byte == KeyBackspace || byte == KeyEnter) return KeyVerdict::Accept;
    if (IsNameByte(byte, market)) return KeyVerdict::Accept;
    if (market == 'J' && IsDoubleByteLead(byte)) {
        leadByte = true;
        return KeyVerdict::Swallow;
    }
    return KeyVerdict::Refuse;
}

KeyVerdict DtmfCodeKeyVerdict(unsigned char byte, char& entered)
{
    if (byte >= 'a' && byte <= 'z') byte = static_cast<unsigned char>(byte - 'a' + 'A');
    entered = static_cast<char>(byte);
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'D') || byte == '*' || byte == '#' ||
        byte == ' ' || byte == KeyBackspace || byte == KeyEnter)
        return KeyVerdict::Accept;
    if (byte == KeyEscape) return KeyVerdict::Swallow;
    return KeyVerdict::Refuse;
}

std::string FilterDtmfCode(std::string_view text)
{
    std::string code;
    for (char c : text) {
        char entered = 0;
        const auto byte = static_cast<unsigned char>(c);
        if (byte == KeyBackspace || byte == KeyEnter) continue;
        if (DtmfCodeKeyVerdict(byte, entered) == KeyVerdict::Accept && code.size() < 16) code += entered;
    }
    return code;
}

std::string BuildDtmfRecord(int slot, std::string_view code, std::string_view name)
{
    std::string record = "0";
    record += static_cast<char>('0' + (slot >= 0 && slot <= 9 ? slot : 0));
    record += ',';
    // Only what the code box takes reaches the record, whatever the box holds.
    record += FilterDtmfCode(code);
    record += ',';
    record += name;
    return record;
}
