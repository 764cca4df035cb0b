// The radio's command texts and reply layouts. Every echo length below is
// the number of characters the radio repeats from the command before the
// payload starts.
#include "link/CommandSet.h"

#include "model/RadioImage.h"
#include "model/Records.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

const std::array<MenuCommandWord, MenuWordCount> MenuCommandWords = {{
    {"BC", 0},   {"BAL", 1},  {"DL", 2},   {"ATT", 3},  {"LK", 4},    {"LMP", 5},  {"MNF", 6},  {"SV", 23},
    {"APO", 24}, {"MES", 21}, {"CNT", 22}, {"LAN", 33}, {"DLK", 19},  {"TXH", 20}, {"PT", 18},  {"TSP", 17},
    {"VXG", 27}, {"VXD", 28}, {"VXB", 26}, {"TXS", 16}, {"NSFT", 31}, {"ANT", 32}, {"ARO", 14}, {"CKEY", 29},
    {"TH", 30},  {"ELK", 15}, {"BEP", 25}, {"SCR", 11}, {"DATP", 34}, {"MGL", 12}, {"MRM", 13}, {"BAT", 40},
}};

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

std::string Digit(int value)
{
    return std::string(1, HexDigits[static_cast<unsigned>(value) & 0xF]);
}

// Echo of "MR 1,<label>," and "MNA <label>,": the label plus five or four
// characters; scan-edge labels are one character shorter.
std::size_t LabelEcho(int slot, std::size_t base)
{
    return IsScanEdgeSlot(slot) ? base - 1 : base;
}

// ",f<first>,...,f<last>" for a record.
std::string JoinFields(const RadioImage& image, RecordKind kind, int index, int first, int last)
{
    std::string out;
    for (int field = first; field <= last; ++field) {
        out += ',';
        out += image.RecordFieldView(kind, index, field);
    }
    return out;
}

} // namespace

bool IsScanEdgeSlot(int slot)
{
    return slot >= ScanEdgeFirst && slot < PriorityFirst;
}

RadioCommand WakeUpCommand()
{
    return {"VOX 0", 0};
}
RadioCommand IdentityCommand()
{
    return {"ID", 3};
}
RadioCommand TypeCommand()
{
    return {"TYD", 4};
}
RadioCommand BandLimitQuery(int group)
{
    return {"FL " + std::to_string(group), 3};
}
RadioCommand MemoryQuery(int slot)
{
    return {"MR 0," + MemoryLabel(slot), 5};
}
RadioCommand MemoryTxQuery(int slot)
{
    return {"MR 1," + MemoryLabel(slot), LabelEcho(slot, 9)};
}
RadioCommand MemoryNameQuery(int slot)
{
    return {"MNA " + MemoryLabel(slot), LabelEcho(slot, 8)};
}
RadioCommand CallQuery(int slot, int part)
{
    return {"CR " + std::to_string(slot) + (part == 0 ? ",0" : ",1"), 7};
}
RadioCommand VfoQuery(int band)
{
    return {"VR " + Digit(band), 3};
}
RadioCommand ProgramVfoQuery(int index)
{
    return {"PV " + std::to_string(index), 3};
}
RadioCommand DtmfQuery(int memory)
{
    return {"DM " + DtmfNumber(memory), 3};
}
RadioCommand DtmfNameQuery(int memory)
{
    return {"DMN " + DtmfNumber(memory), 7};
}
RadioCommand PowerQuery(int k)
{
    return {"PC " + Digit(k), 5};
}
RadioCommand NarrowQuery(int k)
{
    return {"NAR " + Digit(k), 6};
}
RadioCommand MenuQuery(std::size_t wordIndex)
{
    std::string word = MenuCommandWords[wordIndex].word;
    std::size_t echo = word.size() + 1;
    return {std::move(word), echo};
}

std::string DtmfNumber(int memory)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", memory);
    return text;
}

