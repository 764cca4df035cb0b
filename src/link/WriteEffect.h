// What a write would do to the radio, told against what the radio is known
// to hold (the session's baseline, or a data file of the radio): how many
// channels and settings it changes, and which channels and DTMF memories it
// empties. A write clears a memory channel or DTMF memory it has no record
// for; an empty CALL, VFO or program VFO record it passes over, and a menu
// setting is never empty, so only those two kinds can be emptied.
// The texts are UTF-8.
#pragma once

#include "link/ImageDiff.h"
#include "model/Message.h"

#include <string>
#include <vector>

struct WriteEffect
{
    int channels = 0;                 // memory, CALL and VFO records that change
    int dtmf = 0;                     // DTMF memories that change
    int settings = 0;                 // menu settings and program VFO ranges that change
    std::vector<int> emptiedChannels; // memory slots the radio holds a channel in
    std::vector<int> emptiedDtmf;     // DTMF memories the radio holds a code in

    bool Empties() const { return !emptiedChannels.empty() || !emptiedDtmf.empty(); }
};

// The effect of writing the chosen slots of `image` to a radio that holds `radio`.
WriteEffect EffectOfWrite(const RadioImage& radio, const RadioImage& image, const SlotSet& chosen);

// "changes 36 channels, 2 DTMF memories and 5 settings" ("changes nothing").
Message ChangesText(const WriteEffect& effect);
// "This write empties 34 channels the radio holds: 031–063, L0, U0." or
// "This write empties 2 channels and 3 DTMF memories the radio holds: 005,
// 007; DTMF 0–2."; empty when it empties nothing.
Message EmptiesText(const WriteEffect& effect);
// Memory slots by label, three or more consecutive numbered channels as a
// range: "000, 031–063, L0, I-1".
std::string ChannelRanges(const std::vector<int>& memorySlots);
