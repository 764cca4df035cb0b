// The subcommands of tslq-cli. Each block belongs to the unit that defines
// its handlers; add a block for a new unit.
#include "cli/Cli.h"
#include "cli/CliCsv.h"
#include "cli/CliFiles.h"
#include "cli/CliLink.h"

#include <array>

namespace {

const std::array kCommands = {
    // Data files and the listing.
    CliCommand{"new", "[--type CODE] [--model MODEL] -o OUT.qx", "save the image File > New makes", &CliNew},
    CliCommand{"listing", "[--type CODE] [--model MODEL] IN.qx", "print the listing as text", &CliListing},
    CliCommand{"print-pdf", "[--type CODE] [--model MODEL] IN.qx -o OUT.pdf", "print the listing into a PDF",
               &CliPrintPdf},
    CliCommand{
        "diff", "[--type CODE] [--model MODEL] A.qx B.qx",
        "show, slot by slot and field by field, where two data files differ as a radio would hold them",
        &CliDiff},
    // The radio.
    CliCommand{
        "read",
        "--port DEV [--scope all|memory|menu] [--type CODE] [--model MODEL] [--base IN.qx] [--log FILE] "
        "-o OUT.qx",
        "read the radio into a data file (--log: every command and reply into FILE, for a bug report)",
        &CliRead, true},
    CliCommand{
        "write",
        "--port DEV [--scope all|memory|menu] [--type CODE] [--model MODEL] [--force] [--skip-unsendable] "
        "[--allow-incomplete] [--baseline RADIO.qx [--changes-only] [--allow-erase]] [--verify] [--log FILE] "
        "IN.qx",
        "write a data file to the radio (--force: also when damaged records were left out of it; "
        "--skip-unsendable: write the rest when records the radio cannot hold are left out; "
        "--allow-incomplete: also when the file ends early and the write would send what it lacks; "
        "--baseline: RADIO.qx is what the radio holds, and what the write changes and empties there is "
        "shown; --changes-only: only the records that differ from it; --allow-erase: also when the "
        "write empties channels or DTMF memories it holds; --verify: read back what was written and "
        "compare; --log: every command and reply into FILE, for a bug report)",
        &CliWrite, true},
    // Channel lists.
    CliCommand{"export-csv", "[--type CODE] [--model MODEL] [--encoding utf8|8bit] IN.qx [-o OUT.csv]",
               "write the memory channels as a CSV channel list", &CliExportCsv},
    CliCommand{"import-csv", "[--type CODE] [--model MODEL] [--base IN.qx] [--append] IN.csv -o OUT.qx",
               "read a CSV channel list into the memory channels", &CliImportCsv},
};

const std::array kExitStatuses = {
    CliExitStatus{kCliOk, "done", false},
    CliExitStatus{kCliDiffer, "the files differ", false, "diff"},
    CliExitStatus{kCliBadArguments, "bad arguments, or no radio version is set up", false},
    CliExitStatus{kCliInvalidRadio, "the radio is not a ZT-Q2 or ZT-Q3 (\"The radio is invalid.\")", true},
    CliExitStatus{kCliTimeout, "the radio did not answer in time (\"Communication timeout error.\")", true},
    CliExitStatus{kCliPortUnavailable, "the port cannot be opened", true},
    CliExitStatus{kCliFileError, "a file could not be read or written (\"File Open error.\")", false},
    CliExitStatus{kCliLineFailed, "the transfer broke off before its end", true},
    CliExitStatus{kCliVerifyFailed,
                  "the read-back after the write found a difference (\"The radio does not hold what was "
                  "written.\")",
                  true, "write"},
};

} // namespace

std::span<const CliCommand> CliCommands()
{
    return kCommands;
}

std::span<const CliExitStatus> CliExitStatuses()
{
    return kExitStatuses;
}