void ReplyAssembler::Feed(std::string_view bytes)
{
    for (char c : bytes) {
        if (c == CommandEnd) continue;
        if (dropped_.size() < echo_) {
            dropped_ += c;
            continue;
        }
        if (payload_.size() < ReplyPayloadCapacity)
            payload_ += c;
        else
            cut_ = true;
    }
}

std::string AssemblePayload(std::string_view bytes, std::size_t echo)
{
    ReplyAssembler assembler(echo);
    assembler.Feed(bytes);
    return assembler.Payload();
}

std::string CompleteToLayout(std::string_view payload, std::size_t fields)
{
    std::string out(payload);
    for (std::size_t count = static_cast<std::size_t>(std::count(payload.begin(), payload.end(), ',')) + 1;
         count < fields; ++count)
        out += ',';
    return out;
}

bool IsEmptyMemoryReply(std::string_view r0)
{
    return r0.size() < 5;
}

std::string ApplyInformationStepFix(int slot, std::string_view r0, char market)
{
    std::string out(r0);
    if (market != 'J') return out;
    const std::size_t start = IsScanEdgeSlot(slot) ? 3 : 4;
    if (out.size() < start + 13) return out;
    const std::string_view part = std::string_view(out).substr(start, 13);
    if (part == "00095750000,B" || part == "00101750000,B" || part == "00107750000,B") out[start + 12] = 'A';
    return out;
}

std::string MemoryRecordFromReplies(int slot, std::string_view r0, std::string_view r1, std::string_view name,
                                    char market)
{
    if (IsEmptyMemoryReply(r0)) return {};
    std::string record = CompleteToLayout(ApplyInformationStepFix(slot, r0, market), 14);
    const bool hasTx = IsScanEdgeSlot(slot) ? r1.size() >= 5 : !r1.empty();
    if (hasTx) {
        record += ',';
        record += CompleteToLayout(r1, 2);
    } else {
        record += ",,";
    }
    record += ",,";
    if (!name.empty()) record += NameFromRadio(name, market);
    return record;
}

bool IsEmptyCallReply(std::string_view c0)
{
    return c0.size() < 3;
}

std::string CallRecordFromReplies(int slot, std::string_view c0, std::string_view c1)
{
    if (IsEmptyCallReply(c0)) return {};
    std::string record = std::to_string(slot) + "," + CompleteToLayout(c0, 12);
    if (!c1.empty()) {
        record += ",,";
        record += CompleteToLayout(c1, 2);
        record += ',';
    } else {
        record += ",,,,";
    }
    return record;
}

std::string VfoRecordFromReply(std::string_view payload)
{
    if (payload.empty()) return {};
    return CompleteToLayout(payload, 13) + ",,,,,";
}

bool IsEmptyDtmfReply(std::string_view dm)
{
    return dm.size() < 4;
}

std::string DtmfRecordFromReplies(int memory, std::string_view dm, std::string_view name, char market)
{
    const std::size_t comma = dm.find(',');
    const std::string_view code = comma == std::string_view::npos ? std::string_view() : dm.substr(comma + 1);
    std::string record = DtmfNumber(memory) + "," + DtmfCodeFromRadio(code) + ",";
    if (!name.empty()) record += NameFromRadio(name, market);
    return record;
}

void StoreBandLimits(RadioImage& image, int group, std::string_view payload)
{
    const int first = group == 0 ? 0 : 4;
    const int last = group == 0 ? 3 : 13;
    for (int band = first; band <= last; ++band)
        image.SetBandLimit(band, "");

    const std::string_view list = payload.size() > 2 ? payload.substr(2) : std::string_view{};
    if (list.empty()) return;
    int nextBand = 4;
    std::size_t pos = 0;
    auto nextToken = [&](std::string_view& token) {
        if (pos > list.size()) return false;
        const std::size_t comma = list.find(',', pos);
        const std::size_t end = comma == std::string_view::npos ? list.size() : comma;
        token = list.substr(pos, end - pos);
        pos = end + 1;
        return true;
    };
    std::string_view lower, upper;
    while (nextToken(lower) && nextToken(upper)) {
        const std::string limit = std::string(lower) + "," + std::string(upper);
        if (group == 0) {
            int band = 3;
            if (lower < "00200")
                band = 0;
            else if (lower < "00300")
                band = 1;
            else if (lower < "00500")
                band = 2;
            image.SetBandLimit(band, limit);
        } else if (nextBand <= last) {
            image.SetBandLimit(nextBand++, limit);
        }
    }
}

