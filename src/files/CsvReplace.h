// A row of a channel list that replaces a filled channel keeps what the
// list has no column for, so that a list exported and read back over the
// same data changes nothing it does not report: Reverse, the RF power
// field, the transmit step of an unchanged transmit frequency, the special
// minus shift the list writes as a minus shift with its offset, the offset
// field where the Offset cell holds something else (a transmit frequency,
// the special offset), several squelch kinds at once (the list names one),
// name bytes outside the market's set (written as '?' in a list of the
// Windows code page), and the lock out when the list has no Skip column.
#pragma once

#include <string>
#include <string_view>

class RadioImage;

// The record the row makes for the slot, with those fields of `old` (the
// channel it replaces; empty: nothing to keep).
std::string KeepWhatTheListCannotSay(const std::string& record, std::string_view old, int slot,
                                     bool listHasSkip, const RadioImage& image);
