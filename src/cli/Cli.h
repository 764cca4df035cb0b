// tslq-cli, the program's command line: the frame every subcommand runs in.
// A subcommand takes its options from CliArgs, reads the radio profile with
// LoadCliProfile (never writing the store, so that the program's first start
// still asks for the radio version) and returns one of the exit statuses.
// Subcommands are listed in CliTable.cpp.
#pragma once

#include "files/DataFile.h"
#include "model/Profile.h"
#include "model/RadioImage.h"
#include "model/RecordCheck.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Exit statuses shared by every subcommand.
inline constexpr int kCliOk = 0;
inline constexpr int kCliBadArguments = 2;
inline constexpr int kCliFileError = 6;

// The arguments after the subcommand's name. Options are taken by name
// ("-o OUT", "--type=CODE" or "--type CODE"); what is left is positional.
// "--" ends the options. Any misuse is remembered for Error().
class CliArgs
{
  public:
    explicit CliArgs(QStringList arguments);

    // The value of an option given once; nullopt when absent. A missing
    // value or a repeated option is an error.
    std::optional<QString> Value(const QString& name);
    // Whether a flag is present.
    bool Flag(const QString& name);
    // Every argument not taken as an option. An argument left over that
    // looks like an option is an error. Call after every Value and Flag.
    QStringList Positionals();

    bool Ok() const { return error_.isEmpty(); }
    const QString& Error() const { return error_; }
    void Fail(const QString& error);

  private:
    QStringList options_;     // before "--"
    QStringList afterDashes_; // after "--"
    QString error_;
};

struct CliContext
{
    CliArgs& args;
    ConfigStore& store; // read only: LoadCliProfile never writes it
    std::ostream& out;
    std::ostream& err;
    std::string_view command; // the subcommand's name, for messages
    // Standard error is a terminal: long commands show their progress there.
    bool errIsTerminal = false;

    // Writes "tslq-cli <command>: <text>" and the usage line; returns kCliBadArguments.
    int BadArguments(const QString& text);
    // Writes "File Open error." and a line naming the file; returns kCliFileError.
    int FileError(const QString& path, const QString& reason);
    // Flushes what was written to `out`; kCliOk, or the FileError of
    // "standard output" when any of it could not be written (a full disk
    // under a redirection).
    int FinishOutput();
};

// --type CODE and --model MODEL, taken from the arguments.
struct CliProfileOptions
{
    std::optional<std::string> type;
    std::optional<std::string> model;
};
CliProfileOptions TakeProfileOptions(CliArgs& args);

// Fills the image's type code, model and band limits from the store with the
// overrides applied. kCliOk, or kCliBadArguments (message written) when no
// type code is stored or given, or an override is malformed.
int LoadCliProfile(CliContext& context, const CliProfileOptions& options, RadioImage& image);

// Loads a data file as File > Open does: kCliOk, or kCliFileError (message
// written) when it cannot be read or is no data file. What the file lacks and
// the records that fail their check (left out) are named on standard error
// ("tslq-cli <command>: <file>: This file ends early: ...", "... 3 damaged
// records were not loaded: memory 005, ..."); `report` receives them.
int LoadCliDataFile(CliContext& context, const QString& path, RadioImage& image, std::string& comment,
                    DataFileReport* report = nullptr);

// The image a subcommand works on: the profile's (LoadCliProfile) with the
// data file loaded over it (LoadCliDataFile), or without a file, reset as
// File > New resets it. kCliOk, or the status of the step that failed.
int OpenCliImage(CliContext& context, const CliProfileOptions& profile, const std::optional<QString>& path,
                 RadioImage& image, std::string& comment, DataFileReport* report = nullptr);

using CliHandler = int (*)(CliContext&);
struct CliCommand
{
    std::string_view name;
    std::string_view usage; // arguments after the name, for the usage text
    std::string_view summary;
    CliHandler run;
    bool radio = false; // talks to the radio: the link's exit statuses apply
};
// Every subcommand, in the order the usage text lists them.
std::span<const CliCommand> CliCommands();

// An exit status and what it means, for the usage texts.
struct CliExitStatus
{
    int status;
    std::string_view meaning;
    bool radioOnly;                // given only by the commands that talk to the radio
    std::string_view command = {}; // given only by this command
};
// Every exit status the program gives, in ascending order.
std::span<const CliExitStatus> CliExitStatuses();

// Runs one command line (without the program name) against a store.
int RunCli(const QStringList& arguments, ConfigStore& store, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false);

// The program: creates the application object (offscreen unless a platform
// is chosen) and runs on the program's own profile store.
int CliMain(int argc, char** argv);
