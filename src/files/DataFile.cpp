// Writer and reader of the ".qx" data file.
#include "files/DataFile.h"

#include "files/FileGaps.h"
#include "model/FieldTexts.h"
#include "model/RadioImage.h"
#include "model/RecordCheck.h"

#include <algorithm>
#include <cstring>

#include <cstdint>
#include <optional>

namespace {

constexpr std::string_view kCommentMarker = "__COMMENT__";
constexpr std::string_view kMemoryMarker = "__MEMORY DATA__";
constexpr std::string_view kCallMarker = "__CALL DATA__";
constexpr std::string_view kVfoMarker = "__VFO DATA__";
constexpr std::string_view kDtmfMarker = "__DTMF DATA__";
constexpr std::string_view kMenuMarker = "__RADIO MENU__";

// Appends one line: the record with its first `tabs` commas turned into TAB
// (all of them when tabs < 0), then CR LF.
void AppendLine(std::string& out, std::string_view text, int tabs = 0)
{
    int turned = 0;
    for (char c : text) {
        if (c == ',' && (tabs < 0 || turned < tabs)) {
            out.push_back('\t');
            ++turned;
        } else if (c == '\r' || c == '\n') {
            out.push_back(' ');
        } else {
            out.push_back(c);
        }
    }
    out += "\r\n";
}

// Copies a line as the reader takes it: a CR inside a line would end a
// command to the radio, so it reads as the blank the writer puts in its
// place; with `tabs` (from the third line on) a TAB reads as a comma. Every
// record passes through here on every load, so eight bytes are turned at a
// time: a byte equal to the one sought is found without a carry between
// bytes, and the word is rewritten only where one was found.
void CopyLine(std::string_view raw, std::string& line, bool tabs)
{
    constexpr std::uint64_t Ones = 0x0101010101010101ULL;
    constexpr std::uint64_t Low7 = 0x7F7F7F7F7F7F7F7FULL;
    // 0xFF in every byte of `word` that equals `byte`, 0x00 elsewhere.
    const auto bytesEqual = [](std::uint64_t word, unsigned char byte) {
        const std::uint64_t x = word ^ (Ones * byte);
        const std::uint64_t zero = ~(((x & Low7) + Low7) | x | Low7); // 0x80 where x's byte is 0
        return (zero >> 7) * 0xFF;
    };
    line.resize(raw.size());
    const char* in = raw.data();
    char* out = line.data();
    const std::size_t size = raw.size();
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, in + i, 8);
        const std::uint64_t cr = bytesEqual(word, '\r');
        const std::uint64_t tab = tabs ? bytesEqual(word, '\t') : 0;
        word = (word & ~cr) | (Ones * ' ' & cr);
        word = (word & ~tab) | (Ones * ',' & tab);
        std::memcpy(out + i, &word, 8);
    }
    for (; i < size; ++i) {
        const char c = in[i];
        out[i] = c == '\r' ? ' ' : (tabs && c == '\t') ? ',' : c;
    }
}

enum class Section { None, Comment, Memory, Call, Vfo, Dtmf, Menu };

std::optional<Section> MarkerSection(std::string_view line)
{
    if (line == kCommentMarker) return Section::Comment;
    if (line == kMemoryMarker) return Section::Memory;
    if (line == kCallMarker) return Section::Call;
    if (line == kVfoMarker) return Section::Vfo;
    if (line == kDtmfMarker) return Section::Dtmf;
    if (line == kMenuMarker) return Section::Menu;
    return std::nullopt;
}

std::string_view FirstField(std::string_view line)
{
    return line.substr(0, line.find(','));
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The decimal value of a text as the classic string-to-integer reading
// gives it: leading blanks, an optional sign, digits; 0 without digits.
std::int64_t DecimalValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::int64_t magnitude = ParseDecimal(text.substr(i));
    return negative ? -magnitude : magnitude;
}

// Memory slot named by a line's label, or nothing for a label that names no
// slot. A label that is neither numeric nor a known name is skipped rather
// than stored into slot 400, where it would carry the wrong label.
std::optional<int> MemorySlotOfLabel(std::string_view label)
{
    if (!label.empty() && IsDigit(label.front())) {
        const std::int64_t slot = ParseDecimal(label);
        if (slot < MemoryCount) return static_cast<int>(slot);
        return std::nullopt;
    }
    const int slot = MemoryIndexOfLabel(label);
    if (slot >= ScanEdgeFirst) return slot;
    return std::nullopt;
}

