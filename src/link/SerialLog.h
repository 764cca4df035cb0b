// The serial log: what went over the line in one or more transfers, kept so
// that a ham whose radio behaves unlike the simulated one can send it with a
// bug report. Every command sent and every line received is kept with the
// time it went or came; the text is laid out as the simulated radio's trace,
// one line each: the milliseconds since the log began, ">" for a command or
// "<" for what the radio sent, and the bytes with the line's CR left out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Bytes as one line of a trace: printable ASCII as it is, every other byte
// (and the backslash, so that the text reads back unambiguously) as "\xNN";
// carriage returns, which end the radio's lines, are left out.
std::string TraceBytes(std::string_view bytes);

class SerialLog
{
  public:
    // Starts an empty log; times are counted from atMs (a steady clock's
    // milliseconds, as every later call gives them).
    void Begin(std::int64_t atMs);
    // A command as sent, without its CR.
    void Sent(std::int64_t atMs, std::string_view command);
    // Bytes as they arrived, one line per CR; a line still open at the end
    // of a batch is completed by the next batch.
    void Received(std::int64_t atMs, std::string_view bytes);
    // The exchange of a later transfer (a read-back after its write), with
    // its times counted from this log's start.
    void Append(const SerialLog& later);
    void Clear();

    bool Empty() const { return entries_.empty(); }
    // "152 > VOX 0\n", "160 < VOX 0\n", ...
    std::string Text() const;

  private:
    struct Entry
    {
        std::int64_t atMs;
        char direction; // '>' sent, '<' received
        std::string bytes;
    };

    bool begun_ = false;
    std::int64_t originMs_ = 0;
    bool lineOpen_ = false; // the last entry is a received line without its CR yet
    std::vector<Entry> entries_;
};
