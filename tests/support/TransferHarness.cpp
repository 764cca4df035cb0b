// Images for the transfer tests and a field-by-field comparison.
#include "support/TransferHarness.h"

#include "model/Profile.h"
#include "model/RecordCheck.h"
#include "model/Records.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <cstdio>
#include <optional>

RadioImage StartImage(const std::string& typeCode, const std::string& model)
{
    RadioImage image;
    image.SetTypeCode(typeCode);
    image.SetModel(model);
    for (int band = 0; band < BandLimitCount; ++band)
        image.SetBandLimit(band, DefaultBandLimit(band, image.MarketLetter(), image.RegionLetter(), model));
    image.LoadDefaultVfoAndCall();
    image.LoadInformationChannels();
    image.LoadDefaultMenu();
    return image;
}

namespace {

std::string Channel(int slot, long long hz, char step, const std::string& tx, const std::string& name,
                    char lockout = '0')
{
    char text[128];
    std::snprintf(text, sizeof text, "%s,%011lld,%c,1,0,1,0,0,12,08,007,000600000,0,%c,%s,%s,,",
                  MemoryLabel(slot).c_str(), hz, step, lockout, tx.c_str(),
                  tx.empty() ? "" : std::string(1, step).c_str());
    return text + name;
}

// A name that survives the trip to the radio and back in the market's set.
std::string MarketName(const RadioImage& image, int n)
{
    if (image.MarketLetter() == 'J') return "\xB1\xB2" + std::to_string(n);
    return "\xC4\xE9\x9A" + std::to_string(n);
}

} // namespace

RadioImage SampleImage(const std::string& typeCode, const std::string& model)
{
    RadioImage image = StartImage(typeCode, model);
    image.SetMemoryRecord(0, Channel(0, 145000000, '5', "", "HOME"));
    image.SetMemoryRecord(5, Channel(5, 145500000, '5', "00146100000", "RPT"));
    image.SetMemoryRecord(7, Channel(7, 144800000, '0', "", ""));
    image.SetMemoryRecord(400, Channel(400, 144000000, '0', "00144500000", "EDGE"));
    image.SetMemoryRecord(420, Channel(420, 145200000, '5', "", "A,B", '1'));
    image.SetCallRecord(2, "2,00433000000,7,0,0,0,0,0,08,08,000,005000000,0,,00438000000,7,,");
    image.SetDtmfRecord(0, "00,123");
    image.SetDtmfRecord(3, "03,12*#A,HOME");
    image.SetMenuSetting(21, "HI THERE");
    return image;
}

RadioImage FullImage(const std::string& typeCode, const std::string& model)
{
    RadioImage image = StartImage(typeCode, model);
    for (int slot = 0; slot < MemoryCount; ++slot) {
        const long long hz = 144000000LL + (slot % 100) * 12500LL;
        const std::string tx = slot % 3 == 0 ? "00145500000" : "";
        image.SetMemoryRecord(slot, Channel(slot, hz, slot % 2 ? '5' : '0', tx,
                                            MarketName(image, slot % 1000), slot % 4 == 1 ? '1' : '0'));
    }
    for (int memory = 0; memory < DtmfCount; ++memory)
        image.SetDtmfRecord(memory, "0" + std::to_string(memory) + ",1*2#ABCD 90" + std::to_string(memory) +
                                        ",DTMF" + std::to_string(memory));
    image.SetMenuSetting(0, "1");
    image.SetMenuSetting(12, "0 2  5 7");
    image.SetMenuSetting(21, image.MarketLetter() == 'J' ? "\xB1 TEST" : "\xC4 TEST");
    image.SetMenuSetting(22, "12");
    image.SetMenuSetting(35, "1");
    image.SetMenuSetting(40, "1");
    return image;
}

std::string CompareImages(const RadioImage& expected, const RadioImage& actual)
{
    std::string out;
    auto check = [&](const std::string& what, const std::string& want, const std::string& got) {
        if (want != got && out.size() < 4000)
            out += what + ": expected \"" + want + "\", got \"" + got + "\"\n";
    };
    struct Kind
    {
        RecordKind kind;
        const char* name;
        int count;
        int fields;
    };
    const Kind kinds[] = {{RecordKind::Memory, "memory", MemoryCount, ChannelField::Count},
                          {RecordKind::Vfo, "VFO", VfoCount, ChannelField::Count},
                          {RecordKind::Call, "CALL", CallCount, ChannelField::Count},
                          {RecordKind::Dtmf, "DTMF", DtmfCount, 3},
                          {RecordKind::ProgramVfo, "program VFO", ProgramVfoCount, 3},
                          {RecordKind::BandLimit, "band limit", BandLimitCount, 2}};
    for (const Kind& kind : kinds)
        for (int index = 0; index < kind.count; ++index)
            for (int field = 0; field < kind.fields; ++field)
                check(std::string(kind.name) + " " + std::to_string(index) + " field " +
                          std::to_string(field),
                      expected.GetRecordField(kind.kind, index, field),
                      actual.GetRecordField(kind.kind, index, field));
    for (int setting = 0; setting < MenuCount; ++setting)
        check("menu setting " + std::to_string(setting), expected.GetMenuSetting(setting),
              actual.GetMenuSetting(setting));
    check("type code", expected.TypeCode(), actual.TypeCode());
    check("model", expected.Model(), actual.Model());
    return out;
}