int VfoSlotOfCode(char code)
{
    if (code >= '1' && code <= '9') return code - '0';
    if (code >= 'A' && code <= 'E') return 10 + (code - 'A');
    return 0;
}

std::optional<FileSection> RecordSection(Section section)
{
    switch (section) {
    case Section::Memory:
        return FileSection::Memory;
    case Section::Call:
        return FileSection::Call;
    case Section::Vfo:
        return FileSection::Vfo;
    case Section::Dtmf:
        return FileSection::Dtmf;
    case Section::Menu:
        return FileSection::Menu;
    case Section::None:
    case Section::Comment:
        break;
    }
    return std::nullopt;
}

class Reader
{
  public:
    Reader(RadioImage& image, std::string& comment, DataFileReport& report)
        : image_(image), comment_(comment), report_(report)
    {
    }

    void Line(std::string_view line)
    {
        if (const auto marker = MarkerSection(line)) {
            section_ = *marker;
            if (section_ == Section::Menu) menuLine_ = 0;
            if (const auto section = RecordSection(section_))
                report_.gaps.present[static_cast<std::size_t>(*section)] = true;
            report_.gaps.lastSection = RecordSection(section_);
            return;
        }
        switch (section_) {
        case Section::None:
            break;
        case Section::Comment:
            comment_.assign(line.substr(0, kDataFileLineCapacity));
            break;
        case Section::Memory:
            // An empty line names no slot and would only wipe one.
            if (line.empty()) break;
            if (const auto slot = MemorySlotOfLabel(FirstField(line)))
                Store({RecordSlotKind::Memory, *slot}, line, RecordCapacity);
            break;
        case Section::Call: {
            if (line.empty()) break;
            const int slot = IsDigit(line.front()) ? line.front() - '0' : 0;
            if (slot < CallCount) Store({RecordSlotKind::Call, slot}, line, RecordCapacity);
            break;
        }
        case Section::Vfo:
            if (line.empty()) break;
            Store({RecordSlotKind::Vfo, VfoSlotOfCode(line.front())}, line, RecordCapacity);
            break;
        case Section::Dtmf: {
            if (line.empty()) break;
            const std::int64_t slot = DecimalValue(FirstField(line));
            if (slot >= 0 && slot < DtmfCount)
                Store({RecordSlotKind::Dtmf, static_cast<int>(slot)}, line, DtmfCapacity);
            break;
        }
        case Section::Menu:
            if (menuLine_ < ProgramVfoCount)
                Store({RecordSlotKind::ProgramVfo, menuLine_}, line, ProgramVfoCapacity);
            else if (menuLine_ < kMenuSectionLines)
                Store({RecordSlotKind::Menu, menuLine_ - ProgramVfoCount}, line,
                      MenuSettingWidth(menuLine_ - ProgramVfoCount));
            if (menuLine_ < kMenuSectionLines) ++menuLine_;
            report_.gaps.menuLines = std::max(report_.gaps.menuLines, menuLine_);
            break;
        }
    }

    // Whether the file would hold every section and a whole radio menu
    // section once this line is taken.
    bool CompletedBy(std::string_view line) const
    {
        FileGaps gaps = report_.gaps;
        if (const auto marker = MarkerSection(line)) {
            if (const auto section = RecordSection(*marker))
                gaps.present[static_cast<std::size_t>(*section)] = true;
        } else if (section_ == Section::Menu) {
            gaps.menuLines = std::max(gaps.menuLines, menuLine_ + 1);
        }
        return !gaps.Incomplete();
    }

  private:
    // A line that passes its check, and fits its slot whole, replaces the
    // slot's record. One that fails is left out: the slot keeps what it held
    // (the reset's empty record or default, or an earlier line of the file)
    // and is reported, unless a later line for it loads after all. When an
    // earlier line of the file loaded the slot, that line is what it holds.
    void Store(RecordSlot slot, std::string_view line, std::size_t capacity)
    {
        std::vector<RecordSlot>& leftOut = report_.leftOut;
        std::vector<RecordSlot>& earlier = report_.earlierLineUsed;
        const auto listed = std::find(leftOut.begin(), leftOut.end(), slot);
        const auto kept = std::find(earlier.begin(), earlier.end(), slot);
        if (line.size() > capacity || !CheckSlotRecord(slot, line)) {
            if (loaded_.Contains(slot)) {
                if (kept == earlier.end()) earlier.push_back(slot);
            } else if (listed == leftOut.end()) {
                leftOut.push_back(slot);
            }
            return;
        }
        if (listed != leftOut.end()) leftOut.erase(listed);
        if (kept != earlier.end()) earlier.erase(kept);
        loaded_.Insert(slot);
        StoreSlotRecord(image_, slot, line);
    }

