// The texts of the write confirmations: the session's baseline by name, and
// what Write > All, Memory or Menu would change and empty in the radio, or
// that this is not known.
#pragma once

#include "files/FileGaps.h"
#include "link/Baseline.h"

#include <QString>

// "the last read at 12:31:05 (KK,0F ZT-Q2)"
QString BaselineText(const RadioBaseline& baseline);

// The lines of the confirmation of a write of `scope`, down to its last line
// "Do you want to write the data to the radio?": what the loaded file lacked
// that the write would send, and what the write changes and empties against
// the baseline (or that what the radio holds is not known).
QString WriteQuestionText(const RadioBaseline& baseline, const RadioImage& image, LinkScope scope,
                          const FileGaps& gaps);

// What a file that ended early lacks, when a write of the chosen slots would send
// it; empty otherwise.
QString IncompleteWriteNote(const FileGaps& gaps, const SlotSet& chosen);
