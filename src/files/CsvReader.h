// The comma-separated text layout of channel lists: records split into
// cells (quoted cells, doubled quotes, line breaks inside quotes, CR LF, LF
// or CR line ends), and the UTF-8 conversions the lists are written in.
// Bytes in, cells out; nothing here knows what a channel is.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct CsvRecord
{
    int line = 0;                   // line of the file the record starts on, from 1
    std::vector<std::string> cells; // UTF-8 as read, quotes removed
    bool unterminated = false;      // a quoted cell ran to the end of the file
};

// Splits the bytes into records and hands each to onRecord, in file order.
// A byte order mark at the start is dropped; empty lines and lines that
// start with '#' are skipped. onRecord returns false to stop early.
void ReadCsvRecords(std::string_view bytes, const std::function<bool(const CsvRecord&)>& onRecord);

// One cell as the layout writes it: quoted when it holds a comma, a quote,
// a line break or blanks at either end.
std::string CsvCell(std::string_view text);

// UTF-8 <-> UTF-32. Decoding never fails: a malformed sequence reads as one
// U+FFFD per byte, so a list saved in another encoding still gets through.
std::u32string DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(std::u32string_view text);
