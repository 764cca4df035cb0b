// The simulated radio's command handling. The radio keeps names, the
// power-on message and DTMF codes in its own form (its character set, 'E'
// and 'F' for '*' and '#'); the conversions happen only where an image from
// the program comes in or goes out.
#include "sim/VirtualRadio.h"

#include "link/CommandSet.h"
#include "model/FieldTexts.h"
#include "model/Profile.h"
#include "model/Records.h"

#include <algorithm>

namespace {

constexpr const char* ErrorReply = "?";
constexpr const char* EmptyReply = "N";

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// Fields first..last of a record, joined by commas (no leading comma).
std::string Fields(std::string_view record, int first, int last)
{
    std::string out;
    for (int field = first; field <= last; ++field) {
        if (field > first) out += ',';
        out += RecordField(record, field);
    }
    return out;
}

// Decimal number of a short all-digit text, or -1.
int SmallNumber(std::string_view text)
{
    if (text.empty() || text.size() > 3) return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The record with its name field (which runs to the end) replaced.
std::string WithName(std::string_view record, std::string_view name)
{
    return Fields(record, 0, ChannelField::Reserved) + "," + std::string(name);
}

std::string Garbled(std::string_view reply)
{
    // Noise that keeps the reply's length and its CR, so the far side sees
    // a complete but meaningless line.
    static constexpr char Noise[] = {'~', '\xA5', ',', '?', '#', '\xFF', '0', '%'};
    std::string out;
    for (std::size_t i = 0; i + 1 < reply.size(); ++i)
        out += Noise[i % sizeof Noise];
    out += CommandEnd;
    return out;
}

// A reply (with its CR) cut before its n-th comma, or with one field more.
std::string Altered(std::string_view reply, const VirtualRadioFaults& faults)
{
    std::string text(reply.substr(0, reply.size() - 1));
    if (faults.extraField) text += ",0";
    std::size_t at = 0;
    for (int comma = 0; comma < faults.cutBeforeComma && at != std::string::npos; ++comma)
        at = text.find(',', comma == 0 ? 0 : at + 1);
    if (faults.cutBeforeComma > 0 && at != std::string::npos) text.resize(at);
    return text + CommandEnd;
}

// Converts the names, the message and the DTMF codes of an image.
RadioImage ConvertNames(const RadioImage& from, bool toRadio)
{
    RadioImage image = from;
    const char market = image.MarketLetter();
    auto name = [&](std::string_view text) {
        return toRadio ? NameToRadio(text, market) : NameFromRadio(text, market);
    };
    for (int slot = 0; slot < MemoryCount; ++slot) {
        const std::string& record = from.GetMemoryRecord(slot);
        if (!RecordField(record, ChannelField::Name, true).empty())
            image.SetMemoryRecord(slot,
                                  WithName(record, name(RecordField(record, ChannelField::Name, true))));
    }
    for (int memory = 0; memory < DtmfCount; ++memory) {
        const std::string& record = from.GetDtmfRecord(memory);
        if (record.empty()) continue;
        const std::string_view code = RecordField(record, 1);
        std::string converted = std::string(RecordField(record, 0)) + "," +
                                (toRadio ? DtmfCodeToRadio(code) : DtmfCodeFromRadio(code)) + "," +
                                name(RecordField(record, 2, true));
        image.SetDtmfRecord(memory, converted);
    }
    image.SetMenuSetting(MessageSetting, name(from.GetMenuSetting(MessageSetting)));
    return image;
}

} // namespace

bool IsWriteCommand(std::string_view command)
{
    if (StartsWith(command, "MW ") || StartsWith(command, "CW ") || StartsWith(command, "VW ")) return true;
    if (StartsWith(command, "VOX ") || StartsWith(command, "VMC ") || StartsWith(command, "FL "))
        return false;
    // The others carry a value after their first comma ("MNA 000,NAME",
    // "PV 0,...", "DM 03,...", "PC 0,1"), the menu words after a blank.
    const std::size_t blank = command.find(' ');
    if (blank == std::string_view::npos) return false;
    const std::string_view word = command.substr(0, blank);
    if (word == "MNA" || word == "PV" || word == "DM" || word == "DMN" || word == "PC" || word == "NAR")
        return command.find(',', blank) != std::string_view::npos;
    for (const MenuCommandWord& entry : MenuCommandWords)
        if (word == entry.word) return true;
    return false;
}

RadioImage NewRadioImage(std::string_view typeCode, std::string_view model)
{
    RadioImage image;
    image.SetTypeCode(typeCode);
    image.SetModel(model);
    for (int band = 0; band < BandLimitCount; ++band)
        image.SetBandLimit(band,
                           DefaultBandLimit(band, image.MarketLetter(), image.RegionLetter(), image.Model()));
    image.LoadDefaultVfoAndCall();
    image.LoadDefaultMenu();
    image.LoadInformationChannels();
    return image;
}

VirtualRadio::VirtualRadio(std::string_view typeCode, std::string_view model)
    : VirtualRadio(NewRadioImage(typeCode, model))
{
}

VirtualRadio::VirtualRadio(const RadioImage& contents) : memory_(ConvertNames(contents, true)) {}

RadioImage VirtualRadio::Contents() const
{
    return ConvertNames(memory_, false);
}

bool VirtualRadio::BandPresent(int band) const
{
    return band >= 0 && band < BandLimitCount && !memory_.BandLimit(band).empty();
}

std::optional<std::string> VirtualRadio::TakeCommandLine(std::string& pending)
{
    const std::size_t end = pending.find(CommandEnd);
    if (end == std::string::npos) {
        if (pending.size() > MaxCommandLength) pending.clear();
        return std::nullopt;
    }
    std::string line;
    for (std::size_t i = 0; i < end; ++i) {
        const char c = pending[i];
        if (c != '\n' && c != '\x11' && c != '\x13') line += c;
    }
    pending.erase(0, end + 1);
    if (line.size() > MaxCommandLength) line.resize(MaxCommandLength);
    return line;
}

std::string VirtualRadio::Feed(std::string_view bytes)
{
    pending_.append(bytes);
    std::string replies;
    while (!hungUp_) {
        std::optional<std::string> line = TakeCommandLine(pending_);
        if (!line) break;
        if (std::optional<std::string> reply = Respond(*line)) replies += *reply;
    }
    if (hungUp_) pending_.clear();
    return replies;
}

std::optional<std::string> VirtualRadio::Respond(std::string_view command)
{
    if (hungUp_) return std::nullopt;
    ++commands_;
    std::string reply;
    if (IsWriteCommand(command) && ++writes_ == faults_.ignoreWrite) {
        // Acknowledged, and forgotten.
        const RadioImage kept = memory_;
        const int keptCallSlot = lastCallSlot_;
        reply = Answer(command) + CommandEnd;
        memory_ = kept;
        lastCallSlot_ = keptCallSlot;
    } else {
        reply = Answer(command) + CommandEnd;
    }
    if (!faults_.alterRepliesTo.empty() && StartsWith(command, faults_.alterRepliesTo))
        reply = Altered(reply, faults_);
    if (faults_.hangUpAfter > 0 && commands_ >= faults_.hangUpAfter) hungUp_ = true;
    if (commands_ == faults_.dropReply) return std::nullopt;
    if (faults_.garble > 0 && commands_ >= faults_.garble && commands_ < faults_.garble + faults_.garbleCount)
        return Garbled(reply);
    return reply;
}

std::string VirtualRadio::Answer(std::string_view command)
{
    if (StartsWith(command, "VOX ") || StartsWith(command, "VMC ")) return std::string(command);
    if (command == "ID") return "ID " + (identity_.empty() ? memory_.Model() : identity_);
    if (command == "TYD") return "TYD " + memory_.TypeCode();
    if (command == "FL 0" || command == "FL 1") {
        const bool groupA = command == "FL 0";
        std::string reply = std::string(command) + ",";
        bool first = true;
        for (int band = groupA ? 0 : 4; band <= (groupA ? 3 : 13); ++band) {
            if (!BandPresent(band)) continue;
            if (!first) reply += ',';
            reply += memory_.BandLimit(band);
            first = false;
        }
        return reply;
    }
    if (StartsWith(command, "MR ") || StartsWith(command, "MW ") || StartsWith(command, "MNA "))
        return AnswerMemory(command);
    if (StartsWith(command, "CR ") || StartsWith(command, "CW ")) return AnswerCall(command);
    if (StartsWith(command, "VR ") && command.size() == 4) {
        const int band = BandOfCode(command[3]);
        const std::string& record = memory_.GetVfoRecord(band);
        if (!BandPresent(band) || record.empty()) return EmptyReply;
        return "VR " + Fields(record, 0, ChannelField::Mode);
    }
    if (StartsWith(command, "VW ") && command.size() > 4) {
        const std::string_view fields = command.substr(3);
        const std::string_view code = RecordField(fields, 0);
        const int band = code.size() == 1 ? BandOfCode(code[0]) : -1;
        if (!BandPresent(band)) return EmptyReply;
        memory_.SetVfoRecord(band, Fields(fields, 0, ChannelField::Mode) + ",,,,,");
        return std::string(command);
    }
    if (StartsWith(command, "PV ")) {
        const std::string_view rest = command.substr(3);
        const int index = SmallNumber(RecordField(rest, 0));
        if (index < 0 || index >= ProgramVfoCount) return ErrorReply;
        if (rest.find(',') == std::string_view::npos) {
            const std::string& record = memory_.GetProgramVfoRecord(index);
            return record.empty() ? std::string(EmptyReply) : "PV " + record;
        }
        memory_.SetProgramVfoRecord(index, Fields(rest, 0, 2));
        return std::string(command);
    }
    if (StartsWith(command, "DM ") || StartsWith(command, "DMN ")) return AnswerDtmf(command);
    return AnswerMenu(command);
}

std::string VirtualRadio::AnswerMemory(std::string_view command)
{
    const bool query = StartsWith(command, "MR ");
    const bool name = StartsWith(command, "MNA ");
    const bool txPart = !name && command.size() > 3 && command[3] == '1';
    if (!name && (command.size() < 5 || (command[3] != '0' && command[3] != '1') || command[4] != ','))
        return ErrorReply;
    const std::string_view rest = command.substr(name ? 4 : 5);
    const std::string_view label = RecordField(rest, 0);
    const int slot = MemoryIndexOfLabel(label);
    if (slot < 0) return ErrorReply;
    const std::string record = memory_.GetMemoryRecord(slot);
    const bool hasFields = rest.size() > label.size();

    if (query || (name && !hasFields)) {
        if (record.empty()) return EmptyReply;
        if (name)
            return "MNA " + std::string(label) + "," +
                   std::string(RecordField(record, ChannelField::Name, true));
        if (!txPart) return "MR 0," + Fields(record, 0, ChannelField::Lockout);
        if (RecordField(record, ChannelField::TxFrequency).empty()) return EmptyReply;
        return "MR 1," + std::string(label) + "," +
               Fields(record, ChannelField::TxFrequency, ChannelField::TxStep);
    }

    if (name) {
        if (record.empty()) return EmptyReply;
        memory_.SetMemoryRecord(slot, WithName(record, rest.substr(label.size() + 1)));
    } else if (!txPart) {
        // A complete channel replaces the old one without its transmit part
        // and name; a bare label empties the channel.
        memory_.SetMemoryRecord(
            slot, hasFields ? std::string(label) + "," +
                                  Fields(rest, ChannelField::Frequency, ChannelField::Lockout) + ",,,,"
                            : std::string());
    } else {
        if (record.empty()) return EmptyReply;
        memory_.SetMemoryRecord(slot, Fields(record, 0, ChannelField::Lockout) + "," + Fields(rest, 1, 2) +
                                          ",," + std::string(RecordField(record, ChannelField::Name, true)));
    }
    return std::string(command);
}

std::string VirtualRadio::AnswerCall(std::string_view command)
{
    if (StartsWith(command, "CR ")) {
        if (command.size() != 6 || command[4] != ',' || (command[5] != '0' && command[5] != '1'))
            return ErrorReply;
        const int slot = SmallNumber(command.substr(3, 1));
        if (slot < 0 || slot >= CallCount) return ErrorReply;
        const std::string& record = memory_.GetCallRecord(slot);
        if (!BandPresent(slot) || record.empty()) return EmptyReply;
        if (command[5] == '0')
            return std::string(command) + "," + Fields(record, ChannelField::Frequency, ChannelField::Mode);
        if (RecordField(record, ChannelField::TxFrequency).empty()) return EmptyReply;
        return std::string(command) + "," + Fields(record, ChannelField::TxFrequency, ChannelField::TxStep);
    }
    if (command.size() < 5 || command[4] != ',' || (command[3] != '0' && command[3] != '1'))
        return ErrorReply;
    const std::string_view fields = command.substr(4); // ",f1,f2,..." : field n is RecordField(fields, n)
    if (command[3] == '0') {
        // The slot is the CALL channel of the band the frequency lies in.
        const int band = BandOfFrequency(RecordField(fields, 1), memory_);
        if (band < 0 || band >= CallCount || !BandPresent(band)) return EmptyReply;
        memory_.SetCallRecord(band, std::string(1, BandCodeChar(band)) + "," +
                                        Fields(fields, ChannelField::Frequency, ChannelField::Mode) +
                                        ",,,,,");
        lastCallSlot_ = band;
    } else {
        const std::string& record = memory_.GetCallRecord(lastCallSlot_);
        if (record.empty()) return EmptyReply;
        memory_.SetCallRecord(lastCallSlot_,
                              Fields(record, 0, ChannelField::Mode) + ",," + Fields(fields, 1, 2) + ",,");
    }
    return std::string(command);
}

std::string VirtualRadio::AnswerDtmf(std::string_view command)
{
    const bool name = StartsWith(command, "DMN ");
    const std::string_view rest = command.substr(name ? 4 : 3);
    const std::string_view number = RecordField(rest, 0);
    const int memory = number.size() == 2 ? SmallNumber(number) : -1;
    if (memory < 0 || memory >= DtmfCount) return ErrorReply;
    const std::string record = memory_.GetDtmfRecord(memory);
    const std::string dd = DtmfNumber(memory);
    if (rest.size() == number.size()) {
        if (name) return "DMN " + dd + "," + std::string(RecordField(record, 2, true));
        if (RecordField(record, 1).empty()) return EmptyReply;
        return "DM " + dd + "," + std::string(RecordField(record, 1));
    }
    const std::string_view value = rest.substr(number.size() + 1);
    if (name) {
        if (!record.empty() || !value.empty())
            memory_.SetDtmfRecord(memory,
                                  dd + "," + std::string(RecordField(record, 1)) + "," + std::string(value));
    } else if (value.empty()) {
        memory_.SetDtmfRecord(memory, "");
    } else {
        memory_.SetDtmfRecord(memory, dd + "," + std::string(value) + "," +
                                          std::string(RecordField(record, 2, true)));
    }
    return std::string(command);
}

std::string VirtualRadio::AnswerMenu(std::string_view command)
{
    const std::size_t blank = command.find(' ');
    const std::string_view word = command.substr(0, blank);
    const bool set = blank != std::string_view::npos;
    const std::string_view rest = set ? command.substr(blank + 1) : std::string_view{};

    int setting = -1;
    std::string_view value = rest;
    if (word == "PC" || word == "NAR") {
        const std::string_view index = RecordField(rest, 0);
        const int k = index.size() == 1 ? SmallNumber(index) : -1;
        if (word == "PC" && k >= 0 && k < PowerCommandCount) setting = PowerSettingFirst + k;
        const auto* found = std::find(NarrowCommandIndexes.begin(), NarrowCommandIndexes.end(), k);
        if (word == "NAR" && found != NarrowCommandIndexes.end())
            setting = NarrowSettingFirst + static_cast<int>(found - NarrowCommandIndexes.begin());
        if (setting < 0) return ErrorReply;
        if (rest.size() == index.size()) return std::string(command) + "," + memory_.GetMenuSetting(setting);
        value = rest.substr(index.size() + 1);
    } else {
        for (const MenuCommandWord& entry : MenuCommandWords)
            if (word == entry.word) setting = entry.setting;
        if (setting < 0) return ErrorReply;
        if (!set) return std::string(word) + " " + memory_.GetMenuSetting(setting);
    }
    memory_.SetMenuSetting(setting, value);
    return std::string(command);
}
