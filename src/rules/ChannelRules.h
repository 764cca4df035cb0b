// What the memory, VFO and CALL editors do with a channel record apart from
// their widgets: filling the controls from a record (with the replacements
// for missing or malformed fields), building the record back byte for byte
// after the frequency checks, the special minus offset option, the band lists
// and the memory channel number entry.
#pragma once

#include "rules/FrequencyRules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RadioImage;

// The radio buttons of the shift group.
enum class ShiftChoice { Simplex, Plus, Minus, Special, Split };

// What an editor's controls hold, in the controls' own terms: display texts
// of the boxes and positions of the lists.
struct ChannelControls
{
    std::string rxText;
    std::string txText;
    std::string offsetText;
    int step = 0;
    int mode = ModeFm;
    ShiftChoice shift = ShiftChoice::Simplex;
    bool reverse = false;
    bool tone = false;
    bool ctcss = false;
    bool dcs = false;
    int toneIndex = 8;
    int ctcssIndex = 8;
    int dcsIndex = 0;
    bool lockout = false;
    bool lockoutEnabled = true;
    std::string name; // 8-bit text of the market
    // Caption of the special minus offset option; nullopt while it is hidden.
    std::optional<std::string> specialCaption;
};

enum class EntryError { None, InvalidFrequency, InvalidOffset };

// What the frequency checks of OK and Enter leave: the step and mode for the
// lists and whether a frequency moved; or the error to show.
struct EntryOutcome
{
    EntryError error = EntryError::None;
    int step = 0;
    int mode = ModeFm;
    bool rounded = false;
};

// Outcome of OK: the record to store, or the error to show.
struct BuiltRecord : EntryOutcome
{
    std::string record;
};

// Outcome of Enter in a frequency or offset box: the new box texts and list
// positions, or the error to show (then nothing changes).
struct AcceptedEntries : EntryOutcome
{
    std::string rxText;
    std::string txText;
    std::string offsetText;
    ShiftChoice shift = ShiftChoice::Simplex;
    // Memory editor only: the special minus offset option after Enter
    // (nullopt: hidden).
    std::optional<std::string> special;
};

// The rules' view of the image.
FrequencyProfile FrequencyProfileOf(const RadioImage& image);

// The boxes of an editor as digits, after the receive frequency check.
struct CheckedEntries
{
    EntryContext context = EntryContext::Memory;
    std::string rx;
    std::string tx;
    std::string offset;
    int band = 0; // memory: the band of the receive frequency; VFO, CALL: the slot
    FrequencyProfile profile;
};
// What OK and Enter of every channel editor do first: the boxes to digits
// (the transmit box only in the memory and CALL editors) and the receive
// frequency fitted into its band; the step, mode and rounding go to out.
// False, with out.error set, when a box holds no number.
bool CheckReceiveEntry(const RadioImage& image, const ChannelControls& controls, EntryContext context,
                       int slot, CheckedEntries& entries, EntryOutcome& out);
// The transmit frequency of a split channel, checked after the receive one;
// true when it moved.
bool CheckSplitEntry(CheckedEntries& entries, const EntryOutcome& out);

// The special minus offset option: caption when it is offered, nullopt when
// it is hidden. The captions are English, marked for the editors' panel
// (context "ChannelPanel"), which shows them translated. On the 1200 MHz B band (band 14) it is offered only
// when with1200B is true.
std::optional<std::string> SpecialShiftCaption(int band, char market, std::string_view typeDigits,
                                               bool with1200B);
// The option after Enter in the memory editor: offered by the same rule as on
// loading, captioned in the shorter form ("-20MHz Shift", "-6MHz Shift").
std::optional<std::string> SpecialShiftCaptionAfterEntry(int band, char market, std::string_view typeDigits);

// The tone, CTCSS and DCS controls work in FM only.
inline bool ToneControlsEnabled(int mode)
{
    return mode == ModeFm;
}

// Step list position of a record's step field: hexadecimal 0..B; a first
// character outside 0-9, A, B gives 0.
int StepPositionOfField(std::string_view field);
// Mode list position of a record's mode field: "1".."5", anything else 0.
int ModePositionOfField(std::string_view field);
// Tone or CTCSS list position of a two-digit field; "08" for a value outside
// the 42 entries.
int TonePositionOfField(std::string_view field);
// DCS list position of a three-digit field; "000" for a value outside the 104 codes.
int DcsPositionOfField(std::string_view field);
// Radio button of a shift field: "1" Plus, "2" Minus, "3" Special, else Simplex.
ShiftChoice ShiftOfField(std::string_view field);
// Tone, CTCSS and DCS check boxes from fields 5 to 7: one at most, DCS over
// CTCSS over Tone.
void LoadToneFlags(std::string_view record, ChannelControls& controls);
// Uppercase hexadecimal digit of a step code.
char StepCodeChar(int step);

// ---- Memory channels ------------------------------------------------------
// Slots 400..421 (scan edges and priority channels) have no lock-out.
bool MemorySlotHasLockout(int slot);
// Channel number box text: the number for 0..399, the label otherwise.
std::string ChannelNumberText(int slot);

enum class ChannelNumberKind { Empty, Partial, Invalid, Valid };
struct ChannelNumber
{
    ChannelNumberKind kind = ChannelNumberKind::Empty;
    int slot = -1;
};
// The typed channel number box text (already uppercase): a slot, the start
// of a label still being typed, or neither.
ChannelNumber ParseChannelNumber(std::string_view text);
// Slot after Page Up / Up (+1) or Page Down / Down (-1), wrapping.
int StepSlot(int slot, int delta, int count);

// Controls of a memory slot's record.
ChannelControls LoadMemoryControls(const RadioImage& image, int slot);
// The record OK stores for the slot.
BuiltRecord BuildMemoryRecord(const RadioImage& image, int slot, const ChannelControls& controls);
// Enter in the receive, transmit or offset box. The special minus offset
// option is judged again for the new receive band; when it is hidden while
// selected, Split Channel takes its place.
AcceptedEntries AcceptMemoryEntries(const RadioImage& image, const ChannelControls& controls);

// ---- CALL channels --------------------------------------------------------
std::vector<std::string> CallBandList(char market, std::string_view model);
// CALL slot of a band list position.
int CallSlotOfPosition(int position, char market);
// List position of a CALL slot (the inverse, for switching back).
int CallPositionOfSlot(int slot, char market);
ChannelControls LoadCallControls(const RadioImage& image, int slot);
BuiltRecord BuildCallRecord(const RadioImage& image, int slot, const ChannelControls& controls);
AcceptedEntries AcceptCallEntries(const RadioImage& image, int slot, const ChannelControls& controls);
