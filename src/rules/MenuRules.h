// Rules behind the "Menu 1" and "Menu 2" pages: how each kind of control
// encodes its radio menu setting, which narrow-FM boxes a radio version has,
// and the character rules of the power-on message. Standard library only, so
// that the pages, the tests and any other front end share one definition.
#pragma once

#include <string>
#include <string_view>

namespace MenuSetting {
// Index of each radio menu setting in the image.
inline constexpr int Band = 0;
inline constexpr int Balance = 1;
inline constexpr int Dual = 2;
inline constexpr int Att = 3;
inline constexpr int KeyLock = 4;
inline constexpr int Lamp = 5;
inline constexpr int MemoryName = 6;
inline constexpr int APower = 7;
inline constexpr int BPower = 8;
inline constexpr int AGPower = 9;
inline constexpr int BGPower = 10;
inline constexpr int ScanResume = 11;
inline constexpr int GroupLink = 12;
inline constexpr int MemoryMethod = 13;
inline constexpr int Aro = 14;
inline constexpr int TuneEnable = 15;
inline constexpr int TxInhibit = 16;
inline constexpr int DtmfSpeed = 17;
inline constexpr int DtmfPause = 18;
inline constexpr int DtmfLock = 19;
inline constexpr int DtmfHold = 20;
inline constexpr int PowerOnMessage = 21;
inline constexpr int Contrast = 22;
inline constexpr int BatterySaver = 23;
inline constexpr int AutoPowerOff = 24;
inline constexpr int KeyBeep = 25;
inline constexpr int VoxOnBusy = 26;
inline constexpr int VoxGain = 27;
inline constexpr int VoxDelay = 28;
inline constexpr int CallKey = 29;
inline constexpr int ToneHold1750 = 30;
inline constexpr int BeatShift = 31;
inline constexpr int BarAntenna = 32;
inline constexpr int Language = 33;
inline constexpr int PacketSpeed = 34;
inline constexpr int Nar144 = 35;
inline constexpr int Nar220 = 36;
inline constexpr int Nar440 = 37;
inline constexpr int Nar1200 = 38;
inline constexpr int NarHf = 39;
inline constexpr int Battery = 40;
inline constexpr int Count = 41;
} // namespace MenuSetting

// Number of memory groups that setting 12 can link, and its width.
inline constexpr int MenuGroupCount = 8;
// Longest power-on message the radio shows.
inline constexpr int PowerOnMessageLength = 8;
// Entries of the contrast list ("1" to "16").
inline constexpr int ContrastSteps = 16;

// Check box: "1" checked, "0" not; an inverted box (Memory Name) the other way.
std::string CheckBoxSetting(bool checked, bool inverted = false);
// A box is checked when its setting is "1" ("0" for an inverted box); any
// other text, blank included, leaves it unchecked.
bool CheckBoxFromSetting(std::string_view value, bool inverted = false);

// Radio group, drop-down list, track bar: the zero-based index as one digit.
// Empty for an index that one digit cannot hold (no selection).
std::string IndexSetting(int index);
// The setting's decimal value as an index into `count` entries; -1 when the
// text is not a plain decimal number or names no entry (blank, garbage, too
// large), so that the control shows no selection rather than a wrong one.
int IndexFromSetting(std::string_view value, int count);

// Contrast list: entry index 0..15 is stored as "01".."16".
std::string ContrastSetting(int index);
int ContrastFromSetting(std::string_view value);

// Memory group link: setting 12 with position `group` set to the digit of
// the group (linked) or a space, every other position kept. A shorter text
// is first padded with spaces to the full eight positions.
std::string GroupLinkSetting(std::string_view current, int group, bool linked);
bool GroupLinked(std::string_view value, int group);

// Visibility and captions of the "FM Narrow" boxes for a radio version (the
// caption in English, translated in context "MenuPages").
struct NarrowBoxes
{
    bool show220 = false;
    bool showHf = false;
    bool show1200 = false;
    const char* caption440 = "430MHz Band";
};
NarrowBoxes NarrowBoxesFor(char market, std::string_view model);

// What happens to one byte typed into the power-on message field.
enum class PomKey {
    Pass,    // goes into the field
    Swallow, // dropped silently
    Reject,  // dropped with the invalid-character message
};

// Byte-level key filter. `leadPending` is the remembered double-byte lead
// byte of market J (a double-byte character never enters the field); it is
// forgotten whenever a key is rejected.
PomKey FilterPomKey(unsigned char byte, char market, bool& leadPending);

// Whether one byte may stand in a power-on message of this market.
bool PomByteAllowed(unsigned char byte, char market);
// Whether every byte of the text may stand in a power-on message.
bool CheckPomText(std::string_view bytes, char market);
