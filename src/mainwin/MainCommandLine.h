// Command line of the tslq program: leading arguments that start with "--"
// are options, "--" ends them, and the remaining arguments joined with single
// blanks name a data file to load at start-up (so that an unquoted path with
// blanks still works). It is parsed before the application object exists, so
// that --help and a mistyped option are answered without a display.
#pragma once

#include <set>
#include <string>
#include <vector>

struct MainCommandLine
{
    std::set<std::string> options; // without the leading "--"
    std::string fileName;          // empty when no file was named
    std::string language;          // --lang=en|de|ja; empty without one
    // Options neither this program nor the GUI toolkit knows, as given
    // ("--simualte").
    std::vector<std::string> unknown;

    bool Has(const std::string& option) const { return options.count(option) != 0; }
};

// arguments excludes the program name.
MainCommandLine ParseMainCommandLine(const std::vector<std::string>& arguments);

// Options this program knows.
inline constexpr char OptionNoSplash[] = "no-splash"; // skip the splash window
inline constexpr char OptionExitWhenShown[] =
    "exit-when-shown";                       // quit once the window is up (timing, scripts)
inline constexpr char OptionHelp[] = "help"; // print the usage and exit
// "lang=en", "lang=de", "lang=ja": the language of this run; any other value is
// an unknown option.
inline constexpr int MainExitBadArguments = 2; // an unknown option

// What --help prints, and what follows the complaint about an unknown option.
std::string MainUsage();
