// The comma-separated text layout of channel lists: records split into
// cells (quoted cells, doubled quotes, line breaks inside quotes, CR LF, LF
// or CR line ends; comma, semicolon or tab between cells), and the text
// conversions the lists are written in: UTF-8, or the radio's own 8-bit set
// for lists saved on a Windows code page. Bytes in, cells out; nothing here
// knows what a channel is.
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
void ReadCsvRecords(std::string_view bytes, const std::function<bool(const CsvRecord&)>& onRecord,
                    char separator = ',');

// One cell as the layout writes it: quoted when it holds a comma, a quote,
// a line break or blanks at either end.
std::string CsvCell(std::string_view text);

// Whether the bytes are UTF-8 throughout (no overlong forms, surrogates or
// values past U+10FFFF).
bool IsUtf8(std::string_view bytes);

// A list's text as UTF-8: a list that is UTF-8, or starts with a UTF-8 byte
// order mark, is read as UTF-8 (less the mark); any other is read as the
// market's 8-bit set, which is what
// programs and spreadsheets on a Windows code page write (code page 1252;
// market J: ASCII and the half-width katakana of code page 932, where a
// double-byte character reads as one U+FFFD). eightBit tells which it was.
std::string ListTextToUtf8(std::string_view bytes, char market, bool& eightBit);

// UTF-8 text in the market's 8-bit set for lists that must be in the Windows
// code page; a character the set cannot hold becomes '?' and is counted.
std::string Utf8ToMarketText(std::string_view text, char market, int& replaced);

// UTF-8 <-> UTF-32. Decoding never fails: a malformed sequence reads as one
// U+FFFD per byte, so a list saved in another encoding still gets through.
std::u32string DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(std::u32string_view text);
