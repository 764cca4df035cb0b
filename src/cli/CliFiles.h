// tslq-cli subcommands for data files and the listing: new, listing, print-pdf.
#pragma once

#include "cli/Cli.h"

int CliNew(CliContext& context);
int CliListing(CliContext& context);
int CliPrintPdf(CliContext& context);
