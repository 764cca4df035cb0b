// tslq-cli subcommands that talk to the radio: read and write, on the same
// transfer runner as the program's Read and Write dialogs.
#pragma once

#include "cli/Cli.h"
#include "link/CommandSet.h"

#include <string>

// Exit statuses of the radio commands, besides the common ones.
inline constexpr int kCliInvalidRadio = 3;    // "The radio is invalid."
inline constexpr int kCliTimeout = 4;         // "Communication timeout error."
inline constexpr int kCliPortUnavailable = 5; // the port cannot be opened
inline constexpr int kCliLineFailed = 7;      // the line failed, or a reply stayed garbled
inline constexpr int kCliVerifyFailed = 8;    // "The radio does not hold what was written."
// Exit status of diff when the files differ.
inline constexpr int kCliDiffer = 1;

// The line read and write end with: the filled records of the scope, e.g.
// "Read 37 memory channels, 3 CALL, 14 VFO, 2 DTMF and 41 menu settings from
// ZT-Q2 (KK,0F)." or "Wrote ... to the radio.". A record counts as filled
// when it has a frequency (a DTMF memory: a code).
std::string TransferSummary(const RadioImage& image, LinkScope scope, bool read);

int CliRead(CliContext& context);
int CliWrite(CliContext& context);
int CliDiff(CliContext& context);
