// Sentences of the core that hold numbers and names ("3 damaged records were
// not loaded: memory 005, memory 010, DTMF 3"): the core says which sentence
// and what goes into it, and whoever shows it words it. tslq-cli prints the
// English (EnglishText); the window translates each sentence's pattern
// through Qt Linguist (model/CoreMessages) and shows the same English when
// no translation is loaded. The patterns, all in one table, are in
// Message.cpp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class MessageId {
    None,   // no message (an empty text)
    Text,   // a text as it stands: slot names, labels, numbers
    Reason, // why a check refused a record or reply, in English; the window translates it
            // (ReasonContext)
    // Lists: "A and B", "A, B and C" (a list is built from these two).
    ListPair,
    ListNext,
    // ---- Loading a data file ----------------------------------------------------
    NotLoaded,       // %n records; %1 their slots
    EarlierLineUsed, // %n lines; %1 their slots
    FileEndsEarly,   // %1 what is not in it and/or what may be missing
    AbsentOne,       // %1 (one section) is not in it
    AbsentMany,      // %1 (sections) are not in it
    MayBeMissing,    // %1 (section) may be missing
    AbsentAndCut,    // %1 AbsentOne/Many, %2 MayBeMissing
    SectionMemoryChannels,
    SectionDtmfMemories,
    SectionVfo,
    SectionCall,
    SectionCallChannels,
    SectionVfoChannels,
    SectionMenuSettings,      // all of them
    SectionMenuSetting,       // %1 the one setting
    SectionMenuSettingsRange, // %1 first, %2 last
    // ---- Reading and writing the radio -------------------------------------------
    IncompleteRead, // %n records; %1 their slots
    Unsendable,     // %n records; %1 NamedReasons
    NamedReason,    // %1 a slot, %2 why: "memory 005 (name is longer than 8 characters)"
    LeftOutWrite,   // %1 slots
    WriteChanges,   // %1 what it changes (a list of counts)
    WriteChangesNothing,
    WriteEmpties, // %1 what it empties (a list of counts), %2 the channels and DTMF memories
    GarbledTwice, // %1 the step (a slot or one of the following), %2 the command, %3 why
    StepModel,
    StepVersion,
    StepBandLimits,
    StepWakeUp,
    CountChannels, // %n
    CountDtmfMemories,
    CountSettings,
    EmptiedBoth,          // %1 channels; %2 DTMF memories
    EmptiedDtmf,          // %1 the DTMF memories' numbers
    BaselineUnknown,      // what the radio holds is not known
    BaselineOtherVersion, // %1 the radio's version, %2 the data's
    // ---- Comparing images -----------------------------------------------------------
    PlaceMemory, // %1 label
    PlaceVfo,
    PlaceCall,
    PlaceDtmf,
    PlaceProgramVfo,
    PlaceMenu,
    // ---- Channel lists (CSV) -----------------------------------------------------------
    CsvNoHeader,
    CsvImported, // %1 rows imported, %2 of them adjusted, %3 rows skipped
    CsvReplaced, // %1 filled channels replaced
    CsvNotUtf8,  // %1 the code page the text was read as
    CsvCodePage932,
    CsvReplacedCharacters, // %1
    CsvRowSkipped,         // %1 row, %2 why
    CsvRowChanged,         // %1 row, %2 channel, %3 what changed
    CsvExported,           // %1 channels
    CsvExported8Bit,       // %1 channels
    CsvLost,
    CsvNote, // %1 a note
    // ---- Files: slot names, the channel list's row and export lines -------------------
    NameList,        // the arguments, each worded, joined by ", " (any number of them)
    SlotMemory,      // %1 the channel's label: "memory 005"
    SlotProgramVfo,  // %1 the band: "program VFO 1", "program VFO A_430MHz"
    SlotMenuSetting, // %1 the setting's number
    // Why a row of a channel list is skipped (CsvRowSkipped's %2).
    CsvNoFrequency,
    CsvFrequencyNotNumber, // %1 the cell
    CsvOutsideEveryBand,   // %1 the frequency
    CsvSplitWithoutTx,
    CsvTxNotNumber,        // %1 the cell
    CsvOffsetNotNumber,    // %1 the cell
    CsvDuplexOffTransmits, // %1 the frequency
    CsvTxOutsideBand,      // %1 transmit, %2 receive frequency, %3 lower, %4 upper band limit
    CsvTxExcludedRange,    // %1 the transmit frequency
    CsvTxOffStep,          // %1 the transmit frequency
    CsvQuoteNotClosed,
    CsvNoFreeChannel,
    // What the import changed in a row (CsvRowChanged's %3).
    CsvBandOffsetTaken,  // %1 the band's offset
    CsvOffsetToSplit,    // %1 the offset, %2 the transmit frequency
    CsvDuplexOffSimplex, // %1 the frequency
    CsvDuplexUnknown,    // %1 the cell
    CsvOffsetKept,       // %1 the listed offset, %2 the one kept
    CsvModeTakenAs,      // %1 the listed mode, %2 the mode taken
    CsvModeNotOffered,   // %1 the listed mode, %2 the mode taken
    CsvModeNotOnBand,    // %1 the listed mode, %2 the mode taken
    CsvFrequencyMoved,   // %1 listed, %2 stored
    CsvStepNotOffered,   // %1 the listed step, %2 the step taken
    CsvStepChanged,      // %1 listed, %2 stored
    CsvToneNotNumber,    // %1 the cell
    CsvToneNotInList,    // %1 listed, %2 taken
    CsvDcsNotInList,     // %1 listed, %2 taken
    CsvToneModeTakenAs,  // %1 listed, %2 taken
    CsvCrossTaken,       // %1 CsvCrossWithoutMode or CsvCrossModeNotOffered, %2 a CsvTaken...
    CsvCrossWithoutMode,
    CsvCrossModeNotOffered, // %1 the cross mode
    CsvTakenTone,           // %1 the tone
    CsvTakenCtcss,          // %1 the tone
    CsvTakenDcs,            // %1 the code
    CsvTakenNoTone,
    CsvToneModeUnknown, // %1 the cell
    CsvDcsPolarity,     // %1 the cell
    CsvNameCut,
    CsvNameReplaced, // %n characters
    CsvSkipPriority,
    CsvSkipUnknown, // %1 the cell
    CsvSkipOnEdge,
    CsvNoLocation,          // %1 the channel the row went to
    CsvLocationScanEdge,    // %1 the Location, %2 its label, %3 the channel the row went to
    CsvLocationPriority,    // the same
    CsvLocationInformation, // the same
    CsvLocationNoChannel,   // %1 the Location, %2 the channel the row went to
    CsvLocationTaken,       // %1 the Location, %2 the row that has it, %3 the channel
    // What an export loses (CsvNote's %1 is CsvNoteOf).
    CsvNoteOf, // %1 the channel's label, %2 one of the following
    CsvNoteTxStep,
    CsvNoteSpecialNoOffset,   // %1 the offset it reads back with
    CsvNoteSpecialNotOffered, // %1 the offset it reads back with
    CsvNoteReverse,
    CsvNoteToneModes,   // %1 the tone mode kept
    CsvNoteModeUnknown, // %1 the code
    CsvNoteStepUnknown, // %1 the code
    CsvNoteRfPower,
    CsvNoteNameBytes8Bit, // %n bytes
    CsvNoteNameBytes,
};

