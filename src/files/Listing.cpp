// Listing lines and page layout of the printout.
#include "files/Listing.h"

#include "model/FieldTexts.h"
#include "model/MenuTexts.h"

#include <initializer_list>

namespace {

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

// Print order follows the groups of the two menu pages, not the indices.
struct MenuLine
{
    int setting;
    // Nothing at all is printed while the stored value is empty.
    bool onlyWhenSet = false;
};

const MenuLine kMenuLines[kMenuPrintLines] = {
    {0},  {1},       {2},        {3},  {4},  {5},  {6},  {23}, {24}, {21}, {22},       {33}, {19},       {20},
    {18}, {17},      {27},       {26}, {28}, {16}, {32}, {31}, {39}, {35}, {36, true}, {37}, {38, true}, {7},
    {8},  {9, true}, {10, true}, {14}, {29}, {30}, {15}, {25}, {11}, {34}, {12},       {13}, {40},
};

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
    std::string line(MenuSettingLabel(menu.setting, image.MarketLetter()));
    line += " : ";
    line += MenuSettingValueText(menu.setting, value);
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
