// tslq-cli subcommands for channel lists: export-csv, import-csv.
#pragma once

#include "files/Cli.h"

int CliExportCsv(TCliContext& context);
int CliImportCsv(TCliContext& context);
