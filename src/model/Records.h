// Record formats of the radio image: counts, capacities, channel labels and
// field extraction from the comma-separated notation the radio speaks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Counts of the image's members.
inline constexpr int MemoryCount = 432;
inline constexpr int VfoCount = 15; // one per band code
inline constexpr int CallCount = 4;
inline constexpr int DtmfCount = 10;
inline constexpr int ProgramVfoCount = 4;
inline constexpr int MenuCount = 41;
inline constexpr int BandLimitCount = 15;

// Capacities in characters (bytes); setters cut longer text here.
inline constexpr std::size_t RecordCapacity = 99; // memory, VFO, CALL, paste buffer
inline constexpr std::size_t DtmfCapacity = 29;
inline constexpr std::size_t ProgramVfoCapacity = 14;
inline constexpr std::size_t TypeCodeCapacity = 5;
inline constexpr std::size_t BandLimitCapacity = 19;
inline constexpr std::size_t ModelCapacity = 9;

// First memory index of each group of special channels.
inline constexpr int ScanEdgeFirst = 400;    // L0, U0, L1, U1, ... U9
inline constexpr int PriorityFirst = 420;    // PR1, PR2
inline constexpr int InformationFirst = 422; // I-1 .. I-9, I-0
inline constexpr int OrdinaryMemoryCount = 400;

// Field numbers of a channel record.
namespace ChannelField {
inline constexpr int Label = 0;
inline constexpr int Frequency = 1;
inline constexpr int Step = 2;
inline constexpr int Shift = 3;
inline constexpr int Reverse = 4;
inline constexpr int Tone = 5;
inline constexpr int Ctcss = 6;
inline constexpr int Dcs = 7;
inline constexpr int ToneIndex = 8;
inline constexpr int CtcssIndex = 9;
inline constexpr int DcsIndex = 10;
inline constexpr int Offset = 11;
inline constexpr int Mode = 12;
inline constexpr int Lockout = 13;
inline constexpr int TxFrequency = 14;
inline constexpr int TxStep = 15;
inline constexpr int Reserved = 16;
inline constexpr int Name = 17;
inline constexpr int Count = 18;
} // namespace ChannelField

// Field n of a comma-separated record: the run after the n-th comma up to the
// next comma. With toEnd, the field runs to the end of the record, commas
// included (names may contain commas). A field past the last one present, or
// a negative field number, is empty.
std::string_view RecordField(std::string_view record, int field, bool toEnd = false);

// Channel label of a memory index: "000".."399", "L0".."U9", "PR1", "PR2",
// "I-1".."I-9", "I-0". Empty for an index outside 0..431.
std::string MemoryLabel(int index);

// Memory index of a channel label, or -1 when the text is no label.
int MemoryIndexOfLabel(std::string_view label);
