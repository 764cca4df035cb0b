// Channel lists in the common comma-separated layout of repeater directories
// and radio programmers: the memory channels of an image written out as one
// row each, and rows read back into channel records through the memory
// editor's frequency rules. Bytes in and out; the file commands and the
// command line open the files and show the reports.
#pragma once

#include "model/Message.h"

#include <string>
#include <string_view>
#include <vector>

class RadioImage;

// The header line the export writes. The import also takes the older
// 17-column header and any order of columns.
inline constexpr std::string_view kCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// The text of an exported list: UTF-8 without a byte order mark, or the
// market's 8-bit set for programs that expect the Windows code page.
enum class CsvEncoding { Utf8, EightBit };

// ---- Export ------------------------------------------------------------
struct CsvExport
{
    std::string bytes; // CR LF line ends, header first
    CsvEncoding encoding = CsvEncoding::Utf8;
    int rows = 0;
    // What is lost on the way through the list, one line per channel and
    // matter, e.g. "005: reverse is on; the list has no place for it".
    std::vector<Message> notes;
};

// Every filled memory slot: channels 0..399 with their number as Location,
// then the scan edges, priority and information channels as 400..431 with
// their label in Comment.
CsvExport WriteChannelsCsv(const RadioImage& image, CsvEncoding encoding = CsvEncoding::Utf8);

// ---- Import ------------------------------------------------------------
struct CsvImportOptions
{
    // Every row goes to the next free channel 0..399, whatever its Location.
    bool append = false;
};

enum class CsvImportStatus {
    Ok,
    NoHeader, // no header row naming a Frequency column
};

struct CsvRow
{
    int line = 0;  // where the row starts in the file, from 1
    int slot = -1; // memory index it goes to; -1 when skipped
    std::string record;
    std::vector<Message> changes; // what the rules or the slot choice changed
    Message skipReason;           // why it was skipped; empty otherwise
};

struct CsvImportPlan
{
    CsvImportStatus status = CsvImportStatus::Ok;
    std::vector<CsvRow> rows;
    int imported = 0; // rows that go into the image, adjusted ones included
    int adjusted = 0;
    int skipped = 0;
    int replaced = 0;           // rows that replace a filled channel
    int replacedCharacters = 0; // name characters with no byte in the market's set
    char market = '\0';         // of the image the plan was made for
    bool eightBit = false;      // the file is not UTF-8 and was read as the market's 8-bit set
    char separator = ',';       // ',', ';' or tab, as the header line has it
};

// Reads the list against the image's version and slots without changing the
// image: which row goes where, as which record, and what was changed or
// skipped on the way. The header line decides the separator (comma,
// semicolon or tab); where it is not the comma, numbers may have a decimal
// comma. A transmit frequency is never moved: a row whose transmit side the
// radio cannot hold exactly is skipped with the reason. A row that replaces
// a filled channel keeps what the list has no column for (CsvReplace.h);
// every other change is one of the row's changes.
CsvImportPlan PlanCsvImport(std::string_view bytes, const RadioImage& image, const CsvImportOptions& options);

// Slots that hold a channel now and would be replaced by the plan.
std::vector<int> OverwrittenSlots(const CsvImportPlan& plan, const RadioImage& image);

// Stores the plan's records.
void ApplyCsvImport(const CsvImportPlan& plan, RadioImage& image);

// The plan's outcome, a message a line: the three counts, the filled
// channels replaced (the others stay as they are), how the text was read,
// then one line per row and change (or skip), numbers as the grids show
// them with their unit.
std::vector<Message> CsvImportReport(const CsvImportPlan& plan);
// The export's outcome: the row count and the notes.
std::vector<Message> CsvExportReport(const CsvExport& exported);

// The offset in Hz of the special minus shift (shift code 3) on a band, as
// the printed listing shows it for the market; 0 where the listing gives none.
long long SpecialShiftOffsetHz(int band, char market);
