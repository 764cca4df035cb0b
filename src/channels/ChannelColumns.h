// The channel table's columns: the text each column shows for a memory slot,
// the values a slot's band offers for a column, and what an edit of one cell
// (or the same edit on many slots) stores. Every edit goes through the memory
// editor's own rules: the controls the editor would load for the slot, the
// one control changed, Enter's frequency handling when a frequency or offset
// was typed, then the record OK would build.
#pragma once

#include "model/Translatable.h"
#include "rules/ChannelRules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RadioImage;

enum class ChannelColumn {
    Channel,
    Receive,
    Shift,
    OffsetOrTx,
    ToneMode,
    Tone,
    Mode,
    Step,
    Reverse,
    Lockout,
    Name,
    Count
};
inline constexpr int ChannelColumnCount = static_cast<int>(ChannelColumn::Count);

// Qt Linguist's context of the column titles, the words among the cell
// values and the refusal reasons below: the window shows them translated,
// the cells are edited and stored in these English words.
inline constexpr char ChannelColumnsContext[] = "ChannelColumns";

// Heading of a column: "Channel", "Receive (MHz)", ...
std::string_view ChannelColumnTitle(ChannelColumn column);

// Texts of the lists and check columns.
inline constexpr std::string_view SimplexText = QT_TRANSLATE_NOOP("ChannelColumns", "Simplex");
inline constexpr std::string_view SplitText = QT_TRANSLATE_NOOP("ChannelColumns", "Split");
//: Tone mode of a channel without a tone
inline constexpr std::string_view NoToneText = QT_TRANSLATE_NOOP("ChannelColumns", "None");
//: Tone mode: the subaudible tone encoder
inline constexpr std::string_view ToneWordText = QT_TRANSLATE_NOOP("ChannelColumns", "Tone");
inline constexpr std::string_view CheckedText = "1";
inline constexpr std::string_view UncheckedText = "0";

// The text a column shows for a memory slot, in the market's 8-bit bytes for
// the name. An empty slot shows only its label. Reverse shows "R" and
// Lock out "*" when set (the table draws these two as check boxes).
std::string ChannelCellText(const RadioImage& image, int slot, ChannelColumn column);

// Whether a column of a slot can be edited at all: an empty slot takes only
// a receive frequency (which makes it a channel, as the editor's OK would);
// the tone column only with a tone mode; the offset column with a plus or
// minus shift or a split; lock out not on 400..421; the label never.
bool ChannelCellEditable(const RadioImage& image, int slot, ChannelColumn column);

// The values a list column offers for a slot, as the texts a cell edit
// takes: shifts with the special minus offset only where the band has it,
// steps and modes that the band permits, the 42 tones or the 104 DCS codes.
// Empty for the columns that are typed or checked.
std::vector<std::string> ChannelColumnOptions(const RadioImage& image, int slot, ChannelColumn column);

// Why a slot did not take an edit.
enum class CellRefusal {
    None,
    EmptyChannel,     // there is no channel to change
    NoLockout,        // program-scan edges and priority channels have none
    NotOffered,       // the slot's band does not offer the value
    NoToneMode,       // a tone needs a tone mode
    NoOffset,         // an offset needs a plus or minus shift
    InvalidFrequency, // "Invalid Frequency..."
    InvalidOffset,    // "Invalid Offset..."
    InvalidCharacter, // "Invalid character..."
    Protected,        // information channels of markets K and J
    DoesNotFit,       // a pasted record whose frequency is outside the slot's band
    NotAChannel,      // the label column, or a slot outside 0..431
};
// Short reason for a report of refused slots ("empty channel", ...).
std::string_view CellRefusalText(CellRefusal refusal);

// One column's new value in the cell edit's terms: the typed text for the
// frequency, offset and name columns (name in the market's bytes), one of
// ChannelColumnOptions for the lists, CheckedText or UncheckedText for
// Reverse and Lock out.
struct CellValue
{
    ChannelColumn column = ChannelColumn::Receive;
    std::string text;
};

struct CellEditResult
{
    CellRefusal refusal = CellRefusal::None;
    std::string record;   // the record to store when refusal is None
    bool rounded = false; // "Frequency is rounded."
};

// The record a slot holds after the values are set, in order, as the memory
// editor would store it.
CellEditResult EditChannelCells(const RadioImage& image, int slot, const std::vector<CellValue>& values);

// ---- Many rows at once -------------------------------------------------
// Cut and Delete of a slot: refused on the information channels of markets
// other than E and M (the edit commands' rule).
CellRefusal CutRefusal(const RadioImage& image, int slot);

// Several records on the clipboard in the program's second format: each
// record of the selection (an empty slot as an empty record, so that the
// rows keep their places) followed by a zero byte.
std::string MultiRecordPayload(const std::vector<std::string>& records);
// The records of such a payload; a record longer than a channel record ends
// the list there. At most MemoryCount records.
std::vector<std::string> RecordsOfMultiPayload(std::string_view payload);

struct MultiPastePlan
{
    struct Placed
    {
        int slot;
        std::string record;
    };
    std::vector<Placed> placed;
    // Slots whose record did not fit (band, record check), with the record's
    // position in the list.
    std::vector<int> refusedSlots;
    int leftOver = 0; // records past slot 399
};
// Fills consecutive slots from `first` with the records, each through the
// paste rules (fit of the band, the destination's own label, the lockout
// and name rules); an empty record leaves its slot as it is. Slots after
// 399 are not filled: the count of records left is reported.
MultiPastePlan PlanMultiPaste(const RadioImage& image, int first, const std::vector<std::string>& records);

// A frequency range typed into the filter box ("144-146", "430.5-431"):
// lower and upper bounds in Hz, both included. nullopt for any other text.
struct FrequencyRange
{
    long long lowerHz;
    long long upperHz;
};
std::optional<FrequencyRange> ParseFrequencyRange(std::string_view text);
// Receive frequency of a record in Hz; -1 for an empty record.
long long RecordFrequencyHz(std::string_view record);
