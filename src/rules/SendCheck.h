// The check before every write: a record goes to the radio only when a radio
// of the image's version can hold it. On top of the record check that data
// files and replies pass (which lets a record stop early and a name hold any
// printable byte), a record to send must have every field the radio needs
// and values it can take:
// - a filled memory, VFO or CALL record has fields 1 to 12, a receive (and a
//   transmit) frequency inside one of the image's bands, and an offset the
//   editors offer (a multiple of 50 kHz up to 59.95 MHz);
// - names (channel, DTMF, power-on message) hold at most 8 characters of the
//   market's name set and come back unchanged from the radio's character set;
// - a DTMF record carries its memory's own number "00".."09" and a code of at
//   most 16 digits, A-D, '*', '#' and blanks;
// - a program VFO range has both its bounds.
// Every record a radio of the version gives in complete replies passes, so
// writing back what a read stored is always accepted.
#pragma once

#include "model/RecordCheck.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class RadioImage;

class SendCheck
{
  public:
    // Takes the image's market and band limits; the image must outlive it.
    explicit SendCheck(const RadioImage& image);

    // The record the image holds in the slot.
    RecordCheck Check(RecordSlot slot) const;
    // A record that would be stored in the slot (a paste before it is made).
    RecordCheck CheckRecord(RecordSlot slot, std::string_view record) const;

  private:
    RecordCheck Channel(RecordSlotKind kind, std::string_view record) const;
    RecordCheck Dtmf(int memory, std::string_view record) const;
    bool InBands(std::string_view frequency) const;

    const RadioImage& image_;
    std::vector<std::pair<std::int64_t, std::int64_t>> bands_; // lowest and highest Hz, both included
};

// Every record of the image that fails the check, in slot order (memory,
// CALL, VFO, DTMF, program VFO, menu settings).
std::vector<DamagedRecord> UnsendableImageRecords(const RadioImage& image);
