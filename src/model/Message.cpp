// The patterns of the core's sentences, and their English.
#include "model/Message.h"

#include "model/Translatable.h"

#include <string_view>
#include <utility>

Message MessageOf(MessageId id, std::vector<Message> args)
{
    return {id, -1, {}, std::move(args)};
}

Message CountedMessage(MessageId id, int count, std::vector<Message> args)
{
    return {id, count, {}, std::move(args)};
}

Message TextMessage(std::string text)
{
    return {MessageId::Text, -1, std::move(text), {}};
}

Message NumberMessage(long long number)
{
    return TextMessage(std::to_string(number));
}

Message ListMessage(std::vector<Message> items)
{
    if (items.empty()) return {};
    Message list = std::move(items.back());
    items.pop_back();
    if (!items.empty()) {
        list = MessageOf(MessageId::ListPair, {std::move(items.back()), std::move(list)});
        items.pop_back();
    }
    while (!items.empty()) {
        list = MessageOf(MessageId::ListNext, {std::move(items.back()), std::move(list)});
        items.pop_back();
    }
    return list;
}

Message NamesMessage(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty()) text += ", ";
        text += name;
    }
    return TextMessage(std::move(text));
}

const char* MessagePattern(MessageId id)
{
    switch (id) {
    case MessageId::None:
        return "";
    case MessageId::Text:
        return nullptr;
    case MessageId::ListPair:
        //: The last two items of a list: "memory channels and VFO".
        return QT_TRANSLATE_NOOP("CoreMessages", "%1 and %2");
    case MessageId::ListNext:
        //: An item of a list before the rest of it: "memory channels, DTMF memories and VFO".
        return QT_TRANSLATE_NOOP("CoreMessages", "%1, %2");

    case MessageId::NotLoaded:
        return QT_TRANSLATE_N_NOOP("CoreMessages", "%n damaged records were not loaded: %1");
    case MessageId::EarlierLineUsed:
        return QT_TRANSLATE_N_NOOP(
            "CoreMessages",
            "%n damaged lines were not loaded; the earlier lines of their slots are used: %1");
    case MessageId::FileEndsEarly:
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "This file ends early: %1; what is missing holds empty or default values.");
    case MessageId::AbsentOne:
        //: What a data file that ends early lacks, one section: "VFO is not in it".
        return QT_TRANSLATE_NOOP("CoreMessages", "%1 is not in it");
    case MessageId::AbsentMany:
        //: What a data file that ends early lacks, several sections: "memory channels and VFO are not in it".
        return QT_TRANSLATE_NOOP("CoreMessages", "%1 are not in it");
    case MessageId::MayBeMissing:
        //: The section a data file ends in: "memory channels may be missing".
        return QT_TRANSLATE_NOOP("CoreMessages", "%1 may be missing");
    case MessageId::AbsentAndCut:
        //: "VFO is not in it, and memory channels may be missing".
        return QT_TRANSLATE_NOOP("CoreMessages", "%1, and %2");
    case MessageId::SectionMemoryChannels:
        return QT_TRANSLATE_NOOP("CoreMessages", "memory channels");
    case MessageId::SectionDtmfMemories:
        return QT_TRANSLATE_NOOP("CoreMessages", "DTMF memories");
    case MessageId::SectionVfo:
        return QT_TRANSLATE_NOOP("CoreMessages", "VFO");
    case MessageId::SectionCall:
        return QT_TRANSLATE_NOOP("CoreMessages", "CALL");
    case MessageId::SectionCallChannels:
        return QT_TRANSLATE_NOOP("CoreMessages", "CALL channels");
    case MessageId::SectionVfoChannels:
        return QT_TRANSLATE_NOOP("CoreMessages", "VFO channels");
    case MessageId::SectionMenuSettings:
        return QT_TRANSLATE_NOOP("CoreMessages", "the menu settings");
    case MessageId::SectionMenuSetting:
        return QT_TRANSLATE_NOOP("CoreMessages", "menu setting %1");
    case MessageId::SectionMenuSettingsRange:
        return QT_TRANSLATE_NOOP("CoreMessages", "menu settings %1 to %2");

    case MessageId::IncompleteRead:
        return QT_TRANSLATE_N_NOOP("CoreMessages", "%n records came back incomplete: %1");
    case MessageId::Unsendable:
        return QT_TRANSLATE_N_NOOP("CoreMessages",
                                   "%n records cannot be sent, a radio of this version cannot hold them; a "
                                   "write leaves them out and the radio keeps what it holds there: %1");
    case MessageId::LeftOutWrite:
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "Damaged records left out of the file will be cleared in the radio: %1");
    case MessageId::WriteChanges:
        //: Follows "this write": "changes 3 channels, 1 DTMF memory and 2 settings".
        return QT_TRANSLATE_NOOP("CoreMessages", "changes %1");
    case MessageId::WriteChangesNothing:
        //: Follows "this write".
        return QT_TRANSLATE_NOOP("CoreMessages", "changes nothing");
    case MessageId::WriteEmpties:
        //: %1: "2 channels and 1 DTMF memory"; %2: the channels and DTMF memories, "005, 031–063; DTMF 0–2".
        return QT_TRANSLATE_NOOP("CoreMessages", "This write empties %1 the radio holds: %2.");
    case MessageId::GarbledTwice:
        //: %1: "the model", "memory 005"...; %2: the command sent; %3: what was wrong with the reply.
        return QT_TRANSLATE_NOOP("CoreMessages", "The radio's reply for %1 was garbled twice (\"%2\": %3).");
    case MessageId::StepModel:
        //: "The radio's reply for the model was garbled twice".
        return QT_TRANSLATE_NOOP("CoreMessages", "the model");
    case MessageId::StepVersion:
        return QT_TRANSLATE_NOOP("CoreMessages", "the version");
    case MessageId::StepBandLimits:
        return QT_TRANSLATE_NOOP("CoreMessages", "the band limits");
    case MessageId::StepWakeUp:
        return QT_TRANSLATE_NOOP("CoreMessages", "the wake-up");
    case MessageId::CountChannels:
        return QT_TRANSLATE_N_NOOP("CoreMessages", "%n channels");
    case MessageId::CountDtmfMemories:
        return QT_TRANSLATE_N_NOOP("CoreMessages", "%n DTMF memories");
    case MessageId::CountSettings:
        return QT_TRANSLATE_N_NOOP("CoreMessages", "%n settings");
    case MessageId::EmptiedBoth:
        //: The channels, then the DTMF memories a write empties: "005, L0; DTMF 0–2".
        return QT_TRANSLATE_NOOP("CoreMessages", "%1; %2");
    case MessageId::EmptiedDtmf:
        //: The DTMF memories a write empties: "DTMF 0–2".
        return QT_TRANSLATE_NOOP("CoreMessages", "DTMF %1");
    case MessageId::BaselineUnknown:
        return QT_TRANSLATE_NOOP(
            "CoreMessages", "Needs what the radio holds: read the radio or compare with it first in this "
                            "session.");
    case MessageId::BaselineOtherVersion:
        return QT_TRANSLATE_NOOP(
            "CoreMessages", "The radio last read or written is of version %1, the data of version %2: read "
                            "the radio or compare with it first.");

    case MessageId::PlaceMemory:
        return QT_TRANSLATE_NOOP("CoreMessages", "Memory %1");
    case MessageId::PlaceVfo:
        return QT_TRANSLATE_NOOP("CoreMessages", "VFO %1");
    case MessageId::PlaceCall:
        return QT_TRANSLATE_NOOP("CoreMessages", "CALL %1");
    case MessageId::PlaceDtmf:
        return QT_TRANSLATE_NOOP("CoreMessages", "DTMF %1");
    case MessageId::PlaceProgramVfo:
        return QT_TRANSLATE_NOOP("CoreMessages", "Program VFO %1");
    case MessageId::PlaceMenu:
        return QT_TRANSLATE_NOOP("CoreMessages", "Menu");

    case MessageId::CsvNoHeader:
        return QT_TRANSLATE_NOOP("CoreMessages", "No channel list: no header row with a Frequency column.");
    case MessageId::CsvImported:
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "%1 row(s) imported, %2 of them adjusted; %3 row(s) skipped.");
    case MessageId::CsvReplaced:
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "%1 filled channel(s) replaced; channels that are not in the list stay as "
                                 "they are.");
    case MessageId::CsvNotUtf8:
        //: %1: "windows-1252" or "code page 932 (ASCII and half-width katakana)".
        return QT_TRANSLATE_NOOP("CoreMessages", "The file is not UTF-8; its text was read as %1.");
    case MessageId::CsvCodePage932:
        return QT_TRANSLATE_NOOP("CoreMessages", "code page 932 (ASCII and half-width katakana)");
    case MessageId::CsvReplacedCharacters:
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "%1 name character(s) not in the radio's character set were replaced by "
                                 "blanks.");
    case MessageId::CsvRowSkipped:
        //: %2: why, in English for now.
        return QT_TRANSLATE_NOOP("CoreMessages", "Row %1: skipped, %2.");
    case MessageId::CsvRowChanged:
        //: %2: the channel's label; %3: what was changed, in English for now.
        return QT_TRANSLATE_NOOP("CoreMessages", "Row %1 (channel %2): %3.");
    case MessageId::CsvExported:
        return QT_TRANSLATE_NOOP("CoreMessages", "%1 channel(s) exported.");
    case MessageId::CsvExported8Bit:
        return QT_TRANSLATE_NOOP("CoreMessages", "%1 channel(s) exported in the radio's 8-bit code page.");
    case MessageId::CsvLost:
        return QT_TRANSLATE_NOOP("CoreMessages", "Lost on the way through the list:");
    case MessageId::CsvNote:
        //: A line of the export report: "005: reverse is on; the list has no place for it."
        return QT_TRANSLATE_NOOP("CoreMessages", "%1.");
    }
    return "";
}

