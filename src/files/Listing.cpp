// Listing lines and page layout of the printout.
#include "files/Listing.h"

#include "model/Mainfunction.h"

#include <initializer_list>

namespace {

using namespace std::string_view_literals;

bool IsMarketK(const RadioImage& image)
{
    return image.MarketLetter() == 'K';
}

bool IsMarketE(const RadioImage& image)
{
    return image.MarketLetter() == 'E';
}

// Printed name of a VFO band code; an unknown code prints as it stands.
std::string VfoLabel(std::string_view code, bool marketK)
{
    if (code.size() == 1) {
        const int band = BandOfCode(code.front());
        // Lower-case codes are not band codes here: print them unchanged.
        if (band >= 0 && code.front() == BandCodeChar(band)) {
            switch (band) {
            case 1:
                return "A_220MHz";
            case 2:
                return marketK ? "A_440MHz" : "A_430MHz";
            case 11:
                return marketK ? "B_220MHz" : "B_200MHz";
            case 12:
                return marketK ? "B_440MHz" : "B_430MHz";
            default:
                return std::string(VfoBandLabel(band, 'K'));
            }
        }
    }
    return std::string(code);
}

std::string CallLabel(std::string_view code, bool marketK)
{
    if (code == "0") return "144MHz";
    if (code == "1") return "220MHz";
    if (code == "2") return marketK ? "440MHz" : "430MHz";
    if (code == "3") return "1200MHz";
    return std::string(code);
}

// Whole-number value of a field, leading zeros dropped.
std::string WholeNumber(std::string_view field)
{
    return std::to_string(ParseDecimal(field));
}

struct MenuLine
{
    int setting;
    std::string_view label;
    enum class Kind { Listed, Text, Number } kind;
    // Listed: the texts of the stored values "0", "1", ... in order.
    std::array<std::string_view, 10> values{};
    // Listed: the text of every value not in `values`; none prints the label alone.
    std::string_view otherwise{};
    // Nothing at all is printed while the stored value is empty.
    bool onlyWhenSet = false;
};

using Kind = MenuLine::Kind;

constexpr std::array<std::string_view, 10> Off = {"OFF"};

// Print order follows the groups of the two menu pages, not the indices.
const MenuLine kMenuLines[kMenuPrintLines] = {
    {0, "Operation Band : ", Kind::Listed, {"A-Band"}, "B-Band"},
    {1,
     "Balance : ",
     Kind::Listed,
     {"A-Band Max / B-Band Mute", "A-Band Max / B-Band Att", "A-Band Max / B-Band Max",
      "A-Band Att / B-Band Max", "A-Band Mute / B-Band Max"}},
    {2, "Band Select : ", Kind::Listed, {"Single Band"}, "Dual Band"},
    {3, "Attenuator : ", Kind::Listed, Off, "ON"},
    {4, "Key Lock : ", Kind::Listed, Off, "ON"},
    {5, "Lamp : ", Kind::Listed, Off, "ON"},
    {6, "Memory Name : ", Kind::Listed, {"ON"}, "OFF"},
    {23,
     "Battery Saver : ",
     Kind::Listed,
     {"OFF", "0.2sec", "0.4sec", "0.6sec", "0.8sec", "1.0sec", "2.0sec", "3.0sec", "4.0sec", "5.0sec"}},
    {24, "Auto Power Off : ", Kind::Listed, {"OFF", "30min", "60min"}},
    {21, "Power-on Message : ", Kind::Text},
    {22, "Contrast : ", Kind::Number},
    {33, "Language : ", Kind::Listed, {"English"}, "Japanese"},
    {19, "DTMF Lock : ", Kind::Listed, Off, "ON"},
    {20, "DTMF Hold : ", Kind::Listed, Off, "ON"},
    {18, "DTMF Pause : ", Kind::Listed, {"100ms", "250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms"}},
    {17, "DTMF Speed : ", Kind::Listed, {"Fast"}, "Slow"},
    {27, "VOX Gain : ", Kind::Text},
    {26, "VOX on Busy : ", Kind::Listed, Off, "ON"},
    {28, "VOX Deley : ", Kind::Listed, {"250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms", "3000ms"}},
    {16, "Tx Inhibit : ", Kind::Listed, Off, "ON"},
    {32, "Bar Antenna : ", Kind::Listed, {"Disabled"}, "Enabled"},
    {31, "Beet Shift : ", Kind::Listed, Off, "ON"},
    {39, "HF Band FM Narrow : ", Kind::Listed, Off, "ON"},
    {35, "144MHz FM Narrow : ", Kind::Listed, Off, "ON"},
    {36, "220MHz FM Narrow : ", Kind::Listed, Off, "ON", true},
    {37, "440MHz FM Narrow : ", Kind::Listed, Off, "ON"}, // "430MHz" outside market K
    {38, "1200MHz FM Narrow : ", Kind::Listed, Off, "ON", true},
    {7, "A-Band RF Power : ", Kind::Listed, {"High", "Low"}, "EL"},
    {8, "B-Band RF Power : ", Kind::Listed, {"High", "Low"}, "EL"},
    {9, "1.2GHz A-Band RF Power : ", Kind::Listed, {"High"}, "Low", true},
    {10, "1.2GHz B-Band RF Power : ", Kind::Listed, {"High"}, "Low", true},
    {14, "Automatic Repeater Offset : ", Kind::Listed, Off, "ON"},
    {29, "CALL Key : ", Kind::Listed, {"CALL"}, "1750Hz Tone"},
    {30, "1750Hz Tone hold : ", Kind::Listed, Off, "ON"},
    {15, "Tune Enable : ", Kind::Listed, Off, "ON"},
    {25, "Key Beep : ", Kind::Listed, Off, "ON"},
    {11, "Scan Resume Method : ", Kind::Listed, {"Time-Operated Mode", "Carrier-Operated Mode"}, "Seek Mode"},
    {34, "Packet Speed : ", Kind::Listed, {"1200bps"}, "9600bps"},
    {12, "Memory Group Link : ", Kind::Text},
    {13, "Memory Recall Method : ", Kind::Listed, {"All Bands"}, "Current Band"},
    {40, "Battery : ", Kind::Listed, {"Lithium"}, "Alkaline"},
};
constexpr int kNarrow440PrintLine = 25;

std::string_view ListedText(const MenuLine& line, std::string_view value)
{
    for (std::size_t i = 0; i < line.values.size() && !line.values[i].empty(); ++i) {
        if (value.size() == 1 && value.front() == static_cast<char>('0' + i)) return line.values[i];
    }
    return line.otherwise;
}

// The page layout: a cursor over numbered lines that starts new pages.
class PageWriter
{
  public:
    PageWriter() { pages_.emplace_back(); }

