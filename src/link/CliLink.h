// tslq-cli subcommands that talk to the radio: read and write, on the same
// transfer runner as the program's Read and Write dialogs.
#pragma once

#include "files/Cli.h"

// Exit statuses of the radio commands, besides the common ones.
inline constexpr int kCliInvalidRadio = 3;    // "The radio is invalid."
inline constexpr int kCliTimeout = 4;         // "Communication timeout error."
inline constexpr int kCliPortUnavailable = 5; // the port cannot be opened
inline constexpr int kCliLineFailed = 7;      // the line failed during the transfer

int CliRead(TCliContext& context);
int CliWrite(TCliContext& context);
