// Field codes of the channel record and the display texts derived from them:
// bands, steps, shifts, modes, tones, DCS codes, frequency and offset
// formatting, the band of a frequency or grid row, and the status-bar texts.
// Every grid, editor, clipboard check and listing takes its texts from here.
#pragma once

#include "model/RadioImage.h"
#include "model/Translatable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// ---- Untrusted numbers -------------------------------------------------
// Records come from files and radios and may hold anything. These parsers
// accept any bytes: leading decimal digits are taken, the first other byte
// ends the number, no digit gives 0, and the value saturates at INT64_MAX
// instead of overflowing.
std::int64_t ParseDecimal(std::string_view text);
// Hexadecimal variant (0-9, A-F, a-f), same rules.
std::int64_t ParseHex(std::string_view text);

// ---- Band codes ----------------------------------------------------------
inline constexpr int BandCount = 15;
inline constexpr int BandAm = 4;        // below 100 kHz, and B_AM
inline constexpr int BandFallback = 14; // no band matched
// '0'..'9', 'A'..'E' for band 0..14; '\0' outside.
char BandCodeChar(int band);
// 0..14 for a band code character ('a'..'e' accepted too), -1 otherwise.
int BandOfCode(char code);
// Whether band 0..14 exists on the version (market letter, model).
bool BandExists(int band, char market, std::string_view model);
// VFO grid row label of a band for the market ("A_440MHz" for K, "A_430MHz"
// otherwise, ...). Band 1 has no label outside market K: empty.
std::string_view VfoBandLabel(int band, char market);
// CALL grid row label of CALL index 0..3; empty outside.
std::string_view CallBandLabel(int index, char market);
// Band code of a VFO grid row label; 14 for any other text.
int BandOfVfoLabel(std::string_view label);
// CALL index of a CALL grid row label; 0 for any other text.
int BandOfCallLabel(std::string_view label);

// ---- Step codes ----------------------------------------------------------
struct StepCode
{
    char code;
    std::string_view text;
    int hz;
};
extern const std::array<StepCode, 12> StepCodes;
// Positions of the 8.33 kHz step within every 100 kHz, 5-digit Hz.
extern const std::array<std::string_view, 12> Step833Positions;
// Index 0..11 of a step code character ('a'..'b' accepted), -1 otherwise.
int StepIndexOfCode(char code);
// Display text of a step code field; empty for an unknown code.
std::string_view StepText(std::string_view field);
// Step in Hz of a step code field; nullopt for an unknown code.
std::optional<int> StepHz(std::string_view field);

// ---- Shift, mode, tone, DCS, lockout --------------------------------------
// Status-bar text of a shift code alone: "", "+", "-", "-7.6"; empty when unknown.
std::string_view ShiftText(std::string_view field);
extern const std::array<std::string_view, 6> ModeTexts;
// "FM", "WFM", "AM", "LSB", "USB", "CW" for mode '0'..'5'; empty otherwise.
std::string_view ModeText(std::string_view field);
extern const std::array<std::string_view, 42> ToneTexts;
// Tone text of a two-digit index field ("08" gives "88.5Hz"); empty when out of range.
std::string_view ToneText(std::string_view indexField);
extern const std::array<std::string_view, 104> DcsCodes;
// DCS code of a three-digit index field ("000" gives "023"); empty when out of range.
std::string_view DcsCode(std::string_view indexField);
// "*" for a locked-out memory ('1'), empty otherwise.
std::string_view LockoutMark(std::string_view field);

// ---- Frequencies and offsets ----------------------------------------------
// 11-digit Hz field to MHz text without trailing sub-kHz zeros:
// "00145000000" -> "145.000", "00144012500" -> "144.0125", "" -> "0.000".
std::string FormatFrequency(std::string_view field);
// 9-digit Hz offset field to MHz text with two decimals:
// "000600000" -> "0.60", "035000000" -> "35.00".
std::string FormatOffset(std::string_view field);
// Band code 0..14 of a frequency field: 4 below 100 kHz, else the first band
// whose limit covers it (A band before B band), else 14.
int BandOfFrequency(std::string_view field, const RadioImage& image);
int BandOfFrequency(std::string_view field, const std::array<std::string, BandLimitCount>& limits);
// A band limit's bounds in kHz (each number right-padded with '0' to 8
// digits); nullopt when the limit is empty or has no comma.
struct BandRange
{
    std::int64_t lowerKhz;
    std::int64_t upperKhz; // exclusive
};
std::optional<BandRange> BandLimitRange(std::string_view limit);

// ---- Status bar ---------------------------------------------------------
// The captions that begin status texts; the window shows them in its
// language (context "FieldTexts", model/ShownTexts.h). "CT : ", "T : " and
// "DCS : " are the radio's own and stay as they are.
inline constexpr char FieldTextsContext[] = "FieldTexts";
//: Status bar, before the transmit frequency of a split channel ("145.000MHz")
inline constexpr char TxFrequencyCaption[] = QT_TRANSLATE_NOOP("FieldTexts", "Tx Frequency : ");
//: Status bar, before the repeater offset ("0.60MHz")
inline constexpr char OffsetCaption[] = QT_TRANSLATE_NOOP("FieldTexts", "Offset : ");
//: Status bar, before the program VFO's range in MHz ("144-147")
inline constexpr char ProgramVfoCaption[] = QT_TRANSLATE_NOOP("FieldTexts", "Programmable VFO : ");
//: Status bar, before the name of a DTMF memory
inline constexpr char NameCaption[] = QT_TRANSLATE_NOOP("FieldTexts", "Name : ");
inline constexpr std::array<const char*, 4> StatusCaptions = {TxFrequencyCaption, OffsetCaption,
                                                              ProgramVfoCaption, NameCaption};

// The four panels for the selected record of a memory, VFO or CALL grid.
// programVfoRecord is the program VFO record of the row's band for VFO rows of
// band codes 0..3, and empty for every other row and grid.
struct StatusTexts
{
    std::array<std::string, 4> panel;
};
std::string TxOrOffsetStatusText(std::string_view record);           // "Tx Frequency : ..." or "Offset : ..."
std::string ShiftStatusText(std::string_view record);                // "+", "-", "-7.6", "+-", " R"
std::string ToneStatusText(std::string_view record);                 // "DCS : ", "CT : ", "T : "
std::string ProgramVfoStatusText(std::string_view programVfoRecord); // "Programmable VFO : 144-147"
StatusTexts ChannelStatusTexts(std::string_view record, std::string_view programVfoRecord = {});
// Panel 1 of the DTMF grid: "Name : " + the name, or empty.
std::string DtmfStatusText(std::string_view dtmfRecord);
// Every shape of text each panel can show, built by the functions above,
// each written with one digit throughout, for every digit; DTMF names as
// eight of each of nameBytes. Given the widest name bytes of a font, the
// widest of a panel's samples is as wide as any text that panel will show.
std::array<std::vector<std::string>, 4> StatusPanelSamples(std::string_view nameBytes);
