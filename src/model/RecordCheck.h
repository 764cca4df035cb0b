// The shape of every record that comes from outside the program (a reply of
// the radio, a line of a data file) and of every record that goes to the
// radio: digits where the record has digits, fixed-width fields at their
// width, codes within the ranges any version of the radio uses, names free of
// control bytes. A record that fails never reaches the image or the radio.
//
// The checks are as tolerant as the record notation: a record may stop early
// and any field may be empty (an empty field reads as "not set"); only a
// record's label, when the record is not empty, must be there. Names are
// checked for control bytes only (0x00-0x1F and 0x7F), since a file or a
// radio of another market may hold the other market's 8-bit text.
#pragma once

#include "model/Message.h"

#include <string>
#include <string_view>
#include <vector>

class RadioImage;

// The outcome of a check: ok, or a short reason naming the first field that
// failed ("frequency is not 11 digits"). The reason is a fixed text.
struct RecordCheck
{
    std::string_view reason; // empty when the record passed

    bool Ok() const { return reason.empty(); }
    explicit operator bool() const { return Ok(); }
};

// ---- Channel records (memory, VFO, CALL; fields 0 to 17) --------------------
enum class ChannelKind {
    Memory, // label: a memory label ("000".."399" or the decimal slot, "L0".."U9", "PR1", "PR2",
            // "I-1".."I-0")
    Vfo,    // label: one band code '0'..'9', 'A'..'E'
    Call,   // label: one CALL band code '0'..'3'
};

// A whole record as the image holds it.
RecordCheck CheckChannelRecord(ChannelKind kind, std::string_view record);
RecordCheck CheckMemoryRecord(std::string_view record);
RecordCheck CheckVfoRecord(std::string_view record);
RecordCheck CheckCallRecord(std::string_view record);

// A run of fields as a reply carries them: `fields` holds fields firstField
// to lastField (0..17) of a channel record, comma-separated; it may stop
// early. More fields than that fail, except that field 17 (the name) runs to
// the end. For example the "MR 1" payload "00145500000,5" is fields 14..15,
// the "CR n,0" payload fields 1..12, the "VR" payload fields 0..12.
RecordCheck CheckChannelFields(ChannelKind kind, std::string_view fields, int firstField, int lastField);

// A name (a channel or DTMF name, the power-on message): no control bytes.
RecordCheck CheckName(std::string_view name);

// ---- DTMF records (number, code, name) --------------------------------------
// The number is decimal digits for 0..9 (its width is not checked: a radio
// may answer "3" for "03"); the code holds at most 16 of 0-9, A-D, '*', '#',
// blanks, and E and F (the radio's notation for '*' and '#'); the name runs
// to the end.
bool IsDtmfCodeChar(char c);
RecordCheck CheckDtmfRecord(std::string_view record);
// Fields firstField..lastField (0..2) of a DTMF record, as CheckChannelFields.
RecordCheck CheckDtmfFields(std::string_view fields, int firstField, int lastField);

// ---- Program VFO records (band code '0'..'3', lower and upper MHz) ------------
RecordCheck CheckProgramVfoRecord(std::string_view record);

// ---- Menu settings --------------------------------------------------------------
// Setting 0..40 as the value of its table, empty for a setting the version
// lacks; an index outside 0..40 fails.
RecordCheck CheckMenuSetting(int index, std::string_view value);

// ---- Slots of the image -------------------------------------------------------
enum class RecordSlotKind { Memory, Vfo, Call, Dtmf, ProgramVfo, Menu };

struct RecordSlot
{
    RecordSlotKind kind = RecordSlotKind::Memory;
    int index = 0;

    bool operator==(const RecordSlot&) const = default;
};

// "memory 005", "memory L0", "VFO A", "CALL 2", "DTMF 3", "program VFO 1",
// "menu setting 21"; in English, and as a message the window words.
std::string RecordSlotName(RecordSlot slot);
Message RecordSlotMessage(RecordSlot slot);
// The same with the grids' names of the market's VFO and CALL rows: "memory
// 005", "VFO A_144MHz", "CALL 440MHz", "program VFO A_430MHz", "DTMF 3".
std::string RecordSlotTitle(RecordSlot slot, char market);
Message RecordSlotTitleMessage(RecordSlot slot, char market);

// The slot's record in the image, and storing one there (cut at the slot's
// capacity, as the image's setters cut).
const std::string& SlotRecord(const RadioImage& image, RecordSlot slot);
void StoreSlotRecord(RadioImage& image, RecordSlot slot, std::string_view text);

// The check of a slot's kind applied to a text (memory, VFO and CALL as their
// channel kind).
RecordCheck CheckSlotRecord(RecordSlot slot, std::string_view text);

struct DamagedRecord
{
    RecordSlot slot;
    std::string_view reason;
};

// Every record of the image that fails its check, in slot order: memory,
// CALL, VFO, DTMF, program VFO, menu settings.
std::vector<DamagedRecord> CheckImageRecords(const RadioImage& image);

// "memory 005, memory 010, DTMF 3".
std::string RecordSlotList(const std::vector<RecordSlot>& list);
Message RecordSlotListMessage(const std::vector<RecordSlot>& list);
// "3 damaged records were not loaded: memory 005, memory 010, DTMF 3"
// ("1 damaged record was not loaded: ..."); empty for no slot.
Message NotLoadedMessage(const std::vector<RecordSlot>& list);
