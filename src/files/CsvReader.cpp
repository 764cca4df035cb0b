// Splitting separated records and converting list text.
#include "files/CsvReader.h"

#include "model/TextCodec.h"

#include <optional>

namespace {

constexpr char32_t Replacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t ch)
{
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at i (its value in ch), or 0.
std::size_t DecodeOne(std::string_view bytes, std::size_t i, char32_t& ch)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        ch = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, ch = lead & 0x1Fu, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, ch = lead & 0x0Fu, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, ch = lead & 0x07u, least = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        ch = (ch << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not text.
    if (ch < least || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return 0;
    return length;
}

// The two bytes of a code page 932 double-byte character.
bool IsShiftJisLead(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsShiftJisTrail(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

} // namespace

std::u32string DecodeUtf8(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t ch = 0;
        const std::size_t length = DecodeOne(bytes, i, ch);
        if (length > 0) {
            text += ch;
            i += length;
        } else {
            text += Replacement;
            ++i;
        }
    }
    return text;
}

bool IsUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t ch = 0;
        const std::size_t length = DecodeOne(bytes, i, ch);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string ListTextToUtf8(std::string_view bytes, char market, bool& eightBit)
{
    // A byte order mark declares UTF-8: a stray bad byte in such a file is
    // one U+FFFD, not a reason to read every accent in another set.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        eightBit = false;
        return EncodeUtf8(DecodeUtf8(bytes.substr(3)));
    }
    eightBit = !IsUtf8(bytes);
    if (!eightBit) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        // Line ends, tabs and the other control bytes are the layout's, not text.
        if (byte < 0x20 || byte == 0x7F) {
            out += static_cast<char>(byte);
            continue;
        }
        if (IsKatakanaMarket(market) && IsShiftJisLead(byte) && i + 1 < bytes.size() &&
            IsShiftJisTrail(static_cast<unsigned char>(bytes[i + 1]))) {
            AppendUtf8(out, Replacement);
            ++i;
            continue;
        }
        AppendUtf8(out, MarketByteToChar(byte, market));
    }
    return out;
}

std::string Utf8ToMarketText(std::string_view text, char market, int& replaced)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t ch : DecodeUtf8(text)) {
        if (ch < 0x20 || ch == 0x7F) {
            out += static_cast<char>(ch);
            continue;
        }
        const std::optional<unsigned char> byte =
            ch <= 0xFFFF ? MarketCharToByte(static_cast<char16_t>(ch), market) : std::nullopt;
        if (byte) {
            out += static_cast<char>(*byte);
        } else {
            out += '?';
            ++replaced;
        }
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t ch : text) {
        if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) ch = Replacement;
        AppendUtf8(out, ch);
    }
    return out;
}

void ReadCsvRecords(std::string_view bytes, const std::function<bool(const CsvRecord&)>& onRecord,
                    char separator)
{
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::size_t i = 0;
    int line = 1;
    // Takes one line end (CR LF, LF or CR) at i, if there is one.
    const auto takeLineEnd = [&]() {
        if (i < bytes.size() && bytes[i] == '\r') {
            ++i;
            if (i < bytes.size() && bytes[i] == '\n') ++i;
            ++line;
            return true;
        }
        if (i < bytes.size() && bytes[i] == '\n') {
            ++i;
            ++line;
            return true;
        }
        return false;
    };
    while (i < bytes.size()) {
        if (takeLineEnd()) continue; // an empty line
        if (bytes[i] == '#') {
            while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
                ++i;
            takeLineEnd();
            continue;
        }
        CsvRecord record;
        record.line = line;
        std::string cell;
        bool quoted = false; // inside a quoted part of the cell
        bool done = false;
        while (!done) {
            if (i >= bytes.size()) {
                if (quoted) record.unterminated = true;
                break;
            }
            const char c = bytes[i];
            if (quoted) {
                if (c == '"') {
                    if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
                        cell += '"';
                        i += 2;
                    } else {
                        quoted = false;
                        ++i;
                    }
                } else if (c == '\r' || c == '\n') {
                    // A line break inside quotes belongs to the cell.
                    const std::size_t from = i;
                    takeLineEnd();
                    cell.append(bytes.substr(from, i - from));
                } else {
                    cell += c;
                    ++i;
                }
                continue;
            }
            if (c == '"') {
                quoted = true;
                ++i;
            } else if (c == separator) {
                record.cells.push_back(std::move(cell));
                cell.clear();
                ++i;
            } else if (c == '\r' || c == '\n') {
                takeLineEnd();
                done = true;
            } else {
                cell += c;
                ++i;
            }
        }
        record.cells.push_back(std::move(cell));
        if (!onRecord(record)) return;
    }
}

std::string CsvCell(std::string_view text)
{
    const bool needsQuotes = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                             (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needsQuotes) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}
