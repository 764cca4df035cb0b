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

Message ReasonMessage(std::string_view reason)
{
    return {MessageId::Reason, -1, std::string(reason), {}};
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

Message NameListMessage(std::vector<Message> items)
{
    return {MessageId::NameList, -1, {}, std::move(items)};
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
    case MessageId::Reason:
    case MessageId::NameList:
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
    case MessageId::NamedReason:
        //: A record that cannot be sent and why: "memory 005 (name is longer than 8 characters)".
        return QT_TRANSLATE_NOOP("CoreMessages", "%1 (%2)");
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
        return QT_TRANSLATE_N_NOOP("CoreMessages",
                                   "%n filled channel(s) replaced; channels that are not in the list stay as "
                                   "they are.");
    case MessageId::CsvNotUtf8:
        //: %1: "windows-1252" or "code page 932 (ASCII and half-width katakana)".
        return QT_TRANSLATE_NOOP("CoreMessages", "The file is not UTF-8; its text was read as %1.");
    case MessageId::CsvCodePage932:
        return QT_TRANSLATE_NOOP("CoreMessages", "code page 932 (ASCII and half-width katakana)");
    case MessageId::CsvReplacedCharacters:
        return QT_TRANSLATE_N_NOOP("CoreMessages",
                                   "%n name character(s) not in the radio's character set were replaced by "
                                   "blanks.");
    case MessageId::CsvRowSkipped:
        //: %2: why, a phrase in lower case: "no frequency", "frequency 9.000 MHz lies outside every band of
        //: the radio".
        return QT_TRANSLATE_NOOP("CoreMessages", "Row %1: skipped, %2.");
    case MessageId::CsvRowChanged:
        //: %2: the channel's label; %3: what was changed, a phrase in lower case: "frequency 146.5212 MHz
        //: moved to 146.520 MHz".
        return QT_TRANSLATE_NOOP("CoreMessages", "Row %1 (channel %2): %3.");
    case MessageId::CsvExported:
        return QT_TRANSLATE_N_NOOP("CoreMessages", "%n channel(s) exported.");
    case MessageId::CsvExported8Bit:
        return QT_TRANSLATE_N_NOOP("CoreMessages", "%n channel(s) exported in the radio's 8-bit code page.");
    case MessageId::CsvLost:
        return QT_TRANSLATE_NOOP("CoreMessages", "Lost on the way through the list:");
    case MessageId::CsvNote:
        //: A line of the export report: "005: reverse is on; the list has no place for it."
        return QT_TRANSLATE_NOOP("CoreMessages", "%1.");

    case MessageId::SlotMemory:
        //: A memory channel in a list of records: "memory 005", "memory L0".
        return QT_TRANSLATE_NOOP("CoreMessages", "memory %1");
    case MessageId::SlotProgramVfo:
        //: A program VFO record in a list of records: "program VFO 1", "program VFO A_430MHz".
        return QT_TRANSLATE_NOOP("CoreMessages", "program VFO %1");
    case MessageId::SlotMenuSetting:
        return QT_TRANSLATE_NOOP("CoreMessages", "menu setting %1");

    // Why a row of a list is skipped: follows "Row 7: skipped, ".
    case MessageId::CsvNoFrequency:
        //: Why a row is skipped: "Row 7: skipped, no frequency."
        return QT_TRANSLATE_NOOP("CoreMessages", "no frequency");
    case MessageId::CsvFrequencyNotNumber:
        //: Why a row is skipped; %1: the Frequency cell as the list has it.
        return QT_TRANSLATE_NOOP("CoreMessages", "frequency \"%1\" is not a number");
    case MessageId::CsvOutsideEveryBand:
        //: Why a row is skipped; %1: "9.000 MHz".
        return QT_TRANSLATE_NOOP("CoreMessages", "frequency %1 lies outside every band of the radio");
    case MessageId::CsvSplitWithoutTx:
        //: Why a row is skipped. Duplex, split and Offset are the list's column names and values.
        return QT_TRANSLATE_NOOP("CoreMessages", "Duplex split without a transmit frequency in Offset");
    case MessageId::CsvTxNotNumber:
        //: Why a row is skipped; %1: the Offset cell, which holds the transmit frequency of a split row.
        return QT_TRANSLATE_NOOP("CoreMessages", "transmit frequency \"%1\" is not a number");
    case MessageId::CsvOffsetNotNumber:
        //: Why a row is skipped; %1: the Offset cell.
        return QT_TRANSLATE_NOOP("CoreMessages", "offset \"%1\" is not a number");
    case MessageId::CsvDuplexOffTransmits:
        //: Why a row is skipped; Duplex off is the list's column and value; %1: "145.500 MHz".
        return QT_TRANSLATE_NOOP("CoreMessages", "Duplex off (transmit inhibited) at %1, where the radio "
                                                 "transmits; it has no transmit inhibit per channel");
    case MessageId::CsvTxOutsideBand:
        //: Why a row is skipped; %1: the transmit frequency, %2: the receive frequency, %3 and %4: the limits
        //: of its band.
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "transmit frequency %1 lies outside the band of %2 (%3 to %4)");
    case MessageId::CsvTxExcludedRange:
        //: Why a row is skipped; %1: the transmit frequency.
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "transmit frequency %1 lies in a range this version leaves out");
    case MessageId::CsvTxOffStep:
        //: Why a row is skipped; %1: the transmit frequency.
        return QT_TRANSLATE_NOOP("CoreMessages", "transmit frequency %1 is off every step of its band");
    case MessageId::CsvQuoteNotClosed:
        //: Why a row is skipped: a field begins with a quotation mark that is never closed.
        return QT_TRANSLATE_NOOP("CoreMessages", "a quoted field is not closed");
    case MessageId::CsvNoFreeChannel:
        //: Why a row is skipped: every memory channel is taken.
        return QT_TRANSLATE_NOOP("CoreMessages", "no free channel left");

    // What was changed in a row: follows "Row 7 (channel 005): ".
    case MessageId::CsvBandOffsetTaken:
        //: What was changed in a row; %1: "0.60MHz".
        return QT_TRANSLATE_NOOP("CoreMessages", "no offset; the band's %1 taken");
    case MessageId::CsvOffsetToSplit:
        //: What was changed in a row; %1: the listed offset, %2: the transmit frequency.
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "offset %1 is not offered; stored as a split channel transmitting on %2");
    case MessageId::CsvDuplexOffSimplex:
        //: What was changed in a row; Duplex off is the list's column and value; %1: "433.000 MHz".
        return QT_TRANSLATE_NOOP(
            "CoreMessages",
            "Duplex off (transmit inhibited) stored as simplex; the radio only receives at %1");
    case MessageId::CsvDuplexUnknown:
        //: What was changed in a row; %1: the Duplex cell.
        return QT_TRANSLATE_NOOP("CoreMessages", "Duplex \"%1\" is unknown; taken as simplex");
    case MessageId::CsvOffsetKept:
        //: What was changed in a row (a simplex channel); %1: the listed offset, %2: the offset stored.
        return QT_TRANSLATE_NOOP("CoreMessages", "offset %1 is not offered; %2 kept for a later shift");
    case MessageId::CsvModeTakenAs:
        //: What was changed in a row; %1: the listed mode ("NFM"), %2: the radio's mode ("FM").
        return QT_TRANSLATE_NOOP("CoreMessages", "mode %1 taken as %2");
    case MessageId::CsvModeNotOffered:
        //: What was changed in a row; %1: the listed mode, %2: the band's mode taken instead.
        return QT_TRANSLATE_NOOP("CoreMessages", "mode %1 is not offered; %2 taken");
    case MessageId::CsvModeNotOnBand:
        //: What was changed in a row; %1: the listed mode, %2: the mode taken instead.
        return QT_TRANSLATE_NOOP("CoreMessages", "mode %1 is not offered on this band; %2 taken");
    case MessageId::CsvFrequencyMoved:
        //: What was changed in a row; %1: the listed frequency, %2: the one stored.
        return QT_TRANSLATE_NOOP("CoreMessages", "frequency %1 moved to %2");
    case MessageId::CsvStepNotOffered:
        //: What was changed in a row; %1: the listed step, %2: the step taken.
        return QT_TRANSLATE_NOOP("CoreMessages", "step %1 is not offered; %2 taken");
    case MessageId::CsvStepChanged:
        //: What was changed in a row; %1: the listed step, %2: the step stored.
        return QT_TRANSLATE_NOOP("CoreMessages", "step %1 changed to %2");
    case MessageId::CsvToneNotNumber:
        //: What was changed in a row; %1: the tone cell.
        return QT_TRANSLATE_NOOP("CoreMessages", "tone \"%1\" is not a number; 88.5 Hz taken");
    case MessageId::CsvToneNotInList:
        //: What was changed in a row; %1: the listed tone, %2: the nearest tone of the radio.
        return QT_TRANSLATE_NOOP("CoreMessages", "tone %1 is not in the list; %2 taken");
    case MessageId::CsvDcsNotInList:
        //: What was changed in a row; %1: the listed DCS code, %2: the nearest code of the radio.
        return QT_TRANSLATE_NOOP("CoreMessages", "DCS code %1 is not in the list; %2 taken");
    case MessageId::CsvToneModeTakenAs:
        //: What was changed in a row; %1: the Tone cell ("TSQL-R"), %2: the tone mode taken ("TSQL").
        return QT_TRANSLATE_NOOP("CoreMessages", "tone mode %1 is not offered; taken as %2");
    case MessageId::CsvCrossTaken:
        //: What was changed in a row; %1: why ("cross mode DTCS->Tone is not offered"), %2: what was taken
        //: ("tone 88.5 Hz", "no tone").
        return QT_TRANSLATE_NOOP("CoreMessages", "%1; taken as %2");
    case MessageId::CsvCrossWithoutMode:
        //: Cross, CrossMode and Tone->Tone are the list's values and column names.
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "Cross without CrossMode is Tone->Tone, which is not offered");
    case MessageId::CsvCrossModeNotOffered:
        //: %1: the CrossMode cell ("DTCS->Tone").
        return QT_TRANSLATE_NOOP("CoreMessages", "cross mode %1 is not offered");
    case MessageId::CsvTakenTone:
        //: What was taken for a cross mode: "tone 88.5 Hz" (the tone encoder).
        return QT_TRANSLATE_NOOP("CoreMessages", "tone %1");
    case MessageId::CsvTakenCtcss:
        //: What was taken for a cross mode: "CTCSS 88.5 Hz".
        return QT_TRANSLATE_NOOP("CoreMessages", "CTCSS %1");
    case MessageId::CsvTakenDcs:
        //: What was taken for a cross mode: "DCS 023".
        return QT_TRANSLATE_NOOP("CoreMessages", "DCS %1");
    case MessageId::CsvTakenNoTone:
        //: What was taken for a cross mode.
        return QT_TRANSLATE_NOOP("CoreMessages", "no tone");
    case MessageId::CsvToneModeUnknown:
        //: What was changed in a row; %1: the Tone cell.
        return QT_TRANSLATE_NOOP("CoreMessages", "tone mode \"%1\" is unknown; no tone taken");
    case MessageId::CsvDcsPolarity:
        //: What was changed in a row; %1: the DtcsPolarity cell ("RN").
        return QT_TRANSLATE_NOOP("CoreMessages", "DCS polarity %1 is not offered; normal taken");
    case MessageId::CsvNameCut:
        //: What was changed in a row.
        return QT_TRANSLATE_NOOP("CoreMessages", "name cut to 8 characters");
    case MessageId::CsvNameReplaced:
        //: What was changed in a row.
        return QT_TRANSLATE_N_NOOP("CoreMessages",
                                   "%n name character(s) not in the radio's set replaced by blanks");
    case MessageId::CsvSkipPriority:
        //: What was changed in a row; Skip P is the list's column and value: the channel is not locked out.
        return QT_TRANSLATE_NOOP("CoreMessages", "skip P (priority scan) is not offered; not skipped");
    case MessageId::CsvSkipUnknown:
        //: What was changed in a row; %1: the Skip cell.
        return QT_TRANSLATE_NOOP("CoreMessages", "skip \"%1\" is unknown; not skipped");
    case MessageId::CsvSkipOnEdge:
        //: What was changed in a row; skip S is the list's lock-out.
        return QT_TRANSLATE_NOOP(
            "CoreMessages", "skip S is not offered on the scan edges and priority channels; not skipped");
    case MessageId::CsvNoLocation:
        //: What was changed in a row; Location is the list's column; %1: the channel the row went to.
        return QT_TRANSLATE_NOOP("CoreMessages", "no Location; put in channel %1");
    case MessageId::CsvLocationScanEdge:
        //: What was changed in a row; %1: the Location cell (400), %2: that slot's label (L0), %3: the
        //: channel the row went to. Location and Comment are the list's columns.
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "Location %1 is the program-scan edge %2, which a row reaches only with "
                                 "\"%2\" in Comment; put in channel %3");
    case MessageId::CsvLocationPriority:
        //: As for the program-scan edge; %2: "PR1".
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "Location %1 is the priority channel %2, which a row reaches only with "
                                 "\"%2\" in Comment; put in channel %3");
    case MessageId::CsvLocationInformation:
        //: As for the program-scan edge; %2: "I-1".
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "Location %1 is the information channel %2, which a row reaches only with "
                                 "\"%2\" in Comment; put in channel %3");
    case MessageId::CsvLocationNoChannel:
        //: What was changed in a row; %1: the Location cell, %2: the channel the row went to.
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "Location %1 is no channel of the radio (0 to 399, or 400 to 431 with the "
                                 "channel's label in Comment); put in channel %2");
    case MessageId::CsvLocationTaken:
        //: What was changed in a row; %1: the Location, %2: the earlier row with it, %3: the channel the row
        //: went to.
        return QT_TRANSLATE_NOOP("CoreMessages", "Location %1 is already taken by row %2; put in channel %3");

    // What an export loses, channel by channel.
    case MessageId::CsvNoteOf:
        //: A channel's label, then what the list loses of it: "005: reverse is on; the list has no place for
        //: it".
        return QT_TRANSLATE_NOOP("CoreMessages", "%1: %2");
    case MessageId::CsvNoteTxStep:
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "the transmit step differs from the receive step; the list has one step");
    case MessageId::CsvNoteSpecialNoOffset:
        //: %1: the offset the channel comes back with from the list ("0.60MHz").
        return QT_TRANSLATE_NOOP("CoreMessages", "special minus shift on a band without a special offset; it "
                                                 "reads back as minus shift %1");
    case MessageId::CsvNoteSpecialNotOffered:
        //: %1: the offset the channel comes back with from the list ("7.60MHz").
        return QT_TRANSLATE_NOOP("CoreMessages", "special minus shift, which this version does not offer; it "
                                                 "reads back as minus shift %1");
    case MessageId::CsvNoteReverse:
        return QT_TRANSLATE_NOOP("CoreMessages", "reverse is on; the list has no place for it");
    case MessageId::CsvNoteToneModes:
        //: %1: the list's tone mode kept: "DTCS", "TSQL" or "Tone".
        return QT_TRANSLATE_NOOP("CoreMessages",
                                 "more than one of tone, CTCSS and DCS is on; the list keeps %1");
    case MessageId::CsvNoteModeUnknown:
        //: %1: the record's mode code.
        return QT_TRANSLATE_NOOP("CoreMessages", "mode code \"%1\" is unknown; written as FM");
    case MessageId::CsvNoteStepUnknown:
        //: %1: the record's step code.
        return QT_TRANSLATE_NOOP("CoreMessages", "step code \"%1\" is unknown; written as 5 kHz");
    case MessageId::CsvNoteRfPower:
        return QT_TRANSLATE_NOOP("CoreMessages", "the RF power field is set; the list does not carry it");
    case MessageId::CsvNoteNameBytes8Bit:
        return QT_TRANSLATE_N_NOOP(
            "CoreMessages", "the name holds %n byte(s) outside the market's character set; written as ?");
    case MessageId::CsvNoteNameBytes:
        //: U+FFFD is the replacement character (a question mark in a diamond).
        return QT_TRANSLATE_NOOP(
            "CoreMessages", "the name holds bytes outside the market's character set; written as U+FFFD");
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
    if (message.id == MessageId::Text || message.id == MessageId::Reason) return message.text;
    if (message.id == MessageId::NameList) {
        std::string text;
        for (std::size_t i = 0; i < message.args.size(); ++i)
            text += (i > 0 ? ", " : "") + EnglishText(message.args[i]);
        return text;
    }
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
