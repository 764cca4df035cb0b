// The ".qx" data file: one radio image plus the operator's comment as
// CR LF text lines. Writer and reader work on bytes only; opening, saving
// and naming files is the file commands' business.
#pragma once

#include "files/FileGaps.h"
#include "model/RecordCheck.h"

#include <string>
#include <string_view>
#include <vector>

class RadioImage;

// First line of every data file, compared byte for byte.
inline constexpr std::string_view kDataFileHeader = "VANTREL Tessaline for ZT-QX";

// The reader's line buffer: a longer comment line is cut to this many bytes
// (a record line longer than its slot is left out instead).
inline constexpr std::size_t kDataFileLineCapacity = 99;

enum class DataFileStatus {
    Loaded,    // header accepted; every readable line stored
    BadHeader, // first line is not the header; image left as the caller reset it
};

// The reset that precedes File > New (with the market's information
// channels) and every load (without them): records emptied, then the market
// defaults of the image's type code and model.
enum class ImageReset { ForLoad, ForNew };
void ResetImage(RadioImage& image, ImageReset kind);

// The whole file for the image and the comment, CR LF line ends.
// The comment and the records are written as their bytes stand; a line
// break inside one of them is written as a blank so that it cannot split
// its line and shift the sections after it.
std::string WriteDataFile(const RadioImage& image, const std::string& comment);

// Parses a file into an image the caller has already reset for loading.
// `comment` is replaced only when the file holds a comment line (the last
// one wins, cut to the line buffer); otherwise the caller's comment stays.
// CR LF and bare LF both end a line; a CR elsewhere reads as a blank. Lines
// the format does not place are skipped.
// Every record line is checked (RecordCheck.h) before it is stored: a line
// that fails, or is longer than its slot, is not loaded, so its slot keeps
// what the reset put there, and the slot goes to `leftOut` (file order, each
// slot once; a later good line for the slot loads it and takes it off).
DataFileStatus ReadDataFile(std::string_view bytes, RadioImage& image, std::string& comment,
                            std::vector<RecordSlot>* leftOut = nullptr);

// What a load found besides the records it stored.
struct DataFileReport
{
    // Slots whose only lines failed their check (as `leftOut` above).
    std::vector<RecordSlot> leftOut;
    // Slots whose later line failed its check after an earlier line had
    // loaded: they hold that earlier line.
    std::vector<RecordSlot> earlierLineUsed;
    // Sections or menu lines the file lacks. In a file that lacks any, a
    // last line without its line end is taken for the cut it is and not
    // loaded (nor reported as damaged); a whole file whose final line end
    // was stripped loads that line.
    FileGaps gaps;
};
DataFileStatus ReadDataFile(std::string_view bytes, RadioImage& image, std::string& comment,
                            DataFileReport& report);
