// Frequency and offset entry rules shared by the memory, VFO and CALL editors
// (and by the clipboard and import checks): turning typed MHz text into the
// record's digit fields, and fitting a frequency into its band, its excluded
// ranges and its step grid. Everything is integer Hz in 64 bits, so any typed
// value above a limit lands on that limit instead of wrapping.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Which editor asks for the check; the values are the ones the editors pass.
enum class EntryContext { Vfo = 0, Memory = 1, Call = 2 };

// Mode indices of the editors' mode selector.
enum FrequencyMode : int { ModeFm = 0, ModeWfm = 1, ModeAm = 2, ModeLsb = 3, ModeUsb = 4, ModeCw = 5 };

// What the checks read from the radio image: the profile values and the
// program VFO records. Kept apart from the image so the rules stay a pure
// function of their inputs.
struct FrequencyProfile
{
    std::string typeCode;                   // e.g. "KK,0F"
    std::string model;                      // "ZT-Q2", "ZT-Q3" or "ZT-Q5"
    std::array<std::string, 15> bandLimits; // "lower,upper" per band code
    std::array<std::string, 4> programVfo;  // "b,lower,upper" per A-band code
};

inline constexpr int StepCodeCount = 12;
inline constexpr int ModeCount = 6;
inline constexpr std::int64_t MemoryLowestHz = 100'000;
inline constexpr std::int64_t MemoryHighestHz = 1'300'000'000;

// Step in Hz of a step code 0..11; 0 for any other code.
std::int64_t StepCodeHz(int stepCode);

// 11-digit, zero-padded decimal text of a frequency (clamped to 0..99,999,999,999).
std::string FrequencyDigits(std::int64_t hz);

// Typed MHz text -> 11 frequency digits. False (text unchanged) when the text
// holds more than one decimal point or any character other than digits and
// the point.
bool NormalizeFrequencyText(std::string& text);

// Typed MHz text -> 8 offset digits (a multiple of 50 kHz, at most 59.95 MHz).
// False (text unchanged) on the same malformed texts as above.
bool NormalizeOffsetText(std::string& text);

// Lower bound inclusive, upper bound exclusive, in Hz. False when the band has
// no usable range (an empty or malformed limit).
bool BandLimitHz(const FrequencyProfile& profile, int band, std::int64_t& lower, std::int64_t& upper);

// The step code a band permits in place of the given one.
int AdjustStepForBand(int band, int stepCode);

// The mode a band and context permit in place of the given one.
int AdjustModeForBand(int band, EntryContext context, int mode);

// Moves a frequency inside an excluded range of the version to the value below
// it; true when it moved.
bool MoveOutOfExcludedRange(const FrequencyProfile& profile, int band, std::int64_t& hz);

// True when hz is a multiple of the step or sits on the 8.33 kHz grid.
bool IsOnStepGrid(std::int64_t hz, std::int64_t stepHz);

// Moves hz down onto the 8.33 kHz grid; true when it moved.
bool AlignTo833Grid(std::int64_t& hz);

// Moves the last two digits of hz down onto 00/33/67; true when it moved.
bool AlignSubHundredHz(std::int64_t& hz);

// Fits a receive (or CALL transmit) frequency into its band and step. The
// digits are rewritten as 11 digits; the step code and mode may change.
// Returns the rounded flag: true when the frequency was moved.
bool CheckFrequency(std::string& digits, int band, EntryContext context, int& mode, int& stepCode,
                    const FrequencyProfile& profile);

// The same check for a memory channel's separate transmit frequency, against
// the band limit of the receive band; step and mode are only read.
bool CheckSplitTxFrequency(std::string& digits, int rxBand, int mode, int stepCode,
                           const FrequencyProfile& profile);
