// tslq-cli subcommands for data files and the listing: new, listing, print-pdf.
#pragma once

#include "files/Cli.h"

int CliNew(TCliContext& context);
int CliListing(TCliContext& context);
int CliPrintPdf(TCliContext& context);