    int Line() const { return line_; }
    void SetLine(int line) { line_ = line; }
    void Put(int line, std::string text) { pages_.back()[static_cast<std::size_t>(line)] = std::move(text); }

    // Before every record: a full page continues on line 2 of a new one.
    void BeforeRecord()
    {
        if (line_ >= kListingLinesPerPage) NewPage(2);
    }
    void Record(std::string text)
    {
        Put(line_, std::move(text));
        ++line_;
    }
    // A heading always follows one empty line; one that would fall on
    // line 58 or later goes to line 2 of a new page.
    void Heading(std::string_view heading)
    {
        if (line_ >= kListingLinesPerPage - 2) NewPage(1);
        Put(line_ + 1, std::string(heading));
        line_ += 2;
    }

    std::vector<ListingPage> Take() { return std::move(pages_); }

  private:
    void NewPage(int line)
    {
        pages_.emplace_back();
        line_ = line;
    }

    std::vector<ListingPage> pages_;
    int line_ = 2;
};

} // namespace
std::string FormatChannelLine(const RadioImage& image, RecordKind kind, int slot)
{
    namespace F = ChannelField;
    const auto field = [&](int n) { return image.RecordFieldView(kind, slot, n); };
    const bool marketK = IsMarketK(image);
    const bool marketE = IsMarketE(image);

    std::string line;
    switch (kind) {
    case RecordKind::Vfo:
        line = VfoLabel(field(F::Label), marketK);
        break;
    case RecordKind::Call:
        line = CallLabel(field(F::Label), marketK);
        break;
    default:
        line = std::string(field(F::Label));
        break;
    }
    line += ' ';
    line += FormatFrequency(field(F::Frequency));
    line += "MHz ";
    line += StepText(field(F::Step));
    if (const std::string_view mode = ModeText(field(F::Mode)); !mode.empty()) {
        line += ' ';
        line += mode;
    }
    if (field(F::Tone) == "1") {
        line += " T:";
        line += ToneText(field(F::ToneIndex));
    }
    if (field(F::Ctcss) == "1") {
        line += " CT:";
        line += ToneText(field(F::CtcssIndex));
    }
    if (field(F::Dcs) == "1") {
        line += " DCS:";
        line += DcsCode(field(F::DcsIndex));
    }
    const std::string_view shift = field(F::Shift);
    if (shift == "1") {
        line += " +";
    } else if (shift == "2") {
        line += " -";
    } else if (shift == "3") {
        const int band = BandOfFrequency(field(F::Frequency), image);
        if (band == 3 || band == 14) {
            if (marketE)
                line += " -6.0MHz";
            else if (marketK)
                line += " -20.0MHz";
        } else if ((band == 2 || band == 12) && marketE) {
            line += " -7.6MHz";
        }
    }
    if (field(F::Reverse) == "1") line += " R";
    const std::string_view tx = field(F::TxFrequency);
    if ((shift == "1" || shift == "2") && tx.empty() && field(F::Offset).size() > 1) {
        line += " Offset:";
        line += FormatOffset(field(F::Offset));
        line += "MHz";
    }
    if (tx.size() > 1) {
        line += " TX:";
        line += FormatFrequency(tx);
        line += "MHz ";
    }
    if (const std::string_view name = field(F::Name); !name.empty()) {
        line += " Name:";
        line += name;
    }
    const std::string_view power = field(F::Reserved);
    if (power == "0")
        line += " RF:High";
    else if (power == "1")
        line += " RF:Low";
    else if (power == "2")
        line += " RF:EL";
    if (field(F::Lockout) == "1") line += " *";
    return line;
}

