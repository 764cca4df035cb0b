// Reply shapes of the read. A reply may stop early: its missing fields read
// as empty, and the read completes it to its layout before it joins the next
// one, so no field lands in another's place. A reply with more fields than
// its layout is garbled (a name may hold commas: it has no layout). The
// fields themselves are judged by the core's record check, the same one that
// data files pass.
#include "link/ReplyCheck.h"

#include "model/FieldTexts.h"
#include "model/Records.h"
#include "model/Translatable.h"

#include <algorithm>
#include <string>

namespace {

constexpr RecordCheck Pass{};

constexpr RecordCheck Fail(std::string_view reason)
{
    return RecordCheck{reason};
}

std::size_t FieldCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), ',')) + 1;
}

std::string_view FirstField(std::string_view text)
{
    return text.substr(0, text.find(','));
}

bool AllDigits(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

RecordCheck BandLimits(int group, std::string_view payload)
{
    if (payload[0] != static_cast<char>('0' + group) || payload[1] != ',')
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "not the group asked for"));
    std::string_view list = payload.substr(2);
    // Pairs of bounds of one width: 5 digits (MHz) or 7 (10 kHz). A last
    // bound without its pair (a trailing comma leaves an empty one) is
    // passed over, as the read passes it over; noise in its place is not.
    while (true) {
        const std::size_t comma = list.find(',');
        if (comma == std::string_view::npos) {
            if (list.size() <= 7 && (list.empty() || AllDigits(list))) return Pass;
            return Fail(QT_TRANSLATE_NOOP("CheckReasons", "band limit is not two numbers of 5 or 7 digits"));
        }
        const std::string_view lower = list.substr(0, comma);
        list.remove_prefix(comma + 1);
        const std::size_t next = list.find(',');
        const std::string_view upper = list.substr(0, next);
        if (!AllDigits(lower) || (lower.size() != 5 && lower.size() != 7) || upper.size() != lower.size() ||
            !AllDigits(upper))
            return Fail(QT_TRANSLATE_NOOP("CheckReasons", "band limit is not two numbers of 5 or 7 digits"));
        if (next == std::string_view::npos) return Pass;
        list.remove_prefix(next + 1);
    }
}

RecordCheck TypeCode(std::string_view payload)
{
    if (payload.size() == 5 && IsUpper(payload[0]) && IsUpper(payload[1]) && payload[2] == ',' &&
        IsHexDigit(payload[3]) && IsHexDigit(payload[4]))
        return Pass;
    return Fail(QT_TRANSLATE_NOOP("CheckReasons",
                                  "type code is not two letters, a comma and two hexadecimal digits"));
}

RecordCheck Dtmf(int memory, std::string_view payload)
{
    const std::string_view number = FirstField(payload);
    if (!AllDigits(number) || number.size() > 3 || std::stoi(std::string(number)) != memory)
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "not the DTMF memory asked for"));
    return CheckDtmfFields(DtmfCodeFromRadio(payload), 0, 1);
}

RecordCheck ProgramVfo(int band, std::string_view payload)
{
    if (FirstField(payload) != std::string(1, static_cast<char>('0' + band)))
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "not the band asked for"));
    return CheckProgramVfoRecord(payload);
}

} // namespace

std::size_t LayoutFieldCount(ReplyShape shape)
{
    switch (shape) {
    case ReplyShape::Memory: // the label and fields 1..13
        return 14;
    case ReplyShape::Vfo: // the band code and fields 1..12
        return 13;
    case ReplyShape::Call: // fields 1..12
        return 12;
    case ReplyShape::MemoryTx: // fields 14 and 15
    case ReplyShape::CallTx:
    case ReplyShape::Dtmf: // the number and the code
        return 2;
    case ReplyShape::ProgramVfo: // the band, lower and upper MHz
        return 3;
    case ReplyShape::Unchecked:
    case ReplyShape::Identity:
    case ReplyShape::Type:
    case ReplyShape::BandLimits:
    case ReplyShape::MemoryName:
    case ReplyShape::DtmfName:
    case ReplyShape::Menu:
        break;
    }
    return 0;
}

