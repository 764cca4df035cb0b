// Rules of the channel clipboard and the edit commands: which record an edit
// command takes, whether the paste buffer fits the selected row, how a pasted
// record is rebuilt for its destination, which rows may be cut or deleted,
// and the Lock Out toggle. The main window only maps rows to slots and wires
// its controls to these functions.
#pragma once

#include "model/RadioImage.h"

#include <cstddef>
#include <string>
#include <string_view>

// The grid an edit command acts on; the values are the main window's active
// grid numbers.
enum class EditGrid { None = 0, Memory = 1, Vfo = 2, Call = 3, Dtmf = 4 };

// The selected row of the active grid, as a slot of the image: memory index
// 0..431, VFO band code 0..14, CALL index 0..3 or DTMF index 0..9.
struct EditTarget
{
    EditGrid grid = EditGrid::None;
    int slot = 0;
};

// The paste buffer holds at most this many characters of a payload.
inline constexpr std::size_t PasteBufferCapacity = RecordCapacity;

// The bytes put on the clipboard for a record: its text and one terminating
// zero byte. An empty record gives the terminator alone.
std::string ClipboardPayload(std::string_view record);

// Takes a payload read from the clipboard into the image's paste buffer: the
// text up to the first zero byte (or all of it when there is none). A text
// longer than the buffer is ignored; then the buffer keeps its content and
// the result is false.
bool TakeClipboardPayload(std::string_view payload, RadioImage& image);

// True when the target names a slot that exists for its grid.
bool IsValidTarget(EditTarget target);

// The record the target's slot holds (empty for no grid or no such slot).
std::string TargetRecord(const RadioImage& image, EditTarget target);

// Whether the paste buffer may be pasted onto the target: a channel record
// (30 characters or more) whose frequency fits the destination band, or a
// DTMF record (28 characters or fewer) onto the DTMF grid; in both cases the
// record it would store passes the data file's record check and is one a
// radio of the image's version can hold (SendCheck).
bool CanPaste(const RadioImage& image, EditTarget target);

// Whether Cut and Delete are allowed for the target: never on the VFO and
// CALL grids, and not on the information channels of markets other than E
// and M, whose contents the radio supplies itself.
bool CanCutOrDelete(const RadioImage& image, EditTarget target);

// Lock Out is offered on every memory slot except the program-scan edges and
// the priority channels (400..421).
bool CanLockOut(int memorySlot);

// A pasted name: the first 8 characters when every one of them is in the
// market's name character set, else empty (the name is dropped).
std::string PastedName(std::string_view name, char market);

// The record that a paste stores at the target, rebuilt from the paste buffer
// with the destination's own label. Empty for no grid or no such slot.
std::string BuildPastedRecord(const RadioImage& image, EditTarget target);

// Stores the rebuilt paste buffer at the target. The fit is not checked again
// here (CanPaste decides whether the command is offered). False when there is
// nothing to store to.
bool PasteIntoTarget(RadioImage& image, EditTarget target);

// Empties the target's slot for Cut and Delete (memory and DTMF grids only);
// false for the other grids.
bool EmptyTarget(RadioImage& image, EditTarget target);

// Toggles the lockout field of a memory channel ('0' becomes '1', anything
// else '0'). A record of 3 characters or fewer (an empty slot or a bare
// label) is left alone and the result is false.
bool ToggleLockout(RadioImage& image, int memorySlot);
