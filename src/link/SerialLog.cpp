// The serial log of transfers, laid out as the simulated radio's trace.
#include "link/SerialLog.h"

std::string TraceBytes(std::string_view bytes)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r') continue;
        if (u < 0x20 || u > 0x7E || c == '\\') {
            text += "\\x";
            text += Hex[u >> 4];
            text += Hex[u & 0x0F];
        } else {
            text += c;
        }
    }
    return text;
}

void SerialLog::Begin(std::int64_t atMs)
{
    Clear();
    begun_ = true;
    originMs_ = atMs;
}

void SerialLog::Sent(std::int64_t atMs, std::string_view command)
{
    if (!begun_) Begin(atMs);
    entries_.push_back({atMs, '>', std::string(command)});
    lineOpen_ = false;
}

void SerialLog::Received(std::int64_t atMs, std::string_view bytes)
{
    if (!begun_) Begin(atMs);
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\r');
        const std::string_view line = bytes.substr(0, end);
        if (lineOpen_)
            entries_.back().bytes += line;
        else
            entries_.push_back({atMs, '<', std::string(line)});
        lineOpen_ = end == std::string_view::npos;
        if (lineOpen_) break;
        bytes.remove_prefix(end + 1);
    }
}

void SerialLog::Append(const SerialLog& later)
{
    if (!later.begun_) return;
    if (!begun_) {
        *this = later;
        return;
    }
    entries_.insert(entries_.end(), later.entries_.begin(), later.entries_.end());
    lineOpen_ = false;
}

void SerialLog::Clear()
{
    begun_ = false;
    originMs_ = 0;
    lineOpen_ = false;
    entries_.clear();
}

std::string SerialLog::Text() const
{
    std::string text;
    for (const Entry& entry : entries_) {
        text += std::to_string(entry.atMs - originMs_);
        text += ' ';
        text += entry.direction;
        text += ' ';
        text += TraceBytes(entry.bytes);
        text += '\n';
    }
    return text;
}
