// tslq-cli subcommands for channel lists: export-csv, import-csv.
#pragma once

#include "cli/Cli.h"

int CliExportCsv(CliContext& context);
int CliImportCsv(CliContext& context);
