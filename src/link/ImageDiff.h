// Comparing two radio images as the radio holds them: which slots differ
// (what a write of only the changes sends, what a read-back after a write
// must match), and field by field in the notation of the grids and the
// status bar, for the compare view and `tslq-cli diff`.
//
// A record is compared in its radio form: what a read would store after the
// record had been written. Only what the write commands carry counts (a
// channel's field 16, a VFO's lockout, a CALL slot's transmit step are never
// sent), the read's own conversions apply (names through both character
// conversions, the J market's information step fix, a CALL transmit part
// with the receive step), labels are the slot's own, and missing trailing
// fields count as empty.
#pragma once

#include "link/CommandSet.h"
#include "model/Message.h"
#include "model/RadioImage.h"
#include "model/RecordCheck.h"
#include "model/Translatable.h"

#include <bitset>
#include <string>
#include <vector>

// A set of image slots: memory, VFO, CALL, DTMF, program VFO, menu.
class SlotSet
{
  public:
    static constexpr int Size = MemoryCount + VfoCount + CallCount + DtmfCount + ProgramVfoCount + MenuCount;

    // Every slot a transfer of the scope covers.
    static SlotSet Covered(LinkScope scope);

    void Insert(RecordSlot slot);
    bool Contains(RecordSlot slot) const;
    int Count() const { return static_cast<int>(bits_.count()); }
    bool Empty() const { return bits_.none(); }
    // In slot order: memory, VFO, CALL, DTMF, program VFO, menu, each by index.
    std::vector<RecordSlot> Slots() const;
    bool operator==(const SlotSet&) const = default;

  private:
    std::bitset<Size> bits_;
};

// The record of the slot as a read would store it once the slot had been
// written from the image; empty for a slot a write leaves empty or cannot
// fill (a channel without a frequency).
std::string RadioForm(const RadioImage& image, RecordSlot slot);
// Whether the radio would hold the same in the slot after writing either image.
bool SameOnRadio(const RadioImage& a, const RadioImage& b, RecordSlot slot);
// The slots of the scope where the two images differ on the radio.
SlotSet DifferingSlots(const RadioImage& a, const RadioImage& b, LinkScope scope = LinkScope::All);

// A baseline once a write has ended: the written image's records in the
// slots the write sent, the baseline's own elsewhere.
RadioImage AfterWrite(const RadioImage& baseline, const RadioImage& written, const SlotSet& sent);

// ---- Field by field ---------------------------------------------------------

// The field of a channel's transmit frequency or offset, shown as the
// status bar shows it: "Tx Frequency : 438.000MHz", "Offset : 0.60MHz".
inline constexpr const char* OffsetOrTxField = QT_TRANSLATE_NOOP("ImageDiff", "Offset or Tx");

// One field of one slot in its display text, as each image shows it (8-bit
// text of the image's market; empty when the field shows nothing).
struct FieldDifference
{
    // "Frequency", "Name", "Battery Saver", ... in English: a menu setting's
    // name as MenuSettingLabel gives it (marked in context "MenuTexts"), any
    // other field's marked in context "ImageDiff".
    std::string field;
    std::string a;
    std::string b;
};

// How the differences name a slot: "Memory 005", "VFO A_144MHz", "CALL
// 144MHz", "DTMF 3", "Program VFO 144MHz", "Menu" (the grids' names of the market).
Message PlaceOfSlot(RecordSlot slot, char market);

struct RecordDifference
{
    RecordSlot slot;
    std::string place; // PlaceOfSlot in English
    std::vector<FieldDifference> fields;
};

struct ImageDifferences
{
    // The versions differ: "KK,0F ZT-Q2" against "EE,0F ZT-Q3".
    bool versionDiffers = false;
    std::string versionA;
    std::string versionB;
    char marketA = '\0';
    char marketB = '\0';
    std::vector<RecordDifference> records;

    bool Empty() const { return !versionDiffers && records.empty(); }
};

// The differences of the slots in `chosen` that differ on the radio, in slot
// order. A field list is never empty: when no shown field tells two radio
// forms apart, a "Record" field shows both forms whole.
ImageDifferences DescribeDifferences(const RadioImage& a, const RadioImage& b, const SlotSet& chosen);
// Every slot of the scope.
ImageDifferences DescribeDifferences(const RadioImage& a, const RadioImage& b,
                                     LinkScope scope = LinkScope::All);

// The differences as aligned UTF-8 text, one line per field under a heading
// naming the two sides:
//   Slot        Field      radio.qx   window.qx
//   Memory 005  Frequency  145.500    145.520
//               Name       HOME       WORK
// An empty field shows as "(none)". Empty when there is no difference.
std::string DifferencesText(const ImageDifferences& differences, std::string_view nameA,
                            std::string_view nameB);
