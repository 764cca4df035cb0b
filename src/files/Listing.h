// The printed listing of a radio image: one readable line per record and
// setting, laid out on pages of 60 lines. Pure text; the printing glue draws
// the pages on a printer or into a PDF, the command line writes them out.
#pragma once

#include "model/RadioImage.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kListingLinesPerPage = 60;
// Print lines of the two menu pages: 0..18 "Menu 1", 19..40 "Menu 2".
inline constexpr int kMenuPrintLines = 41;
inline constexpr int kMenu2FirstPrintLine = 19;

// One page, lines 0..59 as 8-bit record text. Line 0 is left empty: it holds
// the main window's caption, which the caller draws in its own characters.
using ListingPage = std::array<std::string, kListingLinesPerPage>;

// Channel line of a memory, VFO or CALL record.
std::string FormatChannelLine(const RadioImage& image, RecordKind kind, int slot);
// "00 1234 Name:HOME" for DTMF slot 0..9.
std::string FormatDtmfLine(const RadioImage& image, int slot);
// Program VFO range 1..4; empty for a range that is not printed.
std::string FormatProgramVfoLine(const RadioImage& image, int range);
// Menu print line 0..40; empty when the line is not printed.
std::string FormatMenuLine(const RadioImage& image, int printLine);

// The whole listing, page by page.
std::vector<ListingPage> BuildListing(const RadioImage& image, std::string_view comment);

// Pages as one text: the caption on each page's line 0, lines joined by LF,
// trailing empty lines of a page dropped, pages separated by a line that
// holds only a form feed. The caller converts the lines' characters first.
std::string ListingText(const std::vector<ListingPage>& pages, std::string_view caption);
