// What a loaded data file lacks of the whole image every saved file holds
// (the memory, CALL, VFO, DTMF and radio menu sections, the last with its
// 45 lines), and the texts that report it. A file cut short still loads;
// what it lacks keeps the empty records and defaults of the reset, which a
// save or a write would pass on as if the file had held them.
#pragma once

#include "link/ImageDiff.h"
#include "model/Message.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The record sections of a data file, in the order they are written.
enum class FileSection { Memory, Call, Vfo, Dtmf, Menu };

// Lines of a complete radio menu section: the program VFO records, then the
// menu settings.
inline constexpr int kMenuSectionLines = ProgramVfoCount + MenuCount;

struct FileGaps
{
    // Whether the file has the section's marker.
    std::array<bool, 5> present{};
    // The record section the last lines of the file belong to, if any: when
    // the file ends early it may end inside it.
    std::optional<FileSection> lastSection;
    // Most data lines any radio menu section of the file held.
    int menuLines = 0;

    // A file that lacks nothing.
    static FileGaps Whole();

    bool Has(FileSection section) const { return present[static_cast<std::size_t>(section)]; }
    // A section is missing, or the radio menu section is short.
    bool Incomplete() const;
    // Every slot whose record the file may lack (empty when complete).
    SlotSet Missing() const;
    // Whether a write of the chosen slots would send something the file lacks.
    bool Touches(const SlotSet& chosen) const;
};

// "This file ends early: DTMF memories, VFO, CALL and the menu settings are
// not in it, and memory channels may be missing; what is missing holds empty
// or default values."; empty for a complete file.
Message EndsEarlyMessage(const FileGaps& gaps);

// The slots of a file whose line for a slot was damaged while an earlier
// line for the same slot had loaded: "1 damaged line was not loaded; the
// earlier line of its slot is used: memory 005" ("2 damaged lines were not
// loaded; the earlier lines of their slots are used: ..."); empty for none.
Message EarlierLineUsedMessage(const std::vector<RecordSlot>& list);