bool IsShortPayload(const ReplyExpectation& expected, std::string_view payload)
{
    const std::size_t layout = LayoutFieldCount(expected.shape);
    return layout > 0 && !IsEmptyPayload(expected, payload) && FieldCount(payload) < layout;
}

std::string EchoOf(const RadioCommand& command)
{
    std::string echo = command.text;
    if (command.echo > echo.size()) echo += command.text.find(' ') == std::string::npos ? ' ' : ',';
    echo.resize(std::min(echo.size(), command.echo));
    return echo;
}

bool IsEmptyPayload(const ReplyExpectation& expected, std::string_view payload)
{
    switch (expected.shape) {
    case ReplyShape::Unchecked:
    case ReplyShape::Identity:
    case ReplyShape::Type:
        return false;
    case ReplyShape::BandLimits:
        return payload.size() < 3;
    case ReplyShape::Memory:
        return IsEmptyMemoryReply(payload);
    case ReplyShape::MemoryTx:
        return IsScanEdgeSlot(expected.index) ? payload.size() < 5 : payload.empty();
    case ReplyShape::Call:
        return IsEmptyCallReply(payload);
    case ReplyShape::Dtmf:
        return IsEmptyDtmfReply(payload);
    case ReplyShape::MemoryName:
    case ReplyShape::CallTx:
    case ReplyShape::Vfo:
    case ReplyShape::ProgramVfo:
    case ReplyShape::DtmfName:
    case ReplyShape::Menu:
        break;
    }
    return payload.empty();
}

RecordCheck CheckReply(const RadioCommand& command, const ReplyExpectation& expected, std::string_view echo,
                       std::string_view payload, bool cut, char market)
{
    if (expected.shape == ReplyShape::Unchecked || IsEmptyPayload(expected, payload)) return Pass;
    if (echo != EchoOf(command))
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "the reply does not echo its command"));
    if (cut) return Fail(QT_TRANSLATE_NOOP("CheckReasons", "the reply is too long"));
    if (const std::size_t layout = LayoutFieldCount(expected.shape);
        layout > 0 && FieldCount(payload) > layout)
        return Fail(QT_TRANSLATE_NOOP("CheckReasons", "too many fields"));
    switch (expected.shape) {
    case ReplyShape::Unchecked:
    case ReplyShape::Identity:
        return Pass;
    case ReplyShape::Type:
        return TypeCode(payload);
    case ReplyShape::BandLimits:
        return BandLimits(expected.index, payload);
    case ReplyShape::Memory:
        if (FirstField(payload) != MemoryLabel(expected.index))
            return Fail(QT_TRANSLATE_NOOP("CheckReasons", "not the channel asked for"));
        return CheckChannelFields(ChannelKind::Memory, payload, ChannelField::Label, ChannelField::Lockout);
    case ReplyShape::MemoryTx:
        return CheckChannelFields(ChannelKind::Memory, payload, ChannelField::TxFrequency,
                                  ChannelField::TxStep);
    case ReplyShape::CallTx:
        return CheckChannelFields(ChannelKind::Call, payload, ChannelField::TxFrequency,
                                  ChannelField::TxStep);
    case ReplyShape::Call:
        return CheckChannelFields(ChannelKind::Call, payload, ChannelField::Frequency, ChannelField::Mode);
    case ReplyShape::Vfo:
        if (FirstField(payload) != std::string(1, BandCodeChar(expected.index)))
            return Fail(QT_TRANSLATE_NOOP("CheckReasons", "not the band asked for"));
        return CheckChannelFields(ChannelKind::Vfo, payload, ChannelField::Label, ChannelField::Mode);
    case ReplyShape::ProgramVfo:
        return ProgramVfo(expected.index, payload);
    case ReplyShape::Dtmf:
        return Dtmf(expected.index, payload);
    case ReplyShape::MemoryName:
    case ReplyShape::DtmfName:
        return CheckName(payload);
    case ReplyShape::Menu:
        return CheckMenuSetting(expected.index, expected.index == MessageSetting
                                                    ? NameFromRadio(payload, market)
                                                    : std::string(payload));
    }
    return Fail(QT_TRANSLATE_NOOP("CheckReasons", "no such reply"));
}