std::string WithoutLogTimes(const std::string& log)
{
    std::string out;
    std::size_t start = 0;
    while (start < log.size()) {
        const std::size_t end = std::min(log.find('\n', start), log.size());
        std::size_t digits = start;
        while (digits < end && log[digits] >= '0' && log[digits] <= '9')
            ++digits;
        const bool timed = digits > start && digits < end && log[digits] == ' ';
        if (!timed) out += "(no time) ";
        out.append(log, timed ? digits + 1 : start, end - (timed ? digits + 1 : start));
        out += '\n';
        start = end + 1;
    }
    return out;
}

void ExpectGolden(const std::string& name, const std::string& transcript)
{
    const std::string path = tslq::test::DataPath(name);
    if (std::getenv("TSLQ_UPDATE_GOLDEN")) {
        ASSERT_TRUE(tslq::test::WriteBytes(path, transcript)) << path;
        return;
    }
    const std::string golden = tslq::test::ReadBytes(path);
    if (golden == transcript) return;
    std::size_t start = 0;
    int line = 1;
    while (start < golden.size() && start < transcript.size()) {
        const std::size_t a = golden.find('\n', start);
        const std::size_t b = transcript.find('\n', start);
        if (a != b || golden.compare(start, a - start, transcript, start, b - start) != 0) break;
        start = a + 1;
        ++line;
    }
    auto lineAt = [&](const std::string& text) { return text.substr(start, text.find('\n', start) - start); };
    ADD_FAILURE() << name << " differs at line " << line << ": expected \"" << lineAt(golden) << "\", got \""
                  << lineAt(transcript) << "\"";
}

std::string MalformedCommand(std::string_view command)
{
    auto after = [command](std::string_view prefix) -> std::optional<std::string_view> {
        if (command.substr(0, prefix.size()) != prefix) return std::nullopt;
        return command.substr(prefix.size());
    };
    auto why = [](const RecordCheck& check) { return std::string(check.reason); };
    // label,rest: the label must be one of the table's, as the transfer sends it.
    auto labelled = [](std::string_view text, std::string_view& rest) {
        const std::size_t comma = text.find(',');
        const std::string_view label = text.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        return MemoryIndexOfLabel(label) >= 0 && comma != std::string_view::npos;
    };
    if (command.find('\r') != std::string_view::npos) return "CR inside the command";
    for (const char* plain : {"VOX 0", "ID", "TYD", "VMC 0,0", "VMC 1,0"})
        if (command == plain) return {};
    std::string_view rest;
    if (const auto text = after("MW 0,")) {
        if (MemoryIndexOfLabel(*text) >= 0) return {}; // bare: empties the channel
        if (!labelled(*text, rest)) return "no channel label";
        return why(CheckChannelFields(ChannelKind::Memory, rest, 1, 13));
    }
    if (const auto text = after("MW 1,")) {
        if (!labelled(*text, rest) || rest.empty()) return "no channel label or no fields";
        return why(CheckChannelFields(ChannelKind::Memory, rest, 14, 15));
    }
    if (const auto text = after("MNA ")) {
        if (!labelled(*text, rest)) return "no channel label";
        return why(CheckName(rest));
    }
    if (const auto text = after("CW 0,")) return why(CheckChannelFields(ChannelKind::Call, *text, 1, 12));
    if (const auto text = after("CW 1,")) { // transmit frequency, then the step of field 2
        const std::size_t comma = text->find(',');
        if (comma == std::string_view::npos) return "no step";
        if (const RecordCheck tx = CheckChannelFields(ChannelKind::Call, text->substr(0, comma), 14, 14); !tx)
            return why(tx);
        return why(CheckChannelFields(ChannelKind::Call, text->substr(comma + 1), 15, 15));
    }
    if (const auto text = after("VW ")) return why(CheckChannelFields(ChannelKind::Vfo, *text, 0, 12));
    if (const auto text = after("PV ")) return why(CheckProgramVfoRecord(*text));
    if (const auto text = after("DMN ")) {
        const std::size_t comma = text->find(',');
        if (comma == std::string_view::npos) return "no name";
        if (const RecordCheck number = CheckDtmfFields(text->substr(0, comma), 0, 0); !number)
            return why(number);
        return why(CheckName(text->substr(comma + 1)));
    }
    if (const auto text = after("DM ")) {
        const std::size_t comma = text->find(',');
        if (comma == std::string_view::npos) return "no code";
        return why(CheckDtmfFields(
            std::string(text->substr(0, comma + 1)) + DtmfCodeFromRadio(text->substr(comma + 1)), 0, 1));
    }
    if (const auto text = after("PC ")) {
        if (text->size() < 2 || (*text)[0] < '0' || (*text)[0] > '3' || (*text)[1] != ',') return "no index";
        return why(CheckMenuSetting(PowerSettingFirst + ((*text)[0] - '0'), text->substr(2)));
    }
    if (const auto text = after("NAR ")) {
        for (std::size_t i = 0; i < NarrowCommandIndexes.size(); ++i)
            if (text->size() >= 2 && (*text)[0] == '0' + NarrowCommandIndexes[i] && (*text)[1] == ',')
                return why(CheckMenuSetting(NarrowSettingFirst + static_cast<int>(i), text->substr(2)));
        return "no index";
    }
    for (const MenuCommandWord& word : MenuCommandWords)
        if (const auto value = after(std::string(word.word) + " "))
            return why(CheckMenuSetting(word.setting, *value));
    return "unknown command";
}