    RadioImage& image_;
    std::string& comment_;
    DataFileReport& report_;
    SlotSet loaded_; // slots a line of the file has filled
    Section section_ = Section::None;
    int menuLine_ = 0;
};

} // namespace

void ResetImage(RadioImage& image, ImageReset kind)
{
    image.ClearImage();
    image.LoadDefaultVfoAndCall();
    if (kind == ImageReset::ForNew) image.LoadInformationChannels();
    image.LoadDefaultMenu();
}

std::string WriteDataFile(const RadioImage& image, const std::string& comment)
{
    std::string out;
    out.reserve(16 * 1024);
    AppendLine(out, kDataFileHeader);
    AppendLine(out, kCommentMarker);
    AppendLine(out, comment);

    AppendLine(out, kMemoryMarker);
    for (int slot = 0; slot < MemoryCount; ++slot) {
        const std::string& record = image.GetMemoryRecord(slot);
        // The 17 field separators plus the first comma of the name.
        if (record.size() > 4) AppendLine(out, record, 18);
    }
    AppendLine(out, kCallMarker);
    for (int slot = 0; slot < CallCount; ++slot) {
        const std::string& record = image.GetCallRecord(slot);
        if (record.size() > 4) AppendLine(out, record, -1);
    }
    AppendLine(out, kVfoMarker);
    for (int slot = 0; slot < VfoCount; ++slot) {
        const std::string& record = image.GetVfoRecord(slot);
        if (record.size() > 4) AppendLine(out, record, -1);
    }
    AppendLine(out, kDtmfMarker);
    for (int slot = 0; slot < DtmfCount; ++slot) {
        const std::string& record = image.GetDtmfRecord(slot);
        if (record.size() > 1) AppendLine(out, record, 2);
    }
    AppendLine(out, kMenuMarker);
    for (int slot = 0; slot < ProgramVfoCount; ++slot)
        AppendLine(out, image.GetProgramVfoRecord(slot));
    for (int index = 0; index < MenuCount; ++index)
        AppendLine(out, image.GetMenuSetting(index));
    return out;
}

DataFileStatus ReadDataFile(std::string_view bytes, RadioImage& image, std::string& comment,
                            std::vector<RecordSlot>* leftOut)
{
    DataFileReport report;
    const DataFileStatus status = ReadDataFile(bytes, image, comment, report);
    if (leftOut) *leftOut = std::move(report.leftOut);
    return status;
}

DataFileStatus ReadDataFile(std::string_view bytes, RadioImage& image, std::string& comment,
                            DataFileReport& report)
{
    report = {};
    Reader reader(image, comment, report);
    std::string line;
    line.reserve(RecordCapacity);
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        const bool lastLine = end == std::string_view::npos;
        if (lastLine) end = bytes.size();
        std::string_view raw = bytes.substr(pos, end - pos);
        pos = lastLine ? bytes.size() : end + 1;
        // A CR without its LF still ends the line.
        const bool ended = !lastLine || (!raw.empty() && raw.back() == '\r');
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        ++lineNumber;

        if (lineNumber == 1) {
            if (raw != kDataFileHeader) return DataFileStatus::BadHeader;
            continue;
        }
        // The whole line is kept: a record longer than its slot is left out
        // whole rather than cut (the comment alone is cut, to the line buffer).
        CopyLine(raw, line, lineNumber >= 3);
        // A last line without its line end in a file that stays short of a
        // whole one is where the file was cut: what it holds is not the
        // record that stood there, so it is not taken, and the report of
        // what the file lacks covers it. A whole file whose final line end
        // was stripped loads that line.
        if (!ended && !reader.CompletedBy(line)) break;
        reader.Line(line);
    }
    if (lineNumber == 0) return DataFileStatus::BadHeader;
    return DataFileStatus::Loaded;
}