struct Message
{
    MessageId id = MessageId::None;
    int count = -1;            // the number the sentence turns on (%n); -1 when it has none
    std::string text;          // the text of a MessageId::Text (UTF-8)
    std::vector<Message> args; // %1, %2, ... in order

    bool Empty() const { return id == MessageId::None; }
};

Message MessageOf(MessageId id, std::vector<Message> args = {});
Message CountedMessage(MessageId id, int count, std::vector<Message> args = {});
Message TextMessage(std::string text);
// A check's reason (RecordCheck::reason), marked in the code with
// QT_TRANSLATE_NOOP("CheckReasons", ...).
Message ReasonMessage(std::string_view reason);
Message NumberMessage(long long number);
// "A", "A and B", "A, B and C"; no message for no item.
Message ListMessage(std::vector<Message> items);
// "memory 005, memory 010, DTMF 3": names as they stand, joined by ", ".
Message NamesMessage(const std::vector<std::string>& names);
// The items, each worded, joined by ", " ("memory 005, memory 010, DTMF 3"):
// flat, however many there are.
Message NameListMessage(std::vector<Message> items);

// The text in English, character for character as tslq-cli prints it.
std::string EnglishText(const Message& message);
// Each message's English on a line of its own, every line ending in "\n".
std::string EnglishLines(const std::vector<Message>& lines);

// Qt Linguist's context of the patterns.
inline constexpr char MessageContext[] = "CoreMessages";
// Qt Linguist's context of the checks' reasons.
inline constexpr char ReasonContext[] = "CheckReasons";
// The pattern of a sentence as Qt Linguist knows it: English with %1, %2, ...
// for the arguments and %n for the count ("%n damaged records were not
// loaded: %1"); nullptr for Text, Reason and NameList.
const char* MessagePattern(MessageId id);
// The English when the count is 1 ("1 damaged record was not loaded: %1"), or
// nullptr when the sentence reads the same for every count.
const char* EnglishSingular(MessageId id);
