// The sample load of the simulated radio: what a radio of each market might
// hold after a season of use, so that a new user who reads the simulated
// radio sees channels rather than empty grids. Every channel is built by the
// memory channel editor's own rules, so the load holds only records the
// program itself would store.
#pragma once

#include "model/RadioImage.h"
#include "rules/ChannelRules.h"

#include <span>
#include <string_view>

// One memory channel as an operator would enter it in the memory channel
// editor: frequencies and offset in MHz as typed, list positions, the tone
// by its text.
struct SampleChannel
{
    int slot;
    const char* rx;
    int step; // step code 0..11
    int mode; // FrequencyMode
    ShiftChoice shift;
    const char* offsetOrTx; // offset in MHz; the transmit frequency with Split
    char squelch;           // 'T' tone, 'C' CTCSS, 'D' DCS, 0 none
    const char* tone;       // "100.0Hz" for 'T' and 'C', "023" for 'D'
    const char* name;       // 8-bit text of the market
    bool reverse = false;
    bool lockout = false;
};

struct SampleDtmf
{
    int slot;
    const char* code;
    const char* name;
};

// The channels and DTMF memories of the sample load for a market letter.
std::span<const SampleChannel> SampleChannels(char market);
std::span<const SampleDtmf> SampleDtmfMemories(char market);

// The editor's controls for a sample channel on this image's version (the
// special minus offset becomes Minus Shift where the version lacks it).
ChannelControls SampleControls(const RadioImage& image, const SampleChannel& channel);

// A radio of the version as a new radio is (defaults and information
// channels) holding the sample load, as the program would hold it after a
// read (names in the program's character set).
RadioImage SampleRadioImage(std::string_view typeCode, std::string_view model);