std::string FormatDtmfLine(const RadioImage& image, int slot)
{
    std::string line(image.RecordFieldView(RecordKind::Dtmf, slot, 0));
    line += ' ';
    line += image.RecordFieldView(RecordKind::Dtmf, slot, 1);
    if (const std::string_view name = image.RecordFieldView(RecordKind::Dtmf, slot, 2); !name.empty()) {
        line += " Name:";
        line += name;
    }
    return line;
}

std::string FormatProgramVfoLine(const RadioImage& image, int range)
{
    std::string_view label;
    switch (range) {
    case 1:
        label = "144MHz Program VFO : ";
        break;
    case 2:
        label = "220MHz Program VFO : ";
        break;
    case 3:
        label = IsMarketK(image) ? "440MHz Program VFO : " : "430MHz Program VFO : ";
        break;
    case 4:
        label = "1200MHz Program VFO : ";
        break;
    default:
        return {};
    }
    const int band = range - 1;
    const std::string_view lower = image.RecordFieldView(RecordKind::ProgramVfo, band, 1);
    // The 220 MHz and 1200 MHz ranges exist only on some versions.
    if ((range == 2 || range == 4) && lower.empty()) return {};
    std::string line(label);
    line += WholeNumber(lower);
    line += " - ";
    line += WholeNumber(image.RecordFieldView(RecordKind::ProgramVfo, band, 2));
    return line;
}

std::string FormatMenuLine(const RadioImage& image, int printLine)
{
    if (printLine < 0 || printLine >= kMenuPrintLines) return {};
    const MenuLine& menu = kMenuLines[printLine];
    const std::string& value = image.GetMenuSetting(menu.setting);
    if (menu.onlyWhenSet && value.empty()) return {};
    std::string line(printLine == kNarrow440PrintLine && !IsMarketK(image) ? "430MHz FM Narrow : "sv
                                                                           : menu.label);
    switch (menu.kind) {
    case Kind::Listed:
        line += ListedText(menu, value);
        break;
    case Kind::Text:
        line += value;
        break;
    case Kind::Number:
        line += WholeNumber(value);
        break;
    }
    return line;
}

std::vector<ListingPage> BuildListing(const RadioImage& image, std::string_view comment)
{
    PageWriter pages;
    if (!comment.empty()) {
        pages.Put(2, "[Comment]");
        pages.Put(3, std::string(comment));
        pages.SetLine(5);
    }
    pages.Put(pages.Line(), "[Memory Channel]");
    pages.SetLine(pages.Line() + 1);
    for (int slot = 0; slot < MemoryCount; ++slot) {
        pages.BeforeRecord();
        if (image.GetMemoryRecord(slot).size() > 1)
            pages.Record(FormatChannelLine(image, RecordKind::Memory, slot));
    }

    pages.Heading("[VFO]");
    for (int slot = 0; slot < VfoCount; ++slot) {
        pages.BeforeRecord();
        if (image.RecordFieldView(RecordKind::Vfo, slot, ChannelField::Frequency).size() > 1)
            pages.Record(FormatChannelLine(image, RecordKind::Vfo, slot));
    }
    for (int range = 1; range <= ProgramVfoCount; ++range) {
        pages.BeforeRecord();
        if (std::string line = FormatProgramVfoLine(image, range); !line.empty())
            pages.Record(std::move(line));
    }

    pages.Heading("[CALL Channel]");
    for (int slot = 0; slot < CallCount; ++slot) {
        pages.BeforeRecord();
        if (image.RecordFieldView(RecordKind::Call, slot, ChannelField::Frequency).size() > 1)
            pages.Record(FormatChannelLine(image, RecordKind::Call, slot));
    }

    pages.Heading("[DTMF Memory]");
    for (int slot = 0; slot < DtmfCount; ++slot) {
        pages.BeforeRecord();
        if (!image.RecordFieldView(RecordKind::Dtmf, slot, 1).empty())
            pages.Record(FormatDtmfLine(image, slot));
    }

    for (int printLine = 0; printLine < kMenuPrintLines; ++printLine) {
        if (printLine == 0) pages.Heading("[Menu 1]");
        if (printLine == kMenu2FirstPrintLine) pages.Heading("[Menu 2]");
        pages.BeforeRecord();
        if (std::string line = FormatMenuLine(image, printLine); !line.empty()) pages.Record(std::move(line));
    }
    return pages.Take();
}

std::string ListingText(const std::vector<ListingPage>& pages, std::string_view caption)
{
    std::string text;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) text += "\f\n";
        int last = kListingLinesPerPage - 1;
        while (last > 0 && pages[p][static_cast<std::size_t>(last)].empty())
            --last;
        for (int n = 0; n <= last; ++n) {
            text += n == 0 ? caption : std::string_view(pages[p][static_cast<std::size_t>(n)]);
            text += '\n';
        }
    }
    return text;
}