const char* EnglishSingular(MessageId id)
{
    switch (id) {
    case MessageId::NotLoaded:
        return "1 damaged record was not loaded: %1";
    case MessageId::EarlierLineUsed:
        return "1 damaged line was not loaded; the earlier line of its slot is used: %1";
    case MessageId::IncompleteRead:
        return "1 record came back incomplete: %1";
    case MessageId::Unsendable:
        return "1 record cannot be sent, a radio of this version cannot hold it; a write leaves it out and "
               "the "
               "radio keeps what it holds there: %1";
    case MessageId::CountChannels:
        return "1 channel";
    case MessageId::CountDtmfMemories:
        return "1 DTMF memory";
    case MessageId::CountSettings:
        return "1 setting";
    default:
        return nullptr;
    }
}

std::string EnglishText(const Message& message)
{
    if (message.id == MessageId::Text) return message.text;
    const char* singular = EnglishSingular(message.id);
    const std::string_view pattern = message.count == 1 && singular ? singular : MessagePattern(message.id);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next == 'n') {
            text += std::to_string(message.count);
            ++i;
        } else if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < message.args.size()) text += EnglishText(message.args[index]);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string EnglishLines(const std::vector<Message>& lines)
{
    std::string text;
    for (const Message& line : lines)
        text += EnglishText(line) + "\n";
    return text;
}