namespace {

// The radio's character set for names outside market J: its bytes 0x80-0x9F
// are the accented capitals of windows-1252 (0xC0-0xDF), and five letters
// stand elsewhere (radio byte, windows-1252 byte).
constexpr std::pair<unsigned char, unsigned char> MovedLetters[] = {
    {0x97, 0x9A}, {0x9E, 0x8A}, {0xA0, 0x8C}, {0xF7, 0x9C}, {0xFE, 0x9F},
};

struct NameTables
{
    std::array<unsigned char, 256> fromRadio;
    std::array<unsigned char, 256> toRadio;
};

constexpr NameTables MakeNameTables()
{
    NameTables t{};
    for (int b = 0; b < 256; ++b) {
        t.fromRadio[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
        t.toRadio[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
    }
    for (int b = 0x80; b <= 0x9F; ++b) {
        t.fromRadio[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b + 0x40);
        t.toRadio[static_cast<std::size_t>(b + 0x40)] = static_cast<unsigned char>(b);
    }
    for (const auto& [radio, windows] : MovedLetters) {
        t.fromRadio[radio] = windows;
        t.toRadio[windows] = radio;
    }
    return t;
}

constexpr NameTables NameBytes = MakeNameTables();

std::string MapName(std::string_view bytes, char market, const std::array<unsigned char, 256>& table)
{
    std::string out(bytes);
    if (market == 'J') return out;
    for (char& c : out)
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    return out;
}

} // namespace

std::string NameFromRadio(std::string_view bytes, char market)
{
    return MapName(bytes, market, NameBytes.fromRadio);
}

std::string NameToRadio(std::string_view bytes, char market)
{
    return MapName(bytes, market, NameBytes.toRadio);
}

std::string DtmfCodeToRadio(std::string_view code)
{
    std::string out(code);
    for (char& c : out) {
        if (c == '*')
            c = 'E';
        else if (c == '#')
            c = 'F';
    }
    return out;
}

std::string DtmfCodeFromRadio(std::string_view code)
{
    std::string out(code);
    for (char& c : out) {
        if (c == 'E')
            c = '*';
        else if (c == 'F')
            c = '#';
    }
    return out;
}

bool MemoryHasChannel(const RadioImage& image, int slot)
{
    return !image.RecordFieldView(RecordKind::Memory, slot, ChannelField::Frequency).empty();
}

bool MemoryHasTxPart(const RadioImage& image, int slot)
{
    return !image.RecordFieldView(RecordKind::Memory, slot, ChannelField::TxFrequency).empty();
}

std::string MemoryWriteCommand(const RadioImage& image, int slot)
{
    std::string command = "MW 0," + MemoryLabel(slot);
    if (MemoryHasChannel(image, slot))
        command +=
            JoinFields(image, RecordKind::Memory, slot, ChannelField::Frequency, ChannelField::Lockout);
    return command;
}

std::string MemoryTxWriteCommand(const RadioImage& image, int slot)
{
    return "MW 1," + MemoryLabel(slot) +
           JoinFields(image, RecordKind::Memory, slot, ChannelField::TxFrequency, ChannelField::TxStep);
}

std::string MemoryNameWriteCommand(const RadioImage& image, int slot)
{
    return "MNA " + MemoryLabel(slot) + "," +
           NameToRadio(image.RecordFieldView(RecordKind::Memory, slot, ChannelField::Name),
                       image.MarketLetter());
}

bool CallHasChannel(const RadioImage& image, int slot)
{
    return !image.RecordFieldView(RecordKind::Call, slot, ChannelField::Frequency).empty();
}

bool CallHasTxPart(const RadioImage& image, int slot)
{
    return !image.RecordFieldView(RecordKind::Call, slot, ChannelField::TxFrequency).empty();
}

std::string CallWriteCommand(const RadioImage& image, int slot)
{
    return "CW 0" + JoinFields(image, RecordKind::Call, slot, ChannelField::Frequency, ChannelField::Mode);
}

std::string CallTxWriteCommand(const RadioImage& image, int slot)
{
    // The radio takes the transmit frequency with the receive step.
    return "CW 1" +
           JoinFields(image, RecordKind::Call, slot, ChannelField::TxFrequency, ChannelField::TxFrequency) +
           JoinFields(image, RecordKind::Call, slot, ChannelField::Step, ChannelField::Step);
}

bool VfoHasChannel(const RadioImage& image, int band)
{
    return !image.RecordFieldView(RecordKind::Vfo, band, ChannelField::Frequency).empty();
}

std::string VfoWriteCommand(const RadioImage& image, int band)
{
    return "VW " + std::string(image.RecordFieldView(RecordKind::Vfo, band, ChannelField::Label)) +
           JoinFields(image, RecordKind::Vfo, band, ChannelField::Frequency, ChannelField::Mode);
}

bool ProgramVfoHasRange(const RadioImage& image, int index)
{
    return !image.RecordFieldView(RecordKind::ProgramVfo, index, 1).empty();
}

std::string ProgramVfoWriteCommand(const RadioImage& image, int index)
{
    return "PV " + std::string(image.RecordFieldView(RecordKind::ProgramVfo, index, 0)) +
           JoinFields(image, RecordKind::ProgramVfo, index, 1, 2);
}

std::string DtmfWriteCommand(const RadioImage& image, int memory)
{
    const std::string_view code = image.RecordFieldView(RecordKind::Dtmf, memory, 1);
    if (code.empty()) return "DM " + DtmfNumber(memory) + ",";
    return "DM " + std::string(image.RecordFieldView(RecordKind::Dtmf, memory, 0)) + "," +
           DtmfCodeToRadio(code);
}

std::string DtmfNameWriteCommand(const RadioImage& image, int memory)
{
    const std::string_view name = image.RecordFieldView(RecordKind::Dtmf, memory, 2);
    if (name.empty()) return "DMN " + DtmfNumber(memory) + ",";
    return "DMN " + std::string(image.RecordFieldView(RecordKind::Dtmf, memory, 0)) + "," +
           NameToRadio(name, image.MarketLetter());
}

std::string PowerWriteCommand(const RadioImage& image, int k)
{
    return "PC " + Digit(k) + "," + image.GetMenuSetting(PowerSettingFirst + k);
}

std::string NarrowWriteCommand(const RadioImage& image, int k)
{
    int setting = NarrowSettingFirst;
    for (std::size_t i = 0; i < NarrowCommandIndexes.size(); ++i)
        if (NarrowCommandIndexes[i] == k) setting = NarrowSettingFirst + static_cast<int>(i);
    return "NAR " + Digit(k) + "," + image.GetMenuSetting(setting);
}

std::string MenuWriteCommand(const RadioImage& image, std::size_t wordIndex)
{
    const MenuCommandWord& word = MenuCommandWords[wordIndex];
    std::string value = image.GetMenuSetting(word.setting);
    if (word.setting == MessageSetting) value = NameToRadio(value, image.MarketLetter());
    return std::string(word.word) + " " + value;
}

int TransferMaximum(LinkScope scope)
{
    int maximum = 0;
    if (scope == LinkScope::All || scope == LinkScope::Memory) maximum += 461;
    if (scope == LinkScope::All || scope == LinkScope::Menu) maximum += 37;
    return maximum;
}
